// A host application that knows the library only through its installed package.
#include <ViVuzaZadurUI/ViVuzaZadurUI.h>

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

using namespace velmar::platform::core;

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    units::UnitsManager::Initialize();
    units::UnitsManager* manager = units::UnitsManager::GetInstance();
    manager->SetCurrentLocale(L"de-DE");
    const char* language = manager->GetCurrentLocaleThreeLetterISOLanguageName();
    std::printf("locale de-DE: %s, LCID 0x%04lx\n", language,
                locale::LocaleUtil::LocaleNameToLCID(QStringLiteral("de-DE")));
    int failures = std::strcmp(language, "deu") != 0;
    units::UnitsManager::Uninitialize();
    return failures;
}
