#include "play/Painting.h"

#include "model/Field.h"
#include "model/PickText.h"
#include "model/Rounding.h"
#include "platform/Dialogs.h"

#include <QLabel>

namespace grizzet {

namespace {

void SolvedTest(PuzzleState& state, QWidget& window)
{
    if (!FieldMatchesPicture(state))
        return;
    if (state.PuzzleSolved == 0) {
        const std::uint8_t language = state.Language;
        MsgBox(&window, MsgIcon::Information,
               QString::fromStdString(PickText(language, "Puzzle solved", "Puzzel opgelost", "Puzzle risolto")),
               QString::fromStdString(PickText(language, "You have solved the puzzle.", "U heeft de puzzel opgelost.",
                                               "Hai risolto il puzzle.")));
    }
    state.PuzzleSolved = -1;
}

}  // namespace

void SetCell(PuzzleState& state, const BoardSurfaces& surfaces, int column, int row, std::uint8_t value)
{
    state.PlayerGrid(column, row) = value;
    DrawCell(surfaces.field, column, row, state.CellSize, SwatchColour(surfaces.chooser, value), GridGrey);
}

void PlaceReadOut(QLabel& readOut)
{
    const int right = readOut.x() + readOut.width();
    readOut.adjustSize();
    const int innerHeight = readOut.parentWidget()->contentsRect().height();
    readOut.move(right - readOut.width(), Nearest(innerHeight - 1.5 * readOut.height()));
}

void PaintField(PuzzleState& state, const BoardSurfaces& surfaces, QLabel& readOut, const MouseArgs& args)
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

    const QString position = QString::fromStdString(PositionText(column, row));
    if (readOut.text() != position) {
        readOut.setText(position);
        PlaceReadOut(readOut);
    }

    if (args.Button != 1 && args.Button != 2)
        return;
    SetCell(state, surfaces, column, row, state.ButtonColour[args.Button - 1]);
    SolvedTest(state, *surfaces.field.window());
}

void ResetField(PuzzleState& state, const BoardSurfaces& surfaces, const ChooserParts& chooser)
{
    KiezerSet(state, chooser);
    EmptyField(state, surfaces);
}

}  // namespace grizzet
