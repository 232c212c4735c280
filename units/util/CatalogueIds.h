#pragma once

#include <ViVuzaZadur/UnitsConfig.h>
#include <ViVuzaZadurUI/UnitIds.h>

#include <vector>

namespace velmar::platform::core::units {

// The layout of the catalogue's ids, and the ids the library's own code refers to.
namespace ids {

// One 32-bit id space: the unit index in bits 0 to 11, the group index in bits 12 to 19 and
// the symbol variant in bits 20 to 27, each counted from 1. A group id has only its group
// field, a unit id its group and unit fields, a symbol id all three.
constexpr int kUnitField = 0xfff;
constexpr int kGroupField = 0xff000;
constexpr int kSymbolField = 0xff00000;
constexpr int kGroupShift = 12;
constexpr int kSymbolShift = 20;
constexpr int kIdMask = kUnitField | kGroupField | kSymbolField;

// The group of any id.
constexpr int GroupOf(int id) {
    return id & kGroupField;
}
// The unit of a unit or symbol id.
constexpr int UnitOf(int id) {
    return id & (kGroupField | kUnitField);
}
// The symbol variant of a symbol id, from 1; 0 for a group or unit id.
constexpr int VariantOf(int id) {
    return (id & kSymbolField) >> kSymbolShift;
}
// The symbol of a unit id with the given variant.
constexpr int SymbolOf(int unit, int variant) {
    return unit | variant << kSymbolShift;
}
// A field of the id as an index from 0, or -1 when the field is 0.
constexpr int IndexOf(int id, int field, int shift) {
    return ((id & field) >> shift) - 1;
}

// Whether the fields of an id make it a group id, or a unit id; whether the catalogue has it is
// another question.
constexpr bool IsGroupId(int id) {
    return GroupOf(id) != 0 && (id & (kSymbolField | kUnitField)) == 0;
}
constexpr bool IsUnitId(int id) {
    return (id & kUnitField) != 0 && VariantOf(id) == 0;
}

} // namespace ids

// The ids of the catalogue, in its order, as the core units library lists them.
namespace catalogue_ids {

// Every unit group id.
inline std::vector<int> Groups() {
    const UnitsConfig* config = UnitsConfig::GetInstance();
    std::vector<int> ids(config->GetUnitGroups(nullptr));
    config->GetUnitGroups(ids.data());
    return ids;
}

// What a list member of the configuration lists of a group or unit.
inline std::vector<int> List(size_t (UnitsConfig::*list)(int, int*) const, int of) {
    const UnitsConfig* config = UnitsConfig::GetInstance();
    std::vector<int> ids((config->*list)(of, nullptr));
    (config->*list)(of, ids.data());
    return ids;
}

// The unit ids of a group.
inline std::vector<int> Units(int group) {
    return List(&UnitsConfig::GetUnitTypes, group);
}

// The unit symbol ids of a unit.
inline std::vector<int> Symbols(int unit) {
    return List(&UnitsConfig::GetUnitSymbols, unit);
}

} // namespace catalogue_ids

} // namespace velmar::platform::core::units
