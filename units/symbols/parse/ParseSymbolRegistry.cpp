#include "units/symbols/parse/ParseSymbolRegistry.h"

#include "units/names/TranslationSet.h"
#include "units/symbols/parse/FixedSymbols.h"

namespace velmar::platform::core::units {

namespace {

// The fixed symbols and their texts, in the order they are registered.
template <class Symbol>
std::pair<ISymbol*, std::vector<const wchar_t*>> Fixed(std::vector<const wchar_t*> texts) {
    return {new Symbol, std::move(texts)};
}

} // namespace

ParseSymbolRegistry& ParseSymbolRegistry::Instance() {
    static ParseSymbolRegistry registry;
    return registry;
}

ParseSymbolRegistry::ParseSymbolRegistry() {
    const std::pair<ISymbol*, std::vector<const wchar_t*>> fixed[] = {
        Fixed<DivisionSymbol>({L"/"}),
        Fixed<SpaceSymbol>({L" "}),
        // Besides the middle dot, the signs people also type for a product: the asterisk, the
        // multiplication sign and the dot operator.
        Fixed<MultiplicationSymbol>({L"\u00b7", L"*", L"\u00d7", L"\u22c5"}),
        Fixed<SquareSymbol>({L"\u00b2"}),
        Fixed<CubicSymbol>({L"\u00b3"}),
        Fixed<LeftParenthesisSymbol>({L"(", L"\uff08"}),
        Fixed<RightParenthesisSymbol>({L")", L"\uff09"}),
        Fixed<PrimeSymbol>({L"\u2032", L"'", L"\u02b9", L"\u2019", L"\u02bc", L"\u2018"}),
        Fixed<DoublePrimeSymbol>({L"\u2033", L"\"", L"\u02ba", L"\u201d", L"\u201c"}),
        Fixed<DashSymbol>({L"\u2010", L"\u2012", L"\u2013", L"\u2014", L"\u2015", L"-", L"\u2043"}),
        Fixed<CaretSymbol>({L"^"}),
        Fixed<DegreeSymbol>({L"\u00b0"}),
        Fixed<NorthSymbol>({L"N"}),
        Fixed<EastSymbol>({L"E"}),
        Fixed<SouthSymbol>({L"S"}),
        Fixed<WestSymbol>({L"W"}),
        Fixed<DSymbol>({L"d"}),
        Fixed<GSymbol>({L"g"}),
    };
    for (const auto& [symbol, texts] : fixed) {
        ownedSymbols.emplace_back(symbol);
        for (const wchar_t* text : texts)
            Register(text, dynamic_cast<IParseSymbol*>(symbol));
    }
}

IParseSymbol* ParseSymbolRegistry::Lookup(const wchar_t* text, size_t* length,
                                          const UnitSymbolTable* own,
                                          const UnitSymbolTable* fallback) const {
    size_t best = 0;
    IParseSymbol* found = symbolTrie.Lookup(text, &best);
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

int ParseSymbolRegistry::Register(const wchar_t* text, IParseSymbol* symbol) {
    if (text == nullptr || *text == L'\0' || symbol == nullptr)
        return 1;
    return symbolTrie.Insert(text, symbol, false, false);
}

const UnitSymbolTable& ParseSymbolRegistry::EnsureLocale(const TranslationSet& translations) {
    LocaleEntry* entry = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::unique_ptr<LocaleEntry>& slot = unitSymbolTables[translations.LocaleName()];
        if (!slot)
            slot = std::make_unique<LocaleEntry>();
        entry = slot.get();
    }
    std::call_once(entry->built, [&] { entry->table.Build(translations); });
    return entry->table;
}

const UnitSymbolTable& ParseSymbolRegistry::Fallback() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (fallback != nullptr)
            return *fallback;
    }
    // Loading the set builds its table; the set itself is not needed afterwards. Should en-US
    // have no translation files, the set falls back as every set does, and so does this.
    TranslationSet english(QStringLiteral("en-US"));
    const UnitSymbolTable& table = EnsureLocale(english);
    std::lock_guard<std::mutex> lock(mutex);
    if (fallback == nullptr)
        fallback = &table;
    return *fallback;
}

} // namespace velmar::platform::core::units
