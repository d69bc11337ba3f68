#include "platform/Letterbox.h"

#include <limits>

namespace varn {

namespace platform {

PictureRect LetterboxRect(int frameWidth, int frameHeight, int outputWidth, int outputHeight) {
    if (frameWidth <= 0 || frameHeight <= 0 || outputWidth <= 0 || outputHeight <= 0) {
        return PictureRect{};
    }
    const int64_t fw = frameWidth;
    const int64_t fh = frameHeight;
    PictureRect picture;
    if (int64_t{outputWidth} * fh <= int64_t{outputHeight} * fw) {
        // Narrower than the frame: full width, bars above and below.
        picture.width = outputWidth;
        picture.height = static_cast<int>(int64_t{outputWidth} * fh / fw);
    } else {
        picture.height = outputHeight;
        picture.width = static_cast<int>(int64_t{outputHeight} * fw / fh);
    }
    picture.x = (outputWidth - picture.width) / 2;
    picture.y = (outputHeight - picture.height) / 2;
    return picture;
}

void PointerMotionScale::Fit(int frameWidth, int frameHeight, const PictureRect& picture) {
    x_.Set(frameWidth, picture.width);
    y_.Set(frameHeight, picture.height);
}

void PointerMotionScale::Scale(int32_t& dx, int32_t& dy) {
    dx = x_.Scale(dx);
    dy = y_.Scale(dy);
}

void PointerMotionScale::Axis::Set(int frameSize, int pictureSize) {
    if (frameSize <= 0 || pictureSize <= 0) {
        frameSize = 1;
        pictureSize = 1;
    }
    if (frame == frameSize && picture == pictureSize) {
        return;
    }
    frame = frameSize;
    picture = pictureSize;
    carried = 0;
}

int32_t PointerMotionScale::Axis::Scale(int32_t delta) {
    const int64_t total = carried + int64_t{delta} * frame;
    // Rounded down, so the carry stays non-negative and a move back undoes a move forth.
    int64_t moved = total / picture;
    if (total % picture < 0) {
        moved -= 1;
    }
    carried = total - moved * picture;
    if (moved > std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (moved < std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(moved);
}

}  // namespace platform

}  // namespace varn
