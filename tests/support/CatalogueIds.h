#pragma once

#include <ViVuzaZadur/UnitsConfig.h>

#include <vector>

namespace vvztest {

// The ids that the core units library lists of a group (units) or of a unit (unit symbols).
inline std::vector<int>
Ids(size_t (velmar::platform::core::units::UnitsConfig::*list)(int, int*) const, int of) {
    const auto* config = velmar::platform::core::units::UnitsConfig::GetInstance();
    std::vector<int> ids((config->*list)(of, nullptr));
    (config->*list)(of, ids.data());
    return ids;
}

// Every unit symbol id of the catalogue, group by group and unit by unit.
inline std::vector<int> AllSymbols() {
    using velmar::platform::core::units::UnitsConfig;
    const UnitsConfig* config = UnitsConfig::GetInstance();
    std::vector<int> groups(config->GetUnitGroups(nullptr));
    config->GetUnitGroups(groups.data());
    std::vector<int> symbols;
    for (int group : groups)
        for (int unit : Ids(&UnitsConfig::GetUnitTypes, group))
            for (int symbol : Ids(&UnitsConfig::GetUnitSymbols, unit))
                symbols.push_back(symbol);
    return symbols;
}

} // namespace vvztest
