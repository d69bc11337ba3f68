#include "FigureArt.h"

#include <algorithm>

#include "Palette.h"
#include "PixelFont.h"

namespace varn {

namespace placeholder {

namespace {

using namespace palette;

constexpr Point kFacingVector[] = {{0, -1}, {1, -1}, {1, 0},  {1, 1},
                                   {0, 1},  {-1, 1}, {-1, 0}, {-1, -1}};

Rgb SideColour(Side side) {
    return side == Side::Ours ? kOurs : side == Side::Foe ? kFoe : kNeutral;
}

Rgb SideShade(Side side) {
    return side == Side::Ours ? kOursDark : side == Side::Foe ? kFoeDark : kNeutralDark;
}

}  // namespace

void DrawPerson(Canvas& canvas, const FrameCell& cell, Side side, Rgb tint, const Pose& pose) {
    const Grid g{cell};
    const Point facing = kFacingVector[pose.facing % 8];
    const int bob = pose.striking ? 0 : (pose.step % 2 == 1 ? 1 : 0) + (pose.step == 2 ? 2 : 0);
    // Legs: apart by the step of the walk.
    const int stride = pose.striking ? 3 : (pose.step == 1 ? 5 : pose.step == 3 ? -5 : 0);
    canvas.FillRect(g.X(24 - stride / 2), g.Y(44), g.W(6), g.H(16), kOutline);
    canvas.FillRect(g.X(34 + stride / 2), g.Y(44), g.W(6), g.H(16), kOutline);
    // Body in the side's colour, belt and head.
    const int top = 22 - bob;
    canvas.FillPolygon({{g.X(20), g.Y(top + 24)},
                        {g.X(22), g.Y(top)},
                        {g.X(42), g.Y(top)},
                        {g.X(44), g.Y(top + 24)}},
                       SideColour(side));
    canvas.FillRect(g.X(21), g.Y(top + 16), g.W(22), g.H(3), SideShade(side));
    canvas.FillEllipse(g.X(24), g.Y(top - 14), g.W(16), g.H(16), kOutline);
    canvas.FillEllipse(g.X(25), g.Y(top - 13), g.W(14), g.H(14), kSkin);
    if (facing.y >= 0) {
        // Eyes look the way he faces; from behind only the helmet shows.
        const int eyes = top - 8 + facing.y;
        canvas.FillRect(g.X(28 + 3 * facing.x), g.Y(eyes), g.W(2), g.H(2), kOutline);
        canvas.FillRect(g.X(34 + 3 * facing.x), g.Y(eyes), g.W(2), g.H(2), kOutline);
    }
    canvas.FillRect(g.X(24), g.Y(top - 15), g.W(16), g.H(facing.y < 0 ? 12 : 5), kMetalDark);
    // Weapon on the side he faces, raised through the strike.
    const int hand = facing.x >= 0 ? 46 : 18;
    const int reach = facing.x >= 0 ? 1 : -1;
    const Point grip = {g.X(hand), g.Y(top + 12)};
    const int lift = pose.striking ? pose.step * 6 : 0;
    const Point tip = {g.X(hand + reach * (4 + lift)), g.Y(top - 14 + lift * 2)};
    canvas.DrawLine(grip, tip, std::max(1, g.W(3)), kMetal);
    // Shield on the other arm, with the badge of its kind.
    const int shieldX = facing.x > 0 ? 12 : facing.x < 0 ? 40 : 26;
    canvas.FillEllipse(g.X(shieldX), g.Y(top + 2), g.W(13), g.H(17), SideShade(side));
    canvas.FillEllipse(g.X(shieldX + 3), g.Y(top + 6), g.W(7), g.H(9), tint);
}

void DrawBeast(Canvas& canvas, const FrameCell& cell, Side side, Rgb tint, const Pose& pose) {
    const Grid g{cell};
    const Point facing = kFacingVector[pose.facing % 8];
    const int toward = facing.x != 0 ? facing.x : (pose.facing == 0 ? -1 : 1);
    // The head dips toward the viewer and rises away, and lifts through a strike.
    const int lift = (pose.striking ? pose.step * 3 : 0) - 3 * facing.y;
    // Legs swing through a walk and stand square through a strike.
    constexpr int kSwing[] = {-4, -2, 2, 4};
    const int swing = pose.striking ? 0 : kSwing[pose.step % 4];
    // Four legs, swinging with the step.
    for (int leg = 0; leg < 4; ++leg) {
        const int x = 16 + leg * 9 + (leg % 2 == 0 ? swing : -swing) / 2;
        canvas.FillRect(g.X(x), g.Y(42), g.W(5), g.H(16), kOutline);
    }
    // Seen from the front or behind the body is short.
    const int body = facing.x == 0 ? 28 : 40;
    canvas.FillEllipse(g.X(32 - body / 2), g.Y(28), g.W(body), g.H(20), kFur);
    // The body wears its side's coat, as a man wears his side's tunic, so that whose beast it is
    // shows at a glance; a strap of the darker shade girds it.
    canvas.FillEllipse(g.X(34 - body / 2), g.Y(28), g.W(body - 4), g.H(17), SideColour(side));
    canvas.FillRect(g.X(30), g.Y(29), g.W(4), g.H(15), SideShade(side));
    const int headX = toward > 0 ? 42 : 6;
    canvas.FillEllipse(g.X(headX), g.Y(18 - lift), g.W(16), g.H(14), kFur);
    canvas.FillRect(g.X(headX + (toward > 0 ? 10 : -2)), g.Y(24 - lift), g.W(8), g.H(6), kFur);
    canvas.FillRect(g.X(headX + (toward > 0 ? 9 : 3)), g.Y(21 - lift), g.W(2), g.H(2), kOutline);
    canvas.FillRect(g.X(headX + (toward > 0 ? 2 : 11)), g.Y(14 - lift), g.W(4), g.H(6), kOutline);
    // Collar in the side's colour, tag in the kind's tint, tail behind.
    canvas.FillRect(g.X(headX + 2), g.Y(30 - lift), g.W(12), g.H(3), SideColour(side));
    canvas.FillRect(g.X(headX + 6), g.Y(33 - lift), g.W(4), g.H(3), tint);
    const int tailX = toward > 0 ? 10 : 52;
    canvas.DrawLine({g.X(tailX), g.Y(32)}, {g.X(tailX - 6 * toward), g.Y(22 + (pose.step % 2) * 4)},
                    std::max(1, g.W(3)), kFur);
    if (facing.y < 0) {
        canvas.FillRect(g.X(20), g.Y(30), g.W(24), g.H(3), SideShade(side));  // seen from behind
    }
}

void DrawFace(Canvas& canvas, const FrameCell& cell, Side side, Rgb tint, int look) {
    const Grid g{cell};
    canvas.FillRect(g.X(4), g.Y(4), g.W(56), g.H(56), tint);
    canvas.FillEllipse(g.X(10), g.Y(40), g.W(44), g.H(40), SideColour(side));
    if (look % 3 == 1) {
        canvas.FillEllipse(g.X(16), g.Y(8), g.W(32), g.H(40), kWood);  // long hair
    }
    canvas.FillEllipse(g.X(20), g.Y(12), g.W(24), g.H(30), kSkin);
    if (look % 3 == 0) {
        canvas.FillRect(g.X(20), g.Y(10), g.W(24), g.H(8), SideShade(side));  // helmet
    } else {
        canvas.FillEllipse(g.X(20), g.Y(8), g.W(24), g.H(12), kWood);
    }
    if (look % 3 == 2) {
        canvas.FillEllipse(g.X(22), g.Y(30), g.W(20), g.H(14), kFur);  // beard
    }
    canvas.FillRect(g.X(26), g.Y(24), g.W(3), g.H(3), kOutline);
    canvas.FillRect(g.X(35), g.Y(24), g.W(3), g.H(3), kOutline);
    canvas.FillRect(g.X(28), g.Y(34), g.W(8), g.H(2), kOutline);
}

}  // namespace placeholder

}  // namespace varn
