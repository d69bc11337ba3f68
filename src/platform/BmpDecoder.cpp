#include "platform/BmpDecoder.h"

#include <algorithm>
#include <bit>

namespace varn {

namespace platform {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;

enum Compression : uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kAlphaBitFields = 6,
};

uint32_t ReadU16(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8;
}

uint32_t ReadU32(const uint8_t* p) {
    return ReadU16(p) | ReadU16(p + 2) << 16;
}

// One channel of a bit-field pixel, scaled to eight bits.
class ChannelMask {
  public:
    explicit ChannelMask(uint32_t mask = 0) : mask_(mask) {
        if (mask != 0) {
            shift_ = std::countr_zero(mask);
            // A mask with gaps counts as its whole span.
            const int bits = std::bit_width(mask >> shift_);
            max_ = (uint64_t{1} << bits) - 1;
        }
    }
    bool present() const { return mask_ != 0; }
    uint32_t Extract(uint32_t pixel) const {
        if (mask_ == 0) {
            return 0;
        }
        const uint64_t value = (pixel & mask_) >> shift_;
        return static_cast<uint32_t>((value * 255 + max_ / 2) / max_);
    }

  private:
    uint32_t mask_ = 0;
    int shift_ = 0;
    uint64_t max_ = 1;
};

struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    uint32_t bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t colorsUsed = 0;
    size_t paletteOffset = 0;
    size_t paletteEntrySize = 4;
    size_t pixelOffset = 0;
    uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
};

bool ReadLayout(const uint8_t* data, size_t size, BmpLayout& layout) {
    if (size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') {
        return false;
    }
    layout.pixelOffset = ReadU32(data + 10);
    const uint32_t headerSize = ReadU32(data + kFileHeaderSize);
    const uint8_t* header = data + kFileHeaderSize;
    if (headerSize > size - kFileHeaderSize) {
        return false;
    }
    int64_t width = 0;
    int64_t height = 0;
    if (headerSize == kCoreHeaderSize) {
        width = ReadU16(header + 4);
        height = ReadU16(header + 6);
        layout.bitCount = ReadU16(header + 10);
        layout.paletteEntrySize = 3;
    } else if (headerSize >= kInfoHeaderSize) {
        width = static_cast<int32_t>(ReadU32(header + 4));
        height = static_cast<int32_t>(ReadU32(header + 8));
        layout.bitCount = ReadU16(header + 14);
        layout.compression = ReadU32(header + 16);
        layout.colorsUsed = ReadU32(header + 32);
    } else {
        return false;
    }
    layout.topDown = height < 0;
    height = height < 0 ? -height : height;
    if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide) {
        return false;
    }
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.paletteOffset = kFileHeaderSize + headerSize;

    if (layout.compression == kBitFields || layout.compression == kAlphaBitFields) {
        // The masks close a header large enough to hold them (the alpha mask from version 4 on),
        // else they follow it.
        size_t maskCount = layout.compression == kAlphaBitFields ? 4 : 3;
        const uint8_t* masks = header + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) {
            if (size - layout.paletteOffset < maskCount * 4) {
                return false;
            }
            layout.paletteOffset += maskCount * 4;
        } else {
            maskCount = std::min<size_t>(4, (headerSize - kInfoHeaderSize) / 4);
            if (maskCount < 3) {
                return false;
            }
        }
        for (size_t i = 0; i < maskCount; ++i) {
            layout.masks[i] = ReadU32(masks + 4 * i);
        }
    }
    return true;
}

bool ReadPalette(const uint8_t* data, size_t size, const BmpLayout& layout,
                 uint32_t (&palette)[256]) {
    std::fill(std::begin(palette), std::end(palette), 0xFF000000u);
    const size_t available = size_t{1} << layout.bitCount;
    const size_t count =
        layout.colorsUsed == 0 ? available : std::min<size_t>(layout.colorsUsed, available);
    if (layout.paletteOffset > size ||
        (size - layout.paletteOffset) / layout.paletteEntrySize < count) {
        return false;
    }
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = data + layout.paletteOffset + i * layout.paletteEntrySize;
        palette[i] = 0xFF000000u | static_cast<uint32_t>(entry[2]) << 16 |
                     static_cast<uint32_t>(entry[1]) << 8 | entry[0];
    }
    return true;
}

size_t ImageRow(const BmpLayout& layout, size_t fileRow) {
    return layout.topDown ? fileRow : static_cast<size_t>(layout.height) - 1 - fileRow;
}

// Run-length data into one palette index per pixel, rows in file order. Pixels the runs skip keep
// index 0. Running out of data before every row was reached is a truncated file.
bool DecodeRunLengths(const uint8_t* data, size_t size, const BmpLayout& layout,
                      std::vector<uint8_t>& indices) {
    const bool fourBit = layout.compression == kRle4;
    const int64_t width = layout.width;
    const int64_t height = layout.height;
    indices.assign(static_cast<size_t>(width * height), 0);
    auto put = [&](int64_t x, int64_t y, uint8_t index) {
        if (x < width && y < height) {
            indices[static_cast<size_t>(y * width + x)] = index;
        }
    };
    size_t pos = layout.pixelOffset;
    int64_t x = 0;
    int64_t y = 0;
    while (pos <= size && size - pos >= 2) {
        const uint8_t count = data[pos];
        const uint8_t value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k, ++x) {
                put(x, y, fourBit ? ((k & 1) ? value & 0x0F : value >> 4) : value);
            }
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (size - pos < 2) {
                return false;
            }
            x += data[pos];
            y += data[pos + 1];
            pos += 2;
        } else {
            const size_t bytes = fourBit ? (value + 1u) / 2u : value;
            if (size - pos < bytes) {
                return false;
            }
            for (int k = 0; k < value; ++k, ++x) {
                const uint8_t byte = data[pos + (fourBit ? k / 2 : k)];
                put(x, y, fourBit ? ((k & 1) ? byte & 0x0F : byte >> 4) : byte);
            }
            pos += (bytes + 1) & ~size_t{1};
        }
    }
    return y >= height;
}

