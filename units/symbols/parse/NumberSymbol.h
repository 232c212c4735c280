#pragma once

#include "units/number/NumberFlags.h"
#include "units/symbols/IParseSymbol.h"
#include "units/symbols/parse/ParseArena.h"

namespace velmar::platform::core::units {

// A number read from a parsed text, with the flags the scanner reported for it.
class NumberSymbol : public IParseSymbol, public ParseAllocated {
public:
    static constexpr unsigned kKind = NumberKind;

    NumberSymbol(double value, NumberFlags flags, bool joined = false)
        : IParseSymbol(kKind), value(value), flags(flags), joined(joined) {}

    ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                       const int* targetDimension) const override;

    double value;
    NumberFlags flags;
    // Written straight after another number, with nothing between: a minus in front of it is
    // a dash that joins the two («2-1/2»), not a sign.
    bool joined;
};

} // namespace velmar::platform::core::units
