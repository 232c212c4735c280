#include "units/number/NumberFormatter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

using Setup = std::function<void(NumberSettings&)>;

NumberSettings With(const Setup& setup) {
    NumberSettings settings;
    if (setup)
        setup(settings);
    return settings;
}

// A format and precision, then the other settings given.
Setup Format(NumberFormat format, int precision, std::vector<Setup> then = {}) {
    return [=](NumberSettings& s) {
        s.numericFormat = format;
        s.decimalPrecision = precision;
        for (const Setup& setup : then)
            setup(s);
    };
}

std::wstring Write(const NumberSettings& settings, double value, unsigned flags = 0,
                   PluralOperands* operands = nullptr) {
    wchar_t buffer[512];
    TextBuffer out(buffer, 512);
    if (FormatNumber(settings, value, out, flags, operands) != ecSuccess)
        return L"<failed>";
    EXPECT_EQ(out.Length(), std::wcslen(buffer));
    return buffer;
}

struct NumberCase {
    const char* what;
    Setup setup;
    double value;
    unsigned flags;
    const wchar_t* text;
    const char* operands = nullptr; // "n i v w f t e" of the text, when checked
};

const Setup kDefaults;
const Setup kNativeDigits = [](NumberSettings& s) {
    const wchar_t arabic[] = L"٠١٢٣٤٥٦٧٨٩";
    std::copy(arabic, arabic + 10, s.nativeDigits);
};
const Setup kLongTexts = [](NumberSettings& s) {
    s.groupSeparator = L"<g>";
    s.decimalSeparator = L"<d>";
    s.negativeSign = L"minus ";
    s.positiveSign = L"plus ";
};

const Setup kThreeDigitExponent = [](NumberSettings& s) { s.allowTwoDigitExponent = false; };
const Setup kNoMinus = [](NumberSettings& s) { s.includeNegativeSignInNumber = false; };
const Setup kPlus = [](NumberSettings& s) { s.positiveSign = L"+"; };
const Setup kPlusInExponent = [](NumberSettings& s) { s.includePositiveSignInExponent = true; };

Setup Sizes(std::vector<int> sizes) {
    return [=](NumberSettings& s) { s.groupSizes = sizes; };
}

