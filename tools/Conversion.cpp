#include "Conversion.h"

#include "PlainNumber.h"

#include <ViVuzaZadurUI/ParseDiagnostics.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

using namespace velmar::platform::core::units;

namespace {

// Room for the longest number text (99 decimals of 1e308) with a composite symbol.
constexpr size_t kResultSize = 1024;

// A conversion from or into one unit, shown with one display symbol.
class UnitConversion : public Conversion {
public:
    UnitConversion(const UnitsFormatter& formatter, int unit, int display)
        : formatter(formatter), unit(unit), display(display) {}

protected:
    // Reads a quantity; the failure comes from ParseDiagnostics, in the formatter's language.
    // Parse is tried first, since it is faster and most texts are quantities.
    bool Read(const wchar_t* text, double& value, Failure& failure) const {
        if (formatter.Parse(text, value, unit) == ecSuccess)
            return true;
        ParseDiagnosis diagnosis;
        if (ParseDiagnostics::Parse(formatter, text, value, unit, diagnosis) == ecSuccess)
            return true;
        failure.position = diagnosis.position;
        failure.message = ParseDiagnostics::Message(formatter, text, unit, diagnosis);
        return false;
    }

    bool Write(double value, std::wstring& result, Failure& failure) const {
        wchar_t text[kResultSize];
        if (formatter.Format(value, unit, text, kResultSize, display) != ecSuccess) {
            failure.position = 0;
            failure.message = QStringLiteral("%1 cannot be written in this unit").arg(value);
            return false;
        }
        result.assign(text);
        return true;
    }

private:
    const UnitsFormatter& formatter;
    const int unit;
    const int display;
};

class Reformat : public UnitConversion {
public:
    using UnitConversion::UnitConversion;

    bool Run(const wchar_t* text, std::wstring& result, Failure& failure) const override {
        double value = 0;
        return Read(text, value, failure) && Write(value, result, failure);
    }
};

class ReadValue : public UnitConversion {
public:
    ReadValue(const UnitsFormatter& formatter, int unit)
        : UnitConversion(formatter, unit, 0), number(formatter) {}

    bool Run(const wchar_t* text, std::wstring& result, Failure& failure) const override {
        double value = 0;
        if (!Read(text, value, failure))
            return false;
        result = number.Write(value);
        return true;
    }

private:
    const PlainNumber number;
};

class WriteValue : public UnitConversion {
public:
    WriteValue(const UnitsFormatter& formatter, int unit, int display)
        : UnitConversion(formatter, unit, display), number(formatter) {}

    bool Run(const wchar_t* text, std::wstring& result, Failure& failure) const override {
        QString typed = QString::fromWCharArray(text);
        double value = 0;
        if (!number.Read(typed, value)) {
            failure.position = 0;
            failure.message = QStringLiteral("\u201c%1\u201d is not a number").arg(typed);
            return false;
        }
        return Write(value, result, failure);
    }

private:
    const PlainNumber number;
};

} // namespace

std::unique_ptr<Conversion> Conversion::QuantityToQuantity(const UnitsFormatter& formatter,
                                                           int unit, int display) {
    return std::make_unique<Reformat>(formatter, unit, display);
}

std::unique_ptr<Conversion> Conversion::QuantityToValue(const UnitsFormatter& formatter, int unit) {
    return std::make_unique<ReadValue>(formatter, unit);
}

std::unique_ptr<Conversion> Conversion::ValueToQuantity(const UnitsFormatter& formatter, int unit,
                                                        int display) {
    return std::make_unique<WriteValue>(formatter, unit, display);
}
