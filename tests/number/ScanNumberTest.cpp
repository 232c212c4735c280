#include "units/FormatterState.h"
#include "units/number/DigitGrouping.h"
#include "units/number/NumberScanner.h"

#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

using Setup = std::function<void(FormatterState&)>;

struct ScanCase {
    const char* what;
    Setup setup;
    const wchar_t* text;
    size_t count; // characters read; 0: no number
    double value;
    unsigned flags;
};

constexpr unsigned I = IntegerDigits, F = FractionDigits, G = GroupSeparatorSeen,
                   D = DecimalSeparatorSeen, X = ExponentDigits, MM = MantissaMinus,
                   MP = MantissaPlus, XM = ExponentMinus, XP = ExponentPlus,
                   M = MisplacedGroupSeparator;

const Setup kDefaults;
// Group separators anywhere among the integer digits.
const Setup kUnchecked = [](FormatterState& s) { s.MutableNumber().checkGroupSizes = false; };
Setup GroupSizes(std::vector<int> sizes) {
    return [=](FormatterState& s) {
        ASSERT_EQ(s.SetGroupSizes(sizes.data(), static_cast<int>(sizes.size())), ecSuccess);
    };
}
const Setup kArabicDigits = [](FormatterState& s) {
    ASSERT_EQ(s.SetNativeDigits(L"٠١٢٣٤٥٦٧٨٩"), ecSuccess);
};
const Setup kLongSeparators = [](FormatterState& s) {
    ASSERT_EQ(s.SetGroupSeparator(L"'"), ecSuccess);
    ASSERT_EQ(s.SetDecimalSeparator(L"<d>"), ecSuccess);
    s.SetNegativeSign(L"minus ");
    s.SetPositiveSign(L"plus ");
};
// Group and decimal separators, set in that order or the other.
Setup Separators(const wchar_t* group, const wchar_t* decimal, bool decimalFirst = false) {
    return [=](FormatterState& s) {
        auto setGroup = [&] { return s.SetGroupSeparator(group); };
        auto setDecimal = [&] { return s.SetDecimalSeparator(decimal); };
        ASSERT_EQ(decimalFirst ? setDecimal() : setGroup(), ecSuccess);
        ASSERT_EQ(decimalFirst ? setGroup() : setDecimal(), ecSuccess);
    };
}
const Setup kPlus = [](FormatterState& s) { s.SetPositiveSign(L"+"); };
// A space-like group separator, as fr-FR has it.
const Setup kNarrowSpace = Separators(L"\u202f", L",");

