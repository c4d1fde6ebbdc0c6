// Just enough JSON for the checker.
#include "checker/Json.h"

#include "model/Utf8.h"

#include <cstdint>
#include <cstdio>

namespace grizzet {
namespace {

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
        const std::size_t length = FirstUtf8Char(bytes).length;
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

std::string JsonRows(const Grid& grid, int width, int height)
{
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x)
            row += static_cast<char>('0' + grid(x, y));
        rows.push_back(JsonString(row));
    }
    return JsonArray(rows);
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
