<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
<name>UnitSymbol_Length</name>
<message><source>eSm</source><extracomment>meter</extracomment><translation>m</translation></message>
<message><source>eSYm</source><extracomment>yottameter</extracomment><translation>Ym</translation></message>
<message><source>eSZm</source><extracomment>zettameter</extracomment><translation>Zm</translation></message>
<message><source>eSEm</source><extracomment>exameter</extracomment><translation>Em</translation></message>
<message><source>eSPm</source><extracomment>petameter</extracomment><translation>Pm</translation></message>
<message><source>eSTm</source><extracomment>terameter</extracomment><translation>Tm</translation></message>
<message><source>eSGm</source><extracomment>gigameter</extracomment><translation>Gm</translation></message>
<message><source>eSMm</source><extracomment>megameter</extracomment><translation>Mm</translation></message>
<message><source>eSkm</source><extracomment>kilometer</extracomment><translation>km</translation></message>
<message><source>eSkm_OneChar</source><extracomment>kilometer</extracomment><translation>㎞</translation></message>
<message><source>eShm</source><extracomment>hectometer</extracomment><translation>hm</translation></message>
<message><source>eSdam</source><extracomment>decameter</extracomment><translation>dam</translation></message>
<message><source>eSdm</source><extracomment>decimeter</extracomment><translation>dm</translation></message>
<message><source>eScm</source><extracomment>centimeter</extracomment><translation>cm</translation></message>
<message><source>eScm_OneChar</source><extracomment>centimeter</extracomment><translation>㎝</translation></message>
<message><source>eSmm</source><extracomment>millimeter</extracomment><translation>mm</translation></message>
<message><source>eSmm_OneChar</source><extracomment>millimeter</extracomment><translation>㎜</translation></message>
<message><source>eSmum</source><extracomment>micrometer</extracomment><translation>µm</translation></message>
<message><source>eSum</source><extracomment>micrometer</extracomment><translation>um</translation></message>
<message><source>eSmum_OneChar</source><extracomment>micrometer</extracomment><translation>㎛</translation></message>
<message><source>eSnm</source><extracomment>nanometer</extracomment><translation>nm</translation></message>
<message><source>eSnm_OneChar</source><extracomment>nanometer</extracomment><translation>㎚</translation></message>
<message><source>eSpm</source><extracomment>picometer</extracomment><translation>pm</translation></message>
<message><source>eSfm</source><extracomment>femtometer</extracomment><translation>fm</translation></message>
<message><source>eSfm_OneChar</source><extracomment>femtometer</extracomment><translation>㎙</translation></message>
<message><source>eSam</source><extracomment>attometer</extracomment><translation>am</translation></message>
<message><source>eSzm</source><extracomment>zeptometer</extracomment><translation>zm</translation></message>
<message><source>eSym</source><extracomment>yoctometer</extracomment><translation>ym</translation></message>
<message><source>eSin</source><extracomment>inch</extracomment><translation>in</translation></message>
<message><source>eSin_OneChar</source><extracomment>inch</extracomment><translation>㏌</translation></message>
<message><source>eSInch_DoublePrime</source><extracomment>inch</extracomment><translation>″</translation></message>
<message><source>eSInch_FootPrimeInchDoublePrime</source><extracomment>inch</extracomment><translation>pi-po (5'6,50")</translation></message>
<message><source>eSInch_FootPrimeDashInchDoublePrime</source><extracomment>inch</extracomment><translation>pi-po avec tiret (5'-6,50")</translation></message>
<message><source>eSInch_FootPrimeInchDoublePrime_Fraction</source><extracomment>inch</extracomment><translation>pi-po fraction (5'6 1/2")</translation></message>
<message><source>eSInch_FootPrimeDashInchDoublePrime_Fraction</source><extracomment>inch</extracomment><translation>pi-po fraction avec tiret (5'-6-1/2")</translation></message>
<message><source>eSInch_DoublePrime_Fraction</source><extracomment>inch</extracomment><translation>po fraction (6 1/2")</translation></message>
<message><source>eSInch_DoublePrimeDash_Fraction</source><extracomment>inch</extracomment><translation>po fraction avec tiret (6-1/2")</translation></message>
<message><source>eSft</source><extracomment>foot</extracomment><translation>ft</translation></message>
<message><source>eSFoot_Prime</source><extracomment>foot</extracomment><translation>′</translation></message>
<message><source>eSft_Ben</source><extracomment>foot (Benoit)</extracomment><translation>ft (Benoit)</translation></message>
<message><source>eSFoot_Ben_Prime</source><extracomment>foot (Benoit)</extracomment><translation>′ (Benoit)</translation></message>
<message><source>eSft_Clarke_Cape</source><extracomment>foot (Clarke's; Cape)</extracomment><translation>ft (Clarke)</translation></message>
<message><source>eSFoot_Clarke_Cape_Prime</source><extracomment>foot (Clarke's; Cape)</extracomment><translation>′ (Clarke)</translation></message>
<message><source>eSft_Indian</source><extracomment>foot (Indian)</extracomment><translation>ft (indien)</translation></message>
<message><source>eSFoot_Indian_Prime</source><extracomment>foot (Indian)</extracomment><translation>′ (indien)</translation></message>
<message><source>eSft_Sear</source><extracomment>foot (Sear's)</extracomment><translation>ft (Sears)</translation></message>
<message><source>eSFoot_Sear_Prime</source><extracomment>foot (Sear's)</extracomment><translation>′ (Sears)</translation></message>
<message><source>eSft_US_Survey</source><extracomment>foot (U.S. Survey)</extracomment><translation>ft (arpentage US)</translation></message>
<message><source>eSFoot_US_Survey_Prime</source><extracomment>foot (U.S. Survey)</extracomment><translation>′ (arpentage US)</translation></message>
<message><source>eSyd</source><extracomment>yard</extracomment><translation>yd</translation></message>
<message><source>eSch</source><extracomment>chain</extracomment><translation>ch</translation></message>
<message><source>eSch_Engineer</source><extracomment>chain (Ramsden's; Engineer's)</extracomment><translation>ch (ing.)</translation></message>
<message><source>eSfur</source><extracomment>furlong</extracomment><translation>fur</translation></message>
<message><source>eSmi</source><extracomment>mile</extracomment><translation>mi</translation></message>
<message><source>eSmi_Geo</source><extracomment>geographical mile</extracomment><translation>mi (géo.)</translation></message>
<message><source>eSmi_US_Survey</source><extracomment>mile (U.S. Survey)</extracomment><translation>mi (arpentage US)</translation></message>
<message><source>eSNM</source><extracomment>nautical mile</extracomment><translation>NM</translation></message>
<message><source>eSnmi</source><extracomment>nautical mile</extracomment><translation>nmi</translation></message>
<message><source>eSnmile</source><extracomment>nautical mile</extracomment><translation>nmile</translation></message>
<message><source>eSmi_Statute</source><extracomment>statute mile</extracomment><translation>mi (terrestre)</translation></message>
<message><source>eSNM_Adm</source><extracomment>nautical mile (admiralty)</extracomment><translation>NM (R.-U.)</translation></message>
<message><source>eSnmi_Adm</source><extracomment>nautical mile (admiralty)</extracomment><translation>nmi (R.-U.)</translation></message>
<message><source>eSnm_Adm</source><extracomment>nautical mile (admiralty)</extracomment><translation>nm (R.-U.)</translation></message>
<message><source>eSnmile_Adm</source><extracomment>nautical mile (admiralty)</extracomment><translation>nmile (R.-U.)</translation></message>
<message><source>eSmu</source><extracomment>micron</extracomment><translation>µ</translation></message>
<message><source>eSu</source><extracomment>micron</extracomment><translation>u</translation></message>
<message><source>eSmuin</source><extracomment>microinch</extracomment><translation>µin</translation></message>
<message><source>eSuin</source><extracomment>microinch</extracomment><translation>uin</translation></message>
<message><source>eSAWithRingAbove</source><extracomment>angstrom</extracomment><translation>Å</translation></message>
<message><source>eSAU</source><extracomment>astronomical unit</extracomment><translation>au</translation></message>
<message><source>eSAU_OneChar</source><extracomment>astronomical unit</extracomment><translation>㍳</translation></message>
<message><source>eSfath</source><extracomment>fathom</extracomment><translation>fath</translation></message>
<message><source>eSly</source><extracomment>light-year</extracomment><translation>al</translation></message>
<message><source>eSldotydot</source><extracomment>light-year</extracomment><translation>a.l.</translation></message>
<message><source>eSpc</source><extracomment>parsec</extracomment><translation>pc</translation></message>
<message><source>eSpc_OneChar</source><extracomment>parsec</extracomment><translation>㍶</translation></message>
<message><source>eSNL</source><extracomment>nautical league</extracomment><translation>NL</translation></message>
<message><source>eSnl</source><extracomment>nautical league</extracomment><translation>nl</translation></message>
<message><source>eSlea</source><extracomment>league</extracomment><translation>lea</translation></message>
<message><source>eSthou</source><extracomment>mil</extracomment><translation>thou</translation></message>
<message><source>eSmil</source><extracomment>mil</extracomment><translation>mil</translation></message>
<message><source>eSmil_OneChar</source><extracomment>mil</extracomment><translation>㏕</translation></message>
<message><source>eSthou_SwedenNorway</source><extracomment>mil (Sweden and Norway)</extracomment><translation>mil (scand.)</translation></message>
<message><source>eSlnk</source><extracomment>link</extracomment><translation>lnk</translation></message>
<message><source>eSlDot</source><extracomment>link</extracomment><translation>l.</translation></message>
<message><source>eSliDot</source><extracomment>link</extracomment><translation>li.</translation></message>
<message><source>eSlnkDot</source><extracomment>link</extracomment><translation>lnk.</translation></message>
<message><source>eSlnk_RamsdenEngineer</source><extracomment>link (Ramsden's; Engineer's)</extracomment><translation>lnk (ing.)</translation></message>
<message><source>eSrd</source><extracomment>rod</extracomment><translation>rd</translation></message>
<message><source>eSpole</source><extracomment>rod</extracomment><translation>pole</translation></message>
<message><source>eSperch</source><extracomment>rod</extracomment><translation>perch</translation></message>
<message><source>eSrope</source><extracomment>rope</extracomment><translation>rope</translation></message>
</context>
<context>
<name>UnitSymbol_Area</name>
<message><source>eSm2</source><extracomment>square meter</extracomment><translation>m²</translation></message>
<message><source>eSsqm</source><extracomment>square meter</extracomment><translation>m²</translation></message>
<message><source>eSm2_OneChar</source><extracomment>square meter</extracomment><translation>㎡</translation></message>
<message><source>eSsqin</source><extracomment>square inch</extracomment><translation>in²</translation></message>
<message><source>eSin2</source><extracomment>square inch</extracomment><translation>in²</translation></message>
<message><source>eSsqft</source><extracomment>square foot</extracomment><translation>ft²</translation></message>
<message><source>eSft2</source><extracomment>square foot</extracomment><translation>ft²</translation></message>
<message><source>eSsf</source><extracomment>square foot</extracomment><translation>sf</translation></message>
<message><source>eSsqyd</source><extracomment>square yard</extracomment><translation>yd²</translation></message>
<message><source>eSyd2</source><extracomment>square yard</extracomment><translation>yd²</translation></message>
<message><source>eSac</source><extracomment>acre</extracomment><translation>ac</translation></message>
<message><source>eStwp</source><extracomment>township</extracomment><translation>twp</translation></message>
<message><source>eSha</source><extracomment>hectare</extracomment><translation>ha</translation></message>
<message><source>eSha_OneChar</source><extracomment>hectare</extracomment><translation>㏊</translation></message>
<message><source>eSkm2</source><extracomment>square kilometer</extracomment><translation>km²</translation></message>
<message><source>eSsqkm</source><extracomment>square kilometer</extracomment><translation>km²</translation></message>
<message><source>eSkm2_OneChar</source><extracomment>square kilometer</extracomment><translation>㎢</translation></message>
<message><source>eSsqmi</source><extracomment>square mile</extracomment><translation>mi²</translation></message>
<message><source>eSmi2</source><extracomment>square mile</extracomment><translation>mi²</translation></message>
<message><source>eScm2</source><extracomment>square centimeter</extracomment><translation>cm²</translation></message>
<message><source>eSsqcm</source><extracomment>square centimeter</extracomment><translation>cm²</translation></message>
<message><source>eScm2_OneChar</source><extracomment>square centimeter</extracomment><translation>㎠</translation></message>
<message><source>eSmm2</source><extracomment>square millimeter</extracomment><translation>mm²</translation></message>
<message><source>eSsqmm</source><extracomment>square millimeter</extracomment><translation>mm²</translation></message>
<message><source>eSmm2_OneChar</source><extracomment>square millimeter</extracomment><translation>㎟</translation></message>
<message><source>eScmil</source><extracomment>circular mil</extracomment><translation>cmil</translation></message>
<message><source>eScircmil</source><extracomment>circular mil</extracomment><translation>circ mil</translation></message>
<message><source>eSkcmil</source><extracomment>kilo-circular mil</extracomment><translation>kcmil</translation></message>
<message><source>eSa</source><extracomment>are</extracomment><translation>a</translation></message>
<message><source>eSb</source><extracomment>barn</extracomment><translation>b</translation></message>
<message><source>eSsqAWithRingAbove</source><extracomment>square angstrom</extracomment><translation>Å²</translation></message>
<message><source>eSAWithRingAbove2</source><extracomment>square angstrom</extracomment><translation>Å²</translation></message>
<message><source>eSdm2</source><extracomment>square decimeter</extracomment><translation>dm²</translation></message>
<message><source>eSsqdm</source><extracomment>square decimeter</extracomment><translation>dm²</translation></message>
<message><source>eSsqfur</source><extracomment>square furlong</extracomment><translation>fur²</translation></message>
<message><source>eSfur2</source><extracomment>square furlong</extracomment><translation>fur²</translation></message>
<message><source>eSGm2</source><extracomment>square gigameter</extracomment><translation>Gm²</translation></message>
<message><source>eSsqGm</source><extracomment>square gigameter</extracomment><translation>Gm²</translation></message>
<message><source>eSsqNL</source><extracomment>square nautical league</extracomment><translation>NL²</translation></message>
<message><source>eSsqnl</source><extracomment>square nautical league</extracomment><translation>nl²</translation></message>
<message><source>eSNL2</source><extracomment>square nautical league</extracomment><translation>NL²</translation></message>
<message><source>eSnl2</source><extracomment>square nautical league</extracomment><translation>nl²</translation></message>
<message><source>eSsqlea</source><extracomment>square league (statute)</extracomment><translation>lea²</translation></message>
<message><source>eSlea2</source><extracomment>square league (statute)</extracomment><translation>lea²</translation></message>
<message><source>eSsqly</source><extracomment>square light-year</extracomment><translation>al²</translation></message>
<message><source>eSsqldotydot</source><extracomment>square light-year</extracomment><translation>a.l.²</translation></message>
<message><source>eSly2</source><extracomment>square light-year</extracomment><translation>al²</translation></message>
<message><source>eSsqdotydot2</source><extracomment>square light-year</extracomment><translation>a.l.²</translation></message>
<message><source>eSsqlnk</source><extracomment>square link</extracomment><translation>lnk²</translation></message>
<message><source>eSlnk2</source><extracomment>square link</extracomment><translation>lnk²</translation></message>
<message><source>eSsqmu</source><extracomment>square micron</extracomment><translation>µ²</translation></message>
<message><source>eSsqmu2</source><extracomment>square micron</extracomment><translation>µ²</translation></message>
<message><source>eSsqu</source><extracomment>square micron</extracomment><translation>u²</translation></message>
<message><source>eSsqu2</source><extracomment>square micron</extracomment><translation>u²</translation></message>
<message><source>eSsqNM_Adm</source><extracomment>square mile (UK nautical)</extracomment><translation>NM² (R.-U.)</translation></message>
<message><source>eSsqnmi_Adm</source><extracomment>square mile (UK nautical)</extracomment><translation>nmi² (R.-U.)</translation></message>
<message><source>eSNM2_Adm</source><extracomment>square mile (UK nautical)</extracomment><translation>NM² (R.-U.)</translation></message>
<message><source>eSnmi2_Adm</source><extracomment>square mile (UK nautical)</extracomment><translation>nmi² (R.-U.)</translation></message>
<message><source>eSsqmi_Statute</source><extracomment>square mile (statute)</extracomment><translation>mi² (terrestre)</translation></message>
<message><source>eSmi2_Statute</source><extracomment>square mile (statute)</extracomment><translation>mi² (terrestre)</translation></message>
<message><source>eSsqpc</source><extracomment>square parsec</extracomment><translation>pc²</translation></message>
<message><source>eSpc2</source><extracomment>square parsec</extracomment><translation>pc²</translation></message>
<message><source>eSsqrd</source><extracomment>square perch</extracomment><translation>rd²</translation></message>
<message><source>eSrd2</source><extracomment>square perch</extracomment><translation>rd²</translation></message>
<message><source>eSsqmil</source><extracomment>square mil</extracomment><translation>mil²</translation></message>
<message><source>eSsqAU</source><extracomment>square astronomical unit</extracomment><translation>au²</translation></message>
<message><source>eSAU2</source><extracomment>square astronomical unit</extracomment><translation>au²</translation></message>
<message><source>eSbd</source><extracomment>board</extracomment><translation>bd</translation></message>
</context>
<context>
<name>UnitSymbol_Volume</name>
<message><source>eSL</source><extracomment>liter</extracomment><translation>L</translation></message>
<message><source>eScm3</source><extracomment>cubic centimeter</extracomment><translation>cm³</translation></message>
<message><source>eScucm</source><extracomment>cubic centimeter</extracomment><translation>cm³</translation></message>
<message><source>eScm3_OneChar</source><extracomment>cubic centimeter</extracomment><translation>㎤</translation></message>
<message><source>eScc</source><extracomment>cubic centimeter</extracomment><translation>cc</translation></message>
<message><source>eStbsp</source><extracomment>tablespoon</extracomment><translation>c. à s.</translation></message>
<message><source>eStbsp_Canadian</source><extracomment>tablespoon (Canadian)</extracomment><translation>c. à s. (CA)</translation></message>
<message><source>eStbsp_US</source><extracomment>tablespoon (U.S.)</extracomment><translation>c. à s. (US)</translation></message>
<message><source>eSfloz_Imp</source><extracomment>fluid ounce (imperial)</extracomment><translation>fl oz (imp.)</translation></message>
<message><source>eSFluidOz_Imp</source><extracomment>fluid ounce (imperial)</extracomment><translation>fluid oz (imp.)</translation></message>
<message><source>eSflOunce_Imp</source><extracomment>fluid ounce (imperial)</extracomment><translation>fl ounce (imp.)</translation></message>
<message><source>eSfloz_US</source><extracomment>fluid ounce (U.S.)</extracomment><translation>fl oz (US)</translation></message>
<message><source>eSFluidOz_US</source><extracomment>fluid ounce (U.S.)</extracomment><translation>fluid oz (US)</translation></message>
<message><source>eSflOunce_US</source><extracomment>fluid ounce (U.S.)</extracomment><translation>fl ounce (US)</translation></message>
<message><source>eSc</source><extracomment>cup</extracomment><translation>c</translation></message>
<message><source>eSc_CA</source><extracomment>cup (Canadian)</extracomment><translation>c (CA)</translation></message>
<message><source>eSc_US</source><extracomment>cup (U.S.)</extracomment><translation>c (US)</translation></message>
<message><source>eSqt_Imp</source><extracomment>quart (imperial)</extracomment><translation>qt (imp.)</translation></message>
<message><source>eSqt_US_fluid</source><extracomment>quart (U.S. fluid)</extracomment><translation>qt (US)</translation></message>
<message><source>eSqt_US_dry</source><extracomment>quart (U.S. dry)</extracomment><translation>qt (US, sec)</translation></message>
<message><source>eSgal_Imp</source><extracomment>gallon (imperial)</extracomment><translation>gal (imp.)</translation></message>
<message><source>eSgal_US_fluid</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>gal (US)</translation></message>
<message><source>eSgal_US_dry</source><extracomment>gallon (U.S. dry)</extracomment><translation>gal (US, sec)</translation></message>
<message><source>eSbeergal</source><extracomment>beer gallon</extracomment><translation>gal (bière)</translation></message>
<message><source>eSbu_Imp</source><extracomment>bushel (imperial)</extracomment><translation>bu (imp.)</translation></message>
<message><source>eSbu_US_lvl</source><extracomment>bushel (U.S. dry level)</extracomment><translation>bu (US, ras)</translation></message>
<message><source>eSbu_US</source><extracomment>bushel (U.S. dry heaped)</extracomment><translation>bu (US, comble)</translation></message>
<message><source>eScL</source><extracomment>centiliter</extracomment><translation>cL</translation></message>
<message><source>eScuft</source><extracomment>cubic foot</extracomment><translation>ft³</translation></message>
<message><source>eSft3</source><extracomment>cubic foot</extracomment><translation>ft³</translation></message>
<message><source>eScf</source><extracomment>cubic foot</extracomment><translation>cf</translation></message>
<message><source>eScuin</source><extracomment>cubic inch</extracomment><translation>in³</translation></message>
<message><source>eSin3</source><extracomment>cubic inch</extracomment><translation>in³</translation></message>
<message><source>eSm3</source><extracomment>cubic meter</extracomment><translation>m³</translation></message>
<message><source>eScum</source><extracomment>cubic meter</extracomment><translation>m³</translation></message>
<message><source>eSm3_OneChar</source><extracomment>cubic meter</extracomment><translation>㎥</translation></message>
<message><source>eScc_OneChar</source><extracomment>cubic meter</extracomment><translation>㎥</translation></message>
<message><source>eScuyd</source><extracomment>cubic yard</extracomment><translation>yd³</translation></message>
<message><source>eSyd3</source><extracomment>cubic yard</extracomment><translation>yd³</translation></message>
<message><source>eScy</source><extracomment>cubic yard</extracomment><translation>cy</translation></message>
<message><source>eSfldr</source><extracomment>fluid dram</extracomment><translation>fl dr</translation></message>
<message><source>eSmuL</source><extracomment>microliter</extracomment><translation>µL</translation></message>
<message><source>eSuL</source><extracomment>microliter</extracomment><translation>uL</translation></message>
<message><source>eSmul_OneChar</source><extracomment>microliter</extracomment><translation>㎕</translation></message>
<message><source>eSmL</source><extracomment>milliliter</extracomment><translation>mL</translation></message>
<message><source>eSpt_Imp</source><extracomment>pint (imperial)</extracomment><translation>pt (imp.)</translation></message>
<message><source>eSpt_USfl</source><extracomment>pint (U.S. fluid)</extracomment><translation>pt (US)</translation></message>
<message><source>eSpt_US_dry</source><extracomment>pint (U.S. dry)</extracomment><translation>pt (US, sec)</translation></message>
<message><source>eStsp</source><extracomment>teaspoon</extracomment><translation>c. à c.</translation></message>
<message><source>eStsp_CA</source><extracomment>teaspoon (Canadian)</extracomment><translation>c. à c. (CA)</translation></message>
<message><source>eStsp_US</source><extracomment>teaspoon (U.S.)</extracomment><translation>c. à c. (US)</translation></message>
<message><source>eStsp_Imp</source><extracomment>teaspoon (imperial)</extracomment><translation>c. à c. (imp.)</translation></message>
<message><source>eSmm3</source><extracomment>cubic millimeter</extracomment><translation>mm³</translation></message>
<message><source>eScumm</source><extracomment>cubic millimeter</extracomment><translation>mm³</translation></message>
<message><source>eSmm3_OneChar</source><extracomment>cubic millimeter</extracomment><translation>㎣</translation></message>
<message><source>eSbl_Imp</source><extracomment>barrel (imperial)</extracomment><translation>bl (imp.)</translation></message>
<message><source>eSbbl_Imp</source><extracomment>barrel (imperial)</extracomment><translation>bbl (imp.)</translation></message>
<message><source>eSbl</source><extracomment>barrel (petroleum)</extracomment><translation>bl</translation></message>
<message><source>eSbbl</source><extracomment>barrel (petroleum)</extracomment><translation>bbl</translation></message>
<message><source>eSbl_US</source><extracomment>barrel (U.S. dry)</extracomment><translation>bl (US, sec)</translation></message>
<message><source>eSbbl_US</source><extracomment>barrel (U.S. dry)</extracomment><translation>bbl (US, sec)</translation></message>
<message><source>eSflbl_US</source><extracomment>barrel (U.S. fluid)</extracomment><translation>fl bl (US)</translation></message>
<message><source>eSflbbl_US</source><extracomment>barrel (U.S. fluid)</extracomment><translation>fl bbl (US)</translation></message>
<message><source>eSfbm</source><extracomment>board-foot</extracomment><translation>fbm</translation></message>
<message><source>eSbdotfdot</source><extracomment>board-foot</extracomment><translation>b.f.</translation></message>
<message><source>eSBdotFdot</source><extracomment>board-foot</extracomment><translation>B.F.</translation></message>
<message><source>eSdbdot</source><extracomment>board-foot</extracomment><translation>bd. ft.</translation></message>
<message><source>eSftdot</source><extracomment>board-foot</extracomment><translation>ft. b.m.</translation></message>
<message><source>eSbf</source><extracomment>board-foot</extracomment><translation>bf</translation></message>
<message><source>eSbfdot</source><extracomment>board-foot</extracomment><translation>bf.</translation></message>
<message><source>eSdaL</source><extracomment>dekaliter</extracomment><translation>daL</translation></message>
<message><source>eSdr</source><extracomment>dram</extracomment><translation>fl dr</translation></message>
<message><source>eScuAWithRingAbove</source><extracomment>cubic angstrom</extracomment><translation>Å³</translation></message>
<message><source>eSAWithRingAbove3</source><extracomment>cubic angstrom</extracomment><translation>Å³</translation></message>
<message><source>eScuAU</source><extracomment>cubic astronomical unit</extracomment><translation>au³</translation></message>
<message><source>eSAU3</source><extracomment>cubic astronomical unit</extracomment><translation>au³</translation></message>
<message><source>eScuch</source><extracomment>cubic chain</extracomment><translation>ch³</translation></message>
<message><source>eSch3</source><extracomment>cubic chain</extracomment><translation>ch³</translation></message>
<message><source>eScufm</source><extracomment>cubic fathom</extracomment><translation>fath³</translation></message>
<message><source>eSfm3</source><extracomment>cubic fathom</extracomment><translation>fath³</translation></message>
<message><source>eScufur</source><extracomment>cubic furlong</extracomment><translation>fur³</translation></message>
<message><source>eSfur3</source><extracomment>cubic furlong</extracomment><translation>fur³</translation></message>
<message><source>eSGm3</source><extracomment>cubic gigameter</extracomment><translation>Gm³</translation></message>
<message><source>eScuGm</source><extracomment>cubic gigameter</extracomment><translation>Gm³</translation></message>
<message><source>eShm3</source><extracomment>cubic hectometer</extracomment><translation>hm³</translation></message>
<message><source>eScuhm</source><extracomment>cubic hectometer</extracomment><translation>hm³</translation></message>
<message><source>eScuNL</source><extracomment>cubic nautical league</extracomment><translation>NL³</translation></message>
<message><source>eScunl</source><extracomment>cubic nautical league</extracomment><translation>nl³</translation></message>
<message><source>eSNL3</source><extracomment>cubic nautical league</extracomment><translation>NL³</translation></message>
<message><source>eSnl3</source><extracomment>cubic nautical league</extracomment><translation>nl³</translation></message>
<message><source>eSculea</source><extracomment>cubic league (statute)</extracomment><translation>lea³</translation></message>
<message><source>eSlea3</source><extracomment>cubic league (statute)</extracomment><translation>lea³</translation></message>
<message><source>eSculy</source><extracomment>cubic light-year</extracomment><translation>al³</translation></message>
<message><source>eSculdotydot</source><extracomment>cubic light-year</extracomment><translation>a.l.³</translation></message>
<message><source>eSly3</source><extracomment>cubic light-year</extracomment><translation>al³</translation></message>
<message><source>eSldotydot3</source><extracomment>cubic light-year</extracomment><translation>a.l.³</translation></message>
<message><source>eSculnk</source><extracomment>cubic link</extracomment><translation>lnk³</translation></message>
<message><source>eSlnk3</source><extracomment>cubic link</extracomment><translation>lnk³</translation></message>
<message><source>eScumil</source><extracomment>cubic mil</extracomment><translation>mil³</translation></message>
<message><source>eSmil3</source><extracomment>cubic mil</extracomment><translation>mil³</translation></message>
<message><source>eScuNM_Adm</source><extracomment>cubic mile (UK nautical)</extracomment><translation>NM³ (R.-U.)</translation></message>
<message><source>eScunmi_Adm</source><extracomment>cubic mile (UK nautical)</extracomment><translation>nmi³ (R.-U.)</translation></message>
<message><source>eSNM3_Adm</source><extracomment>cubic mile (UK nautical)</extracomment><translation>NM³ (R.-U.)</translation></message>
<message><source>eSnmi3_Adm</source><extracomment>cubic mile (UK nautical)</extracomment><translation>nmi³ (R.-U.)</translation></message>
<message><source>eScumi</source><extracomment>cubic mile</extracomment><translation>mi³</translation></message>
<message><source>eSmi3</source><extracomment>cubic mile</extracomment><translation>mi³</translation></message>
<message><source>eScuNM</source><extracomment>cubic nautical mile</extracomment><translation>NM³</translation></message>
<message><source>eScunmi</source><extracomment>cubic nautical mile</extracomment><translation>nmi³</translation></message>
<message><source>eSNM3</source><extracomment>cubic nautical mile</extracomment><translation>NM³</translation></message>
<message><source>eSnmi3</source><extracomment>cubic nautical mile</extracomment><translation>nmi³</translation></message>
<message><source>eScumi_Statute</source><extracomment>cubic mile (statute)</extracomment><translation>mi³ (terrestre)</translation></message>
<message><source>eSmi3_Statute</source><extracomment>cubic mile (statute)</extracomment><translation>mi³ (terrestre)</translation></message>
<message><source>eScupc</source><extracomment>cubic parsec</extracomment><translation>pc³</translation></message>
<message><source>eSpc3</source><extracomment>cubic parsec</extracomment><translation>pc³</translation></message>
<message><source>eScurd</source><extracomment>cubic perch</extracomment><translation>rd³</translation></message>
<message><source>eSrd3</source><extracomment>cubic perch</extracomment><translation>rd³</translation></message>
<message><source>eSdm3</source><extracomment>cubic decimeter</extracomment><translation>dm³</translation></message>
<message><source>eScudm</source><extracomment>cubic decimeter</extracomment><translation>dm³</translation></message>
<message><source>eSpk</source><extracomment>peck</extracomment><translation>pk</translation></message>
<message><source>eSpk_US_dry</source><extracomment>peck (U.S. dry)</extracomment><translation>pk (US)</translation></message>
<message><source>eSpk_Imp</source><extracomment>peck (imperial)</extracomment><translation>pk (imp.)</translation></message>
<message><source>eSmin_Imp</source><extracomment>minim (imperial)</extracomment><translation>minim (imp.)</translation></message>
<message><source>eSmin_US</source><extracomment>minim (U.S.)</extracomment><translation>minim (US)</translation></message>
<message><source>eSkL</source><extracomment>kiloliter</extracomment><translation>kL</translation></message>
<message><source>eSkl_OneChar</source><extracomment>kiloliter</extracomment><translation>㎘</translation></message>
<message><source>eShhd_US</source><extracomment>hogshead (U.S.)</extracomment><translation>hhd (US)</translation></message>
<message><source>eShhd_Imp</source><extracomment>hogshead (imperial)</extracomment><translation>hhd (imp.)</translation></message>
<message><source>eSgi_Imp</source><extracomment>gill (imperial)</extracomment><translation>gi (imp.)</translation></message>
<message><source>eSgi_US</source><extracomment>gill (U.S.)</extracomment><translation>gi (US)</translation></message>
<message><source>eShL</source><extracomment>hectoliter</extracomment><translation>hL</translation></message>
<message><source>eSML</source><extracomment>megaliter</extracomment><translation>ML</translation></message>
<message><source>eSkm3</source><extracomment>cubic kilometer</extracomment><translation>km³</translation></message>
<message><source>eScukm</source><extracomment>cubic kilometer</extracomment><translation>km³</translation></message>
<message><source>eSdL</source><extracomment>deciliter</extracomment><translation>dL</translation></message>
</context>
<context>
<name>UnitSymbol_Mass</name>
<message><source>eSkg</source><extracomment>kilogram</extracomment><translation>kg</translation></message>
<message><source>eSkg_OneChar</source><extracomment>kilogram</extracomment><translation>㎏</translation></message>
<message><source>eSg</source><extracomment>gram</extracomment><translation>g</translation></message>
<message><source>eSYg</source><extracomment>yottagram</extracomment><translation>Yg</translation></message>
<message><source>eSZg</source><extracomment>zettagram</extracomment><translation>Zg</translation></message>
<message><source>eSEg</source><extracomment>exagram</extracomment><translation>Eg</translation></message>
<message><source>eSPg</source><extracomment>petagram</extracomment><translation>Pg</translation></message>
<message><source>eSTg</source><extracomment>teragram</extracomment><translation>Tg</translation></message>
<message><source>eSGg</source><extracomment>gigagram</extracomment><translation>Gg</translation></message>
<message><source>eSMg</source><extracomment>megagram</extracomment><translation>Mg</translation></message>
<message><source>eShg</source><extracomment>hectogram</extracomment><translation>hg</translation></message>
<message><source>eSdag</source><extracomment>decagram</extracomment><translation>dag</translation></message>
<message><source>eSdg</source><extracomment>decigram</extracomment><translation>dg</translation></message>
<message><source>eScg</source><extracomment>centigram</extracomment><translation>cg</translation></message>
<message><source>eSmg</source><extracomment>milligram</extracomment><translation>mg</translation></message>
<message><source>eSmg_OneChar</source><extracomment>milligram</extracomment><translation>㎎</translation></message>
<message><source>eSmug</source><extracomment>microgram</extracomment><translation>µg</translation></message>
<message><source>eSug</source><extracomment>microgram</extracomment><translation>ug</translation></message>
<message><source>eSmug_OneChar</source><extracomment>microgram</extracomment><translation>㎍</translation></message>
<message><source>eSng</source><extracomment>nanogram</extracomment><translation>ng</translation></message>
<message><source>eSpg</source><extracomment>picogram</extracomment><translation>pg</translation></message>
<message><source>eSfg</source><extracomment>femtogram</extracomment><translation>fg</translation></message>
<message><source>eSag</source><extracomment>attogram</extracomment><translation>ag</translation></message>
<message><source>eSzg</source><extracomment>zeptogram</extracomment><translation>zg</translation></message>
<message><source>eSyg</source><extracomment>yoctogram</extracomment><translation>yg</translation></message>
<message><source>eSlb</source><extracomment>pound (meter)</extracomment><translation>lb (métrique)</translation></message>
<message><source>eSlbav</source><extracomment>pound</extracomment><translation>lb</translation></message>
<message><source>eSPoundSign</source><extracomment>pound</extracomment><translation>#</translation></message>
<message><source>eSlbt</source><extracomment>pound (troy)</extracomment><translation>lb t</translation></message>
<message><source>eSozav</source><extracomment>ounce (avoirdupois)</extracomment><translation>oz</translation></message>
<message><source>eSozt</source><extracomment>ounce (apothecary; troy)</extracomment><translation>oz t</translation></message>
<message><source>eSst</source><extracomment>stone</extracomment><translation>st</translation></message>
<message><source>eSshtn</source><extracomment>short ton</extracomment><translation>sh tn</translation></message>
<message><source>eSlongtn</source><extracomment>long ton</extracomment><translation>long tn</translation></message>
<message><source>eSkt</source><extracomment>carat</extracomment><translation>ct</translation></message>
<message><source>eSct</source><extracomment>carat (metric)</extracomment><translation>ct</translation></message>
<message><source>eSdrav</source><extracomment>dram (avoirdupois)</extracomment><translation>dr av</translation></message>
<message><source>eSdrt</source><extracomment>dram (apothecary; troy)</extracomment><translation>dr t</translation></message>
<message><source>eSpwt</source><extracomment>pennyweight</extracomment><translation>pwt</translation></message>
<message><source>eSdwt</source><extracomment>pennyweight</extracomment><translation>dwt</translation></message>
<message><source>eSlongcwt</source><extracomment>long hundredweight</extracomment><translation>long cwt</translation></message>
<message><source>eScwt</source><extracomment>long hundredweight</extracomment><translation>cwt (long)</translation></message>
<message><source>eSshcwt</source><extracomment>short hundredweight</extracomment><translation>sh cwt</translation></message>
<message><source>eSgr</source><extracomment>grain</extracomment><translation>gr</translation></message>
<message><source>eSDa</source><extracomment>dalton</extracomment><translation>Da</translation></message>
<message><source>eSkDa</source><extracomment>kilodalton</extracomment><translation>kDa</translation></message>
<message><source>eSslug</source><extracomment>slug</extracomment><translation>slug</translation></message>
</context>
<context>
<name>UnitSymbol_LinearWeight</name>
<message><source>eSkgPerm</source><extracomment>kilogram per meter</extracomment><translation>kg/m</translation></message>
<message><source>eSlbavPerft</source><extracomment>pound per foot</extracomment><translation>lb/ft</translation></message>
</context>
<context>
<name>UnitSymbol_AmountOfSubstance</name>
<message><source>eSmol</source><extracomment>mole</extracomment><translation>mol</translation></message>
<message><source>eSmol_OneChar</source><extracomment>mole</extracomment><translation>㏖</translation></message>
<message><source>eSYmol</source><extracomment>yottamole</extracomment><translation>Ymol</translation></message>
<message><source>eSZmol</source><extracomment>zettamole</extracomment><translation>Zmol</translation></message>
<message><source>eSEmol</source><extracomment>examole</extracomment><translation>Emol</translation></message>
<message><source>eSPmol</source><extracomment>petamole</extracomment><translation>Pmol</translation></message>
<message><source>eSTmol</source><extracomment>teramole</extracomment><translation>Tmol</translation></message>
<message><source>eSGmol</source><extracomment>gigamole</extracomment><translation>Gmol</translation></message>
<message><source>eSMmol</source><extracomment>megamole</extracomment><translation>Mmol</translation></message>
<message><source>eSkmol</source><extracomment>kilomole</extracomment><translation>kmol</translation></message>
<message><source>eShmol</source><extracomment>hectomole</extracomment><translation>hmol</translation></message>
<message><source>eSdamol</source><extracomment>decamole</extracomment><translation>damol</translation></message>
<message><source>eSdmol</source><extracomment>decimole</extracomment><translation>dmol</translation></message>
<message><source>eScmol</source><extracomment>centimole</extracomment><translation>cmol</translation></message>
<message><source>eSmmol</source><extracomment>millimole</extracomment><translation>mmol</translation></message>
<message><source>eSmumol</source><extracomment>micromole</extracomment><translation>µmol</translation></message>
<message><source>eSumol</source><extracomment>micromole</extracomment><translation>umol</translation></message>
<message><source>eSnmol</source><extracomment>nanomole</extracomment><translation>nmol</translation></message>
<message><source>eSpmol</source><extracomment>picomole</extracomment><translation>pmol</translation></message>
<message><source>eSfmol</source><extracomment>femtomole</extracomment><translation>fmol</translation></message>
<message><source>eSamol</source><extracomment>attomole</extracomment><translation>amol</translation></message>
<message><source>eSzmol</source><extracomment>zeptomole</extracomment><translation>zmol</translation></message>
<message><source>eSymol</source><extracomment>yoctomole</extracomment><translation>ymol</translation></message>
</context>
<context>
<name>UnitSymbol_Angle</name>
<message><source>eSrad</source><extracomment>radian</extracomment><translation>rad</translation></message>
<message><source>eSrad_OneChar</source><extracomment>radian</extracomment><translation>㎭</translation></message>
<message><source>eSrad_OneLetter</source><extracomment>radian</extracomment><translation>ʳ</translation></message>
<message><source>eSdegree_OneChar</source><extracomment>degree</extracomment><translation>°</translation></message>
<message><source>eSdeg</source><extracomment>degree</extracomment><translation>deg</translation></message>
<message><source>eSDegree_DegreeDegreeMinutePrimeSecondDoublePrime</source><extracomment>degree</extracomment><translation>deg-min-s (45°30'15")</translation></message>
<message><source>eSDegree_DegreeDegreeMinutePrimeSecondDoublePrime_Surveyor</source><extracomment>degree</extracomment><translation>relèvement (N 45°30' E)</translation></message>
<message><source>eSDegree_DegreedMinutePrimeSecondDoublePrime</source><extracomment>degree</extracomment><translation>d-min-s (45d30'15")</translation></message>
<message><source>eSmrad</source><extracomment>milliradian</extracomment><translation>mrad</translation></message>
<message><source>eSgrad</source><extracomment>grad</extracomment><translation>gon</translation></message>
<message><source>eSgrad_OneLetter</source><extracomment>grad</extracomment><translation>ᵍ</translation></message>
<message><source>eSarcmin</source><extracomment>angle minute</extracomment><translation>arcmin</translation></message>
<message><source>eSamin</source><extracomment>angle minute</extracomment><translation>amin</translation></message>
<message><source>eSMOA</source><extracomment>angle minute</extracomment><translation>MOA</translation></message>
<message><source>eSAngleMinute_Prime</source><extracomment>angle minute</extracomment><translation>′</translation></message>
<message><source>eSarcsec</source><extracomment>angle second</extracomment><translation>arcsec</translation></message>
<message><source>eSAngleSecond_DoublePrime</source><extracomment>angle second</extracomment><translation>″</translation></message>
<message><source>eSmarcsec</source><extracomment>milliarc second</extracomment><translation>marcsec</translation></message>
<message><source>eSmas</source><extracomment>milliarc second</extracomment><translation>mas</translation></message>
</context>
<context>
<name>UnitSymbol_SolidAngle</name>
<message><source>eSsr</source><extracomment>steradian</extracomment><translation>sr</translation></message>
<message><source>eSsr_OneChar</source><extracomment>steradian</extracomment><translation>㏛</translation></message>
</context>
<context>
<name>UnitSymbol_AreaDensity</name>
<message><source>eSgPersqm</source><extracomment>gram per square meter</extracomment><translation>g/m²</translation></message>
<message><source>eSgPerm2</source><extracomment>gram per square meter</extracomment><translation>g/m²</translation></message>
<message><source>eSgPersqin</source><extracomment>gram per square inch</extracomment><translation>g/sq in</translation></message>
<message><source>eSgPerin2</source><extracomment>gram per square inch</extracomment><translation>g/in²</translation></message>
</context>
<context>
<name>UnitSymbol_Concentration</name>
<message><source>eSngPerL</source><extracomment>nanogram per liter</extracomment><translation>ng/L</translation></message>
<message><source>eSngPerdL</source><extracomment>nanogram per deciliter</extracomment><translation>ng/dL</translation></message>
<message><source>eSngPermL</source><extracomment>nanogram per milliliter</extracomment><translation>ng/mL</translation></message>
<message><source>eSngPermuL</source><extracomment>nanogram per microliter</extracomment><translation>ng/µL</translation></message>
<message><source>eSngPeruL</source><extracomment>nanogram per microliter</extracomment><translation>ng/uL</translation></message>
<message><source>eSmgPerdL</source><extracomment>milligram per deciliter</extracomment><translation>mg/dL</translation></message>
</context>
<context>
<name>UnitSymbol_PartsPer</name>
<message><source>eSppm</source><extracomment>part per million</extracomment><translation>ppm</translation></message>
<message><source>eSPPM_OneChar</source><extracomment>part per million</extracomment><translation>㏙</translation></message>
<message><source>eSppb</source><extracomment>part per billion</extracomment><translation>ppb</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCurrent</name>
<message><source>eSA</source><extracomment>ampere</extracomment><translation>A</translation></message>
<message><source>eSYA</source><extracomment>yottaampere</extracomment><translation>YA</translation></message>
<message><source>eSZA</source><extracomment>zettaampere</extracomment><translation>ZA</translation></message>
<message><source>eSEA</source><extracomment>exaampere</extracomment><translation>EA</translation></message>
<message><source>eSPA</source><extracomment>petaampere</extracomment><translation>PA</translation></message>
<message><source>eSTA</source><extracomment>teraampere</extracomment><translation>TA</translation></message>
<message><source>eSGA</source><extracomment>gigaampere</extracomment><translation>GA</translation></message>
<message><source>eSMA</source><extracomment>megaampere</extracomment><translation>MA</translation></message>
<message><source>eSkA</source><extracomment>kiloampere</extracomment><translation>kA</translation></message>
<message><source>eSkA_OneChar</source><extracomment>kiloampere</extracomment><translation>㎄</translation></message>
<message><source>eShA</source><extracomment>hectoampere</extracomment><translation>hA</translation></message>
<message><source>eSdaA</source><extracomment>decaampere</extracomment><translation>daA</translation></message>
<message><source>eSdA</source><extracomment>deciampere</extracomment><translation>dA</translation></message>
<message><source>eScA</source><extracomment>centiampere</extracomment><translation>cA</translation></message>
<message><source>eSmA</source><extracomment>milliampere</extracomment><translation>mA</translation></message>
<message><source>eSmA_OneChar</source><extracomment>milliampere</extracomment><translation>㎃</translation></message>
<message><source>eSmuA</source><extracomment>microampere</extracomment><translation>µA</translation></message>
<message><source>eSuA</source><extracomment>microampere</extracomment><translation>uA</translation></message>
<message><source>eSmuA_OneChar</source><extracomment>microampere</extracomment><translation>㎂</translation></message>
<message><source>eSnA</source><extracomment>nanoampere</extracomment><translation>nA</translation></message>
<message><source>eSnA_OneChar</source><extracomment>nanoampere</extracomment><translation>㎁</translation></message>
<message><source>eSpA</source><extracomment>picoampere</extracomment><translation>pA</translation></message>
<message><source>eSpA_OneChar</source><extracomment>picoampere</extracomment><translation>㎀</translation></message>
<message><source>eSfA</source><extracomment>femtoampere</extracomment><translation>fA</translation></message>
<message><source>eSaA</source><extracomment>attoampere</extracomment><translation>aA</translation></message>
<message><source>eSzA</source><extracomment>zeptoampere</extracomment><translation>zA</translation></message>
<message><source>eSyA</source><extracomment>yoctoampere</extracomment><translation>yA</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCharge</name>
<message><source>eSC</source><extracomment>coulomb</extracomment><translation>C</translation></message>
<message><source>eSAhr</source><extracomment>ampere hour</extracomment><translation>Ah</translation></message>
<message><source>eSmAhr</source><extracomment>milliampere hour</extracomment><translation>mAh</translation></message>
<message><source>eSFar</source><extracomment>faraday</extracomment><translation>faraday</translation></message>
</context>
<context>
<name>UnitSymbol_Capacitance</name>
<message><source>eSF</source><extracomment>farad</extracomment><translation>F</translation></message>
<message><source>eSYF</source><extracomment>yottafarad</extracomment><translation>YF</translation></message>
<message><source>eSZF</source><extracomment>zettafarad</extracomment><translation>ZF</translation></message>
<message><source>eSEF</source><extracomment>exafarad</extracomment><translation>EF</translation></message>
<message><source>eSPF</source><extracomment>petafarad</extracomment><translation>PF</translation></message>
<message><source>eSTF</source><extracomment>terafarad</extracomment><translation>TF</translation></message>
<message><source>eSGF</source><extracomment>gigafarad</extracomment><translation>GF</translation></message>
<message><source>eSMF</source><extracomment>megafarad</extracomment><translation>MF</translation></message>
<message><source>eSkF</source><extracomment>kilofarad</extracomment><translation>kF</translation></message>
<message><source>eShF</source><extracomment>hectofarad</extracomment><translation>hF</translation></message>
<message><source>eSdaF</source><extracomment>decafarad</extracomment><translation>daF</translation></message>
<message><source>eSdF</source><extracomment>decifarad</extracomment><translation>dF</translation></message>
<message><source>eScF</source><extracomment>centifarad</extracomment><translation>cF</translation></message>
<message><source>eSmF</source><extracomment>millifarad</extracomment><translation>mF</translation></message>
<message><source>eSmuF</source><extracomment>microfarad</extracomment><translation>µF</translation></message>
<message><source>eSuF</source><extracomment>microfarad</extracomment><translation>uF</translation></message>
<message><source>eSmuF_OneChar</source><extracomment>microfarad</extracomment><translation>㎌</translation></message>
<message><source>eSnF</source><extracomment>nanofarad</extracomment><translation>nF</translation></message>
<message><source>eSnF_OneChar</source><extracomment>nanofarad</extracomment><translation>㎋</translation></message>
<message><source>eSpF</source><extracomment>picofarad</extracomment><translation>pF</translation></message>
<message><source>eSpF_OneChar</source><extracomment>picofarad</extracomment><translation>㎊</translation></message>
<message><source>eSfF</source><extracomment>femtofarad</extracomment><translation>fF</translation></message>
<message><source>eSaF</source><extracomment>attofarad</extracomment><translation>aF</translation></message>
<message><source>eSzF</source><extracomment>zeptofarad</extracomment><translation>zF</translation></message>
<message><source>eSyF</source><extracomment>yoctofarad</extracomment><translation>yF</translation></message>
<message><source>eSkpF</source><extracomment>kilopicofarad</extracomment><translation>kpF</translation></message>
</context>
<context>
<name>UnitSymbol_BitRate</name>
<message><source>eSBd</source><extracomment>baud</extracomment><translation>Bd</translation></message>
<message><source>eSbps</source><extracomment>bit per second</extracomment><translation>bps</translation></message>
<message><source>eSbPers</source><extracomment>bit per second</extracomment><translation>bit/s</translation></message>
<message><source>eSBps</source><extracomment>byte per second</extracomment><translation>Bps</translation></message>
<message><source>eSBPers</source><extracomment>byte per second</extracomment><translation>o/s</translation></message>
<message><source>eSkbaud</source><extracomment>kilobaud</extracomment><translation>kbaud</translation></message>
<message><source>eSkBd</source><extracomment>kilobaud</extracomment><translation>kBd</translation></message>
<message><source>eSkbps</source><extracomment>kilobit per second</extracomment><translation>kbps</translation></message>
<message><source>eSkbPers</source><extracomment>kilobit per second</extracomment><translation>kbit/s</translation></message>
<message><source>eSkBps</source><extracomment>kilobyte per second</extracomment><translation>kBps</translation></message>
<message><source>eSkBPers</source><extracomment>kilobyte per second</extracomment><translation>ko/s</translation></message>
<message><source>eSMbaud</source><extracomment>megabaud</extracomment><translation>Mbaud</translation></message>
<message><source>eSMBd</source><extracomment>megabaud</extracomment><translation>MBd</translation></message>
<message><source>eSMbps</source><extracomment>megabit per second</extracomment><translation>Mbps</translation></message>
<message><source>eSMbPers</source><extracomment>megabit per second</extracomment><translation>Mbit/s</translation></message>
<message><source>eSMBps</source><extracomment>megabyte per second</extracomment><translation>MBps</translation></message>
<message><source>eSMBPers</source><extracomment>megabyte per second</extracomment><translation>Mo/s</translation></message>
<message><source>eSGbps</source><extracomment>gigabit per second</extracomment><translation>Gbps</translation></message>
<message><source>eSGbPers</source><extracomment>gigabit per second</extracomment><translation>Gbit/s</translation></message>
<message><source>eSTbps</source><extracomment>terabit per second</extracomment><translation>Tbps</translation></message>
<message><source>eSTbPers</source><extracomment>terabit per second</extracomment><translation>Tbit/s</translation></message>
</context>
<context>
<name>UnitSymbol_Density</name>
<message><source>eSkmPerm3</source><extracomment>kilogram per cubic meter</extracomment><translation>kg/m³</translation></message>
<message><source>eSkmPercum</source><extracomment>kilogram per cubic meter</extracomment><translation>kg/cu m</translation></message>
<message><source>eSkgPerL</source><extracomment>kilogram per liter</extracomment><translation>kg/L</translation></message>
<message><source>eSgPerL</source><extracomment>gram per liter</extracomment><translation>g/L</translation></message>
<message><source>eSmugPermL</source><extracomment>microgram per milliliter</extracomment><translation>µg/mL</translation></message>
<message><source>eSugPermL</source><extracomment>microgram per milliliter</extracomment><translation>ug/mL</translation></message>
<message><source>eSmgPermL</source><extracomment>milligram per milliliter</extracomment><translation>mg/mL</translation></message>
</context>
<context>
<name>UnitSymbol_UnitWeight</name>
<message><source>eSNPerm3</source><extracomment>newton per cubic meter</extracomment><translation>N/m³</translation></message>
<message><source>eSNPercum</source><extracomment>newton per cubic meter</extracomment><translation>N/cu m</translation></message>
<message><source>eSkNPerm3</source><extracomment>kilonewton per cubic meter</extracomment><translation>kN/m³</translation></message>
<message><source>eSkNPercum</source><extracomment>kilonewton per cubic meter</extracomment><translation>kN/cu m</translation></message>
</context>
<context>
<name>UnitSymbol_Energy</name>
<message><source>eSJ</source><extracomment>joule</extracomment><translation>J</translation></message>
<message><source>eScal</source><extracomment>calorie</extracomment><translation>cal</translation></message>
<message><source>eScal_OneChar</source><extracomment>calorie</extracomment><translation>㎈</translation></message>
<message><source>eSkcal</source><extracomment>kilocalorie</extracomment><translation>kcal</translation></message>
<message><source>eSkcal_OneChar</source><extracomment>kilocalorie</extracomment><translation>㎉</translation></message>
<message><source>eSBTUth</source><extracomment>British thermal unit (thermochemical)</extracomment><translation>BTU (th)</translation></message>
<message><source>eSBTUISO</source><extracomment>British thermal unit (ISO)</extracomment><translation>BTU (ISO)</translation></message>
<message><source>eSBTU63F</source><extracomment>British thermal unit (63 degree F)</extracomment><translation>BTU (63 °F)</translation></message>
<message><source>eSBTU60F</source><extracomment>British thermal unit (60 degree F)</extracomment><translation>BTU (60 °F)</translation></message>
<message><source>eSBTU59F</source><extracomment>British thermal unit (59 degree F)</extracomment><translation>BTU (59 °F)</translation></message>
<message><source>eSBTUIT</source><extracomment>British thermal unit (International Table)</extracomment><translation>BTU</translation></message>
<message><source>eSBTUmean</source><extracomment>British thermal unit (mean)</extracomment><translation>BTU (moy.)</translation></message>
<message><source>eSBTU39F</source><extracomment>British thermal unit (39 degree F)</extracomment><translation>BTU (39 °F)</translation></message>
<message><source>eSkeV</source><extracomment>kiloelectronvolt</extracomment><translation>keV</translation></message>
<message><source>eSMeV</source><extracomment>megaelectronvolt</extracomment><translation>MeV</translation></message>
<message><source>eSeV</source><extracomment>electronvolt</extracomment><translation>eV</translation></message>
<message><source>eSerg</source><extracomment>erg</extracomment><translation>erg</translation></message>
<message><source>eSkWh</source><extracomment>kilowatt hour</extracomment><translation>kWh</translation></message>
<message><source>eSkWhr</source><extracomment>kilowatt hour</extracomment><translation>kWhr</translation></message>
<message><source>eSBOTU</source><extracomment>kilowatt hour</extracomment><translation>BOTU</translation></message>
<message><source>eSkWmin</source><extracomment>kilowatt minute</extracomment><translation>kW·min</translation></message>
<message><source>eSkWs</source><extracomment>kilowatt second</extracomment><translation>kW·s</translation></message>
<message><source>eSthm</source><extracomment>therm (U.S.)</extracomment><translation>thm</translation></message>
<message><source>eSNm</source><extracomment>newton meter</extracomment><translation>N·m</translation></message>
<message><source>eSdaNm</source><extracomment>decanewton meter</extracomment><translation>daN·m</translation></message>
<message><source>eSkNm</source><extracomment>kilonewton meter</extracomment><translation>kN·m</translation></message>
<message><source>eSMNm</source><extracomment>meganewton meter</extracomment><translation>MN·m</translation></message>
<message><source>eScal20C</source><extracomment>calorie (20 degree C)</extracomment><translation>cal (20 °C)</translation></message>
<message><source>eScalth</source><extracomment>calorie (thermochemical)</extracomment><translation>cal (th)</translation></message>
<message><source>eScal15C</source><extracomment>calorie (15 degree C)</extracomment><translation>cal (15 °C)</translation></message>
<message><source>eScalmean</source><extracomment>calorie (mean)</extracomment><translation>cal (moy.)</translation></message>
<message><source>eScal3Point98C</source><extracomment>calorie (3.98 degree C)</extracomment><translation>cal (3,98 °C)</translation></message>
<message><source>eSkJ</source><extracomment>kilojoule</extracomment><translation>kJ</translation></message>
</context>
<context>
<name>UnitSymbol_VolumetricFlowRate</name>
<message><source>eSm3Pers</source><extracomment>cubic meter per second</extracomment><translation>m³/s</translation></message>
<message><source>eScumPers</source><extracomment>cubic meter per second</extracomment><translation>cu m/s</translation></message>
<message><source>eScms</source><extracomment>cubic meter per second</extracomment><translation>cms</translation></message>
<message><source>eScumecs</source><extracomment>cubic meter per second</extracomment><translation>cumecs</translation></message>
<message><source>eSLPers</source><extracomment>liter per second</extracomment><translation>L/s</translation></message>
<message><source>eSLps</source><extracomment>liter per second</extracomment><translation>lps</translation></message>
<message><source>eSLPermin</source><extracomment>liter per minute</extracomment><translation>L/min</translation></message>
<message><source>eSLPerh</source><extracomment>liter per hour</extracomment><translation>L/h</translation></message>
<message><source>eSLPerhr</source><extracomment>liter per hour</extracomment><translation>L/hr</translation></message>
<message><source>eSgalPers</source><extracomment>gallon per second</extracomment><translation>gal/s</translation></message>
<message><source>eSgalPermin</source><extracomment>gallon per minute</extracomment><translation>gal/min</translation></message>
<message><source>eSgpm</source><extracomment>gallon per minute</extracomment><translation>gpm</translation></message>
<message><source>eSusgpm</source><extracomment>gallon per minute</extracomment><translation>usgpm</translation></message>
<message><source>eSgalPerh</source><extracomment>gallon per hour</extracomment><translation>gal/h</translation></message>
<message><source>eSgalPerhr</source><extracomment>gallon per hour</extracomment><translation>gal/hr</translation></message>
<message><source>eSgph</source><extracomment>gallon per hour</extracomment><translation>gph</translation></message>
<message><source>eSusgph</source><extracomment>gallon per hour</extracomment><translation>usgph</translation></message>
<message><source>eSgalPerd</source><extracomment>gallon per day</extracomment><translation>gal/d</translation></message>
<message><source>eSgpd</source><extracomment>gallon per day</extracomment><translation>gpd</translation></message>
<message><source>eSusgpd</source><extracomment>gallon per day</extracomment><translation>usgpd</translation></message>
<message><source>eSUSgpd</source><extracomment>gallon per day</extracomment><translation>USgpd</translation></message>
<message><source>eSmLPermin</source><extracomment>milliliter per minute</extracomment><translation>mL/min</translation></message>
<message><source>eScm3Permin</source><extracomment>cubic centimeter per minute</extracomment><translation>cm³/min</translation></message>
<message><source>eScucmPermin</source><extracomment>cubic centimeter per minute</extracomment><translation>cu cm/min</translation></message>
<message><source>eScuftPerh</source><extracomment>cubic foot per hour</extracomment><translation>cu ft/h</translation></message>
<message><source>eSft3Perh</source><extracomment>cubic foot per hour</extracomment><translation>ft³/h</translation></message>
<message><source>eScuftPerhr</source><extracomment>cubic foot per hour</extracomment><translation>cu ft/hr</translation></message>
<message><source>eSft3Perhr</source><extracomment>cubic foot per hour</extracomment><translation>ft³/hr</translation></message>
<message><source>eScuftPermin</source><extracomment>cubic foot per minute</extracomment><translation>cu ft/min</translation></message>
<message><source>eSft3Permin</source><extracomment>cubic foot per minute</extracomment><translation>ft³/min</translation></message>
<message><source>eScfm</source><extracomment>cubic foot per minute</extracomment><translation>cfm</translation></message>
<message><source>eSCFPM</source><extracomment>cubic foot per minute</extracomment><translation>CFPM</translation></message>
<message><source>eScuftPers</source><extracomment>cubic foot per second</extracomment><translation>cu ft/s</translation></message>
<message><source>eSft3Pers</source><extracomment>cubic foot per second</extracomment><translation>ft³/s</translation></message>
<message><source>eScfs</source><extracomment>cubic foot per second</extracomment><translation>cfs</translation></message>
<message><source>eScusec</source><extracomment>cubic foot per second</extracomment><translation>cusec</translation></message>
<message><source>eScuinPermin</source><extracomment>cubic inch per minute</extracomment><translation>cu in/min</translation></message>
<message><source>eSin3Permin</source><extracomment>cubic inch per minute</extracomment><translation>in³/min</translation></message>
<message><source>eSm3Perh</source><extracomment>cubic meter per hour</extracomment><translation>m³/h</translation></message>
<message><source>eScumPerhr</source><extracomment>cubic meter per hour</extracomment><translation>cu m/hr</translation></message>
<message><source>eSm3Perhr</source><extracomment>cubic meter per hour</extracomment><translation>m³/hr</translation></message>
<message><source>eScumPerh</source><extracomment>cubic meter per hour</extracomment><translation>cu m/h</translation></message>
<message><source>eScmh</source><extracomment>cubic meter per hour</extracomment><translation>cmh</translation></message>
<message><source>eSm3Permin</source><extracomment>cubic meter per minute</extracomment><translation>m³/min</translation></message>
<message><source>eScumPermin</source><extracomment>cubic meter per minute</extracomment><translation>cu m/min</translation></message>
<message><source>eScm3Pers</source><extracomment>cubic centimeter per second</extracomment><translation>cm³/s</translation></message>
<message><source>eScucmPers</source><extracomment>cubic centimeter per second</extracomment><translation>cu cm/s</translation></message>
<message><source>eScm3Perh</source><extracomment>cubic centimeter per hour</extracomment><translation>cm³/h</translation></message>
<message><source>eScucmPerh</source><extracomment>cubic centimeter per hour</extracomment><translation>cu cm/h</translation></message>
<message><source>eScm3Perhr</source><extracomment>cubic centimeter per hour</extracomment><translation>cm³/hr</translation></message>
<message><source>eScucmPerhr</source><extracomment>cubic centimeter per hour</extracomment><translation>cu cm/hr</translation></message>
<message><source>eSUsgalPerh</source><extracomment>US gallon per hour</extracomment><translation>US gal/h</translation></message>
<message><source>eSUsgalPerhr</source><extracomment>US gallon per hour</extracomment><translation>US gal/hr</translation></message>
<message><source>eSUsgalPers</source><extracomment>US gallon per second</extracomment><translation>US gal/s</translation></message>
<message><source>eSImpgalPerd</source><extracomment>Imp gallon per day</extracomment><translation>gal imp./d</translation></message>
<message><source>eSImpgalPerh</source><extracomment>Imp gallon per hour</extracomment><translation>gal imp./h</translation></message>
<message><source>eSImpgalPerhr</source><extracomment>Imp gallon per hour</extracomment><translation>gal imp./hr</translation></message>
<message><source>eSImpgalPermin</source><extracomment>Imp gallon per minute</extracomment><translation>gal imp./min</translation></message>
<message><source>eSImpgalPers</source><extracomment>Imp gallon per second</extracomment><translation>gal imp./s</translation></message>
<message><source>eSImpmgalPerd</source><extracomment>Imp million gallon per day</extracomment><translation>Mgal imp./d</translation></message>
<message><source>eSLPerd</source><extracomment>liter per day</extracomment><translation>L/d</translation></message>
<message><source>eSmLPerd</source><extracomment>million liter per day</extracomment><translation>ML/d</translation></message>
<message><source>eSUsgalPerd</source><extracomment>US gallon per day</extracomment><translation>US gal/d</translation></message>
<message><source>eSUsmgalPerd</source><extracomment>US million gallon per day</extracomment><translation>US Mgal/d</translation></message>
<message><source>eScuftPerd</source><extracomment>cubic foot per day</extracomment><translation>cu ft/d</translation></message>
<message><source>eSft3Perd</source><extracomment>cubic foot per day</extracomment><translation>ft³/d</translation></message>
<message><source>eSm3Perd</source><extracomment>cubic meter per day</extracomment><translation>m³/d</translation></message>
<message><source>eScumPerd</source><extracomment>cubic meter per day</extracomment><translation>cu m/d</translation></message>
<message><source>eScuydPermin</source><extracomment>cubic yard per minute</extracomment><translation>cu yd/min</translation></message>
<message><source>eSyd3Permin</source><extracomment>cubic yard per minute</extracomment><translation>yd³/min</translation></message>
<message><source>eSacftPerd</source><extracomment>acre foot per day</extracomment><translation>ac·ft/d</translation></message>
<message><source>eSacftPerh</source><extracomment>acre foot per hour</extracomment><translation>ac·ft/h</translation></message>
<message><source>eSacftPerhr</source><extracomment>acre foot per hour</extracomment><translation>ac·ft/hr</translation></message>
<message><source>eSacftPermin</source><extracomment>acre foot per minute</extracomment><translation>ac·ft/min</translation></message>
<message><source>eSacinPerh</source><extracomment>acre inch per hour</extracomment><translation>ac·in/h</translation></message>
<message><source>eSacinPerhr</source><extracomment>acre inch per hour</extracomment><translation>ac·in/hr</translation></message>
<message><source>eSacinPermin</source><extracomment>acre inch per minute</extracomment><translation>ac·in/min</translation></message>
</context>
<context>
<name>UnitSymbol_MassFlowRate</name>
<message><source>eSkgPers</source><extracomment>kilogram per second</extracomment><translation>kg/s</translation></message>
<message><source>eSkgPermin</source><extracomment>kilogram per minute</extracomment><translation>kg/min</translation></message>
<message><source>eSkgPerh</source><extracomment>kilogram per hour</extracomment><translation>kg/h</translation></message>
<message><source>eSkgPerhr</source><extracomment>kilogram per hour</extracomment><translation>kg/hr</translation></message>
<message><source>eSgPers</source><extracomment>gram per second</extracomment><translation>g/s</translation></message>
<message><source>eSgPermin</source><extracomment>gram per minute</extracomment><translation>g/min</translation></message>
<message><source>eSgPerh</source><extracomment>gram per hour</extracomment><translation>g/h</translation></message>
<message><source>eSgPerhr</source><extracomment>gram per hour</extracomment><translation>g/hr</translation></message>
</context>
<context>
<name>UnitSymbol_FlowRatePerStroke</name>
<message><source>eSptPerstroke</source><extracomment>pint per stroke</extracomment><translation>pt/coup</translation></message>
<message><source>eSqtPerstroke</source><extracomment>quart per stroke</extracomment><translation>qt/coup</translation></message>
</context>
<context>
<name>UnitSymbol_Force</name>
<message><source>eSN</source><extracomment>newton</extracomment><translation>N</translation></message>
<message><source>eSYN</source><extracomment>yottanewton</extracomment><translation>YN</translation></message>
<message><source>eSZN</source><extracomment>zettanewton</extracomment><translation>ZN</translation></message>
<message><source>eSEN</source><extracomment>exanewton</extracomment><translation>EN</translation></message>
<message><source>eSPN</source><extracomment>petanewton</extracomment><translation>PN</translation></message>
<message><source>eSTN</source><extracomment>teranewton</extracomment><translation>TN</translation></message>
<message><source>eSGN</source><extracomment>giganewton</extracomment><translation>GN</translation></message>
<message><source>eSMN</source><extracomment>meganewton</extracomment><translation>MN</translation></message>
<message><source>eSkN</source><extracomment>kilonewton</extracomment><translation>kN</translation></message>
<message><source>eShN</source><extracomment>hectonewton</extracomment><translation>hN</translation></message>
<message><source>eSdaN</source><extracomment>decanewton</extracomment><translation>daN</translation></message>
<message><source>eSdN</source><extracomment>decinewton</extracomment><translation>dN</translation></message>
<message><source>eScN</source><extracomment>centinewton</extracomment><translation>cN</translation></message>
<message><source>eSmN</source><extracomment>millinewton</extracomment><translation>mN</translation></message>
<message><source>eSmuN</source><extracomment>micronewton</extracomment><translation>µN</translation></message>
<message><source>eSuN</source><extracomment>micronewton</extracomment><translation>uN</translation></message>
<message><source>eSnN</source><extracomment>nanonewton</extracomment><translation>nN</translation></message>
<message><source>eSpN</source><extracomment>piconewton</extracomment><translation>pN</translation></message>
<message><source>eSfN</source><extracomment>femtonewton</extracomment><translation>fN</translation></message>
<message><source>eSaN</source><extracomment>attonewton</extracomment><translation>aN</translation></message>
<message><source>eSzN</source><extracomment>zeptonewton</extracomment><translation>zN</translation></message>
<message><source>eSyN</source><extracomment>yoctonewton</extracomment><translation>yN</translation></message>
<message><source>eSkgf</source><extracomment>kilogram-force</extracomment><translation>kgf</translation></message>
<message><source>eSkp</source><extracomment>kilogram-force</extracomment><translation>kp</translation></message>
<message><source>eSGf</source><extracomment>kilogram-force</extracomment><translation>Gf</translation></message>
<message><source>eSlbf</source><extracomment>pound force</extracomment><translation>lbf</translation></message>
<message><source>eSkip</source><extracomment>kip</extracomment><translation>kip</translation></message>
<message><source>eSkipf</source><extracomment>kip</extracomment><translation>kipf</translation></message>
<message><source>eSklbf</source><extracomment>kip</extracomment><translation>klbf</translation></message>
<message><source>eSklb</source><extracomment>kip</extracomment><translation>klb</translation></message>
<message><source>eStnf</source><extracomment>ton force</extracomment><translation>tf</translation></message>
<message><source>eSdyn</source><extracomment>dyne</extracomment><translation>dyn</translation></message>
<message><source>eSozf</source><extracomment>ounce force</extracomment><translation>ozf</translation></message>
</context>
<context>
<name>UnitSymbol_LinearForce</name>
<message><source>eSNPerm</source><extracomment>newton per meter</extracomment><translation>N/m</translation></message>
<message><source>eSkgfPerm</source><extracomment>kilogram force per meter</extracomment><translation>kgf/m</translation></message>
<message><source>eSkpPerm</source><extracomment>kilogram force per meter</extracomment><translation>kp/m</translation></message>
<message><source>eSGfPerm</source><extracomment>kilogram force per meter</extracomment><translation>Gf/m</translation></message>
<message><source>eStnfPerm</source><extracomment>ton force per meter</extracomment><translation>tf/m</translation></message>
<message><source>eSlbfPerft</source><extracomment>pound-force per foot</extracomment><translation>lbf/ft</translation></message>
<message><source>eSdaNPerm</source><extracomment>decanewton per meter</extracomment><translation>daN/m</translation></message>
<message><source>eSkNPerm</source><extracomment>kilonewton per meter</extracomment><translation>kN/m</translation></message>
<message><source>eSMNPerm</source><extracomment>meganewton per meter</extracomment><translation>MN/m</translation></message>
<message><source>eSkipPerft</source><extracomment>kip per foot</extracomment><translation>kip/ft</translation></message>
<message><source>eSkipPerin</source><extracomment>kip per inch</extracomment><translation>kip/in</translation></message>
<message><source>eSklbPerin</source><extracomment>kip per inch</extracomment><translation>klb/in</translation></message>
<message><source>eSklbfPerin</source><extracomment>kip per inch</extracomment><translation>klbf/in</translation></message>
<message><source>eSkipfPerin</source><extracomment>kip per inch</extracomment><translation>kipf/in</translation></message>
</context>
<context>
<name>UnitSymbol_Frequency</name>
<message><source>eSHz</source><extracomment>hertz</extracomment><translation>Hz</translation></message>
<message><source>eSHz_OneChar</source><extracomment>hertz</extracomment><translation>㎐</translation></message>
<message><source>eSkHz</source><extracomment>kilohertz</extracomment><translation>kHz</translation></message>
<message><source>eSkHz_OneChar</source><extracomment>kilohertz</extracomment><translation>㎑</translation></message>
<message><source>eSMHz</source><extracomment>megahertz</extracomment><translation>MHz</translation></message>
<message><source>eSMHz_OneChar</source><extracomment>megahertz</extracomment><translation>㎒</translation></message>
<message><source>eSGHz</source><extracomment>gigahertz</extracomment><translation>GHz</translation></message>
<message><source>eSGHz_OneChar</source><extracomment>gigahertz</extracomment><translation>㎓</translation></message>
<message><source>eSTHz</source><extracomment>terahertz</extracomment><translation>THz</translation></message>
<message><source>eSTHz_OneChar</source><extracomment>terahertz</extracomment><translation>㎔</translation></message>
<message><source>eScps</source><extracomment>cycle per second</extracomment><translation>cps</translation></message>
</context>
<context>
<name>UnitSymbol_Inductance</name>
<message><source>eSH</source><extracomment>henry</extracomment><translation>H</translation></message>
<message><source>eSnH</source><extracomment>nanohenry</extracomment><translation>nH</translation></message>
<message><source>eSmuH</source><extracomment>microhenry</extracomment><translation>µH</translation></message>
<message><source>eSuH</source><extracomment>microhenry</extracomment><translation>uH</translation></message>
<message><source>eSmH</source><extracomment>millihenry</extracomment><translation>mH</translation></message>
</context>
<context>
<name>UnitSymbol_MagneticFluxDensity</name>
<message><source>eSG</source><extracomment>gauss</extracomment><translation>G</translation></message>
<message><source>eSmG</source><extracomment>milligauss</extracomment><translation>mG</translation></message>
<message><source>eST</source><extracomment>tesla</extracomment><translation>T</translation></message>
</context>
<context>
<name>UnitSymbol_MagneticFlux</name>
<message><source>eSWb</source><extracomment>weber</extracomment><translation>Wb</translation></message>
<message><source>eSWb_OneChar</source><extracomment>weber</extracomment><translation>㏝</translation></message>
</context>
<context>
<name>UnitSymbol_Power</name>
<message><source>eSW</source><extracomment>watt</extracomment><translation>W</translation></message>
<message><source>eShp_Metric</source><extracomment>horsepower (metric)</extracomment><translation>ch</translation></message>
<message><source>eShp_OneChar_Metric</source><extracomment>horsepower (metric)</extracomment><translation>㏋ (métrique)</translation></message>
<message><source>eShp_European_Electrical</source><extracomment>horsepower (European electrical)</extracomment><translation>ch (élec. UE)</translation></message>
<message><source>eShp_OneChar_European_Electrical</source><extracomment>horsepower (European electrical)</extracomment><translation>㏋ (élec. UE)</translation></message>
<message><source>eShp_Imperial_Mechanical</source><extracomment>horsepower (Imperial mechanical)</extracomment><translation>hp</translation></message>
<message><source>eShp_OneChar_Imperial_Mechanical</source><extracomment>horsepower (Imperial mechanical)</extracomment><translation>㏋</translation></message>
<message><source>eShp_Imperial_Electrical</source><extracomment>horsepower (Imperial electrical)</extracomment><translation>hp (élec.)</translation></message>
<message><source>eShp_OneChar_Imperial_Electrical</source><extracomment>horsepower (Imperial electrical)</extracomment><translation>㏋ (élec.)</translation></message>
<message><source>eSkcalPerh</source><extracomment>kilocalorie per hour</extracomment><translation>kcal/h</translation></message>
<message><source>eSkcalPerhr</source><extracomment>kilocalorie per hour</extracomment><translation>kcal/hr</translation></message>
<message><source>eSkW</source><extracomment>kilowatt</extracomment><translation>kW</translation></message>
<message><source>eSkW_OneChar</source><extracomment>kilowatt</extracomment><translation>㎾</translation></message>
<message><source>eSMW</source><extracomment>megawatt</extracomment><translation>MW</translation></message>
<message><source>eSMW_OneChar</source><extracomment>megawatt</extracomment><translation>㎿</translation></message>
<message><source>eSmuW</source><extracomment>microwatt</extracomment><translation>µW</translation></message>
<message><source>eSuW</source><extracomment>microwatt</extracomment><translation>uW</translation></message>
<message><source>eSmuW_OneChar</source><extracomment>microwatt</extracomment><translation>㎼</translation></message>
<message><source>eSVA</source><extracomment>volt ampere</extracomment><translation>VA</translation></message>
<message><source>eSmVA</source><extracomment>millivolt ampere</extracomment><translation>mVA</translation></message>
<message><source>eSkVA</source><extracomment>kilovolt ampere</extracomment><translation>kVA</translation></message>
<message><source>eSMVA</source><extracomment>megavolt ampere</extracomment><translation>MVA</translation></message>
<message><source>eSmW</source><extracomment>milliwatt</extracomment><translation>mW</translation></message>
<message><source>eSmW_OneChar</source><extracomment>milliwatt</extracomment><translation>㎽</translation></message>
<message><source>eSkgfmPers</source><extracomment>kilogram force meter per second</extracomment><translation>kgf·m/s</translation></message>
<message><source>eSkpmPers</source><extracomment>kilogram force meter per second</extracomment><translation>kp·m/s</translation></message>
<message><source>eSGfmPers</source><extracomment>kilogram force meter per second</extracomment><translation>Gf·m/s</translation></message>
<message><source>eSftlbfPers</source><extracomment>foot pound-force per second</extracomment><translation>ft·lbf/s</translation></message>
<message><source>eSIntcalPers</source><extracomment>calorie per second</extracomment><translation>cal/s</translation></message>
<message><source>eSIntkcalPers</source><extracomment>kilocalorie per second</extracomment><translation>kcal/s</translation></message>
<message><source>eSBTUPers</source><extracomment>British thermal unit (International Table) per second</extracomment><translation>BTU/s</translation></message>
<message><source>eSBtuPers</source><extracomment>British thermal unit (International Table) per second</extracomment><translation>Btu/s</translation></message>
<message><source>eSBTUPerh</source><extracomment>British thermal unit (International Table) per hour</extracomment><translation>BTU/h</translation></message>
<message><source>eSBTUPerhr</source><extracomment>British thermal unit (International Table) per hour</extracomment><translation>BTU/hr</translation></message>
<message><source>eSBtuPerh</source><extracomment>British thermal unit (International Table) per hour</extracomment><translation>Btu/h</translation></message>
<message><source>eSBtuPerhr</source><extracomment>British thermal unit (International Table) per hour</extracomment><translation>Btu/hr</translation></message>
<message><source>eSMBTUPerh</source><extracomment>million British thermal unit (International Table) per hour</extracomment><translation>MMBTU/h</translation></message>
<message><source>eSMBTUPerhr</source><extracomment>million British thermal unit (International Table) per hour</extracomment><translation>MMBTU/hr</translation></message>
<message><source>eSMBtuPerh</source><extracomment>million British thermal unit (International Table) per hour</extracomment><translation>MMBtu/h</translation></message>
<message><source>eSMBtuPerhr</source><extracomment>million British thermal unit (International Table) per hour</extracomment><translation>MMBtu/hr</translation></message>
<message><source>eSkBTUPerh</source><extracomment>thousand British thermal unit (International Table) per hour</extracomment><translation>kBTU/h</translation></message>
<message><source>eSkBTUPerhr</source><extracomment>thousand British thermal unit (International Table) per hour</extracomment><translation>kBTU/hr</translation></message>
<message><source>eSkBtuPerh</source><extracomment>thousand British thermal unit (International Table) per hour</extracomment><translation>kBtu/h</translation></message>
<message><source>eSkBtuPerhr</source><extracomment>thousand British thermal unit (International Table) per hour</extracomment><translation>kBtu/hr</translation></message>
<message><source>eSton</source><extracomment>ton of refrigeration</extracomment><translation>TR</translation></message>
<message><source>eSGW</source><extracomment>gigawatt</extracomment><translation>GW</translation></message>
</context>
<context>
<name>UnitSymbol_PowerPerUnitOfVolume</name>
<message><source>eSWPerm3</source><extracomment>watt per cubic meter</extracomment><translation>W/m³</translation></message>
<message><source>eSWPercum</source><extracomment>watt per cubic meter</extracomment><translation>W/cu m</translation></message>
<message><source>eSWPercuft</source><extracomment>watt per cubic foot</extracomment><translation>W/cu ft</translation></message>
<message><source>eSWPerft3</source><extracomment>watt per cubic foot</extracomment><translation>W/ft³</translation></message>
<message><source>eSBTUPerhcuft</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>BTU/(h·cu ft)</translation></message>
<message><source>eSBTUPerhft3</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>BTU/(h·ft³)</translation></message>
<message><source>eSBTUPerhrcuft</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>BTU/(hr·cu ft)</translation></message>
<message><source>eSBTUPerhrft3</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>BTU/(hr·ft³)</translation></message>
<message><source>eSBtuPerhcuft</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>Btu/(h·cu ft)</translation></message>
<message><source>eSBtuPerhft3</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>Btu/(h·ft³)</translation></message>
<message><source>eSBtuPerhrcuft</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>Btu/(hr·cu ft)</translation></message>
<message><source>eSBtuPerhrft3</source><extracomment>British thermal unit per hour cubic foot</extracomment><translation>Btu/(hr·ft³)</translation></message>
</context>
<context>
<name>UnitSymbol_PowerPerUnitOfMass</name>
<message><source>eSWPerkg</source><extracomment>watt per kilogram</extracomment><translation>W/kg</translation></message>
</context>
<context>
<name>UnitSymbol_PowerPerUnitOfArea</name>
<message><source>eSWPerm2</source><extracomment>watt per square meter</extracomment><translation>W/m²</translation></message>
<message><source>eSWPersqm</source><extracomment>watt per square meter</extracomment><translation>W/sq m</translation></message>
<message><source>eSkWPerm2</source><extracomment>kilowatt per square meter</extracomment><translation>kW/m²</translation></message>
<message><source>eSkWPersqm</source><extracomment>kilowatt per square meter</extracomment><translation>kW/sq m</translation></message>
<message><source>eSkWPersqft</source><extracomment>kilowatt per square foot</extracomment><translation>kW/sq ft</translation></message>
<message><source>eSkWPerft2</source><extracomment>kilowatt per square foot</extracomment><translation>kW/ft²</translation></message>
<message><source>eSWPersqft</source><extracomment>watt per square foot</extracomment><translation>W/sq ft</translation></message>
<message><source>eSWPerft2</source><extracomment>watt per square foot</extracomment><translation>W/ft²</translation></message>
<message><source>eSBTUPerhPersqft</source><extracomment>British thermal unit per hour square foot</extracomment><translation>BTU/(h·sq ft)</translation></message>
<message><source>eSBTUPerhrPersqft</source><extracomment>British thermal unit per hour square foot</extracomment><translation>BTU/(hr·sq ft)</translation></message>
<message><source>eSBTUPerhPerft2</source><extracomment>British thermal unit per hour square foot</extracomment><translation>BTU/(h·ft²)</translation></message>
<message><source>eSBTUPerhrPerft2</source><extracomment>British thermal unit per hour square foot</extracomment><translation>BTU/(hr·ft²)</translation></message>
<message><source>eSBtuPerhPersqft</source><extracomment>British thermal unit per hour square foot</extracomment><translation>Btu/(h·sq ft)</translation></message>
<message><source>eSBtuPerhrPersqft</source><extracomment>British thermal unit per hour square foot</extracomment><translation>Btu/(hr·sq ft)</translation></message>
<message><source>eSBtuPerhPerft2</source><extracomment>British thermal unit per hour square foot</extracomment><translation>Btu/(h·ft²)</translation></message>
<message><source>eSBtuPerhrPerft2</source><extracomment>British thermal unit per hour square foot</extracomment><translation>Btu/(hr·ft²)</translation></message>
</context>
<context>
<name>UnitSymbol_Pressure</name>
<message><source>eSbar</source><extracomment>bar</extracomment><translation>bar</translation></message>
<message><source>eSbar_OneChar</source><extracomment>bar</extracomment><translation>㍴</translation></message>
<message><source>eSmb_OneChar</source><extracomment>bar</extracomment><translation>㍴</translation></message>
<message><source>eSbarabs</source><extracomment>bar absolute</extracomment><translation>bar abs</translation></message>
<message><source>eSbara</source><extracomment>bar absolute</extracomment><translation>bara</translation></message>
<message><source>eSbarga</source><extracomment>bar gauge</extracomment><translation>bar(g)</translation></message>
<message><source>eSbarg</source><extracomment>bar gauge</extracomment><translation>barg</translation></message>
<message><source>eSinHg</source><extracomment>inch of mercury</extracomment><translation>inHg</translation></message>
<message><source>eSinH2O</source><extracomment>inch of water</extracomment><translation>inH₂O</translation></message>
<message><source>eSkbar</source><extracomment>kilobar</extracomment><translation>kbar</translation></message>
<message><source>eSkgPercm2</source><extracomment>kilogram per square centimeter</extracomment><translation>kg/cm²</translation></message>
<message><source>eSkgPersqcm</source><extracomment>kilogram per square centimeter</extracomment><translation>kg/sq cm</translation></message>
<message><source>eSkPa</source><extracomment>kilopascal</extracomment><translation>kPa</translation></message>
<message><source>eSkPa_OneChar</source><extracomment>kilopascal</extracomment><translation>㎪</translation></message>
<message><source>eSmksi</source><extracomment>kilopound per square inch</extracomment><translation>kpsi</translation></message>
<message><source>eSMPa</source><extracomment>mega pascal</extracomment><translation>MPa</translation></message>
<message><source>eSMPa_OneChar</source><extracomment>mega pascal</extracomment><translation>㎫</translation></message>
<message><source>eSmbar</source><extracomment>millibar</extracomment><translation>mbar</translation></message>
<message><source>eSmmHg</source><extracomment>millimeter of mercury</extracomment><translation>mmHg</translation></message>
<message><source>eSmPa</source><extracomment>milli pascal</extracomment><translation>mPa</translation></message>
<message><source>eSPa</source><extracomment>pascal</extracomment><translation>Pa</translation></message>
<message><source>eSPa_OneChar</source><extracomment>pascal</extracomment><translation>㎩</translation></message>
<message><source>eSpsia</source><extracomment>pound per square inch (atmosphere)</extracomment><translation>psia</translation></message>
<message><source>eSpsig</source><extracomment>pound per square inch (gauge)</extracomment><translation>psig</translation></message>
<message><source>eSpsf</source><extracomment>pound per square foot</extracomment><translation>psf</translation></message>
<message><source>eSpsi</source><extracomment>pound per square inch</extracomment><translation>psi</translation></message>
<message><source>eSlbfPerSquarein</source><extracomment>pound per square inch</extracomment><translation>lbf/sq in</translation></message>
<message><source>eSlbfPerin2</source><extracomment>pound per square inch</extracomment><translation>lbf/in²</translation></message>
<message><source>eSatm</source><extracomment>atmosphere (standard)</extracomment><translation>atm</translation></message>
<message><source>eSat</source><extracomment>atmosphere (metric)</extracomment><translation>at</translation></message>
<message><source>eSTorr</source><extracomment>torr</extracomment><translation>Torr</translation></message>
<message><source>eSNPermm2</source><extracomment>newton per square millimeter</extracomment><translation>N/mm²</translation></message>
<message><source>eSNPersqmm</source><extracomment>newton per square millimeter</extracomment><translation>N/sq mm</translation></message>
<message><source>eSNPerm2</source><extracomment>newton per square meter</extracomment><translation>N/m²</translation></message>
<message><source>eSNPersqm</source><extracomment>newton per square meter</extracomment><translation>N/sq m</translation></message>
<message><source>eSdaNPermm2</source><extracomment>decanewton per square millimeter</extracomment><translation>daN/mm²</translation></message>
<message><source>eSdaNPersqmm</source><extracomment>decanewton per square millimeter</extracomment><translation>daN/sq mm</translation></message>
<message><source>eSdaNPerm2</source><extracomment>decanewton per square meter</extracomment><translation>daN/m²</translation></message>
<message><source>eSdaNPersqm</source><extracomment>decanewton per square meter</extracomment><translation>daN/sq m</translation></message>
<message><source>eSkNPerm2</source><extracomment>kilonewton per square meter</extracomment><translation>kN/m²</translation></message>
<message><source>eSkNPersqm</source><extracomment>kilonewton per square meter</extracomment><translation>kN/sq m</translation></message>
<message><source>eSMNPerm2</source><extracomment>meganewton per square meter</extracomment><translation>MN/m²</translation></message>
<message><source>eSMNPersqm</source><extracomment>meganewton per square meter</extracomment><translation>MN/sq m</translation></message>
<message><source>eSftH2O</source><extracomment>foot of water</extracomment><translation>ftH₂O</translation></message>
<message><source>eSksi</source><extracomment>kip per square inch</extracomment><translation>ksi</translation></message>
<message><source>eSksf</source><extracomment>kip per square foot</extracomment><translation>ksf</translation></message>
<message><source>eShPa</source><extracomment>hectopascal</extracomment><translation>hPa</translation></message>
</context>
<context>
<name>UnitSymbol_ForceScale</name>
<message><source>eSmPerN</source><extracomment>meter per newton</extracomment><translation>m/N</translation></message>
<message><source>eSmPerkN</source><extracomment>meter per kilonewton</extracomment><translation>m/kN</translation></message>
<message><source>eSftPerkip</source><extracomment>foot per kip</extracomment><translation>ft/kip</translation></message>
<message><source>eSftPerkipf</source><extracomment>foot per kip</extracomment><translation>ft/kipf</translation></message>
<message><source>eSftPerklbf</source><extracomment>foot per kip</extracomment><translation>ft/klbf</translation></message>
<message><source>eSftPerklb</source><extracomment>foot per kip</extracomment><translation>ft/klb</translation></message>
</context>
<context>
<name>UnitSymbol_LinearForceScale</name>
<message><source>eSm2PerN</source><extracomment>square meter per newton</extracomment><translation>m²/N</translation></message>
<message><source>eSsqmPerN</source><extracomment>square meter per newton</extracomment><translation>sq m/N</translation></message>
<message><source>eSm2PerkN</source><extracomment>square meter per kilonewton</extracomment><translation>m²/kN</translation></message>
<message><source>eSsqmPerkN</source><extracomment>square meter per kilonewton</extracomment><translation>sq m/kN</translation></message>
<message><source>eSsqftPerkip</source><extracomment>square foot per kip</extracomment><translation>sq ft/kip</translation></message>
<message><source>eSft2Perkip</source><extracomment>square foot per kip</extracomment><translation>ft²/kip</translation></message>
<message><source>eSsqftPerkipf</source><extracomment>square foot per kip</extracomment><translation>sq ft/kipf</translation></message>
<message><source>eSft2Perkipf</source><extracomment>square foot per kip</extracomment><translation>ft²/kipf</translation></message>
<message><source>eSsqftPerklbf</source><extracomment>square foot per kip</extracomment><translation>sq ft/klbf</translation></message>
<message><source>eSft2Perklbf</source><extracomment>square foot per kip</extracomment><translation>ft²/klbf</translation></message>
<message><source>eSsqftPerklb</source><extracomment>square foot per kip</extracomment><translation>sq ft/klb</translation></message>
<message><source>eSft2Perklb</source><extracomment>square foot per kip</extracomment><translation>ft²/klb</translation></message>
</context>
<context>
<name>UnitSymbol_AreaForceScale</name>
<message><source>eSm3PerN</source><extracomment>cubic meter per newton</extracomment><translation>m³/N</translation></message>
<message><source>eScumPerN</source><extracomment>cubic meter per newton</extracomment><translation>cu m/N</translation></message>
<message><source>eSm3PerkN</source><extracomment>cubic meter per kilonewton</extracomment><translation>m³/kN</translation></message>
<message><source>eScumPerkN</source><extracomment>cubic meter per kilonewton</extracomment><translation>cu m/kN</translation></message>
<message><source>eScuftPerkip</source><extracomment>cubic foot per kip</extracomment><translation>cu ft/kip</translation></message>
<message><source>eSft3Perkip</source><extracomment>cubic foot per kip</extracomment><translation>ft³/kip</translation></message>
<message><source>eScuftPerkipf</source><extracomment>cubic foot per kip</extracomment><translation>cu ft/kipf</translation></message>
<message><source>eSft3Perkipf</source><extracomment>cubic foot per kip</extracomment><translation>ft³/kipf</translation></message>
<message><source>eScuftPerlbf</source><extracomment>cubic foot per kip</extracomment><translation>cu ft/klbf</translation></message>
<message><source>eSft3Perlbf</source><extracomment>cubic foot per kip</extracomment><translation>ft³/klbf</translation></message>
<message><source>eScuftPerklb</source><extracomment>cubic foot per kip</extracomment><translation>cu ft/klb</translation></message>
<message><source>eSft3Perklb</source><extracomment>cubic foot per kip</extracomment><translation>ft³/klb</translation></message>
</context>
<context>
<name>UnitSymbol_LinearMoment</name>
<message><source>eSNmPerm</source><extracomment>newton-meter per meter</extracomment><translation>N·m/m</translation></message>
<message><source>eSdaNmPerm</source><extracomment>decanewton-meter per meter</extracomment><translation>daN·m/m</translation></message>
<message><source>eSkNmPerm</source><extracomment>kilonewton-meter per meter</extracomment><translation>kN·m/m</translation></message>
<message><source>eSMNmPerm</source><extracomment>meganewton-meter per meter</extracomment><translation>MN·m/m</translation></message>
<message><source>eSkipftPerft</source><extracomment>kip-foot per foot</extracomment><translation>kip·ft/ft</translation></message>
<message><source>eSkipfftPerft</source><extracomment>kip-foot per foot</extracomment><translation>kipf·ft/ft</translation></message>
<message><source>eSklbfftPerft</source><extracomment>kip-foot per foot</extracomment><translation>klbf·ft/ft</translation></message>
<message><source>eSklbftPerft</source><extracomment>kip-foot per foot</extracomment><translation>klb·ft/ft</translation></message>
<message><source>eSkgfmPerm</source><extracomment>kilogram force-meter per meter</extracomment><translation>kgf·m/m</translation></message>
<message><source>eSkpmPerm</source><extracomment>kilogram force-meter per meter</extracomment><translation>kp·m/m</translation></message>
<message><source>eSGfmPerm</source><extracomment>kilogram force-meter per meter</extracomment><translation>Gf·m/m</translation></message>
<message><source>eStnfmPerm</source><extracomment>ton force-meter per meter</extracomment><translation>tf·m/m</translation></message>
<message><source>eSlbfftPerft</source><extracomment>pound-force foot per foot</extracomment><translation>lbf·ft/ft</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricalResistance</name>
<message><source>eSOmega</source><extracomment>ohm</extracomment><translation>Ω</translation></message>
<message><source>eSkOmega</source><extracomment>kilohm</extracomment><translation>kΩ</translation></message>
<message><source>eSOmega_OneChar</source><extracomment>kilohm</extracomment><translation>㏀</translation></message>
<message><source>eSGOmega</source><extracomment>gigaohm</extracomment><translation>GΩ</translation></message>
<message><source>eSMOmega</source><extracomment>megohm</extracomment><translation>MΩ</translation></message>
<message><source>eSMOmega_OneChar</source><extracomment>megohm</extracomment><translation>㏁</translation></message>
<message><source>eSmuOmega</source><extracomment>microohm</extracomment><translation>µΩ</translation></message>
<message><source>eSuOmega</source><extracomment>microohm</extracomment><translation>uΩ</translation></message>
<message><source>eSmOmega</source><extracomment>milliohm</extracomment><translation>mΩ</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricConductance</name>
<message><source>eSS</source><extracomment>siemens</extracomment><translation>S</translation></message>
</context>
<context>
<name>UnitSymbol_Velocity</name>
<message><source>eSmPers</source><extracomment>meter per second</extracomment><translation>m/s</translation></message>
<message><source>eSmPers_OneChar</source><extracomment>meter per second</extracomment><translation>㎧</translation></message>
<message><source>eSmmPers</source><extracomment>millimeter per second</extracomment><translation>mm/s</translation></message>
<message><source>eScmPers</source><extracomment>centimeter per second</extracomment><translation>cm/s</translation></message>
<message><source>eSmPermin</source><extracomment>meter per minute</extracomment><translation>m/min</translation></message>
<message><source>eSinPers</source><extracomment>inch per second</extracomment><translation>in/s</translation></message>
<message><source>eSftPers</source><extracomment>foot per second</extracomment><translation>ft/s</translation></message>
<message><source>eSfps</source><extracomment>foot per second</extracomment><translation>fps</translation></message>
<message><source>eSinPermin</source><extracomment>inch per minute</extracomment><translation>in/min</translation></message>
<message><source>eSftPermin</source><extracomment>foot per minute</extracomment><translation>ft/min</translation></message>
<message><source>eSfpm</source><extracomment>foot per minute</extracomment><translation>fpm</translation></message>
<message><source>eSkmPerhr</source><extracomment>kilometer per hour</extracomment><translation>km/h</translation></message>
<message><source>eSkph</source><extracomment>kilometer per hour</extracomment><translation>kph</translation></message>
<message><source>eSkmph</source><extracomment>kilometer per hour</extracomment><translation>kmph</translation></message>
<message><source>eSmiPerhr</source><extracomment>mile per hour</extracomment><translation>mi/h</translation></message>
<message><source>eSmph</source><extracomment>mile per hour</extracomment><translation>mph</translation></message>
<message><source>eSMPH</source><extracomment>mile per hour</extracomment><translation>MPH</translation></message>
<message><source>eScmPermin</source><extracomment>centimeter per minute</extracomment><translation>cm/min</translation></message>
<message><source>eSftPerhr</source><extracomment>foot per hour</extracomment><translation>ft/h</translation></message>
<message><source>eSinPerhr</source><extracomment>inch per hour</extracomment><translation>in/h</translation></message>
<message><source>eSkmPermin</source><extracomment>kilometer per minute</extracomment><translation>km/min</translation></message>
<message><source>eSkmPers</source><extracomment>kilometer per second</extracomment><translation>km/s</translation></message>
<message><source>eSkn</source><extracomment>knot</extracomment><translation>nd</translation></message>
<message><source>eSkn_UK</source><extracomment>knot (UK)</extracomment><translation>nd (R.-U.)</translation></message>
<message><source>eSmPerhr</source><extracomment>meter per hour</extracomment><translation>m/h</translation></message>
<message><source>eSmiPermin</source><extracomment>mile per minute</extracomment><translation>mi/min</translation></message>
<message><source>eSmiPers</source><extracomment>mile per second</extracomment><translation>mi/s</translation></message>
<message><source>eSmi_SurveyPerhr</source><extracomment>survey mile per hour</extracomment><translation>mi (arpentage US)/h</translation></message>
<message><source>eSft_SurveyPers</source><extracomment>survey foot per second</extracomment><translation>ft (arpentage US)/s</translation></message>
</context>
<context>
<name>UnitSymbol_ComputerStorage</name>
<message><source>eSB</source><extracomment>byte</extracomment><translation>o</translation></message>
<message><source>eSkB</source><extracomment>kilobyte</extracomment><translation>ko</translation></message>
<message><source>eSMB</source><extracomment>megabyte</extracomment><translation>Mo</translation></message>
<message><source>eSMB_OneChar</source><extracomment>megabyte</extracomment><translation>㎆</translation></message>
<message><source>eSGB</source><extracomment>gigabyte</extracomment><translation>Go</translation></message>
<message><source>eSGB_OneChar</source><extracomment>gigabyte</extracomment><translation>㎇</translation></message>
<message><source>eSTB</source><extracomment>terabyte</extracomment><translation>To</translation></message>
<message><source>eSkiB</source><extracomment>kibibyte</extracomment><translation>kio</translation></message>
<message><source>eSKB</source><extracomment>kibibyte</extracomment><translation>Ko</translation></message>
<message><source>eSKiB</source><extracomment>kibibyte</extracomment><translation>Kio</translation></message>
<message><source>eSKB_OneChar</source><extracomment>kibibyte</extracomment><translation>㎅</translation></message>
<message><source>eSMiB</source><extracomment>mebibyte</extracomment><translation>Mio</translation></message>
<message><source>eSGiB</source><extracomment>gibibyte</extracomment><translation>Gio</translation></message>
<message><source>eSTiB</source><extracomment>tebibyte</extracomment><translation>Tio</translation></message>
<message><source>eSkb</source><extracomment>kilobit</extracomment><translation>kbit</translation></message>
<message><source>eSkbit</source><extracomment>kilobit</extracomment><translation>kbit</translation></message>
<message><source>eSMb</source><extracomment>megabit</extracomment><translation>Mbit</translation></message>
<message><source>eSMbit</source><extracomment>megabit</extracomment><translation>Mbit</translation></message>
<message><source>eSGb</source><extracomment>gigabit</extracomment><translation>Gbit</translation></message>
<message><source>eSGbit</source><extracomment>gigabit</extracomment><translation>Gbit</translation></message>
<message><source>eSPB</source><extracomment>petabyte</extracomment><translation>Po</translation></message>
<message><source>eSPiB</source><extracomment>pebibyte</extracomment><translation>Pio</translation></message>
<message><source>eSEB</source><extracomment>exabyte</extracomment><translation>Eo</translation></message>
<message><source>eSEiB</source><extracomment>exbibyte</extracomment><translation>Eio</translation></message>
<message><source>eSZB</source><extracomment>zettabyte</extracomment><translation>Zo</translation></message>
<message><source>eSZiB</source><extracomment>zebibyte</extracomment><translation>Zio</translation></message>
<message><source>eSYB</source><extracomment>yottabyte</extracomment><translation>Yo</translation></message>
<message><source>eSYiB</source><extracomment>yobibyte</extracomment><translation>Yio</translation></message>
<message><source>eSTb</source><extracomment>terabit</extracomment><translation>Tbit</translation></message>
<message><source>eSTbit</source><extracomment>terabit</extracomment><translation>Tbit</translation></message>
</context>
<context>
<name>UnitSymbol_Temperature</name>
<message><source>eSK</source><extracomment>kelvin</extracomment><translation>K</translation></message>
<message><source>eSdegK</source><extracomment>kelvin</extracomment><translation>degK</translation></message>
<message><source>eSdegreeC</source><extracomment>degree Celsius</extracomment><translation>°C</translation></message>
<message><source>eSdegC</source><extracomment>degree Celsius</extracomment><translation>degC</translation></message>
<message><source>eSdegreeC_OneChar</source><extracomment>degree Celsius</extracomment><translation>℃</translation></message>
<message><source>eSdegreeF</source><extracomment>degree Fahrenheit</extracomment><translation>°F</translation></message>
<message><source>eSDegF</source><extracomment>degree Fahrenheit</extracomment><translation>degF</translation></message>
<message><source>eSdegreeF_OneChar</source><extracomment>degree Fahrenheit</extracomment><translation>℉</translation></message>
<message><source>eSdegreeR</source><extracomment>degree Rankine</extracomment><translation>°R</translation></message>
<message><source>eSdegreeRa</source><extracomment>degree Rankine</extracomment><translation>°Ra</translation></message>
<message><source>eSDegR</source><extracomment>degree Rankine</extracomment><translation>degR</translation></message>
</context>
<context>
<name>UnitSymbol_TemperatureRate</name>
<message><source>eSDegreeCPermin</source><extracomment>celsius per minute</extracomment><translation>°C/min</translation></message>
<message><source>eSdegCPermin</source><extracomment>celsius per minute</extracomment><translation>degC/min</translation></message>
<message><source>eSDegreeFPermin</source><extracomment>fahrenheit per minute</extracomment><translation>°F/min</translation></message>
<message><source>eSdegFPermin</source><extracomment>fahrenheit per minute</extracomment><translation>degF/min</translation></message>
</context>
<context>
<name>UnitSymbol_Time</name>
<message><source>eSs</source><extracomment>second</extracomment><translation>s</translation></message>
<message><source>eSsec</source><extracomment>second</extracomment><translation>sec</translation></message>
<message><source>eSSecond_DoublePrime</source><extracomment>second</extracomment><translation>″</translation></message>
<message><source>eSSecond_MinutePrimeSecondDoublePrime</source><extracomment>second</extracomment><translation>min-s (5'30")</translation></message>
<message><source>eSYs</source><extracomment>yottasecond</extracomment><translation>Ys</translation></message>
<message><source>eSZs</source><extracomment>zettasecond</extracomment><translation>Zs</translation></message>
<message><source>eSEs</source><extracomment>exasecond</extracomment><translation>Es</translation></message>
<message><source>eSPs</source><extracomment>petasecond</extracomment><translation>Ps</translation></message>
<message><source>eSTs</source><extracomment>terasecond</extracomment><translation>Ts</translation></message>
<message><source>eSGs</source><extracomment>gigasecond</extracomment><translation>Gs</translation></message>
<message><source>eSMs</source><extracomment>megasecond</extracomment><translation>Ms</translation></message>
<message><source>eSks</source><extracomment>kilosecond</extracomment><translation>ks</translation></message>
<message><source>eShs</source><extracomment>hectosecond</extracomment><translation>hs</translation></message>
<message><source>eSdas</source><extracomment>decasecond</extracomment><translation>das</translation></message>
<message><source>eSds</source><extracomment>decisecond</extracomment><translation>ds</translation></message>
<message><source>eScs</source><extracomment>centisecond</extracomment><translation>cs</translation></message>
<message><source>eSms</source><extracomment>millisecond</extracomment><translation>ms</translation></message>
<message><source>eSms_OneChar</source><extracomment>millisecond</extracomment><translation>㎳</translation></message>
<message><source>eSmus</source><extracomment>microsecond</extracomment><translation>µs</translation></message>
<message><source>eSus</source><extracomment>microsecond</extracomment><translation>us</translation></message>
<message><source>eSmus_OneChar</source><extracomment>microsecond</extracomment><translation>㎲</translation></message>
<message><source>eSns</source><extracomment>nanosecond</extracomment><translation>ns</translation></message>
<message><source>eSns_OneChar</source><extracomment>nanosecond</extracomment><translation>㎱</translation></message>
<message><source>eSps</source><extracomment>picosecond</extracomment><translation>ps</translation></message>
<message><source>eSps_OneChar</source><extracomment>picosecond</extracomment><translation>㎰</translation></message>
<message><source>eSfs</source><extracomment>femtosecond</extracomment><translation>fs</translation></message>
<message><source>eSas</source><extracomment>attosecond</extracomment><translation>as</translation></message>
<message><source>eSzs</source><extracomment>zeptosecond</extracomment><translation>zs</translation></message>
<message><source>eSys</source><extracomment>yoctosecond</extracomment><translation>ys</translation></message>
<message><source>eSmin</source><extracomment>minute</extracomment><translation>min</translation></message>
<message><source>eSMinute_Prime</source><extracomment>minute</extracomment><translation>′</translation></message>
<message><source>eSh</source><extracomment>hour</extracomment><translation>h</translation></message>
<message><source>eShr</source><extracomment>hour</extracomment><translation>hr</translation></message>
<message><source>eSd</source><extracomment>day</extracomment><translation>d</translation></message>
<message><source>eSwk</source><extracomment>week</extracomment><translation>sem</translation></message>
<message><source>eSmo</source><extracomment>month</extracomment><translation>mois</translation></message>
<message><source>eSmo_Hollow</source><extracomment>month (hollow)</extracomment><translation>mois (creux)</translation></message>
<message><source>eSmo_Full</source><extracomment>month (full)</extracomment><translation>mois (plein)</translation></message>
<message><source>eSyr</source><extracomment>year</extracomment><translation>an</translation></message>
<message><source>eSy</source><extracomment>year</extracomment><translation>y</translation></message>
<message><source>eSyr_Gregorian</source><extracomment>year (Gregorian)</extracomment><translation>an (grégorien)</translation></message>
<message><source>eSa_Gregorian</source><extracomment>year (Gregorian)</extracomment><translation>a (grégorien)</translation></message>
<message><source>eSy_Gregorian</source><extracomment>year (Gregorian)</extracomment><translation>y (grégorien)</translation></message>
<message><source>eSyr_Julian</source><extracomment>year (Julian)</extracomment><translation>an (julien)</translation></message>
<message><source>eSa_Julian</source><extracomment>year (Julian)</extracomment><translation>a (julien)</translation></message>
<message><source>eSy_Julian</source><extracomment>year (Julian)</extracomment><translation>y (julien)</translation></message>
<message><source>eSyr_Sidereal</source><extracomment>sidereal year</extracomment><translation>an (sidéral)</translation></message>
<message><source>eSa_Sidereal</source><extracomment>sidereal year</extracomment><translation>a (sidéral)</translation></message>
<message><source>eSy_Sidereal</source><extracomment>sidereal year</extracomment><translation>y (sidéral)</translation></message>
<message><source>eSyr_Tropical</source><extracomment>tropical year</extracomment><translation>an (tropique)</translation></message>
<message><source>eSa_Tropical</source><extracomment>tropical year</extracomment><translation>a (tropique)</translation></message>
<message><source>eSy_Tropical</source><extracomment>tropical year</extracomment><translation>y (tropique)</translation></message>
</context>
<context>
<name>UnitSymbol_DynamicViscosity</name>
<message><source>eSP</source><extracomment>poise</extracomment><translation>P</translation></message>
<message><source>eScP</source><extracomment>centipoise</extracomment><translation>cP</translation></message>
<message><source>eScPs</source><extracomment>centipoise</extracomment><translation>cPs</translation></message>
<message><source>eSPas</source><extracomment>pascal second</extracomment><translation>Pa·s</translation></message>
<message><source>eSlbmPerfts</source><extracomment>pound mass per foot second</extracomment><translation>lbm/(ft·s)</translation></message>
<message><source>eSlbPerfts</source><extracomment>pound mass per foot second</extracomment><translation>lb/(ft·s)</translation></message>
<message><source>eSPoundSignPerfts</source><extracomment>pound mass per foot second</extracomment><translation>#/(ft·s)</translation></message>
<message><source>eSlbmPerfth</source><extracomment>pound mass per foot hour</extracomment><translation>lbm/(ft·h)</translation></message>
<message><source>eSlbmPerfthr</source><extracomment>pound mass per foot hour</extracomment><translation>lbm/(ft·hr)</translation></message>
</context>
<context>
<name>UnitSymbol_KinematicViscosity</name>
<message><source>eSSt</source><extracomment>stoke</extracomment><translation>St</translation></message>
<message><source>eScSt</source><extracomment>centistoke</extracomment><translation>cSt</translation></message>
</context>
<context>
<name>UnitSymbol_Acceleration</name>
<message><source>eSmPers2</source><extracomment>meter per second squared</extracomment><translation>m/s²</translation></message>
<message><source>eSmPersqm</source><extracomment>meter per second squared</extracomment><translation>m/sq s</translation></message>
<message><source>eSmPers2_OneChar</source><extracomment>meter per second squared</extracomment><translation>㎨</translation></message>
<message><source>eSftPers2</source><extracomment>foot per second squared</extracomment><translation>ft/s²</translation></message>
<message><source>eSftPersqs</source><extracomment>foot per second squared</extracomment><translation>ft/sq s</translation></message>
<message><source>eSgn</source><extracomment>standard gravity</extracomment><translation>gₙ</translation></message>
</context>
<context>
<name>UnitSymbol_Voltage</name>
<message><source>eSV</source><extracomment>volt</extracomment><translation>V</translation></message>
<message><source>eSkV</source><extracomment>kilovolt</extracomment><translation>kV</translation></message>
<message><source>eSkV_OneChar</source><extracomment>kilovolt</extracomment><translation>㎸</translation></message>
<message><source>eSmuV</source><extracomment>microvolt</extracomment><translation>µV</translation></message>
<message><source>eSuV</source><extracomment>microvolt</extracomment><translation>uV</translation></message>
<message><source>eSmuV_OneChar</source><extracomment>microvolt</extracomment><translation>㎶</translation></message>
<message><source>eSmV</source><extracomment>millivolt</extracomment><translation>mV</translation></message>
<message><source>eSmV_OneChar</source><extracomment>millivolt</extracomment><translation>㎷</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricPotential</name>
<message><source>eSabV</source><extracomment>abvolt</extracomment><translation>abV</translation></message>
<message><source>eSstatV</source><extracomment>statvolt</extracomment><translation>statV</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousIntensity</name>
<message><source>eScd</source><extracomment>candela</extracomment><translation>cd</translation></message>
<message><source>eScd_OneChar</source><extracomment>candela</extracomment><translation>㏅</translation></message>
<message><source>eSlmPersr</source><extracomment>lumen per steradian</extracomment><translation>lm/sr</translation></message>
</context>
<context>
<name>UnitSymbol_Illuminance</name>
<message><source>eSlx_I</source><extracomment>Lux (Illuminance)</extracomment><translation>lx</translation></message>
<message><source>eSfc</source><extracomment>footcandle</extracomment><translation>fc</translation></message>
<message><source>eSftc</source><extracomment>footcandle</extracomment><translation>ftc</translation></message>
<message><source>eSlmPerft2</source><extracomment>footcandle</extracomment><translation>lm/ft²</translation></message>
<message><source>eSlmPersqft</source><extracomment>footcandle</extracomment><translation>lm/sq ft</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousEnergy</name>
<message><source>eSlms</source><extracomment>lumen second</extracomment><translation>lm·s</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousFlux</name>
<message><source>eSlm</source><extracomment>lumen</extracomment><translation>lm</translation></message>
<message><source>eSlm_OneChar</source><extracomment>lumen</extracomment><translation>㏐</translation></message>
</context>
<context>
<name>UnitSymbol_Luminance</name>
<message><source>eScdPerm2</source><extracomment>candela per square meter</extracomment><translation>cd/m²</translation></message>
<message><source>eScdPersqm</source><extracomment>candela per square meter</extracomment><translation>cd/sq m</translation></message>
<message><source>eSNit</source><extracomment>candela per square meter</extracomment><translation>nt</translation></message>
<message><source>eSfl</source><extracomment>foot lambert</extracomment><translation>fL</translation></message>
<message><source>eSftl</source><extracomment>foot lambert</extracomment><translation>ftL</translation></message>
<message><source>eScdPersqft</source><extracomment>candela per square foot</extracomment><translation>cd/sq ft</translation></message>
<message><source>eScdPerft2</source><extracomment>candela per square foot</extracomment><translation>cd/ft²</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousEmittance</name>
<message><source>eSlx_LE</source><extracomment>lux (emittance)</extracomment><translation>lm/m²</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousEfficacy</name>
<message><source>eSlmPerW</source><extracomment>lumen per watt</extracomment><translation>lm/W</translation></message>
</context>
<context>
<name>UnitSymbol_Friction</name>
<message><source>eSPaPerm</source><extracomment>pascal per meter</extracomment><translation>Pa/m</translation></message>
<message><source>eSinH2OPer100ft</source><extracomment>inch of water per 100foot</extracomment><translation>inH₂O/100 ft</translation></message>
<message><source>eSftH2OPer100ft</source><extracomment>foot of water per 100foot</extracomment><translation>ftH₂O/100 ft</translation></message>
<message><source>eSinHgPer100ft</source><extracomment>inch of mercury per 100foot</extracomment><translation>inHg/100 ft</translation></message>
<message><source>eSmmHgPer100ft</source><extracomment>millimeter of mercury per 100foot</extracomment><translation>mmHg/100 ft</translation></message>
</context>
<context>
<name>UnitSymbol_RotationalPointSpringCoefficient</name>
<message><source>eSNmPerdeg</source><extracomment>newton meter per degree</extracomment><translation>N·m/°</translation></message>
<message><source>eSkipftPerdeg</source><extracomment>kip foot per degree</extracomment><translation>kip·ft/°</translation></message>
<message><source>eSkipfftPerdeg</source><extracomment>kip foot per degree</extracomment><translation>kipf·ft/°</translation></message>
<message><source>eSklbfftPerdeg</source><extracomment>kip foot per degree</extracomment><translation>klbf·ft/°</translation></message>
<message><source>eSklbftPerdeg</source><extracomment>kip foot per degree</extracomment><translation>klb·ft/°</translation></message>
<message><source>eSkNmPerdeg</source><extracomment>kilonewton meter per degree</extracomment><translation>kN·m/°</translation></message>
</context>
<context>
<name>UnitSymbol_RotationalLineSpringCoefficient</name>
<message><source>eSNmPerdegPerm</source><extracomment>newton meter per degree per meter</extracomment><translation>N·m/(°·m)</translation></message>
<message><source>eSkipftPerdegPerft</source><extracomment>kip foot per degree per foot</extracomment><translation>kip·ft/(°·ft)</translation></message>
<message><source>eSkipfftPerdegPerft</source><extracomment>kip foot per degree per foot</extracomment><translation>kipf·ft/(°·ft)</translation></message>
<message><source>eSklbfftPerdegPerft</source><extracomment>kip foot per degree per foot</extracomment><translation>klbf·ft/(°·ft)</translation></message>
<message><source>eSklbftPerdegPerft</source><extracomment>kip foot per degree per foot</extracomment><translation>klb·ft/(°·ft)</translation></message>
<message><source>eSkNmPerdegPerm</source><extracomment>kilonewton meter per degree per meter</extracomment><translation>kN·m/(°·m)</translation></message>
</context>
<context>
<name>UnitSymbol_HeatTransferCoefficient</name>
<message><source>eSWPerm2K</source><extracomment>watt per square meter kelvin</extracomment><translation>W/(m²·K)</translation></message>
<message><source>eSWPersqmK</source><extracomment>watt per square meter kelvin</extracomment><translation>W/(sq m·K)</translation></message>
<message><source>eSBTUPerhsqftDegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>BTU/(h·sq ft·°F)</translation></message>
<message><source>eSBTUPerhft2DegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>BTU/(h·ft²·°F)</translation></message>
<message><source>eSBTUPerhrsqftDegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>BTU/(hr·sq ft·°F)</translation></message>
<message><source>eSBTUPerhrft2DegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>BTU/(hr·ft²·°F)</translation></message>
<message><source>eSBtuPerhsqftDegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>Btu/(h·sq ft·°F)</translation></message>
<message><source>eSBtuPerhft2DegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>Btu/(h·ft²·°F)</translation></message>
<message><source>eSBtuPerhrsqftDegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>Btu/(hr·sq ft·°F)</translation></message>
<message><source>eSBtuPerhrft2DegreeF</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translation>Btu/(hr·ft²·°F)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDensity</name>
<message><source>eSm3Persm2</source><extracomment>cubic meter per second square meter</extracomment><translation>m³/(s·m²)</translation></message>
<message><source>eScumPerssqm</source><extracomment>cubic meter per second square meter</extracomment><translation>cu m/(s·sq m)</translation></message>
<message><source>eScuftPerminsqft</source><extracomment>cubic foot per minute square foot</extracomment><translation>cu ft/(min·sq ft)</translation></message>
<message><source>eSft3Perminft2</source><extracomment>cubic foot per minute square foot</extracomment><translation>ft³/(min·ft²)</translation></message>
<message><source>eSLPersm2</source><extracomment>liter per second square meter</extracomment><translation>L/(s·m²)</translation></message>
<message><source>eSLPerssqm</source><extracomment>liter per second square meter</extracomment><translation>L/(s·sq m)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDividedByVolume</name>
<message><source>eSm3Persm3</source><extracomment>cubic meter per second cubic meter</extracomment><translation>m³/(s·m³)</translation></message>
<message><source>eScumPerscum</source><extracomment>cubic meter per second cubic meter</extracomment><translation>cu m/(s·cu m)</translation></message>
<message><source>eScuftPermincuft</source><extracomment>cubic foot per minute cubic foot</extracomment><translation>cu ft/(min·cu ft)</translation></message>
<message><source>eSft3Perminft3</source><extracomment>cubic foot per minute cubic foot</extracomment><translation>ft³/(min·ft³)</translation></message>
<message><source>eScfmPerft3</source><extracomment>cubic foot per minute cubic foot</extracomment><translation>cfm/ft³</translation></message>
<message><source>eScfmPercf</source><extracomment>cubic foot per minute cubic foot</extracomment><translation>cfm/cf</translation></message>
<message><source>eSLPersm3</source><extracomment>liter per second cubic meter</extracomment><translation>L/(s·m³)</translation></message>
<message><source>eSLPercum</source><extracomment>liter per second cubic meter</extracomment><translation>L/(s·cu m)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDividedByPower</name>
<message><source>eSm3PersW</source><extracomment>cubic meter per second watt</extracomment><translation>m³/(s·W)</translation></message>
<message><source>eScumPersW</source><extracomment>cubic meter per second watt</extracomment><translation>cu m/(s·W)</translation></message>
<message><source>eScfmPerton</source><extracomment>cubic foot per minute ton of refrigeration</extracomment><translation>cfm/ton</translation></message>
<message><source>eSLPerskW</source><extracomment>liter per second kilowatt</extracomment><translation>L/(s·kW)</translation></message>
</context>
<context>
<name>UnitSymbol_AreaDividedByPower</name>
<message><source>eSm2PerW</source><extracomment>square meter per watt</extracomment><translation>m²/W</translation></message>
<message><source>eSsqmPerW</source><extracomment>square meter per watt</extracomment><translation>sq m/W</translation></message>
<message><source>eSsfPerton</source><extracomment>square foot per ton of refrigeration</extracomment><translation>sf/ton</translation></message>
<message><source>eSm2PerkW</source><extracomment>square meter per kilowatt</extracomment><translation>m²/kW</translation></message>
<message><source>eSsqmPerkW</source><extracomment>square meter per kilowatt</extracomment><translation>sq m/kW</translation></message>
<message><source>eSsqftPerkBTUPerh</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>sq ft/(kBTU/h)</translation></message>
<message><source>eSft2PerkBTUPerh</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>ft²/(kBTU/h)</translation></message>
<message><source>eSsqftPerkBTUPerhr</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>sq ft/(kBTU/hr)</translation></message>
<message><source>eSft2PerkBTUPerhr</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>ft²/(kBTU/hr)</translation></message>
<message><source>eSsqftPerkBtuPerh</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>sq ft/(kBtu/h)</translation></message>
<message><source>eSft2PerkBtuPerh</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>ft²/(kBtu/h)</translation></message>
<message><source>eSsqftPerkBtuPerhr</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>sq ft/(kBtu/hr)</translation></message>
<message><source>eSft2PerkBtuPerhr</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translation>ft²/(kBtu/hr)</translation></message>
</context>
<context>
<name>UnitSymbol_MomentScale</name>
<message><source>eSs2Permkg</source><extracomment>square second per meter kilogram</extracomment><translation>s²/(m·kg)</translation></message>
<message><source>eSsqsPermkg</source><extracomment>square second per meter kilogram</extracomment><translation>sq s/(m·kg)</translation></message>
<message><source>eSinvkN</source><extracomment>inverse kilonewton</extracomment><translation>kN⁻¹</translation></message>
</context>
<context>
<name>UnitSymbol_CoefficientOfThermalExpansion</name>
<message><source>eSInvDegreeF</source><extracomment>inverse fahrenheit</extracomment><translation>°F⁻¹</translation></message>
<message><source>eSInvDegreeC</source><extracomment>inverse celsius</extracomment><translation>°C⁻¹</translation></message>
</context>
<context>
<name>UnitSymbol_MagneticFieldIntensity</name>
<message><source>eSAPerm</source><extracomment>Ampere per meter</extracomment><translation>A/m</translation></message>
</context>
</TS>
