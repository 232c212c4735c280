#pragma once

#include "units/symbols/parse/OperatorSymbol.h"

namespace velmar::platform::core::units {

// The fixed symbols of the parse-symbol registry: spaces, operators, parentheses and the
// marks and letters of the composite notations. They carry no data; the registry holds one
// shared object of each.

// Implicit multiplication between two operands; vanishes elsewhere.
class SpaceSymbol : public IParseSymbol {
public:
    static constexpr unsigned kKind = SpaceKind;
    SpaceSymbol() : IParseSymbol(kKind) {}
    ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                       const int* targetDimension) const override;
};

class DivisionSymbol : public OperatorSymbol {
public:
    static constexpr unsigned kKind = DivisionKind;
    DivisionSymbol() : OperatorSymbol(10, TakesRight, kKind) {}
    ErrorCode Apply(SymbolList& list, SymbolList::iterator& position) const override;
};

class MultiplicationSymbol : public OperatorSymbol {
public:
    MultiplicationSymbol() : OperatorSymbol(10, TakesRight) {}
    ErrorCode Apply(SymbolList& list, SymbolList::iterator& position) const override;
};

// A power written as superscript digits: «m²», «s⁻¹».
class PowerSymbol : public OperatorSymbol {
public:
    static constexpr unsigned kKind = PowerKind;
    explicit PowerSymbol(int exponent) : OperatorSymbol(20, TakesLeft, kKind), exponent(exponent) {}
    ErrorCode Apply(SymbolList& list, SymbolList::iterator& position) const override;
    const int exponent;
};

class CaretSymbol : public OperatorSymbol {
public:
    static constexpr unsigned kKind = PowerKind;
    CaretSymbol() : OperatorSymbol(20, TakesLeft, kKind) {}
    ErrorCode Apply(SymbolList& list, SymbolList::iterator& position) const override;
};

class LeftParenthesisSymbol : public OperatorSymbol {
public:
    static constexpr unsigned kKind = LeftParenthesisKind;
    LeftParenthesisSymbol() : OperatorSymbol(50, TakesRight | TakesLeft, kKind) {}
    ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                       const int* targetDimension) const override;
    ErrorCode Apply(SymbolList&, SymbolList::iterator&) const override { return ecSuccess; }
};

class RightParenthesisSymbol : public OperatorSymbol {
public:
    static constexpr unsigned kKind = RightParenthesisKind;
    RightParenthesisSymbol() : OperatorSymbol(0, TakesLeft, kKind) {}
    ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                       const int* targetDimension) const override;
    ErrorCode Apply(SymbolList&, SymbolList::iterator&) const override { return ecSuccess; }
};

// Marks and letters of degrees-minutes-seconds, feet-and-inches and bearings.
#define VVZ_NOTATION_SYMBOL(Name, Kinds)                                                           \
    class Name : public IParseSymbol {                                                             \
    public:                                                                                        \
        static constexpr unsigned kKind = Kinds;                                                   \
        Name() : IParseSymbol(kKind) {}                                                            \
        ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,       \
                           const int* targetDimension) const override;                             \
    };
VVZ_NOTATION_SYMBOL(DegreeSymbol, DegreeKind)                // "°"
VVZ_NOTATION_SYMBOL(PrimeSymbol, PrimeKind)                  // "′" and look-alikes
VVZ_NOTATION_SYMBOL(DoublePrimeSymbol, DoublePrimeKind)      // "″" and look-alikes
VVZ_NOTATION_SYMBOL(DashSymbol, DashKind)                    // "-" and the other dashes
VVZ_NOTATION_SYMBOL(NorthSymbol, UnitLetterKind | NorthKind) // "N", the newton outside angles
VVZ_NOTATION_SYMBOL(SouthSymbol, UnitLetterKind | SouthKind) // "S", the siemens outside angles
VVZ_NOTATION_SYMBOL(GSymbol, UnitLetterKind) // "g": grads in angles, standard gravity in
                                             // accelerations, grams otherwise
VVZ_NOTATION_SYMBOL(ColonSymbol, ColonKind)  // ":" between degrees, minutes and seconds

// "d" and "D", the degree sign in angles; outside them "d" is the day and "D" means nothing.
class DSymbol : public IParseSymbol {
public:
    explicit DSymbol(bool dayElsewhere)
        : IParseSymbol(UnitLetterKind), dayElsewhere(dayElsewhere) {}
    ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                       const int* targetDimension) const override;
    const bool dayElsewhere;
};

// "E" and "W", which end a bearing (W is the watt outside angles).
VVZ_NOTATION_SYMBOL(EastSymbol, EastKind)
VVZ_NOTATION_SYMBOL(WestSymbol, WestKind)
#undef VVZ_NOTATION_SYMBOL

// One shared object of a fixed symbol, for a parse that puts such a symbol into its list: it
// carries nothing of a parse, so a list refers to it without owning it and a rewrite costs no
// allocation.
template <class Symbol> IParseSymbol* Shared() {
    static Symbol symbol;
    return &symbol;
}

} // namespace velmar::platform::core::units
