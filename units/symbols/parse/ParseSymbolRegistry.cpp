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
        Fixed<MultiplicationSymbol>({L"\u00b7"}),
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

IParseSymbol* ParseSymbolRegistry::Lookup(const wchar_t* text, size_t* length) const {
    return symbolTrie.Lookup(text, length);
}

int ParseSymbolRegistry::Register(const wchar_t* text, IParseSymbol* symbol) {
    if (text == nullptr || *text == L'\0' || symbol == nullptr)
        return 1;
    return symbolTrie.Insert(text, symbol, false, false);
}

const UnitSymbolTable& ParseSymbolRegistry::EnsureLocale(const TranslationSet& translations) {
    auto found = unitSymbolTables.find(translations.LocaleName());
    if (found != unitSymbolTables.end())
        return *found->second;
    // The entry exists, empty, before its table is built.
    UnitSymbolTable& table =
        *unitSymbolTables.emplace(translations.LocaleName(), std::make_unique<UnitSymbolTable>())
             .first->second;
    table.Build(translations, *this);
    return table;
}

} // namespace velmar::platform::core::units
