#pragma once

#include <QString>

#include <vector>

namespace velmar::platform::core::units {
class UnitsFormatter;
}

// The catalogue's groups, units and symbols as the tool walks them, and their texts.
class UnitCatalogue {
public:
    static std::vector<int> Groups();
    static std::vector<int> Units(int group);
    static std::vector<int> Symbols(int unit);

    // An id with group bits only.
    static bool IsGroup(int id) { return id != 0 && (id & ~0xff000) == 0; }
    // An id with unit bits and no symbol bits.
    static bool IsUnit(int id) { return (id & 0xfff) != 0 && (id >> 20) == 0; }
    // Whether a group, unit or symbol of the catalogue has the id.
    static bool Names(int id);

    // The id as the listing shows it: 0x02017, 0x0202017.
    static QString IdText(int id);
    // The translated name of a group or unit, the text of a symbol; empty when it has none.
    static QString DisplayName(const velmar::platform::core::units::UnitsFormatter& formatter,
                               int id);
};
