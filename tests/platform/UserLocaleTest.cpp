#include "TestEnvironment.h"

#include "platform/UserLocale.h"

#include <gtest/gtest.h>

namespace {

// The user's default LCID comes from the first of LC_ALL, LC_MESSAGES and LANG that is set and
// not empty (null: unset).
TEST(UserDefaultLcid, ComesFromTheFirstLocaleVariableSet) {
    const struct {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        unsigned long lcid;
    } cases[] = {
        {nullptr, nullptr, nullptr, 0x0409},
        {nullptr, nullptr, "C", 0x0409},
        {nullptr, nullptr, "POSIX", 0x0409},
        {nullptr, nullptr, "C.UTF-8", 0x0409},
        {nullptr, nullptr, "de_DE.UTF-8", 0x0407},
        {nullptr, nullptr, "de_DE@euro", 0x0407},
        {nullptr, nullptr, "de_DE.ISO-8859-15@euro", 0x0407},
        {nullptr, nullptr, "de", 0x0007},
        {nullptr, nullptr, "fr_CA", 0x0C0C},
        {nullptr, nullptr, "xx_YY.UTF-8", 0x0C00},
        {nullptr, nullptr, "", 0x0409},
        {"", "", "ru_RU.UTF-8", 0x0419},
        {nullptr, "sv_SE.UTF-8", "de_DE.UTF-8", 0x041D},
        {"it_IT.UTF-8", "sv_SE.UTF-8", "de_DE.UTF-8", 0x0410},
        {"C", "sv_SE.UTF-8", "de_DE.UTF-8", 0x0409},
    };
    auto show = [](const char* value) { return value == nullptr ? "(unset)" : value; };
    for (const auto& c : cases) {
        vvztest::LocaleEnvironment environment;
        environment.Set("LC_ALL", c.lcAll);
        environment.Set("LC_MESSAGES", c.lcMessages);
        environment.Set("LANG", c.lang);
        EXPECT_EQ(velmar::platform::core::os::UserDefaultLcid(), c.lcid)
            << "LC_ALL=" << show(c.lcAll) << " LC_MESSAGES=" << show(c.lcMessages)
            << " LANG=" << show(c.lang);
    }
}

} // namespace
