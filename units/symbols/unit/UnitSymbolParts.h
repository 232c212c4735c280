#pragma once

#include "units/number/PluralOperands.h"
#include "units/symbols/IFormatSymbol.h"

namespace velmar::platform::core::units {

class UnitConverter;

// What the format symbols share.

// The base value converted by a unit's converter: the conversion's result, ecFailure without a
// converter.
ErrorCode ConvertFromBase(const UnitConverter* converter, double value,
                          const DimensionTag& dimension, double* converted);

// The base value converted into the unit and written as number text under the formatter's
// settings; a writer's result. With written, also the plural operands of the number text.
ErrorCode FormatInUnit(const UnitConverter* converter, double value, const DimensionTag& dimension,
                       TextBuffer& out, const NumberSettings& number, unsigned numberFlags = 0,
                       PluralOperands* written = nullptr);

// 10^exponent as std::pow gives it, for exponents 0 to 99.
double PowerOfTen(int exponent);

// What the composite symbols add to a magnitude before they split it, so that representation
// error cannot pull a part below a rounding step (0.5 must not split as 0.49999): half of 10^-5
// of the last decimal of the precision, for precisions 0 to 99.
double RoundingGuard(int precision);

// Writes a whole number (IntegerOnly, plus flags), as the parts of composite notations are
// written; a writer's result.
ErrorCode WriteInteger(const NumberSettings& number, double value, unsigned flags, TextBuffer& out);

// Puts the quantity value (in the unit) at the front of the list as a new result, in place of
// the first element's symbol, and erases the count - 1 elements after it: ecFailure when the
// list is shorter or the unit cannot convert it.
ErrorCode ReplaceWithResult(SymbolList& list, int unitId, double value, size_t count);

// The leading numbers of the list, or false when it does not start with count numbers.
bool LeadingNumbers(const SymbolList& list, size_t count, double* values);

// The one custom layout (kind 0) of a symbol.
ErrorCode CustomizeKind0(const IFormatSymbol* prototype,
                         std::vector<std::unique_ptr<CustomSymbol>>& out,
                         const std::vector<std::wstring>& literals,
                         const std::vector<int>& placeholders);

} // namespace velmar::platform::core::units
