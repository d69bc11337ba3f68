// Runs the placeholder generator over the project's manifest and checks that every row became a
// readable file of the stated kind and size, as the game's loaders will meet it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Settings.h"
#include "platform/Files.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const char* const kManifest = VARN_SOURCE_DIR "/tools/placeholder/manifest.txt";
constexpr uint32_t kColourKeys[] = {0xFF000000, 0xFFFF0000, 0xFF0000FF, 0xFF00FF00, 0xFFFFFFFF};

struct ToolRun {
    int status;
    std::string output;
};

// Runs the generator through the shell; environment settings may precede it.
ToolRun RunTool(const std::string& arguments, const std::string& environment = "") {
    std::string command = environment + " '" VARN_PLACEHOLDER_TOOL "' " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ToolRun run{-1, ""};
    if (pipe == nullptr) {
        return run;
    }
    char buffer[512];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.output.append(buffer, got);
    }
    run.status = pclose(pipe);
    return run;
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::error_code error;
    std::vector<uint8_t> bytes(fs::file_size(path, error));
    std::ifstream stream(path, std::ios::binary);
    stream.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return error || !stream ? std::vector<uint8_t>() : bytes;
}

uint32_t Little(const std::vector<uint8_t>& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value |= static_cast<uint32_t>(bytes.at(at + i)) << (8 * i);
    }
    return value;
}

uint32_t Big(const std::vector<uint8_t>& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value = (value << 8) | bytes.at(at + i);
    }
    return value;
}

std::string Tag(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes.size() < at + 4 ? "" : std::string(bytes.begin() + at, bytes.begin() + at + 4);
}

// The manifest as the README describes it, read independently of the generator.
struct Row {
    int line = 0;
    std::string kind;
    std::string gamePath;
    int width = 0, height = 0, frameWidth = 0, frameHeight = 0, frames = 0;
    uint32_t key = 0;
    std::string rest;
};

std::vector<Row> ReadManifest(const char* path) {
    std::ifstream stream(path);
    std::vector<Row> rows;
    std::string text;
    for (int line = 1; std::getline(stream, text); ++line) {
        std::istringstream fields(text);
        Row row;
        row.line = line;
        if (!(fields >> row.kind) || row.kind[0] == '#') {
            continue;
        }
        fields >> row.gamePath;
        if (row.kind == "bmp" || row.kind == "arrow") {
            char x = 0;
            std::string key;
            fields >> row.width >> x >> row.height >> row.frameWidth >> x >> row.frameHeight >>
                row.frames >> key;
            row.key = static_cast<uint32_t>(std::stoul(key, nullptr, 16));
        }
        std::getline(fields >> std::ws, row.rest);
        rows.push_back(row);
    }
    return rows;
}

fs::path FileOf(const fs::path& folder, const std::string& gamePath) {
    fs::path path = folder;
    std::string component;
    for (char c : gamePath + "\\") {
        if (c == '\\' || c == '/') {
            if (!component.empty()) {
                path /= component;
            }
            component.clear();
        } else {
            component.push_back(c);
        }
    }
    return path;
}

// A decoded 24-bit BMP as 0xRRGGBB values, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

::testing::AssertionResult DecodeBmp(const std::vector<uint8_t>& file, Picture& picture) {
    if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') {
        return ::testing::AssertionFailure() << "not a BMP";
    }
    int32_t width = static_cast<int32_t>(Little(file, 18, 4));
    int32_t height = static_cast<int32_t>(Little(file, 22, 4));
    uint32_t offset = Little(file, 10, 4);
    uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    if (Little(file, 14, 4) != 40 || Little(file, 28, 2) != 24 || Little(file, 30, 4) != 0 ||
        width <= 0 || height <= 0) {
        return ::testing::AssertionFailure() << "not an uncompressed 24-bit bottom-up BMP";
    }
    if (Little(file, 2, 4) != file.size() || offset + rowBytes * height != file.size()) {
        return ::testing::AssertionFailure() << "sizes in the header do not match the file";
    }
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<size_t>(width) * height);
    // Raw pointers: the whole set holds millions of pixels and the tests run unoptimised.
    uint32_t* out = picture.pixels.data();
    for (int y = 0; y < height; ++y) {
        const uint8_t* in = file.data() + offset + static_cast<size_t>(height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x, in += 3) {
            *out++ = (in[2] << 16) | (in[1] << 8) | in[0];
        }
    }
    return ::testing::AssertionSuccess();
}

