#pragma once

#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <QString>

#include <memory>

class CommandLine;

// The formatter that the options ask for: --locale, --c-numbers, --precision, --format,
// --decimal and --group.
//
// One locale rules names, symbols, messages and numbers alike: the one --locale names, or
// else the process locale as the library reads it (LC_ALL, LC_MESSAGES, LANG). Numbers are
// read and written with that locale's conventions (NumberConventions), so that under de-DE
// «1,5 m» is one and a half meters. --c-numbers sets the C conventions instead (a point, no
// digit groups), which do not change with the user's environment. --decimal and --group come
// last and override either.
class FormatterSettings {
public:
    // Null, with the reason in error, for a value that is none (an unknown numeric format, a
    // precision out of range, an empty separator, a locale Qt does not know, a decimal
    // separator equal to the group separator, which would make numbers unreadable). A locale
    // without translations is not an error: names and symbols then come in the library's
    // fallback locale, and a message on standard error says so.
    static std::unique_ptr<velmar::platform::core::units::UnitsFormatter>
    Create(const CommandLine& line, QString& error);

    // Sets the C number conventions: a point for decimals, no digit groups, "-" for negative
    // numbers.
    static void SetCNumbers(velmar::platform::core::units::UnitsFormatter& formatter);
};
