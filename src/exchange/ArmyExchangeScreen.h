#pragma once

#include <array>
#include <cstdint>

#include "characters/ArmyPanel.h"
#include "characters/PaperDollArt.h"
#include "engine/ButtonBar.h"
#include "engine/Font.h"
#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"
#include "exchange/ExchangeDrawing.h"
#include "exchange/ExchangePictures.h"
#include "items/PaperDoll.h"
#include "world/CharacterRecords.h"

namespace varn {

class GameState;
class GraphicsDevice;
class InputDevice;

inline constexpr uint8_t kArmyTradeLeaveButton = 1;
inline constexpr ButtonRect kArmyTradeButtons[] = {{kArmyTradeLeaveButton, 336, 556, 128, 32}};

// The slot box and the Leave button, three looks.
inline constexpr PictureLoad kArmyTradePictures[] = {
    kSlotBoxPicture,
    {1, "Art\\Heroes\\ButtonLeave.bmp", 128, 32, 0},
};

// The two columns of six army slots: the first character's on the left, the second's on the
// right, each between its character's paper doll and the other column.
inline constexpr std::array<ArmyPanelLayout, 2> kArmyTradeColumns = {{
    {256, 96, 0, 72},
    {400, 96, 0, 72},
}};

// An army slot of either character: side 0 the first, 1 the second.
struct ArmySlotRef {
    int side = -1;
    int slot = -1;

    bool IsSlot() const { return side >= 0; }
};

// The slot under a point, or none.
ArmySlotRef ArmyTradeSlotAt(int32_t x, int32_t y);

// Both characters' armies in two columns beside their paper dolls; an army dragged onto a slot
// of either column moves there, or changes places with the army standing in it. The dolls wear
// what the characters wear: items do not move here.
class ArmyExchangeScreen {
  public:
    virtual ~ArmyExchangeScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void ReleaseTextures();
    // The pair's names, items and armies from the world; false, copying nothing, unless both are
    // characters of the party. The leave step writes the armies back.
    bool CopyIn(const GameState& world, CharacterId first, CharacterId second);
    void WriteBack(GameState& world) const;

    // Picks up an army under a fresh press of the left button and puts it down where the
    // button is let go; anywhere but a slot it stays where it was.
    void HandleDrag(int32_t x, int32_t y, InputDevice& mouse);
    void Draw(PaperDollArt& dollArt, int32_t pointerX, int32_t pointerY);

    ButtonBar buttons{kArmyTradeButtons};
    std::array<CharacterCard, 2> cards{};
    CharacterItems firstItems{};
    CharacterItems secondItems{};
    PaperDollLayers firstDoll;
    PaperDollLayers secondDoll;
    PaperDollReloadFlags firstDollReload;
    PaperDollReloadFlags secondDollReload;
    ArmySlotRef dragged;

    SpriteSet panel;
    SpriteSet letters;
    SpriteSet units;
    Font font;

  private:
    std::array<DollLayerSets, 2> dollSets_;
};

}  // namespace varn
