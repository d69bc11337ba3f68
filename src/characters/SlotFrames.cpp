#include "characters/SlotFrames.h"

#include <algorithm>
#include <cstdlib>

#include "engine/ScreenSize.h"
#include "items/ItemArt.h"

namespace varn {

namespace {

constexpr int32_t kIconHalf = kItemIconSize / 2;
// Pixels left between two frames, so that each reads as its own.
constexpr int32_t kFrameGap = 2;
constexpr int32_t kSmallestHalf = 12;

struct Centre {
    int32_t x;
    int32_t y;
};

Centre CentreOf(const CellPosition& at) {
    return {at.x + kIconHalf, at.y + kIconHalf};
}

// Squares about two centres keep clear of each other when their halves add up to less than
// the larger of the two distances along an axis.
int32_t Distance(Centre a, Centre b) {
    return std::max(std::abs(a.x - b.x), std::abs(a.y - b.y));
}

}  // namespace

CellFrameTable CellFramesOf(const CellPositionTable& positions) {
    std::array<int32_t, kItemCellCount> half{};
    for (int cell = 0; cell < kItemCellCount; ++cell) {
        const Centre centre = CentreOf(positions[static_cast<size_t>(cell)]);
        int32_t h = kIconHalf;
        if (cell >= kFirstEquipCell) {
            // A frame on the screen's last pixel loses its border there.
            h = std::min({h, centre.x - kFrameGap, centre.y - kFrameGap,
                          kScreenWidth - kFrameGap - centre.x,
                          kScreenHeight - kFrameGap - centre.y});
            for (int other = 0; other < kItemCellCount; ++other) {
                if (other == cell) {
                    continue;
                }
                const int32_t d = Distance(centre, CentreOf(positions[static_cast<size_t>(other)]));
                // A bag cell keeps its whole square; two slots share the room between them.
                const int32_t room =
                    other < kFirstEquipCell ? d - kIconHalf - kFrameGap : (d - kFrameGap) / 2;
                h = std::min(h, room);
            }
            h = std::max(h, kSmallestHalf);
        }
        half[static_cast<size_t>(cell)] = h;
    }
    CellFrameTable frames{};
    for (size_t cell = 0; cell < frames.size(); ++cell) {
        const Centre centre = CentreOf(positions[cell]);
        frames[cell] = {centre.x - half[cell], centre.y - half[cell], 2 * half[cell]};
    }
    return frames;
}

}  // namespace varn
