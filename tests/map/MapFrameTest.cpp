#include "map/MapFixture.h"
#include "support/GoldenImage.h"

namespace varn {

namespace {

using MapFrame = MapFixture;

// The first map frame of a new game: the ground around the party at the start position, the
// quest signs and the panel.
TEST_F(MapFrame, NewGameMatchesItsGoldenImage) {
    ASSERT_EQ(view->scrollX, -1115);
    ASSERT_EQ(view->scrollY, 320);
    DrawMapFrame();
    ExpectMatchesGolden(backend().presented, "map-new-game");
}

}  // namespace

}  // namespace varn
