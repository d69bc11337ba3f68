#pragma once

#include <cstdint>
#include <vector>

#include "platform/BackBuffer.h"
#include "platform/FrameChanges.h"
#include "platform/Letterbox.h"

struct SDL_Surface;

namespace varn {

namespace platform {

// Shows the back buffer on a window's surface without a renderer, in one pass over the target's
// rows: each 16-bit pixel becomes the surface's format through a table, scaled by nearest pixel
// into the letterbox rectangle, and a target row that repeats a frame row is a copy of the row
// above. Only the parts of the frame that changed since the last Draw are drawn again.
class SurfacePresenter {
  public:
    // Draws the frame onto target; false when the frame is malformed or the surface's format
    // cannot take it. When target is new, has changed size or was forgotten, it is cleared first
    // for the bars and drawn whole.
    bool Draw(const BackBuffer& frame, SDL_Surface* target);

    // The window lost its picture (exposed, resized, restored): the next Draw repaints it all.
    void Forget();

    // Where the last Draw put the picture, and the parts of the target it changed: none when
    // the frame was the same as the last one.
    const PictureRect& Picture() const { return picture_; }
    const std::vector<PictureRect>& Changed() const { return changed_; }

  private:
    bool TargetChanged(const SDL_Surface* target) const;
    void Repaint(const BackBuffer& frame, SDL_Surface* target);
    bool PrepareLookup(uint32_t format);
    PictureRect TargetRect(const ChangedBand& band) const;
    void DrawRect(const BackBuffer& frame, SDL_Surface* target, const PictureRect& rect);

    FrameChanges changes_;
    // The target last drawn on, to know when it needs painting whole.
    const void* targetPixels_ = nullptr;
    int targetWidth_ = 0;
    int targetHeight_ = 0;
    uint32_t targetFormat_ = 0;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    bool forgotten_ = true;
    PictureRect picture_;
    std::vector<PictureRect> changed_;
    // Every 16-bit colour in the target's format (its low bytes), made by SDL's own conversion.
    std::vector<uint32_t> lookup_;
    uint32_t lookupFormat_ = 0;
    int bytesPerPixel_ = 0;
    // For each column and row of the picture, the frame pixel it shows.
    std::vector<int> columns_;
    std::vector<int> rows_;
    std::vector<uint32_t> converted_;  // one frame row in the target's format
};

}  // namespace platform

}  // namespace varn
