// The colour chooser: nine square swatches whose pixels are the game's
// palette, the pointer lines and the mouse pictures beside it.
#pragma once

#include "model/PuzzleState.h"
#include "platform/Surface.h"

#include <string>

namespace grizzet {

class LineControl;

// What the chooser works on: its picture, and for each button its line and
// its mouse picture.
struct ChooserParts {
    Surface& chooser;
    LineControl& leftLine;
    LineControl& rightLine;
    QWidget& leftMouse;
    QWidget& rightMouse;
};

// Draws the chooser's background picture ("hamworst.dat" in the folder, when
// it exists and decodes) and the eight colour swatches below swatch 0.
void PaintChooser(Surface& chooser, const std::string& appFolder);

// A press or a move over the chooser: the swatch under the pointer becomes
// the held button's colour, and its line and mouse picture move to it.
void ChooseSwatch(PuzzleState& state, const ChooserParts& parts, const MouseArgs& args);

// The default colours: black for the left button, white for the right.
void KiezerSet(PuzzleState& state, const ChooserParts& parts);

}  // namespace grizzet
