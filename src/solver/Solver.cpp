#include "solver/Solver.h"

#include <bitset>
#include <chrono>
#include <vector>

namespace grizzet {

namespace {

int Popcount(ColourSet set) { return static_cast<int>(std::bitset<8>(set).count()); }

int LowestColour(ColourSet set)
{
    int c = 0;
    while (((set >> c) & 1) == 0)
        ++c;
    return c;
}

std::size_t At(int x, int y) { return static_cast<std::size_t>(x + MaxSide * y); }

class Engine {
public:
    Engine(const PuzzleClues& clues, const SolveLimits& limits) : clues_(clues), limits_(limits) {}

    long LineSolves() const { return lineSolves_; }
    // Line logic to the first fixed point is never cut short; only probing
    // and search look at the budget.
    bool OutOfBudget()
    {
        if (outOfBudget_)
            return true;
        if (lineSolves_ > limits_.maxLineSolves)
            outOfBudget_ = true;
        else if (limits_.maxMilliseconds > 0 && lineSolves_ >= nextClockCheck_) {
            nextClockCheck_ = lineSolves_ + 64;
            const std::chrono::duration<double, std::milli> spent = Clock::now() - start_;
            outOfBudget_ = spent.count() > limits_.maxMilliseconds;
        }
        return outOfBudget_;
    }

    // Line logic to a fixed point, starting from the queued lines. Lines are
    // numbered rows first (0 .. height-1), then columns. Returns false on a
    // contradiction; cells is then in some narrowed, meaningless state.
    bool Propagate(CellSets& cells)
    {
        while (head_ != tail_) {
            const int line = queue_[head_];
            head_ = (head_ + 1) % QueueSize;
            queued_[static_cast<std::size_t>(line)] = false;
            if (!SolveOne(cells, line)) {
                ClearQueue();
                return false;
            }
        }
        return true;
    }

    void QueueAll()
    {
        for (int line = 0; line < clues_.height + clues_.width; ++line)
            Queue(line);
    }
    void QueueCell(int x, int y)
    {
        Queue(y);
        Queue(clues_.height + x);
    }

    bool Solved(const CellSets& cells) const
    {
        for (int y = 0; y < clues_.height; ++y)
            for (int x = 0; x < clues_.width; ++x)
                if (Popcount(cells[At(x, y)]) != 1)
                    return false;
        return true;
    }

    // Tries every remaining colour of every open cell; a colour that leads to
    // a contradiction is struck. Repeats until nothing more is struck.
    // Returns false when the state itself is contradictory.
    bool Probe(CellSets& cells)
    {
        bool struck = true;
        while (struck) {
            struck = false;
            for (int y = 0; y < clues_.height; ++y) {
                for (int x = 0; x < clues_.width; ++x) {
                    const ColourSet open = cells[At(x, y)];
                    if (Popcount(open) < 2 || DecidedNeighbours(cells, x, y) == 0)
                        continue;
                    for (int c = 0; c < 8; ++c) {
                        if (((open >> c) & 1) == 0 || ((cells[At(x, y)] >> c) & 1) == 0)
                            continue;
                        if (OutOfBudget())
                            return true;
                        CellSets trial = cells;
                        trial[At(x, y)] = OneColour(c);
                        QueueCell(x, y);
                        if (Propagate(trial))
                            continue;
                        cells[At(x, y)] &= static_cast<ColourSet>(~OneColour(c));
                        QueueCell(x, y);
                        if (!Propagate(cells))
                            return false;
                        struck = true;
                    }
                }
            }
        }
        return true;
    }

    // The open cell to branch on: fewest colours left, then the most decided
    // neighbours, which tends to cut the search short.
    int PickCell(const CellSets& cells) const
    {
        int best = -1;
        int bestScore = -1;
        for (int y = 0; y < clues_.height; ++y) {
            for (int x = 0; x < clues_.width; ++x) {
                const int open = Popcount(cells[At(x, y)]);
                if (open < 2)
                    continue;
                const int score = (8 - open) * 8 + DecidedNeighbours(cells, x, y);
                if (score > bestScore) {
                    bestScore = score;
                    best = static_cast<int>(At(x, y));
                }
            }
        }
        return best;
    }

private:
    // Decided cells and picture edges around (x, y): probing and branching
    // there meet the most constraints.
    int DecidedNeighbours(const CellSets& cells, int x, int y) const
    {
        int decided = 0;
        if (x == 0 || Popcount(cells[At(x - 1, y)]) == 1) ++decided;
        if (y == 0 || Popcount(cells[At(x, y - 1)]) == 1) ++decided;
        if (x + 1 == clues_.width || Popcount(cells[At(x + 1, y)]) == 1) ++decided;
        if (y + 1 == clues_.height || Popcount(cells[At(x, y + 1)]) == 1) ++decided;
        return decided;
    }

    static constexpr int QueueSize = 2 * MaxSide + 1;

    void Queue(int line)
    {
        if (queued_[static_cast<std::size_t>(line)])
            return;
        queued_[static_cast<std::size_t>(line)] = true;
        queue_[tail_] = line;
        tail_ = (tail_ + 1) % QueueSize;
    }
    void ClearQueue()
    {
        head_ = tail_ = 0;
        queued_.fill(false);
    }

