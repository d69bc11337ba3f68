#include "platform/SurfacePresenter.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "platform/SurfaceFixtures.h"

namespace varn {

namespace {

SDL_Color PixelAt(SDL_Surface* surface, int x, int y) {
    const auto* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
    uint32_t value = 0;
    std::memcpy(&value, row + x * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
    SDL_Color colour{};
    SDL_GetRGB(value, surface->format, &colour.r, &colour.g, &colour.b);
    return colour;
}

// A shown pixel is the back buffer's when it reduces to the same 16 bits: SDL's conversion
// fills the low bits of each channel by a table that is off by one at places (white's green is
// 254), which no eye sees but a channel swapped or shifted would change these bits.
void ExpectShows(SDL_Color shown, uint16_t pixel) {
    const uint32_t argb = 0xFF000000u | uint32_t{shown.r} << 16 | uint32_t{shown.g} << 8 | shown.b;
    EXPECT_EQ(platform::ToR5G6B5(argb), pixel)
        << "shown as " << int{shown.r} << ", " << int{shown.g} << ", " << int{shown.b};
}

TEST(SurfacePresenterTest, FrameReachesSurfacesOfEachLayoutPixelForPixel) {
    const platform::BackBuffer frame = SmallFrame();
    for (uint32_t format : kWindowFormats) {
        SCOPED_TRACE(SDL_GetPixelFormatName(format));
        Surface target = MakeSurface(4, 3, format);
        ASSERT_NE(target, nullptr);
        platform::SurfacePresenter presenter;
        ASSERT_TRUE(presenter.Draw(frame, target.get()));
        EXPECT_EQ(presenter.Picture(), (platform::PictureRect{0, 0, 4, 3}));
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                SCOPED_TRACE(testing::Message() << "pixel " << x << ", " << y);
                ExpectShows(PixelAt(target.get(), x, y), frame.Row(y)[x]);
            }
        }
    }
}

TEST(SurfacePresenterTest, RefusesWhatItCannotShow) {
    Surface target = MakeSurface(8, 6, SDL_PIXELFORMAT_RGB888);
    Surface indexed = MakeSurface(8, 6, SDL_PIXELFORMAT_INDEX8);
    ASSERT_NE(target, nullptr);
    ASSERT_NE(indexed, nullptr);
    platform::SurfacePresenter presenter;

    platform::BackBuffer shortFrame = SmallFrame();
    shortFrame.pixels.pop_back();
    platform::BackBuffer empty;

    EXPECT_FALSE(presenter.Draw(shortFrame, target.get()));
    EXPECT_FALSE(presenter.Draw(empty, target.get()));
    EXPECT_FALSE(presenter.Draw(SmallFrame(), nullptr));
    EXPECT_FALSE(presenter.Draw(SmallFrame(), indexed.get()));
    EXPECT_TRUE(presenter.Draw(SmallFrame(), target.get()));
}

}  // namespace

}  // namespace varn
