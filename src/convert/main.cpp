// grizzet-convert: turns a picture into a puzzle the game reads without any
// notice, then prints what grizzet-check --solve says of it.
#include "checker/CheckFile.h"
#include "checker/SolveJson.h"
#include "convert/Picture.h"
#include "model/PickText.h"

#include <QCoreApplication>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr const char* Usage = "usage: grizzet-convert [--scale] IN OUT";

// Writing OUT would replace the picture itself: the same name, or a link to it.
bool SameFile(const std::string& in, const std::string& out)
{
    std::error_code error;
    return in == out || std::filesystem::equivalent(in, out, error);
}

}  // namespace

int main(int argc, char* argv[])
{
    // Qt finds its image-format plugins (JPEG, GIF, ...) through the application.
    QCoreApplication app(argc, argv);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool scale = !arguments.empty() && arguments[0] == "--scale";
    if (scale)
        arguments.erase(arguments.begin());
    if (arguments.size() != 2 || arguments[0].empty() || arguments[1].empty()) {
        std::cerr << Usage << '\n';
        return 2;
    }
    const std::string& in = arguments[0];
    const std::string& out = arguments[1];
    if (SameFile(in, out)) {
        std::cerr << "grizzet-convert: " << out << " is the picture itself; give the puzzle another name\n";
        return 1;
    }
    std::optional<grizzet::Picture> picture = grizzet::ReadAnyPicture(in);
    if (!picture) {
        std::cerr << "grizzet-convert: " << in << " cannot be read as a picture\n";
        return 1;
    }
    if (picture->width > grizzet::MaxSide || picture->height > grizzet::MaxSide) {
        if (!scale) {
            std::cerr << "grizzet-convert: " << in << " is " << picture->width << " by " << picture->height
                      << " pixels, and the game takes at most 50 by 50: scale it down, or use --scale\n";
            return 1;
        }
        picture = grizzet::ScaledToFit(*picture);
    }
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file << grizzet::PuzzleFile(picture->width, picture->height, grizzet::ReduceColours(*picture));
    if (!file.flush()) {
        std::cerr << "grizzet-convert: " << out << " cannot be written\n";
        return 1;
    }
    file.close();
    const grizzet::CheckedFile checked = grizzet::CheckFile(out, grizzet::English);
    grizzet::JsonObject json = grizzet::DescribeFile(checked);
    if (checked.loaded)
        json.Value("solve", grizzet::DescribeSolve(checked.state));
    std::cout << json.Text() << std::endl;
    return checked.loaded ? 0 : 1;
}