const NumberCase kNumberCases[] = {
    {"defaults", kDefaults, 1234567.891, 0, L"1,234,567.89", "1234567.89 1234567 2 2 89 89 0"},
    {"sizes 3 2", Sizes({3, 2}), 1234567.89, 0, L"12,34,567.89"},
    {"sizes 3 0", Sizes({3, 0}), 1234567.89, 0, L"1234,567.89"},
    {"sizes 0", Sizes({0}), 1234567.89, 0, L"1234567.89"},
    {"sizes 1 2 3", Sizes({1, 2, 3}), 1234567890.0, 0, L"1,234,567,89,0.00"},
    {"below a thousand", kDefaults, 999.5, 0, L"999.50"},
    {"number at precision 0", Format(nfNumber, 0), 1234567, 0, L"1,234,567"},
    {"precision 0 below 1000", Format(nfNumber, 0), 999, 0, L"999"},
    {"integer only", kDefaults, 1234567.891, IntegerOnly, L"1,234,568"},
    {"large fixed", Format(nfFixedPoint, 0), 1e20, 0, L"100000000000000000000", "1e20 0 0 0 0 0 0"},
    {"large number", Format(nfNumber, 0), 1e20, 0, L"100,000,000,000,000,000,000"},
    {"negative zero", kDefaults, -0.0, 0, L"0.00"},
    {"negative rounding to zero", Format(nfFixedPoint, 2), -0.001, 0, L"-0.00"},
    {"signed zero", kDefaults, 0.0, SignedZero, L"-0.00"},
    {"signed zero, nonzero value", kDefaults, 2.0, SignedZero, L"2.00"},
    {"negative", kDefaults, -1234.5, 0, L"-1,234.50"},
    {"no negative sign", kNoMinus, -5, 0, L"5.00"},
    {"positive sign", kPlus, 5, 0, L"+5.00"},
    {"positive sign not included",
     Format(nfNumber, 2, {kPlus, [](NumberSettings& s) { s.includePositiveSignInNumber = false; }}),
     5, 0, L"5.00"},
    {"Exponential", Format(nfExponential, 2), 12345, 0, L"1.23E04", "12300 12300 0 0 0 0 4"},
    {"Exponential three digits", Format(nfExponential, 2, {kThreeDigitExponent}), 12345, 0,
     L"1.23E004"},
    {"Exponential negative", Format(nfExponential, 2), -0.00012345, 0, L"-1.23E-04",
     "0.000123 0 6 6 123 123 -4"},
    {"Exponential exponent plus", Format(nfExponential, 2, {kPlus, kPlusInExponent}), 12345, 0,
     L"+1.23E+04"},
    {"Exponential no exponent minus",
     Format(nfExponential, 2, {[](NumberSettings& s) { s.includeNegativeSignInExponent = false; }}),
     0.00012345, 0, L"1.23E04"},
    {"exponential", Format(nfExponentialLower, 3), 12346, 0, L"1.235e04"},
    {"exponential tie to even", Format(nfExponentialLower, 3), 12345, 0, L"1.234e04"},
    {"exponential of zero", Format(nfExponentialLower, 1), 0.0, 0, L"0.0e00"},
    {"exponent of 308", Format(nfExponential, 1), 1.5e308, 0, L"1.5E308"},
    {"General small", Format(nfGeneral, 2), 1e-10, 0, L"1E-10"},
    {"General half", Format(nfGeneral, 2), 0.5, 0, L"0.5", "0.5 0 1 1 5 5 0"},
    {"General large", Format(nfGeneral, 3), 123456789, 0, L"1.23E08",
     "123000000 123000000 0 0 0 0 8"},
    {"General three digits", Format(nfGeneral, 2, {kThreeDigitExponent}), 1e-10, 0, L"1E-010"},
    {"general", Format(nfGeneralLower, 4), 0.0000123456, 0, L"1.235e-05"},
    {"general integer", Format(nfGeneralLower, 6), 1234.5, 0, L"1234.5"},
    {"General precision 0", Format(nfGeneral, 0), 0.5, 0, L"0.5"},
    {"native digits", kNativeDigits, 1234.5, 0, L"١,٢٣٤.٥٠", "1234.5 1234 2 1 50 5 0"},
    {"native digits in the exponent", Format(nfExponential, 1, {kNativeDigits}), 12345, 0,
     L"١.٢E٠٤", "12000 12000 0 0 0 0 4"},
    {"long texts in reading order", kLongTexts, -1234567.5, 0, L"minus 1<g>234<g>567<d>50",
     "1234567.5 1234567 2 1 50 5 0"},
    {"long positive sign", kLongTexts, 1234.5, 0, L"plus 1<g>234<d>50"},
    {"long signs in the exponent", Format(nfExponential, 1, {kLongTexts, kPlusInExponent}), -0.0123,
     0, L"minus 1<d>2Eminus 02"},
    {"signed zero with long sign", kLongTexts, 0.0, SignedZero, L"minus plus 0<d>00"},
    {"Fraction whole", Format(nfFraction, 3), 2.0, 0, L"2", "2 2 0 0 0 0 0"},
    {"Fraction mixed", Format(nfFraction, 3), 2.5, 0, L"2 1/2", "2.5 2 1 1 5 5 0"},
    {"Fraction proper", Format(nfFraction, 3), 0.375, 0, L"3/8"},
    {"Fraction rounds to zero", Format(nfFraction, 3), 0.01, 0, L"0"},
    {"Fraction negative mixed", Format(nfFraction, 3), -1.25, 0, L"-1 1/4"},
    {"Fraction negative proper", Format(nfFraction, 3), -0.25, 0, L"-1/4"},
    {"Fraction negative to zero", Format(nfFraction, 3), -0.01, 0, L"-0"},
    {"Fraction negative to zero, no minus", Format(nfFraction, 3, {kNoMinus}), -0.01, 0, L"0"},
    {"Fraction precision 0", Format(nfFraction, 0), 2.5, 0, L"3", "3 3 0 0 0 0 0"},
    {"Fraction precision 0 negative", Format(nfFraction, 0), -2.5, 0, L"-3"},
    {"Fraction 1024ths", Format(nfFraction, 10), 0.0009765625, 0, L"1/1,024"},
    {"Fraction thousands", Format(nfFraction, 1), 12345.5, 0, L"12,345 1/2"},
    {"Fraction ignores the caller's texts", Format(nfFraction, 2, {kLongTexts}), -1.75, 0,
     L"-1 3/4"},
    {"Fraction ignores native digits", Format(nfFraction, 2, {kNativeDigits}), 1.5, 0, L"1 1/2"},
    {"one at precision 2", kDefaults, 1.0, 0, L"1.00", "1 1 2 0 0 0 0"},
    {"a trailing zero", kDefaults, -21.5, 0, L"-21.50", "21.5 21 2 1 50 5 0"},
    {"one at precision 0", Format(nfNumber, 0), 1, 0, L"1", "1 1 0 0 0 0 0"},
    {"rounding up to one", Format(nfFixedPoint, 1), 0.96, 0, L"1.0", "1 1 1 0 0 0 0"},
    {"18 decimals", Format(nfFixedPoint, 18), 0.5, 0, L"0.500000000000000000",
     "0.5 0 18 1 500000000000000000 5 0"},
    {"General one", Format(nfGeneral, 2), 1.0, 0, L"1", "1 1 0 0 0 0 0"},
    {"Fraction proper negative", Format(nfFraction, 3), -0.375, 0, L"-3/8",
     "0.375 0 3 3 375 375 0"},
};

