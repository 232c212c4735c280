#pragma once

// Named constants behind the unit catalogue (Units.inc).
//
// Every factor in Units.inc is an expression over the constants below; every
// number that defines a unit is written here exactly once, next to the legal
// or standard source it comes from. The value of each constant is the size
// of the unit in coherent SI units of its dimension (metre, kilogram,
// second, ampere, kelvin, mole, candela; radian and steradian count as 1).
//
// Where a unit name has several competing definitions, the comment says which
// one the catalogue uses and why. The guiding rule is "what an engineering
// user of a CAD, structural, surveying or HVAC tool means by that name":
// international (1959) yard and pound units unless the name says "survey",
// International Table calorie and BTU unless the name says otherwise, and
// the legal definitions of NIST SP 811 / SP 1038 / Handbook 44, the BIPM SI
// brochure (9th ed.), ISO 80000 and the UK Weights and Measures Act 1985.

namespace velmar::platform::core::units::catalogue {

// Dimension exponents, in this order: length, mass, time, electric current,
// thermodynamic temperature, amount of substance, luminous intensity.
struct Dimension {
    int exponents[7];
};

// The exponents stand in aligned columns.
// clang-format off
namespace dim {
//                                       L  M  T  I  Th N  J
// Plane and solid angles, ratios, counts (bits) and the unitless unit.
constexpr Dimension None{{                0, 0, 0, 0, 0, 0, 0}};
constexpr Dimension Length{{              1, 0, 0, 0, 0, 0, 0}};
constexpr Dimension Area{{                2, 0, 0, 0, 0, 0, 0}};
constexpr Dimension Volume{{              3, 0, 0, 0, 0, 0, 0}};
constexpr Dimension Mass{{                0, 1, 0, 0, 0, 0, 0}};
constexpr Dimension Time{{                0, 0, 1, 0, 0, 0, 0}};
constexpr Dimension ElectricCurrent{{     0, 0, 0, 1, 0, 0, 0}};
constexpr Dimension Temperature{{         0, 0, 0, 0, 1, 0, 0}};
constexpr Dimension AmountOfSubstance{{   0, 0, 0, 0, 0, 1, 0}};
// cd; also lm = cd·sr, the steradian being dimensionless.
constexpr Dimension LuminousIntensity{{   0, 0, 0, 0, 0, 0, 1}};

// kg/m
constexpr Dimension LinearDensity{{      -1, 1, 0, 0, 0, 0, 0}};
// kg/m²
constexpr Dimension AreaDensity{{        -2, 1, 0, 0, 0, 0, 0}};
// kg/m³ (mass density and mass concentration)
constexpr Dimension Density{{            -3, 1, 0, 0, 0, 0, 0}};
// 1/s (frequency, rotational speed, bit and symbol rates, air changes)
constexpr Dimension Frequency{{           0, 0,-1, 0, 0, 0, 0}};
// m/s (also volumetric airflow per unit area)
constexpr Dimension Velocity{{            1, 0,-1, 0, 0, 0, 0}};
// m/s²
constexpr Dimension Acceleration{{        1, 0,-2, 0, 0, 0, 0}};
// m³/s
constexpr Dimension VolumetricFlowRate{{  3, 0,-1, 0, 0, 0, 0}};
// kg/s
constexpr Dimension MassFlowRate{{        0, 1,-1, 0, 0, 0, 0}};
// N = kg·m/s² (also moment per length N·m/m)
constexpr Dimension Force{{               1, 1,-2, 0, 0, 0, 0}};
// N/m = kg/s²
constexpr Dimension LinearForce{{         0, 1,-2, 0, 0, 0, 0}};
// Pa = N/m²
constexpr Dimension Pressure{{           -1, 1,-2, 0, 0, 0, 0}};
// N/m³ (unit weight, and pressure drop per length)
constexpr Dimension SpecificWeight{{     -2, 1,-2, 0, 0, 0, 0}};
// J = N·m (energy, work, torque)
constexpr Dimension Energy{{              2, 1,-2, 0, 0, 0, 0}};
// W = J/s
constexpr Dimension Power{{               2, 1,-3, 0, 0, 0, 0}};
// W/m³
constexpr Dimension PowerDensity{{       -1, 1,-3, 0, 0, 0, 0}};
// W/kg
constexpr Dimension SpecificPower{{       2, 0,-3, 0, 0, 0, 0}};
// W/m²
constexpr Dimension HeatFluxDensity{{     0, 1,-3, 0, 0, 0, 0}};
// W/(m²·K)
constexpr Dimension HeatTransferCoefficient{{0, 1,-3, 0,-1, 0, 0}};
// m/N
constexpr Dimension ForceScale{{          0,-1, 2, 0, 0, 0, 0}};
// m²/N (also airflow per power, m³/(s·W))
constexpr Dimension LinearForceScale{{    1,-1, 2, 0, 0, 0, 0}};
// m³/N
constexpr Dimension AreaForceScale{{      2,-1, 2, 0, 0, 0, 0}};
// 1/N = s²/(m·kg)
constexpr Dimension MomentScale{{        -1,-1, 2, 0, 0, 0, 0}};
// m²/W
constexpr Dimension AreaPerPower{{        0,-1, 3, 0, 0, 0, 0}};
// Pa·s
constexpr Dimension DynamicViscosity{{   -1, 1,-1, 0, 0, 0, 0}};
// m²/s
constexpr Dimension KinematicViscosity{{  2, 0,-1, 0, 0, 0, 0}};
// C = A·s
constexpr Dimension ElectricCharge{{      0, 0, 1, 1, 0, 0, 0}};
// V = W/A
constexpr Dimension Voltage{{             2, 1,-3,-1, 0, 0, 0}};
// F = C/V
constexpr Dimension Capacitance{{        -2,-1, 4, 2, 0, 0, 0}};
// Ω = V/A
constexpr Dimension Resistance{{          2, 1,-3,-2, 0, 0, 0}};
// S = A/V
constexpr Dimension Conductance{{        -2,-1, 3, 2, 0, 0, 0}};
// H = Wb/A
constexpr Dimension Inductance{{          2, 1,-2,-2, 0, 0, 0}};
// T = Wb/m²
constexpr Dimension MagneticFluxDensity{{ 0, 1,-2,-1, 0, 0, 0}};
// Wb = V·s
constexpr Dimension MagneticFlux{{        2, 1,-2,-1, 0, 0, 0}};
// A/m
constexpr Dimension MagneticFieldStrength{{-1, 0, 0, 1, 0, 0, 0}};
// K/s
constexpr Dimension TemperatureRate{{     0, 0,-1, 0, 1, 0, 0}};
// 1/K
constexpr Dimension ThermalExpansion{{    0, 0, 0, 0,-1, 0, 0}};
// lx = lm/m² = cd·sr/m² (illuminance, luminous exitance, luminance)
constexpr Dimension Illuminance{{        -2, 0, 0, 0, 0, 0, 1}};
// lm·s
constexpr Dimension LuminousEnergy{{      0, 0, 1, 0, 0, 0, 1}};
// lm/W
constexpr Dimension LuminousEfficacy{{   -2,-1, 3, 0, 0, 0, 1}};
}  // namespace dim
// clang-format on

// ---------------------------------------------------------------------------
// Mathematical constant and prefixes
// ---------------------------------------------------------------------------
constexpr double pi = 3.14159265358979323846;

// SI prefixes (SI brochure, 9th ed., Table 7), yotta to yocto; the 2022
// ronna/quetta prefixes have no unit in the catalogue.
constexpr double yotta = 1e24;
constexpr double zetta = 1e21;
constexpr double exa = 1e18;
constexpr double peta = 1e15;
constexpr double tera = 1e12;
constexpr double giga = 1e9;
constexpr double mega = 1e6;
constexpr double kilo = 1e3;
constexpr double hecto = 1e2;
constexpr double deca = 1e1;
constexpr double deci = 1e-1;
constexpr double centi = 1e-2;
constexpr double milli = 1e-3;
constexpr double micro = 1e-6;
constexpr double nano = 1e-9;
constexpr double pico = 1e-12;
constexpr double femto = 1e-15;
constexpr double atto = 1e-18;
constexpr double zepto = 1e-21;
constexpr double yocto = 1e-24;

// Binary prefixes (IEC 80000-13). "KB" is read as a kibibyte, as the
// catalogue's symbol list says.
constexpr double kibi = 1024;
constexpr double mebi = kibi * kibi;
constexpr double gibi = kibi * mebi;
constexpr double tebi = kibi * gibi;
constexpr double pebi = kibi * tebi;
constexpr double exbi = kibi * pebi;
constexpr double zebi = kibi * exbi;
constexpr double yobi = kibi * zebi;

// Plain counts, for "per million" and the like (short scale: billion = 10^9).
constexpr double unity = 1;
constexpr double per_million = micro;
constexpr double per_billion = nano;

// ---------------------------------------------------------------------------
// SI base and coherent derived units
// ---------------------------------------------------------------------------
constexpr double meter = 1;
constexpr double kilogram = 1;
constexpr double second = 1;
constexpr double ampere = 1;
constexpr double kelvin = 1;
constexpr double mole = 1;
constexpr double candela = 1;
constexpr double radian = 1;    // dimensionless in the SI
constexpr double steradian = 1; // dimensionless in the SI

constexpr double gram = kilogram / kilo;
constexpr double square_meter = meter * meter;
constexpr double cubic_meter = meter * meter * meter;
constexpr double newton = kilogram * meter / (second * second);
// Not named "pascal": <windows.h> defines that word as a macro.
constexpr double pascal_unit = newton / square_meter;
constexpr double joule = newton * meter;
constexpr double watt = joule / second;
constexpr double hertz = 1 / second;
constexpr double coulomb = ampere * second;
constexpr double volt = watt / ampere;
constexpr double farad = coulomb / volt;
constexpr double ohm = volt / ampere;
constexpr double siemens = 1 / ohm;
constexpr double weber = volt * second;
constexpr double tesla = weber / square_meter;
constexpr double henry = weber / ampere;
constexpr double lumen = candela * steradian;
constexpr double lux = lumen / square_meter;

// ---------------------------------------------------------------------------
// Fundamental constants, exact in the SI since 2019 (SI brochure, Table 1),
// and CODATA values for the one that is measured.
// ---------------------------------------------------------------------------
constexpr double speed_of_light = 299792458 * meter / second;
constexpr double elementary_charge = 1.602176634e-19 * coulomb;
constexpr double avogadro = 6.02214076e23; // 1/mol
// Atomic mass constant m_u = 1 Da, CODATA 2022 recommended value.
constexpr double atomic_mass_constant = 1.66053906892e-27 * kilogram;

// ---------------------------------------------------------------------------
// Time
// ---------------------------------------------------------------------------
constexpr double minute = 60 * second;
constexpr double hour = 60 * minute;
constexpr double day = 24 * hour;
constexpr double week = 7 * day;
constexpr double fortnight = 2 * week;

// "year" is the 365-day common year (NIST SP 811, Appendix B.8 "year
// (365 days)"): it gives the 8760 h/year that energy and HVAC work counts
// with. decade, century and millennium are 10, 100 and 1000 of these years
// so that they convert to "year" exactly; the calendar averages have their
// own Gregorian and Julian units.
constexpr double year_common = 365 * day;
constexpr double decade = 10 * year_common;
constexpr double century = 100 * year_common;
constexpr double millennium = 1000 * year_common;
// "month" is one twelfth of "year" (730 h, the usual monthly energy
// convention), so that 12 months make a year.
constexpr double month = year_common / 12;
constexpr double month_hollow = 29 * day; // lunar-calendar short month
constexpr double month_full = 30 * day;   // lunar-calendar long month
// Gregorian calendar: 97 leap days in 400 years.
constexpr double year_gregorian = 365.2425 * day;
constexpr double millennium_gregorian = 1000 * year_gregorian;
// Julian year (IAU Style Manual: symbol a, 365.25 d).
constexpr double year_julian = 365.25 * day;
constexpr double century_julian = 100 * year_julian;
constexpr double millennium_julian = 1000 * year_julian;
// "annum" is the year of symbol a used in science: the IAU Julian year.
constexpr double annum = year_julian;
// Sidereal and mean tropical years at epoch J2000.0, in days of 86400 s
// (IERS conventions; the tropical year rounded to 365.24219 d).
constexpr double year_sidereal = 365.256363004 * day;
constexpr double year_tropical = 365.24219 * day;

// ---------------------------------------------------------------------------
// Plane angle (radian = 1)
// ---------------------------------------------------------------------------
constexpr double degree = pi / 180 * radian;
constexpr double arcminute = degree / 60;
constexpr double arcsecond = arcminute / 60;
constexpr double grad = pi / 200 * radian;                    // gon: 400 to the turn
constexpr double angular_mil_nato = 2 * pi / 6400 * radian;   // NATO mil
constexpr double angular_mil_sweden = 2 * pi / 6300 * radian; // Swedish streck
constexpr double angular_mil_ussr = 2 * pi / 6000 * radian;   // Soviet/Finnish

// ---------------------------------------------------------------------------
// Length
// ---------------------------------------------------------------------------
// International yard and pound agreement (1959); UK Weights and Measures
// Act 1985, Sch. 1.
constexpr double inch = 0.0254 * meter;
constexpr double foot = 12 * inch;
constexpr double yard = 3 * foot;
constexpr double mile = 5280 * foot;                   // international (statute) mile
constexpr double chain = 66 * foot;                    // Gunter's chain, international foot
constexpr double gunter_link = chain / 100;            // Gunter's link, 7.92 in
constexpr double rod = chain / 4;                      // rod = pole = perch, 16.5 ft
constexpr double furlong = 10 * chain;                 // 660 ft
constexpr double chain_engineer = 100 * foot;          // Ramsden's (engineer's) chain
constexpr double link_engineer = chain_engineer / 100; // = 1 ft
constexpr double fathom = 6 * foot;
constexpr double mil = inch / 1000; // thou
constexpr double microinch = micro * inch;
constexpr double hand = 4 * inch;
constexpr double palm = 3 * inch;
constexpr double span = 9 * inch;   // also the cloth-measure span (4 nails)
constexpr double cubit = 18 * inch; // English cubit
constexpr double pace = 30 * inch;  // 2.5 ft
constexpr double rope = 20 * foot;
constexpr double skein = 120 * yard; // yarn measure, 360 ft
constexpr double bolt = 40 * yard;   // cloth bolt, 120 ft
// "caliber" is a hundredth of an inch: a ".45 caliber" bore is 45 calibers.
constexpr double caliber = inch / 100;
constexpr double league = 3 * mile; // land league of 3 statute miles
// U.S. survey foot (Mendenhall order 1893; NIST/NOAA Federal Register notice
// of 5 Oct 2020: deprecated from 2023, kept for legacy survey data).
constexpr double survey_foot = 1200.0 / 3937.0 * meter;
constexpr double survey_inch = survey_foot / 12;
constexpr double survey_yard = 3 * survey_foot;
constexpr double survey_rod = 16.5 * survey_foot;
constexpr double survey_mile = 5280 * survey_foot;
// Historical survey feet, as the EPSG geodetic registry defines them.
constexpr double foot_benoit = 0.9143992 * meter / 3;  // EPSG 9051, Benoit 1895 B
constexpr double foot_clarke = 0.3047972654 * meter;   // EPSG 9005, Clarke's foot (Cape)
constexpr double foot_indian = 12 / 39.370142 * meter; // EPSG 9080, Indian foot
constexpr double foot_sears = 12 / 39.370147 * meter;  // EPSG 9041, Sears 1922
// Nautical units.
constexpr double nautical_mile = 1852 * meter;          // international, 1929
constexpr double nautical_mile_admiralty = 6080 * foot; // UK, until 1970
constexpr double nautical_league = 3 * nautical_mile;
// Cable: the international cable of one tenth of a nautical mile (the
// 720 ft U.S. and 608 ft Admiralty cables are not in the catalogue).
constexpr double cable = nautical_mile / 10;
// Geographical mile: one minute of arc along the equator of the WGS 84
// ellipsoid (semi-major axis 6 378 137 m).
constexpr double wgs84_semi_major_axis = 6378137 * meter;
constexpr double geographical_mile = wgs84_semi_major_axis * arcminute;
constexpr double mil_scandinavian = 10 * kilo * meter; // Swedish/Norwegian mil
constexpr double micron = micro * meter;
constexpr double millimicron = nano * meter;
constexpr double angstrom = 1e-10 * meter;
// Astronomical unit (IAU 2012 Resolution B2), light-year (IAU: c times a
// Julian year) and parsec (IAU 2015 Resolution B2: 648000/pi au).
constexpr double astronomical_unit = 149597870700 * meter;
constexpr double light_year = speed_of_light * year_julian;
constexpr double parsec = astronomical_unit / arcsecond;

// ---------------------------------------------------------------------------
// Area
// ---------------------------------------------------------------------------
constexpr double square_inch = inch * inch;
constexpr double square_foot = foot * foot;
constexpr double square_yard = yard * yard;
constexpr double square_mile = mile * mile;
constexpr double square_millimeter = milli * meter * milli * meter;
constexpr double square_centimeter = centi * meter * centi * meter;
constexpr double square_decimeter = deci * meter * deci * meter;
constexpr double square_kilometer = kilo * meter * kilo * meter;
constexpr double acre = 43560 * square_foot; // 10 square chains
constexpr double survey_acre = 43560 * survey_foot * survey_foot;
constexpr double are = 100 * square_meter;
constexpr double hectare = hecto * are;
// Section and township (U.S. Public Land Survey System): a section is one
// square mile of 640 acres, a township 6 x 6 sections (NIST Handbook 44,
// App. C). Like every unit whose name does not say "survey", they use the
// international foot, so that a section is exactly 640 acres; the survey
// measure differs by 4 ppm and has its own survey acre and survey mile.
constexpr double section = square_mile;
constexpr double township = 36 * section;
constexpr double circular_mil = pi / 4 * mil * mil; // area of a 1 mil circle
constexpr double barn = 1e-28 * square_meter;
// Board (area): a board one foot long and one inch wide, 12 in²; one inch
// thick it makes the board-foot.
constexpr double board = foot * inch;
// Cord (area): the 4 ft x 4 ft end face of a cord of stacked wood, so that
// one foot of the stack (face x 1 ft) is a cord-foot.
constexpr double cord_face = 4 * foot * 4 * foot;

// ---------------------------------------------------------------------------
// Volume
// ---------------------------------------------------------------------------
constexpr double cubic_inch = inch * inch * inch;
constexpr double cubic_foot = foot * foot * foot;
constexpr double cubic_yard = yard * yard * yard;
constexpr double cubic_millimeter = milli * meter * milli * meter * milli * meter;
constexpr double cubic_centimeter = centi * meter * centi * meter * centi * meter;
constexpr double cubic_decimeter = deci * meter * deci * meter * deci * meter;
constexpr double cubic_kilometer = kilo * meter * kilo * meter * kilo * meter;
constexpr double liter = milli * cubic_meter; // CGPM 1964
constexpr double stere = cubic_meter;
constexpr double board_foot = 144 * cubic_inch;   // 1 ft x 1 ft x 1 in
constexpr double cord = 128 * cubic_foot;         // 8 ft x 4 ft x 4 ft stack
constexpr double cord_foot = cord / 8;            // 16 ft³
constexpr double register_ton = 100 * cubic_foot; // Moorsom gross tonnage
constexpr double acre_foot = acre * foot;
constexpr double acre_inch = acre * inch;
// U.S. liquid measure (NIST Handbook 44, Appendix C): wine gallon of 231 in³.
constexpr double gallon_us = 231 * cubic_inch;
constexpr double quart_us = gallon_us / 4;
constexpr double pint_us = quart_us / 2;
constexpr double cup_us = pint_us / 2;  // customary cup, 8 fl oz
constexpr double gill_us = pint_us / 4; // 4 fl oz
constexpr double fluid_ounce_us = gallon_us / 128;
constexpr double tablespoon_us = fluid_ounce_us / 2;
constexpr double teaspoon_us = tablespoon_us / 3;
constexpr double fluid_dram_us = fluid_ounce_us / 8;
constexpr double minim_us = fluid_ounce_us / 480;
constexpr double barrel_us_fluid = 31.5 * gallon_us;
constexpr double hogshead_us = 63 * gallon_us;
constexpr double tun = 252 * gallon_us;             // wine tun
constexpr double barrel_petroleum = 42 * gallon_us; // API barrel
constexpr double beer_gallon = 282 * cubic_inch;    // old English ale gallon
// U.S. dry measure (Handbook 44, Appendix C; 15 U.S.C. 234 for the barrel).
constexpr double bushel_us = 2150.42 * cubic_inch; // Winchester bushel, struck
// Heaped bushel: Handbook 44, App. C, 2747.715 in³ (about 1.278 struck bushels).
constexpr double bushel_us_heaped = 2747.715 * cubic_inch;
constexpr double peck_us = bushel_us / 4;
constexpr double gallon_us_dry = bushel_us / 8;
constexpr double quart_us_dry = bushel_us / 32;
constexpr double pint_us_dry = bushel_us / 64;
constexpr double barrel_us_dry = 7056 * cubic_inch;
// Imperial measure (UK Weights and Measures Act 1985: gallon = 4.54609 L).
constexpr double gallon_imperial = 4.54609 * liter;
constexpr double quart_imperial = gallon_imperial / 4;
constexpr double pint_imperial = gallon_imperial / 8;
constexpr double gill_imperial = pint_imperial / 4; // 5 fl oz
constexpr double fluid_ounce_imperial = gallon_imperial / 160;
constexpr double minim_imperial = fluid_ounce_imperial / 480;
constexpr double teaspoon_imperial = gill_imperial / 24;
constexpr double peck_imperial = 2 * gallon_imperial;
constexpr double bushel_imperial = 8 * gallon_imperial;
constexpr double barrel_imperial = 36 * gallon_imperial;   // beer barrel
constexpr double hogshead_imperial = 54 * gallon_imperial; // beer hogshead, 1.5 barrels
constexpr double firkin = 9 * gallon_imperial;             // beer firkin
// Canadian kitchen measures, on imperial fluid ounces.
constexpr double cup_canadian = 8 * fluid_ounce_imperial;
constexpr double tablespoon_canadian = fluid_ounce_imperial / 2;
constexpr double teaspoon_canadian = tablespoon_canadian / 3;
// Metric kitchen measures: the unqualified cup, tablespoon and teaspoon.
constexpr double cup_metric = 250 * milli * liter;
constexpr double tablespoon_metric = 15 * milli * liter;
constexpr double teaspoon_metric = 5 * milli * liter;

// ---------------------------------------------------------------------------
// Mass
// ---------------------------------------------------------------------------
// Avoirdupois pound: international yard and pound agreement (1959); UK
// Weights and Measures Act 1985.
constexpr double pound = 0.45359237 * kilogram;
constexpr double ounce = pound / 16;
constexpr double dram_avoirdupois = ounce / 16;
constexpr double grain = pound / 7000;
constexpr double stone = 14 * pound;
constexpr double short_hundredweight = 100 * pound;
constexpr double long_hundredweight = 112 * pound;
constexpr double short_ton = 2000 * pound;
constexpr double long_ton = 2240 * pound;
// Metric pound (Pfund, livre métrique): half a kilogram, still in trade use in central Europe.
constexpr double pound_metric = 0.5 * kilogram;
// Troy and apothecaries' weights.
constexpr double ounce_troy = 480 * grain;
constexpr double pound_troy = 12 * ounce_troy;
constexpr double pennyweight = 24 * grain;
constexpr double dram_apothecary = 60 * grain;
// Metric carat (CGPM 1907), the only carat in legal use since 1914; the
// unqualified "carat" row uses it too. A pearl grain is a quarter carat.
constexpr double carat = 200 * milli * gram;
constexpr double pearl_grain = carat / 4;
// Tola: 180 grains (British India, 1833).
constexpr double tola = 180 * grain;
// Tael: Hong Kong / Singapore tael, 1/16 of a catty of 4/3 lb.
constexpr double catty = pound * 4 / 3;
constexpr double tael = catty / 16;
constexpr double dalton = atomic_mass_constant;

// ---------------------------------------------------------------------------
// Force, pressure, energy, power
// ---------------------------------------------------------------------------
constexpr double standard_gravity = 9.80665 * meter / (second * second); // CGPM 1901
constexpr double kilogram_force = kilogram * standard_gravity;
constexpr double gram_force = gram * standard_gravity;
// "ton force" is the metric tonne-force (1000 kgf), the unit used with
// metres and centimetres in the catalogue's tf·m, tf/m, tf/m², tf/cm² rows;
// all "ton force" rows use it, including the foot-based ones.
constexpr double ton_force = 1000 * kilogram_force;
constexpr double pound_force = pound * standard_gravity;
constexpr double ounce_force = pound_force / 16;
// kip = kilopound = 1000 lbf (U.S. structural practice; "kilopound per square
// inch" is the ksi).
constexpr double kip = 1000 * pound_force;
// Slug: the mass that one pound-force accelerates at one foot per second squared, the mass
// unit of the foot-pound-force-second system (NIST SP 811, B.8: 1 slug = 14.593 90 kg).
constexpr double slug = pound_force * second * second / foot;
constexpr double dyne = 1e-5 * newton; // g·cm/s²
constexpr double erg = 1e-7 * joule;   // dyn·cm

constexpr double psi = pound_force / square_inch;
constexpr double bar = 1e5 * pascal_unit;
constexpr double standard_atmosphere = 101325 * pascal_unit;                // CGPM 1954
constexpr double technical_atmosphere = kilogram_force / square_centimeter; // at, kgf/cm²
constexpr double torr = standard_atmosphere / 760;
// Conventional manometric liquids (NIST SP 811, B.8, "conventional"):
// mercury 13 595.1 kg/m³ (0 °C) and water 1000 kg/m³ (4 °C), under
// standard gravity.
constexpr double mercury_density = 13595.1 * kilogram / cubic_meter;
constexpr double water_density = 1000 * kilogram / cubic_meter;
constexpr double millimeter_of_mercury = mercury_density * standard_gravity * milli * meter;
constexpr double inch_of_mercury = mercury_density * standard_gravity * inch;
constexpr double inch_of_water = water_density * standard_gravity * inch;
constexpr double foot_of_water = water_density * standard_gravity * foot;
// Duct and pipe friction is quoted per 100 ft of run.
constexpr double friction_run = 100 * foot;

// Calories (NIST SP 811, B.8). The unqualified "calorie" is the International
// Table calorie of steam tables and engineering (the catalogue's cal/s
// symbols say "Intcal"); the thermochemical one has its own row.
constexpr double calorie_it = 4.1868 * joule;
constexpr double calorie_th = 4.184 * joule;
constexpr double calorie_15c = 4.18580 * joule;
constexpr double calorie_20c = 4.18190 * joule;
constexpr double calorie_mean = 4.19002 * joule;
constexpr double calorie_398c = 4.2045 * joule; // 3.98 °C calorie, approximate
// The degree Fahrenheit interval, equal to the Rankine degree.
constexpr double rankine = kelvin * 5 / 9;
// British thermal units. IT and thermochemical BTU follow from their
// calories: heat for 1 lb through 1 °F = calorie x (lb/g) x (°F/°C). This
// gives exactly 1055.05585262 J and 1054.3502644888... J (NIST SP 811).
constexpr double btu_it = calorie_it * (pound / gram) * (rankine / kelvin);
constexpr double btu_th = calorie_th * (pound / gram) * (rankine / kelvin);
// ISO 31-4 (1992), Annex A, gives the BTU as 1.055 056 kJ.
constexpr double btu_iso = 1055.056 * joule;
// BTU on water at a stated temperature (approximate, measured values).
constexpr double btu_39f = 1059.67 * joule;
constexpr double btu_59f = 1054.804 * joule; // U.S. gas industry BTU
constexpr double btu_60f = 1054.68 * joule;
constexpr double btu_63f = 1054.6 * joule;
constexpr double btu_mean = 1055.87 * joule;
// Therms: a therm is 100 000 BTU, on the BTU its name says. The plain "therm" is the therm
// of engineering handbooks and energy calculations, on the International Table BTU like every
// other unqualified BTU unit here (105.505 585 262 MJ); the U.S. therm is the one of the U.S.
// gas industry, on the 59 °F BTU (NIST SP 811: 1.054 804E+08 J). The EC therm is fixed at
// 105.506 MJ by Directive 80/181/EEC, the rounded value of the plain therm.
constexpr double btu_per_therm = 100000;
constexpr double therm = btu_per_therm * btu_it;
constexpr double therm_us = btu_per_therm * btu_59f;
constexpr double therm_ec = 105.506 * mega * joule;
constexpr double electronvolt = elementary_charge * volt;
constexpr double watt_hour = watt * hour;
constexpr double foot_pound_force = foot * pound_force;

// Horsepowers. Metric: 75 kgf·m/s; imperial mechanical: 550 ft·lbf/s;
// electrical: 746 W; European electrical: 736 W.
constexpr double horsepower_metric = 75 * kilogram_force * meter / second;
constexpr double horsepower_mechanical = 550 * foot_pound_force / second;
constexpr double horsepower_electrical = 746 * watt;
constexpr double horsepower_european_electrical = 736 * watt;
// Ton of refrigeration: 12 000 BTU(IT)/h (ASHRAE; heat of fusion of a short
// ton of ice in 24 h).
constexpr double ton_of_refrigeration = 12000 * btu_it / hour;
constexpr double volt_ampere = watt;

// ---------------------------------------------------------------------------
// Other mechanical units
// ---------------------------------------------------------------------------
constexpr double knot = nautical_mile / hour;
constexpr double knot_admiralty = nautical_mile_admiralty / hour;
constexpr double poise = 0.1 * pascal_unit * second;    // CGS
constexpr double stokes = 1e-4 * square_meter / second; // CGS, cm²/s
constexpr double revolution = 1;                        // a count per turn
constexpr double cycle = 1;
constexpr double flash = 1;
constexpr double stroke = 1; // one pump stroke

// ---------------------------------------------------------------------------
// Electromagnetic units
// ---------------------------------------------------------------------------
constexpr double ampere_hour = ampere * hour;
// Faraday (charge of one mole of electrons): N_A·e, exact in the 2019 SI.
constexpr double faraday = avogadro * elementary_charge;
constexpr double mho = siemens;
constexpr double gauss = 1e-4 * tesla;    // CGS-Gaussian
constexpr double gamma_nt = nano * tesla; // geophysics gamma = 1 nT
constexpr double maxwell = 1e-8 * weber;  // CGS-Gaussian
constexpr double oersted = 1000 / (4 * pi) * ampere / meter;
constexpr double abvolt = 1e-8 * volt;                                        // CGS-EMU
constexpr double statvolt = speed_of_light * micro * volt / (meter / second); // c/10^6 V, CGS-ESU

// ---------------------------------------------------------------------------
// Photometric units
// ---------------------------------------------------------------------------
// Candlepower: the modern candlepower is one candela (the old international
// candle, 0.981 cd, was replaced by the candela in 1948).
constexpr double candlepower = candela;
constexpr double footcandle = lumen / square_foot;
constexpr double footlambert = candela / (pi * square_foot);
constexpr double talbot = lumen * second;

// ---------------------------------------------------------------------------
// Temperature
// ---------------------------------------------------------------------------
// Offsets: base K = (t + offset) x factor.
constexpr double celsius_offset = 273.15;    // 0 °C = 273.15 K
constexpr double fahrenheit_offset = 459.67; // 0 °F = 459.67 °R (NIST SP 811, B.9)

// ---------------------------------------------------------------------------
// Information: bits are the counting unit (bit = 1, byte = 8), both for
// storage and for bit rates; a baud is one symbol per second.
// ---------------------------------------------------------------------------
constexpr double bit = 1;
// Named "octet" rather than "byte" (a global typedef in the Windows SDK).
constexpr double octet = 8 * bit;
constexpr double signal_symbol = 1;

} // namespace velmar::platform::core::units::catalogue
