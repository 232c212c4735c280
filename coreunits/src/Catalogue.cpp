#include "Catalogue.h"

#include "catalogue/Definitions.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace velmar::platform::core::units::catalogue {
namespace {

struct GroupRow {
    int id;
    const char* globalName;
    bool primary; // the group that a bare dimension maps back to
};

struct UnitRow {
    int id;
    const char* globalName;
    double factor;
    double offset;
    Dimension dimension;
    const char* symbols; // global names of variants 2 and up, space-separated
};

constexpr bool Primary = true;
constexpr bool Secondary = false;

#define GROUP(id, name, primary, englishName) {id, name, primary},
constexpr GroupRow kGroups[] = {
#include "catalogue/Groups.inc"
};
#undef GROUP

#define UNIT(id, name, factor, offset, dimension, symbols, englishName)                            \
    {id, name, factor, offset, dimension, symbols},
constexpr UnitRow kUnits[] = {
#include "catalogue/Units.inc"
};
#undef UNIT

constexpr int kGroupMask = 0xff000;
constexpr int kUnitMask = 0xfff;
constexpr int kVariantShift = 20;
constexpr int kIdMask = 0xfffffff;

std::wstring Widen(const char* text) {
    return std::wstring(text, text + std::strlen(text));
}

std::array<int, 7> Key(const DimensionTag& dimension) {
    std::array<int, 7> key;
    std::copy(dimension, dimension + 7, key.begin());
    return key;
}

// A symbol that stands for the unit's name carries no key of its own: "-" in the table.
std::wstring SymbolName(const std::wstring& unitName, const std::wstring& listed, int variant) {
    if (variant == 1)
        return unitName + L"_Name";
    if (listed == L"-")
        return unitName + L"_Name" + std::to_wstring(variant);
    return listed;
}

} // namespace

const Catalogue& Catalogue::Instance() {
    static const Catalogue catalogue;
    return catalogue;
}

Catalogue::Catalogue() {
    for (const GroupRow& row : kGroups) {
        groups_.push_back(Group{row.id, Widen(row.globalName), {}});
        groupIds_.emplace(groups_.back().globalName, row.id);
    }
    for (const UnitRow& row : kUnits) {
        Group& group = groups_.at(((row.id & kGroupMask) >> 12) - 1);
        if (group.id != (row.id & kGroupMask) ||
            static_cast<int>(group.units.size()) + 1 != (row.id & kUnitMask))
            throw std::logic_error("unit catalogue rows out of order");
        Unit unit{row.id,
                  Widen(row.globalName),
                  UnitConverter(row.factor, row.offset, row.dimension.exponents),
                  {},
                  {}};
        std::vector<std::wstring> listed{L""};
        std::wstring symbols = Widen(row.symbols);
        for (size_t start = 0; start < symbols.size();) {
            size_t end = std::min(symbols.find(L' ', start), symbols.size());
            if (end > start)
                listed.push_back(symbols.substr(start, end - start));
            start = end + 1;
        }
        for (size_t i = 0; i < listed.size(); ++i) {
            int variant = static_cast<int>(i) + 1;
            int id = (variant << kVariantShift) | row.id;
            unit.symbols.push_back(id);
            unit.symbolNames.push_back(SymbolName(unit.globalName, listed[i], variant));
            symbolIds_.emplace(unit.symbolNames.back(), id);
        }
        unitIds_.emplace(unit.globalName, row.id);
        group.units.push_back(std::move(unit));
    }
    for (size_t i = 0; i < groups_.size(); ++i)
        if (kGroups[i].primary && !groups_[i].units.empty())
            groupOfDimension_.emplace(Key(groups_[i].units.front().converter.GetDimTag()),
                                      groups_[i].id);
}

std::vector<int> Catalogue::GroupIds() const {
    std::vector<int> ids;
    for (const Group& group : groups_)
        ids.push_back(group.id);
    return ids;
}

const Catalogue::Group* Catalogue::FindGroup(int id) const {
    if (id < 0 || (id & ~kIdMask) != 0)
        return nullptr;
    size_t index = static_cast<size_t>((id & kGroupMask) >> 12);
    if (index == 0 || index > groups_.size())
        return nullptr;
    return &groups_[index - 1];
}

const Catalogue::Unit* Catalogue::FindUnit(int id) const {
    const Group* group = FindGroup(id);
    size_t index = static_cast<size_t>(id & kUnitMask);
    if (group == nullptr || index == 0 || index > group->units.size())
        return nullptr;
    const Unit& unit = group->units[index - 1];
    size_t variant = static_cast<size_t>(id >> kVariantShift);
    if (variant > unit.symbols.size())
        return nullptr;
    return &unit;
}

const std::wstring* Catalogue::FindGlobalName(int id) const {
    if ((id & kUnitMask) == 0) {
        const Group* group = FindGroup(id);
        return group != nullptr && (id & ~kGroupMask) == 0 ? &group->globalName : nullptr;
    }
    const Unit* unit = FindUnit(id);
    if (unit == nullptr)
        return nullptr;
    int variant = id >> kVariantShift;
    return variant == 0 ? &unit->globalName : &unit->symbolNames[variant - 1];
}

int Catalogue::FindGroupOfDimension(const DimensionTag& dimension) const {
    auto found = groupOfDimension_.find(Key(dimension));
    return found == groupOfDimension_.end() ? 0 : found->second;
}

int Catalogue::Find(const std::unordered_map<std::wstring, int>& ids, const std::wstring& name) {
    auto found = ids.find(name);
    return found == ids.end() ? 0 : found->second;
}

} // namespace velmar::platform::core::units::catalogue
