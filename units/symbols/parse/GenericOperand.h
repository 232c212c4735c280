#pragma once

#include "units/symbols/parse/OperandSymbol.h"
#include "units/symbols/parse/ParseArena.h"

#include <ViVuzaZadur/GenericConverter.h>

namespace velmar::platform::core::units {

// A unit made while a text is evaluated: a product, a quotient or a power of units.
class GenericOperand : public OperandSymbol, public ParseAllocated {
public:
    explicit GenericOperand(const GenericConverter& converter, unsigned kinds = 0)
        : OperandSymbol(kinds), converter(converter) {}

    const UnitConverter* GetConverter() const override { return &converter; }

    GenericConverter converter;
};

// The value of a parsed quantity: a unit whose factor is the base value, so that converting
// 1.0 to base terms gives the value back.
class ResultSymbol : public GenericOperand {
public:
    static constexpr unsigned kKind = ResultKind;

    ResultSymbol(double base, const DimensionTag& dimension)
        : GenericOperand(GenericConverter(base, dimension), kKind) {}

    ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                       const int* targetDimension) const override;
};

} // namespace velmar::platform::core::units
