#include "platform/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace varn {

namespace platform {

namespace {

// libjpeg reports errors through a callback that must not return: it jumps back to the decoder.
// Warnings (corrupt or truncated data, which libjpeg would paper over) end the decode as well.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf failed;
};

[[noreturn]] void FailDecode(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->failed, 1);
}

void FailOnWarning(j_common_ptr info, int level) {
    if (level < 0) {
        FailDecode(info);
    }
}

void Silence(j_common_ptr) {}

// Only trivially destructible objects live between setjmp and the libjpeg calls, so the jump
// back skips no destructor; out is owned by the caller.
bool Decode(const uint8_t* data, size_t size, ArgbImage& out, jpeg_decompress_struct& info,
            JpegErrors& errors) {
    if (setjmp(errors.failed) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    if (info.image_width < 1 || info.image_height < 1 || info.image_width > kMaxImageSide ||
        info.image_height > kMaxImageSide) {
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        return false;
    }
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.pixels.assign(static_cast<size_t>(info.output_width) * info.output_height, 0);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * 3, 1);
    while (info.output_scanline < info.output_height) {
        uint32_t* target =
            out.pixels.data() + static_cast<size_t>(info.output_scanline) * out.width;
        if (jpeg_read_scanlines(&info, row, 1) != 1) {
            return false;
        }
        const JSAMPLE* source = row[0];
        for (JDIMENSION x = 0; x < info.output_width; ++x) {
            target[x] = 0xFF000000u | static_cast<uint32_t>(source[3 * x]) << 16 |
                        static_cast<uint32_t>(source[3 * x + 1]) << 8 | source[3 * x + 2];
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, ArgbImage& out) {
    if (data == nullptr || size < 3 || data[0] != 0xFF || data[1] != 0xD8) {
        return false;
    }
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = FailDecode;
    errors.manager.emit_message = FailOnWarning;
    errors.manager.output_message = Silence;
    const bool decoded = Decode(data, size, out, info, errors);
    jpeg_destroy_decompress(&info);
    return decoded;
}

}  // namespace platform

}  // namespace varn
