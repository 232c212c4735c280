#include "locale/Translator.h"

#include <ViVuzaZadurUI/LocaleUtil.h>
#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <QCoreApplication>

using velmar::platform::core::locale::LocaleUtil;
using velmar::platform::core::units::Translator;
using velmar::platform::core::units::UnitsManager;

namespace {

// This program creates no QCoreApplication.
TEST(NoApplication, TranslatorFilesPathCannotChange) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    UnitsManager* manager = UnitsManager::GetInstance();
    EXPECT_FALSE(manager->SetTranslatorFilesPath(L"/tmp"));
    EXPECT_EQ(manager->GetTranslatorFilesPath(nullptr, -1), 0);
    // The folder already stored (empty) is accepted even now.
    EXPECT_TRUE(manager->SetTranslatorFilesPath(L""));
    UnitsManager::Uninitialize();
}

TEST(NoApplication, NoTranslationFileIsFoundOrLoaded) {
    QString moduleDir = QStringLiteral(VVZ_TEST_MODULE_DIR);
    EXPECT_TRUE(LocaleUtil::ResolveTranslatorFile(QStringLiteral("VvzTestModule"), QString(),
                                                  QStringLiteral("de-DE"), moduleDir + "/de-DE")
                    .isEmpty());
    UnitsManager::GetInstance()->SetCurrentLocale(L"de-DE");
    Translator translator(QStringLiteral("VvzTestModule"), QStringLiteral("VvzTestModule"));
    translator.Reinstall();
    EXPECT_TRUE(translator.isEmpty());
    EXPECT_TRUE(translator.LoadedFile().isEmpty());
    EXPECT_TRUE(LocaleUtil::InstallTranslator(QStringLiteral("VvzTestModule")));
    UnitsManager::Uninitialize();
}

} // namespace
