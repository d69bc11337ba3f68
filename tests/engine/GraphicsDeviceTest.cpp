#include "engine/GraphicsDevice.h"

#include <gtest/gtest.h>

#include "engine/DeviceConstants.h"
#include "platform/HeadlessBackend.h"

namespace varn {

namespace {

class GraphicsDeviceTest : public testing::Test {
  protected:
    void SetUp() override { platform::Headless()->Reset(); }

    // As the game creates it: full screen, 800 x 600.
    int CreateFullScreen(uint8_t bits = 16) {
        graphics_.CreateD3D();
        return graphics_.CreateDevice(&window_, 800, 600, bits);
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
    platform::Headless()->supportedFormats = {platform::kFormatX8R8G8B8};
    ASSERT_EQ(1, CreateFullScreen());
    EXPECT_EQ(0, graphics_.hardware);
    EXPECT_EQ(D3DFMT_R5G6B5, graphics_.GetDevice()->backBufferFormat());
}

TEST_F(GraphicsDeviceTest, DepthsWithoutADrawableFormatAndAMissingWindowFail) {
    for (uint8_t bits : {32, 24, 8, 15}) {
        EXPECT_EQ(0, CreateFullScreen(bits)) << int(bits);
        EXPECT_EQ(nullptr, graphics_.GetDevice());
        EXPECT_EQ(0, graphics_.Clear(0xFFFFFFFF));
    }
    graphics_.CreateD3D();
    EXPECT_EQ(0, graphics_.CreateDevice(nullptr, 800, 600, 16));
    EXPECT_EQ(nullptr, graphics_.GetSprite());
}

TEST_F(GraphicsDeviceTest, ScaledDrawsAreBilinearAndTheAlphaTestRestoresItsReference) {
    ASSERT_EQ(1, CreateFullScreen());
    // Switched off, the alpha test keeps reference and function; switched on, it sets them.
    graphics_.GetDevice()->SetAlphaReference(100);
    graphics_.SetAlphaTest(0);
    EXPECT_EQ(100u, States().alphaReference);
    graphics_.SetAlphaTest(1);
    EXPECT_TRUE(States().alphaTestEnable);
    EXPECT_EQ(8u, States().alphaReference);
    EXPECT_EQ(platform::CompareFunction::GreaterEqual, States().alphaFunction);
    // Released twice, the device is gone and a frame fails.
    graphics_.Release();
    graphics_.Release();
    EXPECT_EQ(nullptr, graphics_.GetSprite());
    EXPECT_EQ(0, graphics_.BeginScene() + graphics_.Present());
}

}  // namespace

}  // namespace varn
