#pragma once

#include <ViVuzaZadurUI/Export.h>

namespace velmar::platform::core::locale {

// LCID helpers for hosts that only deal in LCIDs.
class VIVUZAZADURUI_EXPORT LCIDUtil {
public:
    // The culture name of an LCID; "" when the locale table has no row for it.
    static const char* LCIDToLocaleName(unsigned long lcid);
};

} // namespace velmar::platform::core::locale
