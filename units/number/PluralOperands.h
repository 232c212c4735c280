#pragma once

#include <cstdint>

namespace velmar::platform::core::units {

// The CLDR plural operands of a number as it is written, which a language's plural rules
// read: «1.00» has the value 1 but two visible fraction digits, and English writes «1.00
// meters». The sign does not count. Native digits, separators and signs do not count either:
// the operands are those of the digits the text shows.
//
// As in ICU, i keeps the lowest 18 integer digits, and f and t the leading fraction digits
// until they pass 10^17.
struct PluralOperands {
    double n = 0;   // the absolute value
    uint64_t i = 0; // the integer digits
    int v = 0;      // the count of visible fraction digits, trailing zeros included
    int w = 0;      // the count of visible fraction digits without trailing zeros
    uint64_t f = 0; // the visible fraction digits, trailing zeros included
    uint64_t t = 0; // the visible fraction digits without trailing zeros
    int e = 0;      // the exponent of a number in scientific notation («1.5E06»: 6)

    // The operands of an ASCII number: an optional sign, digits with an optional point, and an
    // optional exponent (E or e, an optional sign, digits). Scientific notation counts as the
    // number it stands for, with its exponent as e: «1.50E03» has the integer digits 1500, no
    // fraction digits and e 3; «1.5E-02» has v 3 and f 15.
    static PluralOperands OfText(const char* begin, const char* end);
    // The operands of digits / 10^decimals written with all its decimals, for digits below
    // 2^53 and decimals from 0 to 15: 1250 and 2 are «12.50».
    static PluralOperands OfFixed(uint64_t digits, int decimals);
    // The operands of a whole number and a proper fraction, as a mixed number («1 1/2»): no
    // decimal digits are visible, so the fraction counts as the decimal it stands for, without
    // trailing zeros (1/2 as .5, 3/8 as .375). fraction is a numerator over 2^precision, below
    // 1, as a double holds it exactly; precision from 0 to 99.
    static PluralOperands OfMixed(double whole, double fraction, int precision);
};

} // namespace velmar::platform::core::units
