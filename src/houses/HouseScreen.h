#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/ButtonBar.h"
#include "engine/Colours.h"
#include "engine/Font.h"
#include "engine/SpriteSet.h"
#include "world/CharacterRecords.h"
#include "world/GameState.h"
#include "world/Glyph.h"

namespace varn {

class GraphicsDevice;
class InputDevice;

// The six kinds of house a character of the player can visit.
enum class HouseKind : uint8_t { Village, Town, Castle, Palace, Temple, Tower };
inline constexpr int kHouseKindCount = 6;

// The twelve buttons of a house screen by id.
enum HouseButton : uint8_t {
    kNoHouseButton = 0,
    kLeaveButton = 1,
    kHealButton = 2,
    kRecruitButton = 3,
    kTalkButton = 4,
    kDisbandButton = 5,
    kDisbandYesButton = 6,
    kDisbandNoButton = 7,
    kRecruitYesButton = 8,
    kRecruitNoButton = 9,
    kAcceptYesButton = 10,
    kAcceptNoButton = 11,
    kNameButton = 12,
};
inline constexpr int kHouseButtonCount = 12;

// The twelve buttons in the order a press tests them. Disband and Name do their work on the
// press and have no pressed picture.
inline constexpr ButtonRect kHouseButtons[kHouseButtonCount] = {
    {kLeaveButton, 634, 0, 166, 80},
    {kHealButton, 634, 80, 166, 80},
    {kRecruitButton, 634, 160, 166, 80},
    {kTalkButton, 634, 240, 166, 80},
    {kDisbandButton, 340, 142, 90, 32, kButtonHovered, true},
    {kDisbandYesButton, 230, 370, 32, 32},
    {kDisbandNoButton, 340, 370, 32, 32},
    {kRecruitYesButton, 240, 370, 32, 32},
    {kRecruitNoButton, 350, 370, 32, 32},
    {kAcceptYesButton, 230, 430, 32, 32},
    {kAcceptNoButton, 340, 430, 32, 32},
    {kNameButton, 186, 142, 77, 32, kButtonHovered, true},
};

// The visitor's six army cells, two a row, and the recruit panel's offers in one row.
inline constexpr int32_t kHouseArmyCellX = 634;
inline constexpr int32_t kHouseArmyCellY = 390;
inline constexpr int32_t kHouseArmyCellW = 83;
inline constexpr int32_t kHouseArmyCellH = 70;
inline constexpr int32_t kHouseOfferCellX = 85;
inline constexpr int32_t kHouseOfferCellY = 485;
inline constexpr int32_t kHouseOfferCellSize = 90;

inline constexpr int kRecruitOfferCount = 5;
inline constexpr int kOfferTableSize = 10;
inline constexpr int kQuestDisplayCount = 100;
// The last display flag: the house has nothing to tell.
inline constexpr int kNothingToTellFlag = kQuestDisplayCount - 1;
// Wide enough for any 32-bit number printed in decimal, sign included.
inline constexpr int kNumberTextSize = 16;
inline constexpr int32_t kHealPrice = 10;
inline constexpr int32_t kJoinedHealPrice = 2;

// One picture or text a house screen drew: the set (null for a text), slot, frame, the corner
// and the scales; a text carries its words.
struct HouseDraw {
    const SpriteSet* set;
    int32_t slot;
    int32_t frame;
    int32_t x;
    int32_t y;
    float scaleX;
    float scaleY;
    std::string text;
};

// The visitor's six army slots as parallel arrays, slot i at entry i.
struct HouseArmies {
    std::array<uint8_t, kArmySlotCount> present{};
    // UnitType + 1.
    std::array<uint8_t, kArmySlotCount> unitId{};
    // The slot number the panel shows the army at.
    std::array<uint8_t, kArmySlotCount> position{};
    std::array<uint8_t, kArmySlotCount> unitType{};
    std::array<uint8_t, kArmySlotCount> alive{};
    // Men alive before the entry upkeep recomputed them.
    std::array<uint8_t, kArmySlotCount> previousAlive{};
    std::array<uint8_t, kArmySlotCount> light{};
    std::array<uint8_t, kArmySlotCount> serious{};
    std::array<uint8_t, kArmySlotCount> critical{};
    std::array<uint8_t, kArmySlotCount> down{};
    std::array<int32_t, kArmySlotCount> attack{};
    std::array<int32_t, kArmySlotCount> defence{};
    std::array<int32_t, kArmySlotCount> training{};
    std::array<int32_t, kArmySlotCount> equipment{};
    // Index of the last non-zero glyph of each name.
    std::array<uint8_t, kArmySlotCount> armyNameLength{};
    std::array<GlyphString, kArmySlotCount> name{};
};

// The screen of one visit to a house: a private copy of the visitor, the quest states and the
// house's holding store, and the working state of the buttons, boxes and quest dialogues. The
// house's state fills it from the world record and writes it back when the visit ends; the
// screen's operations never read the world.
class HouseScreen {
  public:
    explicit HouseScreen(HouseKind kind);
    virtual ~HouseScreen();
    HouseScreen(const HouseScreen&) = delete;
    HouseScreen& operator=(const HouseScreen&) = delete;

