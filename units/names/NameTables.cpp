#include "units/names/NameTables.h"

#include <algorithm>
#include <deque>
#include <string>
#include <type_traits>
#include <vector>

namespace velmar::platform::core::units {

namespace {

// The English names are the last column of the catalogue's tables.
#define GROUP(id, globalName, primary, name) {id, name},
const GroupNameRow kGroupNames[] = {
#include "coreunits/catalogue/Groups.inc"
};
#undef GROUP

const NumberFormatNameRow kNumberFormatNames[] = {
    {nfExponential, "Exponential"}, {nfExponentialLower, "exponential"},
    {nfFixedPoint, "Fixed Point"},  {nfGeneral, "General"},
    {nfGeneralLower, "general"},    {nfNumber, "Number"},
    {nfFraction, "Fraction"},
};

#define UNIT(id, globalName, factor, offset, dimension, symbols, name) {id, name},
const UnitTypeNameRow kUnitTypeNames[] = {
#include "coreunits/catalogue/Units.inc"
};
#undef UNIT

// The symbols of a unit as the catalogue lists them: its global symbol names, space-separated.
struct UnitSymbolsRow {
    int id;
    const char* symbols;
};
#define UNIT(id, globalName, factor, offset, dimension, symbols, name) {id, symbols},
const UnitSymbolsRow kUnitSymbols[] = {
#include "coreunits/catalogue/Units.inc"
};
#undef UNIT

constexpr int kVariantShift = 20;

// The keys of the unit symbols, derived from the catalogue: variant 1 of every unit is its
// name; each listed symbol after it is a translated key, "eS" and its global name, except "-",
// another name of the unit.
class SymbolKeys {
public:
    SymbolKeys() {
        for (const UnitSymbolsRow& unit : kUnitSymbols) {
            int variant = 1;
            rows_.push_back({unit.id | variant << kVariantShift, UnitName, ""});
            std::string listed = unit.symbols;
            for (size_t start = 0; start < listed.size();) {
                size_t end = std::min(listed.find(' ', start), listed.size());
                std::string symbol = listed.substr(start, end - start);
                start = end + 1;
                if (symbol.empty())
                    continue;
                int id = unit.id | ++variant << kVariantShift;
                if (symbol == "-") {
                    rows_.push_back({id, UnitName, ""});
                } else {
                    keys_.push_back("eS" + symbol);
                    rows_.push_back({id, Translated, keys_.back().c_str()});
                }
            }
        }
    }
    NameTable<UnitSymbolKeyRow> Table() const { return {rows_.data(), rows_.size()}; }

private:
    std::deque<std::string> keys_; // the rows point into these
    std::vector<UnitSymbolKeyRow> rows_;
};

template <class Row, size_t N> constexpr NameTable<Row> TableOf(const Row (&rows)[N]) {
    return NameTable<Row>{rows, N};
}

// An index of a table by id: its rows sorted by id, built once on first use.
template <class Row, class Id> class Index {
public:
    explicit Index(const NameTable<Row>& table) {
        for (const Row& row : table)
            rows_.push_back(&row);
        std::sort(rows_.begin(), rows_.end(),
                  [](const Row* a, const Row* b) { return IdOf(*a) < IdOf(*b); });
    }
    const Row* Find(Id id) const {
        auto found =
            std::lower_bound(rows_.begin(), rows_.end(), id,
                             [](const Row* row, Id wanted) { return IdOf(*row) < wanted; });
        return found != rows_.end() && IdOf(**found) == id ? *found : nullptr;
    }
    const std::vector<const Row*>& Rows() const { return rows_; }

private:
    static Id IdOf(const Row& row) {
        if constexpr (std::is_same_v<Row, NumberFormatNameRow>)
            return row.format;
        else
            return row.id;
    }
    std::vector<const Row*> rows_;
};

const Index<UnitSymbolKeyRow, int>& SymbolIndex() {
    static const Index<UnitSymbolKeyRow, int> index(UnitSymbolKeys());
    return index;
}

} // namespace

const NameTable<GroupNameRow> UnitGroupNames = TableOf(kGroupNames);
const NameTable<NumberFormatNameRow> NumberFormatNames = TableOf(kNumberFormatNames);
const NameTable<UnitTypeNameRow> UnitTypeNames = TableOf(kUnitTypeNames);

const NameTable<UnitSymbolKeyRow>& UnitSymbolKeys() {
    static const SymbolKeys keys;
    static const NameTable<UnitSymbolKeyRow> table = keys.Table();
    return table;
}

const GroupNameRow* FindGroupName(int groupId) {
    static const Index<GroupNameRow, int> index(UnitGroupNames);
    return index.Find(groupId);
}

const NumberFormatNameRow* FindNumberFormatName(NumberFormat format) {
    static const Index<NumberFormatNameRow, NumberFormat> index(NumberFormatNames);
    return index.Find(format);
}

const UnitTypeNameRow* FindUnitTypeName(int unitId) {
    static const Index<UnitTypeNameRow, int> index(UnitTypeNames);
    return index.Find(unitId);
}

const UnitSymbolKeyRow* FindUnitSymbolKey(int symbolId) {
    return SymbolIndex().Find(symbolId);
}

const std::vector<const UnitSymbolKeyRow*>& UnitSymbolKeysById() {
    return SymbolIndex().Rows();
}

} // namespace velmar::platform::core::units
