#include "Catalogue.h"
#include "FormatterTest.h"
#include "units/names/TranslationSet.h"

#include <ViVuzaZadurUI/NumberConventions.h>

#include <cmath>
#include <string>
#include <vector>

using namespace velmar::platform::core::units;
using namespace vvztest;

namespace {

constexpr int kMeterName = 0x102001;
constexpr int kMeterSymbol = 0x202001;
constexpr int kFootName = 0x102017;
constexpr int kFootSymbol = 0x202017; // ru «фут», the same text as the name
constexpr int kMileName = 0x102021;
constexpr int kHourName = 0x12c017;
constexpr int kCelsiusName = 0x12a002;

// A value written in the locale's number conventions at a precision, with a display symbol.
struct Agreement {
    const wchar_t* locale;
    double value;
    int precision;
    int display;
    const wchar_t* text;
    NumberFormat format = nfNumber;
};

class NameForms : public FormatterTest {
protected:
    static std::wstring Write(const Agreement& c) {
        UnitsFormatter formatter(c.locale);
        EXPECT_EQ(NumberConventions::Apply(formatter), ecSuccess);
        EXPECT_EQ(formatter.SetNumberDecimalPrecision(c.precision), ecSuccess);
        formatter.SetNumericFormat(c.format);
        return Written(formatter, c.value, c.display & 0xfffff, c.display);
    }
};

// Each locale's names take the form of the number as written, in every plural category of the
// locale, for integers and fractions; a symbol keeps its text. The form follows the digits each
// numeric format writes: an exponent counts as the number it stands for, a Fraction as its
// decimal; native digits, separators and signs do not count.
TEST_F(NameForms, AgreeWithTheNumberAsWritten) {
    const Agreement cases[] = {
        // en-US: one for 1 without visible fraction digits, other for the rest.
        {L"en-US", 1, 0, kMeterName, L"1 meter"},
        {L"en-US", 1, 2, kMeterName, L"1.00 meters"},
        {L"en-US", 0.5, 1, kMeterName, L"0.5 meters"},
        {L"en-US", 0, 0, kMeterName, L"0 meters"},
        {L"en-US", -1, 0, kMeterName, L"-1 meter"},
        {L"en-US", 2, 0, kFootName, L"2 feet"},
        {L"en-US", 1, 0, kFootName, L"1 foot"},
        {L"en-US", 0.96, 1, kHourName, L"1.0 hours"},
        {L"en-US", 0.96, 0, kHourName, L"1 hour"},
        {L"en-US", 21.5, 1, kCelsiusName, L"21.5 degrees Celsius"},
        {L"en-US", 1, 0, kCelsiusName, L"1 degree Celsius"},
        {L"en-US", 1, 0, kMeterSymbol, L"1 m"},
        {L"en-US", 2, 0, kFootSymbol, L"2 ft"},
        // de-DE: one and other; Meter and Fuß have one form.
        {L"de-DE", 1, 0, kHourName, L"1 Stunde"},
        {L"de-DE", 2, 0, kHourName, L"2 Stunden"},
        {L"de-DE", 1.5, 1, kHourName, L"1,5 Stunden"},
        {L"de-DE", 1, 1, kHourName, L"1,0 Stunden"},
        {L"de-DE", 0, 0, kHourName, L"0 Stunden"},
        {L"de-DE", 1, 0, kMileName, L"1 Meile"},
        {L"de-DE", 1234.5, 1, kMileName, L"1.234,5 Meilen"},
        {L"de-DE", 1, 0, kMeterName, L"1 Meter"},
        {L"de-DE", 5, 0, kMeterName, L"5 Meter"},
        {L"de-DE", 5, 0, kFootName, L"5 Fuß"},
        {L"de-DE", 2, 0, kCelsiusName, L"2 Grad Celsius"},
        // fr-FR: one for an integer part of 0 or 1, many for the millions, other for the rest.
        {L"fr-FR", 0, 0, kMeterName, L"0 mètre"},
        {L"fr-FR", 0.5, 1, kMeterName, L"0,5 mètre"},
        {L"fr-FR", 1, 0, kMeterName, L"1 mètre"},
        {L"fr-FR", 1.5, 1, kMeterName, L"1,5 mètre"},
        {L"fr-FR", 1.99, 2, kMeterName, L"1,99 mètre"},
        {L"fr-FR", 2, 0, kMeterName, L"2 mètres"},
        {L"fr-FR", 2, 2, kMeterName, L"2,00 mètres"},
        {L"fr-FR", 1e6, 0, kMeterName, L"1\u202f000\u202f000 mètres"},
        {L"fr-FR", 1.5, 1, kHourName, L"1,5 heure"},
        {L"fr-FR", 3, 0, kCelsiusName, L"3 degrés Celsius"},
        {L"fr-FR", 3, 0, kFootName, L"3 pieds"},
        // ru-RU: one for 1, 21, 101; few for 2 to 4, 22 to 24; many for 0, 5 to 20, 11 to 14
        // and 25; other for fractions.
        {L"ru-RU", 1, 0, kMeterName, L"1 метр"},
        {L"ru-RU", 2, 0, kMeterName, L"2 метра"},
        {L"ru-RU", 5, 0, kMeterName, L"5 метров"},
        {L"ru-RU", 0, 0, kMeterName, L"0 метров"},
        {L"ru-RU", 11, 0, kMeterName, L"11 метров"},
        {L"ru-RU", 12, 0, kMeterName, L"12 метров"},
        {L"ru-RU", 14, 0, kMeterName, L"14 метров"},
        {L"ru-RU", 21, 0, kMeterName, L"21 метр"},
        {L"ru-RU", 22, 0, kMeterName, L"22 метра"},
        {L"ru-RU", 24, 0, kMeterName, L"24 метра"},
        {L"ru-RU", 25, 0, kMeterName, L"25 метров"},
        {L"ru-RU", 101, 0, kMeterName, L"101 метр"},
        {L"ru-RU", 111, 0, kMeterName, L"111 метров"},
        {L"ru-RU", 1.5, 1, kMeterName, L"1,5 метра"},
        {L"ru-RU", 0.5, 1, kMeterName, L"0,5 метра"},
        {L"ru-RU", 1, 2, kMeterName, L"1,00 метра"},
        {L"ru-RU", 1234.5, 1, kMeterName, L"1\u00a0234,5 метра"},
        {L"ru-RU", 1, 0, kMileName, L"1 миля"},
        {L"ru-RU", 3, 0, kMileName, L"3 мили"},
        {L"ru-RU", 5, 0, kMileName, L"5 миль"},
        {L"ru-RU", 21, 0, kCelsiusName, L"21 градус Цельсия"},
        {L"ru-RU", 23, 0, kHourName, L"23 часа"},
        {L"ru-RU", 16.4, 2, kFootName, L"16,40 фута"},
        {L"ru-RU", 5, 0, kFootName, L"5 футов"},
        // Symbols do not change, also where the symbol is written as the name.
        {L"ru-RU", 16.4, 2, kFootSymbol, L"16,40 фут"},
        {L"ru-RU", 5, 0, kFootSymbol, L"5 фут"},
        {L"ru-RU", 5, 0, kMeterSymbol, L"5 м"},
        // Every numeric format.
        {L"en-US", 1000, 2, kMeterName, L"1.00E03 meters", nfExponential},
        {L"en-US", 1, 0, kMeterName, L"1E00 meter", nfExponential},
        {L"en-US", 1, 2, kMeterName, L"1 meter", nfGeneral},
        {L"en-US", 1.5, 2, kMeterName, L"1.5 meters", nfGeneral},
        {L"en-US", 1234.5, 3, kMeterName, L"1.23e03 meters", nfGeneralLower},
        {L"en-US", 1, 2, kMeterName, L"1.00 meters", nfFixedPoint},
        {L"en-US", 1, 3, kMeterName, L"1 meter", nfFraction},
        {L"en-US", 1.5, 3, kMeterName, L"1 1/2 meters", nfFraction},
        {L"en-US", 0.5, 3, kMeterName, L"1/2 meters", nfFraction},
        {L"fr-FR", 1.5, 3, kMeterName, L"1 1/2 mètre", nfFraction},
        {L"ru-RU", 2, 3, kMeterName, L"2 метра", nfFraction},
        {L"ru-RU", 2.5, 3, kMeterName, L"2 1/2 метра", nfFraction},
        {L"ru-RU", 1000, 2, kMeterName, L"1,00E03 метров", nfExponential},
        {L"ru-RU", 2, 2, kMeterName, L"2,00E00 метра", nfExponential},
        {L"ru-RU", 21, 0, kMeterName, L"2E01 метров", nfExponential},
        {L"ru-RU", 21, 3, kMeterName, L"21 метр", nfGeneral},
    };
    for (const Agreement& c : cases)
        EXPECT_EQ(Write(c), c.text) << Narrow(c.locale) << " " << c.value << " " << c.format;

    UnitsFormatter arabic(L"en-US");
    ASSERT_EQ(arabic.SetNativeDigits(L"٠١٢٣٤٥٦٧٨٩"), ecSuccess);
    ASSERT_EQ(arabic.SetNumberDecimalSeparator(L"٫"), ecSuccess);
    EXPECT_EQ(Written(arabic, 1, 0x2001, kMeterName), L"١٫٠٠ meters");
    ASSERT_EQ(arabic.SetNumberDecimalPrecision(0), ecSuccess);
    EXPECT_EQ(Written(arabic, 1, 0x2001, kMeterName), L"١ meter");
    arabic.SetNegativeSign(L"\u2212");
    arabic.SetPositiveSign(L"+");
    EXPECT_EQ(Written(arabic, -1, 0x2001, kMeterName), L"\u2212١ meter");
    EXPECT_EQ(Written(arabic, 1, 0x2001, kMeterName), L"+١ meter");

    // A name without a number keeps its dictionary form.
    UnitsFormatter russian(L"ru-RU");
    EXPECT_EQ(DisplayName(russian, 0x2001), L"метр");
    EXPECT_EQ(DisplayName(russian, kMeterName), L"метр");
    EXPECT_EQ(DisplayName(russian, kFootSymbol), L"фут");
}

// Every form of every name reads as the name's unit: what Format writes with a name symbol
// parses back to the value, at numbers of every plural category, in every shipped locale.
TEST_F(NameForms, ReadBackAtEveryNumber) {
    // Integers at precision 0, fractions at precision 1.
    const std::pair<int, std::vector<double>> numbers[] = {
        {0, {0, 1, 2, 3, 5, 11, 21, 22, 25, 101}}, {1, {0.5, 1.5, 1234.5}}};
    int checked = 0;
    for (const wchar_t* locale : {L"en-US", L"de-DE", L"fr-FR", L"ru-RU"}) {
        TranslationSet translations(locale);
        UnitsFormatter formatter(locale);
        ASSERT_EQ(NumberConventions::Apply(formatter), ecSuccess);
        for (int symbol : AllSymbols()) {
            int unit = symbol & 0xfffff;
            if ((unit & 0xff000) == 0x1000 ||
                translations.SymbolText(symbol) != translations.UnitDisplayName(unit))
                continue;
            for (const auto& [precision, values] : numbers) {
                ASSERT_EQ(formatter.SetNumberDecimalPrecision(precision), ecSuccess);
                for (double value : values) {
                    std::wstring text = Written(formatter, value, unit, symbol);
                    double read = -1;
                    ASSERT_EQ(formatter.Parse(text.c_str(), read, unit), ecSuccess)
                        << Narrow(locale) << " " << std::hex << symbol << " «"
                        << Narrow(text.c_str()) << "»";
                    EXPECT_NEAR(read, value, 1e-9 * std::max(1.0, value))
                        << Narrow(locale) << " «" << Narrow(text.c_str()) << "»";
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 40000);
}

} // namespace
