#include "FormatterTest.h"

#include <ViVuzaZadurUI/ParseDiagnostics.h>
#include <ViVuzaZadurUI/UnitIds.h>

#include <cmath>
#include <tuple>

using namespace velmar::platform::core::units;
using namespace vvztest;

// Texts as engineers type them, beyond the literal rules of symbols and numbers: the forms of
// other keyboards and tools, and the readings that a compound symbol text or a slash would
// otherwise get wrong. The fixed texts and en-US's symbols are read under every locale, so each
// case runs under all four.

namespace {

const wchar_t* const kLocales[] = {L"en-US", L"de-DE", L"fr-FR", L"ru-RU"};

// A text and what it must read as in the unit: a value, or a refusal with its reason.
struct Typed {
    const wchar_t* text;
    int unit;
    double expected; // in the unit; unused for a refusal
    ParseProblem refused = ppNone;
};

void PrintTo(const Typed& c, std::ostream* out) {
    *out << "«" << Narrow(c.text) << "»";
}

class TypedTexts : public FormatterTest,
                   public ::testing::WithParamInterface<std::tuple<const wchar_t*, Typed>> {};

TEST_P(TypedTexts, ReadAsMeantOrRefusedWithTheReason) {
    const auto& [locale, c] = GetParam();
    UnitsFormatter formatter(locale);
    double value = -1;
    ParseDiagnosis diagnosis;
    ErrorCode result = ParseDiagnostics::Parse(formatter, c.text, value, c.unit, diagnosis);
    if (c.refused != ppNone) {
        EXPECT_EQ(result, ecNotAQuantity);
        EXPECT_EQ(diagnosis.problem, c.refused);
        EXPECT_EQ(value, -1);
        return;
    }
    ASSERT_EQ(result, ecSuccess) << diagnosis.problem;
    EXPECT_NEAR(value, c.expected, std::abs(c.expected) * 1e-12);
}

// One Btu (IT) per hour, square foot and degree Fahrenheit in W/(m²·K).
const double kBtuPerHourSquareFootFahrenheit = 1055.05585262 / 3600 / (0.3048 * 0.3048) / (5.0 / 9);

// Each form beyond the literal rules beside its near misses, which must stay refusals: a
// reading that would be a wrong value if taken.
const Typed kTyped[] = {
    // A power binds the unit written just before it, also inside a compound symbol text; the
    // power is never dropped to make a dimension fit.
    {L"9.81 km/s\u00b2", Units::MeterPerSecondSquared, 9810},
    {L"2 kg\u00b7m\u00b2/s\u00b2", Units::Joule, 2},
    {L"1 kg\u00b7km/s\u00b2", Units::Newton, 1000},
    {L"5 km/s", Units::MeterPerSecond, 5000},
    {L"9.81 km/s\u00b2", Units::MeterPerSecond, 0, ppWrongDimension},
    {L"2 kg\u00b7m\u00b2/s\u00b2", Units::Newton, 0, ppWrongDimension},
    {L"1 kg\u00b7km/s\u00b2", Units::Joule, 0, ppWrongDimension},
    // Negative powers, superscript and after a caret, with either minus.
    {L"3 m\u00b7s\u207b\u00b2", Units::MeterPerSecondSquared, 3},
    {L"3 m*s^-2", Units::MeterPerSecondSquared, 3},
    {L"3 m*s^\u22122", Units::MeterPerSecondSquared, 3},
    {L"2 s\u207b\u00b9", Units::Hertz, 2},
    {L"3 m\u00b7s\u207b\u00b2", Units::MeterPerSecond, 0, ppWrongDimension},
    {L"3 m*s^-", Units::MeterPerSecondSquared, 0, ppMisplacedMark},
    {L"3 m*s^-0", Units::MeterPerSecondSquared, 0, ppBadExponent},
    // The engineering slash: everything after it is the denominator, where only that reading
    // has the dimension asked for, and only with one slash.
    {L"1 Btu/h\u00b7ft\u00b2\u00b7\u00b0F", Units::WattPerSquareMeterKelvin,
     kBtuPerHourSquareFootFahrenheit},
    {L"1 kg/m\u00b7s", Units::PascalSecond, 1},
    {L"1 kg/m\u00b7s", Units::Kilogram, 0, ppWrongDimension},
    {L"1 kg/m/s\u00b7s", Units::PascalSecond, 0, ppWrongDimension},
    // Dash fractions before unit symbols and words.
    {L"2-1/2 in", Units::Inch, 2.5},
    {L"3-7/8 inch", Units::Inch, 3.875},
    {L"5 ft 6-1/2 in", Units::Inch, 66.5},
    {L"2-1/0 in", Units::Inch, 0, ppZeroDenominator},
    {L"2-1/2-1/4 in", Units::Inch, 0, ppMissingNumber},
    // Degree signs of other keyboards, alone and in temperature symbols; angles only.
    {L"45\u00ba", Units::Degree, 45},
    {L"45\u02da", Units::Degree, 45},
    {L"45\u2070", Units::Degree, 45},
    {L"45\u2218", Units::Degree, 45},
    {L"45D", Units::Degree, 45},
    {L"20 \u00baC", Units::DegreeCelsius, 20},
    {L"20 \u02daC", Units::DegreeCelsius, 20},
    {L"68 \u02daF", Units::DegreeFahrenheit, 68},
    {L"45\u00ba", Units::Meter, 0, ppWrongDimension},
    {L"45D", Units::Meter, 0, ppWrongDimension},
    // Angles as geodesy tools write them; later parts below 60, and colons in a time only as
    // h:mm:ss, since «1:30» could be hours or minutes.
    {L"45:30:15", Units::Degree, 45 + 30 / 60.0 + 15 / 3600.0},
    {L"0:30", Units::Degree, 0.5},
    {L"-70:00:45", Units::Degree, -(70 + 45 / 3600.0)},
    {L"33d10", Units::Degree, 33 + 10 / 60.0},
    {L"45\u00b030", Units::Degree, 45.5},
    {L"4d0.15", Units::Degree, 4 + 0.15 / 60},
    {L"4d9\"", Units::Degree, 4 + 9 / 3600.0},
    {L"45\u00b030'15''", Units::Degree, 45 + 30 / 60.0 + 15 / 3600.0},
    {L"45\u00b030\u00b4", Units::Degree, 45.5},
    {L"45\u00b030`", Units::Degree, 45.5},
    {L"45\u00b030\u2035", Units::Degree, 45.5},
    {L"5'6''", Units::Inch, 66},
    {L"1:30:00", Units::Second, 5400},
    {L"45:30:15", Units::Meter, 0, ppWrongDimension},
    {L"1:30", Units::Second, 0, ppAmbiguousTime},
    {L"1:90:00", Units::Second, 0, ppAboveFiftyNine},
    {L"4::5", Units::Degree, 0, ppMisplacedMark},
    {L"4:5:", Units::Degree, 0, ppMisplacedMark},
    {L":4:5", Units::Degree, 0, ppMisplacedMark},
    {L"4:60", Units::Degree, 0, ppAboveFiftyNine},
    {L"4:59:60", Units::Degree, 0, ppAboveFiftyNine},
    {L"45\u00b075'", Units::Degree, 0, ppAboveFiftyNine},
    {L"4d5\"4'", Units::Degree, 0, ppMinutesWithoutPrime},
    // Ratios are no angles, though both are of dimension one.
    {L"5 ppm", Units::Degree, 0, ppWrongDimension},
    // Bearings whose angle is a plain number of degrees; the degree sign is optional only
    // inside a bearing, which needs its pole and stays within 90°.
    {L"N45E", Units::Degree, 45},
    {L"N 45 E", Units::Degree, 45},
    {L"N 30 W", Units::Degree, 120},
    {L"S 12.5 W", Units::Degree, -102.5},
    {L"45 E", Units::Degree, 0, ppMisplacedMark},
    {L"45\u00b0 E", Units::Degree, 0, ppBearingWithoutPole},
    {L"N45", Units::Degree, 0, ppMisplacedMark},
    {L"N 100 E", Units::Degree, 0, ppBearingOutOfRange},
    {L"5 m N", Units::Meter, 0, ppMissingNumber},
    // «g» is standard gravity where an acceleration is asked for, the gram elsewhere; «gₙ»
    // is never a gram.
    {L"1 g", Units::MeterPerSecondSquared, 9.80665},
    {L"1 g\u2099", Units::MeterPerSecondSquared, 9.80665},
    {L"5 g", Units::Kilogram, 0.005},
    {L"1 g\u2099", Units::Kilogram, 0, ppWrongDimension},
    {L"1 g", Units::Newton, 0, ppWrongDimension},
    // The units handbooks use every day.
    {L"1013.25 hPa", Units::Pascal, 101325},
    {L"1 Gbit/s", Units::BitPerSecond, 1e9},
    {L"1 Gbps", Units::BitPerSecond, 1e9},
    {L"1 Tbit", Units::Bit, 1e12},
    {L"1 kJ", Units::Joule, 1000},
    {L"1 GW", Units::Watt, 1e9},
    {L"1 hL", Units::Liter, 100},
    {L"1 ML", Units::CubicMeter, 1000},
    {L"1 km\u00b3", Units::CubicMeter, 1e9},
    {L"1 slug", Units::Kilogram, 14.593902937206364},
    // A text of two units of different dimensions in some locale (fr-FR «ch») in a third.
    {L"2 ch", Units::Second, 0, ppWrongDimension},
};

INSTANTIATE_TEST_SUITE_P(Locales, TypedTexts,
                         ::testing::Combine(::testing::ValuesIn(kLocales),
                                            ::testing::ValuesIn(kTyped)));

// A locale's text that names units of different dimensions reads as the one of the dimension
// asked for.
TEST_F(FormatterTest, TextOfTwoUnitsReadsByTheDimensionAsked) {
    UnitsFormatter formatter(L"fr-FR");
    const Typed cases[] = {{L"2 ch", Units::Chain, 2},
                           {L"2 ch", Units::Meter, 40.2336},
                           {L"2 ch", Units::Watt, 1470.9975},
                           {L"2 ch", Units::HorsepowerMetric, 2}};
    for (const Typed& c : cases) {
        double value = 0;
        ASSERT_EQ(formatter.Parse(c.text, value, c.unit), ecSuccess) << c.unit;
        EXPECT_NEAR(value, c.expected, c.expected * 1e-12) << c.unit;
    }
}

// A value written in the unit asked for comes back as written, not through the base unit
// («0.1 in» is 0.1, not 0.1 with a rounding error of the way through meters).
TEST_F(FormatterTest, ValueInTheAskedUnitIsExact) {
    UnitsFormatter formatter(L"en-US");
    const Typed cases[] = {
        {L"0.1 in", Units::Inch, 0.1},     {L"0.3 ft", Units::Foot, 0.3},
        {L"5'6 1/2\"", Units::Inch, 66.5}, {L"0.7 mi", Units::Mile, 0.7},
        {L"1.1 lb", Units::Pound, 1.1},
    };
    for (const Typed& c : cases) {
        double value = 0;
        ASSERT_EQ(formatter.Parse(c.text, value, c.unit), ecSuccess) << Narrow(c.text);
        EXPECT_EQ(value, c.expected) << Narrow(c.text);
    }
}

// Where a text names two units of the dimension asked for, which one the user meant cannot be
// told: the text is refused rather than read as either. No shipped locale has such a text; the
// test set gives «zz» to the meter and the foot, and «yy» to the mile.
TEST(TextOfTwoUnitsOfOneDimension, IsRefused) {
    // The process keeps one table of en-US texts, built from the folder of the first formatter
    // made: made here from the shipped files, so that the test set's folder cannot become it
    // whichever test runs first.
    (void)UnitsFormatter(L"en-US");
    UnitsManager::Uninitialize();
    QString path = QStringLiteral(VVZ_TEST_SETS_DIR "/ambiguous");
    ASSERT_TRUE(UnitsManager::GetInstance()->SetTranslatorFilesPath(path.toStdWString().c_str()));
    UnitsFormatter formatter(L"q9-TEST");
    double value = -1;
    ParseDiagnosis diagnosis;
    EXPECT_EQ(ParseDiagnostics::Parse(formatter, L"1 zz", value, Units::Meter, diagnosis),
              ecNotAQuantity);
    EXPECT_EQ(diagnosis.problem, ppAmbiguousUnit);
    EXPECT_EQ(value, -1);
    // A text of one unit beside it still reads.
    EXPECT_EQ(formatter.Parse(L"2 yy", value, Units::Mile), ecSuccess);
    EXPECT_EQ(value, 2);
    UnitsManager::Uninitialize();
}

} // namespace
