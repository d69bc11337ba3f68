#include "platform/FrameChanges.h"

#include <gtest/gtest.h>

#include <vector>

namespace varn {

namespace {

using Bands = std::vector<platform::ChangedBand>;

TEST(FrameChangesTest, FindsTheChangedRowsAndTheirColumns) {
    platform::BackBuffer frame;
    frame.Resize(40, 50);
    platform::FrameChanges changes;
    EXPECT_EQ(changes.Compare(frame), (Bands{{0, 50, 0, 40}})) << "the first frame is all new";
    EXPECT_EQ(changes.Compare(frame), Bands{});

    frame.Row(3)[7] = 1;
    frame.Row(5)[30] = 1;   // close below: joined with row 3
    frame.Row(40)[0] = 1;   // far below: a band of its own
    frame.Row(40)[39] = 1;  // the last column
    EXPECT_EQ(changes.Compare(frame), (Bands{{3, 6, 7, 31}, {40, 41, 0, 40}}));
    EXPECT_EQ(changes.Compare(frame), Bands{}) << "the copy was brought up to date";

    // Rows exactly the join gap apart stay apart.
    frame.Row(10)[1] = 2;
    frame.Row(10 + platform::FrameChanges::kJoinGap + 1)[2] = 2;
    EXPECT_EQ(changes.Compare(frame).size(), 2u);
}

TEST(FrameChangesTest, ANewSizeOrAForgottenCopyIsAllNew) {
    platform::BackBuffer frame;
    frame.Resize(8, 4);
    platform::FrameChanges changes;
    changes.Compare(frame);
    changes.Forget();
    EXPECT_EQ(changes.Compare(frame), (Bands{{0, 4, 0, 8}}));
    frame.Resize(6, 4);
    EXPECT_EQ(changes.Compare(frame), (Bands{{0, 4, 0, 6}}));
    frame.pixels.assign(24, 7);
    EXPECT_EQ(changes.Compare(frame), (Bands{{0, 4, 0, 6}}));
}

}  // namespace

}  // namespace varn
