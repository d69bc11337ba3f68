#pragma once

#include <cstdint>

namespace varn {

// The sound files the application plays by itself, and their volumes: 0..100 scales unless said.

inline constexpr int32_t kAudioSampleRate = 22050;
inline constexpr int32_t kFullMasterVolume = 100;

// A short sound at start-up, played once.
inline constexpr char kStartUpSound[] = "Data\\Vibrate.wav";
inline constexpr int32_t kStartUpSoundVolume = 5;

// The menu tune, looped: set to its volume on loading, then played at the volume of the moment.
inline constexpr char kMenuTune[] = "Data\\Music.mid";
inline constexpr int32_t kMenuTuneVolume = 90;
inline constexpr int32_t kMenuTuneStartVolume = 40;

// The background MP3 track, in hundredths of a decibel: quieter when it starts over.
inline constexpr char kBackgroundTrackFile[] = "Data\\Bedlam.mp3";
inline constexpr int32_t kTrackOpenVolume = -500;
inline constexpr int32_t kTrackRestartVolume = -700;

}  // namespace varn
