<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
<name>UnitGroup</name>
<message><source>Dimensionless</source><translation>Dimensionslos</translation></message>
<message><source>Length</source><translation>Länge</translation></message>
<message><source>Area</source><translation>Fläche</translation></message>
<message><source>Volume</source><translation>Volumen</translation></message>
<message><source>Mass</source><translation>Masse</translation></message>
<message><source>Linear Weight</source><translation>Längenbezogene Masse</translation></message>
<message><source>Amount of Substance</source><translation>Stoffmenge</translation></message>
<message><source>Angle</source><translation>Winkel</translation></message>
<message><source>Solid Angle</source><translation>Raumwinkel</translation></message>
<message><source>Area Density</source><translation>Flächenbezogene Masse</translation></message>
<message><source>Concentration</source><translation>Konzentration</translation></message>
<message><source>Parts-per</source><translation>Anteil (ppm, ppb)</translation></message>
<message><source>Electric Current</source><translation>Elektrische Stromstärke</translation></message>
<message><source>Electric Charge</source><translation>Elektrische Ladung</translation></message>
<message><source>Capacitance</source><translation>Elektrische Kapazität</translation></message>
<message><source>Bit Rate</source><translation>Bitrate</translation></message>
<message><source>Density</source><translation>Dichte</translation></message>
<message><source>Unit Weight</source><translation>Wichte</translation></message>
<message><source>Energy</source><translation>Energie</translation></message>
<message><source>Volumetric Flow Rate</source><translation>Volumenstrom</translation></message>
<message><source>Mass Flow Rate</source><translation>Massenstrom</translation></message>
<message><source>Flow Rate per Stroke</source><translation>Fördervolumen pro Hub</translation></message>
<message><source>Force</source><translation>Kraft</translation></message>
<message><source>Linear Force</source><translation>Streckenlast</translation></message>
<message><source>Frequency</source><translation>Frequenz</translation></message>
<message><source>Inductance</source><translation>Induktivität</translation></message>
<message><source>Magnetic Flux Density</source><translation>Magnetische Flussdichte</translation></message>
<message><source>Magnetic Flux</source><translation>Magnetischer Fluss</translation></message>
<message><source>Power</source><translation>Leistung</translation></message>
<message><source>Power per Unit of Volume</source><translation>Volumenbezogene Leistung</translation></message>
<message><source>Power per Unit of Mass</source><translation>Massenbezogene Leistung</translation></message>
<message><source>Power per Unit of Area</source><translation>Flächenbezogene Leistung</translation></message>
<message><source>Pressure</source><translation>Druck</translation></message>
<message><source>Force Scale</source><translation>Kraftmaßstab</translation></message>
<message><source>Linear Force Scale</source><translation>Streckenlastmaßstab</translation></message>
<message><source>Area Force Scale</source><translation>Flächenlastmaßstab</translation></message>
<message><source>Linear Moment</source><translation>Streckenmoment</translation></message>
<message><source>Electrical Resistance</source><translation>Elektrischer Widerstand</translation></message>
<message><source>Electric Conductance</source><translation>Elektrischer Leitwert</translation></message>
<message><source>Velocity</source><translation>Geschwindigkeit</translation></message>
<message><source>Computer Storage</source><translation>Datenmenge</translation></message>
<message><source>Temperature</source><translation>Temperatur</translation></message>
<message><source>Temperature Rate</source><translation>Temperaturänderungsrate</translation></message>
<message><source>Time</source><translation>Zeit</translation></message>
<message><source>Torque</source><translation>Drehmoment</translation></message>
<message><source>Dynamic Viscosity</source><translation>Dynamische Viskosität</translation></message>
<message><source>Kinematic Viscosity</source><translation>Kinematische Viskosität</translation></message>
<message><source>Acceleration</source><translation>Beschleunigung</translation></message>
<message><source>Voltage</source><translation>Elektrische Spannung</translation></message>
<message><source>Electric Potential</source><translation>Elektrisches Potential</translation></message>
<message><source>Luminous Intensity</source><translation>Lichtstärke</translation></message>
<message><source>Illuminance</source><translation>Beleuchtungsstärke</translation></message>
<message><source>Luminous Energy</source><translation>Lichtmenge</translation></message>
<message><source>Luminous Flux</source><translation>Lichtstrom</translation></message>
<message><source>Luminance</source><translation>Leuchtdichte</translation></message>
<message><source>Luminous Emittance</source><translation>Spezifische Lichtausstrahlung</translation></message>
<message><source>Luminous Efficacy</source><translation>Lichtausbeute</translation></message>
<message><source>Friction</source><translation>Rohrreibungsdruckgefälle</translation></message>
<message><source>Rotational Point Spring Coefficient</source><translation>Punktförmige Drehfedersteifigkeit</translation></message>
<message><source>Rotational Line Spring Coefficient</source><translation>Linienförmige Drehfedersteifigkeit</translation></message>
<message><source>Heat Transfer Coefficient</source><translation>Wärmeübergangskoeffizient</translation></message>
<message><source>Airflow Density</source><translation>Flächenbezogener Luftvolumenstrom</translation></message>
<message><source>Airflow Divided by Volume</source><translation>Raumbezogener Luftvolumenstrom</translation></message>
<message><source>Airflow Divided by Power</source><translation>Leistungsbezogener Luftvolumenstrom</translation></message>
<message><source>Area Divided by Power</source><translation>Leistungsbezogene Fläche</translation></message>
<message><source>Moment Scale</source><translation>Momentenmaßstab</translation></message>
<message><source>Coefficient of Thermal Expansion</source><translation>Wärmeausdehnungskoeffizient</translation></message>
<message><source>Magnetic Field Intensity</source><translation>Magnetische Feldstärke</translation></message>
</context>
<context>
<name>NumberFormat</name>
<message><source>Exponential</source><translation>Exponentialdarstellung (E)</translation></message>
<message><source>exponential</source><translation>Exponentialdarstellung (e)</translation></message>
<message><source>Fixed Point</source><translation>Festkomma</translation></message>
<message><source>General</source><translation>Allgemein (E)</translation></message>
<message><source>general</source><translation>Allgemein (e)</translation></message>
<message><source>Number</source><translation>Zahl mit Tausendertrennzeichen</translation></message>
<message><source>Fraction</source><translation>Bruch</translation></message>
</context>
<context>
<name>UnitType</name>
<message><source>unitless</source><translation>Ohne Einheit</translation></message>
<message><source>meter</source><translation>Meter</translation></message>
<message><source>yottameter</source><translation>Yottameter</translation></message>
<message><source>zettameter</source><translation>Zettameter</translation></message>
<message><source>exameter</source><translation>Exameter</translation></message>
<message><source>petameter</source><translation>Petameter</translation></message>
<message><source>terameter</source><translation>Terameter</translation></message>
<message><source>gigameter</source><translation>Gigameter</translation></message>
<message><source>megameter</source><translation>Megameter</translation></message>
<message><source>kilometer</source><translation>Kilometer</translation></message>
<message><source>hectometer</source><translation>Hektometer</translation></message>
<message><source>decameter</source><translation>Dekameter</translation></message>
<message><source>decimeter</source><translation>Dezimeter</translation></message>
<message><source>centimeter</source><translation>Zentimeter</translation></message>
<message><source>millimeter</source><translation>Millimeter</translation></message>
<message><source>micrometer</source><translation>Mikrometer</translation></message>
<message><source>nanometer</source><translation>Nanometer</translation></message>
<message><source>picometer</source><translation>Pikometer</translation></message>
<message><source>femtometer</source><translation>Femtometer</translation></message>
<message><source>attometer</source><translation>Attometer</translation></message>
<message><source>zeptometer</source><translation>Zeptometer</translation></message>
<message><source>yoctometer</source><translation>Yoktometer</translation></message>
<message><source>inch</source><translation>Zoll</translation></message>
<message><source>foot</source><translation>Fuß</translation></message>
<message><source>foot (Benoit)</source><translation>Fuß (Benoit)</translation></message>
<message><source>foot (Clarke's; Cape)</source><translation>Fuß (Clarke; Kap)</translation></message>
<message><source>foot (Indian)</source><translation>Fuß (indisch)</translation></message>
<message><source>foot (Sear's)</source><translation>Fuß (Sears)</translation></message>
<message><source>foot (U.S. Survey)</source><translation>Fuß (US-Vermessung)</translation></message>
<message><source>yard</source><translation>Yard</translation></message>
<message numerus="yes"><source>chain</source><translation><numerusform>Chain</numerusform><numerusform>Chains</numerusform></translation></message>
<message numerus="yes"><source>chain (Ramsden's; Engineer's)</source><translation><numerusform>Chain (Ramsden; Ingenieur)</numerusform><numerusform>Chains (Ramsden; Ingenieur)</numerusform></translation></message>
<message><source>furlong</source><translation>Furlong</translation></message>
<message numerus="yes"><source>mile</source><translation><numerusform>Meile</numerusform><numerusform>Meilen</numerusform></translation></message>
<message numerus="yes"><source>geographical mile</source><translation><numerusform>Geographische Meile</numerusform><numerusform>geographische Meilen</numerusform></translation></message>
<message numerus="yes"><source>mile (U.S. Survey)</source><translation><numerusform>Meile (US-Vermessung)</numerusform><numerusform>Meilen (US-Vermessung)</numerusform></translation></message>
<message numerus="yes"><source>nautical mile</source><translation><numerusform>Seemeile</numerusform><numerusform>Seemeilen</numerusform></translation></message>
<message numerus="yes"><source>statute mile</source><translation><numerusform>Landmeile</numerusform><numerusform>Landmeilen</numerusform></translation></message>
<message numerus="yes"><source>nautical mile (admiralty)</source><translation><numerusform>Seemeile (Admiralität)</numerusform><numerusform>Seemeilen (Admiralität)</numerusform></translation></message>
<message><source>micron</source><translation>Mikron</translation></message>
<message><source>microinch</source><translation>Mikrozoll</translation></message>
<message><source>angstrom</source><translation>Ångström</translation></message>
<message numerus="yes"><source>astronomical unit</source><translation><numerusform>Astronomische Einheit</numerusform><numerusform>astronomische Einheiten</numerusform></translation></message>
<message numerus="yes"><source>cable</source><translation><numerusform>Kabellänge</numerusform><numerusform>Kabellängen</numerusform></translation></message>
<message numerus="yes"><source>cubit</source><translation><numerusform>Elle</numerusform><numerusform>Ellen</numerusform></translation></message>
<message><source>fathom</source><translation>Faden</translation></message>
<message><source>hand</source><translation>Hand</translation></message>
<message numerus="yes"><source>light-year</source><translation><numerusform>Lichtjahr</numerusform><numerusform>Lichtjahre</numerusform></translation></message>
<message numerus="yes"><source>span</source><translation><numerusform>Spanne</numerusform><numerusform>Spannen</numerusform></translation></message>
<message numerus="yes"><source>span (cloth)</source><translation><numerusform>Spanne (Tuchmaß)</numerusform><numerusform>Spannen (Tuchmaß)</numerusform></translation></message>
<message><source>parsec</source><translation>Parsec</translation></message>
<message numerus="yes"><source>nautical league</source><translation><numerusform>Nautische League</numerusform><numerusform>nautische Leagues</numerusform></translation></message>
<message numerus="yes"><source>league</source><translation><numerusform>League</numerusform><numerusform>Leagues</numerusform></translation></message>
<message><source>mil</source><translation>Mil</translation></message>
<message><source>mil (Sweden and Norway)</source><translation>Mil (Schweden und Norwegen)</translation></message>
<message><source>link</source><translation>Link</translation></message>
<message><source>link (Ramsden's; Engineer's)</source><translation>Link (Ramsden; Ingenieur)</translation></message>
<message><source>pace</source><translation>Schritt</translation></message>
<message numerus="yes"><source>palm</source><translation><numerusform>Handbreite</numerusform><numerusform>Handbreiten</numerusform></translation></message>
<message numerus="yes"><source>rod</source><translation><numerusform>Rute</numerusform><numerusform>Ruten</numerusform></translation></message>
<message><source>rope</source><translation>Rope</translation></message>
<message><source>skein</source><translation>Strang</translation></message>
<message><source>caliber</source><translation>Kaliber</translation></message>
<message><source>survey inch</source><translation>Zoll (US-Vermessung)</translation></message>
<message><source>survey yard</source><translation>Yard (US-Vermessung)</translation></message>
<message numerus="yes"><source>survey rod</source><translation><numerusform>Rute (US-Vermessung)</numerusform><numerusform>Ruten (US-Vermessung)</numerusform></translation></message>
<message><source>bolt</source><translation>Bolt</translation></message>
<message><source>square meter</source><translation>Quadratmeter</translation></message>
<message><source>square inch</source><translation>Quadratzoll</translation></message>
<message><source>square foot</source><translation>Quadratfuß</translation></message>
<message><source>square yard</source><translation>Quadratyard</translation></message>
<message><source>acre</source><translation>Acre</translation></message>
<message numerus="yes"><source>section</source><translation><numerusform>Section</numerusform><numerusform>Sections</numerusform></translation></message>
<message numerus="yes"><source>township</source><translation><numerusform>Township</numerusform><numerusform>Townships</numerusform></translation></message>
<message><source>hectare</source><translation>Hektar</translation></message>
<message><source>square kilometer</source><translation>Quadratkilometer</translation></message>
<message numerus="yes"><source>square mile</source><translation><numerusform>Quadratmeile</numerusform><numerusform>Quadratmeilen</numerusform></translation></message>
<message><source>square centimeter</source><translation>Quadratzentimeter</translation></message>
<message><source>square millimeter</source><translation>Quadratmillimeter</translation></message>
<message><source>circular mil</source><translation>Circular Mil</translation></message>
<message><source>kilo-circular mil</source><translation>Kilo-Circular-Mil</translation></message>
<message><source>are</source><translation>Ar</translation></message>
<message><source>barn</source><translation>Barn</translation></message>
<message><source>centare</source><translation>Zentiar</translation></message>
<message><source>square angstrom</source><translation>Quadratångström</translation></message>
<message><source>square bolt</source><translation>Quadratbolt</translation></message>
<message numerus="yes"><source>square cable</source><translation><numerusform>Quadratkabellänge</numerusform><numerusform>Quadratkabellängen</numerusform></translation></message>
<message><source>square caliber</source><translation>Quadratkaliber</translation></message>
<message numerus="yes"><source>square cubit</source><translation><numerusform>Quadratelle</numerusform><numerusform>Quadratellen</numerusform></translation></message>
<message><source>square decimeter</source><translation>Quadratdezimeter</translation></message>
<message><source>square fathom</source><translation>Quadratfaden</translation></message>
<message><source>square furlong</source><translation>Quadratfurlong</translation></message>
<message><source>square gigameter</source><translation>Quadratgigameter</translation></message>
<message><source>square hand</source><translation>Quadrathand</translation></message>
<message numerus="yes"><source>square nautical league</source><translation><numerusform>Nautische Quadratleague</numerusform><numerusform>nautische Quadratleagues</numerusform></translation></message>
<message numerus="yes"><source>square league (statute)</source><translation><numerusform>Quadratleague (Land)</numerusform><numerusform>Quadratleagues (Land)</numerusform></translation></message>
<message numerus="yes"><source>square light-year</source><translation><numerusform>Quadratlichtjahr</numerusform><numerusform>Quadratlichtjahre</numerusform></translation></message>
<message><source>square link</source><translation>Quadratlink</translation></message>
<message><source>square micron</source><translation>Quadratmikron</translation></message>
<message numerus="yes"><source>square mile (UK nautical)</source><translation><numerusform>Quadratseemeile (britisch)</numerusform><numerusform>Quadratseemeilen (britisch)</numerusform></translation></message>
<message numerus="yes"><source>square mile (statute)</source><translation><numerusform>Quadratmeile (Landmeile)</numerusform><numerusform>Quadratmeilen (Landmeile)</numerusform></translation></message>
<message><source>square millimicron</source><translation>Quadratmillimikron</translation></message>
<message><source>square pace</source><translation>Quadratschritt</translation></message>
<message numerus="yes"><source>square palm</source><translation><numerusform>Quadrathandbreite</numerusform><numerusform>Quadrathandbreiten</numerusform></translation></message>
<message><source>square parsec</source><translation>Quadratparsec</translation></message>
<message numerus="yes"><source>square perch</source><translation><numerusform>Quadratrute</numerusform><numerusform>Quadratruten</numerusform></translation></message>
<message><source>square rope</source><translation>Quadratrope</translation></message>
<message><source>square skein</source><translation>Quadratstrang</translation></message>
<message numerus="yes"><source>square span</source><translation><numerusform>Quadratspanne</numerusform><numerusform>Quadratspannen</numerusform></translation></message>
<message><source>square survey foot</source><translation>Quadratfuß (US-Vermessung)</translation></message>
<message numerus="yes"><source>square chain</source><translation><numerusform>Quadratchain</numerusform><numerusform>Quadratchains</numerusform></translation></message>
<message><source>square mil</source><translation>Quadratmil</translation></message>
<message><source>square astronomical unit</source><translation>Quadrat-AE</translation></message>
<message><source>survey acre</source><translation>Acre (US-Vermessung)</translation></message>
<message><source>square survey yard</source><translation>Quadratyard (US-Vermessung)</translation></message>
<message><source>board</source><translation>Board</translation></message>
<message><source>cord</source><translation>Cord</translation></message>
<message><source>liter</source><translation>Liter</translation></message>
<message><source>cubic centimeter</source><translation>Kubikzentimeter</translation></message>
<message><source>tablespoon</source><translation>Esslöffel</translation></message>
<message><source>tablespoon (Canadian)</source><translation>Esslöffel (kanadisch)</translation></message>
<message><source>tablespoon (U.S.)</source><translation>Esslöffel (US)</translation></message>
<message numerus="yes"><source>fluid ounce (imperial)</source><translation><numerusform>Flüssigunze (britisch)</numerusform><numerusform>Flüssigunzen (britisch)</numerusform></translation></message>
<message numerus="yes"><source>fluid ounce (U.S.)</source><translation><numerusform>Flüssigunze (US)</numerusform><numerusform>Flüssigunzen (US)</numerusform></translation></message>
<message numerus="yes"><source>cup</source><translation><numerusform>Tasse</numerusform><numerusform>Tassen</numerusform></translation></message>
<message numerus="yes"><source>cup (Canadian)</source><translation><numerusform>Tasse (kanadisch)</numerusform><numerusform>Tassen (kanadisch)</numerusform></translation></message>
<message numerus="yes"><source>cup (U.S.)</source><translation><numerusform>Tasse (US)</numerusform><numerusform>Tassen (US)</numerusform></translation></message>
<message><source>quart (imperial)</source><translation>Quart (britisch)</translation></message>
<message><source>quart (U.S. fluid)</source><translation>Quart (US, flüssig)</translation></message>
<message><source>quart (U.S. dry)</source><translation>Quart (US, trocken)</translation></message>
<message numerus="yes"><source>gallon (imperial)</source><translation><numerusform>Gallone (britisch)</numerusform><numerusform>Gallonen (britisch)</numerusform></translation></message>
<message numerus="yes"><source>gallon (U.S. fluid; Wine)</source><translation><numerusform>Gallone (US, flüssig; Wein)</numerusform><numerusform>Gallonen (US, flüssig; Wein)</numerusform></translation></message>
<message numerus="yes"><source>gallon (U.S. dry)</source><translation><numerusform>Gallone (US, trocken)</numerusform><numerusform>Gallonen (US, trocken)</numerusform></translation></message>
<message numerus="yes"><source>beer gallon</source><translation><numerusform>Biergallone</numerusform><numerusform>Biergallonen</numerusform></translation></message>
<message><source>bushel (imperial)</source><translation>Bushel (britisch)</translation></message>
<message><source>bushel (U.S. dry level)</source><translation>Bushel (US, trocken, gestrichen)</translation></message>
<message><source>bushel (U.S. dry heaped)</source><translation>Bushel (US, trocken, gehäuft)</translation></message>
<message><source>centiliter</source><translation>Zentiliter</translation></message>
<message><source>cubic foot</source><translation>Kubikfuß</translation></message>
<message><source>cubic inch</source><translation>Kubikzoll</translation></message>
<message><source>cubic meter</source><translation>Kubikmeter</translation></message>
<message><source>cubic yard</source><translation>Kubikyard</translation></message>
<message numerus="yes"><source>fluid dram</source><translation><numerusform>Flüssigdrachme</numerusform><numerusform>Flüssigdrachmen</numerusform></translation></message>
<message><source>microliter</source><translation>Mikroliter</translation></message>
<message><source>milliliter</source><translation>Milliliter</translation></message>
<message><source>pint (imperial)</source><translation>Pint (britisch)</translation></message>
<message><source>pint (U.S. fluid)</source><translation>Pint (US, flüssig)</translation></message>
<message><source>pint (U.S. dry)</source><translation>Pint (US, trocken)</translation></message>
<message><source>teaspoon</source><translation>Teelöffel</translation></message>
<message><source>teaspoon (Canadian)</source><translation>Teelöffel (kanadisch)</translation></message>
<message><source>teaspoon (U.S.)</source><translation>Teelöffel (US)</translation></message>
<message><source>teaspoon (imperial)</source><translation>Teelöffel (britisch)</translation></message>
<message><source>cubic millimeter</source><translation>Kubikmillimeter</translation></message>
<message><source>barrel (imperial)</source><translation>Barrel (britisch)</translation></message>
<message><source>barrel (petroleum)</source><translation>Barrel (Erdöl)</translation></message>
<message><source>barrel (U.S. dry)</source><translation>Barrel (US, trocken)</translation></message>
<message><source>barrel (U.S. fluid)</source><translation>Barrel (US, flüssig)</translation></message>
<message><source>board-foot</source><translation>Board-Foot</translation></message>
<message><source>decistere</source><translation>Dezister</translation></message>
<message><source>dekaliter</source><translation>Dekaliter</translation></message>
<message><source>dekastere</source><translation>Dekaster</translation></message>
<message numerus="yes"><source>dram</source><translation><numerusform>Flüssigdrachme</numerusform><numerusform>Flüssigdrachmen</numerusform></translation></message>
<message><source>firkin</source><translation>Firkin</translation></message>
<message><source>cubic angstrom</source><translation>Kubikångström</translation></message>
<message><source>cubic astronomical unit</source><translation>Kubik-AE</translation></message>
<message><source>cubic bolt</source><translation>Kubikbolt</translation></message>
<message numerus="yes"><source>cubic cable</source><translation><numerusform>Kubikkabellänge</numerusform><numerusform>Kubikkabellängen</numerusform></translation></message>
<message><source>cubic caliber</source><translation>Kubikkaliber</translation></message>
<message numerus="yes"><source>cubic chain</source><translation><numerusform>Kubikchain</numerusform><numerusform>Kubikchains</numerusform></translation></message>
<message numerus="yes"><source>cubic cubit</source><translation><numerusform>Kubikelle</numerusform><numerusform>Kubikellen</numerusform></translation></message>
<message><source>cubic fathom</source><translation>Kubikfaden</translation></message>
<message><source>cubic furlong</source><translation>Kubikfurlong</translation></message>
<message><source>cubic gigameter</source><translation>Kubikgigameter</translation></message>
<message><source>cubic hand</source><translation>Kubikhand</translation></message>
<message><source>cubic hectometer</source><translation>Kubikhektometer</translation></message>
<message numerus="yes"><source>cubic nautical league</source><translation><numerusform>Nautische Kubikleague</numerusform><numerusform>nautische Kubikleagues</numerusform></translation></message>
<message numerus="yes"><source>cubic league (statute)</source><translation><numerusform>Kubikleague (Land)</numerusform><numerusform>Kubikleagues (Land)</numerusform></translation></message>
<message numerus="yes"><source>cubic light-year</source><translation><numerusform>Kubiklichtjahr</numerusform><numerusform>Kubiklichtjahre</numerusform></translation></message>
<message><source>cubic link</source><translation>Kubiklink</translation></message>
<message><source>cubic mil</source><translation>Kubikmil</translation></message>
<message numerus="yes"><source>cubic mile (UK nautical)</source><translation><numerusform>Kubikseemeile (britisch)</numerusform><numerusform>Kubikseemeilen (britisch)</numerusform></translation></message>
<message numerus="yes"><source>cubic mile</source><translation><numerusform>Kubikmeile</numerusform><numerusform>Kubikmeilen</numerusform></translation></message>
<message numerus="yes"><source>cubic nautical mile</source><translation><numerusform>Kubikseemeile</numerusform><numerusform>Kubikseemeilen</numerusform></translation></message>
<message numerus="yes"><source>cubic mile (statute)</source><translation><numerusform>Kubikmeile (Landmeile)</numerusform><numerusform>Kubikmeilen (Landmeile)</numerusform></translation></message>
<message><source>cubic millimicron</source><translation>Kubikmillimikron</translation></message>
<message><source>cubic pace</source><translation>Kubikschritt</translation></message>
<message numerus="yes"><source>cubic palm</source><translation><numerusform>Kubikhandbreite</numerusform><numerusform>Kubikhandbreiten</numerusform></translation></message>
<message><source>cubic parsec</source><translation>Kubikparsec</translation></message>
<message numerus="yes"><source>cubic perch</source><translation><numerusform>Kubikrute</numerusform><numerusform>Kubikruten</numerusform></translation></message>
<message><source>cubic rope</source><translation>Kubikrope</translation></message>
<message><source>cubic skein</source><translation>Kubikstrang</translation></message>
<message numerus="yes"><source>cubic span</source><translation><numerusform>Kubikspanne</numerusform><numerusform>Kubikspannen</numerusform></translation></message>
<message><source>cubic survey foot</source><translation>Kubikfuß (US-Vermessung)</translation></message>
<message><source>cubic decimeter</source><translation>Kubikdezimeter</translation></message>
<message><source>tun</source><translation>Tun</translation></message>
<message><source>peck</source><translation>Peck</translation></message>
<message><source>peck (U.S. dry)</source><translation>Peck (US, trocken)</translation></message>
<message><source>peck (imperial)</source><translation>Peck (britisch)</translation></message>
<message><source>minim (imperial)</source><translation>Minim (britisch)</translation></message>
<message><source>minim (U.S.)</source><translation>Minim (US)</translation></message>
<message><source>kiloliter</source><translation>Kiloliter</translation></message>
<message><source>hogshead (U.S.)</source><translation>Hogshead (US)</translation></message>
<message><source>hogshead (imperial)</source><translation>Hogshead (britisch)</translation></message>
<message><source>gill (imperial)</source><translation>Gill (britisch)</translation></message>
<message><source>gill (U.S.)</source><translation>Gill (US)</translation></message>
<message><source>cubic survey yard</source><translation>Kubikyard (US-Vermessung)</translation></message>
<message><source>cord-foot</source><translation>Cord-Foot</translation></message>
<message><source>cord (firewood)</source><translation>Cord (Brennholz)</translation></message>
<message numerus="yes"><source>register ton</source><translation><numerusform>Registertonne</numerusform><numerusform>Registertonnen</numerusform></translation></message>
<message><source>acre-foot</source><translation>Acre-Foot</translation></message>
<message><source>acre-inch</source><translation>Acre-Inch</translation></message>
<message><source>hectoliter</source><translation>Hektoliter</translation></message>
<message><source>megaliter</source><translation>Megaliter</translation></message>
<message><source>cubic kilometer</source><translation>Kubikkilometer</translation></message>
<message><source>deciliter</source><translation>Deziliter</translation></message>
<message><source>kilogram</source><translation>Kilogramm</translation></message>
<message><source>gram</source><translation>Gramm</translation></message>
<message><source>yottagram</source><translation>Yottagramm</translation></message>
<message><source>zettagram</source><translation>Zettagramm</translation></message>
<message><source>exagram</source><translation>Exagramm</translation></message>
<message><source>petagram</source><translation>Petagramm</translation></message>
<message><source>teragram</source><translation>Teragramm</translation></message>
<message><source>gigagram</source><translation>Gigagramm</translation></message>
<message><source>megagram</source><translation>Megagramm</translation></message>
<message><source>hectogram</source><translation>Hektogramm</translation></message>
<message><source>decagram</source><translation>Dekagramm</translation></message>
<message><source>decigram</source><translation>Dezigramm</translation></message>
<message><source>centigram</source><translation>Zentigramm</translation></message>
<message><source>milligram</source><translation>Milligramm</translation></message>
<message><source>microgram</source><translation>Mikrogramm</translation></message>
<message><source>nanogram</source><translation>Nanogramm</translation></message>
<message><source>picogram</source><translation>Pikogramm</translation></message>
<message><source>femtogram</source><translation>Femtogramm</translation></message>
<message><source>attogram</source><translation>Attogramm</translation></message>
<message><source>zeptogram</source><translation>Zeptogramm</translation></message>
<message><source>yoctogram</source><translation>Yoktogramm</translation></message>
<message><source>pound (meter)</source><translation>Pfund (metrisch)</translation></message>
<message><source>pound</source><translation>Pfund (avoirdupois)</translation></message>
<message><source>pound (troy)</source><translation>Pfund (Troy)</translation></message>
<message numerus="yes"><source>ounce (avoirdupois)</source><translation><numerusform>Unze (avoirdupois)</numerusform><numerusform>Unzen (avoirdupois)</numerusform></translation></message>
<message numerus="yes"><source>ounce (apothecary; troy)</source><translation><numerusform>Unze (Apotheker; Troy)</numerusform><numerusform>Unzen (Apotheker; Troy)</numerusform></translation></message>
<message><source>stone</source><translation>Stone</translation></message>
<message numerus="yes"><source>short ton</source><translation><numerusform>Short Ton</numerusform><numerusform>Short Tons</numerusform></translation></message>
<message numerus="yes"><source>long ton</source><translation><numerusform>Long Ton</numerusform><numerusform>Long Tons</numerusform></translation></message>
<message><source>carat</source><translation>Karat</translation></message>
<message><source>carat (metric)</source><translation>Karat (metrisch)</translation></message>
<message numerus="yes"><source>dram (avoirdupois)</source><translation><numerusform>Drachme (avoirdupois)</numerusform><numerusform>Drachmen (avoirdupois)</numerusform></translation></message>
<message numerus="yes"><source>dram (apothecary; troy)</source><translation><numerusform>Drachme (Apotheker; Troy)</numerusform><numerusform>Drachmen (Apotheker; Troy)</numerusform></translation></message>
<message><source>pennyweight</source><translation>Pennyweight</translation></message>
<message><source>tael</source><translation>Tael</translation></message>
<message><source>tola</source><translation>Tola</translation></message>
<message><source>long hundredweight</source><translation>Long Hundredweight</translation></message>
<message><source>short hundredweight</source><translation>Short Hundredweight</translation></message>
<message><source>grain</source><translation>Grain</translation></message>
<message><source>pearl grain</source><translation>Perlgrain</translation></message>
<message><source>dalton</source><translation>Dalton</translation></message>
<message><source>kilodalton</source><translation>Kilodalton</translation></message>
<message><source>slug</source><translation>Slug</translation></message>
<message><source>kilogram per meter</source><translation>Kilogramm pro Meter</translation></message>
<message><source>pound per foot</source><translation>Pfund pro Fuß</translation></message>
<message><source>mole</source><translation>Mol</translation></message>
<message><source>yottamole</source><translation>Yottamol</translation></message>
<message><source>zettamole</source><translation>Zettamol</translation></message>
<message><source>examole</source><translation>Examol</translation></message>
<message><source>petamole</source><translation>Petamol</translation></message>
<message><source>teramole</source><translation>Teramol</translation></message>
<message><source>gigamole</source><translation>Gigamol</translation></message>
<message><source>megamole</source><translation>Megamol</translation></message>
<message><source>kilomole</source><translation>Kilomol</translation></message>
<message><source>hectomole</source><translation>Hektomol</translation></message>
<message><source>decamole</source><translation>Dekamol</translation></message>
<message><source>decimole</source><translation>Dezimol</translation></message>
<message><source>centimole</source><translation>Zentimol</translation></message>
<message><source>millimole</source><translation>Millimol</translation></message>
<message><source>micromole</source><translation>Mikromol</translation></message>
<message><source>nanomole</source><translation>Nanomol</translation></message>
<message><source>picomole</source><translation>Pikomol</translation></message>
<message><source>femtomole</source><translation>Femtomol</translation></message>
<message><source>attomole</source><translation>Attomol</translation></message>
<message><source>zeptomole</source><translation>Zeptomol</translation></message>
<message><source>yoctomole</source><translation>Yoktomol</translation></message>
<message><source>radian</source><translation>Radiant</translation></message>
<message><source>degree</source><translation>Grad</translation></message>
<message><source>milliradian</source><translation>Milliradiant</translation></message>
<message><source>grad</source><translation>Gon</translation></message>
<message><source>angular mil (NATO)</source><translation>Strich (NATO)</translation></message>
<message><source>angular mil (Sweden)</source><translation>Strich (Schweden)</translation></message>
<message><source>angular mil (USSR)</source><translation>Strich (UdSSR)</translation></message>
<message numerus="yes"><source>angle minute</source><translation><numerusform>Winkelminute</numerusform><numerusform>Winkelminuten</numerusform></translation></message>
<message numerus="yes"><source>angle second</source><translation><numerusform>Winkelsekunde</numerusform><numerusform>Winkelsekunden</numerusform></translation></message>
<message numerus="yes"><source>milliarc second</source><translation><numerusform>Millibogensekunde</numerusform><numerusform>Millibogensekunden</numerusform></translation></message>
<message><source>steradian</source><translation>Steradiant</translation></message>
<message><source>gram per square meter</source><translation>Gramm pro Quadratmeter</translation></message>
<message><source>gram per square inch</source><translation>Gramm pro Quadratzoll</translation></message>
<message><source>nanogram per liter</source><translation>Nanogramm pro Liter</translation></message>
<message><source>nanogram per deciliter</source><translation>Nanogramm pro Deziliter</translation></message>
<message><source>nanogram per milliliter</source><translation>Nanogramm pro Milliliter</translation></message>
<message><source>nanogram per microliter</source><translation>Nanogramm pro Mikroliter</translation></message>
<message><source>milligram per deciliter</source><translation>Milligramm pro Deziliter</translation></message>
<message><source>part per million</source><translation>Millionstel</translation></message>
<message><source>part per billion</source><translation>Milliardstel</translation></message>
<message><source>ampere</source><translation>Ampere</translation></message>
<message><source>yottaampere</source><translation>Yottaampere</translation></message>
<message><source>zettaampere</source><translation>Zettaampere</translation></message>
<message><source>exaampere</source><translation>Exaampere</translation></message>
<message><source>petaampere</source><translation>Petaampere</translation></message>
<message><source>teraampere</source><translation>Teraampere</translation></message>
<message><source>gigaampere</source><translation>Gigaampere</translation></message>
<message><source>megaampere</source><translation>Megaampere</translation></message>
<message><source>kiloampere</source><translation>Kiloampere</translation></message>
<message><source>hectoampere</source><translation>Hektoampere</translation></message>
<message><source>decaampere</source><translation>Dekaampere</translation></message>
<message><source>deciampere</source><translation>Deziampere</translation></message>
<message><source>centiampere</source><translation>Zentiampere</translation></message>
<message><source>milliampere</source><translation>Milliampere</translation></message>
<message><source>microampere</source><translation>Mikroampere</translation></message>
<message><source>nanoampere</source><translation>Nanoampere</translation></message>
<message><source>picoampere</source><translation>Pikoampere</translation></message>
<message><source>femtoampere</source><translation>Femtoampere</translation></message>
<message><source>attoampere</source><translation>Attoampere</translation></message>
<message><source>zeptoampere</source><translation>Zeptoampere</translation></message>
<message><source>yoctoampere</source><translation>Yoktoampere</translation></message>
<message><source>coulomb</source><translation>Coulomb</translation></message>
<message numerus="yes"><source>ampere hour</source><translation><numerusform>Amperestunde</numerusform><numerusform>Amperestunden</numerusform></translation></message>
<message numerus="yes"><source>milliampere hour</source><translation><numerusform>Milliamperestunde</numerusform><numerusform>Milliamperestunden</numerusform></translation></message>
<message><source>faraday</source><translation>Faraday</translation></message>
<message><source>farad</source><translation>Farad</translation></message>
<message><source>yottafarad</source><translation>Yottafarad</translation></message>
<message><source>zettafarad</source><translation>Zettafarad</translation></message>
<message><source>exafarad</source><translation>Exafarad</translation></message>
<message><source>petafarad</source><translation>Petafarad</translation></message>
<message><source>terafarad</source><translation>Terafarad</translation></message>
<message><source>gigafarad</source><translation>Gigafarad</translation></message>
<message><source>megafarad</source><translation>Megafarad</translation></message>
<message><source>kilofarad</source><translation>Kilofarad</translation></message>
<message><source>hectofarad</source><translation>Hektofarad</translation></message>
<message><source>decafarad</source><translation>Dekafarad</translation></message>
<message><source>decifarad</source><translation>Dezifarad</translation></message>
<message><source>centifarad</source><translation>Zentifarad</translation></message>
<message><source>millifarad</source><translation>Millifarad</translation></message>
<message><source>microfarad</source><translation>Mikrofarad</translation></message>
<message><source>nanofarad</source><translation>Nanofarad</translation></message>
<message><source>picofarad</source><translation>Pikofarad</translation></message>
<message><source>femtofarad</source><translation>Femtofarad</translation></message>
<message><source>attofarad</source><translation>Attofarad</translation></message>
<message><source>zeptofarad</source><translation>Zeptofarad</translation></message>
<message><source>yoctofarad</source><translation>Yoktofarad</translation></message>
<message><source>kilopicofarad</source><translation>Kilopikofarad</translation></message>
<message><source>baud</source><translation>Baud</translation></message>
<message><source>bit per second</source><translation>Bit pro Sekunde</translation></message>
<message><source>byte per second</source><translation>Byte pro Sekunde</translation></message>
<message><source>kilobaud</source><translation>Kilobaud</translation></message>
<message><source>kilobit per second</source><translation>Kilobit pro Sekunde</translation></message>
<message><source>kilobyte per second</source><translation>Kilobyte pro Sekunde</translation></message>
<message><source>megabaud</source><translation>Megabaud</translation></message>
<message><source>megabit per second</source><translation>Megabit pro Sekunde</translation></message>
<message><source>megabyte per second</source><translation>Megabyte pro Sekunde</translation></message>
<message><source>gigabit per second</source><translation>Gigabit pro Sekunde</translation></message>
<message><source>terabit per second</source><translation>Terabit pro Sekunde</translation></message>
<message><source>kilogram per cubic meter</source><translation>Kilogramm pro Kubikmeter</translation></message>
<message><source>kilogram per liter</source><translation>Kilogramm pro Liter</translation></message>
<message><source>gram per liter</source><translation>Gramm pro Liter</translation></message>
<message><source>microgram per milliliter</source><translation>Mikrogramm pro Milliliter</translation></message>
<message><source>milligram per milliliter</source><translation>Milligramm pro Milliliter</translation></message>
<message><source>pound per gallon</source><translation>Pfund pro Gallone</translation></message>
<message numerus="yes"><source>ounce per gallon</source><translation><numerusform>Unze pro Gallone</numerusform><numerusform>Unzen pro Gallone</numerusform></translation></message>
<message><source>pound per cubic foot</source><translation>Pfund pro Kubikfuß</translation></message>
<message><source>pound per cubic inch</source><translation>Pfund pro Kubikzoll</translation></message>
<message><source>newton per cubic meter</source><translation>Newton pro Kubikmeter</translation></message>
<message><source>kilonewton per cubic meter</source><translation>Kilonewton pro Kubikmeter</translation></message>
<message><source>pound force per cubic foot</source><translation>Pfund-Kraft pro Kubikfuß</translation></message>
<message><source>kip per cubic inch</source><translation>Kip pro Kubikzoll</translation></message>
<message><source>kip per cubic foot</source><translation>Kip pro Kubikfuß</translation></message>
<message><source>joule</source><translation>Joule</translation></message>
<message numerus="yes"><source>calorie</source><translation><numerusform>Kalorie</numerusform><numerusform>Kalorien</numerusform></translation></message>
<message numerus="yes"><source>kilocalorie</source><translation><numerusform>Kilokalorie</numerusform><numerusform>Kilokalorien</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (thermochemical)</source><translation><numerusform>British Thermal Unit (thermochemisch)</numerusform><numerusform>British Thermal Units (thermochemisch)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (ISO)</source><translation><numerusform>British Thermal Unit (ISO)</numerusform><numerusform>British Thermal Units (ISO)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (63 degree F)</source><translation><numerusform>British Thermal Unit (63 °F)</numerusform><numerusform>British Thermal Units (63 °F)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (60 degree F)</source><translation><numerusform>British Thermal Unit (60 °F)</numerusform><numerusform>British Thermal Units (60 °F)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (59 degree F)</source><translation><numerusform>British Thermal Unit (59 °F)</numerusform><numerusform>British Thermal Units (59 °F)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (International Table)</source><translation><numerusform>British Thermal Unit (IT)</numerusform><numerusform>British Thermal Units (IT)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (mean)</source><translation><numerusform>British Thermal Unit (mittlere)</numerusform><numerusform>British Thermal Units (mittlere)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (39 degree F)</source><translation><numerusform>British Thermal Unit (39 °F)</numerusform><numerusform>British Thermal Units (39 °F)</numerusform></translation></message>
<message><source>kiloelectronvolt</source><translation>Kiloelektronenvolt</translation></message>
<message><source>megaelectronvolt</source><translation>Megaelektronenvolt</translation></message>
<message><source>electronvolt</source><translation>Elektronenvolt</translation></message>
<message><source>erg</source><translation>Erg</translation></message>
<message numerus="yes"><source>kilowatt hour</source><translation><numerusform>Kilowattstunde</numerusform><numerusform>Kilowattstunden</numerusform></translation></message>
<message numerus="yes"><source>kilowatt minute</source><translation><numerusform>Kilowattminute</numerusform><numerusform>Kilowattminuten</numerusform></translation></message>
<message numerus="yes"><source>kilowatt second</source><translation><numerusform>Kilowattsekunde</numerusform><numerusform>Kilowattsekunden</numerusform></translation></message>
<message><source>therm (U.S.)</source><translation>Therm (US)</translation></message>
<message><source>newton meter</source><translation>Newtonmeter</translation></message>
<message><source>decanewton meter</source><translation>Dekanewtonmeter</translation></message>
<message><source>kilonewton meter</source><translation>Kilonewtonmeter</translation></message>
<message><source>meganewton meter</source><translation>Meganewtonmeter</translation></message>
<message><source>kilogram force meter</source><translation>Kilopondmeter</translation></message>
<message><source>kilogram force foot</source><translation>Kilopond-Fuß</translation></message>
<message><source>ton force foot</source><translation>Tonne-Kraft-Fuß</translation></message>
<message><source>ton force meter</source><translation>Tonne-Kraft-Meter</translation></message>
<message><source>foot kilopound</source><translation>Fuß-Kilopfund</translation></message>
<message><source>foot pound force</source><translation>Fuß-Pfund-Kraft</translation></message>
<message numerus="yes"><source>calorie (20 degree C)</source><translation><numerusform>Kalorie (20 °C)</numerusform><numerusform>Kalorien (20 °C)</numerusform></translation></message>
<message numerus="yes"><source>calorie (thermochemical)</source><translation><numerusform>Kalorie (thermochemisch)</numerusform><numerusform>Kalorien (thermochemisch)</numerusform></translation></message>
<message numerus="yes"><source>calorie (15 degree C)</source><translation><numerusform>Kalorie (15 °C)</numerusform><numerusform>Kalorien (15 °C)</numerusform></translation></message>
<message numerus="yes"><source>calorie (mean)</source><translation><numerusform>Kalorie (mittlere)</numerusform><numerusform>Kalorien (mittlere)</numerusform></translation></message>
<message numerus="yes"><source>calorie (3.98 degree C)</source><translation><numerusform>Kalorie (3,98 °C)</numerusform><numerusform>Kalorien (3,98 °C)</numerusform></translation></message>
<message><source>Therm (EC)</source><translation>Therm (EG)</translation></message>
<message><source>kilojoule</source><translation>Kilojoule</translation></message>
<message><source>therm</source><translation>Therm</translation></message>
<message><source>cubic meter per second</source><translation>Kubikmeter pro Sekunde</translation></message>
<message><source>liter per second</source><translation>Liter pro Sekunde</translation></message>
<message><source>liter per minute</source><translation>Liter pro Minute</translation></message>
<message><source>liter per hour</source><translation>Liter pro Stunde</translation></message>
<message numerus="yes"><source>gallon per second</source><translation><numerusform>Gallone pro Sekunde</numerusform><numerusform>Gallonen pro Sekunde</numerusform></translation></message>
<message numerus="yes"><source>gallon per minute</source><translation><numerusform>Gallone pro Minute</numerusform><numerusform>Gallonen pro Minute</numerusform></translation></message>
<message numerus="yes"><source>gallon per hour</source><translation><numerusform>Gallone pro Stunde</numerusform><numerusform>Gallonen pro Stunde</numerusform></translation></message>
<message numerus="yes"><source>gallon per day</source><translation><numerusform>Gallone pro Tag</numerusform><numerusform>Gallonen pro Tag</numerusform></translation></message>
<message><source>milliliter per minute</source><translation>Milliliter pro Minute</translation></message>
<message><source>cubic centimeter per minute</source><translation>Kubikzentimeter pro Minute</translation></message>
<message><source>cubic foot per hour</source><translation>Kubikfuß pro Stunde</translation></message>
<message><source>cubic foot per minute</source><translation>Kubikfuß pro Minute</translation></message>
<message><source>cubic foot per second</source><translation>Kubikfuß pro Sekunde</translation></message>
<message><source>cubic inch per minute</source><translation>Kubikzoll pro Minute</translation></message>
<message><source>cubic meter per hour</source><translation>Kubikmeter pro Stunde</translation></message>
<message><source>cubic meter per minute</source><translation>Kubikmeter pro Minute</translation></message>
<message><source>cubic centimeter per second</source><translation>Kubikzentimeter pro Sekunde</translation></message>
<message><source>cubic centimeter per hour</source><translation>Kubikzentimeter pro Stunde</translation></message>
<message numerus="yes"><source>US gallon per hour</source><translation><numerusform>US-Gallone pro Stunde</numerusform><numerusform>US-Gallonen pro Stunde</numerusform></translation></message>
<message numerus="yes"><source>US gallon per second</source><translation><numerusform>US-Gallone pro Sekunde</numerusform><numerusform>US-Gallonen pro Sekunde</numerusform></translation></message>
<message numerus="yes"><source>Imp gallon per day</source><translation><numerusform>Britische Gallone pro Tag</numerusform><numerusform>britische Gallonen pro Tag</numerusform></translation></message>
<message numerus="yes"><source>Imp gallon per hour</source><translation><numerusform>Britische Gallone pro Stunde</numerusform><numerusform>britische Gallonen pro Stunde</numerusform></translation></message>
<message numerus="yes"><source>Imp gallon per minute</source><translation><numerusform>Britische Gallone pro Minute</numerusform><numerusform>britische Gallonen pro Minute</numerusform></translation></message>
<message numerus="yes"><source>Imp gallon per second</source><translation><numerusform>Britische Gallone pro Sekunde</numerusform><numerusform>britische Gallonen pro Sekunde</numerusform></translation></message>
<message numerus="yes"><source>Imp million gallon per day</source><translation><numerusform>Million britische Gallonen pro Tag</numerusform><numerusform>Millionen britische Gallonen pro Tag</numerusform></translation></message>
<message><source>liter per day</source><translation>Liter pro Tag</translation></message>
<message numerus="yes"><source>million liter per day</source><translation><numerusform>Million Liter pro Tag</numerusform><numerusform>Millionen Liter pro Tag</numerusform></translation></message>
<message numerus="yes"><source>US gallon per day</source><translation><numerusform>US-Gallone pro Tag</numerusform><numerusform>US-Gallonen pro Tag</numerusform></translation></message>
<message numerus="yes"><source>US million gallon per day</source><translation><numerusform>Million US-Gallonen pro Tag</numerusform><numerusform>Millionen US-Gallonen pro Tag</numerusform></translation></message>
<message><source>cubic foot per day</source><translation>Kubikfuß pro Tag</translation></message>
<message><source>cubic meter per day</source><translation>Kubikmeter pro Tag</translation></message>
<message><source>cubic yard per minute</source><translation>Kubikyard pro Minute</translation></message>
<message><source>acre foot per day</source><translation>Acre-Foot pro Tag</translation></message>
<message><source>acre foot per hour</source><translation>Acre-Foot pro Stunde</translation></message>
<message><source>acre foot per minute</source><translation>Acre-Foot pro Minute</translation></message>
<message><source>acre inch per hour</source><translation>Acre-Inch pro Stunde</translation></message>
<message><source>acre inch per minute</source><translation>Acre-Inch pro Minute</translation></message>
<message><source>cubic survey foot per second</source><translation>Kubikfuß (US-Vermessung) pro Sekunde</translation></message>
<message><source>kilogram per second</source><translation>Kilogramm pro Sekunde</translation></message>
<message><source>kilogram per minute</source><translation>Kilogramm pro Minute</translation></message>
<message><source>kilogram per hour</source><translation>Kilogramm pro Stunde</translation></message>
<message><source>gram per second</source><translation>Gramm pro Sekunde</translation></message>
<message><source>gram per minute</source><translation>Gramm pro Minute</translation></message>
<message><source>gram per hour</source><translation>Gramm pro Stunde</translation></message>
<message><source>pound per second</source><translation>Pfund pro Sekunde</translation></message>
<message><source>pound per minute</source><translation>Pfund pro Minute</translation></message>
<message><source>pound per hour</source><translation>Pfund pro Stunde</translation></message>
<message><source>pint per stroke</source><translation>Pint pro Hub</translation></message>
<message><source>quart per stroke</source><translation>Quart pro Hub</translation></message>
<message><source>newton</source><translation>Newton</translation></message>
<message><source>yottanewton</source><translation>Yottanewton</translation></message>
<message><source>zettanewton</source><translation>Zettanewton</translation></message>
<message><source>exanewton</source><translation>Exanewton</translation></message>
<message><source>petanewton</source><translation>Petanewton</translation></message>
<message><source>teranewton</source><translation>Teranewton</translation></message>
<message><source>giganewton</source><translation>Giganewton</translation></message>
<message><source>meganewton</source><translation>Meganewton</translation></message>
<message><source>kilonewton</source><translation>Kilonewton</translation></message>
<message><source>hectonewton</source><translation>Hektonewton</translation></message>
<message><source>decanewton</source><translation>Dekanewton</translation></message>
<message><source>decinewton</source><translation>Dezinewton</translation></message>
<message><source>centinewton</source><translation>Zentinewton</translation></message>
<message><source>millinewton</source><translation>Millinewton</translation></message>
<message><source>micronewton</source><translation>Mikronewton</translation></message>
<message><source>nanonewton</source><translation>Nanonewton</translation></message>
<message><source>piconewton</source><translation>Pikonewton</translation></message>
<message><source>femtonewton</source><translation>Femtonewton</translation></message>
<message><source>attonewton</source><translation>Attonewton</translation></message>
<message><source>zeptonewton</source><translation>Zeptonewton</translation></message>
<message><source>yoctonewton</source><translation>Yoktonewton</translation></message>
<message><source>kilopound</source><translation>Kilopfund</translation></message>
<message><source>kilogram-force</source><translation>Kilopond</translation></message>
<message><source>pound force</source><translation>Pfund-Kraft</translation></message>
<message><source>kip</source><translation>Kip</translation></message>
<message numerus="yes"><source>ton force</source><translation><numerusform>Tonne-Kraft</numerusform><numerusform>Tonnen-Kraft</numerusform></translation></message>
<message><source>dyne</source><translation>Dyn</translation></message>
<message><source>lbforce</source><translation>Pfund-Kraft (lbf)</translation></message>
<message numerus="yes"><source>ounce force</source><translation><numerusform>Unze-Kraft</numerusform><numerusform>Unzen-Kraft</numerusform></translation></message>
<message><source>newton per meter</source><translation>Newton pro Meter</translation></message>
<message><source>kilopound per foot</source><translation>Kilopfund pro Fuß</translation></message>
<message><source>kilogram force per meter</source><translation>Kilopond pro Meter</translation></message>
<message numerus="yes"><source>ton force per meter</source><translation><numerusform>Tonne-Kraft pro Meter</numerusform><numerusform>Tonnen-Kraft pro Meter</numerusform></translation></message>
<message><source>pound-force per foot</source><translation>Pfund-Kraft pro Fuß</translation></message>
<message><source>decanewton per meter</source><translation>Dekanewton pro Meter</translation></message>
<message><source>kilonewton per meter</source><translation>Kilonewton pro Meter</translation></message>
<message><source>meganewton per meter</source><translation>Meganewton pro Meter</translation></message>
<message><source>kip per foot</source><translation>Kip pro Fuß</translation></message>
<message><source>kip per inch</source><translation>Kip pro Zoll</translation></message>
<message><source>hertz</source><translation>Hertz</translation></message>
<message><source>kilohertz</source><translation>Kilohertz</translation></message>
<message><source>megahertz</source><translation>Megahertz</translation></message>
<message><source>gigahertz</source><translation>Gigahertz</translation></message>
<message><source>terahertz</source><translation>Terahertz</translation></message>
<message numerus="yes"><source>cycle per second</source><translation><numerusform>Schwingung pro Sekunde</numerusform><numerusform>Schwingungen pro Sekunde</numerusform></translation></message>
<message numerus="yes"><source>revolution per minute</source><translation><numerusform>Umdrehung pro Minute</numerusform><numerusform>Umdrehungen pro Minute</numerusform></translation></message>
<message numerus="yes"><source>flash per second</source><translation><numerusform>Blitz pro Sekunde</numerusform><numerusform>Blitze pro Sekunde</numerusform></translation></message>
<message numerus="yes"><source>flash per minute</source><translation><numerusform>Blitz pro Minute</numerusform><numerusform>Blitze pro Minute</numerusform></translation></message>
<message><source>henry</source><translation>Henry</translation></message>
<message><source>nanohenry</source><translation>Nanohenry</translation></message>
<message><source>microhenry</source><translation>Mikrohenry</translation></message>
<message><source>millihenry</source><translation>Millihenry</translation></message>
<message><source>gauss</source><translation>Gauß</translation></message>
<message><source>milligauss</source><translation>Milligauß</translation></message>
<message><source>tesla</source><translation>Tesla</translation></message>
<message><source>gamma</source><translation>Gamma</translation></message>
<message><source>weber</source><translation>Weber</translation></message>
<message><source>maxwell</source><translation>Maxwell</translation></message>
<message><source>watt</source><translation>Watt</translation></message>
<message numerus="yes"><source>horsepower (metric)</source><translation><numerusform>Pferdestärke (metrisch)</numerusform><numerusform>Pferdestärken (metrisch)</numerusform></translation></message>
<message numerus="yes"><source>horsepower (European electrical)</source><translation><numerusform>Pferdestärke (europäisch, elektrisch)</numerusform><numerusform>Pferdestärken (europäisch, elektrisch)</numerusform></translation></message>
<message numerus="yes"><source>horsepower (Imperial mechanical)</source><translation><numerusform>Pferdestärke (britisch, mechanisch)</numerusform><numerusform>Pferdestärken (britisch, mechanisch)</numerusform></translation></message>
<message numerus="yes"><source>horsepower (Imperial electrical)</source><translation><numerusform>Pferdestärke (britisch, elektrisch)</numerusform><numerusform>Pferdestärken (britisch, elektrisch)</numerusform></translation></message>
<message numerus="yes"><source>kilocalorie per hour</source><translation><numerusform>Kilokalorie pro Stunde</numerusform><numerusform>Kilokalorien pro Stunde</numerusform></translation></message>
<message><source>kilowatt</source><translation>Kilowatt</translation></message>
<message><source>megawatt</source><translation>Megawatt</translation></message>
<message><source>microwatt</source><translation>Mikrowatt</translation></message>
<message><source>volt ampere</source><translation>Voltampere</translation></message>
<message><source>millivolt ampere</source><translation>Millivoltampere</translation></message>
<message><source>kilovolt ampere</source><translation>Kilovoltampere</translation></message>
<message><source>megavolt ampere</source><translation>Megavoltampere</translation></message>
<message><source>milliwatt</source><translation>Milliwatt</translation></message>
<message><source>kilogram force meter per second</source><translation>Kilopondmeter pro Sekunde</translation></message>
<message><source>foot pound-force per second</source><translation>Fuß-Pfund-Kraft pro Sekunde</translation></message>
<message numerus="yes"><source>calorie per second</source><translation><numerusform>Kalorie pro Sekunde</numerusform><numerusform>Kalorien pro Sekunde</numerusform></translation></message>
<message numerus="yes"><source>kilocalorie per second</source><translation><numerusform>Kilokalorie pro Sekunde</numerusform><numerusform>Kilokalorien pro Sekunde</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (International Table) per second</source><translation><numerusform>British Thermal Unit (IT) pro Sekunde</numerusform><numerusform>British Thermal Units (IT) pro Sekunde</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (International Table) per hour</source><translation><numerusform>British Thermal Unit (IT) pro Stunde</numerusform><numerusform>British Thermal Units (IT) pro Stunde</numerusform></translation></message>
<message numerus="yes"><source>million British thermal unit (International Table) per hour</source><translation><numerusform>Million British Thermal Units (IT) pro Stunde</numerusform><numerusform>Millionen British Thermal Units (IT) pro Stunde</numerusform></translation></message>
<message><source>thousand British thermal unit (International Table) per hour</source><translation>Tausend British Thermal Units (IT) pro Stunde</translation></message>
<message numerus="yes"><source>ton of refrigeration</source><translation><numerusform>Kältetonne</numerusform><numerusform>Kältetonnen</numerusform></translation></message>
<message><source>gigawatt</source><translation>Gigawatt</translation></message>
<message><source>watt per cubic meter</source><translation>Watt pro Kubikmeter</translation></message>
<message><source>watt per cubic foot</source><translation>Watt pro Kubikfuß</translation></message>
<message numerus="yes"><source>British thermal unit per hour cubic foot</source><translation><numerusform>British Thermal Unit pro Stunde und Kubikfuß</numerusform><numerusform>British Thermal Units pro Stunde und Kubikfuß</numerusform></translation></message>
<message><source>watt per kilogram</source><translation>Watt pro Kilogramm</translation></message>
<message><source>watt per square meter</source><translation>Watt pro Quadratmeter</translation></message>
<message><source>kilowatt per square meter</source><translation>Kilowatt pro Quadratmeter</translation></message>
<message><source>kilowatt per square foot</source><translation>Kilowatt pro Quadratfuß</translation></message>
<message><source>watt per square foot</source><translation>Watt pro Quadratfuß</translation></message>
<message numerus="yes"><source>British thermal unit per hour square foot</source><translation><numerusform>British Thermal Unit pro Stunde und Quadratfuß</numerusform><numerusform>British Thermal Units pro Stunde und Quadratfuß</numerusform></translation></message>
<message><source>bar</source><translation>Bar</translation></message>
<message><source>bar absolute</source><translation>Bar (absolut)</translation></message>
<message><source>bar gauge</source><translation>Bar (Überdruck)</translation></message>
<message><source>inch of mercury</source><translation>Zoll Quecksilbersäule</translation></message>
<message><source>inch of water</source><translation>Zoll Wassersäule</translation></message>
<message><source>kilobar</source><translation>Kilobar</translation></message>
<message><source>kilogram per square centimeter</source><translation>Kilogramm pro Quadratzentimeter</translation></message>
<message><source>kilopascal</source><translation>Kilopascal</translation></message>
<message><source>kilopound per square inch</source><translation>Kilopfund pro Quadratzoll</translation></message>
<message><source>mega pascal</source><translation>Megapascal</translation></message>
<message><source>millibar</source><translation>Millibar</translation></message>
<message><source>millimeter of mercury</source><translation>Millimeter Quecksilbersäule</translation></message>
<message><source>milli pascal</source><translation>Millipascal</translation></message>
<message><source>pascal</source><translation>Pascal</translation></message>
<message><source>pound per square inch (atmosphere)</source><translation>Pfund pro Quadratzoll (absolut)</translation></message>
<message><source>pound per square inch (gauge)</source><translation>Pfund pro Quadratzoll (Überdruck)</translation></message>
<message><source>pound per square foot</source><translation>Pfund pro Quadratfuß</translation></message>
<message><source>pound per square inch</source><translation>Pfund pro Quadratzoll</translation></message>
<message numerus="yes"><source>atmosphere (standard)</source><translation><numerusform>Physikalische Atmosphäre</numerusform><numerusform>physikalische Atmosphären</numerusform></translation></message>
<message numerus="yes"><source>atmosphere (metric)</source><translation><numerusform>Technische Atmosphäre</numerusform><numerusform>technische Atmosphären</numerusform></translation></message>
<message><source>torr</source><translation>Torr</translation></message>
<message><source>newton per square millimeter</source><translation>Newton pro Quadratmillimeter</translation></message>
<message><source>newton per square meter</source><translation>Newton pro Quadratmeter</translation></message>
<message><source>decanewton per square millimeter</source><translation>Dekanewton pro Quadratmillimeter</translation></message>
<message><source>decanewton per square meter</source><translation>Dekanewton pro Quadratmeter</translation></message>
<message><source>kilonewton per square meter</source><translation>Kilonewton pro Quadratmeter</translation></message>
<message><source>meganewton per square meter</source><translation>Meganewton pro Quadratmeter</translation></message>
<message><source>kilopound per square foot</source><translation>Kilopfund pro Quadratfuß</translation></message>
<message><source>kilogram force per square millimeter</source><translation>Kilopond pro Quadratmillimeter</translation></message>
<message><source>kilogram force per square centimeter</source><translation>Kilopond pro Quadratzentimeter</translation></message>
<message><source>kilogram force per square meter</source><translation>Kilopond pro Quadratmeter</translation></message>
<message numerus="yes"><source>ton force per square centimeter</source><translation><numerusform>Tonne-Kraft pro Quadratzentimeter</numerusform><numerusform>Tonnen-Kraft pro Quadratzentimeter</numerusform></translation></message>
<message numerus="yes"><source>ton force per square meter</source><translation><numerusform>Tonne-Kraft pro Quadratmeter</numerusform><numerusform>Tonnen-Kraft pro Quadratmeter</numerusform></translation></message>
<message numerus="yes"><source>ton force per square foot</source><translation><numerusform>Tonne-Kraft pro Quadratfuß</numerusform><numerusform>Tonnen-Kraft pro Quadratfuß</numerusform></translation></message>
<message><source>pound force per square inch</source><translation>Pfund-Kraft pro Quadratzoll</translation></message>
<message><source>foot of water</source><translation>Fuß Wassersäule</translation></message>
<message><source>kip per square inch</source><translation>Kip pro Quadratzoll</translation></message>
<message><source>kip per square foot</source><translation>Kip pro Quadratfuß</translation></message>
<message><source>pound force per square foot</source><translation>Pfund-Kraft pro Quadratfuß</translation></message>
<message><source>hectopascal</source><translation>Hektopascal</translation></message>
<message><source>meter per newton</source><translation>Meter pro Newton</translation></message>
<message><source>meter per kilonewton</source><translation>Meter pro Kilonewton</translation></message>
<message><source>foot per kip</source><translation>Fuß pro Kip</translation></message>
<message><source>square meter per newton</source><translation>Quadratmeter pro Newton</translation></message>
<message><source>square meter per kilonewton</source><translation>Quadratmeter pro Kilonewton</translation></message>
<message><source>square foot per kip</source><translation>Quadratfuß pro Kip</translation></message>
<message><source>cubic meter per newton</source><translation>Kubikmeter pro Newton</translation></message>
<message><source>cubic meter per kilonewton</source><translation>Kubikmeter pro Kilonewton</translation></message>
<message><source>cubic foot per kip</source><translation>Kubikfuß pro Kip</translation></message>
<message><source>newton-meter per meter</source><translation>Newtonmeter pro Meter</translation></message>
<message><source>decanewton-meter per meter</source><translation>Dekanewtonmeter pro Meter</translation></message>
<message><source>kilonewton-meter per meter</source><translation>Kilonewtonmeter pro Meter</translation></message>
<message><source>meganewton-meter per meter</source><translation>Meganewtonmeter pro Meter</translation></message>
<message><source>kip-foot per foot</source><translation>Kip-Fuß pro Fuß</translation></message>
<message><source>kilogram force-meter per meter</source><translation>Kilopondmeter pro Meter</translation></message>
<message><source>ton force-meter per meter</source><translation>Tonne-Kraft-Meter pro Meter</translation></message>
<message><source>pound-force foot per foot</source><translation>Pfund-Kraft-Fuß pro Fuß</translation></message>
<message><source>ohm</source><translation>Ohm</translation></message>
<message><source>kilohm</source><translation>Kiloohm</translation></message>
<message><source>gigaohm</source><translation>Gigaohm</translation></message>
<message><source>megohm</source><translation>Megaohm</translation></message>
<message><source>microohm</source><translation>Mikroohm</translation></message>
<message><source>milliohm</source><translation>Milliohm</translation></message>
<message><source>siemens</source><translation>Siemens</translation></message>
<message><source>mho</source><translation>Mho</translation></message>
<message><source>meter per second</source><translation>Meter pro Sekunde</translation></message>
<message><source>millimeter per second</source><translation>Millimeter pro Sekunde</translation></message>
<message><source>centimeter per second</source><translation>Zentimeter pro Sekunde</translation></message>
<message><source>meter per minute</source><translation>Meter pro Minute</translation></message>
<message><source>inch per second</source><translation>Zoll pro Sekunde</translation></message>
<message><source>foot per second</source><translation>Fuß pro Sekunde</translation></message>
<message><source>inch per minute</source><translation>Zoll pro Minute</translation></message>
<message><source>foot per minute</source><translation>Fuß pro Minute</translation></message>
<message><source>kilometer per hour</source><translation>Kilometer pro Stunde</translation></message>
<message numerus="yes"><source>mile per hour</source><translation><numerusform>Meile pro Stunde</numerusform><numerusform>Meilen pro Stunde</numerusform></translation></message>
<message><source>centimeter per minute</source><translation>Zentimeter pro Minute</translation></message>
<message><source>foot per hour</source><translation>Fuß pro Stunde</translation></message>
<message><source>inch per hour</source><translation>Zoll pro Stunde</translation></message>
<message><source>kilometer per minute</source><translation>Kilometer pro Minute</translation></message>
<message><source>kilometer per second</source><translation>Kilometer pro Sekunde</translation></message>
<message><source>knot</source><translation>Knoten</translation></message>
<message><source>knot (UK)</source><translation>Knoten (britisch)</translation></message>
<message><source>meter per hour</source><translation>Meter pro Stunde</translation></message>
<message numerus="yes"><source>mile per minute</source><translation><numerusform>Meile pro Minute</numerusform><numerusform>Meilen pro Minute</numerusform></translation></message>
<message numerus="yes"><source>mile per second</source><translation><numerusform>Meile pro Sekunde</numerusform><numerusform>Meilen pro Sekunde</numerusform></translation></message>
<message numerus="yes"><source>survey mile per hour</source><translation><numerusform>Meile (US-Vermessung) pro Stunde</numerusform><numerusform>Meilen (US-Vermessung) pro Stunde</numerusform></translation></message>
<message><source>survey foot per second</source><translation>Fuß (US-Vermessung) pro Sekunde</translation></message>
<message><source>byte</source><translation>Byte</translation></message>
<message><source>bit</source><translation>Bit</translation></message>
<message><source>kilobyte</source><translation>Kilobyte</translation></message>
<message><source>megabyte</source><translation>Megabyte</translation></message>
<message><source>gigabyte</source><translation>Gigabyte</translation></message>
<message><source>terabyte</source><translation>Terabyte</translation></message>
<message><source>kibibyte</source><translation>Kibibyte</translation></message>
<message><source>mebibyte</source><translation>Mebibyte</translation></message>
<message><source>gibibyte</source><translation>Gibibyte</translation></message>
<message><source>tebibyte</source><translation>Tebibyte</translation></message>
<message><source>kilobit</source><translation>Kilobit</translation></message>
<message><source>megabit</source><translation>Megabit</translation></message>
<message><source>gigabit</source><translation>Gigabit</translation></message>
<message><source>petabyte</source><translation>Petabyte</translation></message>
<message><source>pebibyte</source><translation>Pebibyte</translation></message>
<message><source>exabyte</source><translation>Exabyte</translation></message>
<message><source>exbibyte</source><translation>Exbibyte</translation></message>
<message><source>zettabyte</source><translation>Zettabyte</translation></message>
<message><source>zebibyte</source><translation>Zebibyte</translation></message>
<message><source>yottabyte</source><translation>Yottabyte</translation></message>
<message><source>yobibyte</source><translation>Yobibyte</translation></message>
<message><source>terabit</source><translation>Terabit</translation></message>
<message><source>kelvin</source><translation>Kelvin</translation></message>
<message><source>degree Celsius</source><translation>Grad Celsius</translation></message>
<message><source>degree Fahrenheit</source><translation>Grad Fahrenheit</translation></message>
<message><source>degree Rankine</source><translation>Grad Rankine</translation></message>
<message><source>celsius per minute</source><translation>Grad Celsius pro Minute</translation></message>
<message><source>fahrenheit per minute</source><translation>Grad Fahrenheit pro Minute</translation></message>
<message numerus="yes"><source>second</source><translation><numerusform>Sekunde</numerusform><numerusform>Sekunden</numerusform></translation></message>
<message numerus="yes"><source>yottasecond</source><translation><numerusform>Yottasekunde</numerusform><numerusform>Yottasekunden</numerusform></translation></message>
<message numerus="yes"><source>zettasecond</source><translation><numerusform>Zettasekunde</numerusform><numerusform>Zettasekunden</numerusform></translation></message>
<message numerus="yes"><source>exasecond</source><translation><numerusform>Exasekunde</numerusform><numerusform>Exasekunden</numerusform></translation></message>
<message numerus="yes"><source>petasecond</source><translation><numerusform>Petasekunde</numerusform><numerusform>Petasekunden</numerusform></translation></message>
<message numerus="yes"><source>terasecond</source><translation><numerusform>Terasekunde</numerusform><numerusform>Terasekunden</numerusform></translation></message>
<message numerus="yes"><source>gigasecond</source><translation><numerusform>Gigasekunde</numerusform><numerusform>Gigasekunden</numerusform></translation></message>
<message numerus="yes"><source>megasecond</source><translation><numerusform>Megasekunde</numerusform><numerusform>Megasekunden</numerusform></translation></message>
<message numerus="yes"><source>kilosecond</source><translation><numerusform>Kilosekunde</numerusform><numerusform>Kilosekunden</numerusform></translation></message>
<message numerus="yes"><source>hectosecond</source><translation><numerusform>Hektosekunde</numerusform><numerusform>Hektosekunden</numerusform></translation></message>
<message numerus="yes"><source>decasecond</source><translation><numerusform>Dekasekunde</numerusform><numerusform>Dekasekunden</numerusform></translation></message>
<message numerus="yes"><source>decisecond</source><translation><numerusform>Dezisekunde</numerusform><numerusform>Dezisekunden</numerusform></translation></message>
<message numerus="yes"><source>centisecond</source><translation><numerusform>Zentisekunde</numerusform><numerusform>Zentisekunden</numerusform></translation></message>
<message numerus="yes"><source>millisecond</source><translation><numerusform>Millisekunde</numerusform><numerusform>Millisekunden</numerusform></translation></message>
<message numerus="yes"><source>microsecond</source><translation><numerusform>Mikrosekunde</numerusform><numerusform>Mikrosekunden</numerusform></translation></message>
<message numerus="yes"><source>nanosecond</source><translation><numerusform>Nanosekunde</numerusform><numerusform>Nanosekunden</numerusform></translation></message>
<message numerus="yes"><source>picosecond</source><translation><numerusform>Pikosekunde</numerusform><numerusform>Pikosekunden</numerusform></translation></message>
<message numerus="yes"><source>femtosecond</source><translation><numerusform>Femtosekunde</numerusform><numerusform>Femtosekunden</numerusform></translation></message>
<message numerus="yes"><source>attosecond</source><translation><numerusform>Attosekunde</numerusform><numerusform>Attosekunden</numerusform></translation></message>
<message numerus="yes"><source>zeptosecond</source><translation><numerusform>Zeptosekunde</numerusform><numerusform>Zeptosekunden</numerusform></translation></message>
<message numerus="yes"><source>yoctosecond</source><translation><numerusform>Yoktosekunde</numerusform><numerusform>Yoktosekunden</numerusform></translation></message>
<message numerus="yes"><source>minute</source><translation><numerusform>Minute</numerusform><numerusform>Minuten</numerusform></translation></message>
<message numerus="yes"><source>hour</source><translation><numerusform>Stunde</numerusform><numerusform>Stunden</numerusform></translation></message>
<message numerus="yes"><source>day</source><translation><numerusform>Tag</numerusform><numerusform>Tage</numerusform></translation></message>
<message numerus="yes"><source>week</source><translation><numerusform>Woche</numerusform><numerusform>Wochen</numerusform></translation></message>
<message><source>fortnight</source><translation>Vierzehn Tage</translation></message>
<message numerus="yes"><source>month</source><translation><numerusform>Monat</numerusform><numerusform>Monate</numerusform></translation></message>
<message numerus="yes"><source>month (hollow)</source><translation><numerusform>Monat (hohl)</numerusform><numerusform>Monate (hohl)</numerusform></translation></message>
<message numerus="yes"><source>month (full)</source><translation><numerusform>Monat (voll)</numerusform><numerusform>Monate (voll)</numerusform></translation></message>
<message numerus="yes"><source>year</source><translation><numerusform>Jahr</numerusform><numerusform>Jahre</numerusform></translation></message>
<message numerus="yes"><source>year (Gregorian)</source><translation><numerusform>Jahr (gregorianisch)</numerusform><numerusform>Jahre (gregorianisch)</numerusform></translation></message>
<message numerus="yes"><source>year (Julian)</source><translation><numerusform>Jahr (julianisch)</numerusform><numerusform>Jahre (julianisch)</numerusform></translation></message>
<message numerus="yes"><source>sidereal year</source><translation><numerusform>Siderisches Jahr</numerusform><numerusform>siderische Jahre</numerusform></translation></message>
<message numerus="yes"><source>tropical year</source><translation><numerusform>Tropisches Jahr</numerusform><numerusform>tropische Jahre</numerusform></translation></message>
<message><source>annum</source><translation>Annum</translation></message>
<message numerus="yes"><source>decade</source><translation><numerusform>Jahrzehnt</numerusform><numerusform>Jahrzehnte</numerusform></translation></message>
<message numerus="yes"><source>century</source><translation><numerusform>Jahrhundert</numerusform><numerusform>Jahrhunderte</numerusform></translation></message>
<message numerus="yes"><source>century (Julian)</source><translation><numerusform>Jahrhundert (julianisch)</numerusform><numerusform>Jahrhunderte (julianisch)</numerusform></translation></message>
<message numerus="yes"><source>millenium</source><translation><numerusform>Jahrtausend</numerusform><numerusform>Jahrtausende</numerusform></translation></message>
<message numerus="yes"><source>millenium (Gregorian)</source><translation><numerusform>Jahrtausend (gregorianisch)</numerusform><numerusform>Jahrtausende (gregorianisch)</numerusform></translation></message>
<message numerus="yes"><source>millenium (Julian)</source><translation><numerusform>Jahrtausend (julianisch)</numerusform><numerusform>Jahrtausende (julianisch)</numerusform></translation></message>
<message><source>newton meter (torque)</source><translation>Newtonmeter (Drehmoment)</translation></message>
<message><source>newton centimeter (torque)</source><translation>Newtonzentimeter (Drehmoment)</translation></message>
<message><source>newton decameter (torque)</source><translation>Newtondekameter (Drehmoment)</translation></message>
<message><source>foot pound (torque)</source><translation>Fuß-Pfund (Drehmoment)</translation></message>
<message><source>inch pound (torque)</source><translation>Zoll-Pfund (Drehmoment)</translation></message>
<message><source>meter kilogram (torque)</source><translation>Meterkilogramm (Drehmoment)</translation></message>
<message><source>centimeter kilogram (torque)</source><translation>Zentimeterkilogramm (Drehmoment)</translation></message>
<message numerus="yes"><source>inch ounce (torque)</source><translation><numerusform>Zoll-Unze (Drehmoment)</numerusform><numerusform>Zoll-Unzen (Drehmoment)</numerusform></translation></message>
<message><source>gram centimeter (torque)</source><translation>Grammzentimeter (Drehmoment)</translation></message>
<message><source>decanewton meter (torque)</source><translation>Dekanewtonmeter (Drehmoment)</translation></message>
<message><source>kilonewton meter (torque)</source><translation>Kilonewtonmeter (Drehmoment)</translation></message>
<message><source>meganewton meter (torque)</source><translation>Meganewtonmeter (Drehmoment)</translation></message>
<message><source>kip foot (torque)</source><translation>Kip-Fuß (Drehmoment)</translation></message>
<message><source>kilogram force meter (torque)</source><translation>Kilopondmeter (Drehmoment)</translation></message>
<message><source>ton force meter (torque)</source><translation>Tonne-Kraft-Meter (Drehmoment)</translation></message>
<message><source>pound force foot (torque)</source><translation>Pfund-Kraft-Fuß (Drehmoment)</translation></message>
<message><source>poise</source><translation>Poise</translation></message>
<message><source>centipoise</source><translation>Zentipoise</translation></message>
<message numerus="yes"><source>pascal second</source><translation><numerusform>Pascalsekunde</numerusform><numerusform>Pascalsekunden</numerusform></translation></message>
<message><source>pound mass per foot second</source><translation>Pfund (Masse) pro Fuß und Sekunde</translation></message>
<message><source>pound mass per foot hour</source><translation>Pfund (Masse) pro Fuß und Stunde</translation></message>
<message><source>stoke</source><translation>Stokes</translation></message>
<message><source>centistoke</source><translation>Zentistokes</translation></message>
<message><source>meter per second squared</source><translation>Meter pro Quadratsekunde</translation></message>
<message><source>foot per second squared</source><translation>Fuß pro Quadratsekunde</translation></message>
<message><source>survey foot per second squared</source><translation>Fuß (US-Vermessung) pro Quadratsekunde</translation></message>
<message numerus="yes"><source>standard gravity</source><translation><numerusform>Normfallbeschleunigung</numerusform><numerusform>Normfallbeschleunigungen</numerusform></translation></message>
<message><source>volt</source><translation>Volt</translation></message>
<message><source>kilovolt</source><translation>Kilovolt</translation></message>
<message><source>microvolt</source><translation>Mikrovolt</translation></message>
<message><source>millivolt</source><translation>Millivolt</translation></message>
<message><source>volt (electrical potential)</source><translation>Volt (elektrisches Potential)</translation></message>
<message><source>abvolt</source><translation>Abvolt</translation></message>
<message><source>statvolt</source><translation>Statvolt</translation></message>
<message><source>candela</source><translation>Candela</translation></message>
<message><source>lumen per steradian</source><translation>Lumen pro Steradiant</translation></message>
<message><source>candlepower</source><translation>Candlepower</translation></message>
<message><source>Lux (Illuminance)</source><translation>Lux (Beleuchtungsstärke)</translation></message>
<message numerus="yes"><source>footcandle</source><translation><numerusform>Footcandle</numerusform><numerusform>Footcandles</numerusform></translation></message>
<message numerus="yes"><source>lumen second</source><translation><numerusform>Lumensekunde</numerusform><numerusform>Lumensekunden</numerusform></translation></message>
<message><source>talbots</source><translation>Talbot</translation></message>
<message><source>luminous power</source><translation>Lichtstrom</translation></message>
<message><source>lumen</source><translation>Lumen</translation></message>
<message><source>candela per square meter</source><translation>Candela pro Quadratmeter</translation></message>
<message><source>foot lambert</source><translation>Foot-Lambert</translation></message>
<message><source>candela per square foot</source><translation>Candela pro Quadratfuß</translation></message>
<message><source>lux (emittance)</source><translation>Lux (Lichtausstrahlung)</translation></message>
<message><source>lumen per watt</source><translation>Lumen pro Watt</translation></message>
<message><source>pascal per meter</source><translation>Pascal pro Meter</translation></message>
<message><source>inch of water per 100foot</source><translation>Zoll Wassersäule pro 100 Fuß</translation></message>
<message><source>foot of water per 100foot</source><translation>Fuß Wassersäule pro 100 Fuß</translation></message>
<message><source>inch of mercury per 100foot</source><translation>Zoll Quecksilbersäule pro 100 Fuß</translation></message>
<message><source>millimeter of mercury per 100foot</source><translation>Millimeter Quecksilbersäule pro 100 Fuß</translation></message>
<message><source>newton meter per degree</source><translation>Newtonmeter pro Grad</translation></message>
<message><source>kip foot per degree</source><translation>Kip-Fuß pro Grad</translation></message>
<message><source>kilonewton meter per degree</source><translation>Kilonewtonmeter pro Grad</translation></message>
<message><source>newton meter per degree per meter</source><translation>Newtonmeter pro Grad und Meter</translation></message>
<message><source>kip foot per degree per foot</source><translation>Kip-Fuß pro Grad und Fuß</translation></message>
<message><source>kilonewton meter per degree per meter</source><translation>Kilonewtonmeter pro Grad und Meter</translation></message>
<message><source>watt per square meter kelvin</source><translation>Watt pro Quadratmeter und Kelvin</translation></message>
<message numerus="yes"><source>british thermal unit per hour square foot fahrenheit</source><translation><numerusform>British Thermal Unit pro Stunde, Quadratfuß und Grad Fahrenheit</numerusform><numerusform>British Thermal Units pro Stunde, Quadratfuß und Grad Fahrenheit</numerusform></translation></message>
<message><source>cubic meter per second square meter</source><translation>Kubikmeter pro Sekunde und Quadratmeter</translation></message>
<message><source>cubic foot per minute square foot</source><translation>Kubikfuß pro Minute und Quadratfuß</translation></message>
<message><source>liter per second square meter</source><translation>Liter pro Sekunde und Quadratmeter</translation></message>
<message><source>cubic meter per second cubic meter</source><translation>Kubikmeter pro Sekunde und Kubikmeter</translation></message>
<message><source>cubic foot per minute cubic foot</source><translation>Kubikfuß pro Minute und Kubikfuß</translation></message>
<message><source>liter per second cubic meter</source><translation>Liter pro Sekunde und Kubikmeter</translation></message>
<message><source>cubic meter per second watt</source><translation>Kubikmeter pro Sekunde und Watt</translation></message>
<message><source>cubic foot per minute ton of refrigeration</source><translation>Kubikfuß pro Minute und Kältetonne</translation></message>
<message><source>liter per second kilowatt</source><translation>Liter pro Sekunde und Kilowatt</translation></message>
<message><source>square meter per watt</source><translation>Quadratmeter pro Watt</translation></message>
<message><source>square foot per ton of refrigeration</source><translation>Quadratfuß pro Kältetonne</translation></message>
<message><source>square meter per kilowatt</source><translation>Quadratmeter pro Kilowatt</translation></message>
<message><source>square foot per thousand british thermal unit per hour</source><translation>Quadratfuß pro tausend British Thermal Units pro Stunde</translation></message>
<message numerus="yes"><source>square second per meter kilogram</source><translation><numerusform>Quadratsekunde pro Meter und Kilogramm</numerusform><numerusform>Quadratsekunden pro Meter und Kilogramm</numerusform></translation></message>
<message><source>inverse kilonewton</source><translation>Pro Kilonewton</translation></message>
<message><source>inverse kip</source><translation>Pro Kip</translation></message>
<message><source>inverse fahrenheit</source><translation>Pro Grad Fahrenheit</translation></message>
<message><source>inverse celsius</source><translation>Pro Grad Celsius</translation></message>
<message><source>oersted</source><translation>Oersted</translation></message>
<message><source>Ampere per meter</source><translation>Ampere pro Meter</translation></message>
</context>
<context>
<name>ParseProblem</name>
<message><source>The text is a quantity.</source><translation>Der Text ist eine Größe.</translation></message>
<message><source>The text is empty.</source><translation>Der Text ist leer.</translation></message>
<message><source>The unit to read the text in is not known.</source><translation>Die Einheit, in der der Text gelesen werden soll, ist unbekannt.</translation></message>
<message><source>“%1” is not a number or a unit symbol.</source><translation>„%1“ ist weder eine Zahl noch ein Einheitenzeichen.</translation></message>
<message><source>“%1” measures %2, not %3.</source><translation>Falsche Größenart: %2 statt %3.</translation></message>
<message><source>“%1” needs a number before it.</source><translation>Vor „%1“ fehlt eine Zahl.</translation></message>
<message><source>A unit or a mark is missing at “%1”.</source><translation>Bei „%1“ fehlt eine Einheit oder ein Zeichen.</translation></message>
<message><source>“%1” has no unit to apply to.</source><translation>Bei „%1“ fehlt die Einheit, auf die es wirkt.</translation></message>
<message><source>“%1” cannot be an exponent: write a whole number from −64 to 64, other than 0.</source><translation>„%1“ ist kein zulässiger Exponent: Erlaubt sind ganze Zahlen von −64 bis 64 außer 0.</translation></message>
<message><source>“%1” has no matching parenthesis, or the parentheses are nested too deeply.</source><translation>Zu „%1“ fehlt die passende Klammer, oder die Klammern sind zu tief verschachtelt.</translation></message>
<message><source>The denominator “%1” must be greater than zero.</source><translation>Der Nenner „%1“ muss größer als null sein.</translation></message>
<message><source>“%1” does not belong here.</source><translation>„%1“ gehört nicht an diese Stelle.</translation></message>
<message><source>The minutes “%1” need a minute mark (').</source><translation>Nach den Minuten „%1“ fehlt das Minutenzeichen (').</translation></message>
<message><source>The minutes “%1” cannot be negative.</source><translation>Die Minuten „%1“ dürfen nicht negativ sein.</translation></message>
<message><source>A bearing angle cannot be more than 90°: “%1”.</source><translation>Ein Kurswinkel darf nicht größer als 90° sein: „%1“.</translation></message>
<message><source>A bearing must begin with N or S.</source><translation>Ein Kurswinkel muss mit N oder S beginnen.</translation></message>
<message><source>The value is too large.</source><translation>Der Wert ist zu groß.</translation></message>
<message><source>The text is too long to be a quantity.</source><translation>Der Text ist zu lang für eine Größenangabe.</translation></message>
<message><source>The number “%1” is too small to hold.</source><translation>Die Zahl „%1“ ist zu klein, um sie darzustellen.</translation></message>
<message><source>The group separator “%1” is out of place.</source><translation>Das Gruppentrennzeichen „%1“ steht an der falschen Stelle.</translation></message>
<message><source>The group separator “%1” is out of place: did you mean %2?</source><translation>Das Gruppentrennzeichen „%1“ steht an der falschen Stelle – meinten Sie %2?</translation></message>
<message><source>Minutes and seconds must be less than 60: “%1”.</source><translation>Minuten und Sekunden müssen kleiner als 60 sein: „%1“.</translation></message>
<message><source>“%1” could be hours and minutes or minutes and seconds: write all three parts.</source><translation>„%1“ kann Stunden und Minuten oder Minuten und Sekunden bedeuten: Bitte alle drei Teile angeben.</translation></message>
<message><source>“%1” could mean more than one unit of %3: use another symbol.</source><translation>„%1“ kann mehrere Einheiten der Größe %3 bedeuten: Bitte ein anderes Einheitenzeichen verwenden.</translation></message>
<message><source>“%1” raises the units to a power beyond 64.</source><translation>„%1“ hebt die Einheiten auf eine Potenz über 64.</translation></message>
</context>
<context>
<name>PluralForms</name>
<message numerus="yes"><source>categories</source><extracomment>The CLDR plural categories that each numerus form of the unit names serves, in the order of the forms.</extracomment><translation><numerusform>one</numerusform><numerusform>other</numerusform></translation></message>
</context>
</TS>
