#include "platform/SdlBackend.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Audio.h"
#include "platform/PixelFormat.h"

namespace varn {

namespace {

// SDL's dummy video and audio drivers: a real window and window surface, no screen.
class SdlBackendTest : public testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
};

}  // namespace

TEST_F(SdlBackendTest, OpensAWindowPresentsAFrameAndReportsItsClosing) {
    platform::SdlBackend backend;
    ASSERT_TRUE(backend.CreateMainWindow("VarnCaption", 0, 0, 600, 480));
    platform::Rect client = backend.ClientRect();
    EXPECT_EQ(client.right - client.left, 600);
    EXPECT_EQ(client.bottom - client.top, 480);

    EXPECT_TRUE(backend.SupportsBackBufferFormat(platform::kFormatR5G6B5, false));
    EXPECT_FALSE(backend.SupportsBackBufferFormat(platform::kFormatP8, false));
    ASSERT_TRUE(backend.OpenDisplay(800, 600, true));

    platform::BackBuffer frame;
    frame.Resize(800, 600);
    frame.pixels[0] = 0xF800;
    EXPECT_TRUE(backend.Present(frame));

    while (backend.PeekMessage() != platform::Message::None) {
    }
    SDL_Event close{};
    close.type = SDL_QUIT;
    SDL_PushEvent(&close);
    EXPECT_EQ(backend.PeekMessage(), platform::Message::Destroy);
    backend.PostQuitMessage();
    EXPECT_EQ(backend.PeekMessage(), platform::Message::Quit);
}

TEST_F(SdlBackendTest, WithoutADisplayNothingIsPresented) {
    platform::SdlBackend backend;
    platform::BackBuffer frame;
    frame.Resize(8, 8);
    EXPECT_FALSE(backend.Present(frame));
    EXPECT_FALSE(backend.OpenDisplay(800, 600, false));
}

TEST_F(SdlBackendTest, AudioWithoutADeviceFailsCleanly) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    platform::SdlBackend backend;
    platform::AudioDevice& audio = backend.Audio();
    EXPECT_FALSE(audio.Open(22050));
    EXPECT_FALSE(audio.LoadEffect("Data\\Vibrate.wav"));
    EXPECT_FALSE(audio.PlayMusic(0));
    EXPECT_FALSE(audio.SetMasterVolume(0));
}

}  // namespace varn
