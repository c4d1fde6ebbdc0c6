// The colour chooser: nine square swatches whose pixels are the game's palette.
#pragma once

namespace grizzet {

class Form1;

// Draws the chooser's background picture ("hamworst.dat" beside the program,
// when it exists and decodes) and the eight colour swatches below swatch 0.
void PaintChooser(Form1& form);

}  // namespace grizzet
