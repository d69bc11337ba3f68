// Runs the placeholder generator over the project's manifest and checks that every row became a
// readable file of the stated kind and size, as the game's loaders will meet it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "map/MapViewPictures.h"
#include "map/TerrainTables.h"
#include "platform/BmpDecoder.h"
#include "platform/Files.h"
#include "support/TempDir.h"

namespace varn {

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;
const char* const kManifest = VARN_SOURCE_DIR "/tools/placeholder/manifest.txt";
constexpr uint32_t kColourKeys[] = {0x000000, 0xFF0000, 0x0000FF, 0x00FF00, 0xFFFFFF};

struct ToolRun {
    int status;
    std::string output;
};

// Runs the generator through the shell, its messages kept in tool.log.
ToolRun RunTool(const std::string& arguments) {
    const std::string command = "'" VARN_PLACEHOLDER_TOOL "' " + arguments + " >tool.log 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream log("tool.log");
    return {status, std::string(std::istreambuf_iterator<char>(log), {})};
}

uint32_t Number(const Bytes& bytes, size_t at, int count, bool bigEndian = false) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value |= static_cast<uint32_t>(bytes.at(at + i)) << (8 * (bigEndian ? count - 1 - i : i));
    }
    return value;
}

std::string Tag(const Bytes& bytes, size_t at) {
    return std::string(bytes.begin() + at, bytes.begin() + at + 4);
}

// Whether a colour would be taken for the key after 5-bit truncation or rounding.
bool LooksLikeKey(uint32_t rgb, uint32_t key) {
    for (int shift : {16, 8, 0}) {
        const int channel = (rgb >> shift) & 0xFF;
        const int keyChannel = ((key >> shift) & 0xFF) >> 3;
        if ((channel >> 3) != keyChannel && (channel * 31 + 127) / 255 != keyChannel) {
            return false;
        }
    }
    return true;
}

bool IsPictureKind(const std::string& kind) {
    static const std::set<std::string> kinds = {"box",    "panel",  "page",    "button",  "bmp",
                                                "back",   "words",  "icon",    "figures", "arrow",
                                                "ground", "glyphs", "captions"};
    return kinds.count(kind) != 0;
}

// The n-th of the words parted by '|', or the whole label when it has none.
std::string WordOf(const std::string& label, int frame) {
    if (label.find('|') == std::string::npos) {
        return label;
    }
    std::istringstream words(label);
    std::string word;
    for (int n = 0; n <= frame && std::getline(words, word, '|'); ++n) {
    }
    return word;
}

// Checks a picture row: "<width>x<height> <frame width>x<frame height> <frames> <key>".
void CheckPicture(const std::string& kind, std::istringstream& fields, const Bytes& file) {
    int width = 0, height = 0, frameWidth = 0, frameHeight = 0, frames = 0;
    uint32_t key = 0;
    char x = 0;
    fields >> width >> x >> height >> frameWidth >> x >> frameHeight >> frames >> std::hex >> key;
    platform::ArgbImage picture;
    ASSERT_TRUE(platform::DecodeBmp(file.data(), file.size(), picture));
    ASSERT_EQ(std::make_pair(picture.width, picture.height), std::make_pair(width, height));
    // Runs of one colour are looked up once: the set has millions of pixels but few colours.
    std::set<uint32_t> colours;
    uint32_t previous = 0xFFFFFFFF;
    for (uint32_t& pixel : picture.pixels) {
        if ((pixel &= 0xFFFFFF) != previous) {
            colours.insert(previous = pixel);
        }
    }
    const bool keyed = key != 0;
    key &= 0xFFFFFF;
    EXPECT_EQ(colours.erase(key), keyed ? 1u : 0u) << "keyed pictures show the key around tiles";
    for (uint32_t colour : colours) {
        for (uint32_t keyColour : kColourKeys) {
            EXPECT_FALSE(LooksLikeKey(colour, keyColour)) << std::hex << colour << " is near a key";
        }
    }
    std::set<std::vector<uint32_t>> distinct;
    const int perRow = width / frameWidth;
    for (int frame = 0; frame < frames; ++frame) {
        std::vector<uint32_t> pixels;
        for (int y = frame / perRow * frameHeight; y < (frame / perRow + 1) * frameHeight; ++y) {
            const auto line = picture.pixels.begin() + y * width + frame % perRow * frameWidth;
            pixels.insert(pixels.end(), line, line + frameWidth);
        }
        // An arrow's tip, the pointer's hot spot, is its frame's top-left pixel.
        EXPECT_TRUE(kind != "arrow" || (pixels.front() != key && pixels[frameWidth - 1] == key &&
                                        pixels.back() == key));
        distinct.insert(pixels);
    }
    // Frames showing the same character or word (a blank glyph, an empty word) are alike; every
    // other frame differs.
    std::string label;
    std::getline(fields >> std::ws, label);
    std::set<std::string> shown;
    for (int frame = 0; frame < frames; ++frame) {
        shown.insert(kind == "glyphs" ? label.substr(static_cast<size_t>(frame), 1)
                     : kind == "words" || kind == "captions" ? WordOf(label, frame)
                                                             : std::to_string(frame));
    }
    const size_t expected = shown.size();
    EXPECT_TRUE(kind == "arrow" || distinct.size() == expected) << "frames differ";
}

