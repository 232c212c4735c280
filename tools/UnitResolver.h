#pragma once

#include <QHash>
#include <QString>
#include <QVector>

#include <memory>

namespace velmar::platform::core::units {
class UnitsFormatter;
}

// Finds the group, unit or unit symbol that a command-line argument names. The library has no
// call from a symbol text to its id, so the resolver tries, in this order, and takes the first
// way that finds anything:
//   1. an id, in hex or decimal (0x2017, 8215);
//   2. a display name in the formatter's locale: a symbol text (м, °C, kN·m) or the name of a
//      unit or group (метр, Длина), matched exactly;
//   3. the same in en-US, whose texts every locale reads too;
//   4. a global name (Foot, ft, Length);
//   5. a typed spelling that the formatter parses as one unit (m2, kN*m, kg*m/s^2): "1 TEXT"
//      is parsed in each group, and the units of that group whose converter gives the same
//      base value are found.
// A text means what it means in a quantity, so texts come before global names of the same
// spelling: «lb» is the pound, whose symbol's global name is lbav, and not the metric pound,
// whose symbol's global name is lb; under de-DE «Grad» is the degree, not the gon (Grad). The
// id or another global name (PoundMeter) names the other. Among several units that a text
// names, the one it is the global name of is taken: under fr-FR «ch» is the chain, as in a
// quantity.
// Several finds that convert alike (the same factor, offset and dimension) are one: the first
// whose symbol text has the same letters as the text (kN*m finds kN·m, m2 finds m²), else a
// symbol before a unit, then the first in catalogue order. Finds that convert differently are
// refused as ambiguous, with the candidates in the message.
class UnitResolver {
public:
    enum Kind {
        AnyUnit, // a unit or unit symbol; a group stands for its default unit
        Group,   // a group; a unit or symbol stands for its group
    };

    explicit UnitResolver(const velmar::platform::core::units::UnitsFormatter& formatter);
    ~UnitResolver();

    // The id that text names, or 0 with the reason in error. With dimension, only ids of that
    // dimension are taken.
    int Resolve(const QString& text, Kind kind, const int* dimension, QString& error) const;

    // The dimension of a group, unit or symbol id; null when it has none.
    static const int* Dimension(int id);

private:
    using TextIndex = QHash<QString, QVector<int>>;

    QVector<int> Find(const QString& text, const int* dimension) const;
    QVector<int> FindByParsing(const QString& text) const;
    // Of finds that convert alike, the one to take.
    int SpelledLike(const QString& text, const QVector<int>& found) const;
    static void Index(const velmar::platform::core::units::UnitsFormatter& formatter,
                      TextIndex& index);

    const velmar::platform::core::units::UnitsFormatter& formatter;
    std::unique_ptr<velmar::platform::core::units::UnitsFormatter> english;
    mutable TextIndex localeTexts;
    mutable TextIndex englishTexts;
};
