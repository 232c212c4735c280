#pragma once

#include "units/symbols/format/SimpleFormatSymbol2.h"

namespace velmar::platform::core::units {

class UnitConverter;

// A symbol text that writes a value in its own unit: the number, then the text («12.50 m»),
// or the form of the unit's name that agrees with the number («12.50 meters»). One layout
// (kind 0) with one number, placeholder 0.
class UnitFormatSymbol : public SimpleFormatSymbol2 {
public:
    UnitFormatSymbol(std::wstring text, int unitId, uint32_t flags,
                     std::unique_ptr<const NameForms> forms = nullptr);

    ErrorCode Format(double value, const DimensionTag& dimension, TextBuffer& out,
                     const NumberSettings& number) const override;
    ErrorCode FormatPart(int index, double value, const DimensionTag& dimension, TextBuffer& out,
                         const NumberSettings& number) const override;
    ErrorCode BuildResult(SymbolList& list, int kind) const override;
    int GetLastPartIndex(int kind) const override;
    ErrorCode Customize(std::vector<std::unique_ptr<CustomSymbol>>& out,
                        const std::vector<std::wstring>& literals,
                        const std::vector<int>& placeholders) const override;

    const int unitId;
    // The catalogue's converter of the unit, or null when it names none.
    const UnitConverter* const converter;
};

} // namespace velmar::platform::core::units
