#include <ViVuzaZadur/UnitConverter.h>

#include <algorithm>

namespace velmar::platform::core::units {

UnitConverter::UnitConverter(double factor, double offset, const DimensionTag& dimension)
    : factor_(factor), offset_(offset) {
    std::copy(dimension, dimension + 7, dimension_);
}

UnitConverter::UnitConverter(const UnitConverter& other)
    : UnitConverter(other.factor_, other.offset_, other.dimension_) {}

UnitConverter& UnitConverter::operator=(const UnitConverter& other) {
    factor_ = other.factor_;
    offset_ = other.offset_;
    std::copy(other.dimension_, other.dimension_ + 7, dimension_);
    return *this;
}

UnitConverter::~UnitConverter() = default;

double UnitConverter::GetFactor() const {
    return factor_;
}

double UnitConverter::GetOffset() const {
    return offset_;
}

bool UnitConverter::HasDimension(const DimensionTag& dimension) const {
    return std::equal(dimension_, dimension_ + 7, dimension);
}

ErrorCode UnitConverter::FromBase(double base, const DimensionTag& dimension, double* value) const {
    if (value == nullptr)
        return ecFailure;
    if (!HasDimension(dimension))
        return ecDimensionMismatch;
    *value = base / factor_ - offset_;
    return ecSuccess;
}

ErrorCode UnitConverter::ToBase(double value, double* base, const DimensionTag& dimension) const {
    if (base == nullptr)
        return ecFailure;
    if (!HasDimension(dimension))
        return ecDimensionMismatch;
    *base = (value + offset_) * factor_;
    return ecSuccess;
}

} // namespace velmar::platform::core::units
