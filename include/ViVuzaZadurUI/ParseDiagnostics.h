#pragma once

#include <ViVuzaZadur/UnitsTypes.h>
#include <ViVuzaZadurUI/Export.h>

#include <QString>

#include <cstddef>

namespace velmar::platform::core::units {

class UnitsFormatter;

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
    ppBadExponent = 8,       // «m^2.5», «m^0», «m^-2», or a power beyond m^64
    ppUnbalancedParenthesis = 9, // «5 m)», «5 (m», or deeper than 64 parentheses
    ppZeroDenominator = 10,      // a fraction over zero or below («1/0 m», «5' 1/0"»)
    ppMisplacedMark = 11,        // a degree sign, prime or double prime where it means nothing
    ppMinutesWithoutPrime = 12,  // «45°30»
    ppNegativeMinutes = 13,      // «45°-30'»
    ppBearingOutOfRange = 14,    // a bearing angle over 90° («N 100° E»)
    ppBearingWithoutPole = 15,   // «45° E»: a bearing needs N or S before its angle
    ppNotFinite = 16,            // a value too large to hold («1e999 m»)
    ppTooLong = 17,              // a text cut into more pieces than any quantity has
    ppTooSmall = 18,             // a number too small to hold, other than 0 («1e-999 m»)
};

// What a parse found wrong with a text, and where.
struct ParseDiagnosis {
    // The reason; ppNone for a quantity.
    ParseProblem problem = ppNone;
    // The characters of the text the problem is about: the unknown word, the misplaced mark,
    // the number in the way; the whole text for a wrong dimension. Indices count wide
    // characters from 0.
    size_t position = 0;
    size_t length = 0;
    // For ppWrongDimension: the group of the dimension found (0 when no group has it), and
    // the exponents of that dimension (length, mass, time, current, temperature, amount,
    // luminous intensity).
    int foundGroup = 0;
    int foundDimension[7] = {0, 0, 0, 0, 0, 0, 0};
};

// Parses as UnitsFormatter::Parse does, and tells why a text is not a quantity: for input
// fields, command-line tools and logs. Parse itself stays as fast as it is; this costs a
// little more.
class VIVUZAZADURUI_EXPORT ParseDiagnostics {
public:
    // The same result and value as formatter.Parse(text, value, unit); on ecNotAQuantity,
    // diagnosis tells why (on success its problem is ppNone).
    static ErrorCode Parse(const UnitsFormatter& formatter, const wchar_t* text, double& value,
                           int unit, ParseDiagnosis& diagnosis);

    // A sentence for the diagnosis in the formatter's language (en-US, de-DE, fr-FR, ru-RU;
    // English for other locales), naming the text in question and, for a wrong dimension, the
    // dimension found and the one asked: «"inn" is no number or unit symbol»; «a length, not
    // an angle». text is the text that was parsed, unit the unit that was asked for.
    static QString Message(const UnitsFormatter& formatter, const wchar_t* text, int unit,
                           const ParseDiagnosis& diagnosis);
};

} // namespace velmar::platform::core::units
