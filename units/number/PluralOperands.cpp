#include "units/number/PluralOperands.h"

#include "platform/NumberConversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velmar::platform::core::units {

namespace {

constexpr double kFractionLimit = 1e17; // f and t take no more digits once past it
constexpr long kExponentLimit = 100000; // beyond any exponent of a double's text

// The digits of an ASCII mantissa («12.345»), by their place: k counts the digits from the
// first, and places before the first and after the last hold zeros.
struct Mantissa {
    const char* begin;
    long count = 0; // digits
    long point = 0; // digits before the point

    int DigitAt(long k) const {
        if (k < 0 || k >= count)
            return 0;
        return begin[k < point ? k : k + 1] - '0'; // the point stands between
    }
};

} // namespace

PluralOperands PluralOperands::OfText(const char* begin, const char* end) {
    PluralOperands operands;
    const char* at = begin;
    if (at != end && (*at == '+' || *at == '-'))
        ++at;
    Mantissa mantissa{at};
    bool pointSeen = false;
    for (; at != end; ++at) {
        if (*at >= '0' && *at <= '9') {
            ++mantissa.count;
        } else if (*at == '.' && !pointSeen) {
            pointSeen = true;
            mantissa.point = mantissa.count;
        } else {
            break;
        }
    }
    if (!pointSeen)
        mantissa.point = mantissa.count;
    if (at != end && (*at == 'E' || *at == 'e')) {
        const char* digits = at + 1;
        bool negative = digits != end && *digits == '-';
        if (digits != end && (*digits == '+' || *digits == '-'))
            ++digits;
        long exponent = 0;
        for (; digits != end && *digits >= '0' && *digits <= '9'; ++digits)
            exponent = std::min(exponent * 10 + (*digits - '0'), kExponentLimit);
        operands.e = static_cast<int>(negative ? -exponent : exponent);
    }
    // The point of the number the text stands for.
    long point = mantissa.point + operands.e;
    for (long k = std::max(0L, point - 18); k < point; ++k)
        operands.i = operands.i * 10 + static_cast<uint64_t>(mantissa.DigitAt(k));
    long last = point - 1; // the last fraction digit that is not zero
    for (long k = std::max(point, 0L); k < mantissa.count; ++k)
        if (mantissa.DigitAt(k) != 0)
            last = k;
    operands.v = static_cast<int>(std::max(0L, mantissa.count - point));
    operands.w = static_cast<int>(last - point + 1);
    for (long k = point;
         k < point + operands.v && static_cast<double>(operands.f) <= kFractionLimit; ++k)
        operands.f = operands.f * 10 + static_cast<uint64_t>(mantissa.DigitAt(k));
    for (long k = point; k <= last && static_cast<double>(operands.t) <= kFractionLimit; ++k)
        operands.t = operands.t * 10 + static_cast<uint64_t>(mantissa.DigitAt(k));
    while (operands.t != 0 && operands.t % 10 == 0)
        operands.t /= 10;
    double value = 0;
    std::from_chars(mantissa.begin, end, value);
    operands.n = std::abs(value);
    return operands;
}

PluralOperands PluralOperands::OfFixed(uint64_t digits, int decimals) {
    static constexpr uint64_t kScales[] = {1,
                                           10,
                                           100,
                                           1000,
                                           10000,
                                           100000,
                                           1000000,
                                           10000000,
                                           100000000,
                                           1000000000,
                                           10000000000,
                                           100000000000,
                                           1000000000000,
                                           10000000000000,
                                           100000000000000,
                                           1000000000000000};
    uint64_t scale = kScales[decimals];
    PluralOperands operands;
    operands.n = static_cast<double>(digits) / static_cast<double>(scale);
    operands.i = digits / scale;
    operands.f = digits % scale;
    operands.v = decimals;
    operands.t = operands.f;
    operands.w = operands.t == 0 ? 0 : decimals;
    while (operands.t != 0 && operands.t % 10 == 0) {
        operands.t /= 10;
        --operands.w;
    }
    return operands;
}

PluralOperands PluralOperands::OfMixed(double whole, double fraction, int precision) {
    whole = std::abs(whole);
    fraction = std::abs(fraction);
    PluralOperands operands;
    if (fraction != 0) {
        // The exact decimals of the fraction, «+0.375», without trailing zeros.
        char text[os::kMaxConvertedLength];
        int length = os::ConvertDouble(text, sizeof text, fraction, 'f', precision, true);
        while (length > 0 && text[length - 1] == '0')
            --length;
        if (length > 0)
            operands = OfText(text, text + length);
    }
    operands.i = static_cast<uint64_t>(std::fmod(whole, 1e18));
    operands.n = whole + fraction;
    return operands;
}

} // namespace velmar::platform::core::units
