#pragma once

#include <cstdint>

#include "engine/AudioSystem.h"

namespace varn {

// The background MP3 track: built once, given one file, then run, stopped, rewound and its
// volume set; it reports the end of the track as an event. It plays through the audio system's
// device, so it stays silent when that device could not be opened.
class BackgroundTrack {
  public:
    static constexpr int32_t kEventComplete = 1;

    BackgroundTrack() = default;
    ~BackgroundTrack();
    BackgroundTrack(const BackgroundTrack&) = delete;
    BackgroundTrack& operator=(const BackgroundTrack&) = delete;

    // 1 when the audio system has an open device to play on.
    uint32_t Create(AudioSystem* audio);
    // The file name arrives widened, as the application prepares it.
    uint32_t RenderFile(const wchar_t* file);
    uint32_t Run();
    // Keeps the position: Run goes on from where the track stood.
    uint32_t Stop();
    uint32_t PutCurrentPosition(double seconds);
    // Hundredths of a decibel, set directly: 0 full, -10000 silent.
    uint32_t PutVolume(int32_t hundredthsDb);
    // Takes the next pending event into the three out-values; 1 when there was one. A positive
    // time-out waits that many milliseconds for one, a negative one until one arrives.
    uint32_t GetEvent(int32_t* code, int32_t* param1, int32_t* param2, int32_t timeoutMs);
    // Events carry no allocated parameters, so there is nothing to free.
    uint32_t FreeEventParams(int32_t code, int32_t param1, int32_t param2);
    uint32_t Release();

    platform::AudioDevice* device = nullptr;  // null until created
    uint8_t rendered = 0;                     // a file is open
};

}  // namespace varn