// The plural operands that a text gives are those of the digits it shows, whatever the digits,
// separators and signs: the fraction digits it writes count, an exponent moves the point and
// is e, and a Fraction's mixed number counts as its decimal.
TEST(FormatNumber, WritesTheTextOfTheSettingsAndGivesItsPluralOperands) {
    auto fields = [](const PluralOperands& o) {
        return std::make_tuple(o.i, o.v, o.w, o.f, o.t, o.e);
    };
    for (const NumberCase& c : kNumberCases) {
        SCOPED_TRACE(c.what);
        NumberSettings settings = With(c.setup);
        EXPECT_EQ(Write(settings, c.value, c.flags), std::wstring(c.text));
        if (c.operands == nullptr)
            continue;
        PluralOperands written, expected;
        ASSERT_EQ(Write(settings, c.value, c.flags, &written), std::wstring(c.text));
        std::istringstream in(c.operands);
        in >> expected.n >> expected.i >> expected.v >> expected.w >> expected.f >> expected.t >>
            expected.e;
        ASSERT_FALSE(in.fail()) << c.operands;
        EXPECT_DOUBLE_EQ(written.n, expected.n);
        EXPECT_EQ(fields(written), fields(expected));
    }
}

// Both the converted text and the written text, each with a terminator, must fit: the smallest
// buffer that works does, and one below it fails without writing past its end.
TEST(FormatNumber, NeedsRoomForTheConvertedAndTheWrittenText) {
    const struct {
        const char* what;
        ::Setup setup;
        double value;
        size_t smallest;
    } cases[] = {
        {"fixed: converted +123", Format(nfFixedPoint, 0), 123, 5},
        {"number: written 1,234,567", Format(nfNumber, 0), 1234567, 10},
        {"exponential: converted +1.23E+04", Format(nfExponential, 2), 12345, 10},
        {"long texts: plus 1<g>234<d>00", kLongTexts, 1234, 18},
        {"fraction: 2 1/2 and an extra terminator", Format(nfFraction, 1), 2.5, 7},
        {"fraction: whole only", Format(nfFraction, 1), 2.0, 3},
    };
    std::array<wchar_t, 64> memory;
    for (const auto& c : cases)
        for (size_t size : {c.smallest, c.smallest - 1}) {
            memory.fill(L'#');
            TextBuffer out(memory.data(), size);
            EXPECT_EQ(FormatNumber(With(c.setup), c.value, out, 0),
                      size == c.smallest ? ecSuccess : ecFailure)
                << c.what << " in " << size;
            for (size_t i = size; i < memory.size(); ++i)
                ASSERT_EQ(memory[i], L'#') << c.what << ": written past the buffer";
        }
}

