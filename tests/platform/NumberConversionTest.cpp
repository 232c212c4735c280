#include "platform/NumberConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

using velmar::platform::core::os::ConvertDouble;
using velmar::platform::core::os::kMaxConvertedLength;

namespace {

std::string Convert(double value, char letter, int precision, bool twoDigits) {
    char buffer[kMaxConvertedLength];
    int length = ConvertDouble(buffer, sizeof buffer, value, letter, precision, twoDigits);
    return length < 0 ? "<failed>" : std::string(buffer, static_cast<size_t>(length));
}

// What the C runtime writes, with the exponent widened to three digits when asked.
std::string Reference(double value, char letter, int precision, bool twoDigits) {
    char format[16];
    std::snprintf(format, sizeof format, "%%+.*%c", letter);
    char buffer[kMaxConvertedLength];
    std::snprintf(buffer, sizeof buffer, format, precision, value);
    std::string text = buffer;
    size_t mark = text.find_first_of("eE");
    if (!twoDigits && mark != std::string::npos && text.size() - (mark + 2) < 3)
        text.insert(mark + 2, "0");
    return text;
}

// The C runtime (in the "C" locale of this process) is the oracle: random values of every
// magnitude, integers, halves and ties, at every conversion letter and many precisions.
TEST(ConvertDouble, WritesWhatTheRuntimeWrites) {
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        double value = mantissa(random) * std::pow(10.0, exponent(random));
        if (i % 4 == 1)
            value = std::round(value);
        if (i % 4 == 2)
            value = std::round(value * 2) / 2;
        for (char letter : {'E', 'e', 'f', 'G', 'g'}) {
            int precision = static_cast<int>(random() % 20);
            bool twoDigits = random() % 2 == 0;
            ASSERT_EQ(Convert(value, letter, precision, twoDigits),
                      Reference(value, letter, precision, twoDigits))
                << value << " " << letter << precision;
        }
    }
}

// Fixed notation around the halves that rounding decides, at every precision up to 16: the
// decimal half itself (rarely exact in binary), its neighbours, and magnitudes up to 2^53.
TEST(ConvertDouble, FixedNotationNearHalves) {
    std::mt19937_64 random(15);
    for (int i = 0; i < 20000; ++i) {
        int precision = i % 17;
        double whole = static_cast<double>(random() % (i % 3 == 0 ? 1000 : 100000000000ULL));
        double half = (whole + 0.5) / std::pow(10.0, precision);
        for (double value : {half, std::nextafter(half, 0.0), std::nextafter(half, 1e300), -half,
                             static_cast<double>(random() >> 10) / 4})
            ASSERT_EQ(Convert(value, 'f', precision, true), Reference(value, 'f', precision, true))
                << value << " f" << precision;
    }
}

// Signed zeros, halves and ties, 2^53, 2^53 - 1 and 2^52 + 0.5, and the extremes of the range.
const double kEdgeValues[] = {
    0.0,   -0.0,  1.0,   -1.0, 9e15,  9.1e15,  0x1p53,   9007199254740991.0,     4503599627370496.5,
    0.125, 1.005, 2.675, 1e-7, 2e300, -1e-300, 4.9e-324, 1.7976931348623157e308, 0.5,
    1.5,   2.5,   -2.5};

TEST(ConvertDouble, EdgeValues) {
    for (double value : kEdgeValues)
        for (char letter : {'E', 'e', 'f', 'G', 'g'})
            for (int precision : {0, 1, 2, 17, 99})
                for (bool twoDigits : {true, false})
                    EXPECT_EQ(Convert(value, letter, precision, twoDigits),
                              Reference(value, letter, precision, twoDigits))
                        << value << " " << letter << precision << (twoDigits ? "" : " wide");
}

TEST(ConvertDouble, RefusesWhatItCannotWrite) {
    char buffer[8];
    EXPECT_EQ(ConvertDouble(buffer, 8, 12345678.0, 'f', 0, true), -1);
    EXPECT_EQ(ConvertDouble(buffer, 8, 1234567.0, 'f', 0, true), 8);
    EXPECT_EQ(ConvertDouble(buffer, 0, 1.0, 'f', 0, true), -1);
    EXPECT_EQ(ConvertDouble(buffer, 8, 1.0, 'x', 0, true), -1);
    EXPECT_EQ(ConvertDouble(buffer, 8, 1.0, 'f', -1, true), -1);
    // The widened exponent must fit as well: "+1e+05" fits, "+1e+005" does not.
    EXPECT_EQ(ConvertDouble(buffer, 6, 1e5, 'e', 0, true), 6);
    EXPECT_EQ(ConvertDouble(buffer, 6, 1e5, 'e', 0, false), -1);
}

} // namespace
