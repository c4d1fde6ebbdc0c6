// Fuzz target: grizzet-check's whole path for one file, in each language:
// the game's load from the file, the hints from a second reading, the JSON.
// The load is the same in every language; hints come only for a failed or
// reduced load; the line is one line of printable JSON text.
#include "checker/CheckFile.h"
#include "model/PickText.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace grizzet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One file a process, gone after each input.
    const std::string path = (std::filesystem::temp_directory_path() / ("fuzz-check-" + std::to_string(::getpid()))).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const CheckedFile first = CheckFile(path, English);
    bool good = true;
    for (const std::uint8_t language : {English, Dutch, Italian}) {
        const CheckedFile checked = language == English ? first : CheckFile(path, language);
        const std::string line = DescribeFile(checked).Text();
        const bool reduced = !checked.messages.empty() && !checked.messages[0].critical;
        const bool hints = line.find("\"hints\":[{") != std::string::npos;
        good = good && checked.loaded == first.loaded && checked.state.Solution.cells == first.state.Solution.cells
            && (!hints || (!checked.messages.empty() && (!checked.loaded || reduced)))
            && line.front() == '{' && line.back() == '}';
        for (const char c : line)
            good = good && static_cast<unsigned char>(c) >= 0x20;
    }
    std::remove(path.c_str());
    if (!good)
        std::abort();
    return 0;
}
