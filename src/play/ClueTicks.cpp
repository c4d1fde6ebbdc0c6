#include "play/ClueTicks.h"

#include "board/Rounding.h"
#include "shell/Form1.h"

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

ClueHit HitClue(const PuzzleState& state, const FieldBox& field, float x, float y)
{
    const int c = state.CellSize;
    ClueHit hit;
    if (x < field.left && y >= field.top && y < field.top + field.height) {
        const int row = Nearest(y - field.top) / c;
        if (row >= 0 && row < state.PuzzleHeight) {
            const int k = Nearest(field.left - x) / c;
            const int clue = state.RowClueCount[row] - 1 - k;
            if (clue >= 0 && clue < state.RowClueCount[row])
                hit = {ClueHit::Area::Row, row, clue};
        }
    }
    if (y < field.top && x >= field.left && x < field.left + field.width) {
        const int column = Nearest(x - field.left) / c;
        if (column >= 0 && column < state.PuzzleWidth) {
            const int k = Nearest(field.top - y) / c;
            const int clue = state.ColClueCount[column] - 1 - k;
            if (clue >= 0 && clue < state.ColClueCount[column])
                hit = {ClueHit::Area::Column, column, clue};
        }
    }
    return hit;
}

void Form1::Picture1_MouseDown(const MouseArgs& args)
{
    if (args.Button != 1 && args.Button != 2)
        return;
    const ClueHit hit = HitClue(state, FieldOnBoard(*HetVeld), args.X, args.Y);
    if (hit.area == ClueHit::Area::Row)
        ToggleRowClue(hit.line, hit.clue);
    else if (hit.area == ClueHit::Area::Column)
        ToggleColumnClue(hit.line, hit.clue);
}

void Form1::Picture1_MouseMove(const MouseArgs& args)
{
    const ClueHit hit = HitClue(state, FieldOnBoard(*HetVeld), args.X, args.Y);
    Picture1->UseCustomPointer(hit.area != ClueHit::Area::None);
}

void Form1::ToggleRowClue(int row, int clue)
{
    const float p = CellInPixels(state.CellSize);
    const float l = HetVeld->Left(ScaleUnit::Pixel);
    const float t = HetVeld->Top(ScaleUnit::Pixel);
    const int n = state.RowClueCount[row];
    ToggleBox(*Picture1, Nearest(l - static_cast<float>(n - clue) * p), Nearest(l - static_cast<float>(n - clue - 1) * p),
              Nearest(static_cast<float>(row) * p + t), Nearest(static_cast<float>(row + 1) * p + t));
}

void Form1::ToggleColumnClue(int column, int clue)
{
    const float p = CellInPixels(state.CellSize);
    const float l = HetVeld->Left(ScaleUnit::Pixel);
    const float t = HetVeld->Top(ScaleUnit::Pixel);
    const int n = state.ColClueCount[column];
    ToggleBox(*Picture1, Nearest(static_cast<float>(column) * p + l), Nearest(static_cast<float>(column + 1) * p + l),
              Nearest(t - static_cast<float>(n - clue) * p), Nearest(t - static_cast<float>(n - clue - 1) * p));
}

}  // namespace grizzet
