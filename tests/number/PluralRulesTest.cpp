#include "units/number/PluralRules.h"

#include <gtest/gtest.h>

#include <unicode/numberformatter.h>
#include <unicode/plurrule.h>
#include <unicode/strenum.h>

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

PluralOperands Of(const std::string& text) {
    return PluralOperands::OfText(text.data(), text.data() + text.size());
}

auto Fields(const PluralOperands& o) {
    return std::make_tuple(o.n, o.i, o.v, o.w, o.f, o.t, o.e);
}

// The operands of the digits a text shows: its visible fraction digits count, its sign does
// not, and scientific notation counts as the number it stands for with its exponent. Fixed
// digits count all their decimals; a fraction counts as its decimal without trailing zeros.
TEST(PluralOperands, AreThoseOfTheDigitsShown) {
    const struct {
        const char* text;
        PluralOperands expected; // n, i, v, w, f, t, e
    } cases[] = {
        {"1", {1, 1, 0, 0, 0, 0, 0}},
        {"+1.00", {1, 1, 2, 0, 0, 0, 0}},
        {"-21.50", {21.5, 21, 2, 1, 50, 5, 0}},
        {"0.5", {0.5, 0, 1, 1, 5, 5, 0}},
        {"1.050", {1.05, 1, 3, 2, 50, 5, 0}},
        {"+1.50E+03", {1500, 1500, 0, 0, 0, 0, 3}},
        {"1.5e-02", {0.015, 0, 3, 3, 15, 15, -2}},
        {"1.2345E+02", {123.45, 123, 2, 2, 45, 45, 2}},
        {"1E+006", {1e6, 1000000, 0, 0, 0, 0, 6}},
        // The lowest 18 integer digits, the fraction digits up to 10^17.
        {"1234567890123456789012", {1234567890123456789012.0, 567890123456789012, 0, 0, 0, 0, 0}},
        {"0.0000000000000000000012", {1.2e-21, 0, 22, 22, 12, 12, 0}},
        {"0.1234567890123456789",
         {0.1234567890123456789, 0, 19, 19, 123456789012345678, 123456789012345678, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fields(Of(c.text)), Fields(c.expected)) << c.text;
    const std::pair<PluralOperands, PluralOperands> kComputed[] = {
        {PluralOperands::OfFixed(1250, 2), {12.5, 12, 2, 1, 50, 5, 0}},
        {PluralOperands::OfFixed(100, 2), {1, 1, 2, 0, 0, 0, 0}},
        {PluralOperands::OfFixed(21, 0), {21, 21, 0, 0, 0, 0, 0}},
        {PluralOperands::OfMixed(1, 0.5, 4), {1.5, 1, 1, 1, 5, 5, 0}},          // «1 1/2»
        {PluralOperands::OfMixed(0, -0.375, 3), {0.375, 0, 3, 3, 375, 375, 0}}, // «-3/8»
        {PluralOperands::OfMixed(-2, 0, 3), {2, 2, 0, 0, 0, 0, 0}},
    };
    for (const auto& [got, expected] : kComputed)
        EXPECT_EQ(Fields(got), Fields(expected));
    // The smallest fraction of the largest precision has 99 decimals.
    PluralOperands tiny = PluralOperands::OfMixed(0, 0x1p-99, 99);
    EXPECT_EQ(tiny.v, 99);
    EXPECT_EQ(tiny.w, 99);
}

// A written number, and what ICU needs to see it as written: its visible fraction digits, in
// scientific notation those of the significand.
struct Written {
    std::string text;
    int fractionDigits;
    bool scientific;
};

std::vector<Written> Sweep() {
    std::vector<Written> numbers;
    for (int n = 0; n <= 130; ++n)
        numbers.push_back({std::to_string(n), 0, false});
    for (const char* n : {"-1", "-22", "200", "1000", "1001", "10000", "100000", "1000000",
                          "2000000", "1000001", "21000000", "1000000000", "123456789012"})
        numbers.push_back({n, 0, false});
    for (int quarter = 0; quarter <= 120; ++quarter) {
        for (int digits = 1; digits <= 3; ++digits) {
            char text[32];
            std::snprintf(text, sizeof text, "%.*f", digits, quarter / 4.0);
            numbers.push_back({text, digits, false});
        }
    }
    auto decimals = [](const std::string& n) {
        size_t point = n.find('.');
        return point == std::string::npos ? 0 : static_cast<int>(n.size() - point - 1);
    };
    for (const char* n : {"0.01", "0.10", "1.01", "1.10", "2.05", "11.11", "21.21", "0.001"})
        numbers.push_back({n, decimals(n), false});
    for (const char* mantissa : {"1", "1.0", "1.5", "2.00", "5.2", "1.23"})
        for (int exponent = -3; exponent <= 9; ++exponent)
            numbers.push_back(
                {std::string(mantissa) + "E" + std::to_string(exponent), decimals(mantissa), true});
    return numbers;
}

// ICU's category of a written number, from a FormattedNumber that keeps its digits; the
// formatters are kept by fraction digits and notation.
using IcuFormatters =
    std::map<std::pair<int, bool>, std::unique_ptr<icu::number::LocalizedNumberFormatter>>;
std::string IcuCategory(const icu::PluralRules& rules, const icu::Locale& locale,
                        IcuFormatters& formatters, const Written& number) {
    UErrorCode status = U_ZERO_ERROR;
    auto& formatter = formatters[{number.fractionDigits, number.scientific}];
    if (!formatter) {
        auto made = icu::number::NumberFormatter::withLocale(locale).precision(
            icu::number::Precision::fixedFraction(number.fractionDigits));
        formatter = std::make_unique<icu::number::LocalizedNumberFormatter>(
            number.scientific ? made.notation(icu::number::Notation::scientific()) : made);
    }
    icu::number::FormattedNumber formatted =
        formatter->formatDecimal(icu::StringPiece(number.text.c_str()), status);
    std::string keyword;
    rules.select(formatted, status).toUTF8String(keyword);
    return U_SUCCESS(status) ? keyword : "(ICU failed)";
}

// The rules read from ICU's text select what ICU selects, for every language ICU has rules
// of, over integers, fractions with one to three visible digits, and scientific notation;
// and they use the categories that ICU lists as the language's keywords.
TEST(PluralRules, SelectWhatIcuSelectsInEveryLanguage) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::StringEnumeration> locales(icu::PluralRules::getAvailableLocales(status));
    ASSERT_TRUE(U_SUCCESS(status));
    std::vector<Written> sweep = Sweep();
    std::set<std::string> rulesSeen;
    int compared = 0;
    while (const char* name = locales->next(nullptr, status)) {
        icu::Locale locale(name);
        std::unique_ptr<icu::PluralRules> icu(icu::PluralRules::forLocale(locale, status));
        ASSERT_TRUE(U_SUCCESS(status)) << name;
        std::string rulesText;
        icu->getRules().toUTF8String(rulesText);
        if (!rulesSeen.insert(rulesText).second)
            continue;
        SCOPED_TRACE(std::string(name) + ": " + rulesText);
        PluralRules rules(name);
        std::set<std::string> keywords;
        std::unique_ptr<icu::StringEnumeration> listed(icu->getKeywords(status));
        while (const char* keyword = listed->next(nullptr, status))
            keywords.insert(keyword);
        for (size_t i = 0; i < kPluralCategoryCount; ++i) {
            auto category = static_cast<PluralCategory>(i);
            EXPECT_EQ(rules.Uses(category), keywords.count(PluralKeyword(category)) == 1)
                << PluralKeyword(category);
        }
        IcuFormatters formatters;
        for (const Written& number : sweep) {
            ASSERT_EQ(PluralKeyword(rules.Select(Of(number.text))),
                      IcuCategory(*icu, locale, formatters, number))
                << number.text;
            ++compared;
        }
    }
    EXPECT_GT(rulesSeen.size(), 30u);
    EXPECT_GT(compared, 20000);
}

// The four shipped languages, and one that ICU does not know.
TEST(PluralRules, ShippedLanguages) {
    const struct {
        const char* locale;
        const char* text;
        const char* expected;
    } cases[] = {
        {"en-US", "1", "one"},   {"en-US", "1.00", "other"}, {"en_US", "0", "other"},
        {"de-DE", "1", "one"},   {"fr-FR", "0", "one"},      {"fr-FR", "1000000", "many"},
        {"ru-RU", "22", "few"},  {"ru-RU", "11", "many"},    {"ru", "5", "many"},
        {"xx-YY", "1", "other"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(PluralKeyword(PluralRules(c.locale).Select(Of(c.text))), c.expected)
            << c.locale << " " << c.text;
    EXPECT_FALSE(PluralRules("xx-YY").Uses(PluralCategory::One));
}

} // namespace
