#include "units/symbols/parse/ParseSymbolRegistry.h"

#include "units/symbols/parse/FixedSymbols.h"

namespace velmar::platform::core::units {

namespace {

// The fixed symbols and their texts, in the order they are registered.
template <class Symbol>
std::pair<ISymbol*, std::vector<const wchar_t*>> Fixed(std::vector<const wchar_t*> texts) {
    return {new Symbol, std::move(texts)};
}

} // namespace

const ParseSymbolRegistry ParseSymbolRegistry::instance;

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

void ParseSymbolRegistry::Register(const wchar_t* text, IParseSymbol* symbol) {
    (void)symbolTrie.Insert(text, symbol, false, false);
}

} // namespace velmar::platform::core::units
