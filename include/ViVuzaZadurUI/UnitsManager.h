#pragma once

#include <ViVuzaZadurUI/Export.h>

#include <QString>
#include <QStringView>

namespace velmar::platform::core::units {

class UnitsManagerData;

// The process-wide set-up of the library: the current locale and the folder of translation
// files. It keeps the application's default QLocale in step with the current locale, and the
// translators of registered modules installed in the application for it. Call it from the
// thread that owns the QCoreApplication; formatters on other threads read its locale and path
// safely meanwhile. The thread that creates the manager installs its first translators, so
// create it on that thread before other threads create formatters.
//
// Text getters follow StringUtil's buffer rule: size -1 means unbounded, a null buffer asks
// for the length.
class VIVUZAZADURUI_EXPORT UnitsManager {
public:
    // Hands the MFC framework module to the framework, once. True the first time, false while
    // already initialized. Does not create the manager.
    static bool Initialize();
    // Deletes the manager (its translators leave the application) and clears the initialized
    // state. Always true.
    static bool Uninitialize();
    // The manager, created on first call with the system locale as current locale and the
    // module "DoRURozu" registered.
    static UnitsManager* GetInstance();

    // The current locale name: characters written, or its length when buffer is null.
    int GetCurrentLocale(wchar_t* buffer, int size) const;
    QString GetCurrentLocale() const;
    // Sets the current locale; an empty name selects the system locale. Setting the name that
    // is already current (in any case) changes nothing. False, with nothing changed, for a
    // null pointer.
    bool SetCurrentLocale(const wchar_t* locale);
    bool SetCurrentLocale(QStringView locale);
    // The three-letter language name of the current locale; "" when the locale table has no
    // row for it.
    const char* GetCurrentLocaleThreeLetterISOLanguageName() const;

    // The folder of translation files set by the host; empty means the default search.
    int GetTranslatorFilesPath(wchar_t* buffer, int size) const;
    QString GetTranslatorFilesPath() const;
    // Sets the folder and reinstalls every registered translator. False, with the old folder
    // kept, when the folder would change while no QCoreApplication exists, or for a null
    // pointer. Setting the same folder (in any case) is true and changes nothing.
    bool SetTranslatorFilesPath(const wchar_t* path);
    bool SetTranslatorFilesPath(QStringView path);

private:
    friend class UnitsManagerAccess;

    UnitsManager();
    ~UnitsManager();
    UnitsManager(const UnitsManager&) = delete;
    UnitsManager& operator=(const UnitsManager&) = delete;

    UnitsManagerData* d;
};

} // namespace velmar::platform::core::units
