#include "PictureArt.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "PixelFont.h"

namespace varn {

namespace placeholder {

namespace {

// Every drawn channel stays within 16..239, so even with 5-bit rounding no drawn colour reaches
// 0 or 31 in any channel and none can match a colour key.
constexpr Rgb kUnkeyedBackground = {0x50, 0x50, 0x50};
constexpr Rgb kOutline = {0x28, 0x28, 0x28};
constexpr Rgb kInk = {0x14, 0x14, 0x14};
constexpr Rgb kArrowFill = {0xE8, 0xE8, 0xDC};
constexpr Rgb kPanelFill = {0x22, 0x2A, 0x3A};
constexpr Rgb kPanelEdge = {0x58, 0x62, 0x78};
constexpr double kTileSaturation = 0.5;
constexpr double kTileValue = 0.78;
constexpr int kMaxTextScale = 8;

// The arrow in a 64 x 64 frame; its tip is the frame's top-left pixel, the pointer's hot spot.
constexpr double kArrowOutline[][2] = {{0, 0},   {0, 46},  {11, 36}, {19, 54},
                                       {27, 50}, {19, 33}, {34, 33}};

Rgb KeyColour(uint32_t key) {
    return {static_cast<uint8_t>(key >> 16), static_cast<uint8_t>(key >> 8),
            static_cast<uint8_t>(key)};
}

Rgb FromHsv(double hue, double saturation, double value) {
    double sector = std::fmod(hue, 1.0) * 6.0;
    int index = static_cast<int>(sector);
    double fraction = sector - index;
    double p = value * (1.0 - saturation);
    double q = value * (1.0 - saturation * fraction);
    double t = value * (1.0 - saturation * (1.0 - fraction));
    double channels[6][3] = {{value, t, p}, {q, value, p}, {p, value, t},
                             {p, q, value}, {t, p, value}, {value, p, q}};
    const double* rgb = channels[index % 6];
    auto byte = [](double channel) { return static_cast<uint8_t>(std::lround(channel * 255.0)); };
    return {byte(rgb[0]), byte(rgb[1]), byte(rgb[2])};
}

// Neighbouring frames get far-apart hues; each file starts at its own hue.
Rgb TileColour(const ManifestRow& row, int frame) {
    uint32_t hash = 2166136261u;
    for (char c : row.gamePath) {
        hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    }
    constexpr double kGoldenRatioConjugate = 0.6180339887498949;
    double hue = (hash % 1000) / 1000.0 + frame * kGoldenRatioConjugate;
    return FromHsv(hue, kTileSaturation, kTileValue);
}

// The longest start of text that fits in width pixels at scale.
std::string FitText(const std::string& text, int width, int scale) {
    size_t characters = static_cast<size_t>(std::max(0, (width / scale + 1) / kGlyphCellWidth));
    return text.substr(0, std::min(characters, text.size()));
}

// A label of words parted by '|' gives each frame its own word; others label every frame alike.
std::string LabelOf(const std::string& label, int frame) {
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

void DrawTile(Canvas& canvas, const ManifestRow& row, int frame, int left, int top) {
    int margin = row.frameWidth >= 8 && row.frameHeight >= 8 ? 1 : 0;
    int tileLeft = left + margin;
    int tileTop = top + margin;
    int tileWidth = row.frameWidth - 2 * margin;
    int tileHeight = row.frameHeight - 2 * margin;
    canvas.FillRect(tileLeft, tileTop, tileWidth, tileHeight, TileColour(row, frame));
    if (tileWidth < 3 || tileHeight < 3) {
        return;
    }
    canvas.OutlineRect(tileLeft, tileTop, tileWidth, tileHeight, kOutline);

    int scale = std::clamp(std::min(row.frameWidth, row.frameHeight) / 64, 1, kMaxTextScale);
    int innerWidth = tileWidth - 4;
    int lineHeight = kGlyphCellHeight * scale;
    std::string number = FitText(std::to_string(frame), innerWidth, scale);
    std::string label = FitText(LabelOf(row.label, frame), innerWidth, scale);
    if (tileHeight - 4 < 2 * lineHeight) {
        label.clear();  // room for one line: the frame number tells frames apart
    }
    if (tileHeight - 4 < lineHeight - scale || number.size() < std::to_string(frame).size()) {
        return;
    }
    int lines = label.empty() ? 1 : 2;
    int y = tileTop + (tileHeight - (lines * lineHeight - scale)) / 2;
    if (!label.empty()) {
        DrawText(canvas, tileLeft + (tileWidth - TextWidth(label, scale)) / 2, y, label, scale,
                 kInk);
        y += lineHeight;
    }
    DrawText(canvas, tileLeft + (tileWidth - TextWidth(number, scale)) / 2, y, number, scale, kInk);
}

// Frame k of a glyph sheet: the row's k-th character, as large as the tile allows; '~' leaves
// the frame empty.
void DrawGlyphTile(Canvas& canvas, const ManifestRow& row, int frame, int left, int top) {
    const char character = row.label[static_cast<size_t>(frame)];
    if (character == '~') {
        return;  // a blank glyph: nothing but the key, so it draws nothing
    }
    canvas.FillRect(left + 1, top + 1, row.frameWidth - 2, row.frameHeight - 2,
                    TileColour(row, frame));
    const std::string text(1, character);
    int scale = std::max(1, std::min((row.frameWidth - 2) / kGlyphCellWidth,
                                     (row.frameHeight - 2) / kGlyphCellHeight));
    scale = std::min(scale, kMaxTextScale);
    DrawText(canvas, left + (row.frameWidth - TextWidth(text, scale)) / 2,
             top + (row.frameHeight - (kGlyphCellHeight - 1) * scale) / 2, text, scale, kInk);
}

// A figure sheet holds four steps per facing: frames 0..31 walk, 32..63 strike. Each tile names
// the unit, its facing and its step, so a drawn frame can be read off the screen.
void DrawFigureTile(Canvas& canvas, const ManifestRow& row, int frame, int left, int top) {
    static constexpr const char* kFacings[] = {"UP", "UR", "RT", "DR", "DN", "DL", "LT", "UL"};
    canvas.FillRect(left + 1, top + 1, row.frameWidth - 2, row.frameHeight - 2,
                    TileColour(row, frame % 32));
    canvas.OutlineRect(left + 1, top + 1, row.frameWidth - 2, row.frameHeight - 2, kOutline);
    const std::string lines[] = {
        FitText(row.label, row.frameWidth - 4, 1),
        kFacings[(frame / 4) % 8],
        std::string(frame >= 32 ? "S" : "W") + std::to_string(frame % 4),
    };
    int y = top + (row.frameHeight - 3 * kGlyphCellHeight) / 2;
    for (const std::string& line : lines) {
        DrawText(canvas, left + (row.frameWidth - TextWidth(line, 1)) / 2, y, line, 1, kInk);
        y += kGlyphCellHeight;
    }
}

// A backdrop the game stretches behind light text: dark, even, with a lighter edge; each later
// frame (a button's hovered and pressed looks) a little lighter. A keyed panel is its edge
// alone, so what lies under it shows through: a selection frame.
void DrawPanelTile(Canvas& canvas, const ManifestRow& row, int frame, int left, int top) {
    auto lighter = [frame](Rgb colour) {
        const int step = 0x12 * frame;
        auto channel = [step](uint8_t c) { return static_cast<uint8_t>(std::min(c + step, 0xD0)); };
        return Rgb{channel(colour.r), channel(colour.g), channel(colour.b)};
    };
    if (row.colourKey == 0) {
        canvas.FillRect(left, top, row.frameWidth, row.frameHeight, lighter(kPanelFill));
    }
    for (int edge = 0; edge < (row.colourKey == 0 ? 1 : 3); ++edge) {
        canvas.OutlineRect(left + edge, top + edge, row.frameWidth - 2 * edge,
                           row.frameHeight - 2 * edge, lighter(kPanelEdge));
    }
}

bool InsideArrow(double x, double y) {
    bool inside = false;
    constexpr size_t kCorners = std::size(kArrowOutline);
    for (size_t i = 0, j = kCorners - 1; i < kCorners; j = i++) {
        double xi = kArrowOutline[i][0], yi = kArrowOutline[i][1];
        double xj = kArrowOutline[j][0], yj = kArrowOutline[j][1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) {
            inside = !inside;
        }
    }
    return inside;
}

void DrawArrow(Canvas& canvas, const ManifestRow& row, int left, int top) {
    double scaleX = row.frameWidth / 64.0;
    double scaleY = row.frameHeight / 64.0;
    auto inside = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= row.frameWidth || y >= row.frameHeight) {
            return false;
        }
        return InsideArrow((x + 0.5) / scaleX, (y + 0.5) / scaleY);
    };
    for (int y = 0; y < row.frameHeight; ++y) {
        for (int x = 0; x < row.frameWidth; ++x) {
            if (!inside(x, y)) {
                continue;
            }
            bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            canvas.Set(left + x, top + y, edge ? kOutline : kArrowFill);
        }
    }
}

}  // namespace

Canvas DrawPicture(const ManifestRow& row) {
    Canvas canvas(row.width, row.height,
                  row.colourKey != 0 ? KeyColour(row.colourKey) : kUnkeyedBackground);
    int framesPerRow = row.width / row.frameWidth;
    for (int frame = 0; frame < row.frameCount; ++frame) {
        int left = (frame % framesPerRow) * row.frameWidth;
        int top = (frame / framesPerRow) * row.frameHeight;
        if (row.kind == RowKind::Arrow) {
            DrawArrow(canvas, row, left, top);
        } else if (row.kind == RowKind::Glyphs) {
            DrawGlyphTile(canvas, row, frame, left, top);
        } else if (row.kind == RowKind::Figures) {
            DrawFigureTile(canvas, row, frame, left, top);
        } else if (row.kind == RowKind::Panel) {
            DrawPanelTile(canvas, row, frame, left, top);
        } else {
            DrawTile(canvas, row, frame, left, top);
        }
    }
    return canvas;
}

}  // namespace placeholder

}  // namespace varn
