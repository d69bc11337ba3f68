#pragma once

#include <cstdint>
#include <vector>

namespace varn {

namespace placeholder {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
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
    // A raised edge of the given thickness: light along the top and left, dark along the rest.
    void Bevel(int left, int top, int width, int height, int thickness, Rgb light, Rgb dark);
    // The ellipse inside the given box.
    void FillEllipse(int left, int top, int width, int height, Rgb colour);
    // A polygon by its corners, filled by the even-odd rule over pixel centres.
    void FillPolygon(const std::vector<Point>& corners, Rgb colour);
    // A line width pixels thick.
    void DrawLine(Point from, Point to, int width, Rgb colour);

    // The picture as a BMP file: 8-bit run-length coded with a palette of the colours it uses,
    // or 24-bit when it uses more than 256.
    std::vector<uint8_t> EncodeBmp() const;

  private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

}  // namespace placeholder

}  // namespace varn
