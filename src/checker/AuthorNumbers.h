// The numbers of a Netpbm file as its author meant them, for the tools that
// explain and convert pictures; the game itself reads them with ReadNumber.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grizzet {

// The numbers of a Netpbm file as its author meant them: runs of digits, with
// comments and any other bytes between them. It notes the first comment that
// the game reads as part of a number: one right after a number's digits,
// with digits right after its line end.
class AuthorNumbers {
public:
    AuthorNumbers(std::string_view bytes, std::size_t from) : bytes_(bytes), at_(from) {}

    std::optional<std::string> Next()
    {
        while (at_ < bytes_.size() && !IsDigit(at_))
            bytes_[at_] == '#' ? SkipComment() : void(++at_);
        if (at_ >= bytes_.size())
            return std::nullopt;
        const std::size_t start = at_;
        while (at_ < bytes_.size() && IsDigit(at_))
            ++at_;
        std::string digits(bytes_.substr(start, at_ - start));
        end_ = at_;
        if (at_ < bytes_.size() && bytes_[at_] == '#') {
            SkipComment();
            if (at_ < bytes_.size() && IsDigit(at_) && joined.empty()) {
                std::size_t end = at_;
                while (end < bytes_.size() && IsDigit(end))
                    ++end;
                joined = {digits, std::string(bytes_.substr(at_, end - at_))};
            }
        }
        return digits;
    }

    // Where the next look starts: right after the last number's digits.
    std::size_t Position() const { return end_; }

    std::vector<std::string> joined;  // the two numbers the game reads as one

private:
    bool IsDigit(std::size_t i) const { return bytes_[i] >= '0' && bytes_[i] <= '9'; }
    void SkipComment()
    {
        while (at_ < bytes_.size() && bytes_[at_] != '\n' && bytes_[at_] != '\r')
            ++at_;
        if (at_ < bytes_.size())
            ++at_;
    }

    std::string_view bytes_;
    std::size_t at_;
    std::size_t end_ = 0;
};

}  // namespace grizzet
