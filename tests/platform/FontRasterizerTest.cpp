#include "platform/FontRasterizer.h"

#include <gtest/gtest.h>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace varn {

namespace {

using platform::Rect;

constexpr uint16_t kBackground = platform::ToR5G6B5(0xFF204060);
constexpr uint32_t kRed = 0xFFFA3232;

// The pixels a text changed: all, those outside a rectangle, those in the full colour, and those
// mixed with the background (red between the two, as the full colour is too).
struct Ink {
    int changed = 0, outside = 0, full = 0, mixed = 0;
};

// Draws on a 120 x 80 background; `within` is the clip rectangle unless given.
Ink Draw(platform::FontRasterizer& font, const char* text, const Rect& clip, uint32_t colour,
         Rect within = {}) {
    within = within.right == 0 ? clip : within;
    platform::BackBuffer buffer;
    buffer.Resize(120, 80);
    std::ranges::fill(buffer.pixels, kBackground);
    font.DrawText(buffer, text, clip, colour);
    const int full = platform::ToR5G6B5(colour);
    Ink ink;
    for (int i = 0; i < 120 * 80; ++i) {
        const int x = i % 120, y = i / 120, pixel = buffer.pixels[i];
        if (pixel != kBackground) {
            ++ink.changed;
            ink.outside +=
                x < within.left || x >= within.right || y < within.top || y >= within.bottom;
            ink.full += pixel == full;
            ink.mixed += pixel >> 11 >= kBackground >> 11 && pixel >> 11 <= full >> 11;
        }
    }
    return ink;
}

TEST(FontRasterizer, DrawsAntiAliasedFromTheCornerInsideItsRectangleAndTheBufferOrNothing) {
    platform::FontRasterizer font;
    ASSERT_TRUE(font.Open("Arial", 16, false, false));
    // The capital starts at the corner, within the ascent's spare room and its side bearing.
    const Ink capital = Draw(font, "H", Rect{30, 25, 120, 80}, kRed, Rect{30, 25, 45, 45});
    EXPECT_TRUE(capital.changed > 20 && capital.outside == 0 && capital.full >= 10);
    // Every pixel is the colour or, at the edges, a mix of it with the one below.
    const Ink clipped = Draw(font, "Wide words overflow the box", Rect{20, 20, 70, 30}, kRed);
    EXPECT_TRUE(clipped.changed - clipped.full > 20 && clipped.outside == 0);
    EXPECT_EQ(clipped.changed, clipped.mixed);
    EXPECT_GT(Draw(font, "Cut at every side", Rect{-15, -8, 4000, 4000}, kRed).changed, 0);
    EXPECT_EQ(0, Draw(font, "", Rect{0, 0, 120, 80}, kRed).changed);
    EXPECT_EQ(0, Draw(font, "Invisible", Rect{0, 0, 120, 80}, 0x00FFFFFF).changed);
    EXPECT_FALSE(font.Open("No Such Face Anywhere", 16, false, false));
    EXPECT_EQ(0, Draw(font, "Nothing", Rect{0, 0, 120, 80}, kRed).changed);
    EXPECT_FALSE(font.Open(nullptr, 16, false, false) || font.Open("Arial", 0, false, false));
}

// The file fontconfig gives for a family.
std::string FontFileOf(const char* family) {
    FcPattern* request = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(nullptr, request, FcMatchPattern);
    FcDefaultSubstitute(request);
    FcResult result = FcResultNoMatch;
    FcPattern* font = FcFontMatch(nullptr, request, &result);
    FcChar8* file = nullptr;
    std::string path;
    if (font != nullptr && FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch) {
        path = reinterpret_cast<const char*>(file);
    }
    if (font != nullptr) {
        FcPatternDestroy(font);
    }
    FcPatternDestroy(request);
    return path;
}

// Fontconfig lists only the fonts of one folder while it lives.
class FontFolder {
  public:
    explicit FontFolder(const std::filesystem::path& folder)
        : previous_(FcConfigReference(nullptr)) {
        const std::string xml = "<fontconfig><dir>" + folder.string() + "</dir><cachedir>" +
                                (folder / "cache").string() + "</cachedir></fontconfig>";
        FcConfig* config = FcConfigCreate();
        FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(xml.c_str()),
                                       FcTrue);
        FcConfigBuildFonts(config);
        FcConfigSetCurrent(config);
        FcConfigDestroy(config);
    }
    ~FontFolder() {
        FcConfigSetCurrent(previous_);
        FcConfigDestroy(previous_);
    }
    FontFolder(const FontFolder&) = delete;
    FontFolder& operator=(const FontFolder&) = delete;

