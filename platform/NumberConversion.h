#pragma once

#include <cmath>
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
//
// Below 2^52 every half k + 0.5 is a double, and rounding the scaled product to a double never
// carries it across one, so the rounded product lies on the same side of each half as the exact
// one; only a product that is exactly a half is undecided here.
inline bool FixedDigits(double magnitude, int precision, unsigned long long* digits) {
    static constexpr double kScales[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (precision < 0 || precision >= static_cast<int>(sizeof kScales / sizeof kScales[0]))
        return false;
    double scaled = magnitude * kScales[precision];
    if (!(scaled < 0x1p52))
        return false;
    double whole = std::floor(scaled);
    double fraction = scaled - whole;
    if (fraction == 0.5)
        return false;
    *digits = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
    return true;
}

// Enough room for any finite double at any precision up to 99.
constexpr size_t kMaxConvertedLength = 420;

} // namespace velmar::platform::core::os
