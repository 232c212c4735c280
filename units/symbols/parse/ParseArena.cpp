#include "units/symbols/parse/ParseArena.h"

#include <new>

namespace velmar::platform::core::units {

namespace {

thread_local ParseArena* current = nullptr;

// Every symbol's memory starts with where it came from, padded to keep the symbol aligned.
struct alignas(std::max_align_t) Header {
    bool fromHeap;
};

} // namespace

ParseArena::ParseArena() : resource_(buffer_, sizeof buffer_), previous_(current) {
    current = this;
}

ParseArena::~ParseArena() {
    current = previous_;
}

void* ParseArena::Allocate(std::size_t size) {
    void* memory = current != nullptr
                       ? current->resource_.allocate(sizeof(Header) + size, alignof(Header))
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
