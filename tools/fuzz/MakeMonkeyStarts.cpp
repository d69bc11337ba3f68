// Writes the start records of the monkey fuzz target that the game cannot save by itself: no save
// is made inside a house or a meeting, so these are new games on the map with the party one step
// from a house of each kind and with hero 1 joined beside it; the monkey's input walks in. Usage:
// varn_monkey_starts <folder>.

#include <cstdio>
#include <filesystem>
#include <span>
#include <string>

#include "engine/DataBlob.h"
#include "world/GameState.h"
#include "world/MapCells.h"
#include "world/SaveImage.h"

using namespace varn;

namespace {

// A cell one step from each kind of house: below village 1, town 1, the palace and the temple,
// right of the castle, below the tower.
struct HouseStep {
    const char* file;
    int32_t cell;
};
constexpr HouseStep kHouseSteps[] = {
    {"step-from-village.save", 1403}, {"step-from-town.save", 10012},
    {"step-from-palace.save", 977},   {"step-from-temple.save", 8462},
    {"step-from-castle.save", 4376},  {"step-from-tower.save", 4562},
};
// The cell right of the party's start.
constexpr int32_t kBesideStart = 1504;

// The record with the view centred on the party, as a save from the map writes it.
bool Write(const GameState& world, const std::filesystem::path& file) {
    int32_t x = 0;
    int32_t y = 0;
    DataBlob blob;
    if (!MapCellCorner(world.playerMapCell, x, y) || blob.Alloc(kSaveImageSize) == nullptr) {
        return false;
    }
    WriteSaveImage(world, x - kMapViewWidth / 2, y - kMapViewHeight / 2,
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
    bool written = true;
    for (const HouseStep& step : kHouseSteps) {
        GameState nearHouse = NewGame();
        nearHouse.playerMapCell = step.cell;
        written = written && Write(nearHouse, folder / step.file);
    }
    GameState withHero = NewGame();
    withHero.HeroJoined(1) = 1;
    withHero.HeroMapCell(1) = kBesideStart;
    if (!written || !Write(withHero, folder / "hero-beside.save")) {
        std::fprintf(stderr, "varn_monkey_starts: could not write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