    HouseKind Kind() const { return kind_; }

    // Quest q (1..100) at entry q - 1; a number out of range reads 0 and takes no write.
    uint8_t& Quest(int quest);
    uint8_t Quest(int quest) const;

    // Loading, in this order on the visit's first frame; portrait and visitor set before.
    void InitMainSprites(GraphicsDevice* device);
    // The kind's own art: caption, Recruit picture, house picture, name picture.
    void InitHouseArt(GraphicsDevice* device);
    void InitPortraits(GraphicsDevice* device);
    // The army icons and, for the kinds without one, the armies' figures.
    void InitArmyPictures(GraphicsDevice* device);
    // Rebuilds itemArt from every item flagged in rewardItemFlag so far.
    void LoadRewardItemArt(GraphicsDevice* device);
    // Releases every sprite set and the font that is present.
    void FreeSprites();

    // Drawing, in this order every frame (the quest dialogue between the recruit panel and
    // the entry messages).
    void DrawBackground() const;
    void DrawArmies(int32_t x, int32_t y);
    void DrawActionMessages();
    void DrawRecruitPanel(int32_t x, int32_t y, int32_t gold);
    void DrawEntryMessages();
    // The holding-store lines that close every quest dialogue.
    void DrawStoreMessages() const;
    void LayoutNames();

    // Pieces every box of the screen is made of. A slot never loaded draws nothing.
    void Sprite(SpriteSet* set, int32_t slot, int32_t frame, int32_t x, int32_t y, float scaleX,
                float scaleY) const;
    void DrawBox(int32_t x, int32_t y, float scaleX, float scaleY) const;
    void DrawText(const char* text, int32_t x, int32_t y, int32_t width, int32_t height,
                  uint32_t colour = kTextGrey) const;
    // The 21 glyphs of a name centred on x 296 at y 110; withDigits also draws the digit sheet
    // under glyph codes of digits, as the army panel does.
    void DrawGlyphName(const GlyphString& name, uint8_t lastIndex, bool withDigits) const;

    // Entry upkeep, held items and rewards.
    void UpkeepArmiesOnEntry();
    void CheckHeldItemFlags();
    void ReturnHeldItems();
    void GiveReward(int32_t* gold);

    // Healing, recruiting and disbanding.
    void CheckHealNeed(int32_t gold);
    void InitRecruitTable(int32_t day);
    void ApplyRecruitChoice(int32_t* gold);
    void ClearDisbandedArmy();

    // The army shown in the selected cell: the one standing there, or the cell's own index when
    // none does; -1 with no cell selected.
    int SelectedArmyIndex() const;
    // Whether the chosen cell holds an army, whose panel with Disband and Name is then shown.
    bool ArmyPanelShown() const;

    // Whether a button is on the screen now: the Yes and No pairs with their question, Disband
    // and Name with the panel of a chosen army.
    bool ButtonOffered(uint8_t id) const;
    // Pointer: hover every frame, a press over a button (1) or elsewhere.
    void OnMouseMove(int32_t x, int32_t y);
    int OnMouseClick(int32_t x, int32_t y, const InputDevice& mouse);
    void OnArmyOrOfferClick(int32_t x, int32_t y, const InputDevice& mouse);
    void ClearHover();

    // Sprite sets and font, all owned; made by the loaders, released by FreeSprites.
    std::unique_ptr<SpriteSet> mainSprites;
    std::unique_ptr<SpriteSet> houseArt;
    std::unique_ptr<SpriteSet> portraitSprites;
    std::unique_ptr<SpriteSet> armyIcons;
    std::unique_ptr<SpriteSet> armyFigures;
    std::unique_ptr<SpriteSet> itemArt;
    std::unique_ptr<SpriteSet> capitalLetters;
    std::unique_ptr<SpriteSet> smallLetters;
    std::unique_ptr<Font> font;

