#include <ViVuzaZadurUI/StringUtil.h>

#include "locale/UnitsManagerAccess.h"
#include "platform/StringCompare.h"
#include "platform/WideString.h"

#include <ViVuzaZadur/UnitsUtilities.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velmar::platform::core::units {

QString StringUtil::WcharToQString(const wchar_t* text) {
    return text == nullptr ? QString() : QString::fromWCharArray(text);
}

int StringUtil::QStringToWchar(const QString& text, wchar_t* buffer, int size) {
    return os::CopyToWide(text, buffer, size);
}

wchar_t* StringUtil::QStringToWchar2(const QString& text, wchar_t* buffer, int size) {
    if (buffer == nullptr)
        return nullptr;
    QStringToWchar(text, buffer, size);
    return buffer;
}

namespace {

template <class Id>
ErrorCode LookUpName(const QString& name, ErrorCode (*lookup)(const wchar_t*, Id&), Id& id) {
    if (name.isEmpty())
        return ecFailure;
    return lookup(name.toStdWString().c_str(), id);
}

template <class Id> QString GlobalName(Id id) {
    size_t length = 0;
    if (UnitsUtilities::GetGlobalNameLength(id, length) != ecSuccess || length == 0)
        return QString();
    std::vector<wchar_t> buffer(length);
    if (UnitsUtilities::GetGlobalName(id, buffer.data(), length) != ecSuccess)
        return QString();
    return QString::fromWCharArray(buffer.data());
}

} // namespace

ErrorCode StringUtil::GetUnitGroup(const QString& name, vmp::IDesignPropertyUnits::teGroup& group) {
    return LookUpName(name, &UnitsUtilities::GetUnitGroup, group);
}

ErrorCode StringUtil::GetUnitType(const QString& name, vmp::IDesignPropertyUnits::teType& type) {
    return LookUpName(name, &UnitsUtilities::GetUnitType, type);
}

ErrorCode StringUtil::GetUnitSymbol(const QString& name, UnitSymbol& symbol) {
    return LookUpName(name, &UnitsUtilities::GetUnitSymbol, symbol);
}

ErrorCode StringUtil::GetNumberFormatId(const QString& name, NumberFormat& format) {
    return LookUpName(name, &UnitsUtilities::GetNumericFormat, format);
}

QString StringUtil::GetUnitGlobalName(int id) {
    return GlobalName(id);
}

QString StringUtil::GetGlobalName(NumberFormat format) {
    return GlobalName(format);
}

int StringUtil::LocaleAwareCompare(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return 0;
    UnitsManagerAccess manager(UnitsManager::GetInstance());
    switch (os::CompareStrings(manager.Lcid(), a, b)) {
    case os::CompareLess:
        return -1;
    case os::CompareGreater:
        return 1;
    default:
        return 0;
    }
}

} // namespace velmar::platform::core::units
