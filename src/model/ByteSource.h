// A stream of bytes read front to back, from a file or from memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace grizzet {

class ByteSource {
public:
    static constexpr int End = -1;

    virtual ~ByteSource() = default;
    // The next byte, 0 to 255, or End once the bytes are used up.
    virtual int Next() = 0;
};

class MemorySource final : public ByteSource {
public:
    MemorySource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit MemorySource(const std::string& bytes)
        : MemorySource(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()) {}

    int Next() override { return pos_ < size_ ? data_[pos_++] : End; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace grizzet
