#pragma once

#include <ViVuzaZadur/UnitsConfig.h>

#include <vector>

namespace vvztest {

// Every unit symbol id of the catalogue, in catalogue order: groups, their units, their
// symbols.
inline std::vector<int> AllSymbols() {
    using velmar::platform::core::units::UnitsConfig;
    const UnitsConfig* config = UnitsConfig::GetInstance();
    auto ids = [config](size_t (UnitsConfig::*list)(int, int*) const, int of) {
        std::vector<int> found((config->*list)(of, nullptr));
        (config->*list)(of, found.data());
        return found;
    };
    std::vector<int> groups(config->GetUnitGroups(nullptr));
    config->GetUnitGroups(groups.data());
    std::vector<int> symbols;
    for (int group : groups)
        for (int unit : ids(&UnitsConfig::GetUnitTypes, group))
            for (int symbol : ids(&UnitsConfig::GetUnitSymbols, unit))
                symbols.push_back(symbol);
    return symbols;
}

} // namespace vvztest
