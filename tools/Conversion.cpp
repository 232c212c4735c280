#include "Conversion.h"

#include <ViVuzaZadurUI/ParseDiagnostics.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <QLocale>

#include <charconv>

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
    using UnitConversion::UnitConversion;

    bool Run(const wchar_t* text, std::wstring& result, Failure& failure) const override {
        double value = 0;
        if (!Read(text, value, failure))
            return false;
        // 15 significant digits, as many as a double keeps of any decimal text: the last bit
        // that a conversion through the base unit may change (7 ft read back as
        // 6.999999999999999 ft) does not show.
        char number[32];
        char* end =
            std::to_chars(number, number + sizeof number, value, std::chars_format::general, 15)
                .ptr;
        result.assign(number, end);
        return true;
    }
};

class WriteValue : public UnitConversion {
public:
    using UnitConversion::UnitConversion;

    bool Run(const wchar_t* text, std::wstring& result, Failure& failure) const override {
        QString number = QString::fromWCharArray(text);
        bool isNumber = false;
        double value = QLocale::c().toDouble(number, &isNumber);
        if (!isNumber) {
            failure.position = 0;
            failure.message = QStringLiteral("\u201c%1\u201d is not a number").arg(number);
            return false;
        }
        return Write(value, result, failure);
    }
};

} // namespace

std::unique_ptr<Conversion> Conversion::QuantityToQuantity(const UnitsFormatter& formatter,
                                                           int unit, int display) {
    return std::make_unique<Reformat>(formatter, unit, display);
}

std::unique_ptr<Conversion> Conversion::QuantityToValue(const UnitsFormatter& formatter, int unit) {
    return std::make_unique<ReadValue>(formatter, unit, 0);
}

std::unique_ptr<Conversion> Conversion::ValueToQuantity(const UnitsFormatter& formatter, int unit,
                                                        int display) {
    return std::make_unique<WriteValue>(formatter, unit, display);
}
