#include <ViVuzaZadur/UnitsConfig.h>

#include "Catalogue.h"

#include <algorithm>

namespace velmar::platform::core::units {

using catalogue::Catalogue;

UnitsConfig::UnitsConfig() = default;

UnitsConfig::~UnitsConfig() = default;

UnitsConfig* UnitsConfig::GetInstance() {
    static UnitsConfig config;
    return &config;
}

const UnitConverter* UnitsConfig::FindConverter(int id) const {
    const Catalogue::Unit* unit = Catalogue::Instance().FindUnit(id);
    return unit == nullptr ? nullptr : &unit->converter;
}

int UnitsConfig::FindUnitGroup(const DimensionTag& dimension) const {
    return Catalogue::Instance().FindGroupOfDimension(dimension);
}

namespace {

size_t CopyIds(const std::vector<int>& ids, int* out) {
    if (out != nullptr)
        std::copy(ids.begin(), ids.end(), out);
    return ids.size();
}

} // namespace

size_t UnitsConfig::GetUnitGroups(int* groups) const {
    return CopyIds(Catalogue::Instance().GroupIds(), groups);
}

size_t UnitsConfig::GetUnitTypes(int group, int* units) const {
    const Catalogue::Group* found = Catalogue::Instance().FindGroup(group);
    if (found == nullptr || (group & ~0xff000) != 0)
        return 0;
    std::vector<int> ids;
    for (const Catalogue::Unit& unit : found->units)
        ids.push_back(unit.id);
    return CopyIds(ids, units);
}

size_t UnitsConfig::GetUnitSymbols(int unit, int* symbols) const {
    const Catalogue::Unit* found = Catalogue::Instance().FindUnit(unit);
    if (found == nullptr || (unit & ~0xfffff) != 0)
        return 0;
    return CopyIds(found->symbols, symbols);
}

const wchar_t* UnitsConfig::GetGlobalName(int symbol) const {
    if ((symbol & 0xff00000) == 0)
        return nullptr;
    const std::wstring* name = Catalogue::Instance().FindGlobalName(symbol);
    return name == nullptr ? nullptr : name->c_str();
}

} // namespace velmar::platform::core::units
