#include "FormatterTest.h"
#include "units/FormatterState.h"
#include "units/number/DigitGrouping.h"
#include "units/number/NumberScanner.h"

#include <array>
#include <string>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

class FormatterSettings : public vvztest::FormatterTest {
protected:
    void TearDown() override { UnitsManager::GetInstance()->SetCurrentLocale(L"en-US"); }

    // What the state's token table reads at the start of text: characters and value.
    static std::pair<size_t, double> Scan(const FormatterState& state, const wchar_t* text) {
        double value = 0;
        size_t count =
            ScanNumber(state.NumberTokens(), DigitGrouping(state.Number()), text, &value, nullptr);
        return {count, count > 0 ? value : 0};
    }
    static std::wstring Text(void (UnitsFormatter::*get)(wchar_t*, size_t) const,
                             const UnitsFormatter& formatter) {
        wchar_t buffer[64];
        (formatter.*get)(buffer, 64);
        return buffer;
    }
};

TEST_F(FormatterSettings, NewFormatterHasTheDefaults) {
    UnitsFormatter formatter;
    wchar_t digits[10];
    formatter.GetNativeDigits(digits);
    EXPECT_EQ(std::wstring(digits, 10), L"0123456789");
    EXPECT_EQ(Text(&UnitsFormatter::GetPositiveSign, formatter), L"");
    EXPECT_EQ(Text(&UnitsFormatter::GetNegativeSign, formatter), L"-");
    EXPECT_EQ(Text(&UnitsFormatter::GetNumberGroupSeparator, formatter), L",");
    EXPECT_EQ(Text(&UnitsFormatter::GetNumberDecimalSeparator, formatter), L".");
    EXPECT_EQ(formatter.GetNumberDecimalPrecision(), 2);
    EXPECT_EQ(formatter.GetNumericFormat(), nfNumber);
    int sizes[4] = {0, 0, 0, 0};
    EXPECT_EQ(formatter.GetNumberGroupSizes(nullptr), 1u);
    EXPECT_EQ(formatter.GetNumberGroupSizes(sizes), 1u);
    EXPECT_EQ(sizes[0], 3);
    EXPECT_TRUE(formatter.AllowTwoDigitExponent());
    EXPECT_TRUE(formatter.IncludePositiveSignInNumber());
    EXPECT_TRUE(formatter.IncludeNegativeSignInNumber());
    EXPECT_FALSE(formatter.IncludePositiveSignInExponent());
    EXPECT_TRUE(formatter.IncludeNegativeSignInExponent());
    EXPECT_EQ(std::wstring(formatter.GetLocale()), L"en-US");
}

TEST_F(FormatterSettings, LocaleNames) {
    UnitsManager::GetInstance()->SetCurrentLocale(L"de-DE");
    EXPECT_EQ(std::wstring(UnitsFormatter().GetLocale()), L"de-DE");
    EXPECT_EQ(std::wstring(UnitsFormatter(L"ru-RU").GetLocale()), L"ru-RU");
    EXPECT_EQ(std::wstring(UnitsFormatter(L"xx-XX").GetLocale()), L"de-DE");
}

TEST_F(FormatterSettings, TextGettersCutToTheBuffer) {
    UnitsFormatter formatter;
    formatter.SetNegativeSign(L"minus");
    std::array<wchar_t, 8> buffer;
    buffer.fill(L'#');
    formatter.GetNegativeSign(buffer.data(), 1);
    EXPECT_EQ(buffer[0], L'\0');
    EXPECT_EQ(buffer[1], L'#');
    formatter.GetNegativeSign(buffer.data(), 4);
    EXPECT_EQ(std::wstring(buffer.data()), L"min");
    EXPECT_EQ(buffer[4], L'#');
    formatter.GetNegativeSign(buffer.data(), 6);
    EXPECT_EQ(std::wstring(buffer.data()), L"minus");
    buffer.fill(L'#');
    formatter.GetNegativeSign(buffer.data(), 0);
    formatter.GetNegativeSign(nullptr, 8);
    formatter.GetNativeDigits(nullptr);
    EXPECT_EQ(buffer[0], L'#');
}

TEST_F(FormatterSettings, NativeDigits) {
    FormatterState state(L"en-US");
    EXPECT_EQ(state.SetNativeDigits(L"0123456780"), ecFailure); // two zeros
    EXPECT_EQ(state.SetNativeDigits(nullptr), ecFailure);
    EXPECT_EQ(state.SetNativeDigits(L"01234"), ecFailure); // a NUL among the ten
    EXPECT_EQ(Scan(state, L"42"), std::make_pair(size_t{2}, 42.0)) << "old digits still read";
    EXPECT_EQ(state.SetNativeDigits(L"abcdefghij"), ecSuccess);
    EXPECT_EQ(Scan(state, L"ec.f"), std::make_pair(size_t{4}, 42.5));
    EXPECT_EQ(Scan(state, L"42").first, 0u) << "ASCII digits no longer read";
    EXPECT_EQ(std::wstring(state.Number().nativeDigits, 10), L"abcdefghij");
}

