#include "units/SymbolStrings.h"
#include "FormatterTest.h"
#include "units/symbols/parse/FixedSymbols.h"

#include <array>
#include <string>
#include <vector>

using namespace velmar::platform::core::units;
using namespace vvztest;

namespace {

struct SplitCase {
    const wchar_t* text;
    int result;
    std::vector<std::wstring> literals;
    std::vector<int> placeholders;
};

void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << Narrow(c.text);
}

class Split : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Split, ReadsLiteralsAndPlaceholders) {
    const SplitCase& c = GetParam();
    std::vector<std::wstring> literals;
    std::vector<int> placeholders;
    ASSERT_EQ(SplitSymbolString(c.text, literals, placeholders), c.result);
    if (c.result == 0) {
        EXPECT_EQ(literals, c.literals);
        EXPECT_EQ(placeholders, c.placeholders);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, Split,
    ::testing::Values(
        SplitCase{L"{0} m", 0, {L"", L" m"}, {0}}, SplitCase{L"m {0}", 0, {L"m "}, {0}},
        SplitCase{L"{0} ft {1} in", 0, {L"", L" ft ", L" in"}, {0, 1}},
        SplitCase{L"{1} in {0} ft", 0, {L"", L" in ", L" ft"}, {1, 0}},
        SplitCase{L"{{ {0} }}", 0, {L"{ ", L" }"}, {0}}, SplitCase{L"a{{b}}c", 0, {L"a{b}c"}, {}},
        SplitCase{L"{12}x", 0, {L"", L"x"}, {12}}, SplitCase{L"", 0, {L""}, {}},
        SplitCase{L"{0}{1}", 1, {}, {}}, SplitCase{L"{{{0}}}", 1, {}, {}},
        SplitCase{L"{0}}}", 1, {}, {}}, SplitCase{L"{x}", 1, {}, {}}, SplitCase{L"{0 }", 1, {}, {}},
        SplitCase{L"a}b", 1, {}, {}}, SplitCase{L"abc{", 1, {}, {}}, SplitCase{L"abc{1", 1, {}, {}},
        SplitCase{L"abc}", 1, {}, {}}, SplitCase{nullptr, 1, {}, {}}));

class SymbolStrings : public FormatterTest {
protected:
    static std::wstring Get(const UnitsFormatter& formatter, int symbol, bool parsing = false) {
        wchar_t buffer[64];
        ErrorCode result = parsing ? formatter.GetSymbolParsingString(symbol, buffer, 64)
                                   : formatter.GetSymbolFormattingString(symbol, buffer, 64);
        return result == ecSuccess ? std::wstring(buffer) : Error(result);
    }
    static std::wstring Write(const UnitsFormatter& formatter, double value, int symbol) {
        return Written(formatter, value, symbol & 0xfffff, symbol);
    }
};

struct PlaceholderCase {
    int symbol;
    const wchar_t* text;
    ErrorCode result;
};

void PrintTo(const PlaceholderCase& c, std::ostream* out) {
    *out << std::hex << c.symbol << " " << Narrow(c.text);
}

class Placeholders : public SymbolStrings, public ::testing::WithParamInterface<PlaceholderCase> {};

// Each kind of symbol takes its own set of placeholders.
TEST_P(Placeholders, AreCheckedAgainstTheSymbol) {
    const PlaceholderCase& c = GetParam();
    UnitsFormatter formatter(L"en-US");
    EXPECT_EQ(formatter.SetSymbolFormattingString(c.symbol, c.text), c.result);
    if (c.result != ecSuccess) {
        EXPECT_EQ(Get(formatter, c.symbol), L"<3>");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Placeholders,
    ::testing::Values(PlaceholderCase{0x202001, L"{0} m", ecSuccess},
                      PlaceholderCase{0x202001, L"{1} m", ecFailure},
                      PlaceholderCase{0x202001, L"{0} {1}", ecFailure},
                      PlaceholderCase{0x202001, L"no placeholder", ecFailure},
                      PlaceholderCase{0x202001, L"{0} and {0}", ecFailure},
                      PlaceholderCase{0x22a002, L"{0} C", ecSuccess},
                      PlaceholderCase{0x101001, L"{0} (ratio)", ecSuccess},
                      PlaceholderCase{0x702016, L"{0} ft {1} in", ecSuccess},
                      PlaceholderCase{0x702016, L"{1} in {0} ft", ecSuccess},
                      PlaceholderCase{0x702016, L"{0} ft", ecFailure},
                      PlaceholderCase{0x902016, L"{0} in", ecSuccess},
                      PlaceholderCase{0x902016, L"{0} {1}", ecFailure},
                      PlaceholderCase{0x52c001, L"{0}:{1}", ecSuccess},
                      PlaceholderCase{0x408002, L"{0}° {1}' {2}\"", ecSuccess},
                      PlaceholderCase{0x408002, L"{0}° {1}'", ecFailure},
                      PlaceholderCase{0x508002, L"{0} {1} {2}", ecSuccess},
                      // A unit id without symbol bits, and ids that name no symbol.
                      PlaceholderCase{0x2001, L"{0} m", ecFailure},
                      PlaceholderCase{0x302001, L"{0} m", ecFailure},
                      PlaceholderCase{0x2000, L"{0} m", ecFailure},
                      PlaceholderCase{0, L"{0} m", ecFailure},
                      PlaceholderCase{0x202001, L"{0}{1}", ecFailure}));

TEST_F(SymbolStrings, SetGetReplaceRemoveAndCheckTheBuffer) {
    UnitsFormatter formatter(L"en-US");
    EXPECT_EQ(Get(formatter, 0x202001), L"<3>");
    EXPECT_EQ(formatter.SetSymbolFormattingString(0x202001, L""), ecSuccess);
    EXPECT_EQ(formatter.SetSymbolFormattingString(0x202001, nullptr), ecSuccess);
    ASSERT_EQ(formatter.SetSymbolFormattingString(0x202001, L"{0} metres"), ecSuccess);
    EXPECT_EQ(formatter.SetSymbolFormattingString(0x202001, L"{0} metres"), ecSuccess);
    EXPECT_EQ(Get(formatter, 0x202001), L"{0} metres");
    EXPECT_EQ(Get(formatter, 0x202001, true), L"<3>");
    ASSERT_EQ(formatter.SetSymbolFormattingString(0x202001, L"{{{0}}} x"), ecFailure);
    EXPECT_EQ(Get(formatter, 0x202001), L"{0} metres") << "a failed set keeps the old string";
    EXPECT_EQ(Write(formatter, 2, 0x202001), L"2.00 metres");
    ASSERT_EQ(formatter.SetSymbolFormattingString(0x202001, L"[{0}]"), ecSuccess);
    EXPECT_EQ(Write(formatter, 2, 0x202001), L"[2.00]");
    ASSERT_EQ(formatter.SetSymbolFormattingString(0x202001, L""), ecSuccess);
    EXPECT_EQ(Get(formatter, 0x202001), L"<3>");
    EXPECT_EQ(Write(formatter, 2, 0x202001), L"2.00 m");
    // Get checks the buffer.
    ASSERT_EQ(formatter.SetSymbolParsingString(0x202001, L"{0} mtr"), ecSuccess);
    std::array<wchar_t, 10> buffer;
    buffer.fill(L'#');
    EXPECT_EQ(formatter.GetSymbolParsingString(0x202001, buffer.data(), 7), ecFailure);
    EXPECT_EQ(buffer[0], L'#');
    EXPECT_EQ(formatter.GetSymbolParsingString(0x202001, buffer.data(), 8), ecSuccess);
    EXPECT_EQ(std::wstring(buffer.data()), L"{0} mtr");
    EXPECT_EQ(buffer[8], L'#');
    EXPECT_EQ(formatter.GetSymbolParsingString(0x202001, nullptr, 8), ecFailure);
    // Exactly the id it was set under.
    EXPECT_EQ(formatter.GetSymbolParsingString(0x202001 | 0x10000000, buffer.data(), 8),
              ecNotFound);
}

TEST_F(SymbolStrings, LiteralsAreSharedByFormattingAndParsingStrings) {
    UnitsFormatter formatter(L"en-US");
    ASSERT_EQ(formatter.SetSymbolFormattingString(0x202001, L"{0} u"), ecSuccess);
    EXPECT_EQ(formatter.SetSymbolParsingString(0x202017, L"{0} u"), ecFailure);
    EXPECT_EQ(formatter.SetSymbolParsingString(0x202001, L"{0} u"), ecFailure);
    EXPECT_EQ(Get(formatter, 0x202017, true), L"<3>");
    ASSERT_EQ(formatter.SetSymbolParsingString(0x202017, L"{0} v"), ecSuccess);
    // A change that collides fails and keeps the old string and its pattern.
    EXPECT_EQ(formatter.SetSymbolParsingString(0x202017, L"{0} u"), ecFailure);
    EXPECT_EQ(Get(formatter, 0x202017, true), L"{0} v");
    EXPECT_EQ(formatter.SetSymbolParsingString(0x202016, L"{0} v"), ecFailure)
        << "the old string's literals are back in the tree";
    ASSERT_EQ(formatter.SetSymbolFormattingString(0x202001, nullptr), ecSuccess);
    EXPECT_EQ(formatter.SetSymbolParsingString(0x202017, L"{0} u"), ecSuccess);
}

// A fraction symbol's string is read in its three layouts: whole inches, a fraction, and
// both; removing the string removes all three, and their literals are free again.
TEST_F(SymbolStrings, FractionLayoutsAreReadUntilRemoved) {
    UnitsFormatter formatter(L"en-US");
    ASSERT_EQ(formatter.SetSymbolFormattingString(0x702016, L"{0} fx {1} ix"), ecSuccess);
    const std::pair<const wchar_t*, double> texts[] = {
        {L"5 fx 6 ix", 66}, {L"5 fx 1/2 ix", 60.5}, {L"5 fx 6 1/2 ix", 66.5}};
    double value = 0;
    for (const auto& [text, inches] : texts) {
        EXPECT_EQ(formatter.Parse(text, value, kInch), ecSuccess) << Narrow(text);
        EXPECT_EQ(value, inches);
    }
    ASSERT_EQ(formatter.SetSymbolFormattingString(0x702016, nullptr), ecSuccess);
    for (const auto& text : texts)
        EXPECT_EQ(formatter.Parse(text.first, value, kInch), ecNotAQuantity) << Narrow(text.first);
    EXPECT_EQ(formatter.SetSymbolParsingString(0x502016, L"{0} fx {1} ix"), ecSuccess);
}

TEST_F(SymbolStrings, CopiesCarryTheirOwnStrings) {
    auto* original = new UnitsFormatter(L"en-US");
    ASSERT_EQ(original->SetSymbolFormattingString(0x202001, L"{0} metres"), ecSuccess);
    ASSERT_EQ(original->SetSymbolParsingString(0x202017, L"{0} feet"), ecSuccess);
    UnitsFormatter copy(*original);
    UnitsFormatter assigned(L"de-DE");
    assigned = *original;
    ASSERT_EQ(original->SetSymbolFormattingString(0x202001, L"{0} meters"), ecSuccess);
    ASSERT_EQ(original->SetSymbolParsingString(0x202017, nullptr), ecSuccess);
    delete original;
    for (UnitsFormatter* formatter : {&copy, &assigned}) {
        EXPECT_EQ(Write(*formatter, 3, 0x202001), L"3.00 metres");
        EXPECT_EQ(Get(*formatter, 0x202017, true), L"{0} feet");
        // The copy's pattern tree is its own: the same literals are taken in it.
        EXPECT_EQ(formatter->SetSymbolParsingString(0x202016, L"{0} feet"), ecFailure);
    }
}

// Long and malformed strings are taken or refused at once; the formatter works on with what it
// has, and a long literal formats and parses like a short one.
TEST_F(SymbolStrings, LongAndMalformedStrings) {
    UnitsFormatter formatter(L"en-US");
    const size_t kLong = 1 << 20;
    const std::wstring refused[] = {
        std::wstring(kLong, L'{'),
        std::wstring(kLong, L'}') + L"}",
        L"{" + std::wstring(kLong, L'9') + L"}",
        L"{0" + std::wstring(kLong, L' '),
        std::wstring(kLong / 4, L'x') + L"{0}{1}",
        L"{0}" + std::wstring(kLong, L'{') + L"{1}",
        L"{9999999}",
        L"{-1}",
    };
    for (const std::wstring& text : refused) {
        EXPECT_EQ(formatter.SetSymbolFormattingString(0x202001, text.c_str()), ecFailure);
        EXPECT_EQ(formatter.SetSymbolParsingString(0x202001, text.c_str()), ecFailure);
    }
    const std::wstring literal(kLong, L'x');
    const std::wstring other(kLong, L'y');
    ASSERT_EQ(formatter.SetSymbolFormattingString(0x202001, (L"{0}" + literal).c_str()), ecSuccess);
    ASSERT_EQ(formatter.SetSymbolParsingString(0x202017, (L"{0}" + other).c_str()), ecSuccess);
    std::vector<wchar_t> buffer(kLong + 16);
    ASSERT_EQ(formatter.Format(2.5, 0x2001, buffer.data(), buffer.size(), 0x202001), ecSuccess);
    EXPECT_EQ(std::wstring(buffer.data()), L"2.50" + literal);
    double value = 0;
    ASSERT_EQ(formatter.Parse(buffer.data(), value, 0x2001), ecSuccess);
    EXPECT_EQ(value, 2.5);
    ASSERT_EQ(formatter.Parse((L"2" + other).c_str(), value, 0x2017), ecSuccess);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(formatter.Parse((L"2.5" + literal.substr(1)).c_str(), value, 0x2001), ecNotAQuantity);
    EXPECT_EQ(formatter.Format(2.5, 0x2001, buffer.data(), kLong, 0x202001), ecFailure);
    EXPECT_EQ(Write(formatter, 3, 0x202017), L"3.00 ft");
}

TEST(PatternTree, AddAndRemovePaths) {
    PatternNode root;
    SpaceSymbol a, b;
    std::vector<std::wstring> path{L"", L" ft ", L" in"};
    std::vector<std::wstring> prefix{L"", L" ft "};
    ASSERT_EQ(AddPattern(root, path, 0, &a, false, false), 0);
    EXPECT_EQ(AddPattern(root, path, 0, &b, false, false), 1);
    EXPECT_EQ(AddPattern(root, path, 0, &b, false, true), 0);
    ASSERT_EQ(AddPattern(root, prefix, 0, &a, false, false), 0);
    EXPECT_EQ(RemovePattern(root, {L"", L" yd "}, 0), 1);
    EXPECT_EQ(RemovePattern(root, path, 0), 0);
    EXPECT_EQ(RemovePattern(root, path, 0), 1);
    EXPECT_FALSE(root.next.IsEmpty()) << "the prefix still holds a symbol";
    EXPECT_EQ(RemovePattern(root, prefix, 0), 0);
    EXPECT_TRUE(root.next.IsEmpty());
    ASSERT_EQ(AddPattern(root, {}, 0, &a, false, false), 0);
    EXPECT_EQ(root.symbol.symbol, &a);
    EXPECT_EQ(RemovePattern(root, {}, 0), 0);
    EXPECT_EQ(RemovePattern(root, {}, 0), 1);
}

} // namespace
