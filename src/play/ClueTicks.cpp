#include "play/ClueTicks.h"

#include "model/ClueHit.h"
#include "model/Rounding.h"

#include <cstdlib>

namespace grizzet {

namespace {

// A tick toggles the near-white pixels of a box to grey and the near-grey
// ones back to white; digits and grid lines keep their colours.
void ToggleBox(Surface& board, int x0, int x1, int y0, int y1)
{
    for (int x = x0; x < x1; ++x) {
        for (int y = y0; y < y1; ++y) {
            const QRgb colour = board.GetPixel(x, y);
            const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
            if (r > 240 && g > 240 && b > 240)
                board.SetPixel(x, y, qRgb(128, 128, 128));
            else if (std::abs(r - 128) < 14 && std::abs(g - 128) < 14 && std::abs(b - 128) < 14)
                board.SetPixel(x, y, qRgb(255, 255, 255));
        }
    }
    board.Refresh();
}

// The board as the hit test sees it, in points.
ClueFrame FrameInPoints(const PuzzleState& state, const Surface& field)
{
    return ClueFrameOf(field, ScaleUnit::Point, static_cast<float>(state.CellSize));
}

// One cell's edge in the board's pixels, not rounded.
float CellInPixels(const Surface& board, int cellSize)
{
    return static_cast<float>(cellSize * board.PixelsPer(ScaleUnit::Point));
}

// Toggles a clue box, measured in the board's pixels.
void ToggleClue(const PuzzleState& state, const BoardSurfaces& surfaces, ClueHit::Area area, int line, int away)
{
    const ClueFrame frame = ClueFrameOf(surfaces.field, ScaleUnit::Pixel, CellInPixels(surfaces.board, state.CellSize));
    const BoardBox box = ClueBox(frame, area, line, away);
    ToggleBox(surfaces.board, Nearest(box.left), Nearest(box.right), Nearest(box.top), Nearest(box.bottom));
}

}  // namespace

void TickClueAt(const PuzzleState& state, const BoardSurfaces& surfaces, const MouseArgs& args)
{
    if (args.Button != 1 && args.Button != 2)
        return;
    const ClueHit hit = HitClue(state, FrameInPoints(state, surfaces.field), args.X, args.Y);
    if (hit.area == ClueHit::Area::Row)
        ToggleRowClue(state, surfaces, hit.line, hit.clue);
    else if (hit.area == ClueHit::Area::Column)
        ToggleColumnClue(state, surfaces, hit.line, hit.clue);
}

void PointAtClue(const PuzzleState& state, const BoardSurfaces& surfaces, const MouseArgs& args)
{
    const ClueHit hit = HitClue(state, FrameInPoints(state, surfaces.field), args.X, args.Y);
    surfaces.board.UseCustomPointer(hit.area != ClueHit::Area::None);
}

void ToggleRowClue(const PuzzleState& state, const BoardSurfaces& surfaces, int row, int clue)
{
    ToggleClue(state, surfaces, ClueHit::Area::Row, row, state.RowClueCount[row] - 1 - clue);
}

void ToggleColumnClue(const PuzzleState& state, const BoardSurfaces& surfaces, int column, int clue)
{
    ToggleClue(state, surfaces, ClueHit::Area::Column, column, state.ColClueCount[column] - 1 - clue);
}

}  // namespace grizzet
