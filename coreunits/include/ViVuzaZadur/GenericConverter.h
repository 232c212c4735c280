#pragma once

#include <ViVuzaZadur/UnitConverter.h>

namespace velmar::platform::core::units {

// A linear unit made on the fly: factor times the base unit of a dimension. Products and
// quotients of units (m/s², kN·m) are built from these.
class VIVUZAZADUR_EXPORT GenericConverter : public UnitConverter {
public:
    GenericConverter(double factor, const DimensionTag& dimension);
    // The linear part of any converter: its factor and dimension. An offset is not carried
    // over, so a degree Celsius becomes a kelvin-sized interval.
    explicit GenericConverter(const UnitConverter& unit);
    GenericConverter(const GenericConverter& other);
    GenericConverter& operator=(const GenericConverter& other);
    ~GenericConverter() override;
};

// Product and quotient: the factors multiply or divide, the exponents add or subtract.
VIVUZAZADUR_EXPORT GenericConverter operator*(const GenericConverter& left,
                                              const GenericConverter& right);
VIVUZAZADUR_EXPORT GenericConverter operator/(const GenericConverter& left,
                                              const GenericConverter& right);

} // namespace velmar::platform::core::units
