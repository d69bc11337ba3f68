#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/BackBuffer.h"
#include "support/Readability.h"

namespace varn {

// How tall the captions of the placeholder set stand on a presented frame, after the scale the
// game drew their pictures at: the rows of an area that hold a pixel of the captions' ink. Pixels
// the game's smooth scaling blended with the shadow or the ground around a letter do not count.
namespace captions {

inline constexpr uint32_t kInk = 0xECE2C4;
inline constexpr int kInkTolerance = 24;

struct Area {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

inline bool IsInk(uint16_t pixel) {
    const uint32_t rgb = readability::PixelRgb(pixel);
    for (int shift : {16, 8, 0}) {
        const int channel = static_cast<int>((rgb >> shift) & 0xFF);
        if (std::abs(channel - static_cast<int>((kInk >> shift) & 0xFF)) > kInkTolerance) {
            return false;
        }
    }
    return true;
}

// The caption's height in screen pixels inside the area, from its top down to the line its
// letters stand on; 0 when the area shows none. A hanging letter (g, j, p, q, y) puts only its
// tail below the line, so rows under the line hold a small share of a row's ink and are left out.
inline int InkHeight(const platform::BackBuffer& frame, const Area& area) {
    constexpr int kTailShare = 4;  // a tail's row holds under a quarter of the fullest row's ink
    std::vector<int> inkInRow;
    int first = -1;
    for (int y = std::max(0, area.top); y < std::min(frame.height, area.top + area.height); ++y) {
        int ink = 0;
        for (int x = std::max(0, area.left); x < std::min(frame.width, area.left + area.width);
             ++x) {
            ink += IsInk(frame.pixels[static_cast<size_t>(y) * static_cast<size_t>(frame.width) +
                                      static_cast<size_t>(x)])
                       ? 1
                       : 0;
        }
        if (ink > 0 && first < 0) {
            first = y;
        }
        if (first >= 0) {
            inkInRow.push_back(ink);
        }
    }
    if (first < 0) {
        return 0;
    }
    const int fullest = *std::max_element(inkInRow.begin(), inkInRow.end());
    int height = 0;
    for (int row = 0; row < static_cast<int>(inkInRow.size()); ++row) {
        if (inkInRow[static_cast<size_t>(row)] * kTailShare >= fullest) {
            height = row + 1;
        }
    }
    return height;
}

// Every area shows a caption, and they stand within a pixel of one height.
inline void ExpectOneHeight(const platform::BackBuffer& frame, std::initializer_list<Area> areas) {
    int least = frame.height;
    int most = 0;
    std::string heights;
    for (const Area& area : areas) {
        const int height = InkHeight(frame, area);
        EXPECT_GT(height, 0) << area.name << " shows no caption";
        least = std::min(least, height);
        most = std::max(most, height);
        heights += std::string(" ") + area.name + " " + std::to_string(height);
    }
    EXPECT_LE(most - least, 1) << "captions of one row at different heights:" << heights;
}

}  // namespace captions

}  // namespace varn
