#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "Bytes.h"

namespace varn {

namespace placeholder {

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kRunLength8 = 1;
constexpr size_t kMaxRun = 255;
// Shorter stretches of differing pixels cost less as runs of one than as an absolute block.
constexpr size_t kMinLiteral = 3;

uint32_t Packed(Rgb colour) {
    return static_cast<uint32_t>(colour.r) << 16 | static_cast<uint32_t>(colour.g) << 8 | colour.b;
}

void PutHeaders(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t compression,
                uint32_t paletteSize, uint32_t imageBytes) {
    const uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes + 4 * paletteSize;
    PutTag(out, "BM");
    PutLittleEndian(out, offset + imageBytes, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, offset, 4);
    PutLittleEndian(out, kInfoHeaderBytes, 4);
    PutLittleEndian(out, static_cast<uint32_t>(width), 4);
    PutLittleEndian(out, static_cast<uint32_t>(height), 4);  // positive: bottom row first
    PutLittleEndian(out, 1, 2);                              // planes
    PutLittleEndian(out, static_cast<uint32_t>(bits), 2);
    PutLittleEndian(out, compression, 4);
    PutLittleEndian(out, imageBytes, 4);
    PutLittleEndian(out, 2835, 4);  // 72 dots per inch, both ways
    PutLittleEndian(out, 2835, 4);
    PutLittleEndian(out, paletteSize, 4);
    PutLittleEndian(out, 0, 4);
}

// One row of palette indices as RLE8 codes, closed by its end-of-line code.
void EncodeRow(const uint8_t* row, size_t width, std::vector<uint8_t>& out) {
    size_t x = 0;
    auto runAt = [&](size_t at) {
        size_t length = 1;
        while (at + length < width && length < kMaxRun && row[at + length] == row[at]) {
            ++length;
        }
        return length;
    };
    while (x < width) {
        size_t run = runAt(x);
        if (run >= 2) {
            out.push_back(static_cast<uint8_t>(run));
            out.push_back(row[x]);
            x += run;
            continue;
        }
        // Gather differing pixels up to the next run of two or more.
        size_t end = x + 1;
        while (end < width && end - x < kMaxRun && runAt(end) < 2) {
            ++end;
        }
        const size_t literal = end - x;
        if (literal < kMinLiteral) {
            for (; x < end; ++x) {
                out.push_back(1);
                out.push_back(row[x]);
            }
            continue;
        }
        out.push_back(0);
        out.push_back(static_cast<uint8_t>(literal));
        out.insert(out.end(), row + x, row + end);
        if (literal % 2 != 0) {
            out.push_back(0);  // absolute blocks end on a 16-bit boundary
        }
        x = end;
    }
    out.push_back(0);
    out.push_back(0);
}

}  // namespace

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, background) {}

Rgb Canvas::At(int x, int y) const {
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Canvas::Set(int x, int y, Rgb colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<size_t>(y) * width_ + x] = colour;
    }
}

void Canvas::FillRect(int left, int top, int width, int height, Rgb colour) {
    int right = std::min(left + width, width_);
    int bottom = std::min(top + height, height_);
    for (int y = std::max(top, 0); y < bottom; ++y) {
        for (int x = std::max(left, 0); x < right; ++x) {
            pixels_[static_cast<size_t>(y) * width_ + x] = colour;
        }
    }
}

void Canvas::OutlineRect(int left, int top, int width, int height, Rgb colour) {
    FillRect(left, top, width, 1, colour);
    FillRect(left, top + height - 1, width, 1, colour);
    FillRect(left, top, 1, height, colour);
    FillRect(left + width - 1, top, 1, height, colour);
}

void Canvas::Bevel(int left, int top, int width, int height, int thickness, Rgb light, Rgb dark) {
    for (int i = 0; i < thickness; ++i) {
        FillRect(left + i, top + height - 1 - i, width - 2 * i, 1, dark);
        FillRect(left + width - 1 - i, top + i, 1, height - 2 * i, dark);
        FillRect(left + i, top + i, width - 2 * i - 1, 1, light);
        FillRect(left + i, top + i, 1, height - 2 * i - 1, light);
    }
}

