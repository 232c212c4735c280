#pragma once

#include "units/symbols/parse/ParseArena.h"

#include <cstddef>

namespace velmar::platform::core::units {

// The root of every symbol: the pieces of a parsed text (numbers, operators, notation marks,
// unit operands) and the writers of values with a unit symbol. Every owner deletes a symbol
// through this destructor.
class ISymbol {
public:
    virtual ~ISymbol() = default;

    // Symbols made while a text is parsed live in the parse's arena.
    static void* operator new(std::size_t size) { return ParseArena::Allocate(size); }
    static void operator delete(void* memory) noexcept { ParseArena::Deallocate(memory); }
};

} // namespace velmar::platform::core::units
