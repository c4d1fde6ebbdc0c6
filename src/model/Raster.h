// Decoding the pixels of a Netpbm picture into Solution. Used only by LoadPuzzle.
#pragma once

#include "model/ByteSource.h"
#include "model/PuzzleState.h"

namespace grizzet {

// The colour number of a pixel: each channel counts as lit when its sample
// reaches the threshold, half the picture's maximum value.
std::uint8_t ColourOfSamples(int red, int green, int blue, float threshold);

// "P3" (plain) or "P6" (raw, one byte a sample whatever the maximum): every
// channel counts as lit when its sample reaches the threshold.
void DecodePpm(PuzzleState& state, ByteSource& source, bool plain, float threshold);

// "P1" (plain, 1 is black) or "P4" (raw, a set bit is black, each row in whole bytes).
void DecodePbm(PuzzleState& state, ByteSource& source, bool plain);

}  // namespace grizzet
