#pragma once

#include <cstddef>
#include <memory_resource>

namespace velmar::platform::core::units {

// The memory of one parse. While it lives, the symbols that the parse makes (numbers,
// operands, results) come from it, and so do the nodes of the lists that hold them: from a
// buffer inside the arena, then from the heap when a text needs more. Everything goes at once
// when the arena does, so that reading a short text asks the heap for nothing.
//
// An arena serves the thread that made it; arenas of one thread nest. Objects made from an
// arena must be gone before it is: a parse declares its arena before its lists.
class ParseArena {
public:
    ParseArena();
    ~ParseArena();
    ParseArena(const ParseArena&) = delete;
    ParseArena& operator=(const ParseArena&) = delete;

    std::pmr::memory_resource* Resource() { return &resource_; }

    // Memory for a symbol: from this thread's arena while there is one, else from the heap.
    static void* Allocate(std::size_t size);
    // Gives a symbol's memory back: to the heap if it came from there; an arena's memory
    // goes with the arena.
    static void Deallocate(void* memory) noexcept;

private:
    alignas(std::max_align_t) std::byte buffer_[4096];
    std::pmr::monotonic_buffer_resource resource_;
    ParseArena* previous_;
};

} // namespace velmar::platform::core::units
