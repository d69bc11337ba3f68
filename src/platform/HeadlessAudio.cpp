#include "platform/HeadlessAudio.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/Backend.h"
#include "platform/Files.h"

namespace varn {

namespace platform {

namespace {

bool FileExists(const char* path) {
    if (path == nullptr) {
        return false;
    }
    FILE* file = OpenFile(path, "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

bool StartsWithMidiHeader(const char* path) {
    FILE* file = OpenFile(path, "rb");
    if (file == nullptr) {
        return false;
    }
    char header[4] = {};
    bool midi = std::fread(header, 1, sizeof header, file) == sizeof header &&
                std::memcmp(header, "MThd", sizeof header) == 0;
    std::fclose(file);
    return midi;
}

void TraceCall(const char* name, const std::string& argument) {
    Trace(std::string("audio.") + name + "(" + argument + ")");
}

}  // namespace

bool HeadlessAudio::Open(int sampleRate) {
    TraceCall("Open", std::to_string(sampleRate));
    open_ = deviceAvailable;
    return open_;
}

void HeadlessAudio::Close() {
    TraceCall("Close", "");
    ClearEffect();
    ClearMusic();
    ClearTrack();
    open_ = false;
}

bool HeadlessAudio::SetMasterVolume(int32_t hundredthsDb) {
    TraceCall("SetMasterVolume", std::to_string(hundredthsDb));
    if (!open_) {
        return false;
    }
    masterVolume = hundredthsDb;
    return true;
}

bool HeadlessAudio::LoadEffect(const char* path) {
    TraceCall("LoadEffect", path ? path : "null");
    ClearEffect();
    if (!open_ || !FileExists(path)) {
        return false;
    }
    effect = path;
    return true;
}

bool HeadlessAudio::PlayEffect(int repeats) {
    TraceCall("PlayEffect", std::to_string(repeats));
    if (!open_ || effect.empty()) {
        return false;
    }
    effectPlaying = true;
    return true;
}

void HeadlessAudio::StopEffect() {
    TraceCall("StopEffect", "");
    effectPlaying = false;
}

void HeadlessAudio::UnloadEffect() {
    TraceCall("UnloadEffect", "");
    ClearEffect();
}

void HeadlessAudio::ClearEffect() {
    effectPlaying = false;
    effect.clear();
}

bool HeadlessAudio::SetEffectVolume(int32_t hundredthsDb) {
    TraceCall("SetEffectVolume", std::to_string(hundredthsDb));
    if (!open_) {
        return false;
    }
    effectVolume = hundredthsDb;
    return true;
}

bool HeadlessAudio::LoadMusic(const char* path) {
    TraceCall("LoadMusic", path ? path : "null");
    ClearMusic();
    if (!open_ || !FileExists(path)) {
        return false;
    }
    music = path;
    return true;
}

bool HeadlessAudio::SetMusicStandardMidi() {
    TraceCall("SetMusicStandardMidi", "");
    return open_ && !music.empty() && StartsWithMidiHeader(music.c_str());
}

bool HeadlessAudio::PlayMusic(int repeats) {
    TraceCall("PlayMusic", std::to_string(repeats));
    if (!open_ || music.empty()) {
        return false;
    }
    musicPlaying = true;
    return true;
}

bool HeadlessAudio::StopMusic() {
    TraceCall("StopMusic", "");
    if (!open_ || music.empty()) {
        return false;
    }
    musicPlaying = false;
    return true;
}

void HeadlessAudio::UnloadMusic() {
    TraceCall("UnloadMusic", "");
    ClearMusic();
}

void HeadlessAudio::ClearMusic() {
    musicPlaying = false;
    music.clear();
}

bool HeadlessAudio::SetMusicVolume(int32_t hundredthsDb) {
    TraceCall("SetMusicVolume", std::to_string(hundredthsDb));
    if (!open_) {
        return false;
    }
    musicVolume = hundredthsDb;
    return true;
}

bool HeadlessAudio::OpenTrack(const char* path) {
    TraceCall("OpenTrack", path ? path : "null");
    ClearTrack();
    if (!open_ || !FileExists(path)) {
        return false;
    }
    track = path;
    return true;
}

bool HeadlessAudio::RunTrack() {
    TraceCall("RunTrack", "");
    if (track.empty()) {
        return false;
    }
    trackRunning = true;
    trackFinished_ = false;
    return true;
}

bool HeadlessAudio::StopTrack() {
    TraceCall("StopTrack", "");
    if (track.empty()) {
        return false;
    }
    trackRunning = false;
    return true;
}

bool HeadlessAudio::SetTrackPosition(double seconds) {
    TraceCall("SetTrackPosition", std::to_string(seconds));
    if (track.empty()) {
        return false;
    }
    trackPosition = seconds;
    return true;
}

bool HeadlessAudio::SetTrackVolume(int32_t hundredthsDb) {
    TraceCall("SetTrackVolume", std::to_string(hundredthsDb));
    if (track.empty()) {
        return false;
    }
    trackVolume = hundredthsDb;
    return true;
}

bool HeadlessAudio::TakeTrackEvent(int32_t& code) {
    if (!trackFinished_) {
        return false;
    }
    trackFinished_ = false;
    trackRunning = false;
    code = 1;
    return true;
}

void HeadlessAudio::CloseTrack() {
    TraceCall("CloseTrack", "");
    ClearTrack();
}

void HeadlessAudio::ClearTrack() {
    trackRunning = false;
    trackFinished_ = false;
    track.clear();
}

}  // namespace platform

}  // namespace varn
