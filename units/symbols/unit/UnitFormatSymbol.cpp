#include "units/symbols/unit/UnitFormatSymbol.h"

#include "units/symbols/unit/UnitSymbolParts.h"

#include <ViVuzaZadur/UnitsConfig.h>

namespace velmar::platform::core::units {

UnitFormatSymbol::UnitFormatSymbol(std::wstring text, int unitId, uint32_t flags)
    : SimpleFormatSymbol2(std::move(text), flags), unitId(unitId),
      converter(UnitsConfig::GetInstance()->FindConverter(unitId)) {}

int UnitFormatSymbol::Format(double value, const DimensionTag& dimension, wchar_t* buffer,
                             size_t size, const NumberSettings& number) const {
    int written = FormatPart(0, value, dimension, buffer, size, number);
    if (written < 1)
        return written;
    return SimpleFormatSymbol2::Format(value, dimension, buffer + written - 1, size - written + 1,
                                       number);
}

int UnitFormatSymbol::FormatPart(int index, double value, const DimensionTag& dimension,
                                 wchar_t* buffer, size_t size, const NumberSettings& number) const {
    if (index != 0)
        return -1;
    return FormatInUnit(converter, value, dimension, buffer, size, number);
}

int UnitFormatSymbol::BuildResult(SymbolList& list, int kind) const {
    double value = 0;
    if (kind != 0 || !LeadingNumbers(list, 1, &value))
        return 1;
    return ReplaceWithResult(list, unitId, value, 1);
}

int UnitFormatSymbol::GetLastPartIndex(int kind) const {
    return kind == 0 ? 0 : -1;
}

int UnitFormatSymbol::Customize(std::vector<std::unique_ptr<CustomSymbol>>& out,
                                const std::vector<std::wstring>& literals,
                                const std::vector<int>& placeholders) const {
    return CustomizeKind0(this, out, literals, placeholders);
}

} // namespace velmar::platform::core::units
