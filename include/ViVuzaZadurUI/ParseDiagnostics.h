#pragma once

#include <ViVuzaZadur/UnitsTypes.h>
#include <ViVuzaZadurUI/Export.h>
#include <ViVuzaZadurUI/ParseProblem.h>

#include <QString>

#include <cstddef>

namespace velmar::platform::core::units {

class UnitsFormatter;

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
    // The same for a QString text; positions count its UTF-16 characters.
    static ErrorCode Parse(const UnitsFormatter& formatter, QStringView text, double& value,
                           int unit, ParseDiagnosis& diagnosis);

    // A sentence for the diagnosis in the formatter's language (en-US, de-DE, fr-FR, ru-RU;
    // English for other locales), naming the piece of text to change and, for a wrong
    // dimension, the dimension found and the one asked: «“inn” is not a number or a unit
    // symbol.»; «“5 m” measures length, not angle.». A misplaced group separator in a number
    // that reads with the roles of the separators swapped gets that number, written with the
    // formatter's own separators: «did you mean 1.5?» for «1,5» under the default settings.
    // text is the text that was parsed, unit the unit that was asked for.
    static QString Message(const UnitsFormatter& formatter, const wchar_t* text, int unit,
                           const ParseDiagnosis& diagnosis);
    static QString Message(const UnitsFormatter& formatter, QStringView text, int unit,
                           const ParseDiagnosis& diagnosis);
};

} // namespace velmar::platform::core::units
