#include "units/names/NameTables.h"

#include <ViVuzaZadur/UnitsConfig.h>
#include <ViVuzaZadurUI/StringUtil.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace velmar::platform::core::units;

namespace {

TEST(NameTables, SymbolRowsCoverEveryUnitWithDenseVariants) {
    std::map<int, int> variants; // unit id -> highest variant
    std::set<std::string> keys;
    int keyed = 0;
    for (const UnitSymbolKeyRow& row : UnitSymbolKeys()) {
        int unit = row.id & 0xfffff;
        int variant = row.id >> 20;
        EXPECT_EQ(variant, variants[unit] + 1) << std::hex << row.id;
        variants[unit] = variant;
        bool exception = row.id == 0x302036;
        if (variant == 1 || exception) {
            EXPECT_EQ(row.kind, UnitName) << std::hex << row.id;
            EXPECT_STREQ(row.key, "");
        } else {
            EXPECT_EQ(row.kind, Translated) << std::hex << row.id;
            EXPECT_EQ(std::string(row.key, 2), "eS");
            EXPECT_TRUE(keys.insert(row.key).second) << row.key;
            ++keyed;
        }
        EXPECT_LE(variant, 10);
    }
    EXPECT_EQ(keyed, 1089);
    std::set<int> units;
    for (const UnitTypeNameRow& row : UnitTypeNames) {
        units.insert(row.id);
        EXPECT_EQ(variants.count(row.id), 1u) << row.name;
    }
    EXPECT_EQ(units.size(), variants.size());
    EXPECT_EQ(FindUnitSymbolKey(0x108001)->kind, UnitName);
    EXPECT_STREQ(FindUnitSymbolKey(0x208001)->key, "eSrad");
    EXPECT_EQ(FindUnitSymbolKey(0x302036)->kind, UnitName);
}

TEST(NameTables, RowsAgreeWithTheCoreLibrarysCatalogue) {
    EXPECT_EQ(NumberFormatNames.count, 7u);
    EXPECT_EQ(UnitTypeNames.count, 787u);
    EXPECT_EQ(UnitSymbolKeys().count, 1877u);
    EXPECT_EQ(UnitSymbolKeysById().size(), 1877u);
    const UnitsConfig* config = UnitsConfig::GetInstance();
    for (const UnitSymbolKeyRow& row : UnitSymbolKeys()) {
        ASSERT_NE(config->FindConverter(row.id), nullptr) << std::hex << row.id;
        if (row.kind == Translated) {
            EXPECT_EQ(QStringLiteral("eS") + QString::fromWCharArray(config->GetGlobalName(row.id)),
                      QString::fromUtf8(row.key));
        }
    }
    for (const GroupNameRow& row : UnitGroupNames)
        EXPECT_EQ(config->GetUnitTypes(row.id, nullptr) == 0, false) << row.name;
    EXPECT_EQ(config->GetUnitGroups(nullptr), UnitGroupNames.count);
}

// Each index finds exact ids only.
TEST(NameTables, UnitGroupAndNumberFormatIndexes) {
    const std::pair<int, const char*> kUnits[] = {{0x2016, "inch"},
                                                  {0x2001, "meter"},
                                                  {0x2019, "foot (Clarke's; Cape)"},
                                                  {0x44002, "Ampere per meter"}};
    for (auto [id, name] : kUnits)
        EXPECT_STREQ(FindUnitTypeName(id)->name, name);
    for (int id : {0x102016, 0x2000, 0x2043, 0})
        EXPECT_EQ(FindUnitTypeName(id), nullptr) << std::hex << id;
    EXPECT_STREQ(FindGroupName(0x2000)->name, "Length");
    EXPECT_STREQ(FindGroupName(0x44000)->name, "Magnetic Field Intensity");
    EXPECT_EQ(FindGroupName(0x2001), nullptr);
    EXPECT_EQ(FindGroupName(0x45000), nullptr);
    EXPECT_STREQ(FindNumberFormatName(nfGeneralLower)->name, "general");
    EXPECT_STREQ(FindNumberFormatName(nfFixedPoint)->name, "Fixed Point");
    EXPECT_EQ(FindNumberFormatName(NumberFormat(-1)), nullptr);
    EXPECT_EQ(FindNumberFormatName(NumberFormat(7)), nullptr);
}

TEST(StringUtilNames, NameToIdAndBack) {
    vmp::IDesignPropertyUnits::teGroup group{};
    EXPECT_EQ(StringUtil::GetUnitGroup(QStringLiteral("Length"), group), ecSuccess);
    EXPECT_EQ(group, 0x2000);
    vmp::IDesignPropertyUnits::teType type{};
    EXPECT_EQ(StringUtil::GetUnitType(QStringLiteral("FootUSSurvey"), type), ecSuccess);
    EXPECT_EQ(type, 0x201c);
    UnitSymbol symbol{};
    EXPECT_EQ(StringUtil::GetUnitSymbol(QStringLiteral("kNm"), symbol), ecSuccess);
    EXPECT_EQ(symbol, 0x213016);
    NumberFormat format = nfNumber;
    EXPECT_EQ(StringUtil::GetNumberFormatId(QStringLiteral("FixedPoint"), format), ecSuccess);
    EXPECT_EQ(format, nfFixedPoint);

    group = vmp::IDesignPropertyUnits::teGroup(5);
    EXPECT_EQ(StringUtil::GetUnitGroup(QString(), group), ecFailure);
    EXPECT_EQ(StringUtil::GetUnitGroup(QStringLiteral("Lengths"), group), ecFailure);
    EXPECT_EQ(group, 5);

    EXPECT_EQ(StringUtil::GetUnitGlobalName(0x702016),
              QStringLiteral("Inch_FootPrimeInchDoublePrime_Fraction"));
    EXPECT_TRUE(StringUtil::GetUnitGlobalName(0x45000).isEmpty());
    EXPECT_EQ(StringUtil::GetGlobalName(nfGeneralLower), QStringLiteral("GeneralLowerCase"));
    EXPECT_TRUE(StringUtil::GetGlobalName(NumberFormat(12)).isEmpty());
}

} // namespace
