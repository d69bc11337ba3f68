#pragma once

#include <cstdint>

#include "FuzzWorkingFolder.h"
#include "app/GameApp.h"
#include "platform/HeadlessBackend.h"

namespace varn {

// Brings a game up on the headless backend, its clock moving frameMs a frame; no data set is
// needed: missing pictures draw nothing.
inline platform::HeadlessBackend& StartHeadlessGame(GameApp& app, uint32_t frameMs) {
    platform::HeadlessBackend& backend = *platform::Headless();
    backend.Reset();
    backend.presentAdvanceMs = frameMs;
    backend.CreateMainWindow(app.caption, app.x, app.y, app.width, app.height);
    app.hWnd = &backend;
    app.Init();
    return backend;
}

}  // namespace varn
