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

void PrintTo(const KnownConversion& c, std::ostream* out) {
    *out << c.what;
}

class KnownConversions : public ::testing::TestWithParam<KnownConversion> {};

TEST_P(KnownConversions, MatchThePublishedValue) {
    const KnownConversion& c = GetParam();
    const UnitConverter* from = UnitsConfig::GetInstance()->FindConverter(c.from);
    const UnitConverter* to = UnitsConfig::GetInstance()->FindConverter(c.to);
    ASSERT_NE(from, nullptr);
    ASSERT_NE(to, nullptr);
    double base = 0;
    double result = 0;
    ASSERT_EQ(from->ToBase(c.value, &base, from->GetDimTag()), ecSuccess);
    ASSERT_EQ(to->FromBase(base, from->GetDimTag(), &result), ecSuccess);
    double tolerance = std::max(std::abs(c.expected) * 1e-9, 1e-12);
    EXPECT_NEAR(result, c.expected, tolerance);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, KnownConversions, ::testing::ValuesIn(kKnownConversions));

struct BaseValue {
    int unit;
    double value;
    double base; // in the coherent SI unit of its dimension
};

void PrintTo(const BaseValue& c, std::ostream* out) {
    *out << std::hex << "unit " << c.unit;
}

class BaseValues : public ::testing::TestWithParam<BaseValue> {};

// Units whose whole group has no SI unit to compare with, and units whose base value is exact.
TEST_P(BaseValues, ConvertToTheCoherentSiUnit) {
    const UnitConverter* unit = UnitsConfig::GetInstance()->FindConverter(GetParam().unit);
    ASSERT_NE(unit, nullptr);
    double base = 0;
    ASSERT_EQ(unit->ToBase(GetParam().value, &base, unit->GetDimTag()), ecSuccess);
    EXPECT_NEAR(base, GetParam().base, std::abs(GetParam().base) * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, BaseValues,
    ::testing::Values(BaseValue{0x2f001, 1, 1e-4},              // stokes: cm²/s
                      BaseValue{0x2f002, 1, 1e-6},              // centistokes: mm²/s
                      BaseValue{0x2e001, 1, 0.1},               // poise
                      BaseValue{0x8002, 180, M_PI},             // degree
                      BaseValue{0x8004, 400, 2 * M_PI},         // grad
                      BaseValue{0x2a003, 32, 273.15},           // degree Fahrenheit
                      BaseValue{0x2a004, 491.67, 273.15},       // degree Rankine
                      BaseValue{0x19007, 60, 1},                // revolution per minute
                      BaseValue{0x34002, 1, 10.76391041670972}, // footcandle: lm/ft²
                      BaseValue{0x1d017, 1, 3516.8528420667},   // ton of refrigeration
                      BaseValue{0x2017, 2, 0.6096},             // foot
                      BaseValue{0x2a002, 0, 273.15},            // degree Celsius: affine
                      BaseValue{0x2a001, 0, 0},                 // kelvin
                      BaseValue{0x2b001, 60, 1})); // degree Celsius per minute: no offset

} // namespace
