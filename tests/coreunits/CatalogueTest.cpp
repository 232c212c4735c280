#include <ViVuzaZadur/ViVuzaZadur.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cwctype>
#include <set>
#include <string>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

UnitsConfig& Config() {
    return *UnitsConfig::GetInstance();
}

std::vector<int> Groups() {
    std::vector<int> ids(Config().GetUnitGroups(nullptr));
    Config().GetUnitGroups(ids.data());
    return ids;
}

std::vector<int> Units(int group) {
    std::vector<int> ids(Config().GetUnitTypes(group, nullptr));
    Config().GetUnitTypes(group, ids.data());
    return ids;
}

std::vector<int> Symbols(int unit) {
    std::vector<int> ids(Config().GetUnitSymbols(unit, nullptr));
    Config().GetUnitSymbols(unit, ids.data());
    return ids;
}

// The global name of an id or a number format, read into a buffer of the length asked for.
template <typename Id> std::wstring GlobalName(Id id) {
    size_t length = 0;
    if (UnitsUtilities::GetGlobalNameLength(id, length) != ecSuccess)
        return L"";
    std::wstring name(length, L'#');
    EXPECT_EQ(UnitsUtilities::GetGlobalName(id, name.data(), length), ecSuccess);
    EXPECT_EQ(name.back(), L'\0');
    name.pop_back();
    return name;
}

bool IsIdentifier(const std::wstring& name) {
    return !name.empty() && !std::iswdigit(name[0]) &&
           std::all_of(name.begin(), name.end(),
                       [](wchar_t c) { return c < 128 && (std::iswalnum(c) || c == L'_'); });
}

std::array<int, 7> TagOf(int unit) {
    std::array<int, 7> tag;
    const int* dim = Config().FindConverter(unit)->GetDimTag();
    std::copy(dim, dim + 7, tag.begin());
    return tag;
}

TEST(Catalogue, CountsAndDenseNumberingOfWhatExists) {
    std::vector<int> groups = Groups();
    ASSERT_EQ(groups.size(), 68u);
    size_t units = 0;
    size_t symbols = 0;
    for (size_t g = 0; g < groups.size(); ++g) {
        EXPECT_EQ(groups[g], static_cast<int>(g + 1) << 12);
        std::vector<int> unitIds = Units(groups[g]);
        EXPECT_FALSE(unitIds.empty());
        for (size_t u = 0; u < unitIds.size(); ++u) {
            EXPECT_EQ(unitIds[u], groups[g] + static_cast<int>(u) + 1);
            std::vector<int> symbolIds = Symbols(unitIds[u]);
            EXPECT_FALSE(symbolIds.empty());
            for (size_t s = 0; s < symbolIds.size(); ++s)
                EXPECT_EQ(symbolIds[s], static_cast<int>(s + 1) << 20 | unitIds[u]);
            symbols += symbolIds.size();
        }
        units += unitIds.size();
    }
    EXPECT_EQ(units, 787u);
    EXPECT_EQ(symbols, 1877u);
    EXPECT_EQ(Units(0x2000).size(), 66u);
    EXPECT_EQ(Symbols(0x2016).size(), 10u);
    // Lists of what does not exist are empty.
    for (int group : {0, 0x45000, 0x2001, 0x102000, -1})
        EXPECT_EQ(Config().GetUnitTypes(group, nullptr), 0u) << std::hex << group;
    for (int unit : {0, 0x2000, 0x2043, 0x45001, 0x102001, -1})
        EXPECT_EQ(Config().GetUnitSymbols(unit, nullptr), 0u) << std::hex << unit;
}

// An id's global name is an identifier that no other id of its kind has, and finds the id.
template <typename Id>
void ExpectNameFindsId(int id, std::set<std::wstring>& names,
                       ErrorCode (*find)(const wchar_t*, Id&)) {
    std::wstring name = GlobalName(id);
    EXPECT_TRUE(IsIdentifier(name)) << std::hex << id;
    EXPECT_TRUE(names.insert(name).second);
    Id found{};
    EXPECT_EQ(find(name.c_str(), found), ecSuccess);
    EXPECT_EQ(found, id);
}

