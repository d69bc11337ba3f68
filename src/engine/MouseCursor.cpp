#include "engine/MouseCursor.h"

#include "engine/Colours.h"
#include "engine/DeviceConstants.h"
#include "engine/ScreenSize.h"

namespace varn {

namespace {

constexpr int32_t kFrameOffset = 15;

}  // namespace

MouseCursor::MouseCursor() = default;

MouseCursor::~MouseCursor() {
    mouse.Release();
    sprites.Free();
}

int MouseCursor::Init(GraphicsDevice* device) {
    sprites.Init(device, 2);
    sprites.SetAlphaTest(1);
    LoadPictures(sprites, kCursorPictures);
    return sprites.IsLoaded(1) ? 1 : 0;
}

void MouseCursor::Update() {
    mouse.SetAcquired(1);
    if (mouse.Update() == 0) {
        return;
    }
    x += mouse.GetDeltaX();
    y += mouse.GetDeltaY();
}

void MouseCursor::KeepInBounds() {
    if (IsOutsideRect(0, 0, kScreenWidth, kScreenHeight, x, y) != 0) {
        RestorePosition();
    }
    previousX = x;
    previousY = y;
}

void MouseCursor::Draw() {
    KeepInBounds();
    sprites.Draw(0, 0, x, y, kUntinted, 0.8f, 0.6f);
}

void MouseCursor::DrawFrame(uint8_t frame) {
    KeepInBounds();
    sprites.Draw(1, frame, x - kFrameOffset, y - kFrameOffset, kUntinted, 1.1f, 1.1f);
}

void MouseCursor::RestorePosition() {
    x = previousX;
    y = previousY;
}

int IsOutsideRect(int32_t rx, int32_t ry, int32_t rw, int32_t rh, int32_t x, int32_t y) {
    // Widened so that extreme rectangles cannot wrap around.
    const int64_t left = static_cast<int64_t>(rx) + 1;
    const int64_t right = static_cast<int64_t>(rx) + rw - 3;
    const int64_t top = static_cast<int64_t>(ry) + 1;
    const int64_t bottom = static_cast<int64_t>(ry) + rh - 1;
    return (x <= left || x >= right || y <= top || y >= bottom) ? 1 : 0;
}

}  // namespace varn
