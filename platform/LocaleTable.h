#pragma once

#include <QString>

#include <cstdint>

namespace velmar::platform::core::os {

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

// The name QLocale takes for a culture name: "de_DE" for "de-DE", and the language alone where
// language and territory codes are equal ("fr" for "fr-FR" stays "fr_FR"; "de-de" gives "de").
QString QtLocaleName(const QString& cultureName);

} // namespace velmar::platform::core::os
