#pragma once

#include <QString>

#include <cstdint>

namespace velmar::platform::core::locale {

// One row of the library's locale table.
struct LocaleRecord {
    char cultureName[16];    // for example "en-US"
    char threeLetterName[4]; // language code: mostly ISO 639-2, some Windows abbreviations
    uint32_t lcid;
};

constexpr int kLocaleCount = 234;
extern const LocaleRecord kLocaleTable[kLocaleCount];

// The first row whose culture name equals name ignoring case, or null.
const LocaleRecord* FindLocaleByName(const QString& name);
// The first row with that LCID, or null.
const LocaleRecord* FindLocaleByLcid(unsigned long lcid);

} // namespace velmar::platform::core::locale
