#pragma once

#include <cstddef>

namespace varn {

// Watches this thread's requests to operator new while it is in scope: it keeps the largest, and
// refuses one above the ceiling with std::bad_alloc, as a machine without the memory would, so
// code that asks for too much is caught without taking the memory.
class AllocationWatch {
  public:
    explicit AllocationWatch(size_t ceiling);
    ~AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;

    size_t Largest() const;
};

}  // namespace varn
