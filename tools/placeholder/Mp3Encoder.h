#pragma once

#include <filesystem>
#include <string>

namespace varn {

namespace placeholder {

// Encodes a WAV file as MP3 with the lame command; on failure says why in error.
bool EncodeMp3WithLame(const std::filesystem::path& wav, const std::filesystem::path& mp3,
                       std::string& error);

}  // namespace placeholder

}  // namespace varn
