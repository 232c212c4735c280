#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<size_t> allocations{0};
std::atomic<size_t> bytes{0};
} // namespace

size_t AllocationCount() {
    return allocations.load(std::memory_order_relaxed);
}

size_t AllocatedBytes() {
    return bytes.load(std::memory_order_relaxed);
}

void* operator new(size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    bytes.fetch_add(size, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, size_t) noexcept {
    std::free(memory);
}
