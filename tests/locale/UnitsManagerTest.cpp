#include "TestEnvironment.h"

#include "locale/UnitsManagerAccess.h"
#include "platform/QMfcApp.h"

#include <ViVuzaZadurUI/StringUtil.h>
#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <QLocale>

#include <string>

using velmar::platform::core::units::StringUtil;
using velmar::platform::core::units::UnitsManager;
using velmar::platform::core::units::UnitsManagerAccess;

namespace {

std::wstring CurrentLocale() {
    wchar_t buffer[32];
    UnitsManager::GetInstance()->GetCurrentLocale(buffer, 32);
    return buffer;
}

// The manager's locale name, its three-letter language name and its LCID.
void ExpectLocale(const wchar_t* name, const char* language, unsigned lcid) {
    UnitsManager* manager = UnitsManager::GetInstance();
    EXPECT_EQ(CurrentLocale(), name);
    EXPECT_STREQ(manager->GetCurrentLocaleThreeLetterISOLanguageName(), language);
    EXPECT_EQ(UnitsManagerAccess(manager).Lcid(), lcid);
}

class UnitsManagerTest : public ::testing::Test {
protected:
    void SetUp() override { UnitsManager::Uninitialize(); }
    void TearDown() override { UnitsManager::Uninitialize(); }
    vvztest::LocaleEnvironment environment;
};

TEST_F(UnitsManagerTest, InitializeHandsTheFrameworkModuleOverOnce) {
    using velmar::platform::core::os::QMfcApp;
    int calls = QMfcApp::pluginInstanceCalls();
    EXPECT_TRUE(UnitsManager::Initialize());
    EXPECT_FALSE(UnitsManager::Initialize());
    EXPECT_EQ(QMfcApp::pluginInstanceCalls(), calls + 1);
    EXPECT_EQ(UnitsManagerAccess::Existing(), nullptr) << "Initialize must not create the manager";
    EXPECT_TRUE(UnitsManager::Uninitialize());
    EXPECT_TRUE(UnitsManager::Initialize());
    EXPECT_EQ(QMfcApp::pluginInstanceCalls(), calls + 2);
}

TEST_F(UnitsManagerTest, FirstInstanceAndEmptyNameTakeTheSystemLocale) {
    environment.Set("LANG", "de_DE.UTF-8");
    UnitsManager* manager = UnitsManager::GetInstance();
    EXPECT_EQ(manager, UnitsManager::GetInstance());
    ExpectLocale(L"de-DE", "deu", 0x0407u);
    EXPECT_EQ(QLocale().language(), QLocale::German);
    EXPECT_EQ(QLocale().territory(), QLocale::Germany);
    // An empty name takes the system locale again.
    environment.Set("LANG", "fr_FR.UTF-8");
    EXPECT_TRUE(manager->SetCurrentLocale(L""));
    EXPECT_EQ(CurrentLocale(), L"fr-FR");
    EXPECT_EQ(QLocale().language(), QLocale::French);
}

TEST_F(UnitsManagerTest, SystemLocaleWithoutRowLeavesTheLocaleEmpty) {
    environment.Set("LANG", "xx_YY.UTF-8");
    UnitsManager* manager = UnitsManager::GetInstance();
    ExpectLocale(L"", "", 0x0C00u);
    EXPECT_EQ(QLocale(), QLocale::c());
    // The stored name is already empty, so a second empty name changes nothing, even though
    // the system locale has changed meanwhile.
    environment.Set("LANG", "fr_FR.UTF-8");
    EXPECT_TRUE(manager->SetCurrentLocale(L""));
    EXPECT_EQ(CurrentLocale(), L"");
}

TEST_F(UnitsManagerTest, SettingTheLocale) {
    UnitsManager* manager = UnitsManager::GetInstance();
    EXPECT_TRUE(manager->SetCurrentLocale(L"en-US"));
    EXPECT_TRUE(manager->SetCurrentLocale(L"en-us"));
    EXPECT_EQ(CurrentLocale(), L"en-US");
    EXPECT_TRUE(manager->SetCurrentLocale(L"pt-BR"));
    ExpectLocale(L"pt-BR", "ptb", 0x0416u);
    EXPECT_EQ(QLocale().name(), QStringLiteral("pt_BR"));
    // A name without a row keeps its Qt form and gets the user's default LCID.
    environment.Set("LANG", "it_IT.UTF-8");
    EXPECT_TRUE(manager->SetCurrentLocale(L"de-XX"));
    ExpectLocale(L"de-XX", "", 0x0410u);
    EXPECT_EQ(QLocale().language(), QLocale::German);
    EXPECT_FALSE(manager->SetCurrentLocale(nullptr));
    EXPECT_EQ(CurrentLocale(), L"de-XX");
}

TEST_F(UnitsManagerTest, TextGettersFollowTheBufferRuleAndCompareFollowsTheLocale) {
    UnitsManager* manager = UnitsManager::GetInstance();
    manager->SetCurrentLocale(L"de-DE");
    EXPECT_EQ(manager->GetCurrentLocale(nullptr, 0), 5);
    // The cuts of the buffer rule are CopyToWide's, checked with QStringToWchar.
    wchar_t buffer[8];
    EXPECT_EQ(manager->GetCurrentLocale(buffer, -1), 5);
    EXPECT_EQ(std::wstring(buffer), L"de-DE");

    EXPECT_EQ(manager->GetTranslatorFilesPath(nullptr, -1), 0);
    EXPECT_TRUE(manager->SetTranslatorFilesPath(L"/opt/translations"));
    EXPECT_TRUE(manager->SetTranslatorFilesPath(L"/OPT/Translations"));
    wchar_t path[32];
    EXPECT_EQ(manager->GetTranslatorFilesPath(path, 32), 17);
    EXPECT_EQ(std::wstring(path), L"/opt/translations");
    EXPECT_FALSE(manager->SetTranslatorFilesPath(nullptr));
    // LocaleAwareCompare uses the current locale's collation.
    auto compare = [](const char* a, const char* b) {
        return StringUtil::LocaleAwareCompare(QString::fromUtf8(a), QString::fromUtf8(b));
    };
    EXPECT_EQ(compare("a", "B"), -1); // code-point order would say 1
    EXPECT_EQ(compare("B", "a"), 1);
    EXPECT_EQ(compare("Meter", "Meter"), 0);
    EXPECT_EQ(compare("\u00e4", "z"), -1); // German sorts ä with a
    EXPECT_EQ(compare("", "a"), 0);
    EXPECT_EQ(compare("a", ""), 0);
    manager->SetCurrentLocale(L"sv-SE");
    EXPECT_EQ(compare("\u00e4", "z"), 1); // Swedish sorts ä after z
}

} // namespace
