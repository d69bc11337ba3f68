#include "BuildingArt.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "Palette.h"

namespace varn {

namespace placeholder {

namespace {

using namespace palette;

// The map cuts a ground piece into 5 x 5 cells.
constexpr int kCellsAcross = 5;
// A door keeps this many pixels off the bottom of its cell, so that it never reaches the next.
constexpr int kDoorInset = 3;

constexpr Rgb kPlaster = {206, 192, 156};
constexpr Rgb kThatch = {184, 150, 78};
constexpr Rgb kThatchDark = {142, 112, 56};
constexpr Rgb kTile = {170, 60, 50};
constexpr Rgb kTileDark = {124, 42, 36};
constexpr Rgb kStone = {150, 146, 140};
constexpr Rgb kStoneLight = {186, 182, 174};
constexpr Rgb kStoneDark = {100, 96, 94};
constexpr Rgb kSlate = {70, 86, 130};
constexpr Rgb kMarble = {222, 216, 202};
constexpr Rgb kWindow = {46, 52, 74};
constexpr Rgb kDarkStone = {78, 66, 82};
constexpr Rgb kDarkStoneLight = {104, 90, 110};
constexpr Rgb kDarkStoneShade = {56, 46, 60};
constexpr Rgb kCanvasLight = {206, 180, 128};
constexpr Rgb kCanvasFoe = {168, 72, 56};
constexpr Rgb kMineMouth = {34, 30, 36};
constexpr Rgb kRockBrown = {132, 110, 88};
constexpr Rgb kRockShade = {100, 82, 66};
constexpr Rgb kFlame = {232, 150, 50};

// Where a building stands: the door's centre and the line its walls stand on.
struct Footing {
    Canvas& canvas;
    int doorX = 0;
    int base = 0;
    int left = 0;
    int right = 0;

