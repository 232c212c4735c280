#include "units/number/NumberFormatter.h"

#include "platform/NumberConversion.h"
#include "units/util/TextBuffer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velmar::platform::core::units {

namespace {

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

// "Fixed Point" and "Number" text written straight from the integer of os::FixedDigits: the text
// of the general way, without the primitive conversion and its rewrite. False when that integer
// does not decide it, and nothing is written.
bool WriteFixed(const NumberSettings& s, NumberFormat format, int precision, double value,
                TextBuffer& out, unsigned flags, PluralOperands* written) {
    unsigned long long number = 0;
    if (!os::FixedDigits(std::abs(value), precision, &number))
        return false;
    if (written != nullptr)
        *written = PluralOperands::OfFixed(number, precision);
    auto decimals = static_cast<size_t>(precision);
    wchar_t digits[24];
    size_t count = 0;
    do {
        digits[count++] = s.nativeDigits[number % 10];
        number /= 10;
    } while (number != 0 || count <= decimals);
    // The primitive conversion's text, a sign, the digits and the point, has to fit as well.
    if (count + (decimals > 0 ? 1 : 0) + 1 > out.Room())
        out.Overflow();
    size_t separators[24];
    size_t separatorCount = GroupSeparators(s, format, count - decimals, separators);
    if ((flags & SignedZero) && value == 0.0)
        out.Put(s.negativeSign);
    if (value < 0 ? s.includeNegativeSignInNumber : s.includePositiveSignInNumber)
        out.Put(value < 0 ? s.negativeSign : s.positiveSign);
    while (count > 0 && out.Fits()) {
        if (count == decimals)
            out.Put(s.decimalSeparator);
        out.Put(digits[--count]);
        if (separatorCount > 0 && separators[separatorCount - 1] + decimals == count) {
            out.Put(s.groupSeparator);
            --separatorCount;
        }
    }
    return true;
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

void Fraction(const NumberSettings& settings, int precision, double value, TextBuffer& out,
              unsigned flags, PluralOperands* written);

// Appends the number text; whether it fit is the buffer's to tell. With written, gives the
// plural operands of the text.
void Format(const NumberSettings& s, NumberFormat format, int precision, double value,
            TextBuffer& out, unsigned flags, PluralOperands* written = nullptr) {
    if (!std::isfinite(value))
        return out.Refuse();
    if (value == 0.0)
        value = 0.0; // a negative zero is written as zero
    if (format == nfFraction)
        return Fraction(s, precision, value, out, flags & SignedZero, written);
    char letter = ConversionLetter(format);
    if (letter == '\0')
        return out.Refuse();
    if (flags & IntegerOnly)
        precision = 0;
    if ((format == nfFixedPoint || format == nfNumber) &&
        WriteFixed(s, format, precision, value, out, flags, written))
        return;

    char converted[os::kMaxConvertedLength];
    int length = os::ConvertDouble(converted, sizeof converted, value, letter, precision,
                                   s.allowTwoDigitExponent);
    if (length < 0)
        return out.Refuse();
    if (static_cast<size_t>(length) > out.Room())
        return out.Overflow();
    if (written != nullptr)
        *written = PluralOperands::OfText(converted, converted + length);
    const char* begin = converted;
    const char* end = converted + length;
    bool hasExponent = letter == 'E' || letter == 'e' ||
                       ((letter == 'G' || letter == 'g') &&
                        std::find(begin, end, letter == 'G' ? 'E' : 'e') != end);

    size_t separators[os::kMaxConvertedLength];
    size_t integerDigits = static_cast<size_t>(std::find(begin, end, '.') - begin) - 1;
    size_t separatorCount = GroupSeparators(s, format, integerDigits, separators);

    if ((flags & SignedZero) && value == 0.0)
        out.Put(s.negativeSign);
    bool inExponent = false;
    // Integer digits still to come while grouping; none once past the integer part.
    size_t integerLeft = separatorCount > 0 ? integerDigits : 0;
    for (const char* at = begin; at < end && out.Fits(); ++at) {
        char c = *at;
        if (c >= '0' && c <= '9') {
            out.Put(s.nativeDigits[c - '0']);
            if (integerLeft > 0 && --integerLeft > 0 && separatorCount > 0 &&
                separators[separatorCount - 1] == integerLeft) {
                out.Put(s.groupSeparator);
                --separatorCount;
            }
        } else if (c == '+') {
            if (inExponent ? s.includePositiveSignInExponent : s.includePositiveSignInNumber)
                out.Put(s.positiveSign);
        } else if (c == '-') {
            if (inExponent ? s.includeNegativeSignInExponent : s.includeNegativeSignInNumber)
                out.Put(s.negativeSign);
        } else if (c == '.') {
            out.Put(s.decimalSeparator);
            integerLeft = 0;
        } else {
            if ((c == 'E' || c == 'e') && hasExponent)
                inExponent = true;
            out.Put(static_cast<wchar_t>(c));
        }
    }
}

void WriteMixed(const NumberSettings& settings, NumberFormat format, double whole, double numerator,
                double denominator, unsigned wholeFlags, wchar_t afterWhole, TextBuffer& out) {
    if (numerator == 0 || whole != 0) {
        Format(settings, format, settings.decimalPrecision, whole, out, wholeFlags | IntegerOnly);
        if (numerator == 0)
            return; // the separator goes with a fraction
        out.Put(afterWhole);
    }
    if (whole < 0 && numerator < 0)
        numerator = -numerator;
    // Halving while even; n * 0.5 is exact, and whole exactly when n is even.
    while (std::isfinite(numerator) && numerator * 0.5 == std::trunc(numerator * 0.5)) {
        numerator /= 2;
        denominator /= 2;
    }
    Format(settings, format, settings.decimalPrecision, numerator, out, IntegerOnly);
    out.Put(L'/');
    Format(settings, format, settings.decimalPrecision, denominator, out, IntegerOnly);
}

// flags may ask for SignedZero: the feet or degrees of a negative composite value that count
// zero («-0'7 3/4"») keep their sign in this format too.
void Fraction(const NumberSettings& settings, int precision, double value, TextBuffer& out,
              unsigned flags, PluralOperands* written) {
    unsigned wholeFlags = IntegerOnly | (flags & SignedZero);
    if (value < 0 && settings.includeNegativeSignInNumber)
        wholeFlags |= SignedZero;
    RoundedFraction parts = RoundToFraction(value, precision);
    if (written != nullptr)
        *written =
            PluralOperands::OfMixed(parts.whole, parts.numerator / parts.denominator, precision);
    // The parts are written with a new formatter's settings in the "Number" format.
    WriteMixed(NumberSettings::Defaults(), nfNumber, parts.whole, parts.numerator,
               parts.denominator, wholeFlags, L' ', out);
    // The text and its terminator, and one more character after them, must fit.
    if (out.Room() == 0)
        out.Overflow();
}

} // namespace

ErrorCode FormatNumber(const NumberSettings& settings, double value, TextBuffer& out,
                       unsigned flags, PluralOperands* written) {
    Format(settings, settings.numericFormat, settings.decimalPrecision, value, out, flags, written);
    return out.Terminate();
}

ErrorCode FormatNumberWithPrecision(const NumberSettings& settings, int precision, double value,
                                    TextBuffer& out, unsigned flags) {
    Format(settings, settings.numericFormat, precision, value, out, flags);
    return out.Terminate();
}

ErrorCode WriteMixedNumber(const NumberSettings& settings, NumberFormat format, double whole,
                           double numerator, double denominator, unsigned wholeFlags,
                           wchar_t afterWhole, TextBuffer& out) {
    WriteMixed(settings, format, whole, numerator, denominator, wholeFlags, afterWhole, out);
    return out.Terminate();
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
