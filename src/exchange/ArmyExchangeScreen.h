#pragma once

#include <array>
#include <cstdint>

#include "engine/ButtonBar.h"
#include "engine/Font.h"
#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"
#include "exchange/ExchangePictures.h"
#include "world/CharacterRecords.h"

namespace varn {

class GameState;
class GraphicsDevice;
class InputDevice;

inline constexpr uint8_t kArmyTradeLeaveButton = 1;
inline constexpr ButtonRect kArmyTradeButtons[] = {{kArmyTradeLeaveButton, 336, 552, 128, 32}};

// The boxes and the Leave button, three looks.
inline constexpr PictureLoad kArmyTradePictures[] = {
    kSlotBoxPicture,
    {1, "Art\\Heroes\\ButtonLeave.bmp", 128, 32, 0},
};

// The two columns of six army slots: the first character's on the left, the second's on the
// right.
inline constexpr int32_t kArmyColumnX[2] = {272, 408};
inline constexpr int32_t kArmyColumnTop = 84;
inline constexpr int32_t kArmySlotWidth = 120;
inline constexpr int32_t kArmySlotHeight = 64;
inline constexpr int32_t kArmySlotPitch = 76;

// An army slot of either character: side 0 the first, 1 the second.
struct ArmySlotRef {
    int side = -1;
    int slot = -1;

    bool IsSlot() const { return side >= 0; }
};

// The slot under a point, or none.
ArmySlotRef ArmySlotAt(int32_t x, int32_t y);

// Both characters' armies in two columns; an army dragged onto a slot of either column moves
// there, or changes places with the army standing in it.
class ArmyExchangeScreen {
  public:
    virtual ~ArmyExchangeScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void ReleaseTextures();
    // The pair's names and armies from the world; the leave step writes the armies back.
    void CopyIn(const GameState& world, CharacterId first, CharacterId second);
    void WriteBack(GameState& world) const;

    // Picks up an army under a fresh press of the left button and puts it down where the
    // button is let go; anywhere but a slot it stays where it was.
    void HandleDrag(int32_t x, int32_t y, InputDevice& mouse);
    void Draw(int32_t pointerX, int32_t pointerY);

    ButtonBar buttons{kArmyTradeButtons};
    std::array<CharacterId, 2> characters{};
    std::array<GlyphString, 2> names{};
    std::array<ArmyRecord, 2> armies{};
    ArmySlotRef dragged;

    SpriteSet panel;
    SpriteSet letters;
    SpriteSet units;
    Font font;

  private:
    void DrawSlot(int side, int slot);
};

}  // namespace varn