void Canvas::FillEllipse(int left, int top, int width, int height, Rgb colour) {
    const double rx = width / 2.0;
    const double ry = height / 2.0;
    for (int y = 0; y < height; ++y) {
        const double dy = (y + 0.5 - ry) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        const int from = static_cast<int>(std::lround(rx - half));
        const int to = static_cast<int>(std::lround(rx + half));
        FillRect(left + from, top + y, to - from, 1, colour);
    }
}

void Canvas::FillPolygon(const std::vector<Point>& corners, Rgb colour) {
    if (corners.size() < 3) {
        return;
    }
    auto [low, high] = std::minmax_element(corners.begin(), corners.end(),
                                           [](Point a, Point b) { return a.y < b.y; });
    for (int y = std::max(low->y, 0); y < std::min(high->y, height_); ++y) {
        const double centre = y + 0.5;
        std::vector<double> crossings;
        for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const Point a = corners[i];
            const Point b = corners[j];
            if ((a.y > centre) != (b.y > centre)) {
                crossings.push_back(a.x + (centre - a.y) * (b.x - a.x) / double(b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
            const int from = static_cast<int>(std::lround(crossings[k]));
            const int to = static_cast<int>(std::lround(crossings[k + 1]));
            FillRect(from, y, to - from, 1, colour);
        }
    }
}

void Canvas::DrawLine(Point from, Point to, int width, Rgb colour) {
    const int steps = std::max({std::abs(to.x - from.x), std::abs(to.y - from.y), 1});
    for (int i = 0; i <= steps; ++i) {
        const int x = from.x + (to.x - from.x) * i / steps;
        const int y = from.y + (to.y - from.y) * i / steps;
        FillRect(x - width / 2, y - width / 2, width, width, colour);
    }
}

std::vector<uint8_t> Canvas::EncodeBmp() const {
    // Neighbouring pixels mostly share a colour: the last one found is tried first.
    std::map<uint32_t, uint8_t> indexOf;
    uint32_t last = Packed(pixels_.front());
    indexOf.emplace(last, 0);
    for (Rgb pixel : pixels_) {
        if (Packed(pixel) != last && indexOf.size() <= 256) {
            indexOf.emplace(last = Packed(pixel), 0);
        }
    }
    std::vector<uint8_t> out;
    if (indexOf.size() > 256) {
        const uint32_t rowBytes = (static_cast<uint32_t>(width_) * 3 + 3) & ~3u;
        PutHeaders(out, width_, height_, 24, 0, 0, rowBytes * static_cast<uint32_t>(height_));
        for (int y = height_ - 1; y >= 0; --y) {
            const Rgb* pixel = pixels_.data() + static_cast<size_t>(y) * width_;
            for (int x = 0; x < width_; ++x, ++pixel) {
                out.insert(out.end(), {pixel->b, pixel->g, pixel->r});
            }
            out.resize(out.size() + rowBytes - static_cast<size_t>(width_) * 3, 0);
        }
        return out;
    }
    std::vector<uint8_t> codes;
    std::vector<uint8_t> indices(static_cast<size_t>(width_));
    uint8_t next = 0;
    for (auto& [colour, slot] : indexOf) {
        slot = next++;
    }
    last = Packed(pixels_.front());
    uint8_t index = indexOf[last];
    for (int y = height_ - 1; y >= 0; --y) {
        const Rgb* pixel = pixels_.data() + static_cast<size_t>(y) * width_;
        for (int x = 0; x < width_; ++x) {
            if (Packed(pixel[x]) != last) {
                last = Packed(pixel[x]);
                index = indexOf[last];
            }
            indices[static_cast<size_t>(x)] = index;
        }
        EncodeRow(indices.data(), indices.size(), codes);
    }
    codes.push_back(0);
    codes.push_back(1);  // end of the picture
    PutHeaders(out, width_, height_, 8, kRunLength8, static_cast<uint32_t>(indexOf.size()),
               static_cast<uint32_t>(codes.size()));
    for (const auto& [colour, index] : indexOf) {
        PutLittleEndian(out, colour, 4);  // blue, green, red, 0
    }
    out.insert(out.end(), codes.begin(), codes.end());
    return out;
}

}  // namespace placeholder

}  // namespace varn
