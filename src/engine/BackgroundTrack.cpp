#include "engine/BackgroundTrack.h"

#include <chrono>
#include <cwchar>
#include <string>
#include <thread>

#include "platform/Audio.h"

namespace varn {

namespace {

// A wide file name back to the narrow one the platform takes; false when it does not convert.
bool Narrow(const wchar_t* wide, std::string& narrow) {
    std::mbstate_t state{};
    const wchar_t* source = wide;
    size_t length = std::wcsrtombs(nullptr, &source, 0, &state);
    if (length == static_cast<size_t>(-1)) {
        return false;
    }
    narrow.assign(length, '\0');
    source = wide;
    state = std::mbstate_t{};
    std::wcsrtombs(narrow.data(), &source, length, &state);
    return true;
}

}  // namespace

BackgroundTrack::~BackgroundTrack() {
    Release();
}

uint32_t BackgroundTrack::Create(AudioSystem* audio) {
    Release();
    if (audio == nullptr || audio->GetPerformance() == nullptr) {
        return 0;
    }
    device = audio->GetPerformance();
    return 1;
}

uint32_t BackgroundTrack::RenderFile(const wchar_t* file) {
    if (device == nullptr || file == nullptr) {
        return 0;
    }
    if (rendered != 0) {
        device->CloseTrack();
        rendered = 0;
    }
    std::string name;
    if (!Narrow(file, name) || !device->OpenTrack(name.c_str())) {
        return 0;
    }
    rendered = 1;
    return 1;
}

uint32_t BackgroundTrack::Run() {
    return rendered != 0 && device->RunTrack() ? 1 : 0;
}

uint32_t BackgroundTrack::Stop() {
    return rendered != 0 && device->StopTrack() ? 1 : 0;
}

uint32_t BackgroundTrack::PutCurrentPosition(double seconds) {
    return rendered != 0 && device->SetTrackPosition(seconds) ? 1 : 0;
}

uint32_t BackgroundTrack::PutVolume(int32_t hundredthsDb) {
    return rendered != 0 && device->SetTrackVolume(hundredthsDb) ? 1 : 0;
}

uint32_t BackgroundTrack::GetEvent(int32_t* code, int32_t* param1, int32_t* param2,
                                   int32_t timeoutMs) {
    if (code == nullptr || param1 == nullptr || param2 == nullptr || rendered == 0) {
        return 0;
    }
    using Clock = std::chrono::steady_clock;
    Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!device->TakeTrackEvent(*code)) {
        if (timeoutMs == 0 || (timeoutMs > 0 && Clock::now() >= deadline)) {
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    *param1 = 0;
    *param2 = 0;
    return 1;
}

uint32_t BackgroundTrack::FreeEventParams(int32_t, int32_t, int32_t) {
    return 1;
}

uint32_t BackgroundTrack::Release() {
    if (device != nullptr && rendered != 0) {
        device->CloseTrack();
    }
    rendered = 0;
    device = nullptr;
    return 1;
}

}  // namespace varn
