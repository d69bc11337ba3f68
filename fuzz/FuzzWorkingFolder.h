#pragma once

#include <stdlib.h>

#include <filesystem>

namespace varn {

// What a fuzzed game writes (its saves, the hall of fame, its settings) lands in a folder of
// the target's own, made for the run and removed when it ends. The game's paths are relative to
// the working folder, so each input is run inside it and the fuzzer's own files stay where it
// was started.
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

}  // namespace varn