TEST_F(FormatterSettings, SignsAndSeparatorsFollowTheTokenTable) {
    FormatterState state(L"en-US");
    state.SetPositiveSign(nullptr);
    state.SetNegativeSign(nullptr);
    EXPECT_EQ(state.Number().negativeSign, L"-");
    EXPECT_EQ(state.SetGroupSeparator(L""), ecFailure);
    EXPECT_EQ(state.SetGroupSeparator(nullptr), ecFailure);
    EXPECT_EQ(state.SetDecimalSeparator(L""), ecFailure);
    EXPECT_EQ(Scan(state, L"1,234.5"), std::make_pair(size_t{7}, 1234.5)) << "rejected: unchanged";

    EXPECT_EQ(state.SetGroupSeparator(L" "), ecSuccess);
    EXPECT_EQ(Scan(state, L"1 234.5"), std::make_pair(size_t{7}, 1234.5));
    EXPECT_EQ(Scan(state, L"1,234"), std::make_pair(size_t{1}, 1.0)) << "old separator gone";
    EXPECT_EQ(state.SetDecimalSeparator(L"dec"), ecSuccess);
    EXPECT_EQ(Scan(state, L"1 234dec5"), std::make_pair(size_t{9}, 1234.5));
    state.SetNegativeSign(L"neg");
    EXPECT_EQ(Scan(state, L"neg5"), std::make_pair(size_t{4}, -5.0));
    EXPECT_EQ(Scan(state, L"-5").first, 0u);
    state.SetPositiveSign(L"pos");
    EXPECT_EQ(Scan(state, L"pos5"), std::make_pair(size_t{4}, 5.0));
    state.SetPositiveSign(L"");
    EXPECT_EQ(state.Number().positiveSign, L"");
    EXPECT_EQ(Scan(state, L"pos5").first, 0u);
}

TEST_F(FormatterSettings, PrecisionAndGroupSizes) {
    UnitsFormatter formatter;
    EXPECT_EQ(formatter.SetNumberDecimalPrecision(100), ecFailure);
    EXPECT_EQ(formatter.SetNumberDecimalPrecision(-1), ecFailure);
    EXPECT_EQ(formatter.GetNumberDecimalPrecision(), 2);
    EXPECT_EQ(formatter.SetNumberDecimalPrecision(0), ecSuccess);
    EXPECT_EQ(formatter.SetNumberDecimalPrecision(99), ecSuccess);
    EXPECT_EQ(formatter.GetNumberDecimalPrecision(), 99);

    struct SizesCase {
        std::vector<int> sizes;
        int count;
        ErrorCode result;
    };
    const SizesCase cases[] = {
        {{3}, 0, ecFailure},
        {{3, 0}, 2, ecSuccess},
        {{0, 3}, 2, ecFailure},
        {{10}, 1, ecFailure},
        {{0}, 1, ecSuccess},
        {{3, 2, 9}, 3, ecSuccess},
        {{3, -1}, 2, ecFailure},
        {{9, 9}, -1, ecFailure},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 0}, 10, ecSuccess},
    };
    for (const SizesCase& c : cases) {
        UnitsFormatter fresh;
        EXPECT_EQ(fresh.SetNumberGroupSizes(c.sizes.data(), c.count), c.result);
        std::vector<int> stored(fresh.GetNumberGroupSizes(nullptr));
        fresh.GetNumberGroupSizes(stored.data());
        if (c.result == ecSuccess)
            EXPECT_EQ(stored, std::vector<int>(c.sizes.begin(), c.sizes.begin() + c.count));
        else
            EXPECT_EQ(stored, std::vector<int>{3});
    }
    EXPECT_EQ(formatter.SetNumberGroupSizes(nullptr, 1), ecFailure);
}

TEST_F(FormatterSettings, CopiesAreIndependent) {
    auto* original = new UnitsFormatter(L"de-DE");
    original->SetNegativeSign(L"neg");
    ASSERT_EQ(original->SetNumberDecimalPrecision(5), ecSuccess);
    UnitsFormatter copy(*original);
    UnitsFormatter assigned(L"fr-FR");
    assigned = *original;
    original->SetNegativeSign(L"minus");
    ASSERT_EQ(original->SetNumberDecimalPrecision(1), ecSuccess);
    for (const UnitsFormatter* formatter : {&copy, &assigned}) {
        EXPECT_EQ(Text(&UnitsFormatter::GetNegativeSign, *formatter), L"neg");
        EXPECT_EQ(formatter->GetNumberDecimalPrecision(), 5);
        EXPECT_EQ(std::wstring(formatter->GetLocale()), L"de-DE");
    }
    delete original;
    EXPECT_EQ(Text(&UnitsFormatter::GetNegativeSign, copy), L"neg");
    assigned = assigned;
    EXPECT_EQ(std::wstring(assigned.GetLocale()), L"de-DE");

    // The copy's token table is its own.
    FormatterState state(L"en-US");
    state.SetNegativeSign(L"neg");
    FormatterState stateCopy(state);
    state.SetNegativeSign(L"minus");
    EXPECT_EQ(Scan(stateCopy, L"neg5"), std::make_pair(size_t{4}, -5.0));
    EXPECT_EQ(Scan(stateCopy, L"minus5").first, 0);
}

} // namespace
