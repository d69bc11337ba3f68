#include "platform/FrameChanges.h"

#include <algorithm>
#include <cstring>

namespace varn {

namespace platform {

const std::vector<ChangedBand>& FrameChanges::Compare(const BackBuffer& frame) {
    bands_.clear();
    if (!known_ || frame.width != shown_.width || frame.height != shown_.height) {
        shown_ = frame;
        known_ = true;
        if (frame.width > 0 && frame.height > 0) {
            bands_.push_back(ChangedBand{0, frame.height, 0, frame.width});
        }
        return bands_;
    }
    const size_t rowBytes = static_cast<size_t>(frame.width) * sizeof(uint16_t);
    for (int y = 0; y < frame.height; ++y) {
        const uint16_t* now = frame.Row(y);
        uint16_t* before = shown_.Row(y);
        if (std::memcmp(now, before, rowBytes) == 0) {
            continue;
        }
        const int left =
            static_cast<int>(std::mismatch(now, now + frame.width, before).first - now);
        int right = frame.width;
        while (now[right - 1] == before[right - 1]) {
            --right;
        }
        std::memcpy(before + left, now + left,
                    static_cast<size_t>(right - left) * sizeof(uint16_t));
        Add(y, left, right);
    }
    return bands_;
}

void FrameChanges::Add(int row, int left, int right) {
    if (!bands_.empty() && row - bands_.back().bottom < kJoinGap) {
        ChangedBand& band = bands_.back();
        band.bottom = row + 1;
        band.left = std::min(band.left, left);
        band.right = std::max(band.right, right);
        return;
    }
    bands_.push_back(ChangedBand{row, row + 1, left, right});
}

}  // namespace platform

}  // namespace varn
