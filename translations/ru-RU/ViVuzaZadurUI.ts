<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
<name>UnitGroup</name>
<message><source>Dimensionless</source><translation>Безразмерная величина</translation></message>
<message><source>Length</source><translation>Длина</translation></message>
<message><source>Area</source><translation>Площадь</translation></message>
<message><source>Volume</source><translation>Объем</translation></message>
<message><source>Mass</source><translation>Масса</translation></message>
<message><source>Linear Weight</source><translation>Погонная масса</translation></message>
<message><source>Amount of Substance</source><translation>Количество вещества</translation></message>
<message><source>Angle</source><translation>Угол</translation></message>
<message><source>Solid Angle</source><translation>Телесный угол</translation></message>
<message><source>Area Density</source><translation>Поверхностная плотность</translation></message>
<message><source>Concentration</source><translation>Массовая концентрация</translation></message>
<message><source>Parts-per</source><translation>Миллионные и миллиардные доли</translation></message>
<message><source>Electric Current</source><translation>Электрический ток</translation></message>
<message><source>Electric Charge</source><translation>Электрический заряд</translation></message>
<message><source>Capacitance</source><translation>Электрическая емкость</translation></message>
<message><source>Bit Rate</source><translation>Скорость передачи данных</translation></message>
<message><source>Density</source><translation>Плотность</translation></message>
<message><source>Unit Weight</source><translation>Удельный вес</translation></message>
<message><source>Energy</source><translation>Энергия</translation></message>
<message><source>Volumetric Flow Rate</source><translation>Объемный расход</translation></message>
<message><source>Mass Flow Rate</source><translation>Массовый расход</translation></message>
<message><source>Flow Rate per Stroke</source><translation>Подача за ход</translation></message>
<message><source>Force</source><translation>Сила</translation></message>
<message><source>Linear Force</source><translation>Погонная нагрузка</translation></message>
<message><source>Frequency</source><translation>Частота</translation></message>
<message><source>Inductance</source><translation>Индуктивность</translation></message>
<message><source>Magnetic Flux Density</source><translation>Магнитная индукция</translation></message>
<message><source>Magnetic Flux</source><translation>Магнитный поток</translation></message>
<message><source>Power</source><translation>Мощность</translation></message>
<message><source>Power per Unit of Volume</source><translation>Мощность на единицу объема</translation></message>
<message><source>Power per Unit of Mass</source><translation>Мощность на единицу массы</translation></message>
<message><source>Power per Unit of Area</source><translation>Мощность на единицу площади</translation></message>
<message><source>Pressure</source><translation>Давление</translation></message>
<message><source>Force Scale</source><translation>Масштаб сил</translation></message>
<message><source>Linear Force Scale</source><translation>Масштаб погонной нагрузки</translation></message>
<message><source>Area Force Scale</source><translation>Масштаб поверхностной нагрузки</translation></message>
<message><source>Linear Moment</source><translation>Погонный момент</translation></message>
<message><source>Electrical Resistance</source><translation>Электрическое сопротивление</translation></message>
<message><source>Electric Conductance</source><translation>Электрическая проводимость</translation></message>
<message><source>Velocity</source><translation>Скорость</translation></message>
<message><source>Computer Storage</source><translation>Объем информации</translation></message>
<message><source>Temperature</source><translation>Температура</translation></message>
<message><source>Temperature Rate</source><translation>Скорость изменения температуры</translation></message>
<message><source>Time</source><translation>Время</translation></message>
<message><source>Torque</source><translation>Крутящий момент</translation></message>
<message><source>Dynamic Viscosity</source><translation>Динамическая вязкость</translation></message>
<message><source>Kinematic Viscosity</source><translation>Кинематическая вязкость</translation></message>
<message><source>Acceleration</source><translation>Ускорение</translation></message>
<message><source>Voltage</source><translation>Электрическое напряжение</translation></message>
<message><source>Electric Potential</source><translation>Электрический потенциал</translation></message>
<message><source>Luminous Intensity</source><translation>Сила света</translation></message>
<message><source>Illuminance</source><translation>Освещенность</translation></message>
<message><source>Luminous Energy</source><translation>Световая энергия</translation></message>
<message><source>Luminous Flux</source><translation>Световой поток</translation></message>
<message><source>Luminance</source><translation>Яркость</translation></message>
<message><source>Luminous Emittance</source><translation>Светимость</translation></message>
<message><source>Luminous Efficacy</source><translation>Световая отдача</translation></message>
<message><source>Friction</source><translation>Удельные потери давления на трение</translation></message>
<message><source>Rotational Point Spring Coefficient</source><translation>Угловая жесткость точечной связи</translation></message>
<message><source>Rotational Line Spring Coefficient</source><translation>Угловая жесткость линейной связи</translation></message>
<message><source>Heat Transfer Coefficient</source><translation>Коэффициент теплопередачи</translation></message>
<message><source>Airflow Density</source><translation>Расход воздуха на единицу площади</translation></message>
<message><source>Airflow Divided by Volume</source><translation>Расход воздуха на единицу объема</translation></message>
<message><source>Airflow Divided by Power</source><translation>Расход воздуха на единицу мощности</translation></message>
<message><source>Area Divided by Power</source><translation>Площадь на единицу мощности</translation></message>
<message><source>Moment Scale</source><translation>Масштаб моментов</translation></message>
<message><source>Coefficient of Thermal Expansion</source><translation>Коэффициент теплового расширения</translation></message>
<message><source>Magnetic Field Intensity</source><translation>Напряженность магнитного поля</translation></message>
</context>
<context>
<name>NumberFormat</name>
<message><source>Exponential</source><translation>Экспоненциальный (E)</translation></message>
<message><source>exponential</source><translation>экспоненциальный (e)</translation></message>
<message><source>Fixed Point</source><translation>С фиксированной запятой</translation></message>
<message><source>General</source><translation>Общий (E)</translation></message>
<message><source>general</source><translation>общий (e)</translation></message>
<message><source>Number</source><translation>Числовой (с разделителями разрядов)</translation></message>
<message><source>Fraction</source><translation>Дробный</translation></message>
</context>
<context>
<name>UnitType</name>
<message><source>unitless</source><translation>без единицы измерения</translation></message>
<message><source>meter</source><translation>метр</translation></message>
<message><source>yottameter</source><translation>иоттаметр</translation></message>
<message><source>zettameter</source><translation>зеттаметр</translation></message>
<message><source>exameter</source><translation>эксаметр</translation></message>
<message><source>petameter</source><translation>петаметр</translation></message>
<message><source>terameter</source><translation>тераметр</translation></message>
<message><source>gigameter</source><translation>гигаметр</translation></message>
<message><source>megameter</source><translation>мегаметр</translation></message>
<message><source>kilometer</source><translation>километр</translation></message>
<message><source>hectometer</source><translation>гектометр</translation></message>
<message><source>decameter</source><translation>декаметр</translation></message>
<message><source>decimeter</source><translation>дециметр</translation></message>
<message><source>centimeter</source><translation>сантиметр</translation></message>
<message><source>millimeter</source><translation>миллиметр</translation></message>
<message><source>micrometer</source><translation>микрометр</translation></message>
<message><source>nanometer</source><translation>нанометр</translation></message>
<message><source>picometer</source><translation>пикометр</translation></message>
<message><source>femtometer</source><translation>фемтометр</translation></message>
<message><source>attometer</source><translation>аттометр</translation></message>
<message><source>zeptometer</source><translation>зептометр</translation></message>
<message><source>yoctometer</source><translation>иоктометр</translation></message>
<message><source>inch</source><translation>дюйм</translation></message>
<message><source>foot</source><translation>фут</translation></message>
<message><source>foot (Benoit)</source><translation>фут (Бенуа)</translation></message>
<message><source>foot (Clarke's; Cape)</source><translation>фут (Кларка; капский)</translation></message>
<message><source>foot (Indian)</source><translation>фут (индийский)</translation></message>
<message><source>foot (Sear's)</source><translation>фут (Сирса)</translation></message>
<message><source>foot (U.S. Survey)</source><translation>фут (геодезический, США)</translation></message>
<message><source>yard</source><translation>ярд</translation></message>
<message><source>chain</source><translation>чейн</translation></message>
<message><source>chain (Ramsden's; Engineer's)</source><translation>чейн (Рамсдена; инженерный)</translation></message>
<message><source>furlong</source><translation>фурлонг</translation></message>
<message><source>mile</source><translation>миля</translation></message>
<message><source>geographical mile</source><translation>географическая миля</translation></message>
<message><source>mile (U.S. Survey)</source><translation>миля (геодезическая, США)</translation></message>
<message><source>nautical mile</source><translation>морская миля</translation></message>
<message><source>statute mile</source><translation>статутная миля</translation></message>
<message><source>nautical mile (admiralty)</source><translation>морская миля (адмиралтейская)</translation></message>
<message><source>micron</source><translation>микрон</translation></message>
<message><source>microinch</source><translation>микродюйм</translation></message>
<message><source>angstrom</source><translation>ангстрем</translation></message>
<message><source>astronomical unit</source><translation>астрономическая единица</translation></message>
<message><source>cable</source><translation>кабельтов</translation></message>
<message><source>cubit</source><translation>локоть</translation></message>
<message><source>fathom</source><translation>морская сажень</translation></message>
<message><source>hand</source><translation>хэнд</translation></message>
<message><source>light-year</source><translation>световой год</translation></message>
<message><source>span</source><translation>пядь</translation></message>
<message><source>span (cloth)</source><translation>пядь (для тканей)</translation></message>
<message><source>parsec</source><translation>парсек</translation></message>
<message><source>nautical league</source><translation>морская лига</translation></message>
<message><source>league</source><translation>лига</translation></message>
<message><source>mil</source><translation>мил</translation></message>
<message><source>mil (Sweden and Norway)</source><translation>миля (Швеция и Норвегия)</translation></message>
<message><source>link</source><translation>линк</translation></message>
<message><source>link (Ramsden's; Engineer's)</source><translation>линк (Рамсдена; инженерный)</translation></message>
<message><source>pace</source><translation>шаг</translation></message>
<message><source>palm</source><translation>ладонь</translation></message>
<message><source>rod</source><translation>род</translation></message>
<message><source>rope</source><translation>роуп</translation></message>
<message><source>skein</source><translation>скейн</translation></message>
<message><source>caliber</source><translation>калибр</translation></message>
<message><source>survey inch</source><translation>геодезический дюйм</translation></message>
<message><source>survey yard</source><translation>геодезический ярд</translation></message>
<message><source>survey rod</source><translation>геодезический род</translation></message>
<message><source>bolt</source><translation>болт</translation></message>
<message><source>square meter</source><translation>квадратный метр</translation></message>
<message><source>square inch</source><translation>квадратный дюйм</translation></message>
<message><source>square foot</source><translation>квадратный фут</translation></message>
<message><source>square yard</source><translation>квадратный ярд</translation></message>
<message><source>acre</source><translation>акр</translation></message>
<message><source>section</source><translation>секция</translation></message>
<message><source>township</source><translation>тауншип</translation></message>
<message><source>hectare</source><translation>гектар</translation></message>
<message><source>square kilometer</source><translation>квадратный километр</translation></message>
<message><source>square mile</source><translation>квадратная миля</translation></message>
<message><source>square centimeter</source><translation>квадратный сантиметр</translation></message>
<message><source>square millimeter</source><translation>квадратный миллиметр</translation></message>
<message><source>circular mil</source><translation>круговой мил</translation></message>
<message><source>kilo-circular mil</source><translation>тысяча круговых милов</translation></message>
<message><source>are</source><translation>ар</translation></message>
<message><source>barn</source><translation>барн</translation></message>
<message><source>centare</source><translation>сантиар</translation></message>
<message><source>square angstrom</source><translation>квадратный ангстрем</translation></message>
<message><source>square bolt</source><translation>квадратный болт</translation></message>
<message><source>square cable</source><translation>квадратный кабельтов</translation></message>
<message><source>square caliber</source><translation>квадратный калибр</translation></message>
<message><source>square cubit</source><translation>квадратный локоть</translation></message>
<message><source>square decimeter</source><translation>квадратный дециметр</translation></message>
<message><source>square fathom</source><translation>квадратная морская сажень</translation></message>
<message><source>square furlong</source><translation>квадратный фурлонг</translation></message>
<message><source>square gigameter</source><translation>квадратный гигаметр</translation></message>
<message><source>square hand</source><translation>квадратный хэнд</translation></message>
<message><source>square nautical league</source><translation>квадратная морская лига</translation></message>
<message><source>square league (statute)</source><translation>квадратная лига (статутная)</translation></message>
<message><source>square light-year</source><translation>квадратный световой год</translation></message>
<message><source>square link</source><translation>квадратный линк</translation></message>
<message><source>square micron</source><translation>квадратный микрон</translation></message>
<message><source>square mile (UK nautical)</source><translation>квадратная миля (британская морская)</translation></message>
<message><source>square mile (statute)</source><translation>квадратная миля (статутная)</translation></message>
<message><source>square millimicron</source><translation>квадратный миллимикрон</translation></message>
<message><source>square pace</source><translation>квадратный шаг</translation></message>
<message><source>square palm</source><translation>квадратная ладонь</translation></message>
<message><source>square parsec</source><translation>квадратный парсек</translation></message>
<message><source>square perch</source><translation>квадратный перч</translation></message>
<message><source>square rope</source><translation>квадратный роуп</translation></message>
<message><source>square skein</source><translation>квадратный скейн</translation></message>
<message><source>square span</source><translation>квадратная пядь</translation></message>
<message><source>square survey foot</source><translation>квадратный геодезический фут</translation></message>
<message><source>square chain</source><translation>квадратный чейн</translation></message>
<message><source>square mil</source><translation>квадратный мил</translation></message>
<message><source>square astronomical unit</source><translation>квадратная астрономическая единица</translation></message>
<message><source>survey acre</source><translation>геодезический акр</translation></message>
<message><source>square survey yard</source><translation>квадратный геодезический ярд</translation></message>
<message><source>board</source><translation>борд</translation></message>
<message><source>cord</source><translation>корд</translation></message>
<message><source>liter</source><translation>литр</translation></message>
<message><source>cubic centimeter</source><translation>кубический сантиметр</translation></message>
<message><source>tablespoon</source><translation>столовая ложка</translation></message>
<message><source>tablespoon (Canadian)</source><translation>столовая ложка (канадская)</translation></message>
<message><source>tablespoon (U.S.)</source><translation>столовая ложка (США)</translation></message>
<message><source>fluid ounce (imperial)</source><translation>жидкая унция (британская)</translation></message>
<message><source>fluid ounce (U.S.)</source><translation>жидкая унция (США)</translation></message>
<message><source>cup</source><translation>чашка</translation></message>
<message><source>cup (Canadian)</source><translation>чашка (канадская)</translation></message>
<message><source>cup (U.S.)</source><translation>чашка (США)</translation></message>
<message><source>quart (imperial)</source><translation>кварта (британская)</translation></message>
<message><source>quart (U.S. fluid)</source><translation>кварта (жидкая, США)</translation></message>
<message><source>quart (U.S. dry)</source><translation>кварта (сухая, США)</translation></message>
<message><source>gallon (imperial)</source><translation>галлон (британский)</translation></message>
<message><source>gallon (U.S. fluid; Wine)</source><translation>галлон (жидкий, США; винный)</translation></message>
<message><source>gallon (U.S. dry)</source><translation>галлон (сухой, США)</translation></message>
<message><source>beer gallon</source><translation>пивной галлон</translation></message>
<message><source>bushel (imperial)</source><translation>бушель (британский)</translation></message>
<message><source>bushel (U.S. dry level)</source><translation>бушель (сухой, США, без верха)</translation></message>
<message><source>bushel (U.S. dry heaped)</source><translation>бушель (сухой, США, с верхом)</translation></message>
<message><source>centiliter</source><translation>сантилитр</translation></message>
<message><source>cubic foot</source><translation>кубический фут</translation></message>
<message><source>cubic inch</source><translation>кубический дюйм</translation></message>
<message><source>cubic meter</source><translation>кубический метр</translation></message>
<message><source>cubic yard</source><translation>кубический ярд</translation></message>
<message><source>fluid dram</source><translation>жидкая драхма</translation></message>
<message><source>microliter</source><translation>микролитр</translation></message>
<message><source>milliliter</source><translation>миллилитр</translation></message>
<message><source>pint (imperial)</source><translation>пинта (британская)</translation></message>
<message><source>pint (U.S. fluid)</source><translation>пинта (жидкая, США)</translation></message>
<message><source>pint (U.S. dry)</source><translation>пинта (сухая, США)</translation></message>
<message><source>teaspoon</source><translation>чайная ложка</translation></message>
<message><source>teaspoon (Canadian)</source><translation>чайная ложка (канадская)</translation></message>
<message><source>teaspoon (U.S.)</source><translation>чайная ложка (США)</translation></message>
<message><source>teaspoon (imperial)</source><translation>чайная ложка (британская)</translation></message>
<message><source>cubic millimeter</source><translation>кубический миллиметр</translation></message>
<message><source>barrel (imperial)</source><translation>баррель (британский)</translation></message>
<message><source>barrel (petroleum)</source><translation>баррель (нефтяной)</translation></message>
<message><source>barrel (U.S. dry)</source><translation>баррель (сухой, США)</translation></message>
<message><source>barrel (U.S. fluid)</source><translation>баррель (жидкий, США)</translation></message>
<message><source>board-foot</source><translation>борд-фут</translation></message>
<message><source>decistere</source><translation>децистер</translation></message>
<message><source>dekaliter</source><translation>декалитр</translation></message>
<message><source>dekastere</source><translation>декастер</translation></message>
<message><source>dram</source><translation>жидкая драхма</translation></message>
<message><source>firkin</source><translation>фиркин</translation></message>
<message><source>cubic angstrom</source><translation>кубический ангстрем</translation></message>
<message><source>cubic astronomical unit</source><translation>кубическая астрономическая единица</translation></message>
<message><source>cubic bolt</source><translation>кубический болт</translation></message>
<message><source>cubic cable</source><translation>кубический кабельтов</translation></message>
<message><source>cubic caliber</source><translation>кубический калибр</translation></message>
<message><source>cubic chain</source><translation>кубический чейн</translation></message>
<message><source>cubic cubit</source><translation>кубический локоть</translation></message>
<message><source>cubic fathom</source><translation>кубическая морская сажень</translation></message>
<message><source>cubic furlong</source><translation>кубический фурлонг</translation></message>
<message><source>cubic gigameter</source><translation>кубический гигаметр</translation></message>
<message><source>cubic hand</source><translation>кубический хэнд</translation></message>
<message><source>cubic hectometer</source><translation>кубический гектометр</translation></message>
<message><source>cubic nautical league</source><translation>кубическая морская лига</translation></message>
<message><source>cubic league (statute)</source><translation>кубическая лига (статутная)</translation></message>
<message><source>cubic light-year</source><translation>кубический световой год</translation></message>
<message><source>cubic link</source><translation>кубический линк</translation></message>
<message><source>cubic mil</source><translation>кубический мил</translation></message>
<message><source>cubic mile (UK nautical)</source><translation>кубическая миля (британская морская)</translation></message>
<message><source>cubic mile</source><translation>кубическая миля</translation></message>
<message><source>cubic nautical mile</source><translation>кубическая морская миля</translation></message>
<message><source>cubic mile (statute)</source><translation>кубическая миля (статутная)</translation></message>
<message><source>cubic millimicron</source><translation>кубический миллимикрон</translation></message>
<message><source>cubic pace</source><translation>кубический шаг</translation></message>
<message><source>cubic palm</source><translation>кубическая ладонь</translation></message>
<message><source>cubic parsec</source><translation>кубический парсек</translation></message>
<message><source>cubic perch</source><translation>кубический перч</translation></message>
<message><source>cubic rope</source><translation>кубический роуп</translation></message>
<message><source>cubic skein</source><translation>кубический скейн</translation></message>
<message><source>cubic span</source><translation>кубическая пядь</translation></message>
<message><source>cubic survey foot</source><translation>кубический геодезический фут</translation></message>
<message><source>cubic decimeter</source><translation>кубический дециметр</translation></message>
<message><source>tun</source><translation>тан (винная бочка)</translation></message>
<message><source>peck</source><translation>пек</translation></message>
<message><source>peck (U.S. dry)</source><translation>пек (сухой, США)</translation></message>
<message><source>peck (imperial)</source><translation>пек (британский)</translation></message>
<message><source>minim (imperial)</source><translation>миним (британский)</translation></message>
<message><source>minim (U.S.)</source><translation>миним (США)</translation></message>
<message><source>kiloliter</source><translation>килолитр</translation></message>
<message><source>hogshead (U.S.)</source><translation>хогсхед (США)</translation></message>
<message><source>hogshead (imperial)</source><translation>хогсхед (британский)</translation></message>
<message><source>gill (imperial)</source><translation>джилл (британский)</translation></message>
<message><source>gill (U.S.)</source><translation>джилл (США)</translation></message>
<message><source>cubic survey yard</source><translation>кубический геодезический ярд</translation></message>
<message><source>cord-foot</source><translation>корд-фут</translation></message>
<message><source>cord (firewood)</source><translation>корд (для дров)</translation></message>
<message><source>register ton</source><translation>регистровая тонна</translation></message>
<message><source>acre-foot</source><translation>акр-фут</translation></message>
<message><source>acre-inch</source><translation>акр-дюйм</translation></message>
<message><source>hectoliter</source><translation>гектолитр</translation></message>
<message><source>megaliter</source><translation>мегалитр</translation></message>
<message><source>cubic kilometer</source><translation>кубический километр</translation></message>
<message><source>deciliter</source><translation>децилитр</translation></message>
<message><source>kilogram</source><translation>килограмм</translation></message>
<message><source>gram</source><translation>грамм</translation></message>
<message><source>yottagram</source><translation>иоттаграмм</translation></message>
<message><source>zettagram</source><translation>зеттаграмм</translation></message>
<message><source>exagram</source><translation>эксаграмм</translation></message>
<message><source>petagram</source><translation>петаграмм</translation></message>
<message><source>teragram</source><translation>тераграмм</translation></message>
<message><source>gigagram</source><translation>гигаграмм</translation></message>
<message><source>megagram</source><translation>мегаграмм</translation></message>
<message><source>hectogram</source><translation>гектограмм</translation></message>
<message><source>decagram</source><translation>декаграмм</translation></message>
<message><source>decigram</source><translation>дециграмм</translation></message>
<message><source>centigram</source><translation>сантиграмм</translation></message>
<message><source>milligram</source><translation>миллиграмм</translation></message>
<message><source>microgram</source><translation>микрограмм</translation></message>
<message><source>nanogram</source><translation>нанограмм</translation></message>
<message><source>picogram</source><translation>пикограмм</translation></message>
<message><source>femtogram</source><translation>фемтограмм</translation></message>
<message><source>attogram</source><translation>аттограмм</translation></message>
<message><source>zeptogram</source><translation>зептограмм</translation></message>
<message><source>yoctogram</source><translation>иоктограмм</translation></message>
<message><source>pound (meter)</source><translation>фунт (метрический)</translation></message>
<message><source>pound</source><translation>фунт</translation></message>
<message><source>pound (troy)</source><translation>фунт (тройский)</translation></message>
<message><source>ounce (avoirdupois)</source><translation>унция (эвердьюпойс)</translation></message>
<message><source>ounce (apothecary; troy)</source><translation>унция (аптекарская; тройская)</translation></message>
<message><source>stone</source><translation>стоун</translation></message>
<message><source>short ton</source><translation>короткая тонна</translation></message>
<message><source>long ton</source><translation>длинная тонна</translation></message>
<message><source>carat</source><translation>карат</translation></message>
<message><source>carat (metric)</source><translation>карат (метрический)</translation></message>
<message><source>dram (avoirdupois)</source><translation>драхма (эвердьюпойс)</translation></message>
<message><source>dram (apothecary; troy)</source><translation>драхма (аптекарская; тройская)</translation></message>
<message><source>pennyweight</source><translation>пеннивейт</translation></message>
<message><source>tael</source><translation>таэль</translation></message>
<message><source>tola</source><translation>тола</translation></message>
<message><source>long hundredweight</source><translation>длинный хандредвейт</translation></message>
<message><source>short hundredweight</source><translation>короткий хандредвейт</translation></message>
<message><source>grain</source><translation>гран</translation></message>
<message><source>pearl grain</source><translation>жемчужный гран</translation></message>
<message><source>dalton</source><translation>дальтон</translation></message>
<message><source>kilodalton</source><translation>килодальтон</translation></message>
<message><source>slug</source><translation>слаг</translation></message>
<message><source>kilogram per meter</source><translation>килограмм на метр</translation></message>
<message><source>pound per foot</source><translation>фунт на фут</translation></message>
<message><source>mole</source><translation>моль</translation></message>
<message><source>yottamole</source><translation>иоттамоль</translation></message>
<message><source>zettamole</source><translation>зеттамоль</translation></message>
<message><source>examole</source><translation>эксамоль</translation></message>
<message><source>petamole</source><translation>петамоль</translation></message>
<message><source>teramole</source><translation>терамоль</translation></message>
<message><source>gigamole</source><translation>гигамоль</translation></message>
<message><source>megamole</source><translation>мегамоль</translation></message>
<message><source>kilomole</source><translation>киломоль</translation></message>
<message><source>hectomole</source><translation>гектомоль</translation></message>
<message><source>decamole</source><translation>декамоль</translation></message>
<message><source>decimole</source><translation>децимоль</translation></message>
<message><source>centimole</source><translation>сантимоль</translation></message>
<message><source>millimole</source><translation>миллимоль</translation></message>
<message><source>micromole</source><translation>микромоль</translation></message>
<message><source>nanomole</source><translation>наномоль</translation></message>
<message><source>picomole</source><translation>пикомоль</translation></message>
<message><source>femtomole</source><translation>фемтомоль</translation></message>
<message><source>attomole</source><translation>аттомоль</translation></message>
<message><source>zeptomole</source><translation>зептомоль</translation></message>
<message><source>yoctomole</source><translation>иоктомоль</translation></message>
<message><source>radian</source><translation>радиан</translation></message>
<message><source>degree</source><translation>градус</translation></message>
<message><source>milliradian</source><translation>миллирадиан</translation></message>
<message><source>grad</source><translation>гон</translation></message>
<message><source>angular mil (NATO)</source><translation>угловая тысячная (НАТО)</translation></message>
<message><source>angular mil (Sweden)</source><translation>угловая тысячная (Швеция)</translation></message>
<message><source>angular mil (USSR)</source><translation>угловая тысячная (СССР)</translation></message>
<message><source>angle minute</source><translation>угловая минута</translation></message>
<message><source>angle second</source><translation>угловая секунда</translation></message>
<message><source>milliarc second</source><translation>угловая миллисекунда</translation></message>
<message><source>steradian</source><translation>стерадиан</translation></message>
<message><source>gram per square meter</source><translation>грамм на квадратный метр</translation></message>
<message><source>gram per square inch</source><translation>грамм на квадратный дюйм</translation></message>
<message><source>nanogram per liter</source><translation>нанограмм на литр</translation></message>
<message><source>nanogram per deciliter</source><translation>нанограмм на децилитр</translation></message>
<message><source>nanogram per milliliter</source><translation>нанограмм на миллилитр</translation></message>
<message><source>nanogram per microliter</source><translation>нанограмм на микролитр</translation></message>
<message><source>milligram per deciliter</source><translation>миллиграмм на децилитр</translation></message>
<message><source>part per million</source><translation>миллионная доля</translation></message>
<message><source>part per billion</source><translation>миллиардная доля</translation></message>
<message><source>ampere</source><translation>ампер</translation></message>
<message><source>yottaampere</source><translation>иоттаампер</translation></message>
<message><source>zettaampere</source><translation>зеттаампер</translation></message>
<message><source>exaampere</source><translation>эксаампер</translation></message>
<message><source>petaampere</source><translation>петаампер</translation></message>
<message><source>teraampere</source><translation>тераампер</translation></message>
<message><source>gigaampere</source><translation>гигаампер</translation></message>
<message><source>megaampere</source><translation>мегаампер</translation></message>
<message><source>kiloampere</source><translation>килоампер</translation></message>
<message><source>hectoampere</source><translation>гектоампер</translation></message>
<message><source>decaampere</source><translation>декаампер</translation></message>
<message><source>deciampere</source><translation>дециампер</translation></message>
<message><source>centiampere</source><translation>сантиампер</translation></message>
<message><source>milliampere</source><translation>миллиампер</translation></message>
<message><source>microampere</source><translation>микроампер</translation></message>
<message><source>nanoampere</source><translation>наноампер</translation></message>
<message><source>picoampere</source><translation>пикоампер</translation></message>
<message><source>femtoampere</source><translation>фемтоампер</translation></message>
<message><source>attoampere</source><translation>аттоампер</translation></message>
<message><source>zeptoampere</source><translation>зептоампер</translation></message>
<message><source>yoctoampere</source><translation>иоктоампер</translation></message>
<message><source>coulomb</source><translation>кулон</translation></message>
<message><source>ampere hour</source><translation>ампер-час</translation></message>
<message><source>milliampere hour</source><translation>миллиампер-час</translation></message>
<message><source>faraday</source><translation>фарадей</translation></message>
<message><source>farad</source><translation>фарад</translation></message>
<message><source>yottafarad</source><translation>иоттафарад</translation></message>
<message><source>zettafarad</source><translation>зеттафарад</translation></message>
<message><source>exafarad</source><translation>эксафарад</translation></message>
<message><source>petafarad</source><translation>петафарад</translation></message>
<message><source>terafarad</source><translation>терафарад</translation></message>
<message><source>gigafarad</source><translation>гигафарад</translation></message>
<message><source>megafarad</source><translation>мегафарад</translation></message>
<message><source>kilofarad</source><translation>килофарад</translation></message>
<message><source>hectofarad</source><translation>гектофарад</translation></message>
<message><source>decafarad</source><translation>декафарад</translation></message>
<message><source>decifarad</source><translation>децифарад</translation></message>
<message><source>centifarad</source><translation>сантифарад</translation></message>
<message><source>millifarad</source><translation>миллифарад</translation></message>
<message><source>microfarad</source><translation>микрофарад</translation></message>
<message><source>nanofarad</source><translation>нанофарад</translation></message>
<message><source>picofarad</source><translation>пикофарад</translation></message>
<message><source>femtofarad</source><translation>фемтофарад</translation></message>
<message><source>attofarad</source><translation>аттофарад</translation></message>
<message><source>zeptofarad</source><translation>зептофарад</translation></message>
<message><source>yoctofarad</source><translation>иоктофарад</translation></message>
<message><source>kilopicofarad</source><translation>килопикофарад</translation></message>
<message><source>baud</source><translation>бод</translation></message>
<message><source>bit per second</source><translation>бит в секунду</translation></message>
<message><source>byte per second</source><translation>байт в секунду</translation></message>
<message><source>kilobaud</source><translation>килобод</translation></message>
<message><source>kilobit per second</source><translation>килобит в секунду</translation></message>
<message><source>kilobyte per second</source><translation>килобайт в секунду</translation></message>
<message><source>megabaud</source><translation>мегабод</translation></message>
<message><source>megabit per second</source><translation>мегабит в секунду</translation></message>
<message><source>megabyte per second</source><translation>мегабайт в секунду</translation></message>
<message><source>gigabit per second</source><translation>гигабит в секунду</translation></message>
<message><source>terabit per second</source><translation>терабит в секунду</translation></message>
<message><source>kilogram per cubic meter</source><translation>килограмм на кубический метр</translation></message>
<message><source>kilogram per liter</source><translation>килограмм на литр</translation></message>
<message><source>gram per liter</source><translation>грамм на литр</translation></message>
<message><source>microgram per milliliter</source><translation>микрограмм на миллилитр</translation></message>
<message><source>milligram per milliliter</source><translation>миллиграмм на миллилитр</translation></message>
<message><source>pound per gallon</source><translation>фунт на галлон</translation></message>
<message><source>ounce per gallon</source><translation>унция на галлон</translation></message>
<message><source>pound per cubic foot</source><translation>фунт на кубический фут</translation></message>
<message><source>pound per cubic inch</source><translation>фунт на кубический дюйм</translation></message>
<message><source>newton per cubic meter</source><translation>ньютон на кубический метр</translation></message>
<message><source>kilonewton per cubic meter</source><translation>килоньютон на кубический метр</translation></message>
<message><source>pound force per cubic foot</source><translation>фунт-сила на кубический фут</translation></message>
<message><source>kip per cubic inch</source><translation>кип на кубический дюйм</translation></message>
<message><source>kip per cubic foot</source><translation>кип на кубический фут</translation></message>
<message><source>joule</source><translation>джоуль</translation></message>
<message><source>calorie</source><translation>калория</translation></message>
<message><source>kilocalorie</source><translation>килокалория</translation></message>
<message><source>British thermal unit (thermochemical)</source><translation>британская тепловая единица (термохимическая)</translation></message>
<message><source>British thermal unit (ISO)</source><translation>британская тепловая единица (ИСО)</translation></message>
<message><source>British thermal unit (63 degree F)</source><translation>британская тепловая единица (63 °F)</translation></message>
<message><source>British thermal unit (60 degree F)</source><translation>британская тепловая единица (60 °F)</translation></message>
<message><source>British thermal unit (59 degree F)</source><translation>британская тепловая единица (59 °F)</translation></message>
<message><source>British thermal unit (International Table)</source><translation>британская тепловая единица (международная)</translation></message>
<message><source>British thermal unit (mean)</source><translation>британская тепловая единица (средняя)</translation></message>
<message><source>British thermal unit (39 degree F)</source><translation>британская тепловая единица (39 °F)</translation></message>
<message><source>kiloelectronvolt</source><translation>килоэлектронвольт</translation></message>
<message><source>megaelectronvolt</source><translation>мегаэлектронвольт</translation></message>
<message><source>electronvolt</source><translation>электронвольт</translation></message>
<message><source>erg</source><translation>эрг</translation></message>
<message><source>kilowatt hour</source><translation>киловатт-час</translation></message>
<message><source>kilowatt minute</source><translation>киловатт-минута</translation></message>
<message><source>kilowatt second</source><translation>киловатт-секунда</translation></message>
<message><source>therm (U.S.)</source><translation>терм (США)</translation></message>
<message><source>newton meter</source><translation>ньютон-метр</translation></message>
<message><source>decanewton meter</source><translation>деканьютон-метр</translation></message>
<message><source>kilonewton meter</source><translation>килоньютон-метр</translation></message>
<message><source>meganewton meter</source><translation>меганьютон-метр</translation></message>
<message><source>kilogram force meter</source><translation>килограмм-сила-метр</translation></message>
<message><source>kilogram force foot</source><translation>килограмм-сила-фут</translation></message>
<message><source>ton force foot</source><translation>тонна-сила-фут</translation></message>
<message><source>ton force meter</source><translation>тонна-сила-метр</translation></message>
<message><source>foot kilopound</source><translation>фут-килофунт</translation></message>
<message><source>foot pound force</source><translation>фут-фунт-сила</translation></message>
<message><source>calorie (20 degree C)</source><translation>калория (20 °C)</translation></message>
<message><source>calorie (thermochemical)</source><translation>калория (термохимическая)</translation></message>
<message><source>calorie (15 degree C)</source><translation>калория (15 °C)</translation></message>
<message><source>calorie (mean)</source><translation>калория (средняя)</translation></message>
<message><source>calorie (3.98 degree C)</source><translation>калория (3,98 °C)</translation></message>
<message><source>Therm (EC)</source><translation>терм (ЕС)</translation></message>
<message><source>kilojoule</source><translation>килоджоуль</translation></message>
<message><source>therm</source><translation>терм</translation></message>
<message><source>cubic meter per second</source><translation>кубический метр в секунду</translation></message>
<message><source>liter per second</source><translation>литр в секунду</translation></message>
<message><source>liter per minute</source><translation>литр в минуту</translation></message>
<message><source>liter per hour</source><translation>литр в час</translation></message>
<message><source>gallon per second</source><translation>галлон в секунду</translation></message>
<message><source>gallon per minute</source><translation>галлон в минуту</translation></message>
<message><source>gallon per hour</source><translation>галлон в час</translation></message>
<message><source>gallon per day</source><translation>галлон в сутки</translation></message>
<message><source>milliliter per minute</source><translation>миллилитр в минуту</translation></message>
<message><source>cubic centimeter per minute</source><translation>кубический сантиметр в минуту</translation></message>
<message><source>cubic foot per hour</source><translation>кубический фут в час</translation></message>
<message><source>cubic foot per minute</source><translation>кубический фут в минуту</translation></message>
<message><source>cubic foot per second</source><translation>кубический фут в секунду</translation></message>
<message><source>cubic inch per minute</source><translation>кубический дюйм в минуту</translation></message>
<message><source>cubic meter per hour</source><translation>кубический метр в час</translation></message>
<message><source>cubic meter per minute</source><translation>кубический метр в минуту</translation></message>
<message><source>cubic centimeter per second</source><translation>кубический сантиметр в секунду</translation></message>
<message><source>cubic centimeter per hour</source><translation>кубический сантиметр в час</translation></message>
<message><source>US gallon per hour</source><translation>галлон США в час</translation></message>
<message><source>US gallon per second</source><translation>галлон США в секунду</translation></message>
<message><source>Imp gallon per day</source><translation>британский галлон в сутки</translation></message>
<message><source>Imp gallon per hour</source><translation>британский галлон в час</translation></message>
<message><source>Imp gallon per minute</source><translation>британский галлон в минуту</translation></message>
<message><source>Imp gallon per second</source><translation>британский галлон в секунду</translation></message>
<message><source>Imp million gallon per day</source><translation>миллион британских галлонов в сутки</translation></message>
<message><source>liter per day</source><translation>литр в сутки</translation></message>
<message><source>million liter per day</source><translation>миллион литров в сутки</translation></message>
<message><source>US gallon per day</source><translation>галлон США в сутки</translation></message>
<message><source>US million gallon per day</source><translation>миллион галлонов США в сутки</translation></message>
<message><source>cubic foot per day</source><translation>кубический фут в сутки</translation></message>
<message><source>cubic meter per day</source><translation>кубический метр в сутки</translation></message>
<message><source>cubic yard per minute</source><translation>кубический ярд в минуту</translation></message>
<message><source>acre foot per day</source><translation>акр-фут в сутки</translation></message>
<message><source>acre foot per hour</source><translation>акр-фут в час</translation></message>
<message><source>acre foot per minute</source><translation>акр-фут в минуту</translation></message>
<message><source>acre inch per hour</source><translation>акр-дюйм в час</translation></message>
<message><source>acre inch per minute</source><translation>акр-дюйм в минуту</translation></message>
<message><source>cubic survey foot per second</source><translation>кубический геодезический фут в секунду</translation></message>
<message><source>kilogram per second</source><translation>килограмм в секунду</translation></message>
<message><source>kilogram per minute</source><translation>килограмм в минуту</translation></message>
<message><source>kilogram per hour</source><translation>килограмм в час</translation></message>
<message><source>gram per second</source><translation>грамм в секунду</translation></message>
<message><source>gram per minute</source><translation>грамм в минуту</translation></message>
<message><source>gram per hour</source><translation>грамм в час</translation></message>
<message><source>pound per second</source><translation>фунт в секунду</translation></message>
<message><source>pound per minute</source><translation>фунт в минуту</translation></message>
<message><source>pound per hour</source><translation>фунт в час</translation></message>
<message><source>pint per stroke</source><translation>пинта за ход</translation></message>
<message><source>quart per stroke</source><translation>кварта за ход</translation></message>
<message><source>newton</source><translation>ньютон</translation></message>
<message><source>yottanewton</source><translation>иоттаньютон</translation></message>
<message><source>zettanewton</source><translation>зеттаньютон</translation></message>
<message><source>exanewton</source><translation>эксаньютон</translation></message>
<message><source>petanewton</source><translation>петаньютон</translation></message>
<message><source>teranewton</source><translation>тераньютон</translation></message>
<message><source>giganewton</source><translation>гиганьютон</translation></message>
<message><source>meganewton</source><translation>меганьютон</translation></message>
<message><source>kilonewton</source><translation>килоньютон</translation></message>
<message><source>hectonewton</source><translation>гектоньютон</translation></message>
<message><source>decanewton</source><translation>деканьютон</translation></message>
<message><source>decinewton</source><translation>дециньютон</translation></message>
<message><source>centinewton</source><translation>сантиньютон</translation></message>
<message><source>millinewton</source><translation>миллиньютон</translation></message>
<message><source>micronewton</source><translation>микроньютон</translation></message>
<message><source>nanonewton</source><translation>наноньютон</translation></message>
<message><source>piconewton</source><translation>пиконьютон</translation></message>
<message><source>femtonewton</source><translation>фемтоньютон</translation></message>
<message><source>attonewton</source><translation>аттоньютон</translation></message>
<message><source>zeptonewton</source><translation>зептоньютон</translation></message>
<message><source>yoctonewton</source><translation>иоктоньютон</translation></message>
<message><source>kilopound</source><translation>килофунт</translation></message>
<message><source>kilogram-force</source><translation>килограмм-сила</translation></message>
<message><source>pound force</source><translation>фунт-сила</translation></message>
<message><source>kip</source><translation>кип</translation></message>
<message><source>ton force</source><translation>тонна-сила</translation></message>
<message><source>dyne</source><translation>дина</translation></message>
<message><source>lbforce</source><translation>фунт-сила (lbf)</translation></message>
<message><source>ounce force</source><translation>унция-сила</translation></message>
<message><source>newton per meter</source><translation>ньютон на метр</translation></message>
<message><source>kilopound per foot</source><translation>килофунт на фут</translation></message>
<message><source>kilogram force per meter</source><translation>килограмм-сила на метр</translation></message>
<message><source>ton force per meter</source><translation>тонна-сила на метр</translation></message>
<message><source>pound-force per foot</source><translation>фунт-сила на фут</translation></message>
<message><source>decanewton per meter</source><translation>деканьютон на метр</translation></message>
<message><source>kilonewton per meter</source><translation>килоньютон на метр</translation></message>
<message><source>meganewton per meter</source><translation>меганьютон на метр</translation></message>
<message><source>kip per foot</source><translation>кип на фут</translation></message>
<message><source>kip per inch</source><translation>кип на дюйм</translation></message>
<message><source>hertz</source><translation>герц</translation></message>
<message><source>kilohertz</source><translation>килогерц</translation></message>
<message><source>megahertz</source><translation>мегагерц</translation></message>
<message><source>gigahertz</source><translation>гигагерц</translation></message>
<message><source>terahertz</source><translation>терагерц</translation></message>
<message><source>cycle per second</source><translation>цикл в секунду</translation></message>
<message><source>revolution per minute</source><translation>оборот в минуту</translation></message>
<message><source>flash per second</source><translation>вспышка в секунду</translation></message>
<message><source>flash per minute</source><translation>вспышка в минуту</translation></message>
<message><source>henry</source><translation>генри</translation></message>
<message><source>nanohenry</source><translation>наногенри</translation></message>
<message><source>microhenry</source><translation>микрогенри</translation></message>
<message><source>millihenry</source><translation>миллигенри</translation></message>
<message><source>gauss</source><translation>гаусс</translation></message>
<message><source>milligauss</source><translation>миллигаусс</translation></message>
<message><source>tesla</source><translation>тесла</translation></message>
<message><source>gamma</source><translation>гамма</translation></message>
<message><source>weber</source><translation>вебер</translation></message>
<message><source>maxwell</source><translation>максвелл</translation></message>
<message><source>watt</source><translation>ватт</translation></message>
<message><source>horsepower (metric)</source><translation>лошадиная сила (метрическая)</translation></message>
<message><source>horsepower (European electrical)</source><translation>лошадиная сила (европейская электрическая)</translation></message>
<message><source>horsepower (Imperial mechanical)</source><translation>лошадиная сила (британская механическая)</translation></message>
<message><source>horsepower (Imperial electrical)</source><translation>лошадиная сила (британская электрическая)</translation></message>
<message><source>kilocalorie per hour</source><translation>килокалория в час</translation></message>
<message><source>kilowatt</source><translation>киловатт</translation></message>
<message><source>megawatt</source><translation>мегаватт</translation></message>
<message><source>microwatt</source><translation>микроватт</translation></message>
<message><source>volt ampere</source><translation>вольт-ампер</translation></message>
<message><source>millivolt ampere</source><translation>милливольт-ампер</translation></message>
<message><source>kilovolt ampere</source><translation>киловольт-ампер</translation></message>
<message><source>megavolt ampere</source><translation>мегавольт-ампер</translation></message>
<message><source>milliwatt</source><translation>милливатт</translation></message>
<message><source>kilogram force meter per second</source><translation>килограмм-сила-метр в секунду</translation></message>
<message><source>foot pound-force per second</source><translation>фут-фунт-сила в секунду</translation></message>
<message><source>calorie per second</source><translation>калория в секунду</translation></message>
<message><source>kilocalorie per second</source><translation>килокалория в секунду</translation></message>
<message><source>British thermal unit (International Table) per second</source><translation>британская тепловая единица (международная) в секунду</translation></message>
<message><source>British thermal unit (International Table) per hour</source><translation>британская тепловая единица (международная) в час</translation></message>
<message><source>million British thermal unit (International Table) per hour</source><translation>миллион британских тепловых единиц (международных) в час</translation></message>
<message><source>thousand British thermal unit (International Table) per hour</source><translation>тысяча британских тепловых единиц (международных) в час</translation></message>
<message><source>ton of refrigeration</source><translation>тонна холода</translation></message>
<message><source>gigawatt</source><translation>гигаватт</translation></message>
<message><source>watt per cubic meter</source><translation>ватт на кубический метр</translation></message>
<message><source>watt per cubic foot</source><translation>ватт на кубический фут</translation></message>
<message><source>British thermal unit per hour cubic foot</source><translation>британская тепловая единица в час на кубический фут</translation></message>
<message><source>watt per kilogram</source><translation>ватт на килограмм</translation></message>
<message><source>watt per square meter</source><translation>ватт на квадратный метр</translation></message>
<message><source>kilowatt per square meter</source><translation>киловатт на квадратный метр</translation></message>
<message><source>kilowatt per square foot</source><translation>киловатт на квадратный фут</translation></message>
<message><source>watt per square foot</source><translation>ватт на квадратный фут</translation></message>
<message><source>British thermal unit per hour square foot</source><translation>британская тепловая единица в час на квадратный фут</translation></message>
<message><source>bar</source><translation>бар</translation></message>
<message><source>bar absolute</source><translation>бар (абсолютное давление)</translation></message>
<message><source>bar gauge</source><translation>бар (избыточное давление)</translation></message>
<message><source>inch of mercury</source><translation>дюйм ртутного столба</translation></message>
<message><source>inch of water</source><translation>дюйм водяного столба</translation></message>
<message><source>kilobar</source><translation>килобар</translation></message>
<message><source>kilogram per square centimeter</source><translation>килограмм на квадратный сантиметр</translation></message>
<message><source>kilopascal</source><translation>килопаскаль</translation></message>
<message><source>kilopound per square inch</source><translation>килофунт на квадратный дюйм</translation></message>
<message><source>mega pascal</source><translation>мегапаскаль</translation></message>
<message><source>millibar</source><translation>миллибар</translation></message>
<message><source>millimeter of mercury</source><translation>миллиметр ртутного столба</translation></message>
<message><source>milli pascal</source><translation>миллипаскаль</translation></message>
<message><source>pascal</source><translation>паскаль</translation></message>
<message><source>pound per square inch (atmosphere)</source><translation>фунт на квадратный дюйм (абсолютное давление)</translation></message>
<message><source>pound per square inch (gauge)</source><translation>фунт на квадратный дюйм (избыточное давление)</translation></message>
<message><source>pound per square foot</source><translation>фунт на квадратный фут</translation></message>
<message><source>pound per square inch</source><translation>фунт на квадратный дюйм</translation></message>
<message><source>atmosphere (standard)</source><translation>атмосфера (физическая)</translation></message>
<message><source>atmosphere (metric)</source><translation>атмосфера (техническая)</translation></message>
<message><source>torr</source><translation>торр</translation></message>
<message><source>newton per square millimeter</source><translation>ньютон на квадратный миллиметр</translation></message>
<message><source>newton per square meter</source><translation>ньютон на квадратный метр</translation></message>
<message><source>decanewton per square millimeter</source><translation>деканьютон на квадратный миллиметр</translation></message>
<message><source>decanewton per square meter</source><translation>деканьютон на квадратный метр</translation></message>
<message><source>kilonewton per square meter</source><translation>килоньютон на квадратный метр</translation></message>
<message><source>meganewton per square meter</source><translation>меганьютон на квадратный метр</translation></message>
<message><source>kilopound per square foot</source><translation>килофунт на квадратный фут</translation></message>
<message><source>kilogram force per square millimeter</source><translation>килограмм-сила на квадратный миллиметр</translation></message>
<message><source>kilogram force per square centimeter</source><translation>килограмм-сила на квадратный сантиметр</translation></message>
<message><source>kilogram force per square meter</source><translation>килограмм-сила на квадратный метр</translation></message>
<message><source>ton force per square centimeter</source><translation>тонна-сила на квадратный сантиметр</translation></message>
<message><source>ton force per square meter</source><translation>тонна-сила на квадратный метр</translation></message>
<message><source>ton force per square foot</source><translation>тонна-сила на квадратный фут</translation></message>
<message><source>pound force per square inch</source><translation>фунт-сила на квадратный дюйм</translation></message>
<message><source>foot of water</source><translation>фут водяного столба</translation></message>
<message><source>kip per square inch</source><translation>кип на квадратный дюйм</translation></message>
<message><source>kip per square foot</source><translation>кип на квадратный фут</translation></message>
<message><source>pound force per square foot</source><translation>фунт-сила на квадратный фут</translation></message>
<message><source>hectopascal</source><translation>гектопаскаль</translation></message>
<message><source>meter per newton</source><translation>метр на ньютон</translation></message>
<message><source>meter per kilonewton</source><translation>метр на килоньютон</translation></message>
<message><source>foot per kip</source><translation>фут на кип</translation></message>
<message><source>square meter per newton</source><translation>квадратный метр на ньютон</translation></message>
<message><source>square meter per kilonewton</source><translation>квадратный метр на килоньютон</translation></message>
<message><source>square foot per kip</source><translation>квадратный фут на кип</translation></message>
<message><source>cubic meter per newton</source><translation>кубический метр на ньютон</translation></message>
<message><source>cubic meter per kilonewton</source><translation>кубический метр на килоньютон</translation></message>
<message><source>cubic foot per kip</source><translation>кубический фут на кип</translation></message>
<message><source>newton-meter per meter</source><translation>ньютон-метр на метр</translation></message>
<message><source>decanewton-meter per meter</source><translation>деканьютон-метр на метр</translation></message>
<message><source>kilonewton-meter per meter</source><translation>килоньютон-метр на метр</translation></message>
<message><source>meganewton-meter per meter</source><translation>меганьютон-метр на метр</translation></message>
<message><source>kip-foot per foot</source><translation>кип-фут на фут</translation></message>
<message><source>kilogram force-meter per meter</source><translation>килограмм-сила-метр на метр</translation></message>
<message><source>ton force-meter per meter</source><translation>тонна-сила-метр на метр</translation></message>
<message><source>pound-force foot per foot</source><translation>фунт-сила-фут на фут</translation></message>
<message><source>ohm</source><translation>ом</translation></message>
<message><source>kilohm</source><translation>килоом</translation></message>
<message><source>gigaohm</source><translation>гигаом</translation></message>
<message><source>megohm</source><translation>мегаом</translation></message>
<message><source>microohm</source><translation>микроом</translation></message>
<message><source>milliohm</source><translation>миллиом</translation></message>
<message><source>siemens</source><translation>сименс</translation></message>
<message><source>mho</source><translation>мо</translation></message>
<message><source>meter per second</source><translation>метр в секунду</translation></message>
<message><source>millimeter per second</source><translation>миллиметр в секунду</translation></message>
<message><source>centimeter per second</source><translation>сантиметр в секунду</translation></message>
<message><source>meter per minute</source><translation>метр в минуту</translation></message>
<message><source>inch per second</source><translation>дюйм в секунду</translation></message>
<message><source>foot per second</source><translation>фут в секунду</translation></message>
<message><source>inch per minute</source><translation>дюйм в минуту</translation></message>
<message><source>foot per minute</source><translation>фут в минуту</translation></message>
<message><source>kilometer per hour</source><translation>километр в час</translation></message>
<message><source>mile per hour</source><translation>миля в час</translation></message>
<message><source>centimeter per minute</source><translation>сантиметр в минуту</translation></message>
<message><source>foot per hour</source><translation>фут в час</translation></message>
<message><source>inch per hour</source><translation>дюйм в час</translation></message>
<message><source>kilometer per minute</source><translation>километр в минуту</translation></message>
<message><source>kilometer per second</source><translation>километр в секунду</translation></message>
<message><source>knot</source><translation>узел</translation></message>
<message><source>knot (UK)</source><translation>узел (британский)</translation></message>
<message><source>meter per hour</source><translation>метр в час</translation></message>
<message><source>mile per minute</source><translation>миля в минуту</translation></message>
<message><source>mile per second</source><translation>миля в секунду</translation></message>
<message><source>survey mile per hour</source><translation>геодезическая миля в час</translation></message>
<message><source>survey foot per second</source><translation>геодезический фут в секунду</translation></message>
<message><source>byte</source><translation>байт</translation></message>
<message><source>bit</source><translation>бит</translation></message>
<message><source>kilobyte</source><translation>килобайт</translation></message>
<message><source>megabyte</source><translation>мегабайт</translation></message>
<message><source>gigabyte</source><translation>гигабайт</translation></message>
<message><source>terabyte</source><translation>терабайт</translation></message>
<message><source>kibibyte</source><translation>кибибайт</translation></message>
<message><source>mebibyte</source><translation>мебибайт</translation></message>
<message><source>gibibyte</source><translation>гибибайт</translation></message>
<message><source>tebibyte</source><translation>тебибайт</translation></message>
<message><source>kilobit</source><translation>килобит</translation></message>
<message><source>megabit</source><translation>мегабит</translation></message>
<message><source>gigabit</source><translation>гигабит</translation></message>
<message><source>petabyte</source><translation>петабайт</translation></message>
<message><source>pebibyte</source><translation>пебибайт</translation></message>
<message><source>exabyte</source><translation>эксабайт</translation></message>
<message><source>exbibyte</source><translation>эксбибайт</translation></message>
<message><source>zettabyte</source><translation>зеттабайт</translation></message>
<message><source>zebibyte</source><translation>зебибайт</translation></message>
<message><source>yottabyte</source><translation>иоттабайт</translation></message>
<message><source>yobibyte</source><translation>иобибайт</translation></message>
<message><source>terabit</source><translation>терабит</translation></message>
<message><source>kelvin</source><translation>кельвин</translation></message>
<message><source>degree Celsius</source><translation>градус Цельсия</translation></message>
<message><source>degree Fahrenheit</source><translation>градус Фаренгейта</translation></message>
<message><source>degree Rankine</source><translation>градус Ранкина</translation></message>
<message><source>celsius per minute</source><translation>градус Цельсия в минуту</translation></message>
<message><source>fahrenheit per minute</source><translation>градус Фаренгейта в минуту</translation></message>
<message><source>second</source><translation>секунда</translation></message>
<message><source>yottasecond</source><translation>иоттасекунда</translation></message>
<message><source>zettasecond</source><translation>зеттасекунда</translation></message>
<message><source>exasecond</source><translation>эксасекунда</translation></message>
<message><source>petasecond</source><translation>петасекунда</translation></message>
<message><source>terasecond</source><translation>терасекунда</translation></message>
<message><source>gigasecond</source><translation>гигасекунда</translation></message>
<message><source>megasecond</source><translation>мегасекунда</translation></message>
<message><source>kilosecond</source><translation>килосекунда</translation></message>
<message><source>hectosecond</source><translation>гектосекунда</translation></message>
<message><source>decasecond</source><translation>декасекунда</translation></message>
<message><source>decisecond</source><translation>децисекунда</translation></message>
<message><source>centisecond</source><translation>сантисекунда</translation></message>
<message><source>millisecond</source><translation>миллисекунда</translation></message>
<message><source>microsecond</source><translation>микросекунда</translation></message>
<message><source>nanosecond</source><translation>наносекунда</translation></message>
<message><source>picosecond</source><translation>пикосекунда</translation></message>
<message><source>femtosecond</source><translation>фемтосекунда</translation></message>
<message><source>attosecond</source><translation>аттосекунда</translation></message>
<message><source>zeptosecond</source><translation>зептосекунда</translation></message>
<message><source>yoctosecond</source><translation>иоктосекунда</translation></message>
<message><source>minute</source><translation>минута</translation></message>
<message><source>hour</source><translation>час</translation></message>
<message><source>day</source><translation>сутки</translation></message>
<message><source>week</source><translation>неделя</translation></message>
<message><source>fortnight</source><translation>две недели</translation></message>
<message><source>month</source><translation>месяц</translation></message>
<message><source>month (hollow)</source><translation>месяц (неполный)</translation></message>
<message><source>month (full)</source><translation>месяц (полный)</translation></message>
<message><source>year</source><translation>год</translation></message>
<message><source>year (Gregorian)</source><translation>год (григорианский)</translation></message>
<message><source>year (Julian)</source><translation>год (юлианский)</translation></message>
<message><source>sidereal year</source><translation>звездный год</translation></message>
<message><source>tropical year</source><translation>тропический год</translation></message>
<message><source>annum</source><translation>год (365,25 сут)</translation></message>
<message><source>decade</source><translation>десятилетие</translation></message>
<message><source>century</source><translation>век</translation></message>
<message><source>century (Julian)</source><translation>век (юлианский)</translation></message>
<message><source>millenium</source><translation>тысячелетие</translation></message>
<message><source>millenium (Gregorian)</source><translation>тысячелетие (григорианское)</translation></message>
<message><source>millenium (Julian)</source><translation>тысячелетие (юлианское)</translation></message>
<message><source>newton meter (torque)</source><translation>ньютон-метр (момент)</translation></message>
<message><source>newton centimeter (torque)</source><translation>ньютон-сантиметр (момент)</translation></message>
<message><source>newton decameter (torque)</source><translation>ньютон-декаметр (момент)</translation></message>
<message><source>foot pound (torque)</source><translation>фут-фунт (момент)</translation></message>
<message><source>inch pound (torque)</source><translation>дюйм-фунт (момент)</translation></message>
<message><source>meter kilogram (torque)</source><translation>метр-килограмм (момент)</translation></message>
<message><source>centimeter kilogram (torque)</source><translation>сантиметр-килограмм (момент)</translation></message>
<message><source>inch ounce (torque)</source><translation>дюйм-унция (момент)</translation></message>
<message><source>gram centimeter (torque)</source><translation>грамм-сантиметр (момент)</translation></message>
<message><source>decanewton meter (torque)</source><translation>деканьютон-метр (момент)</translation></message>
<message><source>kilonewton meter (torque)</source><translation>килоньютон-метр (момент)</translation></message>
<message><source>meganewton meter (torque)</source><translation>меганьютон-метр (момент)</translation></message>
<message><source>kip foot (torque)</source><translation>кип-фут (момент)</translation></message>
<message><source>kilogram force meter (torque)</source><translation>килограмм-сила-метр (момент)</translation></message>
<message><source>ton force meter (torque)</source><translation>тонна-сила-метр (момент)</translation></message>
<message><source>pound force foot (torque)</source><translation>фунт-сила-фут (момент)</translation></message>
<message><source>poise</source><translation>пуаз</translation></message>
<message><source>centipoise</source><translation>сантипуаз</translation></message>
<message><source>pascal second</source><translation>паскаль-секунда</translation></message>
<message><source>pound mass per foot second</source><translation>фунт-масса на фут-секунду</translation></message>
<message><source>pound mass per foot hour</source><translation>фунт-масса на фут-час</translation></message>
<message><source>stoke</source><translation>стокс</translation></message>
<message><source>centistoke</source><translation>сантистокс</translation></message>
<message><source>meter per second squared</source><translation>метр на секунду в квадрате</translation></message>
<message><source>foot per second squared</source><translation>фут на секунду в квадрате</translation></message>
<message><source>survey foot per second squared</source><translation>геодезический фут на секунду в квадрате</translation></message>
<message><source>standard gravity</source><translation>нормальное ускорение свободного падения</translation></message>
<message><source>volt</source><translation>вольт</translation></message>
<message><source>kilovolt</source><translation>киловольт</translation></message>
<message><source>microvolt</source><translation>микровольт</translation></message>
<message><source>millivolt</source><translation>милливольт</translation></message>
<message><source>volt (electrical potential)</source><translation>вольт (электрический потенциал)</translation></message>
<message><source>abvolt</source><translation>абвольт</translation></message>
<message><source>statvolt</source><translation>статвольт</translation></message>
<message><source>candela</source><translation>кандела</translation></message>
<message><source>lumen per steradian</source><translation>люмен на стерадиан</translation></message>
<message><source>candlepower</source><translation>свеча</translation></message>
<message><source>Lux (Illuminance)</source><translation>люкс (освещенность)</translation></message>
<message><source>footcandle</source><translation>фут-свеча</translation></message>
<message><source>lumen second</source><translation>люмен-секунда</translation></message>
<message><source>talbots</source><translation>тальбот</translation></message>
<message><source>luminous power</source><translation>световая мощность</translation></message>
<message><source>lumen</source><translation>люмен</translation></message>
<message><source>candela per square meter</source><translation>кандела на квадратный метр</translation></message>
<message><source>foot lambert</source><translation>фут-ламберт</translation></message>
<message><source>candela per square foot</source><translation>кандела на квадратный фут</translation></message>
<message><source>lux (emittance)</source><translation>люкс (светимость)</translation></message>
<message><source>lumen per watt</source><translation>люмен на ватт</translation></message>
<message><source>pascal per meter</source><translation>паскаль на метр</translation></message>
<message><source>inch of water per 100foot</source><translation>дюйм водяного столба на 100 футов</translation></message>
<message><source>foot of water per 100foot</source><translation>фут водяного столба на 100 футов</translation></message>
<message><source>inch of mercury per 100foot</source><translation>дюйм ртутного столба на 100 футов</translation></message>
<message><source>millimeter of mercury per 100foot</source><translation>миллиметр ртутного столба на 100 футов</translation></message>
<message><source>newton meter per degree</source><translation>ньютон-метр на градус</translation></message>
<message><source>kip foot per degree</source><translation>кип-фут на градус</translation></message>
<message><source>kilonewton meter per degree</source><translation>килоньютон-метр на градус</translation></message>
<message><source>newton meter per degree per meter</source><translation>ньютон-метр на градус на метр</translation></message>
<message><source>kip foot per degree per foot</source><translation>кип-фут на градус на фут</translation></message>
<message><source>kilonewton meter per degree per meter</source><translation>килоньютон-метр на градус на метр</translation></message>
<message><source>watt per square meter kelvin</source><translation>ватт на квадратный метр-кельвин</translation></message>
<message><source>british thermal unit per hour square foot fahrenheit</source><translation>британская тепловая единица в час на квадратный фут-градус Фаренгейта</translation></message>
<message><source>cubic meter per second square meter</source><translation>кубический метр в секунду на квадратный метр</translation></message>
<message><source>cubic foot per minute square foot</source><translation>кубический фут в минуту на квадратный фут</translation></message>
<message><source>liter per second square meter</source><translation>литр в секунду на квадратный метр</translation></message>
<message><source>cubic meter per second cubic meter</source><translation>кубический метр в секунду на кубический метр</translation></message>
<message><source>cubic foot per minute cubic foot</source><translation>кубический фут в минуту на кубический фут</translation></message>
<message><source>liter per second cubic meter</source><translation>литр в секунду на кубический метр</translation></message>
<message><source>cubic meter per second watt</source><translation>кубический метр в секунду на ватт</translation></message>
<message><source>cubic foot per minute ton of refrigeration</source><translation>кубический фут в минуту на тонну холода</translation></message>
<message><source>liter per second kilowatt</source><translation>литр в секунду на киловатт</translation></message>
<message><source>square meter per watt</source><translation>квадратный метр на ватт</translation></message>
<message><source>square foot per ton of refrigeration</source><translation>квадратный фут на тонну холода</translation></message>
<message><source>square meter per kilowatt</source><translation>квадратный метр на киловатт</translation></message>
<message><source>square foot per thousand british thermal unit per hour</source><translation>квадратный фут на тысячу британских тепловых единиц в час</translation></message>
<message><source>square second per meter kilogram</source><translation>секунда в квадрате на метр-килограмм</translation></message>
<message><source>inverse kilonewton</source><translation>килоньютон в минус первой степени</translation></message>
<message><source>inverse kip</source><translation>кип в минус первой степени</translation></message>
<message><source>inverse fahrenheit</source><translation>градус Фаренгейта в минус первой степени</translation></message>
<message><source>inverse celsius</source><translation>градус Цельсия в минус первой степени</translation></message>
<message><source>oersted</source><translation>эрстед</translation></message>
<message><source>Ampere per meter</source><translation>ампер на метр</translation></message>
</context>
<context>
<name>ParseProblem</name>
<message><source>The text is a quantity.</source><translation>Текст является величиной.</translation></message>
<message><source>There is nothing to read.</source><translation>Нечего читать.</translation></message>
<message><source>There is no unit to read the text in.</source><translation>Нет единицы, в которой можно прочитать текст.</translation></message>
<message><source>“%1” is no number and no unit symbol.</source><translation>«%1» не является ни числом, ни обозначением единицы.</translation></message>
<message><source>Wrong kind of quantity: %2 instead of %3.</source><translation>Неверный род величины: %2 вместо %3.</translation></message>
<message><source>The unit “%1” has no number before it.</source><translation>Перед единицей «%1» нет числа.</translation></message>
<message><source>“%1” does not fit: a unit or a mark is missing.</source><translation>«%1» не подходит: не хватает единицы или знака.</translation></message>
<message><source>The operator “%1” has nothing to apply to.</source><translation>Оператору «%1» не к чему применяться.</translation></message>
<message><source>“%1” is no exponent: a power is a whole number from 1 to 64.</source><translation>«%1» не является показателем степени: степень — целое число от 1 до 64.</translation></message>
<message><source>The parenthesis “%1” has no partner, or parentheses nest too deep.</source><translation>У скобки «%1» нет пары, или скобки вложены слишком глубоко.</translation></message>
<message><source>The denominator “%1” must be above zero.</source><translation>Знаменатель «%1» должен быть больше нуля.</translation></message>
<message><source>“%1” means nothing at this place.</source><translation>«%1» в этом месте ничего не означает.</translation></message>
<message><source>The minutes “%1” need a prime (').</source><translation>Минутам «%1» нужен штрих (').</translation></message>
<message><source>The minutes “%1” cannot be negative.</source><translation>Минуты «%1» не могут быть отрицательными.</translation></message>
<message><source>A bearing angle is at most 90°: “%1”.</source><translation>Угол румба не больше 90°: «%1».</translation></message>
<message><source>A bearing begins with N or S.</source><translation>Румб начинается с N или S.</translation></message>
<message><source>The value is too large.</source><translation>Значение слишком велико.</translation></message>
<message><source>The text is too long for a quantity.</source><translation>Текст слишком длинный для величины.</translation></message>
<message><source>The number “%1” is too small to hold.</source><translation>Число «%1» слишком мало, чтобы его представить.</translation></message>
<message><source>The group separator “%1” is out of place.</source><translation>Разделитель разрядов «%1» стоит не на месте.</translation></message>
<message><source>The group separator “%1” is out of place: did you mean %2?</source><translation>Разделитель разрядов «%1» стоит не на месте: может быть, имелось в виду %2?</translation></message>
</context>
</TS>