const ScanCase kScanCases[] = {
    {"grouped decimal", kDefaults, L"1,234.5", 7, 1234.5, G | D | I | F},
    {"negative", kDefaults, L"-12", 3, -12, MM | I},
    {"double group separator", kDefaults, L"1,,2", 1, 1, I | M},
    {"trailing group separator", kDefaults, L"1,", 1, 1, I | M},
    {"trailing decimal", kDefaults, L"12.", 3, 12, I | D},
    {"leading decimal", kDefaults, L".5", 2, 0.5, D | F},
    {"decimal alone", kDefaults, L".", 0, 0, 0},
    {"second decimal", kDefaults, L"1.2.3", 3, 1.2, I | D | F},
    {"exponent", kDefaults, L"2e3", 3, 2000, I | X},
    {"capital exponent", kDefaults, L"2E3", 3, 2000, I | X},
    {"negative exponent", kDefaults, L"2e-3", 4, 0.002, I | X | XM},
    {"exponent without digits", kDefaults, L"2e", 1, 2, I},
    {"plus in the exponent", kDefaults, L"2e+3", 4, 2000, I | X | XP},
    {"exponent after a lone point", kDefaults, L".e5", 0, 0, 0},
    {"exponent after digits and point", kDefaults, L"1.e2", 4, 100, I | D | X},
    {"double minus", kDefaults, L"--5", 0, 0, 0},
    {"minus alone", kDefaults, L"-", 0, 0, 0},
    {"letter", kDefaults, L"x", 0, 0, 0},
    {"empty", kDefaults, L"", 0, 0, 0},
    {"number then unit", kDefaults, L"12.5 m", 4, 12.5, I | D | F},
    {"group separator first", kDefaults, L",5", 0, 0, 0},
    {"group separator in the fraction", kDefaults, L"1.5,3", 3, 1.5, I | D | F | M},
    {"group separator in the exponent", kDefaults, L"1e3,000", 3, 1000, I | X | M},
    {"group separator after the exponent mark", kDefaults, L"1e,5", 1, 1, I},
    {"plus without a positive sign", kDefaults, L"+5", 2, 5, MP | I},
    {"plus sign", kPlus, L"+5", 2, 5, MP | I},
    {"plus sign in the exponent", kPlus, L"2e+3", 4, 2000, I | X | XP},
    {"native digits", kArabicDigits, L"١,٢٣٤.٥", 7, 1234.5, G | D | I | F},
    {"native digits do not read ASCII", kArabicDigits, L"12", 0, 0, 0},
    {"long separators", kLongSeparators, L"minus 1'234<d>5", 15, -1234.5, MM | G | D | I | F},
    {"long positive sign", kLongSeparators, L"plus 7<d>25", 11, 7.25, MP | D | I | F},
    {"partial separator", kLongSeparators, L"3<d", 1, 3, I},
    // A digit that begins a longer token is read through the trie: longest match wins.
    {"digit starting a separator",
     [](FormatterState& s) { ASSERT_EQ(s.SetDecimalSeparator(L"0."), ecSuccess); }, L"10.5", 4, 1.5,
     I | D | F},
    // Swapping the separators in either order keeps both readable.
    {"German separators", Separators(L".", L","), L"1.234,5", 7, 1234.5, G | D | I | F},
    {"German separators, decimal first", Separators(L".", L",", true), L"1.234,5", 7, 1234.5,
     G | D | I | F},
    // The decimal separator was registered last, so "," reads as the decimal separator.
    {"one comma for both", Separators(L",", L","), L"1,5", 3, 1.5, I | D | F},
    {"one comma for both, twice", Separators(L",", L","), L"1,234,5", 5, 1.234, I | D | F},

    // Group sizes: from the decimal separator outward, the last one repeating.
    {"groups of three", kDefaults, L"1,234,567.25", 12, 1234567.25, I | G | D | F},
    {"one group", kDefaults, L"1,500", 5, 1500, I | G},
    {"a group too short", kDefaults, L"1,5", 1, 1, I | M},
    {"a negative group too short", kDefaults, L"-1,5", 2, -1, MM | I | M},
    {"a lone zero before a group", kDefaults, L"0,500", 1, 0, I | M},
    {"leading zeros before a group", kDefaults, L"007,500", 7, 7500, I | G},
    {"a first group too long", kDefaults, L"1234,567", 4, 1234, I | M},
    {"a middle group too short", kDefaults, L"12,34,567", 2, 12, I | M},
    {"a last group too short", kDefaults, L"1,234,5", 5, 1234, I | G | M},
    {"a last group too long", kDefaults, L"1,2345", 1, 1, I | M},
    {"a group before the exponent", kDefaults, L"1,234e3", 7, 1234000, I | G | X},
    {"a group before a decimal that is too short", kDefaults, L"1,23.5", 1, 1, I | M},
    {"Indian groups", GroupSizes({3, 2}), L"12,34,567.5", 11, 1234567.5, I | G | D | F},
    {"Indian groups, more of them", GroupSizes({3, 2}), L"1,23,45,678", 11, 12345678, I | G},
    {"Indian groups written in threes", GroupSizes({3, 2}), L"1,234,567", 5, 1234, I | G | M},
    {"Indian groups, a first group too long", GroupSizes({3, 2}), L"123,456", 3, 123, I | M},
    {"grouping that ends", GroupSizes({3, 0}), L"1234567,890", 11, 1234567890, I | G},
    {"grouping that ends, a second group", GroupSizes({3, 0}), L"1,234,567", 5, 1234, I | G | M},
    {"no grouping", GroupSizes({0}), L"1,234", 1, 1, I | M},
    {"groups of one", GroupSizes({1}), L"1,2,3", 5, 123, I | G},
    {"more sizes than the check follows", GroupSizes(std::vector<int>(70, 1)), L"1,2,3", 5, 123,
     I | G},
    {"groups of two after one of three", GroupSizes({2, 3}), L"1,234,56", 8, 123456, I | G},
    {"native digits in groups", kArabicDigits, L"١٢,٣٤", 2, 12, I | M},
    {"unchecked: anywhere", kUnchecked, L"12,34,567", 9, 1234567, I | G},
    {"unchecked: twice", kUnchecked, L"1,,2", 4, 12, I | G},
    {"unchecked: trailing", kUnchecked, L"1,", 2, 1, I | G},
    {"unchecked: no space stands in",
     [](FormatterState& s) {
         kNarrowSpace(s);
         kUnchecked(s);
     },
     L"1 234", 1, 1, I},

    // A space-like group separator: any of them reads in its place, and one that separates no
    // groups just ends the number.
    {"narrow no-break space", kNarrowSpace, L"1\u202f234,5", 7, 1234.5, I | G | D | F},
    {"space", kNarrowSpace, L"1 234,5", 7, 1234.5, I | G | D | F},
    {"no-break space", kNarrowSpace, L"1\u00a0234,5", 7, 1234.5, I | G | D | F},
    {"thin space", kNarrowSpace, L"1\u2009234,5", 7, 1234.5, I | G | D | F},
    {"spaces of two kinds", kNarrowSpace, L"1 234\u00a0567", 9, 1234567, I | G},
    {"a mixed number", kNarrowSpace, L"5 1/2", 1, 5, I},
    {"a numerator of three digits", kNarrowSpace, L"5 123/128", 1, 5, I},
    {"a grouped whole and a numerator", kNarrowSpace, L"1 234 123/128", 5, 1234, I | G},
    {"a space before a unit", kNarrowSpace, L"1 m", 1, 1, I},
    {"a space in the fraction", kNarrowSpace, L"1,5 3", 3, 1.5, I | D | F},
    {"a group too short after a space", kNarrowSpace, L"12 34", 2, 12, I},
    {"a lone zero before a space", kNarrowSpace, L"0 500", 1, 0, I},

    // Signs that people type besides the settings'.
    {"minus sign", kDefaults, L"\u221212", 3, -12, MM | I},
    {"minus sign in the exponent", kDefaults, L"1e\u22123", 4, 0.001, I | X | XM},
    {"plus and exponent", kDefaults, L"+2.5E+2", 7, 250, MP | I | D | F | X | XP},
    {"hyphen where the minus sign is the negative sign",
     [](FormatterState& s) { s.SetNegativeSign(L"\u2212"); }, L"-12", 3, -12, MM | I},
    {"no other minus for another negative sign",
     [](FormatterState& s) { s.SetNegativeSign(L"neg"); }, L"\u221212", 0, 0, 0},
    {"hyphen gone with the sign", [](FormatterState& s) { s.SetNegativeSign(L"neg"); }, L"-12", 0,
     0, 0},
    {"plus back after a separator held it",
     [](FormatterState& s) {
         ASSERT_EQ(s.SetGroupSeparator(L"+"), ecSuccess);
         ASSERT_EQ(s.SetGroupSeparator(L","), ecSuccess);
     },
     L"+5", 2, 5, MP | I},
};

