#pragma once

#include <atomic>
#include <cstdint>

struct Mix_Chunk;

namespace varn {

namespace platform {

// The background track, decoded whole into memory and played on a mixer channel of its own, so
// it sounds together with the music stream. Playing to the end leaves a completion event; a
// stop or a seek by the game does not. Needs the mixer open while a track is held.
class SdlTrack {
  public:
    explicit SdlTrack(int channel) : channel_(channel) {}
    ~SdlTrack() { Close(); }
    SdlTrack(const SdlTrack&) = delete;
    SdlTrack& operator=(const SdlTrack&) = delete;

    bool Open(const char* path);
    void Close();
    bool IsOpen() const;
    bool Run();
    bool Stop();
    bool SetPosition(double seconds);
    void SetMixerVolume(int volume);
    // True once for each time the track has played to its end.
    bool TakeCompletion();

    // Called by the mixer, possibly from its own thread, when a channel falls silent.
    void OnChannelFinished(int channel);

  private:
    // Picks up a completion the mixer reported since the last look.
    void NoteCompletion();
    // Silences the channel without it counting as a completion.
    void Halt();
    bool PlayFromPosition();

    const int channel_;
    Mix_Chunk* whole_ = nullptr;
    Mix_Chunk* rest_ = nullptr;  // a view of whole_ from the start position on
    uint32_t position_ = 0;      // in bytes, a whole number of sample frames
    uint32_t frameBytes_ = 4;
    uint32_t bytesPerSecond_ = 0;
    bool running_ = false;
    bool paused_ = false;
    bool completionPending_ = false;
    uint32_t completionsSeen_ = 0;
    std::atomic<bool> halting_{false};
    std::atomic<uint32_t> completions_{0};
};

}  // namespace platform

}  // namespace varn
