#include "engine/AllocationWatch.h"

#include <cstdlib>
#include <new>

namespace varn {

namespace {

thread_local bool watching = false;
thread_local size_t watchCeiling = 0;
thread_local size_t largestRequest = 0;

void* Allocate(size_t size) {
    if (watching) {
        largestRequest = size > largestRequest ? size : largestRequest;
        if (size > watchCeiling) {
            throw std::bad_alloc();
        }
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void* AllocateOrNull(size_t size) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace

AllocationWatch::AllocationWatch(size_t ceiling) {
    watchCeiling = ceiling;
    largestRequest = 0;
    watching = true;
}

AllocationWatch::~AllocationWatch() {
    watching = false;
}

size_t AllocationWatch::Largest() const {
    return largestRequest;
}

}  // namespace varn

// The program's every allocation goes through the watch; each form of new has its delete here,
// so no memory is freed by another allocator than the one that gave it.
void* operator new(size_t size) {
    return varn::Allocate(size);
}
void* operator new[](size_t size) {
    return varn::Allocate(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    return varn::AllocateOrNull(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    return varn::AllocateOrNull(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
