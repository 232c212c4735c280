#pragma once

// Value types shared by the core units library and the libraries built on it.

namespace velmar::platform {

// Ids of unit groups and unit types as the design-property interfaces carry them. Any id of
// the catalogue converts to these types; the enumerators name only the empty id.
struct IDesignPropertyUnits {
    enum teGroup : int { eNoGroup = 0 };
    enum teType : int { eNoType = 0 };
};

} // namespace velmar::platform

namespace vmp = velmar::platform;

namespace velmar::platform::core::units {

// Result of every fallible operation.
enum [[nodiscard]] ErrorCode : int{
    // Done: the result is written, read or stored.
    ecSuccess = 0,
    // A rejected argument, an id that names nothing, a missing or short buffer, a failure.
    ecFailure = 1,
    // A text that is not a quantity of the requested dimension.
    ecNotAQuantity = 2,
    // No formatting or parsing string stored for an id.
    ecNotFound = 3,
    // A conversion asked for with a dimension tag that is not the converter's own.
    ecDimensionMismatch = 4,
};

// Numeric formats of number text.
enum NumberFormat : int {
    nfExponential = 0,      // "Exponential": d.ddE+xx
    nfExponentialLower = 1, // "exponential": d.dde+xx
    nfFixedPoint = 2,       // "Fixed Point": ddd.dd
    nfGeneral = 3,          // "General": the shorter of fixed and E notation
    nfGeneralLower = 4,     // "general": the shorter of fixed and e notation
    nfNumber = 5,           // "Number": fixed with digit grouping
    nfFraction = 6,         // "Fraction": whole number and binary fraction
};

// A unit symbol id: (variant << 20) | unit id. Any symbol id of the catalogue converts to it.
enum UnitSymbol : int { usNone = 0 };

// Exponents of a quantity's dimension, in this order: length, mass, time, electric current,
// thermodynamic temperature, amount of substance, luminous intensity. Plane and solid angles
// are dimensionless.
using DimensionTag = int[7];

} // namespace velmar::platform::core::units
