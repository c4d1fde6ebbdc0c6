// The images of a fixed session, so that a faster build can be shown to draw
// the same pixels as the one before it (cmp the two folders).
#include "GameDriver.h"

#include "shell/Form1.h"
#include "solution/Form2.h"
#include "support/Controls.h"

#include <QDir>

#include <algorithm>

namespace grizzet::bench {

int DumpImages(const std::string& stripes, const std::string& programFolder, const QString& out)
{
    QDir().mkpath(out);
    PuzzleState state;
    Form1 form(state, programFolder);
    const test::Controls ui(form);
    form.showMaximized();
    Settle();
    int step = 0;
    const auto save = [&](const char* what) {
        Settle();
        const QString prefix = QStringLiteral("%1/%2-%3").arg(out).arg(++step, 2, 10, QLatin1Char('0')).arg(what);
        ui.Picture1->Image().save(prefix + QStringLiteral("-board.png"));
        ui.HetVeld->Image().save(prefix + QStringLiteral("-field.png"));
        if (ui.Solution() != nullptr)
            ui.Solution()->Picture1->Image().save(prefix + QStringLiteral("-solution.png"));
    };
    form.LoadPuzzle(stripes);
    save("load");
    for (int x = 0; x < MaxSide; x += 3) {
        const int y = (x * 7) % MaxSide;
        Press(ui.HetVeld, CellMiddle(state, x, y));
        Release(ui.HetVeld, CellMiddle(state, x, y));
    }
    for (int i = 0; i < 10; ++i) {
        Press(ui.Picture1, RowClue(state, *ui.HetVeld, 2 * i, i));
        Press(ui.Picture1, ColumnClue(state, *ui.HetVeld, 4 * i, 0));
    }
    Press(ui.Picture1, RowClue(state, *ui.HetVeld, 0, 0));  // ticked twice: plain again
    save("painted");
    form.cmdErrors_Click();
    save("errors");
    form.cmdOplossing_Click();
    save("solution");
    form.cmdClear_Click();
    save("reset");
    // The bundled puzzles, for clue fonts and cells of other sizes.
    const QDir puzzles(QStringLiteral(GRIZZET_PUZZLE_DIR));
    for (const QString& name : puzzles.entryList({QStringLiteral("*.pbm"), QStringLiteral("*.ppm")}, QDir::Files,
                                                 QDir::Name)) {
        form.LoadPuzzle(puzzles.filePath(name).toStdString());
        for (int i = 0; i < std::min(state.PuzzleWidth, state.PuzzleHeight); ++i)
            Press(ui.HetVeld, CellMiddle(state, i, i));
        form.cmdErrors_Click();
        save(qPrintable(name));
    }
    return 0;
}

}  // namespace grizzet::bench
