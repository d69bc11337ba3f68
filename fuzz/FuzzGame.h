#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>

#include "app/GameApp.h"
#include "platform/HeadlessBackend.h"

namespace varn {

// What a fuzzed game writes (its saves, the hall of fame) lands in a folder of the target's own,
// made for the run and removed when it ends. The game's paths are relative to the working
// folder, so each input is run inside it and the fuzzer's own files stay where it was started.
class FuzzWorkingFolder {
  public:
    FuzzWorkingFolder() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(Folder().path);
    }
    ~FuzzWorkingFolder() { std::filesystem::current_path(previous_); }
    FuzzWorkingFolder(const FuzzWorkingFolder&) = delete;
    FuzzWorkingFolder& operator=(const FuzzWorkingFolder&) = delete;

  private:
    struct OwnFolder {
        OwnFolder() {
            char pattern[] = "/tmp/varn-fuzz-XXXXXX";
            if (mkdtemp(pattern) == nullptr) {
                abort();
            }
            path = pattern;
        }
        ~OwnFolder() {
            std::error_code error;
            std::filesystem::remove_all(path, error);
        }
        std::filesystem::path path;
    };

    static const OwnFolder& Folder() {
        static const OwnFolder folder;
        return folder;
    }

    std::filesystem::path previous_;
};

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
