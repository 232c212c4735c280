// The operators of unit expressions: products, quotients, powers and parentheses.
#include "units/number/NumberFlags.h"
#include "units/symbols/parse/Evaluation.h"
#include "units/symbols/parse/FixedSymbols.h"
#include "units/symbols/parse/GenericOperand.h"
#include "units/symbols/parse/NumberSymbol.h"
#include "units/symbols/parse/ParseReport.h"

#include <ViVuzaZadur/UnitConverter.h>

#include <cmath>
#include <iterator>

namespace velmar::platform::core::units {

using namespace evaluation;

namespace {

// Unit expressions stay within what engineering writes (m⁴, s⁻³): a larger exponent of any
// base dimension, or a larger power, is no quantity. This also keeps the exponents far from the
// range of int, however often a text squares a unit («m²²²²…»).
constexpr int kMaxExponent = 64;
constexpr int kMaxPower = 64;
// Parentheses nest this deep at most; deeper texts fail instead of using up the stack.
constexpr int kMaxNesting = 64;

GenericConverter ConverterOf(SymbolList::const_iterator element) {
    return GenericConverter(*As<OperandSymbol>(element)->GetConverter());
}

bool HasConverter(SymbolList::const_iterator element) {
    auto* operand = As<OperandSymbol>(element);
    return operand != nullptr && operand->GetConverter() != nullptr;
}

// Whether a combined unit is still a quantity: exponents within range, a finite factor. The
// elements from first to last are the operator that combined it and what it took after it
// («/s», «^3»), which the diagnostics name.
bool IsSane(const GenericConverter& converter, SymbolList::const_iterator first,
            SymbolList::const_iterator last) {
    for (int exponent : converter.GetDimTag())
        if (exponent > kMaxExponent || exponent < -kMaxExponent)
            return (void)Fail(ppPowerOutOfRange, first, last), false;
    if (!std::isfinite(converter.GetFactor()) || converter.GetFactor() == 0)
        return (void)Fail(ppNotFinite, first, last), false;
    return true;
}

// Puts a new operand of the converter in place of the element, and erases count elements after
// it; position is left on the new operand. 1 when the unit is no sane quantity.
ErrorCode ReplaceOperand(SymbolList& list, SymbolList::iterator element,
                         const GenericConverter& unit, int count, SymbolList::iterator& position) {
    if (!IsSane(unit, std::next(element), std::next(element, count)))
        return ecFailure;
    // The erased elements may include the operator being applied.
    element->Reset(new GenericOperand(unit), true);
    list.erase(std::next(element), std::next(element, count + 1));
    position = element;
    return ecSuccess;
}

// The two-operand operators: the operands on both sides combine into one.
ErrorCode ApplyBinary(SymbolList& list, SymbolList::iterator& position, bool divide) {
    auto next = std::next(position);
    if (position == list.begin() || next == list.end())
        return ecFailure;
    auto left = std::prev(position);
    if (!HasConverter(left) || !HasConverter(next))
        return ecFailure;
    GenericConverter unit =
        divide ? ConverterOf(left) / ConverterOf(next) : ConverterOf(left) * ConverterOf(next);
    return ReplaceOperand(list, left, unit, 2, position);
}

// A power of the operand before position, the operator standing at position; extra elements
// after the operator (the exponent) go with it. A negative power is the reciprocal of the
// positive one («s⁻²» is 1/s²).
ErrorCode ApplyPower(SymbolList& list, SymbolList::iterator& position, int power, int extra) {
    if (position == list.begin() || power == 0)
        return ecFailure;
    auto operand = std::prev(position);
    if (!HasConverter(operand))
        return ecFailure;
    GenericConverter base = ConverterOf(operand);
    GenericConverter unit = base;
    for (int i = 1; i < std::abs(power); ++i) {
        unit = unit * base;
        if (!IsSane(unit, position, std::next(position, extra)))
            return ecFailure;
    }
    if (power < 0) {
        static const DimensionTag kNone{};
        unit = GenericConverter(1.0, kNone) / unit;
        if (!IsSane(unit, position, std::next(position, extra)))
            return ecFailure;
    }
    return ReplaceOperand(list, operand, unit, 1 + extra, position);
}

// How deep the evaluation is inside parentheses on this thread.
thread_local int nesting = 0;

} // namespace

// An operator waits until the operand on its right is complete: an operator of higher precedence
// there (a power, a parenthesised group) is evaluated first; one of equal or lower precedence
// lets this one apply, so that equal precedences apply from left to right.
ErrorCode OperatorSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                                   const int* targetDimension) const {
    if (firstPass) {
        ++position;
        return ecSuccess;
    }
    if ((operandFlags & TakesLeft) != 0 && (operandFlags & TakesRight) == 0)
        return Apply(list, position);
    const int ownPrecedence = precedence;
    auto q = std::next(position);
    if (q == list.end())
        return ecFailure;
    if (Is<OperandSymbol>(q))
        ++q;
    while (q != list.end()) {
        auto* other = As<OperatorSymbol>(q);
        if (other == nullptr) {
            // Applied later: when the walk comes back after a right parenthesis, or when an
            // operator to the left reaches this one.
            position = q;
            return ecSuccess;
        }
        if (ownPrecedence >= other->precedence)
            return Apply(list, position);
        if (!EvaluateAhead())
            return ecFailure;
        auto evaluated = q;
        size_t size = list.size();
        (void)other->Evaluate(list, q, false, targetDimension); // its failure shows in what is left
        q = q == list.begin() ? list.end() : std::prev(q);
        // Back where it started with nothing changed («0/(», a group that cannot even begin):
        // looking again would change nothing either.
        if (list.size() == size && q == evaluated)
            break;
    }
    return Apply(list, position);
}

