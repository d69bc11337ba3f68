#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace varn {

namespace placeholder {

enum class RowKind {
    Picture,  // framed tiles with label and frame number
    Arrow,    // a pointer arrow whose tip is the top-left pixel
    Ground,   // seamless pieces of one kind of ground, for the map's mosaic
    Glyphs,   // one large character per frame: a letter or digit sheet
    Figures,  // a unit's walking and striking frames: label, facing and step per frame
    Panel,    // a plain dark backdrop stretched behind text: no label drawn
    Sound,    // a short tone as 16-bit PCM WAV
    Music,    // a short tune as a standard MIDI file
    Mp3,      // a short tone encoded by lame
    Text,     // the rest of the row written as one line
};

// One file of the data set, as one manifest row describes it.
struct ManifestRow {
    int line = 0;
    RowKind kind = RowKind::Picture;
    std::string gamePath;
    // Pictures only.
    int width = 0;
    int height = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    int frameCount = 0;
    uint32_t colourKey = 0;
    std::string ground;  // ground rows only: the kind of ground
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
