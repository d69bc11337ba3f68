#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>

#include "FuzzWorkingFolder.h"
#include "app/GameApp.h"
#include "engine/DataBlob.h"
#include "frontend/SaveFiles.h"
#include "platform/Files.h"
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

// Writes bytes as the file of save slot 1 in the working folder; false when it could not.
inline bool WriteFirstSlot(std::span<const uint8_t> bytes) {
    std::filesystem::create_directory("Saves");
    FILE* file = platform::OpenFile(SaveSlotPath(1).c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool whole = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && whole;
}

// Loads slot 1 through the game's own load step, as the load screen hands it over; false when
// the load refused it and the main menu came back.
inline bool LoadFirstSlot(GameApp& app) {
    app.loadSlot = 1;
    app.loadBlob = std::make_unique<DataBlob>();
    app.loadBlob->LoadFromFile(SaveSlotPath(1).c_str(), nullptr);
    app.SwitchState(LoadGameStateThunk, kPhaseSwitch);
    app.Frame();
    return app.stateHandler != MainMenuStateThunk;
}

}  // namespace varn
