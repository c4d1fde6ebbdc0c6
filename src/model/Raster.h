// The game's reading of a Netpbm raster into Solution, and the one rule that
// turns samples into a colour number, which the checker's hints and the
// converter apply too.
#pragma once

#include "model/Netpbm.h"
#include "model/PuzzleState.h"

namespace grizzet {

// The colour number of a pixel: each channel counts as lit when its sample
// reaches the threshold, half the picture's maximum value.
std::uint8_t ColourOfSamples(int red, int green, int blue, float threshold);

// "P3" (plain) or "P6" (raw, one byte a sample whatever the maximum): every
// channel counts as lit when its sample reaches the threshold. False on a
// run-time failure: the bytes end early, a number above 32767, a cell
// outside the grid.
bool DecodePpm(PuzzleState& state, NetpbmTokens& tokens, bool plain, float threshold);

// "P1" (plain, 1 is black) or "P4" (raw, a set bit is black, each row in
// whole bytes). False on a run-time failure, as above.
bool DecodePbm(PuzzleState& state, NetpbmTokens& tokens, bool plain);

}  // namespace grizzet
