#pragma once

#include <cstdint>
#include <string>

#include "engine/AudioSystem.h"

namespace varn {

// One sound-effect channel: one effect at a time, played over the music.
class Sound {
  public:
    Sound() = default;
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // 1 when the audio system has an open device to play on.
    uint32_t Init(AudioSystem* audio);
    uint32_t Release();
    // Cuts off whatever still sounds, then plays file repeats times (0: until stopped).
    uint32_t Play(const char* file, int32_t volume, int32_t repeats);
    uint32_t Stop();
    // volume 0..100 (folded by the remainder by 101): 100 x v - 10000 hundredths of a decibel.
    uint32_t SetVolume(int32_t volume);

    AudioSystem* audio = nullptr;
    platform::AudioDevice* audioPath = nullptr;  // the device's effect channel
    std::string segment;                         // the effect loaded last; empty when none
    int32_t volume = 0;
    int32_t repeats = 0;
};

}  // namespace varn
