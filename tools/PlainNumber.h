#pragma once

#include <QString>

#include <string>

namespace velmar::platform::core::units {
class UnitsFormatter;
}

// A number without a unit under a formatter's number settings: the VALUE that format reads and
// the value that parse writes, so that the two follow the same rules as the quantities of the
// run («1,5» under de-DE numbers, «1.5» under the C conventions) and one reads what the other
// writes.
class PlainNumber {
public:
    // Takes the formatter's decimal separator, group separator and signs; the formatter must
    // outlive it.
    explicit PlainNumber(const velmar::platform::core::units::UnitsFormatter& formatter);

    // Reads a finite number as Parse reads the number of a quantity: a sign, digits with group
    // separators between digit groups, the decimal separator and an exponent («1.234,5»,
    // «-2,5e-3» under de-DE numbers; «1,5» under en-US numbers is none). Spaces around it are
    // allowed. False for anything else, a unit or a fraction bar among it too.
    bool Read(const QString& text, double& value) const;
    // The shortest text of 15 significant digits, as many as a double keeps of any decimal
    // text (the last bit that a conversion through the base unit may change, 7 ft read back
    // as 6.999999999999999 ft, does not show), with the formatter's decimal separator and
    // negative sign and without digit groups: «-1234,5».
    std::wstring Write(double value) const;

    const QString& DecimalSeparator() const { return decimal; }
    const QString& GroupSeparator() const { return group; }

private:
    const velmar::platform::core::units::UnitsFormatter& formatter;
    QString decimal;
    QString group;
    QString negative;
    QString positive;
};
