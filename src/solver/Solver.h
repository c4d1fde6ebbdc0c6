// Solving a puzzle from its clues alone: line logic to a fixed point, then
// probing and a bounded search that looks for a second solution.
#pragma once

#include "model/PuzzleState.h"
#include "solver/LineSolver.h"

#include <array>
#include <cstdint>

namespace grizzet {

struct LineClues {
    int count = 0;
    std::array<Run, MaxLine> runs{};
};

// The clues of one puzzle, rows and columns, in reading order.
struct PuzzleClues {
    int width = 0;
    int height = 0;
    std::array<LineClues, MaxSide> rows{};
    std::array<LineClues, MaxSide> cols{};
};

// Reads the clue tables, counts and size of the state; never its picture.
PuzzleClues CluesOf(const PuzzleState& state);

// Colours still possible in every cell, element (x, y) at x + 50 * y.
using CellSets = std::array<ColourSet, MaxSide * MaxSide>;

enum class Verdict {
    UniqueByLines,  // line logic alone decides every cell
    Unique,         // one solution, but only probing or search finds it
    Multiple,       // at least two solutions
    None,           // the clues contradict each other
    Unknown,        // the budget ran out before uniqueness was decided
};

// "unique-by-lines", "unique", "multiple", "none", "unknown".
const char* VerdictName(Verdict verdict);

// The search always ends: when either limit is reached the verdict is Unknown,
// unless two solutions were found by then. Line logic alone never runs out.
struct SolveLimits {
    long maxLineSolves = 200000;   // a few microseconds each on a 50-cell line
    double maxMilliseconds = 400;  // wall clock, 0 for no limit
};

struct SolveReport {
    Verdict verdict = Verdict::Unknown;
    Grid first{};        // a solution (all but None and, mostly, Unknown)
    Grid second{};       // another solution, for Multiple
    int solutionsFound = 0;
    CellSets byLines{};  // what line logic alone leaves possible
    int undecidedByLines = 0;
    bool contradictedByLines = false;  // byLines is then meaningless
    long lineSolves = 0;
};

SolveReport SolvePuzzle(const PuzzleClues& clues, const SolveLimits& limits = {});

}  // namespace grizzet
