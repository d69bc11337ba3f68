#pragma once

#include <cstdint>

namespace varn {

// Turns the length of a frame into whole animation steps at a given rate, carrying the fraction
// to later frames and keeping each frame within one step of an expected count, so that a slow
// frame does not make an animation jump. Steps held back by that limit stay owed.
class StepTimer {
  public:
    // Not yet computed: the first call sets the expected count from the seed.
    static constexpr int32_t kExpectedUnset = 5000;
    // The result is a byte: a frame never takes more whole steps than this from the accumulator;
    // the rest stays owed like any step held back by the limit.
    static constexpr uint32_t kMaxStepsPerCall = 255;

    StepTimer() = default;

    // Steps for this frame with the expected count fixed at the first call.
    uint8_t Steps(int32_t rate, int32_t ms);
    // The same, with the expected count renewed every ten calls from their mean increment.
    uint8_t StepsAveraged(int32_t rate, int32_t ms);

    float accumulator = 0.0f;
    uint32_t wholeSteps = 0;
    uint8_t result = 0;
    float lastIncrement = 0.0f;
    int32_t average = 0;
    uint8_t samples = 0;
    float seed = 0.0f;
    float sampleSum = 0.0f;
    int32_t expected = kExpectedUnset;
    // This frame's steps as stored by the caller; the animation code reads it.
    uint8_t steps = 0;

  private:
    float MeasureIncrement(int32_t rate, int32_t ms);
    void RenewExpectedFromSamples(float increment);
    uint8_t TakeSteps(float increment);
};

}  // namespace varn
