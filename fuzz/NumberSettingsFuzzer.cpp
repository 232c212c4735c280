// The number setters followed by a Format and Parse round trip. With any settings both calls
// give one of their results; with the shipped locales' own digits, signs and separators, and
// only the format, precision, grouping and exponent settings fuzzed, a finite value must read
// back as what its text shows.
#include "FuzzSupport.h"

#include <cmath>

using namespace velmar::platform::core::units;

namespace {

constexpr int kMeter = 0x2001;
constexpr int kMeterSymbol = 0x102001;

// How far the text of value may lie from it under the formatter's format and precision.
double Tolerance(const UnitsFormatter& formatter, double value) {
    int precision = formatter.GetNumberDecimalPrecision();
    double relative = 1e-12 * std::abs(value);
    switch (formatter.GetNumericFormat()) {
    case nfFixedPoint:
    case nfNumber:
        return 0.5 * std::pow(10.0, -precision) + relative;
    case nfFraction:
        return 0.5 * std::pow(2.0, -precision) + relative;
    default: // a mantissa of precision decimals, or at least one significant digit
        return std::abs(value) * std::pow(10.0, 1 - std::max(precision, 1)) + relative;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    UnitsFormatter formatter = vvzfuzz::ShippedFormatter(data);
    bool ownTexts = data.ConsumeBool();
    if (ownTexts) {
        int sizes[] = {data.ConsumeIntegralInRange(1, 9), data.ConsumeIntegralInRange(0, 9)};
        // Both in range, so neither is refused.
        (void)formatter.SetNumberGroupSizes(sizes, data.ConsumeIntegralInRange(1, 2));
        (void)formatter.SetNumberDecimalPrecision(data.ConsumeIntegralInRange(0, 15));
        formatter.SetNumericFormat(static_cast<NumberFormat>(data.ConsumeIntegralInRange(0, 6)));
        formatter.SetAllowTwoDigitExponent(data.ConsumeBool());
    } else {
        vvzfuzz::ConsumeNumberSettings(data, formatter);
    }
    double value =
        ownTexts ? data.ConsumeFloatingPointInRange(-1e15, 1e15) : vvzfuzz::ConsumeValue(data);
    int symbol = data.ConsumeBool() ? kMeterSymbol : vvzfuzz::ConsumeSymbolId(data);
    int unit = ownTexts ? kMeter : symbol & 0xfffff;
    if (ownTexts)
        symbol = kMeterSymbol;

    wchar_t buffer[1024];
    ErrorCode formatted = formatter.Format(value, unit, buffer, 1024, symbol);
    vvzfuzz::Check(formatted == ecSuccess || formatted == ecFailure ||
                       formatted == ecDimensionMismatch,
                   "Format gives 0, 1 or the dimension mismatch");
    if (formatted != ecSuccess) {
        vvzfuzz::Check(!ownTexts, "a finite value in metres has a text");
        return 0;
    }
    double read = -1234.5;
    ErrorCode parsed = formatter.Parse(buffer, read, unit);
    vvzfuzz::Check(parsed == ecSuccess ? std::isfinite(read) : read == -1234.5,
                   "a parsed value is finite, a failure leaves it alone");
    if (ownTexts) {
        vvzfuzz::Check(parsed == ecSuccess, "a text in the locale's own number texts reads back");
        vvzfuzz::Check(std::abs(read - value) <= Tolerance(formatter, value),
                       "a text reads back as the value it shows");
    }
    return 0;
}
