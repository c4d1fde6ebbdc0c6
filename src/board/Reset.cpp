// The field back to a freshly opened puzzle: every cell empty, clue ticks
// removed, not solved.
#include "board/Board.h"

#include "model/Rounding.h"
#include "platform/Surface.h"

#include <vector>

namespace grizzet {

namespace {

constexpr QRgb TickGrey = 0x808080;  // RGB(128,128,128), without alpha

void WhitenTicks(Surface& board, int xFirst, int xLast, int yFirst, int yLast)
{
    board.ReplaceColour(QRect(QPoint(xFirst, yFirst), QPoint(xLast, yLast)), TickGrey, qRgb(255, 255, 255));
}

// A tick is no more than grey pixels in the two clue bands left of and above
// the field, bounded by the field's own pixel geometry.
void RemoveClueTicks(Surface& board, const Surface& field)
{
    const ClueFrame frame = ClueFrameOf(field, ScaleUnit::Pixel, 0);
    for (const ClueHit::Area area : {ClueHit::Area::Row, ClueHit::Area::Column}) {
        const BoardBox band = ClueBand(frame, area);
        WhitenTicks(board, Nearest(band.left), Nearest(band.right - 1), Nearest(band.top), Nearest(band.bottom - 1));
    }
}

// Every cell drawn empty, all at once: the fill of all cells, then the edges
// they share. Cell by cell gives the same pixels, since a cell's fill only
// overlaps earlier cells on its own outline, which it draws again.
void DrawEmptyCells(Surface& field, int columns, int rows, int cellSize, QRgb fill)
{
    const float c = static_cast<float>(cellSize);
    const float right = static_cast<float>(columns) * c, bottom = static_cast<float>(rows) * c;
    field.FillBox(0, 0, right, bottom, fill);
    std::vector<Surface::Corners> edges;
    for (int x = 0; x <= columns; ++x) {
        const float at = static_cast<float>(x) * c;
        edges.push_back({at, 0, x % 5 == 0 && x < columns ? at + 1 : at, bottom});
    }
    for (int y = 0; y <= rows; ++y) {
        const float at = static_cast<float>(y) * c;
        edges.push_back({0, at, right, y % 5 == 0 && y < rows ? at + 1 : at});
    }
    field.FillBoxes(edges, GridGrey);
}

}  // namespace

void EmptyField(PuzzleState& state, const BoardSurfaces& surfaces)
{
    Surface& field = surfaces.field;
    field.Cls();
    for (int x = 0; x < state.PuzzleWidth; ++x)
        for (int y = 0; y < state.PuzzleHeight; ++y)
            state.PlayerGrid(x, y) = 0;
    if (state.PuzzleWidth > 0 && state.PuzzleHeight > 0)
        DrawEmptyCells(field, state.PuzzleWidth, state.PuzzleHeight, state.CellSize, SwatchColour(surfaces.chooser, 0));
    RemoveClueTicks(surfaces.board, field);
    surfaces.board.Refresh();
    state.PuzzleSolved = 0;
}

}  // namespace grizzet
