#include "locale/Translator.h"

#include "locale/UnitsManagerAccess.h"

#include <ViVuzaZadurUI/LocaleUtil.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmar::platform::core::units {

Translator::Translator(const QString& moduleName, const QString& fileBaseName)
    : moduleName(moduleName), fileBaseName(fileBaseName) {}

Translator::~Translator() = default;

void Translator::Reinstall() {
    UnitsManagerAccess manager(UnitsManagerAccess::Existing());
    if (QCoreApplication::instance() == nullptr || !manager.Exists())
        return;
    QString file = locale::LocaleUtil::ResolveTranslatorFile(
        moduleName, fileBaseName, manager.CurrentLocale(), manager.TranslatorFilesPath());
    if (file.isEmpty() || !QFileInfo::exists(file))
        return;
    QString path = QDir::cleanPath(file);
    if (loaded && loadedFile.compare(path, Qt::CaseInsensitive) == 0)
        return;
    (void)load(path, QString(), QString(), QString());
    QCoreApplication::removeTranslator(this);
    QCoreApplication::installTranslator(this);
    loadedFile = path;
    loaded = true;
}

} // namespace velmar::platform::core::units
