// Vindro Grizzet: coloured nonograms.
#include "model/PuzzleState.h"
#include "shell/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    grizzet::PuzzleState state;
    grizzet::Form1 form(state);
    form.showMaximized();
    return app.exec();
}
