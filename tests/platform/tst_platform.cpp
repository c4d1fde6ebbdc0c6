// What the windows' tests cannot see of the platform layer: the real Open
// dialog, and a drawing surface's image outliving a smaller size.
#include "platform/Dialogs.h"
#include "platform/Surface.h"
#include "support/Art.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace grizzet;

// The user's configuration in a folder of its own, set before Qt first looks for it.
static QTemporaryDir configHome;
[[maybe_unused]] static const bool configHomeSet = qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // Every showing starts in the folder it is given and answers the file
    // typed into it, or nothing when cancelled; the dialog's own history and
    // settings are not left in the user's configuration.
    void openDialog()
    {
        QTemporaryDir folder;
        const QString puzzles = folder.filePath("Puzzles"), picture = puzzles + "/heart.pbm";
        QVERIFY(QDir().mkpath(puzzles));
        test::WriteFile(picture, "P1 1 1 1");
        for (const bool choose : {true, false, true}) {
            QString startedIn;
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                auto* name = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
                startedIn = dialog ? dialog->directory().absolutePath() : QString();
                if (name && choose) {
                    name->setText(picture);
                    static_cast<QDialog*>(dialog)->accept();
                }
                if (dialog && dialog->isVisible())
                    dialog->reject();
            });
            QCOMPARE(ShowOpen(nullptr, puzzles, QStringLiteral("Pictures (*.pbm)")), choose ? picture : QString());
            QCOMPARE(startedIn, puzzles);
        }
        QCOMPARE(QDir(configHome.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), {});
    }

    // What was drawn beyond a smaller size shows again when the surface grows
    // back: the chooser shrinks to three swatches for a black-and-white
    // picture and needs all nine again for the next colour one.
    void imageOutlivesASmallerSize()
    {
        Surface surface;
        surface.resize(25, 225);
        surface.FillBox(0, 200, 25, 225, qRgb(0, 255, 255));
        surface.resize(25, 75);
        surface.FillBox(0, 0, 25, 25, qRgb(255, 0, 0));
        surface.resize(25, 225);
        QCOMPARE(surface.GetPixel(1, 201), 0x00FFFFu);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
