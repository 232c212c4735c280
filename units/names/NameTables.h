#pragma once

#include <ViVuzaZadur/UnitsTypes.h>

#include <cstddef>
#include <vector>

namespace velmar::platform::core::units {

// Where a unit symbol's display text comes from.
enum SymbolTextKind : int {
    Translated = 0, // its key, translated in the symbols translation file
    UnitName = 1,   // the display name of its unit
    Literal = 2,    // the key itself, untranslated
};

// The library's fixed English vocabulary, taken from the catalogue's tables. The names are the
// source texts of the translation files; all are ASCII, kept as UTF-8 so that they serve
// translator lookups as they are. Each table lists its rows in catalogue order.
struct GroupNameRow {
    int id;
    const char* name;
};
struct NumberFormatNameRow {
    NumberFormat format;
    const char* name;
};
struct UnitTypeNameRow {
    int id;
    const char* name;
};
struct UnitSymbolKeyRow {
    int id;
    SymbolTextKind kind;
    const char* key; // empty for the kind UnitName
};

template <class Row> struct NameTable {
    const Row* rows;
    size_t count;
    const Row* begin() const { return rows; }
    const Row* end() const { return rows + count; }
};

extern const NameTable<GroupNameRow> UnitGroupNames;           // the catalogue's groups
extern const NameTable<NumberFormatNameRow> NumberFormatNames; // 7 numeric formats
extern const NameTable<UnitTypeNameRow> UnitTypeNames;         // the catalogue's units
// Every unit symbol: variant 1 of each unit and the symbols the catalogue lists after it.
const NameTable<UnitSymbolKeyRow>& UnitSymbolKeys(); // the catalogue's unit symbols

// Lookups by exact id, through indexes ordered by id; null when the id has no row.
const GroupNameRow* FindGroupName(int groupId);
const NumberFormatNameRow* FindNumberFormatName(NumberFormat format);
const UnitTypeNameRow* FindUnitTypeName(int unitId);
const UnitSymbolKeyRow* FindUnitSymbolKey(int symbolId);

// The rows of UnitSymbolKeys in ascending symbol id.
const std::vector<const UnitSymbolKeyRow*>& UnitSymbolKeysById();

} // namespace velmar::platform::core::units
