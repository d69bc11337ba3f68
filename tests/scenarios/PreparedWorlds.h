#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>

#include "engine/DataBlob.h"
#include "world/GameState.h"
#include "world/ImageSlots.h"
#include "world/MapCells.h"
#include "world/SaveImage.h"

namespace varn {

// The worlds the long played games start from: what a long game leaves behind, made from a new
// game by the rules a player's deeds would have written, and kept as save images beside the
// tests (tests/fixtures/saves). VARN_UPDATE_FIXTURES=1 writes them again.

inline constexpr int kFameRewardsGranted = 23;
// The last invasions, which a long game has fought off: their quests and battles.
inline constexpr int kLateInvasionQuests[] = {96, 97, 98};
inline constexpr uint8_t kLateInvasionBattles[] = {91, 92, 93};

inline std::filesystem::path PreparedWorldPath(const std::string& name) {
    return std::filesystem::path(VARN_SOURCE_DIR) / "tests/fixtures/saves" / (name + ".save");
}

// A party that has fought for a long time: a hardened leader and six full armies of elite
// guards; the fast battle options chosen.
inline void HardenTheParty(GameState& world) {
    CharacterStats& you = world.playerStats;
    you.baseHealth = you.maxHealth = you.health = 300;
    you.baseAttack = you.attack = 700;
    you.baseDefence = you.defence = 250;
    you.experience = 9000;
    you.level = 20;
    ArmyRecord& armies = world.playerArmy;
    constexpr uint8_t kEliteGuards = 7;
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        armies.present[slot] = 1;
        armies.unitType[slot] = kEliteGuards;
        armies.unitId[slot] = kEliteGuards + 1;
        armies.position[slot] = static_cast<uint8_t>(slot);
        armies.attack[slot] = 700;
        armies.defence[slot] = 250;
        armies.training[slot] = 100;
        armies.equipment[slot] = 100;
        armies.alive[slot] = 250;
        armies.name[slot] = EncodeGlyphs("Elite Guards");
    }
    world.battleMoveSpeed = 3;
    world.battleSwingSpeed = 3;
}

// A long game's kingdom: the fame rewards paid, the last invasions beaten.
inline void AgeTheKingdom(GameState& world, int32_t day, int32_t fame) {
    world.day = day;
    world.fame = fame;
    std::fill_n(world.eventDone.begin(), kFameRewardsGranted, uint8_t{1});
    for (const int quest : kLateInvasionQuests) {
        world.Quest(quest) = kQuestSolved;
    }
    for (const uint8_t battle : kLateInvasionBattles) {
        world.BattleSite(battle) = 0;
    }
}

// Day 145 in the west: the party stands on the first invader's road, hero 1 with one band of
// peasants two cells below the army of battle 29.
inline GameState FightingWorld() {
    GameState world;
    RunNewGameSetUp(world);
    world.playerName = EncodeGlyphs("Ann");
    AgeTheKingdom(world, 145, 60);
    HardenTheParty(world);
    world.playerMapCell = MapCellAt(-880, 80);
    constexpr int kHero = 1;
    world.HeroJoined(kHero) = 1;
    world.HeroMapCell(kHero) = MapCellAt(-1080, 360);
    CharacterStats& hero = world.heroStats[kHero - 1];
    hero.baseHealth = hero.maxHealth = hero.health = 5;
    ArmyRecord& band = world.heroArmies[kHero - 1];
    band = ArmyRecord{};
    band.present[0] = 1;
    band.unitId[0] = 1;
    band.alive[0] = 3;
    band.attack[0] = 1;
    band.defence[0] = 1;
    return world;
}

// Day 120 in the east: every quest of the palace and the castle solved, the castle's and the
// palace's call to the last battle taken, the party two cells west of the Black Zima Castle.
inline GameState VictoryWorld() {
    GameState world;
    RunNewGameSetUp(world);
    world.playerName = EncodeGlyphs("Ann");
    AgeTheKingdom(world, 120, 400);
    HardenTheParty(world);
    for (const int quest : {4, 70, 75, 79, 81, 82, 83, 85}) {
        world.Quest(quest) = kQuestSolved;
    }
    for (const int quest : {87, 91}) {
        world.Quest(quest) = kQuestAccepted;
    }
    world.playerMapCell = MapCellAt(3320, 480);
    return world;
}

// The world as the save step writes it, the map scrolled to the party.
inline bool WritePreparedWorld(const GameState& world, const std::filesystem::path& path) {
    int32_t x = 0;
    int32_t y = 0;
    MapCellCorner(world.playerMapCell, x, y);
    DataBlob blob;
    if (blob.Alloc(kSaveImageSize) == nullptr) {
        return false;
    }
    std::span<uint8_t, kSaveImageSize> image(blob.data, kSaveImageSize);
    WriteSaveImage(world, image);
    WriteImageSlot(image, kSaveScrollXOffset, static_cast<uint32_t>(x - 400));
    WriteImageSlot(image, kSaveScrollYOffset, static_cast<uint32_t>(y - 300));
    return blob.SaveToFile(path.string().c_str()) != 0;
}

inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Whether a save just written is the committed file; with `update` it is first copied over it.
inline testing::AssertionResult SameAsCommitted(const std::filesystem::path& written,
                                                const std::filesystem::path& committed,
                                                bool update) {
    if (update) {
        std::filesystem::copy_file(written, committed,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    if (FileBytes(written) != FileBytes(committed)) {
        return testing::AssertionFailure() << committed << " is not the world just saved";
    }
    return testing::AssertionSuccess();
}

// Puts the prepared world into a save slot of the game's folder, where the load screen finds
// it; fails when the committed image is not the one its recipe makes (VARN_UPDATE_FIXTURES=1
// rewrites it).
inline testing::AssertionResult InstallPreparedWorld(const GameState& world,
                                                     const std::string& name, int slot) {
    const std::filesystem::path saved = "Saves/" + std::to_string(slot) + ".save";
    if (!WritePreparedWorld(world, saved)) {
        return testing::AssertionFailure() << "could not write " << saved;
    }
    return SameAsCommitted(saved, PreparedWorldPath(name),
                           std::getenv("VARN_UPDATE_FIXTURES") != nullptr);
}

}  // namespace varn
