#pragma once

#include <cstddef>

// Heap allocations made by this process so far (operator new is replaced in the benchmarks).
size_t AllocationCount();
