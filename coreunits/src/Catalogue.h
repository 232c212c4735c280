#pragma once

#include <ViVuzaZadur/UnitConverter.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace velmar::platform::core::units::catalogue {

// The unit catalogue of the process, built from the tables in catalogue/ on first use and
// read-only afterwards.
class Catalogue {
public:
    struct Unit {
        int id;
        std::wstring globalName;
        UnitConverter converter;
        std::vector<int> symbols;              // symbol ids, variant order
        std::vector<std::wstring> symbolNames; // global names, same order
    };
    struct Group {
        int id;
        std::wstring globalName;
        std::vector<Unit> units;
    };

    static const Catalogue& Instance();

    const std::vector<Group>& Groups() const { return groups_; }
    std::vector<int> GroupIds() const;
    // Null when the id has no group, unit or (when given) symbol of the catalogue.
    const Group* FindGroup(int id) const;
    const Unit* FindUnit(int id) const;
    // The global name of a group, unit or symbol id, or null.
    const std::wstring* FindGlobalName(int id) const;
    int FindGroupOfDimension(const DimensionTag& dimension) const;

    // Name to id; 0 when unknown.
    int GroupId(const std::wstring& name) const { return Find(groupIds_, name); }
    int UnitId(const std::wstring& name) const { return Find(unitIds_, name); }
    int SymbolId(const std::wstring& name) const { return Find(symbolIds_, name); }

private:
    Catalogue();
    static int Find(const std::unordered_map<std::wstring, int>& ids, const std::wstring& name);

    std::vector<Group> groups_;
    std::map<std::array<int, 7>, int> groupOfDimension_;
    std::unordered_map<std::wstring, int> groupIds_;
    std::unordered_map<std::wstring, int> unitIds_;
    std::unordered_map<std::wstring, int> symbolIds_;
};

} // namespace velmar::platform::core::units::catalogue
