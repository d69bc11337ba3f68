#include "items/PaperDoll.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::array<uint8_t, kReloadFlagCount> FlagsAfterRequest(EquipSlot slot) {
    PaperDollReloadFlags reload;
    reload.RequestSlot(slot);
    return reload.flags;
}

TEST(PaperDollReloadFlags, PuttingDownInASlotSetsThatSlotsFlag) {
    using Flags = std::array<uint8_t, kReloadFlagCount>;
    EXPECT_EQ(FlagsAfterRequest(EquipSlot::Helmet), (Flags{0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(FlagsAfterRequest(EquipSlot::Armor), (Flags{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(FlagsAfterRequest(EquipSlot::Gloves), (Flags{0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(FlagsAfterRequest(EquipSlot::Pants), (Flags{0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(FlagsAfterRequest(EquipSlot::Shoes), (Flags{0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(FlagsAfterRequest(EquipSlot::Belt), (Flags{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(FlagsAfterRequest(EquipSlot::Shield), (Flags{0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(FlagsAfterRequest(EquipSlot::Sword), (Flags{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
}

TEST(PaperDollReloadFlags, AnyAmuletSlotSetsAllThreeAmuletFlags) {
    using Flags = std::array<uint8_t, kReloadFlagCount>;
    const Flags amulets{1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(FlagsAfterRequest(EquipSlot::Amulet1), amulets);
    EXPECT_EQ(FlagsAfterRequest(EquipSlot::Amulet2), amulets);
    EXPECT_EQ(FlagsAfterRequest(EquipSlot::Amulet3), amulets);
}

TEST(PaperDollReloadFlags, RingSlotsHaveNoFlag) {
    for (int s = static_cast<int>(EquipSlot::Ring1); s <= static_cast<int>(EquipSlot::Ring8); ++s) {
        const auto flags = FlagsAfterRequest(static_cast<EquipSlot>(s));
        EXPECT_EQ(std::count(flags.begin(), flags.end(), 1), 0) << "slot " << s;
    }
}

TEST(PaperDollReloadFlags, RequestAllSetsEveryFlag) {
    PaperDollReloadFlags reload;
    reload.RequestAll();
    for (int f = 0; f < kReloadFlagCount; ++f) {
        EXPECT_EQ(reload.flags[f], 1) << "flag " << f;
    }
}

}  // namespace
