<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
<name>UnitSymbol_Length</name>
<message><source>eSm</source><extracomment>meter</extracomment><translation>м</translation></message>
<message><source>eSYm</source><extracomment>yottameter</extracomment><translation>Им</translation></message>
<message><source>eSZm</source><extracomment>zettameter</extracomment><translation>Зм</translation></message>
<message><source>eSEm</source><extracomment>exameter</extracomment><translation>Эм</translation></message>
<message><source>eSPm</source><extracomment>petameter</extracomment><translation>Пм</translation></message>
<message><source>eSTm</source><extracomment>terameter</extracomment><translation>Тм</translation></message>
<message><source>eSGm</source><extracomment>gigameter</extracomment><translation>Гм</translation></message>
<message><source>eSMm</source><extracomment>megameter</extracomment><translation>Мм</translation></message>
<message><source>eSkm</source><extracomment>kilometer</extracomment><translation>км</translation></message>
<message><source>eSkm_OneChar</source><extracomment>kilometer</extracomment><translation>㎞</translation></message>
<message><source>eShm</source><extracomment>hectometer</extracomment><translation>гм</translation></message>
<message><source>eSdam</source><extracomment>decameter</extracomment><translation>дам</translation></message>
<message><source>eSdm</source><extracomment>decimeter</extracomment><translation>дм</translation></message>
<message><source>eScm</source><extracomment>centimeter</extracomment><translation>см</translation></message>
<message><source>eScm_OneChar</source><extracomment>centimeter</extracomment><translation>㎝</translation></message>
<message><source>eSmm</source><extracomment>millimeter</extracomment><translation>мм</translation></message>
<message><source>eSmm_OneChar</source><extracomment>millimeter</extracomment><translation>㎜</translation></message>
<message><source>eSmum</source><extracomment>micrometer</extracomment><translation>мкм</translation></message>
<message><source>eSum</source><extracomment>micrometer</extracomment><translation>мкм</translation></message>
<message><source>eSmum_OneChar</source><extracomment>micrometer</extracomment><translation>㎛</translation></message>
<message><source>eSnm</source><extracomment>nanometer</extracomment><translation>нм</translation></message>
<message><source>eSnm_OneChar</source><extracomment>nanometer</extracomment><translation>㎚</translation></message>
<message><source>eSpm</source><extracomment>picometer</extracomment><translation>пм</translation></message>
<message><source>eSfm</source><extracomment>femtometer</extracomment><translation>фм</translation></message>
<message><source>eSfm_OneChar</source><extracomment>femtometer</extracomment><translation>㎙</translation></message>
<message><source>eSam</source><extracomment>attometer</extracomment><translation>ам</translation></message>
<message><source>eSzm</source><extracomment>zeptometer</extracomment><translation>зм</translation></message>
<message><source>eSym</source><extracomment>yoctometer</extracomment><translation>им</translation></message>
<message><source>eSin</source><extracomment>inch</extracomment><translation>дюйм</translation></message>
<message><source>eSin_OneChar</source><extracomment>inch</extracomment><translation>㏌</translation></message>
<message><source>eSInch_DoublePrime</source><extracomment>inch</extracomment><translation>″</translation></message>
<message><source>eSInch_FootPrimeInchDoublePrime</source><extracomment>inch</extracomment><translation>футы и дюймы (5'6.50")</translation></message>
<message><source>eSInch_FootPrimeDashInchDoublePrime</source><extracomment>inch</extracomment><translation>футы и дюймы через дефис (5'-6.50")</translation></message>
<message><source>eSInch_FootPrimeInchDoublePrime_Fraction</source><extracomment>inch</extracomment><translation>футы и дюймы с дробью (5'6 1/2")</translation></message>
<message><source>eSInch_FootPrimeDashInchDoublePrime_Fraction</source><extracomment>inch</extracomment><translation>футы и дюймы с дробью через дефис (5'-6-1/2")</translation></message>
<message><source>eSInch_DoublePrime_Fraction</source><extracomment>inch</extracomment><translation>дюймы с дробью (6 1/2")</translation></message>
<message><source>eSInch_DoublePrimeDash_Fraction</source><extracomment>inch</extracomment><translation>дюймы с дробью через дефис (6-1/2")</translation></message>
<message><source>eSft</source><extracomment>foot</extracomment><translation>фут</translation></message>
<message><source>eSFoot_Prime</source><extracomment>foot</extracomment><translation>′</translation></message>
<message><source>eSft_Ben</source><extracomment>foot (Benoit)</extracomment><translation>фут (Бенуа)</translation></message>
<message><source>eSFoot_Ben_Prime</source><extracomment>foot (Benoit)</extracomment><translation>′ (Бенуа)</translation></message>
<message><source>eSft_Clarke_Cape</source><extracomment>foot (Clarke's; Cape)</extracomment><translation>фут (Кларка)</translation></message>
<message><source>eSFoot_Clarke_Cape_Prime</source><extracomment>foot (Clarke's; Cape)</extracomment><translation>′ (Кларка)</translation></message>
<message><source>eSft_Indian</source><extracomment>foot (Indian)</extracomment><translation>фут (инд.)</translation></message>
<message><source>eSFoot_Indian_Prime</source><extracomment>foot (Indian)</extracomment><translation>′ (инд.)</translation></message>
<message><source>eSft_Sear</source><extracomment>foot (Sear's)</extracomment><translation>фут (Сирса)</translation></message>
<message><source>eSFoot_Sear_Prime</source><extracomment>foot (Sear's)</extracomment><translation>′ (Сирса)</translation></message>
<message><source>eSft_US_Survey</source><extracomment>foot (U.S. Survey)</extracomment><translation>фут (геод. США)</translation></message>
<message><source>eSFoot_US_Survey_Prime</source><extracomment>foot (U.S. Survey)</extracomment><translation>′ (геод. США)</translation></message>
<message><source>eSyd</source><extracomment>yard</extracomment><translation>ярд</translation></message>
<message><source>eSch</source><extracomment>chain</extracomment><translation>чейн</translation></message>
<message><source>eSch_Engineer</source><extracomment>chain (Ramsden's; Engineer's)</extracomment><translation>чейн (инж.)</translation></message>
<message><source>eSfur</source><extracomment>furlong</extracomment><translation>фурлонг</translation></message>
<message><source>eSmi</source><extracomment>mile</extracomment><translation>миля</translation></message>
<message><source>eSmi_Geo</source><extracomment>geographical mile</extracomment><translation>миля (геогр.)</translation></message>
<message><source>eSmi_US_Survey</source><extracomment>mile (U.S. Survey)</extracomment><translation>миля (геод. США)</translation></message>
<message><source>eSNM</source><extracomment>nautical mile</extracomment><translation>мор. миля</translation></message>
<message><source>eSnmi</source><extracomment>nautical mile</extracomment><translation>мор. миля</translation></message>
<message><source>eSnmile</source><extracomment>nautical mile</extracomment><translation>мор. миля</translation></message>
<message><source>eSmi_Statute</source><extracomment>statute mile</extracomment><translation>миля (стат.)</translation></message>
<message><source>eSNM_Adm</source><extracomment>nautical mile (admiralty)</extracomment><translation>мор. миля (брит.)</translation></message>
<message><source>eSnmi_Adm</source><extracomment>nautical mile (admiralty)</extracomment><translation>мор. миля (брит.)</translation></message>
<message><source>eSnm_Adm</source><extracomment>nautical mile (admiralty)</extracomment><translation>мор. миля (брит.)</translation></message>
<message><source>eSnmile_Adm</source><extracomment>nautical mile (admiralty)</extracomment><translation>мор. миля (брит.)</translation></message>
<message><source>eSmu</source><extracomment>micron</extracomment><translation>мк</translation></message>
<message><source>eSu</source><extracomment>micron</extracomment><translation>мк</translation></message>
<message><source>eSmuin</source><extracomment>microinch</extracomment><translation>мкдюйм</translation></message>
<message><source>eSuin</source><extracomment>microinch</extracomment><translation>мкдюйм</translation></message>
<message><source>eSAWithRingAbove</source><extracomment>angstrom</extracomment><translation>Å</translation></message>
<message><source>eSAU</source><extracomment>astronomical unit</extracomment><translation>а. е.</translation></message>
<message><source>eSAU_OneChar</source><extracomment>astronomical unit</extracomment><translation>㍳</translation></message>
<message><source>eSfath</source><extracomment>fathom</extracomment><translation>мор. саж.</translation></message>
<message><source>eSly</source><extracomment>light-year</extracomment><translation>св. год</translation></message>
<message><source>eSldotydot</source><extracomment>light-year</extracomment><translation>св. год</translation></message>
<message><source>eSpc</source><extracomment>parsec</extracomment><translation>пк</translation></message>
<message><source>eSpc_OneChar</source><extracomment>parsec</extracomment><translation>㍶</translation></message>
<message><source>eSNL</source><extracomment>nautical league</extracomment><translation>мор. лига</translation></message>
<message><source>eSnl</source><extracomment>nautical league</extracomment><translation>мор. лига</translation></message>
<message><source>eSlea</source><extracomment>league</extracomment><translation>лига</translation></message>
<message><source>eSthou</source><extracomment>mil</extracomment><translation>мил</translation></message>
<message><source>eSmil</source><extracomment>mil</extracomment><translation>мил</translation></message>
<message><source>eSmil_OneChar</source><extracomment>mil</extracomment><translation>㏕</translation></message>
<message><source>eSthou_SwedenNorway</source><extracomment>mil (Sweden and Norway)</extracomment><translation>миля (сканд.)</translation></message>
<message><source>eSlnk</source><extracomment>link</extracomment><translation>линк</translation></message>
<message><source>eSlDot</source><extracomment>link</extracomment><translation>линк</translation></message>
<message><source>eSliDot</source><extracomment>link</extracomment><translation>линк</translation></message>
<message><source>eSlnkDot</source><extracomment>link</extracomment><translation>линк</translation></message>
<message><source>eSlnk_RamsdenEngineer</source><extracomment>link (Ramsden's; Engineer's)</extracomment><translation>линк (инж.)</translation></message>
<message><source>eSrd</source><extracomment>rod</extracomment><translation>род</translation></message>
<message><source>eSpole</source><extracomment>rod</extracomment><translation>поль</translation></message>
<message><source>eSperch</source><extracomment>rod</extracomment><translation>перч</translation></message>
<message><source>eSrope</source><extracomment>rope</extracomment><translation>роуп</translation></message>
</context>
<context>
<name>UnitSymbol_Area</name>
<message><source>eSm2</source><extracomment>square meter</extracomment><translation>м²</translation></message>
<message><source>eSsqm</source><extracomment>square meter</extracomment><translation>кв. м</translation></message>
<message><source>eSm2_OneChar</source><extracomment>square meter</extracomment><translation>㎡</translation></message>
<message><source>eSsqin</source><extracomment>square inch</extracomment><translation>дюйм²</translation></message>
<message><source>eSin2</source><extracomment>square inch</extracomment><translation>дюйм²</translation></message>
<message><source>eSsqft</source><extracomment>square foot</extracomment><translation>фут²</translation></message>
<message><source>eSft2</source><extracomment>square foot</extracomment><translation>фут²</translation></message>
<message><source>eSsf</source><extracomment>square foot</extracomment><translation>фут²</translation></message>
<message><source>eSsqyd</source><extracomment>square yard</extracomment><translation>ярд²</translation></message>
<message><source>eSyd2</source><extracomment>square yard</extracomment><translation>ярд²</translation></message>
<message><source>eSac</source><extracomment>acre</extracomment><translation>акр</translation></message>
<message><source>eStwp</source><extracomment>township</extracomment><translation>тауншип</translation></message>
<message><source>eSha</source><extracomment>hectare</extracomment><translation>га</translation></message>
<message><source>eSha_OneChar</source><extracomment>hectare</extracomment><translation>㏊</translation></message>
<message><source>eSkm2</source><extracomment>square kilometer</extracomment><translation>км²</translation></message>
<message><source>eSsqkm</source><extracomment>square kilometer</extracomment><translation>кв. км</translation></message>
<message><source>eSkm2_OneChar</source><extracomment>square kilometer</extracomment><translation>㎢</translation></message>
<message><source>eSsqmi</source><extracomment>square mile</extracomment><translation>миля²</translation></message>
<message><source>eSmi2</source><extracomment>square mile</extracomment><translation>миля²</translation></message>
<message><source>eScm2</source><extracomment>square centimeter</extracomment><translation>см²</translation></message>
<message><source>eSsqcm</source><extracomment>square centimeter</extracomment><translation>кв. см</translation></message>
<message><source>eScm2_OneChar</source><extracomment>square centimeter</extracomment><translation>㎠</translation></message>
<message><source>eSmm2</source><extracomment>square millimeter</extracomment><translation>мм²</translation></message>
<message><source>eSsqmm</source><extracomment>square millimeter</extracomment><translation>кв. мм</translation></message>
<message><source>eSmm2_OneChar</source><extracomment>square millimeter</extracomment><translation>㎟</translation></message>
<message><source>eScmil</source><extracomment>circular mil</extracomment><translation>круг. мил</translation></message>
<message><source>eScircmil</source><extracomment>circular mil</extracomment><translation>круг. мил</translation></message>
<message><source>eSkcmil</source><extracomment>kilo-circular mil</extracomment><translation>тыс. круг. мил</translation></message>
<message><source>eSa</source><extracomment>are</extracomment><translation>а</translation></message>
<message><source>eSb</source><extracomment>barn</extracomment><translation>б</translation></message>
<message><source>eSsqAWithRingAbove</source><extracomment>square angstrom</extracomment><translation>Å²</translation></message>
<message><source>eSAWithRingAbove2</source><extracomment>square angstrom</extracomment><translation>Å²</translation></message>
<message><source>eSdm2</source><extracomment>square decimeter</extracomment><translation>дм²</translation></message>
<message><source>eSsqdm</source><extracomment>square decimeter</extracomment><translation>кв. дм</translation></message>
<message><source>eSsqfur</source><extracomment>square furlong</extracomment><translation>фурлонг²</translation></message>
<message><source>eSfur2</source><extracomment>square furlong</extracomment><translation>фурлонг²</translation></message>
<message><source>eSGm2</source><extracomment>square gigameter</extracomment><translation>Гм²</translation></message>
<message><source>eSsqGm</source><extracomment>square gigameter</extracomment><translation>Гм²</translation></message>
<message><source>eSsqNL</source><extracomment>square nautical league</extracomment><translation>мор. лига²</translation></message>
<message><source>eSsqnl</source><extracomment>square nautical league</extracomment><translation>мор. лига²</translation></message>
<message><source>eSNL2</source><extracomment>square nautical league</extracomment><translation>мор. лига²</translation></message>
<message><source>eSnl2</source><extracomment>square nautical league</extracomment><translation>мор. лига²</translation></message>
<message><source>eSsqlea</source><extracomment>square league (statute)</extracomment><translation>лига²</translation></message>
<message><source>eSlea2</source><extracomment>square league (statute)</extracomment><translation>лига²</translation></message>
<message><source>eSsqly</source><extracomment>square light-year</extracomment><translation>св. год²</translation></message>
<message><source>eSsqldotydot</source><extracomment>square light-year</extracomment><translation>св. год²</translation></message>
<message><source>eSly2</source><extracomment>square light-year</extracomment><translation>св. год²</translation></message>
<message><source>eSsqdotydot2</source><extracomment>square light-year</extracomment><translation>св. год²</translation></message>
<message><source>eSsqlnk</source><extracomment>square link</extracomment><translation>линк²</translation></message>
<message><source>eSlnk2</source><extracomment>square link</extracomment><translation>линк²</translation></message>
<message><source>eSsqmu</source><extracomment>square micron</extracomment><translation>мк²</translation></message>
<message><source>eSsqmu2</source><extracomment>square micron</extracomment><translation>мк²</translation></message>
<message><source>eSsqu</source><extracomment>square micron</extracomment><translation>мк²</translation></message>
<message><source>eSsqu2</source><extracomment>square micron</extracomment><translation>мк²</translation></message>
<message><source>eSsqNM_Adm</source><extracomment>square mile (UK nautical)</extracomment><translation>мор. миля² (брит.)</translation></message>
<message><source>eSsqnmi_Adm</source><extracomment>square mile (UK nautical)</extracomment><translation>мор. миля² (брит.)</translation></message>
<message><source>eSNM2_Adm</source><extracomment>square mile (UK nautical)</extracomment><translation>мор. миля² (брит.)</translation></message>
<message><source>eSnmi2_Adm</source><extracomment>square mile (UK nautical)</extracomment><translation>мор. миля² (брит.)</translation></message>
<message><source>eSsqmi_Statute</source><extracomment>square mile (statute)</extracomment><translation>миля² (стат.)</translation></message>
<message><source>eSmi2_Statute</source><extracomment>square mile (statute)</extracomment><translation>миля² (стат.)</translation></message>
<message><source>eSsqpc</source><extracomment>square parsec</extracomment><translation>пк²</translation></message>
<message><source>eSpc2</source><extracomment>square parsec</extracomment><translation>пк²</translation></message>
<message><source>eSsqrd</source><extracomment>square perch</extracomment><translation>род²</translation></message>
<message><source>eSrd2</source><extracomment>square perch</extracomment><translation>род²</translation></message>
<message><source>eSsqmil</source><extracomment>square mil</extracomment><translation>мил²</translation></message>
<message><source>eSsqAU</source><extracomment>square astronomical unit</extracomment><translation>а. е.²</translation></message>
<message><source>eSAU2</source><extracomment>square astronomical unit</extracomment><translation>а. е.²</translation></message>
<message><source>eSbd</source><extracomment>board</extracomment><translation>борд</translation></message>
</context>
<context>
<name>UnitSymbol_Volume</name>
<message><source>eSL</source><extracomment>liter</extracomment><translation>л</translation></message>
<message><source>eScm3</source><extracomment>cubic centimeter</extracomment><translation>см³</translation></message>
<message><source>eScucm</source><extracomment>cubic centimeter</extracomment><translation>куб. см</translation></message>
<message><source>eScm3_OneChar</source><extracomment>cubic centimeter</extracomment><translation>㎤</translation></message>
<message><source>eScc</source><extracomment>cubic centimeter</extracomment><translation>куб. см</translation></message>
<message><source>eStbsp</source><extracomment>tablespoon</extracomment><translation>ст. л.</translation></message>
<message><source>eStbsp_Canadian</source><extracomment>tablespoon (Canadian)</extracomment><translation>ст. л. (канад.)</translation></message>
<message><source>eStbsp_US</source><extracomment>tablespoon (U.S.)</extracomment><translation>ст. л. (США)</translation></message>
<message><source>eSfloz_Imp</source><extracomment>fluid ounce (imperial)</extracomment><translation>жидк. унц. (брит.)</translation></message>
<message><source>eSFluidOz_Imp</source><extracomment>fluid ounce (imperial)</extracomment><translation>жидк. унц. (брит.)</translation></message>
<message><source>eSflOunce_Imp</source><extracomment>fluid ounce (imperial)</extracomment><translation>жидк. унц. (брит.)</translation></message>
<message><source>eSfloz_US</source><extracomment>fluid ounce (U.S.)</extracomment><translation>жидк. унц. (США)</translation></message>
<message><source>eSFluidOz_US</source><extracomment>fluid ounce (U.S.)</extracomment><translation>жидк. унц. (США)</translation></message>
<message><source>eSflOunce_US</source><extracomment>fluid ounce (U.S.)</extracomment><translation>жидк. унц. (США)</translation></message>
<message><source>eSc</source><extracomment>cup</extracomment><translation>чашка</translation></message>
<message><source>eSc_CA</source><extracomment>cup (Canadian)</extracomment><translation>чашка (канад.)</translation></message>
<message><source>eSc_US</source><extracomment>cup (U.S.)</extracomment><translation>чашка (США)</translation></message>
<message><source>eSqt_Imp</source><extracomment>quart (imperial)</extracomment><translation>кварта (брит.)</translation></message>
<message><source>eSqt_US_fluid</source><extracomment>quart (U.S. fluid)</extracomment><translation>кварта (США)</translation></message>
<message><source>eSqt_US_dry</source><extracomment>quart (U.S. dry)</extracomment><translation>кварта (США, сух.)</translation></message>
<message><source>eSgal_Imp</source><extracomment>gallon (imperial)</extracomment><translation>гал (брит.)</translation></message>
<message><source>eSgal_US_fluid</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>гал (США)</translation></message>
<message><source>eSgal_US_dry</source><extracomment>gallon (U.S. dry)</extracomment><translation>гал (США, сух.)</translation></message>
<message><source>eSbeergal</source><extracomment>beer gallon</extracomment><translation>пивн. гал</translation></message>
<message><source>eSbu_Imp</source><extracomment>bushel (imperial)</extracomment><translation>бушель (брит.)</translation></message>
<message><source>eSbu_US_lvl</source><extracomment>bushel (U.S. dry level)</extracomment><translation>бушель (США, без верха)</translation></message>
<message><source>eSbu_US</source><extracomment>bushel (U.S. dry heaped)</extracomment><translation>бушель (США, с верхом)</translation></message>
<message><source>eScL</source><extracomment>centiliter</extracomment><translation>сл</translation></message>
<message><source>eScuft</source><extracomment>cubic foot</extracomment><translation>фут³</translation></message>
<message><source>eSft3</source><extracomment>cubic foot</extracomment><translation>фут³</translation></message>
<message><source>eScf</source><extracomment>cubic foot</extracomment><translation>фут³</translation></message>
<message><source>eScuin</source><extracomment>cubic inch</extracomment><translation>дюйм³</translation></message>
<message><source>eSin3</source><extracomment>cubic inch</extracomment><translation>дюйм³</translation></message>
<message><source>eSm3</source><extracomment>cubic meter</extracomment><translation>м³</translation></message>
<message><source>eScum</source><extracomment>cubic meter</extracomment><translation>куб. м</translation></message>
<message><source>eSm3_OneChar</source><extracomment>cubic meter</extracomment><translation>㎥</translation></message>
<message><source>eScc_OneChar</source><extracomment>cubic meter</extracomment><translation>㎥</translation></message>
<message><source>eScuyd</source><extracomment>cubic yard</extracomment><translation>ярд³</translation></message>
<message><source>eSyd3</source><extracomment>cubic yard</extracomment><translation>ярд³</translation></message>
<message><source>eScy</source><extracomment>cubic yard</extracomment><translation>ярд³</translation></message>
<message><source>eSfldr</source><extracomment>fluid dram</extracomment><translation>жидк. драхма</translation></message>
<message><source>eSmuL</source><extracomment>microliter</extracomment><translation>мкл</translation></message>
<message><source>eSuL</source><extracomment>microliter</extracomment><translation>мкл</translation></message>
<message><source>eSmul_OneChar</source><extracomment>microliter</extracomment><translation>㎕</translation></message>
<message><source>eSmL</source><extracomment>milliliter</extracomment><translation>мл</translation></message>
<message><source>eSpt_Imp</source><extracomment>pint (imperial)</extracomment><translation>пинта (брит.)</translation></message>
<message><source>eSpt_USfl</source><extracomment>pint (U.S. fluid)</extracomment><translation>пинта (США)</translation></message>
<message><source>eSpt_US_dry</source><extracomment>pint (U.S. dry)</extracomment><translation>пинта (США, сух.)</translation></message>
<message><source>eStsp</source><extracomment>teaspoon</extracomment><translation>ч. л.</translation></message>
<message><source>eStsp_CA</source><extracomment>teaspoon (Canadian)</extracomment><translation>ч. л. (канад.)</translation></message>
<message><source>eStsp_US</source><extracomment>teaspoon (U.S.)</extracomment><translation>ч. л. (США)</translation></message>
<message><source>eStsp_Imp</source><extracomment>teaspoon (imperial)</extracomment><translation>ч. л. (брит.)</translation></message>
<message><source>eSmm3</source><extracomment>cubic millimeter</extracomment><translation>мм³</translation></message>
<message><source>eScumm</source><extracomment>cubic millimeter</extracomment><translation>куб. мм</translation></message>
<message><source>eSmm3_OneChar</source><extracomment>cubic millimeter</extracomment><translation>㎣</translation></message>
<message><source>eSbl_Imp</source><extracomment>barrel (imperial)</extracomment><translation>барр. (брит.)</translation></message>
<message><source>eSbbl_Imp</source><extracomment>barrel (imperial)</extracomment><translation>барр. (брит.)</translation></message>
<message><source>eSbl</source><extracomment>barrel (petroleum)</extracomment><translation>барр.</translation></message>
<message><source>eSbbl</source><extracomment>barrel (petroleum)</extracomment><translation>барр.</translation></message>
<message><source>eSbl_US</source><extracomment>barrel (U.S. dry)</extracomment><translation>барр. (США, сух.)</translation></message>
<message><source>eSbbl_US</source><extracomment>barrel (U.S. dry)</extracomment><translation>барр. (США, сух.)</translation></message>
<message><source>eSflbl_US</source><extracomment>barrel (U.S. fluid)</extracomment><translation>барр. (США, жидк.)</translation></message>
<message><source>eSflbbl_US</source><extracomment>barrel (U.S. fluid)</extracomment><translation>барр. (США, жидк.)</translation></message>
<message><source>eSfbm</source><extracomment>board-foot</extracomment><translation>борд-фут</translation></message>
<message><source>eSbdotfdot</source><extracomment>board-foot</extracomment><translation>борд-фут</translation></message>
<message><source>eSBdotFdot</source><extracomment>board-foot</extracomment><translation>борд-фут</translation></message>
<message><source>eSdbdot</source><extracomment>board-foot</extracomment><translation>борд-фут</translation></message>
<message><source>eSftdot</source><extracomment>board-foot</extracomment><translation>борд-фут</translation></message>
<message><source>eSbf</source><extracomment>board-foot</extracomment><translation>борд-фут</translation></message>
<message><source>eSbfdot</source><extracomment>board-foot</extracomment><translation>борд-фут</translation></message>
<message><source>eSdaL</source><extracomment>dekaliter</extracomment><translation>дал</translation></message>
<message><source>eSdr</source><extracomment>dram</extracomment><translation>жидк. драхма</translation></message>
<message><source>eScuAWithRingAbove</source><extracomment>cubic angstrom</extracomment><translation>Å³</translation></message>
<message><source>eSAWithRingAbove3</source><extracomment>cubic angstrom</extracomment><translation>Å³</translation></message>
<message><source>eScuAU</source><extracomment>cubic astronomical unit</extracomment><translation>а. е.³</translation></message>
<message><source>eSAU3</source><extracomment>cubic astronomical unit</extracomment><translation>а. е.³</translation></message>
<message><source>eScuch</source><extracomment>cubic chain</extracomment><translation>чейн³</translation></message>
<message><source>eSch3</source><extracomment>cubic chain</extracomment><translation>чейн³</translation></message>
<message><source>eScufm</source><extracomment>cubic fathom</extracomment><translation>мор. саж.³</translation></message>
<message><source>eSfm3</source><extracomment>cubic fathom</extracomment><translation>мор. саж.³</translation></message>
<message><source>eScufur</source><extracomment>cubic furlong</extracomment><translation>фурлонг³</translation></message>
<message><source>eSfur3</source><extracomment>cubic furlong</extracomment><translation>фурлонг³</translation></message>
<message><source>eSGm3</source><extracomment>cubic gigameter</extracomment><translation>Гм³</translation></message>
<message><source>eScuGm</source><extracomment>cubic gigameter</extracomment><translation>Гм³</translation></message>
<message><source>eShm3</source><extracomment>cubic hectometer</extracomment><translation>гм³</translation></message>
<message><source>eScuhm</source><extracomment>cubic hectometer</extracomment><translation>гм³</translation></message>
<message><source>eScuNL</source><extracomment>cubic nautical league</extracomment><translation>мор. лига³</translation></message>
<message><source>eScunl</source><extracomment>cubic nautical league</extracomment><translation>мор. лига³</translation></message>
<message><source>eSNL3</source><extracomment>cubic nautical league</extracomment><translation>мор. лига³</translation></message>
<message><source>eSnl3</source><extracomment>cubic nautical league</extracomment><translation>мор. лига³</translation></message>
<message><source>eSculea</source><extracomment>cubic league (statute)</extracomment><translation>лига³</translation></message>
<message><source>eSlea3</source><extracomment>cubic league (statute)</extracomment><translation>лига³</translation></message>
<message><source>eSculy</source><extracomment>cubic light-year</extracomment><translation>св. год³</translation></message>
<message><source>eSculdotydot</source><extracomment>cubic light-year</extracomment><translation>св. год³</translation></message>
<message><source>eSly3</source><extracomment>cubic light-year</extracomment><translation>св. год³</translation></message>
<message><source>eSldotydot3</source><extracomment>cubic light-year</extracomment><translation>св. год³</translation></message>
<message><source>eSculnk</source><extracomment>cubic link</extracomment><translation>линк³</translation></message>
<message><source>eSlnk3</source><extracomment>cubic link</extracomment><translation>линк³</translation></message>
<message><source>eScumil</source><extracomment>cubic mil</extracomment><translation>мил³</translation></message>
<message><source>eSmil3</source><extracomment>cubic mil</extracomment><translation>мил³</translation></message>
<message><source>eScuNM_Adm</source><extracomment>cubic mile (UK nautical)</extracomment><translation>мор. миля³ (брит.)</translation></message>
<message><source>eScunmi_Adm</source><extracomment>cubic mile (UK nautical)</extracomment><translation>мор. миля³ (брит.)</translation></message>
<message><source>eSNM3_Adm</source><extracomment>cubic mile (UK nautical)</extracomment><translation>мор. миля³ (брит.)</translation></message>
<message><source>eSnmi3_Adm</source><extracomment>cubic mile (UK nautical)</extracomment><translation>мор. миля³ (брит.)</translation></message>
<message><source>eScumi</source><extracomment>cubic mile</extracomment><translation>миля³</translation></message>
<message><source>eSmi3</source><extracomment>cubic mile</extracomment><translation>миля³</translation></message>
<message><source>eScuNM</source><extracomment>cubic nautical mile</extracomment><translation>мор. миля³</translation></message>
<message><source>eScunmi</source><extracomment>cubic nautical mile</extracomment><translation>мор. миля³</translation></message>
<message><source>eSNM3</source><extracomment>cubic nautical mile</extracomment><translation>мор. миля³</translation></message>
<message><source>eSnmi3</source><extracomment>cubic nautical mile</extracomment><translation>мор. миля³</translation></message>
<message><source>eScumi_Statute</source><extracomment>cubic mile (statute)</extracomment><translation>миля³ (стат.)</translation></message>
<message><source>eSmi3_Statute</source><extracomment>cubic mile (statute)</extracomment><translation>миля³ (стат.)</translation></message>
<message><source>eScupc</source><extracomment>cubic parsec</extracomment><translation>пк³</translation></message>
<message><source>eSpc3</source><extracomment>cubic parsec</extracomment><translation>пк³</translation></message>
<message><source>eScurd</source><extracomment>cubic perch</extracomment><translation>род³</translation></message>
<message><source>eSrd3</source><extracomment>cubic perch</extracomment><translation>род³</translation></message>
<message><source>eSdm3</source><extracomment>cubic decimeter</extracomment><translation>дм³</translation></message>
<message><source>eScudm</source><extracomment>cubic decimeter</extracomment><translation>куб. дм</translation></message>
<message><source>eSpk</source><extracomment>peck</extracomment><translation>пек</translation></message>
<message><source>eSpk_US_dry</source><extracomment>peck (U.S. dry)</extracomment><translation>пек (США)</translation></message>
<message><source>eSpk_Imp</source><extracomment>peck (imperial)</extracomment><translation>пек (брит.)</translation></message>
<message><source>eSmin_Imp</source><extracomment>minim (imperial)</extracomment><translation>миним (брит.)</translation></message>
<message><source>eSmin_US</source><extracomment>minim (U.S.)</extracomment><translation>миним (США)</translation></message>
<message><source>eSkL</source><extracomment>kiloliter</extracomment><translation>кл</translation></message>
<message><source>eSkl_OneChar</source><extracomment>kiloliter</extracomment><translation>㎘</translation></message>
<message><source>eShhd_US</source><extracomment>hogshead (U.S.)</extracomment><translation>хогсхед (США)</translation></message>
<message><source>eShhd_Imp</source><extracomment>hogshead (imperial)</extracomment><translation>хогсхед (брит.)</translation></message>
<message><source>eSgi_Imp</source><extracomment>gill (imperial)</extracomment><translation>джилл (брит.)</translation></message>
<message><source>eSgi_US</source><extracomment>gill (U.S.)</extracomment><translation>джилл (США)</translation></message>
<message><source>eShL</source><extracomment>hectoliter</extracomment><translation>гл</translation></message>
<message><source>eSML</source><extracomment>megaliter</extracomment><translation>Мл</translation></message>
<message><source>eSkm3</source><extracomment>cubic kilometer</extracomment><translation>км³</translation></message>
<message><source>eScukm</source><extracomment>cubic kilometer</extracomment><translation>куб. км</translation></message>
<message><source>eSdL</source><extracomment>deciliter</extracomment><translation>дл</translation></message>
</context>
<context>
<name>UnitSymbol_Mass</name>
<message><source>eSkg</source><extracomment>kilogram</extracomment><translation>кг</translation></message>
<message><source>eSkg_OneChar</source><extracomment>kilogram</extracomment><translation>㎏</translation></message>
<message><source>eSg</source><extracomment>gram</extracomment><translation>г</translation></message>
<message><source>eSYg</source><extracomment>yottagram</extracomment><translation>Иг</translation></message>
<message><source>eSZg</source><extracomment>zettagram</extracomment><translation>Зг</translation></message>
<message><source>eSEg</source><extracomment>exagram</extracomment><translation>Эг</translation></message>
<message><source>eSPg</source><extracomment>petagram</extracomment><translation>Пг</translation></message>
<message><source>eSTg</source><extracomment>teragram</extracomment><translation>Тг</translation></message>
<message><source>eSGg</source><extracomment>gigagram</extracomment><translation>Гг</translation></message>
<message><source>eSMg</source><extracomment>megagram</extracomment><translation>Мг</translation></message>
<message><source>eShg</source><extracomment>hectogram</extracomment><translation>гг</translation></message>
<message><source>eSdag</source><extracomment>decagram</extracomment><translation>даг</translation></message>
<message><source>eSdg</source><extracomment>decigram</extracomment><translation>дг</translation></message>
<message><source>eScg</source><extracomment>centigram</extracomment><translation>сг</translation></message>
<message><source>eSmg</source><extracomment>milligram</extracomment><translation>мг</translation></message>
<message><source>eSmg_OneChar</source><extracomment>milligram</extracomment><translation>㎎</translation></message>
<message><source>eSmug</source><extracomment>microgram</extracomment><translation>мкг</translation></message>
<message><source>eSug</source><extracomment>microgram</extracomment><translation>мкг</translation></message>
<message><source>eSmug_OneChar</source><extracomment>microgram</extracomment><translation>㎍</translation></message>
<message><source>eSng</source><extracomment>nanogram</extracomment><translation>нг</translation></message>
<message><source>eSpg</source><extracomment>picogram</extracomment><translation>пг</translation></message>
<message><source>eSfg</source><extracomment>femtogram</extracomment><translation>фг</translation></message>
<message><source>eSag</source><extracomment>attogram</extracomment><translation>аг</translation></message>
<message><source>eSzg</source><extracomment>zeptogram</extracomment><translation>зг</translation></message>
<message><source>eSyg</source><extracomment>yoctogram</extracomment><translation>иг</translation></message>
<message><source>eSlb</source><extracomment>pound (meter)</extracomment><translation>фунт (метр.)</translation></message>
<message><source>eSlbav</source><extracomment>pound</extracomment><translation>фунт</translation></message>
<message><source>eSPoundSign</source><extracomment>pound</extracomment><translation>#</translation></message>
<message><source>eSlbt</source><extracomment>pound (troy)</extracomment><translation>фунт (тройск.)</translation></message>
<message><source>eSozav</source><extracomment>ounce (avoirdupois)</extracomment><translation>унц.</translation></message>
<message><source>eSozt</source><extracomment>ounce (apothecary; troy)</extracomment><translation>унц. (тройск.)</translation></message>
<message><source>eSst</source><extracomment>stone</extracomment><translation>стоун</translation></message>
<message><source>eSshtn</source><extracomment>short ton</extracomment><translation>кор. тонна</translation></message>
<message><source>eSlongtn</source><extracomment>long ton</extracomment><translation>дл. тонна</translation></message>
<message><source>eSkt</source><extracomment>carat</extracomment><translation>кар</translation></message>
<message><source>eSct</source><extracomment>carat (metric)</extracomment><translation>кар</translation></message>
<message><source>eSdrav</source><extracomment>dram (avoirdupois)</extracomment><translation>драхма (эвердьюп.)</translation></message>
<message><source>eSdrt</source><extracomment>dram (apothecary; troy)</extracomment><translation>драхма (тройск.)</translation></message>
<message><source>eSpwt</source><extracomment>pennyweight</extracomment><translation>пеннивейт</translation></message>
<message><source>eSdwt</source><extracomment>pennyweight</extracomment><translation>пеннивейт</translation></message>
<message><source>eSlongcwt</source><extracomment>long hundredweight</extracomment><translation>дл. хандредвейт</translation></message>
<message><source>eScwt</source><extracomment>long hundredweight</extracomment><translation>дл. хандредвейт</translation></message>
<message><source>eSshcwt</source><extracomment>short hundredweight</extracomment><translation>кор. хандредвейт</translation></message>
<message><source>eSgr</source><extracomment>grain</extracomment><translation>гран</translation></message>
<message><source>eSDa</source><extracomment>dalton</extracomment><translation>Да</translation></message>
<message><source>eSkDa</source><extracomment>kilodalton</extracomment><translation>кДа</translation></message>
<message><source>eSslug</source><extracomment>slug</extracomment><translation>слаг</translation></message>
</context>
<context>
<name>UnitSymbol_LinearWeight</name>
<message><source>eSkgPerm</source><extracomment>kilogram per meter</extracomment><translation>кг/м</translation></message>
<message><source>eSlbavPerft</source><extracomment>pound per foot</extracomment><translation>фунт/фут</translation></message>
</context>
<context>
<name>UnitSymbol_AmountOfSubstance</name>
<message><source>eSmol</source><extracomment>mole</extracomment><translation>моль</translation></message>
<message><source>eSmol_OneChar</source><extracomment>mole</extracomment><translation>㏖</translation></message>
<message><source>eSYmol</source><extracomment>yottamole</extracomment><translation>Имоль</translation></message>
<message><source>eSZmol</source><extracomment>zettamole</extracomment><translation>Змоль</translation></message>
<message><source>eSEmol</source><extracomment>examole</extracomment><translation>Эмоль</translation></message>
<message><source>eSPmol</source><extracomment>petamole</extracomment><translation>Пмоль</translation></message>
<message><source>eSTmol</source><extracomment>teramole</extracomment><translation>Тмоль</translation></message>
<message><source>eSGmol</source><extracomment>gigamole</extracomment><translation>Гмоль</translation></message>
<message><source>eSMmol</source><extracomment>megamole</extracomment><translation>Ммоль</translation></message>
<message><source>eSkmol</source><extracomment>kilomole</extracomment><translation>кмоль</translation></message>
<message><source>eShmol</source><extracomment>hectomole</extracomment><translation>гмоль</translation></message>
<message><source>eSdamol</source><extracomment>decamole</extracomment><translation>дамоль</translation></message>
<message><source>eSdmol</source><extracomment>decimole</extracomment><translation>дмоль</translation></message>
<message><source>eScmol</source><extracomment>centimole</extracomment><translation>смоль</translation></message>
<message><source>eSmmol</source><extracomment>millimole</extracomment><translation>ммоль</translation></message>
<message><source>eSmumol</source><extracomment>micromole</extracomment><translation>мкмоль</translation></message>
<message><source>eSumol</source><extracomment>micromole</extracomment><translation>мкмоль</translation></message>
<message><source>eSnmol</source><extracomment>nanomole</extracomment><translation>нмоль</translation></message>
<message><source>eSpmol</source><extracomment>picomole</extracomment><translation>пмоль</translation></message>
<message><source>eSfmol</source><extracomment>femtomole</extracomment><translation>фмоль</translation></message>
<message><source>eSamol</source><extracomment>attomole</extracomment><translation>амоль</translation></message>
<message><source>eSzmol</source><extracomment>zeptomole</extracomment><translation>змоль</translation></message>
<message><source>eSymol</source><extracomment>yoctomole</extracomment><translation>имоль</translation></message>
</context>
<context>
<name>UnitSymbol_Angle</name>
<message><source>eSrad</source><extracomment>radian</extracomment><translation>рад</translation></message>
<message><source>eSrad_OneChar</source><extracomment>radian</extracomment><translation>㎭</translation></message>
<message><source>eSrad_OneLetter</source><extracomment>radian</extracomment><translation>ʳ</translation></message>
<message><source>eSdegree_OneChar</source><extracomment>degree</extracomment><translation>°</translation></message>
<message><source>eSdeg</source><extracomment>degree</extracomment><translation>град</translation></message>
<message><source>eSDegree_DegreeDegreeMinutePrimeSecondDoublePrime</source><extracomment>degree</extracomment><translation>градусы, минуты, секунды (45°30'15")</translation></message>
<message><source>eSDegree_DegreeDegreeMinutePrimeSecondDoublePrime_Surveyor</source><extracomment>degree</extracomment><translation>румб (N 45°30' E)</translation></message>
<message><source>eSDegree_DegreedMinutePrimeSecondDoublePrime</source><extracomment>degree</extracomment><translation>градусы с буквой d, минуты, секунды (45d30'15")</translation></message>
<message><source>eSmrad</source><extracomment>milliradian</extracomment><translation>мрад</translation></message>
<message><source>eSgrad</source><extracomment>grad</extracomment><translation>гон</translation></message>
<message><source>eSgrad_OneLetter</source><extracomment>grad</extracomment><translation>ᵍ</translation></message>
<message><source>eSarcmin</source><extracomment>angle minute</extracomment><translation>угл. мин</translation></message>
<message><source>eSamin</source><extracomment>angle minute</extracomment><translation>угл. мин</translation></message>
<message><source>eSMOA</source><extracomment>angle minute</extracomment><translation>MOA</translation></message>
<message><source>eSAngleMinute_Prime</source><extracomment>angle minute</extracomment><translation>′</translation></message>
<message><source>eSarcsec</source><extracomment>angle second</extracomment><translation>угл. с</translation></message>
<message><source>eSAngleSecond_DoublePrime</source><extracomment>angle second</extracomment><translation>″</translation></message>
<message><source>eSmarcsec</source><extracomment>milliarc second</extracomment><translation>угл. мс</translation></message>
<message><source>eSmas</source><extracomment>milliarc second</extracomment><translation>угл. мс</translation></message>
</context>
<context>
<name>UnitSymbol_SolidAngle</name>
<message><source>eSsr</source><extracomment>steradian</extracomment><translation>ср</translation></message>
<message><source>eSsr_OneChar</source><extracomment>steradian</extracomment><translation>㏛</translation></message>
</context>
<context>
<name>UnitSymbol_AreaDensity</name>
<message><source>eSgPersqm</source><extracomment>gram per square meter</extracomment><translation>г/м²</translation></message>
<message><source>eSgPerm2</source><extracomment>gram per square meter</extracomment><translation>г/м²</translation></message>
<message><source>eSgPersqin</source><extracomment>gram per square inch</extracomment><translation>г/кв. дюйм</translation></message>
<message><source>eSgPerin2</source><extracomment>gram per square inch</extracomment><translation>г/дюйм²</translation></message>
</context>
<context>
<name>UnitSymbol_Concentration</name>
<message><source>eSngPerL</source><extracomment>nanogram per liter</extracomment><translation>нг/л</translation></message>
<message><source>eSngPerdL</source><extracomment>nanogram per deciliter</extracomment><translation>нг/дл</translation></message>
<message><source>eSngPermL</source><extracomment>nanogram per milliliter</extracomment><translation>нг/мл</translation></message>
<message><source>eSngPermuL</source><extracomment>nanogram per microliter</extracomment><translation>нг/мкл</translation></message>
<message><source>eSngPeruL</source><extracomment>nanogram per microliter</extracomment><translation>нг/мкл</translation></message>
<message><source>eSmgPerdL</source><extracomment>milligram per deciliter</extracomment><translation>мг/дл</translation></message>
</context>
<context>
<name>UnitSymbol_PartsPer</name>
<message><source>eSppm</source><extracomment>part per million</extracomment><translation>млн⁻¹</translation></message>
<message><source>eSPPM_OneChar</source><extracomment>part per million</extracomment><translation>㏙</translation></message>
<message><source>eSppb</source><extracomment>part per billion</extracomment><translation>млрд⁻¹</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCurrent</name>
<message><source>eSA</source><extracomment>ampere</extracomment><translation>А</translation></message>
<message><source>eSYA</source><extracomment>yottaampere</extracomment><translation>ИА</translation></message>
<message><source>eSZA</source><extracomment>zettaampere</extracomment><translation>ЗА</translation></message>
<message><source>eSEA</source><extracomment>exaampere</extracomment><translation>ЭА</translation></message>
<message><source>eSPA</source><extracomment>petaampere</extracomment><translation>ПА</translation></message>
<message><source>eSTA</source><extracomment>teraampere</extracomment><translation>ТА</translation></message>
<message><source>eSGA</source><extracomment>gigaampere</extracomment><translation>ГА</translation></message>
<message><source>eSMA</source><extracomment>megaampere</extracomment><translation>МА</translation></message>
<message><source>eSkA</source><extracomment>kiloampere</extracomment><translation>кА</translation></message>
<message><source>eSkA_OneChar</source><extracomment>kiloampere</extracomment><translation>㎄</translation></message>
<message><source>eShA</source><extracomment>hectoampere</extracomment><translation>гА</translation></message>
<message><source>eSdaA</source><extracomment>decaampere</extracomment><translation>даА</translation></message>
<message><source>eSdA</source><extracomment>deciampere</extracomment><translation>дА</translation></message>
<message><source>eScA</source><extracomment>centiampere</extracomment><translation>сА</translation></message>
<message><source>eSmA</source><extracomment>milliampere</extracomment><translation>мА</translation></message>
<message><source>eSmA_OneChar</source><extracomment>milliampere</extracomment><translation>㎃</translation></message>
<message><source>eSmuA</source><extracomment>microampere</extracomment><translation>мкА</translation></message>
<message><source>eSuA</source><extracomment>microampere</extracomment><translation>мкА</translation></message>
<message><source>eSmuA_OneChar</source><extracomment>microampere</extracomment><translation>㎂</translation></message>
<message><source>eSnA</source><extracomment>nanoampere</extracomment><translation>нА</translation></message>
<message><source>eSnA_OneChar</source><extracomment>nanoampere</extracomment><translation>㎁</translation></message>
<message><source>eSpA</source><extracomment>picoampere</extracomment><translation>пА</translation></message>
<message><source>eSpA_OneChar</source><extracomment>picoampere</extracomment><translation>㎀</translation></message>
<message><source>eSfA</source><extracomment>femtoampere</extracomment><translation>фА</translation></message>
<message><source>eSaA</source><extracomment>attoampere</extracomment><translation>аА</translation></message>
<message><source>eSzA</source><extracomment>zeptoampere</extracomment><translation>зА</translation></message>
<message><source>eSyA</source><extracomment>yoctoampere</extracomment><translation>иА</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCharge</name>
<message><source>eSC</source><extracomment>coulomb</extracomment><translation>Кл</translation></message>
<message><source>eSAhr</source><extracomment>ampere hour</extracomment><translation>А·ч</translation></message>
<message><source>eSmAhr</source><extracomment>milliampere hour</extracomment><translation>мА·ч</translation></message>
<message><source>eSFar</source><extracomment>faraday</extracomment><translation>фарадей</translation></message>
</context>
<context>
<name>UnitSymbol_Capacitance</name>
<message><source>eSF</source><extracomment>farad</extracomment><translation>Ф</translation></message>
<message><source>eSYF</source><extracomment>yottafarad</extracomment><translation>ИФ</translation></message>
<message><source>eSZF</source><extracomment>zettafarad</extracomment><translation>ЗФ</translation></message>
<message><source>eSEF</source><extracomment>exafarad</extracomment><translation>ЭФ</translation></message>
<message><source>eSPF</source><extracomment>petafarad</extracomment><translation>ПФ</translation></message>
<message><source>eSTF</source><extracomment>terafarad</extracomment><translation>ТФ</translation></message>
<message><source>eSGF</source><extracomment>gigafarad</extracomment><translation>ГФ</translation></message>
<message><source>eSMF</source><extracomment>megafarad</extracomment><translation>МФ</translation></message>
<message><source>eSkF</source><extracomment>kilofarad</extracomment><translation>кФ</translation></message>
<message><source>eShF</source><extracomment>hectofarad</extracomment><translation>гФ</translation></message>
<message><source>eSdaF</source><extracomment>decafarad</extracomment><translation>даФ</translation></message>
<message><source>eSdF</source><extracomment>decifarad</extracomment><translation>дФ</translation></message>
<message><source>eScF</source><extracomment>centifarad</extracomment><translation>сФ</translation></message>
<message><source>eSmF</source><extracomment>millifarad</extracomment><translation>мФ</translation></message>
<message><source>eSmuF</source><extracomment>microfarad</extracomment><translation>мкФ</translation></message>
<message><source>eSuF</source><extracomment>microfarad</extracomment><translation>мкФ</translation></message>
<message><source>eSmuF_OneChar</source><extracomment>microfarad</extracomment><translation>㎌</translation></message>
<message><source>eSnF</source><extracomment>nanofarad</extracomment><translation>нФ</translation></message>
<message><source>eSnF_OneChar</source><extracomment>nanofarad</extracomment><translation>㎋</translation></message>
<message><source>eSpF</source><extracomment>picofarad</extracomment><translation>пФ</translation></message>
<message><source>eSpF_OneChar</source><extracomment>picofarad</extracomment><translation>㎊</translation></message>
<message><source>eSfF</source><extracomment>femtofarad</extracomment><translation>фФ</translation></message>
<message><source>eSaF</source><extracomment>attofarad</extracomment><translation>аФ</translation></message>
<message><source>eSzF</source><extracomment>zeptofarad</extracomment><translation>зФ</translation></message>
<message><source>eSyF</source><extracomment>yoctofarad</extracomment><translation>иФ</translation></message>
<message><source>eSkpF</source><extracomment>kilopicofarad</extracomment><translation>кпФ</translation></message>
</context>
<context>
<name>UnitSymbol_BitRate</name>
<message><source>eSBd</source><extracomment>baud</extracomment><translation>Бд</translation></message>
<message><source>eSbps</source><extracomment>bit per second</extracomment><translation>бит/с</translation></message>
<message><source>eSbPers</source><extracomment>bit per second</extracomment><translation>бит/с</translation></message>
<message><source>eSBps</source><extracomment>byte per second</extracomment><translation>Б/с</translation></message>
<message><source>eSBPers</source><extracomment>byte per second</extracomment><translation>Б/с</translation></message>
<message><source>eSkbaud</source><extracomment>kilobaud</extracomment><translation>кБд</translation></message>
<message><source>eSkBd</source><extracomment>kilobaud</extracomment><translation>кБд</translation></message>
<message><source>eSkbps</source><extracomment>kilobit per second</extracomment><translation>кбит/с</translation></message>
<message><source>eSkbPers</source><extracomment>kilobit per second</extracomment><translation>кбит/с</translation></message>
<message><source>eSkBps</source><extracomment>kilobyte per second</extracomment><translation>кБ/с</translation></message>
<message><source>eSkBPers</source><extracomment>kilobyte per second</extracomment><translation>кБ/с</translation></message>
<message><source>eSMbaud</source><extracomment>megabaud</extracomment><translation>МБд</translation></message>
<message><source>eSMBd</source><extracomment>megabaud</extracomment><translation>МБд</translation></message>
<message><source>eSMbps</source><extracomment>megabit per second</extracomment><translation>Мбит/с</translation></message>
<message><source>eSMbPers</source><extracomment>megabit per second</extracomment><translation>Мбит/с</translation></message>
<message><source>eSMBps</source><extracomment>megabyte per second</extracomment><translation>МБ/с</translation></message>
<message><source>eSMBPers</source><extracomment>megabyte per second</extracomment><translation>МБ/с</translation></message>
<message><source>eSGbps</source><extracomment>gigabit per second</extracomment><translation>Гбит/с</translation></message>
<message><source>eSGbPers</source><extracomment>gigabit per second</extracomment><translation>Гбит/с</translation></message>
<message><source>eSTbps</source><extracomment>terabit per second</extracomment><translation>Тбит/с</translation></message>
<message><source>eSTbPers</source><extracomment>terabit per second</extracomment><translation>Тбит/с</translation></message>
</context>
<context>
<name>UnitSymbol_Density</name>
<message><source>eSkmPerm3</source><extracomment>kilogram per cubic meter</extracomment><translation>кг/м³</translation></message>
<message><source>eSkmPercum</source><extracomment>kilogram per cubic meter</extracomment><translation>кг/куб. м</translation></message>
<message><source>eSkgPerL</source><extracomment>kilogram per liter</extracomment><translation>кг/л</translation></message>
<message><source>eSgPerL</source><extracomment>gram per liter</extracomment><translation>г/л</translation></message>
<message><source>eSmugPermL</source><extracomment>microgram per milliliter</extracomment><translation>мкг/мл</translation></message>
<message><source>eSugPermL</source><extracomment>microgram per milliliter</extracomment><translation>мкг/мл</translation></message>
<message><source>eSmgPermL</source><extracomment>milligram per milliliter</extracomment><translation>мг/мл</translation></message>
</context>
<context>
<name>UnitSymbol_UnitWeight</name>
<message><source>eSNPerm3</source><extracomment>newton per cubic meter</extracomment><translation>Н/м³</translation></message>
<message><source>eSNPercum</source><extracomment>newton per cubic meter</extracomment><translation>Н/куб. м</translation></message>
<message><source>eSkNPerm3</source><extracomment>kilonewton per cubic meter</extracomment><translation>кН/м³</translation></message>
<message><source>eSkNPercum</source><extracomment>kilonewton per cubic meter</extracomment><translation>кН/куб. м</translation></message>
</context>
<context>
<name>UnitSymbol_Energy</name>
<message><source>eSJ</source><extracomment>joule</extracomment><translation>Дж</translation></message>
<message><source>eScal</source><extracomment>calorie</extracomment><translation>кал</translation></message>
<message><source>eScal_OneChar</source><extracomment>calorie</extracomment><translation>㎈</translation></message>
<message><source>eSkcal</source><extracomment>kilocalorie</extracomment><translation>ккал</translation></message>
<message><source>eSkcal_OneChar</source><extracomment>kilocalorie</extracomment><translation>㎉</translation></message>
<message><source>eSBTUth</source><extracomment>British thermal unit (thermochemical)</extracomment><translation>БТЕ (тх)</translation></message>
<message><source>eSBTUISO</source><extracomment>British thermal unit (ISO)</extracomment><translation>БТЕ (ИСО)</translation></message>
<message><source>eSBTU63F</source><extracomment>British thermal unit (63 degree F)</extracomment><translation>БТЕ (63 °F)</translation></message>
<message><source>eSBTU60F</source><extracomment>British thermal unit (60 degree F)</extracomment><translation>БТЕ (60 °F)</translation></message>
<message><source>eSBTU59F</source><extracomment>British thermal unit (59 degree F)</extracomment><translation>БТЕ (59 °F)</translation></message>
<message><source>eSBTUIT</source><extracomment>British thermal unit (International Table)</extracomment><translation>БТЕ</translation></message>
<message><source>eSBTUmean</source><extracomment>British thermal unit (mean)</extracomment><translation>БТЕ (средн.)</translation></message>
<message><source>eSBTU39F</source><extracomment>British thermal unit (39 degree F)</extracomment><translation>БТЕ (39 °F)</translation></message>
<message><source>eSkeV</source><extracomment>kiloelectronvolt</extracomment><translation>кэВ</translation></message>
<message><source>eSMeV</source><extracomment>megaelectronvolt</extracomment><translation>МэВ</translation></message>
<message><source>eSeV</source><extracomment>electronvolt</extracomment><translation>эВ</translation></message>
<message><source>eSerg</source><extracomment>erg</extracomment><translation>эрг</translation></message>
<message><source>eSkWh</source><extracomment>kilowatt hour</extracomment><translation>кВт·ч</translation></message>
<message><source>eSkWhr</source><extracomment>kilowatt hour</extracomment><translation>кВт·ч</translation></message>
<message><source>eSBOTU</source><extracomment>kilowatt hour</extracomment><translation>BOTU</translation></message>
<message><source>eSkWmin</source><extracomment>kilowatt minute</extracomment><translation>кВт·мин</translation></message>
<message><source>eSkWs</source><extracomment>kilowatt second</extracomment><translation>кВт·с</translation></message>
<message><source>eSthm</source><extracomment>therm (U.S.)</extracomment><translation>терм (США)</translation></message>
<message><source>eSNm</source><extracomment>newton meter</extracomment><translation>Н·м</translation></message>
<message><source>eSdaNm</source><extracomment>decanewton meter</extracomment><translation>даН·м</translation></message>
<message><source>eSkNm</source><extracomment>kilonewton meter</extracomment><translation>кН·м</translation></message>
<message><source>eSMNm</source><extracomment>meganewton meter</extracomment><translation>МН·м</translation></message>
<message><source>eScal20C</source><extracomment>calorie (20 degree C)</extracomment><translation>кал (20 °C)</translation></message>
<message><source>eScalth</source><extracomment>calorie (thermochemical)</extracomment><translation>кал (тх)</translation></message>
<message><source>eScal15C</source><extracomment>calorie (15 degree C)</extracomment><translation>кал (15 °C)</translation></message>
<message><source>eScalmean</source><extracomment>calorie (mean)</extracomment><translation>кал (средн.)</translation></message>
<message><source>eScal3Point98C</source><extracomment>calorie (3.98 degree C)</extracomment><translation>кал (3,98 °C)</translation></message>
<message><source>eSkJ</source><extracomment>kilojoule</extracomment><translation>кДж</translation></message>
</context>
<context>
<name>UnitSymbol_VolumetricFlowRate</name>
<message><source>eSm3Pers</source><extracomment>cubic meter per second</extracomment><translation>м³/с</translation></message>
<message><source>eScumPers</source><extracomment>cubic meter per second</extracomment><translation>куб. м/с</translation></message>
<message><source>eScms</source><extracomment>cubic meter per second</extracomment><translation>м³/с</translation></message>
<message><source>eScumecs</source><extracomment>cubic meter per second</extracomment><translation>м³/с</translation></message>
<message><source>eSLPers</source><extracomment>liter per second</extracomment><translation>л/с</translation></message>
<message><source>eSLps</source><extracomment>liter per second</extracomment><translation>л/с</translation></message>
<message><source>eSLPermin</source><extracomment>liter per minute</extracomment><translation>л/мин</translation></message>
<message><source>eSLPerh</source><extracomment>liter per hour</extracomment><translation>л/ч</translation></message>
<message><source>eSLPerhr</source><extracomment>liter per hour</extracomment><translation>л/ч</translation></message>
<message><source>eSgalPers</source><extracomment>gallon per second</extracomment><translation>гал/с</translation></message>
<message><source>eSgalPermin</source><extracomment>gallon per minute</extracomment><translation>гал/мин</translation></message>
<message><source>eSgpm</source><extracomment>gallon per minute</extracomment><translation>гал/мин</translation></message>
<message><source>eSusgpm</source><extracomment>gallon per minute</extracomment><translation>гал/мин</translation></message>
<message><source>eSgalPerh</source><extracomment>gallon per hour</extracomment><translation>гал/ч</translation></message>
<message><source>eSgalPerhr</source><extracomment>gallon per hour</extracomment><translation>гал/ч</translation></message>
<message><source>eSgph</source><extracomment>gallon per hour</extracomment><translation>гал/ч</translation></message>
<message><source>eSusgph</source><extracomment>gallon per hour</extracomment><translation>гал/ч</translation></message>
<message><source>eSgalPerd</source><extracomment>gallon per day</extracomment><translation>гал/сут</translation></message>
<message><source>eSgpd</source><extracomment>gallon per day</extracomment><translation>гал/сут</translation></message>
<message><source>eSusgpd</source><extracomment>gallon per day</extracomment><translation>гал/сут</translation></message>
<message><source>eSUSgpd</source><extracomment>gallon per day</extracomment><translation>гал/сут</translation></message>
<message><source>eSmLPermin</source><extracomment>milliliter per minute</extracomment><translation>мл/мин</translation></message>
<message><source>eScm3Permin</source><extracomment>cubic centimeter per minute</extracomment><translation>см³/мин</translation></message>
<message><source>eScucmPermin</source><extracomment>cubic centimeter per minute</extracomment><translation>куб. см/мин</translation></message>
<message><source>eScuftPerh</source><extracomment>cubic foot per hour</extracomment><translation>куб. фут/ч</translation></message>
<message><source>eSft3Perh</source><extracomment>cubic foot per hour</extracomment><translation>фут³/ч</translation></message>
<message><source>eScuftPerhr</source><extracomment>cubic foot per hour</extracomment><translation>куб. фут/ч</translation></message>
<message><source>eSft3Perhr</source><extracomment>cubic foot per hour</extracomment><translation>фут³/ч</translation></message>
<message><source>eScuftPermin</source><extracomment>cubic foot per minute</extracomment><translation>куб. фут/мин</translation></message>
<message><source>eSft3Permin</source><extracomment>cubic foot per minute</extracomment><translation>фут³/мин</translation></message>
<message><source>eScfm</source><extracomment>cubic foot per minute</extracomment><translation>фут³/мин</translation></message>
<message><source>eSCFPM</source><extracomment>cubic foot per minute</extracomment><translation>фут³/мин</translation></message>
<message><source>eScuftPers</source><extracomment>cubic foot per second</extracomment><translation>куб. фут/с</translation></message>
<message><source>eSft3Pers</source><extracomment>cubic foot per second</extracomment><translation>фут³/с</translation></message>
<message><source>eScfs</source><extracomment>cubic foot per second</extracomment><translation>фут³/с</translation></message>
<message><source>eScusec</source><extracomment>cubic foot per second</extracomment><translation>фут³/с</translation></message>
<message><source>eScuinPermin</source><extracomment>cubic inch per minute</extracomment><translation>куб. дюйм/мин</translation></message>
<message><source>eSin3Permin</source><extracomment>cubic inch per minute</extracomment><translation>дюйм³/мин</translation></message>
<message><source>eSm3Perh</source><extracomment>cubic meter per hour</extracomment><translation>м³/ч</translation></message>
<message><source>eScumPerhr</source><extracomment>cubic meter per hour</extracomment><translation>куб. м/ч</translation></message>
<message><source>eSm3Perhr</source><extracomment>cubic meter per hour</extracomment><translation>м³/ч</translation></message>
<message><source>eScumPerh</source><extracomment>cubic meter per hour</extracomment><translation>куб. м/ч</translation></message>
<message><source>eScmh</source><extracomment>cubic meter per hour</extracomment><translation>м³/ч</translation></message>
<message><source>eSm3Permin</source><extracomment>cubic meter per minute</extracomment><translation>м³/мин</translation></message>
<message><source>eScumPermin</source><extracomment>cubic meter per minute</extracomment><translation>куб. м/мин</translation></message>
<message><source>eScm3Pers</source><extracomment>cubic centimeter per second</extracomment><translation>см³/с</translation></message>
<message><source>eScucmPers</source><extracomment>cubic centimeter per second</extracomment><translation>куб. см/с</translation></message>
<message><source>eScm3Perh</source><extracomment>cubic centimeter per hour</extracomment><translation>см³/ч</translation></message>
<message><source>eScucmPerh</source><extracomment>cubic centimeter per hour</extracomment><translation>куб. см/ч</translation></message>
<message><source>eScm3Perhr</source><extracomment>cubic centimeter per hour</extracomment><translation>см³/ч</translation></message>
<message><source>eScucmPerhr</source><extracomment>cubic centimeter per hour</extracomment><translation>куб. см/ч</translation></message>
<message><source>eSUsgalPerh</source><extracomment>US gallon per hour</extracomment><translation>гал (США)/ч</translation></message>
<message><source>eSUsgalPerhr</source><extracomment>US gallon per hour</extracomment><translation>гал (США)/ч</translation></message>
<message><source>eSUsgalPers</source><extracomment>US gallon per second</extracomment><translation>гал (США)/с</translation></message>
<message><source>eSImpgalPerd</source><extracomment>Imp gallon per day</extracomment><translation>гал (брит.)/сут</translation></message>
<message><source>eSImpgalPerh</source><extracomment>Imp gallon per hour</extracomment><translation>гал (брит.)/ч</translation></message>
<message><source>eSImpgalPerhr</source><extracomment>Imp gallon per hour</extracomment><translation>гал (брит.)/ч</translation></message>
<message><source>eSImpgalPermin</source><extracomment>Imp gallon per minute</extracomment><translation>гал (брит.)/мин</translation></message>
<message><source>eSImpgalPers</source><extracomment>Imp gallon per second</extracomment><translation>гал (брит.)/с</translation></message>
<message><source>eSImpmgalPerd</source><extracomment>Imp million gallon per day</extracomment><translation>млн гал (брит.)/сут</translation></message>
<message><source>eSLPerd</source><extracomment>liter per day</extracomment><translation>л/сут</translation></message>
<message><source>eSmLPerd</source><extracomment>million liter per day</extracomment><translation>млн л/сут</translation></message>
<message><source>eSUsgalPerd</source><extracomment>US gallon per day</extracomment><translation>гал (США)/сут</translation></message>
<message><source>eSUsmgalPerd</source><extracomment>US million gallon per day</extracomment><translation>млн гал (США)/сут</translation></message>
<message><source>eScuftPerd</source><extracomment>cubic foot per day</extracomment><translation>куб. фут/сут</translation></message>
<message><source>eSft3Perd</source><extracomment>cubic foot per day</extracomment><translation>фут³/сут</translation></message>
<message><source>eSm3Perd</source><extracomment>cubic meter per day</extracomment><translation>м³/сут</translation></message>
<message><source>eScumPerd</source><extracomment>cubic meter per day</extracomment><translation>куб. м/сут</translation></message>
<message><source>eScuydPermin</source><extracomment>cubic yard per minute</extracomment><translation>куб. ярд/мин</translation></message>
<message><source>eSyd3Permin</source><extracomment>cubic yard per minute</extracomment><translation>ярд³/мин</translation></message>
<message><source>eSacftPerd</source><extracomment>acre foot per day</extracomment><translation>акр·фут/сут</translation></message>
<message><source>eSacftPerh</source><extracomment>acre foot per hour</extracomment><translation>акр·фут/ч</translation></message>
<message><source>eSacftPerhr</source><extracomment>acre foot per hour</extracomment><translation>акр·фут/ч</translation></message>
<message><source>eSacftPermin</source><extracomment>acre foot per minute</extracomment><translation>акр·фут/мин</translation></message>
<message><source>eSacinPerh</source><extracomment>acre inch per hour</extracomment><translation>акр·дюйм/ч</translation></message>
<message><source>eSacinPerhr</source><extracomment>acre inch per hour</extracomment><translation>акр·дюйм/ч</translation></message>
<message><source>eSacinPermin</source><extracomment>acre inch per minute</extracomment><translation>акр·дюйм/мин</translation></message>
</context>
<context>
<name>UnitSymbol_MassFlowRate</name>
<message><source>eSkgPers</source><extracomment>kilogram per second</extracomment><translation>кг/с</translation></message>
<message><source>eSkgPermin</source><extracomment>kilogram per minute</extracomment><translation>кг/мин</translation></message>
<message><source>eSkgPerh</source><extracomment>kilogram per hour</extracomment><translation>кг/ч</translation></message>
<message><source>eSkgPerhr</source><extracomment>kilogram per hour</extracomment><translation>кг/ч</translation></message>
<message><source>eSgPers</source><extracomment>gram per second</extracomment><translation>г/с</translation></message>
<message><source>eSgPermin</source><extracomment>gram per minute</extracomment><translation>г/мин</translation></message>
<message><source>eSgPerh</source><extracomment>gram per hour</extracomment><translation>г/ч</translation></message>
<message><source>eSgPerhr</source><extracomment>gram per hour</extracomment><translation>г/ч</translation></message>
</context>
<context>
<name>UnitSymbol_FlowRatePerStroke</name>
<message><source>eSptPerstroke</source><extracomment>pint per stroke</extracomment><translation>пинта/ход</translation></message>
<message><source>eSqtPerstroke</source><extracomment>quart per stroke</extracomment><translation>кварта/ход</translation></message>
</context>
<context>
<name>UnitSymbol_Force</name>
<message><source>eSN</source><extracomment>newton</extracomment><translation>Н</translation></message>
<message><source>eSYN</source><extracomment>yottanewton</extracomment><translation>ИН</translation></message>
<message><source>eSZN</source><extracomment>zettanewton</extracomment><translation>ЗН</translation></message>
<message><source>eSEN</source><extracomment>exanewton</extracomment><translation>ЭН</translation></message>
<message><source>eSPN</source><extracomment>petanewton</extracomment><translation>ПН</translation></message>
<message><source>eSTN</source><extracomment>teranewton</extracomment><translation>ТН</translation></message>
<message><source>eSGN</source><extracomment>giganewton</extracomment><translation>ГН</translation></message>
<message><source>eSMN</source><extracomment>meganewton</extracomment><translation>МН</translation></message>
<message><source>eSkN</source><extracomment>kilonewton</extracomment><translation>кН</translation></message>
<message><source>eShN</source><extracomment>hectonewton</extracomment><translation>гН</translation></message>
<message><source>eSdaN</source><extracomment>decanewton</extracomment><translation>даН</translation></message>
<message><source>eSdN</source><extracomment>decinewton</extracomment><translation>дН</translation></message>
<message><source>eScN</source><extracomment>centinewton</extracomment><translation>сН</translation></message>
<message><source>eSmN</source><extracomment>millinewton</extracomment><translation>мН</translation></message>
<message><source>eSmuN</source><extracomment>micronewton</extracomment><translation>мкН</translation></message>
<message><source>eSuN</source><extracomment>micronewton</extracomment><translation>мкН</translation></message>
<message><source>eSnN</source><extracomment>nanonewton</extracomment><translation>нН</translation></message>
<message><source>eSpN</source><extracomment>piconewton</extracomment><translation>пН</translation></message>
<message><source>eSfN</source><extracomment>femtonewton</extracomment><translation>фН</translation></message>
<message><source>eSaN</source><extracomment>attonewton</extracomment><translation>аН</translation></message>
<message><source>eSzN</source><extracomment>zeptonewton</extracomment><translation>зН</translation></message>
<message><source>eSyN</source><extracomment>yoctonewton</extracomment><translation>иН</translation></message>
<message><source>eSkgf</source><extracomment>kilogram-force</extracomment><translation>кгс</translation></message>
<message><source>eSkp</source><extracomment>kilogram-force</extracomment><translation>кгс</translation></message>
<message><source>eSGf</source><extracomment>kilogram-force</extracomment><translation>кгс</translation></message>
<message><source>eSlbf</source><extracomment>pound force</extracomment><translation>фунт-сила</translation></message>
<message><source>eSkip</source><extracomment>kip</extracomment><translation>кип</translation></message>
<message><source>eSkipf</source><extracomment>kip</extracomment><translation>кип</translation></message>
<message><source>eSklbf</source><extracomment>kip</extracomment><translation>кип</translation></message>
<message><source>eSklb</source><extracomment>kip</extracomment><translation>кип</translation></message>
<message><source>eStnf</source><extracomment>ton force</extracomment><translation>тс</translation></message>
<message><source>eSdyn</source><extracomment>dyne</extracomment><translation>дин</translation></message>
<message><source>eSozf</source><extracomment>ounce force</extracomment><translation>унция-сила</translation></message>
</context>
<context>
<name>UnitSymbol_LinearForce</name>
<message><source>eSNPerm</source><extracomment>newton per meter</extracomment><translation>Н/м</translation></message>
<message><source>eSkgfPerm</source><extracomment>kilogram force per meter</extracomment><translation>кгс/м</translation></message>
<message><source>eSkpPerm</source><extracomment>kilogram force per meter</extracomment><translation>кгс/м</translation></message>
<message><source>eSGfPerm</source><extracomment>kilogram force per meter</extracomment><translation>кгс/м</translation></message>
<message><source>eStnfPerm</source><extracomment>ton force per meter</extracomment><translation>тс/м</translation></message>
<message><source>eSlbfPerft</source><extracomment>pound-force per foot</extracomment><translation>фунт-сила/фут</translation></message>
<message><source>eSdaNPerm</source><extracomment>decanewton per meter</extracomment><translation>даН/м</translation></message>
<message><source>eSkNPerm</source><extracomment>kilonewton per meter</extracomment><translation>кН/м</translation></message>
<message><source>eSMNPerm</source><extracomment>meganewton per meter</extracomment><translation>МН/м</translation></message>
<message><source>eSkipPerft</source><extracomment>kip per foot</extracomment><translation>кип/фут</translation></message>
<message><source>eSkipPerin</source><extracomment>kip per inch</extracomment><translation>кип/дюйм</translation></message>
<message><source>eSklbPerin</source><extracomment>kip per inch</extracomment><translation>кип/дюйм</translation></message>
<message><source>eSklbfPerin</source><extracomment>kip per inch</extracomment><translation>кип/дюйм</translation></message>
<message><source>eSkipfPerin</source><extracomment>kip per inch</extracomment><translation>кип/дюйм</translation></message>
</context>
<context>
<name>UnitSymbol_Frequency</name>
<message><source>eSHz</source><extracomment>hertz</extracomment><translation>Гц</translation></message>
<message><source>eSHz_OneChar</source><extracomment>hertz</extracomment><translation>㎐</translation></message>
<message><source>eSkHz</source><extracomment>kilohertz</extracomment><translation>кГц</translation></message>
<message><source>eSkHz_OneChar</source><extracomment>kilohertz</extracomment><translation>㎑</translation></message>
<message><source>eSMHz</source><extracomment>megahertz</extracomment><translation>МГц</translation></message>
<message><source>eSMHz_OneChar</source><extracomment>megahertz</extracomment><translation>㎒</translation></message>
<message><source>eSGHz</source><extracomment>gigahertz</extracomment><translation>ГГц</translation></message>
<message><source>eSGHz_OneChar</source><extracomment>gigahertz</extracomment><translation>㎓</translation></message>
<message><source>eSTHz</source><extracomment>terahertz</extracomment><translation>ТГц</translation></message>
<message><source>eSTHz_OneChar</source><extracomment>terahertz</extracomment><translation>㎔</translation></message>
<message><source>eScps</source><extracomment>cycle per second</extracomment><translation>цикл/с</translation></message>
</context>
<context>
<name>UnitSymbol_Inductance</name>
<message><source>eSH</source><extracomment>henry</extracomment><translation>Гн</translation></message>
<message><source>eSnH</source><extracomment>nanohenry</extracomment><translation>нГн</translation></message>
<message><source>eSmuH</source><extracomment>microhenry</extracomment><translation>мкГн</translation></message>
<message><source>eSuH</source><extracomment>microhenry</extracomment><translation>мкГн</translation></message>
<message><source>eSmH</source><extracomment>millihenry</extracomment><translation>мГн</translation></message>
</context>
<context>
<name>UnitSymbol_MagneticFluxDensity</name>
<message><source>eSG</source><extracomment>gauss</extracomment><translation>Гс</translation></message>
<message><source>eSmG</source><extracomment>milligauss</extracomment><translation>мГс</translation></message>
<message><source>eST</source><extracomment>tesla</extracomment><translation>Тл</translation></message>
</context>
<context>
<name>UnitSymbol_MagneticFlux</name>
<message><source>eSWb</source><extracomment>weber</extracomment><translation>Вб</translation></message>
<message><source>eSWb_OneChar</source><extracomment>weber</extracomment><translation>㏝</translation></message>
</context>
<context>
<name>UnitSymbol_Power</name>
<message><source>eSW</source><extracomment>watt</extracomment><translation>Вт</translation></message>
<message><source>eShp_Metric</source><extracomment>horsepower (metric)</extracomment><translation>л. с.</translation></message>
<message><source>eShp_OneChar_Metric</source><extracomment>horsepower (metric)</extracomment><translation>㏋ (метр.)</translation></message>
<message><source>eShp_European_Electrical</source><extracomment>horsepower (European electrical)</extracomment><translation>л. с. (евр. эл.)</translation></message>
<message><source>eShp_OneChar_European_Electrical</source><extracomment>horsepower (European electrical)</extracomment><translation>㏋ (евр. эл.)</translation></message>
<message><source>eShp_Imperial_Mechanical</source><extracomment>horsepower (Imperial mechanical)</extracomment><translation>л. с. (брит.)</translation></message>
<message><source>eShp_OneChar_Imperial_Mechanical</source><extracomment>horsepower (Imperial mechanical)</extracomment><translation>㏋</translation></message>
<message><source>eShp_Imperial_Electrical</source><extracomment>horsepower (Imperial electrical)</extracomment><translation>л. с. (брит. эл.)</translation></message>
<message><source>eShp_OneChar_Imperial_Electrical</source><extracomment>horsepower (Imperial electrical)</extracomment><translation>㏋ (брит. эл.)</translation></message>
<message><source>eSkcalPerh</source><extracomment>kilocalorie per hour</extracomment><translation>ккал/ч</translation></message>
<message><source>eSkcalPerhr</source><extracomment>kilocalorie per hour</extracomment><translation>ккал/ч</translation></message>
<message><source>eSkW</source><extracomment>kilowatt</extracomment><translation>кВт</translation></message>
<message><source>eSkW_OneChar</source><extracomment>kilowatt</extracomment><translation>㎾</translation></message>
<message><source>eSMW</source><extracomment>megawatt</extracomment><translation>МВт</translation></message>
<message><source>eSMW_OneChar</source><extracomment>megawatt</extracomment><translation>㎿</translation></message>
<message><source>eSmuW</source><extracomment>microwatt</extracomment><translation>мкВт</translation></message>
<message><source>eSuW</source><extracomment>microwatt</extracomment><translation>мкВт</translation></message>
<message><source>eSmuW_OneChar</source><extracomment>microwatt</extracomment><translation>㎼</translation></message>
<message><source>eSVA</source><extracomment>volt ampere</extracomment><translation>В·А</translation></message>
<message><source>eSmVA</source><extracomment>millivolt ampere</extracomment><translation>мВ·А</translation></message>
<message><source>eSkVA</source><extracomment>kilovolt ampere</extracomment><translation>кВ·А</translation></message>
<message><source>eSMVA</source><extracomment>megavolt ampere</extracomment><translation>МВ·А</translation></message>
<message><source>eSmW</source><extracomment>milliwatt</extracomment><translation>мВт</translation></message>
<message><source>eSmW_OneChar</source><extracomment>milliwatt</extracomment><translation>㎽</translation></message>
<message><source>eSkgfmPers</source><extracomment>kilogram force meter per second</extracomment><translation>кгс·м/с</translation></message>
<message><source>eSkpmPers</source><extracomment>kilogram force meter per second</extracomment><translation>кгс·м/с</translation></message>
<message><source>eSGfmPers</source><extracomment>kilogram force meter per second</extracomment><translation>кгс·м/с</translation></message>
<message><source>eSftlbfPers</source><extracomment>foot pound-force per second</extracomment><translation>фут·фунт-сила/с</translation></message>
<message><source>eSIntcalPers</source><extracomment>calorie per second</extracomment><translation>кал/с</translation></message>
<message><source>eSIntkcalPers</source><extracomment>kilocalorie per second</extracomment><translation>ккал/с</translation></message>
<message><source>eSBTUPers</source><extracomment>British thermal unit (International Table) per second</extracomment><translation>БТЕ/с</translation></message>
<message><source>eSBtuPers</source><extracomment>British thermal unit (International Table) per second</extracomment><translation>БТЕ/с</translation></message>
<message><source>eSBTUPerh</source><extracomment>British thermal unit (International Table) per hour</extracomment><translation>БТЕ/ч</translation></message>
<message><source>eSBTUPerhr</source><extracomment>British thermal unit (International Table) per hour</extracomment><translation>БТЕ/ч</translation></message>
<message><source>eSBtuPerh</source><extracomment>British thermal unit (International Table) per hour</extracomment><translation>БТЕ/ч</translation></message>
<message><source>eSBtuPerhr</source><extracomment>British thermal unit (International Table) per hour</extracomment><translation>БТЕ/ч</translation></message>
<message><source>eSMBTUPerh</source><extracomment>million British thermal unit (International Table) per hour</extracomment><translation>млн БТЕ/ч</translation></message>
<message><source>eSMBTUPerhr</source><extracomment>million British thermal unit (International Table) per hour</extracomment><translation>млн БТЕ/ч</translation></message>
<message><source>eSMBtuPerh</source><extracomment>million British thermal unit (International Table) per hour</extracomment><translation>млн БТЕ/ч</translation></message>
<message><source>eSMBtuPerhr</source><extracomment>million British thermal unit (International Table) per hour</extracomment><translation>млн БТЕ/ч</translation></message>
<message><source>eSkBTUPerh</source><extracomment>thousand British thermal unit (International Table) per hour</extracomment><translation>тыс. БТЕ/ч</translation></message>
<message><source>eSkBTUPerhr</source><extracomment>thousand British thermal unit (International Table) per hour</extracomment><translation>тыс. БТЕ/ч</translation></message>
<message><source>eSkBtuPerh</source><extracomment>thousand British thermal unit (International Table) per hour</extracomment><translation>тыс. БТЕ/ч</translation></message>
<message><source>eSkBtuPerhr</source><extracomment>thousand British thermal unit (International Table) per hour</extracomment><translation>тыс. БТЕ/ч</translation></message>
<message><source>eSton</source><extracomment>ton of refrigeration</extracomment><translation>т хол.</translation></message>
<message><source>eSGW</source><extracomment>gigawatt</extracomment><translation>ГВт</translation></message>
</context>
<context>
<name>UnitSymbol_PowerPerUnitOfVolume</name>
<message><source>eSWPerm3</source><extracomment>watt per cubic meter</extracomment><translation>Вт/м³</translation></message>
<message><source>eSWPercum</source><extracomment>watt per cubic meter</extracomment><translation>Вт/куб. м</translation></message>
<message><source>eSWPercuft</source><extracomment>watt per cubic foot</extracomment><translation>Вт/куб. фут</translation></message>
<message><source>eSWPerft3</source><extracomment>watt per cubic foot</extracomment><translation>Вт/фут³</translation></message>
<message><source>eSBTUPerhcuft</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>БТЕ/(ч·куб. фут)</translation></message>
<message><source>eSBTUPerhft3</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>БТЕ/(ч·фут³)</translation></message>
<message><source>eSBTUPerhrcuft</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>БТЕ/(ч·куб. фут)</translation></message>
<message><source>eSBTUPerhrft3</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>БТЕ/(ч·фут³)</translation></message>
<message><source>eSBtuPerhcuft</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>БТЕ/(ч·куб. фут)</translation></message>
<message><source>eSBtuPerhft3</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>БТЕ/(ч·фут³)</translation></message>
<message><source>eSBtuPerhrcuft</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>БТЕ/(ч·куб. фут)</translation></message>
<message><source>eSBtuPerhrft3</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>БТЕ/(ч·фут³)</translation></message>
</context>
<context>
<name>UnitSymbol_PowerPerUnitOfMass</name>
<message><source>eSWPerkg</source><extracomment>watt per kilogram</extracomment><translation>Вт/кг</translation></message>
</context>
<context>
<name>UnitSymbol_PowerPerUnitOfArea</name>
<message><source>eSWPerm2</source><extracomment>watt per square meter</extracomment><translation>Вт/м²</translation></message>
<message><source>eSWPersqm</source><extracomment>watt per square meter</extracomment><translation>Вт/кв. м</translation></message>
<message><source>eSkWPerm2</source><extracomment>kilowatt per square meter</extracomment><translation>кВт/м²</translation></message>
<message><source>eSkWPersqm</source><extracomment>kilowatt per square meter</extracomment><translation>кВт/кв. м</translation></message>
<message><source>eSkWPersqft</source><extracomment>kilowatt per square foot</extracomment><translation>кВт/кв. фут</translation></message>
<message><source>eSkWPerft2</source><extracomment>kilowatt per square foot</extracomment><translation>кВт/фут²</translation></message>
<message><source>eSWPersqft</source><extracomment>watt per square foot</extracomment><translation>Вт/кв. фут</translation></message>
<message><source>eSWPerft2</source><extracomment>watt per square foot</extracomment><translation>Вт/фут²</translation></message>
<message><source>eSBTUPerhPersqft</source><extracomment>British thermal unit per hour square foot</extracomment><translation>БТЕ/(ч·кв. фут)</translation></message>
<message><source>eSBTUPerhrPersqft</source><extracomment>British thermal unit per hour square foot</extracomment><translation>БТЕ/(ч·кв. фут)</translation></message>
<message><source>eSBTUPerhPerft2</source><extracomment>British thermal unit per hour square foot</extracomment><translation>БТЕ/(ч·фут²)</translation></message>
<message><source>eSBTUPerhrPerft2</source><extracomment>British thermal unit per hour square foot</extracomment><translation>БТЕ/(ч·фут²)</translation></message>
<message><source>eSBtuPerhPersqft</source><extracomment>British thermal unit per hour square foot</extracomment><translation>БТЕ/(ч·кв. фут)</translation></message>
<message><source>eSBtuPerhrPersqft</source><extracomment>British thermal unit per hour square foot</extracomment><translation>БТЕ/(ч·кв. фут)</translation></message>
<message><source>eSBtuPerhPerft2</source><extracomment>British thermal unit per hour square foot</extracomment><translation>БТЕ/(ч·фут²)</translation></message>
<message><source>eSBtuPerhrPerft2</source><extracomment>British thermal unit per hour square foot</extracomment><translation>БТЕ/(ч·фут²)</translation></message>
</context>
<context>
<name>UnitSymbol_Pressure</name>
<message><source>eSbar</source><extracomment>bar</extracomment><translation>бар</translation></message>
<message><source>eSbar_OneChar</source><extracomment>bar</extracomment><translation>㍴</translation></message>
<message><source>eSmb_OneChar</source><extracomment>bar</extracomment><translation>㍴</translation></message>
<message><source>eSbarabs</source><extracomment>bar absolute</extracomment><translation>бар (абс.)</translation></message>
<message><source>eSbara</source><extracomment>bar absolute</extracomment><translation>бар (абс.)</translation></message>
<message><source>eSbarga</source><extracomment>bar gauge</extracomment><translation>бар (изб.)</translation></message>
<message><source>eSbarg</source><extracomment>bar gauge</extracomment><translation>бар (изб.)</translation></message>
<message><source>eSinHg</source><extracomment>inch of mercury</extracomment><translation>дюйм рт. ст.</translation></message>
<message><source>eSinH2O</source><extracomment>inch of water</extracomment><translation>дюйм вод. ст.</translation></message>
<message><source>eSkbar</source><extracomment>kilobar</extracomment><translation>кбар</translation></message>
<message><source>eSkgPercm2</source><extracomment>kilogram per square centimeter</extracomment><translation>кг/см²</translation></message>
<message><source>eSkgPersqcm</source><extracomment>kilogram per square centimeter</extracomment><translation>кг/кв. см</translation></message>
<message><source>eSkPa</source><extracomment>kilopascal</extracomment><translation>кПа</translation></message>
<message><source>eSkPa_OneChar</source><extracomment>kilopascal</extracomment><translation>㎪</translation></message>
<message><source>eSmksi</source><extracomment>kilopound per square inch</extracomment><translation>kpsi</translation></message>
<message><source>eSMPa</source><extracomment>mega pascal</extracomment><translation>МПа</translation></message>
<message><source>eSMPa_OneChar</source><extracomment>mega pascal</extracomment><translation>㎫</translation></message>
<message><source>eSmbar</source><extracomment>millibar</extracomment><translation>мбар</translation></message>
<message><source>eSmmHg</source><extracomment>millimeter of mercury</extracomment><translation>мм рт. ст.</translation></message>
<message><source>eSmPa</source><extracomment>milli pascal</extracomment><translation>мПа</translation></message>
<message><source>eSPa</source><extracomment>pascal</extracomment><translation>Па</translation></message>
<message><source>eSPa_OneChar</source><extracomment>pascal</extracomment><translation>㎩</translation></message>
<message><source>eSpsia</source><extracomment>pound per square inch (atmosphere)</extracomment><translation>psia</translation></message>
<message><source>eSpsig</source><extracomment>pound per square inch (gauge)</extracomment><translation>psig</translation></message>
<message><source>eSpsf</source><extracomment>pound per square foot</extracomment><translation>psf</translation></message>
<message><source>eSpsi</source><extracomment>pound per square inch</extracomment><translation>psi</translation></message>
<message><source>eSlbfPerSquarein</source><extracomment>pound per square inch</extracomment><translation>фунт-сила/кв. дюйм</translation></message>
<message><source>eSlbfPerin2</source><extracomment>pound per square inch</extracomment><translation>фунт-сила/дюйм²</translation></message>
<message><source>eSatm</source><extracomment>atmosphere (standard)</extracomment><translation>атм</translation></message>
<message><source>eSat</source><extracomment>atmosphere (metric)</extracomment><translation>ат</translation></message>
<message><source>eSTorr</source><extracomment>torr</extracomment><translation>торр</translation></message>
<message><source>eSNPermm2</source><extracomment>newton per square millimeter</extracomment><translation>Н/мм²</translation></message>
<message><source>eSNPersqmm</source><extracomment>newton per square millimeter</extracomment><translation>Н/кв. мм</translation></message>
<message><source>eSNPerm2</source><extracomment>newton per square meter</extracomment><translation>Н/м²</translation></message>
<message><source>eSNPersqm</source><extracomment>newton per square meter</extracomment><translation>Н/кв. м</translation></message>
<message><source>eSdaNPermm2</source><extracomment>decanewton per square millimeter</extracomment><translation>даН/мм²</translation></message>
<message><source>eSdaNPersqmm</source><extracomment>decanewton per square millimeter</extracomment><translation>даН/кв. мм</translation></message>
<message><source>eSdaNPerm2</source><extracomment>decanewton per square meter</extracomment><translation>даН/м²</translation></message>
<message><source>eSdaNPersqm</source><extracomment>decanewton per square meter</extracomment><translation>даН/кв. м</translation></message>
<message><source>eSkNPerm2</source><extracomment>kilonewton per square meter</extracomment><translation>кН/м²</translation></message>
<message><source>eSkNPersqm</source><extracomment>kilonewton per square meter</extracomment><translation>кН/кв. м</translation></message>
<message><source>eSMNPerm2</source><extracomment>meganewton per square meter</extracomment><translation>МН/м²</translation></message>
<message><source>eSMNPersqm</source><extracomment>meganewton per square meter</extracomment><translation>МН/кв. м</translation></message>
<message><source>eSftH2O</source><extracomment>foot of water</extracomment><translation>фут вод. ст.</translation></message>
<message><source>eSksi</source><extracomment>kip per square inch</extracomment><translation>ksi</translation></message>
<message><source>eSksf</source><extracomment>kip per square foot</extracomment><translation>ksf</translation></message>
<message><source>eShPa</source><extracomment>hectopascal</extracomment><translation>гПа</translation></message>
</context>
<context>
<name>UnitSymbol_ForceScale</name>
<message><source>eSmPerN</source><extracomment>meter per newton</extracomment><translation>м/Н</translation></message>
<message><source>eSmPerkN</source><extracomment>meter per kilonewton</extracomment><translation>м/кН</translation></message>
<message><source>eSftPerkip</source><extracomment>foot per kip</extracomment><translation>фут/кип</translation></message>
<message><source>eSftPerkipf</source><extracomment>foot per kip</extracomment><translation>фут/кип</translation></message>
<message><source>eSftPerklbf</source><extracomment>foot per kip</extracomment><translation>фут/кип</translation></message>
<message><source>eSftPerklb</source><extracomment>foot per kip</extracomment><translation>фут/кип</translation></message>
</context>
<context>
<name>UnitSymbol_LinearForceScale</name>
<message><source>eSm2PerN</source><extracomment>square meter per newton</extracomment><translation>м²/Н</translation></message>
<message><source>eSsqmPerN</source><extracomment>square meter per newton</extracomment><translation>кв. м/Н</translation></message>
<message><source>eSm2PerkN</source><extracomment>square meter per kilonewton</extracomment><translation>м²/кН</translation></message>
<message><source>eSsqmPerkN</source><extracomment>square meter per kilonewton</extracomment><translation>кв. м/кН</translation></message>
<message><source>eSsqftPerkip</source><extracomment>square foot per kip</extracomment><translation>кв. фут/кип</translation></message>
<message><source>eSft2Perkip</source><extracomment>square foot per kip</extracomment><translation>фут²/кип</translation></message>
<message><source>eSsqftPerkipf</source><extracomment>square foot per kip</extracomment><translation>кв. фут/кип</translation></message>
<message><source>eSft2Perkipf</source><extracomment>square foot per kip</extracomment><translation>фут²/кип</translation></message>
<message><source>eSsqftPerklbf</source><extracomment>square foot per kip</extracomment><translation>кв. фут/кип</translation></message>
<message><source>eSft2Perklbf</source><extracomment>square foot per kip</extracomment><translation>фут²/кип</translation></message>
<message><source>eSsqftPerklb</source><extracomment>square foot per kip</extracomment><translation>кв. фут/кип</translation></message>
<message><source>eSft2Perklb</source><extracomment>square foot per kip</extracomment><translation>фут²/кип</translation></message>
</context>
<context>
<name>UnitSymbol_AreaForceScale</name>
<message><source>eSm3PerN</source><extracomment>cubic meter per newton</extracomment><translation>м³/Н</translation></message>
<message><source>eScumPerN</source><extracomment>cubic meter per newton</extracomment><translation>куб. м/Н</translation></message>
<message><source>eSm3PerkN</source><extracomment>cubic meter per kilonewton</extracomment><translation>м³/кН</translation></message>
<message><source>eScumPerkN</source><extracomment>cubic meter per kilonewton</extracomment><translation>куб. м/кН</translation></message>
<message><source>eScuftPerkip</source><extracomment>cubic foot per kip</extracomment><translation>куб. фут/кип</translation></message>
<message><source>eSft3Perkip</source><extracomment>cubic foot per kip</extracomment><translation>фут³/кип</translation></message>
<message><source>eScuftPerkipf</source><extracomment>cubic foot per kip</extracomment><translation>куб. фут/кип</translation></message>
<message><source>eSft3Perkipf</source><extracomment>cubic foot per kip</extracomment><translation>фут³/кип</translation></message>
<message><source>eScuftPerlbf</source><extracomment>cubic foot per kip</extracomment><translation>куб. фут/кип</translation></message>
<message><source>eSft3Perlbf</source><extracomment>cubic foot per kip</extracomment><translation>фут³/кип</translation></message>
<message><source>eScuftPerklb</source><extracomment>cubic foot per kip</extracomment><translation>куб. фут/кип</translation></message>
<message><source>eSft3Perklb</source><extracomment>cubic foot per kip</extracomment><translation>фут³/кип</translation></message>
</context>
<context>
<name>UnitSymbol_LinearMoment</name>
<message><source>eSNmPerm</source><extracomment>newton-meter per meter</extracomment><translation>Н·м/м</translation></message>
<message><source>eSdaNmPerm</source><extracomment>decanewton-meter per meter</extracomment><translation>даН·м/м</translation></message>
<message><source>eSkNmPerm</source><extracomment>kilonewton-meter per meter</extracomment><translation>кН·м/м</translation></message>
<message><source>eSMNmPerm</source><extracomment>meganewton-meter per meter</extracomment><translation>МН·м/м</translation></message>
<message><source>eSkipftPerft</source><extracomment>kip-foot per foot</extracomment><translation>кип·фут/фут</translation></message>
<message><source>eSkipfftPerft</source><extracomment>kip-foot per foot</extracomment><translation>кип·фут/фут</translation></message>
<message><source>eSklbfftPerft</source><extracomment>kip-foot per foot</extracomment><translation>кип·фут/фут</translation></message>
<message><source>eSklbftPerft</source><extracomment>kip-foot per foot</extracomment><translation>кип·фут/фут</translation></message>
<message><source>eSkgfmPerm</source><extracomment>kilogram force-meter per meter</extracomment><translation>кгс·м/м</translation></message>
<message><source>eSkpmPerm</source><extracomment>kilogram force-meter per meter</extracomment><translation>кгс·м/м</translation></message>
<message><source>eSGfmPerm</source><extracomment>kilogram force-meter per meter</extracomment><translation>кгс·м/м</translation></message>
<message><source>eStnfmPerm</source><extracomment>ton force-meter per meter</extracomment><translation>тс·м/м</translation></message>
<message><source>eSlbfftPerft</source><extracomment>pound-force foot per foot</extracomment><translation>фунт-сила·фут/фут</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricalResistance</name>
<message><source>eSOmega</source><extracomment>ohm</extracomment><translation>Ом</translation></message>
<message><source>eSkOmega</source><extracomment>kilohm</extracomment><translation>кОм</translation></message>
<message><source>eSOmega_OneChar</source><extracomment>kilohm</extracomment><translation>㏀</translation></message>
<message><source>eSGOmega</source><extracomment>gigaohm</extracomment><translation>ГОм</translation></message>
<message><source>eSMOmega</source><extracomment>megohm</extracomment><translation>МОм</translation></message>
<message><source>eSMOmega_OneChar</source><extracomment>megohm</extracomment><translation>㏁</translation></message>
<message><source>eSmuOmega</source><extracomment>microohm</extracomment><translation>мкОм</translation></message>
<message><source>eSuOmega</source><extracomment>microohm</extracomment><translation>мкОм</translation></message>
<message><source>eSmOmega</source><extracomment>milliohm</extracomment><translation>мОм</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricConductance</name>
<message><source>eSS</source><extracomment>siemens</extracomment><translation>См</translation></message>
</context>
<context>
<name>UnitSymbol_Velocity</name>
<message><source>eSmPers</source><extracomment>meter per second</extracomment><translation>м/с</translation></message>
<message><source>eSmPers_OneChar</source><extracomment>meter per second</extracomment><translation>㎧</translation></message>
<message><source>eSmmPers</source><extracomment>millimeter per second</extracomment><translation>мм/с</translation></message>
<message><source>eScmPers</source><extracomment>centimeter per second</extracomment><translation>см/с</translation></message>
<message><source>eSmPermin</source><extracomment>meter per minute</extracomment><translation>м/мин</translation></message>
<message><source>eSinPers</source><extracomment>inch per second</extracomment><translation>дюйм/с</translation></message>
<message><source>eSftPers</source><extracomment>foot per second</extracomment><translation>фут/с</translation></message>
<message><source>eSfps</source><extracomment>foot per second</extracomment><translation>фут/с</translation></message>
<message><source>eSinPermin</source><extracomment>inch per minute</extracomment><translation>дюйм/мин</translation></message>
<message><source>eSftPermin</source><extracomment>foot per minute</extracomment><translation>фут/мин</translation></message>
<message><source>eSfpm</source><extracomment>foot per minute</extracomment><translation>фут/мин</translation></message>
<message><source>eSkmPerhr</source><extracomment>kilometer per hour</extracomment><translation>км/ч</translation></message>
<message><source>eSkph</source><extracomment>kilometer per hour</extracomment><translation>км/ч</translation></message>
<message><source>eSkmph</source><extracomment>kilometer per hour</extracomment><translation>км/ч</translation></message>
<message><source>eSmiPerhr</source><extracomment>mile per hour</extracomment><translation>миля/ч</translation></message>
<message><source>eSmph</source><extracomment>mile per hour</extracomment><translation>миля/ч</translation></message>
<message><source>eSMPH</source><extracomment>mile per hour</extracomment><translation>миля/ч</translation></message>
<message><source>eScmPermin</source><extracomment>centimeter per minute</extracomment><translation>см/мин</translation></message>
<message><source>eSftPerhr</source><extracomment>foot per hour</extracomment><translation>фут/ч</translation></message>
<message><source>eSinPerhr</source><extracomment>inch per hour</extracomment><translation>дюйм/ч</translation></message>
<message><source>eSkmPermin</source><extracomment>kilometer per minute</extracomment><translation>км/мин</translation></message>
<message><source>eSkmPers</source><extracomment>kilometer per second</extracomment><translation>км/с</translation></message>
<message><source>eSkn</source><extracomment>knot</extracomment><translation>уз</translation></message>
<message><source>eSkn_UK</source><extracomment>knot (UK)</extracomment><translation>уз (брит.)</translation></message>
<message><source>eSmPerhr</source><extracomment>meter per hour</extracomment><translation>м/ч</translation></message>
<message><source>eSmiPermin</source><extracomment>mile per minute</extracomment><translation>миля/мин</translation></message>
<message><source>eSmiPers</source><extracomment>mile per second</extracomment><translation>миля/с</translation></message>
<message><source>eSmi_SurveyPerhr</source><extracomment>survey mile per hour</extracomment><translation>миля (геод. США)/ч</translation></message>
<message><source>eSft_SurveyPers</source><extracomment>survey foot per second</extracomment><translation>фут (геод. США)/с</translation></message>
</context>
<context>
<name>UnitSymbol_ComputerStorage</name>
<message><source>eSB</source><extracomment>byte</extracomment><translation>Б</translation></message>
<message><source>eSkB</source><extracomment>kilobyte</extracomment><translation>кБ</translation></message>
<message><source>eSMB</source><extracomment>megabyte</extracomment><translation>МБ</translation></message>
<message><source>eSMB_OneChar</source><extracomment>megabyte</extracomment><translation>㎆</translation></message>
<message><source>eSGB</source><extracomment>gigabyte</extracomment><translation>ГБ</translation></message>
<message><source>eSGB_OneChar</source><extracomment>gigabyte</extracomment><translation>㎇</translation></message>
<message><source>eSTB</source><extracomment>terabyte</extracomment><translation>ТБ</translation></message>
<message><source>eSkiB</source><extracomment>kibibyte</extracomment><translation>КиБ</translation></message>
<message><source>eSKB</source><extracomment>kibibyte</extracomment><translation>КБ</translation></message>
<message><source>eSKiB</source><extracomment>kibibyte</extracomment><translation>КиБ</translation></message>
<message><source>eSKB_OneChar</source><extracomment>kibibyte</extracomment><translation>㎅</translation></message>
<message><source>eSMiB</source><extracomment>mebibyte</extracomment><translation>МиБ</translation></message>
<message><source>eSGiB</source><extracomment>gibibyte</extracomment><translation>ГиБ</translation></message>
<message><source>eSTiB</source><extracomment>tebibyte</extracomment><translation>ТиБ</translation></message>
<message><source>eSkb</source><extracomment>kilobit</extracomment><translation>кбит</translation></message>
<message><source>eSkbit</source><extracomment>kilobit</extracomment><translation>кбит</translation></message>
<message><source>eSMb</source><extracomment>megabit</extracomment><translation>Мбит</translation></message>
<message><source>eSMbit</source><extracomment>megabit</extracomment><translation>Мбит</translation></message>
<message><source>eSGb</source><extracomment>gigabit</extracomment><translation>Гбит</translation></message>
<message><source>eSGbit</source><extracomment>gigabit</extracomment><translation>Гбит</translation></message>
<message><source>eSPB</source><extracomment>petabyte</extracomment><translation>ПБ</translation></message>
<message><source>eSPiB</source><extracomment>pebibyte</extracomment><translation>ПиБ</translation></message>
<message><source>eSEB</source><extracomment>exabyte</extracomment><translation>ЭБ</translation></message>
<message><source>eSEiB</source><extracomment>exbibyte</extracomment><translation>ЭиБ</translation></message>
<message><source>eSZB</source><extracomment>zettabyte</extracomment><translation>ЗБ</translation></message>
<message><source>eSZiB</source><extracomment>zebibyte</extracomment><translation>ЗиБ</translation></message>
<message><source>eSYB</source><extracomment>yottabyte</extracomment><translation>ИБ</translation></message>
<message><source>eSYiB</source><extracomment>yobibyte</extracomment><translation>ИиБ</translation></message>
<message><source>eSTb</source><extracomment>terabit</extracomment><translation>Тбит</translation></message>
<message><source>eSTbit</source><extracomment>terabit</extracomment><translation>Тбит</translation></message>
</context>
<context>
<name>UnitSymbol_Temperature</name>
<message><source>eSK</source><extracomment>kelvin</extracomment><translation>К</translation></message>
<message><source>eSdegK</source><extracomment>kelvin</extracomment><translation>К</translation></message>
<message><source>eSdegreeC</source><extracomment>degree Celsius</extracomment><translation>°C</translation></message>
<message><source>eSdegC</source><extracomment>degree Celsius</extracomment><translation>°C</translation></message>
<message><source>eSdegreeC_OneChar</source><extracomment>degree Celsius</extracomment><translation>℃</translation></message>
<message><source>eSdegreeF</source><extracomment>degree Fahrenheit</extracomment><translation>°F</translation></message>
<message><source>eSDegF</source><extracomment>degree Fahrenheit</extracomment><translation>°F</translation></message>
<message><source>eSdegreeF_OneChar</source><extracomment>degree Fahrenheit</extracomment><translation>℉</translation></message>
<message><source>eSdegreeR</source><extracomment>degree Rankine</extracomment><translation>°R</translation></message>
<message><source>eSdegreeRa</source><extracomment>degree Rankine</extracomment><translation>°Ra</translation></message>
<message><source>eSDegR</source><extracomment>degree Rankine</extracomment><translation>°R</translation></message>
</context>
<context>
<name>UnitSymbol_TemperatureRate</name>
<message><source>eSDegreeCPermin</source><extracomment>celsius per minute</extracomment><translation>°C/мин</translation></message>
<message><source>eSdegCPermin</source><extracomment>celsius per minute</extracomment><translation>°C/мин</translation></message>
<message><source>eSDegreeFPermin</source><extracomment>fahrenheit per minute</extracomment><translation>°F/мин</translation></message>
<message><source>eSdegFPermin</source><extracomment>fahrenheit per minute</extracomment><translation>°F/мин</translation></message>
</context>
<context>
<name>UnitSymbol_Time</name>
<message><source>eSs</source><extracomment>second</extracomment><translation>с</translation></message>
<message><source>eSsec</source><extracomment>second</extracomment><translation>сек</translation></message>
<message><source>eSSecond_DoublePrime</source><extracomment>second</extracomment><translation>″</translation></message>
<message><source>eSSecond_MinutePrimeSecondDoublePrime</source><extracomment>second</extracomment><translation>минуты и секунды (5'30")</translation></message>
<message><source>eSYs</source><extracomment>yottasecond</extracomment><translation>Ис</translation></message>
<message><source>eSZs</source><extracomment>zettasecond</extracomment><translation>Зс</translation></message>
<message><source>eSEs</source><extracomment>exasecond</extracomment><translation>Эс</translation></message>
<message><source>eSPs</source><extracomment>petasecond</extracomment><translation>Пс</translation></message>
<message><source>eSTs</source><extracomment>terasecond</extracomment><translation>Тс</translation></message>
<message><source>eSGs</source><extracomment>gigasecond</extracomment><translatorcomment>Latin on purpose: the Cyrillic «Гс» is the gauss (GOST 8.417), so the gigasecond keeps «Gs».</translatorcomment><translation>Gs</translation></message>
<message><source>eSMs</source><extracomment>megasecond</extracomment><translation>Мс</translation></message>
<message><source>eSks</source><extracomment>kilosecond</extracomment><translation>кс</translation></message>
<message><source>eShs</source><extracomment>hectosecond</extracomment><translation>гс</translation></message>
<message><source>eSdas</source><extracomment>decasecond</extracomment><translation>дас</translation></message>
<message><source>eSds</source><extracomment>decisecond</extracomment><translation>дс</translation></message>
<message><source>eScs</source><extracomment>centisecond</extracomment><translation>сс</translation></message>
<message><source>eSms</source><extracomment>millisecond</extracomment><translation>мс</translation></message>
<message><source>eSms_OneChar</source><extracomment>millisecond</extracomment><translation>㎳</translation></message>
<message><source>eSmus</source><extracomment>microsecond</extracomment><translation>мкс</translation></message>
<message><source>eSus</source><extracomment>microsecond</extracomment><translation>мкс</translation></message>
<message><source>eSmus_OneChar</source><extracomment>microsecond</extracomment><translation>㎲</translation></message>
<message><source>eSns</source><extracomment>nanosecond</extracomment><translation>нс</translation></message>
<message><source>eSns_OneChar</source><extracomment>nanosecond</extracomment><translation>㎱</translation></message>
<message><source>eSps</source><extracomment>picosecond</extracomment><translation>пс</translation></message>
<message><source>eSps_OneChar</source><extracomment>picosecond</extracomment><translation>㎰</translation></message>
<message><source>eSfs</source><extracomment>femtosecond</extracomment><translation>фс</translation></message>
<message><source>eSas</source><extracomment>attosecond</extracomment><translation>ас</translation></message>
<message><source>eSzs</source><extracomment>zeptosecond</extracomment><translation>зс</translation></message>
<message><source>eSys</source><extracomment>yoctosecond</extracomment><translation>ис</translation></message>
<message><source>eSmin</source><extracomment>minute</extracomment><translation>мин</translation></message>
<message><source>eSMinute_Prime</source><extracomment>minute</extracomment><translation>′</translation></message>
<message><source>eSh</source><extracomment>hour</extracomment><translation>ч</translation></message>
<message><source>eShr</source><extracomment>hour</extracomment><translation>ч</translation></message>
<message><source>eSd</source><extracomment>day</extracomment><translation>сут</translation></message>
<message><source>eSwk</source><extracomment>week</extracomment><translation>нед</translation></message>
<message><source>eSmo</source><extracomment>month</extracomment><translation>мес</translation></message>
<message><source>eSmo_Hollow</source><extracomment>month (hollow)</extracomment><translation>мес (неполн.)</translation></message>
<message><source>eSmo_Full</source><extracomment>month (full)</extracomment><translation>мес (полн.)</translation></message>
<message><source>eSyr</source><extracomment>year</extracomment><translation>год</translation></message>
<message><source>eSy</source><extracomment>year</extracomment><translation>год</translation></message>
<message><source>eSyr_Gregorian</source><extracomment>year (Gregorian)</extracomment><translation>год (григ.)</translation></message>
<message><source>eSa_Gregorian</source><extracomment>year (Gregorian)</extracomment><translation>год (григ.)</translation></message>
<message><source>eSy_Gregorian</source><extracomment>year (Gregorian)</extracomment><translation>год (григ.)</translation></message>
<message><source>eSyr_Julian</source><extracomment>year (Julian)</extracomment><translation>год (юлиан.)</translation></message>
<message><source>eSa_Julian</source><extracomment>year (Julian)</extracomment><translation>год (юлиан.)</translation></message>
<message><source>eSy_Julian</source><extracomment>year (Julian)</extracomment><translation>год (юлиан.)</translation></message>
<message><source>eSyr_Sidereal</source><extracomment>sidereal year</extracomment><translation>год (звездн.)</translation></message>
<message><source>eSa_Sidereal</source><extracomment>sidereal year</extracomment><translation>год (звездн.)</translation></message>
<message><source>eSy_Sidereal</source><extracomment>sidereal year</extracomment><translation>год (звездн.)</translation></message>
<message><source>eSyr_Tropical</source><extracomment>tropical year</extracomment><translation>год (тропич.)</translation></message>
<message><source>eSa_Tropical</source><extracomment>tropical year</extracomment><translation>год (тропич.)</translation></message>
<message><source>eSy_Tropical</source><extracomment>tropical year</extracomment><translation>год (тропич.)</translation></message>
</context>
<context>
<name>UnitSymbol_DynamicViscosity</name>
<message><source>eSP</source><extracomment>poise</extracomment><translation>П</translation></message>
<message><source>eScP</source><extracomment>centipoise</extracomment><translation>сП</translation></message>
<message><source>eScPs</source><extracomment>centipoise</extracomment><translation>сП</translation></message>
<message><source>eSPas</source><extracomment>pascal second</extracomment><translation>Па·с</translation></message>
<message><source>eSlbmPerfts</source><extracomment>pound mass per foot second</extracomment><translation>фунт/(фут·с)</translation></message>
<message><source>eSlbPerfts</source><extracomment>pound mass per foot second</extracomment><translation>фунт/(фут·с)</translation></message>
<message><source>eSPoundSignPerfts</source><extracomment>pound mass per foot second</extracomment><translation>#/(фут·с)</translation></message>
<message><source>eSlbmPerfth</source><extracomment>pound mass per foot hour</extracomment><translation>фунт/(фут·ч)</translation></message>
<message><source>eSlbmPerfthr</source><extracomment>pound mass per foot hour</extracomment><translation>фунт/(фут·ч)</translation></message>
</context>
<context>
<name>UnitSymbol_KinematicViscosity</name>
<message><source>eSSt</source><extracomment>stoke</extracomment><translation>Ст</translation></message>
<message><source>eScSt</source><extracomment>centistoke</extracomment><translation>сСт</translation></message>
</context>
<context>
<name>UnitSymbol_Acceleration</name>
<message><source>eSmPers2</source><extracomment>meter per second squared</extracomment><translation>м/с²</translation></message>
<message><source>eSmPersqm</source><extracomment>meter per second squared</extracomment><translation>м/с²</translation></message>
<message><source>eSmPers2_OneChar</source><extracomment>meter per second squared</extracomment><translation>㎨</translation></message>
<message><source>eSftPers2</source><extracomment>foot per second squared</extracomment><translation>фут/с²</translation></message>
<message><source>eSftPersqs</source><extracomment>foot per second squared</extracomment><translation>фут/с²</translation></message>
<message><source>eSgn</source><extracomment>standard gravity</extracomment><translation>gₙ</translation></message>
</context>
<context>
<name>UnitSymbol_Voltage</name>
<message><source>eSV</source><extracomment>volt</extracomment><translation>В</translation></message>
<message><source>eSkV</source><extracomment>kilovolt</extracomment><translation>кВ</translation></message>
<message><source>eSkV_OneChar</source><extracomment>kilovolt</extracomment><translation>㎸</translation></message>
<message><source>eSmuV</source><extracomment>microvolt</extracomment><translation>мкВ</translation></message>
<message><source>eSuV</source><extracomment>microvolt</extracomment><translation>мкВ</translation></message>
<message><source>eSmuV_OneChar</source><extracomment>microvolt</extracomment><translation>㎶</translation></message>
<message><source>eSmV</source><extracomment>millivolt</extracomment><translation>мВ</translation></message>
<message><source>eSmV_OneChar</source><extracomment>millivolt</extracomment><translation>㎷</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricPotential</name>
<message><source>eSabV</source><extracomment>abvolt</extracomment><translation>абВ</translation></message>
<message><source>eSstatV</source><extracomment>statvolt</extracomment><translation>статВ</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousIntensity</name>
<message><source>eScd</source><extracomment>candela</extracomment><translation>кд</translation></message>
<message><source>eScd_OneChar</source><extracomment>candela</extracomment><translation>㏅</translation></message>
<message><source>eSlmPersr</source><extracomment>lumen per steradian</extracomment><translation>лм/ср</translation></message>
</context>
<context>
<name>UnitSymbol_Illuminance</name>
<message><source>eSlx_I</source><extracomment>Lux (Illuminance)</extracomment><translation>лк</translation></message>
<message><source>eSfc</source><extracomment>footcandle</extracomment><translation>фут-св</translation></message>
<message><source>eSftc</source><extracomment>footcandle</extracomment><translation>фут-св</translation></message>
<message><source>eSlmPerft2</source><extracomment>footcandle</extracomment><translation>лм/фут²</translation></message>
<message><source>eSlmPersqft</source><extracomment>footcandle</extracomment><translation>лм/кв. фут</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousEnergy</name>
<message><source>eSlms</source><extracomment>lumen second</extracomment><translation>лм·с</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousFlux</name>
<message><source>eSlm</source><extracomment>lumen</extracomment><translation>лм</translation></message>
<message><source>eSlm_OneChar</source><extracomment>lumen</extracomment><translation>㏐</translation></message>
</context>
<context>
<name>UnitSymbol_Luminance</name>
<message><source>eScdPerm2</source><extracomment>candela per square meter</extracomment><translation>кд/м²</translation></message>
<message><source>eScdPersqm</source><extracomment>candela per square meter</extracomment><translation>кд/кв. м</translation></message>
<message><source>eSNit</source><extracomment>candela per square meter</extracomment><translation>нт</translation></message>
<message><source>eSfl</source><extracomment>foot lambert</extracomment><translation>фут-Лб</translation></message>
<message><source>eSftl</source><extracomment>foot lambert</extracomment><translation>фут-Лб</translation></message>
<message><source>eScdPersqft</source><extracomment>candela per square foot</extracomment><translation>кд/кв. фут</translation></message>
<message><source>eScdPerft2</source><extracomment>candela per square foot</extracomment><translation>кд/фут²</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousEmittance</name>
<message><source>eSlx_LE</source><extracomment>lux (emittance)</extracomment><translation>лм/м²</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousEfficacy</name>
<message><source>eSlmPerW</source><extracomment>lumen per watt</extracomment><translation>лм/Вт</translation></message>
</context>
<context>
<name>UnitSymbol_Friction</name>
<message><source>eSPaPerm</source><extracomment>pascal per meter</extracomment><translation>Па/м</translation></message>
<message><source>eSinH2OPer100ft</source><extracomment>inch of water per 100foot</extracomment><translation>дюйм вод. ст./100 фут</translation></message>
<message><source>eSftH2OPer100ft</source><extracomment>foot of water per 100foot</extracomment><translation>фут вод. ст./100 фут</translation></message>
<message><source>eSinHgPer100ft</source><extracomment>inch of mercury per 100foot</extracomment><translation>дюйм рт. ст./100 фут</translation></message>
<message><source>eSmmHgPer100ft</source><extracomment>millimeter of mercury per 100foot</extracomment><translation>мм рт. ст./100 фут</translation></message>
</context>
<context>
<name>UnitSymbol_RotationalPointSpringCoefficient</name>
<message><source>eSNmPerdeg</source><extracomment>newton meter per degree</extracomment><translation>Н·м/град</translation></message>
<message><source>eSkipftPerdeg</source><extracomment>kip foot per degree</extracomment><translation>кип·фут/град</translation></message>
<message><source>eSkipfftPerdeg</source><extracomment>kip foot per degree</extracomment><translation>кип·фут/град</translation></message>
<message><source>eSklbfftPerdeg</source><extracomment>kip foot per degree</extracomment><translation>кип·фут/град</translation></message>
<message><source>eSklbftPerdeg</source><extracomment>kip foot per degree</extracomment><translation>кип·фут/град</translation></message>
<message><source>eSkNmPerdeg</source><extracomment>kilonewton meter per degree</extracomment><translation>кН·м/град</translation></message>
</context>
<context>
<name>UnitSymbol_RotationalLineSpringCoefficient</name>
<message><source>eSNmPerdegPerm</source><extracomment>newton meter per degree per meter</extracomment><translation>Н·м/(град·м)</translation></message>
<message><source>eSkipftPerdegPerft</source><extracomment>kip foot per degree per foot</extracomment><translation>кип·фут/(град·фут)</translation></message>
<message><source>eSkipfftPerdegPerft</source><extracomment>kip foot per degree per foot</extracomment><translation>кип·фут/(град·фут)</translation></message>
<message><source>eSklbfftPerdegPerft</source><extracomment>kip foot per degree per foot</extracomment><translation>кип·фут/(град·фут)</translation></message>
<message><source>eSklbftPerdegPerft</source><extracomment>kip foot per degree per foot</extracomment><translation>кип·фут/(град·фут)</translation></message>
<message><source>eSkNmPerdegPerm</source><extracomment>kilonewton meter per degree per meter</extracomment><translation>кН·м/(град·м)</translation></message>
</context>
<context>
<name>UnitSymbol_HeatTransferCoefficient</name>
<message><source>eSWPerm2K</source><extracomment>watt per square meter kelvin</extracomment><translation>Вт/(м²·К)</translation></message>
<message><source>eSWPersqmK</source><extracomment>watt per square meter kelvin</extracomment><translation>Вт/(кв. м·К)</translation></message>
<message><source>eSBTUPerhsqftDegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>БТЕ/(ч·кв. фут·°F)</translation></message>
<message><source>eSBTUPerhft2DegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>БТЕ/(ч·фут²·°F)</translation></message>
<message><source>eSBTUPerhrsqftDegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>БТЕ/(ч·кв. фут·°F)</translation></message>
<message><source>eSBTUPerhrft2DegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>БТЕ/(ч·фут²·°F)</translation></message>
<message><source>eSBtuPerhsqftDegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>БТЕ/(ч·кв. фут·°F)</translation></message>
<message><source>eSBtuPerhft2DegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>БТЕ/(ч·фут²·°F)</translation></message>
<message><source>eSBtuPerhrsqftDegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>БТЕ/(ч·кв. фут·°F)</translation></message>
<message><source>eSBtuPerhrft2DegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>БТЕ/(ч·фут²·°F)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDensity</name>
<message><source>eSm3Persm2</source><extracomment>cubic meter per second square meter</extracomment><translation>м³/(с·м²)</translation></message>
<message><source>eScumPerssqm</source><extracomment>cubic meter per second square meter</extracomment><translation>куб. м/(с·кв. м)</translation></message>
<message><source>eScuftPerminsqft</source><extracomment>cubic foot per minute square foot</extracomment><translation>куб. фут/(мин·кв. фут)</translation></message>
<message><source>eSft3Perminft2</source><extracomment>cubic foot per minute square foot</extracomment><translation>фут³/(мин·фут²)</translation></message>
<message><source>eSLPersm2</source><extracomment>liter per second square meter</extracomment><translation>л/(с·м²)</translation></message>
<message><source>eSLPerssqm</source><extracomment>liter per second square meter</extracomment><translation>л/(с·кв. м)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDividedByVolume</name>
<message><source>eSm3Persm3</source><extracomment>cubic meter per second cubic meter</extracomment><translation>м³/(с·м³)</translation></message>
<message><source>eScumPerscum</source><extracomment>cubic meter per second cubic meter</extracomment><translation>куб. м/(с·куб. м)</translation></message>
<message><source>eScuftPermincuft</source><extracomment>cubic foot per minute cubic foot</extracomment><translation>куб. фут/(мин·куб. фут)</translation></message>
<message><source>eSft3Perminft3</source><extracomment>cubic foot per minute cubic foot</extracomment><translation>фут³/(мин·фут³)</translation></message>
<message><source>eScfmPerft3</source><extracomment>cubic foot per minute cubic foot</extracomment><translation>фут³/(мин·фут³)</translation></message>
<message><source>eScfmPercf</source><extracomment>cubic foot per minute cubic foot</extracomment><translation>фут³/(мин·фут³)</translation></message>
<message><source>eSLPersm3</source><extracomment>liter per second cubic meter</extracomment><translation>л/(с·м³)</translation></message>
<message><source>eSLPercum</source><extracomment>liter per second cubic meter</extracomment><translation>л/(с·куб. м)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDividedByPower</name>
<message><source>eSm3PersW</source><extracomment>cubic meter per second watt</extracomment><translation>м³/(с·Вт)</translation></message>
<message><source>eScumPersW</source><extracomment>cubic meter per second watt</extracomment><translation>куб. м/(с·Вт)</translation></message>
<message><source>eScfmPerton</source><extracomment>cubic foot per minute ton of refrigeration</extracomment><translation>фут³/(мин·т хол.)</translation></message>
<message><source>eSLPerskW</source><extracomment>liter per second kilowatt</extracomment><translation>л/(с·кВт)</translation></message>
</context>
<context>
<name>UnitSymbol_AreaDividedByPower</name>
<message><source>eSm2PerW</source><extracomment>square meter per watt</extracomment><translation>м²/Вт</translation></message>
<message><source>eSsqmPerW</source><extracomment>square meter per watt</extracomment><translation>кв. м/Вт</translation></message>
<message><source>eSsfPerton</source><extracomment>square foot per ton of refrigeration</extracomment><translation>кв. фут/т хол.</translation></message>
<message><source>eSm2PerkW</source><extracomment>square meter per kilowatt</extracomment><translation>м²/кВт</translation></message>
<message><source>eSsqmPerkW</source><extracomment>square meter per kilowatt</extracomment><translation>кв. м/кВт</translation></message>
<message><source>eSsqftPerkBTUPerh</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>кв. фут/(тыс. БТЕ/ч)</translation></message>
<message><source>eSft2PerkBTUPerh</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>фут²/(тыс. БТЕ/ч)</translation></message>
<message><source>eSsqftPerkBTUPerhr</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>кв. фут/(тыс. БТЕ/ч)</translation></message>
<message><source>eSft2PerkBTUPerhr</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>фут²/(тыс. БТЕ/ч)</translation></message>
<message><source>eSsqftPerkBtuPerh</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>кв. фут/(тыс. БТЕ/ч)</translation></message>
<message><source>eSft2PerkBtuPerh</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>фут²/(тыс. БТЕ/ч)</translation></message>
<message><source>eSsqftPerkBtuPerhr</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>кв. фут/(тыс. БТЕ/ч)</translation></message>
<message><source>eSft2PerkBtuPerhr</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>фут²/(тыс. БТЕ/ч)</translation></message>
</context>
<context>
<name>UnitSymbol_MomentScale</name>
<message><source>eSs2Permkg</source><extracomment>square second per meter kilogram</extracomment><translation>с²/(м·кг)</translation></message>
<message><source>eSsqsPermkg</source><extracomment>square second per meter kilogram</extracomment><translation>с²/(м·кг)</translation></message>
<message><source>eSinvkN</source><extracomment>inverse kilonewton</extracomment><translation>кН⁻¹</translation></message>
</context>
<context>
<name>UnitSymbol_CoefficientOfThermalExpansion</name>
<message><source>eSInvDegreeF</source><extracomment>inverse fahrenheit</extracomment><translation>°F⁻¹</translation></message>
<message><source>eSInvDegreeC</source><extracomment>inverse celsius</extracomment><translation>°C⁻¹</translation></message>
</context>
<context>
<name>UnitSymbol_MagneticFieldIntensity</name>
<message><source>eSAPerm</source><extracomment>Ampere per meter</extracomment><translation>А/м</translation></message>
</context>
</TS>
