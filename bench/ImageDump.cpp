// The images of a fixed session, so that a faster build can be shown to draw
// the same pixels as the one before it (cmp the two folders).
#include "GameDriver.h"

#include "platform/Surface.h"
#include "shell/Form1.h"
#include "solution/Form2.h"
#include "support/Controls.h"

#include <QDir>
#include <QPushButton>

#include <algorithm>

namespace grizzet::bench {

int DumpImages(const std::string& stripes, const std::string& programFolder, const QString& out)
{
    QDir().mkpath(out);
    PuzzleState state;
    Form1 form(state, programFolder);
    form.showMaximized();
    Settle();
    const test::Controls ui(form);
    Surface& board = *ui.Picture1;
    Surface& field = *ui.HetVeld;
    Surface& solution = *ui.Solution()->Picture1;
    int step = 0;
    const auto save = [&](const char* what) {
        Settle();
        const QString prefix = QStringLiteral("%1/%2-%3").arg(out).arg(++step, 2, 10, QLatin1Char('0')).arg(what);
        board.Image().save(prefix + QStringLiteral("-board.png"));
        field.Image().save(prefix + QStringLiteral("-field.png"));
        solution.Image().save(prefix + QStringLiteral("-solution.png"));
        // The field over the board, as the window shows it.
        const QRect shown(board.mapTo(&form, QPoint(0, 0)) * board.PixelRatio(), board.PixelSize());
        form.grab().toImage().copy(shown).save(prefix + QStringLiteral("-window.png"));
    };
    form.LoadPuzzle(stripes);
    save("load");
    for (int x = 0; x < MaxSide; x += 3) {
        const int y = (x * 7) % MaxSide;
        Press(&field, CellMiddle(state, x, y));
        Release(&field, CellMiddle(state, x, y));
    }
    for (int i = 0; i < 10; ++i) {
        Press(&board, RowClue(state, field, 2 * i, i));
        Press(&board, ColumnClue(state, field, 4 * i, 0));
    }
    Press(&board, RowClue(state, field, 0, 0));  // ticked twice: plain again
    save("painted");
    ui.cmdErrors->click();
    save("errors");
    ui.cmdOplossing->click();
    save("solution");
    ui.cmdClear->click();
    save("reset");
    // The bundled puzzles, for clue fonts and cells of other sizes.
    const QDir puzzles(QStringLiteral(GRIZZET_PUZZLE_DIR));
    for (const QString& name : puzzles.entryList({QStringLiteral("*.pbm"), QStringLiteral("*.ppm")}, QDir::Files,
                                                 QDir::Name)) {
        form.LoadPuzzle(puzzles.filePath(name).toStdString());
        for (int i = 0; i < std::min(state.PuzzleWidth, state.PuzzleHeight); ++i)
            Press(&field, CellMiddle(state, i, i));
        ui.cmdErrors->click();
        save(qPrintable(name));
    }
    return 0;
}

}  // namespace grizzet::bench
