// A host application that knows the library only through its installed package: it formats
// with the translations that were installed beside the library, with no set-up of its own.
#include <ViVuzaZadurUI/ViVuzaZadurUI.h>

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>

using namespace velmar::platform::core;

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    units::UnitsManager::Initialize();
    units::UnitsManager::GetInstance()->SetCurrentLocale(L"de-DE");
    int failures = 0;
    {
        units::UnitsFormatter formatter;
        wchar_t text[64];
        failures += formatter.Format(12.5, 0x2001, text, 64, 0) != units::ecSuccess;
        std::printf("%ls\n", text);
        failures += std::wstring(text) != L"12.50 Meter";
        failures += formatter.Format(66.5, 0x2016, text, 64, 0x702016) != units::ecSuccess;
        std::printf("%ls\n", text);
        failures += std::wstring(text) != L"5'6 1/2\"";
        wchar_t name[64];
        failures += formatter.GetDisplayName(0x2000, name, 64) != units::ecSuccess;
        std::printf("%ls\n", name);
        failures += std::wstring(name) != L"Länge";
    }
    failures += std::strcmp(
        units::UnitsManager::GetInstance()->GetCurrentLocaleThreeLetterISOLanguageName(), "deu");
    units::UnitsManager::Uninitialize();
    return failures;
}
