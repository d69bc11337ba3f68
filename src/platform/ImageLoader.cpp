#include "platform/ImageLoader.h"

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/ArgbImage.h"
#include "platform/Backend.h"
#include "platform/BmpDecoder.h"
#include "platform/Files.h"
#include "platform/JpegDecoder.h"
#include "platform/PngDecoder.h"

namespace varn {

namespace platform {

namespace {

bool DecodeAny(const uint8_t* data, size_t size, ArgbImage& image) {
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        return DecodeBmp(data, size, image);
    }
    if (size >= 8 && data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G') {
        return DecodePng(data, size, image);
    }
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) {
        return DecodeJpeg(data, size, image);
    }
    return false;
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

}  // namespace

bool DecodeTextureImage(const uint8_t* data, size_t size, uint32_t colourKey, TextureImage& out) {
    ArgbImage image;
    if (data == nullptr || !DecodeAny(data, size, image)) {
        return false;
    }
    ToTexture(image, colourKey, out);
    static std::atomic<uint64_t> decodings{0};
    out.serial = ++decodings;
    return true;
}

void TraceTextureLoad(const char* gamePath, uint32_t colourKey) {
    char key[16];
    std::snprintf(key, sizeof key, "0x%08X", colourKey);
    Trace(std::string("texture.Load(") + (gamePath ? gamePath : "") + ", " + key + ")");
}

bool LoadTextureImage(const char* gamePath, uint32_t colourKey, TextureImage& out) {
    TraceTextureLoad(gamePath, colourKey);
    std::vector<uint8_t> bytes;
    if (gamePath == nullptr || !ReadWholeFile(gamePath, bytes)) {
        return false;
    }
    return DecodeTextureImage(bytes.data(), bytes.size(), colourKey, out);
}

}  // namespace platform

}  // namespace varn
