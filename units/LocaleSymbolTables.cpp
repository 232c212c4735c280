#include "units/LocaleSymbolTables.h"

#include "units/names/TranslationSet.h"
#include "units/symbols/parse/ParseSymbolRegistry.h"

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
                                         const UnitSymbolTable* fallback) {
    size_t best = 0;
    IParseSymbol* found = ParseSymbolRegistry::Instance().Lookup(text, &best);
    // In order of precedence: a later table wins only with a longer text.
    auto consider = [&](const UnitSymbolTable* table) {
        size_t matched = 0;
        if (IParseSymbol* symbol = table->Lookup(text, &matched); matched > best) {
            found = symbol;
            best = matched;
        }
    };
    if (own != nullptr)
        consider(own);
    if (fallback != nullptr && fallback != own)
        consider(fallback);
    if (length != nullptr)
        *length = best;
    return found;
}

} // namespace velmar::platform::core::units
