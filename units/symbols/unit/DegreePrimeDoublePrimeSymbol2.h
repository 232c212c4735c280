#pragma once

#include "units/symbols/unit/GenericSymbol2.h"

namespace velmar::platform::core::units {

// An angle as degrees, minutes and seconds («45°30'15"»), or as a surveyor's quadrant bearing
// («N 60°0' E»). How many parts are written follows the formatter's precision: 0 degrees only,
// 1 and 2 with minutes, 3 and 4 with whole seconds, 5 and more with p - 4 decimals of seconds;
// the last part is rounded and carries into the one before. The marks (°, or the letter d;
// the ASCII apostrophe and quotation mark; the capitals N, S, E, W) are not translated.
//
// One layout of symbol strings (kind 0): degrees 0, minutes 1, seconds 2.
class DegreePrimeDoublePrimeSymbol2 : public GenericSymbol2 {
public:
    DegreePrimeDoublePrimeSymbol2(std::wstring text, bool bearing, bool degreeSign);

    ErrorCode Format(double value, const DimensionTag& dimension, TextBuffer& out,
                     const NumberSettings& number) const override;
    ErrorCode FormatPart(int index, double value, const DimensionTag& dimension, TextBuffer& out,
                         const NumberSettings& number) const override;
    ErrorCode BuildResult(SymbolList& list, int kind) const override;
    int GetLastPartIndex(int kind) const override;

    const bool bearing;    // a quadrant bearing: the angle is counted counterclockwise from east
    const bool degreeSign; // the degree mark is U+00B0, else the letter d
};

} // namespace velmar::platform::core::units
