#include "TestEnvironment.h"

#include "platform/UserLocale.h"

#include <gtest/gtest.h>

namespace {

struct EnvironmentCase {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    unsigned long lcid;
};

void PrintTo(const EnvironmentCase& c, std::ostream* out) {
    auto show = [](const char* value) { return value == nullptr ? "(unset)" : value; };
    *out << "LC_ALL=" << show(c.lcAll) << " LC_MESSAGES=" << show(c.lcMessages)
         << " LANG=" << show(c.lang);
}

class UserDefaultLcid : public ::testing::TestWithParam<EnvironmentCase> {};

TEST_P(UserDefaultLcid, ComesFromTheFirstLocaleVariableSet) {
    vvztest::LocaleEnvironment environment;
    environment.Set("LC_ALL", GetParam().lcAll);
    environment.Set("LC_MESSAGES", GetParam().lcMessages);
    environment.Set("LANG", GetParam().lang);
    EXPECT_EQ(velmar::platform::core::os::UserDefaultLcid(), GetParam().lcid);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, UserDefaultLcid,
    ::testing::Values(EnvironmentCase{nullptr, nullptr, nullptr, 0x0409},
                      EnvironmentCase{nullptr, nullptr, "C", 0x0409},
                      EnvironmentCase{nullptr, nullptr, "POSIX", 0x0409},
                      EnvironmentCase{nullptr, nullptr, "C.UTF-8", 0x0409},
                      EnvironmentCase{nullptr, nullptr, "de_DE.UTF-8", 0x0407},
                      EnvironmentCase{nullptr, nullptr, "de_DE@euro", 0x0407},
                      EnvironmentCase{nullptr, nullptr, "de_DE.ISO-8859-15@euro", 0x0407},
                      EnvironmentCase{nullptr, nullptr, "de", 0x0007},
                      EnvironmentCase{nullptr, nullptr, "fr_CA", 0x0C0C},
                      EnvironmentCase{nullptr, nullptr, "xx_YY.UTF-8", 0x0C00},
                      EnvironmentCase{nullptr, nullptr, "", 0x0409},
                      EnvironmentCase{"", "", "ru_RU.UTF-8", 0x0419},
                      EnvironmentCase{nullptr, "sv_SE.UTF-8", "de_DE.UTF-8", 0x041D},
                      EnvironmentCase{"it_IT.UTF-8", "sv_SE.UTF-8", "de_DE.UTF-8", 0x0410},
                      EnvironmentCase{"C", "sv_SE.UTF-8", "de_DE.UTF-8", 0x0409}));

} // namespace
