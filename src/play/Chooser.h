// The colour chooser.
#pragma once

namespace grizzet {

class Form1;

// Loads "hamworst.dat" as the chooser's background and paints the eight swatches.
void PaintChooser(Form1& form);

}  // namespace grizzet
