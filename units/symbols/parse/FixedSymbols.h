#pragma once

#include "units/symbols/parse/OperatorSymbol.h"

namespace velmar::platform::core::units {

// The fixed symbols of the parse-symbol registry: spaces, operators, parentheses and the
// marks and letters of the composite notations. They carry no data; the registry holds one
// shared object of each.

// Implicit multiplication between two operands; vanishes elsewhere.
class SpaceSymbol : public IParseSymbol {
public:
    int Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                 const int* targetDimension) const override;
};

class DivisionSymbol : public OperatorSymbol {
public:
    DivisionSymbol() : OperatorSymbol(10, TakesRight) {}
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
    LeftParenthesisSymbol() : OperatorSymbol(50, TakesRight | TakesLeft) {}
    int Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                 const int* targetDimension) const override;
    int Apply(SymbolList&, SymbolList::iterator&) const override { return 0; }
};

class RightParenthesisSymbol : public OperatorSymbol {
public:
    RightParenthesisSymbol() : OperatorSymbol(0, TakesLeft) {}
    int Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                 const int* targetDimension) const override;
    int Apply(SymbolList&, SymbolList::iterator&) const override { return 0; }
};

// Marks and letters of degrees-minutes-seconds, feet-and-inches and bearings. Which pole a
// bearing starts from is part of the parse that reads it, not of these shared objects.
#define VVZ_NOTATION_SYMBOL(Name)                                                                  \
    class Name : public IParseSymbol {                                                             \
    public:                                                                                        \
        int Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,             \
                     const int* targetDimension) const override;                                   \
    };
VVZ_NOTATION_SYMBOL(DegreeSymbol)      // "°"
VVZ_NOTATION_SYMBOL(PrimeSymbol)       // "′" and look-alikes
VVZ_NOTATION_SYMBOL(DoublePrimeSymbol) // "″" and look-alikes
VVZ_NOTATION_SYMBOL(DashSymbol)        // "-" and the other dashes
VVZ_NOTATION_SYMBOL(NorthSymbol)       // "N", the newton outside angles
VVZ_NOTATION_SYMBOL(EastSymbol)        // "E"
VVZ_NOTATION_SYMBOL(SouthSymbol)       // "S", the siemens outside angles
VVZ_NOTATION_SYMBOL(WestSymbol)        // "W", the watt outside angles
VVZ_NOTATION_SYMBOL(DSymbol)           // "d": degrees in angles, days otherwise
VVZ_NOTATION_SYMBOL(GSymbol)           // "g": grads in angles, grams otherwise
#undef VVZ_NOTATION_SYMBOL

} // namespace velmar::platform::core::units
