#pragma once

#include <cstdint>

#include "engine/InputDevice.h"
#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"

namespace varn {

class GraphicsDevice;

inline constexpr PictureLoad kCursorPictures[] = {
    {0, "Art\\Cursor2.bmp", 64, 64, 0xFF000000},
    {1, "Art\\Cursor1.bmp", 32, 32, 0xFF000000},
};

// The drawn mouse pointer: its pictures, its position in back-buffer pixels kept from the mouse's
// movement, and the mouse device. A position that leaves the allowed area (2..796 x 2..598) goes
// back, both coordinates at once, to where the pointer was last drawn.
class MouseCursor {
  public:
    static constexpr int32_t kStartPosition = 400;

    MouseCursor();
    virtual ~MouseCursor();
    MouseCursor(const MouseCursor&) = delete;
    MouseCursor& operator=(const MouseCursor&) = delete;

    // Loads the two pointer pictures; the result is that of the second load. The mouse device is
    // set up by the owner beforehand.
    int Init(GraphicsDevice* device);
    // Adds the mouse's movement to the position, without bounds; a mouse that cannot be read
    // (the window is not in front) leaves the pointer where it is.
    void Update();
    // Bounds the position, remembers it and draws the pointer with its hot spot at the position.
    void Draw();
    // As Draw, with a frame of the second picture centred 15 pixels up and left of the position.
    void DrawFrame(uint8_t frame);
    void RestorePosition();

    SpriteSet sprites;
    int32_t previousX = kStartPosition;
    int32_t previousY = kStartPosition;
    int32_t x = kStartPosition;
    int32_t y = kStartPosition;
    InputDevice mouse;

  private:
    void KeepInBounds();
};

// 1 when (x, y) is outside the area that a pointer may stand in within the rectangle: on or left
// of rx + 1, on or right of rx + rw - 3, on or above ry + 1, on or below ry + rh - 1.
int IsOutsideRect(int32_t rx, int32_t ry, int32_t rw, int32_t rh, int32_t x, int32_t y);

}  // namespace varn
