// vvzunits: shows what the library does, from the command line.
#include <ViVuzaZadurUI/ViVuzaZadurUI.h>

#include <QCoreApplication>

#include <cstdio>

using namespace velmar::platform::core;

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    units::UnitsManager::Initialize();
    units::UnitsManager* manager = units::UnitsManager::GetInstance();
    wchar_t locale[32];
    manager->GetCurrentLocale(locale, 32);
    std::printf("System locale: %ls (%s)\n", locale,
                manager->GetCurrentLocaleThreeLetterISOLanguageName());
    for (const char* name : {"en-US", "de-DE", "fr-FR", "ru-RU"})
        std::printf(
            "%-6s LCID 0x%04lx, Qt name %s\n", name,
            locale::LocaleUtil::LocaleNameToLCID(QString::fromLatin1(name)),
            qPrintable(locale::LocaleUtil::LocaleNameToQtLocaleName(QString::fromLatin1(name))));
    units::UnitsManager::Uninitialize();
    return 0;
}
