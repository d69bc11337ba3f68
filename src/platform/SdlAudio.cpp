#include "platform/SdlAudio.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <atomic>
#include <cmath>
#include <filesystem>

#include "platform/Files.h"

namespace varn {

namespace platform {

namespace {

// The device that holds the mixer, for the mixer's channel-finished callback.
std::atomic<SdlAudio*> openDevice{nullptr};

// General MIDI banks as Debian installs them; the first one present is used.
constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3",
};
// For a mixer that plays MIDI through its built-in Timidity instead of FluidSynth.
constexpr const char* kTimidityConfigs[] = {
    "/etc/timidity/timidity.cfg",
    "/etc/timidity/freepats.cfg",
    "/etc/timidity.cfg",
};

template <size_t N>
const char* FirstPresent(const char* const (&paths)[N]) {
    for (const char* path : paths) {
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            return path;
        }
    }
    return nullptr;
}

// MIDI must sound without any setting by the player, so the installed bank is named here.
void UseInstalledMidiBank() {
    if (const char* font = FirstPresent(kSoundFonts)) {
        Mix_SetSoundFonts(font);
    }
    if (const char* config = FirstPresent(kTimidityConfigs)) {
        Mix_SetTimidityCfg(config);
    }
}

// Repeats as the game counts them (times heard, 0 or less for ever) to the mixer's loop count.
int ChannelLoops(int repeats) {
    return repeats > 0 ? repeats - 1 : -1;
}

int MusicLoops(int repeats) {
    return repeats > 0 ? repeats : -1;
}

}  // namespace

int MixerVolume(double hundredthsDb) {
    double volume = MIX_MAX_VOLUME * std::pow(10.0, hundredthsDb / 2000.0);
    if (!(volume < MIX_MAX_VOLUME)) {
        return MIX_MAX_VOLUME;
    }
    return static_cast<int>(std::lround(volume));
}

SdlAudio::~SdlAudio() {
    Close();
}

bool SdlAudio::Open(int sampleRate) {
    Close();
    if (sampleRate <= 0) {
        return false;
    }
    SdlAudio* none = nullptr;
    if (!openDevice.compare_exchange_strong(none, this)) {
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        openDevice.store(nullptr);
        return false;
    }
    // Formats whose decoder is missing only fail their own loads.
    Mix_Init(MIX_INIT_MID | MIX_INIT_MP3);
    UseInstalledMidiBank();
    if (Mix_OpenAudio(sampleRate, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        openDevice.store(nullptr);
        return false;
    }
    Mix_AllocateChannels(2);
    Mix_ChannelFinished(&SdlAudio::ChannelFinished);
    open_ = true;
    masterDb_ = 0;
    effectDb_ = 0;
    musicDb_ = 0;
    ApplyEffectVolume();
    ApplyMusicVolume();
    return true;
}

void SdlAudio::Close() {
    if (!open_) {
        return;
    }
    track_.Close();
    UnloadEffect();
    UnloadMusic();
    Mix_ChannelFinished(nullptr);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
    openDevice.store(nullptr);
}

bool SdlAudio::SetMasterVolume(int32_t hundredthsDb) {
    if (!open_) {
        return false;
    }
    masterDb_ = hundredthsDb;
    ApplyEffectVolume();
    ApplyMusicVolume();
    return true;
}

bool SdlAudio::LoadEffect(const char* path) {
    UnloadEffect();
    if (!open_ || path == nullptr) {
        return false;
    }
    effect_ = Mix_LoadWAV(ResolvePath(path).c_str());
    return effect_ != nullptr;
}

bool SdlAudio::PlayEffect(int repeats) {
    if (!open_ || effect_ == nullptr) {
        return false;
    }
    return Mix_PlayChannel(kEffectChannel, effect_, ChannelLoops(repeats)) == kEffectChannel;
}

void SdlAudio::StopEffect() {
    if (open_) {
        Mix_HaltChannel(kEffectChannel);
    }
}

void SdlAudio::UnloadEffect() {
    if (effect_ == nullptr) {
        return;
    }
    StopEffect();
    Mix_FreeChunk(effect_);
    effect_ = nullptr;
}

bool SdlAudio::SetEffectVolume(int32_t hundredthsDb) {
    if (!open_) {
        return false;
    }
    effectDb_ = hundredthsDb;
    ApplyEffectVolume();
    return true;
}

bool SdlAudio::LoadMusic(const char* path) {
    UnloadMusic();
    if (!open_ || path == nullptr) {
        return false;
    }
    // Known by content, not by the name's extension, so a misnamed file cannot pass as MIDI.
    SDL_RWops* file = SDL_RWFromFile(ResolvePath(path).c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    music_ = Mix_LoadMUSType_RW(file, MUS_NONE, SDL_TRUE);
    return music_ != nullptr;
}

bool SdlAudio::SetMusicStandardMidi() {
    return open_ && music_ != nullptr && Mix_GetMusicType(music_) == MUS_MID;
}

bool SdlAudio::PlayMusic(int repeats) {
    if (!open_ || music_ == nullptr) {
        return false;
    }
    return Mix_PlayMusic(music_, MusicLoops(repeats)) == 0;
}

bool SdlAudio::StopMusic() {
    if (!open_ || music_ == nullptr) {
        return false;
    }
    Mix_HaltMusic();
    return true;
}

void SdlAudio::UnloadMusic() {
    if (music_ == nullptr) {
        return;
    }
    // Freeing music that plays halts it first.
    Mix_FreeMusic(music_);
    music_ = nullptr;
}

bool SdlAudio::SetMusicVolume(int32_t hundredthsDb) {
    if (!open_) {
        return false;
    }
    musicDb_ = hundredthsDb;
    ApplyMusicVolume();
    return true;
}

bool SdlAudio::OpenTrack(const char* path) {
    track_.Close();
    return open_ && track_.Open(path);
}

bool SdlAudio::RunTrack() {
    return open_ && track_.Run();
}

bool SdlAudio::StopTrack() {
    return open_ && track_.Stop();
}

bool SdlAudio::SetTrackPosition(double seconds) {
    return open_ && track_.SetPosition(seconds);
}

bool SdlAudio::SetTrackVolume(int32_t hundredthsDb) {
    if (!open_ || !track_.IsOpen()) {
        return false;
    }
    track_.SetMixerVolume(MixerVolume(hundredthsDb));
    return true;
}

bool SdlAudio::TakeTrackEvent(int32_t& code) {
    if (!open_ || !track_.TakeCompletion()) {
        return false;
    }
    code = 1;
    return true;
}

void SdlAudio::CloseTrack() {
    track_.Close();
}

void SdlAudio::ChannelFinished(int channel) {
    if (SdlAudio* device = openDevice.load()) {
        device->track_.OnChannelFinished(channel);
    }
}

void SdlAudio::ApplyEffectVolume() {
    Mix_Volume(kEffectChannel, MixerVolume(static_cast<double>(effectDb_) + masterDb_));
}

void SdlAudio::ApplyMusicVolume() {
    Mix_VolumeMusic(MixerVolume(static_cast<double>(musicDb_) + masterDb_));
}

}  // namespace platform

}  // namespace varn
