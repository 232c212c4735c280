<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
<name>UnitSymbol_Length</name>
<message><source>eSMeter_Name_Alternate3</source><extracomment>meter</extracomment><translation>метры</translation></message>
<message><source>eSMeter_Name_Alternate4</source><extracomment>meter</extracomment><translation>метрах</translation></message>
<message><source>eSKilometer_Name_Alternate3</source><extracomment>kilometer</extracomment><translation>километры</translation></message>
<message><source>eSDecimeter_Name_Alternate3</source><extracomment>decimeter</extracomment><translation>дециметры</translation></message>
<message><source>eSCentimeter_Name_Alternate3</source><extracomment>centimeter</extracomment><translation>сантиметры</translation></message>
<message><source>eSMillimeter_Name_Alternate3</source><extracomment>millimeter</extracomment><translation>миллиметры</translation></message>
<message><source>eSMicrometer_Name_Alternate3</source><extracomment>micrometer</extracomment><translation>микрометры</translation></message>
<message><source>eSInch_Name_Alternate3</source><extracomment>inch</extracomment><translation>дюймы</translation></message>
<message><source>eSInch_Name_Alternate4</source><extracomment>inch</extracomment><translation>дюйм.</translation></message>
<message><source>eSFoot_Name_Alternate3</source><extracomment>foot</extracomment><translation>футы</translation></message>
<message><source>eSFoot_Name_Alternate4</source><extracomment>foot</extracomment><translation>фт</translation></message>
<message><source>eSYard_Name_Alternate3</source><extracomment>yard</extracomment><translation>ярды</translation></message>
<message><source>eSNauticalMile_Name_Alternate1</source><extracomment>nautical mile</extracomment><translation>морской мили</translation></message>
<message><source>eSNauticalMile_Name_Alternate4</source><extracomment>nautical mile</extracomment><translation>мор. миль</translation></message>
<message><source>eSNauticalMile_Name_Alternate5</source><extracomment>nautical mile</extracomment><translation>м. миля</translation></message>
<message><source>eSMicron_Name_Alternate3</source><extracomment>micron</extracomment><translation>микроны</translation></message>
<message><source>eSAstronomicalUnit_Name_Alternate1</source><extracomment>astronomical unit</extracomment><translation>а.е.</translation></message>
<message><source>eSAstronomicalUnit_Name_Alternate3</source><extracomment>astronomical unit</extracomment><translation>астрономической единицы</translation></message>
<message><source>eSLightYear_Name_Alternate2</source><extracomment>light-year</extracomment><translation>светового года</translation></message>
<message><source>eSLightYear_Name_Alternate4</source><extracomment>light-year</extracomment><translation>св. лет</translation></message>
</context>
<context>
<name>UnitSymbol_Area</name>
<message><source>eSSquareMeter_Name_Alternate1</source><extracomment>square meter</extracomment><translation>кв.м</translation></message>
<message><source>eSSquareMeter_Name_Alternate2</source><extracomment>square meter</extracomment><translation>кв м</translation></message>
<message><source>eSSquareMeter_Name_Alternate4</source><extracomment>square meter</extracomment><translation>квадратного метра</translation></message>
<message><source>eSSquareMeter_Name_Alternate5</source><extracomment>square meter</extracomment><translation>квадратные метры</translation></message>
<message><source>eSSquareMeter_Name_Alternate6</source><extracomment>square meter</extracomment><translation>кв. метров</translation></message>
<message><source>eSm2_Alternate1</source><extracomment>square meter</extracomment><translatorcomment>generated from «м²»</translatorcomment><translation>м2</translation></message>
<message><source>eSm2_Alternate2</source><extracomment>square meter</extracomment><translatorcomment>generated from «м²»</translatorcomment><translation>м^2</translation></message>
<message><source>eSSquareInch_Name_Alternate1</source><extracomment>square inch</extracomment><translation>кв.дюйм</translation></message>
<message><source>eSSquareInch_Name_Alternate2</source><extracomment>square inch</extracomment><translation>кв. дюймов</translation></message>
<message><source>eSSquareInch_Name_Alternate4</source><extracomment>square inch</extracomment><translation>квадратного дюйма</translation></message>
<message><source>eSsqin_Alternate1</source><extracomment>square inch</extracomment><translation>кв. дюйм</translation></message>
<message><source>eSsqin_Alternate2</source><extracomment>square inch</extracomment><translatorcomment>generated from «дюйм²»</translatorcomment><translation>дюйм2</translation></message>
<message><source>eSsqin_Alternate3</source><extracomment>square inch</extracomment><translatorcomment>generated from «дюйм²»</translatorcomment><translation>дюйм^2</translation></message>
<message><source>eSSquareFoot_Name_Alternate1</source><extracomment>square foot</extracomment><translation>кв.фут</translation></message>
<message><source>eSSquareFoot_Name_Alternate2</source><extracomment>square foot</extracomment><translation>кв. футов</translation></message>
<message><source>eSSquareFoot_Name_Alternate3</source><extracomment>square foot</extracomment><translation>кв. фута</translation></message>
<message><source>eSSquareFoot_Name_Alternate5</source><extracomment>square foot</extracomment><translation>квадратного фута</translation></message>
<message><source>eSsqft_Alternate1</source><extracomment>square foot</extracomment><translation>кв. фут</translation></message>
<message><source>eSsqft_Alternate2</source><extracomment>square foot</extracomment><translatorcomment>generated from «фут²»</translatorcomment><translation>фут2</translation></message>
<message><source>eSsqft_Alternate3</source><extracomment>square foot</extracomment><translatorcomment>generated from «фут²»</translatorcomment><translation>фут^2</translation></message>
<message><source>eSSquareYard_Name_Alternate1</source><extracomment>square yard</extracomment><translation>кв. ярдов</translation></message>
<message><source>eSsqyd_Alternate1</source><extracomment>square yard</extracomment><translation>кв. ярд</translation></message>
<message><source>eSsqyd_Alternate2</source><extracomment>square yard</extracomment><translatorcomment>generated from «ярд²»</translatorcomment><translation>ярд2</translation></message>
<message><source>eSsqyd_Alternate3</source><extracomment>square yard</extracomment><translatorcomment>generated from «ярд²»</translatorcomment><translation>ярд^2</translation></message>
<message><source>eSAcre_Name_Alternate3</source><extracomment>acre</extracomment><translation>акры</translation></message>
<message><source>eSHectare_Name_Alternate3</source><extracomment>hectare</extracomment><translation>гектары</translation></message>
<message><source>eSSquareKilometer_Name_Alternate1</source><extracomment>square kilometer</extracomment><translation>кв.км</translation></message>
<message><source>eSSquareKilometer_Name_Alternate3</source><extracomment>square kilometer</extracomment><translation>квадратного километра</translation></message>
<message><source>eSkm2_Alternate1</source><extracomment>square kilometer</extracomment><translatorcomment>generated from «км²»</translatorcomment><translation>км2</translation></message>
<message><source>eSkm2_Alternate2</source><extracomment>square kilometer</extracomment><translatorcomment>generated from «км²»</translatorcomment><translation>км^2</translation></message>
<message><source>eSSquareMile_Name_Alternate1</source><extracomment>square mile</extracomment><translation>кв. миль</translation></message>
<message><source>eSSquareMile_Name_Alternate3</source><extracomment>square mile</extracomment><translation>квадратной мили</translation></message>
<message><source>eSsqmi_Alternate1</source><extracomment>square mile</extracomment><translation>кв. миля</translation></message>
<message><source>eSsqmi_Alternate2</source><extracomment>square mile</extracomment><translatorcomment>generated from «миля²»</translatorcomment><translation>миля2</translation></message>
<message><source>eSsqmi_Alternate3</source><extracomment>square mile</extracomment><translatorcomment>generated from «миля²»</translatorcomment><translation>миля^2</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate1</source><extracomment>square centimeter</extracomment><translation>кв.см</translation></message>
<message><source>eSSquareCentimeter_Name_Alternate3</source><extracomment>square centimeter</extracomment><translation>квадратного сантиметра</translation></message>
<message><source>eScm2_Alternate1</source><extracomment>square centimeter</extracomment><translatorcomment>generated from «см²»</translatorcomment><translation>см2</translation></message>
<message><source>eScm2_Alternate2</source><extracomment>square centimeter</extracomment><translatorcomment>generated from «см²»</translatorcomment><translation>см^2</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate1</source><extracomment>square millimeter</extracomment><translation>кв.мм</translation></message>
<message><source>eSSquareMillimeter_Name_Alternate3</source><extracomment>square millimeter</extracomment><translation>квадратного миллиметра</translation></message>
<message><source>eSmm2_Alternate1</source><extracomment>square millimeter</extracomment><translatorcomment>generated from «мм²»</translatorcomment><translation>мм2</translation></message>
<message><source>eSmm2_Alternate2</source><extracomment>square millimeter</extracomment><translatorcomment>generated from «мм²»</translatorcomment><translation>мм^2</translation></message>
<message><source>eSAre_Name_Alternate1</source><extracomment>are</extracomment><translation>сотка</translation></message>
<message><source>eSAre_Name_Alternate2</source><extracomment>are</extracomment><translation>сотки</translation></message>
<message><source>eSAre_Name_Alternate3</source><extracomment>are</extracomment><translation>соток</translation></message>
<message><source>eSsqAWithRingAbove_Alternate1</source><extracomment>square angstrom</extracomment><translation>кв. Å</translation></message>
<message><source>eSSquareDecimeter_Name_Alternate1</source><extracomment>square decimeter</extracomment><translation>кв.дм</translation></message>
<message><source>eSdm2_Alternate1</source><extracomment>square decimeter</extracomment><translatorcomment>generated from «дм²»</translatorcomment><translation>дм2</translation></message>
<message><source>eSdm2_Alternate2</source><extracomment>square decimeter</extracomment><translatorcomment>generated from «дм²»</translatorcomment><translation>дм^2</translation></message>
<message><source>eSsqfur_Alternate1</source><extracomment>square furlong</extracomment><translation>кв. фурлонг</translation></message>
<message><source>eSsqfur_Alternate2</source><extracomment>square furlong</extracomment><translatorcomment>generated from «фурлонг²»</translatorcomment><translation>фурлонг2</translation></message>
<message><source>eSsqfur_Alternate3</source><extracomment>square furlong</extracomment><translatorcomment>generated from «фурлонг²»</translatorcomment><translation>фурлонг^2</translation></message>
<message><source>eSGm2_Alternate1</source><extracomment>square gigameter</extracomment><translatorcomment>generated from «Гм²»</translatorcomment><translation>Гм2</translation></message>
<message><source>eSGm2_Alternate2</source><extracomment>square gigameter</extracomment><translatorcomment>generated from «Гм²»</translatorcomment><translation>Гм^2</translation></message>
<message><source>eSsqNL_Alternate1</source><extracomment>square nautical league</extracomment><translation>кв. мор. лига</translation></message>
<message><source>eSsqNL_Alternate2</source><extracomment>square nautical league</extracomment><translatorcomment>generated from «мор. лига²»</translatorcomment><translation>мор. лига2</translation></message>
<message><source>eSsqNL_Alternate3</source><extracomment>square nautical league</extracomment><translatorcomment>generated from «мор. лига²»</translatorcomment><translation>мор. лига^2</translation></message>
<message><source>eSsqlea_Alternate1</source><extracomment>square league (statute)</extracomment><translation>кв. лига</translation></message>
<message><source>eSsqlea_Alternate2</source><extracomment>square league (statute)</extracomment><translatorcomment>generated from «лига²»</translatorcomment><translation>лига2</translation></message>
<message><source>eSsqlea_Alternate3</source><extracomment>square league (statute)</extracomment><translatorcomment>generated from «лига²»</translatorcomment><translation>лига^2</translation></message>
<message><source>eSsqly_Alternate1</source><extracomment>square light-year</extracomment><translation>кв. св. год</translation></message>
<message><source>eSsqly_Alternate2</source><extracomment>square light-year</extracomment><translatorcomment>generated from «св. год²»</translatorcomment><translation>св. год2</translation></message>
<message><source>eSsqly_Alternate3</source><extracomment>square light-year</extracomment><translatorcomment>generated from «св. год²»</translatorcomment><translation>св. год^2</translation></message>
<message><source>eSsqlnk_Alternate1</source><extracomment>square link</extracomment><translation>кв. линк</translation></message>
<message><source>eSsqlnk_Alternate2</source><extracomment>square link</extracomment><translatorcomment>generated from «линк²»</translatorcomment><translation>линк2</translation></message>
<message><source>eSsqlnk_Alternate3</source><extracomment>square link</extracomment><translatorcomment>generated from «линк²»</translatorcomment><translation>линк^2</translation></message>
<message><source>eSsqmu_Alternate1</source><extracomment>square micron</extracomment><translation>кв. мк</translation></message>
<message><source>eSsqmu_Alternate2</source><extracomment>square micron</extracomment><translatorcomment>generated from «мк²»</translatorcomment><translation>мк2</translation></message>
<message><source>eSsqmu_Alternate3</source><extracomment>square micron</extracomment><translatorcomment>generated from «мк²»</translatorcomment><translation>мк^2</translation></message>
<message><source>eSsqNM_Adm_Alternate1</source><extracomment>square mile (UK nautical)</extracomment><translation>кв. мор. миля (брит.)</translation></message>
<message><source>eSsqNM_Adm_Alternate2</source><extracomment>square mile (UK nautical)</extracomment><translatorcomment>generated from «мор. миля² (брит.)»</translatorcomment><translation>мор. миля2 (брит.)</translation></message>
<message><source>eSsqNM_Adm_Alternate3</source><extracomment>square mile (UK nautical)</extracomment><translatorcomment>generated from «мор. миля² (брит.)»</translatorcomment><translation>мор. миля^2 (брит.)</translation></message>
<message><source>eSsqmi_Statute_Alternate1</source><extracomment>square mile (statute)</extracomment><translation>кв. миля (стат.)</translation></message>
<message><source>eSsqmi_Statute_Alternate2</source><extracomment>square mile (statute)</extracomment><translatorcomment>generated from «миля² (стат.)»</translatorcomment><translation>миля2 (стат.)</translation></message>
<message><source>eSsqmi_Statute_Alternate3</source><extracomment>square mile (statute)</extracomment><translatorcomment>generated from «миля² (стат.)»</translatorcomment><translation>миля^2 (стат.)</translation></message>
<message><source>eSsqpc_Alternate1</source><extracomment>square parsec</extracomment><translation>кв. пк</translation></message>
<message><source>eSsqpc_Alternate2</source><extracomment>square parsec</extracomment><translatorcomment>generated from «пк²»</translatorcomment><translation>пк2</translation></message>
<message><source>eSsqpc_Alternate3</source><extracomment>square parsec</extracomment><translatorcomment>generated from «пк²»</translatorcomment><translation>пк^2</translation></message>
<message><source>eSsqrd_Alternate1</source><extracomment>square perch</extracomment><translation>кв. род</translation></message>
<message><source>eSsqrd_Alternate2</source><extracomment>square perch</extracomment><translatorcomment>generated from «род²»</translatorcomment><translation>род2</translation></message>
<message><source>eSsqrd_Alternate3</source><extracomment>square perch</extracomment><translatorcomment>generated from «род²»</translatorcomment><translation>род^2</translation></message>
<message><source>eSsqmil_Alternate1</source><extracomment>square mil</extracomment><translation>кв. мил</translation></message>
<message><source>eSsqmil_Alternate2</source><extracomment>square mil</extracomment><translatorcomment>generated from «мил²»</translatorcomment><translation>мил2</translation></message>
<message><source>eSsqmil_Alternate3</source><extracomment>square mil</extracomment><translatorcomment>generated from «мил²»</translatorcomment><translation>мил^2</translation></message>
<message><source>eSsqAU_Alternate1</source><extracomment>square astronomical unit</extracomment><translation>кв. а. е.</translation></message>
<message><source>eSsqAU_Alternate2</source><extracomment>square astronomical unit</extracomment><translatorcomment>generated from «а. е.²»</translatorcomment><translation>а. е.2</translation></message>
<message><source>eSsqAU_Alternate3</source><extracomment>square astronomical unit</extracomment><translatorcomment>generated from «а. е.²»</translatorcomment><translation>а. е.^2</translation></message>
</context>
<context>
<name>UnitSymbol_Volume</name>
<message><source>eSLiter_Name_Alternate3</source><extracomment>liter</extracomment><translation>литры</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate1</source><extracomment>cubic centimeter</extracomment><translation>куб.см</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate3</source><extracomment>cubic centimeter</extracomment><translation>кубического сантиметра</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate4</source><extracomment>cubic centimeter</extracomment><translation>кубик</translation></message>
<message><source>eSCubicCentimeter_Name_Alternate5</source><extracomment>cubic centimeter</extracomment><translation>кубиков</translation></message>
<message><source>eScm3_Alternate1</source><extracomment>cubic centimeter</extracomment><translatorcomment>generated from «см³»</translatorcomment><translation>см3</translation></message>
<message><source>eScm3_Alternate2</source><extracomment>cubic centimeter</extracomment><translatorcomment>generated from «см³»</translatorcomment><translation>см^3</translation></message>
<message><source>eSGallonImperial_Name_Alternate1</source><extracomment>gallon (imperial)</extracomment><translation>брит. гал</translation></message>
<message><source>eSGallonImperial_Name_Alternate2</source><extracomment>gallon (imperial)</extracomment><translation>британский галлон</translation></message>
<message><source>eSGallonImperial_Name_Alternate3</source><extracomment>gallon (imperial)</extracomment><translation>британских галлонов</translation></message>
<message><source>eSGallonImperial_Name_Alternate4</source><extracomment>gallon (imperial)</extracomment><translation>британского галлона</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate1</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>гал</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate2</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>гал.</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate3</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>галлон</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate4</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>галлона</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate5</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>галлонов</translation></message>
<message><source>eSGallonUSFluidWine_Name_Alternate6</source><extracomment>gallon (U.S. fluid; Wine)</extracomment><translation>галлоны</translation></message>
<message><source>eSCubicFoot_Name_Alternate1</source><extracomment>cubic foot</extracomment><translation>куб.фут</translation></message>
<message><source>eSCubicFoot_Name_Alternate2</source><extracomment>cubic foot</extracomment><translation>куб. футов</translation></message>
<message><source>eSCubicFoot_Name_Alternate3</source><extracomment>cubic foot</extracomment><translation>куб. фута</translation></message>
<message><source>eSCubicFoot_Name_Alternate5</source><extracomment>cubic foot</extracomment><translation>кубического фута</translation></message>
<message><source>eScuft_Alternate1</source><extracomment>cubic foot</extracomment><translation>куб. фут</translation></message>
<message><source>eScuft_Alternate2</source><extracomment>cubic foot</extracomment><translatorcomment>generated from «фут³»</translatorcomment><translation>фут3</translation></message>
<message><source>eScuft_Alternate3</source><extracomment>cubic foot</extracomment><translatorcomment>generated from «фут³»</translatorcomment><translation>фут^3</translation></message>
<message><source>eSCubicInch_Name_Alternate1</source><extracomment>cubic inch</extracomment><translation>куб.дюйм</translation></message>
<message><source>eSCubicInch_Name_Alternate2</source><extracomment>cubic inch</extracomment><translation>куб. дюймов</translation></message>
<message><source>eScuin_Alternate1</source><extracomment>cubic inch</extracomment><translation>куб. дюйм</translation></message>
<message><source>eScuin_Alternate2</source><extracomment>cubic inch</extracomment><translatorcomment>generated from «дюйм³»</translatorcomment><translation>дюйм3</translation></message>
<message><source>eScuin_Alternate3</source><extracomment>cubic inch</extracomment><translatorcomment>generated from «дюйм³»</translatorcomment><translation>дюйм^3</translation></message>
<message><source>eSCubicMeter_Name_Alternate1</source><extracomment>cubic meter</extracomment><translation>куб.м</translation></message>
<message><source>eSCubicMeter_Name_Alternate2</source><extracomment>cubic meter</extracomment><translation>кубометр</translation></message>
<message><source>eSCubicMeter_Name_Alternate3</source><extracomment>cubic meter</extracomment><translation>кубометра</translation></message>
<message><source>eSCubicMeter_Name_Alternate4</source><extracomment>cubic meter</extracomment><translation>кубометров</translation></message>
<message><source>eSCubicMeter_Name_Alternate5</source><extracomment>cubic meter</extracomment><translation>кубометры</translation></message>
<message><source>eSCubicMeter_Name_Alternate7</source><extracomment>cubic meter</extracomment><translation>кубического метра</translation></message>
<message><source>eSCubicMeter_Name_Alternate8</source><extracomment>cubic meter</extracomment><translation>м.куб.</translation></message>
<message><source>eSm3_Alternate1</source><extracomment>cubic meter</extracomment><translatorcomment>generated from «м³»</translatorcomment><translation>м3</translation></message>
<message><source>eSm3_Alternate2</source><extracomment>cubic meter</extracomment><translatorcomment>generated from «м³»</translatorcomment><translation>м^3</translation></message>
<message><source>eSCubicYard_Name_Alternate1</source><extracomment>cubic yard</extracomment><translation>куб. ярдов</translation></message>
<message><source>eScuyd_Alternate1</source><extracomment>cubic yard</extracomment><translation>куб. ярд</translation></message>
<message><source>eScuyd_Alternate2</source><extracomment>cubic yard</extracomment><translatorcomment>generated from «ярд³»</translatorcomment><translation>ярд3</translation></message>
<message><source>eScuyd_Alternate3</source><extracomment>cubic yard</extracomment><translatorcomment>generated from «ярд³»</translatorcomment><translation>ярд^3</translation></message>
<message><source>eSCubicMillimeter_Name_Alternate1</source><extracomment>cubic millimeter</extracomment><translation>куб.мм</translation></message>
<message><source>eSmm3_Alternate1</source><extracomment>cubic millimeter</extracomment><translatorcomment>generated from «мм³»</translatorcomment><translation>мм3</translation></message>
<message><source>eSmm3_Alternate2</source><extracomment>cubic millimeter</extracomment><translatorcomment>generated from «мм³»</translatorcomment><translation>мм^3</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate1</source><extracomment>barrel (petroleum)</extracomment><translation>баррель</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate2</source><extracomment>barrel (petroleum)</extracomment><translation>барреля</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate3</source><extracomment>barrel (petroleum)</extracomment><translation>баррелей</translation></message>
<message><source>eSBarrelPetroleum_Name_Alternate4</source><extracomment>barrel (petroleum)</extracomment><translation>барр</translation></message>
<message><source>eScuAWithRingAbove_Alternate1</source><extracomment>cubic angstrom</extracomment><translation>куб. Å</translation></message>
<message><source>eScuAU_Alternate1</source><extracomment>cubic astronomical unit</extracomment><translation>куб. а. е.</translation></message>
<message><source>eScuAU_Alternate2</source><extracomment>cubic astronomical unit</extracomment><translatorcomment>generated from «а. е.³»</translatorcomment><translation>а. е.3</translation></message>
<message><source>eScuAU_Alternate3</source><extracomment>cubic astronomical unit</extracomment><translatorcomment>generated from «а. е.³»</translatorcomment><translation>а. е.^3</translation></message>
<message><source>eScuch_Alternate1</source><extracomment>cubic chain</extracomment><translation>куб. чейн</translation></message>
<message><source>eScuch_Alternate2</source><extracomment>cubic chain</extracomment><translatorcomment>generated from «чейн³»</translatorcomment><translation>чейн3</translation></message>
<message><source>eScuch_Alternate3</source><extracomment>cubic chain</extracomment><translatorcomment>generated from «чейн³»</translatorcomment><translation>чейн^3</translation></message>
<message><source>eScufm_Alternate1</source><extracomment>cubic fathom</extracomment><translation>куб. мор. саж.</translation></message>
<message><source>eScufm_Alternate2</source><extracomment>cubic fathom</extracomment><translatorcomment>generated from «мор. саж.³»</translatorcomment><translation>мор. саж.3</translation></message>
<message><source>eScufm_Alternate3</source><extracomment>cubic fathom</extracomment><translatorcomment>generated from «мор. саж.³»</translatorcomment><translation>мор. саж.^3</translation></message>
<message><source>eScufur_Alternate1</source><extracomment>cubic furlong</extracomment><translation>куб. фурлонг</translation></message>
<message><source>eScufur_Alternate2</source><extracomment>cubic furlong</extracomment><translatorcomment>generated from «фурлонг³»</translatorcomment><translation>фурлонг3</translation></message>
<message><source>eScufur_Alternate3</source><extracomment>cubic furlong</extracomment><translatorcomment>generated from «фурлонг³»</translatorcomment><translation>фурлонг^3</translation></message>
<message><source>eSGm3_Alternate1</source><extracomment>cubic gigameter</extracomment><translatorcomment>generated from «Гм³»</translatorcomment><translation>Гм3</translation></message>
<message><source>eSGm3_Alternate2</source><extracomment>cubic gigameter</extracomment><translatorcomment>generated from «Гм³»</translatorcomment><translation>Гм^3</translation></message>
<message><source>eScuNL_Alternate1</source><extracomment>cubic nautical league</extracomment><translation>куб. мор. лига</translation></message>
<message><source>eScuNL_Alternate2</source><extracomment>cubic nautical league</extracomment><translatorcomment>generated from «мор. лига³»</translatorcomment><translation>мор. лига3</translation></message>
<message><source>eScuNL_Alternate3</source><extracomment>cubic nautical league</extracomment><translatorcomment>generated from «мор. лига³»</translatorcomment><translation>мор. лига^3</translation></message>
<message><source>eSculea_Alternate1</source><extracomment>cubic league (statute)</extracomment><translation>куб. лига</translation></message>
<message><source>eSculea_Alternate2</source><extracomment>cubic league (statute)</extracomment><translatorcomment>generated from «лига³»</translatorcomment><translation>лига3</translation></message>
<message><source>eSculea_Alternate3</source><extracomment>cubic league (statute)</extracomment><translatorcomment>generated from «лига³»</translatorcomment><translation>лига^3</translation></message>
<message><source>eSculy_Alternate1</source><extracomment>cubic light-year</extracomment><translation>куб. св. год</translation></message>
<message><source>eSculy_Alternate2</source><extracomment>cubic light-year</extracomment><translatorcomment>generated from «св. год³»</translatorcomment><translation>св. год3</translation></message>
<message><source>eSculy_Alternate3</source><extracomment>cubic light-year</extracomment><translatorcomment>generated from «св. год³»</translatorcomment><translation>св. год^3</translation></message>
<message><source>eSculnk_Alternate1</source><extracomment>cubic link</extracomment><translation>куб. линк</translation></message>
<message><source>eSculnk_Alternate2</source><extracomment>cubic link</extracomment><translatorcomment>generated from «линк³»</translatorcomment><translation>линк3</translation></message>
<message><source>eSculnk_Alternate3</source><extracomment>cubic link</extracomment><translatorcomment>generated from «линк³»</translatorcomment><translation>линк^3</translation></message>
<message><source>eScumil_Alternate1</source><extracomment>cubic mil</extracomment><translation>куб. мил</translation></message>
<message><source>eScumil_Alternate2</source><extracomment>cubic mil</extracomment><translatorcomment>generated from «мил³»</translatorcomment><translation>мил3</translation></message>
<message><source>eScumil_Alternate3</source><extracomment>cubic mil</extracomment><translatorcomment>generated from «мил³»</translatorcomment><translation>мил^3</translation></message>
<message><source>eScuNM_Adm_Alternate1</source><extracomment>cubic mile (UK nautical)</extracomment><translation>куб. мор. миля (брит.)</translation></message>
<message><source>eScuNM_Adm_Alternate2</source><extracomment>cubic mile (UK nautical)</extracomment><translatorcomment>generated from «мор. миля³ (брит.)»</translatorcomment><translation>мор. миля3 (брит.)</translation></message>
<message><source>eScuNM_Adm_Alternate3</source><extracomment>cubic mile (UK nautical)</extracomment><translatorcomment>generated from «мор. миля³ (брит.)»</translatorcomment><translation>мор. миля^3 (брит.)</translation></message>
<message><source>eScumi_Alternate1</source><extracomment>cubic mile</extracomment><translation>куб. миля</translation></message>
<message><source>eScumi_Alternate2</source><extracomment>cubic mile</extracomment><translatorcomment>generated from «миля³»</translatorcomment><translation>миля3</translation></message>
<message><source>eScumi_Alternate3</source><extracomment>cubic mile</extracomment><translatorcomment>generated from «миля³»</translatorcomment><translation>миля^3</translation></message>
<message><source>eScuNM_Alternate1</source><extracomment>cubic nautical mile</extracomment><translation>куб. мор. миля</translation></message>
<message><source>eScuNM_Alternate2</source><extracomment>cubic nautical mile</extracomment><translatorcomment>generated from «мор. миля³»</translatorcomment><translation>мор. миля3</translation></message>
<message><source>eScuNM_Alternate3</source><extracomment>cubic nautical mile</extracomment><translatorcomment>generated from «мор. миля³»</translatorcomment><translation>мор. миля^3</translation></message>
<message><source>eScumi_Statute_Alternate1</source><extracomment>cubic mile (statute)</extracomment><translation>куб. миля (стат.)</translation></message>
<message><source>eScumi_Statute_Alternate2</source><extracomment>cubic mile (statute)</extracomment><translatorcomment>generated from «миля³ (стат.)»</translatorcomment><translation>миля3 (стат.)</translation></message>
<message><source>eScumi_Statute_Alternate3</source><extracomment>cubic mile (statute)</extracomment><translatorcomment>generated from «миля³ (стат.)»</translatorcomment><translation>миля^3 (стат.)</translation></message>
<message><source>eScupc_Alternate1</source><extracomment>cubic parsec</extracomment><translation>куб. пк</translation></message>
<message><source>eScupc_Alternate2</source><extracomment>cubic parsec</extracomment><translatorcomment>generated from «пк³»</translatorcomment><translation>пк3</translation></message>
<message><source>eScupc_Alternate3</source><extracomment>cubic parsec</extracomment><translatorcomment>generated from «пк³»</translatorcomment><translation>пк^3</translation></message>
<message><source>eScurd_Alternate1</source><extracomment>cubic perch</extracomment><translation>куб. род</translation></message>
<message><source>eScurd_Alternate2</source><extracomment>cubic perch</extracomment><translatorcomment>generated from «род³»</translatorcomment><translation>род3</translation></message>
<message><source>eScurd_Alternate3</source><extracomment>cubic perch</extracomment><translatorcomment>generated from «род³»</translatorcomment><translation>род^3</translation></message>
<message><source>eSCubicDecimeter_Name_Alternate1</source><extracomment>cubic decimeter</extracomment><translation>куб.дм</translation></message>
<message><source>eSdm3_Alternate1</source><extracomment>cubic decimeter</extracomment><translatorcomment>generated from «дм³»</translatorcomment><translation>дм3</translation></message>
<message><source>eSdm3_Alternate2</source><extracomment>cubic decimeter</extracomment><translatorcomment>generated from «дм³»</translatorcomment><translation>дм^3</translation></message>
<message><source>eSCubicKilometer_Name_Alternate1</source><extracomment>cubic kilometer</extracomment><translation>куб.км</translation></message>
<message><source>eSkm3_Alternate1</source><extracomment>cubic kilometer</extracomment><translatorcomment>generated from «км³»</translatorcomment><translation>км3</translation></message>
<message><source>eSkm3_Alternate2</source><extracomment>cubic kilometer</extracomment><translatorcomment>generated from «км³»</translatorcomment><translation>км^3</translation></message>
</context>
<context>
<name>UnitSymbol_Mass</name>
<message><source>eSKilogram_Name_Alternate3</source><extracomment>kilogram</extracomment><translation>килограммы</translation></message>
<message><source>eSGram_Name_Alternate3</source><extracomment>gram</extracomment><translation>граммы</translation></message>
<message><source>eSGram_Name_Alternate4</source><extracomment>gram</extracomment><translation>гр</translation></message>
<message><source>eSMegagram_Name_Alternate1</source><extracomment>megagram</extracomment><translation>т</translation></message>
<message><source>eSMegagram_Name_Alternate2</source><extracomment>megagram</extracomment><translation>тонна</translation></message>
<message><source>eSMegagram_Name_Alternate3</source><extracomment>megagram</extracomment><translation>тонны</translation></message>
<message><source>eSMegagram_Name_Alternate4</source><extracomment>megagram</extracomment><translation>тонн</translation></message>
<message><source>eSMegagram_Name_Alternate5</source><extracomment>megagram</extracomment><translation>тн</translation></message>
<message><source>eSPound_Name_Alternate3</source><extracomment>pound</extracomment><translation>фунты</translation></message>
<message><source>eSOunceAvoirdupois_Name_Alternate1</source><extracomment>ounce (avoirdupois)</extracomment><translation>унция</translation></message>
<message><source>eSOunceAvoirdupois_Name_Alternate2</source><extracomment>ounce (avoirdupois)</extracomment><translation>унции</translation></message>
<message><source>eSOunceAvoirdupois_Name_Alternate3</source><extracomment>ounce (avoirdupois)</extracomment><translation>унций</translation></message>
<message><source>eSOunceAvoirdupois_Name_Alternate4</source><extracomment>ounce (avoirdupois)</extracomment><translation>унц</translation></message>
</context>
<context>
<name>UnitSymbol_LinearWeight</name>
<message><source>eSKilogramPerMeter_Name_Alternate1</source><extracomment>kilogram per meter</extracomment><translation>кг/пог. м</translation></message>
<message><source>eSKilogramPerMeter_Name_Alternate2</source><extracomment>kilogram per meter</extracomment><translation>кг/п. м</translation></message>
</context>
<context>
<name>UnitSymbol_Angle</name>
<message><source>eSRadian_Name_Alternate2</source><extracomment>radian</extracomment><translation>радианы</translation></message>
<message><source>eSDegree_Name_Alternate3</source><extracomment>degree</extracomment><translation>градусы</translation></message>
<message><source>eSDegree_Name_Alternate4</source><extracomment>degree</extracomment><translation>град.</translation></message>
<message><source>eSGrad_Name_Alternate3</source><extracomment>grad</extracomment><translation>гоны</translation></message>
<message><source>eSAngleMinute_Name_Alternate1</source><extracomment>angle minute</extracomment><translation>угловой минуты</translation></message>
<message><source>eSAngleMinute_Name_Alternate3</source><extracomment>angle minute</extracomment><translation>угл. минут</translation></message>
<message><source>eSAngleSecond_Name_Alternate1</source><extracomment>angle second</extracomment><translation>угловой секунды</translation></message>
<message><source>eSAngleSecond_Name_Alternate3</source><extracomment>angle second</extracomment><translation>угл. секунд</translation></message>
<message><source>eSAngleSecond_Name_Alternate4</source><extracomment>angle second</extracomment><translation>угл. сек</translation></message>
</context>
<context>
<name>UnitSymbol_AreaDensity</name>
<message><source>eSgPersqm_Alternate1</source><extracomment>gram per square meter</extracomment><translatorcomment>generated from «г/м²»</translatorcomment><translation>г/м2</translation></message>
<message><source>eSgPersqm_Alternate2</source><extracomment>gram per square meter</extracomment><translatorcomment>generated from «г/м²»</translatorcomment><translation>г/м^2</translation></message>
<message><source>eSgPerin2_Alternate1</source><extracomment>gram per square inch</extracomment><translatorcomment>generated from «г/дюйм²»</translatorcomment><translation>г/дюйм2</translation></message>
<message><source>eSgPerin2_Alternate2</source><extracomment>gram per square inch</extracomment><translatorcomment>generated from «г/дюйм²»</translatorcomment><translation>г/дюйм^2</translation></message>
</context>
<context>
<name>UnitSymbol_PartsPer</name>
<message><source>eSPartPerMillion_Name_Alternate1</source><extracomment>part per million</extracomment><translation>млн-1</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCurrent</name>
<message><source>eSAmpere_Name_Alternate2</source><extracomment>ampere</extracomment><translation>амперов</translation></message>
<message><source>eSKiloampere_Name_Alternate2</source><extracomment>kiloampere</extracomment><translation>килоамперов</translation></message>
<message><source>eSMilliampere_Name_Alternate2</source><extracomment>milliampere</extracomment><translation>миллиамперов</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricCharge</name>
<message><source>eSAmpereHour_Name_Alternate1</source><extracomment>ampere hour</extracomment><translation>Ач</translation></message>
<message><source>eSAmpereHour_Name_Alternate2</source><extracomment>ampere hour</extracomment><translation>А*ч</translation></message>
<message><source>eSAmpereHour_Name_Alternate3</source><extracomment>ampere hour</extracomment><translation>А·час</translation></message>
<message><source>eSMilliampereHour_Name_Alternate1</source><extracomment>milliampere hour</extracomment><translation>мАч</translation></message>
<message><source>eSMilliampereHour_Name_Alternate2</source><extracomment>milliampere hour</extracomment><translation>мА*ч</translation></message>
</context>
<context>
<name>UnitSymbol_BitRate</name>
<message><source>eSBitPerSecond_Name_Alternate1</source><extracomment>bit per second</extracomment><translation>бит/сек</translation></message>
<message><source>eSKilobitPerSecond_Name_Alternate1</source><extracomment>kilobit per second</extracomment><translation>кбит/сек</translation></message>
<message><source>eSKilobitPerSecond_Name_Alternate2</source><extracomment>kilobit per second</extracomment><translation>Кбит/с</translation></message>
<message><source>eSMegabitPerSecond_Name_Alternate1</source><extracomment>megabit per second</extracomment><translation>Мбит/сек</translation></message>
<message><source>eSGigabitPerSecond_Name_Alternate1</source><extracomment>gigabit per second</extracomment><translation>Гбит/сек</translation></message>
<message><source>eSTerabitPerSecond_Name_Alternate1</source><extracomment>terabit per second</extracomment><translation>Тбит/сек</translation></message>
</context>
<context>
<name>UnitSymbol_Density</name>
<message><source>eSKilogramPerCubicMeter_Name_Alternate1</source><extracomment>kilogram per cubic meter</extracomment><translation>кг/куб.м</translation></message>
<message><source>eSkmPerm3_Alternate1</source><extracomment>kilogram per cubic meter</extracomment><translatorcomment>generated from «кг/м³»</translatorcomment><translation>кг/м3</translation></message>
<message><source>eSkmPerm3_Alternate2</source><extracomment>kilogram per cubic meter</extracomment><translatorcomment>generated from «кг/м³»</translatorcomment><translation>кг/м^3</translation></message>
</context>
<context>
<name>UnitSymbol_UnitWeight</name>
<message><source>eSNPerm3_Alternate1</source><extracomment>newton per cubic meter</extracomment><translatorcomment>generated from «Н/м³»</translatorcomment><translation>Н/м3</translation></message>
<message><source>eSNPerm3_Alternate2</source><extracomment>newton per cubic meter</extracomment><translatorcomment>generated from «Н/м³»</translatorcomment><translation>Н/м^3</translation></message>
<message><source>eSkNPerm3_Alternate1</source><extracomment>kilonewton per cubic meter</extracomment><translatorcomment>generated from «кН/м³»</translatorcomment><translation>кН/м3</translation></message>
<message><source>eSkNPerm3_Alternate2</source><extracomment>kilonewton per cubic meter</extracomment><translatorcomment>generated from «кН/м³»</translatorcomment><translation>кН/м^3</translation></message>
</context>
<context>
<name>UnitSymbol_Energy</name>
<message><source>eSKilocalorie_Name_Alternate3</source><extracomment>kilocalorie</extracomment><translation>Ккал</translation></message>
<message><source>eSBTU63F_Alternate1</source><extracomment>British thermal unit (63 degree F)</extracomment><translatorcomment>generated from «БТЕ (63 °F)»</translatorcomment><translation>БТЕ (63 ºF)</translation></message>
<message><source>eSBTU63F_Alternate2</source><extracomment>British thermal unit (63 degree F)</extracomment><translatorcomment>generated from «БТЕ (63 °F)»</translatorcomment><translation>БТЕ (63 ˚F)</translation></message>
<message><source>eSBTU60F_Alternate1</source><extracomment>British thermal unit (60 degree F)</extracomment><translatorcomment>generated from «БТЕ (60 °F)»</translatorcomment><translation>БТЕ (60 ºF)</translation></message>
<message><source>eSBTU60F_Alternate2</source><extracomment>British thermal unit (60 degree F)</extracomment><translatorcomment>generated from «БТЕ (60 °F)»</translatorcomment><translation>БТЕ (60 ˚F)</translation></message>
<message><source>eSBTU59F_Alternate1</source><extracomment>British thermal unit (59 degree F)</extracomment><translatorcomment>generated from «БТЕ (59 °F)»</translatorcomment><translation>БТЕ (59 ºF)</translation></message>
<message><source>eSBTU59F_Alternate2</source><extracomment>British thermal unit (59 degree F)</extracomment><translatorcomment>generated from «БТЕ (59 °F)»</translatorcomment><translation>БТЕ (59 ˚F)</translation></message>
<message><source>eSBTU39F_Alternate1</source><extracomment>British thermal unit (39 degree F)</extracomment><translatorcomment>generated from «БТЕ (39 °F)»</translatorcomment><translation>БТЕ (39 ºF)</translation></message>
<message><source>eSBTU39F_Alternate2</source><extracomment>British thermal unit (39 degree F)</extracomment><translatorcomment>generated from «БТЕ (39 °F)»</translatorcomment><translation>БТЕ (39 ˚F)</translation></message>
<message><source>eSKilowattHour_Name_Alternate1</source><extracomment>kilowatt hour</extracomment><translation>кВтч</translation></message>
<message><source>eSKilowattHour_Name_Alternate2</source><extracomment>kilowatt hour</extracomment><translation>кВт*ч</translation></message>
<message><source>eSKilowattHour_Name_Alternate3</source><extracomment>kilowatt hour</extracomment><translation>кВт.ч</translation></message>
<message><source>eSKilowattHour_Name_Alternate4</source><extracomment>kilowatt hour</extracomment><translation>кВт ч</translation></message>
<message><source>eSKilowattHour_Name_Alternate5</source><extracomment>kilowatt hour</extracomment><translation>кВт-ч</translation></message>
<message><source>eScal20C_Alternate1</source><extracomment>calorie (20 degree C)</extracomment><translatorcomment>generated from «кал (20 °C)»</translatorcomment><translation>кал (20 ºC)</translation></message>
<message><source>eScal20C_Alternate2</source><extracomment>calorie (20 degree C)</extracomment><translatorcomment>generated from «кал (20 °C)»</translatorcomment><translation>кал (20 ˚C)</translation></message>
<message><source>eScal15C_Alternate1</source><extracomment>calorie (15 degree C)</extracomment><translatorcomment>generated from «кал (15 °C)»</translatorcomment><translation>кал (15 ºC)</translation></message>
<message><source>eScal15C_Alternate2</source><extracomment>calorie (15 degree C)</extracomment><translatorcomment>generated from «кал (15 °C)»</translatorcomment><translation>кал (15 ˚C)</translation></message>
<message><source>eScal3Point98C_Alternate1</source><extracomment>calorie (3.98 degree C)</extracomment><translatorcomment>generated from «кал (3,98 °C)»</translatorcomment><translation>кал (3,98 ºC)</translation></message>
<message><source>eScal3Point98C_Alternate2</source><extracomment>calorie (3.98 degree C)</extracomment><translatorcomment>generated from «кал (3,98 °C)»</translatorcomment><translation>кал (3,98 ˚C)</translation></message>
</context>
<context>
<name>UnitSymbol_VolumetricFlowRate</name>
<message><source>eSCubicMeterPerSecond_Name_Alternate1</source><extracomment>cubic meter per second</extracomment><translation>м³/сек</translation></message>
<message><source>eSCubicMeterPerSecond_Name_Alternate2</source><extracomment>cubic meter per second</extracomment><translation>куб. м/сек</translation></message>
<message><source>eSCubicMeterPerSecond_Name_Alternate3</source><extracomment>cubic meter per second</extracomment><translatorcomment>generated from «м³/сек»</translatorcomment><translation>м3/сек</translation></message>
<message><source>eSCubicMeterPerSecond_Name_Alternate4</source><extracomment>cubic meter per second</extracomment><translatorcomment>generated from «м³/сек»</translatorcomment><translation>м^3/сек</translation></message>
<message><source>eSm3Pers_Alternate1</source><extracomment>cubic meter per second</extracomment><translatorcomment>generated from «м³/с»</translatorcomment><translation>м3/с</translation></message>
<message><source>eSm3Pers_Alternate2</source><extracomment>cubic meter per second</extracomment><translatorcomment>generated from «м³/с»</translatorcomment><translation>м^3/с</translation></message>
<message><source>eSLiterPerSecond_Name_Alternate1</source><extracomment>liter per second</extracomment><translation>л/сек</translation></message>
<message><source>eSLiterPerHour_Name_Alternate1</source><extracomment>liter per hour</extracomment><translation>л/час</translation></message>
<message><source>eScm3Permin_Alternate1</source><extracomment>cubic centimeter per minute</extracomment><translatorcomment>generated from «см³/мин»</translatorcomment><translation>см3/мин</translation></message>
<message><source>eScm3Permin_Alternate2</source><extracomment>cubic centimeter per minute</extracomment><translatorcomment>generated from «см³/мин»</translatorcomment><translation>см^3/мин</translation></message>
<message><source>eSft3Perh_Alternate1</source><extracomment>cubic foot per hour</extracomment><translatorcomment>generated from «фут³/ч»</translatorcomment><translation>фут3/ч</translation></message>
<message><source>eSft3Perh_Alternate2</source><extracomment>cubic foot per hour</extracomment><translatorcomment>generated from «фут³/ч»</translatorcomment><translation>фут^3/ч</translation></message>
<message><source>eSCubicFootPerMinute_Name_Alternate1</source><extracomment>cubic foot per minute</extracomment><translation>куб. футов в минуту</translation></message>
<message><source>eSft3Permin_Alternate1</source><extracomment>cubic foot per minute</extracomment><translatorcomment>generated from «фут³/мин»</translatorcomment><translation>фут3/мин</translation></message>
<message><source>eSft3Permin_Alternate2</source><extracomment>cubic foot per minute</extracomment><translatorcomment>generated from «фут³/мин»</translatorcomment><translation>фут^3/мин</translation></message>
<message><source>eSft3Pers_Alternate1</source><extracomment>cubic foot per second</extracomment><translatorcomment>generated from «фут³/с»</translatorcomment><translation>фут3/с</translation></message>
<message><source>eSft3Pers_Alternate2</source><extracomment>cubic foot per second</extracomment><translatorcomment>generated from «фут³/с»</translatorcomment><translation>фут^3/с</translation></message>
<message><source>eSin3Permin_Alternate1</source><extracomment>cubic inch per minute</extracomment><translatorcomment>generated from «дюйм³/мин»</translatorcomment><translation>дюйм3/мин</translation></message>
<message><source>eSin3Permin_Alternate2</source><extracomment>cubic inch per minute</extracomment><translatorcomment>generated from «дюйм³/мин»</translatorcomment><translation>дюйм^3/мин</translation></message>
<message><source>eSCubicMeterPerHour_Name_Alternate1</source><extracomment>cubic meter per hour</extracomment><translation>м³/час</translation></message>
<message><source>eSCubicMeterPerHour_Name_Alternate2</source><extracomment>cubic meter per hour</extracomment><translation>куб.м/ч</translation></message>
<message><source>eSCubicMeterPerHour_Name_Alternate3</source><extracomment>cubic meter per hour</extracomment><translation>куб. м/час</translation></message>
<message><source>eSCubicMeterPerHour_Name_Alternate4</source><extracomment>cubic meter per hour</extracomment><translation>кубометров в час</translation></message>
<message><source>eSCubicMeterPerHour_Name_Alternate5</source><extracomment>cubic meter per hour</extracomment><translatorcomment>generated from «м³/час»</translatorcomment><translation>м3/час</translation></message>
<message><source>eSCubicMeterPerHour_Name_Alternate6</source><extracomment>cubic meter per hour</extracomment><translatorcomment>generated from «м³/час»</translatorcomment><translation>м^3/час</translation></message>
<message><source>eSm3Perh_Alternate1</source><extracomment>cubic meter per hour</extracomment><translatorcomment>generated from «м³/ч»</translatorcomment><translation>м3/ч</translation></message>
<message><source>eSm3Perh_Alternate2</source><extracomment>cubic meter per hour</extracomment><translatorcomment>generated from «м³/ч»</translatorcomment><translation>м^3/ч</translation></message>
<message><source>eSm3Permin_Alternate1</source><extracomment>cubic meter per minute</extracomment><translatorcomment>generated from «м³/мин»</translatorcomment><translation>м3/мин</translation></message>
<message><source>eSm3Permin_Alternate2</source><extracomment>cubic meter per minute</extracomment><translatorcomment>generated from «м³/мин»</translatorcomment><translation>м^3/мин</translation></message>
<message><source>eScm3Pers_Alternate1</source><extracomment>cubic centimeter per second</extracomment><translatorcomment>generated from «см³/с»</translatorcomment><translation>см3/с</translation></message>
<message><source>eScm3Pers_Alternate2</source><extracomment>cubic centimeter per second</extracomment><translatorcomment>generated from «см³/с»</translatorcomment><translation>см^3/с</translation></message>
<message><source>eScm3Perh_Alternate1</source><extracomment>cubic centimeter per hour</extracomment><translatorcomment>generated from «см³/ч»</translatorcomment><translation>см3/ч</translation></message>
<message><source>eScm3Perh_Alternate2</source><extracomment>cubic centimeter per hour</extracomment><translatorcomment>generated from «см³/ч»</translatorcomment><translation>см^3/ч</translation></message>
<message><source>eSLiterPerDay_Name_Alternate1</source><extracomment>liter per day</extracomment><translation>л/сутки</translation></message>
<message><source>eSft3Perd_Alternate1</source><extracomment>cubic foot per day</extracomment><translatorcomment>generated from «фут³/сут»</translatorcomment><translation>фут3/сут</translation></message>
<message><source>eSft3Perd_Alternate2</source><extracomment>cubic foot per day</extracomment><translatorcomment>generated from «фут³/сут»</translatorcomment><translation>фут^3/сут</translation></message>
<message><source>eSCubicMeterPerDay_Name_Alternate1</source><extracomment>cubic meter per day</extracomment><translation>м³/сутки</translation></message>
<message><source>eSCubicMeterPerDay_Name_Alternate2</source><extracomment>cubic meter per day</extracomment><translatorcomment>generated from «м³/сутки»</translatorcomment><translation>м3/сутки</translation></message>
<message><source>eSCubicMeterPerDay_Name_Alternate3</source><extracomment>cubic meter per day</extracomment><translatorcomment>generated from «м³/сутки»</translatorcomment><translation>м^3/сутки</translation></message>
<message><source>eSm3Perd_Alternate1</source><extracomment>cubic meter per day</extracomment><translatorcomment>generated from «м³/сут»</translatorcomment><translation>м3/сут</translation></message>
<message><source>eSm3Perd_Alternate2</source><extracomment>cubic meter per day</extracomment><translatorcomment>generated from «м³/сут»</translatorcomment><translation>м^3/сут</translation></message>
<message><source>eSyd3Permin_Alternate1</source><extracomment>cubic yard per minute</extracomment><translatorcomment>generated from «ярд³/мин»</translatorcomment><translation>ярд3/мин</translation></message>
<message><source>eSyd3Permin_Alternate2</source><extracomment>cubic yard per minute</extracomment><translatorcomment>generated from «ярд³/мин»</translatorcomment><translation>ярд^3/мин</translation></message>
</context>
<context>
<name>UnitSymbol_MassFlowRate</name>
<message><source>eSKilogramPerSecond_Name_Alternate1</source><extracomment>kilogram per second</extracomment><translation>кг/сек</translation></message>
<message><source>eSKilogramPerHour_Name_Alternate1</source><extracomment>kilogram per hour</extracomment><translation>кг/час</translation></message>
<message><source>eSGramPerSecond_Name_Alternate1</source><extracomment>gram per second</extracomment><translation>г/сек</translation></message>
</context>
<context>
<name>UnitSymbol_Force</name>
<message><source>eSNewton_Name_Alternate3</source><extracomment>newton</extracomment><translation>ньютоны</translation></message>
<message><source>eSKilonewton_Name_Alternate3</source><extracomment>kilonewton</extracomment><translation>килоньютоны</translation></message>
<message><source>eSKilogramForce_Name_Alternate1</source><extracomment>kilogram-force</extracomment><translation>кГ</translation></message>
<message><source>eSKilogramForce_Name_Alternate3</source><extracomment>kilogram-force</extracomment><translation>килограммов-силы</translation></message>
<message><source>eSPoundForce_Name_Alternate2</source><extracomment>pound force</extracomment><translation>фунтов-силы</translation></message>
<message><source>eSPoundForce_Name_Alternate3</source><extracomment>pound force</extracomment><translation>фунт силы</translation></message>
<message><source>eSTonForce_Name_Alternate2</source><extracomment>ton force</extracomment><translation>тонны-силы</translation></message>
<message><source>eSTonForce_Name_Alternate3</source><extracomment>ton force</extracomment><translation>тонн-силы</translation></message>
</context>
<context>
<name>UnitSymbol_LinearForce</name>
<message><source>eSNewtonPerMeter_Name_Alternate1</source><extracomment>newton per meter</extracomment><translation>Н/пог. м</translation></message>
<message><source>eSKilogramForcePerMeter_Name_Alternate1</source><extracomment>kilogram force per meter</extracomment><translation>кгс/пог. м</translation></message>
<message><source>eSKilogramForcePerMeter_Name_Alternate2</source><extracomment>kilogram force per meter</extracomment><translation>кгс/п. м</translation></message>
<message><source>eSTonForcePerMeter_Name_Alternate1</source><extracomment>ton force per meter</extracomment><translation>тс/пог. м</translation></message>
<message><source>eSTonForcePerMeter_Name_Alternate2</source><extracomment>ton force per meter</extracomment><translation>тс/п. м</translation></message>
<message><source>eSKilonewtonPerMeter_Name_Alternate1</source><extracomment>kilonewton per meter</extracomment><translation>кН/пог. м</translation></message>
<message><source>eSKilonewtonPerMeter_Name_Alternate2</source><extracomment>kilonewton per meter</extracomment><translation>кН/п. м</translation></message>
</context>
<context>
<name>UnitSymbol_Frequency</name>
<message><source>eSHertz_Name_Alternate2</source><extracomment>hertz</extracomment><translation>герцев</translation></message>
<message><source>eSHertz_Name_Alternate3</source><extracomment>hertz</extracomment><translation>герцы</translation></message>
<message><source>eSKilohertz_Name_Alternate2</source><extracomment>kilohertz</extracomment><translation>килогерцев</translation></message>
<message><source>eSMegahertz_Name_Alternate2</source><extracomment>megahertz</extracomment><translation>мегагерцев</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate1</source><extracomment>revolution per minute</extracomment><translation>об/мин</translation></message>
<message><source>eSRevolutionPerMinute_Name_Alternate2</source><extracomment>revolution per minute</extracomment><translation>об./мин</translation></message>
</context>
<context>
<name>UnitSymbol_Power</name>
<message><source>eSWatt_Name_Alternate2</source><extracomment>watt</extracomment><translation>ваттов</translation></message>
<message><source>eSWatt_Name_Alternate3</source><extracomment>watt</extracomment><translation>ватты</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate1</source><extracomment>horsepower (metric)</extracomment><translation>л.с.</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate2</source><extracomment>horsepower (metric)</extracomment><translation>лс</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate3</source><extracomment>horsepower (metric)</extracomment><translation>л. с</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate4</source><extracomment>horsepower (metric)</extracomment><translation>лошадиных сил</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate5</source><extracomment>horsepower (metric)</extracomment><translation>лошадиной силы</translation></message>
<message><source>eSHorsepowerMetric_Name_Alternate6</source><extracomment>horsepower (metric)</extracomment><translation>лошадиные силы</translation></message>
<message><source>eSKilocaloriePerHour_Name_Alternate1</source><extracomment>kilocalorie per hour</extracomment><translation>ккал/час</translation></message>
<message><source>eSKilocaloriePerHour_Name_Alternate2</source><extracomment>kilocalorie per hour</extracomment><translation>Ккал/ч</translation></message>
<message><source>eSKilocaloriePerHour_Name_Alternate3</source><extracomment>kilocalorie per hour</extracomment><translation>Ккал/час</translation></message>
<message><source>eSKilowatt_Name_Alternate2</source><extracomment>kilowatt</extracomment><translation>киловаттов</translation></message>
<message><source>eSKilowatt_Name_Alternate3</source><extracomment>kilowatt</extracomment><translation>киловатты</translation></message>
<message><source>eSKilowatt_Name_Alternate4</source><extracomment>kilowatt</extracomment><translation>КВт</translation></message>
<message><source>eSMegawatt_Name_Alternate2</source><extracomment>megawatt</extracomment><translation>мегаваттов</translation></message>
<message><source>eSKilovoltAmpere_Name_Alternate1</source><extracomment>kilovolt ampere</extracomment><translation>кВА</translation></message>
<message><source>eSKilovoltAmpere_Name_Alternate2</source><extracomment>kilovolt ampere</extracomment><translation>кВ*А</translation></message>
<message><source>eSKilovoltAmpere_Name_Alternate4</source><extracomment>kilovolt ampere</extracomment><translation>киловольт-амперов</translation></message>
<message><source>eSBritishThermalUnitInternationalTablePerHour_Name_Alternate1</source><extracomment>British thermal unit (International Table) per hour</extracomment><translation>БТЕ/час</translation></message>
<message><source>eSGigawatt_Name_Alternate2</source><extracomment>gigawatt</extracomment><translation>гигаваттов</translation></message>
</context>
<context>
<name>UnitSymbol_PowerPerUnitOfVolume</name>
<message><source>eSWPerm3_Alternate1</source><extracomment>watt per cubic meter</extracomment><translatorcomment>generated from «Вт/м³»</translatorcomment><translation>Вт/м3</translation></message>
<message><source>eSWPerm3_Alternate2</source><extracomment>watt per cubic meter</extracomment><translatorcomment>generated from «Вт/м³»</translatorcomment><translation>Вт/м^3</translation></message>
<message><source>eSWPerft3_Alternate1</source><extracomment>watt per cubic foot</extracomment><translatorcomment>generated from «Вт/фут³»</translatorcomment><translation>Вт/фут3</translation></message>
<message><source>eSWPerft3_Alternate2</source><extracomment>watt per cubic foot</extracomment><translatorcomment>generated from «Вт/фут³»</translatorcomment><translation>Вт/фут^3</translation></message>
<message><source>eSBTUPerhft3_Alternate1</source><extracomment>British thermal unit per hour cubic foot</extracomment><translatorcomment>generated from «БТЕ/(ч·фут³)»</translatorcomment><translation>БТЕ/(ч·фут3)</translation></message>
<message><source>eSBTUPerhft3_Alternate2</source><extracomment>British thermal unit per hour cubic foot</extracomment><translatorcomment>generated from «БТЕ/(ч·фут³)»</translatorcomment><translation>БТЕ/(ч·фут^3)</translation></message>
</context>
<context>
<name>UnitSymbol_PowerPerUnitOfArea</name>
<message><source>eSWattPerSquareMeter_Name_Alternate1</source><extracomment>watt per square meter</extracomment><translation>Вт/кв.м</translation></message>
<message><source>eSWPerm2_Alternate1</source><extracomment>watt per square meter</extracomment><translatorcomment>generated from «Вт/м²»</translatorcomment><translation>Вт/м2</translation></message>
<message><source>eSWPerm2_Alternate2</source><extracomment>watt per square meter</extracomment><translatorcomment>generated from «Вт/м²»</translatorcomment><translation>Вт/м^2</translation></message>
<message><source>eSkWPerm2_Alternate1</source><extracomment>kilowatt per square meter</extracomment><translatorcomment>generated from «кВт/м²»</translatorcomment><translation>кВт/м2</translation></message>
<message><source>eSkWPerm2_Alternate2</source><extracomment>kilowatt per square meter</extracomment><translatorcomment>generated from «кВт/м²»</translatorcomment><translation>кВт/м^2</translation></message>
<message><source>eSkWPerft2_Alternate1</source><extracomment>kilowatt per square foot</extracomment><translatorcomment>generated from «кВт/фут²»</translatorcomment><translation>кВт/фут2</translation></message>
<message><source>eSkWPerft2_Alternate2</source><extracomment>kilowatt per square foot</extracomment><translatorcomment>generated from «кВт/фут²»</translatorcomment><translation>кВт/фут^2</translation></message>
<message><source>eSWPerft2_Alternate1</source><extracomment>watt per square foot</extracomment><translatorcomment>generated from «Вт/фут²»</translatorcomment><translation>Вт/фут2</translation></message>
<message><source>eSWPerft2_Alternate2</source><extracomment>watt per square foot</extracomment><translatorcomment>generated from «Вт/фут²»</translatorcomment><translation>Вт/фут^2</translation></message>
<message><source>eSBTUPerhPerft2_Alternate1</source><extracomment>British thermal unit per hour square foot</extracomment><translatorcomment>generated from «БТЕ/(ч·фут²)»</translatorcomment><translation>БТЕ/(ч·фут2)</translation></message>
<message><source>eSBTUPerhPerft2_Alternate2</source><extracomment>British thermal unit per hour square foot</extracomment><translatorcomment>generated from «БТЕ/(ч·фут²)»</translatorcomment><translation>БТЕ/(ч·фут^2)</translation></message>
</context>
<context>
<name>UnitSymbol_Pressure</name>
<message><source>eSBar_Name_Alternate2</source><extracomment>bar</extracomment><translation>баров</translation></message>
<message><source>eSkgPercm2_Alternate1</source><extracomment>kilogram per square centimeter</extracomment><translatorcomment>generated from «кг/см²»</translatorcomment><translation>кг/см2</translation></message>
<message><source>eSkgPercm2_Alternate2</source><extracomment>kilogram per square centimeter</extracomment><translatorcomment>generated from «кг/см²»</translatorcomment><translation>кг/см^2</translation></message>
<message><source>eSMillimeterOfMercury_Name_Alternate1</source><extracomment>millimeter of mercury</extracomment><translation>мм рт.ст.</translation></message>
<message><source>eSMillimeterOfMercury_Name_Alternate2</source><extracomment>millimeter of mercury</extracomment><translation>мм. рт. ст.</translation></message>
<message><source>eSMillimeterOfMercury_Name_Alternate3</source><extracomment>millimeter of mercury</extracomment><translation>мм рт ст</translation></message>
<message><source>eSlbfPerin2_Alternate1</source><extracomment>pound per square inch</extracomment><translatorcomment>generated from «фунт-сила/дюйм²»</translatorcomment><translation>фунт-сила/дюйм2</translation></message>
<message><source>eSlbfPerin2_Alternate2</source><extracomment>pound per square inch</extracomment><translatorcomment>generated from «фунт-сила/дюйм²»</translatorcomment><translation>фунт-сила/дюйм^2</translation></message>
<message><source>eSAtmosphereStandard_Name_Alternate1</source><extracomment>atmosphere (standard)</extracomment><translation>физ. атм</translation></message>
<message><source>eSAtmosphereMetric_Name_Alternate1</source><extracomment>atmosphere (metric)</extracomment><translation>техн. атм</translation></message>
<message><source>eSNewtonPerSquareMillimeter_Name_Alternate1</source><extracomment>newton per square millimeter</extracomment><translation>Н/кв.мм</translation></message>
<message><source>eSNPermm2_Alternate1</source><extracomment>newton per square millimeter</extracomment><translatorcomment>generated from «Н/мм²»</translatorcomment><translation>Н/мм2</translation></message>
<message><source>eSNPermm2_Alternate2</source><extracomment>newton per square millimeter</extracomment><translatorcomment>generated from «Н/мм²»</translatorcomment><translation>Н/мм^2</translation></message>
<message><source>eSNPerm2_Alternate1</source><extracomment>newton per square meter</extracomment><translatorcomment>generated from «Н/м²»</translatorcomment><translation>Н/м2</translation></message>
<message><source>eSNPerm2_Alternate2</source><extracomment>newton per square meter</extracomment><translatorcomment>generated from «Н/м²»</translatorcomment><translation>Н/м^2</translation></message>
<message><source>eSdaNPermm2_Alternate1</source><extracomment>decanewton per square millimeter</extracomment><translatorcomment>generated from «даН/мм²»</translatorcomment><translation>даН/мм2</translation></message>
<message><source>eSdaNPermm2_Alternate2</source><extracomment>decanewton per square millimeter</extracomment><translatorcomment>generated from «даН/мм²»</translatorcomment><translation>даН/мм^2</translation></message>
<message><source>eSdaNPerm2_Alternate1</source><extracomment>decanewton per square meter</extracomment><translatorcomment>generated from «даН/м²»</translatorcomment><translation>даН/м2</translation></message>
<message><source>eSdaNPerm2_Alternate2</source><extracomment>decanewton per square meter</extracomment><translatorcomment>generated from «даН/м²»</translatorcomment><translation>даН/м^2</translation></message>
<message><source>eSKilonewtonPerSquareMeter_Name_Alternate1</source><extracomment>kilonewton per square meter</extracomment><translation>кН/кв.м</translation></message>
<message><source>eSkNPerm2_Alternate1</source><extracomment>kilonewton per square meter</extracomment><translatorcomment>generated from «кН/м²»</translatorcomment><translation>кН/м2</translation></message>
<message><source>eSkNPerm2_Alternate2</source><extracomment>kilonewton per square meter</extracomment><translatorcomment>generated from «кН/м²»</translatorcomment><translation>кН/м^2</translation></message>
<message><source>eSMNPerm2_Alternate1</source><extracomment>meganewton per square meter</extracomment><translatorcomment>generated from «МН/м²»</translatorcomment><translation>МН/м2</translation></message>
<message><source>eSMNPerm2_Alternate2</source><extracomment>meganewton per square meter</extracomment><translatorcomment>generated from «МН/м²»</translatorcomment><translation>МН/м^2</translation></message>
<message><source>eSKilogramForcePerSquareMillimeter_Name_Alternate1</source><extracomment>kilogram force per square millimeter</extracomment><translation>кгс/мм²</translation></message>
<message><source>eSKilogramForcePerSquareMillimeter_Name_Alternate2</source><extracomment>kilogram force per square millimeter</extracomment><translation>кгс/кв. мм</translation></message>
<message><source>eSKilogramForcePerSquareMillimeter_Name_Alternate3</source><extracomment>kilogram force per square millimeter</extracomment><translatorcomment>generated from «кгс/мм²»</translatorcomment><translation>кгс/мм2</translation></message>
<message><source>eSKilogramForcePerSquareMillimeter_Name_Alternate4</source><extracomment>kilogram force per square millimeter</extracomment><translatorcomment>generated from «кгс/мм²»</translatorcomment><translation>кгс/мм^2</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate1</source><extracomment>kilogram force per square centimeter</extracomment><translation>кгс/см²</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate2</source><extracomment>kilogram force per square centimeter</extracomment><translation>кгс/кв. см</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate3</source><extracomment>kilogram force per square centimeter</extracomment><translation>кгс/кв.см</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate4</source><extracomment>kilogram force per square centimeter</extracomment><translatorcomment>generated from «кгс/см²»</translatorcomment><translation>кгс/см2</translation></message>
<message><source>eSKilogramForcePerSquareCentimeter_Name_Alternate5</source><extracomment>kilogram force per square centimeter</extracomment><translatorcomment>generated from «кгс/см²»</translatorcomment><translation>кгс/см^2</translation></message>
<message><source>eSKilogramForcePerSquareMeter_Name_Alternate1</source><extracomment>kilogram force per square meter</extracomment><translation>кгс/м²</translation></message>
<message><source>eSKilogramForcePerSquareMeter_Name_Alternate2</source><extracomment>kilogram force per square meter</extracomment><translation>кгс/кв. м</translation></message>
<message><source>eSKilogramForcePerSquareMeter_Name_Alternate3</source><extracomment>kilogram force per square meter</extracomment><translatorcomment>generated from «кгс/м²»</translatorcomment><translation>кгс/м2</translation></message>
<message><source>eSKilogramForcePerSquareMeter_Name_Alternate4</source><extracomment>kilogram force per square meter</extracomment><translatorcomment>generated from «кгс/м²»</translatorcomment><translation>кгс/м^2</translation></message>
<message><source>eSTonForcePerSquareCentimeter_Name_Alternate1</source><extracomment>ton force per square centimeter</extracomment><translation>тс/см²</translation></message>
<message><source>eSTonForcePerSquareCentimeter_Name_Alternate2</source><extracomment>ton force per square centimeter</extracomment><translatorcomment>generated from «тс/см²»</translatorcomment><translation>тс/см2</translation></message>
<message><source>eSTonForcePerSquareCentimeter_Name_Alternate3</source><extracomment>ton force per square centimeter</extracomment><translatorcomment>generated from «тс/см²»</translatorcomment><translation>тс/см^2</translation></message>
<message><source>eSTonForcePerSquareMeter_Name_Alternate1</source><extracomment>ton force per square meter</extracomment><translation>тс/м²</translation></message>
<message><source>eSTonForcePerSquareMeter_Name_Alternate2</source><extracomment>ton force per square meter</extracomment><translation>тс/кв. м</translation></message>
<message><source>eSTonForcePerSquareMeter_Name_Alternate3</source><extracomment>ton force per square meter</extracomment><translatorcomment>generated from «тс/м²»</translatorcomment><translation>тс/м2</translation></message>
<message><source>eSTonForcePerSquareMeter_Name_Alternate4</source><extracomment>ton force per square meter</extracomment><translatorcomment>generated from «тс/м²»</translatorcomment><translation>тс/м^2</translation></message>
<message><source>eSTonForcePerSquareFoot_Name_Alternate1</source><extracomment>ton force per square foot</extracomment><translation>тс/фут²</translation></message>
<message><source>eSTonForcePerSquareFoot_Name_Alternate2</source><extracomment>ton force per square foot</extracomment><translation>тс/кв. фут</translation></message>
<message><source>eSTonForcePerSquareFoot_Name_Alternate3</source><extracomment>ton force per square foot</extracomment><translatorcomment>generated from «тс/фут²»</translatorcomment><translation>тс/фут2</translation></message>
<message><source>eSTonForcePerSquareFoot_Name_Alternate4</source><extracomment>ton force per square foot</extracomment><translatorcomment>generated from «тс/фут²»</translatorcomment><translation>тс/фут^2</translation></message>
<message><source>eSKipPerSquareInch_Name_Alternate1</source><extracomment>kip per square inch</extracomment><translation>кип/дюйм²</translation></message>
<message><source>eSKipPerSquareInch_Name_Alternate2</source><extracomment>kip per square inch</extracomment><translation>кип/кв. дюйм</translation></message>
<message><source>eSKipPerSquareInch_Name_Alternate3</source><extracomment>kip per square inch</extracomment><translatorcomment>generated from «кип/дюйм²»</translatorcomment><translation>кип/дюйм2</translation></message>
<message><source>eSKipPerSquareInch_Name_Alternate4</source><extracomment>kip per square inch</extracomment><translatorcomment>generated from «кип/дюйм²»</translatorcomment><translation>кип/дюйм^2</translation></message>
<message><source>eSKipPerSquareFoot_Name_Alternate1</source><extracomment>kip per square foot</extracomment><translation>кип/фут²</translation></message>
<message><source>eSKipPerSquareFoot_Name_Alternate2</source><extracomment>kip per square foot</extracomment><translation>кип/кв. фут</translation></message>
<message><source>eSKipPerSquareFoot_Name_Alternate3</source><extracomment>kip per square foot</extracomment><translatorcomment>generated from «кип/фут²»</translatorcomment><translation>кип/фут2</translation></message>
<message><source>eSKipPerSquareFoot_Name_Alternate4</source><extracomment>kip per square foot</extracomment><translatorcomment>generated from «кип/фут²»</translatorcomment><translation>кип/фут^2</translation></message>
<message><source>eSPoundForcePerSquareFoot_Name_Alternate1</source><extracomment>pound force per square foot</extracomment><translation>фунт-сила/фут²</translation></message>
<message><source>eSPoundForcePerSquareFoot_Name_Alternate2</source><extracomment>pound force per square foot</extracomment><translation>фунт-сила/кв. фут</translation></message>
<message><source>eSPoundForcePerSquareFoot_Name_Alternate3</source><extracomment>pound force per square foot</extracomment><translatorcomment>generated from «фунт-сила/фут²»</translatorcomment><translation>фунт-сила/фут2</translation></message>
<message><source>eSPoundForcePerSquareFoot_Name_Alternate4</source><extracomment>pound force per square foot</extracomment><translatorcomment>generated from «фунт-сила/фут²»</translatorcomment><translation>фунт-сила/фут^2</translation></message>
</context>
<context>
<name>UnitSymbol_LinearForceScale</name>
<message><source>eSm2PerN_Alternate1</source><extracomment>square meter per newton</extracomment><translatorcomment>generated from «м²/Н»</translatorcomment><translation>м2/Н</translation></message>
<message><source>eSm2PerN_Alternate2</source><extracomment>square meter per newton</extracomment><translatorcomment>generated from «м²/Н»</translatorcomment><translation>м^2/Н</translation></message>
<message><source>eSm2PerkN_Alternate1</source><extracomment>square meter per kilonewton</extracomment><translatorcomment>generated from «м²/кН»</translatorcomment><translation>м2/кН</translation></message>
<message><source>eSm2PerkN_Alternate2</source><extracomment>square meter per kilonewton</extracomment><translatorcomment>generated from «м²/кН»</translatorcomment><translation>м^2/кН</translation></message>
<message><source>eSft2Perkip_Alternate1</source><extracomment>square foot per kip</extracomment><translatorcomment>generated from «фут²/кип»</translatorcomment><translation>фут2/кип</translation></message>
<message><source>eSft2Perkip_Alternate2</source><extracomment>square foot per kip</extracomment><translatorcomment>generated from «фут²/кип»</translatorcomment><translation>фут^2/кип</translation></message>
</context>
<context>
<name>UnitSymbol_AreaForceScale</name>
<message><source>eSm3PerN_Alternate1</source><extracomment>cubic meter per newton</extracomment><translatorcomment>generated from «м³/Н»</translatorcomment><translation>м3/Н</translation></message>
<message><source>eSm3PerN_Alternate2</source><extracomment>cubic meter per newton</extracomment><translatorcomment>generated from «м³/Н»</translatorcomment><translation>м^3/Н</translation></message>
<message><source>eSm3PerkN_Alternate1</source><extracomment>cubic meter per kilonewton</extracomment><translatorcomment>generated from «м³/кН»</translatorcomment><translation>м3/кН</translation></message>
<message><source>eSm3PerkN_Alternate2</source><extracomment>cubic meter per kilonewton</extracomment><translatorcomment>generated from «м³/кН»</translatorcomment><translation>м^3/кН</translation></message>
<message><source>eSft3Perkip_Alternate1</source><extracomment>cubic foot per kip</extracomment><translatorcomment>generated from «фут³/кип»</translatorcomment><translation>фут3/кип</translation></message>
<message><source>eSft3Perkip_Alternate2</source><extracomment>cubic foot per kip</extracomment><translatorcomment>generated from «фут³/кип»</translatorcomment><translation>фут^3/кип</translation></message>
</context>
<context>
<name>UnitSymbol_LinearMoment</name>
<message><source>eSNewtonMeterPerMeter_Name_Alternate1</source><extracomment>newton-meter per meter</extracomment><translation>Нм/м</translation></message>
<message><source>eSNewtonMeterPerMeter_Name_Alternate2</source><extracomment>newton-meter per meter</extracomment><translation>Н*м/м</translation></message>
<message><source>eSKilonewtonMeterPerMeter_Name_Alternate1</source><extracomment>kilonewton-meter per meter</extracomment><translation>кНм/м</translation></message>
<message><source>eSKilonewtonMeterPerMeter_Name_Alternate2</source><extracomment>kilonewton-meter per meter</extracomment><translation>кН*м/м</translation></message>
<message><source>eSKilonewtonMeterPerMeter_Name_Alternate3</source><extracomment>kilonewton-meter per meter</extracomment><translation>кН·м/пог. м</translation></message>
<message><source>eSKilogramForceMeterPerMeter_Name_Alternate1</source><extracomment>kilogram force-meter per meter</extracomment><translation>кгсм/м</translation></message>
<message><source>eSTonForceMeterPerMeter_Name_Alternate1</source><extracomment>ton force-meter per meter</extracomment><translation>тсм/м</translation></message>
<message><source>eSTonForceMeterPerMeter_Name_Alternate2</source><extracomment>ton force-meter per meter</extracomment><translation>тс*м/м</translation></message>
</context>
<context>
<name>UnitSymbol_ElectricalResistance</name>
<message><source>eSOhm_Name_Alternate1</source><extracomment>ohm</extracomment><translation>Ома</translation></message>
<message><source>eSOhm_Name_Alternate2</source><extracomment>ohm</extracomment><translation>Омов</translation></message>
<message><source>eSOhm_Name_Alternate4</source><extracomment>ohm</extracomment><translation>омов</translation></message>
<message><source>eSKilohm_Name_Alternate2</source><extracomment>kilohm</extracomment><translation>килоомов</translation></message>
<message><source>eSMegohm_Name_Alternate2</source><extracomment>megohm</extracomment><translation>мегаомов</translation></message>
</context>
<context>
<name>UnitSymbol_Velocity</name>
<message><source>eSMeterPerSecond_Name_Alternate1</source><extracomment>meter per second</extracomment><translation>м/сек</translation></message>
<message><source>eSMillimeterPerSecond_Name_Alternate1</source><extracomment>millimeter per second</extracomment><translation>мм/сек</translation></message>
<message><source>eSFootPerSecond_Name_Alternate1</source><extracomment>foot per second</extracomment><translation>фут/сек</translation></message>
<message><source>eSKilometerPerHour_Name_Alternate1</source><extracomment>kilometer per hour</extracomment><translation>км/час</translation></message>
<message><source>eSMilePerHour_Name_Alternate1</source><extracomment>mile per hour</extracomment><translation>миль/ч</translation></message>
<message><source>eSMilePerHour_Name_Alternate2</source><extracomment>mile per hour</extracomment><translation>миль/час</translation></message>
<message><source>eSKnot_Name_Alternate3</source><extracomment>knot</extracomment><translation>узлы</translation></message>
<message><source>eSKnot_Name_Alternate4</source><extracomment>knot</extracomment><translation>уз.</translation></message>
</context>
<context>
<name>UnitSymbol_ComputerStorage</name>
<message><source>eSByte_Name_Alternate2</source><extracomment>byte</extracomment><translation>байтов</translation></message>
<message><source>eSBit_Name_Alternate2</source><extracomment>bit</extracomment><translation>битов</translation></message>
<message><source>eSKilobyte_Name_Alternate1</source><extracomment>kilobyte</extracomment><translation>кбайт</translation></message>
<message><source>eSKilobyte_Name_Alternate3</source><extracomment>kilobyte</extracomment><translation>килобайтов</translation></message>
<message><source>eSMegabyte_Name_Alternate1</source><extracomment>megabyte</extracomment><translation>Мбайт</translation></message>
<message><source>eSMegabyte_Name_Alternate3</source><extracomment>megabyte</extracomment><translation>мегабайтов</translation></message>
<message><source>eSGigabyte_Name_Alternate1</source><extracomment>gigabyte</extracomment><translation>Гбайт</translation></message>
<message><source>eSGigabyte_Name_Alternate3</source><extracomment>gigabyte</extracomment><translation>гигабайтов</translation></message>
<message><source>eSTerabyte_Name_Alternate1</source><extracomment>terabyte</extracomment><translation>Тбайт</translation></message>
<message><source>eSTerabyte_Name_Alternate3</source><extracomment>terabyte</extracomment><translation>терабайтов</translation></message>
<message><source>eSKibibyte_Name_Alternate1</source><extracomment>kibibyte</extracomment><translation>Кбайт</translation></message>
</context>
<context>
<name>UnitSymbol_Temperature</name>
<message><source>eSKelvin_Name_Alternate3</source><extracomment>kelvin</extracomment><translation>°К</translation></message>
<message><source>eSKelvin_Name_Alternate4</source><extracomment>kelvin</extracomment><translatorcomment>generated from «°К»</translatorcomment><translation>ºК</translation></message>
<message><source>eSKelvin_Name_Alternate5</source><extracomment>kelvin</extracomment><translatorcomment>generated from «°К»</translatorcomment><translation>˚К</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate1</source><extracomment>degree Celsius</extracomment><translation>°С</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate2</source><extracomment>degree Celsius</extracomment><translation>° С</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate5</source><extracomment>degree Celsius</extracomment><translation>град. С</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate6</source><extracomment>degree Celsius</extracomment><translation>градус С</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate7</source><extracomment>degree Celsius</extracomment><translatorcomment>generated from «°С»</translatorcomment><translation>ºС</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate8</source><extracomment>degree Celsius</extracomment><translatorcomment>generated from «°С»</translatorcomment><translation>˚С</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate9</source><extracomment>degree Celsius</extracomment><translatorcomment>generated from «° С»</translatorcomment><translation>º С</translation></message>
<message><source>eSDegreeCelsius_Name_Alternate10</source><extracomment>degree Celsius</extracomment><translatorcomment>generated from «° С»</translatorcomment><translation>˚ С</translation></message>
</context>
<context>
<name>UnitSymbol_TemperatureRate</name>
<message><source>eSDegreeCPermin_Alternate1</source><extracomment>celsius per minute</extracomment><translatorcomment>generated from «°C/мин»</translatorcomment><translation>ºC/мин</translation></message>
<message><source>eSDegreeCPermin_Alternate2</source><extracomment>celsius per minute</extracomment><translatorcomment>generated from «°C/мин»</translatorcomment><translation>˚C/мин</translation></message>
<message><source>eSDegreeFPermin_Alternate1</source><extracomment>fahrenheit per minute</extracomment><translatorcomment>generated from «°F/мин»</translatorcomment><translation>ºF/мин</translation></message>
<message><source>eSDegreeFPermin_Alternate2</source><extracomment>fahrenheit per minute</extracomment><translatorcomment>generated from «°F/мин»</translatorcomment><translation>˚F/мин</translation></message>
</context>
<context>
<name>UnitSymbol_Time</name>
<message><source>eSSecond_Name_Alternate3</source><extracomment>second</extracomment><translation>сек.</translation></message>
<message><source>eSSecond_Name_Alternate4</source><extracomment>second</extracomment><translation>с.</translation></message>
<message><source>eSMillisecond_Name_Alternate3</source><extracomment>millisecond</extracomment><translation>мсек</translation></message>
<message><source>eSMicrosecond_Name_Alternate3</source><extracomment>microsecond</extracomment><translation>мксек</translation></message>
<message><source>eSMinute_Name_Alternate3</source><extracomment>minute</extracomment><translation>мин.</translation></message>
<message><source>eSHour_Name_Alternate3</source><extracomment>hour</extracomment><translation>часы</translation></message>
<message><source>eSHour_Name_Alternate4</source><extracomment>hour</extracomment><translation>ч.</translation></message>
<message><source>eSDay_Name_Alternate2</source><extracomment>day</extracomment><translation>сут.</translation></message>
<message><source>eSDay_Name_Alternate3</source><extracomment>day</extracomment><translation>дн</translation></message>
<message><source>eSDay_Name_Alternate4</source><extracomment>day</extracomment><translation>дн.</translation></message>
<message><source>eSDay_Name_Alternate5</source><extracomment>day</extracomment><translation>день</translation></message>
<message><source>eSDay_Name_Alternate6</source><extracomment>day</extracomment><translation>дня</translation></message>
<message><source>eSDay_Name_Alternate7</source><extracomment>day</extracomment><translation>дней</translation></message>
<message><source>eSWeek_Name_Alternate3</source><extracomment>week</extracomment><translation>нед.</translation></message>
<message><source>eSMonth_Name_Alternate3</source><extracomment>month</extracomment><translation>мес.</translation></message>
<message><source>eSYear_Name_Alternate3</source><extracomment>year</extracomment><translation>годы</translation></message>
</context>
<context>
<name>UnitSymbol_Torque</name>
<message><source>eSNewtonMeterTorque_Name_Alternate1</source><extracomment>newton meter (torque)</extracomment><translation>Нм</translation></message>
<message><source>eSNewtonMeterTorque_Name_Alternate2</source><extracomment>newton meter (torque)</extracomment><translation>Н*м</translation></message>
<message><source>eSNewtonMeterTorque_Name_Alternate3</source><extracomment>newton meter (torque)</extracomment><translation>Н.м</translation></message>
<message><source>eSNewtonMeterTorque_Name_Alternate4</source><extracomment>newton meter (torque)</extracomment><translation>ньютон-метра</translation></message>
<message><source>eSNewtonMeterTorque_Name_Alternate5</source><extracomment>newton meter (torque)</extracomment><translation>ньютон-метров</translation></message>
<message><source>eSNewtonCentimeterTorque_Name_Alternate1</source><extracomment>newton centimeter (torque)</extracomment><translation>Н·см</translation></message>
<message><source>eSNewtonCentimeterTorque_Name_Alternate2</source><extracomment>newton centimeter (torque)</extracomment><translation>Нсм</translation></message>
<message><source>eSFootPoundTorque_Name_Alternate1</source><extracomment>foot pound (torque)</extracomment><translation>фут·фунт</translation></message>
<message><source>eSFootPoundTorque_Name_Alternate2</source><extracomment>foot pound (torque)</extracomment><translation>фунт·фут</translation></message>
<message><source>eSDecanewtonMeterTorque_Name_Alternate1</source><extracomment>decanewton meter (torque)</extracomment><translation>даНм</translation></message>
<message><source>eSDecanewtonMeterTorque_Name_Alternate2</source><extracomment>decanewton meter (torque)</extracomment><translation>даН*м</translation></message>
<message><source>eSKilonewtonMeterTorque_Name_Alternate1</source><extracomment>kilonewton meter (torque)</extracomment><translation>кНм</translation></message>
<message><source>eSKilonewtonMeterTorque_Name_Alternate2</source><extracomment>kilonewton meter (torque)</extracomment><translation>кН*м</translation></message>
<message><source>eSKilonewtonMeterTorque_Name_Alternate3</source><extracomment>kilonewton meter (torque)</extracomment><translation>кН.м</translation></message>
<message><source>eSKilonewtonMeterTorque_Name_Alternate4</source><extracomment>kilonewton meter (torque)</extracomment><translation>килоньютон-метра</translation></message>
<message><source>eSKilonewtonMeterTorque_Name_Alternate5</source><extracomment>kilonewton meter (torque)</extracomment><translation>килоньютон-метров</translation></message>
<message><source>eSMeganewtonMeterTorque_Name_Alternate1</source><extracomment>meganewton meter (torque)</extracomment><translation>МНм</translation></message>
<message><source>eSMeganewtonMeterTorque_Name_Alternate2</source><extracomment>meganewton meter (torque)</extracomment><translation>МН*м</translation></message>
<message><source>eSKilogramForceMeterTorque_Name_Alternate1</source><extracomment>kilogram force meter (torque)</extracomment><translation>кгс·м</translation></message>
<message><source>eSKilogramForceMeterTorque_Name_Alternate2</source><extracomment>kilogram force meter (torque)</extracomment><translation>кгсм</translation></message>
<message><source>eSKilogramForceMeterTorque_Name_Alternate3</source><extracomment>kilogram force meter (torque)</extracomment><translation>кгс*м</translation></message>
<message><source>eSKilogramForceMeterTorque_Name_Alternate4</source><extracomment>kilogram force meter (torque)</extracomment><translation>кгс.м</translation></message>
<message><source>eSKilogramForceMeterTorque_Name_Alternate5</source><extracomment>kilogram force meter (torque)</extracomment><translation>кГм</translation></message>
<message><source>eSTonForceMeterTorque_Name_Alternate1</source><extracomment>ton force meter (torque)</extracomment><translation>тс·м</translation></message>
<message><source>eSTonForceMeterTorque_Name_Alternate2</source><extracomment>ton force meter (torque)</extracomment><translation>тсм</translation></message>
<message><source>eSTonForceMeterTorque_Name_Alternate3</source><extracomment>ton force meter (torque)</extracomment><translation>тс*м</translation></message>
<message><source>eSPoundForceFootTorque_Name_Alternate1</source><extracomment>pound force foot (torque)</extracomment><translation>фунт-сила·фут</translation></message>
</context>
<context>
<name>UnitSymbol_DynamicViscosity</name>
<message><source>eSPascalSecond_Name_Alternate1</source><extracomment>pascal second</extracomment><translation>Па*с</translation></message>
<message><source>eSPascalSecond_Name_Alternate2</source><extracomment>pascal second</extracomment><translation>Пас</translation></message>
</context>
<context>
<name>UnitSymbol_Acceleration</name>
<message><source>eSMeterPerSecondSquared_Name_Alternate1</source><extracomment>meter per second squared</extracomment><translation>м/сек²</translation></message>
<message><source>eSMeterPerSecondSquared_Name_Alternate2</source><extracomment>meter per second squared</extracomment><translatorcomment>generated from «м/сек²»</translatorcomment><translation>м/сек2</translation></message>
<message><source>eSMeterPerSecondSquared_Name_Alternate3</source><extracomment>meter per second squared</extracomment><translatorcomment>generated from «м/сек²»</translatorcomment><translation>м/сек^2</translation></message>
<message><source>eSmPers2_Alternate1</source><extracomment>meter per second squared</extracomment><translatorcomment>generated from «м/с²»</translatorcomment><translation>м/с2</translation></message>
<message><source>eSmPers2_Alternate2</source><extracomment>meter per second squared</extracomment><translatorcomment>generated from «м/с²»</translatorcomment><translation>м/с^2</translation></message>
<message><source>eSftPers2_Alternate1</source><extracomment>foot per second squared</extracomment><translatorcomment>generated from «фут/с²»</translatorcomment><translation>фут/с2</translation></message>
<message><source>eSftPers2_Alternate2</source><extracomment>foot per second squared</extracomment><translatorcomment>generated from «фут/с²»</translatorcomment><translation>фут/с^2</translation></message>
</context>
<context>
<name>UnitSymbol_Voltage</name>
<message><source>eSVolt_Name_Alternate3</source><extracomment>volt</extracomment><translation>вольты</translation></message>
<message><source>eSKilovolt_Name_Alternate3</source><extracomment>kilovolt</extracomment><translation>киловольты</translation></message>
</context>
<context>
<name>UnitSymbol_Illuminance</name>
<message><source>eSLuxIlluminance_Name_Alternate1</source><extracomment>Lux (Illuminance)</extracomment><translation>люкс</translation></message>
<message><source>eSLuxIlluminance_Name_Alternate2</source><extracomment>Lux (Illuminance)</extracomment><translation>люкса</translation></message>
<message><source>eSLuxIlluminance_Name_Alternate3</source><extracomment>Lux (Illuminance)</extracomment><translation>люксов</translation></message>
<message><source>eSlmPerft2_Alternate1</source><extracomment>footcandle</extracomment><translatorcomment>generated from «лм/фут²»</translatorcomment><translation>лм/фут2</translation></message>
<message><source>eSlmPerft2_Alternate2</source><extracomment>footcandle</extracomment><translatorcomment>generated from «лм/фут²»</translatorcomment><translation>лм/фут^2</translation></message>
</context>
<context>
<name>UnitSymbol_Luminance</name>
<message><source>eScdPerm2_Alternate1</source><extracomment>candela per square meter</extracomment><translatorcomment>generated from «кд/м²»</translatorcomment><translation>кд/м2</translation></message>
<message><source>eScdPerm2_Alternate2</source><extracomment>candela per square meter</extracomment><translatorcomment>generated from «кд/м²»</translatorcomment><translation>кд/м^2</translation></message>
<message><source>eScdPerft2_Alternate1</source><extracomment>candela per square foot</extracomment><translatorcomment>generated from «кд/фут²»</translatorcomment><translation>кд/фут2</translation></message>
<message><source>eScdPerft2_Alternate2</source><extracomment>candela per square foot</extracomment><translatorcomment>generated from «кд/фут²»</translatorcomment><translation>кд/фут^2</translation></message>
</context>
<context>
<name>UnitSymbol_LuminousEmittance</name>
<message><source>eSlx_LE_Alternate1</source><extracomment>lux (emittance)</extracomment><translatorcomment>generated from «лм/м²»</translatorcomment><translation>лм/м2</translation></message>
<message><source>eSlx_LE_Alternate2</source><extracomment>lux (emittance)</extracomment><translatorcomment>generated from «лм/м²»</translatorcomment><translation>лм/м^2</translation></message>
</context>
<context>
<name>UnitSymbol_Friction</name>
<message><source>eSPascalPerMeter_Name_Alternate1</source><extracomment>pascal per meter</extracomment><translation>Па/пог. м</translation></message>
</context>
<context>
<name>UnitSymbol_HeatTransferCoefficient</name>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate1</source><extracomment>watt per square meter kelvin</extracomment><translation>Вт/м²·К</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate2</source><extracomment>watt per square meter kelvin</extracomment><translation>Вт/м²К</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate3</source><extracomment>watt per square meter kelvin</extracomment><translation>Вт/(м²*К)</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate4</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «Вт/м²·К»</translatorcomment><translation>Вт/м2·К</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate5</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «Вт/м²·К»</translatorcomment><translation>Вт/м^2·К</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate6</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «Вт/м²К»</translatorcomment><translation>Вт/м2К</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate7</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «Вт/м²К»</translatorcomment><translation>Вт/м^2К</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate8</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «Вт/(м²*К)»</translatorcomment><translation>Вт/(м2*К)</translation></message>
<message><source>eSWattPerSquareMeterKelvin_Name_Alternate9</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «Вт/(м²*К)»</translatorcomment><translation>Вт/(м^2*К)</translation></message>
<message><source>eSWPerm2K_Alternate1</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «Вт/(м²·К)»</translatorcomment><translation>Вт/(м2·К)</translation></message>
<message><source>eSWPerm2K_Alternate2</source><extracomment>watt per square meter kelvin</extracomment><translatorcomment>generated from «Вт/(м²·К)»</translatorcomment><translation>Вт/(м^2·К)</translation></message>
<message><source>eSBTUPerhsqftDegreeF_Alternate1</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «БТЕ/(ч·кв. фут·°F)»</translatorcomment><translation>БТЕ/(ч·кв. фут·ºF)</translation></message>
<message><source>eSBTUPerhsqftDegreeF_Alternate2</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «БТЕ/(ч·кв. фут·°F)»</translatorcomment><translation>БТЕ/(ч·кв. фут·˚F)</translation></message>
<message><source>eSBTUPerhft2DegreeF_Alternate1</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «БТЕ/(ч·фут²·°F)»</translatorcomment><translation>БТЕ/(ч·фут2·°F)</translation></message>
<message><source>eSBTUPerhft2DegreeF_Alternate2</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «БТЕ/(ч·фут²·°F)»</translatorcomment><translation>БТЕ/(ч·фут^2·°F)</translation></message>
<message><source>eSBTUPerhft2DegreeF_Alternate3</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «БТЕ/(ч·фут²·°F)»</translatorcomment><translation>БТЕ/(ч·фут²·ºF)</translation></message>
<message><source>eSBTUPerhft2DegreeF_Alternate4</source><extracomment>british thermal unit per hour square foot fahrenheit</extracomment><translatorcomment>generated from «БТЕ/(ч·фут²·°F)»</translatorcomment><translation>БТЕ/(ч·фут²·˚F)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDensity</name>
<message><source>eSm3Persm2_Alternate1</source><extracomment>cubic meter per second square meter</extracomment><translatorcomment>generated from «м³/(с·м²)»</translatorcomment><translation>м3/(с·м2)</translation></message>
<message><source>eSm3Persm2_Alternate2</source><extracomment>cubic meter per second square meter</extracomment><translatorcomment>generated from «м³/(с·м²)»</translatorcomment><translation>м^3/(с·м^2)</translation></message>
<message><source>eSft3Perminft2_Alternate1</source><extracomment>cubic foot per minute square foot</extracomment><translatorcomment>generated from «фут³/(мин·фут²)»</translatorcomment><translation>фут3/(мин·фут2)</translation></message>
<message><source>eSft3Perminft2_Alternate2</source><extracomment>cubic foot per minute square foot</extracomment><translatorcomment>generated from «фут³/(мин·фут²)»</translatorcomment><translation>фут^3/(мин·фут^2)</translation></message>
<message><source>eSLPersm2_Alternate1</source><extracomment>liter per second square meter</extracomment><translatorcomment>generated from «л/(с·м²)»</translatorcomment><translation>л/(с·м2)</translation></message>
<message><source>eSLPersm2_Alternate2</source><extracomment>liter per second square meter</extracomment><translatorcomment>generated from «л/(с·м²)»</translatorcomment><translation>л/(с·м^2)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDividedByVolume</name>
<message><source>eSm3Persm3_Alternate1</source><extracomment>cubic meter per second cubic meter</extracomment><translatorcomment>generated from «м³/(с·м³)»</translatorcomment><translation>м3/(с·м3)</translation></message>
<message><source>eSm3Persm3_Alternate2</source><extracomment>cubic meter per second cubic meter</extracomment><translatorcomment>generated from «м³/(с·м³)»</translatorcomment><translation>м^3/(с·м^3)</translation></message>
<message><source>eSft3Perminft3_Alternate1</source><extracomment>cubic foot per minute cubic foot</extracomment><translatorcomment>generated from «фут³/(мин·фут³)»</translatorcomment><translation>фут3/(мин·фут3)</translation></message>
<message><source>eSft3Perminft3_Alternate2</source><extracomment>cubic foot per minute cubic foot</extracomment><translatorcomment>generated from «фут³/(мин·фут³)»</translatorcomment><translation>фут^3/(мин·фут^3)</translation></message>
<message><source>eSLPersm3_Alternate1</source><extracomment>liter per second cubic meter</extracomment><translatorcomment>generated from «л/(с·м³)»</translatorcomment><translation>л/(с·м3)</translation></message>
<message><source>eSLPersm3_Alternate2</source><extracomment>liter per second cubic meter</extracomment><translatorcomment>generated from «л/(с·м³)»</translatorcomment><translation>л/(с·м^3)</translation></message>
</context>
<context>
<name>UnitSymbol_AirflowDividedByPower</name>
<message><source>eSm3PersW_Alternate1</source><extracomment>cubic meter per second watt</extracomment><translatorcomment>generated from «м³/(с·Вт)»</translatorcomment><translation>м3/(с·Вт)</translation></message>
<message><source>eSm3PersW_Alternate2</source><extracomment>cubic meter per second watt</extracomment><translatorcomment>generated from «м³/(с·Вт)»</translatorcomment><translation>м^3/(с·Вт)</translation></message>
<message><source>eScfmPerton_Alternate1</source><extracomment>cubic foot per minute ton of refrigeration</extracomment><translatorcomment>generated from «фут³/(мин·т хол.)»</translatorcomment><translation>фут3/(мин·т хол.)</translation></message>
<message><source>eScfmPerton_Alternate2</source><extracomment>cubic foot per minute ton of refrigeration</extracomment><translatorcomment>generated from «фут³/(мин·т хол.)»</translatorcomment><translation>фут^3/(мин·т хол.)</translation></message>
</context>
<context>
<name>UnitSymbol_AreaDividedByPower</name>
<message><source>eSm2PerW_Alternate1</source><extracomment>square meter per watt</extracomment><translatorcomment>generated from «м²/Вт»</translatorcomment><translation>м2/Вт</translation></message>
<message><source>eSm2PerW_Alternate2</source><extracomment>square meter per watt</extracomment><translatorcomment>generated from «м²/Вт»</translatorcomment><translation>м^2/Вт</translation></message>
<message><source>eSm2PerkW_Alternate1</source><extracomment>square meter per kilowatt</extracomment><translatorcomment>generated from «м²/кВт»</translatorcomment><translation>м2/кВт</translation></message>
<message><source>eSm2PerkW_Alternate2</source><extracomment>square meter per kilowatt</extracomment><translatorcomment>generated from «м²/кВт»</translatorcomment><translation>м^2/кВт</translation></message>
<message><source>eSft2PerkBTUPerh_Alternate1</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translatorcomment>generated from «фут²/(тыс. БТЕ/ч)»</translatorcomment><translation>фут2/(тыс. БТЕ/ч)</translation></message>
<message><source>eSft2PerkBTUPerh_Alternate2</source><extracomment>square foot per thousand british thermal unit per hour</extracomment><translatorcomment>generated from «фут²/(тыс. БТЕ/ч)»</translatorcomment><translation>фут^2/(тыс. БТЕ/ч)</translation></message>
</context>
<context>
<name>UnitSymbol_MomentScale</name>
<message><source>eSs2Permkg_Alternate1</source><extracomment>square second per meter kilogram</extracomment><translatorcomment>generated from «с²/(м·кг)»</translatorcomment><translation>с2/(м·кг)</translation></message>
<message><source>eSs2Permkg_Alternate2</source><extracomment>square second per meter kilogram</extracomment><translatorcomment>generated from «с²/(м·кг)»</translatorcomment><translation>с^2/(м·кг)</translation></message>
</context>
<context>
<name>UnitSymbol_CoefficientOfThermalExpansion</name>
<message><source>eSInverseCelsius_Name_Alternate1</source><extracomment>inverse celsius</extracomment><translation>°С⁻¹</translation></message>
<message><source>eSInverseCelsius_Name_Alternate2</source><extracomment>inverse celsius</extracomment><translatorcomment>generated from «°С⁻¹»</translatorcomment><translation>ºС⁻¹</translation></message>
<message><source>eSInverseCelsius_Name_Alternate3</source><extracomment>inverse celsius</extracomment><translatorcomment>generated from «°С⁻¹»</translatorcomment><translation>˚С⁻¹</translation></message>
</context>
</TS>
