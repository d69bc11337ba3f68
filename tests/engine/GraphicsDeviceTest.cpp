#include "engine/GraphicsDevice.h"

#include <gtest/gtest.h>

#include "engine/DeviceConstants.h"
#include "platform/HeadlessBackend.h"

namespace varn {

namespace {

class GraphicsDeviceTest : public testing::Test {
  protected:
    void SetUp() override { platform::Headless()->Reset(); }

    // As the game creates it: full screen, 16 bits.
    int CreateFullScreen(int32_t depthBuffer = 0, uint8_t bits = 16) {
        graphics_.CreateD3D();
        return graphics_.CreateDevice(&window_, 0, depthBuffer, 800, 600, bits);
    }
    const platform::RenderStates& States() { return graphics_.GetDevice()->states(); }

    int window_ = 0;
    GraphicsDevice graphics_;
};

TEST_F(GraphicsDeviceTest, SixteenBitsFallBackToX1R5G5B5ThenToTheReferenceDevice) {
    platform::Headless()->supportedFormats = {D3DFMT_X1R5G5B5};
    ASSERT_EQ(1, CreateFullScreen());
    EXPECT_EQ(1, graphics_.hardware);
    EXPECT_EQ(D3DFMT_X1R5G5B5, graphics_.GetDevice()->backBufferFormat());
    platform::Headless()->supportedFormats = {D3DFMT_X8R8G8B8};
    ASSERT_EQ(1, CreateFullScreen());
    EXPECT_EQ(0, graphics_.hardware);
    EXPECT_EQ(D3DFMT_R5G6B5, graphics_.GetDevice()->backBufferFormat());
}

TEST_F(GraphicsDeviceTest, DepthsWithoutADrawableFormatFailAndARefusedDepthBufferIsDoneWithout) {
    for (uint8_t bits : {32, 24, 8, 15}) {
        EXPECT_EQ(0, CreateFullScreen(0, bits)) << int(bits);
    }
    EXPECT_EQ(32, FormatBits(D3DFMT_A8R8G8B8));
    EXPECT_EQ(0, FormatBits(27) + FormatBits(0xFFFFFFFF));
    ASSERT_EQ(1, CreateFullScreen(1));
    EXPECT_EQ(0, graphics_.SetZEnable(1));
    EXPECT_FALSE(States().zEnable);
    EXPECT_EQ(1, graphics_.Clear(0xFFFFFFFF, 1.0f));
}

TEST_F(GraphicsDeviceTest, AlphaTestRestoresItsReferenceAndEndSceneUnbindsEveryStage) {
    ASSERT_EQ(1, CreateFullScreen());
    // Switched off, the alpha test keeps reference and function; switched on, it sets them.
    graphics_.GetDevice()->SetAlphaReference(100);
    EXPECT_EQ(1, graphics_.SetAlphaTest(0));
    EXPECT_EQ(100u, States().alphaReference);
    EXPECT_EQ(1, graphics_.SetAlphaTest(1));
    EXPECT_EQ(8u, States().alphaReference);
    EXPECT_EQ(platform::CompareFunction::GreaterEqual, States().alphaFunction);
    platform::TextureImage texture;
    EXPECT_EQ(1, graphics_.BeginScene());
    for (int stage = 0; stage < platform::kTextureStages; ++stage) {
        graphics_.GetDevice()->SetTexture(stage, &texture);
    }
    EXPECT_EQ(1, graphics_.EndScene());
    for (int stage = 0; stage < platform::kTextureStages; ++stage) {
        EXPECT_EQ(nullptr, graphics_.GetDevice()->texture(stage)) << stage;
    }
    EXPECT_EQ(1, graphics_.Release());
    EXPECT_EQ(1, graphics_.Release());
    EXPECT_EQ(0, graphics_.Present());
}

}  // namespace

}  // namespace varn