void CheckSound(const std::string& kind, const Bytes& file) {
    if (kind == "wav") {
        ASSERT_GE(file.size(), 46u);
        EXPECT_EQ(Tag(file, 0) + Tag(file, 8) + Tag(file, 12) + Tag(file, 36), "RIFFWAVEfmt data");
        EXPECT_EQ(Number(file, 40, 4) + 44, file.size());
        EXPECT_EQ(Number(file, 20, 2), 1u) << "PCM";
        EXPECT_EQ(Number(file, 34, 2), 16u) << "16-bit samples";
        EXPECT_TRUE(std::any_of(file.begin() + 44, file.end(), [](uint8_t b) { return b != 0; }));
    } else if (kind == "mid") {
        // Format 0 with one track (bytes 8..11 hold 0 and 1), closed by its end-of-track event.
        ASSERT_GE(file.size(), 25u);
        EXPECT_EQ(Tag(file, 0) + Tag(file, 14), "MThdMTrk");
        EXPECT_EQ(Number(file, 8, 4, true), 1u);
        EXPECT_EQ(Number(file, 18, 4, true) + 22, file.size());
        EXPECT_EQ(Bytes(file.end() - 3, file.end()), (Bytes{0xFF, 0x2F, 0x00}));
    } else {
        ASSERT_EQ(kind, "mp3");
        ASSERT_GE(file.size(), 1000u);
        EXPECT_TRUE(Tag(file, 0).substr(0, 3) == "ID3" || (file[0] == 0xFF && file[1] >= 0xE0));
    }
}

// The colours of text in the set: the ink of glyphs, words and captions and its shadow.
constexpr uint32_t kInkColours[] = {0xECE2C4, 0x16121A};

// The boxes and backgrounds of the manifest: game path and the shorter side of the picture.
std::vector<std::pair<std::string, int>> PlainRows() {
    std::vector<std::pair<std::string, int>> rows;
    std::ifstream manifest(kManifest);
    for (std::string line; std::getline(manifest, line);) {
        std::istringstream fields(line);
        std::string kind, gamePath;
        int width = 0, height = 0;
        char x = 0;
        if (fields >> kind >> gamePath >> width >> x >> height &&
            (kind == "box" || kind == "panel" || kind == "page" || kind == "back")) {
            std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
            rows.emplace_back(gamePath, std::min(width, height));
        }
    }
    return rows;
}

