#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace varn {

// Small sound files made at test time: a sine tone as 16-bit PCM WAV, a short standard MIDI
// tune, and an MP3 of a WAV when the lame encoder is installed.
namespace sound_files {

inline void PutLittle(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

inline void PutBig(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

inline void PutText(std::vector<uint8_t>& out, const char* text) {
    out.insert(out.end(), text, text + 4);
}

// Mono 16-bit tone at half of full scale.
inline std::vector<uint8_t> ToneWav(int sampleRate, int milliseconds, double frequency) {
    uint32_t samples = static_cast<uint32_t>(sampleRate) * milliseconds / 1000;
    uint32_t dataBytes = samples * 2;
    std::vector<uint8_t> wav;
    PutText(wav, "RIFF");
    PutLittle(wav, 36 + dataBytes, 4);
    PutText(wav, "WAVE");
    PutText(wav, "fmt ");
    PutLittle(wav, 16, 4);
    PutLittle(wav, 1, 2);  // PCM
    PutLittle(wav, 1, 2);  // mono
    PutLittle(wav, sampleRate, 4);
    PutLittle(wav, sampleRate * 2, 4);
    PutLittle(wav, 2, 2);
    PutLittle(wav, 16, 2);
    PutText(wav, "data");
    PutLittle(wav, dataBytes, 4);
    for (uint32_t i = 0; i < samples; ++i) {
        double phase = 2.0 * M_PI * frequency * i / sampleRate;
        int16_t sample = static_cast<int16_t>(16000.0 * std::sin(phase));
        PutLittle(wav, static_cast<uint16_t>(sample), 2);
    }
    return wav;
}

// Format 0, 96 ticks a quarter note at the default tempo: three short notes on a piano.
inline std::vector<uint8_t> MidiTune() {
    std::vector<uint8_t> events;
    for (uint8_t note : {60, 64, 67}) {
        events.insert(events.end(), {0x00, 0x90, note, 100, 0x30, 0x80, note, 0});
    }
    events.insert(events.end(), {0x00, 0xFF, 0x2F, 0x00});
    std::vector<uint8_t> midi;
    PutText(midi, "MThd");
    PutBig(midi, 6, 4);
    PutBig(midi, 0, 2);
    PutBig(midi, 1, 2);
    PutBig(midi, 96, 2);
    PutText(midi, "MTrk");
    PutBig(midi, static_cast<uint32_t>(events.size()), 4);
    midi.insert(midi.end(), events.begin(), events.end());
    return midi;
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

inline bool HaveLame() {
    return std::system("command -v lame >/dev/null 2>&1") == 0;
}

// Encodes a WAV file into an MP3; false when lame is missing or fails.
inline bool EncodeMp3(const std::filesystem::path& wav, const std::filesystem::path& mp3) {
    if (!HaveLame()) {
        return false;
    }
    std::string command = "lame --quiet -b 32 '" + wav.string() + "' '" + mp3.string() + "'";
    return std::system(command.c_str()) == 0 && std::filesystem::exists(mp3);
}

}  // namespace sound_files

}  // namespace varn
