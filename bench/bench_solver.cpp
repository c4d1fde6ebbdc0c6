// Times the solver on the hardest bundled puzzle (the one needing the most
// line solves) and on a 50x50 picture of random noise in all eight colours.
// Usage: bench_solver [RUNS] [PUZZLE_FOLDER]
#include "model/Clues.h"
#include "model/LoadPuzzle.h"
#include "platform/Files.h"
#include "solver/Solver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace grizzet;

namespace {

class FileSteps final : public LoadSteps {
public:
    bool FindFile(const std::string& path) override { return IsOrdinaryFile(path); }
    std::unique_ptr<ByteSource> OpenFile(const std::string& path) override { return OpenForReading(path); }
};

struct Case {
    std::string name;
    PuzzleClues clues;
};

struct Timing {
    std::string name;
    int width = 0;
    int height = 0;
    std::string verdict;
    long lineSolves = 0;
    double median = 0;
    double min = 0;
    double max = 0;
};

Timing Time(const Case& c, int runs)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> ms;
    SolveReport report;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        report = SolvePuzzle(c.clues);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    Timing t;
    t.name = c.name;
    t.width = c.clues.width;
    t.height = c.clues.height;
    t.verdict = VerdictName(report.verdict);
    t.lineSolves = report.lineSolves;
    t.median = ms.size() % 2 == 1 ? ms[ms.size() / 2] : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
    t.min = ms.front();
    t.max = ms.back();
    return t;
}

// The bundled puzzle whose solution takes the most line solves.
bool HardestBundled(const std::string& folder, Case& hardest)
{
    long most = -1;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".pbm" && ext != ".ppm")
            continue;
        PuzzleState state;
        FileSteps steps;
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

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const std::string folder = argc > 2 ? argv[2] : GRIZZET_PUZZLE_DIR;

    std::vector<Case> cases;
    Case hardest;
    if (HardestBundled(folder, hardest))
        cases.push_back(hardest);
    else
        std::fprintf(stderr, "no puzzles found in %s\n", folder.c_str());
    cases.push_back(RandomPicture());

    std::vector<Timing> timings;
    for (const Case& c : cases)
        timings.push_back(Time(c, runs));

    std::printf("%-28s %7s %-16s %11s %10s %10s %10s\n", "case", "size", "result", "line solves",
                "median ms", "min ms", "max ms");
    for (const Timing& t : timings)
        std::printf("%-28s %3dx%-3d %-16s %11ld %10.3f %10.3f %10.3f\n", t.name.c_str(), t.width, t.height,
                    t.verdict.c_str(), t.lineSolves, t.median, t.min, t.max);

    std::printf("{\"bench\":\"solver\",\"runs\":%d,\"cases\":[", runs);
    for (std::size_t i = 0; i < timings.size(); ++i) {
        const Timing& t = timings[i];
        std::printf("%s{\"name\":\"%s\",\"width\":%d,\"height\":%d,\"result\":\"%s\",\"lineSolves\":%ld,"
                    "\"medianMs\":%.3f,\"minMs\":%.3f,\"maxMs\":%.3f}",
                    i == 0 ? "" : ",", t.name.c_str(), t.width, t.height, t.verdict.c_str(), t.lineSolves,
                    t.median, t.min, t.max);
    }
    std::printf("]}\n");
    return 0;
}
