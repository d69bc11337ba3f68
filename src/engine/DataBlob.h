#pragma once

#include <cstdint>
#include <vector>

namespace varn {

// An owned byte buffer stored in a file as a 32-bit little-endian length followed by the bytes:
// the container of the save files and the hall of fame.
class DataBlob {
  public:
    DataBlob() = default;
    DataBlob(const DataBlob&) = delete;
    DataBlob& operator=(const DataBlob&) = delete;

    // Replaces the buffer with an uninitialised one of size bytes; null when it cannot be had.
    uint8_t* Alloc(uint32_t newSize);
    // Safe to call repeatedly.
    void Free();
    // 1 when the file was written whole, 0 otherwise; an empty blob touches no file. The file is
    // replaced atomically, so a failed save leaves the previous one intact.
    uint32_t SaveToFile(const char* path);
    // The loaded bytes, or null with the blob empty. A file whose stored length promises more
    // bytes than it holds is refused (outSize 0). outSize may be null; it is left untouched when
    // the file cannot be opened.
    uint8_t* LoadFromFile(const char* path, uint32_t* outSize);

    // The buffer's first byte and length; null and 0 while the blob is empty.
    uint8_t* data = nullptr;
    uint32_t size = 0;

  private:
    std::vector<uint8_t> bytes_;
};

}  // namespace varn
