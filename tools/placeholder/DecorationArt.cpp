#include "DecorationArt.h"

#include <algorithm>
#include <map>

namespace varn {

namespace placeholder {

namespace {

constexpr Rgb kRock = {150, 144, 134};
constexpr Rgb kRockLight = {188, 182, 170};
constexpr Rgb kRockShade = {88, 84, 80};
constexpr Rgb kLeaf = {76, 116, 58};
constexpr Rgb kLeafLight = {112, 150, 70};
constexpr Rgb kLeafDark = {48, 82, 42};
constexpr Rgb kBlock = {168, 158, 140};
constexpr Rgb kBlockShade = {112, 104, 92};

// The frame's cell in units of a sixteenth of its side, so one drawing fits 8, 16 or 32 pixels.
struct Piece {
    Canvas& canvas;
    int left;
    int top;
    int width;
    int height;

    int X(int sixteenths) const { return left + sixteenths * width / 16; }
    int Y(int sixteenths) const { return top + sixteenths * height / 16; }
    int W(int sixteenths) const { return std::max(1, sixteenths * width / 16); }
    int H(int sixteenths) const { return std::max(1, sixteenths * height / 16); }

    // A lit boulder: shade below, light on top.
    void Boulder(int x, int y, int w, int h) const {
        canvas.FillEllipse(X(x), Y(y), W(w), H(h), kRockShade);
        canvas.FillEllipse(X(x), Y(y), W(w), H(h) * 3 / 4 + 1, kRock);
        canvas.FillEllipse(X(x + w / 4), Y(y + 1), W(w / 3 + 1), H(h / 4 + 1), kRockLight);
    }

    void Bush(int x, int y, int size) const {
        canvas.FillEllipse(X(x), Y(y), W(size), H(size), kLeafDark);
        canvas.FillEllipse(X(x + 1), Y(y), W(size - 2), H(size - 3), kLeaf);
        canvas.FillEllipse(X(x + size / 3), Y(y + 1), W(size / 3 + 1), H(size / 3), kLeafLight);
    }
};

// Frame n of each thing shifts and sizes its parts by n, so that the frames differ.
void Rocks(const Piece& piece, int frame) {
    piece.Boulder(1 + frame, 3, 13 - frame, 11);
}

void Pebbles(const Piece& piece, int frame) {
    piece.Boulder(1 + frame, 2, 7, 6);
    piece.Boulder(8 - frame, 9, 7, 6);
    if (frame % 2 == 1) {
        piece.Boulder(10, 1, 5, 5);
    }
}

// A thicket filling its frame, so that it reads as scrub on whatever ground it is laid.
void Scrub(const Piece& piece, int frame) {
    piece.Bush(-1, 5 + frame % 3, 10);
    piece.Bush(5 + frame % 2, -1, 10);
    piece.Bush(7 - frame % 4, 7, 10);
    piece.Bush(-2 + frame % 3, -2, 9);
}

// A broken wall: courses of blocks, fewer towards the ends, and a fallen block.
void Ruins(const Piece& piece, int frame) {
    Canvas& canvas = piece.canvas;
    for (int course = 0; course < 4; ++course) {
        const int blocks = 4 - (course + frame) % 3;
        for (int block = 0; block < blocks; ++block) {
            const int x = 1 + block * 4 + course % 2 * 2;
            canvas.FillRect(piece.X(x), piece.Y(11 - course * 3), piece.W(4) - 1, piece.H(3) - 1,
                            kBlock);
            canvas.FillRect(piece.X(x), piece.Y(13 - course * 3), piece.W(4) - 1, 1, kBlockShade);
        }
    }
    canvas.FillRect(piece.X(12 - frame), piece.Y(13), piece.W(3), piece.H(2), kBlockShade);
}

using Painter = void (*)(const Piece&, int);

const std::map<std::string, Painter>& Painters() {
    static const std::map<std::string, Painter> painters = {
        {"rocks", Rocks}, {"pebbles", Pebbles}, {"scrub", Scrub}, {"ruins", Ruins}};
    return painters;
}

}  // namespace

bool ParseDecoration(const std::string& kind, DecorationPlan& plan) {
    const size_t slash = kind.find('/');
    if (slash == std::string::npos) {
        return false;
    }
    plan.thing = kind.substr(0, slash);
    plan.ground = kind.substr(slash + 1);
    return Painters().count(plan.thing) != 0;
}

void DrawDecoration(Canvas& canvas, const DecorationPlan& plan, int frame, int left, int top,
                    int width, int height) {
    Painters().at(plan.thing)({canvas, left, top, width, height}, frame);
}

}  // namespace placeholder

}  // namespace varn
