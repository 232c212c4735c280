#pragma once

#include <ViVuzaZadur/Export.h>
#include <ViVuzaZadur/UnitsTypes.h>

#include <cstddef>

namespace velmar::platform::core::units {

// Global names: stable, unique, identifier-like names of groups, units, unit symbols and
// numeric formats, for configuration files and translation keys. They never change with the
// language. Rules:
//  - a group or unit: its English name in CamelCase, apostrophes dropped and every other
//    character that is not a letter or digit ending a word ("foot (U.S. Survey)" is
//    "FootUSSurvey", "Parts-per" is "PartsPer");
//  - a unit symbol: its symbol key without the leading "eS" ("eSkm" is "km"); a symbol that
//    stands for the unit's name is the unit's global name followed by "_Name", and by the
//    variant number when it is not the first ("Meter_Name", "MilSwedenAndNorway_Name3");
//  - a numeric format: "Exponential", "ExponentialLowerCase", "FixedPoint", "General",
//    "GeneralLowerCase", "Number", "Fraction".
// Names are compared exactly (case-sensitively).
class VIVUZAZADUR_EXPORT UnitsUtilities {
public:
    // Name to id. A null or unknown name gives ecFailure and leaves the out-argument alone.
    static ErrorCode GetUnitGroup(const wchar_t* name, vmp::IDesignPropertyUnits::teGroup& group);
    static ErrorCode GetUnitType(const wchar_t* name, vmp::IDesignPropertyUnits::teType& type);
    static ErrorCode GetUnitSymbol(const wchar_t* name, UnitSymbol& symbol);
    static ErrorCode GetNumericFormat(const wchar_t* name, NumberFormat& format);

    // Length of the global name of a group, unit or unit symbol id, terminator included; an
    // unknown id gives ecFailure and leaves length alone.
    static ErrorCode GetGlobalNameLength(int id, size_t& length);
    static ErrorCode GetGlobalNameLength(NumberFormat format, size_t& length);
    // Copies the global name and its terminator. A null buffer, a buffer shorter than the
    // length or an unknown id gives ecFailure and writes nothing.
    static ErrorCode GetGlobalName(int id, wchar_t* buffer, size_t size);
    static ErrorCode GetGlobalName(NumberFormat format, wchar_t* buffer, size_t size);
};

} // namespace velmar::platform::core::units
