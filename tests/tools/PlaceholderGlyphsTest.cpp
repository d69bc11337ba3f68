// The placeholder's letter and digit sheets, read back as the game reads them: names and numbers
// put together from their frames read as text on whatever the game draws them over.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/BmpDecoder.h"
#include "platform/Files.h"
#include "support/Readability.h"
#include "support/TempDir.h"

namespace varn {

namespace {

const char* const kManifest = VARN_SOURCE_DIR "/tools/placeholder/manifest.txt";
constexpr uint32_t kInk = 0xECE2C4;
constexpr uint32_t kOutline = 0x16121A;
constexpr char kHanging[] = "gjpqy";

struct SheetRow {
    std::string kind;
    std::string path;  // with slashes, as written under the output folder
    int width = 0, height = 0, frameWidth = 0, frameHeight = 0;
    std::string label;
};

// The manifest's rows of one kind.
std::vector<SheetRow> RowsOf(const std::string& wanted) {
    std::vector<SheetRow> rows;
    std::ifstream manifest(kManifest);
    for (std::string line; std::getline(manifest, line);) {
        std::istringstream fields(line);
        SheetRow row;
        std::string frames, key;
        char x = 0;
        if (!(fields >> row.kind >> row.path) || row.kind != wanted) {
            continue;
        }
        fields >> row.width >> x >> row.height >> row.frameWidth >> x >> row.frameHeight >>
            frames >> key;
        std::getline(fields >> std::ws, row.label);
        for (char& c : row.path) {
            c = c == '\\' ? '/' : c;
        }
        rows.push_back(row);
    }
    return rows;
}

// The whole set, written into the working folder.
bool WriteTheSet() {
    const std::string command =
        "'" VARN_PLACEHOLDER_TOOL "' '" + std::string(kManifest) + "' . >tool.log 2>&1";
    return std::system(command.c_str()) == 0;
}

platform::ArgbImage ReadPicture(const std::string& path) {
    std::vector<uint8_t> file;
    platform::ArgbImage picture;
    EXPECT_TRUE(platform::ReadWholeFile(path.c_str(), file) &&
                platform::DecodeBmp(file.data(), file.size(), picture))
        << path;
    return picture;
}

// One frame of a sheet, pixel by pixel in RGB.
struct Frame {
    const platform::ArgbImage& picture;
    int left, top, width, height;
    uint32_t At(int x, int y) const {
        return picture.pixels[static_cast<size_t>((top + y) * picture.width + left + x)] & 0xFFFFFF;
    }
};

// The lowest row of a frame holding ink; -1 when none does.
int InkBottom(const Frame& frame) {
    for (int y = frame.height - 1; y >= 0; --y) {
        for (int x = 0; x < frame.width; ++x) {
            if (frame.At(x, y) == kInk) {
                return y;
            }
        }
    }
    return -1;
}

// Whether every ink pixel has all eight neighbours inside the frame, each ink or outline.
bool Ringed(const Frame& frame) {
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            if (frame.At(x, y) != kInk) {
                continue;
            }
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= frame.width || ny >= frame.height ||
                        (frame.At(nx, ny) != kInk && frame.At(nx, ny) != kOutline)) {
                        return false;
                    }
                }
            }
        }
    }
    return true;
}

}  // namespace

// Every letter and digit of every sheet of one cell size stands on one line (a name mixes the
// small letters, the capitals and the digits of three sheets); g, j, p, q and y hang below it and
// every character, its outline too, stays inside its own cell.
TEST(PlaceholderGlyphs, LettersHangBelowOneLineAndStayInsideTheirCells) {
    TempWorkingDir output;
    ASSERT_TRUE(WriteTheSet());
    const std::vector<SheetRow> sheets = RowsOf("glyphs");
    ASSERT_GT(sheets.size(), 10u);
    std::map<std::pair<int, int>, std::set<int>> lines;  // by cell size: the rows stood on
    int hanging = 0;
    for (const SheetRow& sheet : sheets) {
        SCOPED_TRACE(sheet.path);
        const platform::ArgbImage picture = ReadPicture(sheet.path);
        const int perRow = sheet.width / sheet.frameWidth;
        std::map<char, int> bottoms;
        for (size_t n = 0; n < sheet.label.size(); ++n) {
            const char c = sheet.label[n];
            const int i = static_cast<int>(n);
            const Frame frame{picture, i % perRow * sheet.frameWidth,
                              i / perRow * sheet.frameHeight, sheet.frameWidth, sheet.frameHeight};
            if (c == '~') {
                continue;
            }
            EXPECT_TRUE(Ringed(frame)) << "'" << c << "' is not ringed inside its cell";
            bottoms[c] = InkBottom(frame);
        }
        for (const auto& [c, bottom] : bottoms) {
            if (std::isalnum(static_cast<unsigned char>(c)) && !std::strchr(kHanging, c)) {
                lines[{sheet.frameWidth, sheet.frameHeight}].insert(bottom);
            }
        }
        for (const char* c = kHanging; *c != '\0'; ++c) {
            if (bottoms.count(*c) != 0 && bottoms.count('a') != 0) {
                ++hanging;
                EXPECT_GT(bottoms[*c], bottoms['a']) << "'" << *c << "' does not hang";
            }
        }
    }
    EXPECT_GE(hanging, 20) << "the sheets with small letters";
    for (const auto& [cell, rows] : lines) {
        EXPECT_EQ(rows.size(), 1u)
            << "cells of " << cell.first << " x " << cell.second << " stand on several lines";
    }
}

// Counts under the figures of a battle are drawn over the field's ground: the digits' fill or
// their outline stands out from every ground kind, and the fill from the outline.
TEST(PlaceholderGlyphs, DigitsReadOnEveryGround) {
    using readability::ContrastRatio;
    TempWorkingDir output;
    ASSERT_TRUE(WriteTheSet());
    EXPECT_GE(ContrastRatio(kInk, kOutline), readability::kLeastContrast);
    std::set<std::string> kinds;
    for (const SheetRow& row : RowsOf("ground")) {
        const std::string kind = row.label.substr(0, row.label.find(' '));
        if (kind.find_first_of("@/") != std::string::npos || !kinds.insert(kind).second) {
            continue;  // buildings and decorations stand on the plain kinds
        }
        SCOPED_TRACE(kind);
        // The colours covering a twentieth of the piece or more: its base and its marks.
        const platform::ArgbImage piece = ReadPicture(row.path);
        std::map<uint32_t, size_t> counts;
        for (uint32_t pixel : piece.pixels) {
            ++counts[pixel & 0xFFFFFF];
        }
        for (const auto& [ground, count] : counts) {
            if (count * 20 >= piece.pixels.size()) {
                EXPECT_GE(std::max(ContrastRatio(kInk, ground), ContrastRatio(kOutline, ground)),
                          readability::kLeastContrast)
                    << readability::Colour(ground);
            }
        }
    }
    EXPECT_GE(kinds.size(), 12u);
}

}  // namespace varn
