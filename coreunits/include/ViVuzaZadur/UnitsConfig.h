#pragma once

#include <ViVuzaZadur/Export.h>
#include <ViVuzaZadur/UnitsTypes.h>

#include <cstddef>

namespace velmar::platform::core::units {

class UnitConverter;

// The unit catalogue: 68 unit groups, 787 units and 1877 unit symbols, numbered densely from 1
// in catalogue order (unit id = group id + index, symbol id = (variant << 20) | unit id).
class VIVUZAZADUR_EXPORT UnitsConfig {
public:
    // The process-wide catalogue; never null.
    static UnitsConfig* GetInstance();

    // The converter of a unit id, or of a unit symbol id's unit; null when the id names no
    // unit or symbol of the catalogue. The converter lives as long as the library.
    const UnitConverter* FindConverter(int id) const;

    // The group of a dimension tag, or 0 when no group has that tag. Where several groups share
    // a dimension, one of them is marked as the group of that dimension in the catalogue:
    // Dimensionless for the all-zero tag (angles, ratios and storage sizes are dimensionless),
    // Frequency for 1/s (not Bit Rate), Energy for N·m (not Torque), Voltage, Force, Density,
    // Velocity, Volume, Unit Weight, Illuminance and Luminous Intensity.
    int FindUnitGroup(const DimensionTag& dimension) const;

    // With a null array: the count. Otherwise the array must hold the count; it receives the
    // ids in catalogue order and the count is returned. An unknown group or unit gives 0.
    size_t GetUnitGroups(int* groups) const;
    size_t GetUnitTypes(int group, int* units) const;
    size_t GetUnitSymbols(int unit, int* symbols) const;

    // The global name of a unit symbol id (see UnitsUtilities), or null.
    const wchar_t* GetGlobalName(int symbol) const;

private:
    UnitsConfig();
    ~UnitsConfig();
    UnitsConfig(const UnitsConfig&) = delete;
    UnitsConfig& operator=(const UnitsConfig&) = delete;
};

} // namespace velmar::platform::core::units
