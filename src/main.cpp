// Vindro Grizzet: coloured nonograms.
#include "model/PuzzleState.h"
#include "shell/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(GRIZZET_VERSION));
    // Lets the desktop match the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(GRIZZET_ID));
    grizzet::PuzzleState state;
    grizzet::Form1 form(state);
    form.showMaximized();
    return app.exec();
}
