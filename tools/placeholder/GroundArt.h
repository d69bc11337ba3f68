#pragma once

#include <string>

#include "Canvas.h"
#include "Manifest.h"

namespace varn {

namespace placeholder {

// The kinds of ground a ground row may name: grass, meadow, road, forest, desert, earth, water,
// waste, mountain, plains, snow, cliff and woods, or a building (BuildingArt.h) or a decoration
// (DecorationArt.h) on one of them.
bool IsGroundKind(const std::string& kind);

// The picture of a ground row: every frame a seamless piece of its kind of ground, so that pieces
// laid side by side read as a map, with no words; a building stands on its ground with its door
// in the cell the game enters it by.
Canvas DrawGround(const ManifestRow& row);

}  // namespace placeholder

}  // namespace varn
