#pragma once

#include <cstdint>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "engine/Texture.h"
#include "frontend/NameLetters.h"
#include "frontend/ScreenArt.h"

namespace varn {

class GraphicsDevice;

enum NameScreenButton : uint8_t { kRenameConfirm = 1, kRenameBack = 2 };

inline constexpr ButtonRect kNameScreenButtons[] = {
    {kRenameConfirm, 420, 420, 192, 64},
    {kRenameBack, 188, 420, 192, 64},
};

enum NameScreenPicture : int32_t { kRenameConfirmSlot = 0, kRenameBackSlot = 1 };

inline constexpr PictureLoad kNameScreenPictures[] = {
    {kRenameConfirmSlot, "Art\\Menu2\\Ok.bmp", 192, 64, 0xFF000000},
    {kRenameBackSlot, "Art\\Menu2\\Back.bmp", 192, 64, 0xFF000000},
};

// The background, one texture stretched over the screen.
inline constexpr PictureLoad kNameScreenTextures[] = {
    {0, "Bitmaps\\Name.bmp", 0, 0, 0},
};

// The rename of an army or a hero: a title, the name being typed, confirm and back.
class NameScreen {
  public:
    virtual ~NameScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Draw(bool hero);

    ButtonBar buttons{kNameScreenButtons};
    ScreenArt art;
    Texture background;
    NameLetters letters;
};

}  // namespace varn
