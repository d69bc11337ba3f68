#include <array>
#include <vector>

#include "engine/MouseCursor.h"
#include "map/MapFixture.h"
#include "map/MapViewPictures.h"
#include "world/MapCells.h"

namespace varn {

namespace {

class MapViewTest : public MapFixture {
  protected:
    InputDevice& mouse() { return game.app.mouseCursor.mouse; }

    // The mouse as the next frame reads it.
    void SetButtons(bool left, bool right) {
        backend().SetButton(0, left);
        backend().SetButton(1, right);
        mouse().Update();
    }

    int Click(int region, int32_t x, int32_t y) {
        using Handler = int (MapView::*)(int32_t, int32_t, const InputDevice&);
        constexpr Handler kHandlers[] = {
            &MapView::ClickRegion1, &MapView::ClickRegion2, &MapView::ClickRegion3,
            &MapView::ClickRegion4, &MapView::ClickRegion5, &MapView::ClickRegion6,
            &MapView::ClickRegion7, &MapView::ClickRegion8, &MapView::ClickRegion9,
        };
        return (view.get()->*kHandlers[region - 1])(x, y, mouse());
    }

    // The region whose cell numbers hold a cell.
    static int RegionOf(int32_t cell) {
        for (int region = 1; region <= 9; ++region) {
            const MapRegion& r = MapRegionNumber(region);
            if (cell >= r.firstCell && cell <= r.LastCell()) {
                return region;
            }
        }
        return 0;
    }
};

TEST_F(MapViewTest, EveryCellIsClickedThroughItsOwnRegionOnly) {
    SetButtons(true, false);
    for (int32_t cell = 1; cell <= kMapCellCount; ++cell) {
        int32_t x = 0;
        int32_t y = 0;
        ASSERT_TRUE(MapCellCorner(cell, x, y));
        // The cell's last pixel, somewhere inside the screen.
        view->scrollX = x - 300 - cell % 400;
        view->scrollY = y - 200 - cell % 300;
        const int32_t mouseX = x + 39 - view->scrollX;
        const int32_t mouseY = y + 39 - view->scrollY;
        const int region = RegionOf(cell);
        for (int other = 1; other <= 9; ++other) {
            if (other != region) {
                ASSERT_EQ(Click(other, mouseX, mouseY), 0) << cell << " in region " << other;
            }
        }
        view->cellClicked = 0;
        ASSERT_EQ(Click(region, mouseX, mouseY), 1) << cell;
        ASSERT_EQ(view->clickedCell, cell);
        ASSERT_EQ(std::pair(view->clickedX, view->clickedY), std::pair(x, y));
        ASSERT_EQ(view->cellClicked, 1);
        ASSERT_EQ(view->clickHold, 1);
    }
}

TEST_F(MapViewTest, OnlyAFreshPressOfEitherButtonClicksAndTheLatchIsLeftAlone) {
    view->scrollX = -1115;
    view->scrollY = 320;
    // The pointer at (400, 300) is world (-715, 620): region 1, column 2, row 30.
    SetButtons(false, false);
    EXPECT_EQ(Click(1, 400, 300), 0);
    EXPECT_EQ(view->cellClicked, 0);
    EXPECT_EQ(view->clickedCell, 0);

    SetButtons(false, true);
    EXPECT_EQ(Click(1, 400, 300), 1);
    EXPECT_EQ(view->clickedCell, 1 + 30 * 50 + 2);
    EXPECT_EQ(mouse().ButtonPressed(1), 1);

    // A press already used by someone else is no click.
    mouse().SetLatch(1, 1);
    view->clickedCell = 0;
    EXPECT_EQ(Click(1, 400, 300), 0);
    EXPECT_EQ(view->clickedCell, 0);
}

TEST_F(MapViewTest, EdgeScrollingStaysWithinTheLimits) {
    struct Case {
        int32_t px, py;
        int32_t startX, startY;
        uint8_t step;
        int32_t endX, endY;
    };
    const Case cases[] = {
        {400, 300, 0, 0, 10, 0, 0},   // the middle: nothing
        {400, 598, 0, 0, 10, 0, 10},  // bottom
        {400, 2, 0, 0, 10, 0, -10},   // top
        {796, 300, 0, 0, 10, 10, 0},  // right
        {2, 300, 0, 0, 10, -10, 0},   // left
        {2, 2, 0, 0, 7, -7, -7},      // a corner moves both ways in one frame
        {796, 598, 0, 0, 7, 7, 7},
        {796, 598, 2955, 1475, 10, 2958, 1480},  // a step past a limit stops on it
        {2, 2, -1820, -1220, 10, -1826, -1226},
        {2, 2, -1826, -1226, 10, -1826, -1226},  // at the limit: no further
        {796, 300, 3100, 0, 10, 2958, 0},        // beyond it (set elsewhere): pulled back
        {400, 598, 0, 1600, 0, 0, 1480},
        {400, 300, 3100, 1600, 10, 3100, 1600},  // ...only when the edge is touched
    };
    MouseCursor& cursor = game.app.mouseCursor;
    for (const Case& c : cases) {
        cursor.x = c.px;
        cursor.y = c.py;
        view->scrollX = c.startX;
        view->scrollY = c.startY;
        view->EdgeScroll(cursor, c.step);
        EXPECT_EQ(std::pair(view->scrollX, view->scrollY), std::pair(c.endX, c.endY))
            << c.px << ", " << c.py << " from " << c.startX << ", " << c.startY;
    }
}

TEST_F(MapViewTest, TheFlagsWaveUpAndDownOneStepPerPeriod) {
    std::vector<int> frames;
    uint32_t now = 1000;
    for (int call = 0; call < 40; ++call) {
        backend().now = now;
        view->Animate();
        frames.push_back(view->animFrame);
        now += 101;
    }
    // A period starts at the first call after a step and needs more than 200 ms: three calls.
    const std::vector<int> expected = {0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 2, 2, 2, 1, 1, 1, 0, 0, 0,
                                       1, 1, 1, 2, 2, 2, 3, 3, 3, 2, 2, 2, 1, 1, 1, 0, 0, 0, 1, 1};
    EXPECT_EQ(frames, expected);

    // Exactly 200 ms is not yet a step; a wrapped clock still steps.
    MapView fresh;
    backend().now = 0xFFFFFF00u;
    fresh.Animate();
    backend().now = 0xFFFFFF00u + 200;
    fresh.Animate();
    EXPECT_EQ(fresh.animFrame, 0);
    backend().now = 0xFFFFFF00u + 201;
    fresh.Animate();
    EXPECT_EQ(fresh.animFrame, 1);
}

TEST_F(MapViewTest, QuestSignsShowUntilTheirQuestsGoalIsMet) {
    auto signsDrawn = [&](int32_t scrollX, int32_t scrollY, std::array<uint8_t, 100> states) {
        view->scrollX = scrollX;
        view->scrollY = scrollY;
        backend().draws.clear();
        backend().recordDraws = true;
        view->DrawQuestMarkers(states);
        backend().recordDraws = false;
        std::vector<std::pair<int32_t, int32_t>> drawn;
        for (const platform::SpriteDrawRecord& draw : backend().draws) {
            drawn.emplace_back(static_cast<int32_t>(draw.x) + scrollX,
                               static_cast<int32_t>(draw.y) + scrollY);
        }
        return drawn;
    };
    std::array<uint8_t, 100> states{};
    // Far from the east, the signs that test their screen x are gone and the others stay.
    EXPECT_EQ(signsDrawn(-1115, 320, states).size(), 22u);
    // With quest 7 at each state: the sign at (807, 760) stays below goal met.
    for (uint8_t state = 0; state <= 7; ++state) {
        states[6] = state;
        const auto drawn = signsDrawn(600, 600, states);
        const bool shown =
            std::find(drawn.begin(), drawn.end(), std::pair(807, 760)) != drawn.end();
        EXPECT_EQ(shown, state < 5) << int{state};
    }
    // Signs 25 and 26 test world x 2160 on screen (-29..799), not their own 2163 and 2169.
    states = {};
    auto eastSigns = [&](int32_t scrollX) {
        int count = 0;
        for (const auto& position : signsDrawn(scrollX, 600, states)) {
            count += position == std::pair(2163, 844) || position == std::pair(2169, 483);
        }
        return count;
    };
    EXPECT_EQ(eastSigns(2160 + 29), 2);
    EXPECT_EQ(eastSigns(2160 + 30), 0);
    EXPECT_EQ(eastSigns(2160 - 799), 2);
    EXPECT_EQ(eastSigns(2160 - 800), 0);
    // A short array hides the signs of the quests it lacks; a far scroll draws nothing.
    const std::array<uint8_t, 7> few{};
    view->DrawQuestMarkers(few);
    view->scrollX = INT32_MIN;
    view->DrawQuestMarkers(states);
}

}  // namespace

}  // namespace varn
