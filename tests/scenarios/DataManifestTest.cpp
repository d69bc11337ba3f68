#include <gtest/gtest.h>
#include <strings.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "app/PictureTables.h"
#include "battle/BattleWorld.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "support/BattleGame.h"
#include "support/HeadlessGame.h"
#include "support/HousePlayer.h"

namespace varn {

namespace {

// One spelling for a game path: forward slashes, no doubled ones, lower case.
std::string Normalised(std::string path) {
    std::string out;
    for (char c : path) {
        char next =
            c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (next == '/' && !out.empty() && out.back() == '/') {
            continue;
        }
        out.push_back(next);
    }
    return out;
}

struct ManifestPicture {
    int width = 0;
    int height = 0;
};

// Every manifest row by normalised path; pictures carry their size, other files 0 x 0.
std::map<std::string, ManifestPicture> ManifestRows() {
    std::map<std::string, ManifestPicture> rows;
    std::ifstream manifest(VARN_SOURCE_DIR "/tools/placeholder/manifest.txt");
    std::string line;
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        std::string kind;
        std::string path;
        if (!(fields >> kind >> path) || kind[0] == '#') {
            continue;
        }
        ManifestPicture& row = rows[Normalised(path)];
        std::string size;
        if (kind != "wav" && kind != "mid" && kind != "mp3" && kind != "txt" && fields >> size) {
            std::sscanf(size.c_str(), "%dx%d", &row.width, &row.height);
        }
    }
    return rows;
}

}  // namespace

// Every file the game asks for while a scripted run visits its screens must be in the
// placeholder data set, or a player without game data would see a hole.
TEST(DataManifest, CoversEveryFileAScriptedRunAsksFor) {
    const std::map<std::string, ManifestPicture> manifest = ManifestRows();
    ASSERT_FALSE(manifest.empty());

    HeadlessGame game;
    game.RunFrames(3);
    HeadlessGame::backend().SetKey(kKeyEscape, true);
    game.RunFrames(1);
    ASSERT_EQ(game.app.quit, 1);

    int count = 0;
    for (const std::string& asked : HeadlessGame::backend().filesAsked) {
        std::string path = Normalised(asked);
        if (path.rfind("saves/", 0) == 0) {
            continue;  // the player's own files
        }
        ++count;
        EXPECT_TRUE(manifest.count(path)) << path << " has no row in the placeholder manifest";
    }
    EXPECT_GT(count, 5);
}

// Every house of every kind visited from the map, by the player and by a hero, with a talk:
// every file the visits ask for has a row.
TEST(DataManifest, CoversEveryFileOfTheHouseVisits) {
    const std::map<std::string, ManifestPicture> manifest = ManifestRows();
    HeadlessGame game;
    HousePlayer player{game};
    player.EnterMap();
    player.PressKey(kKeyReturn);
    HeadlessGame::backend().filesAsked.clear();
    const struct {
        HouseKind kind;
        int houses;
    } kKinds[] = {{HouseKind::Village, 9}, {HouseKind::Town, 4},   {HouseKind::Castle, 1},
                  {HouseKind::Palace, 1},  {HouseKind::Temple, 1}, {HouseKind::Tower, 1}};
    int visits = 0;
    for (const auto& kind : kKinds) {
        for (int number = 1; number <= kind.houses; ++number) {
            const CharacterId visitor = static_cast<CharacterId>(1 + visits % 11);
            player.EnterHouse(kind.kind, static_cast<uint8_t>(number), visitor);
            ASSERT_NE(player.House(), nullptr);
            player.ClickHouseButton(kTalkButton);
            player.PressKey(kKeyEscape);
            ASSERT_EQ(player.House(), nullptr);
            player.Frames(2);
            ++visits;
        }
    }
    int houseFiles = 0;
    for (const std::string& asked : HeadlessGame::backend().filesAsked) {
        const std::string path = Normalised(asked);
        houseFiles += path.rfind("art/house/", 0) == 0 ? 1 : 0;
        EXPECT_TRUE(manifest.count(path)) << path << " has no row in the placeholder manifest";
    }
    EXPECT_GT(houseFiles, 17);
}

// Every screen's picture table, read directly: each file has a row, and each frame size fits
// the picture the data set holds.
TEST(DataManifest, CoversEveryScreensPictureTable) {
    const std::map<std::string, ManifestPicture> manifest = ManifestRows();
    for (const NamedPictureTable& table : AllPictureTables()) {
        for (const PictureLoad& load : table.loads) {
            SCOPED_TRACE(std::string(table.owner) + ": " + load.file);
            const auto row = manifest.find(Normalised(load.file));
            ASSERT_NE(row, manifest.end()) << "no row in the placeholder manifest";
            EXPECT_LE(load.frameWidth, row->second.width);
            EXPECT_LE(load.frameHeight, row->second.height);
        }
    }
}

// Every numbered battle, in groups that run side by side: created with every ally coming, its
// turn banner answered, the end of the turn pressed and some frames of the computer sides'
// planning, walking and striking run; then the next battle's screen takes its place. Every file
// the battles ask for has a row, and nothing trips the sanitizers on the way.
class EveryBattle : public testing::TestWithParam<int> {};

TEST_P(EveryBattle, RunsAndAsksOnlyForFilesOfTheManifest) {
    constexpr int kGroups = 6;
    const std::map<std::string, ManifestPicture> manifest = ManifestRows();
    BattleGame game;
    game.world().questState.fill(5);
    game.world().defenderFound() = 1;
    int played = 0;
    for (int battle = 1 + GetParam(); battle <= 93; battle += kGroups) {
        if (!HasBattleScenario(battle)) {
            continue;
        }
        SCOPED_TRACE(battle);
        FreeOwned(game.app.battleScreen);
        game.EnterBattle(static_cast<uint8_t>(battle));
        ASSERT_TRUE(game.InBattle());
        ASSERT_TRUE(game.app.battleScreen);
        game.ClickAway();
        game.ClickSideButton(kSideEndTurn);
        EXPECT_TRUE(game.screen().allyPhase != 0 || game.screen().enemyPhase != 0);
        game.RunFastWhile([] { return true; }, 20);
        EXPECT_TRUE(game.InBattle());
        ++played;
    }
    EXPECT_GE(played, 86 / kGroups);
    for (const std::string& asked : HeadlessGame::backend().filesAsked) {
        const std::string path = Normalised(asked);
        if (path.rfind("saves/", 0) != 0) {
            EXPECT_TRUE(manifest.count(path)) << path << " has no row in the placeholder manifest";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Groups, EveryBattle, testing::Range(0, 6));

}  // namespace varn
