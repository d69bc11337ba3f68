#include "world/PartyMembers.h"

#include "world/GameState.h"

namespace varn {

namespace {

// The one rule for every record: the player's own, or the hero's entry of a hero array.
template <typename Record, typename HeroRecords>
Record* RecordOf(CharacterId character, Record& playerRecord, HeroRecords& heroRecords) {
    if (character == kPlayerCharacter) {
        return &playerRecord;
    }
    return IsHeroCharacter(character) ? &heroRecords[HeroIndexOfCharacter(character)] : nullptr;
}

}  // namespace

CharacterStats* StatsOf(GameState& world, CharacterId character) {
    return RecordOf(character, world.playerStats, world.heroStats);
}

CharacterItemRecord* ItemsOf(GameState& world, CharacterId character) {
    return RecordOf(character, world.playerItems, world.heroItems);
}

ArmyRecord* ArmyOf(GameState& world, CharacterId character) {
    return RecordOf(character, world.playerArmy, world.heroArmies);
}

const CharacterStats* StatsOf(const GameStateData& world, CharacterId character) {
    return RecordOf(character, world.playerStats, world.heroStats);
}

const CharacterItemRecord* ItemsOf(const GameStateData& world, CharacterId character) {
    return RecordOf(character, world.playerItems, world.heroItems);
}

const ArmyRecord* ArmyOf(const GameStateData& world, CharacterId character) {
    return RecordOf(character, world.playerArmy, world.heroArmies);
}

GlyphString NameOf(const GameState& world, CharacterId character) {
    if (character == kPlayerCharacter) {
        return world.playerName;
    }
    return IsHeroCharacter(character) ? world.heroNames.Name(HeroIndexOfCharacter(character))
                                      : GlyphString{};
}

bool IsInParty(const GameState& world, CharacterId character) {
    return character == kPlayerCharacter ||
           (IsHeroCharacter(character) && world.heroJoined[HeroIndexOfCharacter(character)] != 0);
}

bool IsMeetingPair(const GameState& world, CharacterId first, CharacterId second) {
    return first != second && IsInParty(world, first) && IsInParty(world, second);
}

}  // namespace varn
