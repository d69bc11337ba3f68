#pragma once

#include <array>
#include <cstdint>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "frontend/ScreenArt.h"
#include "world/GameState.h"

namespace varn {

class GameState;
class GraphicsDevice;

// The five options, one row each, in the order the screen shows them.
enum OptionRow : uint8_t {
    kOptionMusic = 0,
    kOptionSounds = 1,
    kOptionMapSpeed = 2,
    kOptionBattleMoveSpeed = 3,
    kOptionBattleSwingSpeed = 4,
    kOptionRowCount = 5,
};

enum OptionsButton : uint8_t {
    kMusicOn = 1,
    kMusicOff,
    kSoundsOn,
    kSoundsOff,
    kMapSlow,
    kMapAverage,
    kMapFast,
    kBattleMoveSlow,
    kBattleMoveAverage,
    kBattleMoveFast,
    kBattleSwingSlow,
    kBattleSwingAverage,
    kBattleSwingFast,
    kOptionsBack,
};

enum OptionsPicture : int32_t {
    kOptionOnSlot = 0,
    kOptionOffSlot,
    kOptionSlowSlot,
    kOptionAverageSlot,
    kOptionFastSlot,
    kOptionMarkSlot,
    kOptionsBackSlot,
};

// One choice button: the row it sets, the value it gives it and the picture that names it.
struct OptionChoice {
    uint8_t button;
    uint8_t row;
    uint8_t value;
    int32_t slot;
};

inline constexpr OptionChoice kOptionChoices[] = {
    {kMusicOn, kOptionMusic, 1, kOptionOnSlot},
    {kMusicOff, kOptionMusic, 0, kOptionOffSlot},
    {kSoundsOn, kOptionSounds, 1, kOptionOnSlot},
    {kSoundsOff, kOptionSounds, 0, kOptionOffSlot},
    {kMapSlow, kOptionMapSpeed, kSpeedSlow, kOptionSlowSlot},
    {kMapAverage, kOptionMapSpeed, kSpeedAverage, kOptionAverageSlot},
    {kMapFast, kOptionMapSpeed, kSpeedFast, kOptionFastSlot},
    {kBattleMoveSlow, kOptionBattleMoveSpeed, kSpeedSlow, kOptionSlowSlot},
    {kBattleMoveAverage, kOptionBattleMoveSpeed, kSpeedAverage, kOptionAverageSlot},
    {kBattleMoveFast, kOptionBattleMoveSpeed, kSpeedFast, kOptionFastSlot},
    {kBattleSwingSlow, kOptionBattleSwingSpeed, kSpeedSlow, kOptionSlowSlot},
    {kBattleSwingAverage, kOptionBattleSwingSpeed, kSpeedAverage, kOptionAverageSlot},
    {kBattleSwingFast, kOptionBattleSwingSpeed, kSpeedFast, kOptionFastSlot},
};

// Rows stand 70 pixels apart from y 110; a row's choices 140 pixels apart from x 330.
constexpr int16_t OptionRowY(int row) {
    return static_cast<int16_t>(110 + 70 * row);
}
constexpr ButtonRect OptionButton(uint8_t id, int row, int column) {
    return {id, static_cast<int16_t>(330 + 140 * column), OptionRowY(row), 128, 48};
}

inline constexpr ButtonRect kOptionsButtons[] = {
    OptionButton(kMusicOn, kOptionMusic, 0),
    OptionButton(kMusicOff, kOptionMusic, 1),
    OptionButton(kSoundsOn, kOptionSounds, 0),
    OptionButton(kSoundsOff, kOptionSounds, 1),
    OptionButton(kMapSlow, kOptionMapSpeed, 0),
    OptionButton(kMapAverage, kOptionMapSpeed, 1),
    OptionButton(kMapFast, kOptionMapSpeed, 2),
    OptionButton(kBattleMoveSlow, kOptionBattleMoveSpeed, 0),
    OptionButton(kBattleMoveAverage, kOptionBattleMoveSpeed, 1),
    OptionButton(kBattleMoveFast, kOptionBattleMoveSpeed, 2),
    OptionButton(kBattleSwingSlow, kOptionBattleSwingSpeed, 0),
    OptionButton(kBattleSwingAverage, kOptionBattleSwingSpeed, 1),
    OptionButton(kBattleSwingFast, kOptionBattleSwingSpeed, 2),
    {kOptionsBack, 304, 500, 192, 64},
};

// Choice pictures: frames normal, hovered, pressed. The mark stands behind the chosen one.
inline constexpr PictureLoad kOptionsPictures[] = {
    {kOptionOnSlot, "Art\\Menu2\\On.bmp", 128, 48, 0xFF000000},
    {kOptionOffSlot, "Art\\Menu2\\Off.bmp", 128, 48, 0xFF000000},
    {kOptionSlowSlot, "Art\\Menu2\\Slow.bmp", 128, 48, 0xFF000000},
    {kOptionAverageSlot, "Art\\Menu2\\Average.bmp", 128, 48, 0xFF000000},
    {kOptionFastSlot, "Art\\Menu2\\Fast.bmp", 128, 48, 0xFF000000},
    {kOptionMarkSlot, "Art\\Menu2\\OptionMark.bmp", 144, 56, 0xFF000000},
    {kOptionsBackSlot, "Art\\Menu2\\Back.bmp", 192, 64, 0xFF000000},
};

// Music and sounds on or off and the three speeds, each chosen with a button of its row.
class OptionsScreen {
  public:
    virtual ~OptionsScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Show(const GameState& world);
    void WriteBack(GameState& world) const;
    // Applies a choice button; true when it changed an option.
    bool Choose(uint8_t button);
    void Draw();

    bool MusicOn() const { return values[kOptionMusic] != 0; }

    ButtonBar buttons{kOptionsButtons};
    ScreenArt art;
    std::array<uint8_t, kOptionRowCount> values{};
};

}  // namespace varn