    // Scratch of the town's heal of a visiting hero.
    int32_t healHeroMaxHealth = 0;
    int32_t healHeroIndex = 0;

    // Fame latches: 1 once the text is shown, 2 once the state changed the fame.
    uint8_t fameUpLatch = 0;
    uint8_t fameDownLatch = 0;
    // Villages and towns: 1 once the joined flag is seen, 2 once the joined prices apply.
    uint8_t joinState = 0;

    // Entry upkeep.
    std::array<uint8_t, kArmySlotCount> armyRose{};
    std::array<uint8_t, kArmySlotCount> armyRaised{};
    uint8_t raisedMessage = 0;
    uint8_t messageOpen = 0;
    uint8_t trainingMessage = 0;
    std::array<uint8_t, kArmySlotCount> canRise{};
    std::array<uint8_t, kArmySlotCount> targetAlive{};

    // The visit.
    // Village 1..9 or town 1..4; 0 in the single houses.
    uint8_t houseNumber = 0;
    uint8_t portrait = 0;
    CharacterId visitor = kNoCharacter;
    HeroIndex heroIndex = 0;
    uint8_t newArmySlot = 0;
    int32_t day = 0;

    // Quests and their dialogue.
    uint8_t talkOpen = 0;
    uint8_t displayCount = 0;
    std::array<uint8_t, kQuestCount> questState{};
    std::array<uint8_t, kQuestDisplayCount> questDisplay{};
    uint8_t acceptQuestion = 0;
    uint8_t offeredQuest = 0;
    uint8_t acceptedNow = 0;
    uint8_t giftShown = 0;
    uint8_t reminderShown = 0;
    uint8_t acceptedShown = 0;
    uint8_t goldPending = 0;
    uint8_t itemPending = 0;
    uint8_t itemPlaced = 0;

    // Items, by item index (ItemId - 1) where per item.
    std::array<ItemId, kBagCellCount> bag{};
    std::array<uint8_t, kItemTableSize> rewardItemFlag{};
    std::array<uint8_t, kItemTableSize> owned{};
    // The bag cell + 1 that holds the item.
    std::array<uint8_t, kItemTableSize> itemCell{};
    uint8_t bagFull = 0;
    uint8_t itemIndex = 0;
    int32_t goldAmount = 0;
    uint8_t noMoneyForRecruit = 0;

    // The house's holding store.
    std::array<uint8_t, kHeldSlotsPerHouse> heldFlag{};
    std::array<uint8_t, kHeldSlotsPerHouse> heldItem{};
    uint8_t heldPlaced = 0;
    uint8_t heldAny = 0;
    uint8_t heldCount = 0;
    uint8_t returnedMessage = 0;
    uint8_t manyHeld = 0;
    uint8_t stillHeldMessage = 0;
    uint8_t clickLatch = 0;

    // Army panel and healing.
    // Army slot 1..6 picked in the panel, 0 none.
    uint8_t selectedArmy = 0;
    uint8_t noGoldForHeal = 0;
    uint8_t healRequested = 0;
    int32_t health = 0;
    int32_t maxHealth = 0;
    uint8_t needsHeal = 0;
    int32_t healPrice = kHealPrice;
    char healPriceText[kNumberTextSize]{};
    char goldText[kNumberTextSize]{};

    // Recruiting; offers 1..5 at entries 0..4.
    uint8_t recruitOpen = 0;
    std::array<uint8_t, kOfferTableSize> offerEnabled{};
    uint8_t offerChosen = 0;
    uint8_t buyNow = 0;
    uint8_t recruitPlaced = 0;
    uint8_t offerToBuy = 0;
    std::array<int32_t, kOfferTableSize> recruitPrice{};
    std::array<uint8_t, kOfferTableSize> offerUnitType{};
    std::array<uint8_t, kOfferTableSize> offerAttack{};
    std::array<uint8_t, kOfferTableSize> offerDefence{};
    std::array<uint8_t, kOfferTableSize> offerTraining{};
    std::array<uint8_t, kOfferTableSize> offerEquipment{};
    std::array<uint8_t, kOfferTableSize> offerAlive{};
    std::array<uint8_t, kOfferTableSize> offerNameLength{};
    std::array<GlyphString, kOfferTableSize> offerName{};
    GlyphString recruitName{};
    uint8_t recruitNameLength = 0;

    // Result boxes and the disband question.
    uint8_t healFailShown = 0;
    uint8_t healDoneShown = 0;
    uint8_t recruitJoinedShown = 0;
    uint8_t noRoomShown = 0;
    uint8_t disbandQuestion = 0;
    uint8_t disbandSlot = 0;

