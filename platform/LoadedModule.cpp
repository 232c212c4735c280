#include "platform/LoadedModule.h"

#include <QFile>
#include <QFileInfo>

#include <link.h>

namespace velmar::platform::core::os {

namespace {

// True when fileName is <stem>.so, possibly followed by a version suffix.
bool IsSharedObjectOf(const QString& fileName, const QString& stem) {
    QString prefix = stem + QLatin1String(".so");
    if (!fileName.startsWith(prefix))
        return false;
    return fileName.size() == prefix.size() || fileName.at(prefix.size()) == QLatin1Char('.');
}

struct Search {
    QString libName;   // lib<name>
    QString plainName; // <name>
    ElfW(Addr) base;   // the module sought by ModuleFileName, or 0
    const void* foundHandle;
    QString foundPath;
};

int VisitModule(struct dl_phdr_info* info, size_t, void* data) {
    auto* search = static_cast<Search*>(data);
    if (info->dlpi_name == nullptr || info->dlpi_name[0] == '\0')
        return 0;
    QString path = QFile::decodeName(info->dlpi_name);
    QString fileName = QFileInfo(path).fileName();
    bool match = search->base != 0 ? info->dlpi_addr == search->base
                                   : IsSharedObjectOf(fileName, search->libName) ||
                                         IsSharedObjectOf(fileName, search->plainName);
    if (!match)
        return 0;
    search->foundHandle = reinterpret_cast<const void*>(info->dlpi_addr);
    search->foundPath = path;
    return 1;
}

} // namespace

ModuleHandle FindLoadedModule(const QString& moduleName) {
    QString name = moduleName;
    if (name.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive))
        name.chop(4);
    if (name.isEmpty())
        return nullptr;
    Search search{QLatin1String("lib") + name, name, 0, nullptr, QString()};
    dl_iterate_phdr(VisitModule, &search);
    return search.foundHandle;
}

QString ModuleFileName(ModuleHandle module) {
    if (module == nullptr)
        return QString();
    Search search{QString(), QString(), reinterpret_cast<ElfW(Addr)>(module), nullptr, QString()};
    dl_iterate_phdr(VisitModule, &search);
    return search.foundPath;
}

} // namespace velmar::platform::core::os
