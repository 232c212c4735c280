#pragma once

#include <ViVuzaZadur/UnitsTypes.h>

#include <QString>

#include <memory>

class QLocale;

namespace velmar::platform::core::units {

class UnitsFormatter;

// How a field sets up a formatter of its own.
struct OwnFormat {
    int precision = 2;
    NumberFormat numericFormat = nfNumber;
    // The field's unit and display (as UnitsFormatter::Format takes them); with a unit, the
    // formatter reads as Prepare sets it up for them.
    int unit = 0;
    int display = 0;
};

// The formatter a field reads and writes with: one the host shares, or one of the field's own,
// made for the field's locale with that locale's number conventions and made again when the
// locale or the set-up changes. A shared formatter is used as the host set it up.
class FieldFormatter {
public:
    // Shares formatter, or makes the own formatter when it is null.
    FieldFormatter(const UnitsFormatter* formatter, const QLocale& locale, const OwnFormat& format);
    ~FieldFormatter();
    FieldFormatter(const FieldFormatter&) = delete;
    FieldFormatter& operator=(const FieldFormatter&) = delete;

    const UnitsFormatter& Get() const;
    bool IsShared() const { return shared != nullptr; }
    // Shares formatter; null makes the own formatter again.
    void Share(const UnitsFormatter* formatter);
    // True when the own formatter in use was made again, and what it writes may differ. While
    // a formatter is shared they only take note, for the own formatter made when sharing ends.
    bool SetLocale(const QLocale& locale);
    bool SetFormat(const OwnFormat& format);
    const OwnFormat& Format() const { return format; }

    // The unit symbol that Format writes a value of unit with for display (0: unit's own
    // default symbol; a group its default unit's); 0 when there is none.
    static int DisplayedSymbol(const UnitsFormatter& formatter, int unit, int display);
    // Sets formatter up for a field: a bare number is read in the displayed unit, and the
    // parts of a composite display may be typed apart, separated by spaces: «5 6 1/2» for
    // 5'6 1/2", «45 30 15» for 45°30'15", «5 30» for 5'30" of time (a symbol parsing string;
    // where the formatter already has those literals for another symbol, it keeps them).
    static void Prepare(UnitsFormatter& formatter, int unit, int display);

private:
    void Make();

    std::unique_ptr<UnitsFormatter> own; // null while a formatter is shared
    const UnitsFormatter* shared = nullptr;
    QString localeName; // the library's name of the field's locale: "de-DE"
    OwnFormat format;
};

} // namespace velmar::platform::core::units
