#include "GroundArt.h"

#include <algorithm>
#include <cstdint>

#include "BuildingArt.h"
#include "DecorationArt.h"
#include "MapFlags.h"

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
    {"grass", {92, 150, 68}, {70, 124, 52}},    {"meadow", {128, 172, 84}, {196, 190, 92}},
    {"road", {92, 150, 68}, {196, 170, 118}},   {"desert", {214, 190, 128}, {190, 164, 104}},
    {"earth", {146, 106, 70}, {118, 84, 54}},   {"water", {60, 110, 190}, {120, 164, 222}},
    {"waste", {124, 124, 118}, {100, 100, 96}}, {"mountain", {118, 108, 98}, {70, 62, 58}},
    {"plains", {150, 160, 86}, {124, 136, 66}}, {"snow", {214, 218, 226}, {176, 182, 198}},
    {"cliff", {72, 66, 64}, {112, 104, 98}},    {"woods", {92, 150, 68}, {44, 96, 46}},
    {"yard", {70, 66, 72}, {86, 80, 90}},
};

constexpr Rgb kCrownLight = {70, 128, 58};

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
    } else if (kind == "mountain") {
        for (int x = 0; x + 40 <= w; x += 42) {
            FillTriangle(canvas, left + x, top + h - 16 - (x % 84 == 0 ? 30 : 0), 40, 34,
                         look.mark);
        }
    } else if (kind == "woods") {
        // Round crowns of trees, each with a lit side, rows offset like a wood seen from above.
        for (int y = 2; y + 10 < h; y += 16) {
            for (int x = 2 + (y / 16 % 2) * 8; x + 12 < w; x += 16) {
                canvas.FillEllipse(left + x, top + y, 14, 13, look.mark);
                canvas.FillEllipse(left + x + 3, top + y + 2, 6, 5, kCrownLight);
            }
        }
    } else if (kind == "cliff") {
        // Boulders by the picture's own position, so that the frames of a sheet differ.
        for (int y = 0; y < h; y += 6) {
            for (int x = 0; x < w; x += 6) {
                const uint32_t grain = Grain(left + x, top + y);
                canvas.FillEllipse(left + x + static_cast<int>(grain % 3),
                                   top + y + static_cast<int>(grain / 3 % 3), 5, 4, look.mark);
            }
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

bool IsPlainGround(const std::string& kind) {
    return std::any_of(std::begin(kLooks), std::end(kLooks),
                       [&](const GroundLook& look) { return kind == look.kind; });
}

}  // namespace

bool IsGroundKind(const std::string& kind) {
    BuildingPlan building;
    DecorationPlan decoration;
    return IsPlainGround(kind) ||
           (ParseBuilding(kind, building) && IsPlainGround(building.ground)) ||
           (ParseDecoration(kind, decoration) && IsPlainGround(decoration.ground));
}

Canvas DrawGround(const ManifestRow& row) {
    BuildingPlan building;
    DecorationPlan decoration;
    const bool built = ParseBuilding(row.ground, building);
    if (built) {
        building.flagFeet = FlagFeetOn(row.gamePath, row.frameWidth);
    }
    const bool decorated = !built && ParseDecoration(row.ground, decoration);
    const std::string& ground = built       ? building.ground
                                : decorated ? decoration.ground
                                            : row.ground;
    const GroundLook& look = LookOf(ground);
    Canvas canvas(row.width, row.height, look.base);
    const int framesPerRow = row.width / row.frameWidth;
    for (int frame = 0; frame < row.frameCount; ++frame) {
        const int left = (frame % framesPerRow) * row.frameWidth;
        const int top = (frame / framesPerRow) * row.frameHeight;
        DrawMarks(canvas, ground, look, left, top, row.frameWidth, row.frameHeight);
        if (built) {
            DrawBuilding(canvas, building, left, top, row.frameWidth, row.frameHeight);
        } else if (decorated) {
            DrawDecoration(canvas, decoration, frame, left, top, row.frameWidth, row.frameHeight);
        }
    }
    return canvas;
}

}  // namespace placeholder

}  // namespace varn
