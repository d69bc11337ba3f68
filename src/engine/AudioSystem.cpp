#include "engine/AudioSystem.h"

#include "platform/Audio.h"
#include "platform/Backend.h"

namespace varn {

AudioSystem::~AudioSystem() {
    Release();
}

uint32_t AudioSystem::Init(void* window, int sampleRate) {
    Release();
    this->window = window;
    if (window == nullptr) {
        return 0;
    }
    platform::AudioDevice& device = platform::Current().Audio();
    loader = &device;
    // Without a device the game runs silent: nothing to play on, so every later call fails.
    if (device.Open(sampleRate)) {
        performance = &device;
    }
    SetMasterVolume(100);
    return performance != nullptr ? 1 : 0;
}

uint32_t AudioSystem::Release() {
    if (performance != nullptr) {
        performance->Close();
        performance = nullptr;
    }
    loader = nullptr;
    return 1;
}

uint32_t AudioSystem::SetMasterVolume(int32_t volume) {
    if (performance == nullptr) {
        return 0;
    }
    int32_t folded = volume % 101;
    if (!performance->SetMasterVolume((folded * 5 - 450) * 20)) {
        return 0;
    }
    masterVolume = folded;
    return 1;
}

}  // namespace varn