// Every id and number format round-trips through its global name.
TEST(Catalogue, GlobalNamesRoundTripAndRefuseBadInput) {
    std::set<std::wstring> groupNames, unitNames, symbolNames;
    for (int group : Groups()) {
        ExpectNameFindsId(group, groupNames, &UnitsUtilities::GetUnitGroup);
        for (int unit : Units(group)) {
            ExpectNameFindsId(unit, unitNames, &UnitsUtilities::GetUnitType);
            for (int symbol : Symbols(unit)) {
                ExpectNameFindsId(symbol, symbolNames, &UnitsUtilities::GetUnitSymbol);
                EXPECT_EQ(GlobalName(symbol), std::wstring(Config().GetGlobalName(symbol)));
            }
        }
    }
    const std::pair<int, const wchar_t*> kNames[] = {
        {0x2000, L"Length"}, {0x21000, L"Pressure"},    {0x201c, L"FootUSSurvey"},
        {0x202001, L"m"},    {0x102001, L"Meter_Name"}, {0x302036, L"MilSwedenAndNorway_Name3"}};
    for (auto [id, name] : kNames)
        EXPECT_EQ(GlobalName(id), name);
    // Number formats have global names too.
    const wchar_t* names[] = {L"Exponential", L"ExponentialLowerCase", L"FixedPoint",
                              L"General",     L"GeneralLowerCase",     L"Number",
                              L"Fraction"};
    for (int i = 0; i < 7; ++i) {
        NumberFormat format = static_cast<NumberFormat>(i);
        EXPECT_EQ(GlobalName(format), names[i]);
        NumberFormat found = nfNumber;
        EXPECT_EQ(UnitsUtilities::GetNumericFormat(names[i], found), ecSuccess);
        EXPECT_EQ(found, format);
    }
    // Lookups refuse bad input and leave their results alone.
    vmp::IDesignPropertyUnits::teGroup group = vmp::IDesignPropertyUnits::teGroup(7);
    EXPECT_EQ(UnitsUtilities::GetUnitGroup(nullptr, group), ecFailure);
    EXPECT_EQ(UnitsUtilities::GetUnitGroup(L"length", group), ecFailure); // names are exact
    EXPECT_EQ(UnitsUtilities::GetUnitGroup(L"", group), ecFailure);
    EXPECT_EQ(group, 7);
    UnitSymbol symbol = UnitSymbol(9);
    EXPECT_EQ(UnitsUtilities::GetUnitSymbol(L"Meter", symbol), ecFailure);
    EXPECT_EQ(symbol, 9);
    NumberFormat format = nfFraction;
    EXPECT_EQ(UnitsUtilities::GetNumericFormat(L"Fixed Point", format), ecFailure);
    EXPECT_EQ(UnitsUtilities::GetNumericFormat(nullptr, format), ecFailure);
    EXPECT_EQ(format, nfFraction);

    size_t length = 99;
    for (int id : {0, 0x45000, 0x2043, 0x302001, 0x2001 | 0x10000000, -5})
        EXPECT_EQ(UnitsUtilities::GetGlobalNameLength(id, length), ecFailure) << std::hex << id;
    EXPECT_EQ(UnitsUtilities::GetGlobalNameLength(NumberFormat(7), length), ecFailure);
    EXPECT_EQ(UnitsUtilities::GetGlobalNameLength(NumberFormat(-1), length), ecFailure);
    EXPECT_EQ(length, 99u);
    wchar_t buffer[8] = {L'#', L'#', L'#', L'#', L'#', L'#', L'#', L'#'};
    EXPECT_EQ(UnitsUtilities::GetGlobalName(0x2000, buffer, 6), ecFailure); // "Length" + NUL
    EXPECT_EQ(buffer[0], L'#');
    EXPECT_EQ(UnitsUtilities::GetGlobalName(0x2000, nullptr, 60), ecFailure);
    EXPECT_EQ(UnitsUtilities::GetGlobalName(0x2000, buffer, 7), ecSuccess);
    EXPECT_EQ(std::wstring(buffer), L"Length");
    EXPECT_EQ(Config().GetGlobalName(0x2001), nullptr); // a unit id is not a symbol id
    EXPECT_EQ(Config().GetGlobalName(0x302001), nullptr);
}

// Each group's units share one dimension, and every dimension maps back to a group that has it.
TEST(Catalogue, DimensionsOfGroupsAndConverters) {
    for (int group : Groups()) {
        std::vector<int> units = Units(group);
        for (int unit : units)
            EXPECT_EQ(TagOf(unit), TagOf(units.front())) << std::hex << unit;
        int mapped = Config().FindUnitGroup(Config().FindConverter(units.front())->GetDimTag());
        ASSERT_NE(mapped, 0) << std::hex << group;
        EXPECT_EQ(TagOf(Units(mapped).front()), TagOf(units.front()));
    }
    // Dimensions that several groups share map to the group chosen for them; angles are
    // dimensionless and map to the unitless group; a dimension of no group maps to none.
    const std::pair<int, int> kCases[] = {
        // a unit whose dimension is asked for, and the group it maps to
        {0x9001, 0x1000},   {0x29001, 0x1000},  {0xc001, 0x1000},   {0x2d004, 0x13000},
        {0x3b001, 0x13000}, {0x10002, 0x19000}, {0x3f001, 0x19000}, {0x32002, 0x31000},
        {0xb001, 0x11000},  {0x25001, 0x17000}, {0x3e001, 0x28000}, {0x16001, 0x4000},
        {0x37001, 0x34000}, {0x36002, 0x33000}, {0x3a001, 0x12000}};
    for (auto [unit, group] : kCases) {
        const UnitConverter* converter = Config().FindConverter(unit);
        ASSERT_NE(converter, nullptr) << std::hex << unit;
        EXPECT_EQ(Config().FindUnitGroup(converter->GetDimTag()), group) << std::hex << unit;
    }
    for (int angle : Units(0x8000))
        EXPECT_EQ(TagOf(angle), (std::array<int, 7>{}));
    DimensionTag none{};
    EXPECT_EQ(Config().FindUnitGroup(none), 0x1000);
    DimensionTag unknown{9, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Config().FindUnitGroup(unknown), 0);
    // Every symbol of a unit finds the unit's converter; ids of no unit or symbol find none.
    const UnitConverter* meter = Config().FindConverter(0x2001);
    ASSERT_NE(meter, nullptr);
    EXPECT_EQ(Config().FindConverter(0x102001), meter);
    EXPECT_EQ(Config().FindConverter(0x202001), meter);
    for (int id : {0, 0x2000, 0x2043, 0x302001, 0x45001, 0x10000000 | 0x2001, -1, 0xb02016})
        EXPECT_EQ(Config().FindConverter(id), nullptr) << std::hex << id;
    EXPECT_NE(Config().FindConverter(0xa02016), nullptr);
}

