#include "engine/Music.h"

#include <cstring>

#include "platform/Audio.h"

namespace varn {

namespace {

constexpr int32_t kSilentMusic = -9600;

}  // namespace

Music::~Music() {
    Unload();
}

uint32_t Music::Init(AudioSystem* audio) {
    Unload();
    this->audio = audio;
    if (audio == nullptr || audio->GetPerformance() == nullptr) {
        return 0;
    }
    return audio->GetLoader() != nullptr ? 1 : 0;
}

uint32_t Music::Load(const char* file) {
    Unload();
    if (audio == nullptr || audio->GetPerformance() == nullptr || audio->GetLoader() == nullptr) {
        return 0;
    }
    platform::AudioDevice* device = audio->GetLoader();
    if (!device->LoadMusic(file)) {
        return 0;
    }
    segment = file;
    if (std::strstr(file, ".mid") != nullptr && !device->SetMusicStandardMidi()) {
        // Nothing stays loaded after a failed load, so a later Play fails too.
        Unload();
        return 0;
    }
    return 1;
}

uint32_t Music::Unload() {
    Stop();
    if (audio != nullptr && !segment.empty() && audio->GetLoader() != nullptr) {
        audio->GetLoader()->UnloadMusic();
    }
    segment.clear();
    return 1;
}

uint32_t Music::Play(int32_t volume, int32_t repeats) {
    Stop();
    if (audio == nullptr || audio->GetPerformance() == nullptr || segment.empty()) {
        return 0;
    }
    SetVolume(volume);
    return audio->GetPerformance()->PlayMusic(repeats) ? 1 : 0;
}

uint32_t Music::Stop() {
    if (audio == nullptr || audio->GetPerformance() == nullptr || segment.empty()) {
        return 0;
    }
    return audio->GetPerformance()->StopMusic() ? 1 : 0;
}

uint32_t Music::SetVolume(int32_t volume) {
    if (audio == nullptr || audio->GetPerformance() == nullptr) {
        return 0;
    }
    int32_t folded = volume % 101;
    int32_t value = volume == 0 ? kSilentMusic : static_cast<int32_t>((100.0 - folded) * -32.0);
    if (!audio->GetPerformance()->SetMusicVolume(value)) {
        return 0;
    }
    this->volume = folded;
    return 1;
}

}  // namespace varn
