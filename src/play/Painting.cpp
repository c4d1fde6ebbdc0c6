// Painting cells with the left and the right button, the read-out that
// follows the pointer, and the one message for a solved puzzle.
#include "play/Painting.h"

#include "board/Board.h"
#include "board/Rounding.h"
#include "model/PickText.h"
#include "platform/Dialogs.h"
#include "shell/Form1.h"

#include <QLabel>

namespace grizzet {

namespace {

// A number as the read-out writes it: one blank where a sign would go.
QString Signed(int number)
{
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}

void SolvedTest(Form1& form)
{
    PuzzleState& state = form.state;
    if (!FieldMatchesPicture(state))
        return;
    if (state.PuzzleSolved == 0) {
        const std::uint8_t language = state.Language;
        MsgBox(&form, MsgIcon::Information,
               QString::fromStdString(PickText(language, "Puzzle solved", "Puzzel opgelost", "Puzzle risolto")),
               QString::fromStdString(PickText(language, "You have solved the puzzle.", "U heeft de puzzel opgelost.",
                                               "Hai risolto il puzzle.")));
    }
    state.PuzzleSolved = -1;
}

}  // namespace

int CellUnderPointer(float position, int cellSize)
{
    const double c = static_cast<float>(cellSize);
    return Nearest(static_cast<double>(position) / c - 0.5);
}

QString PositionText(int column, int row) { return Signed(column + 1) + QLatin1Char(',') + Signed(row + 1); }

bool FieldMatchesPicture(const PuzzleState& state)
{
    // Every cell is visited; the test keeps no running count.
    bool mismatch = false;
    for (int x = 0; x < state.PuzzleWidth; ++x)
        for (int y = 0; y < state.PuzzleHeight; ++y)
            if (state.Solution(x, y) + 1 != state.PlayerGrid(x, y))
                mismatch = true;
    return !mismatch;
}

void SetCell(Form1& form, int column, int row, std::uint8_t value)
{
    form.state.PlayerGrid(column, row) = value;
    DrawCell(*form.HetVeld, column, row, form.state.CellSize, SwatchColour(*form.KiezerL, value), qRgb(64, 64, 64));
}

void Form1::HetVeld_MouseDown(const MouseArgs& args) { HetVeld_MouseMove(args); }

void Form1::HetVeld_MouseMove(const MouseArgs& args)
{
    int column = CellUnderPointer(args.X, state.CellSize);
    int row = CellUnderPointer(args.Y, state.CellSize);
    // While a button is held the field follows the pointer beyond its edges.
    if (column < 0)
        column = 0;
    if (row < 0)
        row = 0;
    if (column > state.PuzzleWidth - 1)
        column = state.PuzzleWidth - 1;
    if (row > state.PuzzleHeight - 1)
        row = state.PuzzleHeight - 1;

    const QString position = PositionText(column, row);
    if (Positie->text() != position) {
        Positie->setText(position);
        Form_Resize();  // the read-out sizes itself and stays right-aligned
    }

    if (args.Button != 1 && args.Button != 2)
        return;
    SetCell(*this, column, row, state.ButtonColour[args.Button - 1]);
    SolvedTest(*this);
}

}  // namespace grizzet
