#include <cstddef>
#include <cstdint>

#include "platform/ArgbImage.h"
#include "platform/PngDecoder.h"

using namespace varn;

// Any bytes at all: the decoder must refuse or decode them without touching memory it does not own.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::ArgbImage image;
    if (platform::DecodePng(data, size, image)) {
        // A decoded picture is whole: every pixel is there.
        if (image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
            __builtin_trap();
        }
    }
    return 0;
}
