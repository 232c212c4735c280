#pragma once

#include "units/util/TextTrie.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace velmar::platform::core::units {

class IFormatSymbol;
class IParseSymbol;
class ISymbol;
class TranslationSet;

// The unit symbol objects of one locale: for every unit symbol id of the catalogue the object
// that writes values with it and reads its text, with the texts of that locale. Indexed by the
// id's group, unit and symbol fields; built once per locale and process, then only read.
// The texts by which the locale's symbols are recognised (their own texts and alternates) are
// the table's too: the first symbol that enters a text keeps it, and a symbol of a unit of
// another value that enters it later is kept beside it, so that a parse can choose by the
// dimension it needs (fr-FR «ch»: the chain and the metric horsepower).
class UnitSymbolTable {
public:
    struct Slot {
        std::unique_ptr<ISymbol> object;
        const IFormatSymbol* format = nullptr;
        IParseSymbol* parse = nullptr;
    };

    UnitSymbolTable();
    ~UnitSymbolTable();

    // Builds every group's symbols with its builder, and enters their texts and alternate
    // texts without overwriting.
    void Build(const TranslationSet& translations);

    // The slot of a unit symbol id; null when any field lies outside the table or the slot is
    // empty.
    const Slot* Find(int symbolId) const;

    // The symbol of the longest of the locale's texts at text, and that text's length; null and
    // 0 when none starts there.
    IParseSymbol* Lookup(const wchar_t* text, size_t* length) const {
        return texts_.Lookup(text, length);
    }

    // The symbols of units of other values that entered the first length characters of text
    // after its own symbol; null when there are none.
    const std::vector<IParseSymbol*>* Others(const wchar_t* text, size_t length) const;

    // Whether two symbols stand for units of the same value (the same unit, or two catalogue
    // rows of one definition).
    static bool SameValue(const IParseSymbol* a, const IParseSymbol* b);
    // Whether two symbols stand for units of one dimension.
    static bool SameDimension(const IParseSymbol* a, const IParseSymbol* b);

private:
    void Enter(const wchar_t* text, IParseSymbol* symbol);

    TextTrie<IParseSymbol> texts_;
    // The texts that name units of other values too, with those symbols.
    TextTrie<std::vector<IParseSymbol*>> others_;
    std::vector<std::vector<std::vector<Slot>>> groups_;
};

} // namespace velmar::platform::core::units
