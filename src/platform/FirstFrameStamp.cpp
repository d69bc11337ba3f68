#include "platform/FirstFrameStamp.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace varn {

namespace platform {

void StampFirstFrame() {
    static bool stamped = false;
    if (stamped) {
        return;
    }
    stamped = true;
    const char* path = std::getenv("VARN_FIRST_FRAME_STAMP");
    if (path == nullptr || *path == '\0') {
        return;
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const long long nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    if (std::FILE* file = std::fopen(path, "w")) {
        std::fprintf(file, "%lld\n", nanoseconds);
        std::fclose(file);
    }
}

}  // namespace platform

}  // namespace varn
