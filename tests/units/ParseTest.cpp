#include "FormatterTest.h"
#include "units/FormatterState.h"

#include <cmath>
#include <limits>
#include <string>

using namespace velmar::platform::core::units;
using namespace vvztest;

namespace {

constexpr int kNewton = 0x17001;
constexpr int kNewtonMeter = 0x13014;
constexpr int kKilonewtonMeter = 0x13016;
constexpr int kAcceleration = 0x30001; // m/s²
constexpr int kCelsius = 0x2a002;
constexpr int kKelvin = 0x2a001;
constexpr int kHeatTransfer = 0x3d001; // W/(m²·K)
constexpr int kGrad = 0x8004;
constexpr int kPascal = 0x2100e;

const double kFails = std::numeric_limits<double>::quiet_NaN();

struct ParseCase {
    const wchar_t* text;
    int unit;
    double expected; // in the unit; kFails for a text that is not a quantity of it
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << "«" << Narrow(c.text) << "» into " << std::hex << c.unit;
}

using ParseTest = FormatterTest;

// Checks one case: the value on success, 2 and an untouched value on failure.
void ExpectParse(const UnitsFormatter& formatter, const ParseCase& c) {
    double value = -12345;
    ErrorCode result = formatter.Parse(c.text, value, c.unit);
    if (std::isnan(c.expected)) {
        EXPECT_EQ(result, ecNotAQuantity);
        EXPECT_EQ(value, -12345);
    } else {
        ASSERT_EQ(result, ecSuccess);
        EXPECT_NEAR(value, c.expected, std::abs(c.expected) * 1e-12 + 1e-12);
    }
}

class Reads : public ParseTest, public ::testing::WithParamInterface<ParseCase> {};

TEST_P(Reads, InEnglish) {
    UnitsFormatter formatter(L"en-US");
    ExpectParse(formatter, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, Reads,
    ::testing::Values(
        ParseCase{L"12.5m", kMeter, 12.5}, ParseCase{L"5 km", kMeter, 5000},
        ParseCase{L"5 m", kFoot, 5 / 0.3048}, ParseCase{L"5 m·m", kSquareMeter, 5},
        ParseCase{L"5 m m", kSquareMeter, 5}, ParseCase{L"5 m^2", kSquareMeter, 5},
        ParseCase{L"5 m / s", kMeterPerSecond, 5}, ParseCase{L"9.81 m/(s·s)", kAcceleration, 9.81},
        ParseCase{L"9.81 m/s^2", kAcceleration, 9.81}, ParseCase{L"5 kN·m", kKilonewtonMeter, 5},
        ParseCase{L"5 kN m", kKilonewtonMeter, 5}, ParseCase{L"5 N-m", kNewtonMeter, 5},
        ParseCase{L"5 kg*m/s^2", kNewton, 5}, ParseCase{L"1/2 m", kMeter, 0.5},
        ParseCase{L"1/2", kMeter, 0.5}, ParseCase{L"(5 m)", kMeter, 5},
        ParseCase{L"5 (m)", kMeter, 5}, ParseCase{L"100 °C", kKelvin, 373.15},
        ParseCase{L"212 °F", kCelsius, 100}, ParseCase{L"212°F", kCelsius, 100},
        ParseCase{L"5 W/(m²·°C)", kHeatTransfer, 5}, ParseCase{L"5 N/m²", kPascal, 5},
        // Operators of equal precedence apply from left to right, powers before them.
        ParseCase{L"8 m/s/s", kAcceleration, 8}, ParseCase{L"2 m·m/m", kMeter, 2},
        ParseCase{L"2 m/s·s", kMeter, 2},
        // Failures; those with a reason of their own are in ParseDiagnosticsTest.
        ParseCase{L"5 (m", kMeter, kFails}, ParseCase{L"5 m^2.0", kSquareMeter, kFails},
        ParseCase{L"5 m^0", kMeter, kFails}, ParseCase{L"5 m^-2", kMeter, kFails},
        ParseCase{L"1 -1/2 m", kMeter, kFails}, ParseCase{L"1/-2 m", kMeter, kFails},
        ParseCase{L"5 x", kMeter, kFails}, ParseCase{L"5 m", 0x2043, kFails},
        ParseCase{L"5 m", 0, kFails},
        // Numbers beyond a double fail; zero stays zero whatever its exponent.
        ParseCase{L"-1e-999 m", kMeter, kFails}, ParseCase{L"1e-310 m", kMeter, 1e-310},
        ParseCase{L"0e999 m", kMeter, 0}, ParseCase{L"0.0e-999 m", kMeter, 0}));

INSTANTIATE_TEST_SUITE_P(
    Notations, Reads,
    ::testing::Values(
        // Angles, beyond the forms Format writes (which RoundTripTest reads back).
        ParseCase{L"45°30′15″", kDegree, 45 + 30 / 60.0 + 15 / 3600.0},
        ParseCase{L"45°30.5'", kDegree, 45 + 30.5 / 60}, ParseCase{L"30'", kDegree, 0.5},
        ParseCase{L"1/2'", kDegree, 1 / 120.0}, ParseCase{L"100g", kGrad, 100},
        ParseCase{L"N", kDegree, 90}, ParseCase{L"S", kDegree, -90}, ParseCase{L"E", kDegree, 0},
        ParseCase{L"W", kDegree, 180}, ParseCase{L"N45°30'E", kDegree, 44.5},
        ParseCase{L"S 30°15'10\" W", kDegree, -(90 + 30 + 15 / 60.0 + 10 / 3600.0)},
        ParseCase{L"N 45°", kDegree, kFails}, ParseCase{L"45° N", kDegree, kFails},
        // A bearing's angle reaches from 0° to 90° inclusive, and no further.
        ParseCase{L"N 90° E", kDegree, 0}, ParseCase{L"N 0° E", kDegree, 90},
        ParseCase{L"S 90° W", kDegree, -180}, ParseCase{L"S 0° W", kDegree, -90},
        ParseCase{L"N 89°59'59\" E", kDegree, 1 / 3600.0},
        ParseCase{L"N 90°0'1\" E", kDegree, kFails}, ParseCase{L"N -0°0'1\" E", kDegree, kFails},
        ParseCase{L"N -1° W", kDegree, kFails},
        // Fractions and mixed numbers: a fraction's minus after a whole number is a dash, and a
        // denominator must be above zero.
        ParseCase{L"1/-2\"", kInch, kFails}, ParseCase{L"5 6\"", kInch, kFails},
        ParseCase{L"1/2° 30'", kDegree, kFails}, ParseCase{L"30' E", kDegree, kFails},
        ParseCase{L"N E", kDegree, kFails}, ParseCase{L"S12'90 W", kDegree, kFails},
        // Lengths, beyond the forms Format writes.
        ParseCase{L"5'", kInch, 60}, ParseCase{L"5'6", kInch, 66},
        ParseCase{L"5' 6 1/2\"", kInch, 66.5}, ParseCase{L"5' - 6\"", kInch, 66},
        ParseCase{L"-5'6\"", kInch, -66}, ParseCase{L"5 - 1/2\"", kInch, 5.5},
        ParseCase{L"1/2'", kInch, 6}, ParseCase{L"5'6 1/2\"", kFoot, 66.5 / 12},
        ParseCase{L"5′6″", kInch, 66},
        // Times and other contexts.
        ParseCase{L"5'", kSecond, 300}, ParseCase{L"5'", kNewton, kFails},
        // Sums of parts, each a number with its unit.
        ParseCase{L"5 ft 6 in", kInch, 66}, ParseCase{L"5 ft 6 1/2 in", kInch, 66.5},
        ParseCase{L"-5 ft 6 in", kInch, -66}, ParseCase{L"1 h 30 min", kSecond, 5400},
        ParseCase{L"2 m 30 cm", kMeter, 2.3}, ParseCase{L"2 d 3 h", kSecond, 183600},
        ParseCase{L"5 ft -6 in", kInch, kFails}, ParseCase{L"5 ft 6", kInch, kFails},
        ParseCase{L"100 °C 5 K", kKelvin, kFails}));

struct LocaleCase {
    const wchar_t* locale;
    bool germanSeparators; // "." groups, "," is the decimal separator
    ParseCase parse;
};

void PrintTo(const LocaleCase& c, std::ostream* out) {
    *out << Narrow(c.locale) << " ";
    PrintTo(c.parse, out);
}

class ReadsInLocale : public ParseTest, public ::testing::WithParamInterface<LocaleCase> {};

// A locale reads its own symbol texts and alternates, and en-US's.
TEST_P(ReadsInLocale, ItsOwnTextsAndEnglish) {
    const LocaleCase& c = GetParam();
    UnitsFormatter formatter(c.locale);
    if (c.germanSeparators) {
        ASSERT_EQ(formatter.SetNumberGroupSeparator(L"."), ecSuccess);
        ASSERT_EQ(formatter.SetNumberDecimalSeparator(L","), ecSuccess);
    }
    ExpectParse(formatter, c.parse);
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, ReadsInLocale,
    ::testing::Values(LocaleCase{L"ru-RU", false, {L"5 км", kMeter, 5000}},
                      LocaleCase{L"ru-RU", false, {L"5 ft", kFoot, 5}},
                      LocaleCase{L"de-DE", true, {L"45°30'15\"", kDegree, 45.5041666666666667}},
                      LocaleCase{L"de-DE", true, {L"5' 6 1/2\"", kInch, 66.5}},
                      LocaleCase{L"fr-FR", true, {L"5 N", kNewton, 5}}));

// The signs people type for the same mark read alike: each character of `alikes`, put in place
// of the braces, reads as the text with the first of them.
struct LookAlikes {
    const wchar_t* pattern;
    const wchar_t* alikes;
    int unit;
};

TEST_F(ParseTest, LookAlikeMarksReadAlike) {
    UnitsFormatter formatter(L"en-US");
    const LookAlikes cases[] = {
        {L"5{}6\"", L"\u2032'\u02b9\u2019\u02bc\u2018", kInch},
        {L"5'6{}", L"\u2033\"\u02ba\u201d\u201c", kInch},
        {L"5 kN{}m", L"\u00b7*\u00d7\u22c5", kKilonewtonMeter},
        {L"5 N{}m", L"-\u2010\u2012\u2013\u2014\u2015\u2043", kNewtonMeter},
        {L"{}5 m)", L"(\uff08", kMeter},
        {L"(5 m{}", L")\uff09", kMeter},
    };
    for (const LookAlikes& c : cases) {
        std::wstring pattern = c.pattern;
        size_t at = pattern.find(L"{}");
        auto with = [&](wchar_t mark) { return std::wstring(pattern).replace(at, 2, 1, mark); };
        double expected = 0;
        ASSERT_EQ(formatter.Parse(with(c.alikes[0]).c_str(), expected, c.unit), ecSuccess)
            << Narrow(with(c.alikes[0]).c_str());
        for (const wchar_t* mark = c.alikes; *mark != L'\0'; ++mark)
            ExpectParse(formatter, {with(*mark).c_str(), c.unit, expected});
    }
}

// A bearing is reckoned in the unit of its last part, so that one written in degrees comes back
// exact in degrees, as any angle written in degrees does; one in minutes where the minutes make
// whole or binary fractions of degrees too.
TEST_F(ParseTest, BearingsAreExactInDegrees) {
    UnitsFormatter formatter(L"en-US");
    const std::pair<const wchar_t*, double> cases[] = {
        {L"N 30° E", 60},      {L"S 30° E", -60},        {L"N 30° W", 120}, {L"S 30° W", -120},
        {L"N 45°30' E", 44.5}, {L"S 12°15' W", -102.25}, {L"N45E", 45},     {L"N 12 1/2° E", 77.5},
    };
    for (const auto& [text, degrees] : cases) {
        double value = -12345;
        EXPECT_EQ(formatter.Parse(text, value, kDegree), ecSuccess) << Narrow(text);
        EXPECT_EQ(value, degrees) << Narrow(text);
    }
}

TEST_F(ParseTest, ParsingStringsAreReadFirst) {
    UnitsFormatter formatter(L"en-US");
    ASSERT_EQ(formatter.SetSymbolParsingString(0x702016, L"{0} ft {1} in"), ecSuccess);
    ASSERT_EQ(formatter.SetSymbolParsingString(0x408002, L"{0}deg {1}min {2}sec"), ecSuccess);
    // «metres» is registered nowhere: only the formatting string reads it.
    ASSERT_EQ(formatter.SetSymbolFormattingString(0x202001, L"{0} metres"), ecSuccess);
    ASSERT_EQ(formatter.SetSymbolParsingString(0x902016, L"{0} inches"), ecSuccess);
    const ParseCase cases[] = {
        {L"5 ft 6 in", kInch, 66},
        {L"5 ft 6 1/2 in", kInch, 66.5},
        {L"5 ft 1/2 in", kInch, 60.5},
        {L"-5 ft 6 in", kInch, -66},
        {L"30deg 15min 9sec", kDegree, 30.2525},
        {L"5 metres", kMeter, 5},
        {L"6 1/2 inches", kInch, 6.5},
        {L"1/2 inches", kInch, 0.5},
        {L"5'6\"", kInch, 66}, // a walk that fails falls back to the general reading
        {L"5 ft 6", kInch, kFails},
        {L"5 metres 2", kMeter, kFails},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        ExpectParse(formatter, c);
    }
    // Placeholders in another order.
    ASSERT_EQ(formatter.SetSymbolParsingString(0x702016, L"{1} in {0} ft"), ecSuccess);
    ExpectParse(formatter, {L"6 in 5 ft", kInch, 66});
    ExpectParse(formatter, {L"6 1/2 in 5 ft", kInch, 66.5});
}

TEST_F(ParseTest, BareNumberTakesTheGroupsDefaultUnit) {
    UnitsFormatter formatter(L"en-US");
    ExpectParse(formatter, {L"12.5", kFoot, 12.5 / 0.3048}); // the group's first unit: meter
    ExpectParse(formatter, {L"12.5 ", kFoot, 12.5 / 0.3048});
    ASSERT_EQ(formatter.SetDefaultUnit(kInch), ecSuccess);
    ExpectParse(formatter, {L"12.5", kFoot, 12.5 / 12});
    ASSERT_EQ(formatter.SetDefaultSymbol(0x702016), ecSuccess);
    ExpectParse(formatter, {L"12.5", kFoot, 12.5 / 12});
    ASSERT_EQ(formatter.SetDefaultUnit(kCelsius), ecSuccess);
    ExpectParse(formatter, {L"100", kKelvin, 373.15}); // the scale's offset applies
    ExpectParse(formatter, {L"-", kFoot, kFails});

    // The private form: a group whose default unit has no symbol gives 1, a base value else.
    FormatterState state(L"en-US");
    const DimensionTag length{1, 0, 0, 0, 0, 0, 0};
    double value = -1;
    EXPECT_EQ(state.Parse(L"5", value, length, 0xff000), ecFailure);
    EXPECT_EQ(state.Parse(L"5 x", value, length, 0xff000), ecNotAQuantity);
    EXPECT_EQ(value, -1);
    ASSERT_EQ(state.Parse(L"5", value, length, 0), ecSuccess);
    EXPECT_EQ(value, 5);
    ASSERT_EQ(state.Parse(L"5 ft", value, length, 0x2000), ecSuccess);
    EXPECT_NEAR(value, 1.524, 1e-12);
    EXPECT_EQ(state.Parse(nullptr, value, length, 0), ecNotAQuantity);
}

// Parses text into each unit: a finite value, or ecNotAQuantity. Gives how many it read.
int ReadWithinBounds(const UnitsFormatter& formatter, const std::wstring& text,
                     std::initializer_list<int> units) {
    int read = 0;
    for (int unit : units) {
        double value = 0;
        ErrorCode result = formatter.Parse(text.c_str(), value, unit);
        EXPECT_TRUE(result == ecSuccess || result == ecNotAQuantity) << Narrow(text.c_str());
        if (result == ecSuccess) {
            EXPECT_TRUE(std::isfinite(value)) << Narrow(text.c_str());
            ++read;
        }
    }
    return read;
}

// Hostile texts: every one gives 0 or 2, at once and without a crash, and a result is finite;
// some read as a known length in meters or are refused.
TEST_F(ParseTest, HostileTextsAreRefusedOrReadWithinBounds) {
    UnitsFormatter formatter(L"en-US");
    const size_t kMegabyte = 1 << 20;
    const double kEither = std::numeric_limits<double>::infinity(); // read or refused
    auto repeated = [](const wchar_t* piece, int count) {
        std::wstring text;
        for (int i = 0; i < count; ++i)
            text += piece;
        return text;
    };
    const std::pair<std::wstring, double> cases[] = {
        {std::wstring(100000, L'(') + L"5 m" + std::wstring(100000, L')'), kFails},
        {std::wstring(40, L'(') + L"5 m" + std::wstring(40, L')'), 5},
        {L"5" + std::wstring(kMegabyte, L' ') + L"m", kEither},
        {std::wstring(kMegabyte, L'7') + L" m", kEither},
        {L"0." + std::wstring(kMegabyte, L'0') + L"1 m", kEither},
        {L"1" + std::wstring(kMegabyte, L',') + L" m", kEither},
        {L"5 m^2147483647", kEither},
        {L"5 m^2147483648", kEither},
        {L"5 m^99", kEither},
        {L"5 m" + std::wstring(100, L'\u00b2'), kEither},
        {L"5 %" + std::wstring(1000, L'\u00b2'), kEither},
        {L"1e308 km", kEither},
        {std::wstring(50000, L'-') + L"5 m", kEither},
        {std::wstring(100000, L'N'), kEither},
        {std::wstring(100000, L'\u00b0'), kEither},
        {L"1e" + std::wstring(kMegabyte, L'9') + L" m", kFails},
        {L"0e" + std::wstring(kMegabyte, L'9') + L" m", 0},
        {std::wstring(kMegabyte, L'.'), kEither},
        {std::wstring(kMegabyte / 2, L'/') + L"m", kEither},
        {L"5" + std::wstring(kMegabyte, L'm'), kEither},
        // Operators before nested groups, each level of which once evaluated the levels inside
        // it again (found by fuzzing).
        {L"5 m" + repeated(L"/((", 40), kEither},
        {L"5 m" + repeated(L"(/(", 40), kEither},
        {L"5 m" + repeated(L"*(((", 30), kEither},
    };
    for (const auto& [text, meters] : cases) {
        ReadWithinBounds(formatter, text, {kMeter, kSquareMeter, kDegree});
        if (meters != kEither)
            ExpectParse(formatter, {text.c_str(), kMeter, meters});
    }
    double value = 0;
    // A fraction longer than any double holds reads as far as it matters.
    ASSERT_EQ(
        formatter.Parse((L"0." + std::wstring(kMegabyte, L'3') + L" m").c_str(), value, kMeter),
        ecSuccess);
    EXPECT_NEAR(value, 1 / 3.0, 1e-15);
}

// Random texts of the characters that mean something to a parse.
TEST_F(ParseTest, RandomTextsGiveAResultOrTwo) {
    UnitsFormatter formatter(L"en-US");
    const std::wstring alphabet = L"0123456789.,-+eE /·*×^²³()'\"°′″NSEWdgmkftin°CF%";
    unsigned seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    int read = 0;
    for (int i = 0; i < 20000; ++i) {
        std::wstring text;
        for (unsigned length = next() % 16; length > 0; --length)
            text += alphabet[next() % alphabet.size()];
        read += ReadWithinBounds(formatter, text, {kMeter, kInch, kDegree, kNewtonMeter, kCelsius});
    }
    EXPECT_GT(read, 100);
}

} // namespace
