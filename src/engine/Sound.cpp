#include "engine/Sound.h"

#include "platform/Audio.h"

namespace varn {

Sound::~Sound() {
    Release();
    audio = nullptr;
}

uint32_t Sound::Init(AudioSystem* audio) {
    Release();
    this->audio = audio;
    if (audio == nullptr || audio->GetPerformance() == nullptr || audio->GetLoader() == nullptr) {
        return 0;
    }
    audioPath = audio->GetPerformance();
    return 1;
}

uint32_t Sound::Release() {
    Stop();
    audioPath = nullptr;
    return 1;
}

uint32_t Sound::Play(const char* file, int32_t volume, int32_t repeats) {
    Stop();
    if (audioPath == nullptr || !audioPath->LoadEffect(file)) {
        return 0;
    }
    segment = file;
    this->repeats = repeats;
    SetVolume(volume);
    return audioPath->PlayEffect(repeats) ? 1 : 0;
}

uint32_t Sound::Stop() {
    if (!segment.empty() && audioPath != nullptr) {
        audioPath->StopEffect();
        audioPath->UnloadEffect();
    }
    segment.clear();
    return 1;
}

uint32_t Sound::SetVolume(int32_t volume) {
    if (audioPath == nullptr) {
        return 0;
    }
    int32_t folded = volume % 101;
    audioPath->SetEffectVolume((folded * 5 - 500) * 20);
    this->volume = folded;
    return 1;
}

}  // namespace varn
