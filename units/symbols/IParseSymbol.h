#pragma once

#include "units/symbols/ISymbol.h"
#include "units/symbols/SymbolRef.h"

#include <ViVuzaZadur/UnitsTypes.h>

namespace velmar::platform::core::units {

// A piece of a parsed text. Evaluation walks the list of a text twice; at each element it asks
// the symbol there to evaluate itself, which either advances position or rewrites the list
// around itself and sets position where the walk goes on: ecSuccess, or ecFailure when the text
// is no quantity. A symbol shared between parses keeps no state of a parse.
class IParseSymbol : public virtual ISymbol {
public:
    // What a symbol is, for the evaluation's many tests of a symbol's neighbours: a bit for
    // each class that it asks about, set by the class and its bases, so that a test costs no
    // dynamic_cast.
    enum Kind : unsigned {
        NumberKind = 1u << 0,
        OperandKind = 1u << 1,
        ResultKind = 1u << 2,
        OperatorKind = 1u << 3,
        DivisionKind = 1u << 4,
        LeftParenthesisKind = 1u << 5,
        SpaceKind = 1u << 6,
        PrimeKind = 1u << 7,
        DoublePrimeKind = 1u << 8,
        EastKind = 1u << 9,
        WestKind = 1u << 10,
        RightParenthesisKind = 1u << 11,
        UnitLetterKind = 1u << 12,  // N, S, d, g: letters that are units outside angles
        OffsetScaleKind = 1u << 13, // a temperature scale with an offset (°C, °F)
        DegreeKind = 1u << 14,
        NorthKind = 1u << 15,
        SouthKind = 1u << 16,
        DashKind = 1u << 17,
        ColonKind = 1u << 18,
        PowerKind = 1u << 19,     // a power that binds the unit before it (², ⁻¹, ^)
        AmbiguousKind = 1u << 20, // a text of a locale that names units of other values
    };

    explicit IParseSymbol(unsigned kinds = 0) : kinds(kinds) {}

    virtual ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                               const int* targetDimension) const = 0;
    // The catalogue unit a unit symbol stands for; 0 for every other symbol.
    virtual int UnitId() const { return 0; }

    const unsigned kinds;
};

inline void SymbolRef::Release() {
    if (owned)
        delete symbol;
    symbol = nullptr;
    owned = false;
}

} // namespace velmar::platform::core::units
