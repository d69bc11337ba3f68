#pragma once

#include <cstdint>

namespace varn {

// The ten integers of "Data//data1.txt", read once at start-up; the first switches the
// frame-rate display on.
class Settings {
  public:
    static constexpr int kValueCount = 10;

    Settings() = default;
    virtual ~Settings() = default;

    // Reads the file the first time only; values that cannot be read stay 0.
    void Load();

    int32_t values[kValueCount] = {};
    uint8_t loadPending = 1;
};

}  // namespace varn
