#include <gtest/gtest.h>

#include <span>

#include "engine/DataBlob.h"
#include "frontend/MainMenuScreen.h"
#include "frontend/SaveFiles.h"
#include "scenarios/FrontEndDriver.h"
#include "support/GoldenImage.h"
#include "world/GameState.h"
#include "world/HallOfFameImage.h"

namespace varn {

// The menu with the pointer over Load (drawn larger) and a notice from a refused load.
TEST(FrontEndGolden, MainMenu) {
    HeadlessGame game;
    FrontEndDriver player(game);
    game.app.notice = "The game in slot 2 could not be loaded.";
    const ButtonRect& load = kMainMenuButtons[1];
    player.PointAt(load.x + 20, load.y + 20);
    player.Frame();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "main-menu");
}

TEST(FrontEndGolden, HallOfFame) {
    HeadlessGame game;
    FrontEndDriver player(game);
    GameState record;
    const char* names[] = {"Ann Lee", "Bo", "Cyd"};
    const int32_t scores[] = {1250, 480, 7};
    for (size_t i = 0; i < 3; ++i) {
        record.hofUsed[i] = 1;
        record.hofScore[i] = scores[i];
        record.hofName[i] = EncodeGlyphs(names[i]);
    }
    DataBlob blob;
    blob.Alloc(kHallOfFameImageSize);
    WriteHallOfFameImage(record,
                         std::span<uint8_t, kHallOfFameImageSize>(blob.data, kHallOfFameImageSize));
    ASSERT_EQ(blob.SaveToFile(kHallOfFamePath), 1u);
    player.Frame();
    player.Click(kMainMenuButtons, kMenuHallOfFame);
    player.Frame();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "hall-of-fame");
}

}  // namespace varn
