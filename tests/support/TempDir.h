#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace varn {

// A fresh folder that becomes the working directory for one test and is removed afterwards;
// the game resolves every file relative to the working directory.
class TempWorkingDir {
  public:
    TempWorkingDir() {
        char pattern[] = "/tmp/varn-test-XXXXXX";
        path_ = mkdtemp(pattern);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
    ~TempWorkingDir() {
        std::error_code error;
        std::filesystem::current_path(previous_, error);
        std::filesystem::remove_all(path_, error);
    }
    TempWorkingDir(const TempWorkingDir&) = delete;
    TempWorkingDir& operator=(const TempWorkingDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

}  // namespace varn
