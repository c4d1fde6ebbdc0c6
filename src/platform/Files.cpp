// The game's file operations on Qt. Paths are byte strings in the local
// encoding, so any name the file system holds can be looked up and opened.
#include "platform/Files.h"

#include "model/LoadPuzzle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
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
bool OpenOrdinary(const std::string& path, QFile& file)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || !file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered,
                      QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

class FileSource final : public ByteSource {
public:
    explicit FileSource(const std::string& path)
    {
        if (!OpenOrdinary(path, file_))
            throw RunTimeFailure("the file cannot be opened");
    }

    int Next() override
    {
        if (pos_ == filled_ && !Refill())
            return End;
        return static_cast<unsigned char>(buffer_[pos_++]);
    }

private:
    bool Refill()
    {
        if (ended_)
            return false;
        const qint64 got = file_.read(buffer_.data(), static_cast<qint64>(buffer_.size()));
        if (got < 0)
            throw RunTimeFailure("the file cannot be read");
        pos_ = 0;
        filled_ = static_cast<std::size_t>(got);
        ended_ = got == 0;
        return !ended_;
    }

    QFile file_;
    std::array<char, 64 * 1024> buffer_{};
    std::size_t pos_ = 0;
    std::size_t filled_ = 0;
    bool ended_ = false;
};

}  // namespace

bool IsOrdinaryFile(const std::string& path)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    // The bytes as they are: a name that is not valid UTF-8 would not survive
    // the trip through QString.
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::unique_ptr<ByteSource> OpenForReading(const std::string& path)
{
    return std::make_unique<FileSource>(path);
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes)
{
    QFile file;
    if (!OpenOrdinary(path, file))
        return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes));
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes.toStdString();
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
