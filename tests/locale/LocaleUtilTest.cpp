#include "TestEnvironment.h"

#include <ViVuzaZadurUI/LocaleUtil.h>

#include <gtest/gtest.h>

using velmar::platform::core::locale::LocaleUtil;

namespace {

// A region that repeats the language collapses into the language.
TEST(QtLocaleName, RegionRepeatingTheLanguageCollapses) {
    const std::pair<const char*, const char*> kNames[] = {
        {"de-DE", "de"},    {"de-de", "de"},    {"en-US", "en_US"},
        {"de-AT", "de_AT"}, {"it-CH", "it_CH"}, {"zh-CHS", "zh_CHS"},
        {"de", "de"},       {"", ""},           {"de_DE", "de"},
        {"-", ""},          {"xx-xx-YY", "xx"}, {"sr-Latn-CS", "sr_Latn_CS"}};
    for (auto [name, qtName] : kNames)
        EXPECT_EQ(LocaleUtil::LocaleNameToQtLocaleName(QString::fromUtf8(name)),
                  QString::fromUtf8(qtName))
            << '"' << name << '"';
}

TEST(CurrentSystemLocale, FollowsTheEnvironment) {
    vvztest::LocaleEnvironment environment;
    environment.Set("LANG", "de_DE.UTF-8");
    EXPECT_EQ(LocaleUtil::GetCurrentSystemLocale(), QStringLiteral("de-DE"));
    environment.Set("LANG", "sr_RS@latin");
    EXPECT_EQ(LocaleUtil::GetCurrentSystemLocale(), QString());
    environment.Set("LANG", nullptr);
    EXPECT_EQ(LocaleUtil::GetCurrentSystemLocale(), QStringLiteral("en-US"));
}

} // namespace
