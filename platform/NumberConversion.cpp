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

// Fixed notation from the integer of FixedDigits. Writes the digits at out and returns their
// end, or null when it does not apply or there is no room.
char* FixedByInteger(char* out, char* limit, double magnitude, int precision) {
    unsigned long long digits = 0;
    if (!FixedDigits(magnitude, precision, &digits))
        return nullptr;
    char reversed[24];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    } while (digits != 0 || count <= precision);
    if (limit - out < count + (precision > 0 ? 1 : 0))
        return nullptr;
    while (count > 0) {
        if (count == precision)
            *out++ = '.';
        *out++ = reversed[--count];
    }
    return out;
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
    if (format == std::chars_format::fixed) {
        *begin = std::signbit(value) ? '-' : '+';
        if (char* end = FixedByInteger(begin + 1, limit, std::abs(value), precision))
            return static_cast<int>(end - buffer);
    }
    if (!std::signbit(value))
        *begin++ = '+';
    std::to_chars_result result = std::to_chars(begin, limit, value, format, precision);
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
