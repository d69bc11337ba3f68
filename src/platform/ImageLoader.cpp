#include "platform/ImageLoader.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/ArgbImage.h"
#include "platform/Backend.h"
#include "platform/BmpDecoder.h"
#include "platform/Files.h"
#include "platform/JpegDecoder.h"
#include "platform/PngDecoder.h"
#include "platform/ReportOnce.h"

namespace varn {

namespace platform {

namespace {

// The decoders refuse malformed and truncated data and sides over kMaxImageSide.
static_assert(kMaxImageSide == 8192);
constexpr const char* kDamagedBmp = "a BMP picture damaged, cut short or over 8192 pixels a side";
constexpr const char* kDamagedPng = "a PNG picture damaged, cut short or over 8192 pixels a side";
constexpr const char* kDamagedJpeg = "a JPEG picture damaged, cut short or over 8192 pixels a side";

// Null when the bytes decode, otherwise why they do not.
const char* DecodeAny(const uint8_t* data, size_t size, ArgbImage& image) {
    if (size == 0) {
        return "the file is empty";
    }
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        return DecodeBmp(data, size, image) ? nullptr : kDamagedBmp;
    }
    if (size >= 8 && data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G') {
        return DecodePng(data, size, image) ? nullptr : kDamagedPng;
    }
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) {
        return DecodeJpeg(data, size, image) ? nullptr : kDamagedJpeg;
    }
    return "neither a BMP, a PNG nor a JPEG picture";
}

// The colour as a texture holds it: five bits per channel.
uint16_t Quantise(uint32_t argb) {
    return static_cast<uint16_t>(((argb >> 9) & 0x7C00) | ((argb >> 6) & 0x03E0) |
                                 ((argb >> 3) & 0x001F));
}

void ToTexture(const ArgbImage& image, uint32_t colourKey, TextureImage& out) {
    const bool keyed = colourKey != 0;
    const uint16_t key = Quantise(colourKey);
    out.width = image.width;
    out.height = image.height;
    out.pixels.resize(image.pixels.size());
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        const uint32_t argb = image.pixels[i];
        const uint16_t colour = Quantise(argb);
        if (keyed && colour == key) {
            out.pixels[i] = 0;  // keyed pixels become transparent black
        } else {
            out.pixels[i] =
                static_cast<uint16_t>(colour | ((argb >> 24) >= 0x80 ? kTexelOpaque : 0));
        }
    }
}

// Null when decoded, otherwise why not.
const char* DecodeTexture(const uint8_t* data, size_t size, uint32_t colourKey, TextureImage& out) {
    ArgbImage image;
    if (const char* refusal = DecodeAny(data, size, image)) {
        return refusal;
    }
    ToTexture(image, colourKey, out);
    static std::atomic<uint64_t> decodings{0};
    out.serial = ++decodings;
    return nullptr;
}

}  // namespace

bool DecodeTextureImage(const uint8_t* data, size_t size, uint32_t colourKey, TextureImage& out) {
    return data != nullptr && DecodeTexture(data, size, colourKey, out) == nullptr;
}

void TraceTextureLoad(const char* gamePath, uint32_t colourKey) {
    char key[16];
    std::snprintf(key, sizeof key, "0x%08X", colourKey);
    Trace(std::string("texture.Load(") + (gamePath ? gamePath : "") + ", " + key + ")");
}

bool LoadTextureImage(const char* gamePath, uint32_t colourKey, TextureImage& out) {
    TraceTextureLoad(gamePath, colourKey);
    if (gamePath == nullptr) {
        return false;
    }
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(gamePath, bytes)) {
        // A missing picture is told by the missing folder's report; one that is there must show.
        std::error_code error;
        if (std::filesystem::exists(ResolvePath(gamePath), error)) {
            ReportOnce(FullPath(gamePath), "the picture cannot be read");
        }
        return false;
    }
    if (const char* refusal = DecodeTexture(bytes.data(), bytes.size(), colourKey, out)) {
        ReportOnce(FullPath(gamePath), std::string("the picture cannot be shown: ") + refusal);
        return false;
    }
    return true;
}

}  // namespace platform

}  // namespace varn
