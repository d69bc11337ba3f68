#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "engine/SpriteSet.h"

namespace varn {

class GraphicsDevice;
class InputDevice;
class MouseCursor;

// The terrain layer of the kingdom map: the scroll position, the map's pictures, the flags'
// shared animation clock, copies of the world's place flags that decide which places and flags
// show, and the last clicked map cell. A world point (X, Y) shows on screen at
// (X - scrollX, Y - scrollY).
class MapView {
  public:
    static constexpr int32_t kStartScrollX = -1115;
    static constexpr int32_t kStartScrollY = 320;

    MapView() = default;
    virtual ~MapView() = default;
    MapView(const MapView&) = delete;
    MapView& operator=(const MapView&) = delete;

    // Loads the 120 pictures; a picture that fails leaves its slot empty and draws nothing.
    void Init(GraphicsDevice* device);
    void Free();

    // One per region of the cell table: 1 when a fresh press of either mouse button lies on a
    // cell of that region this frame, which becomes the clicked cell; else 0. The mouse's
    // latches stay as they are.
    int ClickRegion1(int32_t mouseX, int32_t mouseY, const InputDevice& mouse);
    int ClickRegion2(int32_t mouseX, int32_t mouseY, const InputDevice& mouse);
    int ClickRegion3(int32_t mouseX, int32_t mouseY, const InputDevice& mouse);
    int ClickRegion4(int32_t mouseX, int32_t mouseY, const InputDevice& mouse);
    int ClickRegion5(int32_t mouseX, int32_t mouseY, const InputDevice& mouse);
    int ClickRegion6(int32_t mouseX, int32_t mouseY, const InputDevice& mouse);
    int ClickRegion7(int32_t mouseX, int32_t mouseY, const InputDevice& mouse);
    int ClickRegion8(int32_t mouseX, int32_t mouseY, const InputDevice& mouse);
    int ClickRegion9(int32_t mouseX, int32_t mouseY, const InputDevice& mouse);

    // Scrolls by step pixels toward each screen edge the pointer touches: bottom, top, right,
    // left, each within the scroll limits.
    void EdgeScroll(const MouseCursor& cursor, uint8_t step);
    // One direction of scrolling, as the edges and the arrow keys use it: moves only while
    // inside the limit, then holds the limit.
    void ScrollDown(uint8_t step);
    void ScrollUp(uint8_t step);
    void ScrollRight(uint8_t step);
    void ScrollLeft(uint8_t step);

    // Advances the flags' frame 1, 2, 3, 2, 1, 0, 1, ... one step per period of over 200 ms.
    void Animate();

    // The quest signs of the quests not yet at goal met; quest q's state at index q - 1.
    void DrawQuestMarkers(std::span<const uint8_t> questStates);

    // The ground of one region each, culled by the view (Terrain.cpp).
    void DrawBand1();
    void DrawBand2();
    void DrawBand3();
    void DrawBand4();
    void DrawBand5();
    void DrawBand6();
    void DrawBand7();
    void DrawBand8();
    void DrawBand9();

    // The screen coordinate of a world one; false when a scroll from a damaged save would put it
    // so far off screen that it leaves 32 bits (nothing that far shows).
    static bool ToScreen(int32_t world, int32_t scroll, int32_t& screen);

    std::unique_ptr<SpriteSet> sprites;
    uint32_t animStart = 0;
    uint8_t animState = 1;  // 1 take a new start time, 2 waiting for the period to pass
    uint8_t animFrame = 0;
    uint8_t animRising = 0;
    std::array<uint8_t, 30> battleTrigger{};  // place k's enemy is there
    std::array<uint8_t, 10> villageJoined{};  // village n at n - 1
    std::array<uint8_t, 10> townOwned{};      // 0 gold mine, 1..4 towns, 5 iron mine
    int32_t scrollX = kStartScrollX;
    int32_t scrollY = kStartScrollY;
    int32_t clickedX = 0;
    int32_t clickedY = 0;
    uint8_t cellClicked = 0;  // a click waits for the map objects, which clear it
    uint8_t clickHold = 0;    // set by a click until the mouse buttons are free
    int32_t clickedCell = 0;

  private:
    int ClickRegion(int region, int32_t mouseX, int32_t mouseY, const InputDevice& mouse);
    void DrawBand(int region);
};

}  // namespace varn
