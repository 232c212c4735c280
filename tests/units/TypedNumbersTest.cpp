// What Parse reads of the numbers people type, under a locale's number conventions: group
// separators only between digit groups, any space where the group separator is a space, and
// the signs they type besides the formatter's.
#include "FormatterTest.h"

#include <ViVuzaZadurUI/NumberConventions.h>
#include <ViVuzaZadurUI/ParseDiagnostics.h>

#include <cmath>
#include <limits>

using namespace velmar::platform::core::units;
using namespace vvztest;

namespace {

constexpr double kRefused = std::numeric_limits<double>::quiet_NaN();

struct TypedCase {
    const wchar_t* locale; // the formatter's, and the number conventions it takes
    const wchar_t* text;
    int unit;
    double expected; // kRefused: no quantity
    // For a refused text: why, and where; ppNone for a reason other than a misplaced group
    // separator, which is the evaluation's business.
    ParseProblem problem = ppNone;
    size_t position = 0;
    // Number conventions of another locale; null: the formatter's own.
    const wchar_t* conventions = nullptr;
};

void PrintTo(const TypedCase& c, std::ostream* out) {
    *out << Narrow(c.locale) << " «" << Narrow(c.text) << "»";
}

using TypedNumbers = FormatterTest;

class Typed : public FormatterTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(Typed, ReadsUnderTheLocalesNumbers) {
    const TypedCase& c = GetParam();
    UnitsFormatter formatter(c.locale);
    ASSERT_EQ(NumberConventions::Apply(formatter, c.conventions), ecSuccess);
    double value = -1;
    ParseDiagnosis diagnosis;
    ErrorCode result = ParseDiagnostics::Parse(formatter, c.text, value, c.unit, diagnosis);
    if (std::isnan(c.expected)) {
        EXPECT_EQ(result, ecNotAQuantity);
        EXPECT_EQ(value, -1);
        if (c.problem == ppNone) {
            EXPECT_NE(diagnosis.problem, ppMisplacedGroupSeparator);
        } else {
            EXPECT_EQ(diagnosis.problem, c.problem);
            EXPECT_EQ(diagnosis.position, c.position);
        }
    } else {
        ASSERT_EQ(result, ecSuccess) << diagnosis.problem;
        EXPECT_NEAR(value, c.expected, std::abs(c.expected) * 1e-12);
    }
}

constexpr int kMillimeter = 0x200e;
constexpr ParseProblem kMisplaced = ppMisplacedGroupSeparator;

INSTANTIATE_TEST_SUITE_P(
    GroupSizes, Typed,
    ::testing::Values(
        // Groups of three, from the decimal separator outward.
        TypedCase{L"en-US", L"1,500 m", kMeter, 1500},
        TypedCase{L"en-US", L"-1,234,567.25 m", kMeter, -1234567.25},
        TypedCase{L"en-US", L"0,500 m", kMeter, kRefused, kMisplaced, 1},
        TypedCase{L"en-US", L"12,34,567 m", kMeter, kRefused, kMisplaced, 2},
        TypedCase{L"en-US", L"1234,567 m", kMeter, kRefused, kMisplaced, 4},
        TypedCase{L"en-US", L"1.500,5 m", kMeter, kRefused, kMisplaced, 5},
        TypedCase{L"en-US", L"1,5 m/s", kMeterPerSecond, kRefused, kMisplaced, 1},
        TypedCase{L"de-DE", L"1.500 m", kMeter, 1500},
        TypedCase{L"de-DE", L"1.234,5 m", kMeter, 1234.5},
        TypedCase{L"de-DE", L"1,5 m", kMeter, 1.5},
        TypedCase{L"de-DE", L"1.5 m", kMeter, kRefused, kMisplaced, 1},
        TypedCase{L"de-DE", L"0.500 m", kMeter, kRefused, kMisplaced, 1},
        TypedCase{L"de-DE", L"1,500.5 m", kMeter, kRefused, kMisplaced, 5},
        TypedCase{L"de-DE", L"5' 6.5\"", kInch, kRefused, kMisplaced, 4},
        // Sizes 3 and 2, and groups of three where they are no separator at all.
        TypedCase{L"en-US", L"12,34,567.5 m", kMeter, 1234567.5, ppNone, 0, L"en-IN"},
        TypedCase{L"en-US", L"1,234,567 m", kMeter, kRefused, kMisplaced, 5, L"en-IN"},
        // fr-FR groups with U+202F, ru-RU with U+00A0 (read back in NumberConventionsTest):
        // every other space-like character reads in their place.
        TypedCase{L"fr-FR", L"1 234,5 m", kMeter, 1234.5},
        TypedCase{L"fr-FR", L"1\u00a0234,5 m", kMeter, 1234.5},
        TypedCase{L"fr-FR", L"1\u2009234\u202f567 m", kMeter, 1234567},
        TypedCase{L"ru-RU", L"1 234,5 \u043c", kMeter, 1234.5},
        TypedCase{L"ru-RU", L"1\u202f234,5 \u043c", kMeter, 1234.5},
        TypedCase{L"ru-RU", L"1\u2009234,5 \u043c", kMeter, 1234.5},
        // A space that separates no groups keeps its meaning: a mixed number, a sum of parts.
        TypedCase{L"fr-FR", L"5 1/2 po", kInch, 5.5},
        TypedCase{L"fr-FR", L"5 123/128 in", kInch, 5 + 123.0 / 128},
        TypedCase{L"fr-FR", L"1 m 500 mm", kMillimeter, 1500},
        TypedCase{L"fr-FR", L"5'6 1/2\"", kInch, 66.5},
        TypedCase{L"ru-RU", L"5 1/2 \u0434\u044e\u0439\u043c", kInch, 5.5},
        TypedCase{L"ru-RU", L"1 \u043c 500 \u043c\u043c", kMillimeter, 1500},
        // ... and is no group separator for it: the numbers stand apart.
        TypedCase{L"fr-FR", L"1 5 m", kMeter, kRefused},
        TypedCase{L"ru-RU", L"0 500 \u043c", kMeter, kRefused},
        TypedCase{L"en-US", L"1 500 m", kMeter, kRefused}));

INSTANTIATE_TEST_SUITE_P(
    Signs, Typed,
    ::testing::Values(TypedCase{L"en-US", L"+5 m", kMeter, 5},
                      TypedCase{L"de-DE", L"+1,5 m", kMeter, 1.5},
                      TypedCase{L"en-US", L"2.5E+2 m", kMeter, 250},
                      TypedCase{L"fr-FR", L"1e-3 m", kMeter, 0.001},
                      TypedCase{L"fr-FR", L"\u22125 m", kMeter, -5},
                      TypedCase{L"ru-RU", L"1e\u22123 \u043c", kMeter, 0.001},
                      TypedCase{L"de-DE", L"\u22125'6\"", kInch, -66},
                      // sv-SE writes the minus sign U+2212; "-" reads as well.
                      TypedCase{L"en-US", L"\u22121,5 m", kMeter, -1.5, ppNone, 0, L"sv-SE"},
                      TypedCase{L"en-US", L"-1,5 m", kMeter, -1.5, ppNone, 0, L"sv-SE"},
                      // One sign a number, before it.
                      TypedCase{L"en-US", L"+-5 m", kMeter, kRefused},
                      TypedCase{L"en-US", L"++5 m", kMeter, kRefused},
                      TypedCase{L"fr-FR", L"\u2212\u22125 m", kMeter, kRefused},
                      TypedCase{L"en-US", L"5 m+", kMeter, kRefused},
                      TypedCase{L"en-US", L"2.5E++2 m", kMeter, kRefused}));

struct SwapCase {
    const wchar_t* locale;
    const wchar_t* text;
    const char* message;
};

// The message of a misplaced group separator offers the number with the separators' roles
// swapped, written with the formatter's own, when that is a number.
TEST_F(TypedNumbers, MisplacedSeparatorsOfferTheSwappedNumber) {
    const SwapCase cases[] = {
        {L"en-US", L"1,5 m",
         "The group separator \u201c,\u201d is out of place: did you mean 1.5?"},
        {L"en-US", L"-1.234,5 m",
         "The group separator \u201c,\u201d is out of place: did you mean -1,234.5?"},
        {L"en-US", L"12,34,567 m", "The group separator \u201c,\u201d is out of place."},
        {L"de-DE", L"1.5 m",
         "Das Gruppentrennzeichen \u201e.\u201c steht an der falschen Stelle \u2013 meinten Sie "
         "1,5?"},
        {L"de-DE", L"0.500 m",
         "Das Gruppentrennzeichen \u201e.\u201c steht an der falschen Stelle \u2013 meinten Sie "
         "0,500?"},
    };
    for (const SwapCase& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        UnitsFormatter formatter(c.locale);
        ASSERT_EQ(NumberConventions::Apply(formatter), ecSuccess);
        double value = 0;
        ParseDiagnosis diagnosis;
        ASSERT_EQ(ParseDiagnostics::Parse(formatter, c.text, value, kMeter, diagnosis),
                  ecNotAQuantity);
        EXPECT_EQ(ParseDiagnostics::Message(formatter, c.text, kMeter, diagnosis).toStdString(),
                  c.message);
    }
}

// Without the check a group separator stands anywhere among the integer digits, and only the
// separator itself reads as one; copies keep the setting.
TEST_F(TypedNumbers, UncheckedGroupsFollowTheLiteralRule) {
    UnitsFormatter english(L"en-US");
    EXPECT_TRUE(english.CheckNumberGroupSizes());
    english.SetCheckNumberGroupSizes(false);
    UnitsFormatter french(L"fr-FR");
    ASSERT_EQ(NumberConventions::Apply(french), ecSuccess);
    french.SetCheckNumberGroupSizes(false);
    UnitsFormatter copy(english);
    UnitsFormatter assigned(L"de-DE");
    assigned = french;
    const struct {
        const UnitsFormatter* formatter;
        const wchar_t* text;
        int unit;
        double expected;
    } cases[] = {
        {&english, L"1,5 m", kMeter, 15},
        {&copy, L"12,34,567 m", kMeter, 1234567},
        {&copy, L"1,,5, m", kMeter, 15},
        {&assigned, L"1\u202f234,5 m", kMeter, 1234.5},
        {&assigned, L"1 234,5 m", kMeter, kRefused},
        {&assigned, L"5 1/2 po", kInch, 5.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        EXPECT_FALSE(c.formatter->CheckNumberGroupSizes());
        double value = -1;
        ErrorCode result = c.formatter->Parse(c.text, value, c.unit);
        EXPECT_EQ(result, std::isnan(c.expected) ? ecNotAQuantity : ecSuccess);
        if (result == ecSuccess) {
            EXPECT_DOUBLE_EQ(value, c.expected);
        }
    }
}

} // namespace