    // The centre of a body half as wide as given, kept inside the frame.
    int CentreFor(int halfWidth) const {
        return std::clamp(doorX, left + halfWidth + 1,
                          std::max(left + halfWidth + 1, right - halfWidth - 1));
    }
};

void Triangle(Canvas& canvas, int centre, int bottom, int width, int height, Rgb colour) {
    canvas.FillPolygon(
        {{centre - width / 2, bottom}, {centre, bottom - height}, {centre + width / 2, bottom}},
        colour);
}

// Merlons along the top of a wall.
void Battlements(Canvas& canvas, int left, int top, int width, Rgb colour) {
    for (int x = left; x + 3 <= left + width; x += 6) {
        canvas.FillRect(x, top - 4, 4, 4, colour);
    }
}

void Door(const Footing& at, int width, int height) {
    at.canvas.FillRect(at.doorX - width / 2, at.base - height, width, height, kDoorColour);
}

// A cottage: plastered walls under a roof.
void Cottage(Canvas& canvas, int centre, int base, int width, int height, Rgb roof, Rgb roofEdge) {
    canvas.FillRect(centre - width / 2, base - height, width, height, kPlaster);
    canvas.OutlineRect(centre - width / 2, base - height, width, height, kWood);
    Triangle(canvas, centre, base - height, width + 8, height * 3 / 4 + 2, roof);
    canvas.FillRect(centre - width / 2 - 4, base - height, width + 8, 1, roofEdge);
}

void Village(const Footing& at) {
    const int centre = at.CentreFor(17);
    for (int side : {-1, 1}) {
        const int hut = centre + side * 31;
        if (hut - 12 >= at.left && hut + 12 <= at.right) {
            Cottage(at.canvas, hut, at.base - 10, 18, 12, kThatch, kThatchDark);
        }
    }
    Cottage(at.canvas, centre, at.base, 28, 18, kThatch, kThatchDark);
    at.canvas.FillRect(centre + 7, at.base - 13, 5, 5, kWindow);
    Door(at, 8, 12);
}

void Town(const Footing& at) {
    const int half = 50;
    const int centre = at.CentreFor(half);
    Canvas& canvas = at.canvas;
    // Roofs and a spire behind the wall.
    for (int offset : {-36, -16, 4, 26}) {
        Cottage(canvas, centre + offset, at.base - 18 - (offset + 36) % 7, 16, 12, kTile,
                kTileDark);
    }
    canvas.FillRect(centre + 38, at.base - 46, 9, 30, kStoneLight);
    Triangle(canvas, centre + 42, at.base - 46, 13, 16, kSlate);
    canvas.FillRect(centre - half, at.base - 18, 2 * half, 18, kStone);
    canvas.FillRect(centre - half, at.base - 3, 2 * half, 3, kStoneDark);
    Battlements(canvas, centre - half, at.base - 18, 2 * half, kStone);
    for (int side : {-1, 1}) {
        const int tower = at.doorX + side * 11;
        canvas.FillRect(tower - 4, at.base - 26, 8, 26, kStoneLight);
        Battlements(canvas, tower - 4, at.base - 26, 8, kStoneLight);
    }
    Door(at, 10, 14);
}

void Palace(const Footing& at) {
    const int half = 41;
    const int centre = at.CentreFor(half);
    Canvas& canvas = at.canvas;
    for (int side : {-1, 1}) {
        const int tower = centre + side * 34;
        canvas.FillRect(tower - 6, at.base - 46, 12, 46, kMarble);
        Triangle(canvas, tower, at.base - 46, 16, 14, kGold);
    }
    canvas.FillEllipse(centre - 15, at.base - 46, 30, 28, kGold);
    canvas.FillRect(centre - 1, at.base - 54, 2, 9, kGoldDark);
    canvas.FillRect(centre - 30, at.base - 28, 60, 28, kMarble);
    canvas.FillRect(centre - 30, at.base - 30, 60, 3, kGoldDark);
    for (int x = centre - 24; x < centre + 24; x += 8) {
        if (std::abs(x + 2 - at.doorX) > 9) {
            canvas.FillRect(x, at.base - 22, 4, 6, kWindow);
        }
    }
    Door(at, 10, 14);
}

// A temple front: steps, columns and a pediment; the door stands between the middle columns.
void TempleFront(const Footing& at, Rgb column, Rgb inner, Rgb roof) {
    const int half = 34;
    const int centre = at.CentreFor(half);
    Canvas& canvas = at.canvas;
    canvas.FillRect(centre - 30, at.base - 30, 60, 30, inner);
    for (int offset : {-28, -19, 14, 23}) {
        canvas.FillRect(centre + offset, at.base - 30, 5, 28, column);
    }
    canvas.FillRect(centre - 32, at.base - 35, 64, 5, column);
    Triangle(canvas, centre, at.base - 35, 72, 16, roof);
    canvas.FillRect(centre - half, at.base - 2, 2 * half, 2, column);
    Door(at, 10, 15);
}

struct CastleLook {
    Rgb wall;
    Rgb tower;
    Rgb shade;
    Rgb roof;
};

void Castle(const Footing& at, const CastleLook& look) {
    const int half = 52;
    const int centre = at.CentreFor(half);
    Canvas& canvas = at.canvas;
    canvas.FillRect(centre - 18, at.base - 70, 36, 50, look.tower);
    Battlements(canvas, centre - 18, at.base - 70, 36, look.tower);
    canvas.FillRect(centre - 4, at.base - 60, 8, 10, kWindow);
    canvas.FillRect(centre - half + 8, at.base - 34, 2 * half - 16, 34, look.wall);
    Battlements(canvas, centre - half + 8, at.base - 34, 2 * half - 16, look.wall);
    canvas.FillRect(centre - half + 8, at.base - 4, 2 * half - 16, 4, look.shade);
    for (int side : {-1, 1}) {
        const int tower = centre + side * (half - 9);
        canvas.FillRect(tower - 9, at.base - 52, 18, 52, look.tower);
        canvas.FillRect(tower + 3, at.base - 52, 6, 52, look.shade);
        Triangle(canvas, tower, at.base - 52, 22, 18, look.roof);
        canvas.FillRect(tower - 2, at.base - 40, 4, 7, kWindow);
    }
    Door(at, 12, 16);
}

void Tower(const Footing& at) {
    Canvas& canvas = at.canvas;
    const int x = at.doorX;
    canvas.FillRect(x - 10, at.base - 46, 20, 46, kStone);
    canvas.FillRect(x + 4, at.base - 46, 6, 46, kStoneDark);
    canvas.FillRect(x - 12, at.base - 52, 24, 7, kStoneLight);
    Battlements(canvas, x - 12, at.base - 52, 24, kStoneLight);
    canvas.FillRect(x - 2, at.base - 36, 4, 8, kWindow);
    Door(at, 8, 12);
}

// A rocky hill with a timbered mine mouth at the door's place and a heap of ore beside it.
void Mine(const Footing& at, Rgb ore, Rgb oreDark) {
    Canvas& canvas = at.canvas;
    const int centre = at.CentreFor(32);
    canvas.FillPolygon({{centre - 32, at.base},
                        {centre - 18, at.base - 30},
                        {centre - 4, at.base - 38},
                        {centre + 14, at.base - 28},
                        {centre + 32, at.base}},
                       kRockBrown);
    canvas.FillPolygon({{centre + 4, at.base}, {centre + 14, at.base - 28}, {centre + 32, at.base}},
                       kRockShade);
    canvas.FillRect(at.doorX - 8, at.base - 16, 16, 16, kWood);
    canvas.FillRect(at.doorX - 5, at.base - 13, 10, 13, kMineMouth);
    const int heap = at.doorX + 14 <= at.right - 8 ? at.doorX + 14 : at.doorX - 22;
    canvas.FillEllipse(heap, at.base - 7, 12, 8, oreDark);
    canvas.FillEllipse(heap + 2, at.base - 9, 7, 5, ore);
}

// Tents of a foe's camp around a fire; the opening of the big tent is the door.
void Camp(const Footing& at) {
    Canvas& canvas = at.canvas;
    const int centre = at.CentreFor(42);
    for (int side : {-1, 1}) {
        const int tent = centre + side * 28;
        Triangle(canvas, tent, at.base - 10, 26, 20, kCanvasLight);
        canvas.DrawLine({tent, at.base - 30}, {tent, at.base - 10}, 1, kWood);
    }
    Triangle(canvas, at.doorX, at.base, 36, 30, kCanvasFoe);
    canvas.DrawLine({at.doorX, at.base - 36}, {at.doorX, at.base - 28}, 1, kWood);
    canvas.FillRect(at.doorX + 1, at.base - 36, 7, 4, kFoe);
    Door(at, 8, 12);
    const int fire = at.doorX + 22 <= at.right - 4 ? at.doorX + 22 : at.doorX - 24;
    canvas.FillRect(fire - 4, at.base - 2, 8, 2, kWood);
    Triangle(canvas, fire, at.base - 2, 6, 7, kFlame);
}

using Painter = void (*)(const Footing&);

// What holds up a flag the map plants above a building.
struct Mast {
    Rgb colour;
    Rgb shade;
    int width;
};

struct BuildingLook {
    Painter paint;
    Mast mast;
};

constexpr Mast kTimberPole = {kWood, kWood, 2};

const std::map<std::string, BuildingLook>& Looks() {
    static const std::map<std::string, BuildingLook> looks = {
        {"village", {Village, kTimberPole}},
        {"town", {Town, {kStoneLight, kStoneDark, 6}}},
        {"palace", {Palace, {kMarble, kGoldDark, 8}}},
        {"temple",
         {[](const Footing& at) { TempleFront(at, kMarble, kStoneLight, kGold); },
          {kMarble, kStoneLight, 6}}},
        {"castle",
         {[](const Footing& at) {
              Castle(at, {kStone, kStoneLight, kStoneDark, kSlate});
          },
          {kStoneLight, kStoneDark, 8}}},
        {"tower", {Tower, {kStone, kStoneDark, 6}}},
        {"goldmine", {[](const Footing& at) { Mine(at, kGold, kGoldDark); }, kTimberPole}},
        {"ironmine", {[](const Footing& at) { Mine(at, kMetal, kMetalDark); }, kTimberPole}},
        {"camp", {Camp, kTimberPole}},
        {"fortress",
         {[](const Footing& at) {
              Castle(at, {kDarkStone, kDarkStoneLight, kDarkStoneShade, kFoeDark});
          },
          {kDarkStoneLight, kDarkStoneShade, 8}}},
        {"shrine",
         {[](const Footing& at) { TempleFront(at, kDarkStoneLight, kDarkStoneShade, kFoeDark); },
          {kDarkStoneLight, kDarkStoneShade, 6}}},
    };
    return looks;
}

// Whether a pole's foot rests on what the building drew: a building pixel at or just under it.
bool RestsOnBuilding(const Canvas& built, const Canvas& ground, Point foot) {
    if (foot.x < 0 || foot.x >= ground.Width()) {
        return false;
    }
    for (int y = foot.y - 1; y <= foot.y + 2; ++y) {
        if (y >= 0 && y < ground.Height() && !(built.At(foot.x, y) == ground.At(foot.x, y))) {
            return true;
        }
    }
    return false;
}

// A mast from the building's base line up to the pole's foot, capped where the pole stands.
void RaiseMast(Canvas& canvas, Point foot, int base, const Mast& mast) {
    const int left = foot.x - mast.width / 2;
    const int top = std::max(0, foot.y - 1);
    canvas.FillRect(left, top, mast.width, base - top, mast.colour);
    canvas.FillRect(left + mast.width * 2 / 3, top, mast.width - mast.width * 2 / 3, base - top,
                    mast.shade);
    canvas.FillRect(left - 1, top, mast.width + 2, 2, mast.shade);
}

// A flag planted on the ground stands on a stone block.
void Plinth(Canvas& canvas, Point foot) {
    canvas.FillRect(foot.x - 3, foot.y - 1, 7, 3, kStoneDark);
    canvas.FillRect(foot.x - 3, foot.y - 1, 7, 1, kStoneLight);
}

bool ParseCell(const std::string& text, int& value) {
    if (text.size() != 1 || text[0] < '0' || text[0] >= '0' + kCellsAcross) {
        return false;
    }
    value = text[0] - '0';
    return true;
}

}  // namespace

bool ParseBuilding(const std::string& kind, BuildingPlan& plan) {
    const size_t at = kind.find('@');
    const size_t comma = kind.find(',', at);
    if (at == std::string::npos || comma == std::string::npos) {
        return false;
    }
    const size_t slash = kind.find('/', comma);
    plan.building = kind.substr(0, at);
    if (slash != std::string::npos) {
        plan.ground = kind.substr(slash + 1);
    }
    return Looks().count(plan.building) != 0 &&
           ParseCell(kind.substr(at + 1, comma - at - 1), plan.doorColumn) &&
           ParseCell(kind.substr(comma + 1, slash == std::string::npos ? slash : slash - comma - 1),
                     plan.doorRow);
}

void DrawBuilding(Canvas& canvas, const BuildingPlan& plan, int left, int top, int width,
                  int height) {
    const int doorX = left + (2 * plan.doorColumn + 1) * width / (2 * kCellsAcross);
    const int base = top + (plan.doorRow + 1) * height / kCellsAcross - kDoorInset;
    const BuildingLook& look = Looks().at(plan.building);
    if (!plan.flagFeet.empty()) {
        // The building drawn aside first shows which flags it already holds up.
        Canvas built = canvas;
        look.paint({built, doorX, base, left, left + width});
        for (const Point& inFrame : plan.flagFeet) {
            const Point foot{left + inFrame.x, top + inFrame.y};
            if (RestsOnBuilding(built, canvas, foot)) {
                continue;
            }
            if (foot.y >= base - 2) {
                Plinth(canvas, foot);
            } else {
                RaiseMast(canvas, foot, base, look.mast);
            }
        }
    }
    look.paint({canvas, doorX, base, left, left + width});
}

}  // namespace placeholder

}  // namespace varn
