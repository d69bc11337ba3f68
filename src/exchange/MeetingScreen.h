#pragma once

#include <array>
#include <cstdint>

#include "engine/ButtonBar.h"
#include "engine/Font.h"
#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"
#include "exchange/ExchangeDrawing.h"

namespace varn {

class GameState;
class GraphicsDevice;

enum MeetingButton : uint8_t { kMeetItemsButton = 1, kMeetArmiesButton = 2, kMeetLeaveButton = 3 };

inline constexpr ButtonRect kMeetingButtons[] = {
    {kMeetItemsButton, 196, 560, 128, 32},
    {kMeetArmiesButton, 336, 560, 128, 32},
    {kMeetLeaveButton, 476, 560, 128, 32},
};

// The buttons' pictures, three looks each, in the slot before their id.
inline constexpr PictureLoad kMeetingPictures[] = {
    {kMeetItemsButton - 1, "Art\\Heroes\\ButtonItems.bmp", 128, 32, 0},
    {kMeetArmiesButton - 1, "Art\\Heroes\\ButtonArmies.bmp", 128, 32, 0},
    {kMeetLeaveButton - 1, "Art\\Heroes\\ButtonLeave.bmp", 128, 32, 0},
};

// Two of the player's characters side by side: portrait, name, stats and armies, and the way
// to the exchanges of their items and armies.
class MeetingScreen {
  public:
    virtual ~MeetingScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void ReleaseTextures();
    // What the screen shows, taken from the world afresh (the exchanges write back in between).
    void Show(const GameState& world, CharacterId first, CharacterId second);
    void Draw();

    ButtonBar buttons{kMeetingButtons};
    std::array<CharacterCard, 2> cards{};

    SpriteSet panel;
    SpriteSet portraits;
    SpriteSet letters;
    SpriteSet units;
    Font font;

  private:
    void DrawCard(const CharacterCard& card, int32_t left);
    void Text(const char* text, int32_t x, int32_t y, uint32_t colour);
};

}  // namespace varn
