#pragma once

#include <cstdint>

#include "platform/Audio.h"
#include "platform/SdlTrack.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace varn {

namespace platform {

// Sound through SDL_mixer: the effect and the background track on mixer channels of their own,
// the music on the mixer's music stream, MIDI through the General MIDI sound bank the system
// has installed. The mixer is process-wide, so only one device is open at a time.
class SdlAudio : public AudioDevice {
  public:
    SdlAudio() = default;
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    bool Open(int sampleRate) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    bool SetMasterVolume(int32_t hundredthsDb) override;

    bool LoadEffect(const char* path) override;
    bool PlayEffect(int repeats) override;
    void StopEffect() override;
    void UnloadEffect() override;
    bool SetEffectVolume(int32_t hundredthsDb) override;

    bool LoadMusic(const char* path) override;
    bool SetMusicStandardMidi() override;
    bool PlayMusic(int repeats) override;
    bool StopMusic() override;
    void UnloadMusic() override;
    bool SetMusicVolume(int32_t hundredthsDb) override;

    bool OpenTrack(const char* path) override;
    bool RunTrack() override;
    bool StopTrack() override;
    bool SetTrackPosition(double seconds) override;
    bool SetTrackVolume(int32_t hundredthsDb) override;
    bool TakeTrackEvent(int32_t& code) override;
    void CloseTrack() override;

    static constexpr int kEffectChannel = 0;
    static constexpr int kTrackChannel = 1;

  private:
    static void ChannelFinished(int channel);
    void ApplyEffectVolume();
    void ApplyMusicVolume();

    bool open_ = false;
    Mix_Chunk* effect_ = nullptr;
    Mix_Music* music_ = nullptr;
    SdlTrack track_{kTrackChannel};
    int32_t masterDb_ = 0;
    int32_t effectDb_ = 0;
    int32_t musicDb_ = 0;
};

// The mixer's volume 0..128 for a level in hundredths of a decibel: gain 10^(level / 2000),
// where 0 dB is full volume and anything louder is held at full volume.
int MixerVolume(double hundredthsDb);

}  // namespace platform

}  // namespace varn
