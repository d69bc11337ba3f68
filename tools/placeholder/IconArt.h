#pragma once

#include <string>

#include "Canvas.h"
#include "PanelArt.h"

namespace varn {

namespace placeholder {

// The shapes an icon row may name besides figures: things found, carried and shown on the map.
bool IsThingShape(const std::string& shape);

// Whether a shape's frames are steps of one animation, drawn in one tint.
bool IsAnimatedShape(const std::string& shape);

// One frame of a thing, tinted so that things of one shape differ; frame counts steps of its
// animation (a waving flag, a flickering fire, an opening chest).
void DrawThing(Canvas& canvas, const FrameCell& cell, const std::string& shape, Rgb tint, int frame,
               const std::string& name);

}  // namespace placeholder

}  // namespace varn