// The pixels of a picture in ink colours.
size_t InkPixels(const std::string& path) {
    Bytes file;
    platform::ArgbImage picture;
    if (!platform::ReadWholeFile(path.c_str(), file) ||
        !platform::DecodeBmp(file.data(), file.size(), picture)) {
        ADD_FAILURE() << path << " cannot be read";
        return 0;
    }
    return static_cast<size_t>(
        std::count_if(picture.pixels.begin(), picture.pixels.end(), [](uint32_t pixel) {
            return std::find(std::begin(kInkColours), std::end(kInkColours), pixel & 0xFFFFFF) !=
                   std::end(kInkColours);
        }));
}

// Where a frame's ink lies: its bounding box, empty when the frame has none.
struct InkBox {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool Empty() const { return right < left; }
};

InkBox InkIn(const platform::ArgbImage& picture, int frameLeft, int frameTop, int width,
             int height) {
    InkBox box{width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel =
                picture.pixels[static_cast<size_t>((frameTop + y) * picture.width + frameLeft + x)];
            if ((pixel & 0xFFFFFF) == kInkColours[0]) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
    }
    return box;
}

}  // namespace

// A row's "<height>px@<scale x>x<scale y>": the letters' height on screen and the scale the game
// draws the picture at; 0 when the row gives none.
struct LetterSize {
    double height = 0;
    double scaleY = 1;
};

LetterSize LetterSizeOf(const std::string& field) {
    LetterSize size;
    const size_t at = field.find("px@");
    if (at != std::string::npos) {
        size.height = std::stod(field.substr(0, at));
        const size_t x = field.find('x', at + 3);
        size.scaleY = std::stod(field.substr(x == std::string::npos ? at + 3 : x + 1));
    }
    return size;
}

// The captions of buttons match: those drawn for the scale the game shows them at stand at their
// row's height once drawn, the others share one small height (those with letters hanging below
// the line one depth); every one stands in the middle of its frame, unless blank letters move it
// aside.
TEST(PlaceholderDataSet, CaptionsStandAtTheirRowsHeightInTheMiddleOfTheirFrames) {
    TempWorkingDir output;
    ASSERT_EQ(RunTool(std::string("'") + kManifest + "' .").status, 0);
    std::ifstream manifest(kManifest);
    std::set<int> unsizedHeights;
    std::set<int> unsizedHangingHeights;
    int sized = 0;
    for (std::string line; std::getline(manifest, line);) {
        std::istringstream fields(line);
        std::string kind, gamePath, key, label;
        int frameWidth = 0, frameHeight = 0, frames = 0;
        char x = 0;
        if (!(fields >> kind >> gamePath) || kind != "captions") {
            continue;
        }
        SCOPED_TRACE(gamePath);
        int width = 0, height = 0;
        fields >> width >> x >> height >> frameWidth >> x >> frameHeight >> frames >> key;
        std::getline(fields >> std::ws, label);
        const LetterSize size = LetterSizeOf(label.substr(0, label.find(' ')));
        std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
        Bytes file;
        platform::ArgbImage picture;
        ASSERT_TRUE(platform::ReadWholeFile(gamePath.c_str(), file) &&
                    platform::DecodeBmp(file.data(), file.size(), picture));
        for (int frame = 0; frame < frames; ++frame) {
            const int perRow = width / frameWidth;
            const InkBox ink = InkIn(picture, frame % perRow * frameWidth,
                                     frame / perRow * frameHeight, frameWidth, frameHeight);
            if (ink.Empty()) {
                continue;
            }
            const int inkHeight = ink.bottom - ink.top + 1;
            const bool hangs = WordOf(label, frame).find_first_of("gjpqy") != std::string::npos;
            if (size.height > 0) {
                ++sized;
                // The height is the letters' above the line; hanging letters reach lower.
                if (!hangs) {
                    EXPECT_NEAR(inkHeight * size.scaleY, size.height, 1.5) << "frame " << frame;
                }
            } else {
                (hangs ? unsizedHangingHeights : unsizedHeights).insert(inkHeight);
            }
            // A letter's empty last column is a font pixel, two or more picture pixels at size.
            if (label.find('~') == std::string::npos) {
                EXPECT_LE(std::abs(ink.left + ink.right + 1 - frameWidth), size.height > 0 ? 4 : 2)
                    << "frame " << frame;
            }
            EXPECT_LE(std::abs(ink.top + ink.bottom + 1 - frameHeight), 4) << "frame " << frame;
        }
    }
    EXPECT_GT(sized, 15);
    EXPECT_EQ(unsizedHeights.size(), 1u) << "captions of more than one size";
    EXPECT_LE(unsizedHangingHeights.size(), 1u) << "hanging letters of more than one depth";
}

