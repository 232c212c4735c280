#pragma once

#include "units/symbols/IFormatSymbol.h"

namespace velmar::platform::core::units {

class UnitConverter;

// What the format symbols share.

// The base value converted by a unit's converter: 0, or the negated ErrorCode of a failed
// conversion (-ecFailure without a converter).
int ConvertFromBase(const UnitConverter* converter, double value, const DimensionTag& dimension,
                    double* converted);

// The base value converted into the unit and written as number text under the formatter's
// settings: the count including the terminator, -1, or the negated ErrorCode of a failed
// conversion.
int FormatInUnit(const UnitConverter* converter, double value, const DimensionTag& dimension,
                 wchar_t* buffer, size_t size, const NumberSettings& number,
                 unsigned numberFlags = 0);

// 10^exponent as std::pow gives it, for exponents 0 to 99.
double PowerOfTen(int exponent);

// What the composite symbols add to a magnitude before they split it, so that representation
// error cannot pull a part below a rounding step (0.5 must not split as 0.49999): half of 10^-5
// of the last decimal of the precision, for precisions 0 to 99.
double RoundingGuard(int precision);

// Writes a whole number (IntegerOnly, plus flags) at buffer + at, as the parts of composite
// notations are written: the index of its terminator, or a negative error.
int WriteInteger(const NumberSettings& number, double value, unsigned flags, wchar_t* buffer,
                 size_t size, size_t at);

// Puts the quantity value (in the unit) at the front of the list as a new result, in place of
// the first element's symbol, and erases the count - 1 elements after it: 0, or 1 when the
// unit cannot convert it.
int ReplaceWithResult(SymbolList& list, int unitId, double value, size_t count);

// The leading numbers of the list, or false when it does not start with count numbers.
bool LeadingNumbers(const SymbolList& list, size_t count, double* values);

// The one custom layout (kind 0) of a symbol.
int CustomizeKind0(const IFormatSymbol* prototype, std::vector<std::unique_ptr<CustomSymbol>>& out,
                   const std::vector<std::wstring>& literals, const std::vector<int>& placeholders);

} // namespace velmar::platform::core::units
