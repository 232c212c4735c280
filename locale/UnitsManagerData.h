#pragma once

#include "locale/Translator.h"

#include <QMap>
#include <QString>

namespace velmar::platform::core::units {

// The state of the units manager.
class UnitsManagerData {
public:
    QString currentLocale;
    bool localeSet = false;
    const char* threeLetterName = "";
    // One translator per registered module, keyed by the module name in lower case; owned.
    QMap<QString, Translator*> translators;
    QString translatorFilesPath;
    unsigned long lcid = 0;
};

} // namespace velmar::platform::core::units
