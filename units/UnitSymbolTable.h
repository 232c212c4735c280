#pragma once

#include "units/symbols/IParseSymbol.h"
#include "units/util/TextTrie.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace velmar::platform::core::units {

class IFormatSymbol;
class ISymbol;
class PluralRules;
class TranslationSet;

// The symbol of a text that names units of other values: the symbols of those units, the one
// that entered the text first first. A parse picks among them by the dimension it needs; the
// text itself is never evaluated.
class AmbiguousText : public IParseSymbol {
public:
    static constexpr unsigned kKind = AmbiguousKind;
    explicit AmbiguousText(IParseSymbol* first) : IParseSymbol(kKind), symbols{first} {}
    ErrorCode Evaluate(SymbolList&, SymbolList::iterator&, bool, const int*) const override {
        return ecFailure;
    }
    std::vector<IParseSymbol*> symbols;
};

// The unit symbol objects of one locale: for every unit symbol id of the catalogue the object
// that writes values with it and reads its text, with the texts of that locale. Indexed by the
// id's group, unit and symbol fields; built once per locale and process, then only read.
// A symbol that shows its unit's name (a name symbol, or a symbol that the locale writes as the
// name) writes the form of the name that agrees with the number before it, by the plural rules
// of the name file's language.
// The texts by which the locale's symbols are recognised (their own texts, every form of a
// name, and alternates) are the table's too: the first symbol that enters a text keeps it, and
// a symbol of a unit of another value that enters it later is kept beside it, so that a parse
// can choose by the dimension it needs (fr-FR «ch»: the chain and the metric horsepower).
class UnitSymbolTable {
public:
    struct Slot {
        std::unique_ptr<ISymbol> object;
        const IFormatSymbol* format = nullptr;
        IParseSymbol* parse = nullptr;
    };

    UnitSymbolTable();
    ~UnitSymbolTable();

    // Builds every group's symbols with its builder, and enters their texts, the forms of their
    // names and their alternate texts without overwriting.
    void Build(const TranslationSet& translations);

    // The slot of a unit symbol id; null when any field lies outside the table or the slot is
    // empty.
    const Slot* Find(int symbolId) const;

    // The symbol of the longest of the locale's texts at text, and that text's length; null and
    // 0 when none starts there. A text that names units of other values gives the first of them.
    IParseSymbol* Lookup(const wchar_t* text, size_t* length) const {
        return FirstNamed(texts_.Lookup(text, length));
    }
    // The same, an AmbiguousText for a text that names units of other values.
    IParseSymbol* LookupText(const wchar_t* text, size_t* length) const {
        return texts_.Lookup(text, length);
    }
    // The symbol itself, or the first that an AmbiguousText names.
    static IParseSymbol* FirstNamed(IParseSymbol* symbol) {
        return symbol != nullptr && (symbol->kinds & AmbiguousText::kKind) != 0
                   ? static_cast<AmbiguousText*>(symbol)->symbols.front()
                   : symbol;
    }

    // Whether two symbols stand for units of the same value (the same unit, or two catalogue
    // rows of one definition).
    static bool SameValue(const IParseSymbol* a, const IParseSymbol* b);
    // Whether two symbols stand for units of one dimension.
    static bool SameDimension(const IParseSymbol* a, const IParseSymbol* b);

private:
    void Enter(const wchar_t* text, IParseSymbol* symbol);

    // The symbols of the texts; a text that names units of other values too holds an
    // AmbiguousText that lists them, the first to enter it first.
    TextTrie<IParseSymbol> texts_;
    std::vector<std::unique_ptr<IParseSymbol>> ambiguous_;
    // The plural rules that the names' forms follow; they outlive the symbols.
    std::unique_ptr<PluralRules> plurals_;
    std::vector<std::vector<std::vector<Slot>>> groups_;
};

} // namespace velmar::platform::core::units
