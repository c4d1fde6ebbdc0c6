// The file operations: what counts as a puzzle file, reading without ever
// blocking, replacing a settings file without damage, the program folder.
#include "model/LoadPuzzle.h"
#include "platform/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

using namespace grizzet;

namespace {

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

std::string ReadAll(ByteSource& source)
{
    std::string bytes;
    for (int byte = source.Next(); byte != ByteSource::End; byte = source.Next())
        bytes += char(byte);
    return bytes;
}

}  // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void lookup_data();
    void lookup();
    void reading();
    void readingRefusesWhatIsNoFile_data();
    void readingRefusesWhatIsNoFile();
    void smallFiles();
    void replacing();
    void replacingFails_data();
    void replacingFails();
    void programFolder();

private:
    QTemporaryDir dir_;
    QString In(const QString& name) const { return dir_.filePath(name); }
    std::string Local(const QString& name) const { return QFile::encodeName(In(name)).toStdString(); }
    std::string Strange() const { return QFile::encodeName(dir_.path()).toStdString() + "/bad\xff\xfe.pbm"; }
};

void TestFiles::initTestCase()
{
    QVERIFY(dir_.isValid());
    Write(In("plain.pbm"), "P1 1 1 1");
    Write(In("empty"), "");
    QVERIFY(QDir(dir_.path()).mkdir("folder.pbm"));
    QVERIFY(::mkfifo(Local("fifo.pbm").c_str(), 0600) == 0);
    QVERIFY(QFile::link(In("plain.pbm"), In("link.pbm")));
    QVERIFY(QFile::link(In("nowhere.pbm"), In("dangling.pbm")));
    QVERIFY(QFile::link(In("folder.pbm"), In("folderlink")));
    // A name that is not UTF-8, which QString cannot hold.
    std::ofstream(Strange()) << "x";
    QVERIFY(std::filesystem::exists(Strange()));
}

void TestFiles::lookup_data()
{
    QTest::addColumn<QString>("name");   // in the test folder, or an absolute path
    QTest::addColumn<bool>("found");

    QTest::newRow("ordinary file") << "plain.pbm" << true;
    QTest::newRow("empty file") << "empty" << true;
    QTest::newRow("link to a file") << "link.pbm" << true;
    QTest::newRow("missing") << "missing.pbm" << false;
    QTest::newRow("folder") << "folder.pbm" << false;
    QTest::newRow("link to a folder") << "folderlink" << false;
    QTest::newRow("dangling link") << "dangling.pbm" << false;
    QTest::newRow("FIFO") << "fifo.pbm" << false;
    QTest::newRow("device") << "/dev/zero" << false;
    QTest::newRow("terminal device") << "/dev/tty" << false;
    QTest::newRow("root folder") << "/" << false;
}

void TestFiles::lookup()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    const std::string path = name.startsWith('/') ? name.toStdString() : Local(name);
    QCOMPARE(IsOrdinaryFile(path), found);
    QVERIFY(!IsOrdinaryFile(""));
    QVERIFY(!IsOrdinaryFile(Local("plain.pbm") + std::string(1, '\0') + "x"));
}

void TestFiles::reading()
{
    // Larger than any read buffer, every byte value, read back exactly.
    QByteArray bytes;
    for (int i = 0; i < 300'000; ++i)
        bytes += char((i * 7 + i / 256) & 0xFF);
    Write(In("big.bin"), bytes);
    auto source = OpenForReading(Local("big.bin"));
    QCOMPARE(QByteArray::fromStdString(ReadAll(*source)), bytes);
    QCOMPARE(source->Next(), int(ByteSource::End));  // and stays at the end

    auto linked = OpenForReading(Local("link.pbm"));
    QCOMPARE(ReadAll(*linked), std::string("P1 1 1 1"));
    auto empty = OpenForReading(Local("empty"));
    QCOMPARE(empty->Next(), int(ByteSource::End));

    // A name that is not UTF-8 is found and read by its bytes.
    QVERIFY(IsOrdinaryFile(Strange()));
    QCOMPARE(ReadAll(*OpenForReading(Strange())), std::string("x"));
}

void TestFiles::readingRefusesWhatIsNoFile_data()
{
    QTest::addColumn<QString>("name");
    // A FIFO would block an open for reading until a writer came.
    QTest::newRow("FIFO") << "fifo.pbm";
    QTest::newRow("device") << "/dev/zero";
    QTest::newRow("folder") << "folder.pbm";
    QTest::newRow("missing") << "missing.pbm";
    QTest::newRow("dangling link") << "dangling.pbm";
    QTest::newRow("empty path") << "";
}

void TestFiles::readingRefusesWhatIsNoFile()
{
    QFETCH(QString, name);
    const std::string path =
        name.isEmpty() ? std::string() : name.startsWith('/') ? name.toStdString() : Local(name);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, OpenForReading(path));
    QVERIFY(!ReadSmallFile(path).has_value());
}

void TestFiles::smallFiles()
{
    Write(In("lang.ini"), QByteArray("\x01", 1));
    QCOMPARE(ReadSmallFile(Local("lang.ini")), std::optional<std::string>("\x01"));
    QCOMPARE(ReadSmallFile(Local("empty")), std::optional<std::string>(""));
    Write(In("long.ini"), QByteArray(10'000, 'a'));
    QCOMPARE(ReadSmallFile(Local("long.ini"), 100), std::optional<std::string>(std::string(100, 'a')));
}

void TestFiles::replacing()
{
    const std::string path = Local("recent.ini");
    QVERIFY(ReplaceFile(path, "first"));
    QCOMPARE(ReadSmallFile(path), std::optional<std::string>("first"));
    QVERIFY(ReplaceFile(path, std::string("a\0b", 3)));
    QCOMPARE(ReadSmallFile(path), std::optional<std::string>(std::string("a\0b", 3)));
    QVERIFY(ReplaceFile(path, ""));
    QCOMPARE(ReadSmallFile(path), std::optional<std::string>(""));
}

void TestFiles::replacingFails_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("a folder's path") << "folder.pbm";
    QTest::newRow("a folder that cannot be written") << "/proc/recent.ini";
    QTest::newRow("a missing folder") << "no/such/folder/lang.ini";
    QTest::newRow("empty path") << "";
}

void TestFiles::replacingFails()
{
    QFETCH(QString, path);
    Write(In("folder.pbm/inside"), "kept");
    const QStringList before = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
    const std::string target =
        path.isEmpty() ? std::string() : path.startsWith('/') ? path.toStdString() : Local(path);

    QVERIFY(!ReplaceFile(target, "new"));

    // Nothing was damaged and no stray file was left behind.
    QVERIFY(QFileInfo(In("folder.pbm")).isDir());
    QCOMPARE(ReadSmallFile(Local("folder.pbm/inside")), std::optional<std::string>("kept"));
    QCOMPARE(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), before);
}

void TestFiles::programFolder()
{
    const std::string expected =
        std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/";
    // Before the application object exists, and with it.
    QVERIFY(QCoreApplication::instance() == nullptr);
    QCOMPARE(ProgramFolder(), expected);
    int argc = 1;
    char name[] = "tst_files";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QCOMPARE(ProgramFolder(), expected);
}

QTEST_APPLESS_MAIN(TestFiles)
#include "tst_files.moc"
