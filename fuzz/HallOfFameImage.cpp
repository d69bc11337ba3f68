#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "world/GameState.h"
#include "world/HallOfFameImage.h"

using namespace varn;

// The hall-of-fame reader must refuse bad images untouched and give back what it accepted.

namespace {

void Check(std::span<const uint8_t> image) {
    GameState world;
    const GameState before = world;
    if (!ReadHallOfFameImage(image, world)) {
        if (!(static_cast<const GameStateData&>(world) == before)) {
            std::abort();
        }
        return;
    }
    std::vector<uint8_t> written(kHallOfFameImageSize);
    WriteHallOfFameImage(
        world, std::span<uint8_t, kHallOfFameImageSize>(written.data(), kHallOfFameImageSize));
    GameState reread;
    if (!ReadHallOfFameImage(written, reread) || reread.hofScore != world.hofScore ||
        reread.hofName != world.hofName || reread.hofUsed != world.hofUsed) {
        std::abort();
    }
    world.finalScore = 12345;
    world.InsertHallOfFame();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check(std::span<const uint8_t>(data, size));
    if (size < 1) {
        return 0;
    }
    // Lay short inputs over an empty hall at a slot the first byte chooses.
    std::vector<uint8_t> image(kHallOfFameImageSize, 0);
    const size_t offset = data[0] % (kHallOfFameImageSize / 4) * 4;
    std::memcpy(image.data() + offset, data + 1, std::min(size - 1, image.size() - offset));
    Check(image);
    return 0;
}
