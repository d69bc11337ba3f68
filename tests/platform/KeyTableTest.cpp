#include "platform/KeyTable.h"

#include <SDL_scancode.h>
#include <gtest/gtest.h>

namespace varn {

using platform::KeyCodeFromScancode;

TEST(KeyTable, ScancodesOutsideTheTableHaveNoCode) {
    EXPECT_EQ(1, KeyCodeFromScancode(SDL_SCANCODE_ESCAPE));
    for (int scancode : {-1, 0, int{SDL_SCANCODE_AUDIOPLAY}, int{SDL_NUM_SCANCODES}, 1 << 20}) {
        EXPECT_EQ(0, KeyCodeFromScancode(scancode)) << scancode;
    }
}

}  // namespace varn