// Whether a drawn colour would be taken for key after conversion to 5 bits per channel, by
// truncation or by rounding.
bool LooksLikeKey(uint32_t rgb, uint32_t key) {
    for (int shift : {16, 8, 0}) {
        int channel = (rgb >> shift) & 0xFF;
        int keyChannel = ((key >> shift) & 0xFF) >> 3;
        if ((channel >> 3) != keyChannel && (channel * 31 + 127) / 255 != keyChannel) {
            return false;
        }
    }
    return true;
}

// Each colour is judged once: the set has millions of pixels but few colours.
std::vector<uint32_t> DistinctColours(const Picture& picture) {
    static std::vector<uint8_t> seen(1u << 24, 0);
    std::vector<uint32_t> colours;
    for (uint32_t pixel : picture.pixels) {
        if (seen[pixel] == 0) {
            seen[pixel] = 1;
            colours.push_back(pixel);
        }
    }
    for (uint32_t colour : colours) {
        seen[colour] = 0;
    }
    return colours;
}

std::vector<uint32_t> FramePixels(const Picture& picture, const Row& row, int frame) {
    int perRow = picture.width / row.frameWidth;
    int left = (frame % perRow) * row.frameWidth;
    int top = (frame / perRow) * row.frameHeight;
    std::vector<uint32_t> pixels;
    for (int y = top; y < top + row.frameHeight; ++y) {
        for (int x = left; x < left + row.frameWidth; ++x) {
            pixels.push_back(picture.At(x, y));
        }
    }
    return pixels;
}

void CheckPicture(const Row& row, const std::vector<uint8_t>& file) {
    Picture picture;
    ASSERT_TRUE(DecodeBmp(file, picture));
    EXPECT_EQ(picture.width, row.width);
    EXPECT_EQ(picture.height, row.height);
    const uint32_t keyRgb = row.key & 0xFFFFFF;
    std::vector<uint32_t> colours = DistinctColours(picture);
    bool keySeen = false;
    bool drawingSeen = false;
    for (uint32_t colour : colours) {
        if (row.key != 0 && colour == keyRgb) {
            keySeen = true;
            continue;
        }
        drawingSeen = true;
        for (uint32_t key : kColourKeys) {
            EXPECT_FALSE(LooksLikeKey(colour, key))
                << std::hex << "colour " << colour << " would turn transparent under key " << key;
        }
    }
    EXPECT_TRUE(drawingSeen);
    EXPECT_EQ(keySeen, row.key != 0) << "keyed pictures show the key around their tiles";
    std::set<std::vector<uint32_t>> distinct;
    for (int frame = 0; frame < row.frames; ++frame) {
        distinct.insert(FramePixels(picture, row, frame));
    }
    if (row.kind == "bmp") {
        EXPECT_EQ(distinct.size(), static_cast<size_t>(row.frames)) << "frames must differ";
    }
}

void CheckWav(const std::vector<uint8_t>& file) {
    ASSERT_GE(file.size(), 44u);
    EXPECT_EQ(Tag(file, 0), "RIFF");
    EXPECT_EQ(Little(file, 4, 4), file.size() - 8);
    EXPECT_EQ(Tag(file, 8), "WAVE");
    EXPECT_EQ(Tag(file, 12), "fmt ");
    EXPECT_EQ(Little(file, 20, 2), 1u) << "PCM";
    EXPECT_EQ(Little(file, 34, 2), 16u) << "16-bit samples";
    EXPECT_EQ(Tag(file, 36), "data");
    EXPECT_EQ(Little(file, 40, 4), file.size() - 44);
    bool sounding = false;
    for (size_t at = 44; at + 1 < file.size() && !sounding; at += 2) {
        sounding = Little(file, at, 2) != 0;
    }
    EXPECT_TRUE(sounding);
}

