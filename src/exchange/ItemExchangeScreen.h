#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "characters/ItemDragDrop.h"
#include "characters/ItemDrawing.h"
#include "characters/ItemHolder.h"
#include "characters/PaperDollArt.h"
#include "engine/ButtonBar.h"
#include "engine/Font.h"
#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"
#include "exchange/ExchangeDrawing.h"
#include "items/ItemBonuses.h"
#include "items/ItemKinds.h"
#include "items/ItemLayout.h"
#include "items/ItemTexts.h"
#include "items/PaperDoll.h"
#include "world/CharacterRecords.h"

namespace varn {

class GameState;
class GraphicsDevice;
class InputDevice;

// Where each side's 31 cells show their icons: the bag below, the equipment around the doll.
inline constexpr CellPositionTable kFirstSideCells = {{
    {0, 408},   {64, 408},  {128, 408}, {192, 408},  // bag, row 1
    {0, 472},   {64, 472},  {128, 472}, {192, 472},  // bag, row 2
    {0, 536},   {64, 536},  {128, 536}, {192, 536},  // bag, row 3
    {255, 155}, {300, 155}, {345, 155},              // amulets
    {250, 85},                                       // helmet
    {55, 160},                                       // armor
    {281, 313},                                      // belt
    {225, 330},                                      // pants
    {281, 348},                                      // shoes
    {305, 85},                                       // gloves
    {12, 283},  {46, 283},  {80, 283},  {113, 283},  // rings 1..4
    {204, 283}, {238, 283}, {272, 283}, {306, 283},  // rings 5..8
    {320, 220},                                      // shield
    {270, 227},                                      // sword
}};
inline constexpr CellPositionTable kSecondSideCells = {{
    {544, 408}, {608, 408}, {672, 408}, {736, 408},  // bag, row 1
    {544, 472}, {608, 472}, {672, 472}, {736, 472},  // bag, row 2
    {544, 536}, {608, 536}, {672, 536}, {736, 536},  // bag, row 3
    {655, 155}, {700, 155}, {745, 155},              // amulets
    {440, 85},                                       // helmet
    {460, 150},                                      // armor
    {486, 313},                                      // belt
    {434, 330},                                      // pants
    {485, 348},                                      // shoes
    {500, 85},                                       // gloves
    {432, 283}, {466, 283}, {499, 283}, {533, 283},  // rings 1..4
    {625, 283}, {658, 283}, {691, 283}, {725, 283},  // rings 5..8
    {475, 220},                                      // shield
    {430, 220},                                      // sword
}};

// Two whole dolls do not fit between the names and the bags: they stand behind the cells at
// three quarters of their size, clear of the bags and of the description.
inline constexpr float kExchangeDollScale = 0.75f;
inline constexpr std::array<int32_t, 2> kExchangeDollX = {80, 528};
inline constexpr int32_t kExchangeDollY = 48;
// The description between the two bags, below the lowest slots.
inline constexpr DescriptionPlace kExchangeDescription{272, 416, 256, 184, 400, 424};

inline constexpr uint8_t kItemTradeLeaveButton = 1;
inline constexpr ButtonRect kItemTradeButtons[] = {{kItemTradeLeaveButton, 336, 4, 128, 32}};

// The Leave button, three looks, and the letter sheet.
inline constexpr PictureLoad kItemTradePictures[] = {
    {0, "Art\\Heroes\\ButtonLeave.bmp", 128, 32, 0},
    {1, "Art\\Name\\Letters.bmp", 16, 32, 0xFF000000},
};

// Two characters' bags and paper dolls side by side: an item dragged from any cell of either
// goes into any cell of either by the rules of the bag and the doll, and both characters' stats
// follow what they wear.
class ItemExchangeScreen {
  public:
    virtual ~ItemExchangeScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void ReleaseTextures();

    // The entry's copy-in: both characters' items and owned flags, both bags laid out, the icons
    // marked, both dolls dressed, the names measured, the kinds and icons loaded. False, copying
    // nothing, unless both are characters of the party.
    bool CopyIn(const GameState& world, CharacterId first, CharacterId second);
    // Cells, owned flags and the cell numbers of the items each character holds.
    void WriteBack(GameState& world) const;

    // Icons are needed of every item either character owns.
    void MarkNeededIcons();
    // Both sides' items at their cells' places.
    void LayOut();
    // Both characters' items as the drag-and-drop rules see them.
    std::array<ItemHolder, 2> Holders();

    // One frame of the mouse on the items: picks up, follows, puts down (the four drop handlers:
    // two bags and two sets of equipment slots), points at. True in a frame with a drag.
    bool HandleMouse(InputDevice& mouse, int32_t x, int32_t y);
    // The stats as the world holds them after the sums, for drawing.
    void ShowStats(const GameState& world);
    void Draw(PaperDollArt& dollArt, SpriteSet& panelSprites);

    CharacterId firstCharacter = kNoCharacter;
    CharacterId secondCharacter = kNoCharacter;
    CharacterItems firstItems{};
    CharacterItems secondItems{};
    std::array<uint8_t, kItemTableSize> firstOwned{};
    std::array<uint8_t, kItemTableSize> secondOwned{};
    std::array<uint8_t, kItemTableSize> iconNeeded{};
    // Per item id, shared by both sides: every item lies in one cell of one character.
    std::array<int32_t, kItemTableSize> iconX{};
    std::array<int32_t, kItemTableSize> iconY{};
    std::array<uint8_t, kItemTableSize> itemCell{};
    std::unique_ptr<SpriteSet> itemIcons;
    PaperDollLayers firstDoll;
    PaperDollLayers secondDoll;
    PaperDollReloadFlags firstDollReload;
    PaperDollReloadFlags secondDollReload;
    ItemKindTable itemKinds{};
    ItemIconSlotTable itemIconSlots{};
    uint8_t sumsDirty = 0;
    SlotBonuses slotBonus{};
    ItemDescription description;
    int32_t shownItem = 0;

    // Names, bodies and stats of the two, and where each name is centred.
    std::array<CharacterCard, 2> cards{};
    std::array<int, 2> nameLast{};
    ButtonBar buttons{kItemTradeButtons};
    ItemDragDrop drag;

    SpriteSet sprites;
    Font font;
    Font slotLabels;

  private:
    std::array<DollLayerSets, 2> dollSets_;
};

}  // namespace varn