// The longest valid number is read; where there is none, the value and flags are untouched.
// Null arguments read no number, and the tokens of the default settings have their classes.
TEST(ScanNumber, ReadsTheLongestValidNumber) {
    UnitsManager::GetInstance()->SetCurrentLocale(L"en-US");
    for (const ScanCase& c : kScanCases) {
        SCOPED_TRACE(c.what);
        FormatterState state(L"en-US");
        if (c.setup)
            c.setup(state);
        double value = -777;
        NumberFlags flags = NumberFlags(0xdead);
        EXPECT_EQ(
            ScanNumber(state.NumberTokens(), DigitGrouping(state.Number()), c.text, &value, &flags),
            c.count);
        if (c.count > 0)
            EXPECT_DOUBLE_EQ(value, c.value);
        else
            EXPECT_EQ(value, -777) << "untouched";
        EXPECT_EQ(flags, c.count > 0 ? c.flags : 0xdeadu);
    }
    FormatterState state(L"en-US");
    double value = 0;
    EXPECT_EQ(ScanNumber(state.NumberTokens(), DigitGrouping(), nullptr, &value, nullptr), 0u);
    EXPECT_EQ(ScanNumber(state.NumberTokens(), DigitGrouping(), L"5", nullptr, nullptr), 0u);
    EXPECT_EQ(ScanNumber(state.NumberTokens(), DigitGrouping(), L"5", &value, nullptr), 1u);
    EXPECT_EQ(value, 5);
    const struct {
        const wchar_t* text;
        int tokenClass;
        size_t length;
    } kTokens[] = {{L"5", 5, 1},  {L"0", 0, 1},       {L",", 10, 1}, {L".", 11, 1},
                   {L"-", 13, 1}, {L"e", 14, 1},      {L"E", 14, 1}, {L"x", 12, 0},
                   {L"+", 12, 1}, {L"\u2212", 13, 1}, {L"", -1, 99}, {nullptr, -1, 99}};
    for (const auto& c : kTokens) {
        size_t length = 99;
        EXPECT_EQ(state.NumberTokens().ClassAt(c.text, &length), c.tokenClass) << c.tokenClass;
        EXPECT_EQ(length, c.length) << c.tokenClass;
    }
    UnitsManager::Uninitialize();
}

} // namespace
