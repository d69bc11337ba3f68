#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "FuzzWorkingFolder.h"
#include "engine/DataBlob.h"
#include "engine/Settings.h"

using namespace varn;

// The two files the game reads before it trusts anything: a save container and the settings
// text. Each input is written as both files in a private working folder and read back.

namespace {

void WriteFile(const char* path, const uint8_t* data, size_t size) {
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        std::abort();
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzWorkingFolder folder;
    std::filesystem::create_directories("Data");
    std::filesystem::create_directories("Saves");
    WriteFile("Saves/1.save", data, size);
    WriteFile("Data/data1.txt", data, size);

    DataBlob blob;
    uint32_t loaded = 0;
    uint8_t* bytes = blob.LoadFromFile("Saves\\1.save", &loaded);
    // A container is accepted only when it holds every byte its length promises (a file shorter
    // than its length field can only hold an empty one).
    const size_t held = size >= 4 ? size - 4 : 0;
    if (bytes != nullptr && (loaded > held || loaded != blob.size)) {
        std::abort();
    }
    if (bytes != nullptr && loaded > 0) {
        volatile uint8_t last = bytes[loaded - 1];
        (void)last;
    }

    Settings settings;
    settings.Load();
    return 0;
}