// The game writes its own text over boxes and backgrounds: the set leaves them without any, and
// only the developers' labels put text on them.
TEST(PlaceholderDataSet, BoxesAndBackgroundsCarryNoText) {
    TempWorkingDir output;
    ASSERT_EQ(RunTool(std::string("'") + kManifest + "' plain").status, 0);
    ASSERT_EQ(RunTool(std::string("--labels '") + kManifest + "' labelled").status, 0);
    const std::vector<std::pair<std::string, int>> plain = PlainRows();
    ASSERT_GT(plain.size(), 20u);
    for (const auto& [path, side] : plain) {
        SCOPED_TRACE(path);
        EXPECT_EQ(InkPixels("plain/" + path), 0u);
        if (side >= 8) {  // a line or a speck has no room for a label
            EXPECT_GT(InkPixels("labelled/" + path), 0u);
        }
    }
}

// The whole set stays small; how fast it is made is measured by the benchmarks.
TEST(PlaceholderDataSet, TheWholeSetStaysSmall) {
    TempWorkingDir output;
    ASSERT_EQ(RunTool(std::string("'") + kManifest + "' .").status, 0);
    uintmax_t bytes = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(".")) {
        bytes += entry.is_regular_file() ? entry.file_size() : 0;
    }
    EXPECT_LT(bytes, 20u * 1024 * 1024);
}

TEST(PlaceholderDataSet, EveryRowBecomesAReadableFileOfItsKindAndSize) {
    TempWorkingDir output;
    const ToolRun run = RunTool(std::string("'") + kManifest + "' .");
    ASSERT_EQ(run.status, 0) << run.output;
    std::ifstream manifest(kManifest);
    std::set<Bytes> sounds;
    for (std::string line; std::getline(manifest, line);) {
        std::istringstream fields(line);
        std::string kind, gamePath;
        if (!(fields >> kind >> gamePath) || kind[0] == '#') {
            continue;
        }
        SCOPED_TRACE(gamePath);
        std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
        ASSERT_TRUE(fs::is_regular_file(gamePath)) << "missing with the manifest's case";
        Bytes file;
        ASSERT_TRUE(platform::ReadWholeFile(gamePath.c_str(), file));
        if (IsPictureKind(kind)) {
            CheckPicture(kind, fields, file);
        } else if (kind == "txt") {
            std::string text;
            std::getline(fields >> std::ws, text);
            EXPECT_EQ(std::string(file.begin(), file.end()), text + "\n");
        } else {
            CheckSound(kind, file);
            EXPECT_TRUE(sounds.insert(file).second) << "every sound and tune differs";
        }
    }
    EXPECT_TRUE(fs::is_directory("Saves") && fs::is_empty("Saves"));
}

// A picture the tool wrote, decoded as the game decodes it.
platform::ArgbImage ReadPicture(const std::string& path) {
    Bytes file;
    platform::ArgbImage picture;
    EXPECT_TRUE(platform::ReadWholeFile(path.c_str(), file) &&
                platform::DecodeBmp(file.data(), file.size(), picture))
        << path;
    return picture;
}

uint32_t PixelAt(const platform::ArgbImage& picture, int x, int y) {
    return picture.pixels[static_cast<size_t>(y * picture.width + x)] & 0xFFFFFF;
}

// The first column, from the left, holding a colour other than the key on the middle row.
int FirstInkColumn(const platform::ArgbImage& picture) {
    for (int x = 0; x < picture.width; ++x) {
        for (int y = 0; y < picture.height; ++y) {
            if (PixelAt(picture, x, y) != 0) {
                return x;
            }
        }
    }
    return picture.width;
}

