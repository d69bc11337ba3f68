#pragma once

#include <cstdint>
#include <string>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "frontend/ScreenArt.h"

namespace varn {

class GraphicsDevice;

// Button ids of the main menu; each button's picture sits in the sprite slot of its id.
enum MainMenuButton : uint8_t {
    kMenuNewGame = 1,
    kMenuLoad = 2,
    kMenuHallOfFame = 3,
    kMenuInformation = 4,
    kMenuCredits = 5,
    kMenuQuit = 6,
};

inline constexpr ButtonRect kMainMenuButtons[] = {
    {kMenuNewGame, 272, 140, 256, 64},    {kMenuLoad, 272, 210, 256, 64},
    {kMenuHallOfFame, 272, 280, 256, 64}, {kMenuInformation, 272, 350, 256, 64},
    {kMenuCredits, 272, 420, 256, 64},    {kMenuQuit, 272, 490, 256, 64},
};

inline constexpr int32_t kMenuTitleSlot = 0;

// Button pictures: frames normal, hovered, pressed.
inline constexpr PictureLoad kMainMenuPictures[] = {
    {kMenuTitleSlot, "Art\\Menu\\Title.bmp", 0, 0, 0},
    {kMenuNewGame, "Art\\Menu\\NewGame.bmp", 256, 64, 0xFF000000},
    {kMenuLoad, "Art\\Menu\\Load.bmp", 256, 64, 0xFF000000},
    {kMenuHallOfFame, "Art\\Menu\\HallOfFame.bmp", 256, 64, 0xFF000000},
    {kMenuInformation, "Art\\Menu\\Information.bmp", 256, 64, 0xFF000000},
    {kMenuCredits, "Art\\Menu\\Credits.bmp", 256, 64, 0xFF000000},
    {kMenuQuit, "Art\\Menu\\Quit.bmp", 256, 64, 0xFF000000},
};

// The first screen: the title, six buttons, and a line for a notice to the player.
class MainMenuScreen {
  public:
    virtual ~MainMenuScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Draw(const std::string& notice);

    ButtonBar buttons{kMainMenuButtons};
    ScreenArt art;
};

}  // namespace varn
