#pragma once

#include <ViVuzaZadur/UnitsTypes.h>
#include <ViVuzaZadurUI/Export.h>

#include <QStringView>

namespace velmar::platform::core::units {

class UnitsFormatter;

// The number conventions of a locale, for a formatter. A new formatter writes and reads numbers
// as «1,234.5» whatever its locale; this sets the decimal separator, the group separator, the
// group sizes and the negative sign to those of a locale, as Qt's locale data gives them: «1.234,5»
// for de-DE, «1 234,5» with a narrow no-break space for fr-FR, «1 234,5» with a no-break space
// for ru-RU, «12,34,567.5» for en-IN. The formatter then reads the same text back. Digits stay
// as they are, and so does the empty positive sign: locales write positive numbers without one.
class VIVUZAZADURUI_EXPORT NumberConventions {
public:
    // Applies the conventions of locale ("de-DE"); null or empty takes the locale the
    // formatter was made for ("en-IN" for a formatter of en-IN, whose names are en-US's).
    // ecFailure for a name that Qt knows no locale of; the formatter is then unchanged.
    static ErrorCode Apply(UnitsFormatter& formatter, const wchar_t* locale = nullptr);
    static ErrorCode Apply(UnitsFormatter& formatter, QStringView locale);
};

} // namespace velmar::platform::core::units
