#include "TestEnvironment.h"

#include <ViVuzaZadurUI/LocaleUtil.h>

#include <gtest/gtest.h>

using velmar::platform::core::locale::LocaleUtil;

namespace {

struct QtNameCase {
    const char* name;
    const char* qtName;
};

void PrintTo(const QtNameCase& c, std::ostream* out) {
    *out << '"' << c.name << '"';
}

class QtLocaleName : public ::testing::TestWithParam<QtNameCase> {};

TEST_P(QtLocaleName, RegionRepeatingTheLanguageCollapses) {
    EXPECT_EQ(LocaleUtil::LocaleNameToQtLocaleName(QString::fromUtf8(GetParam().name)),
              QString::fromUtf8(GetParam().qtName));
}

INSTANTIATE_TEST_SUITE_P(
    Names, QtLocaleName,
    ::testing::Values(QtNameCase{"de-DE", "de"}, QtNameCase{"fr-FR", "fr"},
                      QtNameCase{"de-de", "de"}, QtNameCase{"it-IT", "it"},
                      QtNameCase{"en-US", "en_US"}, QtNameCase{"de-AT", "de_AT"},
                      QtNameCase{"it-CH", "it_CH"}, QtNameCase{"zh-CHS", "zh_CHS"},
                      QtNameCase{"sr-Latn-CS", "sr_Latn_CS"}, QtNameCase{"de", "de"},
                      QtNameCase{"", ""}, QtNameCase{"de_DE", "de"}, QtNameCase{"-", ""},
                      QtNameCase{"xx-xx-YY", "xx"}));

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
