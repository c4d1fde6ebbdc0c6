// A load that runs on files held in memory and records every step it asks
// of the world around it, and an old puzzle to see what a load leaves alone.
#pragma once

#include "model/LoadPuzzle.h"

#include <QStringList>

#include <map>
#include <string>
#include <vector>

namespace grizzet::test {

class RecordingSteps : public LoadSteps {
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

    bool FindFile(const std::string& path) override;
    std::unique_ptr<ByteSource> OpenFile(const std::string& path) override;
    void BeginLoad() override { calls << "BeginLoad"; }
    void ShowMessage(const LoadMessage& message) override;
    void SetChooserSwatches(int swatches) override { calls << QString("SetChooserSwatches %1").arg(swatches); }
    void SetCaption(const std::string& caption) override { calls << "SetCaption " + QString::fromStdString(caption); }
    void AddRecent(const std::string& path) override;
    void LayoutBoard() override;
    void EndLoad() override { calls << "EndLoad"; }

private:
    PuzzleState& state_;
};

// "invalid-file", "too-wide", "too-high", "colours", "open-error".
QString CaseName(LoadCase kind);
QStringList CaseNames(const std::vector<LoadMessage>& messages);

// Fills the state with marks no load would leave: 7 by 9, named "old",
// solved, every clue table full.
void MarkOldPuzzle(PuzzleState& state);
// True when the clue tables still hold those marks.
bool OldCluesIntact(const PuzzleState& state);

}  // namespace grizzet::test