void CheckMidi(const std::vector<uint8_t>& file) {
    ASSERT_GE(file.size(), 22u);
    EXPECT_EQ(Tag(file, 0), "MThd");
    EXPECT_EQ(Big(file, 4, 4), 6u);
    EXPECT_LE(Big(file, 8, 2), 1u) << "format 0 or 1";
    uint32_t tracks = Big(file, 10, 2);
    EXPECT_GE(tracks, 1u);
    size_t at = 14;
    for (uint32_t track = 0; track < tracks; ++track) {
        ASSERT_EQ(Tag(file, at), "MTrk");
        size_t end = at + 8 + Big(file, at + 4, 4);
        ASSERT_LE(end, file.size());
        EXPECT_EQ(std::vector<uint8_t>(file.begin() + end - 3, file.begin() + end),
                  (std::vector<uint8_t>{0xFF, 0x2F, 0x00}))
            << "a track ends with its end-of-track event";
        at = end;
    }
    EXPECT_EQ(at, file.size());
}

void CheckMp3(const std::vector<uint8_t>& file) {
    ASSERT_GE(file.size(), 1000u);
    bool tagged = Tag(file, 0).substr(0, 3) == "ID3";
    bool frameSync = file[0] == 0xFF && (file[1] & 0xE0) == 0xE0;
    EXPECT_TRUE(tagged || frameSync);
}

class PlaceholderDataSet : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        output_ = new TempWorkingDir();
        run_ = RunTool(std::string("'") + kManifest + "' '" + output_->path().string() + "'");
    }
    static void TearDownTestSuite() {
        delete output_;
        output_ = nullptr;
    }

    static TempWorkingDir* output_;
    static ToolRun run_;
};

TempWorkingDir* PlaceholderDataSet::output_ = nullptr;
ToolRun PlaceholderDataSet::run_;

}  // namespace

TEST_F(PlaceholderDataSet, EveryRowBecomesAReadableFileOfItsSize) {
    ASSERT_EQ(run_.status, 0) << run_.output;
    std::vector<Row> rows = ReadManifest(kManifest);
    ASSERT_FALSE(rows.empty());
    std::set<std::vector<uint8_t>> sounds;
    std::set<std::vector<uint8_t>> tunes;
    for (const Row& row : rows) {
        SCOPED_TRACE("manifest line " + std::to_string(row.line) + ": " + row.gamePath);
        fs::path path = FileOf(output_->path(), row.gamePath);
        ASSERT_TRUE(fs::is_regular_file(path)) << "missing with the manifest's case: " << path;
        std::vector<uint8_t> file = ReadBytes(path);
        if (row.kind == "bmp" || row.kind == "arrow") {
            CheckPicture(row, file);
        } else if (row.kind == "wav") {
            CheckWav(file);
            EXPECT_TRUE(sounds.insert(file).second) << "every sound differs";
        } else if (row.kind == "mid") {
            CheckMidi(file);
            EXPECT_TRUE(tunes.insert(file).second) << "every tune differs";
        } else if (row.kind == "mp3") {
            CheckMp3(file);
        } else if (row.kind == "txt") {
            EXPECT_EQ(std::string(file.begin(), file.end()), row.rest + "\n");
        } else {
            ADD_FAILURE() << "unknown kind " << row.kind;
        }
    }
    EXPECT_TRUE(fs::is_directory(output_->path() / "Saves"));
    EXPECT_TRUE(fs::is_empty(output_->path() / "Saves"));
}

TEST_F(PlaceholderDataSet, HoldsEveryFileTheShellLoads) {
    ASSERT_EQ(run_.status, 0) << run_.output;
    for (const char* gamePath :
         {"Art\\Cursor1.bmp", "Art\\Cursor2.bmp", "Data\\Vibrate.wav", "Data\\Key.wav",
          "Data\\Coin.wav", "Data\\Pick.wav", "Data\\Smash.wav", "Data\\Music.mid",
          "Data\\Music3.mid", "Data\\Bedlam.mp3", "Data//data1.txt"}) {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(platform::ReadWholeFile(gamePath, bytes) && !bytes.empty()) << gamePath;
    }

    std::vector<uint8_t> text;
    ASSERT_TRUE(platform::ReadWholeFile("Data//data1.txt", text));
    std::istringstream numbers(std::string(text.begin(), text.end()));
    int count = 0;
    for (int value = 0; numbers >> value; ++count) {
        EXPECT_EQ(value, 0);
    }
    EXPECT_EQ(count, Settings::kValueCount);
}

