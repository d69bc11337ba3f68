#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/TextureImage.h"

namespace varn {

namespace platform {

// Reads a BMP, PNG or JPEG picture (told apart by its content) through the game's file layer and
// turns it into an A1R5G5B5 texture of the file's size. Pixels whose colour, quantised to five
// bits per channel, equals the ARGB colour key's become transparent black; a key of 0 keys
// nothing. Fails, leaving out untouched, for a missing, malformed or truncated file or one over
// 8192 pixels a side; a file that is there but cannot be read or decoded is reported on standard
// error, its path and why, once a run. Every call is traced as texture.Load(<path>, 0x<KEY>).
bool LoadTextureImage(const char* gamePath, uint32_t colourKey, TextureImage& out);

// The trace line of a load, for a picture that comes from memory instead of its file.
void TraceTextureLoad(const char* gamePath, uint32_t colourKey);

// The same from bytes in memory, without the trace or a report. Each decoding gets a serial of
// its own.
bool DecodeTextureImage(const uint8_t* data, size_t size, uint32_t colourKey, TextureImage& out);

}  // namespace platform

}  // namespace varn
