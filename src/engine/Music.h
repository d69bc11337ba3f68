#pragma once

#include <cstdint>
#include <string>

#include "engine/AudioSystem.h"

namespace varn {

// The music: one piece at a time, played on the device's music stream.
class Music {
  public:
    Music() = default;
    ~Music();
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    uint32_t Init(AudioSystem* audio);
    // A name containing ".mid" (case-sensitive) must hold a standard MIDI file.
    uint32_t Load(const char* file);
    uint32_t Unload();
    // Sets its own volume before playing; repeats 0 plays for ever.
    uint32_t Play(int32_t volume, int32_t repeats);
    uint32_t Stop();
    // -32 x (100 - v) hundredths of a decibel, v folded by the remainder by 101; 0 is -9600.
    uint32_t SetVolume(int32_t volume);

    AudioSystem* audio = nullptr;
    std::string segment;  // the loaded file; empty when none
    int32_t volume = 0;
};

}  // namespace varn
