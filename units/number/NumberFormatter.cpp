#include "units/number/NumberFormatter.h"

#include "platform/NumberConversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velmar::platform::core::units {

namespace {

// Writes text into the caller's buffer, keeping room for the terminator. Fails once a piece
// would not fit.
class TextOut {
public:
    TextOut(wchar_t* buffer, size_t size) : begin_(buffer), at_(buffer), end_(buffer + size - 1) {}

    bool Put(wchar_t c) {
        if (at_ == end_)
            return false;
        *at_++ = c;
        return true;
    }
    bool Put(const std::wstring& text) {
        if (text.size() > static_cast<size_t>(end_ - at_))
            return false;
        at_ = std::copy(text.begin(), text.end(), at_);
        return true;
    }
    // Terminates the text; returns its length plus one.
    int Finish() {
        *at_ = L'\0';
        return static_cast<int>(at_ - begin_ + 1);
    }

private:
    wchar_t* begin_;
    wchar_t* at_;
    wchar_t* end_;
};

// Digit grouping, in the "Number" format: the positions, counted from the last integer digit,
// after which a group separator stands, ascending. From the decimal point the group sizes apply
// in order, the last one repeating; a size of 0 ends the grouping. Returns their count.
size_t GroupSeparators(const NumberSettings& s, NumberFormat format, size_t integerDigits,
                       size_t* separators) {
    size_t count = 0;
    if (format != nfNumber || s.groupSizes.empty() || s.groupSizes[0] == 0)
        return 0;
    size_t group = 0;
    for (size_t at = static_cast<size_t>(s.groupSizes[0]); at < integerDigits;) {
        separators[count++] = at;
        if (group + 1 < s.groupSizes.size())
            ++group;
        if (s.groupSizes[group] == 0)
            break;
        at += static_cast<size_t>(s.groupSizes[group]);
    }
    return count;
}

constexpr int kNotFixed = -2;

// "Fixed Point" and "Number" text written straight from the integer of os::FixedDigits: the text
// of the general way, without the primitive conversion and its rewrite. kNotFixed when that
// integer does not decide it.
int WriteFixed(const NumberSettings& s, NumberFormat format, int precision, double value,
               wchar_t* buffer, size_t bufferSize, unsigned flags) {
    unsigned long long number = 0;
    if (!os::FixedDigits(std::abs(value), precision, &number))
        return kNotFixed;
    auto decimals = static_cast<size_t>(precision);
    wchar_t digits[24];
    size_t count = 0;
    do {
        digits[count++] = s.nativeDigits[number % 10];
        number /= 10;
    } while (number != 0 || count <= decimals);
    // The primitive conversion's text, a sign, the digits and the point, has to fit as well.
    if (count + (decimals > 0 ? 1 : 0) + 2 > bufferSize)
        return -1;
    size_t separators[24];
    size_t separatorCount = GroupSeparators(s, format, count - decimals, separators);
    TextOut out(buffer, bufferSize);
    bool ok = true;
    if ((flags & SignedZero) && value == 0.0)
        ok = out.Put(s.negativeSign);
    if (value < 0 ? s.includeNegativeSignInNumber : s.includePositiveSignInNumber)
        ok = ok && out.Put(value < 0 ? s.negativeSign : s.positiveSign);
    while (count > 0 && ok) {
        if (count == decimals)
            ok = out.Put(s.decimalSeparator);
        ok = ok && out.Put(digits[--count]);
        if (separatorCount > 0 && separators[separatorCount - 1] + decimals == count) {
            ok = ok && out.Put(s.groupSeparator);
            --separatorCount;
        }
    }
    return ok ? out.Finish() : -1;
}

char ConversionLetter(NumberFormat format) {
    switch (format) {
    case nfExponential:
        return 'E';
    case nfExponentialLower:
        return 'e';
    case nfFixedPoint:
    case nfNumber:
        return 'f';
    case nfGeneral:
        return 'G';
    case nfGeneralLower:
        return 'g';
    default:
        return '\0';
    }
}

// A value rounded to the nearest multiple of 1/2^precision, halves away from zero, as the
// whole number and numerator (both with the value's sign) over the denominator.
struct RoundedFraction {
    double whole;
    double numerator;
    double denominator;
};

RoundedFraction RoundToFraction(double value, int precision) {
    double denominator = 1.0;
    for (int i = 0; i < precision; ++i)
        denominator *= 2.0;
    double rounded = value > 0 ? value + 0.5 / denominator : value - 0.5 / denominator;
    double whole = 0;
    double fraction = std::modf(rounded, &whole);
    return {whole, std::trunc(fraction * denominator), denominator};
}

int Fraction(const NumberSettings& settings, int precision, double value, wchar_t* buffer,
             size_t bufferSize, unsigned flags);

int Format(const NumberSettings& s, NumberFormat format, int precision, double value,
           wchar_t* buffer, size_t bufferSize, unsigned flags) {
    if (buffer == nullptr || bufferSize == 0 || !std::isfinite(value))
        return -1;
    if (value == 0.0)
        value = 0.0; // a negative zero is written as zero
    if (format == nfFraction)
        return Fraction(s, precision, value, buffer, bufferSize, flags & SignedZero);
    char letter = ConversionLetter(format);
    if (letter == '\0')
        return -1;
    if (flags & IntegerOnly)
        precision = 0;
    if (format == nfFixedPoint || format == nfNumber) {
        if (int written = WriteFixed(s, format, precision, value, buffer, bufferSize, flags);
            written != kNotFixed)
            return written;
    }

    char converted[os::kMaxConvertedLength];
    int length = os::ConvertDouble(converted, sizeof converted, value, letter, precision,
                                   s.allowTwoDigitExponent);
    if (length < 0 || static_cast<size_t>(length) + 1 > bufferSize)
        return -1;
    const char* begin = converted;
    const char* end = converted + length;
    bool hasExponent = letter == 'E' || letter == 'e' ||
                       ((letter == 'G' || letter == 'g') &&
                        std::find(begin, end, letter == 'G' ? 'E' : 'e') != end);

    size_t separators[os::kMaxConvertedLength];
    size_t integerDigits = static_cast<size_t>(std::find(begin, end, '.') - begin) - 1;
    size_t separatorCount = GroupSeparators(s, format, integerDigits, separators);

    TextOut out(buffer, bufferSize);
    bool ok = true;
    if ((flags & SignedZero) && value == 0.0)
        ok = out.Put(s.negativeSign);
    bool inExponent = false;
    // Integer digits still to come while grouping; none once past the integer part.
    size_t integerLeft = separatorCount > 0 ? integerDigits : 0;
    for (const char* at = begin; at < end && ok; ++at) {
        char c = *at;
        if (c >= '0' && c <= '9') {
            ok = out.Put(s.nativeDigits[c - '0']);
            if (integerLeft > 0 && --integerLeft > 0 && separatorCount > 0 &&
                separators[separatorCount - 1] == integerLeft) {
                ok = ok && out.Put(s.groupSeparator);
                --separatorCount;
            }
        } else if (c == '+') {
            if (inExponent ? s.includePositiveSignInExponent : s.includePositiveSignInNumber)
                ok = out.Put(s.positiveSign);
        } else if (c == '-') {
            if (inExponent ? s.includeNegativeSignInExponent : s.includeNegativeSignInNumber)
                ok = out.Put(s.negativeSign);
        } else if (c == '.') {
            ok = out.Put(s.decimalSeparator);
            integerLeft = 0;
        } else {
            if ((c == 'E' || c == 'e') && hasExponent)
                inExponent = true;
            ok = out.Put(static_cast<wchar_t>(c));
        }
    }
    return ok ? out.Finish() : -1;
}

// flags may ask for SignedZero: the feet or degrees of a negative composite value that count
// zero («-0'7 3/4"») keep their sign in this format too.
int Fraction(const NumberSettings& settings, int precision, double value, wchar_t* buffer,
             size_t bufferSize, unsigned flags) {
    if (buffer == nullptr || bufferSize == 0 || !std::isfinite(value))
        return -1;
    unsigned wholeFlags = IntegerOnly | (flags & SignedZero);
    if (value < 0 && settings.includeNegativeSignInNumber)
        wholeFlags |= SignedZero;
    RoundedFraction parts = RoundToFraction(value, precision);
    // The parts are written with a new formatter's settings in the "Number" format.
    int end = WriteMixedNumber(NumberSettings::Defaults(), nfNumber, parts.whole, parts.numerator,
                               parts.denominator, wholeFlags, L' ', buffer, bufferSize, 0);
    if (end < 0)
        return -1;
    size_t length = static_cast<size_t>(end);
    // The text and its terminator, and one more terminator after them, must fit.
    if (length + 1 >= bufferSize)
        return -1;
    buffer[length] = L'\0';
    buffer[length + 1] = L'\0';
    return static_cast<int>(length + 1);
}

} // namespace

