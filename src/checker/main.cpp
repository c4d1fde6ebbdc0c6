// grizzet-check: loads puzzle files exactly as the game does and prints, for
// each, one line of JSON with the messages, the picture and its clues, and
// with --solve what the solver makes of those clues.
#include "checker/CheckFile.h"
#include "checker/SolveJson.h"
#include "model/PickText.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* Usage = "usage: grizzet-check [--lang en|nl|it] [--solve] FILE...";

struct Options {
    std::uint8_t language = grizzet::English;
    bool solve = false;
    std::vector<std::string> files;
};

std::optional<std::uint8_t> LanguageOf(const std::string& code)
{
    if (code == "en")
        return grizzet::English;
    if (code == "nl")
        return grizzet::Dutch;
    if (code == "it")
        return grizzet::Italian;
    return std::nullopt;
}

// Nothing when the arguments make no sense.
std::optional<Options> ParseArguments(int argc, char* argv[])
{
    Options options;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (optionsEnded || argument.empty() || argument[0] != '-') {
            options.files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--solve") {
            options.solve = true;
        } else if (argument == "--lang" || argument.rfind("--lang=", 0) == 0) {
            std::string code;
            if (argument == "--lang") {
                if (++i == argc)
                    return std::nullopt;
                code = argv[i];
            } else {
                code = argument.substr(7);
            }
            const auto language = LanguageOf(code);
            if (!language)
                return std::nullopt;
            options.language = *language;
        } else {
            return std::nullopt;
        }
    }
    if (options.files.empty())
        return std::nullopt;
    return options;
}

}  // namespace

int main(int argc, char* argv[])
{
    const auto options = ParseArguments(argc, argv);
    if (!options) {
        std::cerr << Usage << '\n';
        return 2;
    }
    bool allLoaded = true;
    for (const std::string& path : options->files) {
        std::string line;
        try {
            const grizzet::CheckedFile checked = grizzet::CheckFile(path, options->language);
            allLoaded = allLoaded && checked.loaded;
            grizzet::JsonObject json = grizzet::DescribeFile(checked);
            if (options->solve && checked.loaded)
                json.Value("solve", grizzet::DescribeSolve(checked.state));
            line = json.Text();
        } catch (...) {
            // Out of memory on the way: the file still gets its line.
            allLoaded = false;
            line = grizzet::JsonObject().String("file", path).Bool("loaded", false).Value("messages", "[]").Text();
        }
        std::cout << line << std::endl;
    }
    return allLoaded ? 0 : 1;
}
