#pragma once

#include <cstdint>
#include <vector>

namespace varn {

namespace placeholder {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
};

// An RGB picture being drawn, top row first.
class Canvas {
  public:
    Canvas(int width, int height, Rgb background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const;

    // Every drawing call clips to the canvas.
    void Set(int x, int y, Rgb colour);
    void FillRect(int left, int top, int width, int height, Rgb colour);
    void OutlineRect(int left, int top, int width, int height, Rgb colour);

    // The picture as a 24-bit uncompressed BMP file.
    std::vector<uint8_t> EncodeBmp() const;

  private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

}  // namespace placeholder

}  // namespace varn
