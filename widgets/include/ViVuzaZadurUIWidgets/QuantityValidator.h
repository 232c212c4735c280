#pragma once

#include <ViVuzaZadurUIWidgets/Export.h>

#include <QValidator>

#include <memory>

namespace velmar::platform::core::units {

class FieldFormatter;
class UnitsFormatter;

// Tells a line edit whether its text is a quantity of a unit's dimension, as
// UnitsFormatter::Parse reads it:
//   Acceptable    the text parses («5'6 1/2"», «9.81 m/s²», a bare number in the default unit);
//   Intermediate  it does not yet, but typing on can make it one: an empty text, a quantity
//                 of another dimension («9.81 m/s» on the way to «9.81 m/s²»), a number
//                 waiting for its unit or mark («5 6 1» before «/2»), a digit group not
//                 finished yet («1,2» before «1,234»), a composite notation not finished yet
//                 («N 45», «5'-6-1/»), an open parenthesis, or a problem
//                 right at the cursor: an unknown word being typed («5 k» before «5 kN»), a
//                 trailing operator («5 m/»), minutes waiting for their prime («45°30»), a
//                 unit whose number may still go in before it («m/s²» with the cursor at or
//                 before its end);
//   Invalid       a problem away from the cursor that no typing at the cursor mends: an
//                 unknown word («5 x m»), a zero denominator, negative minutes, a stray «)».
// A QLineEdit refuses an edit whose result is Invalid, so the rule lets everything pass that
// an edit at the cursor position may be in the middle of.
//
// The formatter is one the host shares (it must outlive the validator, or be replaced first)
// or the validator's own, made for the validator's locale() with that locale's number
// conventions and rebuilt when setLocale() changes it. validate() costs one
// ParseDiagnostics::Parse (which, for a text whose pieces do not fit together, also tries
// it as a length, an angle and a time) and allocates nothing of its own for texts up to
// 255 characters.
class VIVUZAZADURUIWIDGETS_EXPORT QuantityValidator : public QValidator {
    Q_OBJECT

public:
    // Reads texts as quantities of unit (a unit id: 0x2016 inch) with a formatter of its own.
    explicit QuantityValidator(int unit = 0, QObject* parent = nullptr);
    // Reads with a shared formatter; null makes one of its own.
    QuantityValidator(int unit, const UnitsFormatter* formatter, QObject* parent = nullptr);
    ~QuantityValidator() override;

    // The unit id whose dimension a text must have; one that names no unit makes every text
    // Invalid.
    int unit() const;
    void setUnit(int unit);

    // The formatter in use: the shared one, or the validator's own.
    const UnitsFormatter& formatter() const;
    // Shares formatter; null goes back to a formatter of the validator's own.
    void setFormatter(const UnitsFormatter* formatter);

    // Acceptable, Intermediate or Invalid for input with the cursor at pos, as the class
    // comment tells; input and pos stay as they are.
    State validate(QString& input, int& pos) const override;

private:
    void followLocale();

    std::unique_ptr<FieldFormatter> formatter_;
    int unit_;
};

} // namespace velmar::platform::core::units
