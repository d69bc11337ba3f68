#include "app/ArmyPicture.h"

#include <gtest/gtest.h>

#include "../engine/DrawingDevice.h"
#include "app/PartyPictures.h"
#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"
#include "support/GameData.h"

namespace varn {

namespace {

class ArmyPictures : public DrawingDeviceTest {
  protected:
    void SetUp() override {
        DrawingDeviceTest::SetUp();
        icons.Init(&device, kArmyUnitSlotCount);
        LoadPictures(icons, kArmyIconPictures);
        figures.Init(&device, kArmyUnitSlotCount);
        LoadPictures(figures, kArmyFigurePictures);
    }
    void TearDown() override {
        icons.Free();
        figures.Free();
    }

    GameDataDir data_;
    SpriteSet icons;
    SpriteSet figures;
};

}  // namespace

// Every kind of army shows something in the icon's box: its icon where it has one, else its
// figure facing the viewer in the same box; a screen of figures only shows the figure.
TEST_F(ArmyPictures, EveryKindFillsTheIconsBoxWithItsIconOrItsFigure) {
    constexpr int32_t kX = 100;
    constexpr int32_t kY = 200;
    constexpr float kScale = 0.8f;
    const int32_t box = static_cast<int32_t>(kArmyPictureSize * kScale);
    for (const PictureLoad& row : kArmyFigurePictures) {
        SCOPED_TRACE(row.file);
        const auto kind = static_cast<uint8_t>(row.slot);
        const bool hasIcon = icons.IsLoaded(kind);
        const PictureDraw picture = ArmyPicture(&icons, &figures, kind, kX, kY, kScale);
        EXPECT_EQ(picture.set, hasIcon ? &icons : &figures);
        EXPECT_EQ(picture.frame, hasIcon ? 0 : kUnitFacingViewer);
        EXPECT_EQ(picture.slot, kind);
        EXPECT_FLOAT_EQ(picture.scaleX, kScale);
        EXPECT_FLOAT_EQ(picture.scaleY, kScale);

        device.Clear(0xFF000000);
        DrawPicture(picture);
        const int inside = Count(kX, kY, kX + box, kY + box);
        EXPECT_GT(inside, box * box / 20) << "the picture reads in its box";
        EXPECT_EQ(Count(0, 0, 800, 600), inside) << "and stays in it";

        const PictureDraw figure = ArmyPicture(nullptr, &figures, kind, kX, kY, kScale);
        EXPECT_EQ(figure.set, &figures);
        EXPECT_EQ(figure.frame, kUnitFacingViewer);
    }
    // The elite kinds have no icon.
    for (const UnitType kind : {UnitType::EliteGuards, UnitType::Priests}) {
        EXPECT_EQ(ArmyPicture(&icons, &figures, static_cast<uint8_t>(kind), 0, 0, 1.0f).set,
                  &figures);
    }
}

}  // namespace varn
