// Opening a picture: the checks, the decoding and the hand-overs, in the
// order the player sees them.
#include "model/LoadPuzzle.h"

#include "model/Clues.h"
#include "model/LoadMessages.h"
#include "model/Raster.h"

namespace grizzet {
namespace {

constexpr std::int16_t Limit = MaxSide;

// A reading that ended in nothing is a run-time failure: the load ends in the
// open-error message.
void Must(bool read)
{
    if (!read)
        throw RunTimeFailure("the picture cannot be read");
}

std::int16_t NumberOf(NetpbmTokens& tokens)
{
    const std::optional<std::int16_t> number = ReadNumber(tokens);
    Must(number.has_value());
    return *number;
}

// Width and height; false when a message refused them.
bool ReadSize(PuzzleState& state, NetpbmTokens& tokens, LoadSteps& steps)
{
    const std::int16_t width = NumberOf(tokens);
    const std::int16_t height = NumberOf(tokens);
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
    NetpbmTokens tokens(*file);
    const int first = tokens.NextByte();
    const int second = first == ByteSource::End ? ByteSource::End : tokens.NextByte();
    Must(!tokens.Unreadable());
    const bool magicP = first == 'P';

    if (magicP && (second == '6' || second == '3')) {
        if (!ReadSize(state, tokens, steps))
            return false;
        const float threshold = static_cast<float>(NumberOf(tokens)) / 2;
        if (threshold > 0.5f)
            steps.ShowMessage(ColoursMessage(state.Language));
        steps.SetChooserSwatches(9);
        Must(DecodePpm(state, tokens, second == '3', threshold));
    } else if (magicP && (second == '4' || second == '1')) {
        if (!ReadSize(state, tokens, steps))
            return false;
        steps.SetChooserSwatches(3);
        Must(DecodePbm(state, tokens, second == '1'));
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
