#include "checker/Hints.h"

#include "checker/AuthorNumbers.h"
#include "checker/Json.h"
#include "model/FileSource.h"
#include "model/Raster.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>

namespace grizzet {
namespace {

constexpr std::size_t MostBytesLookedAt = 16 * 1024 * 1024;
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
    if (starts("RIFF") && bytes.substr(8, 4) == "WEBP")
        return "a WebP picture";
    return bytes.empty() ? "an empty file" : "no picture the game knows";
}

long long ValueOf(const std::optional<std::string>& digits)
{
    if (!digits)
        return 0;
    const std::size_t first = std::min(digits->find_first_not_of('0'), digits->size());
    return digits->size() - first > 12 ? 999999999999LL : std::stoll("0" + digits->substr(first));
}

// Every colour of a picture the game loaded with its colours notice, read as
// the game reads it, with what it became.
Hint ColoursReduced(const CheckedFile& checked, const std::string& bytes)
{
    MemorySource source(bytes);
    source.Next();
    const bool plain = source.Next() == '3';
    ReadNumber(source);
    ReadNumber(source);
    const int maximum = ReadNumber(source);
    const float threshold = static_cast<float>(maximum) / 2;
    std::map<std::tuple<int, int, int>, int> counts;
    const int pixels = checked.state.PuzzleWidth * checked.state.PuzzleHeight;
    for (int i = 0; i < pixels; ++i) {
        int rgb[3];
        for (int& sample : rgb)
            sample = plain ? ReadNumber(source) : std::max(source.Next(), 0);
        ++counts[{rgb[0], rgb[1], rgb[2]}];
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
    hint.text = "Each sample counts as on from half the maximum value " + std::to_string(maximum) + ": " + listed +
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
    const std::string bytes = FirstBytesOf(checked.path, MostBytesLookedAt);
    const char kind = bytes.size() >= 2 && bytes[0] == 'P' ? bytes[1] : '\0';
    if (kind != '1' && kind != '3' && kind != '4' && kind != '6')
        return {{"not-netpbm", "This file is " + KindOf(bytes) + ", not a PBM (P1, P4) or PPM (P3, P6) picture: "
                               "convert it with grizzet-convert, or save it as PBM or PPM.", ""}};

    std::vector<Hint> hints;
    AuthorNumbers numbers(bytes, 2);
    const std::optional<std::string> width = numbers.Next(), height = numbers.Next();
    const std::optional<std::string> maximum = kind == '3' || kind == '6' ? numbers.Next() : std::nullopt;
    if (ValueOf(width) > MaxSide || ValueOf(height) > MaxSide)
        hints.push_back({"too-large", "The picture is " + width.value_or("?") + " by " + height.value_or("?") + " pixels, and the game takes at "
                         "most 50 by 50: scale it to at most 50 by 50 (grizzet-convert --scale does).", ""});
    if (ValueOf(maximum) > 255)
        hints.push_back({"sixteen-bit", "The samples are 16-bit (maximum value " + *maximum + "): save the picture "
                         "with 8 bits per sample, or convert it with grizzet-convert.", ""});
    bool digitsJoined = false;
    if (kind == '1' || kind == '3') {
        for (std::optional<std::string> sample; (sample = numbers.Next());)
            digitsJoined = digitsJoined || (kind == '1' && sample->size() > 1 &&
                                            sample->find_first_not_of("01") == std::string::npos);
    }
    if (digitsJoined)
        hints.push_back({"plain-digits-joined", "The rows are written as digits without blanks (like 0011100), and "
                         "the game reads each run as one number: save as raw PBM (P4), or put blanks between the "
                         "digits.", ""});
    if (!numbers.joined.empty())
        hints.push_back({"comment-joins-number", "A comment right after the number " + numbers.joined[0] +
                         " joins it to the number " + numbers.joined[1] + " on the next line, read as " +
                         numbers.joined[0] + numbers.joined[1] + ": start the comment on its own line.", ""});
    if (reduced)
        hints.push_back(ColoursReduced(checked, bytes));
    return hints;
}

}  // namespace grizzet
