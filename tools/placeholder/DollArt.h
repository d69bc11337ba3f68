#pragma once

#include <string>

#include "Canvas.h"
#include "PanelArt.h"

namespace varn {

namespace placeholder {

// The pieces of a paper doll: the body behind, the bare parts and every worn item. All are cut
// from one figure standing in a 256 x 448 frame, each piece in the frame the game draws it in
// at its place on the doll, so that the pieces join into one person whatever is worn.
bool IsDollShape(const std::string& shape);

// One piece. Its place among a pair or the three amulets is the shape's last letter
// (worn-amulet-b) or, for a bare pair, the frame.
void DrawDollPiece(Canvas& canvas, const FrameCell& cell, const std::string& shape, Rgb tint,
                   int frame);

}  // namespace placeholder

}  // namespace varn
