#include "Tone.h"

#include <cmath>
#include <numbers>

#include "Bytes.h"

namespace varn {

namespace placeholder {

namespace {

constexpr double kBaseFrequency = 220.0;
constexpr int kSemitonesPerOrdinal = 7;  // a fifth apart, wrapping within three octaves
constexpr int kPitchRange = 36;
constexpr double kAmplitude = 0.4 * 32767.0;
constexpr double kFadeSeconds = 0.01;  // no clicks at the ends of a beep

}  // namespace

std::vector<int16_t> SynthesizeTone(int ordinal, double seconds) {
    int semitones = (ordinal * kSemitonesPerOrdinal) % kPitchRange;
    double frequency = kBaseFrequency * std::pow(2.0, semitones / 12.0);
    int beeps = 1 + ordinal % 3;
    size_t total = static_cast<size_t>(seconds * kSampleRate);
    size_t beepLength = total / (2 * beeps - 1);  // beeps and gaps of equal length
    std::vector<int16_t> samples(total, 0);
    size_t fade = static_cast<size_t>(kFadeSeconds * kSampleRate);
    for (size_t i = 0; i < total; ++i) {
        size_t slot = i / beepLength;
        size_t within = i % beepLength;
        if (slot % 2 == 1 || slot >= static_cast<size_t>(2 * beeps - 1)) {
            continue;
        }
        double envelope = 1.0;
        if (within < fade) {
            envelope = static_cast<double>(within) / fade;
        } else if (beepLength - within < fade) {
            envelope = static_cast<double>(beepLength - within) / fade;
        }
        double phase = 2.0 * std::numbers::pi * frequency * i / kSampleRate;
        samples[i] = static_cast<int16_t>(std::lround(kAmplitude * envelope * std::sin(phase)));
    }
    return samples;
}

std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples, int sampleRate) {
    constexpr uint32_t kBytesPerSample = 2;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size()) * kBytesPerSample;
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    PutLittleEndian(out, 36 + dataBytes, 4);
    PutTag(out, "WAVEfmt ");
    PutLittleEndian(out, 16, 4);  // format chunk size
    PutLittleEndian(out, 1, 2);   // PCM
    PutLittleEndian(out, 1, 2);   // mono
    PutLittleEndian(out, static_cast<uint32_t>(sampleRate), 4);
    PutLittleEndian(out, static_cast<uint32_t>(sampleRate) * kBytesPerSample, 4);
    PutLittleEndian(out, kBytesPerSample, 2);  // block align
    PutLittleEndian(out, 16, 2);               // bits per sample
    PutTag(out, "data");
    PutLittleEndian(out, dataBytes, 4);
    for (int16_t sample : samples) {
        PutLittleEndian(out, static_cast<uint16_t>(sample), 2);
    }
    return out;
}

}  // namespace placeholder

}  // namespace varn