TEST_F(PlaceholderDataSet, PointerPicturesFitTheMousePointer) {
    ASSERT_EQ(run_.status, 0) << run_.output;
    Picture arrow;
    ASSERT_TRUE(DecodeBmp(ReadBytes(output_->path() / "Art" / "Cursor2.bmp"), arrow));
    ASSERT_EQ(arrow.width, 64);
    ASSERT_EQ(arrow.height, 64);
    EXPECT_NE(arrow.At(0, 0), 0u) << "the tip, the hot spot, is the top-left pixel";
    EXPECT_EQ(arrow.At(63, 0), 0u);
    EXPECT_EQ(arrow.At(0, 63), 0u);
    EXPECT_EQ(arrow.At(63, 63), 0u);

    Picture modes;
    ASSERT_TRUE(DecodeBmp(ReadBytes(output_->path() / "Art" / "Cursor1.bmp"), modes));
    EXPECT_EQ(modes.height, 32);
    EXPECT_GE(modes.width / 32, 2) << "frames 0 and 1 are drawn by the map";
}

class PlaceholderManifest : public ::testing::Test {
  protected:
    ToolRun Generate(const std::string& manifest, const std::string& environment = "") {
        std::ofstream(dir_.path() / "manifest.txt") << manifest;
        return RunTool("manifest.txt out", environment);
    }

    TempWorkingDir dir_;
};

TEST_F(PlaceholderManifest, FaultyRowsAreRefusedWithTheirLineAndNothingIsWritten) {
    // Each manifest's fault is on its line 3.
    const std::string faulty[] = {
        "sprite Art\\A.bmp 64x64 64x64 1 0 a\n",
        "bmp Art\\A.bmp 64x64 128x64 1 0 frame wider than the picture\n",
        "bmp Art\\A.bmp 64x64 32x32 5 0 more frames than fit\n",
        "bmp Art\\A.bmp 64x64 32x32 0 0 no frames\n",
        "bmp Art\\A.bmp 64 32x32 1 0 no height\n",
        "bmp Art\\A.bmp 64x64 32x32 1 FF123456 a key no load uses\n",
        "bmp Art\\A.bmp 64x64 32x32 1 0\n",
        "wav ..\\Escape.wav\n",
        "wav \\Data\\Root.wav\n",
        "wav Data\\Extra.wav 440\n",
        "mid\n",
    };
    for (const std::string& manifest : faulty) {
        SCOPED_TRACE(manifest);
        ToolRun run = Generate("# comment\n\n" + manifest);
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.output.find("manifest.txt:3:"), std::string::npos) << run.output;
        EXPECT_FALSE(fs::exists(dir_.path() / "out"));
    }

    // The game finds files whatever their case, so these two rows name one file.
    ToolRun twice = Generate("wav Data\\Key.wav\n# comment\nwav DATA\\key.WAV\n");
    EXPECT_NE(twice.status, 0);
    EXPECT_NE(twice.output.find("manifest.txt:3: DATA\\key.WAV is already listed on line 1"),
              std::string::npos)
        << twice.output;
    EXPECT_FALSE(fs::exists(dir_.path() / "out"));
}

TEST_F(PlaceholderManifest, NamesKeepTheirCaseAndSeparatorsBecomeFolders) {
    ToolRun run = Generate(
        "bmp Art\\Items\\Armor\\Torso1.bmp 256x256 256x256 1 FFFF0000 torso\n"
        "txt Data//Extra.TXT 1 2\n");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(fs::is_regular_file(dir_.path() / "out/Art/Items/Armor/Torso1.bmp"));
    EXPECT_EQ(ReadBytes(dir_.path() / "out/Data/Extra.TXT"),
              (std::vector<uint8_t>{'1', ' ', '2', '\n'}));
}

TEST_F(PlaceholderManifest, MissingLameIsReportedClearly) {
    fs::create_directories(dir_.path() / "empty-path");
    ToolRun run =
        Generate("mp3 Data\\Bedlam.mp3\n", "PATH=" + (dir_.path() / "empty-path").string());
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find("'lame' command was not found"), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(dir_.path() / "out/Data/Bedlam.mp3.source.wav"));
}

TEST_F(PlaceholderManifest, WrongArgumentsShowTheUsage) {
    ToolRun run = RunTool("");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find("usage:"), std::string::npos);
    ToolRun missing = RunTool("no-such-manifest.txt out");
    EXPECT_NE(missing.status, 0);
    EXPECT_FALSE(fs::exists(dir_.path() / "out"));
}
