#pragma once

#include <cstdint>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "frontend/ScreenArt.h"

namespace varn {

class GraphicsDevice;

// The two portraits are buttons 1 and 2: a portrait's id is the player's choice.
enum PortraitButton : uint8_t {
    kPortraitFirst = 1,
    kPortraitSecond = 2,
    kPortraitConfirm = 3,
    kPortraitBack = 4,
};

inline constexpr ButtonRect kPortraitButtons[] = {
    {kPortraitFirst, 140, 130, 220, 280},
    {kPortraitSecond, 440, 130, 220, 280},
    {kPortraitConfirm, 420, 470, 192, 64},
    {kPortraitBack, 188, 470, 192, 64},
};

enum PortraitPicture : int32_t {
    kPortraitFirstSlot = 1,
    kPortraitSecondSlot = 2,
    kPortraitChosenSlot = 0,
    kPortraitConfirmSlot = 3,
    kPortraitBackSlot = 4,
};

// The frame around the chosen portrait has four frames of a glow that runs round.
inline constexpr int32_t kChosenFrameCount = 4;

inline constexpr PictureLoad kPortraitPictures[] = {
    {kPortraitFirstSlot, "Art\\Name\\Portrait1.bmp", 0, 0, 0},
    {kPortraitSecondSlot, "Art\\Name\\Portrait2.bmp", 0, 0, 0},
    {kPortraitChosenSlot, "Art\\Name\\Chosen.bmp", 220, 280, 0xFF000000},
    {kPortraitConfirmSlot, "Art\\Menu2\\Ok.bmp", 192, 64, 0xFF000000},
    {kPortraitBackSlot, "Art\\Menu2\\Back.bmp", 192, 64, 0xFF000000},
};

// The choice of the player's portrait: two pictures sliding in from the sides, a glowing frame
// round the chosen one, confirm and back.
class PortraitScreen {
  public:
    // The portraits start this far out and slide in one pixel a step.
    static constexpr int32_t kSlideDistance = 90;
    // Steps of the glow timer per frame of the glow.
    static constexpr uint32_t kStepsPerGlowFrame = 10;

    virtual ~PortraitScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Animate(uint8_t glowSteps, uint8_t slideSteps);
    void Draw();

    ButtonBar buttons{kPortraitButtons};
    ScreenArt art;
    uint8_t chosenPortrait = kPortraitFirst;
    uint32_t glowSteps = 0;
    int32_t slideOffset = kSlideDistance;
};

}  // namespace varn
