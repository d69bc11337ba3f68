#include "engine/Settings.h"

#include <fstream>

#include "platform/Files.h"

namespace varn {

void Settings::Load() {
    if (loadPending == 0) {
        return;
    }
    std::ifstream stream(platform::ResolvePath("Data//data1.txt"));
    // Reading stops at the first value that is not a number; the rest keep 0.
    for (int i = 0; i < kValueCount && !stream.fail(); ++i) {
        stream >> values[i];
    }
    loadPending = 0;
}

}  // namespace varn
