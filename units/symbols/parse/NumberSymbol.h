#pragma once

#include "units/number/NumberFlags.h"
#include "units/symbols/IParseSymbol.h"
#include "units/symbols/parse/ParseArena.h"

namespace velmar::platform::core::units {

// A number read from a parsed text, with the flags the scanner reported for it.
class NumberSymbol : public IParseSymbol, public ParseAllocated {
public:
    static constexpr unsigned kKind = NumberKind;

    NumberSymbol(double value, NumberFlags flags)
        : IParseSymbol(kKind), value(value), flags(flags) {}

    ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                       const int* targetDimension) const override;

    double value;
    NumberFlags flags;
};

} // namespace velmar::platform::core::units
