#pragma once

#include <chrono>

namespace varn {

namespace platform {

// The time source the pacer waits on; tests give it a clock they move by hand.
class PacingClock {
  public:
    virtual ~PacingClock() = default;
    virtual std::chrono::nanoseconds Now() = 0;
    virtual void Sleep(std::chrono::nanoseconds duration) = 0;
};

// The machine's monotonic clock; sleeping gives the core away.
class SteadyPacingClock final : public PacingClock {
  public:
    std::chrono::nanoseconds Now() override;
    void Sleep(std::chrono::nanoseconds duration) override;
};

// Keeps frames from being shown faster than the display refreshes. Without a display that waits
// for its refresh the game would draw as fast as the processor allows, for nothing.
class FramePacer {
  public:
    explicit FramePacer(PacingClock& clock) : clock_(clock) {}

    // The display's refresh in hertz; 0 (unknown) or an implausible rate means 60.
    void SetRefreshRate(int hertz);
    std::chrono::nanoseconds Period() const { return period_; }

    // Called just before a frame is shown: sleeps until it is due. A frame that comes late is
    // shown at once and the next one is due a full period after it, so there is no burst to
    // catch up.
    void WaitForFrame();

  private:
    PacingClock& clock_;
    std::chrono::nanoseconds period_ = std::chrono::nanoseconds(1'000'000'000 / 60);
    std::chrono::nanoseconds due_{0};
    bool started_ = false;
};

}  // namespace platform

}  // namespace varn
