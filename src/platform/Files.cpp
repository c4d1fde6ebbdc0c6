// The game's file operations. Paths are the file system's bytes, used as
// they are, so any name it holds can be looked up, opened and written.
#include "platform/Files.h"

#include "model/FileSource.h"
#include "model/LoadPuzzle.h"
#include "model/SettingsFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grizzet {
namespace {

// Opens an ordinary file without ever waiting: a FIFO put in the file's
// place after the lookup would otherwise block the open until a writer came.
std::FILE* OpenOrdinary(const std::string& path)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return nullptr;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    std::FILE* file = nullptr;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        file = ::fdopen(fd, "rb");
    if (file == nullptr)
        ::close(fd);
    return file;
}

// Pictures larger than this are no artwork of ours; they count as absent.
constexpr std::uintmax_t MaxPictureBytes = 16 * 1024 * 1024;

}  // namespace

std::unique_ptr<ByteSource> OpenForReading(const std::string& path)
{
    std::FILE* file = OpenOrdinary(path);
    if (file == nullptr)
        throw RunTimeFailure("the file cannot be opened");
    return std::make_unique<FileSource>(file);
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes)
{
    std::string bytes;
    try {
        const std::unique_ptr<ByteSource> file = OpenForReading(path);
        for (int byte; bytes.size() < maxBytes && (byte = file->Next()) != ByteSource::End;)
            bytes += static_cast<char>(byte);
    } catch (const RunTimeFailure&) {
        return std::nullopt;
    }
    return bytes;
}

bool ReplaceFile(const std::string& path, const std::string& bytes)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    // A name taken by anything but an ordinary file (a FIFO, a device, a
    // folder, a link to one of them, a dangling or looping link) is left
    // alone: the save would otherwise follow the link and replace its target.
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (status.type() != std::filesystem::file_type::not_found && !IsOrdinaryFile(path))
        return false;
    // A new file beside the old one, then a rename over it: the old file stays
    // whole until the new one is complete on the disk. The bytes of the path
    // are used as they are, so a folder whose name is no UTF-8 is written too.
    const std::string temporary = path + ".new-" + std::to_string(::getpid());
    ::unlink(temporary.c_str());  // left by a run that ended mid-save
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        return false;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    const bool complete = written == bytes.size() && ::fdatasync(fd) == 0;
    if (::close(fd) == 0 && complete && ::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

bool UpdateFile(const std::string& path, const std::string& bytes)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path, error))
        && ReadSmallFile(path, bytes.size() + 1) == bytes)
        return true;
    return ReplaceFile(path, bytes);
}

void WriteFirstByte(const std::string& path, char byte)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return;
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        [[maybe_unused]] const ssize_t written = ::pwrite(fd, &byte, 1, 0);
    }
    ::close(fd);
}

QImage ReadPicture(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size > MaxPictureBytes)
        return {};
    const std::optional<std::string> bytes = ReadSmallFile(path, static_cast<std::size_t>(size));
    QImage picture;
    if (bytes)
        picture.loadFromData(QByteArray::fromStdString(*bytes));
    return picture;
}

std::string ProgramFolder()
{
    // The resolved path's bytes: Qt's text form would replace a byte that is
    // no UTF-8, and no settings file would be found in such a folder.
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return ProgramFolderOf(self.native());
    return ProgramFolderOf(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
}

}  // namespace grizzet