    bool SolveOne(CellSets& cells, int line)
    {
        ++lineSolves_;
        const bool isRow = line < clues_.height;
        const int index = isRow ? line : line - clues_.height;
        const LineClues& lc = isRow ? clues_.rows[static_cast<std::size_t>(index)]
                                    : clues_.cols[static_cast<std::size_t>(index)];
        const int length = isRow ? clues_.width : clues_.height;
        std::array<ColourSet, MaxLine> buf{};
        for (int i = 0; i < length; ++i)
            buf[static_cast<std::size_t>(i)] = cells[isRow ? At(i, index) : At(index, i)];
        if (!SolveLine(lc.runs.data(), lc.count, length, buf.data()))
            return false;
        for (int i = 0; i < length; ++i) {
            ColourSet& cell = cells[isRow ? At(i, index) : At(index, i)];
            const ColourSet now = buf[static_cast<std::size_t>(i)];
            if (now == cell)
                continue;
            if (now == 0)
                return false;
            cell = now;
            Queue(isRow ? clues_.height + i : i);
        }
        return true;
    }

    using Clock = std::chrono::steady_clock;

    const PuzzleClues& clues_;
    const SolveLimits& limits_;
    const Clock::time_point start_ = Clock::now();
    long lineSolves_ = 0;
    long nextClockCheck_ = 0;
    bool outOfBudget_ = false;
    std::array<int, QueueSize> queue_{};
    std::array<bool, 2 * MaxSide> queued_{};
    int head_ = 0;
    int tail_ = 0;
};

Grid PictureOf(const CellSets& cells, const PuzzleClues& clues)
{
    Grid picture;
    picture.Fill(White);
    for (int y = 0; y < clues.height; ++y)
        for (int x = 0; x < clues.width; ++x)
            picture(x, y) = static_cast<std::uint8_t>(LowestColour(cells[At(x, y)]));
    return picture;
}

}  // namespace

PuzzleClues CluesOf(const PuzzleState& state)
{
    PuzzleClues clues;
    clues.width = state.PuzzleWidth;
    clues.height = state.PuzzleHeight;
    auto copy = [](const ClueTable& length, const ClueTable& colour,
                   const std::array<std::uint8_t, MaxSide>& count, int lines,
                   std::array<LineClues, MaxSide>& out) {
        for (int line = 0; line < lines && line < MaxSide; ++line) {
            LineClues& lc = out[static_cast<std::size_t>(line)];
            lc.count = count[static_cast<std::size_t>(line)];
            for (int k = 0; k < lc.count && k < MaxLine; ++k)
                lc.runs[static_cast<std::size_t>(k)] = Run{colour(line, k), length(line, k)};
        }
    };
    copy(state.RowClueLength, state.RowClueColour, state.RowClueCount, clues.height, clues.rows);
    copy(state.ColClueLength, state.ColClueColour, state.ColClueCount, clues.width, clues.cols);
    return clues;
}

const char* VerdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::UniqueByLines: return "unique-by-lines";
    case Verdict::Unique: return "unique";
    case Verdict::Multiple: return "multiple";
    case Verdict::None: return "none";
    case Verdict::Unknown: break;
    }
    return "unknown";
}

SolveReport SolvePuzzle(const PuzzleClues& clues, const SolveLimits& limits)
{
    SolveReport report;
    if (clues.width < 1 || clues.width > MaxSide || clues.height < 1 || clues.height > MaxSide) {
        report.verdict = Verdict::None;
        return report;
    }
    Engine engine(clues, limits);
    CellSets cells;
    cells.fill(AllColours);
    engine.QueueAll();
    const bool consistent = engine.Propagate(cells);
    report.byLines = cells;
    for (int y = 0; y < clues.height; ++y)
        for (int x = 0; x < clues.width; ++x)
            if (Popcount(cells[At(x, y)]) != 1)
                ++report.undecidedByLines;
    report.lineSolves = engine.LineSolves();
    if (!consistent) {
        report.contradictedByLines = true;
        report.verdict = Verdict::None;
        return report;
    }
    if (engine.Solved(cells)) {
        report.verdict = Verdict::UniqueByLines;
        report.first = PictureOf(cells, clues);
        report.solutionsFound = 1;
        return report;
    }

    // Depth-first search for up to two solutions, probing at every node.
    auto found = [&](const CellSets& solved) {
        (report.solutionsFound == 0 ? report.first : report.second) = PictureOf(solved, clues);
        ++report.solutionsFound;
    };
    struct Frame {
        CellSets cells;
        int cell;
        ColourSet left;
    };
    std::vector<Frame> stack;
    auto enter = [&](const CellSets& state) {
        if (engine.Solved(state)) {
            found(state);
            return;
        }
        const int cell = engine.PickCell(state);
        stack.push_back(Frame{state, cell, state[static_cast<std::size_t>(cell)]});
    };

    bool exhausted = false;
    if (engine.Probe(cells))
        enter(cells);
    while (!stack.empty() && report.solutionsFound < 2) {
        if (engine.OutOfBudget()) {
            exhausted = true;
            break;
        }
        Frame& top = stack.back();
        if (top.left == 0) {
            stack.pop_back();
            continue;
        }
        const int colour = LowestColour(top.left);
        top.left &= static_cast<ColourSet>(~OneColour(colour));
        CellSets child = top.cells;
        const int cell = top.cell;
        child[static_cast<std::size_t>(cell)] = OneColour(colour);
        engine.QueueCell(cell % MaxSide, cell / MaxSide);
        if (engine.Propagate(child) && engine.Probe(child))
            enter(child);
    }

    report.lineSolves = engine.LineSolves();
    if (report.solutionsFound >= 2)
        report.verdict = Verdict::Multiple;
    else if (exhausted)
        report.verdict = Verdict::Unknown;
    else
        report.verdict = report.solutionsFound == 1 ? Verdict::Unique : Verdict::None;
    return report;
}

}  // namespace grizzet
