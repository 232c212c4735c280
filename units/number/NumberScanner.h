#pragma once

#include "units/number/NumberFlags.h"

#include <cstddef>

namespace velmar::platform::core::units {

class DigitGrouping;
class NumberTokenTable;

// Reads one number that starts exactly at text, through the formatter's number tokens: its
// native digits, group and decimal separators, signs and the exponent marks "e" and "E".
// Returns the count of characters that form the number: 0 when no number starts there, or for a
// null text or value. On a count of 1 or more it stores the value, and the flags when flags is
// not null; otherwise it leaves both alone. A number too large or too small for a
// double is read all the same, flagged OutOfRange.
//
// Under a checked grouping, group separators stand only between digit groups of its sizes (see
// DigitGrouping). Where one stands otherwise, the number ends before it, as far as its last
// group that may end it («1,234» of «1,234,5»), and is flagged MisplacedGroupSeparator; a
// space-like separator there is not flagged, since a space that separates no groups is no
// fault of the number («5 1/2»). Without the check a group separator may stand anywhere among
// the integer digits. Allocates nothing, and takes time linear in the number's length.
size_t ScanNumber(const NumberTokenTable& tokens, const DigitGrouping& grouping,
                  const wchar_t* text, double* value, NumberFlags* flags);

} // namespace velmar::platform::core::units
