#include <ViVuzaZadur/UnitsUtilities.h>

#include "Catalogue.h"

#include <cwchar>
#include <string>

namespace velmar::platform::core::units {

using catalogue::Catalogue;

namespace {

// Indexed by NumberFormat.
const std::wstring kNumberFormatNames[] = {
    L"Exponential", L"ExponentialLowerCase", L"FixedPoint",
    L"General",     L"GeneralLowerCase",     L"Number",
    L"Fraction",
};
constexpr int kNumberFormatCount = sizeof(kNumberFormatNames) / sizeof(kNumberFormatNames[0]);

const std::wstring* NumberFormatName(NumberFormat format) {
    int index = static_cast<int>(format);
    return index >= 0 && index < kNumberFormatCount ? &kNumberFormatNames[index] : nullptr;
}

template <class Id>
ErrorCode Lookup(const wchar_t* name, int (Catalogue::*find)(const std::wstring&) const, Id& id) {
    if (name == nullptr)
        return ecFailure;
    int found = (Catalogue::Instance().*find)(name);
    if (found == 0)
        return ecFailure;
    id = static_cast<Id>(found);
    return ecSuccess;
}

ErrorCode NameLength(const std::wstring* name, size_t& length) {
    if (name == nullptr)
        return ecFailure;
    length = name->size() + 1;
    return ecSuccess;
}

ErrorCode CopyName(const std::wstring* name, wchar_t* buffer, size_t size) {
    if (name == nullptr || buffer == nullptr || size < name->size() + 1)
        return ecFailure;
    std::wmemcpy(buffer, name->c_str(), name->size() + 1);
    return ecSuccess;
}

} // namespace

ErrorCode UnitsUtilities::GetUnitGroup(const wchar_t* name,
                                       vmp::IDesignPropertyUnits::teGroup& group) {
    return Lookup(name, &Catalogue::GroupId, group);
}

ErrorCode UnitsUtilities::GetUnitType(const wchar_t* name,
                                      vmp::IDesignPropertyUnits::teType& type) {
    return Lookup(name, &Catalogue::UnitId, type);
}

ErrorCode UnitsUtilities::GetUnitSymbol(const wchar_t* name, UnitSymbol& symbol) {
    return Lookup(name, &Catalogue::SymbolId, symbol);
}

ErrorCode UnitsUtilities::GetNumericFormat(const wchar_t* name, NumberFormat& format) {
    if (name == nullptr)
        return ecFailure;
    for (int i = 0; i < kNumberFormatCount; ++i)
        if (kNumberFormatNames[i] == name) {
            format = static_cast<NumberFormat>(i);
            return ecSuccess;
        }
    return ecFailure;
}

ErrorCode UnitsUtilities::GetGlobalNameLength(int id, size_t& length) {
    return NameLength(Catalogue::Instance().FindGlobalName(id), length);
}

ErrorCode UnitsUtilities::GetGlobalNameLength(NumberFormat format, size_t& length) {
    return NameLength(NumberFormatName(format), length);
}

ErrorCode UnitsUtilities::GetGlobalName(int id, wchar_t* buffer, size_t size) {
    return CopyName(Catalogue::Instance().FindGlobalName(id), buffer, size);
}

ErrorCode UnitsUtilities::GetGlobalName(NumberFormat format, wchar_t* buffer, size_t size) {
    return CopyName(NumberFormatName(format), buffer, size);
}

} // namespace velmar::platform::core::units
