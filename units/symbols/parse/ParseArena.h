#pragma once

#include <cstddef>
#include <memory_resource>

namespace velmar::platform::core::units {

// The memory of one parse. While it lives, the symbols that the parse makes (numbers,
// operands, results) come from it, and so do the nodes of the lists that hold them: from a
// buffer inside the arena, then from blocks on the heap when a text needs more. Nothing is
// given back before the arena goes, and then everything at once, so that reading a short text
// asks the heap for nothing.
//
// An arena serves the thread that made it; arenas of one thread nest. Objects made from an
// arena must be gone before it is: a parse declares its arena before its lists.
class ParseArena final : public std::pmr::memory_resource {
public:
    ParseArena();
    ~ParseArena() override;
    ParseArena(const ParseArena&) = delete;
    ParseArena& operator=(const ParseArena&) = delete;

    // Memory for a symbol: from this thread's arena while there is one, else from the heap.
    static void* Allocate(std::size_t size);
    // Gives a symbol's memory back: to the heap if it came from there; an arena's memory
    // goes with the arena.
    static void Deallocate(void* memory) noexcept;

private:
    void* Bump(std::size_t size, std::size_t alignment) {
        std::size_t at = (used_ + alignment - 1) & ~(alignment - 1);
        if (at + size > capacity_)
            return Grow(size, alignment);
        used_ = at + size;
        return block_ + at;
    }
    void* Grow(std::size_t size, std::size_t alignment);

    void* do_allocate(std::size_t size, std::size_t alignment) override {
        return Bump(size, alignment);
    }
    void do_deallocate(void*, std::size_t, std::size_t) override {}
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
        return this == &other;
    }

    alignas(std::max_align_t) std::byte buffer_[4096];
    std::byte* block_ = buffer_; // where memory is taken from now
    std::size_t capacity_ = sizeof buffer_;
    std::size_t used_ = 0;
    void* heapBlocks_ = nullptr; // the blocks taken from the heap, chained through their start
    ParseArena* previous_;
};

// The base of the symbols that a parse makes as it goes (numbers, operands, results, the marks
// it rewrites): they come from the parse's arena while there is one on the thread, else from
// the heap. Symbols made once and shared (the fixed symbols, the unit symbols) do not derive
// from it and live on the heap.
class ParseAllocated {
public:
    static void* operator new(std::size_t size) { return ParseArena::Allocate(size); }
    static void operator delete(void* memory) noexcept { ParseArena::Deallocate(memory); }
};

} // namespace velmar::platform::core::units
