#include <ViVuzaZadurUI/UnitsManager.h>

#include "locale/UnitsManagerAccess.h"
#include "locale/UnitsManagerData.h"
#include "platform/LoadedModule.h"
#include "platform/QMfcApp.h"
#include "platform/UserLocale.h"

#include <ViVuzaZadurUI/LocaleUtil.h>
#include <ViVuzaZadurUI/StringUtil.h>

#include <QCoreApplication>
#include <QLocale>

namespace velmar::platform::core::units {

using locale::LocaleUtil;

namespace {

UnitsManager* instance = nullptr;
bool initialized = false;

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
    if (initialized)
        return false;
    initialized = true;
    os::QMfcApp::pluginInstance(os::FindLoadedModule(QLatin1String(kMfcFrameworkModule)));
    return true;
}

bool UnitsManager::Uninitialize() {
    delete instance;
    instance = nullptr;
    initialized = false;
    return true;
}

UnitsManager* UnitsManager::GetInstance() {
    if (instance == nullptr) {
        instance = new UnitsManager;
        instance->SetCurrentLocale(L"");
        UnitsManagerAccess(instance).RegisterTranslator(QLatin1String(kDefaultModule));
    }
    return instance;
}

int UnitsManager::GetCurrentLocale(wchar_t* buffer, int size) const {
    return StringUtil::QStringToWchar(d->currentLocale, buffer, size);
}

bool UnitsManager::SetCurrentLocale(const wchar_t* locale) {
    if (locale == nullptr)
        return false;
    QString name = StringUtil::WcharToQString(locale);
    if (d->localeSet && d->currentLocale.compare(name, Qt::CaseInsensitive) == 0)
        return true;
    d->currentLocale = name.isEmpty() ? LocaleUtil::GetCurrentSystemLocale() : name;
    d->lcid = LocaleUtil::LocaleNameToLCID(d->currentLocale);
    d->threeLetterName = LocaleUtil::LocaleNameToThreeLetterISOLanguageName(d->currentLocale);
    QString qtName = LocaleUtil::LocaleNameToQtLocaleName(d->currentLocale);
    QLocale::setDefault(qtName.isEmpty() ? QLocale::c() : QLocale(qtName));
    d->localeSet = true;
    ReinstallAll(*d);
    return true;
}

const char* UnitsManager::GetCurrentLocaleThreeLetterISOLanguageName() const {
    return d->threeLetterName;
}

int UnitsManager::GetTranslatorFilesPath(wchar_t* buffer, int size) const {
    return StringUtil::QStringToWchar(d->translatorFilesPath, buffer, size);
}

bool UnitsManager::SetTranslatorFilesPath(const wchar_t* path) {
    if (path == nullptr)
        return false;
    QString folder = StringUtil::WcharToQString(path);
    if (d->translatorFilesPath.compare(folder, Qt::CaseInsensitive) == 0)
        return true;
    if (QCoreApplication::instance() == nullptr)
        return false;
    d->translatorFilesPath = folder;
    ReinstallAll(*d);
    return true;
}

UnitsManager* UnitsManagerAccess::Existing() {
    return instance;
}

const QString& UnitsManagerAccess::CurrentLocale() const {
    return manager->d->currentLocale;
}

const QString& UnitsManagerAccess::TranslatorFilesPath() const {
    return manager->d->translatorFilesPath;
}

unsigned long UnitsManagerAccess::Lcid() const {
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
