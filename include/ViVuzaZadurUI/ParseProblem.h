#pragma once

namespace velmar::platform::core::units {

// Why a text is not a quantity.
enum ParseProblem : int {
    ppNone = 0,              // the text is a quantity
    ppEmptyText = 1,         // nothing to read
    ppUnknownUnit = 2,       // the unit asked for names no unit of the catalogue
    ppUnknownText = 3,       // no number and no symbol text starts here («5 ft 6 inn»)
    ppWrongDimension = 4,    // a quantity, of another dimension than asked («5 m» for an angle)
    ppMissingNumber = 5,     // a unit without its number («m»)
    ppMissingUnit = 6,       // numbers that no unit or notation takes («5 m 3»)
    ppMisplacedOperator = 7, // an operator without its operands («5 m·/s», «/m»)
    ppBadExponent = 8,       // an exponent other than a whole number from −64 to 64 but 0
                             // («m^2.5», «m^0», «m^65»)
    ppUnbalancedParenthesis = 9, // «5 m)», «5 (m», or deeper than 64 parentheses
    ppZeroDenominator = 10,      // a fraction over zero or below («1/0 m», «5' 1/0"»)
    ppMisplacedMark = 11,        // a degree sign, prime or double prime where it means nothing
    ppMinutesWithoutPrime = 12,  // «45°30 15»: minutes followed by more, without their prime
    ppNegativeMinutes = 13,      // «45°-30'»
    ppBearingOutOfRange = 14,    // a bearing angle over 90° («N 100° E»)
    ppBearingWithoutPole = 15,   // «45° E»: a bearing needs N or S before its angle
    ppNotFinite = 16,            // a value too large to hold («1e999 m»)
    ppTooLong = 17,              // a text cut into more pieces than any quantity has
    ppTooSmall = 18,             // a number too small to hold, other than 0 («1e-999 m»)
    // A group separator that separates no digit groups of the formatter's group sizes: «1,5»,
    // «0,500», «12,34,567» and «1.5,3» under the default settings
    ppMisplacedGroupSeparator = 19,
    ppAboveFiftyNine = 20,  // minutes or seconds of 60 or more after a larger part
                            // («45°75'», «4:60»)
    ppAmbiguousTime = 21,   // «1:30» in a time: hours and minutes, or minutes and seconds
    ppAmbiguousUnit = 22,   // a symbol text that names two units of the dimension asked
    ppPowerOutOfRange = 23, // units that multiply to a power beyond ±64 («m/s/s/…/s»)
};

} // namespace velmar::platform::core::units
