<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
<name>UnitSymbol_Length</name>
<message><source>eSMeter_Name_Alternate2</source><extracomment>meter</extracomment><translation>metre</translation></message>
<message><source>eSMeter_Name_Alternate3</source><extracomment>meter</extracomment><translation>metres</translation></message>
<message><source>eSMeter_Name_Alternate4</source><extracomment>meter</extracomment><translation>mtr</translation></message>
<message><source>eSKilometer_Name_Alternate2</source><extracomment>kilometer</extracomment><translation>kilometre</translation></message>
<message><source>eSKilometer_Name_Alternate3</source><extracomment>kilometer</extracomment><translation>kilometres</translation></message>
<message><source>eSKilometer_Name_Alternate4</source><extracomment>kilometer</extracomment><translation>kms</translation></message>
<message><source>eSDecimeter_Name_Alternate2</source><extracomment>decimeter</extracomment><translation>decimetre</translation></message>
<message><source>eSDecimeter_Name_Alternate3</source><extracomment>decimeter</extracomment><translation>decimetres</translation></message>
<message><source>eSCentimeter_Name_Alternate2</source><extracomment>centimeter</extracomment><translation>centimetre</translation></message>
<message><source>eSCentimeter_Name_Alternate3</source><extracomment>centimeter</extracomment><translation>centimetres</translation></message>
<message><source>eSMillimeter_Name_Alternate2</source><extracomment>millimeter</extracomment><translation>millimetre</translation></message>
<message><source>eSMillimeter_Name_Alternate3</source><extracomment>millimeter</extracomment><translation>millimetres</translation></message>
<message><source>eSMicrometer_Name_Alternate2</source><extracomment>micrometer</extracomment><translation>micrometre</translation></message>
<message><source>eSMicrometer_Name_Alternate3</source><extracomment>micrometer</extracomment><translation>micrometres</translation></message>
<message><source>eSmum_Alternate1</source><extracomment>micrometer</extracomment><translation>μm</translation></message>
<message><source>eSNanometer_Name_Alternate2</source><extracomment>nanometer</extracomment><translation>nanometre</translation></message>
<message><source>eSNanometer_Name_Alternate3</source><extracomment>nanometer</extracomment><translation>nanometres</translation></message>
<message><source>eSInch_Name_Alternate2</source><extracomment>inch</extracomment><translation>in.</translation></message>
<message><source>eSFoot_Name_Alternate2</source><extracomment>foot</extracomment><translation>ft.</translation></message>
<message><source>eSFootUSSurvey_Name_Alternate1</source><extracomment>foot (U.S. Survey)</extracomment><translation>US survey foot</translation></message>
<message><source>eSFootUSSurvey_Name_Alternate2</source><extracomment>foot (U.S. Survey)</extracomment><translation>US survey feet</translation></message>
<message><source>eSFootUSSurvey_Name_Alternate3</source><extracomment>foot (U.S. Survey)</extracomment><translation>survey foot</translation></message>
<message><source>eSFootUSSurvey_Name_Alternate4</source><extracomment>foot (U.S. Survey)</extracomment><translation>survey feet</translation></message>
<message><source>eSFootUSSurvey_Name_Alternate5</source><extracomment>foot (U.S. Survey)</extracomment><translation>ftUS</translation></message>
<message><source>eSFootUSSurvey_Name_Alternate6</source><extracomment>foot (U.S. Survey)</extracomment><translation>usft</translation></message>
<message><source>eSFootUSSurvey_Name_Alternate7</source><extracomment>foot (U.S. Survey)</extracomment><translation>US ft</translation></message>
<message><source>eSYard_Name_Alternate2</source><extracomment>yard</extracomment><translation>yds</translation></message>
<message><source>eSmu_Alternate1</source><extracomment>micron</extracomment><translation>μ</translation></message>
<message><source>eSmuin_Alternate1</source><extracomment>microinch</extracomment><translation>μin</translation></message>
<message><source>eSAngstrom_Name_Alternate2</source><extracomment>angstrom</extracomment><translation>Å</translation></message>
<message><source>eSAngstrom_Name_Alternate3</source><extracomment>angstrom</extracomment><translation>ångström</translation></message>
<message><source>eSAngstrom_Name_Alternate4</source><extracomment>angstrom</extracomment><translation>ångströms</translation></message>
<message><source>eSAstronomicalUnit_Name_Alternate1</source><extracomment>astronomical unit</extracomment><translation>AU</translation></message>
<message><source>eSFathom_Name_Alternate2</source><extracomment>fathom</extracomment><translation>ftm</translation></message>
<message><source>eSLightYear_Name_Alternate2</source><extracomment>light-year</extracomment><translation>light year</translation></message>
<message><source>eSLightYear_Name_Alternate3</source><extracomment>light-year</extracomment><translation>light years</translation></message>
<message><source>eSMilSwedenAndNorway_Name_Alternate1</source><extracomment>mil (Sweden and Norway)</extracomment><translation>Scandinavian mile</translation></message>
<message><source>eSMilSwedenAndNorway_Name_Alternate2</source><extracomment>mil (Sweden and Norway)</extracomment><translation>Scandinavian miles</translation></message>
</context>
<context>
<name>UnitSymbol_Area</name>
<message><source>eSSquareMeter_Name_Alternate2</source><extracomment>square meter</extracomment><translation>square metre</translation></message>
<message><source>eSSquareMeter_Name_Alternate3</source><extracomment>square meter</extracomment><translation>square metres</translation></message>
<message><source>eSSquareMeter_Name_Alternate4</source><extracomment>square meter</extracomment><translation>sqm</translation></message>
<message><source>eSSquareMeter_Name_Alternate5</source><extracomment>square meter</extracomment><translation>sq. m</translation></message>
<message><source>eSm2_Alternate1</source><extracomment>square meter</extracomment><translatorcomment>generated from «m²»</translatorcomment><translation>m2</translation></message>
<message><source>eSm2_Alternate2</source><extracomment>square meter</extracomment><translatorcomment>generated from «m²»</translatorcomment><translation>m^2</translation></message>
<message><source>eSSquareInch_Name_Alternate2</source><extracomment>square inch</extracomment><translation>sqin</translation></message>
<message><source>eSSquareInch_Name_Alternate3</source><extracomment>square inch</extracomment><translation>sq. in.</translation></message>
<message><source>eSin2_Alternate1</source><extracomment>square inch</extracomment><translatorcomment>generated from «in²»</translatorcomment><translation>in2</translation></message>
<message><source>eSin2_Alternate2</source><extracomment>square inch</extracomment><translatorcomment>generated from «in²»</translatorcomment><translation>in^2</translation></message>
<message><source>eSSquareFoot_Name_Alternate2</source><extracomment>square foot</extracomment><translation>sqft</translation></message>
<message><source>eSSquareFoot_Name_Alternate3</source><extracomment>square foot</extracomment><translation>sq. ft.</translation></message>
<message><source>eSSquareFoot_Name_Alternate4</source><extracomment>square foot</extracomment><translation>sq.ft.</translation></message>
<message><source>eSSquareFoot_Name_Alternate5</source><extracomment>square foot</extracomment><translation>SF</translation></message>
<message><source>eSft2_Alternate1</source><extracomment>square foot</extracomment><translatorcomment>generated from «ft²»</translatorcomment><translation>ft2</translation></message>
<message><source>eSft2_Alternate2</source><extracomment>square foot</extracomment><translatorcomment>generated from «ft²»</translatorcomment><translation>ft^2</translation></message>
<message><source>eSSquareYard_Name_Alternate2</source><extracomment>square yard</extracomment><translation>sqyd</translation></message>
<message><source>eSSquareYard_Name_Alternate3</source><extracomment>square yard</extracomment><translation>sq. yd.</translation></message>
<message><source>eSyd2_Alternate1</source><extracomment>square yard</extracomment><translatorcomment>generated from «yd²»</translatorcomment><translation>yd2</translation></message>
<message><source>eSyd2_Alternate2</source><extracomment>square yard</extracomment><translatorcomment>generated from «yd²»</translatorcomment><translation>yd^2</translation></message>
<message><source>eSSquareKilometer_Name_Alternate2</source><extracomment>square kilometer</extracomment><translation>square kilometre</translation></message>
<message><source>eSSquareKilometer_Name_Alternate3</source><extracomment>square kilometer</extracomment><translation>square kilometres</translation></message>
<message><source>eSSquareKilometer_Name_Alternate4</source><extracomment>square kilometer</extracomment><translation>sqkm</translation></message>
<message><source>eSkm2_Alternate1</source><extracomment>square kilometer</extracomment><translatorcomment>generated from «km²»</translatorcomment><translation>km2</translation></message>
<message><source>eSkm2_Alternate2</source><extracomment>square kilometer</extracomment><translatorcomment>generated from «km²»</translatorcomment><translation>km^2</translation></message>
<message><source>eSSquareMile_Name_Alternate2</source><extracomment>square mile</extracomment><translation>sqmi</translation></message>
<message><source>eSmi2_Alternate1</source><extracomment>square mile</extracomment><translatorcomment>generated from «mi²»</translatorcomment><translation>mi2</translation></message>
<message><source>eSmi2_Alternate2</source><extracomment>square mile</extracomment><translatorcomment>generated from «mi²»</translatorcomment><translation>mi^2</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate2</source><extracomment>square centimeter</extracomment><translation>square centimetre</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate3</source><extracomment>square centimeter</extracomment><translation>square centimetres</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate4</source><extracomment>square centimeter</extracomment><translation>sqcm</translation></message>
<message><source>eScm2_Alternate1</source><extracomment>square centimeter</extracomment><translatorcomment>generated from «cm²»</translatorcomment><translation>cm2</translation></message>
<message><source>eScm2_Alternate2</source><extracomment>square centimeter</extracomment><translatorcomment>generated from «cm²»</translatorcomment><translation>cm^2</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate2</source><extracomment>square millimeter</extracomment><translation>square millimetre</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate3</source><extracomment>square millimeter</extracomment><translation>square millimetres</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate4</source><extracomment>square millimeter</extracomment><translation>sqmm</translation></message>
<message><source>eSmm2_Alternate1</source><extracomment>square millimeter</extracomment><translatorcomment>generated from «mm²»</translatorcomment><translation>mm2</translation></message>
<message><source>eSmm2_Alternate2</source><extracomment>square millimeter</extracomment><translatorcomment>generated from «mm²»</translatorcomment><translation>mm^2</translation></message>
<message><source>eSKiloCircularMil_Name_Alternate1</source><extracomment>kilo-circular mil</extracomment><translation>MCM</translation></message>
<message><source>eSAWithRingAbove2_Alternate1</source><extracomment>square angstrom</extracomment><translatorcomment>generated from «Å²»</translatorcomment><translation>Å2</translation></message>
<message><source>eSAWithRingAbove2_Alternate2</source><extracomment>square angstrom</extracomment><translatorcomment>generated from «Å²»</translatorcomment><translation>Å^2</translation></message>
<message><source>eSdm2_Alternate1</source><extracomment>square decimeter</extracomment><translatorcomment>generated from «dm²»</translatorcomment><translation>dm2</translation></message>
<message><source>eSdm2_Alternate2</source><extracomment>square decimeter</extracomment><translatorcomment>generated from «dm²»</translatorcomment><translation>dm^2</translation></message>
<message><source>eSfur2_Alternate1</source><extracomment>square furlong</extracomment><translatorcomment>generated from «fur²»</translatorcomment><translation>fur2</translation></message>
<message><source>eSfur2_Alternate2</source><extracomment>square furlong</extracomment><translatorcomment>generated from «fur²»</translatorcomment><translation>fur^2</translation></message>
<message><source>eSGm2_Alternate1</source><extracomment>square gigameter</extracomment><translatorcomment>generated from «Gm²»</translatorcomment><translation>Gm2</translation></message>
<message><source>eSGm2_Alternate2</source><extracomment>square gigameter</extracomment><translatorcomment>generated from «Gm²»</translatorcomment><translation>Gm^2</translation></message>
<message><source>eSNL2_Alternate1</source><extracomment>square nautical league</extracomment><translatorcomment>generated from «NL²»</translatorcomment><translation>NL2</translation></message>
<message><source>eSNL2_Alternate2</source><extracomment>square nautical league</extracomment><translatorcomment>generated from «NL²»</translatorcomment><translation>NL^2</translation></message>
<message><source>eSnl2_Alternate1</source><extracomment>square nautical league</extracomment><translatorcomment>generated from «nl²»</translatorcomment><translation>nl2</translation></message>
<message><source>eSnl2_Alternate2</source><extracomment>square nautical league</extracomment><translatorcomment>generated from «nl²»</translatorcomment><translation>nl^2</translation></message>
<message><source>eSlea2_Alternate1</source><extracomment>square league (statute)</extracomment><translatorcomment>generated from «lea²»</translatorcomment><translation>lea2</translation></message>
<message><source>eSlea2_Alternate2</source><extracomment>square league (statute)</extracomment><translatorcomment>generated from «lea²»</translatorcomment><translation>lea^2</translation></message>
<message><source>eSly2_Alternate1</source><extracomment>square light-year</extracomment><translatorcomment>generated from «ly²»</translatorcomment><translation>ly2</translation></message>
<message><source>eSly2_Alternate2</source><extracomment>square light-year</extracomment><translatorcomment>generated from «ly²»</translatorcomment><translation>ly^2</translation></message>
<message><source>eSsqdotydot2_Alternate1</source><extracomment>square light-year</extracomment><translatorcomment>generated from «l.y.²»</translatorcomment><translation>l.y.2</translation></message>
<message><source>eSsqdotydot2_Alternate2</source><extracomment>square light-year</extracomment><translatorcomment>generated from «l.y.²»</translatorcomment><translation>l.y.^2</translation></message>
<message><source>eSlnk2_Alternate1</source><extracomment>square link</extracomment><translatorcomment>generated from «lnk²»</translatorcomment><translation>lnk2</translation></message>
<message><source>eSlnk2_Alternate2</source><extracomment>square link</extracomment><translatorcomment>generated from «lnk²»</translatorcomment><translation>lnk^2</translation></message>
<message><source>eSsqmu2_Alternate1</source><extracomment>square micron</extracomment><translatorcomment>generated from «µ²»</translatorcomment><translation>u2</translation></message>
<message><source>eSsqmu2_Alternate2</source><extracomment>square micron</extracomment><translatorcomment>generated from «µ²»</translatorcomment><translation>u^2</translation></message>
<message><source>eSNM2_Adm_Alternate1</source><extracomment>square mile (UK nautical)</extracomment><translatorcomment>generated from «NM² (UK)»</translatorcomment><translation>NM2 (UK)</translation></message>
<message><source>eSNM2_Adm_Alternate2</source><extracomment>square mile (UK nautical)</extracomment><translatorcomment>generated from «NM² (UK)»</translatorcomment><translation>NM^2 (UK)</translation></message>
<message><source>eSnmi2_Adm_Alternate1</source><extracomment>square mile (UK nautical)</extracomment><translatorcomment>generated from «nmi² (UK)»</translatorcomment><translation>nmi2 (UK)</translation></message>
<message><source>eSnmi2_Adm_Alternate2</source><extracomment>square mile (UK nautical)</extracomment><translatorcomment>generated from «nmi² (UK)»</translatorcomment><translation>nmi^2 (UK)</translation></message>
<message><source>eSmi2_Statute_Alternate1</source><extracomment>square mile (statute)</extracomment><translatorcomment>generated from «mi² (statute)»</translatorcomment><translation>mi2 (statute)</translation></message>
<message><source>eSmi2_Statute_Alternate2</source><extracomment>square mile (statute)</extracomment><translatorcomment>generated from «mi² (statute)»</translatorcomment><translation>mi^2 (statute)</translation></message>
<message><source>eSpc2_Alternate1</source><extracomment>square parsec</extracomment><translatorcomment>generated from «pc²»</translatorcomment><translation>pc2</translation></message>
<message><source>eSpc2_Alternate2</source><extracomment>square parsec</extracomment><translatorcomment>generated from «pc²»</translatorcomment><translation>pc^2</translation></message>
<message><source>eSrd2_Alternate1</source><extracomment>square perch</extracomment><translatorcomment>generated from «rd²»</translatorcomment><translation>rd2</translation></message>
<message><source>eSrd2_Alternate2</source><extracomment>square perch</extracomment><translatorcomment>generated from «rd²»</translatorcomment><translation>rd^2</translation></message>
<message><source>eSAU2_Alternate1</source><extracomment>square astronomical unit</extracomment><translatorcomment>generated from «au²»</translatorcomment><translation>au2</translation></message>
<message><source>eSAU2_Alternate2</source><extracomment>square astronomical unit</extracomment><translatorcomment>generated from «au²»</translatorcomment><translation>au^2</translation></message>
</context>
<context>
<name>UnitSymbol_Volume</name>
<message><source>eSLiter_Name_Alternate2</source><extracomment>liter</extracomment><translation>litre</translation></message>
<message><source>eSLiter_Name_Alternate3</source><extracomment>liter</extracomment><translation>litres</translation></message>
<message><source>eSLiter_Name_Alternate4</source><extracomment>liter</extracomment><translation>l</translation></message>
<message><source>eSLiter_Name_Alternate5</source><extracomment>liter</extracomment><translation>ℓ</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate2</source><extracomment>cubic centimeter</extracomment><translation>cubic centimetre</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate3</source><extracomment>cubic centimeter</extracomment><translation>cubic centimetres</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate4</source><extracomment>cubic centimeter</extracomment><translation>㏄</translation></message>
<message><source>eScm3_Alternate1</source><extracomment>cubic centimeter</extracomment><translatorcomment>generated from «cm³»</translatorcomment><translation>cm3</translation></message>
<message><source>eScm3_Alternate2</source><extracomment>cubic centimeter</extracomment><translatorcomment>generated from «cm³»</translatorcomment><translation>cm^3</translation></message>
<message><source>eSTablespoon_Name_Alternate2</source><extracomment>tablespoon</extracomment><translation>Tbsp</translation></message>
<message><source>eSTablespoon_Name_Alternate3</source><extracomment>tablespoon</extracomment><translation>tbs</translation></message>
<message><source>eSFluidOunceUS_Name_Alternate1</source><extracomment>fluid ounce (U.S.)</extracomment><translation>fl oz</translation></message>
<message><source>eSFluidOunceUS_Name_Alternate2</source><extracomment>fluid ounce (U.S.)</extracomment><translation>fl. oz.</translation></message>
<message><source>eSFluidOunceUS_Name_Alternate3</source><extracomment>fluid ounce (U.S.)</extracomment><translation>floz</translation></message>
<message><source>eSFluidOunceUS_Name_Alternate4</source><extracomment>fluid ounce (U.S.)</extracomment><translation>fluid ounce</translation></message>
<message><source>eSFluidOunceUS_Name_Alternate5</source><extracomment>fluid ounce (U.S.)</extracomment><translation>fluid ounces</translation></message>
<message><source>eSQuartUSFluid_Name_Alternate1</source><extracomment>quart (U.S. fluid)</extracomment><translation>qt</translation></message>
<message><source>eSQuartUSFluid_Name_Alternate2</source><extracomment>quart (U.S. fluid)</extracomment><translation>quart</translation></message>
<message><source>eSQuartUSFluid_Name_Alternate3</source><extracomment>quart (U.S. fluid)</extracomment><translation>quarts</translation></message>
<message><source>eSGallonImperial_Name_Alternate1</source><extracomment>gallon (imperial)</extracomment><translation>imp gal</translation></message>
<message><source>eSGallonImperial_Name_Alternate2</source><extracomment>gallon (imperial)</extracomment><translation>UK gal</translation></message>
<message><source>eSGallonImperial_Name_Alternate3</source><extracomment>gallon (imperial)</extracomment><translation>imperial gallon</translation></message>
<message><source>eSGallonImperial_Name_Alternate4</source><extracomment>gallon (imperial)</extracomment><translation>imperial gallons</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate1</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>gal</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate2</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>gals</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate3</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>gallon</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate4</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>gallons</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate5</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>US gal</translation></message>
<message><source>eSBushelUSDryLevel_Name_Alternate1</source><extracomment>bushel (U.S. dry level)</extracomment><translation>bu</translation></message>
<message><source>eSBushelUSDryLevel_Name_Alternate2</source><extracomment>bushel (U.S. dry level)</extracomment><translation>bushel</translation></message>
<message><source>eSBushelUSDryLevel_Name_Alternate3</source><extracomment>bushel (U.S. dry level)</extracomment><translation>bushels</translation></message>
<message><source>eSCentiliter_Name_Alternate1</source><extracomment>centiliter</extracomment><translation>cl</translation></message>
<message><source>eSCubicFoot_Name_Alternate2</source><extracomment>cubic foot</extracomment><translation>cuft</translation></message>
<message><source>eSCubicFoot_Name_Alternate3</source><extracomment>cubic foot</extracomment><translation>cu. ft.</translation></message>
<message><source>eSCubicFoot_Name_Alternate4</source><extracomment>cubic foot</extracomment><translation>CF</translation></message>
<message><source>eSft3_Alternate1</source><extracomment>cubic foot</extracomment><translatorcomment>generated from «ft³»</translatorcomment><translation>ft3</translation></message>
<message><source>eSft3_Alternate2</source><extracomment>cubic foot</extracomment><translatorcomment>generated from «ft³»</translatorcomment><translation>ft^3</translation></message>
<message><source>eSCubicInch_Name_Alternate2</source><extracomment>cubic inch</extracomment><translation>cuin</translation></message>
<message><source>eSCubicInch_Name_Alternate3</source><extracomment>cubic inch</extracomment><translation>cu. in.</translation></message>
<message><source>eSin3_Alternate1</source><extracomment>cubic inch</extracomment><translatorcomment>generated from «in³»</translatorcomment><translation>in3</translation></message>
<message><source>eSin3_Alternate2</source><extracomment>cubic inch</extracomment><translatorcomment>generated from «in³»</translatorcomment><translation>in^3</translation></message>
<message><source>eSCubicMeter_Name_Alternate2</source><extracomment>cubic meter</extracomment><translation>cubic metre</translation></message>
<message><source>eSCubicMeter_Name_Alternate3</source><extracomment>cubic meter</extracomment><translation>cubic metres</translation></message>
<message><source>eSCubicMeter_Name_Alternate4</source><extracomment>cubic meter</extracomment><translation>cbm</translation></message>
<message><source>eSm3_Alternate1</source><extracomment>cubic meter</extracomment><translatorcomment>generated from «m³»</translatorcomment><translation>m3</translation></message>
<message><source>eSm3_Alternate2</source><extracomment>cubic meter</extracomment><translatorcomment>generated from «m³»</translatorcomment><translation>m^3</translation></message>
<message><source>eSCubicYard_Name_Alternate2</source><extracomment>cubic yard</extracomment><translation>cuyd</translation></message>
<message><source>eSCubicYard_Name_Alternate3</source><extracomment>cubic yard</extracomment><translation>cu. yd.</translation></message>
<message><source>eSCubicYard_Name_Alternate4</source><extracomment>cubic yard</extracomment><translation>CY</translation></message>
<message><source>eSyd3_Alternate1</source><extracomment>cubic yard</extracomment><translatorcomment>generated from «yd³»</translatorcomment><translation>yd3</translation></message>
<message><source>eSyd3_Alternate2</source><extracomment>cubic yard</extracomment><translatorcomment>generated from «yd³»</translatorcomment><translation>yd^3</translation></message>
<message><source>eSMicroliter_Name_Alternate2</source><extracomment>microliter</extracomment><translation>microlitres</translation></message>
<message><source>eSMicroliter_Name_Alternate3</source><extracomment>microliter</extracomment><translation>µl</translation></message>
<message><source>eSMicroliter_Name_Alternate4</source><extracomment>microliter</extracomment><translatorcomment>generated from «µl»</translatorcomment><translation>ul</translation></message>
<message><source>eSmuL_Alternate1</source><extracomment>microliter</extracomment><translation>μL</translation></message>
<message><source>eSmuL_Alternate2</source><extracomment>microliter</extracomment><translation>μl</translation></message>
<message><source>eSMilliliter_Name_Alternate2</source><extracomment>milliliter</extracomment><translation>millilitre</translation></message>
<message><source>eSMilliliter_Name_Alternate3</source><extracomment>milliliter</extracomment><translation>millilitres</translation></message>
<message><source>eSMilliliter_Name_Alternate4</source><extracomment>milliliter</extracomment><translation>ml</translation></message>
<message><source>eSMilliliter_Name_Alternate5</source><extracomment>milliliter</extracomment><translation>㎖</translation></message>
<message><source>eSPintUSFluid_Name_Alternate1</source><extracomment>pint (U.S. fluid)</extracomment><translation>pt</translation></message>
<message><source>eSPintUSFluid_Name_Alternate2</source><extracomment>pint (U.S. fluid)</extracomment><translation>pint</translation></message>
<message><source>eSPintUSFluid_Name_Alternate3</source><extracomment>pint (U.S. fluid)</extracomment><translation>pints</translation></message>
<message><source>eSCubicMillimeter_Name_Alternate2</source><extracomment>cubic millimeter</extracomment><translation>cubic millimetres</translation></message>
<message><source>eSmm3_Alternate1</source><extracomment>cubic millimeter</extracomment><translatorcomment>generated from «mm³»</translatorcomment><translation>mm3</translation></message>
<message><source>eSmm3_Alternate2</source><extracomment>cubic millimeter</extracomment><translatorcomment>generated from «mm³»</translatorcomment><translation>mm^3</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate1</source><extracomment>barrel (petroleum)</extracomment><translation>barrels</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate2</source><extracomment>barrel (petroleum)</extracomment><translation>bbls</translation></message>
<message><source>eSBoardFoot_Name_Alternate1</source><extracomment>board-foot</extracomment><translation>board feet</translation></message>
<message><source>eSBoardFoot_Name_Alternate2</source><extracomment>board-foot</extracomment><translation>board foot</translation></message>
<message><source>eSBoardFoot_Name_Alternate3</source><extracomment>board-foot</extracomment><translation>bd ft</translation></message>
<message><source>eSBoardFoot_Name_Alternate4</source><extracomment>board-foot</extracomment><translation>BF</translation></message>
<message><source>eSBoardFoot_Name_Alternate5</source><extracomment>board-foot</extracomment><translation>FBM</translation></message>
<message><source>eSDekaliter_Name_Alternate1</source><extracomment>dekaliter</extracomment><translation>dal</translation></message>
<message><source>eSAWithRingAbove3_Alternate1</source><extracomment>cubic angstrom</extracomment><translatorcomment>generated from «Å³»</translatorcomment><translation>Å3</translation></message>
<message><source>eSAWithRingAbove3_Alternate2</source><extracomment>cubic angstrom</extracomment><translatorcomment>generated from «Å³»</translatorcomment><translation>Å^3</translation></message>
<message><source>eSAU3_Alternate1</source><extracomment>cubic astronomical unit</extracomment><translatorcomment>generated from «au³»</translatorcomment><translation>au3</translation></message>
<message><source>eSAU3_Alternate2</source><extracomment>cubic astronomical unit</extracomment><translatorcomment>generated from «au³»</translatorcomment><translation>au^3</translation></message>
<message><source>eSch3_Alternate1</source><extracomment>cubic chain</extracomment><translatorcomment>generated from «ch³»</translatorcomment><translation>ch3</translation></message>
<message><source>eSch3_Alternate2</source><extracomment>cubic chain</extracomment><translatorcomment>generated from «ch³»</translatorcomment><translation>ch^3</translation></message>
<message><source>eSfm3_Alternate1</source><extracomment>cubic fathom</extracomment><translatorcomment>generated from «fath³»</translatorcomment><translation>fath3</translation></message>
<message><source>eSfm3_Alternate2</source><extracomment>cubic fathom</extracomment><translatorcomment>generated from «fath³»</translatorcomment><translation>fath^3</translation></message>
<message><source>eSfur3_Alternate1</source><extracomment>cubic furlong</extracomment><translatorcomment>generated from «fur³»</translatorcomment><translation>fur3</translation></message>
<message><source>eSfur3_Alternate2</source><extracomment>cubic furlong</extracomment><translatorcomment>generated from «fur³»</translatorcomment><translation>fur^3</translation></message>
<message><source>eSGm3_Alternate1</source><extracomment>cubic gigameter</extracomment><translatorcomment>generated from «Gm³»</translatorcomment><translation>Gm3</translation></message>
<message><source>eSGm3_Alternate2</source><extracomment>cubic gigameter</extracomment><translatorcomment>generated from «Gm³»</translatorcomment><translation>Gm^3</translation></message>
<message><source>eShm3_Alternate1</source><extracomment>cubic hectometer</extracomment><translatorcomment>generated from «hm³»</translatorcomment><translation>hm3</translation></message>
<message><source>eShm3_Alternate2</source><extracomment>cubic hectometer</extracomment><translatorcomment>generated from «hm³»</translatorcomment><translation>hm^3</translation></message>
<message><source>eSNL3_Alternate1</source><extracomment>cubic nautical league</extracomment><translatorcomment>generated from «NL³»</translatorcomment><translation>NL3</translation></message>
<message><source>eSNL3_Alternate2</source><extracomment>cubic nautical league</extracomment><translatorcomment>generated from «NL³»</translatorcomment><translation>NL^3</translation></message>
<message><source>eSnl3_Alternate1</source><extracomment>cubic nautical league</extracomment><translatorcomment>generated from «nl³»</translatorcomment><translation>nl3</translation></message>
<message><source>eSnl3_Alternate2</source><extracomment>cubic nautical league</extracomment><translatorcomment>generated from «nl³»</translatorcomment><translation>nl^3</translation></message>
<message><source>eSlea3_Alternate1</source><extracomment>cubic league (statute)</extracomment><translatorcomment>generated from «lea³»</translatorcomment><translation>lea3</translation></message>
<message><source>eSlea3_Alternate2</source><extracomment>cubic league (statute)</extracomment><translatorcomment>generated from «lea³»</translatorcomment><translation>lea^3</translation></message>
<message><source>eSly3_Alternate1</source><extracomment>cubic light-year</extracomment><translatorcomment>generated from «ly³»</translatorcomment><translation>ly3</translation></message>
<message><source>eSly3_Alternate2</source><extracomment>cubic light-year</extracomment><translatorcomment>generated from «ly³»</translatorcomment><translation>ly^3</translation></message>
<message><source>eSldotydot3_Alternate1</source><extracomment>cubic light-year</extracomment><translatorcomment>generated from «l.y.³»</translatorcomment><translation>l.y.3</translation></message>
<message><source>eSldotydot3_Alternate2</source><extracomment>cubic light-year</extracomment><translatorcomment>generated from «l.y.³»</translatorcomment><translation>l.y.^3</translation></message>
<message><source>eSlnk3_Alternate1</source><extracomment>cubic link</extracomment><translatorcomment>generated from «lnk³»</translatorcomment><translation>lnk3</translation></message>
<message><source>eSlnk3_Alternate2</source><extracomment>cubic link</extracomment><translatorcomment>generated from «lnk³»</translatorcomment><translation>lnk^3</translation></message>
<message><source>eSmil3_Alternate1</source><extracomment>cubic mil</extracomment><translatorcomment>generated from «mil³»</translatorcomment><translation>mil3</translation></message>
<message><source>eSmil3_Alternate2</source><extracomment>cubic mil</extracomment><translatorcomment>generated from «mil³»</translatorcomment><translation>mil^3</translation></message>
<message><source>eSNM3_Adm_Alternate1</source><extracomment>cubic mile (UK nautical)</extracomment><translatorcomment>generated from «NM³ (UK)»</translatorcomment><translation>NM3 (UK)</translation></message>
<message><source>eSNM3_Adm_Alternate2</source><extracomment>cubic mile (UK nautical)</extracomment><translatorcomment>generated from «NM³ (UK)»</translatorcomment><translation>NM^3 (UK)</translation></message>
<message><source>eSnmi3_Adm_Alternate1</source><extracomment>cubic mile (UK nautical)</extracomment><translatorcomment>generated from «nmi³ (UK)»</translatorcomment><translation>nmi3 (UK)</translation></message>
<message><source>eSnmi3_Adm_Alternate2</source><extracomment>cubic mile (UK nautical)</extracomment><translatorcomment>generated from «nmi³ (UK)»</translatorcomment><translation>nmi^3 (UK)</translation></message>
<message><source>eSmi3_Alternate1</source><extracomment>cubic mile</extracomment><translatorcomment>generated from «mi³»</translatorcomment><translation>mi3</translation></message>
<message><source>eSmi3_Alternate2</source><extracomment>cubic mile</extracomment><translatorcomment>generated from «mi³»</translatorcomment><translation>mi^3</translation></message>
<message><source>eSNM3_Alternate1</source><extracomment>cubic nautical mile</extracomment><translatorcomment>generated from «NM³»</translatorcomment><translation>NM3</translation></message>
<message><source>eSNM3_Alternate2</source><extracomment>cubic nautical mile</extracomment><translatorcomment>generated from «NM³»</translatorcomment><translation>NM^3</translation></message>
<message><source>eSnmi3_Alternate1</source><extracomment>cubic nautical mile</extracomment><translatorcomment>generated from «nmi³»</translatorcomment><translation>nmi3</translation></message>
<message><source>eSnmi3_Alternate2</source><extracomment>cubic nautical mile</extracomment><translatorcomment>generated from «nmi³»</translatorcomment><translation>nmi^3</translation></message>
<message><source>eSmi3_Statute_Alternate1</source><extracomment>cubic mile (statute)</extracomment><translatorcomment>generated from «mi³ (statute)»</translatorcomment><translation>mi3 (statute)</translation></message>
<message><source>eSmi3_Statute_Alternate2</source><extracomment>cubic mile (statute)</extracomment><translatorcomment>generated from «mi³ (statute)»</translatorcomment><translation>mi^3 (statute)</translation></message>
<message><source>eSpc3_Alternate1</source><extracomment>cubic parsec</extracomment><translatorcomment>generated from «pc³»</translatorcomment><translation>pc3</translation></message>
<message><source>eSpc3_Alternate2</source><extracomment>cubic parsec</extracomment><translatorcomment>generated from «pc³»</translatorcomment><translation>pc^3</translation></message>
<message><source>eSrd3_Alternate1</source><extracomment>cubic perch</extracomment><translatorcomment>generated from «rd³»</translatorcomment><translation>rd3</translation></message>
<message><source>eSrd3_Alternate2</source><extracomment>cubic perch</extracomment><translatorcomment>generated from «rd³»</translatorcomment><translation>rd^3</translation></message>
<message><source>eSCubicDecimeter_Name_Alternate2</source><extracomment>cubic decimeter</extracomment><translation>cubic decimetres</translation></message>
<message><source>eSdm3_Alternate1</source><extracomment>cubic decimeter</extracomment><translatorcomment>generated from «dm³»</translatorcomment><translation>dm3</translation></message>
<message><source>eSdm3_Alternate2</source><extracomment>cubic decimeter</extracomment><translatorcomment>generated from «dm³»</translatorcomment><translation>dm^3</translation></message>
<message><source>eSMinimUS_Name_Alternate1</source><extracomment>minim (U.S.)</extracomment><translation>minim</translation></message>
<message><source>eSMinimUS_Name_Alternate2</source><extracomment>minim (U.S.)</extracomment><translation>minims</translation></message>
<message><source>eSKiloliter_Name_Alternate2</source><extracomment>kiloliter</extracomment><translation>kilolitres</translation></message>
<message><source>eSKiloliter_Name_Alternate3</source><extracomment>kiloliter</extracomment><translation>kl</translation></message>
<message><source>eSHogsheadUS_Name_Alternate1</source><extracomment>hogshead (U.S.)</extracomment><translation>hhd</translation></message>
<message><source>eSHogsheadUS_Name_Alternate2</source><extracomment>hogshead (U.S.)</extracomment><translation>hogshead</translation></message>
<message><source>eSHogsheadUS_Name_Alternate3</source><extracomment>hogshead (U.S.)</extracomment><translation>hogsheads</translation></message>
<message><source>eSGillUS_Name_Alternate1</source><extracomment>gill (U.S.)</extracomment><translation>gi</translation></message>
<message><source>eSGillUS_Name_Alternate2</source><extracomment>gill (U.S.)</extracomment><translation>gill</translation></message>
<message><source>eSGillUS_Name_Alternate3</source><extracomment>gill (U.S.)</extracomment><translation>gills</translation></message>
<message><source>eSAcreFoot_Name_Alternate1</source><extracomment>acre-foot</extracomment><translation>ac·ft</translation></message>
<message><source>eSAcreFoot_Name_Alternate2</source><extracomment>acre-foot</extracomment><translation>ac-ft</translation></message>
<message><source>eSAcreFoot_Name_Alternate3</source><extracomment>acre-foot</extracomment><translation>acre-ft</translation></message>
<message><source>eSAcreFoot_Name_Alternate5</source><extracomment>acre-foot</extracomment><translation>acre feet</translation></message>
<message><source>eSAcreInch_Name_Alternate1</source><extracomment>acre-inch</extracomment><translation>ac·in</translation></message>
<message><source>eSAcreInch_Name_Alternate2</source><extracomment>acre-inch</extracomment><translation>ac-in</translation></message>
<message><source>eSAcreInch_Name_Alternate3</source><extracomment>acre-inch</extracomment><translation>acre-in</translation></message>
<message><source>eSHectoliter_Name_Alternate2</source><extracomment>hectoliter</extracomment><translation>hectolitre</translation></message>
<message><source>eSHectoliter_Name_Alternate3</source><extracomment>hectoliter</extracomment><translation>hectolitres</translation></message>
<message><source>eSHectoliter_Name_Alternate4</source><extracomment>hectoliter</extracomment><translation>hl</translation></message>
<message><source>eSMegaliter_Name_Alternate2</source><extracomment>megaliter</extracomment><translation>megalitre</translation></message>
<message><source>eSMegaliter_Name_Alternate3</source><extracomment>megaliter</extracomment><translation>megalitres</translation></message>
<message><source>eSCubicKilometer_Name_Alternate2</source><extracomment>cubic kilometer</extracomment><translation>cubic kilometre</translation></message>
<message><source>eSCubicKilometer_Name_Alternate3</source><extracomment>cubic kilometer</extracomment><translation>cubic kilometres</translation></message>
<message><source>eSkm3_Alternate1</source><extracomment>cubic kilometer</extracomment><translatorcomment>generated from «km³»</translatorcomment><translation>km3</translation></message>
<message><source>eSkm3_Alternate2</source><extracomment>cubic kilometer</extracomment><translatorcomment>generated from «km³»</translatorcomment><translation>km^3</translation></message>
<message><source>eSDeciliter_Name_Alternate2</source><extracomment>deciliter</extracomment><translation>decilitre</translation></message>
<message><source>eSDeciliter_Name_Alternate3</source><extracomment>deciliter</extracomment><translation>decilitres</translation></message>
<message><source>eSDeciliter_Name_Alternate4</source><extracomment>deciliter</extracomment><translation>dl</translation></message>
</context>
<context>
<name>UnitSymbol_Mass</name>
<message><source>eSKilogram_Name_Alternate2</source><extracomment>kilogram</extracomment><translation>kilogramme</translation></message>
<message><source>eSKilogram_Name_Alternate3</source><extracomment>kilogram</extracomment><translation>kilogrammes</translation></message>
<message><source>eSKilogram_Name_Alternate4</source><extracomment>kilogram</extracomment><translation>kgs</translation></message>
<message><source>eSKilogram_Name_Alternate5</source><extracomment>kilogram</extracomment><translation>kilo</translation></message>
<message><source>eSKilogram_Name_Alternate6</source><extracomment>kilogram</extracomment><translation>kilos</translation></message>
<message><source>eSGram_Name_Alternate2</source><extracomment>gram</extracomment><translation>gramme</translation></message>
<message><source>eSGram_Name_Alternate3</source><extracomment>gram</extracomment><translation>grammes</translation></message>
<message><source>eSGram_Name_Alternate4</source><extracomment>gram</extracomment><translation>gm</translation></message>
<message><source>eSGram_Name_Alternate5</source><extracomment>gram</extracomment><translation>gms</translation></message>
<message><source>eSMegagram_Name_Alternate1</source><extracomment>megagram</extracomment><translation>t</translation></message>
<message><source>eSMegagram_Name_Alternate2</source><extracomment>megagram</extracomment><translation>tonne</translation></message>
<message><source>eSMegagram_Name_Alternate3</source><extracomment>megagram</extracomment><translation>tonnes</translation></message>
<message><source>eSMegagram_Name_Alternate4</source><extracomment>megagram</extracomment><translation>metric ton</translation></message>
<message><source>eSMegagram_Name_Alternate5</source><extracomment>megagram</extracomment><translation>metric tons</translation></message>
<message><source>eSMicrogram_Name_Alternate2</source><extracomment>microgram</extracomment><translation>mcg</translation></message>
<message><source>eSmug_Alternate1</source><extracomment>microgram</extracomment><translation>μg</translation></message>
<message><source>eSPound_Name_Alternate2</source><extracomment>pound</extracomment><translation>lbs</translation></message>
<message><source>eSPound_Name_Alternate3</source><extracomment>pound</extracomment><translation>lbm</translation></message>
<message><source>eSPound_Name_Alternate4</source><extracomment>pound</extracomment><translation>lb.</translation></message>
<message><source>eSPound_Name_Alternate5</source><extracomment>pound</extracomment><translation>℔</translation></message>
<message><source>eSPoundTroy_Name_Alternate1</source><extracomment>pound (troy)</extracomment><translation>troy pound</translation></message>
<message><source>eSPoundTroy_Name_Alternate2</source><extracomment>pound (troy)</extracomment><translation>troy pounds</translation></message>
<message><source>eSOunceAvoirdupois_Name_Alternate1</source><extracomment>ounce (avoirdupois)</extracomment><translation>ounce</translation></message>
<message><source>eSOunceAvoirdupois_Name_Alternate2</source><extracomment>ounce (avoirdupois)</extracomment><translation>ounces</translation></message>
<message><source>eSOunceApothecaryTroy_Name_Alternate1</source><extracomment>ounce (apothecary; troy)</extracomment><translation>troy ounce</translation></message>
<message><source>eSOunceApothecaryTroy_Name_Alternate2</source><extracomment>ounce (apothecary; troy)</extracomment><translation>troy ounces</translation></message>
<message><source>eSOunceApothecaryTroy_Name_Alternate3</source><extracomment>ounce (apothecary; troy)</extracomment><translation>ozt</translation></message>
<message><source>eSStone_Name_Alternate1</source><extracomment>stone</extracomment><translation>stones</translation></message>
<message><source>eSShortTon_Name_Alternate3</source><extracomment>short ton</extracomment><translation>tn</translation></message>
<message><source>eSShortHundredweight_Name_Alternate1</source><extracomment>short hundredweight</extracomment><translation>cwt</translation></message>
<message><source>eSShortHundredweight_Name_Alternate2</source><extracomment>short hundredweight</extracomment><translation>hundredweight</translation></message>
<message><source>eSShortHundredweight_Name_Alternate3</source><extracomment>short hundredweight</extracomment><translation>hundredweights</translation></message>
</context>
<context>
<name>UnitSymbol_AmountOfSubstance</name>
<message><source>eSmumol_Alternate1</source><extracomment>micromole</extracomment><translation>μmol</translation></message>
</context>
<context>
<name>UnitSymbol_Angle</name>
<message><source>eSDegree_Name_Alternate2</source><extracomment>degree</extracomment><translation>degs</translation></message>
<message><source>eSGrad_Name_Alternate1</source><extracomment>grad</extracomment><translation>gon</translation></message>
<message><source>eSGrad_Name_Alternate2</source><extracomment>grad</extracomment><translation>gons</translation></message>
<message><source>eSGrad_Name_Alternate4</source><extracomment>grad</extracomment><translation>gradian</translation></message>
<message><source>eSGrad_Name_Alternate5</source><extracomment>grad</extracomment><translation>gradians</translation></message>
<message><source>eSAngleMinute_Name_Alternate1</source><extracomment>angle minute</extracomment><translation>arcminute</translation></message>
<message><source>eSAngleMinute_Name_Alternate2</source><extracomment>angle minute</extracomment><translation>arcminutes</translation></message>
<message><source>eSAngleMinute_Name_Alternate3</source><extracomment>angle minute</extracomment><translation>arcmins</translation></message>
<message><source>eSAngleSecond_Name_Alternate1</source><extracomment>angle second</extracomment><translation>arcsecond</translation></message>
<message><source>eSAngleSecond_Name_Alternate2</source><extracomment>angle second</extracomment><translation>arcseconds</translation></message>
<message><source>eSAngleSecond_Name_Alternate3</source><extracomment>angle second</extracomment><translation>arcsecs</translation></message>
</context>
<context>
<name>UnitSymbol_AreaDensity</name>
<message><source>eSgPersqm_Alternate1</source><extracomment>gram per square meter</extracomment><translatorcomment>generated from «g/m²»</translatorcomment><translation>g/m2</translation></message>
<message><source>eSgPersqm_Alternate2</source><extracomment>gram per square meter</extracomment><translatorcomment>generated from «g/m²»</translatorcomment><translation>g/m^2</translation></message>
<message><source>eSgPerin2_Alternate1</source><extracomment>gram per square inch</extracomment><translatorcomment>generated from «g/in²»</translatorcomment><translation>g/in2</translation></message>
<message><source>eSgPerin2_Alternate2</source><extracomment>gram per square inch</extracomment><translatorcomment>generated from «g/in²»</translatorcomment><translation>g/in^2</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCurrent</name>
<message><source>eSAmpere_Name_Alternate1</source><extracomment>ampere</extracomment><translation>amp</translation></message>
<message><source>eSAmpere_Name_Alternate2</source><extracomment>ampere</extracomment><translation>amps</translation></message>
<message><source>eSKiloampere_Name_Alternate1</source><extracomment>kiloampere</extracomment><translation>kiloamps</translation></message>
<message><source>eSMilliampere_Name_Alternate1</source><extracomment>milliampere</extracomment><translation>milliamps</translation></message>
<message><source>eSMicroampere_Name_Alternate1</source><extracomment>microampere</extracomment><translation>microamps</translation></message>
<message><source>eSmuA_Alternate1</source><extracomment>microampere</extracomment><translation>μA</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCharge</name>
<message><source>eSAmpereHour_Name_Alternate1</source><extracomment>ampere hour</extracomment><translation>A·h</translation></message>
<message><source>eSAmpereHour_Name_Alternate2</source><extracomment>ampere hour</extracomment><translation>Ahr</translation></message>
<message><source>eSAmpereHour_Name_Alternate3</source><extracomment>ampere hour</extracomment><translation>amp-hour</translation></message>
<message><source>eSAmpereHour_Name_Alternate4</source><extracomment>ampere hour</extracomment><translation>amp-hours</translation></message>
<message><source>eSAmpereHour_Name_Alternate5</source><extracomment>ampere hour</extracomment><translation>ampere-hours</translation></message>
<message><source>eSMilliampereHour_Name_Alternate1</source><extracomment>milliampere hour</extracomment><translation>mA·h</translation></message>
<message><source>eSMilliampereHour_Name_Alternate2</source><extracomment>milliampere hour</extracomment><translation>mAhr</translation></message>
</context>
<context>
<name>UnitSymbol_Capacitance</name>
<message><source>eSmuF_Alternate1</source><extracomment>microfarad</extracomment><translation>μF</translation></message>
</context>
<context>
<name>UnitSymbol_BitRate</name>
<message><source>eSBitPerSecond_Name_Alternate1</source><extracomment>bit per second</extracomment><translation>b/s</translation></message>
<message><source>eSKilobitPerSecond_Name_Alternate1</source><extracomment>kilobit per second</extracomment><translation>kb/s</translation></message>
<message><source>eSMegabitPerSecond_Name_Alternate1</source><extracomment>megabit per second</extracomment><translation>Mb/s</translation></message>
<message><source>eSGigabitPerSecond_Name_Alternate1</source><extracomment>gigabit per second</extracomment><translation>Gb/s</translation></message>
<message><source>eSTerabitPerSecond_Name_Alternate1</source><extracomment>terabit per second</extracomment><translation>Tb/s</translation></message>
</context>
<context>
<name>UnitSymbol_Density</name>
<message><source>eSkmPerm3_Alternate1</source><extracomment>kilogram per cubic meter</extracomment><translatorcomment>generated from «kg/m³»</translatorcomment><translation>kg/m3</translation></message>
<message><source>eSkmPerm3_Alternate2</source><extracomment>kilogram per cubic meter</extracomment><translatorcomment>generated from «kg/m³»</translatorcomment><translation>kg/m^3</translation></message>
<message><source>eSPoundPerGallon_Name_Alternate1</source><extracomment>pound per gallon</extracomment><translation>lb/gal</translation></message>
<message><source>eSPoundPerGallon_Name_Alternate2</source><extracomment>pound per gallon</extracomment><translation>ppg</translation></message>
<message><source>eSOuncePerGallon_Name_Alternate1</source><extracomment>ounce per gallon</extracomment><translation>oz/gal</translation></message>
<message><source>eSPoundPerCubicFoot_Name_Alternate1</source><extracomment>pound per cubic foot</extracomment><translation>lb/ft³</translation></message>
<message><source>eSPoundPerCubicFoot_Name_Alternate2</source><extracomment>pound per cubic foot</extracomment><translation>lb/cu ft</translation></message>
<message><source>eSPoundPerCubicFoot_Name_Alternate3</source><extracomment>pound per cubic foot</extracomment><translation>lbm/ft³</translation></message>
<message><source>eSPoundPerCubicFoot_Name_Alternate4</source><extracomment>pound per cubic foot</extracomment><translatorcomment>generated from «lb/ft³»</translatorcomment><translation>lb/ft3</translation></message>
<message><source>eSPoundPerCubicFoot_Name_Alternate5</source><extracomment>pound per cubic foot</extracomment><translatorcomment>generated from «lb/ft³»</translatorcomment><translation>lb/ft^3</translation></message>
<message><source>eSPoundPerCubicFoot_Name_Alternate6</source><extracomment>pound per cubic foot</extracomment><translatorcomment>generated from «lbm/ft³»</translatorcomment><translation>lbm/ft3</translation></message>
<message><source>eSPoundPerCubicFoot_Name_Alternate7</source><extracomment>pound per cubic foot</extracomment><translatorcomment>generated from «lbm/ft³»</translatorcomment><translation>lbm/ft^3</translation></message>
<message><source>eSPoundPerCubicInch_Name_Alternate1</source><extracomment>pound per cubic inch</extracomment><translation>lb/in³</translation></message>
<message><source>eSPoundPerCubicInch_Name_Alternate2</source><extracomment>pound per cubic inch</extracomment><translation>lb/cu in</translation></message>
<message><source>eSPoundPerCubicInch_Name_Alternate3</source><extracomment>pound per cubic inch</extracomment><translatorcomment>generated from «lb/in³»</translatorcomment><translation>lb/in3</translation></message>
<message><source>eSPoundPerCubicInch_Name_Alternate4</source><extracomment>pound per cubic inch</extracomment><translatorcomment>generated from «lb/in³»</translatorcomment><translation>lb/in^3</translation></message>
</context>
<context>
<name>UnitSymbol_UnitWeight</name>
<message><source>eSNPerm3_Alternate1</source><extracomment>newton per cubic meter</extracomment><translatorcomment>generated from «N/m³»</translatorcomment><translation>N/m3</translation></message>
<message><source>eSNPerm3_Alternate2</source><extracomment>newton per cubic meter</extracomment><translatorcomment>generated from «N/m³»</translatorcomment><translation>N/m^3</translation></message>
<message><source>eSkNPerm3_Alternate1</source><extracomment>kilonewton per cubic meter</extracomment><translatorcomment>generated from «kN/m³»</translatorcomment><translation>kN/m3</translation></message>
<message><source>eSkNPerm3_Alternate2</source><extracomment>kilonewton per cubic meter</extracomment><translatorcomment>generated from «kN/m³»</translatorcomment><translation>kN/m^3</translation></message>
<message><source>eSPoundForcePerCubicFoot_Name_Alternate1</source><extracomment>pound force per cubic foot</extracomment><translation>lbf/ft³</translation></message>
<message><source>eSPoundForcePerCubicFoot_Name_Alternate2</source><extracomment>pound force per cubic foot</extracomment><translation>lbf/cu ft</translation></message>
<message><source>eSPoundForcePerCubicFoot_Name_Alternate3</source><extracomment>pound force per cubic foot</extracomment><translation>pcf</translation></message>
<message><source>eSPoundForcePerCubicFoot_Name_Alternate4</source><extracomment>pound force per cubic foot</extracomment><translatorcomment>generated from «lbf/ft³»</translatorcomment><translation>lbf/ft3</translation></message>
<message><source>eSPoundForcePerCubicFoot_Name_Alternate5</source><extracomment>pound force per cubic foot</extracomment><translatorcomment>generated from «lbf/ft³»</translatorcomment><translation>lbf/ft^3</translation></message>
<message><source>eSKipPerCubicInch_Name_Alternate1</source><extracomment>kip per cubic inch</extracomment><translation>kip/in³</translation></message>
<message><source>eSKipPerCubicInch_Name_Alternate2</source><extracomment>kip per cubic inch</extracomment><translation>kci</translation></message>
<message><source>eSKipPerCubicInch_Name_Alternate3</source><extracomment>kip per cubic inch</extracomment><translatorcomment>generated from «kip/in³»</translatorcomment><translation>kip/in3</translation></message>
<message><source>eSKipPerCubicInch_Name_Alternate4</source><extracomment>kip per cubic inch</extracomment><translatorcomment>generated from «kip/in³»</translatorcomment><translation>kip/in^3</translation></message>
<message><source>eSKipPerCubicFoot_Name_Alternate1</source><extracomment>kip per cubic foot</extracomment><translation>kip/ft³</translation></message>
<message><source>eSKipPerCubicFoot_Name_Alternate2</source><extracomment>kip per cubic foot</extracomment><translation>kcf</translation></message>
<message><source>eSKipPerCubicFoot_Name_Alternate3</source><extracomment>kip per cubic foot</extracomment><translatorcomment>generated from «kip/ft³»</translatorcomment><translation>kip/ft3</translation></message>
<message><source>eSKipPerCubicFoot_Name_Alternate4</source><extracomment>kip per cubic foot</extracomment><translatorcomment>generated from «kip/ft³»</translatorcomment><translation>kip/ft^3</translation></message>
</context>
<context>
<name>UnitSymbol_Energy</name>
<message><source>eSKilocalorie_Name_Alternate2</source><extracomment>kilocalorie</extracomment><translation>Cal</translation></message>
<message><source>eSBTU63F_Alternate1</source><extracomment>British thermal unit (63 degree F)</extracomment><translatorcomment>generated from «BTU (63°F)»</translatorcomment><translation>BTU (63ºF)</translation></message>
<message><source>eSBTU63F_Alternate2</source><extracomment>British thermal unit (63 degree F)</extracomment><translatorcomment>generated from «BTU (63°F)»</translatorcomment><translation>BTU (63˚F)</translation></message>
<message><source>eSBTU60F_Alternate1</source><extracomment>British thermal unit (60 degree F)</extracomment><translatorcomment>generated from «BTU (60°F)»</translatorcomment><translation>BTU (60ºF)</translation></message>
<message><source>eSBTU60F_Alternate2</source><extracomment>British thermal unit (60 degree F)</extracomment><translatorcomment>generated from «BTU (60°F)»</translatorcomment><translation>BTU (60˚F)</translation></message>
<message><source>eSBTU59F_Alternate1</source><extracomment>British thermal unit (59 degree F)</extracomment><translatorcomment>generated from «BTU (59°F)»</translatorcomment><translation>BTU (59ºF)</translation></message>
<message><source>eSBTU59F_Alternate2</source><extracomment>British thermal unit (59 degree F)</extracomment><translatorcomment>generated from «BTU (59°F)»</translatorcomment><translation>BTU (59˚F)</translation></message>
<message><source>eSBTUIT_Alternate1</source><extracomment>British thermal unit (International Table)</extracomment><translation>Btu</translation></message>
<message><source>eSBTUIT_Alternate2</source><extracomment>British thermal unit (International Table)</extracomment><translation>BTU (IT)</translation></message>
<message><source>eSBTUIT_Alternate3</source><extracomment>British thermal unit (International Table)</extracomment><translation>Btu (IT)</translation></message>
<message><source>eSBTUIT_Alternate4</source><extracomment>British thermal unit (International Table)</extracomment><translation>BTUs</translation></message>
<message><source>eSBTUIT_Alternate5</source><extracomment>British thermal unit (International Table)</extracomment><translation>Btus</translation></message>
<message><source>eSBTUIT_Alternate6</source><extracomment>British thermal unit (International Table)</extracomment><translation>btu</translation></message>
<message><source>eSBTU39F_Alternate1</source><extracomment>British thermal unit (39 degree F)</extracomment><translatorcomment>generated from «BTU (39°F)»</translatorcomment><translation>BTU (39ºF)</translation></message>
<message><source>eSBTU39F_Alternate2</source><extracomment>British thermal unit (39 degree F)</extracomment><translatorcomment>generated from «BTU (39°F)»</translatorcomment><translation>BTU (39˚F)</translation></message>
<message><source>eSKilowattHour_Name_Alternate1</source><extracomment>kilowatt hour</extracomment><translation>kW·h</translation></message>
<message><source>eSKilowattHour_Name_Alternate2</source><extracomment>kilowatt hour</extracomment><translation>kwh</translation></message>
<message><source>eSKilowattHour_Name_Alternate3</source><extracomment>kilowatt hour</extracomment><translation>KWH</translation></message>
<message><source>eSKilowattHour_Name_Alternate4</source><extracomment>kilowatt hour</extracomment><translation>kilowatt-hour</translation></message>
<message><source>eSKilowattHour_Name_Alternate5</source><extracomment>kilowatt hour</extracomment><translation>kilowatt-hours</translation></message>
<message><source>eSNm_Alternate1</source><extracomment>newton meter</extracomment><translation>Nm</translation></message>
<message><source>eSdaNm_Alternate1</source><extracomment>decanewton meter</extracomment><translation>daNm</translation></message>
<message><source>eSkNm_Alternate1</source><extracomment>kilonewton meter</extracomment><translation>kNm</translation></message>
<message><source>eSMNm_Alternate1</source><extracomment>meganewton meter</extracomment><translation>MNm</translation></message>
<message><source>eSKilogramForceMeter_Name_Alternate1</source><extracomment>kilogram force meter</extracomment><translation>kgf·m</translation></message>
<message><source>eSKilogramForceMeter_Name_Alternate2</source><extracomment>kilogram force meter</extracomment><translation>kgf-m</translation></message>
<message><source>eSKilogramForceFoot_Name_Alternate1</source><extracomment>kilogram force foot</extracomment><translation>kgf·ft</translation></message>
<message><source>eSFootPoundForce_Name_Alternate1</source><extracomment>foot pound force</extracomment><translation>ft·lbf</translation></message>
<message><source>eSFootPoundForce_Name_Alternate2</source><extracomment>foot pound force</extracomment><translation>ft·lb</translation></message>
<message><source>eSFootPoundForce_Name_Alternate3</source><extracomment>foot pound force</extracomment><translation>ft-lbf</translation></message>
<message><source>eSFootPoundForce_Name_Alternate4</source><extracomment>foot pound force</extracomment><translation>ft-lb</translation></message>
<message><source>eSFootPoundForce_Name_Alternate5</source><extracomment>foot pound force</extracomment><translation>foot-pound</translation></message>
<message><source>eSFootPoundForce_Name_Alternate6</source><extracomment>foot pound force</extracomment><translation>foot-pounds</translation></message>
<message><source>eScal20C_Alternate1</source><extracomment>calorie (20 degree C)</extracomment><translatorcomment>generated from «cal (20°C)»</translatorcomment><translation>cal (20ºC)</translation></message>
<message><source>eScal20C_Alternate2</source><extracomment>calorie (20 degree C)</extracomment><translatorcomment>generated from «cal (20°C)»</translatorcomment><translation>cal (20˚C)</translation></message>
<message><source>eScal15C_Alternate1</source><extracomment>calorie (15 degree C)</extracomment><translatorcomment>generated from «cal (15°C)»</translatorcomment><translation>cal (15ºC)</translation></message>
<message><source>eScal15C_Alternate2</source><extracomment>calorie (15 degree C)</extracomment><translatorcomment>generated from «cal (15°C)»</translatorcomment><translation>cal (15˚C)</translation></message>
<message><source>eScal3Point98C_Alternate1</source><extracomment>calorie (3.98 degree C)</extracomment><translatorcomment>generated from «cal (3.98°C)»</translatorcomment><translation>cal (3.98ºC)</translation></message>
<message><source>eScal3Point98C_Alternate2</source><extracomment>calorie (3.98 degree C)</extracomment><translatorcomment>generated from «cal (3.98°C)»</translatorcomment><translation>cal (3.98˚C)</translation></message>
</context>
<context>
<name>UnitSymbol_VolumetricFlowRate</name>
<message><source>eSCubicMeterPerSecond_Name_Alternate1</source><extracomment>cubic meter per second</extracomment><translation>cumec</translation></message>
<message><source>eSm3Pers_Alternate1</source><extracomment>cubic meter per second</extracomment><translatorcomment>generated from «m³/s»</translatorcomment><translation>m3/s</translation></message>
<message><source>eSm3Pers_Alternate2</source><extracomment>cubic meter per second</extracomment><translatorcomment>generated from «m³/s»</translatorcomment><translation>m^3/s</translation></message>
<message><source>eSLiterPerSecond_Name_Alternate1</source><extracomment>liter per second</extracomment><translation>l/s</translation></message>
<message><source>eSLiterPerSecond_Name_Alternate2</source><extracomment>liter per second</extracomment><translation>LPS</translation></message>
<message><source>eSLiterPerMinute_Name_Alternate1</source><extracomment>liter per minute</extracomment><translation>l/min</translation></message>
<message><source>eSLiterPerMinute_Name_Alternate2</source><extracomment>liter per minute</extracomment><translation>lpm</translation></message>
<message><source>eSLiterPerMinute_Name_Alternate3</source><extracomment>liter per minute</extracomment><translation>LPM</translation></message>
<message><source>eSLiterPerHour_Name_Alternate1</source><extracomment>liter per hour</extracomment><translation>l/h</translation></message>
<message><source>eSLiterPerHour_Name_Alternate2</source><extracomment>liter per hour</extracomment><translation>lph</translation></message>
<message><source>eSGallonPerMinute_Name_Alternate1</source><extracomment>gallon per minute</extracomment><translation>GPM</translation></message>
<message><source>eSGallonPerHour_Name_Alternate1</source><extracomment>gallon per hour</extracomment><translation>GPH</translation></message>
<message><source>eSGallonPerDay_Name_Alternate1</source><extracomment>gallon per day</extracomment><translation>GPD</translation></message>
<message><source>eScm3Permin_Alternate1</source><extracomment>cubic centimeter per minute</extracomment><translatorcomment>generated from «cm³/min»</translatorcomment><translation>cm3/min</translation></message>
<message><source>eScm3Permin_Alternate2</source><extracomment>cubic centimeter per minute</extracomment><translatorcomment>generated from «cm³/min»</translatorcomment><translation>cm^3/min</translation></message>
<message><source>eSft3Perh_Alternate1</source><extracomment>cubic foot per hour</extracomment><translatorcomment>generated from «ft³/h»</translatorcomment><translation>ft3/h</translation></message>
<message><source>eSft3Perh_Alternate2</source><extracomment>cubic foot per hour</extracomment><translatorcomment>generated from «ft³/h»</translatorcomment><translation>ft^3/h</translation></message>
<message><source>eSft3Perhr_Alternate1</source><extracomment>cubic foot per hour</extracomment><translatorcomment>generated from «ft³/hr»</translatorcomment><translation>ft3/hr</translation></message>
<message><source>eSft3Perhr_Alternate2</source><extracomment>cubic foot per hour</extracomment><translatorcomment>generated from «ft³/hr»</translatorcomment><translation>ft^3/hr</translation></message>
<message><source>eSCubicFootPerMinute_Name_Alternate1</source><extracomment>cubic foot per minute</extracomment><translation>CFM</translation></message>
<message><source>eSft3Permin_Alternate1</source><extracomment>cubic foot per minute</extracomment><translatorcomment>generated from «ft³/min»</translatorcomment><translation>ft3/min</translation></message>
<message><source>eSft3Permin_Alternate2</source><extracomment>cubic foot per minute</extracomment><translatorcomment>generated from «ft³/min»</translatorcomment><translation>ft^3/min</translation></message>
<message><source>eSCubicFootPerSecond_Name_Alternate1</source><extracomment>cubic foot per second</extracomment><translation>CFS</translation></message>
<message><source>eSft3Pers_Alternate1</source><extracomment>cubic foot per second</extracomment><translatorcomment>generated from «ft³/s»</translatorcomment><translation>ft3/s</translation></message>
<message><source>eSft3Pers_Alternate2</source><extracomment>cubic foot per second</extracomment><translatorcomment>generated from «ft³/s»</translatorcomment><translation>ft^3/s</translation></message>
<message><source>eSin3Permin_Alternate1</source><extracomment>cubic inch per minute</extracomment><translatorcomment>generated from «in³/min»</translatorcomment><translation>in3/min</translation></message>
<message><source>eSin3Permin_Alternate2</source><extracomment>cubic inch per minute</extracomment><translatorcomment>generated from «in³/min»</translatorcomment><translation>in^3/min</translation></message>
<message><source>eSCubicMeterPerHour_Name_Alternate1</source><extracomment>cubic meter per hour</extracomment><translation>CMH</translation></message>
<message><source>eSm3Perh_Alternate1</source><extracomment>cubic meter per hour</extracomment><translatorcomment>generated from «m³/h»</translatorcomment><translation>m3/h</translation></message>
<message><source>eSm3Perh_Alternate2</source><extracomment>cubic meter per hour</extracomment><translatorcomment>generated from «m³/h»</translatorcomment><translation>m^3/h</translation></message>
<message><source>eSm3Perhr_Alternate1</source><extracomment>cubic meter per hour</extracomment><translatorcomment>generated from «m³/hr»</translatorcomment><translation>m3/hr</translation></message>
<message><source>eSm3Perhr_Alternate2</source><extracomment>cubic meter per hour</extracomment><translatorcomment>generated from «m³/hr»</translatorcomment><translation>m^3/hr</translation></message>
<message><source>eSm3Permin_Alternate1</source><extracomment>cubic meter per minute</extracomment><translatorcomment>generated from «m³/min»</translatorcomment><translation>m3/min</translation></message>
<message><source>eSm3Permin_Alternate2</source><extracomment>cubic meter per minute</extracomment><translatorcomment>generated from «m³/min»</translatorcomment><translation>m^3/min</translation></message>
<message><source>eScm3Pers_Alternate1</source><extracomment>cubic centimeter per second</extracomment><translatorcomment>generated from «cm³/s»</translatorcomment><translation>cm3/s</translation></message>
<message><source>eScm3Pers_Alternate2</source><extracomment>cubic centimeter per second</extracomment><translatorcomment>generated from «cm³/s»</translatorcomment><translation>cm^3/s</translation></message>
<message><source>eScm3Perh_Alternate1</source><extracomment>cubic centimeter per hour</extracomment><translatorcomment>generated from «cm³/h»</translatorcomment><translation>cm3/h</translation></message>
<message><source>eScm3Perh_Alternate2</source><extracomment>cubic centimeter per hour</extracomment><translatorcomment>generated from «cm³/h»</translatorcomment><translation>cm^3/h</translation></message>
<message><source>eScm3Perhr_Alternate1</source><extracomment>cubic centimeter per hour</extracomment><translatorcomment>generated from «cm³/hr»</translatorcomment><translation>cm3/hr</translation></message>
<message><source>eScm3Perhr_Alternate2</source><extracomment>cubic centimeter per hour</extracomment><translatorcomment>generated from «cm³/hr»</translatorcomment><translation>cm^3/hr</translation></message>
<message><source>eSImpMillionGallonPerDay_Name_Alternate1</source><extracomment>Imp million gallon per day</extracomment><translation>MIGD</translation></message>
<message><source>eSMillionLiterPerDay_Name_Alternate1</source><extracomment>million liter per day</extracomment><translation>MLD</translation></message>
<message><source>eSUSMillionGallonPerDay_Name_Alternate1</source><extracomment>US million gallon per day</extracomment><translation>MGD</translation></message>
<message><source>eSUSMillionGallonPerDay_Name_Alternate2</source><extracomment>US million gallon per day</extracomment><translation>mgd</translation></message>
<message><source>eSft3Perd_Alternate1</source><extracomment>cubic foot per day</extracomment><translatorcomment>generated from «ft³/d»</translatorcomment><translation>ft3/d</translation></message>
<message><source>eSft3Perd_Alternate2</source><extracomment>cubic foot per day</extracomment><translatorcomment>generated from «ft³/d»</translatorcomment><translation>ft^3/d</translation></message>
<message><source>eSm3Perd_Alternate1</source><extracomment>cubic meter per day</extracomment><translatorcomment>generated from «m³/d»</translatorcomment><translation>m3/d</translation></message>
<message><source>eSm3Perd_Alternate2</source><extracomment>cubic meter per day</extracomment><translatorcomment>generated from «m³/d»</translatorcomment><translation>m^3/d</translation></message>
<message><source>eSyd3Permin_Alternate1</source><extracomment>cubic yard per minute</extracomment><translatorcomment>generated from «yd³/min»</translatorcomment><translation>yd3/min</translation></message>
<message><source>eSyd3Permin_Alternate2</source><extracomment>cubic yard per minute</extracomment><translatorcomment>generated from «yd³/min»</translatorcomment><translation>yd^3/min</translation></message>
<message><source>eSAcreFootPerDay_Name_Alternate1</source><extracomment>acre foot per day</extracomment><translation>ac-ft/d</translation></message>
<message><source>eSAcreFootPerHour_Name_Alternate1</source><extracomment>acre foot per hour</extracomment><translation>ac-ft/h</translation></message>
</context>
<context>
<name>UnitSymbol_MassFlowRate</name>
<message><source>eSPoundPerSecond_Name_Alternate1</source><extracomment>pound per second</extracomment><translation>lb/s</translation></message>
<message><source>eSPoundPerSecond_Name_Alternate2</source><extracomment>pound per second</extracomment><translation>lb/sec</translation></message>
<message><source>eSPoundPerMinute_Name_Alternate1</source><extracomment>pound per minute</extracomment><translation>lb/min</translation></message>
<message><source>eSPoundPerHour_Name_Alternate1</source><extracomment>pound per hour</extracomment><translation>lb/h</translation></message>
<message><source>eSPoundPerHour_Name_Alternate2</source><extracomment>pound per hour</extracomment><translation>lb/hr</translation></message>
<message><source>eSPoundPerHour_Name_Alternate3</source><extracomment>pound per hour</extracomment><translation>pph</translation></message>
<message><source>eSPoundPerHour_Name_Alternate4</source><extracomment>pound per hour</extracomment><translation>PPH</translation></message>
</context>
<context>
<name>UnitSymbol_Force</name>
<message><source>eSkp_Alternate1</source><extracomment>kilogram-force</extracomment><translation>kilopond</translation></message>
<message><source>eSkp_Alternate2</source><extracomment>kilogram-force</extracomment><translation>kiloponds</translation></message>
<message><source>eSPoundForce_Name_Alternate2</source><extracomment>pound force</extracomment><translation>pounds force</translation></message>
<message><source>eSPoundForce_Name_Alternate3</source><extracomment>pound force</extracomment><translation>lb-f</translation></message>
<message><source>eSTonForce_Name_Alternate1</source><extracomment>ton force</extracomment><translation>tnf</translation></message>
<message><source>eSTonForce_Name_Alternate2</source><extracomment>ton force</extracomment><translation>tf</translation></message>
</context>
<context>
<name>UnitSymbol_LinearForce</name>
<message><source>eSPoundForcePerFoot_Name_Alternate1</source><extracomment>pound-force per foot</extracomment><translation>plf</translation></message>
<message><source>eSKipPerFoot_Name_Alternate1</source><extracomment>kip per foot</extracomment><translation>klf</translation></message>
</context>
<context>
<name>UnitSymbol_Frequency</name>
<message><source>eSRevolutionPerMinute_Name_Alternate1</source><extracomment>revolution per minute</extracomment><translation>rpm</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate2</source><extracomment>revolution per minute</extracomment><translation>RPM</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate3</source><extracomment>revolution per minute</extracomment><translation>r/min</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate4</source><extracomment>revolution per minute</extracomment><translation>rev/min</translation></message>
</context>
<context>
<name>UnitSymbol_Inductance</name>
<message><source>eSHenry_Name_Alternate2</source><extracomment>henry</extracomment><translation>henrys</translation></message>
</context>
<context>
<name>UnitSymbol_MagneticFluxDensity</name>
<message><source>eSGamma_Name_Alternate1</source><extracomment>gamma</extracomment><translation>γ</translation></message>
</context>
<context>
<name>UnitSymbol_MagneticFlux</name>
<message><source>eSMaxwell_Name_Alternate1</source><extracomment>maxwell</extracomment><translation>Mx</translation></message>
</context>
<context>
<name>UnitSymbol_Power</name>
<message><source>eSHorsepowerMetric_Name_Alternate1</source><extracomment>horsepower (metric)</extracomment><translation>PS</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate2</source><extracomment>horsepower (metric)</extracomment><translation>metric horsepower</translation></message>
<message><source>eSHorsepowerImperialMechanical_Name_Alternate1</source><extracomment>horsepower (Imperial mechanical)</extracomment><translation>HP</translation></message>
<message><source>eSHorsepowerImperialMechanical_Name_Alternate2</source><extracomment>horsepower (Imperial mechanical)</extracomment><translation>horsepower</translation></message>
<message><source>eSmuW_Alternate1</source><extracomment>microwatt</extracomment><translation>μW</translation></message>
<message><source>eSBTUPerh_Alternate1</source><extracomment>British thermal unit (International Table) per hour</extracomment><translation>BTUH</translation></message>
<message><source>eSBTUPerh_Alternate2</source><extracomment>British thermal unit (International Table) per hour</extracomment><translation>Btuh</translation></message>
<message><source>eSMBTUPerh_Alternate1</source><extracomment>million British thermal unit (International Table) per hour</extracomment><translation>MMBH</translation></message>
<message><source>eSMBTUPerh_Alternate2</source><extracomment>million British thermal unit (International Table) per hour</extracomment><translation>MMBtuh</translation></message>
<message><source>eSkBTUPerh_Alternate1</source><extracomment>thousand British thermal unit (International Table) per hour</extracomment><translation>MBH</translation></message>
<message><source>eSkBTUPerh_Alternate2</source><extracomment>thousand British thermal unit (International Table) per hour</extracomment><translation>MBtuh</translation></message>
<message><source>eSkBTUPerh_Alternate3</source><extracomment>thousand British thermal unit (International Table) per hour</extracomment><translation>kBtuh</translation></message>
<message><source>eSTonOfRefrigeration_Name_Alternate1</source><extracomment>ton of refrigeration</extracomment><translation>tons</translation></message>
<message><source>eSTonOfRefrigeration_Name_Alternate2</source><extracomment>ton of refrigeration</extracomment><translation>TR</translation></message>
<message><source>eSTonOfRefrigeration_Name_Alternate3</source><extracomment>ton of refrigeration</extracomment><translation>RT</translation></message>
<message><source>eSTonOfRefrigeration_Name_Alternate4</source><extracomment>ton of refrigeration</extracomment><translation>refrigeration ton</translation></message>
<message><source>eSTonOfRefrigeration_Name_Alternate5</source><extracomment>ton of refrigeration</extracomment><translation>refrigeration tons</translation></message>
</context>
<context>
<name>UnitSymbol_PowerPerUnitOfVolume</name>
<message><source>eSWPerm3_Alternate1</source><extracomment>watt per cubic meter</extracomment><translatorcomment>generated from «W/m³»</translatorcomment><translation>W/m3</translation></message>
<message><source>eSWPerm3_Alternate2</source><extracomment>watt per cubic meter</extracomment><translatorcomment>generated from «W/m³»</translatorcomment><translation>W/m^3</translation></message>
<message><source>eSWPerft3_Alternate1</source><extracomment>watt per cubic foot</extracomment><translatorcomment>generated from «W/ft³»</translatorcomment><translation>W/ft3</translation></message>
<message><source>eSWPerft3_Alternate2</source><extracomment>watt per cubic foot</extracomment><translatorcomment>generated from «W/ft³»</translatorcomment><translation>W/ft^3</translation></message>
<message><source>eSBTUPerhft3_Alternate1</source><extracomment>British thermal unit per hour cubic foot</extracomment><translatorcomment>generated from «BTU/(h·ft³)»</translatorcomment><translation>BTU/(h·ft3)</translation></message>
<message><source>eSBTUPerhft3_Alternate2</source><extracomment>British thermal unit per hour cubic foot</extracomment><translatorcomment>generated from «BTU/(h·ft³)»</translatorcomment><translation>BTU/(h·ft^3)</translation></message>
<message><source>eSBTUPerhrft3_Alternate1</source><extracomment>British thermal unit per hour cubic foot</extracomment><translatorcomment>generated from «BTU/(hr·ft³)»</translatorcomment><translation>BTU/(hr·ft3)</translation></message>
<message><source>eSBTUPerhrft3_Alternate2</source><extracomment>British thermal unit per hour cubic foot</extracomment><translatorcomment>generated from «BTU/(hr·ft³)»</translatorcomment><translation>BTU/(hr·ft^3)</translation></message>
<message><source>eSBtuPerhft3_Alternate1</source><extracomment>British thermal unit per hour cubic foot</extracomment><translatorcomment>generated from «Btu/(h·ft³)»</translatorcomment><translation>Btu/(h·ft3)</translation></message>
<message><source>eSBtuPerhft3_Alternate2</source><extracomment>British thermal unit per hour cubic foot</extracomment><translatorcomment>generated from «Btu/(h·ft³)»</translatorcomment><translation>Btu/(h·ft^3)</translation></message>
<message><source>eSBtuPerhrft3_Alternate1</source><extracomment>British thermal unit per hour cubic foot</extracomment><translatorcomment>generated from «Btu/(hr·ft³)»</translatorcomment><translation>Btu/(hr·ft3)</translation></message>
<message><source>eSBtuPerhrft3_Alternate2</source><extracomment>British thermal unit per hour cubic foot</extracomment><translatorcomment>generated from «Btu/(hr·ft³)»</translatorcomment><translation>Btu/(hr·ft^3)</translation></message>
</context>
<context>
<name>UnitSymbol_PowerPerUnitOfArea</name>
<message><source>eSWPerm2_Alternate1</source><extracomment>watt per square meter</extracomment><translatorcomment>generated from «W/m²»</translatorcomment><translation>W/m2</translation></message>
<message><source>eSWPerm2_Alternate2</source><extracomment>watt per square meter</extracomment><translatorcomment>generated from «W/m²»</translatorcomment><translation>W/m^2</translation></message>
<message><source>eSkWPerm2_Alternate1</source><extracomment>kilowatt per square meter</extracomment><translatorcomment>generated from «kW/m²»</translatorcomment><translation>kW/m2</translation></message>
<message><source>eSkWPerm2_Alternate2</source><extracomment>kilowatt per square meter</extracomment><translatorcomment>generated from «kW/m²»</translatorcomment><translation>kW/m^2</translation></message>
<message><source>eSkWPerft2_Alternate1</source><extracomment>kilowatt per square foot</extracomment><translatorcomment>generated from «kW/ft²»</translatorcomment><translation>kW/ft2</translation></message>
<message><source>eSkWPerft2_Alternate2</source><extracomment>kilowatt per square foot</extracomment><translatorcomment>generated from «kW/ft²»</translatorcomment><translation>kW/ft^2</translation></message>
<message><source>eSWPerft2_Alternate1</source><extracomment>watt per square foot</extracomment><translatorcomment>generated from «W/ft²»</translatorcomment><translation>W/ft2</translation></message>
<message><source>eSWPerft2_Alternate2</source><extracomment>watt per square foot</extracomment><translatorcomment>generated from «W/ft²»</translatorcomment><translation>W/ft^2</translation></message>
<message><source>eSBTUPerhPerft2_Alternate1</source><extracomment>British thermal unit per hour square foot</extracomment><translatorcomment>generated from «BTU/(h·ft²)»</translatorcomment><translation>BTU/(h·ft2)</translation></message>
<message><source>eSBTUPerhPerft2_Alternate2</source><extracomment>British thermal unit per hour square foot</extracomment><translatorcomment>generated from «BTU/(h·ft²)»</translatorcomment><translation>BTU/(h·ft^2)</translation></message>
<message><source>eSBTUPerhrPerft2_Alternate1</source><extracomment>British thermal unit per hour square foot</extracomment><translatorcomment>generated from «BTU/(hr·ft²)»</translatorcomment><translation>BTU/(hr·ft2)</translation></message>
<message><source>eSBTUPerhrPerft2_Alternate2</source><extracomment>British thermal unit per hour square foot</extracomment><translatorcomment>generated from «BTU/(hr·ft²)»</translatorcomment><translation>BTU/(hr·ft^2)</translation></message>
<message><source>eSBtuPerhPerft2_Alternate1</source><extracomment>British thermal unit per hour square foot</extracomment><translatorcomment>generated from «Btu/(h·ft²)»</translatorcomment><translation>Btu/(h·ft2)</translation></message>
<message><source>eSBtuPerhPerft2_Alternate2</source><extracomment>British thermal unit per hour square foot</extracomment><translatorcomment>generated from «Btu/(h·ft²)»</translatorcomment><translation>Btu/(h·ft^2)</translation></message>
<message><source>eSBtuPerhrPerft2_Alternate1</source><extracomment>British thermal unit per hour square foot</extracomment><translatorcomment>generated from «Btu/(hr·ft²)»</translatorcomment><translation>Btu/(hr·ft2)</translation></message>
<message><source>eSBtuPerhrPerft2_Alternate2</source><extracomment>British thermal unit per hour square foot</extracomment><translatorcomment>generated from «Btu/(hr·ft²)»</translatorcomment><translation>Btu/(hr·ft^2)</translation></message>
</context>
<context>
<name>UnitSymbol_Pressure</name>
<message><source>eSInchOfMercury_Name_Alternate1</source><extracomment>inch of mercury</extracomment><translation>in Hg</translation></message>
<message><source>eSInchOfMercury_Name_Alternate2</source><extracomment>inch of mercury</extracomment><translation>in. Hg</translation></message>
<message><source>eSInchOfWater_Name_Alternate1</source><extracomment>inch of water</extracomment><translation>inH2O</translation></message>
<message><source>eSInchOfWater_Name_Alternate2</source><extracomment>inch of water</extracomment><translation>in H2O</translation></message>
<message><source>eSInchOfWater_Name_Alternate3</source><extracomment>inch of water</extracomment><translation>in. H2O</translation></message>
<message><source>eSInchOfWater_Name_Alternate4</source><extracomment>inch of water</extracomment><translation>in WC</translation></message>
<message><source>eSInchOfWater_Name_Alternate5</source><extracomment>inch of water</extracomment><translation>in wc</translation></message>
<message><source>eSInchOfWater_Name_Alternate6</source><extracomment>inch of water</extracomment><translation>in. w.c.</translation></message>
<message><source>eSInchOfWater_Name_Alternate7</source><extracomment>inch of water</extracomment><translation>iwc</translation></message>
<message><source>eSInchOfWater_Name_Alternate8</source><extracomment>inch of water</extracomment><translation>in wg</translation></message>
<message><source>eSInchOfWater_Name_Alternate9</source><extracomment>inch of water</extracomment><translation>in. w.g.</translation></message>
<message><source>eSkgPercm2_Alternate1</source><extracomment>kilogram per square centimeter</extracomment><translatorcomment>generated from «kg/cm²»</translatorcomment><translation>kg/cm2</translation></message>
<message><source>eSkgPercm2_Alternate2</source><extracomment>kilogram per square centimeter</extracomment><translatorcomment>generated from «kg/cm²»</translatorcomment><translation>kg/cm^2</translation></message>
<message><source>eSKilopascal_Name_Alternate2</source><extracomment>kilopascal</extracomment><translation>kpa</translation></message>
<message><source>eSMillibar_Name_Alternate1</source><extracomment>millibar</extracomment><translation>mb</translation></message>
<message><source>eSMillibar_Name_Alternate2</source><extracomment>millibar</extracomment><translation>㏔</translation></message>
<message><source>eSMillimeterOfMercury_Name_Alternate1</source><extracomment>millimeter of mercury</extracomment><translation>mm Hg</translation></message>
<message><source>eSPoundPerSquareInchAtmosphere_Name_Alternate1</source><extracomment>pound per square inch (atmosphere)</extracomment><translation>PSIA</translation></message>
<message><source>eSPoundPerSquareInchGauge_Name_Alternate1</source><extracomment>pound per square inch (gauge)</extracomment><translation>PSIG</translation></message>
<message><source>eSPoundPerSquareFoot_Name_Alternate1</source><extracomment>pound per square foot</extracomment><translation>PSF</translation></message>
<message><source>eSPoundPerSquareFoot_Name_Alternate2</source><extracomment>pound per square foot</extracomment><translation>lb/ft²</translation></message>
<message><source>eSPoundPerSquareFoot_Name_Alternate3</source><extracomment>pound per square foot</extracomment><translation>lb/sq ft</translation></message>
<message><source>eSPoundPerSquareFoot_Name_Alternate4</source><extracomment>pound per square foot</extracomment><translatorcomment>generated from «lb/ft²»</translatorcomment><translation>lb/ft2</translation></message>
<message><source>eSPoundPerSquareFoot_Name_Alternate5</source><extracomment>pound per square foot</extracomment><translatorcomment>generated from «lb/ft²»</translatorcomment><translation>lb/ft^2</translation></message>
<message><source>eSPoundPerSquareInch_Name_Alternate1</source><extracomment>pound per square inch</extracomment><translation>PSI</translation></message>
<message><source>eSPoundPerSquareInch_Name_Alternate2</source><extracomment>pound per square inch</extracomment><translation>lb/in²</translation></message>
<message><source>eSPoundPerSquareInch_Name_Alternate3</source><extracomment>pound per square inch</extracomment><translation>lb/sq in</translation></message>
<message><source>eSPoundPerSquareInch_Name_Alternate4</source><extracomment>pound per square inch</extracomment><translatorcomment>generated from «lb/in²»</translatorcomment><translation>lb/in2</translation></message>
<message><source>eSPoundPerSquareInch_Name_Alternate5</source><extracomment>pound per square inch</extracomment><translatorcomment>generated from «lb/in²»</translatorcomment><translation>lb/in^2</translation></message>
<message><source>eSlbfPerin2_Alternate1</source><extracomment>pound per square inch</extracomment><translatorcomment>generated from «lbf/in²»</translatorcomment><translation>lbf/in2</translation></message>
<message><source>eSlbfPerin2_Alternate2</source><extracomment>pound per square inch</extracomment><translatorcomment>generated from «lbf/in²»</translatorcomment><translation>lbf/in^2</translation></message>
<message><source>eSAtmosphereStandard_Name_Alternate1</source><extracomment>atmosphere (standard)</extracomment><translation>atmosphere</translation></message>
<message><source>eSAtmosphereStandard_Name_Alternate2</source><extracomment>atmosphere (standard)</extracomment><translation>atmospheres</translation></message>
<message><source>eSNPermm2_Alternate1</source><extracomment>newton per square millimeter</extracomment><translatorcomment>generated from «N/mm²»</translatorcomment><translation>N/mm2</translation></message>
<message><source>eSNPermm2_Alternate2</source><extracomment>newton per square millimeter</extracomment><translatorcomment>generated from «N/mm²»</translatorcomment><translation>N/mm^2</translation></message>
<message><source>eSNPerm2_Alternate1</source><extracomment>newton per square meter</extracomment><translatorcomment>generated from «N/m²»</translatorcomment><translation>N/m2</translation></message>
<message><source>eSNPerm2_Alternate2</source><extracomment>newton per square meter</extracomment><translatorcomment>generated from «N/m²»</translatorcomment><translation>N/m^2</translation></message>
<message><source>eSdaNPermm2_Alternate1</source><extracomment>decanewton per square millimeter</extracomment><translatorcomment>generated from «daN/mm²»</translatorcomment><translation>daN/mm2</translation></message>
<message><source>eSdaNPermm2_Alternate2</source><extracomment>decanewton per square millimeter</extracomment><translatorcomment>generated from «daN/mm²»</translatorcomment><translation>daN/mm^2</translation></message>
<message><source>eSdaNPerm2_Alternate1</source><extracomment>decanewton per square meter</extracomment><translatorcomment>generated from «daN/m²»</translatorcomment><translation>daN/m2</translation></message>
<message><source>eSdaNPerm2_Alternate2</source><extracomment>decanewton per square meter</extracomment><translatorcomment>generated from «daN/m²»</translatorcomment><translation>daN/m^2</translation></message>
<message><source>eSkNPerm2_Alternate1</source><extracomment>kilonewton per square meter</extracomment><translatorcomment>generated from «kN/m²»</translatorcomment><translation>kN/m2</translation></message>
<message><source>eSkNPerm2_Alternate2</source><extracomment>kilonewton per square meter</extracomment><translatorcomment>generated from «kN/m²»</translatorcomment><translation>kN/m^2</translation></message>
<message><source>eSMNPerm2_Alternate1</source><extracomment>meganewton per square meter</extracomment><translatorcomment>generated from «MN/m²»</translatorcomment><translation>MN/m2</translation></message>
<message><source>eSMNPerm2_Alternate2</source><extracomment>meganewton per square meter</extracomment><translatorcomment>generated from «MN/m²»</translatorcomment><translation>MN/m^2</translation></message>
<message><source>eSKilogramForcePerSquareMillimeter_Name_Alternate1</source><extracomment>kilogram force per square millimeter</extracomment><translation>kgf/mm²</translation></message>
<message><source>eSKilogramForcePerSquareMillimeter_Name_Alternate2</source><extracomment>kilogram force per square millimeter</extracomment><translatorcomment>generated from «kgf/mm²»</translatorcomment><translation>kgf/mm2</translation></message>
<message><source>eSKilogramForcePerSquareMillimeter_Name_Alternate3</source><extracomment>kilogram force per square millimeter</extracomment><translatorcomment>generated from «kgf/mm²»</translatorcomment><translation>kgf/mm^2</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate1</source><extracomment>kilogram force per square centimeter</extracomment><translation>kgf/cm²</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate2</source><extracomment>kilogram force per square centimeter</extracomment><translation>kgf/sq cm</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate3</source><extracomment>kilogram force per square centimeter</extracomment><translation>ksc</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate4</source><extracomment>kilogram force per square centimeter</extracomment><translatorcomment>generated from «kgf/cm²»</translatorcomment><translation>kgf/cm2</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate5</source><extracomment>kilogram force per square centimeter</extracomment><translatorcomment>generated from «kgf/cm²»</translatorcomment><translation>kgf/cm^2</translation></message>
<message><source>eSKilogramForcePerSquareMeter_Name_Alternate1</source><extracomment>kilogram force per square meter</extracomment><translation>kgf/m²</translation></message>
<message><source>eSKilogramForcePerSquareMeter_Name_Alternate2</source><extracomment>kilogram force per square meter</extracomment><translation>kgf/sq m</translation></message>
<message><source>eSKilogramForcePerSquareMeter_Name_Alternate3</source><extracomment>kilogram force per square meter</extracomment><translatorcomment>generated from «kgf/m²»</translatorcomment><translation>kgf/m2</translation></message>
<message><source>eSKilogramForcePerSquareMeter_Name_Alternate4</source><extracomment>kilogram force per square meter</extracomment><translatorcomment>generated from «kgf/m²»</translatorcomment><translation>kgf/m^2</translation></message>
<message><source>eSTonForcePerSquareCentimeter_Name_Alternate1</source><extracomment>ton force per square centimeter</extracomment><translation>tonf/cm²</translation></message>
<message><source>eSTonForcePerSquareCentimeter_Name_Alternate2</source><extracomment>ton force per square centimeter</extracomment><translation>tf/cm²</translation></message>
<message><source>eSTonForcePerSquareCentimeter_Name_Alternate3</source><extracomment>ton force per square centimeter</extracomment><translatorcomment>generated from «tonf/cm²»</translatorcomment><translation>tonf/cm2</translation></message>
<message><source>eSTonForcePerSquareCentimeter_Name_Alternate4</source><extracomment>ton force per square centimeter</extracomment><translatorcomment>generated from «tonf/cm²»</translatorcomment><translation>tonf/cm^2</translation></message>
<message><source>eSTonForcePerSquareCentimeter_Name_Alternate5</source><extracomment>ton force per square centimeter</extracomment><translatorcomment>generated from «tf/cm²»</translatorcomment><translation>tf/cm2</translation></message>
<message><source>eSTonForcePerSquareCentimeter_Name_Alternate6</source><extracomment>ton force per square centimeter</extracomment><translatorcomment>generated from «tf/cm²»</translatorcomment><translation>tf/cm^2</translation></message>
<message><source>eSTonForcePerSquareMeter_Name_Alternate1</source><extracomment>ton force per square meter</extracomment><translation>tonf/m²</translation></message>
<message><source>eSTonForcePerSquareMeter_Name_Alternate2</source><extracomment>ton force per square meter</extracomment><translation>tf/m²</translation></message>
<message><source>eSTonForcePerSquareMeter_Name_Alternate3</source><extracomment>ton force per square meter</extracomment><translatorcomment>generated from «tonf/m²»</translatorcomment><translation>tonf/m2</translation></message>
<message><source>eSTonForcePerSquareMeter_Name_Alternate4</source><extracomment>ton force per square meter</extracomment><translatorcomment>generated from «tonf/m²»</translatorcomment><translation>tonf/m^2</translation></message>
<message><source>eSTonForcePerSquareMeter_Name_Alternate5</source><extracomment>ton force per square meter</extracomment><translatorcomment>generated from «tf/m²»</translatorcomment><translation>tf/m2</translation></message>
<message><source>eSTonForcePerSquareMeter_Name_Alternate6</source><extracomment>ton force per square meter</extracomment><translatorcomment>generated from «tf/m²»</translatorcomment><translation>tf/m^2</translation></message>
<message><source>eSTonForcePerSquareFoot_Name_Alternate1</source><extracomment>ton force per square foot</extracomment><translation>tonf/ft²</translation></message>
<message><source>eSTonForcePerSquareFoot_Name_Alternate2</source><extracomment>ton force per square foot</extracomment><translation>tsf</translation></message>
<message><source>eSTonForcePerSquareFoot_Name_Alternate3</source><extracomment>ton force per square foot</extracomment><translatorcomment>generated from «tonf/ft²»</translatorcomment><translation>tonf/ft2</translation></message>
<message><source>eSTonForcePerSquareFoot_Name_Alternate4</source><extracomment>ton force per square foot</extracomment><translatorcomment>generated from «tonf/ft²»</translatorcomment><translation>tonf/ft^2</translation></message>
<message><source>eSFootOfWater_Name_Alternate1</source><extracomment>foot of water</extracomment><translation>ftH2O</translation></message>
<message><source>eSFootOfWater_Name_Alternate2</source><extracomment>foot of water</extracomment><translation>ft H2O</translation></message>
<message><source>eSFootOfWater_Name_Alternate3</source><extracomment>foot of water</extracomment><translation>ft WC</translation></message>
<message><source>eSFootOfWater_Name_Alternate4</source><extracomment>foot of water</extracomment><translation>ft wc</translation></message>
<message><source>eSFootOfWater_Name_Alternate5</source><extracomment>foot of water</extracomment><translation>ft. w.c.</translation></message>
<message><source>eSKipPerSquareInch_Name_Alternate1</source><extracomment>kip per square inch</extracomment><translation>KSI</translation></message>
<message><source>eSKipPerSquareInch_Name_Alternate2</source><extracomment>kip per square inch</extracomment><translation>kip/in²</translation></message>
<message><source>eSKipPerSquareInch_Name_Alternate3</source><extracomment>kip per square inch</extracomment><translation>kip/sq in</translation></message>
<message><source>eSKipPerSquareInch_Name_Alternate4</source><extracomment>kip per square inch</extracomment><translatorcomment>generated from «kip/in²»</translatorcomment><translation>kip/in2</translation></message>
<message><source>eSKipPerSquareInch_Name_Alternate5</source><extracomment>kip per square inch</extracomment><translatorcomment>generated from «kip/in²»</translatorcomment><translation>kip/in^2</translation></message>
<message><source>eSKipPerSquareFoot_Name_Alternate1</source><extracomment>kip per square foot</extracomment><translation>KSF</translation></message>
<message><source>eSKipPerSquareFoot_Name_Alternate2</source><extracomment>kip per square foot</extracomment><translation>kip/ft²</translation></message>
<message><source>eSKipPerSquareFoot_Name_Alternate3</source><extracomment>kip per square foot</extracomment><translation>kip/sq ft</translation></message>
<message><source>eSKipPerSquareFoot_Name_Alternate4</source><extracomment>kip per square foot</extracomment><translatorcomment>generated from «kip/ft²»</translatorcomment><translation>kip/ft2</translation></message>
<message><source>eSKipPerSquareFoot_Name_Alternate5</source><extracomment>kip per square foot</extracomment><translatorcomment>generated from «kip/ft²»</translatorcomment><translation>kip/ft^2</translation></message>
<message><source>eSPoundForcePerSquareFoot_Name_Alternate1</source><extracomment>pound force per square foot</extracomment><translation>lbf/ft²</translation></message>
<message><source>eSPoundForcePerSquareFoot_Name_Alternate2</source><extracomment>pound force per square foot</extracomment><translation>lbf/sq ft</translation></message>
<message><source>eSPoundForcePerSquareFoot_Name_Alternate3</source><extracomment>pound force per square foot</extracomment><translatorcomment>generated from «lbf/ft²»</translatorcomment><translation>lbf/ft2</translation></message>
<message><source>eSPoundForcePerSquareFoot_Name_Alternate4</source><extracomment>pound force per square foot</extracomment><translatorcomment>generated from «lbf/ft²»</translatorcomment><translation>lbf/ft^2</translation></message>
<message><source>eSHectopascal_Name_Alternate2</source><extracomment>hectopascal</extracomment><translation>hpa</translation></message>
</context>
<context>
<name>UnitSymbol_LinearForceScale</name>
<message><source>eSm2PerN_Alternate1</source><extracomment>square meter per newton</extracomment><translatorcomment>generated from «m²/N»</translatorcomment><translation>m2/N</translation></message>
<message><source>eSm2PerN_Alternate2</source><extracomment>square meter per newton</extracomment><translatorcomment>generated from «m²/N»</translatorcomment><translation>m^2/N</translation></message>
<message><source>eSm2PerkN_Alternate1</source><extracomment>square meter per kilonewton</extracomment><translatorcomment>generated from «m²/kN»</translatorcomment><translation>m2/kN</translation></message>
<message><source>eSm2PerkN_Alternate2</source><extracomment>square meter per kilonewton</extracomment><translatorcomment>generated from «m²/kN»</translatorcomment><translation>m^2/kN</translation></message>
<message><source>eSft2Perkip_Alternate1</source><extracomment>square foot per kip</extracomment><translatorcomment>generated from «ft²/kip»</translatorcomment><translation>ft2/kip</translation></message>
<message><source>eSft2Perkip_Alternate2</source><extracomment>square foot per kip</extracomment><translatorcomment>generated from «ft²/kip»</translatorcomment><translation>ft^2/kip</translation></message>
<message><source>eSft2Perkipf_Alternate1</source><extracomment>square foot per kip</extracomment><translatorcomment>generated from «ft²/kipf»</translatorcomment><translation>ft2/kipf</translation></message>
<message><source>eSft2Perkipf_Alternate2</source><extracomment>square foot per kip</extracomment><translatorcomment>generated from «ft²/kipf»</translatorcomment><translation>ft^2/kipf</translation></message>
<message><source>eSft2Perklbf_Alternate1</source><extracomment>square foot per kip</extracomment><translatorcomment>generated from «ft²/klbf»</translatorcomment><translation>ft2/klbf</translation></message>
<message><source>eSft2Perklbf_Alternate2</source><extracomment>square foot per kip</extracomment><translatorcomment>generated from «ft²/klbf»</translatorcomment><translation>ft^2/klbf</translation></message>
<message><source>eSft2Perklb_Alternate1</source><extracomment>square foot per kip</extracomment><translatorcomment>generated from «ft²/klb»</translatorcomment><translation>ft2/klb</translation></message>
<message><source>eSft2Perklb_Alternate2</source><extracomment>square foot per kip</extracomment><translatorcomment>generated from «ft²/klb»</translatorcomment><translation>ft^2/klb</translation></message>
</context>
<context>
<name>UnitSymbol_AreaForceScale</name>
<message><source>eSm3PerN_Alternate1</source><extracomment>cubic meter per newton</extracomment><translatorcomment>generated from «m³/N»</translatorcomment><translation>m3/N</translation></message>
<message><source>eSm3PerN_Alternate2</source><extracomment>cubic meter per newton</extracomment><translatorcomment>generated from «m³/N»</translatorcomment><translation>m^3/N</translation></message>
<message><source>eSm3PerkN_Alternate1</source><extracomment>cubic meter per kilonewton</extracomment><translatorcomment>generated from «m³/kN»</translatorcomment><translation>m3/kN</translation></message>
<message><source>eSm3PerkN_Alternate2</source><extracomment>cubic meter per kilonewton</extracomment><translatorcomment>generated from «m³/kN»</translatorcomment><translation>m^3/kN</translation></message>
<message><source>eSft3Perkip_Alternate1</source><extracomment>cubic foot per kip</extracomment><translatorcomment>generated from «ft³/kip»</translatorcomment><translation>ft3/kip</translation></message>
<message><source>eSft3Perkip_Alternate2</source><extracomment>cubic foot per kip</extracomment><translatorcomment>generated from «ft³/kip»</translatorcomment><translation>ft^3/kip</translation></message>
<message><source>eSft3Perkipf_Alternate1</source><extracomment>cubic foot per kip</extracomment><translatorcomment>generated from «ft³/kipf»</translatorcomment><translation>ft3/kipf</translation></message>
<message><source>eSft3Perkipf_Alternate2</source><extracomment>cubic foot per kip</extracomment><translatorcomment>generated from «ft³/kipf»</translatorcomment><translation>ft^3/kipf</translation></message>
<message><source>eSft3Perlbf_Alternate1</source><extracomment>cubic foot per kip</extracomment><translatorcomment>generated from «ft³/klbf»</translatorcomment><translation>ft3/klbf</translation></message>
<message><source>eSft3Perlbf_Alternate2</source><extracomment>cubic foot per kip</extracomment><translatorcomment>generated from «ft³/klbf»</translatorcomment><translation>ft^3/klbf</translation></message>
<message><source>eSft3Perklb_Alternate1</source><extracomment>cubic foot per kip</extracomment><translatorcomment>generated from «ft³/klb»</translatorcomment><translation>ft3/klb</translation></message>
<message><source>eSft3Perklb_Alternate2</source><extracomment>cubic foot per kip</extracomment><translatorcomment>generated from «ft³/klb»</translatorcomment><translation>ft^3/klb</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricalResistance</name>
<message><source>eSOhm_Name_Alternate2</source><extracomment>ohm</extracomment><translation>Ω</translation></message>
<message><source>eSKilohm_Name_Alternate1</source><extracomment>kilohm</extracomment><translation>kohm</translation></message>
<message><source>eSKilohm_Name_Alternate2</source><extracomment>kilohm</extracomment><translation>kohms</translation></message>
<message><source>eSKilohm_Name_Alternate3</source><extracomment>kilohm</extracomment><translation>kΩ</translation></message>
<message><source>eSKilohm_Name_Alternate4</source><extracomment>kilohm</extracomment><translation>kiloohm</translation></message>
<message><source>eSMegohm_Name_Alternate1</source><extracomment>megohm</extracomment><translation>Mohm</translation></message>
<message><source>eSMegohm_Name_Alternate2</source><extracomment>megohm</extracomment><translation>Mohms</translation></message>
<message><source>eSMegohm_Name_Alternate3</source><extracomment>megohm</extracomment><translation>MΩ</translation></message>
<message><source>eSMegohm_Name_Alternate4</source><extracomment>megohm</extracomment><translation>megaohm</translation></message>
<message><source>eSmuOmega_Alternate1</source><extracomment>microohm</extracomment><translation>μΩ</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricConductance</name>
<message><source>eSMho_Name_Alternate2</source><extracomment>mho</extracomment><translation>℧</translation></message>
</context>
<context>
<name>UnitSymbol_Velocity</name>
<message><source>eSMeterPerSecond_Name_Alternate1</source><extracomment>meter per second</extracomment><translation>m/sec</translation></message>
<message><source>eSInchPerSecond_Name_Alternate1</source><extracomment>inch per second</extracomment><translation>ips</translation></message>
<message><source>eSInchPerSecond_Name_Alternate2</source><extracomment>inch per second</extracomment><translation>in/sec</translation></message>
<message><source>eSFootPerSecond_Name_Alternate1</source><extracomment>foot per second</extracomment><translation>ft/sec</translation></message>
<message><source>eSFootPerSecond_Name_Alternate2</source><extracomment>foot per second</extracomment><translation>FPS</translation></message>
<message><source>eSFootPerMinute_Name_Alternate1</source><extracomment>foot per minute</extracomment><translation>FPM</translation></message>
<message><source>eSKilometerPerHour_Name_Alternate1</source><extracomment>kilometer per hour</extracomment><translation>km/hr</translation></message>
<message><source>eSKilometerPerHour_Name_Alternate2</source><extracomment>kilometer per hour</extracomment><translation>KPH</translation></message>
<message><source>eSKilometerPerHour_Name_Alternate3</source><extracomment>kilometer per hour</extracomment><translation>kmh</translation></message>
<message><source>eSMilePerHour_Name_Alternate1</source><extracomment>mile per hour</extracomment><translation>mi/hr</translation></message>
<message><source>eSFootPerHour_Name_Alternate1</source><extracomment>foot per hour</extracomment><translation>ft/hr</translation></message>
<message><source>eSInchPerHour_Name_Alternate1</source><extracomment>inch per hour</extracomment><translation>in/hr</translation></message>
<message><source>eSKnot_Name_Alternate2</source><extracomment>knot</extracomment><translation>kts</translation></message>
<message><source>eSMeterPerHour_Name_Alternate1</source><extracomment>meter per hour</extracomment><translation>m/hr</translation></message>
</context>
<context>
<name>UnitSymbol_Temperature</name>
<message><source>eSKelvin_Name_Alternate2</source><extracomment>kelvin</extracomment><translation>°K</translation></message>
<message><source>eSKelvin_Name_Alternate3</source><extracomment>kelvin</extracomment><translatorcomment>generated from «°K»</translatorcomment><translation>ºK</translation></message>
<message><source>eSKelvin_Name_Alternate4</source><extracomment>kelvin</extracomment><translatorcomment>generated from «°K»</translatorcomment><translation>˚K</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate1</source><extracomment>degree Celsius</extracomment><translation>Celsius</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate2</source><extracomment>degree Celsius</extracomment><translation>celsius</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate4</source><extracomment>degree Celsius</extracomment><translation>deg C</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate5</source><extracomment>degree Celsius</extracomment><translation>degree C</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate6</source><extracomment>degree Celsius</extracomment><translation>degrees C</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate7</source><extracomment>degree Celsius</extracomment><translation>° C</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate8</source><extracomment>degree Celsius</extracomment><translation>ºC</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate9</source><extracomment>degree Celsius</extracomment><translation>centigrade</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate10</source><extracomment>degree Celsius</extracomment><translatorcomment>generated from «° C»</translatorcomment><translation>º C</translation></message>
<message><source>eSdegreeC_Alternate1</source><extracomment>degree Celsius</extracomment><translatorcomment>generated from «°C»</translatorcomment><translation>˚C</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate1</source><extracomment>degree Fahrenheit</extracomment><translation>Fahrenheit</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate2</source><extracomment>degree Fahrenheit</extracomment><translation>fahrenheit</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate4</source><extracomment>degree Fahrenheit</extracomment><translation>deg F</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate5</source><extracomment>degree Fahrenheit</extracomment><translation>degree F</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate6</source><extracomment>degree Fahrenheit</extracomment><translation>degrees F</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate7</source><extracomment>degree Fahrenheit</extracomment><translation>° F</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate8</source><extracomment>degree Fahrenheit</extracomment><translation>ºF</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate9</source><extracomment>degree Fahrenheit</extracomment><translatorcomment>generated from «° F»</translatorcomment><translation>º F</translation></message>
<message><source>eSDegreeFahrenheit_Name_Alternate10</source><extracomment>degree Fahrenheit</extracomment><translatorcomment>generated from «° F»</translatorcomment><translation>˚ F</translation></message>
<message><source>eSdegreeF_Alternate1</source><extracomment>degree Fahrenheit</extracomment><translatorcomment>generated from «°F»</translatorcomment><translation>˚F</translation></message>
<message><source>eSDegreeRankine_Name_Alternate1</source><extracomment>degree Rankine</extracomment><translation>Rankine</translation></message>
<message><source>eSDegreeRankine_Name_Alternate3</source><extracomment>degree Rankine</extracomment><translation>deg R</translation></message>
<message><source>eSdegreeR_Alternate1</source><extracomment>degree Rankine</extracomment><translatorcomment>generated from «°R»</translatorcomment><translation>ºR</translation></message>
<message><source>eSdegreeR_Alternate2</source><extracomment>degree Rankine</extracomment><translatorcomment>generated from «°R»</translatorcomment><translation>˚R</translation></message>
<message><source>eSdegreeRa_Alternate1</source><extracomment>degree Rankine</extracomment><translatorcomment>generated from «°Ra»</translatorcomment><translation>ºRa</translation></message>
<message><source>eSdegreeRa_Alternate2</source><extracomment>degree Rankine</extracomment><translatorcomment>generated from «°Ra»</translatorcomment><translation>˚Ra</translation></message>
</context>
<context>
<name>UnitSymbol_TemperatureRate</name>
<message><source>eSDegreeCPermin_Alternate1</source><extracomment>celsius per minute</extracomment><translatorcomment>generated from «°C/min»</translatorcomment><translation>ºC/min</translation></message>
<message><source>eSDegreeCPermin_Alternate2</source><extracomment>celsius per minute</extracomment><translatorcomment>generated from «°C/min»</translatorcomment><translation>˚C/min</translation></message>
<message><source>eSDegreeFPermin_Alternate1</source><extracomment>fahrenheit per minute</extracomment><translatorcomment>generated from «°F/min»</translatorcomment><translation>ºF/min</translation></message>
<message><source>eSDegreeFPermin_Alternate2</source><extracomment>fahrenheit per minute</extracomment><translatorcomment>generated from «°F/min»</translatorcomment><translation>˚F/min</translation></message>
</context>
<context>
<name>UnitSymbol_Time</name>
<message><source>eSSecond_Name_Alternate2</source><extracomment>second</extracomment><translation>secs</translation></message>
<message><source>eSSecond_Name_Alternate3</source><extracomment>second</extracomment><translation>sec.</translation></message>
<message><source>eSMillisecond_Name_Alternate2</source><extracomment>millisecond</extracomment><translation>msec</translation></message>
<message><source>eSMillisecond_Name_Alternate3</source><extracomment>millisecond</extracomment><translation>msecs</translation></message>
<message><source>eSMicrosecond_Name_Alternate2</source><extracomment>microsecond</extracomment><translation>usec</translation></message>
<message><source>eSmus_Alternate1</source><extracomment>microsecond</extracomment><translation>μs</translation></message>
<message><source>eSNanosecond_Name_Alternate2</source><extracomment>nanosecond</extracomment><translation>nsec</translation></message>
<message><source>eSMinute_Name_Alternate2</source><extracomment>minute</extracomment><translation>mins</translation></message>
<message><source>eSMinute_Name_Alternate3</source><extracomment>minute</extracomment><translation>min.</translation></message>
<message><source>eSHour_Name_Alternate2</source><extracomment>hour</extracomment><translation>hrs</translation></message>
<message><source>eSHour_Name_Alternate3</source><extracomment>hour</extracomment><translation>hr.</translation></message>
<message><source>eSWeek_Name_Alternate2</source><extracomment>week</extracomment><translation>wks</translation></message>
<message><source>eSMonth_Name_Alternate2</source><extracomment>month</extracomment><translation>mos</translation></message>
<message><source>eSYear_Name_Alternate2</source><extracomment>year</extracomment><translation>yrs</translation></message>
<message><source>eSYear_Name_Alternate3</source><extracomment>year</extracomment><translation>yr.</translation></message>
</context>
<context>
<name>UnitSymbol_Torque</name>
<message><source>eSNewtonCentimeterTorque_Name_Alternate1</source><extracomment>newton centimeter (torque)</extracomment><translation>N·cm</translation></message>
<message><source>eSFootPoundTorque_Name_Alternate1</source><extracomment>foot pound (torque)</extracomment><translation>lb·ft</translation></message>
<message><source>eSFootPoundTorque_Name_Alternate2</source><extracomment>foot pound (torque)</extracomment><translation>lb-ft</translation></message>
<message><source>eSInchPoundTorque_Name_Alternate1</source><extracomment>inch pound (torque)</extracomment><translation>in·lb</translation></message>
<message><source>eSInchPoundTorque_Name_Alternate2</source><extracomment>inch pound (torque)</extracomment><translation>in-lb</translation></message>
<message><source>eSInchPoundTorque_Name_Alternate3</source><extracomment>inch pound (torque)</extracomment><translation>lb·in</translation></message>
<message><source>eSInchPoundTorque_Name_Alternate4</source><extracomment>inch pound (torque)</extracomment><translation>lb-in</translation></message>
<message><source>eSInchPoundTorque_Name_Alternate5</source><extracomment>inch pound (torque)</extracomment><translation>in·lbf</translation></message>
<message><source>eSInchPoundTorque_Name_Alternate6</source><extracomment>inch pound (torque)</extracomment><translation>lbf·in</translation></message>
<message><source>eSInchPoundTorque_Name_Alternate7</source><extracomment>inch pound (torque)</extracomment><translation>in-lbf</translation></message>
<message><source>eSMeterKilogramTorque_Name_Alternate1</source><extracomment>meter kilogram (torque)</extracomment><translation>kg·m</translation></message>
<message><source>eSMeterKilogramTorque_Name_Alternate2</source><extracomment>meter kilogram (torque)</extracomment><translation>m·kg</translation></message>
<message><source>eSCentimeterKilogramTorque_Name_Alternate1</source><extracomment>centimeter kilogram (torque)</extracomment><translation>kg·cm</translation></message>
<message><source>eSCentimeterKilogramTorque_Name_Alternate2</source><extracomment>centimeter kilogram (torque)</extracomment><translation>cm·kg</translation></message>
<message><source>eSInchOunceTorque_Name_Alternate1</source><extracomment>inch ounce (torque)</extracomment><translation>in·oz</translation></message>
<message><source>eSInchOunceTorque_Name_Alternate2</source><extracomment>inch ounce (torque)</extracomment><translation>oz·in</translation></message>
<message><source>eSInchOunceTorque_Name_Alternate3</source><extracomment>inch ounce (torque)</extracomment><translation>ozf·in</translation></message>
<message><source>eSGramCentimeterTorque_Name_Alternate1</source><extracomment>gram centimeter (torque)</extracomment><translation>g·cm</translation></message>
<message><source>eSGramCentimeterTorque_Name_Alternate2</source><extracomment>gram centimeter (torque)</extracomment><translation>gf·cm</translation></message>
<message><source>eSKipFootTorque_Name_Alternate1</source><extracomment>kip foot (torque)</extracomment><translation>kip·ft</translation></message>
<message><source>eSKipFootTorque_Name_Alternate2</source><extracomment>kip foot (torque)</extracomment><translation>kip-ft</translation></message>
<message><source>eSKipFootTorque_Name_Alternate3</source><extracomment>kip foot (torque)</extracomment><translation>k-ft</translation></message>
<message><source>eSKipFootTorque_Name_Alternate4</source><extracomment>kip foot (torque)</extracomment><translation>ft·kip</translation></message>
<message><source>eSTonForceMeterTorque_Name_Alternate1</source><extracomment>ton force meter (torque)</extracomment><translation>tonf·m</translation></message>
<message><source>eSTonForceMeterTorque_Name_Alternate2</source><extracomment>ton force meter (torque)</extracomment><translation>tf·m</translation></message>
<message><source>eSPoundForceFootTorque_Name_Alternate1</source><extracomment>pound force foot (torque)</extracomment><translation>lbf·ft</translation></message>
<message><source>eSPoundForceFootTorque_Name_Alternate2</source><extracomment>pound force foot (torque)</extracomment><translation>lbf-ft</translation></message>
</context>
<context>
<name>UnitSymbol_DynamicViscosity</name>
<message><source>eSCentipoise_Name_Alternate1</source><extracomment>centipoise</extracomment><translation>centipoises</translation></message>
</context>
<context>
<name>UnitSymbol_Acceleration</name>
<message><source>eSMeterPerSecondSquared_Name_Alternate1</source><extracomment>meter per second squared</extracomment><translation>m/sec²</translation></message>
<message><source>eSMeterPerSecondSquared_Name_Alternate2</source><extracomment>meter per second squared</extracomment><translation>m/s/s</translation></message>
<message><source>eSMeterPerSecondSquared_Name_Alternate3</source><extracomment>meter per second squared</extracomment><translatorcomment>generated from «m/sec²»</translatorcomment><translation>m/sec2</translation></message>
<message><source>eSMeterPerSecondSquared_Name_Alternate4</source><extracomment>meter per second squared</extracomment><translatorcomment>generated from «m/sec²»</translatorcomment><translation>m/sec^2</translation></message>
<message><source>eSmPers2_Alternate1</source><extracomment>meter per second squared</extracomment><translatorcomment>generated from «m/s²»</translatorcomment><translation>m/s2</translation></message>
<message><source>eSmPers2_Alternate2</source><extracomment>meter per second squared</extracomment><translatorcomment>generated from «m/s²»</translatorcomment><translation>m/s^2</translation></message>
<message><source>eSFootPerSecondSquared_Name_Alternate1</source><extracomment>foot per second squared</extracomment><translation>ft/sec²</translation></message>
<message><source>eSFootPerSecondSquared_Name_Alternate2</source><extracomment>foot per second squared</extracomment><translation>ft/s/s</translation></message>
<message><source>eSFootPerSecondSquared_Name_Alternate3</source><extracomment>foot per second squared</extracomment><translatorcomment>generated from «ft/sec²»</translatorcomment><translation>ft/sec2</translation></message>
<message><source>eSFootPerSecondSquared_Name_Alternate4</source><extracomment>foot per second squared</extracomment><translatorcomment>generated from «ft/sec²»</translatorcomment><translation>ft/sec^2</translation></message>
<message><source>eSftPers2_Alternate1</source><extracomment>foot per second squared</extracomment><translatorcomment>generated from «ft/s²»</translatorcomment><translation>ft/s2</translation></message>
<message><source>eSftPers2_Alternate2</source><extracomment>foot per second squared</extracomment><translatorcomment>generated from «ft/s²»</translatorcomment><translation>ft/s^2</translation></message>
<message><source>eSStandardGravity_Name_Alternate1</source><extracomment>standard gravity</extracomment><translation>g-force</translation></message>
<message><source>eSgn_Alternate1</source><extracomment>standard gravity</extracomment><translation>gn</translation></message>
</context>
<context>
<name>UnitSymbol_Voltage</name>
<message><source>eSmuV_Alternate1</source><extracomment>microvolt</extracomment><translation>μV</translation></message>
</context>
<context>
<name>UnitSymbol_Illuminance</name>
<message><source>eSlx_I_Alternate1</source><extracomment>Lux (Illuminance)</extracomment><translation>lux</translation></message>
<message><source>eSlmPerft2_Alternate1</source><extracomment>footcandle</extracomment><translatorcomment>generated from «lm/ft²»</translatorcomment><translation>lm/ft2</translation></message>
<message><source>eSlmPerft2_Alternate2</source><extracomment>footcandle</extracomment><translatorcomment>generated from «lm/ft²»</translatorcomment><translation>lm/ft^2</translation></message>
</context>
<context>
<name>UnitSymbol_Luminance</name>
<message><source>eScdPerm2_Alternate1</source><extracomment>candela per square meter</extracomment><translatorcomment>generated from «cd/m²»</translatorcomment><translation>cd/m2</translation></message>
<message><source>eScdPerm2_Alternate2</source><extracomment>candela per square meter</extracomment><translatorcomment>generated from «cd/m²»</translatorcomment><translation>cd/m^2</translation></message>
<message><source>eScdPerft2_Alternate1</source><extracomment>candela per square foot</extracomment><translatorcomment>generated from «cd/ft²»</translatorcomment><translation>cd/ft2</translation></message>
<message><source>eScdPerft2_Alternate2</source><extracomment>candela per square foot</extracomment><translatorcomment>generated from «cd/ft²»</translatorcomment><translation>cd/ft^2</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousEmittance</name>
<message><source>eSlx_LE_Alternate1</source><extracomment>lux (emittance)</extracomment><translatorcomment>generated from «lm/m²»</translatorcomment><translation>lm/m2</translation></message>
<message><source>eSlx_LE_Alternate2</source><extracomment>lux (emittance)</extracomment><translatorcomment>generated from «lm/m²»</translatorcomment><translation>lm/m^2</translation></message>
</context>
<context>
<name>UnitSymbol_HeatTransferCoefficient</name>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate1</source><extracomment>watt per square meter kelvin</extracomment><translation>W/m²K</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate2</source><extracomment>watt per square meter kelvin</extracomment><translation>W/m²·K</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate3</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «W/m²K»</translatorcomment><translation>W/m2K</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate4</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «W/m²K»</translatorcomment><translation>W/m^2K</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate5</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «W/m²·K»</translatorcomment><translation>W/m2·K</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate6</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «W/m²·K»</translatorcomment><translation>W/m^2·K</translation></message>
<message><source>eSWPerm2K_Alternate1</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «W/(m²·K)»</translatorcomment><translation>W/(m2·K)</translation></message>
<message><source>eSWPerm2K_Alternate2</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «W/(m²·K)»</translatorcomment><translation>W/(m^2·K)</translation></message>
<message><source>eSBTUPerhsqftDegreeF_Alternate1</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «BTU/(h·sq ft·°F)»</translatorcomment><translation>BTU/(h·sq ft·ºF)</translation></message>
<message><source>eSBTUPerhsqftDegreeF_Alternate2</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «BTU/(h·sq ft·°F)»</translatorcomment><translation>BTU/(h·sq ft·˚F)</translation></message>
<message><source>eSBTUPerhft2DegreeF_Alternate1</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «BTU/(h·ft²·°F)»</translatorcomment><translation>BTU/(h·ft2·°F)</translation></message>
<message><source>eSBTUPerhft2DegreeF_Alternate2</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «BTU/(h·ft²·°F)»</translatorcomment><translation>BTU/(h·ft^2·°F)</translation></message>
<message><source>eSBTUPerhft2DegreeF_Alternate3</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «BTU/(h·ft²·°F)»</translatorcomment><translation>BTU/(h·ft²·ºF)</translation></message>
<message><source>eSBTUPerhft2DegreeF_Alternate4</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «BTU/(h·ft²·°F)»</translatorcomment><translation>BTU/(h·ft²·˚F)</translation></message>
<message><source>eSBTUPerhrsqftDegreeF_Alternate1</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «BTU/(hr·sq ft·°F)»</translatorcomment><translation>BTU/(hr·sq ft·ºF)</translation></message>
<message><source>eSBTUPerhrsqftDegreeF_Alternate2</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «BTU/(hr·sq ft·°F)»</translatorcomment><translation>BTU/(hr·sq ft·˚F)</translation></message>
<message><source>eSBTUPerhrft2DegreeF_Alternate1</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «BTU/(hr·ft²·°F)»</translatorcomment><translation>BTU/(hr·ft2·°F)</translation></message>
<message><source>eSBTUPerhrft2DegreeF_Alternate2</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «BTU/(hr·ft²·°F)»</translatorcomment><translation>BTU/(hr·ft^2·°F)</translation></message>
<message><source>eSBTUPerhrft2DegreeF_Alternate3</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «BTU/(hr·ft²·°F)»</translatorcomment><translation>BTU/(hr·ft²·ºF)</translation></message>
<message><source>eSBTUPerhrft2DegreeF_Alternate4</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «BTU/(hr·ft²·°F)»</translatorcomment><translation>BTU/(hr·ft²·˚F)</translation></message>
<message><source>eSBtuPerhsqftDegreeF_Alternate1</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «Btu/(h·sq ft·°F)»</translatorcomment><translation>Btu/(h·sq ft·ºF)</translation></message>
<message><source>eSBtuPerhsqftDegreeF_Alternate2</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «Btu/(h·sq ft·°F)»</translatorcomment><translation>Btu/(h·sq ft·˚F)</translation></message>
<message><source>eSBtuPerhft2DegreeF_Alternate1</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «Btu/(h·ft²·°F)»</translatorcomment><translation>Btu/(h·ft2·°F)</translation></message>
<message><source>eSBtuPerhft2DegreeF_Alternate2</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «Btu/(h·ft²·°F)»</translatorcomment><translation>Btu/(h·ft^2·°F)</translation></message>
<message><source>eSBtuPerhft2DegreeF_Alternate3</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «Btu/(h·ft²·°F)»</translatorcomment><translation>Btu/(h·ft²·ºF)</translation></message>
<message><source>eSBtuPerhft2DegreeF_Alternate4</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «Btu/(h·ft²·°F)»</translatorcomment><translation>Btu/(h·ft²·˚F)</translation></message>
<message><source>eSBtuPerhrsqftDegreeF_Alternate1</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «Btu/(hr·sq ft·°F)»</translatorcomment><translation>Btu/(hr·sq ft·ºF)</translation></message>
<message><source>eSBtuPerhrsqftDegreeF_Alternate2</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «Btu/(hr·sq ft·°F)»</translatorcomment><translation>Btu/(hr·sq ft·˚F)</translation></message>
<message><source>eSBtuPerhrft2DegreeF_Alternate1</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «Btu/(hr·ft²·°F)»</translatorcomment><translation>Btu/(hr·ft2·°F)</translation></message>
<message><source>eSBtuPerhrft2DegreeF_Alternate2</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «Btu/(hr·ft²·°F)»</translatorcomment><translation>Btu/(hr·ft^2·°F)</translation></message>
<message><source>eSBtuPerhrft2DegreeF_Alternate3</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «Btu/(hr·ft²·°F)»</translatorcomment><translation>Btu/(hr·ft²·ºF)</translation></message>
<message><source>eSBtuPerhrft2DegreeF_Alternate4</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «Btu/(hr·ft²·°F)»</translatorcomment><translation>Btu/(hr·ft²·˚F)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDensity</name>
<message><source>eSm3Persm2_Alternate1</source><extracomment>cubic meter per second square meter</extracomment><translatorcomment>generated from «m³/(s·m²)»</translatorcomment><translation>m3/(s·m2)</translation></message>
<message><source>eSm3Persm2_Alternate2</source><extracomment>cubic meter per second square meter</extracomment><translatorcomment>generated from «m³/(s·m²)»</translatorcomment><translation>m^3/(s·m^2)</translation></message>
<message><source>eSft3Perminft2_Alternate1</source><extracomment>cubic foot per minute square foot</extracomment><translatorcomment>generated from «ft³/(min·ft²)»</translatorcomment><translation>ft3/(min·ft2)</translation></message>
<message><source>eSft3Perminft2_Alternate2</source><extracomment>cubic foot per minute square foot</extracomment><translatorcomment>generated from «ft³/(min·ft²)»</translatorcomment><translation>ft^3/(min·ft^2)</translation></message>
<message><source>eSLPersm2_Alternate1</source><extracomment>liter per second square meter</extracomment><translatorcomment>generated from «L/(s·m²)»</translatorcomment><translation>L/(s·m2)</translation></message>
<message><source>eSLPersm2_Alternate2</source><extracomment>liter per second square meter</extracomment><translatorcomment>generated from «L/(s·m²)»</translatorcomment><translation>L/(s·m^2)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDividedByVolume</name>
<message><source>eSm3Persm3_Alternate1</source><extracomment>cubic meter per second cubic meter</extracomment><translatorcomment>generated from «m³/(s·m³)»</translatorcomment><translation>m3/(s·m3)</translation></message>
<message><source>eSm3Persm3_Alternate2</source><extracomment>cubic meter per second cubic meter</extracomment><translatorcomment>generated from «m³/(s·m³)»</translatorcomment><translation>m^3/(s·m^3)</translation></message>
<message><source>eSft3Perminft3_Alternate1</source><extracomment>cubic foot per minute cubic foot</extracomment><translatorcomment>generated from «ft³/(min·ft³)»</translatorcomment><translation>ft3/(min·ft3)</translation></message>
<message><source>eSft3Perminft3_Alternate2</source><extracomment>cubic foot per minute cubic foot</extracomment><translatorcomment>generated from «ft³/(min·ft³)»</translatorcomment><translation>ft^3/(min·ft^3)</translation></message>
<message><source>eScfmPerft3_Alternate1</source><extracomment>cubic foot per minute cubic foot</extracomment><translatorcomment>generated from «cfm/ft³»</translatorcomment><translation>cfm/ft3</translation></message>
<message><source>eScfmPerft3_Alternate2</source><extracomment>cubic foot per minute cubic foot</extracomment><translatorcomment>generated from «cfm/ft³»</translatorcomment><translation>cfm/ft^3</translation></message>
<message><source>eSLPersm3_Alternate1</source><extracomment>liter per second cubic meter</extracomment><translatorcomment>generated from «L/(s·m³)»</translatorcomment><translation>L/(s·m3)</translation></message>
<message><source>eSLPersm3_Alternate2</source><extracomment>liter per second cubic meter</extracomment><translatorcomment>generated from «L/(s·m³)»</translatorcomment><translation>L/(s·m^3)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDividedByPower</name>
<message><source>eSm3PersW_Alternate1</source><extracomment>cubic meter per second watt</extracomment><translatorcomment>generated from «m³/(s·W)»</translatorcomment><translation>m3/(s·W)</translation></message>
<message><source>eSm3PersW_Alternate2</source><extracomment>cubic meter per second watt</extracomment><translatorcomment>generated from «m³/(s·W)»</translatorcomment><translation>m^3/(s·W)</translation></message>
</context>
<context>
<name>UnitSymbol_AreaDividedByPower</name>
<message><source>eSm2PerW_Alternate1</source><extracomment>square meter per watt</extracomment><translatorcomment>generated from «m²/W»</translatorcomment><translation>m2/W</translation></message>
<message><source>eSm2PerW_Alternate2</source><extracomment>square meter per watt</extracomment><translatorcomment>generated from «m²/W»</translatorcomment><translation>m^2/W</translation></message>
<message><source>eSm2PerkW_Alternate1</source><extracomment>square meter per kilowatt</extracomment><translatorcomment>generated from «m²/kW»</translatorcomment><translation>m2/kW</translation></message>
<message><source>eSm2PerkW_Alternate2</source><extracomment>square meter per kilowatt</extracomment><translatorcomment>generated from «m²/kW»</translatorcomment><translation>m^2/kW</translation></message>
<message><source>eSft2PerkBTUPerh_Alternate1</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translatorcomment>generated from «ft²/(kBTU/h)»</translatorcomment><translation>ft2/(kBTU/h)</translation></message>
<message><source>eSft2PerkBTUPerh_Alternate2</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translatorcomment>generated from «ft²/(kBTU/h)»</translatorcomment><translation>ft^2/(kBTU/h)</translation></message>
<message><source>eSft2PerkBTUPerhr_Alternate1</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translatorcomment>generated from «ft²/(kBTU/hr)»</translatorcomment><translation>ft2/(kBTU/hr)</translation></message>
<message><source>eSft2PerkBTUPerhr_Alternate2</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translatorcomment>generated from «ft²/(kBTU/hr)»</translatorcomment><translation>ft^2/(kBTU/hr)</translation></message>
<message><source>eSft2PerkBtuPerh_Alternate1</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translatorcomment>generated from «ft²/(kBtu/h)»</translatorcomment><translation>ft2/(kBtu/h)</translation></message>
<message><source>eSft2PerkBtuPerh_Alternate2</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translatorcomment>generated from «ft²/(kBtu/h)»</translatorcomment><translation>ft^2/(kBtu/h)</translation></message>
<message><source>eSft2PerkBtuPerhr_Alternate1</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translatorcomment>generated from «ft²/(kBtu/hr)»</translatorcomment><translation>ft2/(kBtu/hr)</translation></message>
<message><source>eSft2PerkBtuPerhr_Alternate2</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translatorcomment>generated from «ft²/(kBtu/hr)»</translatorcomment><translation>ft^2/(kBtu/hr)</translation></message>
</context>
<context>
<name>UnitSymbol_MomentScale</name>
<message><source>eSs2Permkg_Alternate1</source><extracomment>square second per meter kilogram</extracomment><translatorcomment>generated from «s²/(m·kg)»</translatorcomment><translation>s2/(m·kg)</translation></message>
<message><source>eSs2Permkg_Alternate2</source><extracomment>square second per meter kilogram</extracomment><translatorcomment>generated from «s²/(m·kg)»</translatorcomment><translation>s^2/(m·kg)</translation></message>
</context>
<context>
<name>UnitSymbol_CoefficientOfThermalExpansion</name>
<message><source>eSInvDegreeF_Alternate1</source><extracomment>inverse fahrenheit</extracomment><translatorcomment>generated from «°F⁻¹»</translatorcomment><translation>ºF⁻¹</translation></message>
<message><source>eSInvDegreeF_Alternate2</source><extracomment>inverse fahrenheit</extracomment><translatorcomment>generated from «°F⁻¹»</translatorcomment><translation>˚F⁻¹</translation></message>
<message><source>eSInvDegreeC_Alternate1</source><extracomment>inverse celsius</extracomment><translatorcomment>generated from «°C⁻¹»</translatorcomment><translation>ºC⁻¹</translation></message>
<message><source>eSInvDegreeC_Alternate2</source><extracomment>inverse celsius</extracomment><translatorcomment>generated from «°C⁻¹»</translatorcomment><translation>˚C⁻¹</translation></message>
</context>
<context>
<name>UnitSymbol_MagneticFieldIntensity</name>
<message><source>eSOersted_Name_Alternate1</source><extracomment>oersted</extracomment><translation>Oe</translation></message>
</context>
</TS>
