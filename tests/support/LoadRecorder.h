// A load that runs on files held in memory and records every step it asks
// of the world around it, and an old puzzle to see what a load leaves alone.
#pragma once

#include "model/LoadPuzzle.h"

#include <QStringList>

#include <algorithm>
#include <map>

namespace grizzet::test {

// "invalid-file", "too-wide", "too-high", "colours", "open-error".
inline QStringList CaseNames(const std::vector<LoadMessage>& messages)
{
    static const char* const names[] = {"invalid-file", "too-wide", "too-high", "colours", "open-error"};
    QStringList list;
    for (const LoadMessage& message : messages)
        list << names[static_cast<int>(message.kind)];
    return list;
}

class RecordingSteps : public LoadSteps {
    // A file in memory that notes when it is closed.
    struct Source final : ByteSource {
        Source(const std::string& bytes, QStringList& calls) : bytes(bytes), calls(calls) {}
        ~Source() override { calls << "CloseFile"; }
        int Next() override { return bytes.Next(); }
        MemorySource bytes;
        QStringList& calls;
    };

public:
    explicit RecordingSteps(PuzzleState& state) : state_(state) {}

    std::map<std::string, std::string> files;  // path -> bytes
    bool failFind = false;
    bool failOpen = false;
    bool failLayout = false;
    std::string* recentList = nullptr;  // AddRecent overwrites it, as the shell's list does

    QStringList calls;  // "BeginLoad", "ShowMessage colours", ...
    std::vector<LoadMessage> messages;
    int maxRowCluesAtAddRecent = -1;  // to see when the clues were derived
    int maxRowCluesAtLayout = -1;

    bool FindFile(const std::string& path) override
    {
        calls << "FindFile";
        if (failFind)
            throw RunTimeFailure("lookup failed");
        return files.count(path) != 0;
    }
    std::unique_ptr<ByteSource> OpenFile(const std::string& path) override
    {
        calls << "OpenFile";
        if (failOpen)
            throw RunTimeFailure("open failed");
        return std::make_unique<Source>(files.at(path), calls);
    }
    void BeginLoad() override { calls << "BeginLoad"; }
    void ShowMessage(const LoadMessage& message) override
    {
        messages.push_back(message);
        calls << "ShowMessage " + CaseNames({message})[0];
    }
    void SetChooserSwatches(int swatches) override { calls << QString("SetChooserSwatches %1").arg(swatches); }
    void SetCaption(const std::string& caption) override { calls << "SetCaption " + QString::fromStdString(caption); }
    void AddRecent(const std::string& path) override
    {
        calls << "AddRecent " + QString::fromStdString(path);
        maxRowCluesAtAddRecent = state_.MaxRowClues;
        if (recentList != nullptr)
            *recentList = "overwritten";
    }
    void LayoutBoard() override
    {
        calls << "LayoutBoard";
        maxRowCluesAtLayout = state_.MaxRowClues;
        if (failLayout)
            throw std::logic_error("layout failed");
    }
    void EndLoad() override { calls << "EndLoad"; }

private:
    PuzzleState& state_;
};

// Marks no load would leave: 7 by 9, named "old", solved, every table full.
inline void MarkOldPuzzle(PuzzleState& state)
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

// True when the clue tables still hold those marks.
inline bool OldCluesIntact(const PuzzleState& state)
{
    const auto all = [](const auto& cells, int value) {
        return std::all_of(cells.begin(), cells.end(), [value](int cell) { return cell == value; });
    };
    return all(state.RowClueLength.cells, 44) && all(state.ColClueLength.cells, 45)
        && all(state.RowClueColour.cells, 6) && all(state.ColClueColour.cells, 7)
        && all(state.RowClueCount, 33) && all(state.ColClueCount, 34) && state.MaxRowClues == 77
        && state.MaxColClues == 78;
}

}  // namespace grizzet::test
