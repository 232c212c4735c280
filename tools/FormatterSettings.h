#pragma once

#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <QString>

#include <memory>

class CommandLine;

// The formatter that the options ask for: --locale, --locale-numbers, --no-locale-numbers,
// --precision, --format, --decimal and --group.
//
// Without --locale the formatter takes the user's locale as the library resolves it, and
// numbers stay «1,234.5», which scripts can rely on; --locale NAME also takes that locale's
// number conventions unless --no-locale-numbers is given. --decimal and --group come last and
// override the locale's.
class FormatterSettings {
public:
    // Null, with the reason in error, for a value that is none (an unknown numeric format, a
    // precision out of range, an empty separator, a locale Qt does not know). A locale without
    // translations is not an error: names and symbols then come in the library's fallback
    // locale, and a message on standard error says so.
    static std::unique_ptr<velmar::platform::core::units::UnitsFormatter>
    Create(const CommandLine& line, QString& error);
};
