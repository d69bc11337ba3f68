#pragma once

#include <string>

#include "platform/Audio.h"

namespace varn {

namespace platform {

// Audio without a sound card: every call is traced with its values, and files are only checked
// for existence (and music for the standard MIDI header), so callers see the same successes and
// failures as with real sound.
class HeadlessAudio : public AudioDevice {
  public:
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

    // Test controls.
    bool deviceAvailable = true;
    void FinishTrack() { trackFinished_ = true; }

    // What sounds now, for assertions.
    std::string effect;
    std::string music;
    std::string track;
    bool effectPlaying = false;
    bool musicPlaying = false;
    bool trackRunning = false;
    int32_t masterVolume = 0;
    int32_t effectVolume = 0;
    int32_t musicVolume = 0;
    int32_t trackVolume = 0;
    double trackPosition = 0.0;

  private:
    void ClearEffect();
    void ClearMusic();
    void ClearTrack();

    bool open_ = false;
    bool trackFinished_ = false;
};

}  // namespace platform

}  // namespace varn
