#include "units/UnitSymbolTable.h"

#include "units/names/TranslationSet.h"
#include "units/symbols/unit/DegreePrimeDoublePrimeSymbol2.h"
#include "units/symbols/unit/GenericSymbolEx2.h"
#include "units/symbols/unit/LinearSymbol2.h"
#include "units/symbols/unit/PrimeDoublePrimeSymbol2.h"
#include "units/util/CatalogueIds.h"

#include <ViVuzaZadur/UnitsConfig.h>

namespace velmar::platform::core::units {

namespace {

constexpr int kDimensionless = 0x1000;
constexpr int kUnitless = 0x1001;
constexpr int kKelvin = 0x2a001;
constexpr int kRankine = 0x2a004;

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
    {0x302017, Kind::Attached, 0, 0, 0},   // eSFoot_Prime
    {0x302018, Kind::Attached, 0, 0, 0},   // eSFoot_Ben_Prime
    {0x302019, Kind::Attached, 0, 0, 0},   // eSFoot_Clarke_Cape_Prime
    {0x30201a, Kind::Attached, 0, 0, 0},   // eSFoot_Indian_Prime
    {0x30201b, Kind::Attached, 0, 0, 0},   // eSFoot_Sear_Prime
    {0x30201c, Kind::Attached, 0, 0, 0},   // eSFoot_US_Survey_Prime
    {0x402016, Kind::Attached, 0, 0, 0},   // eSInch_DoublePrime
    {0x502016, Kind::FeetInches, 1, 0, 0}, // eSInch_FootPrimeInchDoublePrime
    {0x602016, Kind::FeetInches, 1, 0, 1}, // eSInch_FootPrimeDashInchDoublePrime
    {0x702016, Kind::FeetInches, 1, 1, 0}, // eSInch_FootPrimeInchDoublePrime_Fraction
    {0x802016, Kind::FeetInches, 1, 1, 1}, // eSInch_FootPrimeDashInchDoublePrime_Fraction
    {0x902016, Kind::FeetInches, 0, 1, 0}, // eSInch_DoublePrime_Fraction
    {0xa02016, Kind::FeetInches, 0, 1, 1}, // eSInch_DoublePrimeDash_Fraction
    // Angle: the one-character marks, and the degrees-minutes-seconds notations in the symbolSlots
    // of the degree.
    {0x208002, Kind::Attached, 0, 0, 0},              // eSdegree_OneChar
    {0x308004, Kind::Attached, 0, 0, 0},              // eSgrad_OneLetter
    {0x308009, Kind::Attached, 0, 0, 0},              // eSAngleSecond_DoublePrime
    {0x408001, Kind::Attached, 0, 0, 0},              // eSrad_OneLetter
    {0x508008, Kind::Attached, 0, 0, 0},              // eSAngleMinute_Prime
    {0x408002, Kind::DegreesMinutesSeconds, 0, 1, 0}, // ..._DegreeDegreeMinutePrime...
    {0x508002, Kind::DegreesMinutesSeconds, 1, 1, 0}, // ..._Surveyor
    {0x608002, Kind::DegreesMinutesSeconds, 0, 0, 0}, // eSDegree_DegreedMinutePrime...
    // Temperature: degree Celsius and degree Fahrenheit are scales with an offset.
    {0x12a002, Kind::Linear, kKelvin, 0, 0},  // degree Celsius
    {0x22a002, Kind::Linear, kKelvin, 1, 0},  // eSdegreeC
    {0x32a002, Kind::Linear, kKelvin, 0, 0},  // eSdegC
    {0x42a002, Kind::Linear, kKelvin, 1, 0},  // eSdegreeC_OneChar
    {0x12a003, Kind::Linear, kRankine, 0, 0}, // degree Fahrenheit
    {0x22a003, Kind::Linear, kRankine, 1, 0}, // eSdegreeF
    {0x32a003, Kind::Linear, kRankine, 0, 0}, // eSDegF
    {0x42a003, Kind::Linear, kRankine, 1, 0}, // eSdegreeF_OneChar
    {0x22a004, Kind::Attached, 0, 0, 0},      // eSdegreeR
    {0x32a004, Kind::Attached, 0, 0, 0},      // eSdegreeRa
    // Temperature Rate and Time.
    {0x22b001, Kind::Attached, 0, 0, 0},   // eSDegreeCPermin
    {0x22b002, Kind::Attached, 0, 0, 0},   // eSDegreeFPermin
    {0x32c016, Kind::Attached, 0, 0, 0},   // eSMinute_Prime
    {0x42c001, Kind::Attached, 0, 0, 0},   // eSSecond_DoublePrime
    {0x52c001, Kind::FeetInches, 1, 0, 0}, // eSSecond_MinutePrimeSecondDoublePrime
};

const Special* FindSpecial(int id) {
    for (const Special& special : kSpecials)
        if (special.id == id)
            return &special;
    return nullptr;
}

size_t Index(int id, int mask, int shift) {
    return static_cast<size_t>(((id & mask) >> shift) - 1);
}

using Slot = UnitSymbolTable::Slot;

// Puts a new T into the slot, with its formatting and parsing sides.
template <class T, class... Arguments> void Fill(Slot& slot, Arguments&&... arguments) {
    auto object = std::make_unique<T>(std::forward<Arguments>(arguments)...);
    slot.format = object.get();
    slot.parse = object.get();
    slot.object = std::move(object);
}

// Puts the object of a unit symbol into its slot; returns whether the symbol's own text is
// registered for parsing.
bool MakeSymbol(Slot& slot, int id, std::wstring text) {
    const Special* special = FindSpecial(id);
    int unitId = id & 0xfffff;
    if (special == nullptr) {
        Fill<GenericSymbol2>(slot, std::move(text), unitId, 0u);
        return true;
    }
    switch (special->kind) {
    case Kind::Attached:
        Fill<GenericSymbol2>(slot, std::move(text), unitId,
                             uint32_t{SimpleFormatSymbol2::Attached});
        return true;
    case Kind::Linear:
        Fill<LinearSymbol2>(slot, std::move(text), unitId, special->a,
                            special->b ? uint32_t{SimpleFormatSymbol2::Attached} : 0u);
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
    std::vector<int> groupIds = catalogue_ids::Groups();
    groups_.resize(groupIds.size());
    for (int group : groupIds) {
        std::vector<int> units = catalogue_ids::Units(group);
        auto& unitSlots = groups_[Index(group, 0xff000, 12)];
        unitSlots.resize(units.size());
        for (int unit : units) {
            auto& symbolSlots = unitSlots[Index(unit, 0xfff, 0)];
            if (group == kDimensionless) {
                // The unitless unit writes the bare number and is named by its symbol; nothing
                // of it is registered for parsing.
                if (unit == kUnitless) {
                    symbolSlots.resize(1);
                    Fill<GenericSymbolEx2>(symbolSlots[0], L"", unit,
                                           uint32_t{SimpleFormatSymbol2::Attached},
                                           translations.SymbolText(0x100000 | unit).toStdWString());
                }
                continue;
            }
            std::vector<int> symbols = catalogue_ids::Symbols(unit);
            symbolSlots.resize(symbols.size());
            for (int id : symbols) {
                Slot& slot = symbolSlots[Index(id, 0xff00000, 20)];
                if (MakeSymbol(slot, id, translations.SymbolText(id).toStdWString()))
                    Enter(slot.format->GetText(), slot.parse);
                for (const QString& alternate : translations.AlternateSymbols(id))
                    Enter(alternate.toStdWString().c_str(), slot.parse);
            }
        }
    }
}

// Empty texts are never entered: they would match everywhere.
void UnitSymbolTable::Enter(const wchar_t* text, IParseSymbol* symbol) {
    if (text != nullptr && *text != L'\0' && symbol != nullptr)
        texts_.Insert(text, symbol, false, false);
}

const UnitSymbolTable::Slot* UnitSymbolTable::Find(int id) const {
    size_t group = Index(id, 0xff000, 12);
    size_t unit = Index(id, 0xfff, 0);
    size_t symbol = Index(id, 0xff00000, 20);
    if (group >= groups_.size() || unit >= groups_[group].size() ||
        symbol >= groups_[group][unit].size())
        return nullptr;
    const Slot& slot = groups_[group][unit][symbol];
    return slot.object ? &slot : nullptr;
}

} // namespace velmar::platform::core::units
