#pragma once

#include "Canvas.h"

namespace varn {

namespace placeholder {

// The one palette every placeholder picture is drawn from, so that the screens read as one game.
// Every channel stays within 16..239: even after 5-bit rounding no colour reaches 0 or 31 in any
// channel, so none can be taken for a colour key.
namespace palette {

// Text: the only colours glyphs, words and captions are drawn in, and nothing else uses them.
constexpr Rgb kInk = {236, 226, 196};
constexpr Rgb kInkShadow = {22, 18, 26};

// Panels: the fill the game writes its text over, with a bevelled frame; darker when pressed.
constexpr Rgb kPanel = {46, 52, 74};
constexpr Rgb kPanelDark = {30, 34, 50};
constexpr Rgb kFrameLight = {200, 170, 104};
constexpr Rgb kFrameDark = {104, 80, 44};
constexpr Rgb kChosen = {232, 200, 80};
// Stretched panels and hovered boxes: deep enough that the game's red and blue words read on them
// as well as its light ones, and thin letters drawn smaller too; a page's plate is light for the
// one line the game writes in a dark colour.
constexpr Rgb kPanelDeep = {16, 18, 24};
constexpr Rgb kPanelDeepRim = {40, 46, 64};
constexpr Rgb kPlate = {226, 214, 180};

// Buttons: a raised bronze face; hovered lighter, pressed darker and sunk.
constexpr Rgb kFace = {122, 86, 52};
constexpr Rgb kFaceHover = {152, 110, 66};
constexpr Rgb kFacePressed = {88, 60, 36};
constexpr Rgb kBevelLight = {206, 166, 108};
constexpr Rgb kBevelDark = {48, 32, 22};

// Backgrounds: two close tones woven into a quiet texture.
constexpr Rgb kBack = {58, 50, 66};
constexpr Rgb kBackGrain = {66, 58, 76};

// Sides of a figure: the player's, the foe's and nobody's.
constexpr Rgb kOurs = {58, 98, 196};
constexpr Rgb kOursDark = {34, 58, 124};
constexpr Rgb kFoe = {188, 54, 46};
constexpr Rgb kFoeDark = {112, 30, 26};
constexpr Rgb kNeutral = {150, 138, 104};
constexpr Rgb kNeutralDark = {92, 84, 62};

// Figures and things.
constexpr Rgb kSkin = {222, 176, 136};
constexpr Rgb kMetal = {172, 178, 190};
constexpr Rgb kMetalDark = {96, 100, 112};
constexpr Rgb kWood = {120, 82, 46};
constexpr Rgb kGold = {226, 186, 58};
constexpr Rgb kGoldDark = {150, 112, 30};
constexpr Rgb kOutline = {28, 24, 30};
constexpr Rgb kFur = {130, 100, 70};

// Tints that tell things of one shape apart (gems, items, unit badges).
constexpr Rgb kTints[] = {
    {196, 60, 64},  {60, 150, 80},  {70, 110, 210}, {210, 180, 60},
    {150, 80, 190}, {60, 170, 180}, {220, 130, 50}, {180, 180, 190},
};

}  // namespace palette

}  // namespace placeholder

}  // namespace varn
