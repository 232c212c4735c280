#pragma once

#include <cstddef>

namespace velmar::platform::core::os {

// The primitive number conversion of number text: what the C runtime's "%+.*<letter>" gives
// for the conversion letters E, e, f, G and g, independent of any locale or process-wide mode.
// The decimal point is ".", the result is correctly rounded, a sign is always written, and an
// exponent has at least three digits, or at least two when twoDigitExponent is set.
//
// Writes the text without terminator and returns its length, or -1 when it does not fit in
// capacity characters, when the letter is none of the five, or when the precision is negative.
int ConvertDouble(char* buffer, size_t capacity, double value, char letter, int precision,
                  bool twoDigitExponent);

// The digits of the fixed notation of magnitude (not negative) at precision, as one integer:
// magnitude scaled by 10^precision and rounded to the nearest integer, exactly as the runtime
// rounds it. False when this way does not decide it (precision above 15, a scaled value of
// 2^52 or more, or exactly a half); ConvertDouble then takes the general way.
bool FixedDigits(double magnitude, int precision, unsigned long long* digits);

// Enough room for any finite double at any precision up to 99.
constexpr size_t kMaxConvertedLength = 420;

} // namespace velmar::platform::core::os
