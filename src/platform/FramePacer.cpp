#include "platform/FramePacer.h"

#include <thread>

namespace varn {

namespace platform {

namespace {

constexpr int kFallbackHertz = 60;
// Rates outside this range are taken for a driver's placeholder, not the display's.
constexpr int kLowestHertz = 24;
constexpr int kHighestHertz = 500;

}  // namespace

std::chrono::nanoseconds SteadyPacingClock::Now() {
    return std::chrono::steady_clock::now().time_since_epoch();
}

void SteadyPacingClock::Sleep(std::chrono::nanoseconds duration) {
    std::this_thread::sleep_for(duration);
}

void FramePacer::SetRefreshRate(int hertz) {
    if (hertz < kLowestHertz || hertz > kHighestHertz) {
        hertz = kFallbackHertz;
    }
    period_ = std::chrono::nanoseconds(1'000'000'000 / hertz);
    started_ = false;
}

void FramePacer::WaitForFrame() {
    const std::chrono::nanoseconds now = clock_.Now();
    if (!started_ || now >= due_) {
        started_ = true;
        due_ = now + period_;
        return;
    }
    clock_.Sleep(due_ - now);
    // From the time the frame was due, not the time the sleep ended: oversleeping does not add up.
    due_ += period_;
}

}  // namespace platform

}  // namespace varn
