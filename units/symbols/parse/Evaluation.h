#pragma once

#include "units/symbols/IParseSymbol.h"

#include <ViVuzaZadur/UnitsTypes.h>

namespace velmar::platform::core::units {

class NumberSymbol;

// Reduces the symbols of a parsed text to one result: a first walk over the list, in which
// spaces, dashes and the context letters settle what they stand for, then a second walk in
// which operators apply and numbers attach to their units and notation marks. 0 when a
// ResultSymbol stands at the front of the list afterwards; 1 otherwise, the list then being
// partly rewritten but fit for destruction. targetDimension is the DimensionTag of the quantity
// the text must be.
int EvaluateList(SymbolList& list, const int* targetDimension);

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

// The element before another; the end when there is none.
inline SymbolList::iterator Before(SymbolList& list, SymbolList::iterator element) {
    return element == list.begin() ? list.end() : std::prev(element);
}

// What a target dimension asks for: an angle (dimensionless), a length, or a time.
bool IsAngle(const int* target);
bool IsLength(const int* target);
bool IsTime(const int* target);

// Converts value, given in the unit, into base terms of the target dimension: 0, or 1 when the
// unit is unknown or of another dimension.
int ConvertWith(int unit, double value, const int* target, double* base);

// Puts a new result of the base value and the target dimension in place of the first element,
// removes every other one, and leaves position at the end.
void Finish(SymbolList& list, double base, const int* target, SymbolList::iterator& position);

// Converts value with the unit and finishes with it: 0, or 1 when the conversion fails.
int FinishWith(SymbolList& list, int unit, double value, const int* target,
               SymbolList::iterator& position);

// A new number, owned by the list, in place of the element's symbol.
void ReplaceWithNumber(SymbolList::iterator element, double value, unsigned flags = 0);

// Reads a fraction backwards from its denominator e: «a/b» alone, or «c a/b» as a mixed number
// whose whole part opens the list. On success v is the value (c − a/b when c is written with a
// minus). The denominator must be above 0, and the numerator of a mixed number not negative;
// otherwise v is left alone.
bool ReadFraction(SymbolList& list, SymbolList::iterator e, double* v);

// Whether a number was written with a leading minus.
bool IsNegative(const NumberSymbol& number);

// Counts an evaluation that an operator makes ahead of the walk, of the group or power on its
// right: false once the evaluation running on this thread has made as many as any quantity of
// its length needs, and then the operator fails. Such evaluations nest, and at «/((/((/((…»
// each level would evaluate the levels inside it again, in time exponential in the depth.
bool EvaluateAhead();

} // namespace evaluation

} // namespace velmar::platform::core::units
