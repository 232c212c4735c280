#include "units/symbols/unit/UnitFormatSymbol.h"

#include "units/symbols/unit/UnitSymbolParts.h"

#include <ViVuzaZadur/UnitsConfig.h>

namespace velmar::platform::core::units {

UnitFormatSymbol::UnitFormatSymbol(std::wstring text, int unitId, uint32_t flags,
                                   std::unique_ptr<const NameForms> forms)
    : SimpleFormatSymbol2(std::move(text), flags, std::move(forms)), unitId(unitId),
      converter(UnitsConfig::GetInstance()->FindConverter(unitId)) {}

ErrorCode UnitFormatSymbol::Format(double value, const DimensionTag& dimension, TextBuffer& out,
                                   const NumberSettings& number) const {
    // The operands of the number are needed only for a name that agrees with it.
    PluralOperands written;
    if (ErrorCode error = FormatInUnit(converter, value, dimension, out, number, 0,
                                       forms != nullptr ? &written : nullptr);
        error != ecSuccess)
        return error;
    return WriteText(written, out);
}

ErrorCode UnitFormatSymbol::FormatPart(int index, double value, const DimensionTag& dimension,
                                       TextBuffer& out, const NumberSettings& number) const {
    if (index != 0)
        return ecFailure;
    return FormatInUnit(converter, value, dimension, out, number);
}

ErrorCode UnitFormatSymbol::BuildResult(SymbolList& list, int kind) const {
    double value = 0;
    if (kind != 0 || !LeadingNumbers(list, 1, &value))
        return ecFailure;
    return ReplaceWithResult(list, unitId, value, 1);
}

int UnitFormatSymbol::GetLastPartIndex(int kind) const {
    return kind == 0 ? 0 : -1;
}

ErrorCode UnitFormatSymbol::Customize(std::vector<std::unique_ptr<CustomSymbol>>& out,
                                      const std::vector<std::wstring>& literals,
                                      const std::vector<int>& placeholders) const {
    return CustomizeKind0(this, out, literals, placeholders);
}

} // namespace velmar::platform::core::units
