// Fuzz target: grizzet-convert's reading and reduction of a Netpbm picture,
// then its output. A picture is refused with a reason or read whole; what is
// written from it, scaled to fit, the game loads without any message, cell
// for cell as the picture.
#include "convert/Picture.h"
#include "model/AuthorNetpbm.h"
#include "MemorySteps.h"

#include <cstdlib>

using namespace grizzet;

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
    const std::string file = PuzzleFileOf(picture.width, picture.height, picture.colours);
    MemorySteps steps(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
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
