#pragma once

#include "units/symbols/format/SimpleFormatSymbol2.h"

namespace velmar::platform::core::units {

class UnitConverter;

// A symbol text that writes a value in its own unit: the number, then the text («12.50 m»).
// One layout (kind 0) with one number, placeholder 0.
class UnitFormatSymbol : public SimpleFormatSymbol2 {
public:
    UnitFormatSymbol(std::wstring text, int unitId, uint32_t flags);

    int Format(double value, const DimensionTag& dimension, wchar_t* buffer, size_t size,
               const NumberSettings& number) const override;
    int FormatPart(int index, double value, const DimensionTag& dimension, wchar_t* buffer,
                   size_t size, const NumberSettings& number) const override;
    int BuildResult(SymbolList& list, int kind) const override;
    int GetLastPartIndex(int kind) const override;
    int Customize(std::vector<std::unique_ptr<CustomSymbol>>& out,
                  const std::vector<std::wstring>& literals,
                  const std::vector<int>& placeholders) const override;

    const int unitId;
    // The catalogue's converter of the unit, or null when it names none.
    const UnitConverter* const converter;
};

} // namespace velmar::platform::core::units
