// Fuzz target: the Netpbm reader on raw bytes, with its invariants.
#include "model/LoadPuzzle.h"

#include <cstdlib>
#include <vector>

namespace {

using namespace grizzet;

// A load from memory that records what the window would have been asked.
struct MemorySteps : LoadSteps {
    const std::uint8_t* data;
    std::size_t size;
    int swatches = 0;
    std::vector<LoadCase> messages;

    MemorySteps(const std::uint8_t* d, std::size_t n) : data(d), size(n) {}
    bool FindFile(const std::string&) override { return true; }
    std::unique_ptr<ByteSource> OpenFile(const std::string&) override
    {
        return std::make_unique<MemorySource>(data, size);
    }
    void ShowMessage(const LoadMessage& message) override { messages.push_back(message.kind); }
    void SetChooserSwatches(int count) override { swatches = count; }
};

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckLoaded(const PuzzleState& state, int swatches)
{
    Require(state.PuzzleWidth >= 1 && state.PuzzleWidth <= MaxSide);
    Require(state.PuzzleHeight >= 1 && state.PuzzleHeight <= MaxSide);
    Require(swatches == 3 || swatches == 9);
    const int highest = swatches == 3 ? White : Cyan;
    for (int y = 0; y < MaxSide; ++y)
        for (int x = 0; x < MaxSide; ++x) {
            const bool inside = x < state.PuzzleWidth && y < state.PuzzleHeight;
            Require(state.Solution(x, y) <= highest);
            Require(inside || state.Solution(x, y) == White);
        }
    Require(state.MaxRowClues >= 1 && state.MaxRowClues <= state.PuzzleWidth);
    Require(state.MaxColClues >= 1 && state.MaxColClues <= state.PuzzleHeight);
    for (int y = 0; y < state.PuzzleHeight; ++y) {
        Require(state.RowClueCount[y] <= state.PuzzleWidth);
        int cells = 0;
        for (int k = 0; k < state.RowClueCount[y]; ++k)
            cells += state.RowClueLength(y, k);
        Require(cells <= state.PuzzleWidth);
    }
    for (int x = 0; x < state.PuzzleWidth; ++x)
        Require(state.ColClueCount[x] <= state.PuzzleHeight);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PuzzleState first;
    MemorySteps firstSteps(data, size);
    const bool loaded = LoadPuzzle(first, "fuzz.ppm", firstSteps);
    if (loaded)
        CheckLoaded(first, firstSteps.swatches);

    // The same bytes always give the same outcome.
    PuzzleState second;
    MemorySteps secondSteps(data, size);
    Require(LoadPuzzle(second, "fuzz.ppm", secondSteps) == loaded);
    Require(secondSteps.messages == firstSteps.messages);
    Require(second.Solution.cells == first.Solution.cells);
    Require(second.PuzzleWidth == first.PuzzleWidth && second.PuzzleHeight == first.PuzzleHeight);
    return 0;
}
