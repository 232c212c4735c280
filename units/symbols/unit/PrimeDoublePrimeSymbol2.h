#pragma once

#include "units/symbols/unit/GenericSymbol2.h"

namespace velmar::platform::core::units {

// A value as a count of a major unit and a remainder in a minor unit, marked with a prime and
// a double prime: a length as feet and inches («5'6.50"»), a time as minutes and seconds
// («5'30.00"»). Variants leave the feet out, put a dash after the prime and between whole
// inches and fraction, or write the inches as a whole number and a fraction whose denominator
// is 2 to the formatter's precision («5'-6 1/2"»). The marks are the ASCII apostrophe and
// quotation mark, whatever the symbol's text.
//
// Layouts of symbol strings: kind 0 has the major count as placeholder 0 and the minor part as
// placeholder 1 (the inches alone as 0 when the feet are left out). The fractional symbols
// also read two derived layouts: whole inches written as a fraction (kind 1) and as a whole
// number and a fraction (kind 2).
class PrimeDoublePrimeSymbol2 : public GenericSymbol2 {
public:
    // unitId is the minor unit: the unit of symbolId.
    PrimeDoublePrimeSymbol2(std::wstring text, int symbolId, bool showMajor, bool useFraction,
                            bool useDash);

    ErrorCode Format(double value, const DimensionTag& dimension, TextBuffer& out,
                     const NumberSettings& number) const override;
    ErrorCode FormatPart(int index, double value, const DimensionTag& dimension, TextBuffer& out,
                         const NumberSettings& number) const override;
    ErrorCode BuildResult(SymbolList& list, int kind) const override;
    int GetLastPartIndex(int kind) const override;
    ErrorCode Customize(std::vector<std::unique_ptr<CustomSymbol>>& out,
                        const std::vector<std::wstring>& literals,
                        const std::vector<int>& placeholders) const override;

    const bool showMajor;
    const bool useFraction;
    const bool useDash;
    const int symbolId;

private:
    struct Parts;
    // Converts the value into the minor unit and splits it; the conversion's result.
    ErrorCode Prepare(double value, const DimensionTag& dimension, const NumberSettings& number,
                      Parts& parts) const;
    // Writes the minor part; afterWhole separates whole inches from their fraction.
    ErrorCode WriteMinor(const Parts& parts, TextBuffer& out, wchar_t afterWhole,
                         const NumberSettings& number) const;
    // Inches and feet (12), or seconds and minutes (60).
    double MajorFactor() const;
};

} // namespace velmar::platform::core::units
