#pragma once

#include "units/symbols/IParseSymbol.h"

namespace velmar::platform::core::units {

// An operator of unit expressions, applied to its operands by the evaluator in order of
// precedence.
class OperatorSymbol : public IParseSymbol {
public:
    enum OperandFlags : int {
        TakesRight = 1, // waits for its right operand
        TakesLeft = 2,  // binds the operand before it
    };

    static constexpr unsigned kKind = OperatorKind;

    OperatorSymbol(int precedence, int operandFlags, unsigned kinds = 0)
        : IParseSymbol(kKind | kinds), precedence(precedence), operandFlags(operandFlags) {}

    ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                       const int* targetDimension) const override;
    // Rewrites the list around the operator at position.
    virtual ErrorCode Apply(SymbolList& list, SymbolList::iterator& position) const = 0;

    const int precedence;
    const int operandFlags;
};

} // namespace velmar::platform::core::units
