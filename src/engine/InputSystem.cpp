#include "engine/InputSystem.h"

namespace varn {

InputSystem::~InputSystem() {
    Release();
}

int InputSystem::Create(void* newWindow) {
    Release();
    window = newWindow;
    directInput = &platform::Current();
    return 1;
}

int InputSystem::Release() {
    directInput = nullptr;
    window = nullptr;
    return 1;
}

}  // namespace varn
