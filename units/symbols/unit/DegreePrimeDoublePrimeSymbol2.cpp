#include "units/symbols/unit/DegreePrimeDoublePrimeSymbol2.h"
#include "units/util/CatalogueIds.h"

#include "units/number/NumberFormatter.h"
#include "units/number/NumberSettings.h"
#include "units/symbols/unit/UnitSymbolParts.h"

#include <cmath>

namespace velmar::platform::core::units {

namespace {

// An angle split into degrees, minutes and seconds, rounded and carried for the precision.
// Minutes and seconds are magnitudes; the degrees carry the sign.
struct Split {
    double degrees;
    double minutes;
    double seconds;
    unsigned degreeFlags;
};

// A negative angle is the mirror image of its magnitude: |x| is split, rounded and carried
// exactly as a positive angle, and only then do the degrees take the minus sign, so that -10.6
// at precision 0 reads -11 like 10.6 reads 11. A degree count of zero keeps the sign as a signed
// zero ("-0°30'").
Split SplitAngle(double x, int precision) {
    bool negative = x < 0;
    Split split{0, 0, 0, IntegerOnly | (negative ? SignedZero : 0u)};
    // A guard against representation error, away from zero: 0.5 must not split as 0.49999.
    double magnitude = std::abs(x) + RoundingGuard(precision);
    split.degrees = std::trunc(magnitude);
    double totalMinutes = (magnitude - split.degrees) * 60;
    split.minutes = std::floor(totalMinutes);
    split.seconds = (totalMinutes - split.minutes) * 60;
    auto carryMinutes = [&split]() {
        if (split.minutes >= 60) {
            split.degrees += 1;
            split.minutes -= 60;
        }
    };
    if (precision == 0) {
        if (split.minutes >= 30)
            split.degrees += 1;
    } else if (precision <= 2) {
        if (split.seconds >= 30)
            split.minutes += 1;
        carryMinutes();
    } else if (precision <= 4) {
        if (split.seconds - std::trunc(split.seconds) >= 0.5)
            split.seconds += 0.5;
        if (split.seconds >= 60) {
            split.minutes += 1;
            split.seconds = 0;
        }
        carryMinutes();
    } else {
        double scale = PowerOfTen(precision - 4);
        double whole = 0;
        double scaled = std::modf(split.seconds, &whole) * scale;
        if (std::modf(scaled, &whole) >= 0.5)
            split.seconds += 1 / (2 * scale);
        if (split.seconds >= 60) {
            split.minutes += 1;
            split.seconds -= 60;
        }
        carryMinutes();
    }
    if (negative)
        split.degrees = -split.degrees;
    return split;
}

// Writes the seconds for the precision: an integer up to precision 4, else with p - 4 decimals
// in the formatter's numeric format.
ErrorCode WriteSeconds(const NumberSettings& number, double seconds, TextBuffer& out) {
    int precision = number.decimalPrecision;
    return precision <= 4 ? FormatNumber(number, seconds, out, IntegerOnly)
                          : FormatNumberWithPrecision(number, precision - 4, seconds, out, 0);
}

} // namespace

DegreePrimeDoublePrimeSymbol2::DegreePrimeDoublePrimeSymbol2(std::wstring text, bool bearing,
                                                             bool degreeSign)
    : GenericSymbol2(std::move(text), Units::Degree, 0), bearing(bearing), degreeSign(degreeSign) {}

ErrorCode DegreePrimeDoublePrimeSymbol2::Format(double value, const DimensionTag& dimension,
                                                TextBuffer& out,
                                                const NumberSettings& number) const {
    double x = 0;
    if (ErrorCode error = ConvertFromBase(converter, value, dimension, &x); error != ecSuccess)
        return error;
    wchar_t suffix = L'\0';
    if (bearing) {
        x = std::fmod(x, 360.0);
        if (x <= -180)
            x += 360;
        else if (x > 180)
            x -= 360;
        if (x == 0 || x == 90 || x == -90 || x == 180) {
            out.Put(x == 0 ? L'E' : x == 90 ? L'N' : x == -90 ? L'S' : L'W');
            return out.Terminate();
        }
        wchar_t prefix;
        if (x > 0 && x < 90) {
            prefix = L'N', suffix = L'E', x = 90 - x;
        } else if (x > 90) {
            prefix = L'N', suffix = L'W', x = x - 90;
        } else if (x > -90) {
            prefix = L'S', suffix = L'E', x = x + 90;
        } else {
            prefix = L'S', suffix = L'W', x = -90 - x;
        }
        out.Put(prefix);
        out.Put(L' ');
    }
    int precision = number.decimalPrecision;
    Split split = SplitAngle(x, precision);
    (void)WriteInteger(number, split.degrees, split.degreeFlags, out);
    out.Put(degreeSign ? L'\u00b0' : L'd');
    if (precision >= 1) {
        (void)WriteInteger(number, split.minutes, 0, out);
        out.Put(L'\'');
    }
    if (precision >= 3) {
        (void)WriteSeconds(number, split.seconds, out);
        out.Put(L'"');
    }
    if (bearing) {
        // Room is kept for one character more than the bearing's letter needs.
        if (out.Room() < 3)
            out.Overflow();
        out.Put(L' ');
        out.Put(suffix);
    }
    return out.Terminate();
}

ErrorCode DegreePrimeDoublePrimeSymbol2::FormatPart(int index, double value,
                                                    const DimensionTag& dimension, TextBuffer& out,
                                                    const NumberSettings& number) const {
    if (bearing)
        return ecFailure;
    double x = 0;
    if (ErrorCode error = ConvertFromBase(converter, value, dimension, &x); error != ecSuccess)
        return error;
    int precision = number.decimalPrecision;
    Split split = SplitAngle(x, precision);
    if (index == 0)
        return WriteInteger(number, split.degrees, split.degreeFlags, out);
    if (index == 1 && precision >= 1)
        return WriteInteger(number, split.minutes, 0, out);
    if (index == 2 && precision >= 3)
        return WriteSeconds(number, split.seconds, out);
    if (precision <= 2)
        return WriteInteger(number, 0, 0, out);
    return ecFailure;
}

ErrorCode DegreePrimeDoublePrimeSymbol2::BuildResult(SymbolList& list, int kind) const {
    double numbers[3];
    if (kind != 0 || !LeadingNumbers(list, 3, numbers))
        return ecFailure;
    double minutes = std::abs(numbers[1]) / 60;
    double seconds = std::abs(numbers[2]) / 3600;
    double angle =
        numbers[0] >= 0 ? numbers[0] + minutes + seconds : numbers[0] - minutes - seconds;
    return ReplaceWithResult(list, unitId, angle, 3);
}

int DegreePrimeDoublePrimeSymbol2::GetLastPartIndex(int kind) const {
    return kind == 0 ? 2 : -1;
}

} // namespace velmar::platform::core::units