int FormatNumber(const NumberSettings& settings, double value, wchar_t* buffer, size_t bufferSize,
                 unsigned flags) {
    return Format(settings, settings.numericFormat, settings.decimalPrecision, value, buffer,
                  bufferSize, flags);
}

int FormatNumberWithPrecision(const NumberSettings& settings, int precision, double value,
                              wchar_t* buffer, size_t bufferSize, unsigned flags) {
    return Format(settings, settings.numericFormat, precision, value, buffer, bufferSize, flags);
}

int WriteMixedNumber(const NumberSettings& settings, NumberFormat format, double whole,
                     double numerator, double denominator, unsigned wholeFlags, wchar_t afterWhole,
                     wchar_t* buffer, size_t bufferSize, size_t at) {
    auto write = [&](double number, unsigned flags) {
        if (at >= bufferSize)
            return -1;
        int written = Format(settings, format, settings.decimalPrecision, number, buffer + at,
                             bufferSize - at, flags | IntegerOnly);
        return written < 0 ? -1 : static_cast<int>(at) + written - 1;
    };
    int end = static_cast<int>(at) - 1;
    if (numerator == 0 || whole != 0) {
        end = write(whole, wholeFlags);
        if (end < 0)
            return -1;
        buffer[end] = afterWhole;
        at = static_cast<size_t>(end) + 1;
    }
    if (numerator != 0) {
        if (whole < 0 && numerator < 0)
            numerator = -numerator;
        // Halving while even; n * 0.5 is exact, and whole exactly when n is even.
        while (std::isfinite(numerator) && numerator * 0.5 == std::trunc(numerator * 0.5)) {
            numerator /= 2;
            denominator /= 2;
        }
        end = write(numerator, 0);
        if (end < 0)
            return -1;
        buffer[end] = L'/';
        at = static_cast<size_t>(end) + 1;
        end = write(denominator, 0);
    }
    return end;
}

int FormatFraction(const NumberSettings& settings, double value, wchar_t* buffer,
                   size_t bufferSize) {
    return Fraction(settings, settings.decimalPrecision, value, buffer, bufferSize, 0);
}

double WrittenValue(const NumberSettings& settings, double value) {
    if (!std::isfinite(value))
        return std::nan("");
    if (settings.numericFormat == nfFraction) {
        RoundedFraction parts = RoundToFraction(value, settings.decimalPrecision);
        return parts.whole + parts.numerator / parts.denominator;
    }
    char letter = ConversionLetter(settings.numericFormat);
    char converted[os::kMaxConvertedLength];
    int length = letter == '\0' ? -1
                                : os::ConvertDouble(converted, sizeof converted, value, letter,
                                                    settings.decimalPrecision, true);
    if (length <= 0)
        return std::nan("");
    // The conversion writes a plus sign, which reading back does not take.
    const char* begin = converted[0] == '+' ? converted + 1 : converted;
    double written = std::nan("");
    std::from_chars(begin, converted + length, written);
    return written;
}

} // namespace velmar::platform::core::units
