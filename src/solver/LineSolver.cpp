#include "solver/LineSolver.h"

#include <array>
#include <cstring>

namespace grizzet {

namespace {

constexpr int Background = 1;
constexpr int Slots = MaxLine + 1;

// State flags of (run index j, position i).
constexpr std::uint8_t AfterGap = 1;  // cell i-1 is background, or i is the line's start
constexpr std::uint8_t AfterRun = 2;  // cell i-1 ends run j-1
// For the backward table the same bits mean: cell i is background or the
// line's end (AfterGap), cell i starts run j (AfterRun, read "run starts").

}  // namespace

bool SolveLine(const Run* runs, int runCount, int length, ColourSet* cells)
{
    const int n = length;
    const int k = runCount;
    if (n < 0 || n > MaxLine || k < 0 || k > MaxLine)
        return false;
    for (int j = 0; j < k; ++j)
        if (runs[j].length < 1 || runs[j].colour == Background || runs[j].colour >= 8)
            return false;

    // Runs packed to the left give each run's earliest start, packed to the
    // right its latest; only states between the two are ever reachable.
    std::array<int, Slots> earliest{};
    std::array<int, Slots> latest{};
    auto gapBefore = [&](int j) { return j > 0 && runs[j - 1].colour == runs[j].colour ? 1 : 0; };
    for (int j = 0, at = 0; j < k; ++j) {
        at += gapBefore(j);
        earliest[static_cast<std::size_t>(j)] = at;
        at += runs[j].length;
    }
    for (int j = k - 1, end = n; j >= 0; --j) {
        latest[static_cast<std::size_t>(j)] = end - runs[j].length;
        end = latest[static_cast<std::size_t>(j)] - gapBefore(j);
    }
    for (int j = 0; j < k; ++j)
        if (earliest[static_cast<std::size_t>(j)] > latest[static_cast<std::size_t>(j)])
            return false;

    // can[c]: bit i set when cell i may take colour c. starts[j]: bit s set
    // when run j fits over cells s .. s+L-1.
    std::array<std::uint64_t, 8> can{};
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < 8; ++c)
            if ((cells[i] >> c) & 1)
                can[static_cast<std::size_t>(c)] |= std::uint64_t{1} << i;
    std::array<std::uint64_t, Slots> starts{};
    for (int j = 0; j < k; ++j) {
        const std::uint64_t colour = can[runs[j].colour];
        std::uint64_t fitting = colour;
        for (int t = 1; t < runs[j].length; ++t)
            fitting &= colour >> t;
        starts[static_cast<std::size_t>(j)] = fitting;
    }
    auto fits = [&](int j, int start) { return ((starts[static_cast<std::size_t>(j)] >> start) & 1) != 0; };
    const std::uint64_t whites = can[Background];
    auto white = [&](int i) { return ((whites >> i) & 1) != 0; };
    // May run j begin right where run j-1 ended? Only if their colours differ.
    auto mayTouch = [&](int j) { return j > 0 && j < k && runs[j - 1].colour != runs[j].colour; };

    // Forward table F(j, i): the first i cells hold exactly runs 0 .. j-1.
    // Backward table B(j, i): cells i .. n-1 hold exactly runs j .. k-1.
    const int stride = n + 1;
    std::uint8_t forward[Slots * Slots];
    std::uint8_t backward[Slots * Slots];
    std::memset(forward, 0, static_cast<std::size_t>((k + 1) * stride));
    std::memset(backward, 0, static_cast<std::size_t>((k + 1) * stride));
    auto F = [&](int j, int i) -> std::uint8_t& { return forward[j * stride + i]; };
    auto B = [&](int j, int i) -> std::uint8_t& { return backward[j * stride + i]; };
    // Run indices j worth visiting at position i, lowest[i] .. highest[i]:
    // run j can still start at or after i, and runs 0 .. j-1 can be done by i.
    std::array<int, Slots> lowest{};
    std::array<int, Slots> highest{};
    for (int i = 0, lo = 0, hi = 0; i <= n; ++i) {
        while (lo < k && latest[static_cast<std::size_t>(lo)] < i)
            ++lo;
        while (hi < k && earliest[static_cast<std::size_t>(hi)] + runs[hi].length <= i)
            ++hi;
        lowest[static_cast<std::size_t>(i)] = lo;
        highest[static_cast<std::size_t>(i)] = hi;
    }

    F(0, 0) = AfterGap;
    for (int i = 0; i <= n; ++i) {
        const int hi = highest[static_cast<std::size_t>(i)];
        for (int j = lowest[static_cast<std::size_t>(i)]; j <= hi; ++j) {
            const std::uint8_t state = F(j, i);
            if (state == 0)
                continue;
            if (i < n && white(i))
                F(j, i + 1) |= AfterGap;
            if (j < k && (state & AfterGap || mayTouch(j)) && fits(j, i))
                F(j + 1, i + runs[j].length) |= AfterRun;
        }
    }
    if (F(k, n) == 0)
        return false;

    B(k, n) = AfterGap;
    for (int i = n - 1; i >= 0; --i) {
        const int hi = highest[static_cast<std::size_t>(i)];
        for (int j = lowest[static_cast<std::size_t>(i)]; j <= hi; ++j) {
            std::uint8_t state = 0;
            if (white(i) && B(j, i + 1) != 0)
                state |= AfterGap;
            if (j < k && fits(j, i)) {
                const std::uint8_t next = B(j + 1, i + runs[j].length);
                if (next & AfterGap || (next & AfterRun && mayTouch(j + 1)))
                    state |= AfterRun;
            }
            B(j, i) = state;
        }
    }

    // Every placement that both halves reach paints its cells.
    int cover[8][Slots + 1];
    std::memset(cover, 0, sizeof cover);
    std::array<ColourSet, MaxLine> result{};
    for (int i = 0; i < n; ++i) {
        if (!white(i))
            continue;
        const int hi = highest[static_cast<std::size_t>(i)];
        for (int j = lowest[static_cast<std::size_t>(i)]; j <= hi; ++j) {
            if (F(j, i) != 0 && B(j, i + 1) != 0) {
                result[static_cast<std::size_t>(i)] |= OneColour(Background);
                break;
            }
        }
    }
    for (int j = 0; j < k; ++j) {
        const int c = runs[j].colour;
        for (int s = earliest[static_cast<std::size_t>(j)]; s <= latest[static_cast<std::size_t>(j)]; ++s) {
            const std::uint8_t before = F(j, s);
            if (B(j, s) & AfterRun && (before & AfterGap || (before & AfterRun && mayTouch(j)))) {
                ++cover[c][s];
                --cover[c][s + runs[j].length];
            }
        }
    }
    for (int c = 0; c < 8; ++c) {
        int depth = 0;
        for (int i = 0; i < n; ++i) {
            depth += cover[c][i];
            if (depth > 0)
                result[static_cast<std::size_t>(i)] |= OneColour(c);
        }
    }
    for (int i = 0; i < n; ++i)
        cells[i] = result[static_cast<std::size_t>(i)];
    return true;
}

}  // namespace grizzet
