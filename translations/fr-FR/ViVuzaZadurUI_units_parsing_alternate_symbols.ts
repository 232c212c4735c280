<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
<name>UnitSymbol_Length</name>
<message><source>eSMeter_Name_Alternate1</source><extracomment>meter</extracomment><translation>mètres</translation></message>
<message><source>eSMeter_Name_Alternate2</source><extracomment>meter</extracomment><translation>metre</translation></message>
<message><source>eSMeter_Name_Alternate3</source><extracomment>meter</extracomment><translation>metres</translation></message>
<message><source>eSKilometer_Name_Alternate1</source><extracomment>kilometer</extracomment><translation>kilomètres</translation></message>
<message><source>eSKilometer_Name_Alternate2</source><extracomment>kilometer</extracomment><translation>kilometre</translation></message>
<message><source>eSKilometer_Name_Alternate3</source><extracomment>kilometer</extracomment><translation>kilometres</translation></message>
<message><source>eSHectometer_Name_Alternate1</source><extracomment>hectometer</extracomment><translation>hectomètres</translation></message>
<message><source>eSHectometer_Name_Alternate2</source><extracomment>hectometer</extracomment><translation>hectometre</translation></message>
<message><source>eSHectometer_Name_Alternate3</source><extracomment>hectometer</extracomment><translation>hectometres</translation></message>
<message><source>eSDecameter_Name_Alternate1</source><extracomment>decameter</extracomment><translation>décamètres</translation></message>
<message><source>eSDecameter_Name_Alternate2</source><extracomment>decameter</extracomment><translation>decametre</translation></message>
<message><source>eSDecameter_Name_Alternate3</source><extracomment>decameter</extracomment><translation>decametres</translation></message>
<message><source>eSDecimeter_Name_Alternate1</source><extracomment>decimeter</extracomment><translation>décimètres</translation></message>
<message><source>eSDecimeter_Name_Alternate2</source><extracomment>decimeter</extracomment><translation>decimetre</translation></message>
<message><source>eSDecimeter_Name_Alternate3</source><extracomment>decimeter</extracomment><translation>decimetres</translation></message>
<message><source>eSCentimeter_Name_Alternate1</source><extracomment>centimeter</extracomment><translation>centimètres</translation></message>
<message><source>eSCentimeter_Name_Alternate2</source><extracomment>centimeter</extracomment><translation>centimetre</translation></message>
<message><source>eSCentimeter_Name_Alternate3</source><extracomment>centimeter</extracomment><translation>centimetres</translation></message>
<message><source>eSMillimeter_Name_Alternate1</source><extracomment>millimeter</extracomment><translation>millimètres</translation></message>
<message><source>eSMillimeter_Name_Alternate2</source><extracomment>millimeter</extracomment><translation>millimetre</translation></message>
<message><source>eSMillimeter_Name_Alternate3</source><extracomment>millimeter</extracomment><translation>millimetres</translation></message>
<message><source>eSMicrometer_Name_Alternate1</source><extracomment>micrometer</extracomment><translation>micromètres</translation></message>
<message><source>eSMicrometer_Name_Alternate2</source><extracomment>micrometer</extracomment><translation>micrometre</translation></message>
<message><source>eSMicrometer_Name_Alternate3</source><extracomment>micrometer</extracomment><translation>micrometres</translation></message>
<message><source>eSNanometer_Name_Alternate1</source><extracomment>nanometer</extracomment><translation>nanomètres</translation></message>
<message><source>eSNanometer_Name_Alternate2</source><extracomment>nanometer</extracomment><translation>nanometre</translation></message>
<message><source>eSNanometer_Name_Alternate3</source><extracomment>nanometer</extracomment><translation>nanometres</translation></message>
<message><source>eSInch_Name_Alternate1</source><extracomment>inch</extracomment><translation>pouces</translation></message>
<message><source>eSInch_Name_Alternate2</source><extracomment>inch</extracomment><translation>po</translation></message>
<message><source>eSFoot_Name_Alternate1</source><extracomment>foot</extracomment><translation>pieds</translation></message>
<message><source>eSFoot_Name_Alternate2</source><extracomment>foot</extracomment><translation>pi</translation></message>
<message><source>eSFootUSSurvey_Name_Alternate1</source><extracomment>foot (U.S. Survey)</extracomment><translation>pied US</translation></message>
<message><source>eSFootUSSurvey_Name_Alternate2</source><extracomment>foot (U.S. Survey)</extracomment><translation>pieds US</translation></message>
<message><source>eSYard_Name_Alternate1</source><extracomment>yard</extracomment><translation>yards</translation></message>
<message><source>eSChain_Name_Alternate1</source><extracomment>chain</extracomment><translation>chaînes</translation></message>
<message><source>eSChain_Name_Alternate2</source><extracomment>chain</extracomment><translation>chaine</translation></message>
<message><source>eSChain_Name_Alternate3</source><extracomment>chain</extracomment><translation>chaines</translation></message>
<message><source>eSMile_Name_Alternate1</source><extracomment>mile</extracomment><translation>miles</translation></message>
<message><source>eSMile_Name_Alternate2</source><extracomment>mile</extracomment><translation>mille anglais</translation></message>
<message><source>eSMile_Name_Alternate3</source><extracomment>mile</extracomment><translation>milles anglais</translation></message>
<message><source>eSNauticalMile_Name_Alternate1</source><extracomment>nautical mile</extracomment><translation>milles marins</translation></message>
<message><source>eSNauticalMile_Name_Alternate2</source><extracomment>nautical mile</extracomment><translation>mille nautique</translation></message>
<message><source>eSNauticalMile_Name_Alternate3</source><extracomment>nautical mile</extracomment><translation>milles nautiques</translation></message>
<message><source>eSStatuteMile_Name_Alternate1</source><extracomment>statute mile</extracomment><translation>miles terrestres</translation></message>
<message><source>eSMicron_Name_Alternate1</source><extracomment>micron</extracomment><translation>microns</translation></message>
<message><source>eSAngstrom_Name_Alternate1</source><extracomment>angstrom</extracomment><translation>angström</translation></message>
<message><source>eSAngstrom_Name_Alternate2</source><extracomment>angstrom</extracomment><translation>ångströms</translation></message>
<message><source>eSAngstrom_Name_Alternate3</source><extracomment>angstrom</extracomment><translation>angströms</translation></message>
<message><source>eSAstronomicalUnit_Name_Alternate1</source><extracomment>astronomical unit</extracomment><translation>unités astronomiques</translation></message>
<message><source>eSAstronomicalUnit_Name_Alternate2</source><extracomment>astronomical unit</extracomment><translation>ua</translation></message>
<message><source>eSCable_Name_Alternate1</source><extracomment>cable</extracomment><translation>encablures</translation></message>
<message><source>eSFathom_Name_Alternate1</source><extracomment>fathom</extracomment><translation>brasses</translation></message>
<message><source>eSLightYear_Name_Alternate1</source><extracomment>light-year</extracomment><translation>années-lumière</translation></message>
<message><source>eSLightYear_Name_Alternate2</source><extracomment>light-year</extracomment><translation>année lumière</translation></message>
<message><source>eSLightYear_Name_Alternate3</source><extracomment>light-year</extracomment><translation>années lumière</translation></message>
<message><source>eSParsec_Name_Alternate1</source><extracomment>parsec</extracomment><translation>parsecs</translation></message>
<message><source>eSNauticalLeague_Name_Alternate1</source><extracomment>nautical league</extracomment><translation>lieues marines</translation></message>
<message><source>eSLeague_Name_Alternate1</source><extracomment>league</extracomment><translation>lieues</translation></message>
<message><source>eSMil_Name_Alternate1</source><extracomment>mil</extracomment><translation>mils</translation></message>
<message><source>eSMil_Name_Alternate2</source><extracomment>mil</extracomment><translation>millième de pouce</translation></message>
<message><source>eSMil_Name_Alternate3</source><extracomment>mil</extracomment><translation>millièmes de pouce</translation></message>
<message><source>eSMilSwedenAndNorway_Name_Alternate1</source><extracomment>mil (Sweden and Norway)</extracomment><translation>milles scandinaves</translation></message>
<message><source>eSMilSwedenAndNorway_Name_Alternate2</source><extracomment>mil (Sweden and Norway)</extracomment><translation>mille scandinave</translation></message>
<message><source>eSRod_Name_Alternate1</source><extracomment>rod</extracomment><translation>perches</translation></message>
</context>
<context>
<name>UnitSymbol_Area</name>
<message><source>eSSquareMeter_Name_Alternate1</source><extracomment>square meter</extracomment><translation>mètres carrés</translation></message>
<message><source>eSSquareMeter_Name_Alternate2</source><extracomment>square meter</extracomment><translation>metre carre</translation></message>
<message><source>eSSquareMeter_Name_Alternate3</source><extracomment>square meter</extracomment><translation>metres carres</translation></message>
<message><source>eSSquareInch_Name_Alternate1</source><extracomment>square inch</extracomment><translation>pouces carrés</translation></message>
<message><source>eSSquareInch_Name_Alternate2</source><extracomment>square inch</extracomment><translation>po²</translation></message>
<message><source>eSSquareInch_Name_Alternate3</source><extracomment>square inch</extracomment><translatorcomment>generated from «po²»</translatorcomment><translation>po2</translation></message>
<message><source>eSSquareInch_Name_Alternate4</source><extracomment>square inch</extracomment><translatorcomment>generated from «po²»</translatorcomment><translation>po^2</translation></message>
<message><source>eSSquareFoot_Name_Alternate1</source><extracomment>square foot</extracomment><translation>pieds carrés</translation></message>
<message><source>eSSquareFoot_Name_Alternate2</source><extracomment>square foot</extracomment><translation>pi²</translation></message>
<message><source>eSSquareFoot_Name_Alternate3</source><extracomment>square foot</extracomment><translatorcomment>generated from «pi²»</translatorcomment><translation>pi2</translation></message>
<message><source>eSSquareFoot_Name_Alternate4</source><extracomment>square foot</extracomment><translatorcomment>generated from «pi²»</translatorcomment><translation>pi^2</translation></message>
<message><source>eSSquareYard_Name_Alternate1</source><extracomment>square yard</extracomment><translation>yards carrés</translation></message>
<message><source>eSAcre_Name_Alternate1</source><extracomment>acre</extracomment><translation>acres</translation></message>
<message><source>eSHectare_Name_Alternate1</source><extracomment>hectare</extracomment><translation>hectares</translation></message>
<message><source>eSSquareKilometer_Name_Alternate1</source><extracomment>square kilometer</extracomment><translation>kilomètres carrés</translation></message>
<message><source>eSSquareKilometer_Name_Alternate2</source><extracomment>square kilometer</extracomment><translation>kilometre carre</translation></message>
<message><source>eSSquareKilometer_Name_Alternate3</source><extracomment>square kilometer</extracomment><translation>kilometres carres</translation></message>
<message><source>eSSquareMile_Name_Alternate1</source><extracomment>square mile</extracomment><translation>miles carrés</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate1</source><extracomment>square centimeter</extracomment><translation>centimètres carrés</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate2</source><extracomment>square centimeter</extracomment><translation>centimetre carre</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate3</source><extracomment>square centimeter</extracomment><translation>centimetres carres</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate1</source><extracomment>square millimeter</extracomment><translation>millimètres carrés</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate2</source><extracomment>square millimeter</extracomment><translation>millimetre carre</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate3</source><extracomment>square millimeter</extracomment><translation>millimetres carres</translation></message>
<message><source>eSAre_Name_Alternate1</source><extracomment>are</extracomment><translation>ares</translation></message>
<message><source>eSCentare_Name_Alternate1</source><extracomment>centare</extracomment><translation>centiares</translation></message>
<message><source>eSCentare_Name_Alternate2</source><extracomment>centare</extracomment><translation>ca</translation></message>
<message><source>eSSquareDecimeter_Name_Alternate1</source><extracomment>square decimeter</extracomment><translation>décimètres carrés</translation></message>
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
<message><source>eSLiter_Name_Alternate1</source><extracomment>liter</extracomment><translation>litres</translation></message>
<message><source>eSLiter_Name_Alternate2</source><extracomment>liter</extracomment><translation>l</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate1</source><extracomment>cubic centimeter</extracomment><translation>centimètres cubes</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate2</source><extracomment>cubic centimeter</extracomment><translation>centimetre cube</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate3</source><extracomment>cubic centimeter</extracomment><translation>centimetres cubes</translation></message>
<message><source>eSTablespoon_Name_Alternate1</source><extracomment>tablespoon</extracomment><translation>cuillères à soupe</translation></message>
<message><source>eSTablespoon_Name_Alternate2</source><extracomment>tablespoon</extracomment><translation>c. à s.</translation></message>
<message><source>eSTablespoon_Name_Alternate3</source><extracomment>tablespoon</extracomment><translation>càs</translation></message>
<message><source>eSCup_Name_Alternate1</source><extracomment>cup</extracomment><translation>tasses</translation></message>
<message><source>eSGallonImperial_Name_Alternate1</source><extracomment>gallon (imperial)</extracomment><translation>gallon impérial</translation></message>
<message><source>eSGallonImperial_Name_Alternate2</source><extracomment>gallon (imperial)</extracomment><translation>gallons impériaux</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate1</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>gallon US</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate2</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>gallons US</translation></message>
<message><source>eSCentiliter_Name_Alternate1</source><extracomment>centiliter</extracomment><translation>centilitres</translation></message>
<message><source>eSCentiliter_Name_Alternate2</source><extracomment>centiliter</extracomment><translation>cl</translation></message>
<message><source>eSCubicFoot_Name_Alternate1</source><extracomment>cubic foot</extracomment><translation>pieds cubes</translation></message>
<message><source>eSCubicFoot_Name_Alternate2</source><extracomment>cubic foot</extracomment><translation>pi³</translation></message>
<message><source>eSCubicFoot_Name_Alternate3</source><extracomment>cubic foot</extracomment><translatorcomment>generated from «pi³»</translatorcomment><translation>pi3</translation></message>
<message><source>eSCubicFoot_Name_Alternate4</source><extracomment>cubic foot</extracomment><translatorcomment>generated from «pi³»</translatorcomment><translation>pi^3</translation></message>
<message><source>eSCubicInch_Name_Alternate1</source><extracomment>cubic inch</extracomment><translation>pouces cubes</translation></message>
<message><source>eSCubicInch_Name_Alternate2</source><extracomment>cubic inch</extracomment><translation>po³</translation></message>
<message><source>eSCubicInch_Name_Alternate3</source><extracomment>cubic inch</extracomment><translatorcomment>generated from «po³»</translatorcomment><translation>po3</translation></message>
<message><source>eSCubicInch_Name_Alternate4</source><extracomment>cubic inch</extracomment><translatorcomment>generated from «po³»</translatorcomment><translation>po^3</translation></message>
<message><source>eSCubicMeter_Name_Alternate1</source><extracomment>cubic meter</extracomment><translation>mètres cubes</translation></message>
<message><source>eSCubicMeter_Name_Alternate2</source><extracomment>cubic meter</extracomment><translation>metre cube</translation></message>
<message><source>eSCubicMeter_Name_Alternate3</source><extracomment>cubic meter</extracomment><translation>metres cubes</translation></message>
<message><source>eSCubicMeter_Name_Alternate4</source><extracomment>cubic meter</extracomment><translation>stère</translation></message>
<message><source>eSCubicMeter_Name_Alternate5</source><extracomment>cubic meter</extracomment><translation>stères</translation></message>
<message><source>eSCubicYard_Name_Alternate1</source><extracomment>cubic yard</extracomment><translation>yards cubes</translation></message>
<message><source>eSMicroliter_Name_Alternate1</source><extracomment>microliter</extracomment><translation>microlitres</translation></message>
<message><source>eSMicroliter_Name_Alternate2</source><extracomment>microliter</extracomment><translation>µl</translation></message>
<message><source>eSMilliliter_Name_Alternate1</source><extracomment>milliliter</extracomment><translation>millilitres</translation></message>
<message><source>eSMilliliter_Name_Alternate2</source><extracomment>milliliter</extracomment><translation>ml</translation></message>
<message><source>eSPintImperial_Name_Alternate1</source><extracomment>pint (imperial)</extracomment><translation>pinte impériale</translation></message>
<message><source>eSPintImperial_Name_Alternate2</source><extracomment>pint (imperial)</extracomment><translation>pintes impériales</translation></message>
<message><source>eSPintUSFluid_Name_Alternate1</source><extracomment>pint (U.S. fluid)</extracomment><translation>pinte US</translation></message>
<message><source>eSPintUSFluid_Name_Alternate2</source><extracomment>pint (U.S. fluid)</extracomment><translation>pintes US</translation></message>
<message><source>eSTeaspoon_Name_Alternate1</source><extracomment>teaspoon</extracomment><translation>cuillères à café</translation></message>
<message><source>eSTeaspoon_Name_Alternate2</source><extracomment>teaspoon</extracomment><translation>c. à c.</translation></message>
<message><source>eSTeaspoon_Name_Alternate3</source><extracomment>teaspoon</extracomment><translation>càc</translation></message>
<message><source>eSCubicMillimeter_Name_Alternate1</source><extracomment>cubic millimeter</extracomment><translation>millimètres cubes</translation></message>
<message><source>eSCubicMillimeter_Name_Alternate2</source><extracomment>cubic millimeter</extracomment><translation>millimetre cube</translation></message>
<message><source>eSCubicMillimeter_Name_Alternate3</source><extracomment>cubic millimeter</extracomment><translation>millimetres cubes</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate1</source><extracomment>barrel (petroleum)</extracomment><translation>barils</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate2</source><extracomment>barrel (petroleum)</extracomment><translation>baril de pétrole</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate3</source><extracomment>barrel (petroleum)</extracomment><translation>barils de pétrole</translation></message>
<message><source>eSBoardFoot_Name_Alternate1</source><extracomment>board-foot</extracomment><translation>pieds-planche</translation></message>
<message><source>eSBoardFoot_Name_Alternate2</source><extracomment>board-foot</extracomment><translation>pmp</translation></message>
<message><source>eSBoardFoot_Name_Alternate3</source><extracomment>board-foot</extracomment><translation>PMP</translation></message>
<message><source>eSDecistere_Name_Alternate1</source><extracomment>decistere</extracomment><translation>décistères</translation></message>
<message><source>eSDekaliter_Name_Alternate1</source><extracomment>dekaliter</extracomment><translation>décalitres</translation></message>
<message><source>eSDekaliter_Name_Alternate2</source><extracomment>dekaliter</extracomment><translation>dal</translation></message>
<message><source>eSDekastere_Name_Alternate1</source><extracomment>dekastere</extracomment><translation>décastères</translation></message>
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
<message><source>eSCubicDecimeter_Name_Alternate1</source><extracomment>cubic decimeter</extracomment><translation>décimètres cubes</translation></message>
<message><source>eSCubicDecimeter_Name_Alternate2</source><extracomment>cubic decimeter</extracomment><translation>decimetre cube</translation></message>
<message><source>eSCubicDecimeter_Name_Alternate3</source><extracomment>cubic decimeter</extracomment><translation>decimetres cubes</translation></message>
<message><source>eSKiloliter_Name_Alternate1</source><extracomment>kiloliter</extracomment><translation>kilolitres</translation></message>
<message><source>eSKiloliter_Name_Alternate2</source><extracomment>kiloliter</extracomment><translation>kl</translation></message>
<message><source>eSCordFirewood_Name_Alternate1</source><extracomment>cord (firewood)</extracomment><translation>cordes</translation></message>
<message><source>eSAcreFoot_Name_Alternate1</source><extracomment>acre-foot</extracomment><translation>acres-pieds</translation></message>
<message><source>eSAcreInch_Name_Alternate1</source><extracomment>acre-inch</extracomment><translation>acres-pouces</translation></message>
<message><source>eSHectoliter_Name_Alternate1</source><extracomment>hectoliter</extracomment><translation>hectolitres</translation></message>
<message><source>eSHectoliter_Name_Alternate2</source><extracomment>hectoliter</extracomment><translation>hl</translation></message>
<message><source>eSMegaliter_Name_Alternate1</source><extracomment>megaliter</extracomment><translation>mégalitres</translation></message>
<message><source>eSCubicKilometer_Name_Alternate1</source><extracomment>cubic kilometer</extracomment><translation>kilomètres cubes</translation></message>
<message><source>eSDeciliter_Name_Alternate1</source><extracomment>deciliter</extracomment><translation>décilitres</translation></message>
<message><source>eSDeciliter_Name_Alternate2</source><extracomment>deciliter</extracomment><translation>dl</translation></message>
</context>
<context>
<name>UnitSymbol_Mass</name>
<message><source>eSKilogram_Name_Alternate1</source><extracomment>kilogram</extracomment><translation>kilogrammes</translation></message>
<message><source>eSKilogram_Name_Alternate2</source><extracomment>kilogram</extracomment><translation>kilo</translation></message>
<message><source>eSKilogram_Name_Alternate3</source><extracomment>kilogram</extracomment><translation>kilos</translation></message>
<message><source>eSGram_Name_Alternate1</source><extracomment>gram</extracomment><translation>grammes</translation></message>
<message><source>eSMegagram_Name_Alternate1</source><extracomment>megagram</extracomment><translation>t</translation></message>
<message><source>eSMegagram_Name_Alternate2</source><extracomment>megagram</extracomment><translation>tonne</translation></message>
<message><source>eSMegagram_Name_Alternate3</source><extracomment>megagram</extracomment><translation>tonnes</translation></message>
<message><source>eSMegagram_Name_Alternate4</source><extracomment>megagram</extracomment><translation>tonne métrique</translation></message>
<message><source>eSMegagram_Name_Alternate5</source><extracomment>megagram</extracomment><translation>tonnes métriques</translation></message>
<message><source>eSMegagram_Name_Alternate6</source><extracomment>megagram</extracomment><translation>mégagrammes</translation></message>
<message><source>eSHectogram_Name_Alternate1</source><extracomment>hectogram</extracomment><translation>hectogrammes</translation></message>
<message><source>eSDecagram_Name_Alternate1</source><extracomment>decagram</extracomment><translation>décagrammes</translation></message>
<message><source>eSDecigram_Name_Alternate1</source><extracomment>decigram</extracomment><translation>décigrammes</translation></message>
<message><source>eSCentigram_Name_Alternate1</source><extracomment>centigram</extracomment><translation>centigrammes</translation></message>
<message><source>eSMilligram_Name_Alternate1</source><extracomment>milligram</extracomment><translation>milligrammes</translation></message>
<message><source>eSMicrogram_Name_Alternate1</source><extracomment>microgram</extracomment><translation>microgrammes</translation></message>
<message><source>eSMicrogram_Name_Alternate2</source><extracomment>microgram</extracomment><translation>µg</translation></message>
<message><source>eSNanogram_Name_Alternate1</source><extracomment>nanogram</extracomment><translation>nanogrammes</translation></message>
<message><source>eSPound_Name_Alternate1</source><extracomment>pound</extracomment><translation>livres</translation></message>
<message><source>eSOunceAvoirdupois_Name_Alternate1</source><extracomment>ounce (avoirdupois)</extracomment><translation>once</translation></message>
<message><source>eSOunceAvoirdupois_Name_Alternate2</source><extracomment>ounce (avoirdupois)</extracomment><translation>onces</translation></message>
<message><source>eSStone_Name_Alternate1</source><extracomment>stone</extracomment><translation>stones</translation></message>
<message><source>eSShortTon_Name_Alternate1</source><extracomment>short ton</extracomment><translation>tonnes courtes</translation></message>
<message><source>eSLongTon_Name_Alternate1</source><extracomment>long ton</extracomment><translation>tonnes longues</translation></message>
<message><source>eSCaratMetric_Name_Alternate1</source><extracomment>carat (metric)</extracomment><translation>carats</translation></message>
<message><source>eSLongHundredweight_Name_Alternate1</source><extracomment>long hundredweight</extracomment><translation>quintaux longs</translation></message>
<message><source>eSShortHundredweight_Name_Alternate1</source><extracomment>short hundredweight</extracomment><translation>quintaux courts</translation></message>
<message><source>eSGrain_Name_Alternate1</source><extracomment>grain</extracomment><translation>grains</translation></message>
<message><source>eSDalton_Name_Alternate1</source><extracomment>dalton</extracomment><translation>daltons</translation></message>
<message><source>eSSlug_Name_Alternate1</source><extracomment>slug</extracomment><translation>slugs</translation></message>
</context>
<context>
<name>UnitSymbol_AmountOfSubstance</name>
<message><source>eSMole_Name_Alternate1</source><extracomment>mole</extracomment><translation>moles</translation></message>
<message><source>eSKilomole_Name_Alternate1</source><extracomment>kilomole</extracomment><translation>kilomoles</translation></message>
<message><source>eSMillimole_Name_Alternate1</source><extracomment>millimole</extracomment><translation>millimoles</translation></message>
<message><source>eSMicromole_Name_Alternate1</source><extracomment>micromole</extracomment><translation>micromoles</translation></message>
</context>
<context>
<name>UnitSymbol_Angle</name>
<message><source>eSRadian_Name_Alternate1</source><extracomment>radian</extracomment><translation>radians</translation></message>
<message><source>eSDegree_Name_Alternate1</source><extracomment>degree</extracomment><translation>degrés</translation></message>
<message><source>eSDegree_Name_Alternate2</source><extracomment>degree</extracomment><translation>degre</translation></message>
<message><source>eSDegree_Name_Alternate3</source><extracomment>degree</extracomment><translation>degres</translation></message>
<message><source>eSMilliradian_Name_Alternate1</source><extracomment>milliradian</extracomment><translation>milliradians</translation></message>
<message><source>eSGrad_Name_Alternate1</source><extracomment>grad</extracomment><translation>grades</translation></message>
<message><source>eSGrad_Name_Alternate2</source><extracomment>grad</extracomment><translation>gons</translation></message>
<message><source>eSGrad_Name_Alternate3</source><extracomment>grad</extracomment><translation>grd</translation></message>
<message><source>eSAngularMilNATO_Name_Alternate1</source><extracomment>angular mil (NATO)</extracomment><translation>millième</translation></message>
<message><source>eSAngularMilNATO_Name_Alternate2</source><extracomment>angular mil (NATO)</extracomment><translation>millièmes</translation></message>
<message><source>eSAngularMilNATO_Name_Alternate3</source><extracomment>angular mil (NATO)</extracomment><translation>millième OTAN</translation></message>
<message><source>eSAngleMinute_Name_Alternate1</source><extracomment>angle minute</extracomment><translation>minutes d'arc</translation></message>
<message><source>eSAngleMinute_Name_Alternate2</source><extracomment>angle minute</extracomment><translation>minute d'angle</translation></message>
<message><source>eSAngleMinute_Name_Alternate3</source><extracomment>angle minute</extracomment><translation>minutes d'angle</translation></message>
<message><source>eSAngleSecond_Name_Alternate1</source><extracomment>angle second</extracomment><translation>secondes d'arc</translation></message>
<message><source>eSAngleSecond_Name_Alternate2</source><extracomment>angle second</extracomment><translation>seconde d'angle</translation></message>
<message><source>eSAngleSecond_Name_Alternate3</source><extracomment>angle second</extracomment><translation>secondes d'angle</translation></message>
</context>
<context>
<name>UnitSymbol_SolidAngle</name>
<message><source>eSSteradian_Name_Alternate1</source><extracomment>steradian</extracomment><translation>stéradians</translation></message>
</context>
<context>
<name>UnitSymbol_Concentration</name>
<message><source>eSMilligramPerDeciliter_Name_Alternate1</source><extracomment>milligram per deciliter</extracomment><translation>milligrammes par décilitre</translation></message>
</context>
<context>
<name>UnitSymbol_PartsPer</name>
<message><source>eSPartPerMillion_Name_Alternate1</source><extracomment>part per million</extracomment><translation>parties par million</translation></message>
<message><source>eSPartPerBillion_Name_Alternate1</source><extracomment>part per billion</extracomment><translation>parties par milliard</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCurrent</name>
<message><source>eSAmpere_Name_Alternate1</source><extracomment>ampere</extracomment><translation>ampères</translation></message>
<message><source>eSKiloampere_Name_Alternate1</source><extracomment>kiloampere</extracomment><translation>kiloampères</translation></message>
<message><source>eSMilliampere_Name_Alternate1</source><extracomment>milliampere</extracomment><translation>milliampères</translation></message>
<message><source>eSMicroampere_Name_Alternate1</source><extracomment>microampere</extracomment><translation>microampères</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCharge</name>
<message><source>eSCoulomb_Name_Alternate1</source><extracomment>coulomb</extracomment><translation>coulombs</translation></message>
<message><source>eSAmpereHour_Name_Alternate1</source><extracomment>ampere hour</extracomment><translation>ampères-heures</translation></message>
<message><source>eSAmpereHour_Name_Alternate2</source><extracomment>ampere hour</extracomment><translation>ampère heure</translation></message>
<message><source>eSAmpereHour_Name_Alternate3</source><extracomment>ampere hour</extracomment><translation>ampères heures</translation></message>
<message><source>eSMilliampereHour_Name_Alternate1</source><extracomment>milliampere hour</extracomment><translation>milliampères-heures</translation></message>
</context>
<context>
<name>UnitSymbol_Capacitance</name>
<message><source>eSFarad_Name_Alternate1</source><extracomment>farad</extracomment><translation>farads</translation></message>
<message><source>eSMicrofarad_Name_Alternate1</source><extracomment>microfarad</extracomment><translation>microfarads</translation></message>
<message><source>eSNanofarad_Name_Alternate1</source><extracomment>nanofarad</extracomment><translation>nanofarads</translation></message>
<message><source>eSPicofarad_Name_Alternate1</source><extracomment>picofarad</extracomment><translation>picofarads</translation></message>
</context>
<context>
<name>UnitSymbol_BitRate</name>
<message><source>eSBitPerSecond_Name_Alternate1</source><extracomment>bit per second</extracomment><translation>bits par seconde</translation></message>
<message><source>eSBitPerSecond_Name_Alternate2</source><extracomment>bit per second</extracomment><translation>bit/s</translation></message>
<message><source>eSBytePerSecond_Name_Alternate1</source><extracomment>byte per second</extracomment><translation>octets par seconde</translation></message>
<message><source>eSKilobitPerSecond_Name_Alternate1</source><extracomment>kilobit per second</extracomment><translation>kilobits par seconde</translation></message>
<message><source>eSKilobitPerSecond_Name_Alternate2</source><extracomment>kilobit per second</extracomment><translation>kbit/s</translation></message>
<message><source>eSKilobytePerSecond_Name_Alternate1</source><extracomment>kilobyte per second</extracomment><translation>kilooctets par seconde</translation></message>
<message><source>eSMegabitPerSecond_Name_Alternate1</source><extracomment>megabit per second</extracomment><translation>mégabits par seconde</translation></message>
<message><source>eSMegabitPerSecond_Name_Alternate2</source><extracomment>megabit per second</extracomment><translation>Mbit/s</translation></message>
<message><source>eSMegabytePerSecond_Name_Alternate1</source><extracomment>megabyte per second</extracomment><translation>mégaoctets par seconde</translation></message>
<message><source>eSGigabitPerSecond_Name_Alternate1</source><extracomment>gigabit per second</extracomment><translation>gigabits par seconde</translation></message>
<message><source>eSTerabitPerSecond_Name_Alternate1</source><extracomment>terabit per second</extracomment><translation>térabits par seconde</translation></message>
</context>
<context>
<name>UnitSymbol_Density</name>
<message><source>eSKilogramPerCubicMeter_Name_Alternate1</source><extracomment>kilogram per cubic meter</extracomment><translation>kilogrammes par mètre cube</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate1</source><extracomment>kilogram per liter</extracomment><translation>kilogrammes par litre</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate2</source><extracomment>kilogram per liter</extracomment><translation>t/m³</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate3</source><extracomment>kilogram per liter</extracomment><translation>g/cm³</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate4</source><extracomment>kilogram per liter</extracomment><translation>kg/l</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate5</source><extracomment>kilogram per liter</extracomment><translation>kg/dm³</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate6</source><extracomment>kilogram per liter</extracomment><translatorcomment>generated from «t/m³»</translatorcomment><translation>t/m3</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate7</source><extracomment>kilogram per liter</extracomment><translatorcomment>generated from «t/m³»</translatorcomment><translation>t/m^3</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate8</source><extracomment>kilogram per liter</extracomment><translatorcomment>generated from «g/cm³»</translatorcomment><translation>g/cm3</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate9</source><extracomment>kilogram per liter</extracomment><translatorcomment>generated from «g/cm³»</translatorcomment><translation>g/cm^3</translation></message>
<message><source>eSKilogramPerLiter_Name_Alternate10</source><extracomment>kilogram per liter</extracomment><translatorcomment>generated from «kg/dm³»</translatorcomment><translation>kg/dm3</translation></message>
<message><source>eSGramPerLiter_Name_Alternate1</source><extracomment>gram per liter</extracomment><translation>grammes par litre</translation></message>
<message><source>eSGramPerLiter_Name_Alternate2</source><extracomment>gram per liter</extracomment><translation>g/l</translation></message>
</context>
<context>
<name>UnitSymbol_UnitWeight</name>
<message><source>eSKilonewtonPerCubicMeter_Name_Alternate1</source><extracomment>kilonewton per cubic meter</extracomment><translation>kilonewtons par mètre cube</translation></message>
</context>
<context>
<name>UnitSymbol_Energy</name>
<message><source>eSJoule_Name_Alternate1</source><extracomment>joule</extracomment><translation>joules</translation></message>
<message><source>eSCalorie_Name_Alternate1</source><extracomment>calorie</extracomment><translation>calories</translation></message>
<message><source>eSKilocalorie_Name_Alternate1</source><extracomment>kilocalorie</extracomment><translation>kilocalories</translation></message>
<message><source>eSBritishThermalUnitInternationalTable_Name_Alternate1</source><extracomment>British thermal unit (International Table)</extracomment><translation>unité thermique britannique</translation></message>
<message><source>eSBritishThermalUnitInternationalTable_Name_Alternate2</source><extracomment>British thermal unit (International Table)</extracomment><translation>unités thermiques britanniques</translation></message>
<message><source>eSBritishThermalUnitInternationalTable_Name_Alternate3</source><extracomment>British thermal unit (International Table)</extracomment><translation>British thermal units</translation></message>
<message><source>eSBritishThermalUnitInternationalTable_Name_Alternate4</source><extracomment>British thermal unit (International Table)</extracomment><translation>British thermal unit</translation></message>
<message><source>eSElectronvolt_Name_Alternate1</source><extracomment>electronvolt</extracomment><translation>électronvolts</translation></message>
<message><source>eSElectronvolt_Name_Alternate2</source><extracomment>electronvolt</extracomment><translation>électron-volt</translation></message>
<message><source>eSElectronvolt_Name_Alternate3</source><extracomment>electronvolt</extracomment><translation>électrons-volts</translation></message>
<message><source>eSKilowattHour_Name_Alternate1</source><extracomment>kilowatt hour</extracomment><translation>kilowattheures</translation></message>
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
<message><source>eSKilojoule_Name_Alternate1</source><extracomment>kilojoule</extracomment><translation>kilojoules</translation></message>
<message><source>eSTherm_Name_Alternate1</source><extracomment>therm</extracomment><translation>therms</translation></message>
</context>
<context>
<name>UnitSymbol_VolumetricFlowRate</name>
<message><source>eSCubicMeterPerSecond_Name_Alternate1</source><extracomment>cubic meter per second</extracomment><translation>mètres cubes par seconde</translation></message>
<message><source>eSCubicMeterPerSecond_Name_Alternate2</source><extracomment>cubic meter per second</extracomment><translation>m³/sec</translation></message>
<message><source>eSCubicMeterPerSecond_Name_Alternate3</source><extracomment>cubic meter per second</extracomment><translatorcomment>generated from «m³/sec»</translatorcomment><translation>m3/sec</translation></message>
<message><source>eSCubicMeterPerSecond_Name_Alternate4</source><extracomment>cubic meter per second</extracomment><translatorcomment>generated from «m³/sec»</translatorcomment><translation>m^3/sec</translation></message>
<message><source>eSLiterPerSecond_Name_Alternate1</source><extracomment>liter per second</extracomment><translation>litres par seconde</translation></message>
<message><source>eSLiterPerSecond_Name_Alternate2</source><extracomment>liter per second</extracomment><translation>l/s</translation></message>
<message><source>eSLiterPerMinute_Name_Alternate1</source><extracomment>liter per minute</extracomment><translation>litres par minute</translation></message>
<message><source>eSLiterPerMinute_Name_Alternate2</source><extracomment>liter per minute</extracomment><translation>l/min</translation></message>
<message><source>eSLiterPerHour_Name_Alternate1</source><extracomment>liter per hour</extracomment><translation>litres par heure</translation></message>
<message><source>eSLiterPerHour_Name_Alternate2</source><extracomment>liter per hour</extracomment><translation>l/h</translation></message>
<message><source>eSCubicMeterPerHour_Name_Alternate1</source><extracomment>cubic meter per hour</extracomment><translation>mètres cubes par heure</translation></message>
<message><source>eSCubicMeterPerMinute_Name_Alternate1</source><extracomment>cubic meter per minute</extracomment><translation>mètres cubes par minute</translation></message>
<message><source>eSLiterPerDay_Name_Alternate1</source><extracomment>liter per day</extracomment><translation>litres par jour</translation></message>
<message><source>eSLiterPerDay_Name_Alternate2</source><extracomment>liter per day</extracomment><translation>l/j</translation></message>
<message><source>eSLiterPerDay_Name_Alternate3</source><extracomment>liter per day</extracomment><translation>L/j</translation></message>
<message><source>eSMillionLiterPerDay_Name_Alternate1</source><extracomment>million liter per day</extracomment><translation>millions de litres par jour</translation></message>
<message><source>eSMillionLiterPerDay_Name_Alternate2</source><extracomment>million liter per day</extracomment><translation>Ml/j</translation></message>
<message><source>eSMillionLiterPerDay_Name_Alternate3</source><extracomment>million liter per day</extracomment><translation>ML/j</translation></message>
<message><source>eSCubicFootPerDay_Name_Alternate1</source><extracomment>cubic foot per day</extracomment><translation>pi³/j</translation></message>
<message><source>eSCubicFootPerDay_Name_Alternate2</source><extracomment>cubic foot per day</extracomment><translatorcomment>generated from «pi³/j»</translatorcomment><translation>pi3/j</translation></message>
<message><source>eSCubicFootPerDay_Name_Alternate3</source><extracomment>cubic foot per day</extracomment><translatorcomment>generated from «pi³/j»</translatorcomment><translation>pi^3/j</translation></message>
<message><source>eSCubicMeterPerDay_Name_Alternate1</source><extracomment>cubic meter per day</extracomment><translation>mètres cubes par jour</translation></message>
<message><source>eSCubicMeterPerDay_Name_Alternate2</source><extracomment>cubic meter per day</extracomment><translation>m³/j</translation></message>
<message><source>eSCubicMeterPerDay_Name_Alternate3</source><extracomment>cubic meter per day</extracomment><translatorcomment>generated from «m³/j»</translatorcomment><translation>m3/j</translation></message>
<message><source>eSCubicMeterPerDay_Name_Alternate4</source><extracomment>cubic meter per day</extracomment><translatorcomment>generated from «m³/j»</translatorcomment><translation>m^3/j</translation></message>
</context>
<context>
<name>UnitSymbol_MassFlowRate</name>
<message><source>eSKilogramPerSecond_Name_Alternate1</source><extracomment>kilogram per second</extracomment><translation>kilogrammes par seconde</translation></message>
<message><source>eSKilogramPerMinute_Name_Alternate1</source><extracomment>kilogram per minute</extracomment><translation>kilogrammes par minute</translation></message>
<message><source>eSKilogramPerHour_Name_Alternate1</source><extracomment>kilogram per hour</extracomment><translation>kilogrammes par heure</translation></message>
</context>
<context>
<name>UnitSymbol_Force</name>
<message><source>eSNewton_Name_Alternate1</source><extracomment>newton</extracomment><translation>newtons</translation></message>
<message><source>eSMeganewton_Name_Alternate1</source><extracomment>meganewton</extracomment><translation>méganewtons</translation></message>
<message><source>eSKilonewton_Name_Alternate1</source><extracomment>kilonewton</extracomment><translation>kilonewtons</translation></message>
<message><source>eSDecanewton_Name_Alternate1</source><extracomment>decanewton</extracomment><translation>décanewtons</translation></message>
<message><source>eSMillinewton_Name_Alternate1</source><extracomment>millinewton</extracomment><translation>millinewtons</translation></message>
<message><source>eSKilogramForce_Name_Alternate1</source><extracomment>kilogram-force</extracomment><translation>kilogrammes-force</translation></message>
<message><source>eSKilogramForce_Name_Alternate2</source><extracomment>kilogram-force</extracomment><translation>kilogramme force</translation></message>
<message><source>eSKilogramForce_Name_Alternate3</source><extracomment>kilogram-force</extracomment><translation>kilogrammes force</translation></message>
<message><source>eSPoundForce_Name_Alternate1</source><extracomment>pound force</extracomment><translation>livres-force</translation></message>
<message><source>eSPoundForce_Name_Alternate2</source><extracomment>pound force</extracomment><translation>livre force</translation></message>
<message><source>eSPoundForce_Name_Alternate3</source><extracomment>pound force</extracomment><translation>livres force</translation></message>
<message><source>eSKip_Name_Alternate1</source><extracomment>kip</extracomment><translation>kips</translation></message>
<message><source>eSTonForce_Name_Alternate1</source><extracomment>ton force</extracomment><translation>tonnes-force</translation></message>
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
<message><source>eSRevolutionPerMinute_Name_Alternate3</source><extracomment>revolution per minute</extracomment><translation>tours par minute</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate4</source><extracomment>revolution per minute</extracomment><translation>tours/min</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate5</source><extracomment>revolution per minute</extracomment><translation>tpm</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate6</source><extracomment>revolution per minute</extracomment><translation>rpm</translation></message>
</context>
<context>
<name>UnitSymbol_Power</name>
<message><source>eSWatt_Name_Alternate1</source><extracomment>watt</extracomment><translation>watts</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate1</source><extracomment>horsepower (metric)</extracomment><translation>CV</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate2</source><extracomment>horsepower (metric)</extracomment><translation>chevaux-vapeur</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate3</source><extracomment>horsepower (metric)</extracomment><translation>cheval vapeur</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate4</source><extracomment>horsepower (metric)</extracomment><translation>chevaux vapeur</translation></message>
<message><source>eSKilowatt_Name_Alternate1</source><extracomment>kilowatt</extracomment><translation>kilowatts</translation></message>
<message><source>eSMegawatt_Name_Alternate1</source><extracomment>megawatt</extracomment><translation>mégawatts</translation></message>
<message><source>eSVoltAmpere_Name_Alternate1</source><extracomment>volt ampere</extracomment><translation>voltampères</translation></message>
<message><source>eSVoltAmpere_Name_Alternate2</source><extracomment>volt ampere</extracomment><translation>volt-ampère</translation></message>
<message><source>eSVoltAmpere_Name_Alternate3</source><extracomment>volt ampere</extracomment><translation>volts-ampères</translation></message>
<message><source>eSKilovoltAmpere_Name_Alternate1</source><extracomment>kilovolt ampere</extracomment><translation>kilovoltampères</translation></message>
<message><source>eSKilovoltAmpere_Name_Alternate2</source><extracomment>kilovolt ampere</extracomment><translation>kilovolt-ampère</translation></message>
<message><source>eSMilliwatt_Name_Alternate1</source><extracomment>milliwatt</extracomment><translation>milliwatts</translation></message>
<message><source>eSTonOfRefrigeration_Name_Alternate1</source><extracomment>ton of refrigeration</extracomment><translation>tonnes de réfrigération</translation></message>
<message><source>eSTonOfRefrigeration_Name_Alternate2</source><extracomment>ton of refrigeration</extracomment><translation>tonne frigorifique</translation></message>
<message><source>eSTonOfRefrigeration_Name_Alternate3</source><extracomment>ton of refrigeration</extracomment><translation>tonnes frigorifiques</translation></message>
<message><source>eSGigawatt_Name_Alternate1</source><extracomment>gigawatt</extracomment><translation>gigawatts</translation></message>
</context>
<context>
<name>UnitSymbol_PowerPerUnitOfArea</name>
<message><source>eSWattPerSquareMeter_Name_Alternate1</source><extracomment>watt per square meter</extracomment><translation>watts par mètre carré</translation></message>
</context>
<context>
<name>UnitSymbol_Pressure</name>
<message><source>eSBar_Name_Alternate1</source><extracomment>bar</extracomment><translation>bars</translation></message>
<message><source>eSBar_Name_Alternate2</source><extracomment>bar</extracomment><translation>daN/cm²</translation></message>
<message><source>eSBar_Name_Alternate3</source><extracomment>bar</extracomment><translatorcomment>generated from «daN/cm²»</translatorcomment><translation>daN/cm2</translation></message>
<message><source>eSBar_Name_Alternate4</source><extracomment>bar</extracomment><translatorcomment>generated from «daN/cm²»</translatorcomment><translation>daN/cm^2</translation></message>
<message><source>eSBarGauge_Name_Alternate1</source><extracomment>bar gauge</extracomment><translation>bar rel</translation></message>
<message><source>eSBarGauge_Name_Alternate2</source><extracomment>bar gauge</extracomment><translation>bar eff</translation></message>
<message><source>eSKilopascal_Name_Alternate1</source><extracomment>kilopascal</extracomment><translation>kilopascals</translation></message>
<message><source>eSMegaPascal_Name_Alternate1</source><extracomment>mega pascal</extracomment><translation>mégapascals</translation></message>
<message><source>eSMillibar_Name_Alternate1</source><extracomment>millibar</extracomment><translation>millibars</translation></message>
<message><source>eSMillimeterOfMercury_Name_Alternate1</source><extracomment>millimeter of mercury</extracomment><translation>millimètres de mercure</translation></message>
<message><source>eSMillimeterOfMercury_Name_Alternate2</source><extracomment>millimeter of mercury</extracomment><translation>mm de mercure</translation></message>
<message><source>eSPascal_Name_Alternate1</source><extracomment>pascal</extracomment><translation>pascals</translation></message>
<message><source>eSAtmosphereStandard_Name_Alternate1</source><extracomment>atmosphere (standard)</extracomment><translation>atmosphère</translation></message>
<message><source>eSAtmosphereStandard_Name_Alternate2</source><extracomment>atmosphere (standard)</extracomment><translation>atmosphères</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate1</source><extracomment>kilogram force per square centimeter</extracomment><translation>kgf/cm²</translation></message>
<message><source>eSKilogramForcePerSquareMeter_Name_Alternate1</source><extracomment>kilogram force per square meter</extracomment><translation>kgf/m²</translation></message>
<message><source>eSTonForcePerSquareMeter_Name_Alternate1</source><extracomment>ton force per square meter</extracomment><translation>tf/m2</translation></message>
<message><source>eSHectopascal_Name_Alternate1</source><extracomment>hectopascal</extracomment><translation>hectopascals</translation></message>
</context>
<context>
<name>UnitSymbol_LinearMoment</name>
<message><source>eSKilonewtonMeterPerMeter_Name_Alternate1</source><extracomment>kilonewton-meter per meter</extracomment><translation>kN.m/m</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricalResistance</name>
<message><source>eSOhm_Name_Alternate1</source><extracomment>ohm</extracomment><translation>ohms</translation></message>
<message><source>eSKilohm_Name_Alternate1</source><extracomment>kilohm</extracomment><translation>kilohms</translation></message>
<message><source>eSMegohm_Name_Alternate1</source><extracomment>megohm</extracomment><translation>mégohms</translation></message>
</context>
<context>
<name>UnitSymbol_Velocity</name>
<message><source>eSMeterPerSecond_Name_Alternate1</source><extracomment>meter per second</extracomment><translation>mètres par seconde</translation></message>
<message><source>eSKilometerPerHour_Name_Alternate1</source><extracomment>kilometer per hour</extracomment><translation>kilomètres par heure</translation></message>
<message><source>eSKilometerPerHour_Name_Alternate2</source><extracomment>kilometer per hour</extracomment><translation>km/heure</translation></message>
<message><source>eSMilePerHour_Name_Alternate1</source><extracomment>mile per hour</extracomment><translation>miles par heure</translation></message>
<message><source>eSMilePerHour_Name_Alternate2</source><extracomment>mile per hour</extracomment><translation>miles à l'heure</translation></message>
<message><source>eSKnot_Name_Alternate1</source><extracomment>knot</extracomment><translation>nœuds</translation></message>
<message><source>eSKnot_Name_Alternate2</source><extracomment>knot</extracomment><translation>noeud</translation></message>
<message><source>eSKnot_Name_Alternate3</source><extracomment>knot</extracomment><translation>noeuds</translation></message>
</context>
<context>
<name>UnitSymbol_ComputerStorage</name>
<message><source>eSByte_Name_Alternate1</source><extracomment>byte</extracomment><translation>octets</translation></message>
<message><source>eSBit_Name_Alternate1</source><extracomment>bit</extracomment><translation>bits</translation></message>
<message><source>eSKilobyte_Name_Alternate1</source><extracomment>kilobyte</extracomment><translation>kilooctets</translation></message>
<message><source>eSMegabyte_Name_Alternate1</source><extracomment>megabyte</extracomment><translation>mégaoctets</translation></message>
<message><source>eSGigabyte_Name_Alternate1</source><extracomment>gigabyte</extracomment><translation>gigaoctets</translation></message>
<message><source>eSTerabyte_Name_Alternate1</source><extracomment>terabyte</extracomment><translation>téraoctets</translation></message>
<message><source>eSKibibyte_Name_Alternate1</source><extracomment>kibibyte</extracomment><translation>kibioctets</translation></message>
<message><source>eSMebibyte_Name_Alternate1</source><extracomment>mebibyte</extracomment><translation>mébioctets</translation></message>
<message><source>eSGibibyte_Name_Alternate1</source><extracomment>gibibyte</extracomment><translation>gibioctets</translation></message>
<message><source>eSTebibyte_Name_Alternate1</source><extracomment>tebibyte</extracomment><translation>tébioctets</translation></message>
<message><source>eSKilobit_Name_Alternate1</source><extracomment>kilobit</extracomment><translation>kilobits</translation></message>
<message><source>eSMegabit_Name_Alternate1</source><extracomment>megabit</extracomment><translation>mégabits</translation></message>
<message><source>eSGigabit_Name_Alternate1</source><extracomment>gigabit</extracomment><translation>gigabits</translation></message>
<message><source>eSPetabyte_Name_Alternate1</source><extracomment>petabyte</extracomment><translation>pétaoctets</translation></message>
<message><source>eSPebibyte_Name_Alternate1</source><extracomment>pebibyte</extracomment><translation>pébioctets</translation></message>
<message><source>eSExabyte_Name_Alternate1</source><extracomment>exabyte</extracomment><translation>exaoctets</translation></message>
<message><source>eSTerabit_Name_Alternate1</source><extracomment>terabit</extracomment><translation>térabits</translation></message>
</context>
<context>
<name>UnitSymbol_Temperature</name>
<message><source>eSKelvin_Name_Alternate1</source><extracomment>kelvin</extracomment><translation>kelvins</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate1</source><extracomment>degree Celsius</extracomment><translation>degrés Celsius</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate2</source><extracomment>degree Celsius</extracomment><translation>degré celsius</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate3</source><extracomment>degree Celsius</extracomment><translation>degrés celsius</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate4</source><extracomment>degree Celsius</extracomment><translation>degre Celsius</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate5</source><extracomment>degree Celsius</extracomment><translation>degré C</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate6</source><extracomment>degree Celsius</extracomment><translation>degrés C</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate1</source><extracomment>degree Fahrenheit</extracomment><translation>degrés Fahrenheit</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate2</source><extracomment>degree Fahrenheit</extracomment><translation>degré fahrenheit</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate3</source><extracomment>degree Fahrenheit</extracomment><translation>degrés fahrenheit</translation></message>
<message><source>eSDegreeRankine_Name_Alternate1</source><extracomment>degree Rankine</extracomment><translation>degrés Rankine</translation></message>
</context>
<context>
<name>UnitSymbol_Time</name>
<message><source>eSSecond_Name_Alternate1</source><extracomment>second</extracomment><translation>secondes</translation></message>
<message><source>eSSecond_Name_Alternate2</source><extracomment>second</extracomment><translation>sec</translation></message>
<message><source>eSMillisecond_Name_Alternate1</source><extracomment>millisecond</extracomment><translation>millisecondes</translation></message>
<message><source>eSMicrosecond_Name_Alternate1</source><extracomment>microsecond</extracomment><translation>microsecondes</translation></message>
<message><source>eSNanosecond_Name_Alternate1</source><extracomment>nanosecond</extracomment><translation>nanosecondes</translation></message>
<message><source>eSMinute_Name_Alternate1</source><extracomment>minute</extracomment><translation>minutes</translation></message>
<message><source>eSMinute_Name_Alternate2</source><extracomment>minute</extracomment><translation>mn</translation></message>
<message><source>eSHour_Name_Alternate1</source><extracomment>hour</extracomment><translation>heures</translation></message>
<message><source>eSDay_Name_Alternate1</source><extracomment>day</extracomment><translation>jours</translation></message>
<message><source>eSDay_Name_Alternate2</source><extracomment>day</extracomment><translation>j</translation></message>
<message><source>eSWeek_Name_Alternate1</source><extracomment>week</extracomment><translation>semaines</translation></message>
<message><source>eSWeek_Name_Alternate2</source><extracomment>week</extracomment><translation>sem.</translation></message>
<message><source>eSYear_Name_Alternate1</source><extracomment>year</extracomment><translation>ans</translation></message>
<message><source>eSYear_Name_Alternate2</source><extracomment>year</extracomment><translation>années</translation></message>
<message><source>eSDecade_Name_Alternate1</source><extracomment>decade</extracomment><translation>décennies</translation></message>
<message><source>eSCentury_Name_Alternate1</source><extracomment>century</extracomment><translation>siècles</translation></message>
<message><source>eSMillenium_Name_Alternate1</source><extracomment>millenium</extracomment><translation>millénaires</translation></message>
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
<name>UnitSymbol_Acceleration</name>
<message><source>eSMeterPerSecondSquared_Name_Alternate1</source><extracomment>meter per second squared</extracomment><translation>mètres par seconde carrée</translation></message>
</context>
<context>
<name>UnitSymbol_Voltage</name>
<message><source>eSVolt_Name_Alternate1</source><extracomment>volt</extracomment><translation>volts</translation></message>
<message><source>eSKilovolt_Name_Alternate1</source><extracomment>kilovolt</extracomment><translation>kilovolts</translation></message>
<message><source>eSMillivolt_Name_Alternate1</source><extracomment>millivolt</extracomment><translation>millivolts</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousIntensity</name>
<message><source>eSCandela_Name_Alternate1</source><extracomment>candela</extracomment><translation>candelas</translation></message>
</context>
<context>
<name>UnitSymbol_Illuminance</name>
<message><source>eSLuxIlluminance_Name_Alternate1</source><extracomment>Lux (Illuminance)</extracomment><translation>lux</translation></message>
<message><source>eSFootcandle_Name_Alternate1</source><extracomment>footcandle</extracomment><translation>pieds-bougies</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousFlux</name>
<message><source>eSLumen_Name_Alternate1</source><extracomment>lumen</extracomment><translation>lumens</translation></message>
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
