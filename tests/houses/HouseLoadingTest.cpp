#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "houses/HouseScreen.h"
#include "support/HeadlessGame.h"

namespace varn {

namespace {

class HouseLoading : public testing::Test {
  protected:
    // What the game loaded to start is not the houses'.
    HouseLoading() { Forget(); }

    void Forget() { HeadlessGame::backend().log.clear(); }
    // The pictures loaded since the last Forget, in order, each as its path, or as "path, key"
    // with keys.
    std::vector<std::string> Loaded(bool withKeys = false) const {
        constexpr std::string_view kLoad = "texture.Load(";
        std::vector<std::string> loaded;
        for (const std::string& line : HeadlessGame::backend().log) {
            if (line.rfind(kLoad, 0) != 0) {
                continue;
            }
            std::string load = line.substr(kLoad.size(), line.size() - kLoad.size() - 1);
            loaded.push_back(withKeys ? load : load.substr(0, load.find(',')));
        }
        return loaded;
    }
    GraphicsDevice* Device() { return &game.app.device; }

    HeadlessGame game;
};

}  // namespace

TEST_F(HouseLoading, EachKindLoadsItsOwnArtAfterTheControlsInItsOrder) {
    const struct {
        HouseKind kind;
        uint8_t number;
        std::vector<std::string> art;
        int32_t mainSlots;
        int32_t iconSlots;
    } kKinds[] = {
        {HouseKind::Village,
         7,
         {"Art\\House\\WriteVillage.bmp", "Art\\House\\Recruit.bmp", "Art\\House\\Village7.bmp",
          "Art\\House\\VillageName7.bmp"},
         33,
         40},
        {HouseKind::Village, 10, {"Art\\House\\WriteVillage.bmp"}, 33, 40},
        {HouseKind::Town,
         4,
         {"Art\\House\\WriteTown2.bmp", "Art\\House\\Recruit2.bmp", "Art\\House\\Town4.bmp",
          "Art\\House\\TownName4.bmp"},
         33,
         40},
        {HouseKind::Town, 0, {"Art\\House\\WriteTown2.bmp"}, 33, 40},
        {HouseKind::Castle,
         0,
         {"Art\\House\\WriteCastle.bmp", "Art\\House\\Recruit2.bmp", "Art\\CastleDone.bmp",
          "Art\\House\\CastleName.bmp"},
         32,
         40},
        {HouseKind::Palace,
         0,
         {"Art\\House\\WritePalace.bmp", "Art\\House\\Recruit3.bmp", "Art\\House\\Palace.bmp",
          "Art\\House\\PalaceName.bmp"},
         32,
         30},
        {HouseKind::Temple,
         0,
         {"Art\\House\\WriteTemple.bmp", "Art\\Controls\\GoldenInfantry.bmp",
          "Art\\House\\Temple.bmp", "Art\\House\\TempleName.bmp"},
         32,
         40},
        {HouseKind::Tower,
         0,
         {"Art\\House\\WriteTower.bmp", "Art\\House\\Recruit2.bmp", "Art\\House\\Tower.bmp",
          "Art\\House\\TowerName.bmp"},
         32,
         40},
    };
    for (const auto& k : kKinds) {
        HouseScreen screen(k.kind);
        screen.houseNumber = k.number;
        screen.visitor = kPlayerCharacter;
        screen.InitMainSprites(Device());
        ASSERT_EQ(screen.mainSprites->count, k.mainSlots);
        // The controls in slot order, the heal price 2 label last where the set has room.
        const std::vector<std::string> controls = Loaded();
        ASSERT_EQ(controls.size(), k.mainSlots == 33 ? 34u : 33u);
        EXPECT_EQ(controls.front(), "Art\\House\\Button1.bmp");
        EXPECT_EQ(controls[controls.size() - 3],
                  k.mainSlots == 33 ? "Art\\House\\Write6.bmp" : "Art\\You\\Training.bmp");
        EXPECT_EQ(controls.back(), "Art\\Heroes\\Letters1.bmp");
        EXPECT_TRUE(screen.font != nullptr && screen.capitalLetters && screen.smallLetters);
        Forget();
        screen.InitHouseArt(Device());
        EXPECT_EQ(Loaded(), k.art);
        EXPECT_EQ(screen.mainSprites->IsLoaded(5), k.art.size() == 4);
        screen.InitArmyPictures(Device());
        EXPECT_EQ(screen.armyIcons->count, k.iconSlots);
        EXPECT_TRUE(screen.armyIcons->IsLoaded(21));
        EXPECT_FALSE(screen.armyIcons->IsLoaded(7));
        EXPECT_TRUE(screen.armyFigures->IsLoaded(7));
        screen.FreeSprites();
        EXPECT_FALSE(screen.mainSprites || screen.houseArt || screen.armyIcons ||
                     screen.armyFigures || screen.font || screen.capitalLetters ||
                     screen.smallLetters);
        Forget();
    }
}

TEST_F(HouseLoading, ThePortraitIsTheVisitorsFace) {
    const struct {
        CharacterId visitor;
        uint8_t portrait;
        const char* file;
    } kFaces[] = {
        {1, 0, "Art\\Heroes\\You1.bmp"},
        {1, 1, "Art\\Heroes\\You2.bmp"},
        {1, 2, nullptr},
        {2, 1, "Art\\Heroes\\Heroe1.bmp"},
        {4, 0, "Art\\Heroes\\Heroe3.bmp"},
        {11, 0, "Art\\Heroes\\Heroe10.bmp"},
        {12, 0, nullptr},
        {0, 0, nullptr},
    };
    for (const auto& face : kFaces) {
        Forget();
        TowerScreen screen;
        screen.visitor = face.visitor;
        screen.portrait = face.portrait;
        screen.InitPortraits(Device());
        ASSERT_TRUE(screen.portraitSprites);
        if (face.file == nullptr) {
            EXPECT_TRUE(Loaded().empty()) << static_cast<int>(face.visitor);
        } else {
            EXPECT_EQ(Loaded(), std::vector<std::string>{face.file});
        }
        screen.FreeSprites();
        EXPECT_FALSE(screen.portraitSprites);
    }
}

TEST_F(HouseLoading, ItemArtHoldsEveryFlaggedItemThatHasAPicture) {
    VillageScreen screen;
    screen.LoadRewardItemArt(Device());
    ASSERT_TRUE(screen.itemArt);
    EXPECT_EQ(screen.itemArt->count, 250);
    EXPECT_TRUE(Loaded().empty());
    // ItemId 200 names no item; 181 and 250 do, 181 keyed black.
    screen.rewardItemFlag[180] = 1;
    screen.rewardItemFlag[199] = 1;
    screen.rewardItemFlag[249] = 1;
    screen.LoadRewardItemArt(Device());
    EXPECT_EQ(Loaded(true), (std::vector<std::string>{"Art\\Items\\Item181.bmp, 0xFF000000",
                                                      "Art\\Items\\Item250.bmp, 0xFFFF0000"}));
    EXPECT_TRUE(screen.itemArt->IsLoaded(249));
    // A second load keeps one set with everything flagged so far.
    Forget();
    screen.rewardItemFlag[0] = 1;
    screen.LoadRewardItemArt(Device());
    EXPECT_EQ(Loaded().size(), 3u);
    EXPECT_TRUE(screen.itemArt->IsLoaded(0));
    EXPECT_TRUE(screen.itemArt->IsLoaded(180));
    EXPECT_FALSE(screen.itemArt->IsLoaded(199));
    screen.FreeSprites();
    EXPECT_FALSE(screen.itemArt);
    // Freeing twice, or a screen never loaded, is harmless.
    screen.FreeSprites();
}

}  // namespace varn
