#pragma once

#include "units/number/NumberSettings.h"

#include <cstddef>

namespace velmar::platform::core::units {

// Call flags of FormatNumber.
enum FormatNumberFlags : unsigned {
    IntegerOnly = 1, // precision 0 instead of the settings' precision
    SignedZero = 2,  // a zero value is written with the negative sign in front
};

// Writes value as number text under the settings: digits, signs, separators, grouping and the
// numeric format. Returns the characters written including the terminator, or -1 when the
// buffer is null or too small, the format is unknown, or the value is not finite (infinities
// and NaN have no number text). Callers append text at buffer + result - 1.
int FormatNumber(const NumberSettings& settings, double value, wchar_t* buffer, size_t bufferSize,
                 unsigned flags);

// FormatNumber with another precision than the settings' own.
int FormatNumberWithPrecision(const NumberSettings& settings, int precision, double value,
                              wchar_t* buffer, size_t bufferSize, unsigned flags);

// Writes a mixed number at buffer + at, its parts IntegerOnly in the given settings and format:
// the whole number with wholeFlags, unless it is 0 and a fraction follows, then afterWhole; then
// numerator/denominator reduced by halving, unless the numerator is 0. The sign stands once, on
// the whole number. Returns the index of the last character written (the final terminator, or
// afterWhole behind a lone whole number), or -1 when the text does not fit.
int WriteMixedNumber(const NumberSettings& settings, NumberFormat format, double whole,
                     double numerator, double denominator, unsigned wholeFlags, wchar_t afterWhole,
                     wchar_t* buffer, size_t bufferSize, size_t at);

// The "Fraction" format: the value rounded to a multiple of 1/2^precision, half away from
// zero, written as a whole number and a reduced fraction ("2 1/2", "3/8", "-1 1/4"). The
// numbers are written with the initial settings of a formatter, whatever the caller's digits,
// signs and separators. Same result convention as FormatNumber.
int FormatFraction(const NumberSettings& settings, double value, wchar_t* buffer,
                   size_t bufferSize);

// The value that FormatNumber's text for value, without flags, stands for: the value rounded as
// the numeric format and precision round it (to decimals, to significant digits, or to a multiple
// of 1/2^precision). NaN for a format outside the known ones or a value that is not finite.
double WrittenValue(const NumberSettings& settings, double value);

} // namespace velmar::platform::core::units
