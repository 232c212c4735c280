#include "FormatterTest.h"

#include <array>
#include <string>

using namespace velmar::platform::core::units;
using namespace vvztest;

namespace {

using DefaultsAndNames = FormatterTest;

TEST_F(DefaultsAndNames, DefaultUnits) {
    UnitsFormatter formatter(L"en-US");
    EXPECT_EQ(formatter.GetDefaultUnit(0x2000), 0x2001);
    EXPECT_EQ(formatter.GetDefaultUnit(0x2017), 0) << "a unit id is not a group id";
    EXPECT_EQ(formatter.GetDefaultUnit(0x45000), 0) << "no such group";
    EXPECT_EQ(formatter.GetDefaultUnit(0), 0);
    EXPECT_EQ(formatter.SetDefaultUnit(0x2017), ecSuccess);
    EXPECT_EQ(formatter.GetDefaultUnit(0x2000), 0x2017);
    // A unit of another group leaves Length alone.
    EXPECT_EQ(formatter.SetDefaultUnit(0x8002), ecSuccess);
    EXPECT_EQ(formatter.GetDefaultUnit(0x2000), 0x2017);
    EXPECT_EQ(formatter.GetDefaultUnit(0x8000), 0x8002);
    // A symbol id names its unit.
    EXPECT_EQ(formatter.SetDefaultUnit(0x202016), ecSuccess);
    EXPECT_EQ(formatter.GetDefaultUnit(0x2000), 0x2016);
    for (int bad : {0, 0x2000, 0x2043, 0x45001, -1})
        EXPECT_EQ(formatter.SetDefaultUnit(bad), ecFailure) << std::hex << bad;
    EXPECT_EQ(formatter.GetDefaultUnit(0x2000), 0x2016);
}

TEST_F(DefaultsAndNames, DefaultSymbols) {
    UnitsFormatter formatter(L"en-US");
    EXPECT_EQ(formatter.GetDefaultSymbol(0x2017), 0x102017);
    EXPECT_EQ(formatter.GetDefaultSymbol(0x2000), 0);
    EXPECT_EQ(formatter.GetDefaultSymbol(0x2043), 0);
    EXPECT_EQ(formatter.SetDefaultSymbol(0x2017), ecFailure) << "a plain unit id";
    EXPECT_EQ(formatter.SetDefaultSymbol(0x402017), ecFailure) << "the foot has two symbols";
    EXPECT_EQ(formatter.SetDefaultSymbol(0x702016), ecSuccess);
    EXPECT_EQ(formatter.GetDefaultSymbol(0x2016), 0x702016);
    EXPECT_EQ(formatter.GetDefaultSymbol(0x2016 | 0x10000000), 0x702016);
    EXPECT_EQ(formatter.SetDefaultSymbol(0x202016), ecSuccess);
    EXPECT_EQ(formatter.GetDefaultSymbol(0x2016), 0x202016);
}

// Lengths count the terminating zero; a failure leaves the length alone.
TEST_F(DefaultsAndNames, NameLengths) {
    UnitsFormatter formatter(L"de-DE");
    const struct {
        int id;
        ErrorCode result;
        size_t length;
    } names[] = {
        {0x2000, ecSuccess, 6},    // Länge
        {0x2017, ecSuccess, 4},    // Fuß
        {0x202001, ecSuccess, 2},  // m
        {0x45000, ecSuccess, 0},   // a group or unit without a name has an empty one
        {0x302001, ecFailure, 99}, // no such symbol
        {0, ecFailure, 99},
    };
    for (const auto& c : names) {
        size_t length = 99;
        EXPECT_EQ(formatter.GetDisplayNameLength(c.id, length), c.result) << std::hex << c.id;
        EXPECT_EQ(length, c.length) << std::hex << c.id;
    }
    size_t length = 99;
    EXPECT_EQ(formatter.GetNumberFormatDisplayNameLength(nfFraction, length), ecSuccess);
    EXPECT_EQ(length, std::wstring(L"Bruch").size() + 1);
    EXPECT_EQ(formatter.GetNumberFormatDisplayNameLength(NumberFormat(9), length), ecSuccess);
    EXPECT_EQ(length, 0u);
}

TEST_F(DefaultsAndNames, NamesAndFormatNamesAreCutButSymbolTextsAreNot) {
    UnitsFormatter formatter(L"en-US");
    std::array<wchar_t, 16> buffer;
    buffer.fill(L'#');
    // "Length" into 4 characters: cut, terminated, success.
    EXPECT_EQ(formatter.GetDisplayName(0x2000, buffer.data(), 4), ecSuccess);
    EXPECT_EQ(std::wstring(buffer.data()), L"Len");
    EXPECT_EQ(buffer[4], L'#');
    EXPECT_EQ(DisplayName(formatter, 0x2017), L"foot");
    // The symbol text "psi" into 3 characters: nothing written.
    buffer.fill(L'#');
    EXPECT_EQ(formatter.GetDisplayName(0x221012, buffer.data(), 3), ecFailure);
    EXPECT_EQ(buffer[0], L'#');
    EXPECT_EQ(formatter.GetDisplayName(0x221012, buffer.data(), 4), ecSuccess);
    EXPECT_EQ(std::wstring(buffer.data()), L"psi");
    EXPECT_EQ(formatter.GetDisplayName(0x2000, nullptr, 4), ecFailure);
    EXPECT_EQ(formatter.GetDisplayName(0x2000, buffer.data(), 0), ecFailure);
    EXPECT_EQ(DisplayName(formatter, 0x402017), Error(ecFailure));
    // The unitless unit writes no text but is named by its symbol.
    EXPECT_EQ(DisplayName(formatter, 0x101001), L"unitless");
    // A number format's name "Fraction" into exactly its length: cut by one character, and
    // ecFailure.
    buffer.fill(L'#');
    EXPECT_EQ(formatter.GetNumberFormatDisplayName(nfFraction, buffer.data(), 8), ecFailure);
    EXPECT_EQ(std::wstring(buffer.data()), L"Fractio");
    EXPECT_EQ(buffer[8], L'#');
    EXPECT_EQ(formatter.GetNumberFormatDisplayName(nfFraction, buffer.data(), 9), ecSuccess);
    EXPECT_EQ(std::wstring(buffer.data()), L"Fraction");
    EXPECT_EQ(formatter.GetNumberFormatDisplayName(nfFraction, nullptr, 9), ecFailure);
    buffer.fill(L'#');
    EXPECT_EQ(formatter.GetNumberFormatDisplayName(nfFraction, buffer.data(), 0), ecFailure);
    EXPECT_EQ(buffer[0], L'#');
    UnitsFormatter russian(L"ru-RU");
    wchar_t name[64];
    ASSERT_EQ(russian.GetNumberFormatDisplayName(nfNumber, name, 64), ecSuccess);
    EXPECT_NE(std::wstring(name), L"Number");
}

} // namespace
