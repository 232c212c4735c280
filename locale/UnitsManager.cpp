#include <ViVuzaZadurUI/UnitsManager.h>

#include "locale/UnitsManagerAccess.h"
#include "locale/UnitsManagerData.h"
#include "platform/LoadedModule.h"
#include "platform/QMfcApp.h"
#include "platform/UserLocale.h"
#include "platform/WideString.h"

#include <ViVuzaZadurUI/LocaleUtil.h>

#include <QCoreApplication>
#include <QLocale>

#include <atomic>
#include <mutex>

namespace velmar::platform::core::units {

using locale::LocaleUtil;

namespace {

// Formatters may be created on any thread, and their translations read the manager's locale and
// path while the application thread changes them. Two locks keep that safe: lifetime serialises
// the creation and deletion of the manager (and Initialize), data guards what other threads
// read. Translators are reinstalled outside data, on the thread that changes them. lifetime is
// recursive because installing a translator sends the application a LanguageChange event at
// once, and a handler of it may ask for the manager that is being set up.
std::recursive_mutex lifetime;
std::mutex data;
std::atomic<UnitsManager*> instance{nullptr};
bool initialized = false;

QString Copy(const QString& text) {
    std::lock_guard<std::mutex> lock(data);
    return text;
}

// The module every process that uses the library has registered.
const char kDefaultModule[] = "DoRURozu";
// The MFC migration framework's library, handed to the framework by Initialize.
const char kMfcFrameworkModule[] = "QtSolutions_MFCMigrationFramework_Vm_2.8.dll";

void ReinstallAll(const UnitsManagerData& data) {
    for (Translator* translator : data.translators)
        translator->Reinstall();
}

} // namespace

UnitsManager::UnitsManager() : d(new UnitsManagerData) {
    d->lcid = os::UserDefaultLcid();
}

UnitsManager::~UnitsManager() {
    for (Translator* translator : d->translators) {
        if (QCoreApplication::instance() != nullptr)
            QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    d->translators.clear();
    delete d;
}

bool UnitsManager::Initialize() {
    std::lock_guard<std::recursive_mutex> lock(lifetime);
    if (initialized)
        return false;
    initialized = true;
    os::QMfcApp::pluginInstance(os::FindLoadedModule(QLatin1String(kMfcFrameworkModule)));
    return true;
}

bool UnitsManager::Uninitialize() {
    std::lock_guard<std::recursive_mutex> lock(lifetime);
    delete instance.exchange(nullptr);
    initialized = false;
    return true;
}

UnitsManager* UnitsManager::GetInstance() {
    std::lock_guard<std::recursive_mutex> lock(lifetime);
    if (instance.load() == nullptr) {
        // Published before it is set up: setting it up reinstalls translators, which look for
        // the manager. Other threads wait on the lock until it is complete.
        auto* manager = new UnitsManager;
        instance.store(manager);
        manager->SetCurrentLocale(L"");
        UnitsManagerAccess(manager).RegisterTranslator(QLatin1String(kDefaultModule));
    }
    return instance.load();
}

int UnitsManager::GetCurrentLocale(wchar_t* buffer, int size) const {
    return os::CopyToWide(Copy(d->currentLocale), buffer, size);
}

QString UnitsManager::GetCurrentLocale() const {
    return Copy(d->currentLocale);
}

bool UnitsManager::SetCurrentLocale(QStringView locale) {
    return SetCurrentLocale(os::WideText(locale));
}

bool UnitsManager::SetCurrentLocale(const wchar_t* locale) {
    if (locale == nullptr)
        return false;
    QString name = os::ToQString(locale);
    QString current;
    {
        std::lock_guard<std::mutex> lock(data);
        if (d->localeSet && d->currentLocale.compare(name, Qt::CaseInsensitive) == 0)
            return true;
        current = name.isEmpty() ? LocaleUtil::GetCurrentSystemLocale() : name;
        d->currentLocale = current;
        d->lcid = LocaleUtil::LocaleNameToLCID(current);
        d->threeLetterName = LocaleUtil::LocaleNameToThreeLetterISOLanguageName(current);
        d->localeSet = true;
    }
    QString qtName = LocaleUtil::LocaleNameToQtLocaleName(current);
    QLocale::setDefault(qtName.isEmpty() ? QLocale::c() : QLocale(qtName));
    ReinstallAll(*d);
    return true;
}

const char* UnitsManager::GetCurrentLocaleThreeLetterISOLanguageName() const {
    std::lock_guard<std::mutex> lock(data);
    return d->threeLetterName;
}

int UnitsManager::GetTranslatorFilesPath(wchar_t* buffer, int size) const {
    return os::CopyToWide(Copy(d->translatorFilesPath), buffer, size);
}

QString UnitsManager::GetTranslatorFilesPath() const {
    return Copy(d->translatorFilesPath);
}

bool UnitsManager::SetTranslatorFilesPath(QStringView path) {
    return SetTranslatorFilesPath(os::WideText(path));
}

bool UnitsManager::SetTranslatorFilesPath(const wchar_t* path) {
    if (path == nullptr)
        return false;
    QString folder = os::ToQString(path);
    {
        std::lock_guard<std::mutex> lock(data);
        if (d->translatorFilesPath.compare(folder, Qt::CaseInsensitive) == 0)
            return true;
        if (QCoreApplication::instance() == nullptr)
            return false;
        d->translatorFilesPath = folder;
    }
    ReinstallAll(*d);
    return true;
}

UnitsManager* UnitsManagerAccess::Existing() {
    return instance.load();
}

QString UnitsManagerAccess::CurrentLocale() const {
    return Copy(manager->d->currentLocale);
}

QString UnitsManagerAccess::TranslatorFilesPath() const {
    return Copy(manager->d->translatorFilesPath);
}

unsigned long UnitsManagerAccess::Lcid() const {
    std::lock_guard<std::mutex> lock(data);
    return manager->d->lcid;
}

bool UnitsManagerAccess::RegisterTranslator(const QString& moduleName) const {
    QString key = moduleName.toLower();
    if (manager->d->translators.contains(key))
        return true;
    Translator* translator = new Translator(moduleName, moduleName);
    manager->d->translators.insert(key, translator);
    translator->Reinstall();
    return true;
}

} // namespace velmar::platform::core::units
