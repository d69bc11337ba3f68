#pragma once

#include <array>
#include <cstdint>

#include "engine/ButtonBar.h"
#include "engine/Font.h"
#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"
#include "map/MapFoundPictures.h"
#include "world/GameState.h"

namespace varn {

class GraphicsDevice;

enum WealthButton : uint8_t { kWealthExit = 1 };
inline constexpr ButtonRect kWealthButtons[] = {{kWealthExit, 680, 540, 96, 32}};

// Villages: frame v - 1 free, 9 + v - 1 joined. Towns and mines by list value v (1 the gold mine,
// 2..5 towns 1..4, 6 the iron mine): frame v - 1 not held, 6 + v - 1 held.
inline constexpr PictureLoad kWealthVillagePictures[] = {
    {0, "Art\\Wealth\\Villages.bmp", 64, 64, 0xFF000000},
};
inline constexpr PictureLoad kWealthTownPictures[] = {
    {0, "Art\\Wealth\\Towns.bmp", 64, 64, 0xFF000000},
};
enum WealthPicture : int32_t { kWealthBackSlot = 0, kWealthExitSlot = 1 };
inline constexpr PictureLoad kWealthPictures[] = {
    {kWealthBackSlot, "Art\\Wealth\\Back.bmp", 256, 256, 0},
    {kWealthExitSlot, "Art\\You\\ButtonExit.bmp", 96, 32, 0},
};

inline constexpr int kWealthGemPlaces = 30;
inline constexpr int kWealthArtifactPlaces = 15;
inline constexpr int kWealthVillagePlaces = 8;
inline constexpr int kWealthTownPlaces = 10;
inline constexpr int kVillagePictureCount = 9;
inline constexpr int kTownPictureCount = 6;

// What the player owns: gems, artifacts, joined villages, held towns and mines, gold and the daily
// income. Shows a copy taken on entry; nothing here changes the world.
class WealthScreen {
  public:
    virtual ~WealthScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    // Copies the display lists and what each place holds.
    void Show(const GameState& world);
    void Draw();

    // By place: the gem or artifact number shown (0 none), the village or town-list value shown
    // and whether it is joined or held.
    std::array<uint8_t, kWealthGemPlaces> gems{};
    std::array<uint8_t, kWealthArtifactPlaces> artifacts{};
    std::array<uint8_t, kWealthVillagePlaces> villages{};
    std::array<uint8_t, kWealthVillagePlaces> villageJoined{};
    std::array<uint8_t, kWealthTownPlaces> towns{};
    std::array<uint8_t, kWealthTownPlaces> townHeld{};
    int32_t gold = 0;
    int32_t dailyIncome = 0;

    ButtonBar buttons{kWealthButtons};
    SpriteSet gemSprites;
    SpriteSet artifactSprites;
    SpriteSet villageSprites;
    SpriteSet townSprites;
    SpriteSet sprites;
    Font font;
};

// The gem table of the map's found box, slot by slot: gem g in slot g - 1.
inline constexpr int32_t kGemSlotCount = static_cast<int32_t>(std::size(kFoundGemPictures));
inline constexpr int32_t kArtifactSlotCount =
    static_cast<int32_t>(std::size(kFoundArtifactPictures));

}  // namespace varn
