#pragma once

#include <algorithm>
#include <array>
#include <string>

#include "Canvas.h"
#include "Manifest.h"

namespace varn {

namespace placeholder {

// The cell of one frame inside a picture.
struct FrameCell {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Cell coordinates from a 64 x 64 design grid, so that one drawing fits any frame size.
struct Grid {
    const FrameCell& cell;
    int X(int units) const { return cell.left + units * cell.width / 64; }
    int Y(int units) const { return cell.top + units * cell.height / 64; }
    int W(int units) const { return std::max(1, units * cell.width / 64); }
    int H(int units) const { return std::max(1, units * cell.height / 64); }
    Point P(int x, int y) const { return {X(x), Y(y)}; }
};

// The raised caption of a button, in ink with a shadow; centred in the cell, shifted down and
// right when pressed, as large as the cell allows.
void DrawCaption(Canvas& canvas, const FrameCell& cell, const std::string& caption, bool pressed,
                 int maxScale);

// A plain panel the game writes over: frame 0 plain, 1 lit (hovered), 2 sunk (pressed), 3 and
// later outlined as chosen. No text.
void DrawBoxFrame(Canvas& canvas, const FrameCell& cell, int frame, bool keyed);

// A plain panel the game stretches many times over: its rim is one pixel of a lighter panel
// colour, so that stretched it stays a soft edge and leaves the panel's whole width to the text.
void DrawStretchedPanel(Canvas& canvas, const FrameCell& cell);

// A deep panel stretched over a whole screen, framed, with a light plate at plate (left, top,
// width, height inside the cell) under the line the game writes in a dark colour.
void DrawPlatedPage(Canvas& canvas, const FrameCell& cell, const std::array<int, 4>& plate);

// A raised button with its caption: frame 0 plain, 1 lit (hovered), 2 sunk (pressed); frames 3
// and later repeat them outlined. Without a letter size the caption is as large as the button's
// height allows.
void DrawButtonFrame(Canvas& canvas, const FrameCell& cell, int frame, bool keyed,
                     const std::string& caption, const LetterSize& letters);

// A quiet woven background with nothing on it.
void DrawBackFrame(Canvas& canvas, const FrameCell& cell);

// One word of a words picture alone on the key colour, from the left of its frame.
void DrawLoneText(Canvas& canvas, const FrameCell& cell, const std::string& text, int maxScale);

// A button's caption alone on the key colour, centred in its frame, at its letter size or else in
// the small letter size every caption shares; an empty one draws nothing.
void DrawLoneCaption(Canvas& canvas, const FrameCell& cell, const std::string& caption,
                     const LetterSize& letters);

// The n-th word of a label whose words are parted by '|'; a label without '|' is every frame's.
std::string WordOf(const std::string& label, int frame);

}  // namespace placeholder

}  // namespace varn
