// Files as byte sources, through the C++ library alone, and the file half of
// a load's steps on the real file system.
#pragma once

#include "model/ByteSource.h"
#include "model/LoadPuzzle.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace grizzet {

// A file read front to back in bounded memory. Throws RunTimeFailure when
// a read fails.
class FileSource final : public ByteSource {
public:
    // Takes the open file over; it is closed with the source.
    explicit FileSource(std::FILE* file) : file_(file, &std::fclose) {}

    int Next() override;

private:
    bool Refill();

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
    std::array<char, 64 * 1024> buffer_{};
    std::size_t pos_ = 0;
    std::size_t filled_ = 0;
};

// True when the path names an existing ordinary file (a link to one counts);
// folders, devices, FIFOs and sockets do not. The bytes are taken as they
// are, so a name that is not UTF-8 is found too.
bool IsOrdinaryFile(const std::string& path);

// Opens an existing ordinary file; throws RunTimeFailure when it cannot.
std::unique_ptr<ByteSource> OpenOrdinaryFile(const std::string& path);

// Up to the first `most` bytes of an ordinary file, for a second look at it;
// nothing when it is no ordinary file or cannot be read.
std::string FirstBytesOf(const std::string& path, std::size_t most);

// Writes the whole file or nothing: a new file beside it, renamed over the
// old one once complete. False, with no file left behind, when it cannot.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// Finding and opening files; a window adds its own steps.
class FileLoadSteps : public LoadSteps {
public:
    bool FindFile(const std::string& path) override { return IsOrdinaryFile(path); }
    std::unique_ptr<ByteSource> OpenFile(const std::string& path) override { return OpenOrdinaryFile(path); }
};

}  // namespace grizzet
