#pragma once

#include "units/symbols/IParseSymbol.h"

#include <ViVuzaZadur/UnitsTypes.h>

namespace velmar::platform::core::units {

class NumberSymbol;

// Reduces the symbols of a parsed text to one result. A first walk over the list settles what
// spaces, dashes and the context letters stand for. A text written in a composite notation
// (feet and inches, degrees-minutes-seconds, bearings) is then read by its grammar; any other
// text is a unit expression, whose second walk applies the operators and attaches numbers to
// their units. ecSuccess when a ResultSymbol stands at the front of the list afterwards;
// ecFailure otherwise, the list then being partly rewritten but fit for destruction.
// targetDimension is the DimensionTag of the quantity the text must be.
ErrorCode EvaluateList(SymbolList& list, const int* targetDimension);

// What the symbols of an evaluation share.
namespace evaluation {

// The symbol of an element as T, or null.
template <class T> T* As(SymbolList::const_iterator element) {
    IParseSymbol* symbol = element->symbol;
    return (symbol->kinds & T::kKind) != 0 ? static_cast<T*>(symbol) : nullptr;
}
template <class T> bool Is(SymbolList::const_iterator element) {
    return As<T>(element) != nullptr;
}

// What a target dimension asks for: an angle (dimensionless), a length, or a time.
bool IsAngle(const int* target);
bool IsLength(const int* target);
bool IsTime(const int* target);
bool IsAcceleration(const int* target);

// Converts value, given in the unit, into base terms of the target dimension: ecFailure when
// the unit is unknown or of another dimension.
ErrorCode ConvertWith(int unit, double value, const int* target, double* base);

// Converts value, written in the unit, and puts the result in place of the first element, removes
// every other one, and leaves position at the end; ecFailure when the conversion fails.
ErrorCode FinishWith(SymbolList& list, int unit, double value, const int* target,
                     SymbolList::iterator& position);

// Whether a number was written with a leading minus.
bool IsNegative(const NumberSymbol& number);

// What a minus before the later number of a mixed number means: in a unit expression it is a
// dash only where it joins the numbers with nothing between («2-1/2 in»; the scanner reads 2
// and −1/2), and refused after a space («1 -1/2 m»); in a composite notation it always
// separates («5-1/2"»), so the number's magnitude counts.
enum class LaterMinus { Refused, Separates };

// Reads the elements from first up to end as exactly one number, fraction or mixed number:
// «5», «1/2», «1 1/2». The whole number's minus governs: «-1 1/2» is −1.5. A denominator must
// be above 0 (ppZeroDenominator). ecFailure when the elements are no such number; value is left
// alone then.
ErrorCode ReadMixedNumber(SymbolList::const_iterator first, SymbolList::const_iterator end,
                          LaterMinus laterMinus, double* value);

// Counts an evaluation that an operator makes ahead of the walk, of the group or power on its
// right: false once the evaluation running on this thread has made as many as any quantity of
// its length needs, and then the operator fails. Such evaluations nest, and at «/((/((/((…»
// each level would evaluate the levels inside it again, in time exponential in the depth.
bool EvaluateAhead();

} // namespace evaluation

} // namespace velmar::platform::core::units
