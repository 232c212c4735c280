#include <ViVuzaZadurUI/LCIDUtil.h>

#include <ViVuzaZadurUI/LocaleUtil.h>

namespace velmar::platform::core::locale {

const char* LCIDUtil::LCIDToLocaleName(unsigned long lcid) {
    return LocaleUtil::LCIDToLocaleName(lcid);
}

} // namespace velmar::platform::core::locale
