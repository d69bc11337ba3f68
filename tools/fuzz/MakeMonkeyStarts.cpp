// Writes the start records of the monkey fuzz target that the game cannot save by itself: no save
// is made inside a house or a meeting, so these are new games on the map with the party one step
// from village 1 and with hero 1 joined beside it; the monkey's input walks in. Usage:
// varn_monkey_starts <folder>.

#include <cstdio>
#include <filesystem>
#include <span>
#include <string>

#include "engine/DataBlob.h"
#include "map/MapView.h"
#include "world/GameState.h"
#include "world/SaveImage.h"

using namespace varn;

namespace {

// Village 1's middle cell is 1353; the cell below it is one step away.
constexpr int32_t kBelowVillageOne = 1403;
// The cell right of the party's start.
constexpr int32_t kBesideStart = 1504;

bool Write(const GameState& world, const std::filesystem::path& file) {
    DataBlob blob;
    if (blob.Alloc(kSaveImageSize) == nullptr) {
        return false;
    }
    WriteSaveImage(world, MapView::kStartScrollX, MapView::kStartScrollY,
                   std::span<uint8_t, kSaveImageSize>(blob.data, kSaveImageSize));
    return blob.SaveToFile(file.c_str()) != 0;
}

GameState NewGame() {
    GameState world;
    RunNewGameSetUp(world);
    world.saveSlot = 1;
    return world;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: varn_monkey_starts <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    GameState nearVillage = NewGame();
    nearVillage.playerMapCell = kBelowVillageOne;
    GameState withHero = NewGame();
    withHero.HeroJoined(1) = 1;
    withHero.HeroMapCell(1) = kBesideStart;
    if (!Write(nearVillage, folder / "step-from-village.save") ||
        !Write(withHero, folder / "hero-beside.save")) {
        std::fprintf(stderr, "varn_monkey_starts: could not write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
