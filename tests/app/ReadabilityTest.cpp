#include "support/Readability.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FontRasterizer.h"
#include "support/FrontEndPlayer.h"

namespace varn {

namespace {

using readability::DrawnText;
using readability::Faults;

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint16_t kGround = platform::ToR5G6B5(0xFF404040);

// An 800 x 600 frame of dark grey with a block of white pixels where each text is.
platform::BackBuffer FrameUnder(const std::vector<DrawnText>& texts) {
    platform::BackBuffer frame;
    frame.Resize(800, 600);
    std::fill(frame.pixels.begin(), frame.pixels.end(), kGround);
    for (const DrawnText& text : texts) {
        for (int y = std::max(text.drawn.top, 0); y < std::min(text.drawn.bottom, 600); ++y) {
            for (int x = std::max(text.drawn.left, 0); x < std::min(text.drawn.left + 3, 800);
                 ++x) {
                frame.Row(y)[x] = platform::ToR5G6B5(text.colour);
            }
        }
    }
    return frame;
}

// A text on the dark grey ground, told as a backend would: its ground is what its box covered.
DrawnText Text(const char* text, platform::Rect drawn, uint32_t colour = kWhite,
               platform::Rect requested = {-99999, -99999, 99999, 99999}) {
    return {text, drawn, requested, colour, platform::PixelsUnder(FrameUnder({}), drawn)};
}

std::vector<std::string> FaultsOf(const std::vector<DrawnText>& texts) {
    return Faults(FrameUnder(texts), texts, "a test frame");
}

}  // namespace

TEST(ReadabilityCheck, AReadableFramePasses) {
    EXPECT_EQ(FaultsOf({Text("Gold", {10, 10, 60, 30}, kWhite, {5, 5, 200, 40}),
                        Text("Day 3", {60, 10, 110, 30}), Text("Army", {10, 30, 60, 50})}),
              std::vector<std::string>());
    EXPECT_DOUBLE_EQ(readability::ContrastRatio(0xFFFFFF, 0x000000), 21.0);
}

TEST(ReadabilityCheck, EachRuleIsToldWithTheTextAndItsNumbers) {
    EXPECT_EQ(FaultsOf({Text("Gold", {770, 10, 820, 30})}),
              std::vector<std::string>(
                  {"a test frame: \"Gold\" (770,10)-(820,30): runs out of the 800x600 frame"}));
    EXPECT_EQ(FaultsOf({Text("Gold", {10, 10, 60, 30}), Text("Day", {50, 25, 90, 45})}),
              std::vector<std::string>(
                  {"a test frame: \"Gold\" (10,10)-(60,30): overlaps \"Day\" (50,25)-(90,45)"}));
    EXPECT_EQ(FaultsOf({Text("Gold", {10, 10, 60, 30}, 0xFF606060)}),
              std::vector<std::string>({"a test frame: \"Gold\" (10,10)-(60,30): contrast "
                                        "1.62:1, under 3:1 (#606060 on #424142)"}));
    EXPECT_EQ(FaultsOf({Text("Gold", {10, 10, 60, 30}, kWhite, {10, 10, 50, 30})}),
              std::vector<std::string>({"a test frame: \"Gold\" (10,10)-(60,30): runs past its "
                                        "panel (10,10)-(50,30)"}));
}

TEST(ReadabilityCheck, ContrastIsMeasuredOnWhatMostOfTheBoxShows) {
    // Dark grey text on a box whose pixels are mostly white reads: the ground is their median,
    // not their mean, which the black ones would pull down to the text's grey.
    DrawnText dark = Text("Gold", {10, 10, 60, 30}, 0xFF595959);
    for (size_t i = 0; i < dark.ground.size(); ++i) {
        dark.ground[i] = i % 50 < 20 ? 0 : 0xFFFF;
    }
    EXPECT_EQ(Faults(FrameUnder({dark}), {dark}, "light box"), std::vector<std::string>());
    // A see-through colour is seen mixed with the ground.
    const DrawnText faint = Text("Gold", {10, 10, 60, 30}, 0x30FFFFFF);
    ASSERT_EQ(FaultsOf({faint}).size(), 1u);
    EXPECT_NE(FaultsOf({faint})[0].find("contrast 1.75:1"), std::string::npos)
        << FaultsOf({faint})[0];
}

TEST(ReadabilityCheck, ATextIsReadOnWhatItWasDrawnOverNotOnItsOwnInk) {
    // A heavy digit inks most of its box: the frame under the box is mostly the digit, yet it
    // stands on the dark panel it was drawn over.
    platform::HeadlessBackend& backend = *platform::Headless();
    backend.recordTexts = true;
    backend.drawingTexts.clear();
    platform::BackBuffer frame;
    frame.Resize(100, 60);
    std::ranges::fill(frame.pixels, platform::ToR5G6B5(0xFF101018));
    platform::FontRasterizer font;
    ASSERT_TRUE(font.Open("Arial", 30, false, false));
    constexpr uint32_t kBlue = 0xFF326ED2;
    font.DrawText(frame, "8", {10, 10, 90, 50}, kBlue);
    backend.recordTexts = false;
    ASSERT_EQ(backend.drawingTexts.size(), 1u);
    const DrawnText eight = backend.drawingTexts[0];
    backend.drawingTexts.clear();

    uint32_t afterDrawing = 0;
    ASSERT_TRUE(readability::MedianOf(platform::PixelsUnder(frame, eight.drawn), afterDrawing));
    EXPECT_LT(readability::ContrastRatio(kBlue, afterDrawing), readability::kLeastContrast)
        << readability::Colour(afterDrawing);
    EXPECT_EQ(Faults(frame, {eight}, "the turn box"), std::vector<std::string>());
}

TEST(ReadabilityCheck, GlyphTextsAreToldInTheirOwnColour) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    player.Frame();
    player.Click(kMainMenuButtons, kMenuNewGame);
    player.Click(kSaveSlotButtons, 1);
    player.Click(kSaveSlotButtons, kSlotConfirm);
    player.Frame();
    player.Type("Ann");
    const platform::HeadlessBackend& backend = HeadlessGame::backend();
    const DrawnText* name = nullptr;
    for (const DrawnText& text : backend.presentedTexts) {
        name = text.text == "Ann" ? &text : name;
    }
    ASSERT_NE(name, nullptr);
    // Every pixel of the glyphs' colour about the name lies in its box; the typing cursor, which
    // follows the name, is no text.
    const uint16_t glyph = platform::ToR5G6B5(name->colour);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const bool in = x >= name->drawn.left && x < name->drawn.right &&
                            y >= name->drawn.top && y < name->drawn.bottom;
            const bool isGlyph = backend.presented.Row(y)[x] == glyph;
            inside += in && isGlyph;
            const bool nearby =
                x < name->drawn.right && y >= name->drawn.top - 20 && y < name->drawn.bottom + 20;
            outside += !in && isGlyph && nearby;
        }
    }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
    // Its ground is the panel under the glyphs before they were drawn.
    EXPECT_EQ(std::ranges::count(name->ground, glyph), 0);
    EXPECT_EQ(name->ground.size(), static_cast<size_t>((name->drawn.right - name->drawn.left) *
                                                       (name->drawn.bottom - name->drawn.top)));
    ExpectReadable("the name entry with a name typed");
}

}  // namespace varn
