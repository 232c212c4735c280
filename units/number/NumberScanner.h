#pragma once

#include "units/number/NumberFlags.h"

#include <cstddef>

namespace velmar::platform::core::units {

class NumberTokenTable;

// Reads one number that starts exactly at text, through the formatter's number tokens: its
// native digits, group and decimal separators, signs and the exponent marks "e" and "E".
// Returns the count of characters that form the number: 0 when no number starts there, or for a
// null text or value. On a count of 1 or more it stores the value, and the flags when flags is
// not null; otherwise it leaves both alone. A number too large or too small for a
// double is read all the same, flagged OutOfRange. Allocates nothing, and takes time linear in
// the number's length.
size_t ScanNumber(const NumberTokenTable& tokens, const wchar_t* text, double* value,
                  NumberFlags* flags);

} // namespace velmar::platform::core::units
