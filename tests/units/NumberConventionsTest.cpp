#include "FormatterTest.h"

#include <ViVuzaZadurUI/NumberConventions.h>

#include <string>
#include <vector>

using namespace velmar::platform::core::units;
using namespace vvztest;

namespace {

struct Convention {
    const wchar_t* locale;
    const wchar_t* written; // 1234567.5 m at precision 1
    std::vector<int> sizes;
};

void PrintTo(const Convention& c, std::ostream* out) {
    *out << Narrow(c.locale);
}

class Conventions : public FormatterTest, public ::testing::WithParamInterface<Convention> {};

// A formatter with a locale's conventions writes numbers as the locale does, and reads back
// what it wrote.
TEST_P(Conventions, WriteAndReadTheLocalesNumbers) {
    const Convention& c = GetParam();
    UnitsFormatter formatter(c.locale);
    // Without a locale, the one the formatter was made for: en-IN keeps its own grouping.
    ASSERT_EQ(NumberConventions::Apply(formatter), ecSuccess);
    ASSERT_EQ(formatter.SetNumberDecimalPrecision(1), ecSuccess);
    std::vector<int> sizes(formatter.GetNumberGroupSizes(nullptr));
    formatter.GetNumberGroupSizes(sizes.data());
    EXPECT_EQ(sizes, c.sizes);
    wchar_t buffer[64];
    ASSERT_EQ(formatter.Format(1234567.5, 0x2001, buffer, 64, 0x202001), ecSuccess);
    std::wstring text = buffer;
    EXPECT_EQ(text.substr(0, std::wstring(c.written).size()), c.written);
    for (double value : {1234567.5, -0.5, 12.5}) {
        ASSERT_EQ(formatter.Format(value, 0x2001, buffer, 64, 0x202001), ecSuccess);
        double read = 0;
        ASSERT_EQ(formatter.Parse(buffer, read, 0x2001), ecSuccess) << Narrow(buffer);
        EXPECT_DOUBLE_EQ(read, value);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, Conventions,
                         ::testing::Values(Convention{L"en-US", L"1,234,567.5", {3}},
                                           Convention{L"de-DE", L"1.234.567,5", {3}},
                                           Convention{L"fr-FR", L"1\u202f234\u202f567,5", {3}},
                                           Convention{L"ru-RU", L"1\u00a0234\u00a0567,5", {3}},
                                           Convention{L"en-IN", L"12,34,567.5", {3, 2}}));

using NumberConventionsTest = FormatterTest;

// Another locale's conventions, or without a name the formatter's own; an unknown name changes
// nothing.
TEST_F(NumberConventionsTest, AnotherLocalesConventionsAndUnknownNames) {
    UnitsFormatter formatter(L"en-US");
    ASSERT_EQ(NumberConventions::Apply(formatter, L"de-DE"), ecSuccess);
    EXPECT_EQ(NumberConventions::Apply(formatter, L"xx-Nowhere"), ecFailure);
    UnitsFormatter german(L"de-DE");
    ASSERT_EQ(NumberConventions::Apply(german), ecSuccess);
    wchar_t separator[8];
    for (const UnitsFormatter* converted : {&formatter, &german}) {
        converted->GetNumberDecimalSeparator(separator, 8);
        EXPECT_EQ(std::wstring(separator), L",");
        converted->GetNumberGroupSeparator(separator, 8);
        EXPECT_EQ(std::wstring(separator), L".");
    }
}

} // namespace
