#include "model/FileSource.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace grizzet {

int FileSource::Next()
{
    if (pos_ == filled_ && !Refill())
        return End;
    return static_cast<unsigned char>(buffer_[pos_++]);
}

bool FileSource::Refill()
{
    pos_ = 0;
    filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
    if (filled_ == 0 && std::ferror(file_.get()))
        throw RunTimeFailure("the file cannot be read");
    return filled_ > 0;
}

std::string FirstBytesOf(const std::string& path, std::size_t most)
{
    std::string bytes;
    if (!IsOrdinaryFile(path))
        return bytes;
    std::ifstream file(path, std::ios::binary);
    std::array<char, 64 * 1024> chunk{};
    while (file && bytes.size() < most) {
        file.read(chunk.data(), static_cast<std::streamsize>(std::min(chunk.size(), most - bytes.size())));
        bytes.append(chunk.data(), static_cast<std::size_t>(file.gcount()));
    }
    return bytes;
}

bool IsOrdinaryFile(const std::string& path)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::unique_ptr<ByteSource> OpenOrdinaryFile(const std::string& path)
{
    std::FILE* file = IsOrdinaryFile(path) ? std::fopen(path.c_str(), "rb") : nullptr;
    if (file == nullptr)
        throw RunTimeFailure("the file cannot be opened");
    return std::make_unique<FileSource>(file);
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    const std::string temporary = path + ".new-" + std::to_string(std::random_device()());
    std::FILE* file = std::fopen(temporary.c_str(), "wbx");  // never an existing file
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    std::error_code error;
    if (std::fclose(file) == 0 && written) {
        std::filesystem::rename(temporary, path, error);
        if (!error)
            return true;
    }
    std::filesystem::remove(temporary, error);
    return false;
}

}  // namespace grizzet
