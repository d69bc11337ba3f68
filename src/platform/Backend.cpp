#include "platform/Backend.h"

#include <memory>

#include "platform/HeadlessBackend.h"
#include "platform/SdlBackend.h"

namespace varn {

namespace platform {

namespace {

std::unique_ptr<Backend>& Slot() {
    static std::unique_ptr<Backend> backend;
    return backend;
}

}  // namespace

Backend& Current() {
    std::unique_ptr<Backend>& backend = Slot();
    if (!backend) {
        backend = std::make_unique<HeadlessBackend>();
    }
    return *backend;
}

void UseHeadlessBackend() {
    Slot() = std::make_unique<HeadlessBackend>();
}

void UseSdlBackend() {
    Slot() = std::make_unique<SdlBackend>();
}

HeadlessBackend* Headless() {
    return dynamic_cast<HeadlessBackend*>(&Current());
}

}  // namespace platform

}  // namespace varn
