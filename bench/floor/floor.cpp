// The least Qt program with a window: one widget, shown maximised. With the
// argument --exit-after-expose, or GRIZZET_FLOOR_EXIT set, it quits after its
// first paint and prints the milliseconds from the start of main to it.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

QElapsedTimer sinceMain;
bool exitAfterExpose = false;

class Floor final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!exitAfterExpose)
            return;
        exitAfterExpose = false;
        std::printf("%.3f\n", static_cast<double>(sinceMain.nsecsElapsed()) / 1e6);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    sinceMain.start();
    exitAfterExpose = !qEnvironmentVariableIsEmpty("GRIZZET_FLOOR_EXIT") ||
                      (argc > 1 && std::strcmp(argv[1], "--exit-after-expose") == 0);
    QApplication app(argc, argv);
    Floor window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.showMaximized();
    return app.exec();
}
