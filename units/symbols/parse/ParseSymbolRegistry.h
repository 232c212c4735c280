#pragma once

#include "units/symbols/IParseSymbol.h"
#include "units/util/TextTrie.h"

#include <memory>
#include <vector>

namespace velmar::platform::core::units {

// The process-wide parse symbols that every locale shares: spaces, operators, parentheses and
// the marks and letters of the composite notations, with their texts. They are made when the
// library is loaded and only read afterwards. Texts are matched case-sensitively by longest
// match.
class ParseSymbolRegistry {
public:
    static const ParseSymbolRegistry& Instance() { return instance; }

    // The fixed symbol of the longest fixed text at text, and that text's length; null and 0
    // when none starts there (or for an empty or null text).
    IParseSymbol* Lookup(const wchar_t* text, size_t* length) const {
        return symbolTrie.Lookup(text, length);
    }

private:
    ParseSymbolRegistry();
    ParseSymbolRegistry(const ParseSymbolRegistry&) = delete;
    ParseSymbolRegistry& operator=(const ParseSymbolRegistry&) = delete;

    // Registers a text for a symbol, not owned; a text registered already keeps its first
    // symbol.
    void Register(const wchar_t* text, IParseSymbol* symbol);

    static const ParseSymbolRegistry instance;

    // Destroyed after the trie that refers to them.
    std::vector<std::unique_ptr<ISymbol>> ownedSymbols;
    TextTrie<IParseSymbol> symbolTrie;
};

} // namespace velmar::platform::core::units
