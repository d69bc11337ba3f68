#pragma once

#include <filesystem>

#include "app/GameApp.h"
#include "platform/HeadlessBackend.h"
#include "support/GameData.h"

namespace varn {

// The placeholder set, generated once per benchmark program into a folder that becomes the
// working directory; both are removed when the program ends.
inline void EnterPlaceholderData() {
    static const GameDataDir data;
    std::filesystem::current_path(data.path());
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
