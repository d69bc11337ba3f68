#pragma once

#include <cstdint>

namespace varn {

namespace platform {
class AudioDevice;
}

// The sound system the effects and the music play through. Both its pointers name the one audio
// device: the player (set only while the device is open) plays, the loader (set once the system
// has been set up) loads files, so without a sound card loads still find files and nothing plays.
class AudioSystem {
  public:
    AudioSystem() = default;
    ~AudioSystem();
    AudioSystem(const AudioSystem&) = delete;
    AudioSystem& operator=(const AudioSystem&) = delete;

    // window: the application's window, opaque here; null fails. 1 when the device opened.
    uint32_t Init(void* window, int sampleRate);
    uint32_t Release();
    platform::AudioDevice* GetPerformance() const { return performance; }
    platform::AudioDevice* GetLoader() const { return loader; }
    // volume 0..100 (folded by the remainder by 101): 100 x v - 9000 hundredths of a decibel.
    uint32_t SetMasterVolume(int32_t volume);

    void* window = nullptr;
    int32_t masterVolume = 0;
    platform::AudioDevice* performance = nullptr;
    platform::AudioDevice* loader = nullptr;
};

}  // namespace varn
