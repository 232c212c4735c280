#include "units/UnitSymbolTable.h"

#include "units/NameFormMaker.h"
#include "units/names/NameTables.h"
#include "units/names/TranslationSet.h"
#include "units/number/PluralRules.h"
#include "units/symbols/unit/DegreePrimeDoublePrimeSymbol2.h"
#include "units/symbols/unit/GenericSymbolEx2.h"
#include "units/symbols/unit/LinearSymbol2.h"
#include "units/symbols/unit/PrimeDoublePrimeSymbol2.h"
#include "units/util/CatalogueIds.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

#include <algorithm>

namespace velmar::platform::core::units {

namespace {

// Symbols not listed are plain: the number, a space and the text.
enum class Kind {
    Attached,              // the number and the text
    Linear,                // a temperature scale: (interval unit, attached)
    FeetInches,            // (feet written, inches with a fraction, dash)
    DegreesMinutesSeconds, // (bearing, degree sign)
};

// Every unit symbol that is not plain: which object it gets, and its construction flags.
struct Special {
    int id;
    Kind kind;
    int a, b, c;
};

const Special kSpecials[] = {
    // Length: the prime symbols of the feet, the inch's double prime, and the feet-and-inches
    // notations, kept in the symbolSlots of the inch.
    {Symbols::Foot_Prime, Kind::Attached, 0, 0, 0},
    {Symbols::Foot_Ben_Prime, Kind::Attached, 0, 0, 0},
    {Symbols::Foot_Clarke_Cape_Prime, Kind::Attached, 0, 0, 0},
    {Symbols::Foot_Indian_Prime, Kind::Attached, 0, 0, 0},
    {Symbols::Foot_Sear_Prime, Kind::Attached, 0, 0, 0},
    {Symbols::Foot_US_Survey_Prime, Kind::Attached, 0, 0, 0},
    {Symbols::Inch_DoublePrime, Kind::Attached, 0, 0, 0},
    {Symbols::Inch_FootPrimeInchDoublePrime, Kind::FeetInches, 1, 0, 0},
    {Symbols::Inch_FootPrimeDashInchDoublePrime, Kind::FeetInches, 1, 0, 1},
    {Symbols::Inch_FootPrimeInchDoublePrime_Fraction, Kind::FeetInches, 1, 1, 0},
    {Symbols::Inch_FootPrimeDashInchDoublePrime_Fraction, Kind::FeetInches, 1, 1, 1},
    {Symbols::Inch_DoublePrime_Fraction, Kind::FeetInches, 0, 1, 0},
    {Symbols::Inch_DoublePrimeDash_Fraction, Kind::FeetInches, 0, 1, 1},
    // Angle: the one-character marks, and the degrees-minutes-seconds notations in the symbolSlots
    // of the degree.
    {Symbols::degree_OneChar, Kind::Attached, 0, 0, 0},
    {Symbols::grad_OneLetter, Kind::Attached, 0, 0, 0},
    {Symbols::AngleSecond_DoublePrime, Kind::Attached, 0, 0, 0},
    {Symbols::rad_OneLetter, Kind::Attached, 0, 0, 0},
    {Symbols::AngleMinute_Prime, Kind::Attached, 0, 0, 0},
    {Symbols::Degree_DegreeDegreeMinutePrimeSecondDoublePrime, Kind::DegreesMinutesSeconds, 0, 1,
     0},
    {Symbols::Degree_DegreeDegreeMinutePrimeSecondDoublePrime_Surveyor, Kind::DegreesMinutesSeconds,
     1, 1, 0},
    {Symbols::Degree_DegreedMinutePrimeSecondDoublePrime, Kind::DegreesMinutesSeconds, 0, 0, 0},
    // Temperature: degree Celsius and degree Fahrenheit are scales with an offset.
    {Symbols::DegreeCelsius_Name, Kind::Linear, Units::Kelvin, 0, 0},
    {Symbols::degreeC, Kind::Linear, Units::Kelvin, 1, 0},
    {Symbols::degC, Kind::Linear, Units::Kelvin, 0, 0},
    {Symbols::degreeC_OneChar, Kind::Linear, Units::Kelvin, 1, 0},
    {Symbols::DegreeFahrenheit_Name, Kind::Linear, Units::DegreeRankine, 0, 0},
    {Symbols::degreeF, Kind::Linear, Units::DegreeRankine, 1, 0},
    {Symbols::DegF, Kind::Linear, Units::DegreeRankine, 0, 0},
    {Symbols::degreeF_OneChar, Kind::Linear, Units::DegreeRankine, 1, 0},
    {Symbols::degreeR, Kind::Attached, 0, 0, 0},
    {Symbols::degreeRa, Kind::Attached, 0, 0, 0},
    // Temperature Rate and Time.
    {Symbols::DegreeCPermin, Kind::Attached, 0, 0, 0},
    {Symbols::DegreeFPermin, Kind::Attached, 0, 0, 0},
    {Symbols::Minute_Prime, Kind::Attached, 0, 0, 0},
    {Symbols::Second_DoublePrime, Kind::Attached, 0, 0, 0},
    {Symbols::Second_MinutePrimeSecondDoublePrime, Kind::FeetInches, 1, 0, 0},
};

const Special* FindSpecial(int id) {
    for (const Special& special : kSpecials)
        if (special.id == id)
            return &special;
    return nullptr;
}

// The index of a field of an id; beyond every table for a field of 0.
size_t Index(int id, int field, int shift) {
    return static_cast<size_t>(ids::IndexOf(id, field, shift));
}

using Slot = UnitSymbolTable::Slot;

// Puts a new T into the slot, with its formatting and parsing sides.
template <class T, class... Arguments> void Fill(Slot& slot, Arguments&&... arguments) {
    auto object = std::make_unique<T>(std::forward<Arguments>(arguments)...);
    slot.format = object.get();
    slot.parse = object.get();
    slot.object = std::move(object);
}

// Puts the object of a unit symbol into its slot, with the forms of a name that agrees with its
// number; returns whether the symbol's own text is registered for parsing.
bool MakeSymbol(Slot& slot, int id, std::wstring text, std::unique_ptr<const NameForms> forms) {
    const Special* special = FindSpecial(id);
    int unitId = ids::UnitOf(id);
    if (special == nullptr) {
        Fill<GenericSymbol2>(slot, std::move(text), unitId, 0u, std::move(forms));
        return true;
    }
    switch (special->kind) {
    case Kind::Attached:
        Fill<GenericSymbol2>(slot, std::move(text), unitId, uint32_t{SimpleFormatSymbol2::Attached},
                             std::move(forms));
        return true;
    case Kind::Linear:
        Fill<LinearSymbol2>(slot, std::move(text), unitId, special->a,
                            special->b ? uint32_t{SimpleFormatSymbol2::Attached} : 0u,
                            std::move(forms));
        return true;
    case Kind::FeetInches:
        Fill<PrimeDoublePrimeSymbol2>(slot, std::move(text), id, special->a != 0, special->b != 0,
                                      special->c != 0);
        return false;
    case Kind::DegreesMinutesSeconds:
        Fill<DegreePrimeDoublePrimeSymbol2>(slot, std::move(text), special->a != 0,
                                            special->b != 0);
        return false;
    }
    return false;
}

} // namespace

UnitSymbolTable::UnitSymbolTable() = default;

UnitSymbolTable::~UnitSymbolTable() = default;

void UnitSymbolTable::Build(const TranslationSet& translations) {
    plurals_ = std::make_unique<PluralRules>(translations.NameLanguage().toStdString());
    NameFormMaker names(translations, *plurals_);
    std::vector<int> groupIds = catalogue_ids::Groups();
    groups_.resize(groupIds.size());
    for (int group : groupIds) {
        std::vector<int> units = catalogue_ids::Units(group);
        auto& unitSlots = groups_[Index(group, ids::kGroupField, ids::kGroupShift)];
        unitSlots.resize(units.size());
        for (int unit : units) {
            auto& symbolSlots = unitSlots[Index(unit, ids::kUnitField, 0)];
            if (group == Groups::Dimensionless) {
                // The unitless unit writes the bare number and is named by its symbol; nothing
                // of it is registered for parsing.
                if (unit == Units::Unitless) {
                    symbolSlots.resize(1);
                    Fill<GenericSymbolEx2>(
                        symbolSlots[0], L"", unit, uint32_t{SimpleFormatSymbol2::Attached},
                        translations.SymbolText(ids::SymbolOf(unit, 1)).toStdWString());
                }
                continue;
            }
            // A name symbol agrees with its number; a symbol does not, even one that the
            // locale writes as its unit's name (ru «фут», as Russian has no abbreviation of the
            // foot).
            std::wstring name = translations.UnitDisplayName(unit).toStdWString();
            std::unique_ptr<const NameForms> nameForms = names.Make(unit, name);
            std::vector<int> symbols = catalogue_ids::Symbols(unit);
            symbolSlots.resize(symbols.size());
            for (int id : symbols) {
                Slot& slot = symbolSlots[Index(id, ids::kSymbolField, ids::kSymbolShift)];
                std::wstring text = translations.SymbolText(id).toStdWString();
                std::unique_ptr<const NameForms> forms;
                const UnitSymbolKeyRow* key = FindUnitSymbolKey(id);
                if (nameForms != nullptr && key != nullptr && key->kind == UnitName && text == name)
                    forms = std::make_unique<const NameForms>(*nameForms);
                const NameForms* named = forms.get();
                if (MakeSymbol(slot, id, std::move(text), std::move(forms))) {
                    Enter(slot.format->GetText(), slot.parse);
                    // Every form of a name reads as its unit; the first is the text.
                    for (size_t i = 1; named != nullptr && i < named->Forms().size(); ++i)
                        Enter(named->Forms()[i].c_str(), slot.parse);
                }
                for (const QString& alternate : translations.AlternateSymbols(id))
                    Enter(alternate.toStdWString().c_str(), slot.parse);
            }
        }
    }
}

// Empty texts are never entered: they would match everywhere. A text entered already keeps its
// first symbol; a symbol of another value is listed beside it.
void UnitSymbolTable::Enter(const wchar_t* text, IParseSymbol* symbol) {
    if (text == nullptr || *text == L'\0' || symbol == nullptr)
        return;
    if (texts_.Insert(text, symbol, false, false) == ecSuccess)
        return;
    size_t length = 0;
    IParseSymbol* first = texts_.Lookup(text, &length);
    auto* ambiguous =
        (first->kinds & AmbiguousText::kKind) != 0 ? static_cast<AmbiguousText*>(first) : nullptr;
    for (IParseSymbol* other :
         ambiguous != nullptr ? ambiguous->symbols : std::vector<IParseSymbol*>{first})
        if (SameValue(other, symbol))
            return;
    if (ambiguous == nullptr) {
        ambiguous_.push_back(std::make_unique<AmbiguousText>(first));
        ambiguous = static_cast<AmbiguousText*>(ambiguous_.back().get());
        (void)texts_.Insert(text, ambiguous, false, true); // in place of the first
    }
    ambiguous->symbols.push_back(symbol);
}

bool UnitSymbolTable::SameDimension(const IParseSymbol* a, const IParseSymbol* b) {
    const UnitsConfig* config = UnitsConfig::GetInstance();
    const UnitConverter* left = config->FindConverter(a->UnitId());
    const UnitConverter* right = config->FindConverter(b->UnitId());
    return left != nullptr && right != nullptr &&
           std::equal(left->GetDimTag(), left->GetDimTag() + 7, right->GetDimTag());
}

bool UnitSymbolTable::SameValue(const IParseSymbol* a, const IParseSymbol* b) {
    if (a == b || a->UnitId() == b->UnitId())
        return true;
    const UnitsConfig* config = UnitsConfig::GetInstance();
    const UnitConverter* left = config->FindConverter(a->UnitId());
    const UnitConverter* right = config->FindConverter(b->UnitId());
    if (left == nullptr || right == nullptr ||
        !std::equal(left->GetDimTag(), left->GetDimTag() + 7, right->GetDimTag()))
        return false;
    // Linear units of one dimension agree when they agree at two points.
    for (double value : {0.0, 1.0}) {
        double x = 0, y = 0;
        if (left->ToBase(value, &x, left->GetDimTag()) != ecSuccess ||
            right->ToBase(value, &y, right->GetDimTag()) != ecSuccess || x != y)
            return false;
    }
    return true;
}

const UnitSymbolTable::Slot* UnitSymbolTable::Find(int id) const {
    size_t group = Index(id, ids::kGroupField, ids::kGroupShift);
    size_t unit = Index(id, ids::kUnitField, 0);
    size_t symbol = Index(id, ids::kSymbolField, ids::kSymbolShift);
    if (group >= groups_.size() || unit >= groups_[group].size() ||
        symbol >= groups_[group][unit].size())
        return nullptr;
    const Slot& slot = groups_[group][unit][symbol];
    return slot.object ? &slot : nullptr;
}

} // namespace velmar::platform::core::units
