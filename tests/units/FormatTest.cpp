#include "FormatterTest.h"
#include "units/FormatterState.h"
#include "units/util/CatalogueIds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iomanip>
#include <limits>
#include <string>

using namespace velmar::platform::core::units;
using namespace vvztest;

namespace {

using FormatTest = FormatterTest;

struct Worked {
    int display;
    double value; // in the unit
    int unit;
    int precision;
    const wchar_t* text;
    NumberFormat format = nfNumber;
};

void PrintTo(const Worked& c, std::ostream* out) {
    *out << std::hex << c.display << std::dec << " " << std::setprecision(12) << c.value << " at "
         << c.precision << " in format " << c.format;
}

class WorkedExamples : public FormatTest, public ::testing::WithParamInterface<Worked> {
protected:
    // The case's value times sign, written with the case's precision and numeric format.
    static std::wstring WriteCase(double sign) {
        const Worked& c = GetParam();
        UnitsFormatter formatter(L"en-US");
        EXPECT_EQ(formatter.SetNumberDecimalPrecision(c.precision), ecSuccess);
        formatter.SetNumericFormat(c.format);
        return Written(formatter, sign * c.value, c.unit, c.display);
    }
};

TEST_P(WorkedExamples, AreWrittenExactly) {
    EXPECT_EQ(WriteCase(1), GetParam().text);
}

// A negative value rounds and carries as the mirror image of its magnitude, at every precision:
// the same text behind a minus sign.
class EitherSign : public WorkedExamples {};

TEST_P(EitherSign, NegativeIsTheMagnitudeBehindAMinus) {
    EXPECT_EQ(WriteCase(1), GetParam().text);
    EXPECT_EQ(WriteCase(-1), L"-" + std::wstring(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(FeetAndInches, EitherSign,
                         ::testing::Values(Worked{0x702016, 66.5, kInch, 2, L"5'6 1/2\""},
                                           Worked{0x902016, 6.5, kInch, 2, L"6 1/2\""},
                                           Worked{0x502016, 6, kInch, 2, L"0'6.00\""},
                                           Worked{0x502016, 11.99, kInch, 0, L"1'0\""},
                                           Worked{0x502016, 11.96, kInch, 1, L"1'0.0\""},
                                           Worked{0x502016, 71.999, kInch, 2, L"6'0.00\""},
                                           Worked{0x602016, 11.999, kInch, 2, L"1'-0.00\""},
                                           Worked{0x52c001, 119.999, kSecond, 2, L"2'0.00\""},
                                           Worked{0x602016, 23.9996, kInch, 3, L"2'-0.000\""},
                                           Worked{0x52c001, 59.99996, kSecond, 4, L"1'0.0000\""},
                                           Worked{0x502016, 35.999996, kInch, 5, L"3'0.00000\""},
                                           Worked{0x502016, 11.9, kInch, 2, L"1'0\"", nfFraction}));

INSTANTIATE_TEST_SUITE_P(DegreesMinutesSeconds, EitherSign,
                         ::testing::Values(Worked{0x408002, 45.5, kDegree, 2, L"45°30'"},
                                           Worked{0x408002, 29.99999, kDegree, 4, L"30°0'0\""},
                                           Worked{0x408002, 10.6, kDegree, 0, L"11°"},
                                           Worked{0x408002, 0.6, kDegree, 0, L"1°"},
                                           Worked{0x408002, 10.99999, kDegree, 1, L"11°0'"},
                                           Worked{0x408002, 10.99999, kDegree, 2, L"11°0'"},
                                           Worked{0x608002, 0.99999, kDegree, 2, L"1d0'"},
                                           Worked{0x408002, 29.99999, kDegree, 3, L"30°0'0\""},
                                           Worked{0x408002, 29.99999, kDegree, 5, L"30°0'0.0\""},
                                           Worked{0x408002, 29.9999999, kDegree, 6,
                                                  L"30°0'0.00\""}));

INSTANTIATE_TEST_SUITE_P(FeetAndInches, WorkedExamples,
                         ::testing::Values(Worked{0x502016, 66.5, kInch, 2, L"5'6.50\""},
                                           Worked{0x602016, 66.5, kInch, 2, L"5'-6.50\""},
                                           Worked{0x802016, 66.5, kInch, 2, L"5'-6-1/2\""},
                                           Worked{0x702016, 60.5, kInch, 2, L"5'1/2\""},
                                           Worked{0x702016, 71.9, kInch, 2, L"6'0\""},
                                           Worked{0xa02016, 6.5, kInch, 2, L"6-1/2\""},
                                           Worked{0x902016, -0.25, kInch, 2, L"-1/4\""},
                                           Worked{0x52c001, 330, kSecond, 2, L"5'30.00\""},
                                           // Rounding to the fraction happens before the split.
                                           Worked{0x702016, 60.01, kInch, 2, L"5'0\""},
                                           Worked{0x702016, 66.5, kInch, 0, L"5'7\""},
                                           Worked{0x702016, 66.5625, kInch, 4, L"5'6 9/16\""},
                                           Worked{0x802016, 61, kInch, 2, L"5'-1\""},
                                           Worked{0x502016, 5.5, kFoot, 1, L"5'6.0\""}));

// Decimal inches and seconds that round up to a whole foot or minute carry into it, at every
// precision; their neighbours just below the carry stay as they were.
INSTANTIATE_TEST_SUITE_P(
    FeetAndInchesCarry, WorkedExamples,
    ::testing::Values(Worked{0x502016, 11.49, kInch, 0, L"0'11\""},
                      Worked{0x502016, 11.94, kInch, 1, L"0'11.9\""},
                      Worked{0x502016, 71.994, kInch, 2, L"5'11.99\""},
                      Worked{0x502016, -11.999, kInch, 2, L"-1'0.00\""},
                      Worked{0x52c001, 119.994, kSecond, 2, L"1'59.99\""},
                      Worked{0x602016, 23.9994, kInch, 3, L"1'-11.999\""},
                      Worked{0x502016, 35.999994, kInch, 5, L"2'11.99999\""},
                      // The minor part rounds as its numeric format writes it.
                      Worked{0x602016, 71.999, kInch, 2, L"6'-0.00\"", nfFixedPoint},
                      Worked{0x502016, 11.8, kInch, 2, L"0'11 3/4\"", nfFraction},
                      Worked{0x502016, 11.94, kInch, 2, L"1'0\"", nfGeneral},
                      Worked{0x502016, 11.4, kInch, 2, L"0'11\"", nfGeneral},
                      Worked{0x502016, 66.5, kInch, 2, L"5'6.5\"", nfGeneral},
                      Worked{0x502016, -23.97, kInch, 3, L"-2'0\"", nfGeneral},
                      Worked{0x52c001, 55, kSecond, 1, L"1'0\"", nfGeneral},
                      Worked{0x52c001, 54.9, kSecond, 1, L"0'5E01\"", nfGeneral},
                      Worked{0x502016, 11.94, kInch, 1, L"1E00'0.0E00\"", nfExponential},
                      Worked{0x502016, 11.4, kInch, 1, L"0E00'1.1E01\"", nfExponential}));

INSTANTIATE_TEST_SUITE_P(DegreesMinutesSeconds, WorkedExamples,
                         ::testing::Values(Worked{0x408002, 45.5, kDegree, 0, L"46°"},
                                           Worked{0x408002, 30.2525, kDegree, 4, L"30°15'9\""},
                                           Worked{0x408002, 12.3456, kDegree, 6, L"12°20'44.16\""},
                                           Worked{0x608002, 45.5, kDegree, 2, L"45d30'"},
                                           Worked{0x408002, -0.5, kDegree, 2, L"-0°30'"},
                                           Worked{0x508002, 30, kDegree, 2, L"N 60°0' E"},
                                           Worked{0x508002, 120, kDegree, 2, L"N 30°0' W"},
                                           Worked{0x508002, -30, kDegree, 2, L"S 60°0' E"},
                                           Worked{0x508002, -120, kDegree, 2, L"S 30°0' W"},
                                           Worked{0x508002, 90, kDegree, 2, L"N"},
                                           Worked{0x508002, 450, kDegree, 2, L"N"},
                                           Worked{0x508002, -180, kDegree, 2, L"W"},
                                           Worked{0x508002, 0, kDegree, 2, L"E"},
                                           Worked{0x508002, -90, kDegree, 2, L"S"},
                                           Worked{0x408002, 29.9999, kDegree, 2, L"30°0'"},
                                           Worked{0x408002, 10.75, kDegree, 1, L"10°45'"},
                                           Worked{0x408002, 1, 0x8001, 3, L"57°17'45\""}));

// Angles just below a carry, and bearings, which are always written from a positive angle and
// carry as plain angles do.
INSTANTIATE_TEST_SUITE_P(
    DegreesMinutesSecondsCarry, WorkedExamples,
    ::testing::Values(Worked{0x408002, -0.4, kDegree, 0, L"-0°"},
                      Worked{0x408002, -10.4, kDegree, 0, L"-10°"},
                      Worked{0x608002, -0.99, kDegree, 2, L"-0d59'"},
                      Worked{0x408002, -29.99999, kDegree, 6, L"-29°59'59.96\""},
                      Worked{0x408002, -0.999999999, kDegree, 7, L"-1°0'0.000\""},
                      Worked{0x508002, 30.00001, kDegree, 0, L"N 60° E"},
                      Worked{0x508002, -149.99999, kDegree, 1, L"S 60°0' W"},
                      Worked{0x508002, 149.99999, kDegree, 2, L"N 60°0' W"},
                      Worked{0x508002, -30.00001, kDegree, 3, L"S 60°0'0\" E"},
                      Worked{0x508002, 30.00001, kDegree, 4, L"N 60°0'0\" E"},
                      Worked{0x508002, 30.00001, kDegree, 5, L"N 60°0'0.0\" E"},
                      Worked{0x508002, 30.00001, kDegree, 6, L"N 59°59'59.96\" E"},
                      Worked{0x508002, 30.0000001, kDegree, 6, L"N 60°0'0.00\" E"}));

INSTANTIATE_TEST_SUITE_P(
    UnitSymbols, WorkedExamples,
    ::testing::Values(Worked{0x202001, 12.5, kMeter, 2, L"12.50 m"},
                      Worked{0x208002, 12.5, kDegree, 2, L"12.50°"},
                      Worked{0x101001, 12.5, 0x1001, 2, L"12.50"},
                      Worked{0x22a002, 100, 0x2a002, 1, L"100.0°C"},
                      Worked{0x32a002, 0, 0x2a001, 2, L"-273.15 degC"},
                      Worked{0x22a003, 100, 0x2a002, 0, L"212°F"},
                      Worked{0x42a002, 100, 0x2a002, 1, L"100.0\u2103"},
                      Worked{0x42a003, 100, 0x2a002, 0, L"212\u2109"},
                      Worked{0x202001, 1, kFoot, 4, L"0.3048 m"},
                      Worked{0x202016, 1, kMeter, 3, L"39.370 in"},
                      Worked{0x202001, 2.625, kMeter, 3, L"2 5/8 m", nfFraction},
                      Worked{0x202001, 12500, kMeter, 1, L"1.2e04 m", nfExponentialLower}));

// What a symbol is shows in its text: marks attached to the number, scales with an offset; ids
// beyond the catalogue's symbols write nothing. (The degree sign, the Celsius symbols, the
// unitless number and the bearing are in the tables above.)
const Worked kSymbolKinds[] = {
    {0x302017, 5, kFoot, 2, L"5.00\u2032"},                // the prime, attached
    {0x42c001, 30, kSecond, 2, L"30.00\u2033"},            // the double prime, attached
    {0x12a002, 300, 0x2a001, 2, L"26.85 degrees Celsius"}, // a scale with an offset
    {0x22a004, 300, 0x2a001, 2, L"540.00\u00b0R"},         // an interval scale, attached
    {0xb02016, 5, kInch, 2, L"<1>"},                       // no such symbols: ecFailure
    {0x102043, 5, kInch, 2, L"<1>"},
    {0x145001, 5, kMeter, 2, L"<1>"},
};
INSTANTIATE_TEST_SUITE_P(SymbolKinds, WorkedExamples, ::testing::ValuesIn(kSymbolKinds));

// What the display id leaves open comes from the formatter's defaults; shown is the value in
// the unit displayed.
TEST_F(FormatTest, DefaultsFillInTheDisplayAndShownFollowsIt) {
    struct Case {
        int defaultUnit; // 0: as made
        int defaultSymbol;
        double value;
        int unit;
        int display;
        const wchar_t* text; // nullptr: not checked
        double shown;
    };
    const Case cases[] = {
        {0, 0, 2.5, kFoot, 0, L"2.50 feet", 2.5},
        {0, 0x202017, 2.5, kFoot, 0, L"2.50 ft", 2.5},
        {0, 0, 1, kFoot, kLength, L"0.30 meters", 0.3048},
        {kInch, 0x702016, 5.5, kFoot, kLength, L"5'6\"", 66},
        {0, 0, 1, 0x2a002, 0x22a003, nullptr, 33.8},
        {0, 0, 1, 0x2009, 0x702016, nullptr, 1000 / 0.0254},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.display << " " << c.defaultSymbol);
        UnitsFormatter formatter(L"en-US");
        if (c.defaultUnit != 0) {
            ASSERT_EQ(formatter.SetDefaultUnit(c.defaultUnit), ecSuccess);
        }
        if (c.defaultSymbol != 0) {
            ASSERT_EQ(formatter.SetDefaultSymbol(c.defaultSymbol), ecSuccess);
        }
        wchar_t buffer[64];
        double shown = 0;
        ASSERT_EQ(formatter.Format(c.value, c.unit, buffer, 64, c.display, &shown), ecSuccess);
        if (c.text != nullptr) {
            EXPECT_EQ(std::wstring(buffer), c.text);
        }
        EXPECT_NEAR(shown, c.shown, c.shown * 1e-14);
    }
}

// A formatting string replaces the built-in layout until it is removed; the parts written one
// by one carry as the built-in layout does.
TEST_F(FormatTest, FormattingStringReplacesTheBuiltInLayoutUntilRemoved) {
    struct Case {
        int symbol;
        const wchar_t* layout; // nullptr removes the string
        int precision;
        double value;
        int unit;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0x702016, L"{0} ft {1} in", 2, 66.5, kInch, L"5 ft 6 1/2 in"},
        {0x702016, L"{1} in, {0} ft", 2, 66.5, kInch, L"6 1/2 in, 5 ft"},
        // The dash symbol's own layout joins whole inches and fraction with a dash; its
        // placeholder always with a space.
        {0x802016, L"{0}-{1}", 2, 66.5, kInch, L"5-6 1/2"},
        {0x202001, L"{{ {0} }} metres", 2, 12.5, kMeter, L"{ 12.50 } metres"},
        {0x408002, L"{0}deg {1}min {2}sec", 4, 30.2525, kDegree, L"30deg 15min 9sec"},
        {0x408002, L"{0}deg {1}min {2}sec", 4, -29.99999, kDegree, L"-30deg 0min 0sec"},
        {0x502016, L"{0} ft {1} in", 4, -71.99999, kInch, L"-6 ft 0.0000 in"},
        {0x702016, nullptr, 2, 66.5, kInch, L"5'6 1/2\""},
        // The surveyor's bearing cannot be written part by part.
        {0x508002, L"{0} {1} {2}", 2, 30, kDegree, L"<1>"},
    };
    UnitsFormatter formatter(L"en-US");
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        ASSERT_EQ(formatter.SetSymbolFormattingString(c.symbol, c.layout), ecSuccess);
        ASSERT_EQ(formatter.SetNumberDecimalPrecision(c.precision), ecSuccess);
        EXPECT_EQ(Written(formatter, c.value, c.unit, c.symbol), c.text);
    }
}

TEST_F(FormatTest, Failures) {
    UnitsFormatter formatter(L"en-US");
    std::array<wchar_t, 16> buffer;
    buffer.fill(L'#');
    double shown = -7;
    // A unit that names nothing leaves the buffer untouched.
    for (int unit : {0, 0x2043, 0x45001, kLength, -1})
        EXPECT_EQ(formatter.Format(1, unit, buffer.data(), 16, 0, &shown), ecFailure);
    EXPECT_EQ(buffer[0], L'#');
    EXPECT_EQ(shown, -7);
    // Another dimension: the conversion's code is passed on.
    EXPECT_EQ(formatter.Format(1, kMeter, buffer.data(), 16, 0x208002, &shown),
              ecDimensionMismatch);
    EXPECT_EQ(shown, -7);
    EXPECT_EQ(formatter.Format(1, kMeter, buffer.data(), 16, 0x302001), ecFailure);
    EXPECT_EQ(formatter.Format(1, kMeter, nullptr, 16, 0x202001), ecFailure);
    EXPECT_EQ(formatter.Format(1, kMeter, buffer.data(), 0, 0x202001), ecFailure);
    // A size of 0 has no room even for the terminator, whatever kind of symbol writes.
    for (int display : {0x202001, 0x702016, 0x408002, 0x508002, 0x52c001}) {
        buffer[0] = L'#';
        EXPECT_EQ(formatter.Format(1, ids::UnitOf(display), buffer.data(), 0, display), ecFailure);
        EXPECT_EQ(buffer[0], L'#') << std::hex << display;
    }
    for (double value :
         {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(), 1e300})
        EXPECT_EQ(formatter.Format(value, kMeter, buffer.data(), 16, 0x202001), ecFailure);
    EXPECT_EQ(shown, -7);
    // Room for the number but not for the space and text.
    EXPECT_EQ(formatter.Format(12.5, kMeter, buffer.data(), 6, 0x202001), ecFailure);
    EXPECT_EQ(formatter.Format(12.5, kMeter, buffer.data(), 8, 0x202001), ecSuccess);
    EXPECT_EQ(std::wstring(buffer.data()), L"12.50 m");
    EXPECT_EQ(formatter.Format(12.5, kMeter, buffer.data(), 7, 0x202001), ecFailure);
    formatter.SetNumericFormat(NumberFormat(42));
    EXPECT_EQ(formatter.Format(1, kMeter, buffer.data(), 16, 0x202001), ecFailure);
}

// Extreme values in every numeric format and precision, through every kind of symbol: each
// gives a text within the buffer or a failure, never a write past the size it was given, and
// values up to 1e300 in the symbol's own unit always have a text.
TEST_F(FormatTest, ExtremeValuesInEveryFormatAndPrecision) {
    using limits = std::numeric_limits<double>;
    const double values[] = {limits::max(),
                             -limits::max(),
                             1e300,
                             -1e300,
                             limits::min(),
                             limits::denorm_min(),
                             -limits::denorm_min(),
                             -0.0,
                             limits::quiet_NaN(),
                             limits::infinity(),
                             -limits::infinity()};
    const int symbols[] = {0x202001, 0x302017, 0x402016, 0x502016, 0x602016,
                           0x702016, 0x802016, 0x902016, 0xa02016, 0x408002,
                           0x508002, 0x608002, 0x52c001, 0x22a002, 0x101001};
    UnitsFormatter formatter(L"en-US");
    constexpr size_t kCapacity = 2048;
    int written = 0;
    for (int format = nfExponential; format <= nfFraction; ++format) {
        formatter.SetNumericFormat(static_cast<NumberFormat>(format));
        for (int precision = 0; precision <= 99; ++precision) {
            ASSERT_EQ(formatter.SetNumberDecimalPrecision(precision), ecSuccess);
            for (int symbol : symbols) {
                for (double value : values) {
                    for (size_t size : {kCapacity - 16, size_t{9}}) {
                        std::array<wchar_t, kCapacity> buffer;
                        buffer.fill(L'#');
                        ErrorCode result =
                            formatter.Format(value, symbol & 0xfffff, buffer.data(), size, symbol);
                        SCOPED_TRACE(::testing::Message()
                                     << "format " << format << " precision " << precision
                                     << " symbol " << std::hex << symbol << " value " << value);
                        ASSERT_TRUE(result == ecSuccess || result == ecFailure);
                        ASSERT_TRUE(std::all_of(buffer.begin() + size, buffer.end(),
                                                [](wchar_t c) { return c == L'#'; }));
                        if (result == ecSuccess) {
                            ASSERT_TRUE(std::find(buffer.begin(), buffer.begin() + size, L'\0') !=
                                        buffer.begin() + size);
                            ++written;
                        }
                        if (!std::isfinite(value)) {
                            ASSERT_EQ(result, ecFailure);
                        } else if (size > 9 && std::abs(value) <= 1e300) {
                            ASSERT_EQ(result, ecSuccess);
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(written, 70000);
}

TEST_F(FormatTest, BaseValueOfADimensionWithoutGroup) {
    FormatterState state(L"en-US");
    wchar_t buffer[32];
    TextBuffer out(buffer, 32);
    DimensionTag unknown{5, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(state.Format(1.0, unknown, out, 0, nullptr), ecFailure);
    DimensionTag length{1, 0, 0, 0, 0, 0, 0};
    TextBuffer again(buffer, 32);
    ASSERT_EQ(state.Format(1.5, length, again, 0, nullptr), ecSuccess);
    EXPECT_EQ(std::wstring(buffer), L"1.50 meters");
}

} // namespace
