#pragma once

#include "units/util/CatalogueIds.h"

#include <vector>

namespace vvztest {

// Every unit symbol id of the catalogue, in catalogue order: groups, their units, their
// symbols.
inline std::vector<int> AllSymbols() {
    namespace ids = velmar::platform::core::units::catalogue_ids;
    std::vector<int> symbols;
    for (int group : ids::Groups())
        for (int unit : ids::Units(group))
            for (int symbol : ids::Symbols(unit))
                symbols.push_back(symbol);
    return symbols;
}

} // namespace vvztest
