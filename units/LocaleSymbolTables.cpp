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
    bool fixed = found != nullptr;
    const UnitSymbolTable* tables[] = {own, fallback != own ? fallback : nullptr};
    IParseSymbol* matches[2] = {};
    size_t lengths[2] = {};
    // In order of precedence: a later table wins only with a longer text.
    for (int i = 0; i < 2; ++i) {
        if (tables[i] == nullptr)
            continue;
        matches[i] = tables[i]->Lookup(text, &lengths[i]);
        if (matches[i] != nullptr && lengths[i] > best) {
            found = matches[i];
            best = lengths[i];
            fixed = false;
        }
    }
    if (length != nullptr)
        *length = best;
    if (candidates != nullptr) {
        candidates->count = 0;
        auto add = [candidates](IParseSymbol* symbol) {
            for (size_t i = 0; i < candidates->count; ++i)
                if (UnitSymbolTable::SameValue(candidates->symbols[i], symbol))
                    return;
            if (candidates->count < std::size(candidates->symbols))
                candidates->symbols[candidates->count++] = symbol;
        };
        if (found != nullptr)
            add(found);
        // A fixed text is a mark or a letter: the context decides what it means. A locale's own
        // text that names a unit of the same dimension as en-US's overrides en-US's meaning.
        for (int i = 0; i < 2 && found != nullptr && !fixed; ++i) {
            if (matches[i] == nullptr || lengths[i] != best)
                continue;
            if (i == 1 && matches[0] != nullptr && lengths[0] == best &&
                UnitSymbolTable::SameDimension(matches[0], matches[1]))
                continue;
            add(matches[i]);
            if (const std::vector<IParseSymbol*>* others = tables[i]->Others(text, best))
                for (IParseSymbol* other : *others)
                    add(other);
        }
    }
    return found;
}

} // namespace velmar::platform::core::units
