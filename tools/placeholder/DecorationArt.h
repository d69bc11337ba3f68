#pragma once

#include <string>

#include "Canvas.h"

namespace varn {

namespace placeholder {

// A small decoration of the map's ground, as a ground row names it: <thing>/<ground>, for example
// "rocks/waste". The game stretches these pieces over its ground without a colour key, so each
// frame is the thing on its own ground, filling the frame.
struct DecorationPlan {
    std::string thing;
    std::string ground;
};

// The things: rocks, pebbles, scrub and ruins.
bool ParseDecoration(const std::string& kind, DecorationPlan& plan);

// Frame n of the decoration over the ground already drawn in the frame; frames differ.
void DrawDecoration(Canvas& canvas, const DecorationPlan& plan, int frame, int left, int top,
                    int width, int height);

}  // namespace placeholder

}  // namespace varn
