#pragma once

#include <cstdint>
#include <string>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "frontend/ScreenArt.h"

namespace varn {

class GraphicsDevice;

enum SaveQuitButton : uint8_t { kSaveQuitYes = 1, kSaveQuitNo = 2 };

inline constexpr ButtonRect kSaveQuitButtons[] = {
    {kSaveQuitYes, 230, 330, 160, 64},
    {kSaveQuitNo, 410, 330, 160, 64},
};

enum SaveQuitPicture : int32_t { kSaveQuitBoxSlot = 0, kSaveQuitYesSlot = 1, kSaveQuitNoSlot = 2 };

inline constexpr PictureLoad kSaveQuitPictures[] = {
    {kSaveQuitBoxSlot, "Art\\Menu2\\Question.bmp", 0, 0, 0},
    {kSaveQuitYesSlot, "Art\\Menu2\\Yes.bmp", 160, 64, 0xFF000000},
    {kSaveQuitNoSlot, "Art\\Menu2\\No.bmp", 160, 64, 0xFF000000},
};

// The question whether to save the game and quit to the main menu, with Yes and No, and a line
// telling that the last attempt failed.
class SaveQuitDialog {
  public:
    virtual ~SaveQuitDialog() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Draw(const std::string& notice);

    ButtonBar buttons{kSaveQuitButtons};
    ScreenArt art;
};

}  // namespace varn
