// Shared by the model tests: a load that runs on files held in memory and
// records every step it asks of the world around it.
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

    QStringList calls;                 // "BeginLoad", "ShowMessage colours", ...
    std::vector<LoadMessage> messages;
    int maxRowCluesAtAddRecent = -1;   // to see when the clues were derived
    int maxRowCluesAtLayout = -1;
    std::string* recentList = nullptr;  // AddRecent overwrites it, as the shell's list does

    bool FindFile(const std::string& path) override;
    std::unique_ptr<ByteSource> OpenFile(const std::string& path) override;
    void BeginLoad() override { calls << "BeginLoad"; }
    void ShowMessage(const LoadMessage& message) override;
    void SetChooserSwatches(int swatches) override;
    void SetCaption(const std::string& caption) override;
    void AddRecent(const std::string& path) override;
    void LayoutBoard() override;
    void EndLoad() override { calls << "EndLoad"; }

private:
    PuzzleState& state_;
};

QString CaseName(LoadCase kind);

// The picture's rows as strings of colour numbers.
QStringList Rows(const PuzzleState& state, int width, int height);

// Fills the clue tables and the picture with marks no load would leave.
void MarkOldPuzzle(PuzzleState& state);
// True when the clue tables still hold those marks.
bool OldCluesIntact(const PuzzleState& state);

}  // namespace grizzet::test
