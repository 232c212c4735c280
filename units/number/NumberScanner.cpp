#include "units/number/NumberScanner.h"

#include "units/number/DigitGrouping.h"
#include "units/number/NumberTokenTable.h"

#include <cmath>

namespace velmar::platform::core::units {

namespace {

enum State {
    Reject = 0,
    Start = 1,
    AfterSign = 2,
    IntegerPart = 3,
    AfterDecimal = 4,
    FractionPart = 5,
    AfterExponentMark = 6,
    AfterExponentSign = 7,
    ExponentPart = 8,
};

// Fraction digits beyond this divisor change no double: they are read but not added, so that
// a long fraction neither overflows nor turns into infinity over infinity.
constexpr double kLastFractionDivisor = 1e300;

} // namespace

size_t ScanNumber(const NumberTokenTable& tokens, const DigitGrouping& grouping,
                  const wchar_t* text, double* value, NumberFlags* flags) {
    if (text == nullptr || value == nullptr)
        return 0;
    if (tokens.StartsNoNumber(*text))
        return 0;
    size_t length = 0;
    int token = tokens.ClassAt(text, &length);
    if (token < 0)
        return 0;
    double integer = 0, fraction = 0, divisor = 1, exponent = 0;
    double sign = 1, exponentSign = 1;
    unsigned working = 0, reported = 0;
    bool nonZero = false; // a mantissa digit other than 0 was read
    size_t position = 0;  // characters advanced
    size_t consumed = 0;  // characters that form the number so far
    State state = Start;

    // Under the check, the groups of the integer part: whether a group separator was taken,
    // whether the first digit is 0, the digits of the group being read and the counts of
    // groups that may follow the one before it.
    bool grouped = false;
    bool leadingZero = false;
    size_t groupDigits = 0;
    DigitGrouping::Counts counts = 0;
    // The number as far as its last group that may end it: where it ends when a later group
    // separator turns out to separate no groups.
    struct {
        size_t consumed;
        double integer;
        bool nonZero;
        unsigned reported;
    } whole{};
    auto keepWhole = [&] { whole = {consumed, integer, nonZero, reported}; };
    auto backToWhole = [&] {
        consumed = whole.consumed;
        integer = whole.integer;
        nonZero = whole.nonZero;
        reported = whole.reported;
        // A space that separates no groups just ends the number: «5 1/2», «1 m 500 mm».
        if (!grouping.SpaceLike())
            reported |= MisplacedGroupSeparator;
        state = Reject;
    };
    // Whether the group being read may end the integer part, as it does here.
    auto lastGroupFits = [&] {
        // Digits that a fraction bar follows after a space are the numerator of a mixed
        // number («5 123/128»), not a group.
        if (grouping.SpaceLike() && text[position] == L'/')
            return false;
        return DigitGrouping::MayEnd(grouping.Follow(counts, groupDigits));
    };

    for (;;) {
        if (token <= 9) {
            double* accumulator = &integer;
            switch (state) {
            case Start:
            case AfterSign:
                working |= IntegerDigits;
                state = IntegerPart;
                leadingZero = token == 0;
                break;
            case IntegerPart:
                break;
            case AfterDecimal:
                working |= FractionDigits;
                state = FractionPart;
                [[fallthrough]];
            case FractionPart:
                accumulator = &fraction;
                break;
            default: // after the exponent mark or sign, or in the exponent
                working |= ExponentDigits;
                state = ExponentPart;
                accumulator = &exponent;
                break;
            }
            // This digit, and the run of one-character digits after it.
            double digits = *accumulator;
            bool inFraction = state == FractionPart;
            bool inMantissa = state != ExponentPart;
            size_t run = 0;
            for (;;) {
                nonZero = nonZero || (inMantissa && token != 0);
                if (!inFraction) {
                    digits = 10 * digits + token;
                } else if (divisor < kLastFractionDivisor) {
                    digits = 10 * digits + token;
                    divisor *= 10;
                }
                position += length;
                ++run;
                token = tokens.DigitAt(text[position]);
                if (token < 0)
                    break;
                length = 1;
            }
            *accumulator = digits;
            if (state == IntegerPart)
                groupDigits += run;
            consumed = position;
            reported = working;
        } else if (token == NumberTokenTable::GroupSeparator) {
            if (state != IntegerPart) {
                // Right after the number, past its integer part, a separator separates no
                // groups («1.5,3»).
                if (grouping.Checked() && !grouping.SpaceLike() && consumed > 0 &&
                    consumed == position)
                    reported |= MisplacedGroupSeparator;
                state = Reject;
            } else if (!grouping.Checked()) {
                position += length;
                consumed = position;
                working |= GroupSeparatorSeen;
                reported = working;
            } else {
                // The separator ends a group, which must fit, and another must follow.
                counts = grouped ? grouping.Follow(counts, groupDigits)
                                 : grouping.Lead(groupDigits, leadingZero && groupDigits == 1);
                if (!grouped || DigitGrouping::MayEnd(counts))
                    keepWhole();
                counts = DigitGrouping::GoOn(counts);
                if (counts == 0) {
                    backToWhole();
                } else {
                    position += length;
                    grouped = true;
                    groupDigits = 0;
                    working |= GroupSeparatorSeen;
                }
            }
        } else if (state == IntegerPart && grouped && !lastGroupFits()) {
            backToWhole();
        } else if (token == NumberTokenTable::DecimalSeparator) {
            if (state == IntegerPart || state == Start || state == AfterSign) {
                position += length;
                if (state == IntegerPart)
                    consumed = position;
                working |= DecimalSeparatorSeen;
                reported = working;
                state = AfterDecimal;
            } else {
                state = Start;
            }
        } else if (token == NumberTokenTable::PositiveSign ||
                   token == NumberTokenTable::NegativeSign) {
            bool negative = token == NumberTokenTable::NegativeSign;
            if (state == Start) {
                position += length;
                sign = negative ? -1 : 1;
                working = negative ? MantissaMinus : MantissaPlus;
                state = AfterSign;
            } else if (state == AfterExponentMark) {
                position += length;
                exponentSign = negative ? -1 : 1;
                working |= negative ? ExponentMinus : ExponentPlus;
                state = AfterExponentSign;
            } else {
                state = Start;
            }
        } else { // exponent mark
            position += length;
            if (state == IntegerPart || state == FractionPart ||
                (state == AfterDecimal && consumed >= 1))
                state = AfterExponentMark;
            else
                state = state == AfterDecimal ? Start : Reject;
        }
        if (state == Reject || text[position] == L'\0' || state == Start)
            break;
        token = tokens.ClassAt(text + position, &length);
        if ((token < 0 || length == 0) && grouping.StandsIn(text[position])) {
            token = NumberTokenTable::GroupSeparator;
            length = 1;
        }
        if (token < 0)
            break;
    }
    if (state == IntegerPart && grouped && !lastGroupFits())
        backToWhole();
    if (consumed == 0)
        return 0;
    double result = (integer + fraction / divisor) * sign;
    // A zero mantissa stays zero whatever its exponent (0 × 10^999 is no infinity times zero).
    if (exponent != 0 && result != 0)
        result *= std::pow(10.0, exponent * exponentSign);
    if (!std::isfinite(result) || (result == 0 && nonZero))
        reported |= OutOfRange;
    *value = result;
    if (flags != nullptr)
        *flags = static_cast<NumberFlags>(reported);
    return consumed;
}

} // namespace velmar::platform::core::units