    HouseArmies army;

    uint8_t rewardPending = 0;

    ButtonBar buttons{kHouseButtons};
    uint8_t healBoxClose = 0;
    uint8_t recruitBoxClose = 0;
    // 5..8: the statistics cell under the pointer, 0 none.
    uint8_t hoverCell = 0;
    // A press was seen and its release is still to come.
    uint8_t mouseDown = 0;

    // When set, every picture and text drawn is also written here.
    std::vector<HouseDraw>* drawLog = nullptr;

  private:
    // The first present army standing in cell 0..5, or -1.
    int ArmyInCell(int cell) const;
    // A count of men from the small digits, one to three of them, laid out as CentredOn(oneX,
    // onesX, 15): the ones and the tens of two digits at onesX and 15 to its left.
    void DrawCount(uint8_t count, int32_t oneX, int32_t onesX, int32_t y, float scaleX,
                   float scaleY) const;
    // An army's picture in the icon's box at (x, y) (ArmyPicture).
    void DrawArmyPicture(uint8_t unitType, int32_t x, int32_t y, float scale) const;
    // The four statistics of an army or offer laid out from (x, y).
    void DrawStats(int32_t attack, int32_t defence, int32_t training, int32_t equipment, int32_t x,
                   int32_t y) const;

    HouseKind kind_;
    // Takes the write to a quest number out of range.
    uint8_t discardedQuest_ = 0;
};

// The kinds, one per house state and GameApp owner.
class VillageScreen final : public HouseScreen {
  public:
    static constexpr HouseKind kKind = HouseKind::Village;
    VillageScreen() : HouseScreen(kKind) {}
    // Quest progress and talk dialogue of village k; each acts only while the screen
    // shows village k.
    void UpdateQuestsVillage1();
    void UpdateQuestsVillage2();
    void UpdateQuestsVillage3();
    void UpdateQuestsVillage4();
    void UpdateQuestsVillage5();
    void UpdateQuestsVillage6();
    void UpdateQuestsVillage7();
    void UpdateQuestsVillage8();
    void UpdateQuestsVillage9();
    void DrawQuestsVillage1();
    void DrawQuestsVillage2();
    void DrawQuestsVillage3();
    void DrawQuestsVillage4();
    void DrawQuestsVillage5();
    void DrawQuestsVillage6();
    void DrawQuestsVillage7();
    void DrawQuestsVillage8();
    void DrawQuestsVillage9();
};
class TownScreen final : public HouseScreen {
  public:
    static constexpr HouseKind kKind = HouseKind::Town;
    TownScreen() : HouseScreen(kKind) {}
    // Quest progress and talk dialogue of town k; each acts only while the screen
    // shows town k.
    void UpdateQuestsTown1();
    void UpdateQuestsTown2();
    void UpdateQuestsTown3();
    void UpdateQuestsTown4();
    void DrawQuestsTown1();
    void DrawQuestsTown2();
    void DrawQuestsTown3();
    void DrawQuestsTown4();
};
class CastleScreen final : public HouseScreen {
  public:
    static constexpr HouseKind kKind = HouseKind::Castle;
    CastleScreen() : HouseScreen(kKind) {}
    // The house's quest progress and talk dialogue.
    void UpdateQuests();
    void DrawQuests();
};
class PalaceScreen final : public HouseScreen {
  public:
    static constexpr HouseKind kKind = HouseKind::Palace;
    PalaceScreen() : HouseScreen(kKind) {}
    // The house's quest progress and talk dialogue.
    void UpdateQuests();
    void DrawQuests();
};
class TempleScreen final : public HouseScreen {
  public:
    static constexpr HouseKind kKind = HouseKind::Temple;
    TempleScreen() : HouseScreen(kKind) {}
    // The house's quest progress and talk dialogue.
    void UpdateQuests();
    void DrawQuests();
};
class TowerScreen final : public HouseScreen {
  public:
    static constexpr HouseKind kKind = HouseKind::Tower;
    TowerScreen() : HouseScreen(kKind) {}
    // The house's quest progress and talk dialogue.
    void UpdateQuests();
    void DrawQuests();
};

// Releases a house screen still alive and clears its owner.
template <typename Kind>
void FreeHouseScreen(std::unique_ptr<Kind>& screen) {
    if (screen) {
        screen->FreeSprites();
        screen.reset();
    }
}

}  // namespace varn
