// The file operations of the game: lookup, byte-wise read and write, delete,
// and the program's own folder.
#pragma once

#include "model/ByteSource.h"
#include "model/LoadPuzzle.h"

#include <memory>
#include <optional>
#include <string>

namespace grizzet {

// True when the path names an existing ordinary file (a link to one counts);
// folders, devices, FIFOs and sockets do not.
bool IsOrdinaryFile(const std::string& path);

// A file read in bounded memory, front to back. Throws RunTimeFailure when
// the file cannot be opened or read.
std::unique_ptr<ByteSource> OpenForReading(const std::string& path);

// The whole content of a small ordinary file, or nothing when it is absent
// or unreadable. Reads at most maxBytes.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes = 4096);

// Replaces the file atomically (write a new file, then rename over the old).
// Returns false, leaving the old file whole, when it cannot.
bool ReplaceFile(const std::string& path, const std::string& bytes);

// The executable's own folder, ending in "/".
std::string ProgramFolder();

// The file half of a load's steps, on the real file system; a caller adds
// the window's steps.
class FileLoadSteps : public LoadSteps {
public:
    bool FindFile(const std::string& path) override { return IsOrdinaryFile(path); }
    std::unique_ptr<ByteSource> OpenFile(const std::string& path) override
    {
        return OpenForReading(path);
    }
};

}  // namespace grizzet
