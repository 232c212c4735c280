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
    int Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                 const int* targetDimension) const override;
};

class DivisionSymbol : public OperatorSymbol {
public:
    static constexpr unsigned kKind = DivisionKind;
    DivisionSymbol() : OperatorSymbol(10, TakesRight, kKind) {}
    int Apply(SymbolList& list, SymbolList::iterator& position) const override;
};

class MultiplicationSymbol : public OperatorSymbol {
public:
    MultiplicationSymbol() : OperatorSymbol(10, TakesRight) {}
    int Apply(SymbolList& list, SymbolList::iterator& position) const override;
};

class SquareSymbol : public OperatorSymbol {
public:
    SquareSymbol() : OperatorSymbol(20, TakesLeft) {}
    int Apply(SymbolList& list, SymbolList::iterator& position) const override;
};

class CubicSymbol : public OperatorSymbol {
public:
    CubicSymbol() : OperatorSymbol(20, TakesLeft) {}
    int Apply(SymbolList& list, SymbolList::iterator& position) const override;
};

class CaretSymbol : public OperatorSymbol {
public:
    CaretSymbol() : OperatorSymbol(20, TakesLeft) {}
    int Apply(SymbolList& list, SymbolList::iterator& position) const override;
};

class LeftParenthesisSymbol : public OperatorSymbol {
public:
    static constexpr unsigned kKind = LeftParenthesisKind;
    LeftParenthesisSymbol() : OperatorSymbol(50, TakesRight | TakesLeft, kKind) {}
    int Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                 const int* targetDimension) const override;
    int Apply(SymbolList&, SymbolList::iterator&) const override { return 0; }
};

class RightParenthesisSymbol : public OperatorSymbol {
public:
    static constexpr unsigned kKind = RightParenthesisKind;
    RightParenthesisSymbol() : OperatorSymbol(0, TakesLeft, kKind) {}
    int Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                 const int* targetDimension) const override;
    int Apply(SymbolList&, SymbolList::iterator&) const override { return 0; }
};

// Marks and letters of degrees-minutes-seconds, feet-and-inches and bearings.
#define VVZ_NOTATION_SYMBOL(Name, Kinds)                                                           \
    class Name : public IParseSymbol {                                                             \
    public:                                                                                        \
        static constexpr unsigned kKind = Kinds;                                                   \
        Name() : IParseSymbol(kKind) {}                                                            \
        int Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,             \
                     const int* targetDimension) const override;                                   \
    };
VVZ_NOTATION_SYMBOL(DegreeSymbol, 0)                    // "°"
VVZ_NOTATION_SYMBOL(PrimeSymbol, PrimeKind)             // "′" and look-alikes
VVZ_NOTATION_SYMBOL(DoublePrimeSymbol, DoublePrimeKind) // "″" and look-alikes
VVZ_NOTATION_SYMBOL(DashSymbol, 0)                      // "-" and the other dashes
VVZ_NOTATION_SYMBOL(NorthSymbol, UnitLetterKind)        // "N", the newton outside angles
VVZ_NOTATION_SYMBOL(SouthSymbol, UnitLetterKind)        // "S", the siemens outside angles
VVZ_NOTATION_SYMBOL(DSymbol, UnitLetterKind)            // "d": degrees in angles, days otherwise
VVZ_NOTATION_SYMBOL(GSymbol, UnitLetterKind)            // "g": grads in angles, grams otherwise
#undef VVZ_NOTATION_SYMBOL

// The pole from which the angle of a bearing is measured: the letter N or S that opens it.
enum class Pole { None, North, South };

// "E" and "W", which end a bearing (W is the watt outside angles). The registry's shared
// objects know no pole; when N or S opens a bearing, the parse puts an object of its own that
// knows the pole in place of the letter that ends it, so no parse sees another's pole.
#define VVZ_BEARING_END_SYMBOL(Name, Kind)                                                         \
    class Name : public IParseSymbol {                                                             \
    public:                                                                                        \
        static constexpr unsigned kKind = Kind;                                                    \
        explicit Name(Pole pole = Pole::None) : IParseSymbol(kKind), pole(pole) {}                 \
        int Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,             \
                     const int* targetDimension) const override;                                   \
        const Pole pole;                                                                           \
    };
VVZ_BEARING_END_SYMBOL(EastSymbol, EastKind)
VVZ_BEARING_END_SYMBOL(WestSymbol, WestKind)
#undef VVZ_BEARING_END_SYMBOL

// One shared object of a fixed symbol, for a parse that puts such a symbol into its list: it
// carries nothing of a parse, so a list refers to it without owning it and a rewrite costs no
// allocation.
template <class Symbol> IParseSymbol* Shared() {
    static Symbol symbol;
    return &symbol;
}

// The shared end of a bearing (EastSymbol or WestSymbol) that knows its pole, North or South.
template <class Symbol> IParseSymbol* SharedBearingEnd(Pole pole) {
    static Symbol north(Pole::North);
    static Symbol south(Pole::South);
    return pole == Pole::North ? &north : &south;
}

} // namespace velmar::platform::core::units
