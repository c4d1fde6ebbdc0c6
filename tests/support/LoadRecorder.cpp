#include "support/LoadRecorder.h"

#include <algorithm>

namespace grizzet::test {
namespace {

// A file in memory that notes when it is closed.
class RecordingSource final : public ByteSource {
public:
    RecordingSource(const std::string& bytes, QStringList& calls) : bytes_(bytes), calls_(calls) {}
    ~RecordingSource() override { calls_ << "CloseFile"; }
    int Next() override { return bytes_.Next(); }

private:
    MemorySource bytes_;
    QStringList& calls_;
};

}  // namespace

bool RecordingSteps::FindFile(const std::string& path)
{
    calls << "FindFile";
    if (failFind)
        throw RunTimeFailure("lookup failed");
    return files.count(path) != 0;
}

std::unique_ptr<ByteSource> RecordingSteps::OpenFile(const std::string& path)
{
    calls << "OpenFile";
    if (failOpen)
        throw RunTimeFailure("open failed");
    return std::make_unique<RecordingSource>(files.at(path), calls);
}

void RecordingSteps::ShowMessage(const LoadMessage& message)
{
    calls << "ShowMessage " + CaseName(message.kind);
    messages.push_back(message);
}

void RecordingSteps::AddRecent(const std::string& path)
{
    calls << "AddRecent " + QString::fromStdString(path);
    maxRowCluesAtAddRecent = state_.MaxRowClues;
    if (recentList != nullptr)
        *recentList = "overwritten";
}

void RecordingSteps::LayoutBoard()
{
    calls << "LayoutBoard";
    maxRowCluesAtLayout = state_.MaxRowClues;
    if (failLayout)
        throw std::logic_error("layout failed");
}

QString CaseName(LoadCase kind)
{
    static const char* const names[] = {"invalid-file", "too-wide", "too-high", "colours", "open-error"};
    return QString::fromLatin1(names[static_cast<int>(kind)]);
}

QStringList CaseNames(const std::vector<LoadMessage>& messages)
{
    QStringList names;
    for (const LoadMessage& message : messages)
        names << CaseName(message.kind);
    return names;
}

void MarkOldPuzzle(PuzzleState& state)
{
    state.PuzzleWidth = 7;
    state.PuzzleHeight = 9;
    state.PuzzleName = "old";
    state.PuzzleSolved = -1;
    state.Solution.Fill(5);
    state.PlayerGrid.Fill(3);
    state.RowClueLength.Fill(44);
    state.ColClueLength.Fill(45);
    state.RowClueColour.Fill(6);
    state.ColClueColour.Fill(7);
    state.RowClueCount.fill(33);
    state.ColClueCount.fill(34);
    state.MaxRowClues = 77;
    state.MaxColClues = 78;
}

bool OldCluesIntact(const PuzzleState& state)
{
    const auto all = [](const auto& cells, int value) {
        return std::all_of(cells.begin(), cells.end(), [value](int cell) { return cell == value; });
    };
    return all(state.RowClueLength.cells, 44) && all(state.ColClueLength.cells, 45)
        && all(state.RowClueColour.cells, 6) && all(state.ColClueColour.cells, 7)
        && all(state.RowClueCount, 33) && all(state.ColClueCount, 34)
        && state.MaxRowClues == 77 && state.MaxColClues == 78;
}

}  // namespace grizzet::test