// Looks the game leans on: a panel stretched over the field keeps its width for the text, a word
// can keep its distance from a number before it, and a place shows whether it is held.
TEST(PlaceholderLooks, PanelsWordsAndHoldings) {
    TempWorkingDir dir;
    std::ofstream("manifest.txt") << "panel Art\\P.bmp 64x64 64x64 1 0 panel\n"
                                     "page Art\\S.bmp 128x64 128x64 1 0 20,10,60,12 sheet\n"
                                     "words Art\\A.bmp 128x32 128x32 1 FF000000 damage\n"
                                     "words Art\\B.bmp 128x32 128x32 1 FF000000 ~damage\n"
                                     "icon Art\\H.bmp 64x128 64x64 2 FF000000 holding places\n";
    const ToolRun run = RunTool("manifest.txt out");
    ASSERT_EQ(run.status, 0) << run.output;

    const platform::ArgbImage panel = ReadPicture("out/Art/P.bmp");
    const uint32_t fill = PixelAt(panel, 32, 32);
    for (int x = 1; x < 63; ++x) {
        EXPECT_EQ(PixelAt(panel, x, 32), fill) << "the rim is one pixel wide; column " << x;
    }
    EXPECT_NE(PixelAt(panel, 0, 32), fill);

    // The plate lies where the row puts it, light on the page's deep fill.
    const platform::ArgbImage page = ReadPicture("out/Art/S.bmp");
    const uint32_t plate = PixelAt(page, 50, 16);
    EXPECT_EQ(PixelAt(page, 21, 11), plate);
    EXPECT_EQ(PixelAt(page, 78, 20), plate);
    for (const auto& [x, y] : {std::pair{18, 16}, {82, 16}, {50, 8}, {50, 24}}) {
        EXPECT_EQ(PixelAt(page, x, y), PixelAt(page, 100, 40)) << x << "," << y;
    }
    EXPECT_GT(plate & 0xFF, (PixelAt(page, 100, 40) & 0xFF) + 100);

    const int plain = FirstInkColumn(ReadPicture("out/Art/A.bmp"));
    const int spaced = FirstInkColumn(ReadPicture("out/Art/B.bmp"));
    EXPECT_GE(spaced - plain, 10) << "'~' stands for a whole letter";

    // Frame 0 (the sheet's first row) not held, frame 1 held: only the held one flies the flag.
    const platform::ArgbImage places = ReadPicture("out/Art/H.bmp");
    const uint32_t flag = 0x3A62C4;
    int flagPixels[2] = {0, 0};
    for (int y = 0; y < places.height; ++y) {
        for (int x = 0; x < places.width; ++x) {
            flagPixels[y / 64] += PixelAt(places, x, y) == flag ? 1 : 0;
        }
    }
    EXPECT_EQ(flagPixels[0], 0);
    EXPECT_GT(flagPixels[1], 20);
}

