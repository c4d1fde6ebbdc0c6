#include "checker/SolveJson.h"

#include "checker/Json.h"
#include "solver/Solver.h"

#include <chrono>
#include <cstdio>
#include <vector>

namespace grizzet {

namespace {

bool SamePicture(const PuzzleState& state, const Grid& grid)
{
    for (int y = 0; y < state.PuzzleHeight; ++y)
        for (int x = 0; x < state.PuzzleWidth; ++x)
            if (grid(x, y) != state.Solution(x, y))
                return false;
    return true;
}

}  // namespace

std::string DescribeSolve(const PuzzleState& state)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const SolveReport report = SolvePuzzle(CluesOf(state));
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    char number[32];
    std::snprintf(number, sizeof number, "%.3f", ms);
    JsonObject json;
    json.String("result", VerdictName(report.verdict)).Value("ms", number);
    if (report.verdict == Verdict::Multiple) {
        // Of the two solutions found, show one the author did not draw.
        const Grid& other = SamePicture(state, report.first) ? report.second : report.first;
        json.Value("other", JsonRows(other, state.PuzzleWidth, state.PuzzleHeight));
    }
    return json.Text();
}

}  // namespace grizzet
