// The game's own file operations: opening without ever waiting, small
// settings files, atomic replacement, pictures and the program's own folder.
#pragma once

#include "model/ByteSource.h"

#include <QImage>

#include <memory>
#include <optional>
#include <string>

namespace grizzet {

// A file read in bounded memory, front to back. Throws RunTimeFailure when
// the file cannot be opened or read; never waits on a FIFO.
std::unique_ptr<ByteSource> OpenForReading(const std::string& path);

// The whole content of a small ordinary file, or nothing when it is absent
// or unreadable. Reads at most maxBytes.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes = 4096);

// Replaces the file atomically (write a new file, then rename over the old).
// Returns false, leaving the old file whole, when it cannot.
bool ReplaceFile(const std::string& path, const std::string& bytes);

// The same, but an ordinary file that already holds exactly these bytes is
// left as it is, and nothing waits for the disk.
bool UpdateFile(const std::string& path, const std::string& bytes);

// Overwrites the first byte of an existing ordinary file, leaving the rest as
// it is; a link is not followed. A write that fails is silent.
void WriteFirstByte(const std::string& path, char byte);

// A picture recognised by its content, whatever the file's name says. A file
// that is absent, too large to be artwork or cannot be decoded gives a null image.
QImage ReadPicture(const std::string& path);

// The executable's own folder, ending in "/".
std::string ProgramFolder();

}  // namespace grizzet
