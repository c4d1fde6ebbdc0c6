// Fuzz target: grizzet-convert's reading and reduction of a Netpbm picture,
// then its output. A picture is refused with a reason or read whole; what is
// written from it, scaled to fit, the game loads without any message, cell
// for cell as the picture.
#include "convert/Picture.h"
#include "model/AuthorNetpbm.h"
#include "model/LoadPuzzle.h"

#include <cstdlib>

using namespace grizzet;

namespace {

struct MemorySteps : LoadSteps {
    explicit MemorySteps(std::string file) : file(std::move(file)) {}
    std::string file;
    int messages = 0;
    bool FindFile(const std::string&) override { return true; }
    std::unique_ptr<ByteSource> OpenFile(const std::string&) override { return std::make_unique<MemorySource>(file); }
    void ShowMessage(const LoadMessage&) override { ++messages; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemorySource source(data, size);
    AuthorPicture read = ReadAuthorPicture(source, true);
    if (read.kind == 0 || !read.problem.empty())
        return read.colours.empty() ? 0 : (std::abort(), 0);
    Picture picture{int(*read.width), int(*read.height), std::move(read.colours), {}};
    bool good = picture.colours.size() == std::size_t(picture.width) * std::size_t(picture.height);
    if (picture.width > MaxSide || picture.height > MaxSide)
        picture = ScaledToFit(picture);
    MemorySteps steps(PuzzleFileOf(picture.width, picture.height, picture.colours));
    PuzzleState state;
    good = good && LoadPuzzle(state, "out.ppm", steps) && steps.messages == 0 && state.PuzzleWidth == picture.width
        && state.PuzzleHeight == picture.height;
    for (int y = 0; good && y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            good = good && state.Solution(x, y) == picture.colours[std::size_t(y * picture.width + x)];
    if (!good)
        std::abort();
    return 0;
}
