#pragma once

#include <QString>
#include <QStringList>

namespace velmar::platform::core::units {
class UnitsFormatter;
}

// The units command: writes the unit groups, the units and symbols of one group, or the units
// that a search finds, one a line: the id, the global name, and the name or symbol text in
// the formatter's locale.
class UnitsListing {
public:
    explicit UnitsListing(const velmar::platform::core::units::UnitsFormatter& formatter)
        : formatter(formatter) {}

    void WriteGroups() const;
    void WriteGroup(int group) const;
    // The units whose global name, name or symbol text in any shipped locale contains text,
    // in any case; each is followed by the text it was found by and that text's locale.
    // Returns the count of units found.
    int WriteSearch(const QString& text) const;

    // The locales whose translations the library found: the locale folders beside en-US's.
    static QStringList ShippedLocales();

private:
    void WriteLine(int id, int indent, const QString& suffix = QString()) const;

    const velmar::platform::core::units::UnitsFormatter& formatter;
};
