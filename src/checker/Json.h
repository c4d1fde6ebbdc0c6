// Just enough JSON for the checker: escaped strings, objects built field by
// field, arrays of ready values.
#pragma once

#include "model/PuzzleState.h"

#include <string>
#include <string_view>
#include <vector>

namespace grizzet {

// A quoted JSON string. UTF-8 passes as it is; a byte that is not part of
// valid UTF-8 becomes the code point of the same value (\u00XX), so any
// path still gives valid JSON.
std::string JsonString(std::string_view bytes);

// "[a,b,...]" from values that are JSON already.
std::string JsonArray(const std::vector<std::string>& values);

// A picture's rows, one string of colour digits a row.
std::string JsonRows(const Grid& grid, int width, int height);

class JsonObject {
public:
    JsonObject& Value(std::string_view key, const std::string& json);
    JsonObject& String(std::string_view key, std::string_view text);
    JsonObject& Number(std::string_view key, long long number);
    JsonObject& Bool(std::string_view key, bool truth);
    std::string Text() const { return text_ + "}"; }

private:
    std::string text_ = "{";
};

}  // namespace grizzet
