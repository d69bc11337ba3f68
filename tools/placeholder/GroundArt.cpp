#include "GroundArt.h"

#include <algorithm>
#include <cstdint>

#include "PixelFont.h"

namespace varn {

namespace placeholder {

namespace {

// Every channel stays within 16..239, as in the other pictures, so that no colour nears a key.
struct GroundLook {
    const char* kind;
    Rgb base;
    Rgb mark;
};

constexpr GroundLook kLooks[] = {
    {"grass", {92, 150, 68}, {70, 124, 52}},      {"meadow", {128, 172, 84}, {196, 190, 92}},
    {"road", {92, 150, 68}, {196, 170, 118}},     {"forest", {58, 112, 60}, {34, 76, 40}},
    {"desert", {214, 190, 128}, {190, 164, 104}}, {"earth", {146, 106, 70}, {118, 84, 54}},
    {"water", {60, 110, 190}, {120, 164, 222}},   {"waste", {124, 124, 118}, {100, 100, 96}},
    {"mountain", {118, 108, 98}, {70, 62, 58}},   {"place", {100, 146, 80}, {200, 186, 150}},
    {"plains", {150, 160, 86}, {124, 136, 66}},   {"snow", {214, 218, 226}, {176, 182, 198}},
    {"yard", {70, 66, 72}, {86, 80, 90}},
};

constexpr Rgb kRoof = {170, 60, 50};
constexpr Rgb kDoor = {60, 40, 30};
constexpr Rgb kPlate = {226, 216, 180};
constexpr Rgb kPlateInk = {40, 30, 24};

const GroundLook& LookOf(const std::string& kind) {
    for (const GroundLook& look : kLooks) {
        if (kind == look.kind) {
            return look;
        }
    }
    return kLooks[0];
}

// A small fixed hash of a position, so that every piece of a kind has the same grain.
uint32_t Grain(int x, int y) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

void FillTriangle(Canvas& canvas, int left, int bottom, int width, int height, Rgb colour) {
    for (int row = 0; row < height; ++row) {
        const int half = width * (row + 1) / (2 * height);
        canvas.FillRect(left + width / 2 - half, bottom - height + row, 2 * half, 1, colour);
    }
}

// The marks of a kind inside one frame of size w x h at (left, top).
void DrawMarks(Canvas& canvas, const std::string& kind, const GroundLook& look, int left, int top,
               int w, int h) {
    if (kind == "road") {
        const int band = std::max(4, w / 6);
        canvas.FillRect(left, top + (h - band) / 2, w, band, look.mark);
        canvas.FillRect(left + (w - band) / 2, top, band, h, look.mark);
    } else if (kind == "forest") {
        for (int y = 8; y < h; y += 20) {
            for (int x = 6 + (y / 20 % 2) * 10; x < w; x += 20) {
                canvas.FillRect(left + x - 5, top + y - 5, 10, 10, look.mark);
            }
        }
    } else if (kind == "mountain") {
        for (int x = 0; x + 40 <= w; x += 42) {
            FillTriangle(canvas, left + x, top + h - 16 - (x % 84 == 0 ? 30 : 0), 40, 34,
                         look.mark);
        }
    } else {
        // Scattered grain: tufts, dunes, furrows, ripples or stones by the kind's colour.
        for (int y = 0; y < h; y += 4) {
            for (int x = 0; x < w; x += 4) {
                if (Grain(x, y) % 7 == 0) {
                    canvas.FillRect(left + x, top + y, 3, 1, look.mark);
                }
            }
        }
    }
}

// A building on a plate with the label, centred in the frame.
void DrawPlace(Canvas& canvas, const ManifestRow& row, int left, int top) {
    const int w = row.frameWidth;
    const int h = row.frameHeight;
    const int wallWidth = w / 2;
    const int wallHeight = h / 4;
    const int wallLeft = left + (w - wallWidth) / 2;
    const int wallTop = top + h / 3;
    FillTriangle(canvas, wallLeft - 4, wallTop, wallWidth + 8, h / 6, kRoof);
    canvas.FillRect(wallLeft, wallTop, wallWidth, wallHeight, LookOf("place").mark);
    canvas.FillRect(wallLeft + wallWidth / 2 - 4, wallTop + wallHeight - 12, 8, 12, kDoor);
    const int scale = TextWidth(row.label, 2) <= w - 8 ? 2 : 1;
    const int textWidth = std::min(TextWidth(row.label, scale), w - 4);
    const int plateTop = wallTop + wallHeight + 6;
    canvas.FillRect(left + (w - textWidth) / 2 - 2, plateTop, textWidth + 4,
                    kGlyphCellHeight * scale + 2, kPlate);
    DrawText(canvas, left + (w - textWidth) / 2, plateTop + 2, row.label, scale, kPlateInk);
}

}  // namespace

bool IsGroundKind(const std::string& kind) {
    return std::any_of(std::begin(kLooks), std::end(kLooks),
                       [&](const GroundLook& look) { return kind == look.kind; });
}

Canvas DrawGround(const ManifestRow& row) {
    const GroundLook& look = LookOf(row.ground);
    Canvas canvas(row.width, row.height, look.base);
    const int framesPerRow = row.width / row.frameWidth;
    for (int frame = 0; frame < row.frameCount; ++frame) {
        const int left = (frame % framesPerRow) * row.frameWidth;
        const int top = (frame / framesPerRow) * row.frameHeight;
        DrawMarks(canvas, row.ground, look, left, top, row.frameWidth, row.frameHeight);
        if (row.ground == "place" || row.ground == "yard") {
            DrawPlace(canvas, row, left, top);
        }
    }
    return canvas;
}

}  // namespace placeholder

}  // namespace varn
