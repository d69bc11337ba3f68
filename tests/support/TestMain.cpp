#include <gtest/gtest.h>

#include "platform/Backend.h"

using namespace varn;

int main(int argc, char** argv) {
    // Every test runs on the headless backend: no window, no sound card, a clock the test moves.
    platform::UseHeadlessBackend();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
