#pragma once

#include <string>
#include <vector>

#include "Canvas.h"

namespace varn {

namespace placeholder {

// Every door of a building is drawn in this colour and nothing else on the map uses it, so that
// where a door stands can be read back from the picture.
constexpr Rgb kDoorColour = {60, 40, 30};

// A building on a piece of map ground, as a ground row names it:
// <building>@<door column>,<door row>[/<ground under it>], for example "tower@1,3/waste".
// The frame is cut into the 5 x 5 cells of the map; the door stands inside the named cell, the
// one the game enters the place by.
struct BuildingPlan {
    std::string building;
    int doorColumn = 0;
    int doorRow = 0;
    std::string ground = "grass";
    // Where the map plants flags on the picture: the foot of each pole, in the frame's pixels.
    std::vector<Point> flagFeet;
};

// The buildings: village, town, palace, temple, castle, tower, goldmine, ironmine, camp, fortress
// (a foe's castle) and shrine (a foe's temple).
bool ParseBuilding(const std::string& kind, BuildingPlan& plan);

// The building's silhouette over the ground already drawn in the frame at (left, top). A flag the
// map plants above it stands on a mast of the building's stone (a timber pole for plain places)
// rising behind it from its base; one planted on the ground before it, on a plinth.
void DrawBuilding(Canvas& canvas, const BuildingPlan& plan, int left, int top, int width,
                  int height);

}  // namespace placeholder

}  // namespace varn
