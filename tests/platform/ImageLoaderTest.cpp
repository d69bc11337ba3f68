#include "platform/ImageLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/BmpWriter.h"
#include "support/TempDir.h"

namespace varn {

TEST(ImageLoader, ConvertsToA1R5G5B5KeysInFiveBitsPerChannelAndRefusesUnknownFormats) {
    // Red, almost red (red 250: 31 in five bits too), dark red (240: 30); white, black, blue.
    const std::vector<uint8_t> bmp = bmp::MakeBmp24(
        3, 2, {0xFFFF0000, 0xFFFA0000, 0xFFF00000, 0xFFFFFFFF, 0xFF000000, 0xFF0000FF});
    // Both reds that quantise to 31 are keyed to transparent black; the key's alpha plays no part.
    const std::pair<uint32_t, std::vector<uint16_t>> cases[] = {
        {0, {0xFC00, 0xFC00, 0xF800, 0xFFFF, 0x8000, 0x801F}},
        {0xFFFF0000, {0x0000, 0x0000, 0xF800, 0xFFFF, 0x8000, 0x801F}},
        {0x00FFFFFF, {0xFC00, 0xFC00, 0xF800, 0x0000, 0x8000, 0x801F}}};
    platform::TextureImage texture;
    for (const auto& [key, pixels] : cases) {
        ASSERT_TRUE(platform::DecodeTextureImage(bmp.data(), bmp.size(), key, texture));
        EXPECT_EQ(pixels, texture.pixels) << std::hex << key;
    }
    const uint8_t gif[] = {'G', 'I', 'F', '8', '9', 'a', 0, 0};
    EXPECT_FALSE(platform::DecodeTextureImage(gif, sizeof gif, 0, texture));
    EXPECT_EQ(3, texture.width);  // untouched
}

// A picture that is there but cannot be shown is named on standard error with why, once however
// often it is asked for; a missing one is the missing folder's to tell.
TEST(ImageLoader, APictureThatCannotBeDecodedIsReportedOnceWithWhy) {
    TempWorkingDir dir;
    std::filesystem::create_directory("Art");
    const std::vector<uint8_t> bmp = bmp::MakeBmp24(4, 4, std::vector<uint32_t>(16, 0xFF00FF00));
    bmp::WriteFile("Art/Title.bmp", {});
    bmp::WriteFile("Art/Cut.bmp", std::vector<uint8_t>(bmp.begin(), bmp.begin() + 40));
    bmp::WriteFile("Art/Cut.png", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0});
    bmp::WriteFile("Art/Notes.bmp", {'h', 'e', 'l', 'l', 'o'});
    bmp::WriteFile("Art/Whole.bmp", bmp);
    std::filesystem::create_directory("Art/Folder.bmp");
    const std::string art = (dir.path() / "Art").string();
    platform::TextureImage texture;
    testing::internal::CaptureStderr();
    for (int twice = 0; twice < 2; ++twice) {
        for (const char* name : {"Art\\title.BMP", "Art\\Cut.bmp", "Art\\Cut.png", "Art\\Notes.bmp",
                                 "Art\\Folder.bmp", "Art\\Missing.bmp"}) {
            EXPECT_FALSE(platform::LoadTextureImage(name, 0, texture)) << name;
        }
        EXPECT_TRUE(platform::LoadTextureImage("Art\\Whole.bmp", 0, texture));
    }
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(told, "varn: " + art +
                        "/Title.bmp: the picture cannot be shown: the file is empty\n" +
                        "varn: " + art + "/Cut.bmp: the picture cannot be shown: a BMP picture " +
                        "damaged, cut short or over 8192 pixels a side\n" + "varn: " + art +
                        "/Cut.png: the picture cannot be shown: a PNG picture " +
                        "damaged, cut short or over 8192 pixels a side\n" + "varn: " + art +
                        "/Notes.bmp: the picture cannot be shown: neither a " +
                        "BMP, a PNG nor a JPEG picture\n" + "varn: " + art +
                        "/Folder.bmp: the picture cannot be read\n");
}

}  // namespace varn
