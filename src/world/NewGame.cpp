#include <span>
#include <string_view>

#include "world/GameState.h"

namespace varn {

// The starting party, places and wealth lists of a new game.

namespace {

// A default name is a run of glyphs from the first code on: words with single blanks between,
// no blank at either end, so its length is its last glyph index + 1.
constexpr bool IsDefaultName(std::string_view name, size_t length) {
    if (name.size() != length || !CanEncodeGlyphs(name) || name.empty()) {
        return false;
    }
    if (name.front() == ' ' || name.back() == ' ') {
        return false;
    }
    return name.find("  ") == std::string_view::npos;
}

struct HeroStart {
    int32_t health;
    // Base and current attack and defence alike.
    int32_t attackDefence;
    int32_t experience;
    uint8_t level;
    uint8_t bodyVariant;
    std::string_view name;
    size_t nameLength;
};

constexpr std::array<HeroStart, kHeroCount> kHeroStarts = {{
    {20, 10, 0, 0, 0, "Brandon", 7},
    {20, 10, 0, 0, 0, "Edda", 4},
    {20, 10, 0, 0, 2, "Marta", 5},
    {41, 16, 200, 3, 0, "Godfrey", 7},
    {41, 16, 200, 3, 0, "Oswald", 6},
    {27, 12, 70, 1, 2, "Rowenna", 7},
    {69, 24, 550, 7, 2, "Hildegard", 9},
    {55, 20, 320, 5, 0, "Ethelbert", 9},
    {90, 30, 850, 10, 1, "Hugh the Wise", 13},
    {111, 36, 1111, 13, 1, "Osric the Tall", 14},
}};

// Every default name is English words of exactly its glyph length.
template <typename Rows>
constexpr bool AllNamesFit(const Rows& rows) {
    for (const auto& row : rows) {
        if (!IsDefaultName(row.name, row.nameLength)) {
            return false;
        }
    }
    return true;
}
static_assert(AllNamesFit(kHeroStarts));

constexpr ItemId kHero1Items[] = {155, 69};
constexpr ItemId kHero2Items[] = {246, 70, 128, 152, 153};
constexpr ItemId kHero3Items[] = {161, 72, 137};
constexpr ItemId kHero4Items[] = {84, 186, 34};
constexpr ItemId kHero5Items[] = {179, 30, 43, 233};
constexpr ItemId kHero6Items[] = {172};
constexpr ItemId kHero7Items[] = {133, 17};
constexpr ItemId kHero8Items[] = {166};
constexpr ItemId kHero9Items[] = {55, 25};
constexpr ItemId kHero10Items[] = {183, 144, 115, 90};

constexpr std::array<std::span<const ItemId>, kHeroCount> kHeroItems = {
    kHero1Items, kHero2Items, kHero3Items, kHero4Items, kHero5Items,
    kHero6Items, kHero7Items, kHero8Items, kHero9Items, kHero10Items,
};

struct ArmyStart {
    uint8_t slot;
    UnitType type;
    int32_t attack;
    int32_t defence;
    int32_t training;
    int32_t equipment;
    uint8_t alive;
    std::string_view name;
    size_t nameLength;
};

struct HeroArmyStart {
    // Hero number 1..10.
    uint8_t hero;
    ArmyStart army;
};

constexpr std::array<HeroArmyStart, 12> kHeroArmyStarts = {{
    {2, {0, UnitType::Dogs2, 12, 8, 35, 35, 7, "Hunting Dogs", 12}},
    {2, {1, UnitType::Dogs2, 17, 13, 60, 60, 12, "The Grey Hounds", 15}},
    {3, {0, UnitType::Peasants, 34, 32, 130, 130, 26, "Mill Town Peasants", 18}},
    {3, {1, UnitType::Peasants, 18, 22, 65, 65, 13, "Peasants of Marsh", 17}},
    {4, {0, UnitType::Peasants, 38, 20, 80, 80, 16, "Farmers of the Dale", 19}},
    {4, {1, UnitType::Peasants, 22, 28, 90, 90, 18, "River Ford Farmers", 18}},
    {5, {0, UnitType::Militia, 50, 50, 90, 90, 18, "Town Watch Guard", 16}},
    {5, {1, UnitType::Militia, 64, 36, 70, 70, 14, "Militia of Greywell", 19}},
    {7, {0, UnitType::Infantry, 58, 60, 110, 110, 22, "Northern Halberds", 17}},
    {7, {1, UnitType::Infantry, 72, 48, 120, 120, 24, "Spearmen of Hale", 16}},
    {9, {0, UnitType::GoldenInfantry, 84, 90, 210, 210, 42, "Gilded Foot", 11}},
    {10, {0, UnitType::RoyalInfantry, 100, 100, 250, 250, 50, "Royal Guards", 12}},
}};

constexpr std::array<ArmyStart, 2> kPlayerArmyStarts = {{
    {0, UnitType::Dogs, 7, 6, 40, 40, 8, "Watch Hounds", 12},
    {1, UnitType::Peasants, 22, 16, 90, 100, 19, "Village Farmers", 15},
}};

constexpr bool IsConsistentArmy(const ArmyStart& army) {
    return army.alive == (army.training + army.equipment) / 10 &&
           IsDefaultName(army.name, army.nameLength);
}

constexpr bool AllArmiesConsistent() {
    for (const HeroArmyStart& start : kHeroArmyStarts) {
        if (!IsConsistentArmy(start.army)) {
            return false;
        }
    }
    for (const ArmyStart& army : kPlayerArmyStarts) {
        if (!IsConsistentArmy(army)) {
            return false;
        }
    }
    return true;
}
static_assert(AllArmiesConsistent());

// Names kept in slots that hold no army.
struct SpareArmyName {
    uint8_t hero;
    uint8_t slot;
    std::string_view name;
    size_t nameLength;
};

constexpr std::array<SpareArmyName, 7> kSpareArmyNames = {{
    {1, 0, "Volunteers of Brandon", 21},
    {1, 1, "Crossbows", 9},
    {1, 2, "Vanguards", 9},
    {1, 3, "Free Company of Ash", 19},
    {1, 4, "Border Wardens", 14},
    {9, 1, "Reserve Regiment", 16},
    {10, 1, "Queens Own Guard", 16},
}};

static_assert(AllNamesFit(kSpareArmyNames));

constexpr std::string_view kPlayerName = "Sir Alwyn";
static_assert(IsDefaultName(kPlayerName, 9));

constexpr int32_t kPlayerStartCell = 1503;
constexpr uint8_t kStartDirection = 4;

void SetAllStats(CharacterStats& stats, int32_t health, int32_t attackDefence, int32_t experience,
                 uint8_t level) {
    stats.baseHealth = health;
    stats.maxHealth = health;
    stats.spareHealth = health;
    stats.health = health;
    stats.baseAttack = attackDefence;
    stats.attack = attackDefence;
    stats.baseDefence = attackDefence;
    stats.defence = attackDefence;
    stats.experience = experience;
    stats.level = level;
}

// Clears every army field but the two spare arrays, which the set-up never writes.
void ClearArmyKeepingSpares(ArmyRecord& army) {
    const auto spareA = army.spareA;
    const auto spareB = army.spareB;
    army = ArmyRecord{};
    army.spareA = spareA;
    army.spareB = spareB;
}

void FillArmySlot(ArmyRecord& army, const ArmyStart& start) {
    const int slot = start.slot;
    const auto type = static_cast<uint8_t>(start.type);
    army.unitId[slot] = static_cast<uint8_t>(type + 1);
    army.present[slot] = 1;
    army.position[slot] = start.slot;
    army.unitType[slot] = type;
    army.attack[slot] = start.attack;
    army.defence[slot] = start.defence;
    army.training[slot] = start.training;
    army.equipment[slot] = start.equipment;
    army.alive[slot] = start.alive;
    army.light[slot] = 0;
    army.serious[slot] = 0;
    army.critical[slot] = 0;
    army.down[slot] = 0;
    army.name[slot] = EncodeGlyphs(start.name);
}

// Hero 1 has no army, yet its slots hold these values.
void FillHero1Leftovers(ArmyRecord& army) {
    army.attack[0] = 20;
    army.attack[1] = 55;
    army.attack[2] = 100;
    army.defence[0] = 20;
    army.defence[1] = 150;
    army.training[0] = 50;
    army.training[1] = 100;
    army.equipment[0] = 50;
    army.equipment[1] = 100;
    army.alive[0] = 10;
    army.alive[1] = 12;
}

}  // namespace

void GameState::InitHeroes() {
    for (int row = 0; row < kGlyphStringLength; ++row) {
        for (int hero = 0; hero < kHeroCount; ++hero) {
            heroNames.rows[row][hero] = kGlyphBlank;
        }
    }
    // Row 0 of the two columns after the heroes keeps this code.
    for (int column = 0; column < kHeroCount + 2; ++column) {
        heroNames.rows[0][column] = kGlyphCursor;
    }
    for (int hero = 0; hero < kHeroCount; ++hero) {
        const HeroStart& start = kHeroStarts[hero];
        heroMovesLeft[hero] = kMovesPerDay;
        heroJoined[hero] = 0;
        heroDirection[hero] = kStartDirection;
        heroMapCell[hero] = 0;
        heroSpare[hero] = 0;
        heroBodyVariant[hero] = start.bodyVariant;
        SetAllStats(heroStats[hero], start.health, start.attackDefence, start.experience,
                    start.level);
        const GlyphString name = EncodeGlyphs(start.name);
        for (size_t k = 0; k < start.nameLength; ++k) {
            heroNames.rows[k][hero] = name[k];
        }
    }
}

void GameState::InitHeroItems() {
    for (int hero = 0; hero < kHeroCount; ++hero) {
        CharacterItemRecord& record = heroItems[hero];
        record = CharacterItemRecord{};
        const std::span<const ItemId> items = kHeroItems[hero];
        for (size_t cell = 0; cell < items.size(); ++cell) {
            const ItemId item = items[cell];
            record.items[cell] = item;
            record.owned[item - 1] = 1;
            record.itemCell[item - 1] = static_cast<uint8_t>(cell);
        }
    }
}

void GameState::InitHeroArmies() {
    for (ArmyRecord& army : heroArmies) {
        ClearArmyKeepingSpares(army);
    }
    for (const HeroArmyStart& start : kHeroArmyStarts) {
        FillArmySlot(heroArmies[start.hero - 1], start.army);
    }
    FillHero1Leftovers(heroArmies[0]);
    for (const SpareArmyName& spare : kSpareArmyNames) {
        heroArmies[spare.hero - 1].name[spare.slot] = EncodeGlyphs(spare.name);
    }
}

void GameState::InitPlayer() {
    playerMapCell = kPlayerStartCell;
    playerDirection = kStartDirection;
    playerPortrait = 0;
    playerMovesLeft = kMovesPerDay;
    playerName = EncodeGlyphs(kPlayerName);
    playerItems = CharacterItemRecord{};
    SetAllStats(playerStats, 20, 10, 0, 0);
    ClearArmyKeepingSpares(playerArmy);
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        playerArmy.attack[slot] = 10;
        playerArmy.defence[slot] = 10;
        playerArmy.training[slot] = 100;
        playerArmy.equipment[slot] = 100;
    }
    for (const ArmyStart& start : kPlayerArmyStarts) {
        FillArmySlot(playerArmy, start);
    }
}

void GameState::InitPlaces() {
    gold = 0;
    battleTrigger[0] = 1;
    battleTrigger[1] = 1;
    battleTrigger[2] = 0;
    battleTrigger[3] = 0;
    battleTrigger[10] = 0;
    for (int place = 11; place <= 18; ++place) {
        battleTrigger[place] = 1;
    }
    for (auto* list : {&gemA, &gemOwned, &gemC, &artifactA, &artifactOwned, &artifactC}) {
        list->fill(0);
    }
    for (auto* list : {&villageA, &villageJoined, &villageC, &townA, &townOwned, &townC}) {
        list->fill(0);
    }
    for (uint8_t village = 1; village <= 8; ++village) {
        villageA[village - 1] = village;
        villageC[village - 1] = village;
    }
    for (uint8_t town = 1; town <= 6; ++town) {
        townA[town - 1] = town;
        townC[town - 1] = town;
    }
}

void RunNewGameSetUp(GameState& state) {
    state.InitHeroes();
    state.InitHeroItems();
    state.InitHeroArmies();
    state.InitPlayer();
    state.InitPlaces();
    state.UpdateQuests();
}

}  // namespace varn
