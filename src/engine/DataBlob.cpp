#include "engine/DataBlob.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <vector>

#include "platform/Files.h"

namespace varn {

namespace {

constexpr size_t kLengthBytes = 4;

// The bytes of the file from the current position to its end, or -1 when that cannot be told.
long BytesLeftInFile(FILE* file) {
    long position = std::ftell(file);
    if (position < 0 || std::fseek(file, 0, SEEK_END) != 0) {
        return -1;
    }
    long end = std::ftell(file);
    if (end < position || std::fseek(file, position, SEEK_SET) != 0) {
        return -1;
    }
    return end - position;
}

// Up to four bytes of little-endian length; a shorter file gives the bytes present, high bytes 0.
uint32_t ReadLength(FILE* file) {
    uint8_t bytes[kLengthBytes] = {0, 0, 0, 0};
    size_t got = std::fread(bytes, 1, kLengthBytes, file);
    uint32_t length = 0;
    for (size_t i = 0; i < got; ++i) {
        length |= static_cast<uint32_t>(bytes[i]) << (8 * i);
    }
    return length;
}

}  // namespace

uint8_t* DataBlob::Alloc(uint32_t newSize) {
    Free();
    try {
        // A buffer of no bytes still has an address: the callers tell empty from made by it.
        bytes_.resize(newSize == 0 ? 1 : newSize);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    data = bytes_.data();
    size = newSize;
    return data;
}

void DataBlob::Free() {
    std::vector<uint8_t>().swap(bytes_);
    data = nullptr;
    size = 0;
}

uint32_t DataBlob::SaveToFile(const char* path) {
    if (data == nullptr || size == 0) {
        return 0;
    }
    std::vector<uint8_t> file(kLengthBytes + size);
    for (size_t i = 0; i < kLengthBytes; ++i) {
        file[i] = static_cast<uint8_t>(size >> (8 * i));
    }
    std::copy(data, data + size, file.begin() + kLengthBytes);
    return platform::WriteFileAtomically(path, file.data(), file.size()) ? 1 : 0;
}

uint8_t* DataBlob::LoadFromFile(const char* path, uint32_t* outSize) {
    Free();
    FILE* file = platform::OpenFile(path, "rb");
    if (file == nullptr) {
        return nullptr;
    }
    uint32_t length = ReadLength(file);
    long available = BytesLeftInFile(file);
    bool whole = available >= 0 && length <= static_cast<unsigned long>(available) &&
                 Alloc(length) != nullptr && std::fread(data, 1, length, file) == length;
    std::fclose(file);
    if (!whole) {
        Free();
    }
    if (outSize != nullptr) {
        *outSize = size;
    }
    return data;
}

}  // namespace varn
