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

FieldBox FieldOnBoard(const Surface& field)
{
    return {field.Left(ScaleUnit::Point), field.Top(ScaleUnit::Point), field.Width(ScaleUnit::Point),
            field.Height(ScaleUnit::Point)};
}

// One cell's edge in the board's pixels, not rounded.
float CellInPixels(int cellSize) { return static_cast<float>(cellSize * PixelsPerUnit(ScaleUnit::Point)); }

}  // namespace

void TickClueAt(const PuzzleState& state, const BoardSurfaces& surfaces, const MouseArgs& args)
{
    if (args.Button != 1 && args.Button != 2)
        return;
    const ClueHit hit = HitClue(state, FieldOnBoard(surfaces.field), args.X, args.Y);
    if (hit.area == ClueHit::Area::Row)
        ToggleRowClue(state, surfaces, hit.line, hit.clue);
    else if (hit.area == ClueHit::Area::Column)
        ToggleColumnClue(state, surfaces, hit.line, hit.clue);
}

void PointAtClue(const PuzzleState& state, const BoardSurfaces& surfaces, const MouseArgs& args)
{
    const ClueHit hit = HitClue(state, FieldOnBoard(surfaces.field), args.X, args.Y);
    surfaces.board.UseCustomPointer(hit.area != ClueHit::Area::None);
}

void ToggleRowClue(const PuzzleState& state, const BoardSurfaces& surfaces, int row, int clue)
{
    const float p = CellInPixels(state.CellSize);
    const float l = surfaces.field.Left(ScaleUnit::Pixel);
    const float t = surfaces.field.Top(ScaleUnit::Pixel);
    const int n = state.RowClueCount[row];
    ToggleBox(surfaces.board, Nearest(l - static_cast<float>(n - clue) * p), Nearest(l - static_cast<float>(n - clue - 1) * p),
              Nearest(static_cast<float>(row) * p + t), Nearest(static_cast<float>(row + 1) * p + t));
}

void ToggleColumnClue(const PuzzleState& state, const BoardSurfaces& surfaces, int column, int clue)
{
    const float p = CellInPixels(state.CellSize);
    const float l = surfaces.field.Left(ScaleUnit::Pixel);
    const float t = surfaces.field.Top(ScaleUnit::Pixel);
    const int n = state.ColClueCount[column];
    ToggleBox(surfaces.board, Nearest(static_cast<float>(column) * p + l), Nearest(static_cast<float>(column + 1) * p + l),
              Nearest(t - static_cast<float>(n - clue) * p), Nearest(t - static_cast<float>(n - clue - 1) * p));
}

}  // namespace grizzet