ErrorCode DivisionSymbol::Apply(SymbolList& list, SymbolList::iterator& position) const {
    return ApplyBinary(list, position, true);
}

ErrorCode MultiplicationSymbol::Apply(SymbolList& list, SymbolList::iterator& position) const {
    return ApplyBinary(list, position, false);
}

ErrorCode PowerSymbol::Apply(SymbolList& list, SymbolList::iterator& position) const {
    return ApplyPower(list, position, exponent, 0);
}

// «m^2», «s^-1»: a whole exponent other than 0, written without a decimal separator, from −64
// to 64.
ErrorCode CaretSymbol::Apply(SymbolList& list, SymbolList::iterator& position) const {
    auto next = std::next(position);
    if (position == list.begin() || next == list.end())
        return ecFailure;
    auto* exponent = As<NumberSymbol>(next);
    if (exponent == nullptr)
        return ecFailure;
    double value = std::trunc(exponent->value);
    if ((exponent->flags & DecimalSeparatorSeen) != 0 || value == 0 ||
        !(std::abs(value) <= kMaxPower))
        return Fail(ppBadExponent, next);
    return ApplyPower(list, position, static_cast<int>(value), 1);
}

// Evaluates the group that starts here, from its first element on.
ErrorCode LeftParenthesisSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position,
                                          bool firstPass, const int* targetDimension) const {
    ++position;
    if (firstPass)
        return ecSuccess;
    if (position == list.end() || nesting >= kMaxNesting || !EvaluateAhead())
        return ecFailure;
    ++nesting;
    ErrorCode result = position->symbol->Evaluate(list, position, false, targetDimension);
    --nesting;
    return result;
}

// Closes the nearest group: both parentheses go, and the walk steps back to revisit the group's
// result and the operator before the group.
ErrorCode RightParenthesisSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position,
                                           bool firstPass, const int*) const {
    if (firstPass) {
        ++position;
        return ecSuccess;
    }
    if (position == list.begin())
        return ecFailure;
    auto left = std::prev(position);
    while (!Is<LeftParenthesisSymbol>(left)) {
        if (left == list.begin())
            return ecFailure;
        --left;
    }
    list.erase(left);
    position = list.erase(position);
    for (int step = 0; step < 2 && position != list.begin(); ++step)
        --position;
    return ecSuccess;
}

} // namespace velmar::platform::core::units
