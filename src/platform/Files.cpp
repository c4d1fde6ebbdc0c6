// The game's file operations on Qt. Paths are byte strings in the local
// encoding, so any name the file system holds can be looked up and opened.
#include "platform/Files.h"

#include "model/FileSource.h"
#include "model/LoadPuzzle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grizzet {
namespace {

QString ToQt(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string FromQt(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

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
    QSaveFile file(ToQt(path));
    // Unbuffered: a write that fails (a full disk) must fail the commit, and
    // a buffered write would only fail in the flush, which the commit ignores.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    // Without a commit the new file is thrown away and the old one stays.
    return file.write(bytes.data(), size) == size && file.commit();
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
    QString folder;
    if (QCoreApplication::instance() != nullptr)
        folder = QCoreApplication::applicationDirPath();
    else
        folder = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
    return FromQt(QDir::cleanPath(folder)) + "/";
}

}  // namespace grizzet
