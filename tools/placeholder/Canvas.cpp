#include "Canvas.h"

#include <algorithm>

#include "Bytes.h"

namespace varn {

namespace placeholder {

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;

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

std::vector<uint8_t> Canvas::EncodeBmp() const {
    const uint32_t rowBytes = (static_cast<uint32_t>(width_) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height_);
    const uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes;
    std::vector<uint8_t> out;
    out.reserve(offset + imageBytes);
    PutTag(out, "BM");
    PutLittleEndian(out, offset + imageBytes, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, offset, 4);
    PutLittleEndian(out, kInfoHeaderBytes, 4);
    PutLittleEndian(out, static_cast<uint32_t>(width_), 4);
    PutLittleEndian(out, static_cast<uint32_t>(height_), 4);  // positive: bottom row first
    PutLittleEndian(out, 1, 2);                               // planes
    PutLittleEndian(out, 24, 2);                              // bits per pixel
    PutLittleEndian(out, 0, 4);                               // uncompressed
    PutLittleEndian(out, imageBytes, 4);
    PutLittleEndian(out, 2835, 4);  // 72 dots per inch, both ways
    PutLittleEndian(out, 2835, 4);
    PutLittleEndian(out, 0, 4);  // no palette
    PutLittleEndian(out, 0, 4);
    out.resize(offset + imageBytes, 0);  // row padding stays 0
    uint8_t* row = out.data() + offset;
    for (int y = height_ - 1; y >= 0; --y, row += rowBytes) {
        const Rgb* pixel = pixels_.data() + static_cast<size_t>(y) * width_;
        for (uint8_t* at = row; at < row + static_cast<size_t>(width_) * 3; at += 3, ++pixel) {
            at[0] = pixel->b;
            at[1] = pixel->g;
            at[2] = pixel->r;
        }
    }
    return out;
}

}  // namespace placeholder

}  // namespace varn
