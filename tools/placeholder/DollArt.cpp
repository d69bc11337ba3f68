#include "DollArt.h"

#include <map>
#include <vector>

#include "Palette.h"

namespace varn {

namespace placeholder {

namespace {

using namespace palette;

constexpr Rgb kSkinShade = {198, 150, 112};
constexpr Rgb kHair = {92, 62, 40};
constexpr Rgb kShadow = {40, 36, 44};
// Where legs end and feet begin; a foot reaches up past it so that the two join.
constexpr int kAnkle = 404;

Rgb Shade(Rgb colour) {
    auto dim = [](uint8_t c) { return static_cast<uint8_t>(16 + (c - 16) * 2 / 3); };
    return {dim(colour.r), dim(colour.g), dim(colour.b)};
}

struct Offset {
    int x;
    int y;
};

// Where the game draws each piece on the doll: the top-left corner of its frame, by place.
const std::map<std::string, std::vector<Offset>>& PlacesOnDoll() {
    static const std::map<std::string, std::vector<Offset>> places = {
        {"doll-body", {{0, 0}}},
        {"bare-head", {{64, 0}}},
        {"worn-helmet", {{64, 0}}},
        {"bare-torso", {{0, 96}}},
        {"worn-armor", {{0, 96}}},
        {"bare-hands", {{16, 200}, {208, 200}}},
        {"worn-glove", {{16, 200}, {208, 200}}},
        {"bare-legs", {{64, 190}}},
        {"worn-pants", {{64, 190}}},
        {"bare-feet", {{0, 320}, {128, 320}}},
        {"worn-shoe", {{0, 320}, {128, 320}}},
        {"worn-belt", {{64, 200}}},
        {"worn-amulet", {{64, 104}, {96, 112}, {128, 104}}},
        {"worn-shield", {{150, 150}}},
        {"worn-sword", {{0, 130}}},
    };
    return places;
}

// Drawing in the figure's own coordinates, moved to where the piece's frame sits.
struct Doll {
    Canvas& canvas;
    const FrameCell& cell;
    Offset at;

