// The QString forms of the API give what the wide-character forms give, and the named ids are
// the catalogue's.
#include "Catalogue.h"
#include "FormatterTest.h"

#include <ViVuzaZadurUI/ParseDiagnostics.h>
#include <ViVuzaZadurUI/StringUtil.h>
#include <ViVuzaZadurUI/UnitIds.h>

#include <cmath>
#include <limits>
#include <string>

using namespace velmar::platform::core::units;
using namespace vvztest;

namespace {

class QStringForms : public FormatterTest, public ::testing::WithParamInterface<const wchar_t*> {};

// Every symbol in every shipped locale, under settings that change the text: the QString text
// equals the wide text, failures included, and reading the QString text gives what reading the
// wide text gives.
TEST_P(QStringForms, FormatAndParseAsTheWideForms) {
    const std::pair<int, NumberFormat> settings[] = {
        {2, nfNumber}, {0, nfFraction}, {4, nfGeneral}, {3, nfExponential}};
    int checked = 0;
    for (const auto& [precision, format] : settings) {
        UnitsFormatter formatter(GetParam());
        ASSERT_EQ(formatter.SetNumberDecimalPrecision(precision), ecSuccess);
        formatter.SetNumericFormat(format);
        for (int symbol : AllSymbols()) {
            int unit = symbol & 0xfffff;
            for (double value : {-7.8125, 1234.5678, std::numeric_limits<double>::quiet_NaN()}) {
                wchar_t buffer[256];
                ErrorCode wide = formatter.Format(value, unit, buffer, 256, symbol);
                ErrorCode error = ecSuccess;
                QString text = formatter.Format(value, unit, symbol, &error);
                ASSERT_EQ(error, wide) << std::hex << symbol;
                ASSERT_EQ(text, wide == ecSuccess ? QString::fromWCharArray(buffer) : QString());
                if (wide != ecSuccess)
                    continue;
                double fromWide = 0, fromText = 0;
                EXPECT_EQ(formatter.Parse(text, fromText, unit),
                          formatter.Parse(buffer, fromWide, unit));
                EXPECT_EQ(fromText, fromWide) << text.toStdString();
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 10000);
}

INSTANTIATE_TEST_SUITE_P(ShippedLocales, QStringForms,
                         ::testing::Values(L"en-US", L"de-DE", L"fr-FR", L"ru-RU"));

// A QString text has any length: one that no fixed buffer of a host would take comes whole.
TEST_F(FormatterTest, QStringTextsLongerThanAnyBuffer) {
    UnitsFormatter formatter(L"en-US");
    ASSERT_EQ(formatter.SetNumberDecimalPrecision(99), ecSuccess);
    formatter.SetNumericFormat(nfFixedPoint);
    wchar_t buffer[128];
    EXPECT_EQ(formatter.Format(1e300, Units::Meter, buffer, 128, Symbols::m), ecFailure);
    ErrorCode error = ecFailure;
    QString text = formatter.Format(1e300, Units::Meter, Symbols::m, &error);
    EXPECT_EQ(error, ecSuccess);
    EXPECT_EQ(text.size(), 301 + 1 + 99 + 2);
    EXPECT_TRUE(text.endsWith(QStringLiteral(" m")));
    double read = 0;
    EXPECT_EQ(formatter.Parse(text, read, Units::Meter), ecSuccess);
    EXPECT_DOUBLE_EQ(read, 1e300);
    // A text with a NUL is read up to it, as a wide text is.
    EXPECT_EQ(formatter.Parse(QStringView(u"5 m\0garbage", 11), read, Units::Meter), ecSuccess);
    EXPECT_EQ(read, 5);
}

// The text getters and setters and the diagnostics agree with their wide forms, and positions
// of a QString text count its UTF-16 units.
TEST_F(FormatterTest, QStringSettersGettersAndDiagnostics) {
    UnitsFormatter formatter(u"de-DE");
    EXPECT_EQ(formatter.GetLocaleName(), QStringLiteral("de-DE"));
    EXPECT_EQ(formatter.SetNumberDecimalSeparator(u","), ecSuccess);
    EXPECT_EQ(formatter.SetNumberGroupSeparator(u"."), ecSuccess);
    EXPECT_EQ(formatter.SetNumberGroupSeparator(u""), ecFailure);
    formatter.SetNegativeSign(u"\u2212");
    EXPECT_EQ(formatter.GetNumberDecimalSeparator(), QStringLiteral(","));
    EXPECT_EQ(formatter.GetNegativeSign(), QStringLiteral("\u2212"));
    EXPECT_EQ(formatter.GetNativeDigits(), QStringLiteral("0123456789"));
    EXPECT_EQ(formatter.SetNativeDigits(u"012345678"), ecFailure);
    EXPECT_EQ(formatter.GetNativeDigits(), QStringLiteral("0123456789"));
    EXPECT_EQ(formatter.GetDisplayName(Groups::Length), QStringLiteral("L\u00e4nge"));
    ErrorCode error = ecSuccess;
    EXPECT_TRUE(formatter.GetDisplayName(0x45001, &error).isEmpty());
    EXPECT_EQ(error, ecFailure);
    wchar_t name[64];
    ASSERT_EQ(formatter.GetNumberFormatDisplayName(nfFixedPoint, name, 64), ecSuccess);
    EXPECT_EQ(formatter.GetNumberFormatDisplayName(nfFixedPoint), QString::fromWCharArray(name));
    EXPECT_EQ(formatter.SetSymbolParsingString(Symbols::Inch_FootPrimeInchDoublePrime_Fraction,
                                               u"{0} Fu\u00df {1} Zoll"),
              ecSuccess);
    EXPECT_EQ(formatter.GetSymbolParsingString(Symbols::Inch_FootPrimeInchDoublePrime_Fraction),
              QStringLiteral("{0} Fu\u00df {1} Zoll"));
    formatter.GetSymbolFormattingString(Symbols::Inch_FootPrimeInchDoublePrime_Fraction, &error);
    EXPECT_EQ(error, ecNotFound);
    double value = 0;
    EXPECT_EQ(formatter.Parse(u"5 Fu\u00df 6 Zoll", value, Units::Inch), ecSuccess);
    EXPECT_EQ(value, 66);
    // «𝔵» is one wide character and two UTF-16 units.
    ParseDiagnosis diagnosis;
    QString text = QStringLiteral("\U0001D535 5 inn");
    EXPECT_EQ(ParseDiagnostics::Parse(formatter, text, value, Units::Inch, diagnosis),
              ecNotAQuantity);
    EXPECT_EQ(diagnosis.position, 0u);
    EXPECT_EQ(diagnosis.length, 2u);
    EXPECT_TRUE(ParseDiagnostics::Message(formatter, text, Units::Inch, diagnosis)
                    .contains(QStringLiteral("\U0001D535")));
}

// A sample of the named ids against the catalogue's global names, for groups, units and
// symbols, and a name that the catalogue gives a symbol of a unit of another group.
TEST(UnitIds, AreTheCataloguesIds) {
    const std::pair<int, const char*> named[] = {
        {Groups::Length, "Length"},
        {Groups::Angle, "Angle"},
        {Groups::BitRate, "BitRate"},
        {Units::Inch, "Inch"},
        {Units::Degree, "Degree"},
        {Units::StandardGravity, "StandardGravity"},
        {Units::MeterPerSecondSquared, "MeterPerSecondSquared"},
        {Symbols::Inch_FootPrimeInchDoublePrime_Fraction, "Inch_FootPrimeInchDoublePrime_Fraction"},
        {Symbols::Degree_DegreeDegreeMinutePrimeSecondDoublePrime_Surveyor,
         "Degree_DegreeDegreeMinutePrimeSecondDoublePrime_Surveyor"},
        {Symbols::m, "m"},
        {Symbols::Meter_Name, "Meter_Name"},
    };
    for (const auto& [id, name] : named)
        EXPECT_EQ(StringUtil::GetUnitGlobalName(id), QString::fromLatin1(name)) << name;
    EXPECT_EQ(Symbols::Inch_FootPrimeInchDoublePrime_Fraction, 0x702016);
    EXPECT_EQ(Units::Inch, 0x2016);
    EXPECT_EQ(Groups::Length, 0x2000);
}

} // namespace
