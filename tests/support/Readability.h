#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/HeadlessBackend.h"

namespace varn {

// Whether a person can read every text of a presented frame: each lies inside the frame, clear
// of the frame's other texts, inside the rectangle its screen asked it to keep to (the panel it
// is drawn on), and stands out from what lay under it before it was drawn by at least the 3:1
// contrast large text needs (relative luminance of sRGB): its own ink is no ground to read it on.
namespace readability {

using DrawnText = platform::HeadlessBackend::DrawnText;

inline constexpr double kLeastContrast = 3.0;

inline double Luminance(uint32_t rgb) {
    const auto linear = [](uint32_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) +
           0.0722 * linear(rgb & 0xFF);
}

inline double ContrastRatio(uint32_t a, uint32_t b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline uint32_t PixelRgb(uint16_t pixel) {
    const uint32_t r = (pixel >> 11) & 0x1F, g = (pixel >> 5) & 0x3F, b = pixel & 0x1F;
    return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

// The pixel of median luminance of a text's ground; false for a text wholly outside the frame.
inline bool MedianOf(std::vector<uint16_t> ground, uint32_t& rgb) {
    static const std::vector<double> luminances = [] {
        std::vector<double> table(65536);
        for (uint32_t pixel = 0; pixel < table.size(); ++pixel) {
            table[pixel] = Luminance(PixelRgb(static_cast<uint16_t>(pixel)));
        }
        return table;
    }();
    if (ground.empty()) {
        return false;
    }
    const auto middle = ground.begin() + static_cast<std::ptrdiff_t>(ground.size() / 2);
    std::nth_element(ground.begin(), middle, ground.end(),
                     [](uint16_t a, uint16_t b) { return luminances[a] < luminances[b]; });
    rgb = PixelRgb(*middle);
    return true;
}

// The colour a fully covered pixel takes: the text's colour mixed over the ground by its alpha.
inline uint32_t ShownColour(uint32_t argb, uint32_t ground) {
    const uint32_t alpha = argb >> 24;
    uint32_t shown = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t over = (argb >> shift) & 0xFF;
        const uint32_t under = (ground >> shift) & 0xFF;
        shown |= ((under * (255 - alpha) + over * alpha + 127) / 255) << shift;
    }
    return shown;
}

inline bool Inside(const platform::Rect& inner, const platform::Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

inline bool Overlap(const platform::Rect& a, const platform::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

inline std::string BoxText(const platform::Rect& box) {
    return "(" + std::to_string(box.left) + "," + std::to_string(box.top) + ")-(" +
           std::to_string(box.right) + "," + std::to_string(box.bottom) + ")";
}

inline std::string Colour(uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", rgb & 0xFFFFFF);
    return text;
}

inline std::string Named(const DrawnText& text) {
    return "\"" + text.text + "\" " + BoxText(text.drawn);
}

// Every fault of the frame's texts, one a line, each saying where, the text, the rule it breaks
// and the measured numbers.
inline std::vector<std::string> Faults(const platform::BackBuffer& frame,
                                       const std::vector<DrawnText>& texts,
                                       const std::string& where) {
    std::vector<std::string> faults;
    const auto fault = [&](const DrawnText& text, const std::string& rule) {
        faults.push_back(where + ": " + Named(text) + ": " + rule);
    };
    const platform::Rect whole{0, 0, frame.width, frame.height};
    for (size_t i = 0; i < texts.size(); ++i) {
        const DrawnText& text = texts[i];
        if (!Inside(text.drawn, whole)) {
            fault(text, "runs out of the " + std::to_string(frame.width) + "x" +
                            std::to_string(frame.height) + " frame");
        }
        for (size_t j = i + 1; j < texts.size(); ++j) {
            if (Overlap(text.drawn, texts[j].drawn)) {
                fault(text, "overlaps " + Named(texts[j]));
            }
        }
        uint32_t ground = 0;
        if (MedianOf(text.ground, ground)) {
            const uint32_t shown = ShownColour(text.colour, ground);
            const double ratio = ContrastRatio(shown, ground);
            if (ratio < kLeastContrast) {
                char numbers[96];
                std::snprintf(numbers, sizeof numbers, "contrast %.2f:1, under 3:1 (%s on %s)",
                              ratio, Colour(shown).c_str(), Colour(ground).c_str());
                fault(text, numbers);
            }
        }
        if (!Inside(text.drawn, text.requested)) {
            fault(text, "runs past its panel " + BoxText(text.requested));
        }
    }
    return faults;
}

}  // namespace readability

// Every text of the frame the headless backend presented last is readable; `where` names the
// frame in the failure (a golden image, a state).
inline void ExpectReadable(const std::string& where) {
    const platform::HeadlessBackend& backend = *platform::Headless();
    for (const std::string& fault :
         readability::Faults(backend.presented, backend.presentedTexts, where)) {
        ADD_FAILURE() << "unreadable text: " << fault;
    }
}

}  // namespace varn
