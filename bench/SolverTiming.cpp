#include "SolverTiming.h"

#include "model/Clues.h"
#include "model/LoadPuzzle.h"
#include "model/FileSource.h"
#include "solver/Solver.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>

namespace grizzet::bench {

namespace {

struct Case {
    std::string name;
    PuzzleClues clues;
};

SolverTiming Time(const Case& c, int runs)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> ms;
    SolveReport report;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        report = SolvePuzzle(c.clues);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    SolverTiming t;
    t.name = c.name;
    t.width = c.clues.width;
    t.height = c.clues.height;
    t.verdict = VerdictName(report.verdict);
    t.lineSolves = report.lineSolves;
    t.ms = StatsOf(ms);
    return t;
}

bool HardestBundled(const std::string& folder, Case& hardest)
{
    long most = -1;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".pbm" && ext != ".ppm")
            continue;
        PuzzleState state;
        FileLoadSteps steps;
        if (!LoadPuzzle(state, entry.path().string(), steps))
            continue;
        const PuzzleClues clues = CluesOf(state);
        const long work = SolvePuzzle(clues).lineSolves;
        if (work > most) {
            most = work;
            hardest = Case{entry.path().filename().string(), clues};
        }
    }
    return most >= 0;
}

Case RandomPicture()
{
    std::mt19937 random(2024);
    PuzzleState state;
    state.PuzzleWidth = MaxSide;
    state.PuzzleHeight = MaxSide;
    state.Solution.Fill(White);
    for (int y = 0; y < MaxSide; ++y)
        for (int x = 0; x < MaxSide; ++x)
            state.Solution(x, y) = static_cast<std::uint8_t>(random() % ColourCount);
    DeriveClues(state);
    return Case{"random 50x50, 8 colours", CluesOf(state)};
}

}  // namespace

std::vector<SolverTiming> TimeSolverCases(const std::string& puzzleFolder, int runs)
{
    std::vector<Case> cases;
    Case hardest;
    if (HardestBundled(puzzleFolder, hardest))
        cases.push_back(hardest);
    else
        std::fprintf(stderr, "no puzzles found in %s\n", puzzleFolder.c_str());
    cases.push_back(RandomPicture());

    std::vector<SolverTiming> timings;
    for (const Case& c : cases)
        timings.push_back(Time(c, runs));
    return timings;
}

}  // namespace grizzet::bench
