#include "IconArt.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "DollArt.h"
#include "MapFlags.h"
#include "Palette.h"
#include "PixelFont.h"

namespace varn {

namespace placeholder {

namespace {

using namespace palette;

Rgb Darker(Rgb colour) {
    auto half = [](uint8_t c) { return static_cast<uint8_t>(std::max(16, c * 3 / 5)); };
    return {half(colour.r), half(colour.g), half(colour.b)};
}

using ThingPainter = std::function<void(Canvas&, const Grid&, Rgb, int)>;

const std::map<std::string, ThingPainter>& Painters() {
    static const std::map<std::string, ThingPainter> painters = {
        {"gem",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             c.FillPolygon({g.P(32, 8), g.P(56, 28), g.P(32, 58), g.P(8, 28)}, Darker(tint));
             c.FillPolygon({g.P(32, 12), g.P(50, 28), g.P(32, 50), g.P(14, 28)}, tint);
             c.FillPolygon({g.P(24, 20), g.P(32, 14), g.P(34, 24)}, kMetal);
         }},
        {"item",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             c.FillEllipse(g.X(12), g.Y(14), g.W(40), g.H(40), kOutline);
             c.FillEllipse(g.X(14), g.Y(16), g.W(36), g.H(36), tint);
             c.FillEllipse(g.X(22), g.Y(22), g.W(12), g.H(10), kMetal);
             c.FillRect(g.X(28), g.Y(6), g.W(8), g.H(10), kGoldDark);
         }},
        {"amulet",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             // A pendant narrow enough for the close amulet slots.
             c.DrawLine(g.P(20, 4), g.P(32, 22), std::max(1, g.W(2)), kGoldDark);
             c.DrawLine(g.P(44, 4), g.P(32, 22), std::max(1, g.W(2)), kGoldDark);
             c.FillEllipse(g.X(19), g.Y(20), g.W(26), g.H(30), kOutline);
             c.FillEllipse(g.X(21), g.Y(22), g.W(22), g.H(26), tint);
             c.FillEllipse(g.X(25), g.Y(27), g.W(7), g.H(6), kMetal);
         }},
        {"ring",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             // Small enough for the close ring slots around a doll.
             c.FillEllipse(g.X(21), g.Y(25), g.W(22), g.H(22), kOutline);
             c.FillEllipse(g.X(23), g.Y(27), g.W(18), g.H(18), kGold);
             c.FillEllipse(g.X(27), g.Y(31), g.W(10), g.H(10), kOutline);
             c.FillEllipse(g.X(26), g.Y(17), g.W(12), g.H(12), kOutline);
             c.FillEllipse(g.X(27), g.Y(18), g.W(10), g.H(10), tint);
         }},
        {"coins",
         [](Canvas& c, const Grid& g, Rgb, int frame) {
             for (int i = 0; i < 5 + frame % 3; ++i) {
                 const int x = 10 + (i * 13) % 36;
                 const int y = 40 - (i / 3) * 9;
                 c.FillEllipse(g.X(x), g.Y(y), g.W(20), g.H(12), kGoldDark);
                 c.FillEllipse(g.X(x + 1), g.Y(y), g.W(18), g.H(9), kGold);
             }
         }},
        {"bag",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             c.FillEllipse(g.X(10), g.Y(20), g.W(44), g.H(40), kWood);
             c.FillPolygon({g.P(22, 8), g.P(42, 8), g.P(36, 24), g.P(28, 24)}, kWood);
             c.FillRect(g.X(24), g.Y(20), g.W(16), g.H(4), tint);
         }},
        {"chest",
         [](Canvas& c, const Grid& g, Rgb tint, int frame) {
             const int open = frame * 5;
             c.FillRect(g.X(8), g.Y(28), g.W(48), g.H(28), kWood);
             c.FillRect(g.X(8), g.Y(16 - open), g.W(48), g.H(12), Darker(kWood));
             c.FillRect(g.X(8), g.Y(36), g.W(48), g.H(3), kGoldDark);
             c.FillRect(g.X(28), g.Y(32), g.W(8), g.H(10), tint);
             if (open > 0) {
                 c.FillRect(g.X(12), g.Y(28), g.W(40), g.H(4), kGold);
             }
         }},
        {"flag",
         [](Canvas& c, const Grid& g, Rgb tint, int frame) {
             c.FillRect(g.X(kFlagPoleLeft), g.Y(kFlagPoleTop), g.W(kFlagPoleWidth),
                        g.H(kFlagPoleFoot - kFlagPoleTop), kWood);
             const int wave = (frame % 4) * 3 - 4;
             c.FillPolygon({g.P(18, 6), g.P(54, 10 + wave), g.P(52, 28 + wave), g.P(18, 30)}, tint);
         }},
        {"mark",
         [](Canvas& c, const Grid& g, Rgb, int frame) {
             const int inset = 2 + frame % 4;
             const int arm = 16;
             const int thick = std::max(1, g.W(3 + frame / 4));
             for (int x : {inset, 64 - inset - arm}) {
                 for (int y : {inset, 64 - inset - 3}) {
                     c.FillRect(g.X(x), g.Y(y), g.W(arm), thick, kChosen);
                 }
             }
             for (int x : {inset, 64 - inset - 3}) {
                 for (int y : {inset, 64 - inset - arm}) {
                     c.FillRect(g.X(x), g.Y(y), thick, g.H(arm), kChosen);
                 }
             }
         }},
        {"glow",
         [](Canvas& c, const Grid& g, Rgb, int frame) {
             // A thin ring along the edge, clear of a picture set inside it, with a light running
             // round: frame n lights the n-th side clockwise from the top.
             const int across = g.W(2);
             const int down = g.H(2);
             const int width = g.cell.width;
             const int height = g.cell.height;
             const int left = g.X(0);
             const int top = g.Y(0);
             const int sides[4][4] = {{left, top, width, down},
                                      {left + width - across, top, across, height},
                                      {left, top + height - down, width, down},
                                      {left, top, across, height}};
             for (int side = 0; side < 4; ++side) {
                 const int* s = sides[side];
                 c.FillRect(s[0], s[1], s[2], s[3], side == frame % 4 ? kChosen : kGoldDark);
             }
         }},
        {"sign",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             c.FillRect(g.X(29), g.Y(24), g.W(6), g.H(36), kWood);
             c.FillRect(g.X(10), g.Y(6), g.W(44), g.H(22), kOutline);
             c.FillRect(g.X(12), g.Y(8), g.W(40), g.H(18), tint);
             c.FillRect(g.X(30), g.Y(10), g.W(4), g.H(9), kOutline);
             c.FillRect(g.X(30), g.Y(21), g.W(4), g.H(3), kOutline);
         }},
        {"rock",
         [](Canvas& c, const Grid& g, Rgb tint, int frame) {
             c.FillEllipse(g.X(6 + frame * 2), g.Y(20), g.W(52 - frame * 4), g.H(40),
                           Darker(kMetalDark));
             c.FillEllipse(g.X(12 + frame * 2), g.Y(22), g.W(30), g.H(22), kMetalDark);
             c.FillRect(g.X(28), g.Y(50), g.W(6), g.H(4), tint);
         }},
        {"bush",
         [](Canvas& c, const Grid& g, Rgb, int frame) {
             const Rgb leaf = {44, static_cast<uint8_t>(80 + (frame % 16) * 9), 48};
             c.FillEllipse(g.X(4), g.Y(18), g.W(34), g.H(40), Darker(leaf));
             c.FillEllipse(g.X(24), g.Y(14), g.W(36), g.H(44), leaf);
         }},
        {"ruin",
         [](Canvas& c, const Grid& g, Rgb, int frame) {
             for (int i = 0; i < 3; ++i) {
                 const int height = 20 + ((i * 5 + frame * 7) % 24);
                 c.FillRect(g.X(8 + i * 18), g.Y(60 - height), g.W(12), g.H(height), kMetalDark);
             }
             c.FillRect(g.X(4), g.Y(56), g.W(56), g.H(6), Darker(kMetalDark));
         }},
        {"fire",
         [](Canvas& c, const Grid& g, Rgb, int frame) {
             const int flicker = (frame % 8) * 2;
             c.FillPolygon({g.P(12, 60), g.P(20 + flicker, 14), g.P(32, 28), g.P(44 - flicker, 6),
                            g.P(52, 60)},
                           kFoe);
             c.FillPolygon({g.P(22, 60), g.P(30, 28 + flicker), g.P(42, 60)}, kGold);
         }},
        {"house",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             c.FillPolygon({g.P(4, 30), g.P(32, 6), g.P(60, 30)}, tint);
             c.FillRect(g.X(10), g.Y(30), g.W(44), g.H(28), kNeutral);
             c.FillRect(g.X(28), g.Y(42), g.W(9), g.H(16), kOutline);
         }},
        {"holding",
         // A place on a sheet of holdings: the sheet's first row shows it not held, shut and
         // faded; the rows below show it held, under the player's flag.
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             const bool held = g.cell.top > 0;
             c.FillPolygon({g.P(4, 34), g.P(32, 14), g.P(60, 34)},
                           held ? tint : Darker(Darker(tint)));
             c.FillRect(g.X(10), g.Y(34), g.W(44), g.H(26), held ? kNeutral : kNeutralDark);
             c.FillRect(g.X(28), g.Y(44), g.W(9), g.H(16), kOutline);
             if (held) {
                 c.FillRect(g.X(31), g.Y(2), g.W(2), g.H(14), kWood);
                 c.FillPolygon({g.P(33, 2), g.P(50, 6), g.P(33, 11)}, kOurs);
             } else {
                 c.DrawLine(g.P(26, 46), g.P(38, 58), std::max(1, g.W(2)), kWood);
                 c.DrawLine(g.P(38, 46), g.P(26, 58), std::max(1, g.W(2)), kWood);
             }
         }},
        {"heart",
         [](Canvas& c, const Grid& g, Rgb, int) {
             c.FillEllipse(g.X(8), g.Y(10), g.W(26), g.H(26), kFoe);
             c.FillEllipse(g.X(30), g.Y(10), g.W(26), g.H(26), kFoe);
             c.FillPolygon({g.P(9, 28), g.P(55, 28), g.P(32, 58)}, kFoe);
         }},
        {"shield",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             c.FillPolygon({g.P(10, 8), g.P(54, 8), g.P(54, 32), g.P(32, 60), g.P(10, 32)},
                           kMetalDark);
             c.FillPolygon({g.P(16, 14), g.P(48, 14), g.P(48, 30), g.P(32, 50), g.P(16, 30)}, tint);
         }},
        {"star",
         [](Canvas& c, const Grid& g, Rgb, int) {
             c.FillPolygon({g.P(32, 4), g.P(40, 24), g.P(60, 24), g.P(44, 38), g.P(50, 60),
                            g.P(32, 46), g.P(14, 60), g.P(20, 38), g.P(4, 24), g.P(24, 24)},
                           kGold);
         }},
        {"sword",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             c.DrawLine(g.P(14, 50), g.P(54, 10), std::max(1, g.W(6)), kMetal);
             c.DrawLine(g.P(8, 40), g.P(24, 56), std::max(1, g.W(5)), tint);
             c.DrawLine(g.P(6, 58), g.P(14, 50), std::max(1, g.W(5)), kWood);
         }},
        {"chevron",
         [](Canvas& c, const Grid& g, Rgb, int) {
             c.FillPolygon({g.P(6, 22), g.P(40, 22), g.P(40, 8), g.P(60, 32), g.P(40, 56),
                            g.P(40, 42), g.P(6, 42)},
                           kChosen);
         }},
        {"dot",
         [](Canvas& c, const Grid& g, Rgb, int frame) {
             const int size = 16 + frame * 6;
             c.FillEllipse(g.X(32 - size / 2), g.Y(32 - size / 2), g.W(size), g.H(size), kChosen);
         }},
        {"gear",
         [](Canvas& c, const Grid& g, Rgb, int) {
             c.FillRect(g.X(28), g.Y(6), g.W(8), g.H(52), kMetal);
             c.FillRect(g.X(6), g.Y(28), g.W(52), g.H(8), kMetal);
             c.DrawLine(g.P(14, 14), g.P(50, 50), std::max(1, g.W(8)), kMetal);
             c.DrawLine(g.P(50, 14), g.P(14, 50), std::max(1, g.W(8)), kMetal);
             c.FillEllipse(g.X(14), g.Y(14), g.W(36), g.H(36), kMetal);
             c.FillEllipse(g.X(24), g.Y(24), g.W(16), g.H(16), kMetalDark);
         }},
        {"mouse",
         [](Canvas& c, const Grid& g, Rgb, int) {
             c.FillEllipse(g.X(10), g.Y(4), g.W(44), g.H(56), kOutline);
             c.FillEllipse(g.X(12), g.Y(6), g.W(40), g.H(52), kMetal);
             c.FillRect(g.X(12), g.Y(26), g.W(40), g.H(2), kOutline);
             c.FillRect(g.X(31), g.Y(6), g.W(2), g.H(20), kOutline);
             c.FillRect(g.X(14), g.Y(10), g.W(16), g.H(15), kFoe);  // the left button
         }},
        {"helmet",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             c.FillEllipse(g.X(8), g.Y(8), g.W(48), g.H(64), Darker(tint));
             c.FillEllipse(g.X(10), g.Y(10), g.W(44), g.H(60), tint);
             c.FillRect(g.X(8), g.Y(40), g.W(48), g.H(24), Darker(tint));
             c.FillRect(g.X(12), g.Y(42), g.W(40), g.H(6), kMetal);
         }},
        {"armor",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             const std::vector<Point> tunic = {g.P(4, 14),  g.P(20, 4),  g.P(44, 4),  g.P(60, 14),
                                               g.P(54, 30), g.P(48, 26), g.P(48, 60), g.P(16, 60),
                                               g.P(16, 26), g.P(10, 30)};
             c.FillPolygon(tunic, tint);
             c.FillRect(g.X(16), g.Y(54), g.W(32), g.H(6), Darker(tint));
             c.FillEllipse(g.X(26), g.Y(2), g.W(12), g.H(8), Darker(tint));
         }},
        {"belt",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             c.FillRect(g.X(0), g.Y(16), g.W(64), g.H(32), Darker(tint));
             c.FillRect(g.X(0), g.Y(20), g.W(64), g.H(24), tint);
             c.FillRect(g.X(26), g.Y(12), g.W(12), g.H(40), kGold);
             c.FillRect(g.X(29), g.Y(20), g.W(6), g.H(24), kGoldDark);
         }},
        {"pants",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             c.FillPolygon({g.P(10, 2), g.P(54, 2), g.P(58, 62), g.P(36, 62), g.P(32, 18),
                            g.P(28, 62), g.P(6, 62)},
                           tint);
             c.FillRect(g.X(10), g.Y(2), g.W(44), g.H(4), Darker(tint));
         }},
        {"shoe",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             c.FillPolygon(
                 {g.P(16, 4), g.P(40, 4), g.P(40, 40), g.P(60, 48), g.P(60, 60), g.P(16, 60)},
                 tint);
             c.FillRect(g.X(16), g.Y(54), g.W(44), g.H(6), Darker(tint));
         }},
        {"glove",
         [](Canvas& c, const Grid& g, Rgb tint, int) {
             c.FillEllipse(g.X(12), g.Y(4), g.W(40), g.H(44), tint);
             c.FillRect(g.X(16), g.Y(36), g.W(32), g.H(26), Darker(tint));
             c.FillEllipse(g.X(44), g.Y(20), g.W(14), g.H(22), tint);
         }},
        {"wound",
         [](Canvas& c, const Grid& g, Rgb, int frame) {
             for (int i = 0; i <= frame; ++i) {
                 c.DrawLine(g.P(14 + i * 9, 12), g.P(6 + i * 9, 52), std::max(1, g.W(4)), kFoe);
             }
         }},
    };
    return painters;
}

}  // namespace

bool IsAnimatedShape(const std::string& shape) {
    static const std::set<std::string> animated = {"coins", "chest", "flag", "mark", "bush",
                                                   "ruin",  "fire",  "dot",  "wound"};
    return animated.count(shape) != 0;
}

bool IsThingShape(const std::string& shape) {
    return Painters().count(shape) != 0 || IsDollShape(shape) || shape == "symbol";
}

void DrawThing(Canvas& canvas, const FrameCell& cell, const std::string& shape, Rgb tint, int frame,
               const std::string& name) {
    if (IsDollShape(shape)) {
        DrawDollPiece(canvas, cell, shape, tint, frame);
        return;
    }
    const Grid grid{cell};
    const auto painter = Painters().find(shape);
    if (painter != Painters().end()) {
        painter->second(canvas, grid, tint, frame);
        return;
    }
    // A symbol: a round badge with the name's first letters.
    canvas.FillEllipse(grid.X(4), grid.Y(4), grid.W(56), grid.H(56), kOutline);
    canvas.FillEllipse(grid.X(6), grid.Y(6), grid.W(52), grid.H(52), tint);
    DrawCaption(canvas, cell, name.substr(0, 2), false, 4);
}

}  // namespace placeholder

}  // namespace varn
