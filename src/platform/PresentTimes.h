#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace varn {

namespace platform {

// For the live measurement of the present: when VARN_PRESENT_TIMES names a file, the game keeps
// how long each present took (the frame drawn onto the window's surface, and with the push to
// the window) and writes the medians there when it ends, over every present and over those that
// changed the picture.
class PresentTimes {
  public:
    // The file named by the environment, or empty when nobody asked.
    static std::string RequestedReport();

    void Add(std::chrono::nanoseconds drawing, std::chrono::nanoseconds withPush, bool changed);
    // Two lines: every present, and the presents that changed the picture.
    std::string Report() const;

  private:
    struct Samples {
        std::vector<int64_t> drawing;
        std::vector<int64_t> withPush;
    };
    static std::string Line(const char* what, const Samples& samples);

    Samples all_;
    Samples changed_;
};

// The median in microseconds; 0 without samples.
double MedianMicroseconds(std::vector<int64_t> nanoseconds);

}  // namespace platform

}  // namespace varn
