// Opening a picture: the checks, the decoding and the hand-overs, in the
// order the player sees them.
#include "model/LoadPuzzle.h"

#include "model/Clues.h"
#include "model/LoadMessages.h"
#include "model/Raster.h"

namespace grizzet {
namespace {

constexpr std::int16_t Limit = MaxSide;

// Width and height; false when a message refused them.
bool ReadSize(PuzzleState& state, ByteSource& file, LoadSteps& steps)
{
    const std::int16_t width = ReadNumber(file);
    const std::int16_t height = ReadNumber(file);
    if (width > Limit) {
        steps.ShowMessage(TooWideMessage(state.Language, width));
        return false;
    }
    if (height > Limit) {
        steps.ShowMessage(TooHighMessage(state.Language, height));
        return false;
    }
    state.PuzzleWidth = width;
    state.PuzzleHeight = height;
    return true;
}

// Everything between finding the file and handing the picture on. The file
// is closed (reset) before the caption changes. False after a message.
bool ReadPicture(PuzzleState& state, const std::string& path, LoadSteps& steps,
                 std::unique_ptr<ByteSource>& file)
{
    steps.BeginLoad();
    state.PuzzleSolved = 0;
    state.Solution.Fill(White);

    file = steps.OpenFile(path);
    const int first = file->Next();
    const int second = first == ByteSource::End ? ByteSource::End : file->Next();
    const bool magicP = first == 'P';

    if (magicP && (second == '6' || second == '3')) {
        if (!ReadSize(state, *file, steps))
            return false;
        const float threshold = static_cast<float>(ReadNumber(*file)) / 2;
        if (threshold > 0.5f)
            steps.ShowMessage(ColoursMessage(state.Language));
        steps.SetChooserSwatches(9);
        DecodePpm(state, *file, second == '3', threshold);
    } else if (magicP && (second == '4' || second == '1')) {
        if (!ReadSize(state, *file, steps))
            return false;
        steps.SetChooserSwatches(3);
        DecodePbm(state, *file, second == '1');
    } else {
        steps.ShowMessage(InvalidFileMessage(state.Language, path));
        return false;
    }

    file.reset();
    state.PuzzleName = PuzzleNameOf(path);
    steps.SetCaption(state.PuzzleName + " - Vindro Grizzet");
    steps.AddRecent(path);
    DeriveClues(state);
    steps.LayoutBoard();
    return true;
}

}  // namespace

bool LoadPuzzle(PuzzleState& state, const std::string& path, LoadSteps& steps)
{
    // A copy: the path may be an entry of the recent list that AddRecent rewrites.
    const std::string ownPath = path;
    std::unique_ptr<ByteSource> file;
    bool loaded = false;
    bool failed = false;
    try {
        if (!ownPath.empty() && steps.FindFile(ownPath))
            loaded = ReadPicture(state, ownPath, steps, file);
    } catch (...) {
        // Whatever went wrong, from the lookup to the board layout, ends in
        // one message after the closing steps.
        failed = true;
    }
    file.reset();
    steps.EndLoad();
    if (failed)
        steps.ShowMessage(OpenErrorMessage(state.Language, ownPath));
    return loaded && !failed;
}

std::string PuzzleNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

}  // namespace grizzet
