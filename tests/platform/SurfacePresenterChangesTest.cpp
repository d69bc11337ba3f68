#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/SurfaceFixtures.h"
#include "platform/SurfacePresenter.h"

namespace varn {

namespace {

// The present the one-pass present replaced: the whole frame converted by SDL into a surface of
// the target's format, then that surface scaled by nearest pixel centre into the letterbox (or
// blitted at its own size) on a black target.
Surface TwoStepPresent(const platform::BackBuffer& frame, int width, int height, uint32_t format) {
    Surface target = MakeSurface(width, height, format);
    Surface staging = MakeSurface(frame.width, frame.height, format);
    SDL_FillRect(target.get(), nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    SDL_ConvertPixels(frame.width, frame.height, SDL_PIXELFORMAT_RGB565, frame.pixels.data(),
                      frame.width * 2, format, staging->pixels, staging->pitch);
    const platform::PictureRect picture =
        platform::LetterboxRect(frame.width, frame.height, width, height);
    const int bytes = target->format->BytesPerPixel;
    for (int y = 0; y < picture.height; ++y) {
        const int fromY = (2 * y + 1) * frame.height / (2 * picture.height);
        for (int x = 0; x < picture.width; ++x) {
            const int fromX = (2 * x + 1) * frame.width / (2 * picture.width);
            std::memcpy(static_cast<uint8_t*>(target->pixels) + (picture.y + y) * target->pitch +
                            (picture.x + x) * bytes,
                        static_cast<const uint8_t*>(staging->pixels) + fromY * staging->pitch +
                            fromX * bytes,
                        static_cast<size_t>(bytes));
        }
    }
    return target;
}

// Byte for byte over every row's pixels (not the padding at the end of a row).
bool SamePicture(const SDL_Surface* a, const SDL_Surface* b) {
    if (a->w != b->w || a->h != b->h || a->format->format != b->format->format) {
        return false;
    }
    const size_t rowBytes = static_cast<size_t>(a->w) * a->format->BytesPerPixel;
    for (int y = 0; y < a->h; ++y) {
        if (std::memcmp(static_cast<const uint8_t*>(a->pixels) + y * a->pitch,
                        static_cast<const uint8_t*>(b->pixels) + y * b->pitch, rowBytes) != 0) {
            return false;
        }
    }
    return true;
}

platform::BackBuffer NoiseFrame(int width, int height, uint32_t seed) {
    platform::BackBuffer frame;
    frame.Resize(width, height);
    for (uint16_t& pixel : frame.pixels) {
        seed = seed * 1664525u + 1013904223u;
        pixel = static_cast<uint16_t>(seed >> 16);
    }
    return frame;
}

TEST(SurfacePresenterChangesTest, OnePassShowsWhatTheTwoStepPresentShowed) {
    struct Size {
        int width;
        int height;
    };
    // The frame's own size, wider and taller windows, uneven scales, a shrink, and the real game's
    // frame on its two common screens.
    const Size sizes[] = {{4, 3}, {10, 6}, {12, 6}, {7, 5}, {13, 10}, {3, 2}, {9, 12}};
    const platform::BackBuffer frames[] = {SmallFrame(), NoiseFrame(80, 60, 7)};
    for (uint32_t format : kWindowFormats) {
        SCOPED_TRACE(SDL_GetPixelFormatName(format));
        for (const platform::BackBuffer& frame : frames) {
            for (const Size& size : sizes) {
                const int width = size.width * frame.width / 4;
                const int height = size.height * frame.height / 3;
                SCOPED_TRACE(testing::Message() << width << " x " << height);
                Surface target = MakeSurface(width, height, format);
                platform::SurfacePresenter presenter;
                ASSERT_TRUE(presenter.Draw(frame, target.get()));
                EXPECT_TRUE(
                    SamePicture(target.get(), TwoStepPresent(frame, width, height, format).get()));
            }
        }
    }
    const platform::BackBuffer game = NoiseFrame(800, 600, 11);
    for (const Size& size : {Size{1024, 768}, Size{1920, 1080}}) {
        Surface target = MakeSurface(size.width, size.height, SDL_PIXELFORMAT_RGB888);
        platform::SurfacePresenter presenter;
        ASSERT_TRUE(presenter.Draw(game, target.get()));
        EXPECT_TRUE(SamePicture(
            target.get(),
            TwoStepPresent(game, size.width, size.height, SDL_PIXELFORMAT_RGB888).get()));
    }
}

TEST(SurfacePresenterChangesTest, OnlyWhatChangedIsDrawnAndPushed) {
    Surface target = MakeSurface(10, 6, SDL_PIXELFORMAT_RGB888);
    platform::BackBuffer frame = SmallFrame();
    platform::SurfacePresenter presenter;

    ASSERT_TRUE(presenter.Draw(frame, target.get()));
    EXPECT_EQ(presenter.Changed(),
              (std::vector<platform::PictureRect>{platform::PictureRect{0, 0, 10, 6}}));
    ASSERT_TRUE(presenter.Draw(frame, target.get()));
    EXPECT_TRUE(presenter.Changed().empty()) << "an unchanged frame pushes nothing";

    // Frame pixel (2, 1) is window pixels 5..6 of rows 2..3, the picture starting at column 1.
    frame.Row(1)[2] ^= 0x0001;
    ASSERT_TRUE(presenter.Draw(frame, target.get()));
    EXPECT_EQ(presenter.Changed(),
              (std::vector<platform::PictureRect>{platform::PictureRect{5, 2, 2, 2}}));
    EXPECT_TRUE(
        SamePicture(target.get(), TwoStepPresent(frame, 10, 6, SDL_PIXELFORMAT_RGB888).get()));

    // The window lost its picture: drawn and pushed whole, bars included, though nothing changed.
    SDL_FillRect(target.get(), nullptr, SDL_MapRGB(target->format, 255, 255, 255));
    presenter.Forget();
    ASSERT_TRUE(presenter.Draw(frame, target.get()));
    EXPECT_EQ(presenter.Changed(),
              (std::vector<platform::PictureRect>{platform::PictureRect{0, 0, 10, 6}}));
    EXPECT_TRUE(
        SamePicture(target.get(), TwoStepPresent(frame, 10, 6, SDL_PIXELFORMAT_RGB888).get()));

    // A window of another size is painted whole, with the picture moved into its letterbox.
    Surface wider = MakeSurface(12, 6, SDL_PIXELFORMAT_RGB888);
    ASSERT_TRUE(presenter.Draw(frame, wider.get()));
    EXPECT_EQ(presenter.Changed(),
              (std::vector<platform::PictureRect>{platform::PictureRect{0, 0, 12, 6}}));
    EXPECT_EQ(presenter.Picture(), (platform::PictureRect{2, 0, 8, 6}));
}

TEST(SurfacePresenterChangesTest, TheWindowAlwaysShowsWhatAWholePresentWould) {
    // Frames changing in scattered pixels, rows and blocks, some not at all, on the game's shape
    // scaled unevenly, in a 32- and a 24-bit format; after each the window must equal a fresh
    // present of that frame, and what was pushed must cover every window pixel that changed.
    for (uint32_t format : {SDL_PIXELFORMAT_ARGB8888, SDL_PIXELFORMAT_RGB24}) {
        SCOPED_TRACE(SDL_GetPixelFormatName(format));
        Surface target = MakeSurface(131, 97, format);
        platform::SurfacePresenter presenter;
        platform::BackBuffer frame = NoiseFrame(80, 60, 3);
        ASSERT_TRUE(presenter.Draw(frame, target.get()));
        uint32_t seed = 99;
        auto next = [&seed](uint32_t range) {
            seed = seed * 1664525u + 1013904223u;
            return static_cast<int>((seed >> 8) % range);
        };
        for (int step = 0; step < 40; ++step) {
            SCOPED_TRACE(testing::Message() << "step " << step);
            const int edits = next(4) == 0 ? 0 : 1 + next(30);
            for (int edit = 0; edit < edits; ++edit) {
                const int x = next(80);
                const int y = next(60);
                const int width = next(3) == 0 ? 1 + next(80 - x) : 1;
                for (int i = 0; i < width; ++i) {
                    frame.Row(y)[x + i] = static_cast<uint16_t>(next(65536));
                }
            }
            const size_t pitch = static_cast<size_t>(target->pitch);
            std::vector<uint8_t> before(static_cast<uint8_t*>(target->pixels),
                                        static_cast<uint8_t*>(target->pixels) + pitch * 97);
            ASSERT_TRUE(presenter.Draw(frame, target.get()));
            Surface whole = TwoStepPresent(frame, 131, 97, format);
            ASSERT_TRUE(SamePicture(target.get(), whole.get()));
            if (edits == 0) {
                EXPECT_TRUE(presenter.Changed().empty());
            }
            const int bytes = target->format->BytesPerPixel;
            for (int y = 0; y < 97; ++y) {
                for (int x = 0; x < 131; ++x) {
                    const size_t at = y * pitch + static_cast<size_t>(x * bytes);
                    if (std::memcmp(&before[at], static_cast<uint8_t*>(target->pixels) + at,
                                    static_cast<size_t>(bytes)) == 0) {
                        continue;
                    }
                    bool pushed = false;
                    for (const platform::PictureRect& rect : presenter.Changed()) {
                        pushed |= x >= rect.x && x < rect.x + rect.width && y >= rect.y &&
                                  y < rect.y + rect.height;
                    }
                    ASSERT_TRUE(pushed) << "window pixel " << x << ", " << y << " not pushed";
                }
            }
        }
    }
}

}  // namespace

}  // namespace varn
