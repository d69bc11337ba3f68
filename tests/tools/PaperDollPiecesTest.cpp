// The placeholder paper doll: its pieces are cut from one figure, so whatever is worn the doll
// shows one whole person.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/ArgbImage.h"
#include "platform/BmpDecoder.h"
#include "platform/Files.h"
#include "support/TempDir.h"

namespace varn {

namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0xFF0000;

// Which pixels of one frame of a picture are not its key; empty when it cannot be read.
std::vector<bool> Shape(const std::string& path, uint32_t key, int frameLeft, int frameWidth) {
    std::vector<uint8_t> file;
    platform::ArgbImage picture;
    if (!platform::ReadWholeFile(path.c_str(), file) ||
        !platform::DecodeBmp(file.data(), file.size(), picture)) {
        ADD_FAILURE() << path << " cannot be read";
        return {};
    }
    std::vector<bool> shape;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = frameLeft; x < frameLeft + frameWidth; ++x) {
            shape.push_back(
                (picture.pixels[static_cast<size_t>(y * picture.width + x)] & 0xFFFFFF) != key);
        }
    }
    return shape;
}

class PaperDollPieces : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string command = "'" VARN_PLACEHOLDER_TOOL "' '" VARN_SOURCE_DIR
                                    "/tools/placeholder/manifest.txt' . >tool.log 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }

    TempWorkingDir output_;
};

}  // namespace

// A worn piece is drawn instead of the bare part: where the bare part shows the body, the worn
// piece must too, or the doll would have a hole there.
TEST_F(PaperDollPieces, AWornPieceCoversAllOfTheBarePartItReplaces) {
    struct Pair {
        const char* bare;
        int frameLeft;
        int frameWidth;
        const char* worn;
        uint32_t wornKey;
    };
    const Pair pairs[] = {
        {"Art/You/BareHead.bmp", 0, 128, "Art/Items/Helmets/Helmet7.bmp", kRed},
        {"Art/You/BareTorso.bmp", 0, 256, "Art/Items/Armor/Torso12.bmp", kRed},
        {"Art/You/BareLegs.bmp", 0, 128, "Art/Items/Pants/Pants3.bmp", kRed},
        {"Art/You/BareHands.bmp", 0, 32, "Art/Items/Gloves/Glove2a.bmp", kBlack},
        {"Art/You/BareHands.bmp", 32, 32, "Art/Items/Gloves/Glove2b.bmp", kBlack},
        {"Art/You/BareFeet.bmp", 0, 128, "Art/Items/Shoes/Shoe5a.bmp", kRed},
        {"Art/You/BareFeet.bmp", 128, 128, "Art/Items/Shoes/Shoe5b.bmp", kRed},
    };
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.worn);
        const std::vector<bool> bare = Shape(pair.bare, kBlack, pair.frameLeft, pair.frameWidth);
        const std::vector<bool> worn = Shape(pair.worn, pair.wornKey, 0, pair.frameWidth);
        ASSERT_EQ(bare.size(), worn.size());
        size_t body = 0;
        size_t uncovered = 0;
        for (size_t i = 0; i < bare.size(); ++i) {
            body += bare[i] ? 1 : 0;
            uncovered += bare[i] && !worn[i] ? 1 : 0;
        }
        EXPECT_GT(body, 100u);
        EXPECT_EQ(uncovered, 0u);
    }
}

// The two shoes, the two gloves and the three amulets of one item are drawn at different places
// on the doll, each from its own picture.
TEST_F(PaperDollPieces, EachPlaceOfAPairOrOfTheAmuletsHasItsOwnPicture) {
    const std::vector<std::vector<std::string>> groups = {
        {"Art/Items/Amulets/Amulet9a.bmp", "Art/Items/Amulets/Amulet9b.bmp",
         "Art/Items/Amulets/Amulet9c.bmp"},
        {"Art/Items/Shoes/Shoe1a.bmp", "Art/Items/Shoes/Shoe1b.bmp"},
        {"Art/Items/Gloves/Glove4a.bmp", "Art/Items/Gloves/Glove4b.bmp"},
    };
    for (const std::vector<std::string>& group : groups) {
        const uint32_t key = group[0].find("Glove") != std::string::npos ? kBlack : kRed;
        const int width = group[0].find("Shoe") != std::string::npos ? 128 : 32;
        const int frameWidth = group[0].find("Amulet") != std::string::npos ? 64 : width;
        for (size_t a = 0; a < group.size(); ++a) {
            for (size_t b = a + 1; b < group.size(); ++b) {
                EXPECT_NE(Shape(group[a], key, 0, frameWidth), Shape(group[b], key, 0, frameWidth))
                    << group[a] << " and " << group[b];
            }
        }
    }
}

}  // namespace varn
