<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
<name>UnitSymbol_Length</name>
<message><source>eSMeter_Name_Alternate1</source><extracomment>meter</extracomment><translation>Meter</translation></message>
<message><source>eSMeter_Name_Alternate2</source><extracomment>meter</extracomment><translation>Metern</translation></message>
<message><source>eSMeter_Name_Alternate3</source><extracomment>meter</extracomment><translation>Mtr</translation></message>
<message><source>eSKilometer_Name_Alternate1</source><extracomment>kilometer</extracomment><translation>Kilometer</translation></message>
<message><source>eSKilometer_Name_Alternate2</source><extracomment>kilometer</extracomment><translation>Kilometern</translation></message>
<message><source>eSHectometer_Name_Alternate1</source><extracomment>hectometer</extracomment><translation>Hektometer</translation></message>
<message><source>eSDecameter_Name_Alternate1</source><extracomment>decameter</extracomment><translation>Dekameter</translation></message>
<message><source>eSDecimeter_Name_Alternate1</source><extracomment>decimeter</extracomment><translation>Dezimeter</translation></message>
<message><source>eSDecimeter_Name_Alternate2</source><extracomment>decimeter</extracomment><translation>Dezimetern</translation></message>
<message><source>eSCentimeter_Name_Alternate1</source><extracomment>centimeter</extracomment><translation>Zentimeter</translation></message>
<message><source>eSCentimeter_Name_Alternate2</source><extracomment>centimeter</extracomment><translation>Zentimetern</translation></message>
<message><source>eSMillimeter_Name_Alternate1</source><extracomment>millimeter</extracomment><translation>Millimeter</translation></message>
<message><source>eSMillimeter_Name_Alternate2</source><extracomment>millimeter</extracomment><translation>Millimetern</translation></message>
<message><source>eSMicrometer_Name_Alternate1</source><extracomment>micrometer</extracomment><translation>Mikrometer</translation></message>
<message><source>eSMicrometer_Name_Alternate2</source><extracomment>micrometer</extracomment><translation>Mikrometern</translation></message>
<message><source>eSNanometer_Name_Alternate1</source><extracomment>nanometer</extracomment><translation>Nanometer</translation></message>
<message><source>eSNanometer_Name_Alternate2</source><extracomment>nanometer</extracomment><translation>Nanometern</translation></message>
<message><source>eSInch_Name_Alternate1</source><extracomment>inch</extracomment><translation>Zoll</translation></message>
<message><source>eSFoot_Name_Alternate1</source><extracomment>foot</extracomment><translation>Fuß</translation></message>
<message><source>eSFoot_Name_Alternate2</source><extracomment>foot</extracomment><translation>Fuss</translation></message>
<message><source>eSYard_Name_Alternate1</source><extracomment>yard</extracomment><translation>Yard</translation></message>
<message><source>eSYard_Name_Alternate2</source><extracomment>yard</extracomment><translation>Yards</translation></message>
<message><source>eSNauticalMile_Name_Alternate3</source><extracomment>nautical mile</extracomment><translation>sm</translation></message>
<message><source>eSMicron_Name_Alternate1</source><extracomment>micron</extracomment><translation>Mikron</translation></message>
<message><source>eSAngstrom_Name_Alternate1</source><extracomment>angstrom</extracomment><translation>Ångström</translation></message>
<message><source>eSAngstrom_Name_Alternate2</source><extracomment>angstrom</extracomment><translation>Angström</translation></message>
<message><source>eSAstronomicalUnit_Name_Alternate2</source><extracomment>astronomical unit</extracomment><translation>AE</translation></message>
<message><source>eSFathom_Name_Alternate1</source><extracomment>fathom</extracomment><translation>Faden</translation></message>
<message><source>eSLightYear_Name_Alternate3</source><extracomment>light-year</extracomment><translation>Lichtjahren</translation></message>
<message><source>eSLightYear_Name_Alternate4</source><extracomment>light-year</extracomment><translation>Lj</translation></message>
<message><source>eSParsec_Name_Alternate1</source><extracomment>parsec</extracomment><translation>Parsec</translation></message>
<message><source>eSParsec_Name_Alternate2</source><extracomment>parsec</extracomment><translation>Parallaxensekunde</translation></message>
<message><source>eSMil_Name_Alternate1</source><extracomment>mil</extracomment><translation>Mil</translation></message>
<message><source>eSMil_Name_Alternate2</source><extracomment>mil</extracomment><translation>Thou</translation></message>
</context>
<context>
<name>UnitSymbol_Area</name>
<message><source>eSSquareMeter_Name_Alternate1</source><extracomment>square meter</extracomment><translation>Quadratmeter</translation></message>
<message><source>eSSquareMeter_Name_Alternate2</source><extracomment>square meter</extracomment><translation>Quadratmetern</translation></message>
<message><source>eSSquareMeter_Name_Alternate3</source><extracomment>square meter</extracomment><translation>qm</translation></message>
<message><source>eSSquareInch_Name_Alternate1</source><extracomment>square inch</extracomment><translation>Quadratzoll</translation></message>
<message><source>eSSquareFoot_Name_Alternate1</source><extracomment>square foot</extracomment><translation>Quadratfuß</translation></message>
<message><source>eSSquareFoot_Name_Alternate2</source><extracomment>square foot</extracomment><translation>Quadratfuss</translation></message>
<message><source>eSSquareYard_Name_Alternate1</source><extracomment>square yard</extracomment><translation>Quadratyard</translation></message>
<message><source>eSSquareYard_Name_Alternate2</source><extracomment>square yard</extracomment><translation>Quadratyards</translation></message>
<message><source>eSAcre_Name_Alternate1</source><extracomment>acre</extracomment><translation>Acre</translation></message>
<message><source>eSAcre_Name_Alternate2</source><extracomment>acre</extracomment><translation>Acres</translation></message>
<message><source>eSHectare_Name_Alternate1</source><extracomment>hectare</extracomment><translation>Hektar</translation></message>
<message><source>eSHectare_Name_Alternate2</source><extracomment>hectare</extracomment><translation>Hektare</translation></message>
<message><source>eSHectare_Name_Alternate3</source><extracomment>hectare</extracomment><translation>Hektaren</translation></message>
<message><source>eSSquareKilometer_Name_Alternate1</source><extracomment>square kilometer</extracomment><translation>Quadratkilometer</translation></message>
<message><source>eSSquareKilometer_Name_Alternate2</source><extracomment>square kilometer</extracomment><translation>Quadratkilometern</translation></message>
<message><source>eSSquareKilometer_Name_Alternate3</source><extracomment>square kilometer</extracomment><translation>qkm</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate1</source><extracomment>square centimeter</extracomment><translation>Quadratzentimeter</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate2</source><extracomment>square centimeter</extracomment><translation>Quadratzentimetern</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate3</source><extracomment>square centimeter</extracomment><translation>qcm</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate1</source><extracomment>square millimeter</extracomment><translation>Quadratmillimeter</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate2</source><extracomment>square millimeter</extracomment><translation>Quadratmillimetern</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate3</source><extracomment>square millimeter</extracomment><translation>qmm</translation></message>
<message><source>eSAre_Name_Alternate1</source><extracomment>are</extracomment><translation>Ar</translation></message>
<message><source>eSSquareDecimeter_Name_Alternate1</source><extracomment>square decimeter</extracomment><translation>Quadratdezimeter</translation></message>
<message><source>eSSquareDecimeter_Name_Alternate2</source><extracomment>square decimeter</extracomment><translation>qdm</translation></message>
<message><source>eSsqly_Alternate1</source><extracomment>square light-year</extracomment><translatorcomment>generated from «Lj²»</translatorcomment><translation>Lj2</translation></message>
<message><source>eSsqly_Alternate2</source><extracomment>square light-year</extracomment><translatorcomment>generated from «Lj²»</translatorcomment><translation>Lj^2</translation></message>
<message><source>eSsqNM_Adm_Alternate1</source><extracomment>square mile (UK nautical)</extracomment><translatorcomment>generated from «sm² (UK)»</translatorcomment><translation>sm2 (UK)</translation></message>
<message><source>eSsqNM_Adm_Alternate2</source><extracomment>square mile (UK nautical)</extracomment><translatorcomment>generated from «sm² (UK)»</translatorcomment><translation>sm^2 (UK)</translation></message>
<message><source>eSsqmi_Statute_Alternate1</source><extracomment>square mile (statute)</extracomment><translatorcomment>generated from «mi² (Land)»</translatorcomment><translation>mi2 (Land)</translation></message>
<message><source>eSsqmi_Statute_Alternate2</source><extracomment>square mile (statute)</extracomment><translatorcomment>generated from «mi² (Land)»</translatorcomment><translation>mi^2 (Land)</translation></message>
<message><source>eSsqmil_Alternate1</source><extracomment>square mil</extracomment><translatorcomment>generated from «mil²»</translatorcomment><translation>mil2</translation></message>
<message><source>eSsqmil_Alternate2</source><extracomment>square mil</extracomment><translatorcomment>generated from «mil²»</translatorcomment><translation>mil^2</translation></message>
<message><source>eSsqAU_Alternate1</source><extracomment>square astronomical unit</extracomment><translatorcomment>generated from «AE²»</translatorcomment><translation>AE2</translation></message>
<message><source>eSsqAU_Alternate2</source><extracomment>square astronomical unit</extracomment><translatorcomment>generated from «AE²»</translatorcomment><translation>AE^2</translation></message>
</context>
<context>
<name>UnitSymbol_Volume</name>
<message><source>eSLiter_Name_Alternate1</source><extracomment>liter</extracomment><translation>Liter</translation></message>
<message><source>eSLiter_Name_Alternate2</source><extracomment>liter</extracomment><translation>Litern</translation></message>
<message><source>eSLiter_Name_Alternate3</source><extracomment>liter</extracomment><translation>ltr</translation></message>
<message><source>eSLiter_Name_Alternate4</source><extracomment>liter</extracomment><translation>Ltr</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate1</source><extracomment>cubic centimeter</extracomment><translation>Kubikzentimeter</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate2</source><extracomment>cubic centimeter</extracomment><translation>Kubikzentimetern</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate3</source><extracomment>cubic centimeter</extracomment><translation>ccm</translation></message>
<message><source>eSTablespoon_Name_Alternate1</source><extracomment>tablespoon</extracomment><translation>Esslöffel</translation></message>
<message><source>eSTablespoon_Name_Alternate2</source><extracomment>tablespoon</extracomment><translation>EL</translation></message>
<message><source>eSGallonImperial_Name_Alternate1</source><extracomment>gallon (imperial)</extracomment><translation>britische Gallone</translation></message>
<message><source>eSGallonImperial_Name_Alternate2</source><extracomment>gallon (imperial)</extracomment><translation>britische Gallonen</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate1</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>US-Gallone</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate2</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>US-Gallonen</translation></message>
<message><source>eSCentiliter_Name_Alternate1</source><extracomment>centiliter</extracomment><translation>Zentiliter</translation></message>
<message><source>eSCubicFoot_Name_Alternate1</source><extracomment>cubic foot</extracomment><translation>Kubikfuß</translation></message>
<message><source>eSCubicFoot_Name_Alternate2</source><extracomment>cubic foot</extracomment><translation>Kubikfuss</translation></message>
<message><source>eSCubicInch_Name_Alternate1</source><extracomment>cubic inch</extracomment><translation>Kubikzoll</translation></message>
<message><source>eSCubicMeter_Name_Alternate1</source><extracomment>cubic meter</extracomment><translation>Kubikmeter</translation></message>
<message><source>eSCubicMeter_Name_Alternate2</source><extracomment>cubic meter</extracomment><translation>Kubikmetern</translation></message>
<message><source>eSCubicYard_Name_Alternate1</source><extracomment>cubic yard</extracomment><translation>Kubikyard</translation></message>
<message><source>eSCubicYard_Name_Alternate2</source><extracomment>cubic yard</extracomment><translation>Kubikyards</translation></message>
<message><source>eSMicroliter_Name_Alternate1</source><extracomment>microliter</extracomment><translation>Mikroliter</translation></message>
<message><source>eSMilliliter_Name_Alternate1</source><extracomment>milliliter</extracomment><translation>Milliliter</translation></message>
<message><source>eSMilliliter_Name_Alternate2</source><extracomment>milliliter</extracomment><translation>Millilitern</translation></message>
<message><source>eSTeaspoon_Name_Alternate1</source><extracomment>teaspoon</extracomment><translation>Teelöffel</translation></message>
<message><source>eSTeaspoon_Name_Alternate2</source><extracomment>teaspoon</extracomment><translation>TL</translation></message>
<message><source>eSCubicMillimeter_Name_Alternate1</source><extracomment>cubic millimeter</extracomment><translation>Kubikmillimeter</translation></message>
<message><source>eSCubicMillimeter_Name_Alternate2</source><extracomment>cubic millimeter</extracomment><translation>Kubikmillimetern</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate1</source><extracomment>barrel (petroleum)</extracomment><translation>Barrel</translation></message>
<message><source>eSDekaliter_Name_Alternate1</source><extracomment>dekaliter</extracomment><translation>Dekaliter</translation></message>
<message><source>eScuAU_Alternate1</source><extracomment>cubic astronomical unit</extracomment><translatorcomment>generated from «AE³»</translatorcomment><translation>AE3</translation></message>
<message><source>eScuAU_Alternate2</source><extracomment>cubic astronomical unit</extracomment><translatorcomment>generated from «AE³»</translatorcomment><translation>AE^3</translation></message>
<message><source>eSculy_Alternate1</source><extracomment>cubic light-year</extracomment><translatorcomment>generated from «Lj³»</translatorcomment><translation>Lj3</translation></message>
<message><source>eSculy_Alternate2</source><extracomment>cubic light-year</extracomment><translatorcomment>generated from «Lj³»</translatorcomment><translation>Lj^3</translation></message>
<message><source>eScuNM_Adm_Alternate1</source><extracomment>cubic mile (UK nautical)</extracomment><translatorcomment>generated from «sm³ (UK)»</translatorcomment><translation>sm3 (UK)</translation></message>
<message><source>eScuNM_Adm_Alternate2</source><extracomment>cubic mile (UK nautical)</extracomment><translatorcomment>generated from «sm³ (UK)»</translatorcomment><translation>sm^3 (UK)</translation></message>
<message><source>eScuNM_Alternate1</source><extracomment>cubic nautical mile</extracomment><translatorcomment>generated from «sm³»</translatorcomment><translation>sm3</translation></message>
<message><source>eScuNM_Alternate2</source><extracomment>cubic nautical mile</extracomment><translatorcomment>generated from «sm³»</translatorcomment><translation>sm^3</translation></message>
<message><source>eScumi_Statute_Alternate1</source><extracomment>cubic mile (statute)</extracomment><translatorcomment>generated from «mi³ (Land)»</translatorcomment><translation>mi3 (Land)</translation></message>
<message><source>eScumi_Statute_Alternate2</source><extracomment>cubic mile (statute)</extracomment><translatorcomment>generated from «mi³ (Land)»</translatorcomment><translation>mi^3 (Land)</translation></message>
<message><source>eSCubicDecimeter_Name_Alternate1</source><extracomment>cubic decimeter</extracomment><translation>Kubikdezimeter</translation></message>
<message><source>eSCubicDecimeter_Name_Alternate2</source><extracomment>cubic decimeter</extracomment><translation>Kubikdezimetern</translation></message>
<message><source>eSKiloliter_Name_Alternate1</source><extracomment>kiloliter</extracomment><translation>Kiloliter</translation></message>
</context>
<context>
<name>UnitSymbol_Mass</name>
<message><source>eSKilogram_Name_Alternate1</source><extracomment>kilogram</extracomment><translation>Kilogramm</translation></message>
<message><source>eSGram_Name_Alternate1</source><extracomment>gram</extracomment><translation>Gramm</translation></message>
<message><source>eSMegagram_Name_Alternate1</source><extracomment>megagram</extracomment><translation>Megagramm</translation></message>
<message><source>eSMegagram_Name_Alternate2</source><extracomment>megagram</extracomment><translation>Tonne</translation></message>
<message><source>eSMegagram_Name_Alternate3</source><extracomment>megagram</extracomment><translation>Tonnen</translation></message>
<message><source>eSHectogram_Name_Alternate1</source><extracomment>hectogram</extracomment><translation>Hektogramm</translation></message>
<message><source>eSDecagram_Name_Alternate1</source><extracomment>decagram</extracomment><translation>Dekagramm</translation></message>
<message><source>eSDecagram_Name_Alternate2</source><extracomment>decagram</extracomment><translation>dkg</translation></message>
<message><source>eSMilligram_Name_Alternate1</source><extracomment>milligram</extracomment><translation>Milligramm</translation></message>
<message><source>eSMicrogram_Name_Alternate1</source><extracomment>microgram</extracomment><translation>Mikrogramm</translation></message>
<message><source>eSPoundMeter_Name_Alternate1</source><extracomment>pound (meter)</extracomment><translation>Pfund</translation></message>
<message><source>eSPoundTroy_Name_Alternate1</source><extracomment>pound (troy)</extracomment><translation>Troy-Pfund</translation></message>
<message><source>eSOunceAvoirdupois_Name_Alternate1</source><extracomment>ounce (avoirdupois)</extracomment><translation>Unze</translation></message>
<message><source>eSOunceAvoirdupois_Name_Alternate2</source><extracomment>ounce (avoirdupois)</extracomment><translation>Unzen</translation></message>
<message><source>eSOunceApothecaryTroy_Name_Alternate1</source><extracomment>ounce (apothecary; troy)</extracomment><translation>Feinunze</translation></message>
<message><source>eSOunceApothecaryTroy_Name_Alternate2</source><extracomment>ounce (apothecary; troy)</extracomment><translation>Feinunzen</translation></message>
<message><source>eSOunceApothecaryTroy_Name_Alternate3</source><extracomment>ounce (apothecary; troy)</extracomment><translation>Troy-Unze</translation></message>
<message><source>eSStone_Name_Alternate1</source><extracomment>stone</extracomment><translation>Stone</translation></message>
<message><source>eSGrain_Name_Alternate1</source><extracomment>grain</extracomment><translation>Gran</translation></message>
<message><source>eSDalton_Name_Alternate1</source><extracomment>dalton</extracomment><translation>Dalton</translation></message>
</context>
<context>
<name>UnitSymbol_AmountOfSubstance</name>
<message><source>eSMole_Name_Alternate1</source><extracomment>mole</extracomment><translation>Mol</translation></message>
<message><source>eSKilomole_Name_Alternate1</source><extracomment>kilomole</extracomment><translation>Kilomol</translation></message>
<message><source>eSMillimole_Name_Alternate1</source><extracomment>millimole</extracomment><translation>Millimol</translation></message>
<message><source>eSMicromole_Name_Alternate1</source><extracomment>micromole</extracomment><translation>Mikromol</translation></message>
</context>
<context>
<name>UnitSymbol_Angle</name>
<message><source>eSRadian_Name_Alternate1</source><extracomment>radian</extracomment><translation>Radiant</translation></message>
<message><source>eSDegree_Name_Alternate1</source><extracomment>degree</extracomment><translation>Grad</translation></message>
<message><source>eSDegree_Name_Alternate2</source><extracomment>degree</extracomment><translation>Altgrad</translation></message>
<message><source>eSDegree_Name_Alternate3</source><extracomment>degree</extracomment><translation>grad</translation></message>
<message><source>eSMilliradian_Name_Alternate1</source><extracomment>milliradian</extracomment><translation>Milliradiant</translation></message>
<message><source>eSGrad_Name_Alternate1</source><extracomment>grad</extracomment><translation>Gon</translation></message>
<message><source>eSGrad_Name_Alternate2</source><extracomment>grad</extracomment><translation>Neugrad</translation></message>
<message><source>eSAngularMilNATO_Name_Alternate1</source><extracomment>angular mil (NATO)</extracomment><translation>Strich</translation></message>
<message><source>eSAngleMinute_Name_Alternate3</source><extracomment>angle minute</extracomment><translation>Bogenminute</translation></message>
<message><source>eSAngleMinute_Name_Alternate4</source><extracomment>angle minute</extracomment><translation>Bogenminuten</translation></message>
<message><source>eSAngleSecond_Name_Alternate3</source><extracomment>angle second</extracomment><translation>Bogensekunde</translation></message>
<message><source>eSAngleSecond_Name_Alternate4</source><extracomment>angle second</extracomment><translation>Bogensekunden</translation></message>
</context>
<context>
<name>UnitSymbol_SolidAngle</name>
<message><source>eSSteradian_Name_Alternate1</source><extracomment>steradian</extracomment><translation>Steradiant</translation></message>
</context>
<context>
<name>UnitSymbol_PartsPer</name>
<message><source>eSPartPerMillion_Name_Alternate1</source><extracomment>part per million</extracomment><translation>Millionstel</translation></message>
<message><source>eSPartPerBillion_Name_Alternate1</source><extracomment>part per billion</extracomment><translation>Milliardstel</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCurrent</name>
<message><source>eSAmpere_Name_Alternate1</source><extracomment>ampere</extracomment><translation>Ampere</translation></message>
<message><source>eSKiloampere_Name_Alternate1</source><extracomment>kiloampere</extracomment><translation>Kiloampere</translation></message>
<message><source>eSMilliampere_Name_Alternate1</source><extracomment>milliampere</extracomment><translation>Milliampere</translation></message>
<message><source>eSMicroampere_Name_Alternate1</source><extracomment>microampere</extracomment><translation>Mikroampere</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCharge</name>
<message><source>eSCoulomb_Name_Alternate1</source><extracomment>coulomb</extracomment><translation>Coulomb</translation></message>
</context>
<context>
<name>UnitSymbol_Capacitance</name>
<message><source>eSFarad_Name_Alternate1</source><extracomment>farad</extracomment><translation>Farad</translation></message>
<message><source>eSMicrofarad_Name_Alternate1</source><extracomment>microfarad</extracomment><translation>Mikrofarad</translation></message>
<message><source>eSNanofarad_Name_Alternate1</source><extracomment>nanofarad</extracomment><translation>Nanofarad</translation></message>
<message><source>eSPicofarad_Name_Alternate1</source><extracomment>picofarad</extracomment><translation>Pikofarad</translation></message>
</context>
<context>
<name>UnitSymbol_BitRate</name>
<message><source>eSBitPerSecond_Name_Alternate1</source><extracomment>bit per second</extracomment><translation>Bit pro Sekunde</translation></message>
<message><source>eSBitPerSecond_Name_Alternate2</source><extracomment>bit per second</extracomment><translation>Bit/s</translation></message>
<message><source>eSBytePerSecond_Name_Alternate1</source><extracomment>byte per second</extracomment><translation>Byte pro Sekunde</translation></message>
<message><source>eSBytePerSecond_Name_Alternate2</source><extracomment>byte per second</extracomment><translation>Byte/s</translation></message>
</context>
<context>
<name>UnitSymbol_Density</name>
<message><source>eSKilogramPerCubicMeter_Name_Alternate1</source><extracomment>kilogram per cubic meter</extracomment><translation>Kilogramm pro Kubikmeter</translation></message>
<message><source>eSKilogramPerCubicMeter_Name_Alternate2</source><extracomment>kilogram per cubic meter</extracomment><translation>kg/cbm</translation></message>
</context>
<context>
<name>UnitSymbol_UnitWeight</name>
<message><source>eSKilonewtonPerCubicMeter_Name_Alternate1</source><extracomment>kilonewton per cubic meter</extracomment><translation>Kilonewton pro Kubikmeter</translation></message>
<message><source>eSKilonewtonPerCubicMeter_Name_Alternate2</source><extracomment>kilonewton per cubic meter</extracomment><translation>kN/cbm</translation></message>
</context>
<context>
<name>UnitSymbol_Energy</name>
<message><source>eSJoule_Name_Alternate1</source><extracomment>joule</extracomment><translation>Joule</translation></message>
<message><source>eSJoule_Name_Alternate2</source><extracomment>joule</extracomment><translation>Wattsekunde</translation></message>
<message><source>eSJoule_Name_Alternate3</source><extracomment>joule</extracomment><translation>Wattsekunden</translation></message>
<message><source>eSJoule_Name_Alternate4</source><extracomment>joule</extracomment><translation>Ws</translation></message>
<message><source>eSElectronvolt_Name_Alternate1</source><extracomment>electronvolt</extracomment><translation>Elektronenvolt</translation></message>
<message><source>eSNewtonMeter_Name_Alternate1</source><extracomment>newton meter</extracomment><translation>Newtonmeter</translation></message>
<message><source>eSKilonewtonMeter_Name_Alternate1</source><extracomment>kilonewton meter</extracomment><translation>Kilonewtonmeter</translation></message>
<message><source>eSKilogramForceMeter_Name_Alternate1</source><extracomment>kilogram force meter</extracomment><translation>Kilopondmeter</translation></message>
<message><source>eSKilogramForceMeter_Name_Alternate2</source><extracomment>kilogram force meter</extracomment><translation>kpm</translation></message>
<message><source>eScal3Point98C_Alternate1</source><extracomment>calorie (3.98 degree C)</extracomment><translatorcomment>generated from «cal (3,98°C)»</translatorcomment><translation>cal (3,98ºC)</translation></message>
<message><source>eScal3Point98C_Alternate2</source><extracomment>calorie (3.98 degree C)</extracomment><translatorcomment>generated from «cal (3,98°C)»</translatorcomment><translation>cal (3,98˚C)</translation></message>
</context>
<context>
<name>UnitSymbol_VolumetricFlowRate</name>
<message><source>eSCubicMeterPerSecond_Name_Alternate1</source><extracomment>cubic meter per second</extracomment><translation>Kubikmeter pro Sekunde</translation></message>
<message><source>eSLiterPerSecond_Name_Alternate1</source><extracomment>liter per second</extracomment><translation>Liter pro Sekunde</translation></message>
<message><source>eSLiterPerMinute_Name_Alternate1</source><extracomment>liter per minute</extracomment><translation>Liter pro Minute</translation></message>
<message><source>eSLiterPerHour_Name_Alternate1</source><extracomment>liter per hour</extracomment><translation>Liter pro Stunde</translation></message>
<message><source>eSCubicMeterPerHour_Name_Alternate1</source><extracomment>cubic meter per hour</extracomment><translation>Kubikmeter pro Stunde</translation></message>
<message><source>eSCubicMeterPerHour_Name_Alternate2</source><extracomment>cubic meter per hour</extracomment><translation>cbm/h</translation></message>
</context>
<context>
<name>UnitSymbol_MassFlowRate</name>
<message><source>eSKilogramPerSecond_Name_Alternate1</source><extracomment>kilogram per second</extracomment><translation>Kilogramm pro Sekunde</translation></message>
<message><source>eSKilogramPerHour_Name_Alternate1</source><extracomment>kilogram per hour</extracomment><translation>Kilogramm pro Stunde</translation></message>
</context>
<context>
<name>UnitSymbol_Force</name>
<message><source>eSNewton_Name_Alternate1</source><extracomment>newton</extracomment><translation>Newton</translation></message>
<message><source>eSMeganewton_Name_Alternate1</source><extracomment>meganewton</extracomment><translation>Meganewton</translation></message>
<message><source>eSKilonewton_Name_Alternate1</source><extracomment>kilonewton</extracomment><translation>Kilonewton</translation></message>
<message><source>eSDecanewton_Name_Alternate1</source><extracomment>decanewton</extracomment><translation>Dekanewton</translation></message>
<message><source>eSKilogramForce_Name_Alternate1</source><extracomment>kilogram-force</extracomment><translation>Kilopond</translation></message>
<message><source>eSPoundForce_Name_Alternate1</source><extracomment>pound force</extracomment><translation>Pfund-Kraft</translation></message>
<message><source>eSPoundForce_Name_Alternate2</source><extracomment>pound force</extracomment><translation>Pfundkraft</translation></message>
<message><source>eSKip_Name_Alternate1</source><extracomment>kip</extracomment><translation>Kip</translation></message>
<message><source>eSKip_Name_Alternate2</source><extracomment>kip</extracomment><translation>Kips</translation></message>
<message><source>eSDyne_Name_Alternate1</source><extracomment>dyne</extracomment><translation>Dyn</translation></message>
</context>
<context>
<name>UnitSymbol_LinearForce</name>
<message><source>eSKilonewtonPerMeter_Name_Alternate1</source><extracomment>kilonewton per meter</extracomment><translation>Kilonewton pro Meter</translation></message>
</context>
<context>
<name>UnitSymbol_Frequency</name>
<message><source>eSHertz_Name_Alternate1</source><extracomment>hertz</extracomment><translation>Hertz</translation></message>
<message><source>eSKilohertz_Name_Alternate1</source><extracomment>kilohertz</extracomment><translation>Kilohertz</translation></message>
<message><source>eSMegahertz_Name_Alternate1</source><extracomment>megahertz</extracomment><translation>Megahertz</translation></message>
<message><source>eSGigahertz_Name_Alternate1</source><extracomment>gigahertz</extracomment><translation>Gigahertz</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate3</source><extracomment>revolution per minute</extracomment><translation>U/min</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate4</source><extracomment>revolution per minute</extracomment><translation>UpM</translation></message>
</context>
<context>
<name>UnitSymbol_Inductance</name>
<message><source>eSHenry_Name_Alternate1</source><extracomment>henry</extracomment><translation>Henry</translation></message>
</context>
<context>
<name>UnitSymbol_MagneticFluxDensity</name>
<message><source>eSGauss_Name_Alternate1</source><extracomment>gauss</extracomment><translation>Gauß</translation></message>
<message><source>eSGauss_Name_Alternate2</source><extracomment>gauss</extracomment><translation>Gauss</translation></message>
<message><source>eSTesla_Name_Alternate1</source><extracomment>tesla</extracomment><translation>Tesla</translation></message>
</context>
<context>
<name>UnitSymbol_Power</name>
<message><source>eSWatt_Name_Alternate1</source><extracomment>watt</extracomment><translation>Watt</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate1</source><extracomment>horsepower (metric)</extracomment><translation>Pferdestärke</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate2</source><extracomment>horsepower (metric)</extracomment><translation>Pferdestärken</translation></message>
<message><source>eSKilowatt_Name_Alternate1</source><extracomment>kilowatt</extracomment><translation>Kilowatt</translation></message>
<message><source>eSMegawatt_Name_Alternate1</source><extracomment>megawatt</extracomment><translation>Megawatt</translation></message>
<message><source>eSVoltAmpere_Name_Alternate1</source><extracomment>volt ampere</extracomment><translation>Voltampere</translation></message>
<message><source>eSKilovoltAmpere_Name_Alternate1</source><extracomment>kilovolt ampere</extracomment><translation>Kilovoltampere</translation></message>
<message><source>eSMilliwatt_Name_Alternate1</source><extracomment>milliwatt</extracomment><translation>Milliwatt</translation></message>
</context>
<context>
<name>UnitSymbol_Pressure</name>
<message><source>eSBar_Name_Alternate1</source><extracomment>bar</extracomment><translation>Bar</translation></message>
<message><source>eSKilopascal_Name_Alternate1</source><extracomment>kilopascal</extracomment><translation>Kilopascal</translation></message>
<message><source>eSMegaPascal_Name_Alternate1</source><extracomment>mega pascal</extracomment><translation>Megapascal</translation></message>
<message><source>eSMillibar_Name_Alternate1</source><extracomment>millibar</extracomment><translation>Millibar</translation></message>
<message><source>eSPascal_Name_Alternate1</source><extracomment>pascal</extracomment><translation>Pascal</translation></message>
<message><source>eSAtmosphereStandard_Name_Alternate2</source><extracomment>atmosphere (standard)</extracomment><translation>Atmosphäre</translation></message>
<message><source>eSNewtonPerSquareMillimeter_Name_Alternate1</source><extracomment>newton per square millimeter</extracomment><translation>Newton pro Quadratmillimeter</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate1</source><extracomment>kilogram force per square centimeter</extracomment><translation>Kilopond pro Quadratzentimeter</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate2</source><extracomment>kilogram force per square centimeter</extracomment><translation>kp/cm²</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate3</source><extracomment>kilogram force per square centimeter</extracomment><translation>kp/qcm</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate4</source><extracomment>kilogram force per square centimeter</extracomment><translatorcomment>generated from «kp/cm²»</translatorcomment><translation>kp/cm2</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate5</source><extracomment>kilogram force per square centimeter</extracomment><translatorcomment>generated from «kp/cm²»</translatorcomment><translation>kp/cm^2</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricalResistance</name>
<message><source>eSOhm_Name_Alternate1</source><extracomment>ohm</extracomment><translation>Ohm</translation></message>
<message><source>eSKilohm_Name_Alternate1</source><extracomment>kilohm</extracomment><translation>Kiloohm</translation></message>
<message><source>eSMegohm_Name_Alternate1</source><extracomment>megohm</extracomment><translation>Megaohm</translation></message>
<message><source>eSMegohm_Name_Alternate2</source><extracomment>megohm</extracomment><translation>Megohm</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricConductance</name>
<message><source>eSSiemens_Name_Alternate1</source><extracomment>siemens</extracomment><translation>Siemens</translation></message>
</context>
<context>
<name>UnitSymbol_Velocity</name>
<message><source>eSMeterPerSecond_Name_Alternate1</source><extracomment>meter per second</extracomment><translation>Meter pro Sekunde</translation></message>
<message><source>eSKilometerPerHour_Name_Alternate1</source><extracomment>kilometer per hour</extracomment><translation>Kilometer pro Stunde</translation></message>
<message><source>eSKilometerPerHour_Name_Alternate2</source><extracomment>kilometer per hour</extracomment><translation>Stundenkilometer</translation></message>
<message><source>eSKilometerPerHour_Name_Alternate3</source><extracomment>kilometer per hour</extracomment><translation>km/Std</translation></message>
<message><source>eSKnot_Name_Alternate1</source><extracomment>knot</extracomment><translation>Knoten</translation></message>
</context>
<context>
<name>UnitSymbol_ComputerStorage</name>
<message><source>eSByte_Name_Alternate1</source><extracomment>byte</extracomment><translation>Byte</translation></message>
<message><source>eSByte_Name_Alternate2</source><extracomment>byte</extracomment><translation>Bytes</translation></message>
<message><source>eSBit_Name_Alternate1</source><extracomment>bit</extracomment><translation>Bit</translation></message>
<message><source>eSBit_Name_Alternate2</source><extracomment>bit</extracomment><translation>Bits</translation></message>
<message><source>eSKilobyte_Name_Alternate1</source><extracomment>kilobyte</extracomment><translation>Kilobyte</translation></message>
<message><source>eSMegabyte_Name_Alternate1</source><extracomment>megabyte</extracomment><translation>Megabyte</translation></message>
<message><source>eSGigabyte_Name_Alternate1</source><extracomment>gigabyte</extracomment><translation>Gigabyte</translation></message>
<message><source>eSTerabyte_Name_Alternate1</source><extracomment>terabyte</extracomment><translation>Terabyte</translation></message>
</context>
<context>
<name>UnitSymbol_Temperature</name>
<message><source>eSKelvin_Name_Alternate1</source><extracomment>kelvin</extracomment><translation>Kelvin</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate1</source><extracomment>degree Celsius</extracomment><translation>Grad Celsius</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate1</source><extracomment>degree Fahrenheit</extracomment><translation>Grad Fahrenheit</translation></message>
</context>
<context>
<name>UnitSymbol_Time</name>
<message><source>eSSecond_Name_Alternate3</source><extracomment>second</extracomment><translation>Sek</translation></message>
<message><source>eSSecond_Name_Alternate4</source><extracomment>second</extracomment><translation>Sek.</translation></message>
<message><source>eSSecond_Name_Alternate5</source><extracomment>second</extracomment><translation>sek</translation></message>
<message><source>eSMinute_Name_Alternate3</source><extracomment>minute</extracomment><translation>Min</translation></message>
<message><source>eSMinute_Name_Alternate4</source><extracomment>minute</extracomment><translation>Min.</translation></message>
<message><source>eSHour_Name_Alternate3</source><extracomment>hour</extracomment><translation>Std</translation></message>
<message><source>eSHour_Name_Alternate4</source><extracomment>hour</extracomment><translation>Std.</translation></message>
<message><source>eSDay_Name_Alternate3</source><extracomment>day</extracomment><translation>Tagen</translation></message>
<message><source>eSMonth_Name_Alternate3</source><extracomment>month</extracomment><translation>Monaten</translation></message>
<message><source>eSYear_Name_Alternate3</source><extracomment>year</extracomment><translation>Jahren</translation></message>
</context>
<context>
<name>UnitSymbol_DynamicViscosity</name>
<message><source>eSPoise_Name_Alternate1</source><extracomment>poise</extracomment><translation>Poise</translation></message>
<message><source>eSCentipoise_Name_Alternate1</source><extracomment>centipoise</extracomment><translation>Zentipoise</translation></message>
</context>
<context>
<name>UnitSymbol_KinematicViscosity</name>
<message><source>eSStoke_Name_Alternate1</source><extracomment>stoke</extracomment><translation>Stokes</translation></message>
<message><source>eSCentistoke_Name_Alternate1</source><extracomment>centistoke</extracomment><translation>Zentistokes</translation></message>
</context>
<context>
<name>UnitSymbol_Acceleration</name>
<message><source>eSMeterPerSecondSquared_Name_Alternate1</source><extracomment>meter per second squared</extracomment><translation>Meter pro Quadratsekunde</translation></message>
<message><source>eSMeterPerSecondSquared_Name_Alternate2</source><extracomment>meter per second squared</extracomment><translation>Meter pro Sekunde zum Quadrat</translation></message>
</context>
<context>
<name>UnitSymbol_Voltage</name>
<message><source>eSVolt_Name_Alternate1</source><extracomment>volt</extracomment><translation>Volt</translation></message>
<message><source>eSKilovolt_Name_Alternate1</source><extracomment>kilovolt</extracomment><translation>Kilovolt</translation></message>
<message><source>eSMicrovolt_Name_Alternate1</source><extracomment>microvolt</extracomment><translation>Mikrovolt</translation></message>
<message><source>eSMillivolt_Name_Alternate1</source><extracomment>millivolt</extracomment><translation>Millivolt</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousIntensity</name>
<message><source>eSCandela_Name_Alternate1</source><extracomment>candela</extracomment><translation>Candela</translation></message>
</context>
<context>
<name>UnitSymbol_Illuminance</name>
<message><source>eSLuxIlluminance_Name_Alternate1</source><extracomment>Lux (Illuminance)</extracomment><translation>Lux</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousFlux</name>
<message><source>eSLumen_Name_Alternate1</source><extracomment>lumen</extracomment><translation>Lumen</translation></message>
</context>
<context>
<name>UnitSymbol_HeatTransferCoefficient</name>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate1</source><extracomment>watt per square meter kelvin</extracomment><translation>W/(m²K)</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate2</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «W/(m²K)»</translatorcomment><translation>W/(m2K)</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate3</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «W/(m²K)»</translatorcomment><translation>W/(m^2K)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDensity</name>
<message><source>eSLPersm2_Alternate1</source><extracomment>liter per second square meter</extracomment><translatorcomment>generated from «l/(s·m²)»</translatorcomment><translation>l/(s·m2)</translation></message>
<message><source>eSLPersm2_Alternate2</source><extracomment>liter per second square meter</extracomment><translatorcomment>generated from «l/(s·m²)»</translatorcomment><translation>l/(s·m^2)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDividedByVolume</name>
<message><source>eSLPersm3_Alternate1</source><extracomment>liter per second cubic meter</extracomment><translatorcomment>generated from «l/(s·m³)»</translatorcomment><translation>l/(s·m3)</translation></message>
<message><source>eSLPersm3_Alternate2</source><extracomment>liter per second cubic meter</extracomment><translatorcomment>generated from «l/(s·m³)»</translatorcomment><translation>l/(s·m^3)</translation></message>
</context>
<context>
<name>UnitSymbol_MagneticFieldIntensity</name>
<message><source>eSAmperePerMeter_Name_Alternate1</source><extracomment>Ampere per meter</extracomment><translation>Ampere pro Meter</translation></message>
</context>
</TS>
