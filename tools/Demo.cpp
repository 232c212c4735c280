#include "Demo.h"

#include "Console.h"
#include "FormatterSettings.h"
#include "UnitCatalogue.h"

#include <ViVuzaZadurUI/NumberConventions.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <string>

using namespace velmar::platform::core::units;

namespace {

struct Example {
    double value;
    int unit;
    int display;
    int precision;
};

// clang-format off
const Example kExamples[] = {
    {12.5,     0x2001,  0x202001, 2}, // meters
    {9.81,     0x30001, 0x230001, 2}, // meters per second squared
    {5,        0x13016, 0x213016, 2}, // kilonewton meters
    {66.5,     0x2016,  0x702016, 2}, // feet and inches with a fraction
    {66.5,     0x2016,  0x802016, 2}, // the same with dashes
    {45.50417, 0x8002,  0x408002, 4}, // degrees, minutes and seconds
    {30,       0x8002,  0x508002, 2}, // a surveyor's bearing
    {21.5,     0x2a002, 0x22a003, 1}, // degrees Celsius shown in Fahrenheit
    {100,      0x21012, 0x221008, 3}, // psi shown in kilopascals
    {1,        0x1d017, 0x21d001, 0}, // a ton of refrigeration in watts
};
// clang-format on

} // namespace

QStringList Demo::Locales() {
    return {QStringLiteral("en-US"), QStringLiteral("de-DE"), QStringLiteral("fr-FR"),
            QStringLiteral("ru-RU")};
}

bool Demo::Write(const QStringList& locales, bool cNumbers) {
    for (const QString& locale : locales) {
        const std::wstring name = locale.toStdWString();
        UnitsFormatter formatter(name.c_str());
        if (NumberConventions::Apply(formatter, name.c_str()) != ecSuccess)
            return false;
        if (cNumbers)
            FormatterSettings::SetCNumbers(formatter);
        Console::WriteLine(locale);
        for (const Example& example : kExamples) {
            // The examples' precisions are within 0 to 99.
            (void)formatter.SetNumberDecimalPrecision(example.precision);
            wchar_t text[128];
            if (formatter.Format(example.value, example.unit, text, 128, example.display) !=
                ecSuccess)
                continue;
            Console::WriteLine(
                QLatin1String("  ") +
                UnitCatalogue::DisplayName(formatter, example.unit).leftJustified(32) +
                QLatin1Char(' ') + QString::fromWCharArray(text));
        }
    }
    return true;
}
