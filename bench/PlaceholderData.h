#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/GameApp.h"
#include "platform/HeadlessBackend.h"

namespace varn {

// The placeholder set, generated once per benchmark program into a folder that becomes the
// working directory.
inline void EnterPlaceholderData() {
    static const std::filesystem::path folder = [] {
        char pattern[] = "/tmp/varn-bench-XXXXXX";
        std::filesystem::path made = mkdtemp(pattern);
        std::string command = std::string("'") + VARN_PLACEHOLDER_TOOL +
                              "' '" VARN_SOURCE_DIR "/tools/placeholder/manifest.txt' '" +
                              made.string() + "' > /dev/null";
        if (std::system(command.c_str()) != 0) {
            std::abort();
        }
        return made;
    }();
    std::filesystem::current_path(folder);
}

// The application brought up on a fresh headless backend.
inline void BringUp(GameApp& app) {
    platform::HeadlessBackend& backend = *platform::Headless();
    backend.Reset();
    backend.CreateMainWindow(app.caption, app.x, app.y, app.width, app.height);
    app.hWnd = &backend;
    app.Init();
}

}  // namespace varn
