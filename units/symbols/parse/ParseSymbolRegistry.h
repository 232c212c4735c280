#pragma once

#include "units/UnitSymbolTable.h"
#include "units/number/TextTrie.h"
#include "units/symbols/IParseSymbol.h"

#include <QString>

#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace velmar::platform::core::units {

class TranslationSet;

// The process-wide table of parse symbols: the fixed operator and notation symbols with their
// texts, and the unit symbol objects of every locale used so far, each locale with the texts by
// which its symbols are recognised. Texts are matched case-sensitively by longest match.
//
// A parse sees the fixed texts, its own locale's texts and en-US's texts, never those of other
// locales, so that what a text means does not depend on which locales the process happened to
// load, nor in which order.
//
// The fixed entries are made once and only read afterwards. A locale's table is built once, the
// first time the locale is used, by one thread while others that need it wait; it is only read
// afterwards, and lookups in it take no lock.
class ParseSymbolRegistry {
public:
    static ParseSymbolRegistry& Instance();

    // The symbol of the longest text at text among the fixed texts and the texts of the given
    // tables (either may be null), and that text's length. On equal length a fixed text wins,
    // then own's, then fallback's. Null when no text starts there (or for an empty or null
    // text).
    IParseSymbol* Lookup(const wchar_t* text, size_t* length, const UnitSymbolTable* own = nullptr,
                         const UnitSymbolTable* fallback = nullptr) const;
    // Registers a fixed text for a symbol, not owned: 0, or 1 when the text is null or empty or
    // is registered already (it keeps its first symbol).
    int Register(const wchar_t* text, IParseSymbol* symbol);

    // The unit symbols of the set's locale, built (with their texts) the first time.
    const UnitSymbolTable& EnsureLocale(const TranslationSet& translations);
    // The unit symbols of en-US, whose texts every locale also reads; built the first time.
    const UnitSymbolTable& Fallback();

private:
    ParseSymbolRegistry();
    ParseSymbolRegistry(const ParseSymbolRegistry&) = delete;
    ParseSymbolRegistry& operator=(const ParseSymbolRegistry&) = delete;

    // A locale's table, built once.
    struct LocaleEntry {
        std::once_flag built;
        UnitSymbolTable table;
    };

    // Destroyed in reverse order: the unit symbols, the trie, then the fixed symbols.
    std::vector<std::unique_ptr<ISymbol>> ownedSymbols;
    TextTrie<IParseSymbol> symbolTrie; // the fixed texts
    std::map<QString, std::unique_ptr<LocaleEntry>> unitSymbolTables;
    const UnitSymbolTable* fallback = nullptr;
    // Guards unitSymbolTables and fallback while they grow; a table is built outside it, so
    // that building one locale holds up no other.
    std::mutex mutex;
};

} // namespace velmar::platform::core::units
