#pragma once

#include <cstdint>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "engine/Texture.h"
#include "frontend/NameEntryScreen.h"
#include "frontend/NameLetters.h"
#include "frontend/ScreenArt.h"

namespace varn {

class GraphicsDevice;

// The background, one texture stretched over the screen.
inline constexpr PictureLoad kNameScreenTextures[] = {
    {0, "Bitmaps\\Name.bmp", 0, 0, 0},
};

// The rename of an army or a hero: a title, the name being typed, and the new game's name
// entry's confirm and back buttons.
class NameScreen {
  public:
    virtual ~NameScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Draw(bool hero);

    ButtonBar buttons{kNameEntryButtons};
    ScreenArt art;
    Texture background;
    NameLetters letters;
};

}  // namespace varn
