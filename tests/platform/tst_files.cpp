// The file operations: what counts as a puzzle file, reading without ever
// blocking, replacing a settings file without damage.
#include "platform/Files.h"
#include "support/Art.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

#include <sys/stat.h>

using namespace grizzet;
using namespace grizzet::test;

namespace {

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
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        WriteFile(In("plain.pbm"), "P1 1 1 1");
        WriteFile(In("empty"), "");
        QVERIFY(QDir(dir_.path()).mkdir("folder.pbm"));
        QVERIFY(::mkfifo(Local("fifo.pbm").c_str(), 0600) == 0);
        QVERIFY(QFile::link(In("plain.pbm"), In("link.pbm")));
        QVERIFY(QFile::link(In("nowhere.pbm"), In("dangling.pbm")));
        // A name that is not UTF-8, which QString cannot hold.
        std::ofstream(Strange()) << "x";
    }

    // What is not an ordinary file is not found, and neither reading opens it:
    // a FIFO would block an open until a writer came.
    void lookup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("ordinary file") << "plain.pbm" << true;
        QTest::newRow("link to a file") << "link.pbm" << true;
        QTest::newRow("missing") << "missing.pbm" << false;
        QTest::newRow("folder") << "folder.pbm" << false;
        QTest::newRow("dangling link") << "dangling.pbm" << false;
        QTest::newRow("FIFO") << "fifo.pbm" << false;
        QTest::newRow("device") << "/dev/zero" << false;
        QTest::newRow("empty path") << "" << false;
        QTest::newRow("a NUL byte cuts nothing off") << QStringLiteral("plain.pbm") + QChar(0) + "x" << false;
    }

    void lookup()
    {
        QFETCH(QString, name);
        QFETCH(bool, found);
        const std::string path = Local(name);
        QCOMPARE(IsOrdinaryFile(path), found);
        if (found)
            return;
        QVERIFY_THROWS_EXCEPTION(RunTimeFailure, OpenForReading(path));
        QVERIFY(!ReadSmallFile(path).has_value());
    }

    void reading()
    {
        // Larger than any read buffer, every byte value, read back exactly.
        QByteArray bytes;
        for (int i = 0; i < 300'000; ++i)
            bytes += char((i * 7 + i / 256) & 0xFF);
        WriteFile(In("big.bin"), bytes);
        auto source = OpenForReading(Local("big.bin"));
        QCOMPARE(QByteArray::fromStdString(ReadAll(*source)), bytes);
        QCOMPARE(source->Next(), int(ByteSource::End));  // and stays at the end

        QCOMPARE(ReadAll(*OpenForReading(Local("link.pbm"))), std::string("P1 1 1 1"));
        QCOMPARE(OpenForReading(Local("empty"))->Next(), int(ByteSource::End));
        // A name that is not UTF-8 is found and read by its bytes.
        QVERIFY(IsOrdinaryFile(Strange()));
        QCOMPARE(ReadAll(*OpenForReading(Strange())), std::string("x"));
    }

    // Replaced whole, NUL bytes and all; a small read stops at its limit.
    void replacing()
    {
        const std::string path = Local("recent.ini");
        for (const std::string& bytes : {std::string("first"), std::string("a\0b", 3), std::string()}) {
            QVERIFY(ReplaceFile(path, bytes));
            QCOMPARE(ReadSmallFile(path), std::optional<std::string>(bytes));
        }
        QVERIFY(ReplaceFile(path, std::string(10'000, 'a')));
        QCOMPARE(ReadSmallFile(path, 100), std::optional<std::string>(std::string(100, 'a')));
    }

    void replacingFails_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("a folder's path") << "folder.pbm";
        QTest::newRow("a folder that cannot be written") << "/proc/recent.ini";
        QTest::newRow("a missing folder") << "no/such/folder/lang.ini";
    }

    void replacingFails()
    {
        QFETCH(QString, path);
        WriteFile(In("folder.pbm/inside"), "kept");
        const auto entries = [this] {
            return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
        };
        const QStringList before = entries();

        QVERIFY(!ReplaceFile(Local(path), "new"));

        // Nothing was damaged and no stray file was left behind.
        QVERIFY(QFileInfo(In("folder.pbm")).isDir());
        QCOMPARE(ReadSmallFile(Local("folder.pbm/inside")), std::optional<std::string>("kept"));
        QCOMPARE(entries(), before);
    }

private:
    QTemporaryDir dir_;
    QString In(const QString& name) const { return dir_.filePath(name); }
    // A name in the test folder, an absolute path, or the empty path, as bytes.
    std::string Local(const QString& name) const
    {
        return name.isEmpty() || name.startsWith('/') ? name.toStdString() : QFile::encodeName(In(name)).toStdString();
    }
    std::string Strange() const { return QFile::encodeName(dir_.path()).toStdString() + "/bad\xff\xfe.pbm"; }
};

QTEST_APPLESS_MAIN(TestFiles)
#include "tst_files.moc"
