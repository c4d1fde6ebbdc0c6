// Cell painting.
#pragma once

#include <cstdint>

namespace grizzet {

class Form1;

// Stores the value in PlayerGrid and redraws that one cell.
void SetCell(Form1& form, int column, int row, std::uint8_t value);

}  // namespace grizzet
