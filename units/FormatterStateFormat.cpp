// The format flow of a formatter: from a value in a unit to text with the resolved display
// symbol.
#include "units/FormatterState.h"

#include "units/symbols/unit/CustomSymbol.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

namespace velmar::platform::core::units {

namespace {

constexpr int kUnitField = 0xfff;
constexpr int kSymbolField = 0xff00000;
constexpr int kIdMask = 0xfffffff;
constexpr int kFirstSymbol = 0x100000;

} // namespace

int FormatterState::ResolveSymbolId(int id) const {
    if (id & kSymbolField)
        return id;
    int unit = id;
    if ((id & kUnitField) == 0) {
        auto found = defaultUnits.find(id & kIdMask);
        unit = found != defaultUnits.end() ? found->second : id | 1;
    }
    auto found = defaultSymbols.find(unit & kIdMask);
    return found != defaultSymbols.end() ? found->second : unit | kFirstSymbol;
}

ErrorCode FormatterState::Format(double value, int unit, wchar_t* buffer, size_t size, int display,
                                 double* shown) const {
    const UnitConverter* converter = UnitsConfig::GetInstance()->FindConverter(unit);
    if (converter == nullptr)
        return ecFailure;
    double base = 0;
    if (converter->ToBase(value, &base, converter->GetDimTag()) != ecSuccess)
        return ecFailure;
    return Format(base, converter->GetDimTag(), buffer, size, display == 0 ? unit : display, shown);
}

ErrorCode FormatterState::Format(double value, const DimensionTag& dimension, wchar_t* buffer,
                                 size_t size, int display, double* shown) const {
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
    int written = writer->Format(value, dimension, buffer, size, number);
    if (written < 0)
        return static_cast<ErrorCode>(-written);
    if (written == 0)
        return ecFailure;
    if (shown != nullptr) {
        // The symbol's unit converts the shown value; without one, shown is left alone.
        if (const UnitConverter* unit = UnitsConfig::GetInstance()->FindConverter(symbol))
            unit->FromBase(value, dimension, shown);
    }
    return ecSuccess;
}

} // namespace velmar::platform::core::units
