#pragma once

#include <memory>
#include <vector>

namespace velmar::platform::core::units {

class IFormatSymbol;
class IParseSymbol;
class ISymbol;
class ParseSymbolRegistry;
class TranslationSet;

// The unit symbol objects of one locale: for every unit symbol id of the catalogue the object
// that writes values with it and reads its text, with the texts of that locale. Indexed by the
// id's group, unit and symbol fields; built once per locale and process, then only read.
class UnitSymbolTable {
public:
    struct Slot {
        std::unique_ptr<ISymbol> object;
        const IFormatSymbol* format = nullptr;
        IParseSymbol* parse = nullptr;
    };

    UnitSymbolTable();
    ~UnitSymbolTable();

    // Builds every group's symbols with its builder, and registers their texts and alternate
    // texts in the registry without overwriting.
    void Build(const TranslationSet& translations, ParseSymbolRegistry& registry);

    // The slot of a unit symbol id; null when any field lies outside the table or the slot is
    // empty.
    const Slot* Find(int symbolId) const;

private:
    std::vector<std::vector<std::vector<Slot>>> groups_;
};

} // namespace velmar::platform::core::units
