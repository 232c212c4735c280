#include <ViVuzaZadur/ViVuzaZadur.h>

#include <gtest/gtest.h>

#include <cmath>

using namespace velmar::platform::core::units;

namespace {

struct KnownConversion {
    int from;
    double value;
    int to;
    double expected;
    const char* what;
};

// Published values of legal and standard definitions, independent of the catalogue's
// constants.
const KnownConversion kKnownConversions[] = {
#include "coreunits/KnownConversions.inc"
};

const UnitConverter* Converter(int unit) {
    return UnitsConfig::GetInstance()->FindConverter(unit);
}

TEST(KnownConversions, MatchThePublishedValue) {
    for (const KnownConversion& c : kKnownConversions) {
        SCOPED_TRACE(c.what);
        const UnitConverter* from = Converter(c.from);
        const UnitConverter* to = Converter(c.to);
        ASSERT_NE(from, nullptr);
        ASSERT_NE(to, nullptr);
        double base = 0;
        double result = 0;
        ASSERT_EQ(from->ToBase(c.value, &base, from->GetDimTag()), ecSuccess);
        ASSERT_EQ(to->FromBase(base, from->GetDimTag(), &result), ecSuccess);
        double tolerance = std::max(std::abs(c.expected) * 1e-9, 1e-12);
        EXPECT_NEAR(result, c.expected, tolerance);
    }
}

// Units whose whole group has no SI unit to compare with, and units whose base value is exact:
// a value in the unit and its value in the coherent SI unit of its dimension.
TEST(BaseValues, ConvertToTheCoherentSiUnit) {
    const struct {
        int unit;
        double value;
        double base;
    } cases[] = {
        {0x2f001, 1, 1e-4},      // stokes: cm²/s
        {0x2f002, 1, 1e-6},      // centistokes: mm²/s
        {0x8004, 400, 2 * M_PI}, // grad
        {0x2a001, 0, 0},         // kelvin
        {0x2b001, 60, 1},        // degree Celsius per minute: no offset
    };
    for (const auto& c : cases) {
        const UnitConverter* unit = Converter(c.unit);
        ASSERT_NE(unit, nullptr) << std::hex << c.unit;
        double base = 0;
        ASSERT_EQ(unit->ToBase(c.value, &base, unit->GetDimTag()), ecSuccess);
        EXPECT_NEAR(base, c.base, std::abs(c.base) * 1e-12) << std::hex << c.unit;
    }
}

} // namespace
