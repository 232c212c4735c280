#include <ViVuzaZadur/GenericConverter.h>

namespace velmar::platform::core::units {

GenericConverter::GenericConverter(double factor, const DimensionTag& dimension)
    : UnitConverter(factor, 0.0, dimension) {}

GenericConverter::GenericConverter(const UnitConverter& unit)
    : UnitConverter(unit.GetFactor(), 0.0, unit.GetDimTag()) {}

GenericConverter::GenericConverter(const GenericConverter& other) = default;

GenericConverter& GenericConverter::operator=(const GenericConverter& other) = default;

GenericConverter::~GenericConverter() = default;

namespace {

GenericConverter Combine(const GenericConverter& left, const GenericConverter& right, int sign) {
    DimensionTag dimension;
    for (int i = 0; i < 7; ++i)
        dimension[i] = left.GetDimTag()[i] + sign * right.GetDimTag()[i];
    double factor =
        sign > 0 ? left.GetFactor() * right.GetFactor() : left.GetFactor() / right.GetFactor();
    return GenericConverter(factor, dimension);
}

} // namespace

GenericConverter operator*(const GenericConverter& left, const GenericConverter& right) {
    return Combine(left, right, 1);
}

GenericConverter operator/(const GenericConverter& left, const GenericConverter& right) {
    return Combine(left, right, -1);
}

} // namespace velmar::platform::core::units
