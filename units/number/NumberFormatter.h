#pragma once

#include "units/number/NumberSettings.h"
#include "units/number/PluralOperands.h"
#include "units/util/TextBuffer.h"

#include <cstddef>

namespace velmar::platform::core::units {

// Call flags of FormatNumber.
enum FormatNumberFlags : unsigned {
    IntegerOnly = 1, // precision 0 instead of the settings' precision
    SignedZero = 2,  // a zero value is written with the negative sign in front
};

// Writes value as number text under the settings (digits, signs, separators, grouping and the
// numeric format) at the buffer's end, and terminates it: ecSuccess, or ecFailure when the text
// does not fit, the format is unknown, or the value is not finite (infinities and NaN have no
// number text). With written, also gives the plural operands of the number as the text shows
// it, for the word that follows to agree with; they are set whenever the text is written.
ErrorCode FormatNumber(const NumberSettings& settings, double value, TextBuffer& out,
                       unsigned flags, PluralOperands* written = nullptr);

// FormatNumber with another precision than the settings' own.
ErrorCode FormatNumberWithPrecision(const NumberSettings& settings, int precision, double value,
                                    TextBuffer& out, unsigned flags);

// Writes a mixed number, its parts IntegerOnly in the given settings and format: the whole
// number with wholeFlags, unless it is 0 and a fraction follows; then afterWhole and
// numerator/denominator reduced by halving, unless the numerator is 0. The sign stands once, on
// the whole number. Same result as FormatNumber.
ErrorCode WriteMixedNumber(const NumberSettings& settings, NumberFormat format, double whole,
                           double numerator, double denominator, unsigned wholeFlags,
                           wchar_t afterWhole, TextBuffer& out);

// The value that FormatNumber's text for value, without flags, stands for: the value rounded as
// the numeric format and precision round it (to decimals, to significant digits, or to a multiple
// of 1/2^precision). NaN for a format outside the known ones or a value that is not finite.
double WrittenValue(const NumberSettings& settings, double value);

} // namespace velmar::platform::core::units
