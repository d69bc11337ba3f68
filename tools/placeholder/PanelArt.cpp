#include "PanelArt.h"

#include <algorithm>
#include <cmath>

#include "Palette.h"
#include "PixelFont.h"
#include "SizedText.h"

namespace varn {

namespace placeholder {

namespace {

using namespace palette;

// The largest scale at which text fits the given room; 0 when even the smallest does not.
int FittingScale(const std::string& text, int width, int height, int maxScale) {
    int scale = maxScale;
    while (scale > 0 && (TextWidth(text, scale) + scale > width ||
                         (kGlyphCellHeight - 1) * scale + scale > height)) {
        --scale;
    }
    return scale;
}

// Text in ink over its shadow, its top-left corner at (x, y).
void DrawInk(Canvas& canvas, int x, int y, const std::string& text, int scale) {
    const int shadow = std::max(1, scale / 2);
    DrawText(canvas, x + shadow, y + shadow, text, scale, kInkShadow);
    DrawText(canvas, x, y, text, scale, kInk);
}

// A caption whose letters stand letters.height pixels tall once the game draws the picture at its
// scale, shrunk until it fits the room inside border; in ink over its shadow, centred in the cell
// and pressed in when the button is.
void DrawCaptionForScale(Canvas& canvas, const FrameCell& cell, const std::string& caption,
                         const LetterSize& letters, int border, bool pressed) {
    if (caption.empty()) {
        return;
    }
    // The height is the letters' above the line; hanging letters reach below it.
    const double unit = letters.height / kGlyphLineRows;
    FontUnits units{unit / letters.scaleX, unit / letters.scaleY};
    const auto shadowOf = [](FontUnits u) {
        return std::max(1, static_cast<int>(std::lround(std::min(u.x, u.y) / 2)));
    };
    while (units.x > 1 &&
           SizedTextWidth(caption, units) + shadowOf(units) > cell.width - 2 * border) {
        units = {units.x * 0.98, units.y * 0.98};
    }
    const int shadow = shadowOf(units);
    const int shift = pressed ? shadow : 0;
    const int x = cell.left + (cell.width - SizedTextWidth(caption, units) - shadow) / 2 + shift;
    const int y = cell.top + (cell.height - SizedTextHeight(caption, units) - shadow) / 2 + shift;
    DrawSizedText(canvas, x + shadow, y + shadow, caption, units, kInkShadow);
    DrawSizedText(canvas, x, y, caption, units, kInk);
}

// A keyed picture keeps its corners in the key, so a frame reads rounded over any ground.
void CutCorners(Canvas& canvas, const FrameCell& cell, Rgb key) {
    for (int x : {cell.left, cell.left + cell.width - 1}) {
        for (int y : {cell.top, cell.top + cell.height - 1}) {
            canvas.Set(x, y, key);
        }
    }
}

}  // namespace

std::string WordOf(const std::string& label, int frame) {
    if (label.find('|') == std::string::npos) {
        return label;
    }
    size_t start = 0;
    for (int part = 0; part < frame && start != std::string::npos; ++part) {
        start = label.find('|', start);
        start = start == std::string::npos ? start : start + 1;
    }
    if (start == std::string::npos) {
        return {};
    }
    return label.substr(start, label.find('|', start) - start);
}

void DrawCaption(Canvas& canvas, const FrameCell& cell, const std::string& caption, bool pressed,
                 int maxScale) {
    const int border = std::max(2, std::min(cell.width, cell.height) / 10);
    const int scale =
        FittingScale(caption, cell.width - 2 * border, cell.height - 2 * border, maxScale);
    if (scale == 0) {
        return;
    }
    const int shift = pressed ? std::max(1, scale / 2) : 0;
    const int x = cell.left + (cell.width - TextWidth(caption, scale)) / 2 + shift;
    const int y = cell.top + (cell.height - TextInkRows(caption) * scale) / 2 + shift;
    DrawInk(canvas, x, y, caption, scale);
}

void DrawBoxFrame(Canvas& canvas, const FrameCell& cell, int frame, bool keyed) {
    const Rgb key = canvas.At(cell.left, cell.top);
    if (cell.width < 4 || cell.height < 4) {
        // No room for a frame: a line shows the frame's colour, a stretched speck the fill.
        const bool line = cell.width == 1 || cell.height == 1;
        canvas.FillRect(cell.left, cell.top, cell.width, cell.height, line ? kFrameLight : kPanel);
        return;
    }
    const bool lit = frame == 1;
    const bool pressed = frame == 2;
    // A hovered box lights its rim round a deep fill: the game lays its labels and prices over a
    // hovered box, and their thin letters read on the deep fill even when drawn smaller.
    const Rgb fill = lit ? kPanelDeep : pressed ? kPanelDark : kPanel;
    canvas.FillRect(cell.left, cell.top, cell.width, cell.height, kFrameDark);
    canvas.FillRect(cell.left + 1, cell.top + 1, cell.width - 2, cell.height - 2, fill);
    canvas.Bevel(cell.left + 1, cell.top + 1, cell.width - 2, cell.height - 2, lit ? 2 : 1,
                 pressed ? kFrameDark : kFrameLight, pressed || lit ? kFrameLight : kFrameDark);
    if (frame >= 3) {
        canvas.Bevel(cell.left + 1, cell.top + 1, cell.width - 2, cell.height - 2, 2, kChosen,
                     kChosen);
    }
    if (keyed) {
        CutCorners(canvas, cell, key);
    }
}

void DrawStretchedPanel(Canvas& canvas, const FrameCell& cell) {
    canvas.FillRect(cell.left, cell.top, cell.width, cell.height, kPanelDeepRim);
    canvas.FillRect(cell.left + 1, cell.top + 1, cell.width - 2, cell.height - 2, kPanelDeep);
}

void DrawPlatedPage(Canvas& canvas, const FrameCell& cell, const std::array<int, 4>& plate) {
    const auto [left, top, width, height] = plate;
    canvas.FillRect(cell.left, cell.top, cell.width, cell.height, kFrameDark);
    canvas.FillRect(cell.left + 1, cell.top + 1, cell.width - 2, cell.height - 2, kPanelDeep);
    canvas.Bevel(cell.left + 1, cell.top + 1, cell.width - 2, cell.height - 2, 1, kFrameLight,
                 kFrameDark);
    canvas.FillRect(cell.left + left, cell.top + top, width, height, kFrameDark);
    canvas.FillRect(cell.left + left + 1, cell.top + top + 1, width - 2, height - 2, kPlate);
}

void DrawButtonFrame(Canvas& canvas, const FrameCell& cell, int frame, bool keyed,
                     const std::string& caption, const LetterSize& letters) {
    const Rgb key = canvas.At(cell.left, cell.top);
    const int look = frame % 3;
    const bool pressed = look == 2;
    const Rgb face = look == 1 ? kFaceHover : pressed ? kFacePressed : kFace;
    canvas.FillRect(cell.left, cell.top, cell.width, cell.height, kOutline);
    canvas.FillRect(cell.left + 1, cell.top + 1, cell.width - 2, cell.height - 2, face);
    const int bevel = std::clamp(std::min(cell.width, cell.height) / 16, 1, 4);
    canvas.Bevel(cell.left + 1, cell.top + 1, cell.width - 2, cell.height - 2, bevel,
                 pressed ? kBevelDark : kBevelLight, pressed ? kBevelLight : kBevelDark);
    if (frame >= 3) {
        // A second set of looks in one picture: outlined, so that each frame differs.
        canvas.OutlineRect(cell.left, cell.top, cell.width, cell.height, kChosen);
    }
    if (keyed) {
        CutCorners(canvas, cell, key);
    }
    if (letters.height > 0) {
        DrawCaptionForScale(canvas, cell, caption, letters, bevel + 1, pressed);
        return;
    }
    // One letter size for every button of a height, so the buttons of a screen match.
    DrawCaption(canvas, cell, caption, pressed, std::max(1, (cell.height + 8) / 20));
}

void DrawBackFrame(Canvas& canvas, const FrameCell& cell) {
    canvas.FillRect(cell.left, cell.top, cell.width, cell.height, kBack);
    for (int y = 0; y < cell.height; ++y) {
        for (int x = (y * 3) % 12; x < cell.width; x += 12) {
            canvas.FillRect(cell.left + x, cell.top + y, 2, 1, kBackGrain);
        }
    }
}

void DrawLoneText(Canvas& canvas, const FrameCell& cell, const std::string& text, int maxScale) {
    const int scale = FittingScale(text, cell.width - 2, cell.height - 2, maxScale);
    if (scale == 0 || text.empty()) {
        return;
    }
    // A word starts at the left of its frame, as the game sets words one after another.
    DrawInk(canvas, cell.left + 1,
            cell.top + (cell.height - kGlyphCellHeight * scale) / 2 + scale / 2, text, scale);
}

void DrawLoneCaption(Canvas& canvas, const FrameCell& cell, const std::string& caption,
                     const LetterSize& letters) {
    if (letters.height > 0) {
        DrawCaptionForScale(canvas, cell, caption, letters, 1, false);
        return;
    }
    constexpr int kCaptionScale = 1;
    DrawInk(canvas, cell.left + (cell.width - TextWidth(caption, kCaptionScale)) / 2,
            cell.top + (cell.height - kGlyphCellHeight * kCaptionScale) / 2 + 1, caption,
            kCaptionScale);
}

}  // namespace placeholder

}  // namespace varn
