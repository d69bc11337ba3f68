#pragma once

#include <array>
#include <cstdint>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "frontend/SaveFiles.h"
#include "frontend/ScreenArt.h"
#include "world/GameState.h"

namespace varn {

class GraphicsDevice;

// Button ids: the five slots by number, then the two buttons below them.
enum SaveSlotButton : uint8_t {
    kSlotButtonFirst = 1,
    kSlotButtonLast = 5,
    kSlotConfirm = 6,
    kSlotBack = 7,
};

// A slot is as wide as its picture, so that its texts fit the box even at the plain look's
// smaller scale.
inline constexpr int16_t kSlotWidth = 700;
inline constexpr int16_t kSlotHeight = 64;
inline constexpr int16_t kSlotLeft = 50;

inline constexpr ButtonRect kSaveSlotButtons[] = {
    {1, kSlotLeft, 120, kSlotWidth, kSlotHeight},
    {2, kSlotLeft, 190, kSlotWidth, kSlotHeight},
    {3, kSlotLeft, 260, kSlotWidth, kSlotHeight},
    {4, kSlotLeft, 330, kSlotWidth, kSlotHeight},
    {5, kSlotLeft, 400, kSlotWidth, kSlotHeight},
    {kSlotConfirm, 420, 490, 192, 64},
    {kSlotBack, 188, 490, 192, 64},
};

enum SaveSlotPicture : int32_t {
    kSlotPictureSlot = 0,
    kSlotConfirmSlot = 1,
    kSlotBackSlot = 2,
};

// The slot picture has a fourth frame for the chosen slot.
inline constexpr int32_t kChosenSlotFrame = 3;

inline constexpr PictureLoad kSaveSlotPictures[] = {
    {kSlotPictureSlot, "Art\\Menu2\\Slot.bmp", kSlotWidth, kSlotHeight, 0xFF000000},
    {kSlotConfirmSlot, "Art\\Menu2\\Ok.bmp", 192, 64, 0xFF000000},
    {kSlotBackSlot, "Art\\Menu2\\Back.bmp", 192, 64, 0xFF000000},
};

// The five save slots, each empty, damaged or showing the player's name and day of the game it
// holds, one of them chosen; the new-game and the load screens differ only in their title.
class SaveSlotScreen {
  public:
    virtual ~SaveSlotScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Show(const char* newTitle, const SlotSummaries& summaries, uint8_t chosen);
    void Draw();

    ButtonBar buttons{kSaveSlotButtons};
    ScreenArt art;
    const char* title = "";
    SlotSummaries slots{};
    uint8_t chosenSlot = 1;
};

}  // namespace varn
