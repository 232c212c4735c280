#pragma once

#include "units/symbols/IParseSymbol.h"

namespace velmar::platform::core::units {

class UnitConverter;

// A unit in an expression: a unit symbol, or a unit made while evaluating (a product, a
// quotient, a result). Its converter turns a value in the operand's unit into base terms.
class OperandSymbol : public IParseSymbol {
public:
    static constexpr unsigned kKind = OperandKind;

    explicit OperandSymbol(unsigned kinds = 0) : IParseSymbol(kKind | kinds) {}

    ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                       const int* targetDimension) const override;
    // Null when the operand names no unit of the catalogue.
    virtual const UnitConverter* GetConverter() const = 0;
};

} // namespace velmar::platform::core::units
