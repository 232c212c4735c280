#pragma once

#include <ViVuzaZadur/UnitsConfig.h>

#include <vector>

namespace velmar::platform::core::units {

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
