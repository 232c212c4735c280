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
// 1.0 to base terms gives the value back. A quantity written as one number in one catalogue
// unit also keeps that number and unit, so that reading it into the same unit gives the number
// exactly, without the round trip through the base value.
class ResultSymbol : public GenericOperand {
public:
    static constexpr unsigned kKind = ResultKind;

    ResultSymbol(double base, const DimensionTag& dimension, int writtenUnit = 0,
                 double written = 0)
        : GenericOperand(GenericConverter(base, dimension), kKind), writtenUnit(writtenUnit),
          written(written) {}

    ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                       const int* targetDimension) const override;

    const int writtenUnit; // 0 when the quantity was not written in one unit
    const double written;
};

} // namespace velmar::platform::core::units
