#pragma once

#include <cstddef>

// Heap allocations made by this process so far through operator new, and their bytes. Linking
// AllocationCounter.cpp replaces operator new with one that counts.
size_t AllocationCount();
size_t AllocatedBytes();
