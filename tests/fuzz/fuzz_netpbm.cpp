// Fuzz target: the Netpbm reader on any bytes. A load ends in exactly one
// critical message, or in a picture of 1 to 50 by 1 to 50 cells in the colours
// on offer whose clues cover its coloured cells; the same bytes, the same end.
#include "MemorySteps.h"

#include <cstdlib>

using namespace grizzet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PuzzleState s, again;
    MemorySteps steps(data, size), same(data, size);
    const bool loaded = LoadPuzzle(s, "fuzz.ppm", steps);
    bool good = LoadPuzzle(again, "fuzz.ppm", same) == loaded && again.Solution.cells == s.Solution.cells
             && steps.critical == (loaded ? 0 : 1) && same.critical == steps.critical;
    if (loaded) {
        good = good && s.PuzzleWidth >= 1 && s.PuzzleWidth <= MaxSide && s.PuzzleHeight >= 1 && s.PuzzleHeight <= MaxSide
            && s.MaxRowClues >= 1 && s.MaxRowClues <= s.PuzzleWidth && s.MaxColClues >= 1 && s.MaxColClues <= s.PuzzleHeight
            && (steps.swatches == 3 || steps.swatches == 9);
        for (int line = 0; line < MaxSide; ++line) {
            int rowCells = 0, columnCells = 0;
            for (int i = 0; i < MaxSide; ++i) {
                const int c = s.Solution(i, line);
                good = good && c <= (steps.swatches == 3 ? White : Cyan) && (c == White || (i < s.PuzzleWidth && line < s.PuzzleHeight));
                rowCells += c != White, columnCells += s.Solution(line, i) != White;
            }
            for (int k = 0; k < ClueSlots; ++k)
                rowCells -= s.RowClueLength(line, k), columnCells -= s.ColClueLength(line, k);
            good = good && rowCells == 0 && columnCells == 0 && s.RowClueCount[line] <= s.PuzzleWidth && s.ColClueCount[line] <= s.PuzzleHeight;
        }
    }
    if (!good)
        std::abort();
    return 0;
}
