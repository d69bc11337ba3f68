#include "platform/PngDecoder.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace varn {

namespace platform {

namespace {

struct MemorySource {
    const uint8_t* data;
    size_t size;
    size_t position;
};

void ReadFromMemory(png_structp png, png_bytep target, png_size_t length) {
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (length > source->size - source->position) {
        png_error(png, "truncated");
    }
    std::memcpy(target, source->data + source->position, length);
    source->position += length;
}

// libpng reports errors through a callback that must not return: it jumps back to the decoder.
[[noreturn]] void FailDecode(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// Every colour type becomes blue, green, red, alpha bytes, which are one 0xAARRGGBB word each on
// this little-endian machine; 16-bit channels are scaled to 8 bits as they are, without gamma.
void RequestArgb(png_structp png, png_infop info) {
    const png_byte colourType = png_get_color_type(png, info);
    png_set_scale_16(png);
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(png);
    }
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_expand_gray_1_2_4_to_8(png);
        png_set_gray_to_rgb(png);
    }
    const bool transparentColour = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    if (transparentColour) {
        png_set_tRNS_to_alpha(png);
    }
    if ((colourType & PNG_COLOR_MASK_ALPHA) == 0 && !transparentColour) {
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    }
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

// Only trivially destructible objects live between setjmp and the libpng calls, so the jump back
// skips no destructor; out and rows are owned by the caller.
bool Decode(png_structp png, png_infop info, MemorySource& source, ArgbImage& out,
            std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_set_read_fn(png, &source, ReadFromMemory);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide) {
        return false;
    }
    RequestArgb(png, info);
    if (png_get_rowbytes(png, info) != width * 4) {
        return false;
    }
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.pixels.assign(static_cast<size_t>(width) * height, 0);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) {
        rows[y] = reinterpret_cast<png_bytep>(out.pixels.data() + static_cast<size_t>(y) * width);
    }
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

bool DecodePng(const uint8_t* data, size_t size, ArgbImage& out) {
    if (data == nullptr || size < 8 || png_sig_cmp(data, 0, 8) != 0) {
        return false;
    }
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, FailDecode, IgnoreWarning);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    MemorySource source{data, size, 0};
    std::vector<png_bytep> rows;
    const bool decoded = Decode(png, info, source, out, rows);
    png_destroy_read_struct(&png, &info, nullptr);
    return decoded;
}

}  // namespace platform

}  // namespace varn
