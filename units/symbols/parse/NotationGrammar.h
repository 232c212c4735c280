#pragma once

#include "units/symbols/SymbolRef.h"

#include <ViVuzaZadur/UnitsTypes.h>

namespace velmar::platform::core::units {

// Whether the list, after the first walk of the evaluation, is written in a composite notation:
// it holds a degree sign, a prime, a double prime or a compass letter.
bool IsNotation(const SymbolList& list);

// Reads a list written in a composite notation by the notation's grammar, and finishes it with
// the result: ecSuccess, or ecFailure with the reason noted for diagnostics. The grammar is the
// target's: feet and inches for a length, minutes and seconds for a time, degrees-minutes-seconds
// and bearings for an angle. NotationGrammar.cpp writes the grammars out.
ErrorCode ReadNotation(SymbolList& list, const int* targetDimension);

} // namespace velmar::platform::core::units
