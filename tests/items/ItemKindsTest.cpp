#include "items/ItemKinds.h"

#include <gtest/gtest.h>

#include <climits>

namespace varn {

namespace {

TEST(ItemKinds, KindAtEveryRangeBoundary) {
    // {id, kind}: kinds numbered as ItemKind, 0 for ids without an item.
    const int cases[][2] = {{INT_MIN, 0}, {-1, 0},  {0, 0},   {1, 1},      {36, 1},  {37, 2},
                            {56, 2},      {57, 3},  {86, 3},  {87, 4},     {98, 4},  {99, 5},
                            {126, 5},     {127, 6}, {138, 6}, {139, 7},    {150, 7}, {151, 8},
                            {191, 8},     {192, 0}, {220, 0}, {221, 9},    {232, 9}, {233, 10},
                            {250, 10},    {251, 0}, {256, 0}, {INT_MAX, 0}};
    for (const auto& [id, kind] : cases) {
        EXPECT_EQ(static_cast<int>(KindOf(id)), kind) << "id " << id;
    }
}

}  // namespace

}  // namespace varn
