#include "engine/GraphicsDevice.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/DeviceConstants.h"
#include "platform/HeadlessBackend.h"

namespace {

using platform::CompareFunction;
using platform::TextureFilter;

class GraphicsDeviceTest : public testing::Test {
  protected:
    void SetUp() override { platform::Headless()->Reset(); }
    void TearDown() override { platform::Headless()->Reset(); }

    // As the game creates it: full screen, no depth buffer, 16 bits.
    int CreateFullScreen(int32_t depthBuffer = 0, uint8_t bits = 16) {
        graphics_.CreateD3D();
        return graphics_.CreateDevice(&window_, 0, depthBuffer, 800, 600, bits);
    }

    int window_ = 0;
    GraphicsDevice graphics_;
};

TEST_F(GraphicsDeviceTest, ConstructedWindowedWithWhiteAmbientAndNothingElse) {
    EXPECT_EQ(1, graphics_.windowed);
    EXPECT_EQ(255, graphics_.ambientRed);
    EXPECT_EQ(255, graphics_.ambientGreen);
    EXPECT_EQ(255, graphics_.ambientBlue);
    EXPECT_EQ(nullptr, graphics_.window);
    EXPECT_EQ(0, graphics_.width);
    EXPECT_EQ(0, graphics_.bitsPerPixel);
    EXPECT_EQ(nullptr, graphics_.GetDevice());
    EXPECT_EQ(nullptr, graphics_.GetSprite());
}

TEST_F(GraphicsDeviceTest, EveryDeviceOperationFailsWithoutADevice) {
    EXPECT_EQ(0, graphics_.BeginScene());
    EXPECT_EQ(0, graphics_.Clear(0, 1.0f));
    EXPECT_EQ(0, graphics_.ClearTarget(0));
    EXPECT_EQ(0, graphics_.EndScene());
    EXPECT_EQ(0, graphics_.Present());
    EXPECT_EQ(0, graphics_.SetLighting(0));
    EXPECT_EQ(0, graphics_.SetZEnable(1));
    EXPECT_EQ(0, graphics_.SetAlphaBlend(0, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA));
    EXPECT_EQ(0, graphics_.SetAlphaTest(1));
    EXPECT_EQ(0, graphics_.SetAmbient(1, 2, 3));
    EXPECT_EQ(255, graphics_.ambientRed);  // nothing stored either
    EXPECT_EQ(0, graphics_.SetProjection(0.78f, 0.75f, 1.0f, 100.0f));
    EXPECT_EQ(0, graphics_.CheckDeviceType(D3DFMT_R5G6B5, 0, 1));
}

TEST_F(GraphicsDeviceTest, TheGamesDeviceIsFullScreenR5G6B5OnTheHardware) {
    ASSERT_EQ(1, CreateFullScreen());
    EXPECT_EQ(&window_, graphics_.window);
    EXPECT_EQ(0, graphics_.windowed);
    EXPECT_EQ(0, graphics_.depthBuffer);
    EXPECT_EQ(1, graphics_.hardware);
    EXPECT_EQ(800, graphics_.width);
    EXPECT_EQ(600, graphics_.height);
    EXPECT_EQ(16, graphics_.bitsPerPixel);
    ASSERT_NE(nullptr, graphics_.GetDevice());
    EXPECT_NE(nullptr, graphics_.GetSprite());
    EXPECT_EQ(D3DFMT_R5G6B5, graphics_.GetDevice()->backBufferFormat());
    EXPECT_EQ(800, graphics_.GetDevice()->backBuffer().width);
    EXPECT_EQ(600, graphics_.GetDevice()->backBuffer().height);
    EXPECT_EQ(std::vector<std::string>{"display.Open(800x600, full screen)"},
              platform::Headless()->log);
}

TEST_F(GraphicsDeviceTest, CreationLeavesTheFixedDrawingState) {
    ASSERT_EQ(1, CreateFullScreen());
    const platform::RenderStates& states = graphics_.GetDevice()->states();
    EXPECT_FALSE(states.lighting);
    EXPECT_FALSE(states.zEnable);
    EXPECT_FALSE(states.alphaBlendEnable);
    // Blending is switched off without setting its factors: they keep the device's defaults.
    EXPECT_EQ(D3DBLEND_ONE, states.sourceBlend);
    EXPECT_EQ(D3DBLEND_ZERO, states.destinationBlend);
    EXPECT_FALSE(states.alphaTestEnable);
    EXPECT_EQ(D3DTA_TEXTURE, states.colourArg1);
    EXPECT_EQ(D3DTA_DIFFUSE, states.colourArg2);
    EXPECT_EQ(D3DTOP_MODULATE, states.colourOperation);
    EXPECT_EQ(TextureFilter::Linear, states.minFilter);
    EXPECT_EQ(TextureFilter::Linear, states.magFilter);
    EXPECT_EQ(0xFFFFFFFFu, states.ambient);
    // Perspective of a quarter turn's half, aspect 600 / 800, depth 1 .. 10000.
    const float yScale = 1.0f / std::tan(0.7853982f / 2.0f);
    EXPECT_FLOAT_EQ(yScale / 0.75f, states.projection.m[0][0]);
    EXPECT_FLOAT_EQ(yScale, states.projection.m[1][1]);
    EXPECT_FLOAT_EQ(10000.0f / 9999.0f, states.projection.m[2][2]);
    EXPECT_FLOAT_EQ(1.0f, states.projection.m[2][3]);
    EXPECT_FLOAT_EQ(-10000.0f / 9999.0f, states.projection.m[3][2]);
    EXPECT_FLOAT_EQ(0.0f, states.projection.m[3][3]);
}

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

TEST_F(GraphicsDeviceTest, DepthsWithoutADrawableFormatFail) {
    for (uint8_t bits : {32, 24, 8, 15}) {
        EXPECT_EQ(0, CreateFullScreen(0, bits)) << int(bits);
        EXPECT_EQ(nullptr, graphics_.GetDevice());
        EXPECT_EQ(bits, graphics_.bitsPerPixel);  // kept from the failed step on
    }
    // Depth 0 takes the desktop's.
    EXPECT_EQ(1, CreateFullScreen(0, 0));
    EXPECT_EQ(16, graphics_.bitsPerPixel);
}

TEST_F(GraphicsDeviceTest, RefusedDepthBufferIsDoneWithout) {
    ASSERT_EQ(1, CreateFullScreen(1));
    EXPECT_EQ(0, graphics_.depthBuffer);
    EXPECT_EQ(0, graphics_.SetZEnable(1));
    EXPECT_FALSE(graphics_.GetDevice()->states().zEnable);
    EXPECT_EQ(1, graphics_.Clear(0xFFFFFFFF, 1.0f));
    EXPECT_EQ(0xFFFF, graphics_.GetDevice()->backBuffer().pixels[0]);
}

TEST_F(GraphicsDeviceTest, CreationNeedsAWindowAndTheAdapter) {
    EXPECT_EQ(0, graphics_.CreateDevice(&window_, 0, 0, 800, 600, 16));
    EXPECT_EQ(&window_, graphics_.window);
    graphics_.CreateD3D();
    EXPECT_EQ(0, graphics_.CreateDevice(nullptr, 0, 0, 800, 600, 16));
    EXPECT_EQ(nullptr, graphics_.GetDevice());
    EXPECT_TRUE(platform::Headless()->log.empty());  // no display was opened
}

TEST_F(GraphicsDeviceTest, WindowedTakesTheClientSizeAndDesktopFormatAndFitsTheWindow) {
    platform::Backend& backend = platform::Current();
    ASSERT_TRUE(backend.CreateMainWindow("VarnCaption", 10, 20, 600, 480));
    graphics_.CreateD3D();
    ASSERT_EQ(1, graphics_.CreateDevice(&window_, 1, 0, 0, 0, 32));
    EXPECT_EQ(600, graphics_.width);
    EXPECT_EQ(480, graphics_.height);
    EXPECT_EQ(16, graphics_.bitsPerPixel);  // the desktop's depth wins over the one asked for
    EXPECT_EQ(1, graphics_.windowed);
    EXPECT_EQ(D3DFMT_R5G6B5, graphics_.GetDevice()->backBufferFormat());

    ASSERT_EQ(1, graphics_.CreateDevice(&window_, 1, 0, 640, 400, 16));
    const platform::Rect outer = backend.WindowRect();
    EXPECT_EQ(10, outer.left);
    EXPECT_EQ(20, outer.top);
    EXPECT_EQ(650, outer.right);
    EXPECT_EQ(420, outer.bottom);
    EXPECT_EQ("display.Open(640x400, windowed)", platform::Headless()->log.back());
}

TEST_F(GraphicsDeviceTest, AlphaTestKeepsReferenceAndFunctionWhenSwitchedOff) {
    ASSERT_EQ(1, CreateFullScreen());
    const platform::RenderStates& states = graphics_.GetDevice()->states();
    EXPECT_EQ(1, graphics_.SetAlphaTest(0));
    EXPECT_EQ(0u, states.alphaReference);
    EXPECT_EQ(CompareFunction::Always, states.alphaFunction);
    EXPECT_EQ(1, graphics_.SetAlphaTest(1));
    EXPECT_TRUE(states.alphaTestEnable);
    EXPECT_EQ(8u, states.alphaReference);
    EXPECT_EQ(CompareFunction::GreaterEqual, states.alphaFunction);
    graphics_.GetDevice()->SetAlphaReference(100);
    EXPECT_EQ(1, graphics_.SetAlphaTest(0));
    EXPECT_FALSE(states.alphaTestEnable);
    EXPECT_EQ(100u, states.alphaReference);
    EXPECT_EQ(1, graphics_.SetAlphaTest(1));
    EXPECT_EQ(8u, states.alphaReference);
}

TEST_F(GraphicsDeviceTest, AlphaBlendSetsItsFactorsOnlyWhenSwitchedOn) {
    ASSERT_EQ(1, CreateFullScreen());
    const platform::RenderStates& states = graphics_.GetDevice()->states();
    EXPECT_EQ(1, graphics_.SetAlphaBlend(1, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA));
    EXPECT_TRUE(states.alphaBlendEnable);
    EXPECT_EQ(D3DBLEND_SRCALPHA, states.sourceBlend);
    EXPECT_EQ(D3DBLEND_INVSRCALPHA, states.destinationBlend);
    EXPECT_EQ(1, graphics_.SetAlphaBlend(0, D3DBLEND_ONE, D3DBLEND_ONE));
    EXPECT_FALSE(states.alphaBlendEnable);
    EXPECT_EQ(D3DBLEND_SRCALPHA, states.sourceBlend);
}

TEST_F(GraphicsDeviceTest, AmbientIsStoredAndSetAsOpaqueColour) {
    ASSERT_EQ(1, CreateFullScreen());
    EXPECT_EQ(1, graphics_.SetAmbient(0x12, 0x34, 0x56));
    EXPECT_EQ(0x12, graphics_.ambientRed);
    EXPECT_EQ(0x34, graphics_.ambientGreen);
    EXPECT_EQ(0x56, graphics_.ambientBlue);
    EXPECT_EQ(0xFF123456u, graphics_.GetDevice()->states().ambient);
}

TEST_F(GraphicsDeviceTest, AFrameClearsEndsItsSceneUnbindingEveryStageAndPresents) {
    ASSERT_EQ(1, CreateFullScreen());
    platform::TextureImage texture;
    EXPECT_EQ(1, graphics_.BeginScene());
    EXPECT_EQ(1, graphics_.Clear(0, 1.0f));
    for (int stage = 0; stage < platform::kTextureStages; ++stage) {
        graphics_.GetDevice()->SetTexture(stage, &texture);
    }
    EXPECT_EQ(1, graphics_.EndScene());
    for (int stage = 0; stage < platform::kTextureStages; ++stage) {
        EXPECT_EQ(nullptr, graphics_.GetDevice()->texture(stage));
    }
    EXPECT_EQ(1, graphics_.Present());
    EXPECT_EQ(1, platform::Headless()->presentCount);
    EXPECT_EQ(0, platform::Headless()->presented.pixels[0]);
}

TEST_F(GraphicsDeviceTest, ReleaseIsHarmlessTwiceAndClosesTheDisplay) {
    ASSERT_EQ(1, CreateFullScreen());
    EXPECT_EQ(1, graphics_.Release());
    EXPECT_EQ(nullptr, graphics_.GetDevice());
    EXPECT_EQ(nullptr, graphics_.GetSprite());
    EXPECT_EQ(1, graphics_.Release());
    EXPECT_EQ(0, graphics_.CreateDevice(&window_, 0, 0, 800, 600, 16));  // no adapter left
    platform::BackBuffer frame;
    frame.Resize(1, 1);
    EXPECT_FALSE(platform::Current().Present(frame));
}

TEST_F(GraphicsDeviceTest, CreateD3DReleasesTheDevice) {
    ASSERT_EQ(1, CreateFullScreen());
    EXPECT_EQ(1, graphics_.CreateD3D());
    EXPECT_EQ(nullptr, graphics_.GetDevice());
    EXPECT_EQ(1, graphics_.CheckDeviceType(D3DFMT_R5G6B5, 0, 1));
    EXPECT_EQ(0, graphics_.CheckDeviceType(D3DFMT_A8R8G8B8, 0, 0));
}

TEST(FormatBits, TableAndEverythingElseZero) {
    EXPECT_EQ(24, FormatBits(D3DFMT_R8G8B8));
    EXPECT_EQ(32, FormatBits(D3DFMT_A8R8G8B8));
    EXPECT_EQ(32, FormatBits(D3DFMT_X8R8G8B8));
    EXPECT_EQ(16, FormatBits(D3DFMT_R5G6B5));
    EXPECT_EQ(16, FormatBits(D3DFMT_X1R5G5B5));
    EXPECT_EQ(16, FormatBits(D3DFMT_A1R5G5B5));
    EXPECT_EQ(16, FormatBits(D3DFMT_A4R4G4B4));
    EXPECT_EQ(8, FormatBits(D3DFMT_A8P8));
    EXPECT_EQ(8, FormatBits(D3DFMT_P8));
    for (uint32_t other : {0u, 19u, 27u, 28u, 39u, 42u, 50u, 0xFFFFFFFFu}) {
        EXPECT_EQ(0, FormatBits(other)) << other;
    }
}

}  // namespace