TEST(Converter, RefusesAnotherDimension) {
    const UnitConverter* foot = Config().FindConverter(0x2017);
    const UnitConverter* degree = Config().FindConverter(0x8002);
    double out = 42;
    EXPECT_EQ(foot->ToBase(1.0, &out, degree->GetDimTag()), ecDimensionMismatch);
    EXPECT_EQ(foot->FromBase(1.0, degree->GetDimTag(), &out), ecDimensionMismatch);
    EXPECT_EQ(degree->FromBase(1.0, foot->GetDimTag(), &out), ecDimensionMismatch);
    // A tag that differs from the foot's in one exponent only, whichever it is, down to the
    // last (luminous intensity).
    for (int exponent = 0; exponent < 7; ++exponent) {
        DimensionTag other;
        std::copy(foot->GetDimTag(), foot->GetDimTag() + 7, other);
        other[exponent] += 1;
        EXPECT_EQ(foot->ToBase(1.0, &out, other), ecDimensionMismatch) << exponent;
        EXPECT_EQ(foot->FromBase(1.0, other, &out), ecDimensionMismatch) << exponent;
    }
    EXPECT_EQ(out, 42);
    EXPECT_EQ(foot->ToBase(1.0, nullptr, foot->GetDimTag()), ecFailure);
    EXPECT_EQ(foot->FromBase(1.0, foot->GetDimTag(), nullptr), ecFailure);
}

TEST(GenericConverter, CombinesFactorsAndExponentsAndDropsOffsets) {
    GenericConverter meter(*Config().FindConverter(0x2001));
    GenericConverter second(*Config().FindConverter(0x2c001));
    GenericConverter acceleration = meter / (second * second);
    const UnitConverter* catalogue = Config().FindConverter(0x30001);
    EXPECT_TRUE(
        std::equal(acceleration.GetDimTag(), acceleration.GetDimTag() + 7, catalogue->GetDimTag()));
    EXPECT_EQ(acceleration.GetFactor(), 1.0);

    GenericConverter foot(*Config().FindConverter(0x2017));
    GenericConverter footPerSecondSquared = foot / second / second;
    double base = 0;
    ASSERT_EQ(footPerSecondSquared.ToBase(1.0, &base, catalogue->GetDimTag()), ecSuccess);
    EXPECT_DOUBLE_EQ(base, 0.3048);

    GenericConverter kilometer(*Config().FindConverter(0x2009));
    GenericConverter hour(*Config().FindConverter(0x2c017));
    GenericConverter speed = kilometer / hour;
    double kmh = 0;
    ASSERT_EQ(speed.FromBase(10.0, Config().FindConverter(0x28001)->GetDimTag(), &kmh), ecSuccess);
    EXPECT_DOUBLE_EQ(kmh, 36.0);

    // A product made from degree Celsius keeps only its size: a kelvin-sized degree.
    GenericConverter interval(*Config().FindConverter(0x2a002));
    ASSERT_EQ(interval.ToBase(10.0, &base, interval.GetDimTag()), ecSuccess);
    EXPECT_DOUBLE_EQ(base, 10.0);

    GenericConverter copy(speed);
    GenericConverter assigned = meter;
    assigned = speed;
    EXPECT_EQ(copy.GetFactor(), speed.GetFactor());
    EXPECT_EQ(assigned.GetFactor(), speed.GetFactor());
    EXPECT_TRUE(std::equal(assigned.GetDimTag(), assigned.GetDimTag() + 7, speed.GetDimTag()));
    EXPECT_EQ(assigned.GetOffset(), 0.0);
}

} // namespace
