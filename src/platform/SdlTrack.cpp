#include "platform/SdlTrack.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include "platform/Files.h"

namespace varn {

namespace platform {

bool SdlTrack::Open(const char* path) {
    Close();
    if (path == nullptr) {
        return false;
    }
    // The mixer decodes the whole file into the device's own format.
    whole_ = Mix_LoadWAV(ResolvePath(path).c_str());
    if (whole_ == nullptr) {
        return false;
    }
    int frequency = 0;
    uint16_t format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    frameBytes_ = static_cast<uint32_t>(SDL_AUDIO_BITSIZE(format) / 8 * channels);
    if (frameBytes_ == 0) {
        frameBytes_ = 1;
    }
    bytesPerSecond_ = static_cast<uint32_t>(frequency) * frameBytes_;
    // A fresh track plays at full volume until told otherwise.
    Mix_Volume(channel_, MIX_MAX_VOLUME);
    return true;
}

void SdlTrack::Close() {
    if (whole_ == nullptr) {
        return;
    }
    Halt();
    Mix_FreeChunk(whole_);
    whole_ = nullptr;
    position_ = 0;
    completionPending_ = false;
}

bool SdlTrack::Run() {
    if (whole_ == nullptr) {
        return false;
    }
    NoteCompletion();
    if (running_) {
        return true;
    }
    if (paused_) {
        Mix_Resume(channel_);
        paused_ = false;
        running_ = true;
        return true;
    }
    return PlayFromPosition();
}

bool SdlTrack::Stop() {
    if (whole_ == nullptr) {
        return false;
    }
    NoteCompletion();
    if (running_) {
        // Pausing keeps the place, so a later Run goes on from there. The mixer marks a pause
        // with the clock's reading, and a reading of 0 would mark none.
        if (SDL_GetTicks() == 0) {
            SDL_Delay(1);
        }
        Mix_Pause(channel_);
        running_ = false;
        paused_ = true;
    }
    return true;
}

bool SdlTrack::SetPosition(double seconds) {
    if (whole_ == nullptr) {
        return false;
    }
    NoteCompletion();
    bool wasRunning = running_;
    Halt();
    double bytes = seconds * bytesPerSecond_;
    if (!(bytes > 0.0)) {
        position_ = 0;
    } else if (bytes >= whole_->alen) {
        position_ = whole_->alen;
    } else {
        position_ = static_cast<uint32_t>(bytes);
        position_ -= position_ % frameBytes_;
    }
    // A seek while running goes on playing from the new place.
    return wasRunning ? PlayFromPosition() : true;
}

void SdlTrack::SetMixerVolume(int volume) {
    Mix_Volume(channel_, volume);
}

bool SdlTrack::IsOpen() const {
    return whole_ != nullptr;
}

bool SdlTrack::TakeCompletion() {
    NoteCompletion();
    bool taken = completionPending_;
    completionPending_ = false;
    return taken;
}

void SdlTrack::OnChannelFinished(int channel) {
    if (channel == channel_ && !halting_.load()) {
        completions_.fetch_add(1);
    }
}

void SdlTrack::NoteCompletion() {
    uint32_t completions = completions_.load();
    if (completions == completionsSeen_) {
        return;
    }
    completionsSeen_ = completions;
    running_ = false;
    paused_ = false;
    position_ = whole_ != nullptr ? whole_->alen : 0;
    completionPending_ = true;
}

void SdlTrack::Halt() {
    halting_.store(true);
    Mix_HaltChannel(channel_);
    halting_.store(false);
    // An end reached just before the halt belongs to the play being replaced.
    completionsSeen_ = completions_.load();
    running_ = false;
    paused_ = false;
    if (rest_ != nullptr) {
        Mix_FreeChunk(rest_);
        rest_ = nullptr;
    }
}

bool SdlTrack::PlayFromPosition() {
    if (position_ >= whole_->alen) {
        // Nothing left to play: the track ends at once.
        completionPending_ = true;
        return true;
    }
    Mix_Chunk* chunk = whole_;
    if (position_ > 0) {
        rest_ = Mix_QuickLoad_RAW(whole_->abuf + position_, whole_->alen - position_);
        if (rest_ == nullptr) {
            return false;
        }
        chunk = rest_;
    }
    if (Mix_PlayChannel(channel_, chunk, 0) != channel_) {
        return false;
    }
    running_ = true;
    return true;
}

}  // namespace platform

}  // namespace varn
