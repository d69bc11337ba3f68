#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "frontend/ScreenArt.h"
#include "world/GameState.h"

namespace varn {

class GraphicsDevice;

enum StoryButton : uint8_t { kStoryNext = 1 };

inline constexpr ButtonRect kStoryButtons[] = {
    {kStoryNext, 560, 520, 192, 64},
};

// A page's picture sits in the slot of its story mode.
enum StoryPicture : int32_t { kStoryNextSlot = 0 };

inline constexpr PictureLoad kStoryPictures[] = {
    {kStoryNextSlot, "Art\\Menu2\\Next.bmp", 192, 64, 0xFF000000},
    {kStoryOpening, "Art\\Menu2\\Story1.bmp", 0, 0, 0},
    {kStorySurrender, "Art\\Menu2\\Story2.bmp", 0, 0, 0},
    {kStoryPeace, "Art\\Menu2\\Story3.bmp", 0, 0, 0},
    {kStoryVictory, "Art\\Menu2\\Story4.bmp", 0, 0, 0},
};

// The page of a story mode; a mode no page has (a world from before any story) shows the
// opening.
uint8_t StoryPage(uint8_t storyMode);
std::span<const std::string_view> StoryLines(uint8_t page);

// One page of the story: its picture, and its lines rising into place below it.
class StoryScreen {
  public:
    // The lines start this far below their place and rise one pixel a step.
    static constexpr int32_t kRiseDistance = 120;

    virtual ~StoryScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Animate(uint8_t riseSteps);
    void Draw();

    ButtonBar buttons{kStoryButtons};
    ScreenArt art;
    uint8_t page = kStoryOpening;
    int32_t rise = kRiseDistance;
};

}  // namespace varn
