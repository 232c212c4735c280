#include "units/names/NameTables.h"

#include <algorithm>
#include <type_traits>
#include <vector>

namespace velmar::platform::core::units {

namespace {

const GroupNameRow kGroupNames[] = {
#include "units/names/UnitGroupNames.inc"
};

const NumberFormatNameRow kNumberFormatNames[] = {
    {nfExponential, "Exponential"}, {nfExponentialLower, "exponential"},
    {nfFixedPoint, "Fixed Point"},  {nfGeneral, "General"},
    {nfGeneralLower, "general"},    {nfNumber, "Number"},
    {nfFraction, "Fraction"},
};

const UnitTypeNameRow kUnitTypeNames[] = {
#include "units/names/UnitTypeNames.inc"
};

const UnitSymbolKeyRow kUnitSymbolKeys[] = {
#include "units/names/UnitSymbolKeys.inc"
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
    static const Index<UnitSymbolKeyRow, int> index(UnitSymbolKeys);
    return index;
}

} // namespace

const NameTable<GroupNameRow> UnitGroupNames = TableOf(kGroupNames);
const NameTable<NumberFormatNameRow> NumberFormatNames = TableOf(kNumberFormatNames);
const NameTable<UnitTypeNameRow> UnitTypeNames = TableOf(kUnitTypeNames);
const NameTable<UnitSymbolKeyRow> UnitSymbolKeys = TableOf(kUnitSymbolKeys);

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
