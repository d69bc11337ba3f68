#pragma once

#include <string>

#include "Canvas.h"
#include "PanelArt.h"

namespace varn {

namespace placeholder {

// Who a figure stands for: the player's side, the foe's, or nobody's.
enum class Side { Ours, Foe, Neutral };

// How one frame of a figure stands: facing 0..7 clockwise from up, step 0..3 of a walk or a
// strike.
struct Pose {
    int facing = 4;
    int step = 0;
    bool striking = false;
};

// A soldier in his side's colours; tint tells kinds apart (the badge on his shield).
void DrawPerson(Canvas& canvas, const FrameCell& cell, Side side, Rgb tint, const Pose& pose);
// A four-legged beast in its side's coat and collar.
void DrawBeast(Canvas& canvas, const FrameCell& cell, Side side, Rgb tint, const Pose& pose);
// A head and shoulders before a tinted ground, as a portrait; look 0..2 picks a helmet, long hair
// or a beard, so that portraits differ by more than their ground.
void DrawFace(Canvas& canvas, const FrameCell& cell, Side side, Rgb tint, int look);

}  // namespace placeholder

}  // namespace varn
