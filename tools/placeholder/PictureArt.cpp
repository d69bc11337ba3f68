#include "PictureArt.h"

#include <algorithm>
#include <string>

#include "FigureArt.h"
#include "GlyphArt.h"
#include "GroundArt.h"
#include "IconArt.h"
#include "Palette.h"
#include "PanelArt.h"
#include "PixelFont.h"
#include "engine/FigureSheets.h"

namespace varn {

namespace placeholder {

namespace {

using namespace palette;

constexpr Rgb kUnkeyedBackground = kOutline;
constexpr Rgb kArrowFill = {232, 232, 220};
constexpr Rgb kDeveloperPlate = {226, 226, 160};
constexpr int kWalkFrames = 32;

// The arrow in a 64 x 64 frame; its tip is the frame's top-left pixel, the pointer's hot spot.
constexpr double kArrowOutline[][2] = {{0, 0},   {0, 46},  {11, 36}, {19, 54},
                                       {27, 50}, {19, 33}, {34, 33}};

Rgb KeyColour(uint32_t key) {
    return {static_cast<uint8_t>(key >> 16), static_cast<uint8_t>(key >> 8),
            static_cast<uint8_t>(key)};
}

uint32_t NameHash(const std::string& text) {
    uint32_t hash = 2166136261u;
    for (char c : text) {
        hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    }
    return hash;
}

// Things of one shape differ by tint: by their name, then by frame.
Rgb TintOf(const std::string& name, int frame) {
    return kTints[(NameHash(name) + static_cast<uint32_t>(frame)) % std::size(kTints)];
}

Side SideOf(const std::string& side) {
    return side == "ours" ? Side::Ours : side == "foe" ? Side::Foe : Side::Neutral;
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

void DrawArrow(Canvas& canvas, const FrameCell& cell) {
    double scaleX = cell.width / 64.0;
    double scaleY = cell.height / 64.0;
    auto inside = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= cell.width || y >= cell.height) {
            return false;
        }
        return InsideArrow((x + 0.5) / scaleX, (y + 0.5) / scaleY);
    };
    for (int y = 0; y < cell.height; ++y) {
        for (int x = 0; x < cell.width; ++x) {
            if (!inside(x, y)) {
                continue;
            }
            bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            canvas.Set(cell.left + x, cell.top + y, edge ? kOutline : kArrowFill);
        }
    }
}

// A figure or a thing; figure sheets pose frame n by its facing and step.
void DrawIcon(Canvas& canvas, const ManifestRow& row, const FrameCell& cell, int frame) {
    Pose pose;
    if (row.kind == RowKind::Figures) {
        pose = {(frame % kWalkFrames) / kFramesPerFacing, frame % kFramesPerFacing,
                frame >= kWalkFrames};
    }
    // A sheet's frames are told apart by pose, an animated thing's by its steps, an icon's by
    // tint; a flag flies its side's colour.
    const bool steady = row.kind == RowKind::Figures || IsAnimatedShape(row.shape);
    Rgb frameTint = TintOf(row.label, steady ? 0 : frame);
    if (row.shape == "flag" && row.side != "neutral") {
        frameTint = row.side == "ours" ? kOurs : kFoe;
    }
    // Frames past eight of one icon step aside so that every frame differs.
    FrameCell placed = cell;
    if (row.kind == RowKind::Icon) {
        placed.left += frame / static_cast<int>(std::size(kTints));
        pose.step = frame % 4;
    }
    if (row.shape == "person") {
        DrawPerson(canvas, placed, SideOf(row.side), frameTint, pose);
    } else if (row.shape == "beast") {
        DrawBeast(canvas, placed, SideOf(row.side), frameTint, pose);
    } else if (row.shape == "face") {
        // A face is drawn from the name its frame shows alone, so that one character wears the
        // same face in every picture of it, whatever the frame.
        const std::string who = WordOf(row.label, frame);
        DrawFace(canvas, placed, SideOf(row.side), TintOf(who, 0),
                 static_cast<int>(NameHash(who) % 3));
    } else {
        DrawThing(canvas, placed, row.shape, frameTint, frame, row.label);
    }
}

void DrawFrame(Canvas& canvas, const ManifestRow& row, const FrameCell& cell, int frame) {
    const bool keyed = row.colourKey != 0;
    switch (row.kind) {
        case RowKind::Box:
            DrawBoxFrame(canvas, cell, frame, keyed);
            break;
        case RowKind::Panel:
            DrawStretchedPanel(canvas, cell);
            break;
        case RowKind::Page:
            DrawPlatedPage(canvas, cell, row.plate);
            break;
        case RowKind::Button:
            DrawButtonFrame(canvas, cell, frame, keyed, WordOf(row.label, frame), row.letters);
            break;
        case RowKind::Back:
            DrawBackFrame(canvas, cell);
            break;
        case RowKind::Words: {
            // '~' is a blank letter: a word the game sets right after a number keeps its distance.
            std::string word = WordOf(row.label, frame);
            std::replace(word.begin(), word.end(), '~', ' ');
            DrawLoneText(canvas, cell, word, 2);
            break;
        }
        case RowKind::Captions: {
            // '~' is a blank letter here too: it moves a caption off the middle of a frame the
            // game draws reaching past its button.
            std::string caption = WordOf(row.label, frame);
            std::replace(caption.begin(), caption.end(), '~', ' ');
            DrawLoneCaption(canvas, cell, caption, row.letters);
            break;
        }
        case RowKind::Glyphs:
            if (row.label[static_cast<size_t>(frame)] != '~') {  // a blank glyph draws nothing
                DrawGlyph(canvas, cell, row.label[static_cast<size_t>(frame)]);
            }
            break;
        case RowKind::Arrow:
            DrawArrow(canvas, cell);
            break;
        case RowKind::Icon:
        case RowKind::Figures:
            if (!keyed) {
                DrawBoxFrame(canvas, cell, 0, false);  // drawn whole: it stands on a panel
            }
            DrawIcon(canvas, row, cell, frame);
            break;
        default:
            break;
    }
}

// The developer's view: the row's label and the frame number on a pale plate at the top left.
void DrawDeveloperLabel(Canvas& canvas, const ManifestRow& row, const FrameCell& cell, int frame) {
    const std::string text = row.label + " " + std::to_string(frame);
    canvas.FillRect(cell.left, cell.top, TextWidth(text, 1) + 2, kGlyphCellHeight + 1,
                    kDeveloperPlate);
    DrawText(canvas, cell.left + 1, cell.top + 1, text, 1, kInkShadow);
}

}  // namespace

Canvas DrawPicture(const ManifestRow& row, bool labels) {
    if (row.kind == RowKind::Ground) {
        Canvas ground = DrawGround(row);
        if (labels) {
            DrawDeveloperLabel(ground, row, {0, 0, row.frameWidth, row.frameHeight}, 0);
        }
        return ground;
    }
    Canvas canvas(row.width, row.height,
                  row.colourKey != 0 ? KeyColour(row.colourKey) : kUnkeyedBackground);
    const int framesPerRow = row.width / row.frameWidth;
    for (int frame = 0; frame < row.frameCount; ++frame) {
        const FrameCell cell{(frame % framesPerRow) * row.frameWidth,
                             (frame / framesPerRow) * row.frameHeight, row.frameWidth,
                             row.frameHeight};
        DrawFrame(canvas, row, cell, frame);
        if (labels) {
            DrawDeveloperLabel(canvas, row, cell, frame);
        }
    }
    return canvas;
}

}  // namespace placeholder

}  // namespace varn
