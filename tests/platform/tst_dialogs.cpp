// The real Open dialog: where it starts, what it answers, and that it leaves
// no settings of its own behind in the user's configuration.
#include "platform/Dialogs.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace grizzet;

class TestDialogs : public QObject {
    Q_OBJECT
public:
    explicit TestDialogs(QString configHome) : configHome_(std::move(configHome)) {}

private:
    // Answers the next Open dialog with ANSWER once it shows.
    static void AnswerDialog(const std::function<void(QFileDialog&)>& answer)
    {
        auto* timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            timer->stop();
            timer->deleteLater();
            answer(*dialog);
        });
        timer->start();
    }

    QStringList ConfigFiles() const
    {
        QStringList files;
        QDirIterator it(configHome_, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        return files;
    }

    QString configHome_;

private slots:
    void answers_data()
    {
        QTest::addColumn<bool>("choose");
        QTest::newRow("a file chosen") << true;
        QTest::newRow("cancelled") << false;
        QTest::newRow("a file chosen again") << true;
    }

    void answers()
    {
        QFETCH(bool, choose);

        QTemporaryDir folder;
        const QString puzzles = folder.path() + QStringLiteral("/Puzzles");
        QVERIFY(QDir().mkpath(puzzles));
        const QString picture = puzzles + QStringLiteral("/heart.pbm");
        QFile file(picture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("P1 1 1 1");
        file.close();

        QString startedIn;
        AnswerDialog([&](QFileDialog& dialog) {
            startedIn = dialog.directory().absolutePath();
            // Typed into the file name box, as a player would.
            if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); choose && name) {
                name->setText(picture);
                static_cast<QDialog&>(dialog).accept();
            }
            // A dialog that refused the answer must not hang the test.
            if (dialog.isVisible())
                dialog.reject();
        });
        const QString chosen = ShowOpen(nullptr, puzzles, QStringLiteral("Pictures (*.pbm *.ppm)"));

        // Every showing starts in the folder it is given, not the last one used.
        QCOMPARE(startedIn, puzzles);
        QCOMPARE(chosen, choose ? picture : QString());
        QCOMPARE(ConfigFiles(), QStringList());
    }
};

int main(int argc, char* argv[])
{
    // The user's configuration, here a folder of its own, set before Qt
    // first looks for it.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    QApplication app(argc, argv);
    TestDialogs test(configHome.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogs.moc"
