#pragma once

#include <cstdint>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "frontend/ScreenArt.h"

namespace varn {

class GraphicsDevice;

enum CreditsButton : uint8_t { kCreditsBack = 1 };

inline constexpr ButtonRect kCreditsButtons[] = {
    {kCreditsBack, 304, 510, 192, 64},
};

enum CreditsPicture : int32_t { kCreditsTitleSlot = 0, kCreditsBackSlot = 1 };

inline constexpr PictureLoad kCreditsPictures[] = {
    {kCreditsTitleSlot, "Art\\Menu\\Title.bmp", 0, 0, 0},
    {kCreditsBackSlot, "Art\\Menu2\\Back.bmp", 192, 64, 0xFF000000},
};

// Who made the game, under its title, with a button back to the main menu.
class CreditsScreen {
  public:
    virtual ~CreditsScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Draw();

    ButtonBar buttons{kCreditsButtons};
    ScreenArt art;
};

}  // namespace varn
