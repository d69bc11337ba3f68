#pragma once

#include <cstdint>

#include "platform/Backend.h"

namespace varn {

// The machine's input as a whole: the devices are made from it and bound to its window.
// Results are 1 for success and 0 for failure.
class InputSystem {
  public:
    InputSystem() = default;
    ~InputSystem();
    InputSystem(const InputSystem&) = delete;
    InputSystem& operator=(const InputSystem&) = delete;

    int Create(void* window);
    int Release();

    void* GetHwnd() const { return window; }
    platform::Backend* GetDirectInput() const { return directInput; }

    void* window = nullptr;
    // The backend that reads keyboard and mouse; not owned. Null until created.
    platform::Backend* directInput = nullptr;
};

}  // namespace varn