bool DecodeRunLengthImage(const uint8_t* data, size_t size, const BmpLayout& layout,
                          const uint32_t (&palette)[256], ArgbImage& out) {
    std::vector<uint8_t> indices;
    if (!DecodeRunLengths(data, size, layout, indices)) {
        return false;
    }
    const size_t width = static_cast<size_t>(layout.width);
    for (size_t row = 0; row < static_cast<size_t>(layout.height); ++row) {
        const uint8_t* source = indices.data() + row * width;
        uint32_t* target = out.pixels.data() + ImageRow(layout, row) * width;
        for (size_t x = 0; x < width; ++x) {
            target[x] = palette[source[x]];
        }
    }
    return true;
}

bool DecodeUncompressed(const uint8_t* data, size_t size, const BmpLayout& layout,
                        const uint32_t (&palette)[256], ArgbImage& out) {
    const size_t width = static_cast<size_t>(layout.width);
    const size_t stride = (width * layout.bitCount + 31) / 32 * 4;
    if (layout.pixelOffset > size ||
        (size - layout.pixelOffset) / stride < static_cast<size_t>(layout.height)) {
        return false;
    }
    const ChannelMask red(layout.masks[0]);
    const ChannelMask green(layout.masks[1]);
    const ChannelMask blue(layout.masks[2]);
    const ChannelMask alpha(layout.masks[3]);
    for (size_t row = 0; row < static_cast<size_t>(layout.height); ++row) {
        const uint8_t* source = data + layout.pixelOffset + row * stride;
        uint32_t* target = out.pixels.data() + ImageRow(layout, row) * width;
        for (size_t x = 0; x < width; ++x) {
            switch (layout.bitCount) {
                case 1:
                case 4:
                case 8: {
                    const size_t bit = x * layout.bitCount;
                    const uint32_t byte = source[bit / 8];
                    const uint32_t shift = 8 - layout.bitCount - bit % 8;
                    target[x] = palette[(byte >> shift) & ((1u << layout.bitCount) - 1)];
                    break;
                }
                case 24:
                    target[x] = 0xFF000000u | static_cast<uint32_t>(source[3 * x + 2]) << 16 |
                                static_cast<uint32_t>(source[3 * x + 1]) << 8 | source[3 * x];
                    break;
                default: {
                    const uint32_t pixel =
                        layout.bitCount == 16 ? ReadU16(source + 2 * x) : ReadU32(source + 4 * x);
                    const uint32_t a = alpha.present() ? alpha.Extract(pixel) : 0xFF;
                    target[x] = a << 24 | red.Extract(pixel) << 16 | green.Extract(pixel) << 8 |
                                blue.Extract(pixel);
                    break;
                }
            }
        }
    }
    return true;
}

// Which bit depths go with which compression; fills in the default masks.
bool ResolveFormat(BmpLayout& layout) {
    switch (layout.compression) {
        case kRle8:
            return layout.bitCount == 8;
        case kRle4:
            return layout.bitCount == 4;
        case kBitFields:
        case kAlphaBitFields:
            return layout.bitCount == 16 || layout.bitCount == 32;
        case kRgb:
            if (layout.bitCount == 16) {
                layout.masks[0] = 0x7C00;
                layout.masks[1] = 0x03E0;
                layout.masks[2] = 0x001F;
            } else if (layout.bitCount == 32) {
                layout.masks[0] = 0x00FF0000;
                layout.masks[1] = 0x0000FF00;
                layout.masks[2] = 0x000000FF;
            }
            return layout.bitCount == 1 || layout.bitCount == 4 || layout.bitCount == 8 ||
                   layout.bitCount == 16 || layout.bitCount == 24 || layout.bitCount == 32;
        default:
            return false;
    }
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, ArgbImage& out) {
    BmpLayout layout;
    if (data == nullptr || !ReadLayout(data, size, layout) || !ResolveFormat(layout)) {
        return false;
    }
    uint32_t palette[256];
    if (layout.bitCount <= 8 && !ReadPalette(data, size, layout, palette)) {
        return false;
    }
    out.width = layout.width;
    out.height = layout.height;
    out.pixels.assign(static_cast<size_t>(layout.width) * static_cast<size_t>(layout.height), 0);
    const bool runLengths = layout.compression == kRle8 || layout.compression == kRle4;
    return runLengths ? DecodeRunLengthImage(data, size, layout, palette, out)
                      : DecodeUncompressed(data, size, layout, palette, out);
}

}  // namespace platform

}  // namespace varn
