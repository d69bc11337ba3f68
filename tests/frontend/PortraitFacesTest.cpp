#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/PartyPictures.h"
#include "frontend/PortraitScreen.h"
#include "platform/BmpDecoder.h"
#include "platform/Files.h"
#include "support/GameData.h"

namespace varn {

namespace {

// One frame of a picture of the data set; a frame size of 0 takes the whole picture.
struct FaceFrame {
    const char* path;
    int frameWidth;
    int frameHeight;
    int frame;
};

// The colours at the places of a face that tell faces apart (backdrop, long hair, helmet or
// hair, beard or chin), each taken in the middle of its unit of the 64 x 64 design grid.
std::vector<uint32_t> FaceMarks(const FaceFrame& face) {
    std::vector<uint8_t> bytes;
    platform::ArgbImage picture;
    if (!platform::ReadWholeFile(face.path, bytes) ||
        !platform::DecodeBmp(bytes.data(), bytes.size(), picture)) {
        ADD_FAILURE() << face.path << " cannot be read";
        return {};
    }
    const int width = face.frameWidth != 0 ? face.frameWidth : picture.width;
    const int height = face.frameHeight != 0 ? face.frameHeight : picture.height;
    const int perRow = picture.width / width;
    const int left = face.frame % perRow * width;
    const int top = face.frame / perRow * height;
    std::vector<uint32_t> marks;
    for (const auto& [u, v] :
         std::array<std::array<int, 2>, 4>{{{6, 6}, {18, 30}, {32, 14}, {32, 38}}}) {
        const int x = left + (2 * u + 1) * width / 128;
        const int y = top + (2 * v + 1) * height / 128;
        marks.push_back(picture.pixels[static_cast<size_t>(y * picture.width + x)]);
    }
    return marks;
}

}  // namespace

// The portrait chosen for a new game is the face the side panel, the bottom bar, the houses and
// the battle show: the panel draws frame `variant` of its picture, the bottom bar the other
// frame of its own.
TEST(PortraitFaces, TheChosenPortraitIsTheFaceShownEverywhere) {
    GameDataDir data;
    std::array<std::vector<uint32_t>, kPlayerPortraitCount> chosenFaces;
    for (int variant = 0; variant < kPlayerPortraitCount; ++variant) {
        SCOPED_TRACE(variant);
        const PictureLoad& chosen = kPortraitPictures[variant];
        ASSERT_EQ(chosen.slot, kPortraitFirstSlot + variant);
        chosenFaces[static_cast<size_t>(variant)] =
            FaceMarks({chosen.file, chosen.frameWidth, chosen.frameHeight, 0});
        const std::vector<uint32_t>& face = chosenFaces[static_cast<size_t>(variant)];
        EXPECT_EQ(FaceMarks({kPlayerPortraitPictures[variant].file, 128, 128, 0}), face);
        EXPECT_EQ(FaceMarks({"Art\\Controls\\Portrait.bmp", 64, 64, variant}), face);
        EXPECT_EQ(FaceMarks({"Art\\Controls\\Portrait2.bmp", 64, 64, variant == 0 ? 1 : 0}), face);
    }
    EXPECT_NE(chosenFaces[0], chosenFaces[1]);
}

}  // namespace varn
