#include "units/LocaleSymbolTables.h"

#include "units/names/TranslationSet.h"
#include "units/symbols/parse/ParseSymbolRegistry.h"

#include <iterator>

namespace velmar::platform::core::units {

LocaleSymbolTables& LocaleSymbolTables::Instance() {
    static LocaleSymbolTables instance;
    return instance;
}

const UnitSymbolTable& LocaleSymbolTables::EnsureLocale(const TranslationSet& translations) {
    LocaleEntry* entry = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::unique_ptr<LocaleEntry>& slot = tables[translations.LocaleName()];
        if (!slot)
            slot = std::make_unique<LocaleEntry>();
        entry = slot.get();
    }
    std::call_once(entry->built, [&] { entry->table.Build(translations); });
    return entry->table;
}

const UnitSymbolTable& LocaleSymbolTables::Fallback() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (fallback != nullptr)
            return *fallback;
    }
    // Should en-US have no translation files, the set falls back as every set does, and so
    // does this.
    TranslationSet english(QStringLiteral("en-US"));
    const UnitSymbolTable& table = EnsureLocale(english);
    std::lock_guard<std::mutex> lock(mutex);
    if (fallback == nullptr)
        fallback = &table;
    return *fallback;
}

IParseSymbol* LocaleSymbolTables::Lookup(const wchar_t* text, size_t* length,
                                         const UnitSymbolTable* own,
                                         const UnitSymbolTable* fallback, Candidates* candidates) {
    size_t best = 0;
    IParseSymbol* found = ParseSymbolRegistry::Instance().Lookup(text, &best);
    // In order of precedence: a later table wins only with a longer text.
    IParseSymbol* ownMatch = nullptr;
    size_t ownLength = 0;
    if (own != nullptr) {
        ownMatch = own->LookupText(text, &ownLength);
        if (ownMatch != nullptr && ownLength > best) {
            found = ownMatch;
            best = ownLength;
        }
    }
    IParseSymbol* fallbackMatch = nullptr;
    size_t fallbackLength = 0;
    if (fallback != nullptr && fallback != own) {
        fallbackMatch = fallback->LookupText(text, &fallbackLength);
        if (fallbackMatch != nullptr && fallbackLength > best) {
            found = fallbackMatch;
            best = fallbackLength;
        }
    }
    if (length != nullptr)
        *length = best;
    IParseSymbol* first = UnitSymbolTable::FirstNamed(found);
    if (candidates == nullptr)
        return first;
    candidates->count = 0;
    // Where both tables have the text, a locale's own text that names a unit of en-US's
    // dimension overrides en-US's meaning; one of another dimension stands beside it. A fixed
    // text is a mark or a letter: the context decides what it means.
    bool both = found == ownMatch && found != nullptr && fallbackMatch != nullptr &&
                fallbackLength == best &&
                first->UnitId() != UnitSymbolTable::FirstNamed(fallbackMatch)->UnitId() &&
                !UnitSymbolTable::SameDimension(first, UnitSymbolTable::FirstNamed(fallbackMatch));
    if (found == nullptr || ((found->kinds & AmbiguousText::kKind) == 0 && !both))
        return first;
    auto add = [candidates](IParseSymbol* symbol) {
        auto* ambiguous = (symbol->kinds & AmbiguousText::kKind) != 0
                              ? static_cast<AmbiguousText*>(symbol)
                              : nullptr;
        for (IParseSymbol* named :
             ambiguous != nullptr ? ambiguous->symbols : std::vector<IParseSymbol*>{symbol}) {
            bool known = false;
            for (size_t i = 0; i < candidates->count && !known; ++i)
                known = UnitSymbolTable::SameValue(candidates->symbols[i], named);
            if (!known && candidates->count < std::size(candidates->symbols))
                candidates->symbols[candidates->count++] = named;
        }
    };
    add(found);
    if (both)
        add(fallbackMatch);
    return first;
}

} // namespace velmar::platform::core::units
