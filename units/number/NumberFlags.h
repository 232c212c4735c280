#pragma once

#include <cstdint>

namespace velmar::platform::core::units {

// What the number scanner saw in a number.
enum NumberFlags : uint32_t {
    MantissaPlus = 1,          // the number begins with the positive sign
    MantissaMinus = 2,         // the number begins with the negative sign
    ExponentPlus = 4,          // the exponent begins with the positive sign
    ExponentMinus = 8,         // the exponent begins with the negative sign
    GroupSeparatorSeen = 16,   // a group separator was taken
    DecimalSeparatorSeen = 32, // a decimal separator was taken
    ExponentDigits = 64,       // exponent digits were read
    IntegerDigits = 128,       // integer digits were read
    FractionDigits = 256,      // fraction digits were read
    // The number is beyond what a double holds: its value came out infinite, or zero although
    // a digit of its mantissa is not.
    OutOfRange = 512,
    // The number ends at a group separator that separates no digit groups («1,5» under the
    // default settings): the separator begins right after it.
    MisplacedGroupSeparator = 1024,
};

} // namespace velmar::platform::core::units