  private:
    FcConfig* previous_;
};

// A font cut short that fontconfig still lists: named once, and the stand-in it offers draws.
TEST(FontRasterizer, ADamagedFontIsReportedOnceAndTheStandInIsTaken) {
    TempWorkingDir dir;
    const std::string whole = FontFileOf("Liberation Sans");
    const std::string standIn = FontFileOf("DejaVu Sans");
    ASSERT_FALSE(whole.empty() || standIn.empty());
    std::ifstream in(whole, std::ios::binary);
    std::vector<char> bytes(std::istreambuf_iterator<char>(in), {});
    bytes.resize(50'000);
    const std::filesystem::path damaged = dir.path() / "Damaged.ttf";
    std::ofstream(damaged, std::ios::binary).write(bytes.data(), std::ssize(bytes));
    std::filesystem::copy_file(standIn, dir.path() / "StandIn.ttf");
    const FontFolder folder(dir.path());

    testing::internal::CaptureStderr();
    platform::FontRasterizer font;
    ASSERT_TRUE(font.Open("Damaged", 16, false, false));
    EXPECT_GT(Draw(font, "Text", Rect{0, 0, 120, 80}, kRed).changed, 20);
    ASSERT_TRUE(font.Open("Damaged", 16, false, false));
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(told.rfind("varn: " + damaged.string() + ": the font cannot be ", 0), 0u) << told;
    EXPECT_EQ(std::ranges::count(told, '\n'), 1) << told;
}

// The pixels a text draws on the background.
std::vector<uint16_t> Drawn(platform::FontRasterizer& font, const char* text) {
    platform::BackBuffer buffer;
    buffer.Resize(120, 80);
    std::ranges::fill(buffer.pixels, kBackground);
    font.DrawText(buffer, text, Rect{0, 0, 120, 80}, kRed);
    return buffer.pixels;
}

// A regular face whose letters are blank gives way to a regular stand-in, though fontconfig
// ranks the family's bold, wider, before it.
TEST(FontRasterizer, ADamagedFaceGivesWayToAStandInOfTheStyleAskedFor) {
    TempWorkingDir dir;
    const std::string regular = FontFileOf("Liberation Sans");
    const std::string bold = FontFileOf("Liberation Sans:bold");
    const std::string standIn = FontFileOf("DejaVu Sans");
    ASSERT_FALSE(regular.empty() || bold.empty() || standIn.empty());
    ASSERT_NE(regular, bold);
    // Its names stay whole, so fontconfig lists it in its family; its outlines are gone.
    std::ifstream in(regular, std::ios::binary);
    std::vector<char> bytes(std::istreambuf_iterator<char>(in), {});
    const auto tables =
        static_cast<size_t>(static_cast<uint8_t>(bytes[4]) << 8 | static_cast<uint8_t>(bytes[5]));
    for (size_t table = 0; table < tables; ++table) {
        const char* entry = bytes.data() + 12 + 16 * table;
        const auto word = [&](int at) {
            uint32_t value = 0;
            for (int i = 0; i < 4; ++i) {
                value = value << 8 | static_cast<uint8_t>(entry[at + i]);
            }
            return value;
        };
        if (std::string(entry, 4) == "glyf") {
            std::fill_n(bytes.begin() + word(8), word(12), 0);
        }
    }
    std::ofstream(dir.path() / "Blank.ttf", std::ios::binary)
        .write(bytes.data(), std::ssize(bytes));
    std::filesystem::copy_file(bold, dir.path() / "Bold.ttf");
    std::filesystem::copy_file(standIn, dir.path() / "StandIn.ttf");
    const FontFolder folder(dir.path());

    platform::FontRasterizer asked;
    platform::FontRasterizer expected;
    platform::FontRasterizer wider;
    testing::internal::CaptureStderr();
    ASSERT_TRUE(asked.Open("Liberation Sans", 16, false, false));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("its letter A is blank"),
              std::string::npos);
    ASSERT_TRUE(expected.Open("DejaVu Sans", 16, false, false));
    ASSERT_TRUE(wider.Open("Liberation Sans", 16, true, false));
    const char* text = "Zav.";
    EXPECT_EQ(Drawn(asked, text), Drawn(expected, text));
    EXPECT_NE(Drawn(asked, text), Drawn(wider, text));
}

}  // namespace

}  // namespace varn
