#pragma once

#include <cstdint>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "frontend/ScreenArt.h"

namespace varn {

class GraphicsDevice;

enum NameEntryButton : uint8_t { kNameConfirm = 1, kNameBack = 2 };

inline constexpr ButtonRect kNameEntryButtons[] = {
    {kNameConfirm, 420, 420, 192, 64},
    {kNameBack, 188, 420, 192, 64},
};

enum NameEntryPicture : int32_t { kNameConfirmSlot = 0, kNameBackSlot = 1 };

inline constexpr PictureLoad kNameEntryPictures[] = {
    {kNameConfirmSlot, "Art\\Menu2\\Ok.bmp", 192, 64, 0xFF000000},
    {kNameBackSlot, "Art\\Menu2\\Back.bmp", 192, 64, 0xFF000000},
};

// Where the typed name stands: centred on this x, its letters' tops at this y.
inline constexpr int32_t kNameCentreX = 400;
inline constexpr int32_t kNameTop = 284;

// The new game's name entry: a title over the typed name, confirm and back.
class NameEntryScreen {
  public:
    virtual ~NameEntryScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Draw();
    // The typing cursor blinks: shown for half a blink's steps, hidden for the other half.
    bool CursorShown() const { return cursorSteps % kCursorBlinkSteps < kCursorBlinkSteps / 2; }

    static constexpr uint32_t kCursorBlinkSteps = 180;

    ButtonBar buttons{kNameEntryButtons};
    ScreenArt art;
    uint32_t cursorSteps = 0;
};

}  // namespace varn
