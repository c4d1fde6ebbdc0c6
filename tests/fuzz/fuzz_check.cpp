// Fuzz target: grizzet-check's whole path for one file, in each language:
// the game's load from the file, the hints from a second reading, the JSON.
// The load agrees with the game's load of the same bytes in memory and
// between languages; hints come only for a failed or reduced load; the line
// is one line of printable JSON text.
#include "checker/CheckFile.h"
#include "model/PickText.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace grizzet;

namespace {

struct MemorySteps : LoadSteps {
    MemorySteps(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}
    const std::uint8_t* data;
    std::size_t size;
    bool FindFile(const std::string&) override { return true; }
    std::unique_ptr<ByteSource> OpenFile(const std::string&) override { return std::make_unique<MemorySource>(data, size); }
};

const std::string& FilePath()
{
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("fuzz-check-" + std::to_string(::getpid()) + ".ppm")).string();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::ofstream(FilePath(), std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                         static_cast<std::streamsize>(size));
    PuzzleState game;
    MemorySteps steps(data, size);
    const bool loaded = LoadPuzzle(game, "fuzz.ppm", steps);
    bool good = true;
    for (const std::uint8_t language : {English, Dutch, Italian}) {
        const CheckedFile checked = CheckFile(FilePath(), language);
        const std::string line = DescribeFile(checked).Text();
        const bool reduced = !checked.messages.empty() && !checked.messages[0].critical;
        const bool hints = line.find("\"hints\":[{") != std::string::npos;
        good = good && checked.loaded == loaded && checked.state.Solution.cells == game.Solution.cells
            && (!hints || (!checked.messages.empty() && (!loaded || reduced)))
            && line.front() == '{' && line.back() == '}';
        for (const char c : line)
            good = good && static_cast<unsigned char>(c) >= 0x20;
    }
    if (!good)
        std::abort();
    return 0;
}
