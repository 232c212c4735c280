#include "units/symbols/parse/ParseArena.h"

#include <algorithm>
#include <new>

namespace velmar::platform::core::units {

namespace {

thread_local ParseArena* current = nullptr;

// Every symbol's memory starts with where it came from, padded to keep the symbol aligned.
struct alignas(std::max_align_t) Header {
    bool fromHeap;
};

// A block taken from the heap starts with the link to the block taken before it.
struct alignas(std::max_align_t) BlockHeader {
    void* previous;
};

constexpr std::size_t kHeapBlock = 16384;

} // namespace

ParseArena::ParseArena() : previous_(current) {
    current = this;
}

ParseArena::~ParseArena() {
    current = previous_;
    while (heapBlocks_ != nullptr) {
        void* previous = static_cast<BlockHeader*>(heapBlocks_)->previous;
        ::operator delete(heapBlocks_);
        heapBlocks_ = previous;
    }
}

void* ParseArena::Grow(std::size_t size, std::size_t alignment) {
    std::size_t capacity = std::max(kHeapBlock, size + alignment);
    void* block = ::operator new(sizeof(BlockHeader) + capacity);
    new (block) BlockHeader{heapBlocks_};
    heapBlocks_ = block;
    block_ = reinterpret_cast<std::byte*>(static_cast<BlockHeader*>(block) + 1);
    capacity_ = capacity;
    used_ = 0;
    return Bump(size, alignment);
}

void* ParseArena::Allocate(std::size_t size) {
    void* memory = current != nullptr ? current->Bump(sizeof(Header) + size, alignof(Header))
                                      : ::operator new(sizeof(Header) + size);
    auto* header = new (memory) Header{current == nullptr};
    return header + 1;
}

void ParseArena::Deallocate(void* memory) noexcept {
    if (memory == nullptr)
        return;
    Header* header = static_cast<Header*>(memory) - 1;
    if (header->fromHeap)
        ::operator delete(header);
}

} // namespace velmar::platform::core::units
