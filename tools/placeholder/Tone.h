#pragma once

#include <cstdint>
#include <vector>

namespace varn {

namespace placeholder {

constexpr int kSampleRate = 22050;

// A short tone that differs in pitch and in its number of beeps for each ordinal, so every sound
// of the set can be told apart by ear.
std::vector<int16_t> SynthesizeTone(int ordinal, double seconds);

// Mono 16-bit PCM samples as a WAV file.
std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples, int sampleRate);

}  // namespace placeholder

}  // namespace varn
