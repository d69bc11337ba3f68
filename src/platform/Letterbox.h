#pragma once

#include <cstdint>

namespace varn {

namespace platform {

// Where the picture goes in the window: position and size in window pixels.
struct PictureRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PictureRect&, const PictureRect&) = default;
};

// The largest rectangle of the frame's shape that fits the output, centred; the rest is bars.
// Empty when either size is not positive.
PictureRect LetterboxRect(int frameWidth, int frameHeight, int outputWidth, int outputHeight);

// Turns pointer movement in window pixels into movement over the frame, through the picture's
// rectangle: a sweep across the picture is a sweep across the frame. Fractions of a frame pixel
// are carried, so slow movement is not lost and moving back returns to the same place.
class PointerMotionScale {
  public:
    // Identity until fitted; a fit to other sizes drops the carried fractions.
    void Fit(int frameWidth, int frameHeight, const PictureRect& picture);
    void Scale(int32_t& dx, int32_t& dy);

  private:
    struct Axis {
        int64_t frame = 1;
        int64_t picture = 1;
        int64_t carried = 0;  // in frame pixels times picture pixels, 0 <= carried < picture

        void Set(int frameSize, int pictureSize);
        int32_t Scale(int32_t delta);
    };

    Axis x_;
    Axis y_;
};

}  // namespace platform

}  // namespace varn
