#pragma once

#include "units/UnitSymbolTable.h"
#include "units/number/TextTrie.h"
#include "units/symbols/IParseSymbol.h"

#include <QString>

#include <map>
#include <memory>
#include <vector>

namespace velmar::platform::core::units {

class TranslationSet;

// The process-wide table of parse symbols: the fixed operator and notation symbols, the unit
// symbol objects of every locale used so far, and the trie of the texts by which they are
// recognised. Texts are matched case-sensitively by longest match; the first symbol that
// registers a text keeps it.
//
// The fixed entries are made once and only read afterwards. A locale's unit symbols are built
// the first time the locale is used; build new locales on one thread at a time.
class ParseSymbolRegistry {
public:
    static ParseSymbolRegistry& Instance();

    // The symbol of the longest registered text at text, and that text's length; null when no
    // registered text starts there (or for an empty or null text).
    IParseSymbol* Lookup(const wchar_t* text, size_t* length) const;
    // Registers a text for a symbol, not owned: 0, or 1 when the text is null or empty or is
    // registered already (it keeps its first symbol).
    int Register(const wchar_t* text, IParseSymbol* symbol);

    // The unit symbols of the set's locale, built (and their texts registered) the first time.
    const UnitSymbolTable& EnsureLocale(const TranslationSet& translations);

private:
    ParseSymbolRegistry();
    ParseSymbolRegistry(const ParseSymbolRegistry&) = delete;
    ParseSymbolRegistry& operator=(const ParseSymbolRegistry&) = delete;

    // Destroyed in reverse order: the unit symbols, the trie, then the fixed symbols.
    std::vector<std::unique_ptr<ISymbol>> ownedSymbols;
    TextTrie<IParseSymbol> symbolTrie;
    std::map<QString, std::unique_ptr<UnitSymbolTable>> unitSymbolTables;
};

} // namespace velmar::platform::core::units
