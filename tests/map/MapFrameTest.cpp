#include "map/MapFixture.h"
#include "support/CaptionHeight.h"
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

// The panel's captions read at one height, whatever scale each picture is drawn at: the small
// buttons, the large buttons' pictures and, hovered, their labels.
TEST_F(MapFrame, ThePanelsCaptionsReadAtOneHeight) {
    DrawMapFrame();
    const platform::BackBuffer& frame = backend().presented;
    const captions::Area quit{"Quit", 653, 15, 58, 26};
    captions::ExpectOneHeight(frame, {quit,
                                      {"Hide", 729, 15, 58, 26},
                                      {"Heroes", 664, 174, 118, 62},
                                      {"Wealth", 664, 244, 118, 62},
                                      {"End of day", 682, 444, 88, 34}});
    const struct {
        int32_t x, y;
        captions::Area label;
    } kHovered[] = {
        {700, 130, {"You", 664, 104, 118, 62}},
        {700, 200, {"Open heroes", 664, 174, 118, 29}},
        {700, 200, {"Heroes label", 664, 204, 118, 30}},
        {700, 270, {"Open wealth", 664, 244, 118, 30}},
        {700, 270, {"Wealth label", 664, 276, 118, 30}},
        {700, 340, {"Open quests", 664, 314, 118, 29}},
        {700, 340, {"Quests label", 664, 344, 118, 30}},
        {720, 405, {"Options", 682, 394, 88, 29}},
    };
    for (const auto& hovered : kHovered) {
        panel->Hover(hovered.x, hovered.y);
        DrawMapFrame();
        captions::ExpectOneHeight(frame, {quit, hovered.label});
    }
}

}  // namespace

}  // namespace varn