// Whose a figure is shows at a glance, for beasts as for men: most of what a sheet draws is in
// its side's colour, blue for ours and red for the foe's, and next to none in the other side's.
TEST(PlaceholderLooks, BeastsAndMenWearTheirSidesColour) {
    TempWorkingDir dir;
    std::ofstream("manifest.txt")
        << "figures Art\\OurBeast.bmp 512x512 64x64 64 FFFF0000 beast/ours dogs\n"
           "figures Art\\FoeBeast.bmp 512x512 64x64 64 FFFF0000 beast/foe wolves\n"
           "figures Art\\OurMan.bmp 512x512 64x64 64 FFFF0000 person/ours men\n"
           "figures Art\\FoeMan.bmp 512x512 64x64 64 FFFF0000 person/foe men\n";
    const ToolRun run = RunTool("manifest.txt out");
    ASSERT_EQ(run.status, 0) << run.output;
    // The shares of a sheet's drawn pixels that are plainly blue and plainly red.
    const auto sideShares = [](const std::string& path) {
        const platform::ArgbImage sheet = ReadPicture(path);
        int drawn = 0, blue = 0, red = 0;
        for (int y = 0; y < sheet.height; ++y) {
            for (int x = 0; x < sheet.width; ++x) {
                const uint32_t rgb = PixelAt(sheet, x, y);
                const int r = static_cast<int>(rgb >> 16), g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
                if (rgb == 0xFF0000) {
                    continue;
                }
                ++drawn;
                blue += b - std::max(r, g) > 60 ? 1 : 0;
                red += r - std::max(g, b) > 90 ? 1 : 0;
            }
        }
        return std::pair{100.0 * blue / drawn, 100.0 * red / drawn};
    };
    for (const char* kind : {"Beast", "Man"}) {
        SCOPED_TRACE(kind);
        const auto [ourBlue, ourRed] = sideShares(std::string("out/Art/Our") + kind + ".bmp");
        const auto [foeBlue, foeRed] = sideShares(std::string("out/Art/Foe") + kind + ".bmp");
        EXPECT_GT(ourBlue, 25.0);
        EXPECT_LT(ourRed, 5.0);
        EXPECT_GT(foeRed, 25.0);
        EXPECT_LT(foeBlue, 5.0);
    }
}

// The flags the kingdom map plants on its castles, palace and temples stand on them: the foot of
// every flag's pole, where the map's tables put the flag picture, rests on the building, a mast
// it raises or a plinth, never on bare ground.
TEST(PlaceholderLooks, TheMapsFlagsStandOnTheirBuildings) {
    TempWorkingDir output;
    ASSERT_EQ(RunTool(std::string("'") + kManifest + "' .").status, 0);
    std::ofstream("plain.txt") << "ground Grass.bmp 128x128 128x128 1 0 grass grass\n"
                                  "ground Waste.bmp 128x128 128x128 1 0 waste waste\n";
    ASSERT_EQ(RunTool("plain.txt plain").status, 0);
    const std::pair<std::string, std::string> kBuildings[] = {
        {"Art\\Map\\Palace3.bmp", "Grass"},    {"Art\\Map\\Mansion.bmp", "Grass"},
        {"Art\\Map\\Citadel.bmp", "Waste"},    {"Art\\Map\\CastleEvil.bmp", "Waste"},
        {"Art\\Map\\DarkTemple.bmp", "Waste"},
    };
    // The pole of a flag picture: its lowest drawn pixel in frame 0.
    const platform::ArgbImage flagPicture = ReadPicture("Art/Map/Flag1.bmp");
    struct {
        int x, y;
    } pole{-1, -1};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (PixelAt(flagPicture, x, y) != 0xFF0000) {
                pole.x = x;
                pole.y = y;
            }
        }
    }
    ASSERT_GE(pole.y, 24) << "a flag stands on a pole";
    int checked = 0;
    for (const auto& [file, ground] : kBuildings) {
        SCOPED_TRACE(file);
        std::string path = file;
        std::replace(path.begin(), path.end(), '\\', '/');
        const platform::ArgbImage built = ReadPicture(path);
        const platform::ArgbImage plain = ReadPicture("plain/" + ground + ".bmp");
        for (int row = 0; row < kTileRows; ++row) {
            for (int column = 0; column < kTileColumns; ++column) {
                const int32_t slot =
                    kGroundTiles[static_cast<size_t>(row)][static_cast<size_t>(column)];
                const auto load =
                    std::find_if(std::begin(kMapViewPictures), std::end(kMapViewPictures),
                                 [&](const PictureLoad& picture) { return picture.slot == slot; });
                if (load == std::end(kMapViewPictures) || file != load->file) {
                    continue;
                }
                for (const TerrainPiece& flag : kFlags) {
                    if (flag.tileX != TileX(column) || flag.tileY != TileY(row)) {
                        continue;
                    }
                    // The foot in world pixels, then in the 128-pixel piece of a 200-pixel tile.
                    const double footX = flag.x - flag.tileX + (pole.x + 0.5) * flag.scaleX;
                    const double footY = flag.y - flag.tileY + (pole.y + 1) * flag.scaleY;
                    const int x = static_cast<int>(footX * 128 / kTileSize);
                    const int y = static_cast<int>(footY * 128 / kTileSize);
                    bool rests = false;
                    for (int below = std::max(0, y - 1); below <= std::min(127, y + 2); ++below) {
                        rests = rests || PixelAt(built, x, below) != PixelAt(plain, x, below);
                    }
                    ++checked;
                    EXPECT_TRUE(rests) << "a flag at " << flag.x << "," << flag.y
                                       << " stands in the air over " << x << "," << y;
                }
            }
        }
    }
    EXPECT_GE(checked, 8);
}

