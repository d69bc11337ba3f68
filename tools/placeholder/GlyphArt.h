#pragma once

#include "Canvas.h"
#include "PanelArt.h"

namespace varn {

namespace placeholder {

// One frame of a letter or digit sheet: the character in ink inside a dark outline, as large as
// the cell allows. Every character of a cell size stands on the same line, with room below it for
// the letters that hang under it, so that a name or a number put together from frames of several
// sheets reads as one line of text on whatever ground the game draws it.
void DrawGlyph(Canvas& canvas, const FrameCell& cell, char character);

}  // namespace placeholder

}  // namespace varn
