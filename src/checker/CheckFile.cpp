// Loading one file as the game does, without a window.
#include "checker/CheckFile.h"

#include "checker/Hints.h"

#include "model/FileSource.h"

namespace grizzet {
namespace {

// The game's file steps; messages and the chooser are noted instead of shown.
class CheckerSteps final : public FileLoadSteps {
public:
    explicit CheckerSteps(CheckedFile& checked) : checked_(checked) {}

    void ShowMessage(const LoadMessage& message) override
    {
        checked_.messages.push_back(message);
    }
    void SetChooserSwatches(int swatches) override { checked_.colours = swatches - 1; }

private:
    CheckedFile& checked_;
};

const char* CaseName(LoadCase kind)
{
    switch (kind) {
    case LoadCase::InvalidFile: return "invalid-file";
    case LoadCase::TooWide: return "too-wide";
    case LoadCase::TooHigh: return "too-high";
    case LoadCase::Colours: return "colours";
    case LoadCase::OpenError: return "open-error";
    }
    return "";
}

std::string Messages(const std::vector<LoadMessage>& messages)
{
    std::vector<std::string> items;
    for (const LoadMessage& message : messages) {
        items.push_back(JsonObject()
                            .String("case", CaseName(message.kind))
                            .String("icon", message.critical ? "critical" : "information")
                            .String("title", message.title)
                            .String("text", message.text)
                            .Text());
    }
    return JsonArray(items);
}

// For each line its clues as [length, colour] pairs.
std::string Clues(int lines, const std::array<std::uint8_t, MaxSide>& counts,
                  const ClueTable& length, const ClueTable& colour)
{
    std::vector<std::string> items;
    for (int line = 0; line < lines; ++line) {
        std::vector<std::string> clues;
        for (int k = 0; k < counts[line]; ++k) {
            clues.push_back(JsonArray(
                {std::to_string(length(line, k)), std::to_string(colour(line, k))}));
        }
        items.push_back(JsonArray(clues));
    }
    return JsonArray(items);
}

}  // namespace

CheckedFile CheckFile(const std::string& path, std::uint8_t language)
{
    CheckedFile checked;
    checked.path = path;
    checked.state.Language = language;
    CheckerSteps steps(checked);
    checked.loaded = LoadPuzzle(checked.state, path, steps);
    return checked;
}

JsonObject DescribeFile(const CheckedFile& checked)
{
    JsonObject json;
    json.String("file", checked.path).Bool("loaded", checked.loaded);
    json.Value("messages", Messages(checked.messages));
    std::vector<std::string> hints;
    for (const Hint& hint : HintsFor(checked)) {
        JsonObject item;
        item.String("code", hint.code).String("text", hint.text);
        if (!hint.colours.empty())
            item.Value("colours", hint.colours);
        hints.push_back(item.Text());
    }
    if (!hints.empty())
        json.Value("hints", JsonArray(hints));
    if (!checked.loaded)
        return json;

    const PuzzleState& state = checked.state;
    json.Number("width", state.PuzzleWidth)
        .Number("height", state.PuzzleHeight)
        .Number("colours", checked.colours)
        .String("name", state.PuzzleName)
        .Value("solution", JsonRows(state.Solution, state.PuzzleWidth, state.PuzzleHeight))
        .Value("rowClues", Clues(state.PuzzleHeight, state.RowClueCount, state.RowClueLength,
                                 state.RowClueColour))
        .Value("columnClues", Clues(state.PuzzleWidth, state.ColClueCount,
                                    state.ColClueLength, state.ColClueColour))
        .Number("maxRowClues", state.MaxRowClues)
        .Number("maxColClues", state.MaxColClues);
    return json;
}

}  // namespace grizzet
