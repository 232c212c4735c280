#pragma once

#include "units/UnitSymbolTable.h"

#include <QString>

#include <map>
#include <memory>
#include <mutex>

namespace velmar::platform::core::units {

class IParseSymbol;
class TranslationSet;

// The unit symbol tables of every locale used so far in the process, each built once, the
// first time a formatter of its locale is made, by one thread while others that need it wait;
// only read afterwards, without a lock.
//
// A parse sees the fixed texts, its own locale's texts and en-US's texts, never those of other
// locales, so that what a text means does not depend on which locales the process happened to
// load, nor in which order.
class LocaleSymbolTables {
public:
    static LocaleSymbolTables& Instance();

    // The unit symbols of the set's locale, built (with their texts) the first time.
    const UnitSymbolTable& EnsureLocale(const TranslationSet& translations);
    // The unit symbols of en-US, whose texts every locale also reads; built the first time.
    const UnitSymbolTable& Fallback();

    // The units a text names, when it names units of more than one value: the one the lookup
    // gives first, then the others, at most four.
    struct Candidates {
        IParseSymbol* symbols[4];
        size_t count = 0;
    };

    // The symbol of the longest text at text among the fixed texts and the texts of the given
    // tables (either may be null), and that text's length. On equal length a fixed text wins,
    // then own's, then fallback's. Null and 0 when no text starts there. With candidates, the
    // units of other values that the same text names in either table are listed there too
    // (only the found symbol when there are none).
    static IParseSymbol* Lookup(const wchar_t* text, size_t* length, const UnitSymbolTable* own,
                                const UnitSymbolTable* fallback, Candidates* candidates = nullptr);

private:
    LocaleSymbolTables() = default;
    LocaleSymbolTables(const LocaleSymbolTables&) = delete;
    LocaleSymbolTables& operator=(const LocaleSymbolTables&) = delete;

    // A locale's table, built once.
    struct LocaleEntry {
        std::once_flag built;
        UnitSymbolTable table;
    };

    std::map<QString, std::unique_ptr<LocaleEntry>> tables;
    const UnitSymbolTable* fallback = nullptr;
    // Guards tables and fallback while they grow; a table is built outside it, so that
    // building one locale holds up no other.
    std::mutex mutex;
};

} // namespace velmar::platform::core::units
