#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "placeholder/MidiTune.h"
#include "placeholder/Mp3Encoder.h"
#include "placeholder/Tone.h"

namespace varn {

// Small sound files made at test time, as the placeholder generator makes them: a tone as 16-bit
// PCM WAV, a standard MIDI tune, and an MP3 of a WAV when the lame encoder is installed.
namespace sound_files {

// Each ordinal sounds different; the length is exact.
inline std::vector<uint8_t> ToneWav(int milliseconds, int ordinal) {
    return placeholder::EncodeWav(placeholder::SynthesizeTone(ordinal, milliseconds / 1000.0),
                                  placeholder::kSampleRate);
}

inline std::vector<uint8_t> MidiTune() {
    return placeholder::ComposeMidiTune(0);
}

inline bool Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

// False when lame is missing or fails.
inline bool EncodeMp3(const std::filesystem::path& wav, const std::filesystem::path& mp3) {
    std::string error;
    return placeholder::EncodeMp3WithLame(wav, mp3, error) && std::filesystem::exists(mp3);
}

}  // namespace sound_files

}  // namespace varn
