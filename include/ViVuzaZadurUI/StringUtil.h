#pragma once

#include <ViVuzaZadur/UnitsTypes.h>
#include <ViVuzaZadurUI/Export.h>

#include <QString>

namespace velmar::platform::core::units {

// Text conversions between wide character arrays and QString, name-to-id lookups, global
// names and locale-aware comparison.
//
// Buffer rule of the conversions: size is the capacity in characters, terminator included;
// -1 means that the caller guarantees room for the whole text. A longer text is cut to
// size - 1 characters; the result is always terminated. A size of 0 or below -1 writes
// nothing.
class VIVUZAZADURUI_EXPORT StringUtil {
public:
    // The whole zero-terminated text; a null pointer gives an empty string.
    static QString WcharToQString(const wchar_t* text);
    // Copies text into buffer; returns the characters written, terminator not counted. With a
    // null buffer, returns the length of text in wide characters and writes nothing.
    static int QStringToWchar(const QString& text, wchar_t* buffer, int size);
    // The same copy; returns buffer (null for a null buffer).
    static wchar_t* QStringToWchar2(const QString& text, wchar_t* buffer, int size);

    // Global name to id (see UnitsUtilities for the names). An empty or unknown name gives
    // ecFailure and leaves the out-argument alone.
    static ErrorCode GetUnitGroup(const QString& name, vmp::IDesignPropertyUnits::teGroup& group);
    static ErrorCode GetUnitType(const QString& name, vmp::IDesignPropertyUnits::teType& type);
    static ErrorCode GetUnitSymbol(const QString& name, UnitSymbol& symbol);
    static ErrorCode GetNumberFormatId(const QString& name, NumberFormat& format);
    // The global name of a group, unit or unit symbol id, or of a numeric format; empty when
    // there is none.
    static QString GetUnitGlobalName(int id);
    static QString GetGlobalName(NumberFormat format);

    // Compares by the collation of the units manager's current locale: -1, 0 or 1. An empty
    // string compares equal to every string, and a failed comparison gives 0.
    static int LocaleAwareCompare(const QString& a, const QString& b);
};

} // namespace velmar::platform::core::units