    Point P(int x, int y) const { return {cell.left + x - at.x, cell.top + y - at.y}; }
    void Polygon(std::vector<Point> corners, Rgb colour) const {
        for (Point& p : corners) {
            p = P(p.x, p.y);
        }
        canvas.FillPolygon(corners, colour);
    }
    void Ellipse(int x, int y, int w, int h, Rgb colour) const {
        const Point p = P(x, y);
        canvas.FillEllipse(p.x, p.y, w, h, colour);
    }
    void Rect(int x, int y, int w, int h, Rgb colour) const {
        const Point p = P(x, y);
        canvas.FillRect(p.x, p.y, w, h, colour);
    }
    void Line(int x0, int y0, int x1, int y1, int width, Rgb colour) const {
        canvas.DrawLine(P(x0, y0), P(x1, y1), width, colour);
    }
};

// The figure, left and right as the viewer sees them; `side` 0 is the left one of a pair.
void Head(const Doll& d, Rgb skin) {
    d.Rect(118, 84, 20, 26, kSkinShade);
    d.Ellipse(98, 20, 60, 44, kHair);
    d.Ellipse(100, 26, 56, 66, skin);
    d.Rect(112, 52, 6, 5, kOutline);
    d.Rect(138, 52, 6, 5, kOutline);
    d.Rect(120, 74, 16, 3, Shade(skin));
}

void Arms(const Doll& d, Rgb colour) {
    d.Polygon({{80, 110}, {64, 120}, {26, 206}, {44, 214}, {84, 142}}, colour);
    d.Polygon({{176, 110}, {192, 120}, {230, 206}, {212, 214}, {172, 142}}, colour);
}

void Torso(const Doll& d, Rgb colour) {
    d.Polygon({{80, 106}, {176, 106}, {186, 124}, {170, 238}, {86, 238}, {70, 124}}, colour);
}

// A hand with its thumb towards the body.
void Hand(const Doll& d, int side, Rgb colour) {
    d.Ellipse(side == 0 ? 20 : 212, 214, 24, 32, colour);
    d.Ellipse(side == 0 ? 36 : 210, 218, 10, 16, colour);
}

void Legs(const Doll& d, Rgb colour, int bottom) {
    d.Polygon({{84, 232}, {172, 232}, {172, 264}, {84, 264}}, colour);
    d.Polygon({{86, 250}, {126, 250}, {122, bottom}, {96, bottom}}, colour);
    d.Polygon({{130, 250}, {170, 250}, {160, bottom}, {134, bottom}}, colour);
}

void Foot(const Doll& d, int side, Rgb colour, int top) {
    if (side == 0) {
        d.Polygon({{96, top}, {124, top}, {126, 438}, {74, 438}, {76, 424}, {96, 418}}, colour);
    } else {
        d.Polygon({{132, top}, {160, top}, {160, 418}, {180, 424}, {182, 438}, {130, 438}}, colour);
    }
}

void Body(const Doll& d, int variant) {
    d.Ellipse(52, 424, 152, 20, kShadow);
    // A cape behind the figure; its colour tells the bodies apart.
    const Rgb capes[] = {kOursDark, kFoeDark, kNeutralDark};
    d.Polygon({{82, 108}, {174, 108}, {208, 384}, {48, 384}}, capes[variant % 3]);
}

void Helmet(const Doll& d, Rgb tint) {
    Head(d, kSkin);
    d.Polygon({{96, 52}, {100, 30}, {114, 16}, {142, 16}, {156, 30}, {160, 52}}, tint);
    d.Rect(94, 46, 68, 8, Shade(tint));
    d.Rect(124, 46, 8, 22, Shade(tint));
    d.Polygon({{94, 54}, {104, 54}, {104, 76}, {96, 72}}, Shade(tint));
    d.Polygon({{152, 54}, {162, 54}, {160, 72}, {152, 76}}, Shade(tint));
}

void Armor(const Doll& d, Rgb tint) {
    Arms(d, Shade(tint));
    Torso(d, tint);
    d.Ellipse(58, 100, 36, 30, Shade(tint));
    d.Ellipse(162, 100, 36, 30, Shade(tint));
    d.Rect(124, 112, 8, 120, Shade(tint));
}

void Pants(const Doll& d, Rgb tint) {
    Legs(d, tint, kAnkle);
    d.Rect(84, 232, 88, 6, Shade(tint));
}

void Shoe(const Doll& d, int side, Rgb tint) {
    Foot(d, side, tint, 384);
    d.Rect(side == 0 ? 72 : 128, 432, 56, 6, Shade(tint));
}

void Glove(const Doll& d, int side, Rgb tint) {
    Hand(d, side, tint);
    d.Rect(side == 0 ? 18 : 210, 206, 28, 12, Shade(tint));
}

void Belt(const Doll& d, Rgb tint) {
    d.Rect(84, 214, 88, 14, Shade(tint));
    d.Rect(84, 216, 88, 10, tint);
    d.Rect(120, 210, 16, 22, kGold);
    d.Rect(124, 216, 8, 10, kGoldDark);
}

void Amulet(const Doll& d, int place, Rgb tint) {
    const Point chainTop[] = {{120, 108}, {128, 110}, {136, 108}};
    const Point pendant[] = {{104, 140}, {128, 152}, {152, 140}};
    const Point top = chainTop[place];
    const Point hang = pendant[place];
    d.Line(top.x, top.y, hang.x, hang.y, 2, kGoldDark);
    d.Ellipse(hang.x - 8, hang.y - 6, 16, 18, kOutline);
    d.Ellipse(hang.x - 6, hang.y - 4, 12, 14, tint);
}

void Shield(const Doll& d, Rgb tint) {
    d.Polygon({{190, 180}, {258, 180}, {258, 222}, {224, 262}, {190, 222}}, kMetalDark);
    d.Polygon({{196, 186}, {252, 186}, {252, 220}, {224, 254}, {196, 220}}, tint);
    d.Ellipse(216, 206, 16, 16, kMetal);
}

void Sword(const Doll& d, Rgb tint) {
    d.Polygon({{28, 212}, {28, 142}, {32, 134}, {36, 142}, {36, 212}}, kMetal);
    d.Rect(14, 212, 36, 6, tint);
    d.Rect(29, 218, 6, 22, kWood);
    d.Ellipse(27, 238, 10, 10, tint);
}

// A worn piece's shape may end in its place letter (worn-shoe-b): pairs and the three amulets
// have one picture per place, each its own file. Bare pairs are one file, a frame per place.
struct ShapeAndPlace {
    std::string shape;
    size_t place;
};

ShapeAndPlace Split(const std::string& shape, int frame) {
    const size_t dash = shape.rfind('-');
    if (dash != std::string::npos && dash + 2 == shape.size()) {
        const char letter = shape.back();
        if (letter >= 'a' && letter <= 'c') {
            return {shape.substr(0, dash), static_cast<size_t>(letter - 'a')};
        }
    }
    return {shape, shape == "doll-body" ? 0 : static_cast<size_t>(frame)};
}

}  // namespace

bool IsDollShape(const std::string& shape) {
    const ShapeAndPlace piece = Split(shape, 0);
    const auto places = PlacesOnDoll().find(piece.shape);
    return places != PlacesOnDoll().end() && piece.place < places->second.size();
}

void DrawDollPiece(Canvas& canvas, const FrameCell& cell, const std::string& fullShape, Rgb tint,
                   int frame) {
    const auto [shape, place] = Split(fullShape, frame);
    const std::vector<Offset>& places = PlacesOnDoll().at(shape);
    const Doll d{canvas, cell, places[place % places.size()]};
    const int side = static_cast<int>(place);
    if (shape == "doll-body") {
        Body(d, frame);
    } else if (shape == "bare-head") {
        Head(d, kSkin);
    } else if (shape == "worn-helmet") {
        Helmet(d, tint);
    } else if (shape == "bare-torso") {
        Arms(d, kSkinShade);
        Torso(d, kSkin);
    } else if (shape == "worn-armor") {
        Armor(d, tint);
    } else if (shape == "bare-hands") {
        Hand(d, side, kSkin);
    } else if (shape == "worn-glove") {
        Glove(d, side, tint);
    } else if (shape == "bare-legs") {
        Legs(d, kSkinShade, kAnkle);
    } else if (shape == "worn-pants") {
        Pants(d, tint);
    } else if (shape == "bare-feet") {
        Foot(d, side, kSkin, 396);
    } else if (shape == "worn-shoe") {
        Shoe(d, side, tint);
    } else if (shape == "worn-belt") {
        Belt(d, tint);
    } else if (shape == "worn-amulet") {
        Amulet(d, side, tint);
    } else if (shape == "worn-shield") {
        Shield(d, tint);
    } else {
        Sword(d, tint);
    }
}

}  // namespace placeholder

}  // namespace varn
