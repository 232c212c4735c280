// Default units and symbols of a formatter, and the display names it gives a host.
#include "units/FormatterState.h"

#include "units/util/CatalogueIds.h"

#include "units/symbols/IFormatSymbol.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

#include <algorithm>
#include <cwchar>

namespace velmar::platform::core::units {

namespace {

// The length of a name, terminator included; 0 for an empty name.
size_t LengthOf(const std::wstring& name) {
    return name.empty() ? 0 : name.size() + 1;
}

// Copies a name cut to size - 1 characters, terminated.
void CopyCut(const std::wstring& name, wchar_t* buffer, size_t size) {
    size_t count = std::min(name.size(), size - 1);
    std::copy_n(name.data(), count, buffer);
    buffer[count] = L'\0';
}

} // namespace

int FormatterState::GetDefaultUnit(int group) const {
    auto found = defaultUnits.find(group & ids::kIdMask);
    if (found != defaultUnits.end())
        return found->second;
    if (ids::IsGroupId(group) && UnitsConfig::GetInstance()->FindConverter(group | 1) != nullptr)
        return group | 1;
    return 0;
}

ErrorCode FormatterState::SetDefaultUnit(int unit) {
    if (UnitsConfig::GetInstance()->FindConverter(unit) == nullptr)
        return ecFailure;
    defaultUnits[ids::GroupOf(unit)] = ids::UnitOf(unit);
    return ecSuccess;
}

int FormatterState::GetDefaultSymbol(int unit) const {
    auto found = defaultSymbols.find(unit & ids::kIdMask);
    if (found != defaultSymbols.end())
        return found->second;
    if (ids::IsUnitId(unit) && UnitSymbol(ids::SymbolOf(unit, 1)) != nullptr)
        return ids::SymbolOf(unit, 1);
    return 0;
}

ErrorCode FormatterState::SetDefaultSymbol(int symbol) {
    if (UnitSymbol(symbol) == nullptr)
        return ecFailure;
    defaultSymbols[ids::UnitOf(symbol)] = symbol;
    return ecSuccess;
}

namespace {

// What a display name comes from: a translated name (groups and units), or a symbol's text.
struct DisplayName {
    bool isSymbol;
    bool found;
    std::wstring text;
};

DisplayName NameOf(const FormatterState& state, int id) {
    if (ids::IsGroupId(id))
        return {false, true, state.Translations().GroupDisplayName(id).toStdWString()};
    if (ids::IsUnitId(id))
        return {false, true, state.Translations().UnitDisplayName(id).toStdWString()};
    const IFormatSymbol* symbol = state.UnitSymbol(id);
    const wchar_t* text = symbol == nullptr ? nullptr : symbol->GetText();
    if (text == nullptr || *text == L'\0')
        return {true, false, {}};
    return {true, true, text};
}

} // namespace

ErrorCode FormatterState::GetDisplayNameLength(int id, size_t& length) const {
    DisplayName name = NameOf(*this, id);
    if (!name.found)
        return ecFailure;
    length = LengthOf(name.text);
    return ecSuccess;
}

ErrorCode FormatterState::GetDisplayName(int id, wchar_t* buffer, size_t size) const {
    if (buffer == nullptr || size == 0)
        return ecFailure;
    DisplayName name = NameOf(*this, id);
    if (!name.found || (name.isSymbol && size <= name.text.size()))
        return ecFailure;
    CopyCut(name.text, buffer, size);
    return ecSuccess;
}

ErrorCode FormatterState::GetNumberFormatDisplayNameLength(NumberFormat format,
                                                           size_t& length) const {
    length = LengthOf(Translations().NumberFormatDisplayName(format).toStdWString());
    return ecSuccess;
}

ErrorCode FormatterState::GetNumberFormatDisplayName(NumberFormat format, wchar_t* buffer,
                                                     size_t size) const {
    if (buffer == nullptr || size == 0)
        return ecFailure;
    std::wstring name = Translations().NumberFormatDisplayName(format).toStdWString();
    CopyCut(name, buffer, size);
    return size > name.size() ? ecSuccess : ecFailure;
}

} // namespace velmar::platform::core::units
