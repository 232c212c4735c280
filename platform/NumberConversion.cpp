#include "platform/NumberConversion.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace velmar::platform::core::os {

namespace {

// Widens the exponent that ends the text at [begin, end) to three digits: "e+05" becomes
// "e+005". Returns the new end, or null when there is no room.
char* WidenExponent(char* begin, char* end, char* limit) {
    char* mark = static_cast<char*>(std::memchr(begin, 'e', static_cast<size_t>(end - begin)));
    if (mark == nullptr || end - (mark + 2) >= 3)
        return end;
    if (end >= limit)
        return nullptr;
    char* digits = mark + 2;
    std::memmove(digits + 1, digits, static_cast<size_t>(end - digits));
    *digits = '0';
    return end + 1;
}

} // namespace

int ConvertDouble(char* buffer, size_t capacity, double value, char letter, int precision,
                  bool twoDigitExponent) {
    if (capacity == 0 || precision < 0)
        return -1;
    std::chars_format format;
    switch (letter) {
    case 'e':
    case 'E':
        format = std::chars_format::scientific;
        break;
    case 'f':
        format = std::chars_format::fixed;
        break;
    case 'g':
    case 'G':
        format = std::chars_format::general;
        break;
    default:
        return -1;
    }
    char* limit = buffer + capacity;
    char* begin = buffer;
    if (!std::signbit(value))
        *begin++ = '+';
    // Whole numbers without decimals, the parts of fractions and composite notations, are
    // written far faster as integers; the text is the same.
    std::to_chars_result result = format == std::chars_format::fixed && precision == 0 &&
                                          std::abs(value) < 9e15 && std::trunc(value) == value &&
                                          (value != 0 || !std::signbit(value))
                                      ? std::to_chars(begin, limit, static_cast<long long>(value))
                                      : std::to_chars(begin, limit, value, format, precision);
    if (result.ec != std::errc())
        return -1;
    char* end = result.ptr;
    if (!twoDigitExponent && std::isfinite(value) && format != std::chars_format::fixed) {
        end = WidenExponent(begin, end, limit);
        if (end == nullptr)
            return -1;
    }
    if (letter == 'E' || letter == 'G')
        for (char* c = begin; c < end; ++c)
            if (*c >= 'a' && *c <= 'z')
                *c = static_cast<char>(*c - 'a' + 'A');
    return static_cast<int>(end - buffer);
}

} // namespace velmar::platform::core::os
