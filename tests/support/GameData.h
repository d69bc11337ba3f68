#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace varn {

// A working folder holding the placeholder data set, generated once per test program: pictures
// (Art and Bitmaps) are linked in, the small Data folder is copied so a test may change it, Saves
// starts empty.
class GameDataDir : public TempWorkingDir {
  public:
    GameDataDir() {
        namespace fs = std::filesystem;
        const fs::path& set = SharedSet();
        fs::create_symlink(set / "Art", path() / "Art");
        fs::create_symlink(set / "Bitmaps", path() / "Bitmaps");
        fs::copy(set / "Data", path() / "Data", fs::copy_options::recursive);
        fs::create_directory(path() / "Saves");
    }

  private:
    // The generated set, removed when the test program ends. (Removing it from an atexit
    // handler registered while the set was being made ran after the set's own destruction, so
    // every test program left its 50 MB behind.)
    struct GeneratedSet {
        GeneratedSet() : folder(Generate()) {}
        ~GeneratedSet() {
            std::error_code error;
            std::filesystem::remove_all(folder, error);
        }
        std::filesystem::path folder;
    };

    static const std::filesystem::path& SharedSet() {
        static const GeneratedSet set;
        return set.folder;
    }

    static std::filesystem::path Generate() {
        char pattern[] = "/tmp/varn-data-XXXXXX";
        std::filesystem::path folder = mkdtemp(pattern);
        std::string command = std::string("'") + VARN_PLACEHOLDER_TOOL +
                              "' '" VARN_SOURCE_DIR "/tools/placeholder/manifest.txt' '" +
                              folder.string() + "' > /dev/null";
        if (std::system(command.c_str()) != 0) {
            std::abort();
        }
        return folder;
    }
};

}  // namespace varn
