<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
<name>UnitSymbol_Length</name>
<message><source>eSMeter_Name_Alternate2</source><extracomment>meter</extracomment><translation>metre</translation></message>
<message><source>eSMeter_Name_Alternate3</source><extracomment>meter</extracomment><translation>metres</translation></message>
<message><source>eSKilometer_Name_Alternate2</source><extracomment>kilometer</extracomment><translation>kilometre</translation></message>
<message><source>eSKilometer_Name_Alternate3</source><extracomment>kilometer</extracomment><translation>kilometres</translation></message>
<message><source>eSHectometer_Name_Alternate2</source><extracomment>hectometer</extracomment><translation>hectometre</translation></message>
<message><source>eSHectometer_Name_Alternate3</source><extracomment>hectometer</extracomment><translation>hectometres</translation></message>
<message><source>eSDecameter_Name_Alternate2</source><extracomment>decameter</extracomment><translation>decametre</translation></message>
<message><source>eSDecameter_Name_Alternate3</source><extracomment>decameter</extracomment><translation>decametres</translation></message>
<message><source>eSDecimeter_Name_Alternate2</source><extracomment>decimeter</extracomment><translation>decimetre</translation></message>
<message><source>eSDecimeter_Name_Alternate3</source><extracomment>decimeter</extracomment><translation>decimetres</translation></message>
<message><source>eSCentimeter_Name_Alternate2</source><extracomment>centimeter</extracomment><translation>centimetre</translation></message>
<message><source>eSCentimeter_Name_Alternate3</source><extracomment>centimeter</extracomment><translation>centimetres</translation></message>
<message><source>eSMillimeter_Name_Alternate2</source><extracomment>millimeter</extracomment><translation>millimetre</translation></message>
<message><source>eSMillimeter_Name_Alternate3</source><extracomment>millimeter</extracomment><translation>millimetres</translation></message>
<message><source>eSMicrometer_Name_Alternate2</source><extracomment>micrometer</extracomment><translation>micrometre</translation></message>
<message><source>eSMicrometer_Name_Alternate3</source><extracomment>micrometer</extracomment><translation>micrometres</translation></message>
<message><source>eSNanometer_Name_Alternate2</source><extracomment>nanometer</extracomment><translation>nanometre</translation></message>
<message><source>eSNanometer_Name_Alternate3</source><extracomment>nanometer</extracomment><translation>nanometres</translation></message>
<message><source>eSInch_Name_Alternate2</source><extracomment>inch</extracomment><translation>po</translation></message>
<message><source>eSFoot_Name_Alternate2</source><extracomment>foot</extracomment><translation>pi</translation></message>
<message><source>eSFootUSSurvey_Name_Alternate1</source><extracomment>foot (U.S. Survey)</extracomment><translation>pied US</translation></message>
<message><source>eSFootUSSurvey_Name_Alternate2</source><extracomment>foot (U.S. Survey)</extracomment><translation>pieds US</translation></message>
<message><source>eSChain_Name_Alternate2</source><extracomment>chain</extracomment><translation>chaine</translation></message>
<message><source>eSChain_Name_Alternate3</source><extracomment>chain</extracomment><translation>chaines</translation></message>
<message><source>eSMile_Name_Alternate2</source><extracomment>mile</extracomment><translation>mille anglais</translation></message>
<message><source>eSMile_Name_Alternate3</source><extracomment>mile</extracomment><translation>milles anglais</translation></message>
<message><source>eSNauticalMile_Name_Alternate2</source><extracomment>nautical mile</extracomment><translation>mille nautique</translation></message>
<message><source>eSNauticalMile_Name_Alternate3</source><extracomment>nautical mile</extracomment><translation>milles nautiques</translation></message>
<message><source>eSAngstrom_Name_Alternate1</source><extracomment>angstrom</extracomment><translation>angström</translation></message>
<message><source>eSAngstrom_Name_Alternate3</source><extracomment>angstrom</extracomment><translation>angströms</translation></message>
<message><source>eSAstronomicalUnit_Name_Alternate2</source><extracomment>astronomical unit</extracomment><translation>ua</translation></message>
<message><source>eSLightYear_Name_Alternate2</source><extracomment>light-year</extracomment><translation>année lumière</translation></message>
<message><source>eSLightYear_Name_Alternate3</source><extracomment>light-year</extracomment><translation>années lumière</translation></message>
<message><source>eSMil_Name_Alternate2</source><extracomment>mil</extracomment><translation>millième de pouce</translation></message>
<message><source>eSMil_Name_Alternate3</source><extracomment>mil</extracomment><translation>millièmes de pouce</translation></message>
<message><source>eSMilSwedenAndNorway_Name_Alternate1</source><extracomment>mil (Sweden and Norway)</extracomment><translation>milles scandinaves</translation></message>
<message><source>eSMilSwedenAndNorway_Name_Alternate2</source><extracomment>mil (Sweden and Norway)</extracomment><translation>mille scandinave</translation></message>
</context>
<context>
<name>UnitSymbol_Area</name>
<message><source>eSSquareMeter_Name_Alternate2</source><extracomment>square meter</extracomment><translation>metre carre</translation></message>
<message><source>eSSquareMeter_Name_Alternate3</source><extracomment>square meter</extracomment><translation>metres carres</translation></message>
<message><source>eSSquareInch_Name_Alternate2</source><extracomment>square inch</extracomment><translation>po²</translation></message>
<message><source>eSSquareInch_Name_Alternate3</source><extracomment>square inch</extracomment><translatorcomment>generated from «po²»</translatorcomment><translation>po2</translation></message>
<message><source>eSSquareInch_Name_Alternate4</source><extracomment>square inch</extracomment><translatorcomment>generated from «po²»</translatorcomment><translation>po^2</translation></message>
<message><source>eSSquareFoot_Name_Alternate2</source><extracomment>square foot</extracomment><translation>pi²</translation></message>
<message><source>eSSquareFoot_Name_Alternate3</source><extracomment>square foot</extracomment><translatorcomment>generated from «pi²»</translatorcomment><translation>pi2</translation></message>
<message><source>eSSquareFoot_Name_Alternate4</source><extracomment>square foot</extracomment><translatorcomment>generated from «pi²»</translatorcomment><translation>pi^2</translation></message>
<message><source>eSSquareKilometer_Name_Alternate2</source><extracomment>square kilometer</extracomment><translation>kilometre carre</translation></message>
<message><source>eSSquareKilometer_Name_Alternate3</source><extracomment>square kilometer</extracomment><translation>kilometres carres</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate2</source><extracomment>square centimeter</extracomment><translation>centimetre carre</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate3</source><extracomment>square centimeter</extracomment><translation>centimetres carres</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate2</source><extracomment>square millimeter</extracomment><translation>millimetre carre</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate3</source><extracomment>square millimeter</extracomment><translation>millimetres carres</translation></message>
<message><source>eSCentare_Name_Alternate2</source><extracomment>centare</extracomment><translation>ca</translation></message>
<message><source>eSSquareDecimeter_Name_Alternate2</source><extracomment>square decimeter</extracomment><translation>decimetre carre</translation></message>
<message><source>eSSquareDecimeter_Name_Alternate3</source><extracomment>square decimeter</extracomment><translation>decimetres carres</translation></message>
<message><source>eSsqly_Alternate1</source><extracomment>square light-year</extracomment><translatorcomment>generated from «al²»</translatorcomment><translation>al2</translation></message>
<message><source>eSsqly_Alternate2</source><extracomment>square light-year</extracomment><translatorcomment>generated from «al²»</translatorcomment><translation>al^2</translation></message>
<message><source>eSsqldotydot_Alternate1</source><extracomment>square light-year</extracomment><translatorcomment>generated from «a.l.²»</translatorcomment><translation>a.l.2</translation></message>
<message><source>eSsqldotydot_Alternate2</source><extracomment>square light-year</extracomment><translatorcomment>generated from «a.l.²»</translatorcomment><translation>a.l.^2</translation></message>
<message><source>eSsqNM_Adm_Alternate1</source><extracomment>square mile (UK nautical)</extracomment><translatorcomment>generated from «NM² (R.-U.)»</translatorcomment><translation>NM2 (R.-U.)</translation></message>
<message><source>eSsqNM_Adm_Alternate2</source><extracomment>square mile (UK nautical)</extracomment><translatorcomment>generated from «NM² (R.-U.)»</translatorcomment><translation>NM^2 (R.-U.)</translation></message>
<message><source>eSsqnmi_Adm_Alternate1</source><extracomment>square mile (UK nautical)</extracomment><translatorcomment>generated from «nmi² (R.-U.)»</translatorcomment><translation>nmi2 (R.-U.)</translation></message>
<message><source>eSsqnmi_Adm_Alternate2</source><extracomment>square mile (UK nautical)</extracomment><translatorcomment>generated from «nmi² (R.-U.)»</translatorcomment><translation>nmi^2 (R.-U.)</translation></message>
<message><source>eSsqmi_Statute_Alternate1</source><extracomment>square mile (statute)</extracomment><translatorcomment>generated from «mi² (terrestre)»</translatorcomment><translation>mi2 (terrestre)</translation></message>
<message><source>eSsqmi_Statute_Alternate2</source><extracomment>square mile (statute)</extracomment><translatorcomment>generated from «mi² (terrestre)»</translatorcomment><translation>mi^2 (terrestre)</translation></message>
<message><source>eSsqmil_Alternate1</source><extracomment>square mil</extracomment><translatorcomment>generated from «mil²»</translatorcomment><translation>mil2</translation></message>
<message><source>eSsqmil_Alternate2</source><extracomment>square mil</extracomment><translatorcomment>generated from «mil²»</translatorcomment><translation>mil^2</translation></message>
</context>
<context>
<name>UnitSymbol_Volume</name>
<message><source>eSLiter_Name_Alternate2</source><extracomment>liter</extracomment><translation>l</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate2</source><extracomment>cubic centimeter</extracomment><translation>centimetre cube</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate3</source><extracomment>cubic centimeter</extracomment><translation>centimetres cubes</translation></message>
<message><source>eSTablespoon_Name_Alternate2</source><extracomment>tablespoon</extracomment><translation>c. à s.</translation></message>
<message><source>eSTablespoon_Name_Alternate3</source><extracomment>tablespoon</extracomment><translation>càs</translation></message>
<message><source>eSGallonImperial_Name_Alternate1</source><extracomment>gallon (imperial)</extracomment><translation>gallon impérial</translation></message>
<message><source>eSGallonImperial_Name_Alternate2</source><extracomment>gallon (imperial)</extracomment><translation>gallons impériaux</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate1</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>gallon US</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate2</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>gallons US</translation></message>
<message><source>eSCentiliter_Name_Alternate2</source><extracomment>centiliter</extracomment><translation>cl</translation></message>
<message><source>eSCubicFoot_Name_Alternate2</source><extracomment>cubic foot</extracomment><translation>pi³</translation></message>
<message><source>eSCubicFoot_Name_Alternate3</source><extracomment>cubic foot</extracomment><translatorcomment>generated from «pi³»</translatorcomment><translation>pi3</translation></message>
<message><source>eSCubicFoot_Name_Alternate4</source><extracomment>cubic foot</extracomment><translatorcomment>generated from «pi³»</translatorcomment><translation>pi^3</translation></message>
<message><source>eSCubicInch_Name_Alternate2</source><extracomment>cubic inch</extracomment><translation>po³</translation></message>
<message><source>eSCubicInch_Name_Alternate3</source><extracomment>cubic inch</extracomment><translatorcomment>generated from «po³»</translatorcomment><translation>po3</translation></message>
<message><source>eSCubicInch_Name_Alternate4</source><extracomment>cubic inch</extracomment><translatorcomment>generated from «po³»</translatorcomment><translation>po^3</translation></message>
<message><source>eSCubicMeter_Name_Alternate2</source><extracomment>cubic meter</extracomment><translation>metre cube</translation></message>
<message><source>eSCubicMeter_Name_Alternate3</source><extracomment>cubic meter</extracomment><translation>metres cubes</translation></message>
<message><source>eSCubicMeter_Name_Alternate4</source><extracomment>cubic meter</extracomment><translation>stère</translation></message>
<message><source>eSCubicMeter_Name_Alternate5</source><extracomment>cubic meter</extracomment><translation>stères</translation></message>
<message><source>eSMicroliter_Name_Alternate2</source><extracomment>microliter</extracomment><translation>µl</translation></message>
<message><source>eSMilliliter_Name_Alternate2</source><extracomment>milliliter</extracomment><translation>ml</translation></message>
<message><source>eSPintImperial_Name_Alternate1</source><extracomment>pint (imperial)</extracomment><translation>pinte impériale</translation></message>
<message><source>eSPintImperial_Name_Alternate2</source><extracomment>pint (imperial)</extracomment><translation>pintes impériales</translation></message>
<message><source>eSPintUSFluid_Name_Alternate1</source><extracomment>pint (U.S. fluid)</extracomment><translation>pinte US</translation></message>
<message><source>eSPintUSFluid_Name_Alternate2</source><extracomment>pint (U.S. fluid)</extracomment><translation>pintes US</translation></message>
<message><source>eSTeaspoon_Name_Alternate2</source><extracomment>teaspoon</extracomment><translation>c. à c.</translation></message>
<message><source>eSTeaspoon_Name_Alternate3</source><extracomment>teaspoon</extracomment><translation>càc</translation></message>
<message><source>eSCubicMillimeter_Name_Alternate2</source><extracomment>cubic millimeter</extracomment><translation>millimetre cube</translation></message>
<message><source>eSCubicMillimeter_Name_Alternate3</source><extracomment>cubic millimeter</extracomment><translation>millimetres cubes</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate1</source><extracomment>barrel (petroleum)</extracomment><translation>barils</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate2</source><extracomment>barrel (petroleum)</extracomment><translation>baril de pétrole</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate3</source><extracomment>barrel (petroleum)</extracomment><translation>barils de pétrole</translation></message>
<message><source>eSBoardFoot_Name_Alternate2</source><extracomment>board-foot</extracomment><translation>pmp</translation></message>
<message><source>eSBoardFoot_Name_Alternate3</source><extracomment>board-foot</extracomment><translation>PMP</translation></message>
<message><source>eSDekaliter_Name_Alternate2</source><extracomment>dekaliter</extracomment><translation>dal</translation></message>
<message><source>eSculy_Alternate1</source><extracomment>cubic light-year</extracomment><translatorcomment>generated from «al³»</translatorcomment><translation>al3</translation></message>
<message><source>eSculy_Alternate2</source><extracomment>cubic light-year</extracomment><translatorcomment>generated from «al³»</translatorcomment><translation>al^3</translation></message>
<message><source>eSculdotydot_Alternate1</source><extracomment>cubic light-year</extracomment><translatorcomment>generated from «a.l.³»</translatorcomment><translation>a.l.3</translation></message>
<message><source>eSculdotydot_Alternate2</source><extracomment>cubic light-year</extracomment><translatorcomment>generated from «a.l.³»</translatorcomment><translation>a.l.^3</translation></message>
<message><source>eScuNM_Adm_Alternate1</source><extracomment>cubic mile (UK nautical)</extracomment><translatorcomment>generated from «NM³ (R.-U.)»</translatorcomment><translation>NM3 (R.-U.)</translation></message>
<message><source>eScuNM_Adm_Alternate2</source><extracomment>cubic mile (UK nautical)</extracomment><translatorcomment>generated from «NM³ (R.-U.)»</translatorcomment><translation>NM^3 (R.-U.)</translation></message>
<message><source>eScunmi_Adm_Alternate1</source><extracomment>cubic mile (UK nautical)</extracomment><translatorcomment>generated from «nmi³ (R.-U.)»</translatorcomment><translation>nmi3 (R.-U.)</translation></message>
<message><source>eScunmi_Adm_Alternate2</source><extracomment>cubic mile (UK nautical)</extracomment><translatorcomment>generated from «nmi³ (R.-U.)»</translatorcomment><translation>nmi^3 (R.-U.)</translation></message>
<message><source>eScumi_Statute_Alternate1</source><extracomment>cubic mile (statute)</extracomment><translatorcomment>generated from «mi³ (terrestre)»</translatorcomment><translation>mi3 (terrestre)</translation></message>
<message><source>eScumi_Statute_Alternate2</source><extracomment>cubic mile (statute)</extracomment><translatorcomment>generated from «mi³ (terrestre)»</translatorcomment><translation>mi^3 (terrestre)</translation></message>
<message><source>eSCubicDecimeter_Name_Alternate2</source><extracomment>cubic decimeter</extracomment><translation>decimetre cube</translation></message>
<message><source>eSCubicDecimeter_Name_Alternate3</source><extracomment>cubic decimeter</extracomment><translation>decimetres cubes</translation></message>
<message><source>eSKiloliter_Name_Alternate2</source><extracomment>kiloliter</extracomment><translation>kl</translation></message>
<message><source>eSCordFirewood_Name_Alternate1</source><extracomment>cord (firewood)</extracomment><translation>cordes</translation></message>
<message><source>eSHectoliter_Name_Alternate2</source><extracomment>hectoliter</extracomment><translation>hl</translation></message>
<message><source>eSDeciliter_Name_Alternate2</source><extracomment>deciliter</extracomment><translation>dl</translation></message>
</context>
<context>
<name>UnitSymbol_Mass</name>
<message><source>eSKilogram_Name_Alternate2</source><extracomment>kilogram</extracomment><translation>kilo</translation></message>
<message><source>eSKilogram_Name_Alternate3</source><extracomment>kilogram</extracomment><translation>kilos</translation></message>
<message><source>eSMegagram_Name_Alternate1</source><extracomment>megagram</extracomment><translation>t</translation></message>
<message><source>eSMegagram_Name_Alternate2</source><extracomment>megagram</extracomment><translation>tonne</translation></message>
<message><source>eSMegagram_Name_Alternate3</source><extracomment>megagram</extracomment><translation>tonnes</translation></message>
<message><source>eSMegagram_Name_Alternate4</source><extracomment>megagram</extracomment><translation>tonne métrique</translation></message>
<message><source>eSMegagram_Name_Alternate5</source><extracomment>megagram</extracomment><translation>tonnes métriques</translation></message>
<message><source>eSMicrogram_Name_Alternate2</source><extracomment>microgram</extracomment><translation>µg</translation></message>
<message><source>eSOunceAvoirdupois_Name_Alternate1</source><extracomment>ounce (avoirdupois)</extracomment><translation>once</translation></message>
<message><source>eSOunceAvoirdupois_Name_Alternate2</source><extracomment>ounce (avoirdupois)</extracomment><translation>onces</translation></message>
<message><source>eSCaratMetric_Name_Alternate1</source><extracomment>carat (metric)</extracomment><translation>carats</translation></message>
</context>
<context>
<name>UnitSymbol_Angle</name>
<message><source>eSDegree_Name_Alternate2</source><extracomment>degree</extracomment><translation>degre</translation></message>
<message><source>eSDegree_Name_Alternate3</source><extracomment>degree</extracomment><translation>degres</translation></message>
<message><source>eSGrad_Name_Alternate2</source><extracomment>grad</extracomment><translation>gons</translation></message>
<message><source>eSGrad_Name_Alternate3</source><extracomment>grad</extracomment><translation>grd</translation></message>
<message><source>eSAngularMilNATO_Name_Alternate1</source><extracomment>angular mil (NATO)</extracomment><translation>millième</translation></message>
<message><source>eSAngularMilNATO_Name_Alternate2</source><extracomment>angular mil (NATO)</extracomment><translation>millièmes</translation></message>
<message><source>eSAngularMilNATO_Name_Alternate3</source><extracomment>angular mil (NATO)</extracomment><translation>millième OTAN</translation></message>
<message><source>eSAngleMinute_Name_Alternate2</source><extracomment>angle minute</extracomment><translation>minute d'angle</translation></message>
<message><source>eSAngleMinute_Name_Alternate3</source><extracomment>angle minute</extracomment><translation>minutes d'angle</translation></message>
<message><source>eSAngleSecond_Name_Alternate2</source><extracomment>angle second</extracomment><translation>seconde d'angle</translation></message>
<message><source>eSAngleSecond_Name_Alternate3</source><extracomment>angle second</extracomment><translation>secondes d'angle</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCharge</name>
<message><source>eSAmpereHour_Name_Alternate2</source><extracomment>ampere hour</extracomment><translation>ampère heure</translation></message>
<message><source>eSAmpereHour_Name_Alternate3</source><extracomment>ampere hour</extracomment><translation>ampères heures</translation></message>
</context>
<context>
<name>UnitSymbol_BitRate</name>
<message><source>eSBitPerSecond_Name_Alternate2</source><extracomment>bit per second</extracomment><translation>bit/s</translation></message>
<message><source>eSKilobitPerSecond_Name_Alternate2</source><extracomment>kilobit per second</extracomment><translation>kbit/s</translation></message>
<message><source>eSMegabitPerSecond_Name_Alternate2</source><extracomment>megabit per second</extracomment><translation>Mbit/s</translation></message>
</context>
<context>
<name>UnitSymbol_Density</name>
<message><source>eSKilogramPerLiter_Name_Alternate2</source><extracomment>kilogram per liter</extracomment><translation>t/m³</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate3</source><extracomment>kilogram per liter</extracomment><translation>g/cm³</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate4</source><extracomment>kilogram per liter</extracomment><translation>kg/l</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate5</source><extracomment>kilogram per liter</extracomment><translation>kg/dm³</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate6</source><extracomment>kilogram per liter</extracomment><translatorcomment>generated from «t/m³»</translatorcomment><translation>t/m3</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate7</source><extracomment>kilogram per liter</extracomment><translatorcomment>generated from «t/m³»</translatorcomment><translation>t/m^3</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate8</source><extracomment>kilogram per liter</extracomment><translatorcomment>generated from «g/cm³»</translatorcomment><translation>g/cm3</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate9</source><extracomment>kilogram per liter</extracomment><translatorcomment>generated from «g/cm³»</translatorcomment><translation>g/cm^3</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate10</source><extracomment>kilogram per liter</extracomment><translatorcomment>generated from «kg/dm³»</translatorcomment><translation>kg/dm3</translation></message>
<message><source>eSGramPerLiter_Name_Alternate2</source><extracomment>gram per liter</extracomment><translation>g/l</translation></message>
</context>
<context>
<name>UnitSymbol_Energy</name>
<message><source>eSBTU63F_Alternate1</source><extracomment>British thermal unit (63 degree F)</extracomment><translatorcomment>generated from «BTU (63 °F)»</translatorcomment><translation>BTU (63 ºF)</translation></message>
<message><source>eSBTU63F_Alternate2</source><extracomment>British thermal unit (63 degree F)</extracomment><translatorcomment>generated from «BTU (63 °F)»</translatorcomment><translation>BTU (63 ˚F)</translation></message>
<message><source>eSBTU60F_Alternate1</source><extracomment>British thermal unit (60 degree F)</extracomment><translatorcomment>generated from «BTU (60 °F)»</translatorcomment><translation>BTU (60 ºF)</translation></message>
<message><source>eSBTU60F_Alternate2</source><extracomment>British thermal unit (60 degree F)</extracomment><translatorcomment>generated from «BTU (60 °F)»</translatorcomment><translation>BTU (60 ˚F)</translation></message>
<message><source>eSBTU59F_Alternate1</source><extracomment>British thermal unit (59 degree F)</extracomment><translatorcomment>generated from «BTU (59 °F)»</translatorcomment><translation>BTU (59 ºF)</translation></message>
<message><source>eSBTU59F_Alternate2</source><extracomment>British thermal unit (59 degree F)</extracomment><translatorcomment>generated from «BTU (59 °F)»</translatorcomment><translation>BTU (59 ˚F)</translation></message>
<message><source>eSBritishThermalUnitInternationalTable_Name_Alternate1</source><extracomment>British thermal unit (International Table)</extracomment><translation>unité thermique britannique</translation></message>
<message><source>eSBritishThermalUnitInternationalTable_Name_Alternate2</source><extracomment>British thermal unit (International Table)</extracomment><translation>unités thermiques britanniques</translation></message>
<message><source>eSBritishThermalUnitInternationalTable_Name_Alternate3</source><extracomment>British thermal unit (International Table)</extracomment><translation>British thermal units</translation></message>
<message><source>eSBritishThermalUnitInternationalTable_Name_Alternate4</source><extracomment>British thermal unit (International Table)</extracomment><translation>British thermal unit</translation></message>
<message><source>eSBTU39F_Alternate1</source><extracomment>British thermal unit (39 degree F)</extracomment><translatorcomment>generated from «BTU (39 °F)»</translatorcomment><translation>BTU (39 ºF)</translation></message>
<message><source>eSBTU39F_Alternate2</source><extracomment>British thermal unit (39 degree F)</extracomment><translatorcomment>generated from «BTU (39 °F)»</translatorcomment><translation>BTU (39 ˚F)</translation></message>
<message><source>eSElectronvolt_Name_Alternate2</source><extracomment>electronvolt</extracomment><translation>électron-volt</translation></message>
<message><source>eSElectronvolt_Name_Alternate3</source><extracomment>electronvolt</extracomment><translation>électrons-volts</translation></message>
<message><source>eSKilowattHour_Name_Alternate2</source><extracomment>kilowatt hour</extracomment><translation>kilowatt-heure</translation></message>
<message><source>eSKilowattHour_Name_Alternate3</source><extracomment>kilowatt hour</extracomment><translation>kilowatts-heures</translation></message>
<message><source>eSNewtonMeter_Name_Alternate1</source><extracomment>newton meter</extracomment><translation>newton-mètres</translation></message>
<message><source>eSNewtonMeter_Name_Alternate2</source><extracomment>newton meter</extracomment><translation>newton mètre</translation></message>
<message><source>eSNewtonMeter_Name_Alternate3</source><extracomment>newton meter</extracomment><translation>N.m</translation></message>
<message><source>eSDecanewtonMeter_Name_Alternate1</source><extracomment>decanewton meter</extracomment><translation>décanewton-mètres</translation></message>
<message><source>eSDecanewtonMeter_Name_Alternate2</source><extracomment>decanewton meter</extracomment><translation>daN.m</translation></message>
<message><source>eSKilonewtonMeter_Name_Alternate1</source><extracomment>kilonewton meter</extracomment><translation>kilonewton-mètres</translation></message>
<message><source>eSKilonewtonMeter_Name_Alternate2</source><extracomment>kilonewton meter</extracomment><translation>kN.m</translation></message>
<message><source>eSMeganewtonMeter_Name_Alternate1</source><extracomment>meganewton meter</extracomment><translation>MN.m</translation></message>
<message><source>eSKilogramForceMeter_Name_Alternate1</source><extracomment>kilogram force meter</extracomment><translation>kgf.m</translation></message>
<message><source>eScal20C_Alternate1</source><extracomment>calorie (20 degree C)</extracomment><translatorcomment>generated from «cal (20 °C)»</translatorcomment><translation>cal (20 ºC)</translation></message>
<message><source>eScal20C_Alternate2</source><extracomment>calorie (20 degree C)</extracomment><translatorcomment>generated from «cal (20 °C)»</translatorcomment><translation>cal (20 ˚C)</translation></message>
<message><source>eScal15C_Alternate1</source><extracomment>calorie (15 degree C)</extracomment><translatorcomment>generated from «cal (15 °C)»</translatorcomment><translation>cal (15 ºC)</translation></message>
<message><source>eScal15C_Alternate2</source><extracomment>calorie (15 degree C)</extracomment><translatorcomment>generated from «cal (15 °C)»</translatorcomment><translation>cal (15 ˚C)</translation></message>
<message><source>eScal3Point98C_Alternate1</source><extracomment>calorie (3.98 degree C)</extracomment><translatorcomment>generated from «cal (3,98 °C)»</translatorcomment><translation>cal (3,98 ºC)</translation></message>
<message><source>eScal3Point98C_Alternate2</source><extracomment>calorie (3.98 degree C)</extracomment><translatorcomment>generated from «cal (3,98 °C)»</translatorcomment><translation>cal (3,98 ˚C)</translation></message>
</context>
<context>
<name>UnitSymbol_VolumetricFlowRate</name>
<message><source>eSCubicMeterPerSecond_Name_Alternate2</source><extracomment>cubic meter per second</extracomment><translation>m³/sec</translation></message>
<message><source>eSCubicMeterPerSecond_Name_Alternate3</source><extracomment>cubic meter per second</extracomment><translatorcomment>generated from «m³/sec»</translatorcomment><translation>m3/sec</translation></message>
<message><source>eSCubicMeterPerSecond_Name_Alternate4</source><extracomment>cubic meter per second</extracomment><translatorcomment>generated from «m³/sec»</translatorcomment><translation>m^3/sec</translation></message>
<message><source>eSLiterPerSecond_Name_Alternate2</source><extracomment>liter per second</extracomment><translation>l/s</translation></message>
<message><source>eSLiterPerMinute_Name_Alternate2</source><extracomment>liter per minute</extracomment><translation>l/min</translation></message>
<message><source>eSLiterPerHour_Name_Alternate2</source><extracomment>liter per hour</extracomment><translation>l/h</translation></message>
<message><source>eSLiterPerDay_Name_Alternate2</source><extracomment>liter per day</extracomment><translation>l/j</translation></message>
<message><source>eSLiterPerDay_Name_Alternate3</source><extracomment>liter per day</extracomment><translation>L/j</translation></message>
<message><source>eSMillionLiterPerDay_Name_Alternate2</source><extracomment>million liter per day</extracomment><translation>Ml/j</translation></message>
<message><source>eSMillionLiterPerDay_Name_Alternate3</source><extracomment>million liter per day</extracomment><translation>ML/j</translation></message>
<message><source>eSCubicFootPerDay_Name_Alternate1</source><extracomment>cubic foot per day</extracomment><translation>pi³/j</translation></message>
<message><source>eSCubicFootPerDay_Name_Alternate2</source><extracomment>cubic foot per day</extracomment><translatorcomment>generated from «pi³/j»</translatorcomment><translation>pi3/j</translation></message>
<message><source>eSCubicFootPerDay_Name_Alternate3</source><extracomment>cubic foot per day</extracomment><translatorcomment>generated from «pi³/j»</translatorcomment><translation>pi^3/j</translation></message>
<message><source>eSCubicMeterPerDay_Name_Alternate2</source><extracomment>cubic meter per day</extracomment><translation>m³/j</translation></message>
<message><source>eSCubicMeterPerDay_Name_Alternate3</source><extracomment>cubic meter per day</extracomment><translatorcomment>generated from «m³/j»</translatorcomment><translation>m3/j</translation></message>
<message><source>eSCubicMeterPerDay_Name_Alternate4</source><extracomment>cubic meter per day</extracomment><translatorcomment>generated from «m³/j»</translatorcomment><translation>m^3/j</translation></message>
</context>
<context>
<name>UnitSymbol_Force</name>
<message><source>eSKilogramForce_Name_Alternate2</source><extracomment>kilogram-force</extracomment><translation>kilogramme force</translation></message>
<message><source>eSKilogramForce_Name_Alternate3</source><extracomment>kilogram-force</extracomment><translation>kilogrammes force</translation></message>
<message><source>eSPoundForce_Name_Alternate2</source><extracomment>pound force</extracomment><translation>livre force</translation></message>
<message><source>eSPoundForce_Name_Alternate3</source><extracomment>pound force</extracomment><translation>livres force</translation></message>
<message><source>eSTonForce_Name_Alternate2</source><extracomment>ton force</extracomment><translation>tonne force</translation></message>
<message><source>eSTonForce_Name_Alternate3</source><extracomment>ton force</extracomment><translation>tonnes force</translation></message>
</context>
<context>
<name>UnitSymbol_LinearForce</name>
<message><source>eSKilogramForcePerMeter_Name_Alternate1</source><extracomment>kilogram force per meter</extracomment><translation>kgf/m</translation></message>
<message><source>eSDecanewtonPerMeter_Name_Alternate1</source><extracomment>decanewton per meter</extracomment><translation>daN/m</translation></message>
<message><source>eSKilonewtonPerMeter_Name_Alternate1</source><extracomment>kilonewton per meter</extracomment><translation>kN/m</translation></message>
</context>
<context>
<name>UnitSymbol_Frequency</name>
<message><source>eSHertz_Name_Alternate1</source><extracomment>hertz</extracomment><translation>Hz</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate1</source><extracomment>revolution per minute</extracomment><translation>tr/min</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate2</source><extracomment>revolution per minute</extracomment><translation>tr/mn</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate4</source><extracomment>revolution per minute</extracomment><translation>tours/min</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate5</source><extracomment>revolution per minute</extracomment><translation>tpm</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate6</source><extracomment>revolution per minute</extracomment><translation>rpm</translation></message>
</context>
<context>
<name>UnitSymbol_Power</name>
<message><source>eSHorsepowerMetric_Name_Alternate1</source><extracomment>horsepower (metric)</extracomment><translation>CV</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate2</source><extracomment>horsepower (metric)</extracomment><translation>chevaux-vapeur</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate3</source><extracomment>horsepower (metric)</extracomment><translation>cheval vapeur</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate4</source><extracomment>horsepower (metric)</extracomment><translation>chevaux vapeur</translation></message>
<message><source>eSVoltAmpere_Name_Alternate2</source><extracomment>volt ampere</extracomment><translation>volt-ampère</translation></message>
<message><source>eSVoltAmpere_Name_Alternate3</source><extracomment>volt ampere</extracomment><translation>volts-ampères</translation></message>
<message><source>eSKilovoltAmpere_Name_Alternate2</source><extracomment>kilovolt ampere</extracomment><translation>kilovolt-ampère</translation></message>
<message><source>eSTonOfRefrigeration_Name_Alternate2</source><extracomment>ton of refrigeration</extracomment><translation>tonne frigorifique</translation></message>
<message><source>eSTonOfRefrigeration_Name_Alternate3</source><extracomment>ton of refrigeration</extracomment><translation>tonnes frigorifiques</translation></message>
</context>
<context>
<name>UnitSymbol_Pressure</name>
<message><source>eSBar_Name_Alternate2</source><extracomment>bar</extracomment><translation>daN/cm²</translation></message>
<message><source>eSBar_Name_Alternate3</source><extracomment>bar</extracomment><translatorcomment>generated from «daN/cm²»</translatorcomment><translation>daN/cm2</translation></message>
<message><source>eSBar_Name_Alternate4</source><extracomment>bar</extracomment><translatorcomment>generated from «daN/cm²»</translatorcomment><translation>daN/cm^2</translation></message>
<message><source>eSBarGauge_Name_Alternate1</source><extracomment>bar gauge</extracomment><translation>bar rel</translation></message>
<message><source>eSBarGauge_Name_Alternate2</source><extracomment>bar gauge</extracomment><translation>bar eff</translation></message>
<message><source>eSMillimeterOfMercury_Name_Alternate2</source><extracomment>millimeter of mercury</extracomment><translation>mm de mercure</translation></message>
<message><source>eSAtmosphereStandard_Name_Alternate1</source><extracomment>atmosphere (standard)</extracomment><translation>atmosphère</translation></message>
<message><source>eSAtmosphereStandard_Name_Alternate2</source><extracomment>atmosphere (standard)</extracomment><translation>atmosphères</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate1</source><extracomment>kilogram force per square centimeter</extracomment><translation>kgf/cm²</translation></message>
<message><source>eSKilogramForcePerSquareMeter_Name_Alternate1</source><extracomment>kilogram force per square meter</extracomment><translation>kgf/m²</translation></message>
<message><source>eSTonForcePerSquareMeter_Name_Alternate1</source><extracomment>ton force per square meter</extracomment><translation>tf/m2</translation></message>
</context>
<context>
<name>UnitSymbol_LinearMoment</name>
<message><source>eSKilonewtonMeterPerMeter_Name_Alternate1</source><extracomment>kilonewton-meter per meter</extracomment><translation>kN.m/m</translation></message>
</context>
<context>
<name>UnitSymbol_Velocity</name>
<message><source>eSKilometerPerHour_Name_Alternate2</source><extracomment>kilometer per hour</extracomment><translation>km/heure</translation></message>
<message><source>eSMilePerHour_Name_Alternate2</source><extracomment>mile per hour</extracomment><translation>miles à l'heure</translation></message>
<message><source>eSKnot_Name_Alternate2</source><extracomment>knot</extracomment><translation>noeud</translation></message>
<message><source>eSKnot_Name_Alternate3</source><extracomment>knot</extracomment><translation>noeuds</translation></message>
</context>
<context>
<name>UnitSymbol_Temperature</name>
<message><source>eSDegreeCelsius_Name_Alternate2</source><extracomment>degree Celsius</extracomment><translation>degré celsius</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate3</source><extracomment>degree Celsius</extracomment><translation>degrés celsius</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate4</source><extracomment>degree Celsius</extracomment><translation>degre Celsius</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate5</source><extracomment>degree Celsius</extracomment><translation>degré C</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate6</source><extracomment>degree Celsius</extracomment><translation>degrés C</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate2</source><extracomment>degree Fahrenheit</extracomment><translation>degré fahrenheit</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate3</source><extracomment>degree Fahrenheit</extracomment><translation>degrés fahrenheit</translation></message>
</context>
<context>
<name>UnitSymbol_Time</name>
<message><source>eSSecond_Name_Alternate2</source><extracomment>second</extracomment><translation>sec</translation></message>
<message><source>eSMinute_Name_Alternate2</source><extracomment>minute</extracomment><translation>mn</translation></message>
<message><source>eSDay_Name_Alternate2</source><extracomment>day</extracomment><translation>j</translation></message>
<message><source>eSWeek_Name_Alternate2</source><extracomment>week</extracomment><translation>sem.</translation></message>
<message><source>eSYear_Name_Alternate1</source><extracomment>year</extracomment><translation>ans</translation></message>
</context>
<context>
<name>UnitSymbol_Torque</name>
<message><source>eSNewtonCentimeterTorque_Name_Alternate1</source><extracomment>newton centimeter (torque)</extracomment><translation>N.cm</translation></message>
<message><source>eSMeterKilogramTorque_Name_Alternate1</source><extracomment>meter kilogram (torque)</extracomment><translation>m.kg</translation></message>
<message><source>eSMeterKilogramTorque_Name_Alternate2</source><extracomment>meter kilogram (torque)</extracomment><translation>mkg</translation></message>
<message><source>eSDecanewtonMeterTorque_Name_Alternate1</source><extracomment>decanewton meter (torque)</extracomment><translation>m.daN</translation></message>
<message><source>eSDecanewtonMeterTorque_Name_Alternate2</source><extracomment>decanewton meter (torque)</extracomment><translation>m·daN</translation></message>
<message><source>eSDecanewtonMeterTorque_Name_Alternate3</source><extracomment>decanewton meter (torque)</extracomment><translation>mdaN</translation></message>
<message><source>eSKilogramForceMeterTorque_Name_Alternate1</source><extracomment>kilogram force meter (torque)</extracomment><translation>m.kgf</translation></message>
<message><source>eSKilogramForceMeterTorque_Name_Alternate2</source><extracomment>kilogram force meter (torque)</extracomment><translation>m·kgf</translation></message>
<message><source>eSKilogramForceMeterTorque_Name_Alternate3</source><extracomment>kilogram force meter (torque)</extracomment><translation>mkgf</translation></message>
</context>
<context>
<name>UnitSymbol_DynamicViscosity</name>
<message><source>eSPascalSecond_Name_Alternate1</source><extracomment>pascal second</extracomment><translation>Pa.s</translation></message>
</context>
<context>
<name>UnitSymbol_Illuminance</name>
<message><source>eSLuxIlluminance_Name_Alternate1</source><extracomment>Lux (Illuminance)</extracomment><translation>lux</translation></message>
</context>
<context>
<name>UnitSymbol_RotationalPointSpringCoefficient</name>
<message><source>eSNmPerdeg_Alternate1</source><extracomment>newton meter per degree</extracomment><translatorcomment>generated from «N·m/°»</translatorcomment><translation>N·m/º</translation></message>
<message><source>eSNmPerdeg_Alternate2</source><extracomment>newton meter per degree</extracomment><translatorcomment>generated from «N·m/°»</translatorcomment><translation>N·m/˚</translation></message>
<message><source>eSkipftPerdeg_Alternate1</source><extracomment>kip foot per degree</extracomment><translatorcomment>generated from «kip·ft/°»</translatorcomment><translation>kip·ft/º</translation></message>
<message><source>eSkipftPerdeg_Alternate2</source><extracomment>kip foot per degree</extracomment><translatorcomment>generated from «kip·ft/°»</translatorcomment><translation>kip·ft/˚</translation></message>
<message><source>eSkipfftPerdeg_Alternate1</source><extracomment>kip foot per degree</extracomment><translatorcomment>generated from «kipf·ft/°»</translatorcomment><translation>kipf·ft/º</translation></message>
<message><source>eSkipfftPerdeg_Alternate2</source><extracomment>kip foot per degree</extracomment><translatorcomment>generated from «kipf·ft/°»</translatorcomment><translation>kipf·ft/˚</translation></message>
<message><source>eSklbfftPerdeg_Alternate1</source><extracomment>kip foot per degree</extracomment><translatorcomment>generated from «klbf·ft/°»</translatorcomment><translation>klbf·ft/º</translation></message>
<message><source>eSklbfftPerdeg_Alternate2</source><extracomment>kip foot per degree</extracomment><translatorcomment>generated from «klbf·ft/°»</translatorcomment><translation>klbf·ft/˚</translation></message>
<message><source>eSklbftPerdeg_Alternate1</source><extracomment>kip foot per degree</extracomment><translatorcomment>generated from «klb·ft/°»</translatorcomment><translation>klb·ft/º</translation></message>
<message><source>eSklbftPerdeg_Alternate2</source><extracomment>kip foot per degree</extracomment><translatorcomment>generated from «klb·ft/°»</translatorcomment><translation>klb·ft/˚</translation></message>
<message><source>eSkNmPerdeg_Alternate1</source><extracomment>kilonewton meter per degree</extracomment><translatorcomment>generated from «kN·m/°»</translatorcomment><translation>kN·m/º</translation></message>
<message><source>eSkNmPerdeg_Alternate2</source><extracomment>kilonewton meter per degree</extracomment><translatorcomment>generated from «kN·m/°»</translatorcomment><translation>kN·m/˚</translation></message>
</context>
<context>
<name>UnitSymbol_RotationalLineSpringCoefficient</name>
<message><source>eSNmPerdegPerm_Alternate1</source><extracomment>newton meter per degree per meter</extracomment><translatorcomment>generated from «N·m/(°·m)»</translatorcomment><translation>N·m/(º·m)</translation></message>
<message><source>eSNmPerdegPerm_Alternate2</source><extracomment>newton meter per degree per meter</extracomment><translatorcomment>generated from «N·m/(°·m)»</translatorcomment><translation>N·m/(˚·m)</translation></message>
<message><source>eSkipftPerdegPerft_Alternate1</source><extracomment>kip foot per degree per foot</extracomment><translatorcomment>generated from «kip·ft/(°·ft)»</translatorcomment><translation>kip·ft/(º·ft)</translation></message>
<message><source>eSkipftPerdegPerft_Alternate2</source><extracomment>kip foot per degree per foot</extracomment><translatorcomment>generated from «kip·ft/(°·ft)»</translatorcomment><translation>kip·ft/(˚·ft)</translation></message>
<message><source>eSkipfftPerdegPerft_Alternate1</source><extracomment>kip foot per degree per foot</extracomment><translatorcomment>generated from «kipf·ft/(°·ft)»</translatorcomment><translation>kipf·ft/(º·ft)</translation></message>
<message><source>eSkipfftPerdegPerft_Alternate2</source><extracomment>kip foot per degree per foot</extracomment><translatorcomment>generated from «kipf·ft/(°·ft)»</translatorcomment><translation>kipf·ft/(˚·ft)</translation></message>
<message><source>eSklbfftPerdegPerft_Alternate1</source><extracomment>kip foot per degree per foot</extracomment><translatorcomment>generated from «klbf·ft/(°·ft)»</translatorcomment><translation>klbf·ft/(º·ft)</translation></message>
<message><source>eSklbfftPerdegPerft_Alternate2</source><extracomment>kip foot per degree per foot</extracomment><translatorcomment>generated from «klbf·ft/(°·ft)»</translatorcomment><translation>klbf·ft/(˚·ft)</translation></message>
<message><source>eSklbftPerdegPerft_Alternate1</source><extracomment>kip foot per degree per foot</extracomment><translatorcomment>generated from «klb·ft/(°·ft)»</translatorcomment><translation>klb·ft/(º·ft)</translation></message>
<message><source>eSklbftPerdegPerft_Alternate2</source><extracomment>kip foot per degree per foot</extracomment><translatorcomment>generated from «klb·ft/(°·ft)»</translatorcomment><translation>klb·ft/(˚·ft)</translation></message>
<message><source>eSkNmPerdegPerm_Alternate1</source><extracomment>kilonewton meter per degree per meter</extracomment><translatorcomment>generated from «kN·m/(°·m)»</translatorcomment><translation>kN·m/(º·m)</translation></message>
<message><source>eSkNmPerdegPerm_Alternate2</source><extracomment>kilonewton meter per degree per meter</extracomment><translatorcomment>generated from «kN·m/(°·m)»</translatorcomment><translation>kN·m/(˚·m)</translation></message>
</context>
<context>
<name>UnitSymbol_HeatTransferCoefficient</name>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate1</source><extracomment>watt per square meter kelvin</extracomment><translation>W/m².K</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate2</source><extracomment>watt per square meter kelvin</extracomment><translation>W/(m².K)</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate3</source><extracomment>watt per square meter kelvin</extracomment><translation>W/m²K</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate4</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «W/m².K»</translatorcomment><translation>W/m2.K</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate5</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «W/m².K»</translatorcomment><translation>W/m^2.K</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate6</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «W/(m².K)»</translatorcomment><translation>W/(m2.K)</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate7</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «W/(m².K)»</translatorcomment><translation>W/(m^2.K)</translation></message>
</context>
</TS>
