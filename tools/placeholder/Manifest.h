#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace varn {

namespace placeholder {

enum class RowKind {
    Box,       // plain panels the game writes over; frames plain, hovered, pressed, chosen
    Panel,     // a plain deep panel the game stretches far, with a hairline rim
    Page,      // a deep panel stretched over the screen, with a light plate for one dark line
    Button,    // raised buttons with their caption; frames plain, hovered, pressed
    Back,      // a quiet background with nothing on it
    Words,     // one word per frame alone on the key colour, as the game sets them in sentences
    Captions,  // one button caption per frame alone on the key colour, centred, in one size
    Icon,      // a figure or a thing: a person, beast, face, gem, flag ...
    Figures,   // a unit's walking and striking frames, by facing and step
    Arrow,     // a pointer arrow whose tip is the top-left pixel
    Ground,    // seamless pieces of one kind of ground, for the map's mosaic
    Glyphs,    // one character per frame alone on the key colour: a letter or digit sheet
    Sound,     // a short tone as 16-bit PCM WAV
    Music,     // a short tune as a standard MIDI file
    Mp3,       // a short tone encoded by lame
    Text,      // the rest of the row written as one line
};

// How tall a caption's letters stand on screen and the scale the game draws its picture at, so
// that the captions of a row of buttons drawn at different scales read at one size.
struct LetterSize {
    double height = 0;  // 0: as large as the frame allows, in whole font pixels
    double scaleX = 1;
    double scaleY = 1;
};

// One file of the data set, as one manifest row describes it.
struct ManifestRow {
    int line = 0;
    RowKind kind = RowKind::Box;
    std::string gamePath;
    // Pictures only.
    int width = 0;
    int height = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    int frameCount = 0;
    uint32_t colourKey = 0;
    std::string ground;  // ground rows only: the kind of ground
    std::string shape;   // icon and figure rows only: what is drawn
    std::string side;    // icon and figure rows only: ours, foe or neutral
    // Page rows only: the plate's left, top, width and height inside the frame.
    std::array<int, 4> plate{};
    LetterSize letters;  // button and caption rows only
    std::string label;
    // Text only.
    std::string text;
};

// Reads every row; each fault is reported as "<source>:<line>: <what>". Rows are only usable when
// no error was reported.
std::vector<ManifestRow> ParseManifest(std::istream& input, const std::string& source,
                                       std::vector<std::string>& errors);

// The components of a game path: backslashes and slashes both separate, empty ones are dropped.
std::vector<std::string> SplitGamePath(const std::string& gamePath);

}  // namespace placeholder

}  // namespace varn
