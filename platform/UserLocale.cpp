#include "platform/UserLocale.h"

#include "platform/LocaleTable.h"

#include <QString>

#include <cstdlib>

namespace velmar::platform::core::os {

namespace {

constexpr unsigned long kEnglishUsLcid = 0x0409;

const char* EnvironmentLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return nullptr;
}

} // namespace

unsigned long UserDefaultLcid() {
    const char* value = EnvironmentLocale();
    if (value == nullptr)
        return kEnglishUsLcid;
    // language[_territory][.codeset][@modifier]
    QString name = QString::fromLocal8Bit(value);
    name.truncate(name.indexOf(QLatin1Char('@')) < 0 ? name.size()
                                                     : name.indexOf(QLatin1Char('@')));
    name.truncate(name.indexOf(QLatin1Char('.')) < 0 ? name.size()
                                                     : name.indexOf(QLatin1Char('.')));
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return kEnglishUsLcid;
    name.replace(QLatin1Char('_'), QLatin1Char('-'));
    const LocaleRecord* record = FindLocaleByName(name);
    return record != nullptr ? record->lcid : kCustomDefaultLcid;
}

} // namespace velmar::platform::core::os
