#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "characters/ArmyPanel.h"
#include "characters/ItemDragDrop.h"
#include "characters/ItemDrawing.h"
#include "characters/ItemHolder.h"
#include "characters/PaperDollArt.h"
#include "engine/ButtonBar.h"
#include "engine/Font.h"
#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"
#include "items/ItemBonuses.h"
#include "items/ItemKinds.h"
#include "items/ItemTexts.h"
#include "items/PaperDoll.h"
#include "world/CharacterRecords.h"

namespace varn {

class GraphicsDevice;
class InputDevice;

enum CharacterButton : uint8_t {
    kCharacterExit = 1,
    kCharacterName = 2,
    kCharacterPrevious = 3,
    kCharacterNext = 4,
};

inline constexpr ButtonRect kYouButtons[] = {
    {kCharacterExit, 440, 16, 96, 32},
    {kCharacterName, 440, 56, 96, 32},
};
inline constexpr ButtonRect kHeroButtons[] = {
    {kCharacterExit, 440, 16, 96, 32},
    {kCharacterName, 440, 56, 96, 32},
    {kCharacterPrevious, 330, 96, 96, 32},
    {kCharacterNext, 440, 96, 96, 32},
};

enum QuestionButton : uint8_t { kQuestionYes = 1, kQuestionNo = 2 };
inline constexpr ButtonRect kQuestionButtons[] = {
    {kQuestionYes, 330, 300, 32, 32},
    {kQuestionNo, 440, 300, 32, 32},
};
// The box the question and its two buttons stand on.
inline constexpr ButtonRect kQuestionBox{0, 272, 236, 256, 112};

enum CharacterPicture : int32_t {
    kExitSlot = 0,
    kNameSlot = 1,
    kPreviousSlot = 2,
    kNextSlot = 3,
    kYesSlot = 4,
    kNoSlot = 5,
    kPlayerPortraitSlot = 6,
    kHeroPortraitSlot = 7,
    kCharacterLettersSlot = 8,
    kThrowAwaySlot = 9,
    kDisbandSlot = 10,
};

inline constexpr PictureLoad kCharacterPictures[] = {
    {kExitSlot, "Art\\You\\ButtonExit.bmp", 96, 32, 0},
    {kNameSlot, "Art\\You\\ButtonName.bmp", 96, 32, 0},
    {kPreviousSlot, "Art\\Heroes\\ButtonPrevious.bmp", 96, 32, 0},
    {kNextSlot, "Art\\Heroes\\ButtonNext.bmp", 96, 32, 0},
    {kYesSlot, "Art\\House\\ButtonYes.bmp", 32, 32, 0xFF000000},
    {kNoSlot, "Art\\House\\ButtonNo.bmp", 32, 32, 0xFF000000},
    {kPlayerPortraitSlot, "Art\\Controls\\Portrait.bmp", 64, 64, 0xFF00FF00},
    {kHeroPortraitSlot, "Art\\Controls\\H1.bmp", 64, 64, 0},
    {kCharacterLettersSlot, "Art\\Name\\Letters.bmp", 16, 32, 0xFF000000},
    {kThrowAwaySlot, "Art\\You\\ThrowAway.bmp", 128, 96, 0},
    {kDisbandSlot, "Art\\Heroes\\Disband.bmp", 128, 96, 0},
};
inline constexpr int32_t kCharacterSlotCount = 11;

// Where things stand on the screen.
inline constexpr int32_t kDollX = 222;
inline constexpr int32_t kDollY = 150;
inline constexpr ArmyPanelLayout kCharacterArmies{6, 184, 0, 69};
inline constexpr ButtonRect kThrowAwayTarget{0, 548, 504, 128, 96};
inline constexpr ButtonRect kDisbandTarget{0, 672, 504, 128, 96};
inline constexpr DescriptionPlace kCharacterDescription{544, 24, 256, 256, 672, 40};

// What a Yes/No question asks about.
enum class CharacterQuestion : uint8_t { None, ThrowAway, Disband };

// The player's own screen and the heroes screen: one character's portrait, name and stats, its
// six armies, its paper doll with the nineteen equipment slots, the twelve bag cells and the
// description of the item pointed at or dragged. Items move by drag and drop; an item dropped on
// the throw-away target leaves the game and an army dropped on the disband target is dismissed,
// each after a Yes. The screen works on its own copies; its state copies them in and out.
class CharacterScreen {
  public:
    explicit CharacterScreen(std::span<const ButtonRect> buttonTable);
    virtual ~CharacterScreen();
    CharacterScreen(const CharacterScreen&) = delete;
    CharacterScreen& operator=(const CharacterScreen&) = delete;

    void Init(GraphicsDevice* device);
    void Free();
    // Back to a screen with nothing moving: no drag, no question, no description, no reload.
    void Reset();

    // The screen's items as the drag-and-drop rules see them.
    ItemHolder Holder();

    // One frame of the mouse on items and armies: picks up, follows, puts down, points at.
    void HandleMouse(InputDevice& mouse, int32_t x, int32_t y);
    // The answer to an open question: Yes throws the item away or disbands the army.
    void Answer(bool yes);

    void Draw(PaperDollArt& dollArt, SpriteSet& panelSprites);

    // The catalogue's fields.
    CharacterItems items{};
    std::array<uint8_t, kItemTableSize> owned{};
    std::array<uint8_t, kItemTableSize> itemCell{};
    std::array<int32_t, kItemTableSize> iconX{};
    std::array<int32_t, kItemTableSize> iconY{};
    std::unique_ptr<SpriteSet> itemIcons;
    PaperDollLayers dollLayers;
    PaperDollReloadFlags dollReload;
    ItemKindTable itemKinds{};
    ItemIconSlotTable itemIconSlots{};
    SlotBonuses slotBonus{};
    ItemDescription description;
    int32_t shownItem = 0;
    uint8_t layoutDirty = 0;
    uint8_t sumsDirty = 0;

    // The character shown, copied in by the state.
    bool hasCharacter = true;
    bool isHero = false;
    uint8_t portraitFrame = 0;
    uint8_t bodyVariant = 0;
    GlyphString name{};
    CharacterStats stats;
    ArmyRecord army;

    // What the player is doing.
    ButtonBar buttons;
    ButtonBar questionButtons{kQuestionButtons};
    ItemDragDrop drag;
    int selectedArmy = -1;
    int draggedArmy = -1;
    CharacterQuestion question = CharacterQuestion::None;
    // Toggled by the Hide/Show button: the description box is put away.
    bool descriptionHidden = false;

    SpriteSet sprites;
    SpriteSet units;
    Font font;
    Font slotLabels;

  private:
    DollLayerSets dollSets_;

    void HandleItemDrag(InputDevice& mouse, int32_t x, int32_t y);
    void HandleArmyDrag(const InputDevice& mouse, int32_t x, int32_t y);
    void DrawCharacter(SpriteSet& panelSprites);
    ItemScreenArt ItemArt(SpriteSet& panelSprites);
    void DrawQuestion(SpriteSet& panelSprites);
};

class YouScreen final : public CharacterScreen {
  public:
    YouScreen() : CharacterScreen(kYouButtons) {}
};

class HeroScreen final : public CharacterScreen {
  public:
    HeroScreen() : CharacterScreen(kHeroButtons) { isHero = true; }
};

}  // namespace varn
