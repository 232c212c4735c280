#pragma once

#include <cstddef>

// Heap allocations made by this process so far. Linking AllocationCounter.cpp replaces
// operator new with one that counts.
size_t AllocationCount();
