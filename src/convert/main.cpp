// grizzet-convert: turns a picture into a puzzle the game reads without any
// notice, then prints what grizzet-check --solve says of it. It writes the
// whole puzzle or nothing, and ends in its own words whatever the input.
#include "checker/CheckFile.h"
#include "checker/SolveJson.h"
#include "convert/Picture.h"
#include "model/FileSource.h"
#include "model/Netpbm.h"
#include "model/PickText.h"

#include <QCoreApplication>

#include <exception>
#include <filesystem>
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

int Refuse(const std::string& reason)
{
    std::cerr << "grizzet-convert: " << reason << '\n';
    return 1;
}

int Convert(const std::string& in, const std::string& out, bool scale)
{
    if (SameFile(in, out))
        return Refuse(out + " is the picture itself; give the puzzle another name");
    grizzet::Picture picture = grizzet::ReadAnyPicture(in);
    if (!picture.problem.empty())
        return Refuse(in + " cannot be read as a picture: " + picture.problem);
    if (picture.width > grizzet::MaxSide || picture.height > grizzet::MaxSide) {
        if (!scale)
            return Refuse(in + " is " + std::to_string(picture.width) + " by " + std::to_string(picture.height) +
                          " pixels, and the game takes at most 50 by 50: scale it down, or use --scale");
        picture = grizzet::ScaledToFit(picture);
    }
    if (!grizzet::WriteFileAtomically(out, grizzet::PuzzleFileOf(picture.width, picture.height, picture.colours)))
        return Refuse(out + " cannot be written");
    const grizzet::CheckedFile checked = grizzet::CheckFile(out, grizzet::English);
    if (!checked.loaded) {  // changed under our hands: no half a puzzle stays
        std::error_code error;
        std::filesystem::remove(out, error);
        return Refuse(out + " changed while it was written");
    }
    std::cout << grizzet::DescribeFile(checked).Value("solve", grizzet::DescribeSolve(checked.state)).Text() << std::endl;
    return 0;
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
    try {
        return Convert(arguments[0], arguments[1], scale);
    } catch (const std::exception& failure) {
        return Refuse(std::string("the conversion failed: ") + failure.what());
    } catch (...) {
        return Refuse("the conversion failed");
    }
}
