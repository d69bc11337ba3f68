#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "world/GameState.h"
#include "world/SaveImage.h"

using namespace varn;

// Feeds the save-image reader raw inputs and fresh-game images overwritten by the input, then
// runs the record's rules on whatever it accepted.

namespace {

const GameState& FreshGame() {
    static const GameState fresh = [] {
        GameState world;
        RunNewGameSetUp(world);
        return world;
    }();
    return fresh;
}

void Check(std::span<const uint8_t> image) {
    GameState world = FreshGame();
    if (!ReadSaveImage(image, world)) {
        if (!(static_cast<const GameStateData&>(world) == FreshGame())) {
            std::abort();
        }
        return;
    }
    std::vector<uint8_t> written(kSaveImageSize);
    WriteSaveImage(world, std::span<uint8_t, kSaveImageSize>(written.data(), kSaveImageSize));
    GameState reread = FreshGame();
    if (!ReadSaveImage(written, reread) || !(static_cast<const GameStateData&>(reread) == world)) {
        std::abort();
    }
    world.UpdateQuests();
    world.ComputeDailyIncome();
    world.InsertHallOfFame();
    world.SetRoute(world.battleId, world.commanderIsPlayer, world.commanderHero);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check(std::span<const uint8_t>(data, size));
    if (size < 2) {
        return 0;
    }
    // Most inputs are short: lay them over a valid image at a slot the first two bytes choose.
    std::vector<uint8_t> image(kSaveImageSize);
    WriteSaveImage(FreshGame(), std::span<uint8_t, kSaveImageSize>(image.data(), kSaveImageSize));
    const size_t slot = (static_cast<size_t>(data[0]) << 8 | data[1]) % (kSaveImageSize / 4);
    const size_t offset = slot * 4;
    const size_t length = std::min(size - 2, kSaveImageSize - offset);
    std::memcpy(image.data() + offset, data + 2, length);
    Check(image);
    return 0;
}
