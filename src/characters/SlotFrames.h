#pragma once

#include <array>
#include <cstdint>

#include "items/ItemLayout.h"
#include "world/CharacterRecords.h"

namespace varn {

// The square a cell is drawn and pointed at in, in back-buffer pixels.
struct CellFrame {
    int32_t x = 0;
    int32_t y = 0;
    int32_t size = 0;

    bool Holds(int32_t px, int32_t py) const {
        return px >= x && px < x + size && py >= y && py < y + size;
    }
};

using CellFrameTable = std::array<CellFrame, kItemCellCount>;

// The frames of a screen's cells. A bag cell's frame is its icon square. The slots around a doll
// stand closer than an icon is wide, so an equipment slot's square shrinks about its icon's
// centre until it keeps clear of every other frame and of the screen's edges: no two frames
// overlap, and each is centred on its icon.
CellFrameTable CellFramesOf(const CellPositionTable& positions);

}  // namespace varn
