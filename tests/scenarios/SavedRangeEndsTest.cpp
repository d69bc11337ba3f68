#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "battle/BattleSideButtons.h"
#include "engine/DataBlob.h"
#include "frontend/SaveFiles.h"
#include "support/MapPlayer.h"
#include "world/ImageSlots.h"
#include "world/SaveImage.h"
#include "world/SaveImageLayout.h"

namespace varn {

namespace {

// Sets every checked field to one end of its range; the rest keep their values.
struct RangeEnd {
    bool high;
    void Int(int32_t& value, SlotCheck check) { value = static_cast<int32_t>(End(check, value)); }
    void Byte(uint8_t& value, SlotCheck check) { value = static_cast<uint8_t>(End(check, value)); }
    int64_t End(SlotCheck check, int64_t kept) const {
        if (check == SlotCheck::Any) {
            return kept;
        }
        const SlotRange range = RangeOf(check);
        return high ? range.high : range.low;
    }
};

std::vector<uint8_t> SavedFile(const char* name) {
    std::ifstream in(std::filesystem::path(VARN_SOURCE_DIR "/fuzz/seeds/LoadAndPlay") / name,
                     std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The party's rules tie the items' cells, owned flags and item cells, the stores and the army
// places to each other: the items stay the seed's, each army stands in the place of its slot.
void KeepThePartysRules(GameStateData& world, const GameStateData& seed) {
    world.playerItems = seed.playerItems;
    world.heroItems = seed.heroItems;
    constexpr std::array<uint8_t, kArmySlotCount> kOwnPlaces = {0, 1, 2, 3, 4, 5};
    world.playerArmy.position = kOwnPlaces;
    for (ArmyRecord& armies : world.heroArmies) {
        armies.position = kOwnPlaces;
    }
    world.heldFlagPalace = seed.heldFlagPalace;
    world.heldItemPalace = seed.heldItemPalace;
    world.heldFlagTemple = seed.heldFlagTemple;
    world.heldItemTemple = seed.heldItemTemple;
    world.heldFlagCastle = seed.heldFlagCastle;
    world.heldItemCastle = seed.heldItemCastle;
    world.heldFlagTower = seed.heldFlagTower;
    world.heldItemTower = seed.heldItemTower;
    world.heldFlagVillage = seed.heldFlagVillage;
    world.heldItemVillage = seed.heldItemVillage;
    world.heldFlagTown = seed.heldFlagTown;
    world.heldItemTown = seed.heldItemTown;
}

// The file of a save of the world, as the game writes it into a slot.
void WriteSlot(const GameState& world, uint8_t slot) {
    DataBlob blob;
    ASSERT_NE(blob.Alloc(kSaveImageSize), nullptr);
    std::span<uint8_t, kSaveImageSize> image(blob.data, kSaveImageSize);
    WriteSaveImage(world, image);
    ASSERT_EQ(blob.SaveToFile(SaveSlotPath(slot).c_str()), 1u);
}

}  // namespace

// A real save with every field the load checks at the low or at the high end of its range, the
// party's rules kept, loads and plays clean: on the map to the day's end and a walk, or in the
// battle through a turn.
TEST(SavedRangeEnds, ASaveWithEveryFieldAtAnEndOfItsRangeLoadsAndPlaysClean) {
    const std::vector<uint8_t> file = SavedFile("map-mid-game.save");
    ASSERT_EQ(file.size(), kImageSlotSize + kSaveImageSize);
    GameState seed;
    ASSERT_TRUE(ReadSaveImage(std::span(file).subspan(kImageSlotSize), seed));
    for (const bool high : {false, true}) {
        for (const bool inBattle : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << (high ? "high" : "low") << (inBattle ? ", battle" : ", map"));
            HeadlessGame game;
            MapPlayer player(game);
            MapPlayer::Backend().presentAdvanceMs = 100;
            GameState world = seed;
            RangeEnd end{high};
            save_layout::VisitSavedFields(end, static_cast<GameStateData&>(world));
            save_layout::VisitMapStateFields(end, static_cast<GameStateData&>(world));
            KeepThePartysRules(world, seed);
            // Units on the field stand on its cells; the game is not over; the battle is resumed
            // or not.
            world.snapEnemyPresent.fill(0);
            world.snapAllyPresent.fill(0);
            world.storyMode = 0;
            world.resumeBattle = inBattle ? 1 : 0;
            WriteSlot(world, 2);

            GameApp& app = game.app;
            app.loadSlot = 2;
            app.loadBlob = std::make_unique<DataBlob>();
            app.loadBlob->LoadFromFile(SaveSlotPath(2).c_str(), nullptr);
            app.SwitchState(LoadGameStateThunk, kPhaseSwitch);
            player.Frame();
            ASSERT_TRUE(app.stateHandler == (inBattle ? BattleStateThunk : MapStateThunk));
            player.Frames(1);
            player.PressKey(kKeyReturn);
            if (inBattle) {
                for (const ButtonRect& button : kSideButtons) {
                    if (button.id == kSideEndTurn) {
                        player.ClickAt(button.x + button.w / 2, button.y + button.h / 2);
                    }
                }
            } else {
                player.ClickPanel(kEndDayButton);
                player.Frames(15);
                player.PressKey(kKeyReturn);
                ASSERT_TRUE(app.mapScreen);
                player.DrawPlayerPath(app.mapScreen->walkX + 80, app.mapScreen->walkY);
                player.PressKey(kKeyReturn);
            }
            player.Frames(20);
        }
    }
}

}  // namespace varn
