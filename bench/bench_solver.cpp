// Times the solver on the hardest bundled puzzle (the one needing the most
// line solves) and on a 50x50 picture of random noise in all eight colours.
// Usage: bench_solver [RUNS] [PUZZLE_FOLDER]
#include "SolverTiming.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace grizzet::bench;

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const std::string folder = argc > 2 ? argv[2] : GRIZZET_PUZZLE_DIR;

    const std::vector<SolverTiming> timings = TimeSolverCases(folder, runs);

    std::printf("%-28s %7s %-16s %11s %10s %10s %10s\n", "case", "size", "result", "line solves",
                "median ms", "min ms", "max ms");
    for (const SolverTiming& t : timings)
        std::printf("%-28s %3dx%-3d %-16s %11ld %10.3f %10.3f %10.3f\n", t.name.c_str(), t.width, t.height,
                    t.verdict.c_str(), t.lineSolves, t.ms.median, t.ms.min, t.ms.max);

    std::printf("{\"bench\":\"solver\",\"runs\":%d,\"cases\":[", runs);
    for (std::size_t i = 0; i < timings.size(); ++i) {
        const SolverTiming& t = timings[i];
        std::printf("%s{\"name\":\"%s\",\"width\":%d,\"height\":%d,\"result\":\"%s\",\"lineSolves\":%ld,"
                    "\"medianMs\":%.3f,\"minMs\":%.3f,\"maxMs\":%.3f}",
                    i == 0 ? "" : ",", t.name.c_str(), t.width, t.height, t.verdict.c_str(), t.lineSolves,
                    t.ms.median, t.ms.min, t.ms.max);
    }
    std::printf("]}\n");
    return 0;
}