TEST(FormatNumber, RefusesBadArguments) {
    NumberSettings settings;
    wchar_t buffer[32];
    auto write = [&](double value, wchar_t* into, size_t size) {
        TextBuffer out(into, size);
        return FormatNumber(settings, value, out, 0);
    };
    EXPECT_EQ(write(1.0, nullptr, 32), ecFailure);
    EXPECT_EQ(write(1.0, buffer, 0), ecFailure);
    for (double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(write(value, buffer, 32), ecFailure);
    for (int format : {-1, 7, 100}) {
        settings.numericFormat = static_cast<NumberFormat>(format);
        EXPECT_EQ(write(1.0, buffer, 32), ecFailure);
    }
    settings.numericFormat = nfFixedPoint;
    settings.decimalPrecision = 99;
    EXPECT_EQ(Write(settings, 1e308).size(), 309u + 1 + 99);
}

// The exponent digit setting belongs to each formatter: two threads with different settings
// never see each other's.
TEST(FormatNumber, ExponentDigitsArePerCall) {
    NumberSettings two = With(Format(nfExponential, 2));
    NumberSettings three = two;
    three.allowTwoDigitExponent = false;
    auto run = [](const NumberSettings& settings, const wchar_t* expected, bool* ok) {
        for (int i = 0; i < 20000 && *ok; ++i)
            *ok = Write(settings, 12345) == expected;
    };
    bool twoOk = true, threeOk = true;
    std::thread first(run, std::cref(two), L"1.23E04", &twoOk);
    std::thread second(run, std::cref(three), L"1.23E004", &threeOk);
    first.join();
    second.join();
    EXPECT_TRUE(twoOk);
    EXPECT_TRUE(threeOk);
}

// Fixed notation under the initial settings reads as the C runtime writes it ("%.*f"), grouping
// aside: random values of many magnitudes, whole numbers, halves and their neighbours, both
// signs, at precisions 0 to 6 and as whole numbers (IntegerOnly).
TEST(FixedNumberText, ReadsAsTheRuntimeWritesIt) {
    std::mt19937_64 random(15);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    for (int i = 0; i < 20000; ++i) {
        int precision = i % 7;
        double value = mantissa(random) * std::pow(10.0, static_cast<int>(random() % 19) - 3);
        if (i % 5 == 1)
            value = std::round(value);
        if (i % 5 == 2)
            value = (std::round(value) + 0.5) / std::pow(10.0, precision);
        if (i % 5 == 3)
            value = std::nextafter((std::round(value) + 0.5) / std::pow(10.0, precision), 0.0);
        if (value == 0)
            continue;
        for (unsigned flags : {0u, static_cast<unsigned>(IntegerOnly)}) {
            char expected[512];
            std::snprintf(expected, sizeof expected, "%.*f", flags ? 0 : precision, value);
            for (NumberFormat format : {nfFixedPoint, nfNumber}) {
                std::wstring text = Write(With(Format(format, precision)), value, flags);
                text.erase(std::remove(text.begin(), text.end(), L','), text.end());
                ASSERT_EQ(text, std::wstring(expected, expected + std::strlen(expected)))
                    << value << " at " << precision << " flags " << flags;
            }
        }
    }
}

} // namespace
