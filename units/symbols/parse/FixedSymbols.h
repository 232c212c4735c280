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

class SquareSymbol : public OperatorSymbol {
public:
    SquareSymbol() : OperatorSymbol(20, TakesLeft) {}
    ErrorCode Apply(SymbolList& list, SymbolList::iterator& position) const override;
};

class CubicSymbol : public OperatorSymbol {
public:
    CubicSymbol() : OperatorSymbol(20, TakesLeft) {}
    ErrorCode Apply(SymbolList& list, SymbolList::iterator& position) const override;
};

class CaretSymbol : public OperatorSymbol {
public:
    CaretSymbol() : OperatorSymbol(20, TakesLeft) {}
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
VVZ_NOTATION_SYMBOL(DSymbol, UnitLetterKind) // "d": degrees in angles, days otherwise
VVZ_NOTATION_SYMBOL(GSymbol, UnitLetterKind) // "g": grads in angles, grams otherwise

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
