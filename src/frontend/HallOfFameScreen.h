#pragma once

#include <array>
#include <cstdint>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "frontend/ScreenArt.h"
#include "world/GameState.h"

namespace varn {

class GraphicsDevice;

enum HallOfFameButton : uint8_t { kHallBack = 1 };

inline constexpr ButtonRect kHallOfFameButtons[] = {
    {kHallBack, 304, 510, 192, 64},
};

enum HallOfFamePicture : int32_t { kHallLettersSlot = 0, kHallBackSlot = 1 };

inline constexpr PictureLoad kHallOfFamePictures[] = {
    {kHallLettersSlot, "Art\\Name\\Letters.bmp", 16, 32, 0xFF000000},
    {kHallBackSlot, "Art\\Menu2\\Back.bmp", 192, 64, 0xFF000000},
};

// What the hall of fame says before anyone has a score in it.
inline constexpr const char* kNoScoreLine = "No one has a score in the hall of fame yet.";

// The five places of the hall of fame: number, name and score of each place in use.
class HallOfFameScreen {
  public:
    virtual ~HallOfFameScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Show(const GameState& world);
    void Draw();
    // No place in use: the screen shows kNoScoreLine in place of the rows.
    bool IsEmpty() const;

    ButtonBar buttons{kHallOfFameButtons};
    ScreenArt art;
    std::array<uint8_t, kHallOfFamePlaces> used{};
    std::array<int32_t, kHallOfFamePlaces> score{};
    std::array<GlyphString, kHallOfFamePlaces> name{};
};

}  // namespace varn
