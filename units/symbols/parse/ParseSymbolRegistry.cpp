#include "units/symbols/parse/ParseSymbolRegistry.h"

#include "units/symbols/parse/FixedSymbols.h"

namespace velmar::platform::core::units {

namespace {

// The fixed symbols and their texts, in the order they are registered.
template <class Symbol, class... Arguments>
std::pair<ISymbol*, std::vector<const wchar_t*>> Fixed(std::vector<const wchar_t*> texts,
                                                       Arguments... arguments) {
    return {new Symbol(arguments...), std::move(texts)};
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
        // Superscript powers, and their negatives with the superscript minus.
        Fixed<PowerSymbol>({L"\u00b9"}, 1),
        Fixed<PowerSymbol>({L"\u00b2"}, 2),
        Fixed<PowerSymbol>({L"\u00b3"}, 3),
        Fixed<PowerSymbol>({L"\u2074"}, 4),
        Fixed<PowerSymbol>({L"\u207b\u00b9"}, -1),
        Fixed<PowerSymbol>({L"\u207b\u00b2"}, -2),
        Fixed<PowerSymbol>({L"\u207b\u00b3"}, -3),
        Fixed<PowerSymbol>({L"\u207b\u2074"}, -4),
        Fixed<LeftParenthesisSymbol>({L"(", L"\uff08"}),
        Fixed<RightParenthesisSymbol>({L")", L"\uff09"}),
        // The prime, and what keyboards and fonts give in its place: the apostrophe, the
        // modifier letters, the quotation marks, the acute and grave accents, the reversed prime.
        Fixed<PrimeSymbol>({L"\u2032", L"'", L"\u02b9", L"\u2019", L"\u02bc", L"\u2018", L"\u00b4",
                            L"`", L"\u2035"}),
        // The double prime, its look-alikes, and two primes or apostrophes typed for it.
        Fixed<DoublePrimeSymbol>(
            {L"\u2033", L"\"", L"\u02ba", L"\u201d", L"\u201c", L"''", L"\u2032\u2032"}),
        Fixed<DashSymbol>({L"\u2010", L"\u2012", L"\u2013", L"\u2014", L"\u2015", L"-", L"\u2043"}),
        Fixed<CaretSymbol>({L"^"}),
        // The degree sign, and what keyboards and fonts give in its place: the masculine
        // ordinal, the ring above, the superscript zero, the ring operator. Symbols with the
        // sign («°C») have their spellings with the first two among their alternates.
        Fixed<DegreeSymbol>({L"\u00b0", L"\u00ba", L"\u02da", L"\u2070", L"\u2218"}),
        Fixed<NorthSymbol>({L"N"}),
        Fixed<EastSymbol>({L"E"}),
        Fixed<SouthSymbol>({L"S"}),
        Fixed<WestSymbol>({L"W"}),
        Fixed<DSymbol>({L"d"}, true),
        Fixed<DSymbol>({L"D"}, false),
        Fixed<ColonSymbol>({L":"}),
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
