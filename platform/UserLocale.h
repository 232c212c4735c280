#pragma once

namespace velmar::platform::core::os {

// LCID of the user's default locale, read from the process environment each time:
// LC_ALL, then LC_MESSAGES, then LANG (the first that is set and not empty). "C", "POSIX" or
// nothing set gives 0x0409 (en-US). "de_DE.UTF-8" or "de_DE@euro" gives the LCID of de-DE. A
// culture without a row in the locale table gives 0x0C00, the custom default locale.
unsigned long UserDefaultLcid();

constexpr unsigned long kCustomDefaultLcid = 0x0C00;

} // namespace velmar::platform::core::os
