// The format flow of a formatter: from a value in a unit to text with the resolved display
// symbol.
#include "units/FormatterState.h"

#include "units/util/CatalogueIds.h"

#include "units/symbols/unit/CustomSymbol.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

namespace velmar::platform::core::units {

int FormatterState::ResolveSymbolId(int id) const {
    if (ids::VariantOf(id) != 0)
        return id;
    int unit = id;
    if ((id & ids::kUnitField) == 0) {
        auto found = defaultUnits.find(id & ids::kIdMask);
        unit = found != defaultUnits.end() ? found->second : id | 1;
    }
    auto found = defaultSymbols.find(unit & ids::kIdMask);
    return found != defaultSymbols.end() ? found->second : ids::SymbolOf(unit, 1);
}

ErrorCode FormatterState::Format(double value, int unit, TextBuffer& out, int display,
                                 double* shown) const {
    const UnitConverter* converter = UnitsConfig::GetInstance()->FindConverter(unit);
    if (converter == nullptr)
        return ecFailure;
    double base = 0;
    if (converter->ToBase(value, &base, converter->GetDimTag()) != ecSuccess)
        return ecFailure;
    return Format(base, converter->GetDimTag(), out, display == 0 ? unit : display, shown);
}

ErrorCode FormatterState::FormatLong(double value, int unit, std::wstring& text,
                                     int display) const {
    ErrorCode result = ecFailure;
    for (size_t size = 4096; size <= kLongestText; size *= 8) {
        text.assign(size, L'\0');
        TextBuffer out(text.data(), size);
        result = Format(value, unit, out, display, nullptr);
        if (result == ecSuccess) {
            text.resize(out.Length());
            return ecSuccess;
        }
        if (!out.Overflowed())
            break;
    }
    text.clear();
    return result;
}

ErrorCode FormatterState::Format(double value, const DimensionTag& dimension, TextBuffer& out,
                                 int display, double* shown) const {
    if (display == 0)
        display = UnitsConfig::GetInstance()->FindUnitGroup(dimension);
    int symbol = ResolveSymbolId(display);
    const IFormatSymbol* writer = nullptr;
    auto custom = formattingStrings.find(symbol);
    if (custom != formattingStrings.end() && !custom->second.symbols.empty())
        writer = custom->second.symbols.front().get();
    else
        writer = UnitSymbol(symbol);
    if (writer == nullptr)
        return ecFailure;
    if (ErrorCode written = writer->Format(value, dimension, out, number); written != ecSuccess)
        return written;
    if (shown != nullptr) {
        // The symbol's unit converts the shown value; without one, or when the conversion
        // fails, shown is left alone.
        if (const UnitConverter* unit = UnitsConfig::GetInstance()->FindConverter(symbol))
            (void)unit->FromBase(value, dimension, shown);
    }
    return ecSuccess;
}

} // namespace velmar::platform::core::units
