#include <ViVuzaZadurUI/LocaleUtil.h>

#include "locale/TranslationLookup.h"
#include "locale/UnitsManagerAccess.h"
#include "platform/LoadedModule.h"
#include "platform/LocaleTable.h"
#include "platform/SymbolicLink.h"
#include "platform/UserLocale.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

#include <mutex>

namespace velmar::platform::core::locale {

using os::FindLocaleByLcid;
using os::FindLocaleByName;
using os::LocaleRecord;
using units::UnitsManagerAccess;

namespace {

const char kEmpty[] = "";

// The application's folder. Qt caches the application's path unguarded on first use, and
// translation files are resolved on any thread that creates a formatter: the library's calls
// take turns.
QString ApplicationFolder() {
    static std::mutex lock;
    std::lock_guard<std::mutex> guard(lock);
    return QCoreApplication::applicationDirPath();
}

} // namespace

const char* LocaleUtil::LCIDToLocaleName(unsigned long lcid) {
    const LocaleRecord* record = FindLocaleByLcid(lcid);
    return record != nullptr ? record->cultureName : kEmpty;
}

unsigned long LocaleUtil::LocaleNameToLCID(const QString& name) {
    if (name.isEmpty() || name.compare(QLatin1String("C"), Qt::CaseInsensitive) == 0)
        return os::UserDefaultLcid();
    const LocaleRecord* record = FindLocaleByName(name);
    return record != nullptr ? record->lcid : os::UserDefaultLcid();
}

const char* LocaleUtil::LCIDToThreeLetterISOLanguageName(unsigned long lcid) {
    const LocaleRecord* record = FindLocaleByLcid(lcid);
    return record != nullptr ? record->threeLetterName : kEmpty;
}

const char* LocaleUtil::LocaleNameToThreeLetterISOLanguageName(const QString& name) {
    const LocaleRecord* record = FindLocaleByName(name);
    return record != nullptr ? record->threeLetterName : kEmpty;
}

QString LocaleUtil::LocaleNameToQtLocaleName(const QString& name) {
    return os::QtLocaleName(name);
}

QString LocaleUtil::GetCurrentSystemLocale() {
    return QString::fromLatin1(LCIDToLocaleName(os::UserDefaultLcid()));
}

QString LocaleUtil::ResolveTranslatorFile(const QString& moduleName, const QString& fileBaseName,
                                          const QString& localeName,
                                          const QString& translatorFilesPath) {
    if (moduleName.isEmpty() || QCoreApplication::instance() == nullptr)
        return QString();
    QString fileName = fileBaseName;
    if (fileName.isEmpty()) {
        int dot = moduleName.lastIndexOf(QLatin1Char('.'));
        fileName = dot < 0 ? moduleName : moduleName.left(dot);
    }
    if (!fileName.contains(QLatin1Char('.')))
        fileName += QLatin1String(".qm");

    auto inFolder = [&](const QString& folder) { return folder + QLatin1Char('/') + fileName; };
    auto inLocaleFolder = [&](const QString& folder) {
        return folder + QLatin1Char('/') + localeName + QLatin1Char('/') + fileName;
    };
    QString candidate;
    if (!translatorFilesPath.isEmpty()) {
        candidate = inFolder(translatorFilesPath);
    } else {
        QString applicationFolder = ApplicationFolder();
        candidate = inFolder(applicationFolder);
        if (!QFileInfo::exists(candidate))
            candidate = inLocaleFolder(applicationFolder);
        if (!QFileInfo::exists(candidate)) {
            QString module = moduleName;
            if (!module.contains(QLatin1Char('.')))
                module += QLatin1String(".dll");
            QString modulePath = os::ModuleFileName(os::FindLoadedModule(module));
            QString moduleFolder = QFileInfo(modulePath).path();
            if (!modulePath.isEmpty() &&
                moduleFolder.compare(applicationFolder, Qt::CaseInsensitive) != 0) {
                moduleFolder = QDir::cleanPath(moduleFolder);
                candidate = inFolder(moduleFolder);
                if (!QFileInfo::exists(candidate))
                    candidate = inLocaleFolder(moduleFolder);
            }
            // Last, the installation's data folder, share/vivuzazadurui/translations/<locale>,
            // found from the folder of the module's library (this library's, for its own files)
            // by the path between the two that the build was configured with.
            if (!modulePath.isEmpty() && !QFileInfo::exists(candidate))
                candidate = inLocaleFolder(QDir::cleanPath(
                    moduleFolder + QLatin1Char('/') + QLatin1String(VVZ_TRANSLATIONS_FROM_LIBRARY)));
        }
    }
    candidate = GetSymbolicLinkTarget(candidate);
    return QFileInfo::exists(candidate) ? candidate : QString();
}

QString ResolveStampedTranslatorFile(const QString& moduleName, const QString& fileBaseName,
                                     const QString& localeName, const QString& translatorFilesPath,
                                     os::FileStamp* stamp) {
    *stamp = os::FileStamp();
    auto fullWay = [&] {
        QString file = LocaleUtil::ResolveTranslatorFile(moduleName, fileBaseName, localeName,
                                                         translatorFilesPath);
        *stamp = os::StampOf(file);
        return file;
    };
    if (moduleName.isEmpty() || fileBaseName.isEmpty() || fileBaseName.contains(QLatin1Char('.')) ||
        QCoreApplication::instance() == nullptr)
        return fullWay();
    QString fileName = fileBaseName + QLatin1String(".qm");
    QString candidates[2];
    int count = 1;
    if (!translatorFilesPath.isEmpty()) {
        candidates[0] = translatorFilesPath + QLatin1Char('/') + fileName;
    } else {
        QString folder = QCoreApplication::applicationDirPath();
        candidates[0] = folder + QLatin1Char('/') + fileName;
        candidates[1] = folder + QLatin1Char('/') + localeName + QLatin1Char('/') + fileName;
        count = 2;
    }
    for (int i = 0; i < count; ++i) {
        switch (os::ProbeEntry(candidates[i], stamp)) {
        case os::Entry::Other:
            return candidates[i];
        case os::Entry::SymbolicLink:
            return fullWay();
        case os::Entry::Missing:
            break;
        }
    }
    // Nothing in the translator files path; the application's folders lead on to the module's.
    return translatorFilesPath.isEmpty() ? fullWay() : QString();
}

QString LocaleUtil::GetSymbolicLinkTarget(const QString& path) {
    QString stored;
    if (!os::ReadSymbolicLink(path, &stored))
        return path;
    QString target = QDir::cleanPath(stored);
    if (QDir::isRelativePath(target))
        target = QDir::cleanPath(QFileInfo(path).path() + QLatin1Char('/') + target);
    return target;
}

QString TranslateUtf8(const QTranslator& translator, const char* context, const char* sourceText) {
    QString answer = TranslateFormUtf8(translator, context, sourceText, -1);
    return answer.isEmpty() ? QString::fromUtf8(sourceText) : answer;
}

QString TranslateFormUtf8(const QTranslator& translator, const char* context,
                          const char* sourceText, int n) {
    return translator.isEmpty() ? QCoreApplication::translate(context, sourceText, nullptr, n)
                                : translator.translate(context, sourceText, nullptr, n);
}

QString LocaleUtil::Translate(const QTranslator& translator, const QString& context,
                              const QString& sourceText) {
    return TranslateUtf8(translator, context.toUtf8().constData(), sourceText.toUtf8().constData());
}

bool LocaleUtil::InstallTranslator(const QString& moduleName) {
    UnitsManagerAccess manager(units::UnitsManager::GetInstance());
    if (!manager.Exists())
        return false;
    return manager.RegisterTranslator(moduleName);
}

} // namespace velmar::platform::core::locale
