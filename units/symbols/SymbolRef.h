#pragma once

#include <list>
#include <memory_resource>

namespace velmar::platform::core::units {

class IParseSymbol;

// A reference to a parse symbol that deletes it on release only when it owns it. Objects made
// during one parse are owned by the list that holds them; registry and pattern symbols are
// shared and never owned. A copy never owns; a move takes the ownership along.
class SymbolRef {
public:
    SymbolRef() = default;
    SymbolRef(IParseSymbol* symbol, bool owned) : symbol(symbol), owned(owned) {}
    SymbolRef(const SymbolRef& other) : symbol(other.symbol) {}
    SymbolRef(SymbolRef&& other) noexcept : symbol(other.symbol), owned(other.owned) {
        other.owned = false;
    }
    SymbolRef& operator=(const SymbolRef& other) {
        if (this != &other)
            Reset(other.symbol, false);
        return *this;
    }
    SymbolRef& operator=(SymbolRef&& other) noexcept {
        if (this != &other) {
            Reset(other.symbol, other.owned);
            other.owned = false;
        }
        return *this;
    }
    ~SymbolRef() { Release(); }

    // Releases the current symbol, then refers to the new one.
    void Reset(IParseSymbol* newSymbol, bool newOwned) {
        Release();
        symbol = newSymbol;
        owned = newOwned;
    }
    void Release();

    IParseSymbol* symbol = nullptr;
    bool owned = false;
};

// The symbols of one parsed text, in text order; evaluation rewrites it in place. A parse
// keeps its lists in its arena.
using SymbolList = std::pmr::list<SymbolRef>;

} // namespace velmar::platform::core::units