TEST(PlaceholderManifest, FaultyRowsAreRefusedWithTheirLineAndNothingIsWritten) {
    TempWorkingDir dir;
    const std::string faulty[] = {
        "sprite Art\\A.bmp 64x64 64x64 1 0 a\n",
        "bmp Art\\A.bmp 64x64 128x64 1 0 frame wider than the picture\n",
        "bmp Art\\A.bmp 64x64 32x32 5 0 more frames than fit\n",
        "bmp Art\\A.bmp 64x64 32x32 1 FF123456 a key no load uses\n",
        "ground Art\\A.bmp 64x64 64x64 1 0 lava a kind the generator lacks\n",
        "ground Art\\A.bmp 64x64 64x64 1 FF000000 grass keyed ground\n",
        "ground Art\\A.bmp 64x64 64x64 1 0 hut@1,1 a building the generator lacks\n",
        "ground Art\\A.bmp 64x64 64x64 1 0 tower@5,1 a door past the frame's cells\n",
        "ground Art\\A.bmp 64x64 64x64 1 0 tower@1,1/lava a building on a ground it lacks\n",
        "ground Art\\A.bmp 64x64 64x64 1 0 rocks/town a decoration on a building\n",
        "icon Art\\A.bmp 64x64 64x64 1 0 dragon/foe a shape the generator lacks\n",
        "icon Art\\A.bmp 64x64 64x64 1 0 person/friend a side that is none of the three\n",
        "figures Art\\A.bmp 64x64 64x64 1 0 beast/ours\n",
        "page Art\\A.bmp 64x64 64x64 1 0 a page without its plate\n",
        "page Art\\A.bmp 64x64 64x64 1 0 1,2,3 a plate of three sides\n",
        "page Art\\A.bmp 64x64 64x64 1 0 1,2,3,4, a plate with a fifth\n",
        "page Art\\A.bmp 64x64 64x64 1 0 60,0,8,8 a plate past the frame\n",
        "page Art\\A.bmp 64x64 64x64 1 0 0,0,0,8 an empty plate\n",
        "button Art\\A.bmp 64x32 64x32 1 0 14px@ a letter size without its scale\n",
        "captions Art\\A.bmp 64x32 64x32 1 0 14px@1x a letter size without its height scale\n",
        "button Art\\A.bmp 64x32 64x32 1 0 0px@1 letters of no height\n",
        "wav ..\\Escape.wav\n",
        "wav \\Data\\Root.wav\n",
        // The game finds files whatever their case, so these two rows name one file.
        "wav DATA\\key.WAV\n",
    };
    for (const std::string& row : faulty) {
        SCOPED_TRACE(row);
        std::ofstream("manifest.txt") << "wav Data\\Key.wav\n# comment\n" << row;
        const ToolRun run = RunTool("manifest.txt out");
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.output.find("manifest.txt:3:"), std::string::npos) << run.output;
        EXPECT_FALSE(fs::exists("out"));
    }
    EXPECT_NE(RunTool("manifest.txt out")
                  .output.find("manifest.txt:3: DATA\\key.WAV is already listed on line 1"),
              std::string::npos);
}

}  // namespace varn
