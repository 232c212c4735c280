#pragma once

#include <ViVuzaZadur/Export.h>
#include <ViVuzaZadur/UnitsTypes.h>

namespace velmar::platform::core::units {

// Converts values of one unit to and from the base value of the unit's dimension, that is the
// value in the coherent SI unit of that dimension:  base = (value + offset) * factor.
// Only the affine temperature scales (degree Celsius, degree Fahrenheit) have an offset.
class VIVUZAZADUR_EXPORT UnitConverter {
public:
    UnitConverter(double factor, double offset, const DimensionTag& dimension);
    UnitConverter(const UnitConverter& other);
    UnitConverter& operator=(const UnitConverter& other);
    virtual ~UnitConverter();

    // The factor from this unit to the base unit.
    virtual double GetFactor() const;
    // Writes the value in this unit of a base value. The tag must be this converter's own:
    // any other tag gives ecDimensionMismatch and leaves *value alone; a null value gives
    // ecFailure.
    virtual ErrorCode FromBase(double base, const DimensionTag& dimension, double* value) const;
    // The offset added to a value before it is scaled to the base unit.
    virtual double GetOffset() const;
    // Writes the base value of a value in this unit; the same checks as FromBase.
    virtual ErrorCode ToBase(double value, double* base, const DimensionTag& dimension) const;

    const DimensionTag& GetDimTag() const { return dimension_; }

protected:
    bool HasDimension(const DimensionTag& dimension) const;

    double factor_;
    double offset_;
    DimensionTag dimension_;
};

} // namespace velmar::platform::core::units
