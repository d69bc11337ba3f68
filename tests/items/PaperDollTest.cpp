#include "items/PaperDoll.h"

#include <gtest/gtest.h>

namespace varn {

namespace {

TEST(PaperDollReloadFlags, PuttingDownInASlotSetsItsFlagInLayerOrder) {
    // By EquipSlot, bit f for flag f. Any amulet slot sets all three amulet flags; past them the
    // flags follow the layers, not the slots; rings have no art and no flag.
    const int flagsOfSlot[kEquipSlotCount] = {7,      7,      7, 1 << 3, 1 << 4, 1 << 8, 1 << 6,
                                              1 << 7, 1 << 5, 0, 0,      0,      0,      0,
                                              0,      0,      0, 1 << 9, 1 << 10};
    for (int s = 0; s < kEquipSlotCount; ++s) {
        PaperDollReloadFlags reload;
        reload.RequestSlot(static_cast<EquipSlot>(s));
        for (int f = 0; f < kReloadFlagCount; ++f) {
            EXPECT_EQ(reload.flags[f], (flagsOfSlot[s] >> f) & 1) << "slot " << s << " flag " << f;
        }
    }
}

}  // namespace

}  // namespace varn
