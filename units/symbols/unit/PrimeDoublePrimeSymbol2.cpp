#include "units/symbols/unit/PrimeDoublePrimeSymbol2.h"
#include "units/util/CatalogueIds.h"

#include "units/number/NumberFormatter.h"
#include "units/number/NumberSettings.h"
#include "units/symbols/unit/CustomSymbol.h"
#include "units/symbols/unit/UnitSymbolParts.h"

#include <cmath>

namespace velmar::platform::core::units {

namespace {

constexpr wchar_t kPrime = L'\'';
constexpr wchar_t kDoublePrime = L'"';

bool HasFeetFractions(int id) {
    return id == Symbols::Inch_FootPrimeInchDoublePrime_Fraction ||
           id == Symbols::Inch_FootPrimeDashInchDoublePrime_Fraction;
}
bool HasInchFractions(int id) {
    return id == Symbols::Inch_DoublePrime_Fraction || id == Symbols::Inch_DoublePrimeDash_Fraction;
}
bool HasMajorMinor(int id) {
    return id == Symbols::Inch_FootPrimeInchDoublePrime ||
           id == Symbols::Inch_FootPrimeDashInchDoublePrime ||
           id == Symbols::Second_MinutePrimeSecondDoublePrime || HasFeetFractions(id);
}

} // namespace

struct PrimeDoublePrimeSymbol2::Parts {
    double major = 0;
    double minor = 0;
    double denominator = 1;
    unsigned majorFlags = IntegerOnly;
};

PrimeDoublePrimeSymbol2::PrimeDoublePrimeSymbol2(std::wstring text, int symbolId, bool showMajor,
                                                 bool useFraction, bool useDash)
    : GenericSymbol2(std::move(text), ids::UnitOf(symbolId), 0), showMajor(showMajor),
      useFraction(useFraction), useDash(useDash), symbolId(symbolId) {}

double PrimeDoublePrimeSymbol2::MajorFactor() const {
    return unitId == Units::Inch ? 12.0 : 60.0;
}

ErrorCode PrimeDoublePrimeSymbol2::Prepare(double value, const DimensionTag& dimension,
                                           const NumberSettings& number, Parts& parts) const {
    double x = 0;
    if (ErrorCode error = ConvertFromBase(converter, value, dimension, &x); error != ecSuccess)
        return error;
    if (x < 0)
        parts.majorFlags |= SignedZero;
    int precision = number.decimalPrecision;
    if (useFraction) {
        for (int i = 0; i < precision; ++i)
            parts.denominator *= 2;
        x += (x > 0 ? 0.5 : -0.5) / parts.denominator;
    } else {
        // A guard against representation error: 0.5 must not show as 0.49999.
        double guard = RoundingGuard(precision);
        x += x < 0 ? -guard : guard;
    }
    parts.minor = x;
    if (showMajor) {
        double factor = MajorFactor();
        parts.major = std::trunc(x / factor);
        parts.minor = std::abs(x - parts.major * factor);
        // Carry: the minor part is written rounded, and when it rounds up to a whole major unit
        // (12 inches, 60 seconds) the major count takes it, away from zero, and the minor part
        // is written as zero: 71.999 inches at precision 2 is 6'0.00", never 5'12.00". The
        // rounding is the numeric format's own: p decimals in "Number" and "Fixed Point", p
        // mantissa decimals in "Exponential", the nearest 1/2^p in "Fraction", p significant
        // digits in "General". The significant digits count the minor part's digits, so
        // rounding the whole value instead would change texts that carry nothing (66.5 inches
        // at two digits stays 5'6.5"). At one significant digit 10 and 11 inches both read 1E01
        // and do not carry, while 55 seconds and more read 6E01, sixty, and do. Minor parts
        // that do not round to a whole major unit are written as they are. The fraction
        // variants round the value itself before the split, so their minor part never reaches
        // a whole major unit.
        if (!useFraction && WrittenValue(number, parts.minor) >= factor) {
            parts.major += x < 0 ? -1 : 1;
            parts.minor = 0;
        }
    }
    return ecSuccess;
}

ErrorCode PrimeDoublePrimeSymbol2::WriteMinor(const Parts& parts, TextBuffer& out,
                                              wchar_t afterWhole,
                                              const NumberSettings& number) const {
    if (!useFraction)
        return FormatNumber(number, parts.minor, out, 0);
    double whole = std::trunc(parts.minor);
    double numerator = std::trunc((parts.minor - whole) * parts.denominator);
    return WriteMixedNumber(number, number.numericFormat, whole, numerator, parts.denominator, 0,
                            afterWhole, out);
}

ErrorCode PrimeDoublePrimeSymbol2::Format(double value, const DimensionTag& dimension,
                                          TextBuffer& out, const NumberSettings& number) const {
    Parts parts;
    if (ErrorCode error = Prepare(value, dimension, number, parts); error != ecSuccess)
        return error;
    if (showMajor) {
        (void)WriteInteger(number, parts.major, parts.majorFlags, out);
        out.Put(kPrime);
        if (useDash)
            out.Put(L'-');
    }
    (void)WriteMinor(parts, out, useDash ? L'-' : L' ', number);
    out.Put(kDoublePrime);
    return out.Terminate();
}

ErrorCode PrimeDoublePrimeSymbol2::FormatPart(int index, double value,
                                              const DimensionTag& dimension, TextBuffer& out,
                                              const NumberSettings& number) const {
    Parts parts;
    if (ErrorCode error = Prepare(value, dimension, number, parts); error != ecSuccess)
        return error;
    return showMajor && index == 0 ? WriteInteger(number, parts.major, parts.majorFlags, out)
                                   : WriteMinor(parts, out, L' ', number);
}

int PrimeDoublePrimeSymbol2::GetLastPartIndex(int kind) const {
    if (HasMajorMinor(symbolId) && kind == 0)
        return 1;
    if (HasFeetFractions(symbolId) && (kind == 1 || kind == 2))
        return kind + 1;
    if (HasInchFractions(symbolId) && kind >= 0 && kind <= 2)
        return kind;
    return -1;
}

ErrorCode PrimeDoublePrimeSymbol2::Customize(std::vector<std::unique_ptr<CustomSymbol>>& out,
                                             const std::vector<std::wstring>& literals,
                                             const std::vector<int>& placeholders) const {
    if (CustomizeKind0(this, out, literals, placeholders) != ecSuccess)
        return ecFailure;
    if (!HasFeetFractions(symbolId) && !HasInchFractions(symbolId))
        return ecSuccess;
    // Derived layouts for reading fractional inches: the fraction texts follow the inches
    // placeholder, the literals keep their order.
    std::vector<std::wstring> one, two;
    std::vector<int> onePlaces, twoPlaces;
    auto literal = [&](size_t i) { return i < literals.size() ? literals[i] : std::wstring(); };
    bool trailing = literals.size() > placeholders.size();
    if (HasFeetFractions(symbolId) && placeholders[0] == 0) {
        one = {literals[0], literals[1], L"/"};
        onePlaces = {0, 1, 2};
        two = {literals[0], literals[1], L" ", L"/"};
        twoPlaces = {0, 1, 2, 3};
        if (trailing) {
            one.push_back(literal(2));
            two.push_back(literal(2));
        }
    } else if (HasFeetFractions(symbolId)) {
        one = {literals[0], L"/", literals[1]};
        onePlaces = {1, 2, 0};
        two = {literals[0], L" ", L"/", literals[1]};
        twoPlaces = {1, 2, 3, 0};
        if (trailing) {
            one.push_back(literal(2));
            two.push_back(literal(2));
        }
    } else {
        one = {literals[0], L"/"};
        onePlaces = {0, 1};
        two = {literals[0], L" ", L"/"};
        twoPlaces = {0, 1, 2};
        if (trailing) {
            one.push_back(literal(1));
            two.push_back(literal(1));
        }
    }
    auto first = std::make_unique<CustomSymbol>(this, one, onePlaces, 1);
    auto second = std::make_unique<CustomSymbol>(this, two, twoPlaces, 2);
    if (!first->IsValid() || !second->IsValid()) {
        out.clear();
        return ecFailure;
    }
    out.push_back(std::move(first));
    out.push_back(std::move(second));
    return ecSuccess;
}

ErrorCode PrimeDoublePrimeSymbol2::BuildResult(SymbolList& list, int kind) const {
    double numbers[4];
    int count = GetLastPartIndex(kind) + 1;
    if (count <= 0 || !LeadingNumbers(list, static_cast<size_t>(count), numbers))
        return ecFailure;
    double factor = MajorFactor();
    auto combine = [factor](double a, double m) {
        return a >= 0 ? m + a * factor : a * factor - m;
    };
    double value = 0;
    if (HasInchFractions(symbolId)) {
        if ((kind == 1 && numbers[1] == 0) || (kind == 2 && numbers[2] == 0))
            return ecFailure;
        value = kind == 0   ? numbers[0]
                : kind == 1 ? numbers[0] / numbers[1]
                            : numbers[0] + numbers[1] / numbers[2];
    } else {
        if ((kind == 1 && numbers[2] == 0) || (kind == 2 && numbers[3] == 0))
            return ecFailure;
        value = kind == 0   ? combine(numbers[0], std::abs(numbers[1]))
                : kind == 1 ? combine(numbers[0], std::abs(numbers[1] / numbers[2]))
                            : combine(numbers[0], std::abs(numbers[1] + numbers[2] / numbers[3]));
    }
    return ReplaceWithResult(list, unitId, value, static_cast<size_t>(count));
}

} // namespace velmar::platform::core::units
