#pragma once

#include <cstdint>
#include <vector>

#include "platform/BackBuffer.h"
#include "platform/Letterbox.h"

struct SDL_Surface;

namespace varn {

namespace platform {

// Shows the back buffer on a window's surface without a renderer: one conversion of the 16-bit
// frame into the surface's own format, then a nearest-pixel scale into the letterbox rectangle.
// Scaling in the surface's format is several times faster than scaling straight from 16 bits.
class SurfacePresenter {
  public:
    SurfacePresenter() = default;
    SurfacePresenter(const SurfacePresenter&) = delete;
    SurfacePresenter& operator=(const SurfacePresenter&) = delete;
    ~SurfacePresenter();

    // Draws the frame onto target; false when the frame is malformed or the surface's format
    // cannot take it. When target is new or has changed size, it is cleared first for the bars.
    bool Draw(const BackBuffer& frame, SDL_Surface* target);

    // Where the last Draw put the picture, and the part of the target it changed.
    const PictureRect& Picture() const { return picture_; }
    const PictureRect& Changed() const { return changed_; }

  private:
    bool PrepareStaging(int width, int height, uint32_t format);
    bool TargetChanged(const SDL_Surface* target) const;
    void ScaleNearest32(SDL_Surface* target, bool pictureMoved);

    SDL_Surface* staging_ = nullptr;  // the frame in the target's format
    // The target last drawn on, to know when its bars need painting.
    const void* targetPixels_ = nullptr;
    int targetWidth_ = 0;
    int targetHeight_ = 0;
    uint32_t targetFormat_ = 0;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    PictureRect picture_;
    PictureRect changed_;
    // For each target column and row of the picture, the staging pixel it shows.
    std::vector<int> columns_;
    std::vector<int> rows_;
};

}  // namespace platform

}  // namespace varn
