#pragma once

#include <ViVuzaZadurUI/UnitsManager.h>

#include <QString>

namespace velmar::platform::core::units {

// The library's own view of the units manager: what formatters and translators read from it,
// and the registration of translators.
class UnitsManagerAccess {
public:
    explicit UnitsManagerAccess(UnitsManager* manager) : manager(manager) {}

    // The manager if one exists; does not create it.
    static UnitsManager* Existing();

    bool Exists() const { return manager != nullptr; }
    // Copies, taken under the manager's lock: other threads read them while the application
    // thread changes them.
    QString CurrentLocale() const;
    QString TranslatorFilesPath() const;
    unsigned long Lcid() const;
    // Creates, loads and installs a translator for the module unless one is registered under
    // that name in any case. True.
    bool RegisterTranslator(const QString& moduleName) const;

private:
    UnitsManager* manager;
};

} // namespace velmar::platform::core::units
