#include <gtest/gtest.h>

#include "characters/ArmyPanel.h"

#include "../engine/DrawingDevice.h"
#include "engine/Font.h"
#include "engine/SpriteSet.h"
#include "support/GameData.h"

namespace varn {

namespace {

ArmyRecord OneArmy(uint8_t alive, uint8_t light, uint8_t serious, uint8_t critical) {
    ArmyRecord army;
    army.present[0] = 1;
    army.alive[0] = alive;
    army.light[0] = light;
    army.serious[0] = serious;
    army.critical[0] = critical;
    return army;
}

}  // namespace

TEST(ArmyPanel, EachWoundedManIsCountedOnceAndNoneOfTheFallen) {
    // Rows of "at least" counts: a man with a critical wound is also in the serious and light rows.
    EXPECT_EQ(MenWounded(OneArmy(8, 8, 8, 8), 0), 8);
    EXPECT_EQ(MenWounded(OneArmy(19, 5, 3, 1), 0), 5);
    EXPECT_EQ(MenWounded(OneArmy(10, 0, 0, 0), 0), 0);
    // A lost battle downs the last man and leaves the rows as they were.
    EXPECT_EQ(MenWounded(OneArmy(0, 8, 8, 8), 0), 0);
    EXPECT_EQ(MenWounded(OneArmy(3, 19, 19, 12), 0), 3);
}

TEST(ArmyPanel, OneManIsAManAndAnyOtherCountMen) {
    EXPECT_EQ(MenStanding(1), "1 man");
    EXPECT_EQ(MenStanding(0), "0 men");
    EXPECT_EQ(MenStanding(2), "2 men");
    EXPECT_EQ(MenStanding(120), "120 men");
}

class ArmyPanelDrawing : public DrawingDeviceTest {
  protected:
    GameDataDir data_;
};

// The panel of the character screens, the meeting and the army exchange shows every kind by its
// figure, the elite kinds without an icon included.
TEST_F(ArmyPanelDrawing, EveryKindShowsItsFigureInItsPlace) {
    SpriteSet figures;
    figures.Init(&device, kArmyUnitSlotCount);
    LoadPictures(figures, kArmyFigurePictures);
    Font font;
    ASSERT_EQ(font.Create(&device, "Arial", 16, 0, 0, 0, 0), 1);
    const UnitType kinds[] = {UnitType::EliteGuards, UnitType::SwordsMen, UnitType::Warriors,
                              UnitType::Priests,     UnitType::Peasants,  UnitType::Dogs2};
    ArmyRecord army;
    for (size_t slot = 0; slot < std::size(kinds); ++slot) {
        army.present[slot] = 1;
        army.unitId[slot] = static_cast<uint8_t>(static_cast<int>(kinds[slot]) + 1);
        army.unitType[slot] = static_cast<uint8_t>(kinds[slot]);
        army.alive[slot] = 1;
    }
    const ArmyPanelLayout layout = {10, 10, 0, kArmyCellHeight};
    DrawArmyPanel({&figures, &font}, army, layout, -1);
    const auto figureSize = static_cast<int>(kArmyPictureSize * kFigureScale);
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        const int top = layout.y + slot * layout.stepY;
        EXPECT_GT(Count(layout.x, top, layout.x + figureSize, top + figureSize),
                  figureSize * figureSize / 20)
            << "slot " << slot;
    }
    font.Release();
    figures.Free();
}

}  // namespace varn
