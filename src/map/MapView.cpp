#include "map/MapView.h"

#include "engine/Colours.h"
#include "engine/InputDevice.h"
#include "engine/MouseCursor.h"
#include "map/MapViewPictures.h"
#include "platform/Backend.h"
#include "world/CharacterRecords.h"
#include "world/MapCells.h"

namespace varn {

namespace {

constexpr uint32_t kAnimationPeriodMs = 200;
constexpr uint8_t kLastAnimationFrame = 3;

// Which signs only show while a screen x lies within -29..799.
enum class SignScreenTest : uint8_t { None, OwnX, FixedX };

struct QuestSign {
    int32_t slot;
    int32_t frame;
    int quest;
    int32_t x;
    int32_t y;
    float scaleX;
    float scaleY;
    SignScreenTest screenTest;
};

constexpr int32_t kSignTestWorldX = 2160;
constexpr int32_t kSignTestLeft = -29;
constexpr int32_t kSignTestRight = 799;

// In drawing order.
constexpr QuestSign kQuestSigns[] = {
    {kQuestSignsSlot, 0, 7, 807, 760, 0.9f, 0.95f, SignScreenTest::None},
    {kQuestSignsSlot, 3, 8, -434, 1365, 0.9f, 0.9f, SignScreenTest::None},
    {kQuestSignsSlot, 1, 9, -234, 1565, 0.9f, 0.9f, SignScreenTest::None},
    {kQuestSignsSlot, 2, 10, -434, 1765, 0.9f, 0.9f, SignScreenTest::None},
    {kQuestSignsSlot, 4, 18, 646, 325, 0.9f, 0.9f, SignScreenTest::None},
    {kQuestSignsSlot, 5, 21, 2046, -600, 0.9f, 0.9f, SignScreenTest::None},
    {kQuestSignsSlot, 6, 22, 2166, -880, 0.9f, 0.9f, SignScreenTest::None},
    {kQuestSignsSlot, 7, 25, -635, 1085, 0.9f, 0.9f, SignScreenTest::None},
    {kQuestSignsSlot, 8, 30, -315, 1166, 0.9f, 0.9f, SignScreenTest::None},
    {kQuestSignsSlot, 9, 43, -165, 1050, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSignsSlot, 10, 46, 206, 842, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSignsSlot, 11, 37, -675, 1764, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSignsSlot, 12, 38, -234, 1405, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSignsSlot, 13, 51, 964, 402, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSignsSlot, 14, 59, -1520, 1640, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSignsSlot, 15, 63, 1521, 562, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSigns2Slot, 0, 40, 284, 1200, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSigns2Slot, 1, 61, 122, 1642, 1.0f, 1.0f, SignScreenTest::OwnX},
    {kQuestSigns2Slot, 2, 72, 46, 962, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSigns2Slot, 3, 52, 1005, 1202, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSigns2Slot, 4, 74, 1084, 1762, 1.0f, 1.0f, SignScreenTest::OwnX},
    {kQuestSigns2Slot, 5, 67, -434, -360, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSigns2Slot, 6, 64, 1566, -398, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSigns2Slot, 7, 68, 1402, -560, 1.0f, 1.0f, SignScreenTest::None},
    {kQuestSigns2Slot, 8, 88, 2163, 844, 1.0f, 1.0f, SignScreenTest::FixedX},
    {kQuestSigns2Slot, 9, 89, 2169, 483, 1.0f, 1.0f, SignScreenTest::FixedX},
};

bool FreshPress(const InputDevice& mouse) {
    return mouse.ButtonPressed(0) != 0 || mouse.ButtonPressed(1) != 0;
}

bool PassesScreenTest(const QuestSign& sign, int32_t scrollX) {
    if (sign.screenTest == SignScreenTest::None) {
        return true;
    }
    const int64_t worldX = sign.screenTest == SignScreenTest::OwnX ? sign.x : kSignTestWorldX;
    const int64_t screenX = worldX - scrollX;
    return screenX >= kSignTestLeft && screenX <= kSignTestRight;
}

}  // namespace

bool MapView::ToScreen(int32_t world, int32_t scroll, int32_t& screen) {
    constexpr int64_t kFarOff = int64_t{1} << 24;
    const int64_t value = int64_t{world} - scroll;
    if (value < -kFarOff || value > kFarOff) {
        return false;
    }
    screen = static_cast<int32_t>(value);
    return true;
}

void MapView::Init(GraphicsDevice* device) {
    sprites = std::make_unique<SpriteSet>();
    sprites->Init(device, kMapViewSlotCount);
    sprites->SetAlphaTest(1);
    LoadPictures(*sprites, kMapViewPictures);
}

void MapView::Free() {
    DeleteSpriteSet(sprites);
}

int MapView::ClickRegion(int region, int32_t mouseX, int32_t mouseY, const InputDevice& mouse) {
    if (!FreshPress(mouse)) {
        return 0;
    }
    const MapRegion& cells = MapRegionNumber(region);
    const int64_t worldX = int64_t{mouseX} + scrollX;
    const int64_t worldY = int64_t{mouseY} + scrollY;
    const int32_t cell = MapCellInRegion(cells, worldX, worldY);
    if (cell == kNoMapCell) {
        return 0;
    }
    cellClicked = 1;
    clickHold = 1;
    clickedCell = cell;
    MapCellCorner(cell, clickedX, clickedY);
    return 1;
}

int MapView::ClickRegion1(int32_t mouseX, int32_t mouseY, const InputDevice& mouse) {
    return ClickRegion(1, mouseX, mouseY, mouse);
}

int MapView::ClickRegion2(int32_t mouseX, int32_t mouseY, const InputDevice& mouse) {
    return ClickRegion(2, mouseX, mouseY, mouse);
}

int MapView::ClickRegion3(int32_t mouseX, int32_t mouseY, const InputDevice& mouse) {
    return ClickRegion(3, mouseX, mouseY, mouse);
}

int MapView::ClickRegion4(int32_t mouseX, int32_t mouseY, const InputDevice& mouse) {
    return ClickRegion(4, mouseX, mouseY, mouse);
}

int MapView::ClickRegion5(int32_t mouseX, int32_t mouseY, const InputDevice& mouse) {
    return ClickRegion(5, mouseX, mouseY, mouse);
}

int MapView::ClickRegion6(int32_t mouseX, int32_t mouseY, const InputDevice& mouse) {
    return ClickRegion(6, mouseX, mouseY, mouse);
}

int MapView::ClickRegion7(int32_t mouseX, int32_t mouseY, const InputDevice& mouse) {
    return ClickRegion(7, mouseX, mouseY, mouse);
}

int MapView::ClickRegion8(int32_t mouseX, int32_t mouseY, const InputDevice& mouse) {
    return ClickRegion(8, mouseX, mouseY, mouse);
}

int MapView::ClickRegion9(int32_t mouseX, int32_t mouseY, const InputDevice& mouse) {
    return ClickRegion(9, mouseX, mouseY, mouse);
}

void MapView::ScrollDown(uint8_t step) {
    if (scrollY < kMapScrollMaxY) {
        scrollY += step;
    }
    if (scrollY > kMapScrollMaxY) {
        scrollY = kMapScrollMaxY;
    }
}

void MapView::ScrollUp(uint8_t step) {
    if (scrollY > kMapScrollMinY) {
        scrollY -= step;
    }
    if (scrollY < kMapScrollMinY) {
        scrollY = kMapScrollMinY;
    }
}

void MapView::ScrollRight(uint8_t step) {
    if (scrollX < kMapScrollMaxX) {
        scrollX += step;
    }
    if (scrollX > kMapScrollMaxX) {
        scrollX = kMapScrollMaxX;
    }
}

void MapView::ScrollLeft(uint8_t step) {
    if (scrollX > kMapScrollMinX) {
        scrollX -= step;
    }
    if (scrollX < kMapScrollMinX) {
        scrollX = kMapScrollMinX;
    }
}

void MapView::EdgeScroll(const MouseCursor& cursor, uint8_t step) {
    const int32_t px = cursor.x;
    const int32_t py = cursor.y;
    constexpr EdgeRect b = kBottomEdgeRect, t = kTopEdgeRect, r = kRightEdgeRect, l = kLeftEdgeRect;
    if (AtBottomEdge(b.left, b.top, b.width, b.height, px, py) != 0) {
        ScrollDown(step);
    }
    if (AtTopEdge(t.left, t.top, t.width, t.height, px, py) != 0) {
        ScrollUp(step);
    }
    if (AtRightEdge(r.left, r.top, r.width, r.height, px, py) != 0) {
        ScrollRight(step);
    }
    if (AtLeftEdge(l.left, l.top, l.width, l.height, px, py) != 0) {
        ScrollLeft(step);
    }
}

void MapView::Animate() {
    const uint32_t now = platform::TimeGetTime();
    if (animState == 1) {
        animStart = now;
        animState = 2;
    }
    if (animState != 2 || now <= animStart + kAnimationPeriodMs) {
        return;
    }
    animState = 1;
    if (animFrame > kLastAnimationFrame) {
        animFrame = kLastAnimationFrame;
    }
    if (animRising != 0) {
        if (++animFrame == kLastAnimationFrame) {
            animRising = 0;
        }
    } else if (animFrame == 0) {
        animFrame = 1;
        animRising = 1;
    } else {
        --animFrame;
    }
}

void MapView::DrawQuestMarkers(std::span<const uint8_t> questStates) {
    if (!sprites) {
        return;
    }
    for (const QuestSign& sign : kQuestSigns) {
        const size_t index = static_cast<size_t>(sign.quest - 1);
        int32_t x = 0;
        int32_t y = 0;
        if (index >= questStates.size() || questStates[index] >= kQuestGoalMet ||
            !PassesScreenTest(sign, scrollX) || !ToScreen(sign.x, scrollX, x) ||
            !ToScreen(sign.y, scrollY, y)) {
            continue;
        }
        sprites->Draw(sign.slot, sign.frame, x, y, kUntinted, sign.scaleX, sign.scaleY);
    }
}

}  // namespace varn
