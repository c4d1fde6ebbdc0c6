// Just enough JSON for the checker.
#include "checker/Json.h"

#include <cstdint>
#include <cstdio>

namespace grizzet {
namespace {

// Length of the valid UTF-8 sequence at the start of s, or 0.
std::size_t Utf8Length(std::string_view s)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (s.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF)
        return 0;
    return length;
}

std::string Escaped(unsigned code)
{
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04x", code);
    return text;
}

}  // namespace

std::string JsonString(std::string_view bytes)
{
    std::string out = "\"";
    while (!bytes.empty()) {
        const auto c = static_cast<unsigned char>(bytes[0]);
        const std::size_t length = Utf8Length(bytes);
        if (length == 0) {
            out += Escaped(c);
            bytes.remove_prefix(1);
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (c < 0x20 || c == 0x7F)
                out += Escaped(c);
            else
                out.append(bytes.substr(0, length));
        }
        bytes.remove_prefix(length);
    }
    return out + "\"";
}

std::string JsonArray(const std::vector<std::string>& values)
{
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        out += (i == 0 ? "" : ",") + values[i];
    return out + "]";
}

JsonObject& JsonObject::Value(std::string_view key, const std::string& json)
{
    if (text_.size() > 1)
        text_ += ',';
    text_ += JsonString(key) + ':' + json;
    return *this;
}

JsonObject& JsonObject::String(std::string_view key, std::string_view text)
{
    return Value(key, JsonString(text));
}

JsonObject& JsonObject::Number(std::string_view key, long long number)
{
    return Value(key, std::to_string(number));
}

JsonObject& JsonObject::Bool(std::string_view key, bool truth)
{
    return Value(key, truth ? "true" : "false");
}

}  // namespace grizzet
