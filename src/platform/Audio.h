#pragma once

#include <cstdint>

namespace varn {

namespace platform {

// Volumes arrive in hundredths of a decibel, as the game computes them; the device turns them
// into gain. The master volume scales the effects and the music; the background track keeps its
// own volume. A device that could not be opened fails every operation and stays silent. File
// names are game paths (platform/Files.h).
class AudioDevice {
  public:
    virtual ~AudioDevice() = default;

    virtual bool Open(int sampleRate) = 0;
    // Stops and frees everything, the background track included.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual bool SetMasterVolume(int32_t hundredthsDb) = 0;

    // The one sound-effect channel: a new effect replaces whatever still sounds on it.
    // repeats is how often the effect is heard; 0 (or less) means until stopped.
    virtual bool LoadEffect(const char* path) = 0;
    virtual bool PlayEffect(int repeats) = 0;
    virtual void StopEffect() = 0;
    virtual void UnloadEffect() = 0;
    virtual bool SetEffectVolume(int32_t hundredthsDb) = 0;

    // Music: one piece loaded at a time, repeats as for effects.
    virtual bool LoadMusic(const char* path) = 0;
    // Declares the loaded music a standard MIDI file; fails when it is not one.
    virtual bool SetMusicStandardMidi() = 0;
    virtual bool PlayMusic(int repeats) = 0;
    virtual bool StopMusic() = 0;
    virtual void UnloadMusic() = 0;
    virtual bool SetMusicVolume(int32_t hundredthsDb) = 0;

    // The background MP3 track; it may sound together with the music. Stop keeps the position,
    // so Run goes on from where the track stood; SetTrackPosition(0) rewinds.
    virtual bool OpenTrack(const char* path) = 0;
    virtual bool RunTrack() = 0;
    virtual bool StopTrack() = 0;
    virtual bool SetTrackPosition(double seconds) = 0;
    virtual bool SetTrackVolume(int32_t hundredthsDb) = 0;
    // Takes the next pending track event; true and code 1 when the track has played to its end.
    virtual bool TakeTrackEvent(int32_t& code) = 0;
    virtual void CloseTrack() = 0;
};

}  // namespace platform

}  // namespace varn
