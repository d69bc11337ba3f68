#include "engine/StepTimer.h"

#include <cmath>
#include <limits>

namespace varn {

namespace {

// The increment is rate x ms x 0.001 in single precision, exactly as the animations were tuned.
constexpr float kPerMillisecond = 0.001f;
constexpr float kSeedScale = 0.02f;
constexpr float kAverageScale = 0.1f;
constexpr int32_t kSamplesPerBlock = 10;

// Truncation toward zero that saturates instead of overflowing on values no int32 can hold.
int32_t TruncateToInt(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483648.0f) {
        return std::numeric_limits<int32_t>::max();
    }
    if (value <= -2147483648.0f) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(value);
}

int32_t SaturateToInt(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (value < std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(value);
}

}  // namespace

float StepTimer::MeasureIncrement(int32_t rate, int32_t ms) {
    // The product is taken in 64 bits so that no rate and frame length can overflow it.
    int64_t product = static_cast<int64_t>(rate) * ms;
    lastIncrement = static_cast<float>(product) * kPerMillisecond;
    return lastIncrement;
}

uint8_t StepTimer::Steps(int32_t rate, int32_t ms) {
    float increment = MeasureIncrement(rate, ms);
    if (expected == kExpectedUnset) {
        expected = SaturateToInt(static_cast<int64_t>(TruncateToInt(seed) / 50) * rate / 500);
    }
    return TakeSteps(increment);
}

uint8_t StepTimer::StepsAveraged(int32_t rate, int32_t ms) {
    float increment = MeasureIncrement(rate, ms);
    if (expected == kExpectedUnset) {
        expected =
            SaturateToInt(static_cast<int64_t>(TruncateToInt(seed * kSeedScale)) * rate / 500);
    }
    RenewExpectedFromSamples(increment);
    return TakeSteps(increment);
}

void StepTimer::RenewExpectedFromSamples(float increment) {
    if (samples < kSamplesPerBlock) {
        sampleSum += increment;
        ++samples;
    }
    if (samples == kSamplesPerBlock) {
        average = TruncateToInt(sampleSum * kAverageScale);
        expected = average;
        samples = 0;
        sampleSum = 0.0f;
    }
}

uint8_t StepTimer::TakeSteps(float increment) {
    accumulator += increment;
    while (accumulator >= 1.0f && wholeSteps < kMaxStepsPerCall) {
        accumulator -= 1.0f;
        ++wholeSteps;
    }
    result = static_cast<uint8_t>(wholeSteps);
    // The limits are compared in 64 bits so that an extreme expected count cannot overflow, and
    // the byte never wraps: the loops stop at 0 and 255.
    const int64_t upper = static_cast<int64_t>(expected) + 1;
    const int64_t lower = static_cast<int64_t>(expected) - 1;
    while (result > upper && result > 0) {
        accumulator += 1.0f;
        --result;
    }
    while (result < lower && result < kMaxStepsPerCall) {
        accumulator -= 1.0f;
        ++result;
    }
    wholeSteps = 0;
    return result;
}

}  // namespace varn
