#include "model/ClueHit.h"

#include "model/Rounding.h"

namespace grizzet {

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

}  // namespace grizzet
