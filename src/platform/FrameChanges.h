#pragma once

#include <vector>

#include "platform/BackBuffer.h"

namespace varn {

namespace platform {

// A block of frame rows that changed, and the columns that changed in any of them: rows top ..
// bottom - 1, columns left .. right - 1.
struct ChangedBand {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;

    friend bool operator==(const ChangedBand&, const ChangedBand&) = default;
};

// Keeps a copy of the frame last shown and tells which parts of the next one differ from it.
class FrameChanges {
  public:
    // Bands closer than this many unchanged rows are joined: one push of a few extra rows costs
    // less than another round of the window's update.
    static constexpr int kJoinGap = 8;

    // The bands of frame that differ from the copy, top to bottom, and the copy brought up to
    // date. A frame of another size, or the first after Forget, is one band of all of it.
    const std::vector<ChangedBand>& Compare(const BackBuffer& frame);
    void Forget() { known_ = false; }

  private:
    void Add(int row, int left, int right);

    BackBuffer shown_;
    bool known_ = false;
    std::vector<ChangedBand> bands_;
};

}  // namespace platform

}  // namespace varn
