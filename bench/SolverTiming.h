// The solver's timings: the hardest bundled puzzle (the one needing the most
// line solves) and a 50x50 picture of random noise in all eight colours.
#pragma once

#include "Stats.h"

#include <string>
#include <vector>

namespace grizzet::bench {

struct SolverTiming {
    std::string name;
    int width = 0;
    int height = 0;
    std::string verdict;
    long lineSolves = 0;
    Stats ms;
};

// Times each case RUNS times; reports on stderr when the folder holds no puzzle.
std::vector<SolverTiming> TimeSolverCases(const std::string& puzzleFolder, int runs);

}  // namespace grizzet::bench
