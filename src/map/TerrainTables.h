#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "engine/GroundTiles.h"
#include "map/MapViewPictures.h"

namespace varn {

// The level data of the kingdom map's ground: 432 painted tiles of 200 x 200 world pixels, the
// place cells that come and go with the world's flags, the flags, and the decorations.

inline constexpr int32_t kTileColumns = 27;
inline constexpr int32_t kTileRows = 16;
inline constexpr int32_t kWorldLeft = -1800;
inline constexpr int32_t kWorldTop = -1200;
inline constexpr int32_t kWorldRight = kWorldLeft + kTileColumns * kTileSize;  // 3600
inline constexpr int32_t kWorldBottom = kWorldTop + kTileRows * kTileSize;     // 2000

constexpr int32_t TileX(int column) {
    return kWorldLeft + column * kTileSize;
}
constexpr int32_t TileY(int row) {
    return kWorldTop + row * kTileSize;
}
constexpr int TileIndex(int32_t tileX, int32_t tileY) {
    return (tileY - kWorldTop) / kTileSize * kTileColumns + (tileX - kWorldLeft) / kTileSize;
}

// The picture slot of every tile, row by row from world y -1200, columns from world x -1800:
// each row's first line holds the west (regions 9, 8, 7 from the top) and the centre (5, 1, 6),
// its second the east (4, 2, 3). A place cell holds its place's picture, which gives way to
// Grey6 while the place is not shown.
// clang-format off
inline constexpr std::array<std::array<uint8_t, kTileColumns>, kTileRows> kGroundTiles = {{
    { 53,  53,  53,  53,  53,   53,  53,  53,  53,  53,  53,  53,  53,  53,  53,  // y -1200
      53,  53,  99,  79,  79,  79,  79,  79,  79,  79,  79,  79},
    { 53,  53,  53,  53,  53,   53,  53,  53,  53,  53,  53,  53,  53,  53,  53,  // y -1000
      53,  53,  98,  79,  79,  79,  79,  79,  79,  79, 112,  79},
    { 53,  53,  53,  53,  53,   53,  53,  53,  53,  53,  53,  53,  53,  53,  53,  // y -800
      53,  53,  97,  79,  79,  79,  79,  79,  79,  79,  79,  79},
    { 53,  53,  53,  53,  53,   53,  50,  48,  47,  46,  45,  44,  21,  33,  32,  // y -600
      65,  73,  78,  79,  79,  79,  84,  79,  79,  79,  79,  79},
    { 45,  44, 107, 106, 105,   52,  49,   7,   4,   6,  34,   6,   4,   7,  31,  // y -400
      64,  66,  77,  80,  79,  79,  79,  79,  79,  79,  79,  79},
    {  6,   8,   6,   8,   7,    8,  51,   6,   7,   8,   8,   7,   8,   4,  30,  // y -200
      66,  64,  76,  79,  79,  79,  79,  79,  79,  83,  79,  79},
    {  7,   8,   8,   7,   6,    6,   7,   8,   6,   0,   1,   2,   6,  18,  23,  // y 0
      64,  72,  75,  79,  79,  82,  79,  79,  79,  79,  79,  79},
    {  8,   8,   7,   6,   8,    4,   8,   7,   8,   5,   3,   4,   8,  25,  24,  // y 200
      66,  71,  74,  79,  79,  79,  79,  79,  79,  79,  79,  79},
    {  6,   7,   8,   7,   6,   20,  17,   8,   8,   7,   9,  11,   8,   7,  27,  // y 400
      64,  66,  81,  79,  79,  79,  79,  86,  79,  79,  79,  88},
    {  7,   8, 109,  12, 108,   57,  56,  55,  54,  13,  10, 114,  16,  26,  28,  // y 600
      67,  68, 104,  79,  93,  79,  79,  79,  79,  79,  79,  79},
    {  7,   6,   6,   8,   8,    7,  58,   6,  61,  14,  15,  36,  37,  38,  29,  // y 800
      66,  64,  77,  79,  79,  79,  79,  79,  79,  79,  79,  79},
    {  6,   8,   7,   7,   6,    8,  59,  62,  22,  41,  22,  35,  22,  40,  39,  // y 1000
      69,  70,  91,  79,  79,  79,  79,  79,  79,  79,  79,  79},
    {  8,   7,   6,   8,   7,    6,  60,  63,  22,  43,  22,  22,  41,  42,  22,  // y 1200
      22,  14,  92,  85,  79,  79,  79,  79,  79,  79,  79,  79},
    {  7,   6,  19,   7,   6,    4, 100, 101,  22,  22,  22,  22,  22,  22,  43,  // y 1400
      22,  22,  94,  79,  79,  79,  79,  79,  79,  87,  79,  79},
    {  6,   8,   7,   8,   7,    7,   5, 102,  22,  22,  22,  22,  22,  22,  22,  // y 1600
      22,  22,  95,  79,  79,  79,  79,  79,  79,  79,  79,  79},
    { 11,   7,   6,   7,   8,    8,   0, 103,  22,  22,  22,  22,  22,  22,  22,  // y 1800
      22,  22,  96,  79,  79,  79,  79,  79,  79,  79,  79,  79},
}};
// clang-format on

// A condition on the world's place flags that the map view keeps copies of.
enum class PlaceFlagSource : uint8_t { Always, BattleTrigger, VillageJoined, TownOwned };

struct PlaceCondition {
    PlaceFlagSource source = PlaceFlagSource::Always;
    uint8_t index = 0;
    bool whenSet = true;
};

constexpr PlaceCondition Unconditionally() {
    return {};
}
constexpr PlaceCondition WhenTriggerSet(uint8_t place) {
    return {PlaceFlagSource::BattleTrigger, place, true};
}
constexpr PlaceCondition WhenTriggerClear(uint8_t place) {
    return {PlaceFlagSource::BattleTrigger, place, false};
}
constexpr PlaceCondition WhenVillageJoined(uint8_t village) {
    return {PlaceFlagSource::VillageJoined, static_cast<uint8_t>(village - 1), true};
}
constexpr PlaceCondition WhenVillageNotJoined(uint8_t village) {
    return {PlaceFlagSource::VillageJoined, static_cast<uint8_t>(village - 1), false};
}
constexpr PlaceCondition WhenTownOwned(uint8_t town) {
    return {PlaceFlagSource::TownOwned, town, true};
}
constexpr PlaceCondition WhenTownNotOwned(uint8_t town) {
    return {PlaceFlagSource::TownOwned, town, false};
}

// Index 0 of the owned-town flags is the gold mine and 5 the iron mine.
inline constexpr uint8_t kGoldMine = 0;
inline constexpr uint8_t kIronMine = 5;
inline constexpr uint8_t kTowerPlace = 10;

// The place cells of the grey east: the tile's picture shows while the condition holds, plain
// Grey6 otherwise.
struct PlaceCell {
    int32_t tileX;
    int32_t tileY;
    PlaceCondition shown;
};

inline constexpr PlaceCell kPlaceCells[] = {
    {2200, 0, WhenTriggerSet(11)},
    {3000, -200, WhenTriggerSet(16)},
    {2400, -600, WhenTriggerSet(15)},
    {1800, 1200, WhenTriggerSet(13)},
    {2600, 400, WhenTriggerSet(12)},
    {3000, 1400, WhenTriggerSet(14)},
    {3200, -1000, WhenTriggerSet(17)},
    {3400, 400, WhenTriggerSet(18)},
    {2000, 600, WhenTriggerClear(kTowerPlace)},
};

// A flag or a decoration, drawn exactly when the tile it belongs to is. A flag's frame is the
// map's shared animation frame.
struct TerrainPiece {
    int32_t tileX;
    int32_t tileY;
    int32_t x;
    int32_t y;
    int32_t slot;
    int32_t frame;
    float scaleX;
    float scaleY;
    PlaceCondition when;
    bool animated;
};

inline constexpr float kFlagScale = 0.8f;

constexpr TerrainPiece Flag(int32_t tileX, int32_t tileY, int32_t x, int32_t y, int32_t slot,
                            PlaceCondition when) {
    return {tileX, tileY, x, y, slot, 0, kFlagScale, kFlagScale, when, true};
}

// In drawing order within each tile. A camp's flag stands while its camp does, the tower's
// while the tower does.
inline constexpr TerrainPiece kFlags[] = {
    Flag(-600, -600, -526, -505, kFlag4Slot, WhenVillageJoined(7)),
    Flag(-600, -600, -526, -505, kFlag1Slot, WhenVillageNotJoined(7)),
    Flag(200, 0, 224, 20, kFlag1Slot, Unconditionally()),
    Flag(200, 0, 277, 39, kFlag1Slot, Unconditionally()),
    Flag(200, 0, 332, 20, kFlag1Slot, Unconditionally()),
    Flag(800, 0, 876, 22, kFlag4Slot, WhenTownOwned(kIronMine)),
    Flag(800, 0, 876, 22, kFlag2Slot, WhenTriggerSet(1)),
    Flag(800, 200, 877, 299, kFlag4Slot, WhenVillageJoined(3)),
    Flag(800, 200, 877, 299, kFlag1Slot, WhenVillageNotJoined(3)),
    Flag(-800, 400, -724, 460, kFlag4Slot, WhenVillageJoined(1)),
    Flag(-800, 400, -724, 460, kFlag1Slot, WhenVillageNotJoined(1)),
    Flag(-600, 400, -523, 425, kFlag2Slot, WhenTriggerSet(0)),
    Flag(-600, 400, -523, 425, kFlag4Slot, WhenTownOwned(kGoldMine)),
    Flag(600, 600, 680, 680, kFlag4Slot, WhenTownOwned(4)),
    Flag(600, 600, 680, 680, kFlag1Slot, WhenTownNotOwned(4)),
    Flag(-600, 800, -524, 882, kFlag4Slot, WhenTownOwned(2)),
    Flag(-600, 800, -524, 882, kFlag1Slot, WhenTownNotOwned(2)),
    Flag(0, 1200, 77, 1253, kFlag4Slot, WhenVillageJoined(4)),
    Flag(0, 1200, 77, 1253, kFlag1Slot, WhenVillageNotJoined(4)),
    Flag(1800, -400, 1876, -310, kFlag1Slot, WhenTriggerClear(2)),
    Flag(1400, 200, 1477, 286, kFlag4Slot, WhenVillageJoined(6)),
    Flag(1400, 200, 1477, 286, kFlag1Slot, WhenVillageNotJoined(6)),
    Flag(1600, 600, 1668, 617, kFlag2Slot, WhenTriggerSet(3)),
    Flag(1600, 600, 1668, 617, kFlag1Slot, WhenTriggerClear(3)),
    Flag(1600, -800, 1637, -748, kFlag4Slot, WhenVillageJoined(8)),
    Flag(1600, -800, 1637, -748, kFlag1Slot, WhenVillageNotJoined(8)),
    Flag(-600, 1400, -527, 1500, kFlag4Slot, WhenTownOwned(3)),
    Flag(-600, 1400, -527, 1500, kFlag1Slot, WhenTownNotOwned(3)),
    Flag(1000, 1400, 1077, 1452, kFlag4Slot, WhenVillageJoined(5)),
    Flag(1000, 1400, 1077, 1452, kFlag1Slot, WhenVillageNotJoined(5)),
    Flag(-400, 1600, -323, 1730, kFlag1Slot, Unconditionally()),
    Flag(-1400, 1400, -1325, 1496, kFlag4Slot, WhenVillageJoined(2)),
    Flag(-1400, 1400, -1325, 1496, kFlag1Slot, WhenVillageNotJoined(2)),
    Flag(-1400, 600, -1322, 684, kFlag4Slot, WhenTownOwned(1)),
    Flag(-1400, 600, -1322, 684, kFlag1Slot, WhenTownNotOwned(1)),
    Flag(2200, 0, 2275, 80, kFlag2Slot, WhenTriggerSet(11)),
    Flag(3000, -200, 3077, -120, kFlag2Slot, WhenTriggerSet(16)),
    Flag(2400, -600, 2476, -515, kFlag2Slot, WhenTriggerSet(15)),
    Flag(1800, 1200, 1878, 1278, kFlag2Slot, WhenTriggerSet(13)),
    Flag(2600, 400, 2675, 425, kFlag2Slot, WhenTriggerSet(12)),
    Flag(3000, 1400, 3077, 1490, kFlag2Slot, WhenTriggerSet(14)),
    Flag(3200, -1000, 3276, -1022, kFlag2Slot, WhenTriggerSet(17)),
    Flag(3400, 400, 3409, 409, kFlag2Slot, WhenTriggerSet(18)),
    Flag(3400, 400, 3544, 409, kFlag2Slot, WhenTriggerSet(18)),
    Flag(2000, 600, 2036, 684, kFlag1Slot, WhenTriggerClear(kTowerPlace)),
};

// The 199 small pieces that dress the grey east and the map's edges (TerrainDecorations.cpp).
std::span<const TerrainPiece> TerrainDecorations();

}  // namespace varn
