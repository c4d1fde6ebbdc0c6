#include "checker/Hints.h"

#include "checker/Json.h"
#include "model/AuthorNetpbm.h"
#include "model/FileSource.h"
#include "model/Raster.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>

namespace grizzet {
namespace {

constexpr const char* ColourNames[ColourCount] = {"black", "white", "red", "blue", "yellow", "green", "magenta", "cyan"};

// What a file that is no PBM or PPM really is, by its first bytes.
std::string KindOf(std::string_view bytes)
{
    const auto starts = [&](std::string_view magic) { return bytes.substr(0, magic.size()) == magic; };
    const std::pair<std::string_view, const char*> kinds[] = {
        {"P2", "a plain PGM picture (grey levels)"}, {"P5", "a raw PGM picture (grey levels)"},
        {"P7", "a PAM picture"}, {"PF", "a PFM picture (floating-point samples)"},
        {"Pf", "a PFM picture (floating-point samples)"}, {"\x89PNG", "a PNG picture"},
        {"\xFF\xD8\xFF", "a JPEG picture"}, {"GIF8", "a GIF picture"}, {"BM", "a BMP picture"},
        {"II*", "a TIFF picture"}, {std::string_view("MM\0*", 4), "a TIFF picture"},
        {"<svg", "an SVG drawing"}, {"<?xml", "an XML file"}};
    for (const auto& [magic, kind] : kinds)
        if (starts(magic))
            return kind;
    if (starts("RIFF") && bytes.size() >= 12 && bytes.substr(8, 4) == "WEBP")
        return "a WebP picture";
    return bytes.empty() ? "an empty file" : "no picture the game knows";
}

// The file once more, from its start; nothing when it is gone or unreadable.
std::unique_ptr<ByteSource> Reopen(const std::string& path)
{
    try {
        return OpenOrdinaryFile(path);
    } catch (const RunTimeFailure&) {
        return nullptr;
    }
}

// Every colour of a picture the game loaded with its colours notice, read as
// the game reads it, with what it became; nothing when the file changed so
// that it no longer reads.
std::optional<Hint> ColoursReduced(const CheckedFile& checked, ByteSource& file)
{
    NetpbmTokens tokens(file);
    tokens.NextByte();
    const bool plain = tokens.NextByte() == '3';
    std::optional<std::int16_t> maximum;
    for (int i = 0; i < 3; ++i)
        maximum = ReadNumber(tokens);
    if (!maximum)
        return std::nullopt;
    const float threshold = static_cast<float>(*maximum) / 2;
    std::map<std::tuple<int, int, int>, int> counts;
    const int pixels = checked.state.PuzzleWidth * checked.state.PuzzleHeight;
    for (int i = 0; i < pixels; ++i) {
        std::optional<int> rgb[3];
        for (std::optional<int>& sample : rgb)
            if (!(sample = ReadGameSample(tokens, plain)))
                return std::nullopt;
        ++counts[{*rgb[0], *rgb[1], *rgb[2]}];
    }
    std::vector<std::pair<int, std::tuple<int, int, int>>> found;
    for (const auto& [colour, count] : counts)
        found.push_back({-count, colour});
    std::sort(found.begin(), found.end());

    Hint hint{"colours-reduced", "", ""};
    std::vector<std::string> colours;
    std::string listed;
    for (const auto& [negativeCount, colour] : found) {
        const auto [r, g, b] = colour;
        const char* becomes = ColourNames[ColourOfSamples(r, g, b, threshold)];
        const std::string rgb = std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
        colours.push_back(JsonObject().Value("rgb", "[" + rgb + "]").Number("count", -negativeCount)
                              .String("becomes", becomes).Text());
        if (colours.size() <= 12)
            listed += (listed.empty() ? "(" : ", (") + rgb + ") becomes " + becomes + " (" +
                      std::to_string(-negativeCount) + (negativeCount == -1 ? " pixel)" : " pixels)");
    }
    if (found.size() > 12)
        listed += ", and " + std::to_string(found.size() - 12) + " more";
    hint.text = "Each sample counts as on from half the maximum value " + std::to_string(*maximum) + ": " + listed +
                ". Save with maximum value 1 and only the eight colours, or convert with grizzet-convert.";
    hint.colours = JsonArray(colours);
    return hint;
}

}  // namespace

std::vector<Hint> HintsFor(const CheckedFile& checked)
{
    const bool reduced = std::any_of(checked.messages.begin(), checked.messages.end(),
                                     [](const LoadMessage& m) { return m.kind == LoadCase::Colours; });
    if ((checked.loaded && !reduced) || checked.messages.empty())
        return {};
    const std::unique_ptr<ByteSource> file = Reopen(checked.path);
    if (!file)
        return {};
    const AuthorPicture picture = ReadAuthorPicture(*file, false);
    const char kind = picture.kind;
    if (kind != '1' && kind != '3' && kind != '4' && kind != '6')
        return {{"not-netpbm", "This file is " + KindOf(FirstBytesOf(checked.path, 16)) + ", not a PBM (P1, P4) or "
                               "PPM (P3, P6) picture: convert it with grizzet-convert, or save it as PBM or PPM.", ""}};

    std::vector<Hint> hints;
    const auto text = [](const std::optional<std::uint64_t>& number) { return number ? std::to_string(*number) : "?"; };
    if (picture.width.value_or(0) > MaxSide || picture.height.value_or(0) > MaxSide)
        hints.push_back({"too-large", "The picture is " + text(picture.width) + " by " + text(picture.height) + " pixels, "
                         "and the game takes at most 50 by 50: scale it to at most 50 by 50 (grizzet-convert --scale does).", ""});
    if (picture.maximum.value_or(0) > 255)
        hints.push_back({"sixteen-bit", "The samples are 16-bit (maximum value " + text(picture.maximum) + "): save the "
                         "picture with 8 bits per sample, or convert it with grizzet-convert.", ""});
    if (picture.digitsJoined)
        hints.push_back({"plain-digits-joined", "The rows are written as digits without blanks (like 0011100), and "
                         "the game reads each run as one number: save as raw PBM (P4), or put blanks between the "
                         "digits.", ""});
    if (const std::optional<NetpbmJoin>& join = picture.join)
        hints.push_back({"comment-joins-number", "A comment right after the number " + std::to_string(join->first) +
                         " joins it to the number " + std::to_string(join->second) + " after the comment" +
                         (join->chained ? " lines" : "") + ", and the game reads " + std::to_string(join->read) +
                         ": start the comment on its own line.", ""});
    if (reduced) {
        const std::unique_ptr<ByteSource> again = Reopen(checked.path);
        if (std::optional<Hint> colours = again ? ColoursReduced(checked, *again) : std::nullopt)
            hints.push_back(*colours);
    }
    return hints;
}

}  // namespace grizzet
