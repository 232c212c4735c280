<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
<name>UnitGroup</name>
<message><source>Dimensionless</source><translation>Sans dimension</translation></message>
<message><source>Length</source><translation>Longueur</translation></message>
<message><source>Area</source><translation>Surface</translation></message>
<message><source>Volume</source><translation>Volume</translation></message>
<message><source>Mass</source><translation>Masse</translation></message>
<message><source>Linear Weight</source><translation>Masse linéique</translation></message>
<message><source>Amount of Substance</source><translation>Quantité de matière</translation></message>
<message><source>Angle</source><translation>Angle</translation></message>
<message><source>Solid Angle</source><translation>Angle solide</translation></message>
<message><source>Area Density</source><translation>Masse surfacique</translation></message>
<message><source>Concentration</source><translation>Concentration</translation></message>
<message><source>Parts-per</source><translation>Parties par million/milliard</translation></message>
<message><source>Electric Current</source><translation>Courant électrique</translation></message>
<message><source>Electric Charge</source><translation>Charge électrique</translation></message>
<message><source>Capacitance</source><translation>Capacité électrique</translation></message>
<message><source>Bit Rate</source><translation>Débit binaire</translation></message>
<message><source>Density</source><translation>Masse volumique</translation></message>
<message><source>Unit Weight</source><translation>Poids volumique</translation></message>
<message><source>Energy</source><translation>Énergie</translation></message>
<message><source>Volumetric Flow Rate</source><translation>Débit volumique</translation></message>
<message><source>Mass Flow Rate</source><translation>Débit massique</translation></message>
<message><source>Flow Rate per Stroke</source><translation>Débit par coup de piston</translation></message>
<message><source>Force</source><translation>Force</translation></message>
<message><source>Linear Force</source><translation>Force linéique</translation></message>
<message><source>Frequency</source><translation>Fréquence</translation></message>
<message><source>Inductance</source><translation>Inductance</translation></message>
<message><source>Magnetic Flux Density</source><translation>Induction magnétique</translation></message>
<message><source>Magnetic Flux</source><translation>Flux magnétique</translation></message>
<message><source>Power</source><translation>Puissance</translation></message>
<message><source>Power per Unit of Volume</source><translation>Puissance volumique</translation></message>
<message><source>Power per Unit of Mass</source><translation>Puissance massique</translation></message>
<message><source>Power per Unit of Area</source><translation>Puissance surfacique</translation></message>
<message><source>Pressure</source><translation>Pression</translation></message>
<message><source>Force Scale</source><translation>Échelle de force</translation></message>
<message><source>Linear Force Scale</source><translation>Échelle de force linéique</translation></message>
<message><source>Area Force Scale</source><translation>Échelle de force surfacique</translation></message>
<message><source>Linear Moment</source><translation>Moment linéique</translation></message>
<message><source>Electrical Resistance</source><translation>Résistance électrique</translation></message>
<message><source>Electric Conductance</source><translation>Conductance électrique</translation></message>
<message><source>Velocity</source><translation>Vitesse</translation></message>
<message><source>Computer Storage</source><translation>Stockage informatique</translation></message>
<message><source>Temperature</source><translation>Température</translation></message>
<message><source>Temperature Rate</source><translation>Vitesse de variation de température</translation></message>
<message><source>Time</source><translation>Temps</translation></message>
<message><source>Torque</source><translation>Couple</translation></message>
<message><source>Dynamic Viscosity</source><translation>Viscosité dynamique</translation></message>
<message><source>Kinematic Viscosity</source><translation>Viscosité cinématique</translation></message>
<message><source>Acceleration</source><translation>Accélération</translation></message>
<message><source>Voltage</source><translation>Tension électrique</translation></message>
<message><source>Electric Potential</source><translation>Potentiel électrique</translation></message>
<message><source>Luminous Intensity</source><translation>Intensité lumineuse</translation></message>
<message><source>Illuminance</source><translation>Éclairement lumineux</translation></message>
<message><source>Luminous Energy</source><translation>Quantité de lumière</translation></message>
<message><source>Luminous Flux</source><translation>Flux lumineux</translation></message>
<message><source>Luminance</source><translation>Luminance</translation></message>
<message><source>Luminous Emittance</source><translation>Exitance lumineuse</translation></message>
<message><source>Luminous Efficacy</source><translation>Efficacité lumineuse</translation></message>
<message><source>Friction</source><translation>Perte de charge linéique</translation></message>
<message><source>Rotational Point Spring Coefficient</source><translation>Raideur en rotation ponctuelle</translation></message>
<message><source>Rotational Line Spring Coefficient</source><translation>Raideur en rotation linéique</translation></message>
<message><source>Heat Transfer Coefficient</source><translation>Coefficient de transmission thermique</translation></message>
<message><source>Airflow Density</source><translation>Débit d'air par unité de surface</translation></message>
<message><source>Airflow Divided by Volume</source><translation>Débit d'air par unité de volume</translation></message>
<message><source>Airflow Divided by Power</source><translation>Débit d'air par unité de puissance</translation></message>
<message><source>Area Divided by Power</source><translation>Surface par unité de puissance</translation></message>
<message><source>Moment Scale</source><translation>Échelle de moment</translation></message>
<message><source>Coefficient of Thermal Expansion</source><translation>Coefficient de dilatation thermique</translation></message>
<message><source>Magnetic Field Intensity</source><translation>Champ magnétique</translation></message>
</context>
<context>
<name>NumberFormat</name>
<message><source>Exponential</source><translation>Exponentiel (E)</translation></message>
<message><source>exponential</source><translation>Exponentiel (e)</translation></message>
<message><source>Fixed Point</source><translation>Virgule fixe</translation></message>
<message><source>General</source><translation>Général (E)</translation></message>
<message><source>general</source><translation>Général (e)</translation></message>
<message><source>Number</source><translation>Nombre</translation></message>
<message><source>Fraction</source><translation>Fraction</translation></message>
</context>
<context>
<name>UnitType</name>
<message><source>unitless</source><translation>sans unité</translation></message>
<message numerus="yes"><source>meter</source><translation><numerusform>mètre</numerusform><numerusform>mètres</numerusform></translation></message>
<message numerus="yes"><source>yottameter</source><translation><numerusform>yottamètre</numerusform><numerusform>yottamètres</numerusform></translation></message>
<message numerus="yes"><source>zettameter</source><translation><numerusform>zettamètre</numerusform><numerusform>zettamètres</numerusform></translation></message>
<message numerus="yes"><source>exameter</source><translation><numerusform>examètre</numerusform><numerusform>examètres</numerusform></translation></message>
<message numerus="yes"><source>petameter</source><translation><numerusform>pétamètre</numerusform><numerusform>pétamètres</numerusform></translation></message>
<message numerus="yes"><source>terameter</source><translation><numerusform>téramètre</numerusform><numerusform>téramètres</numerusform></translation></message>
<message numerus="yes"><source>gigameter</source><translation><numerusform>gigamètre</numerusform><numerusform>gigamètres</numerusform></translation></message>
<message numerus="yes"><source>megameter</source><translation><numerusform>mégamètre</numerusform><numerusform>mégamètres</numerusform></translation></message>
<message numerus="yes"><source>kilometer</source><translation><numerusform>kilomètre</numerusform><numerusform>kilomètres</numerusform></translation></message>
<message numerus="yes"><source>hectometer</source><translation><numerusform>hectomètre</numerusform><numerusform>hectomètres</numerusform></translation></message>
<message numerus="yes"><source>decameter</source><translation><numerusform>décamètre</numerusform><numerusform>décamètres</numerusform></translation></message>
<message numerus="yes"><source>decimeter</source><translation><numerusform>décimètre</numerusform><numerusform>décimètres</numerusform></translation></message>
<message numerus="yes"><source>centimeter</source><translation><numerusform>centimètre</numerusform><numerusform>centimètres</numerusform></translation></message>
<message numerus="yes"><source>millimeter</source><translation><numerusform>millimètre</numerusform><numerusform>millimètres</numerusform></translation></message>
<message numerus="yes"><source>micrometer</source><translation><numerusform>micromètre</numerusform><numerusform>micromètres</numerusform></translation></message>
<message numerus="yes"><source>nanometer</source><translation><numerusform>nanomètre</numerusform><numerusform>nanomètres</numerusform></translation></message>
<message numerus="yes"><source>picometer</source><translation><numerusform>picomètre</numerusform><numerusform>picomètres</numerusform></translation></message>
<message numerus="yes"><source>femtometer</source><translation><numerusform>femtomètre</numerusform><numerusform>femtomètres</numerusform></translation></message>
<message numerus="yes"><source>attometer</source><translation><numerusform>attomètre</numerusform><numerusform>attomètres</numerusform></translation></message>
<message numerus="yes"><source>zeptometer</source><translation><numerusform>zeptomètre</numerusform><numerusform>zeptomètres</numerusform></translation></message>
<message numerus="yes"><source>yoctometer</source><translation><numerusform>yoctomètre</numerusform><numerusform>yoctomètres</numerusform></translation></message>
<message numerus="yes"><source>inch</source><translation><numerusform>pouce</numerusform><numerusform>pouces</numerusform></translation></message>
<message numerus="yes"><source>foot</source><translation><numerusform>pied</numerusform><numerusform>pieds</numerusform></translation></message>
<message numerus="yes"><source>foot (Benoit)</source><translation><numerusform>pied (Benoit)</numerusform><numerusform>pieds (Benoit)</numerusform></translation></message>
<message numerus="yes"><source>foot (Clarke's; Cape)</source><translation><numerusform>pied (Clarke ; Le Cap)</numerusform><numerusform>pieds (Clarke ; Le Cap)</numerusform></translation></message>
<message numerus="yes"><source>foot (Indian)</source><translation><numerusform>pied (indien)</numerusform><numerusform>pieds (indien)</numerusform></translation></message>
<message numerus="yes"><source>foot (Sear's)</source><translation><numerusform>pied (Sears)</numerusform><numerusform>pieds (Sears)</numerusform></translation></message>
<message numerus="yes"><source>foot (U.S. Survey)</source><translation><numerusform>pied (arpentage US)</numerusform><numerusform>pieds (arpentage US)</numerusform></translation></message>
<message numerus="yes"><source>yard</source><translation><numerusform>yard</numerusform><numerusform>yards</numerusform></translation></message>
<message numerus="yes"><source>chain</source><translation><numerusform>chaîne</numerusform><numerusform>chaînes</numerusform></translation></message>
<message numerus="yes"><source>chain (Ramsden's; Engineer's)</source><translation><numerusform>chaîne (Ramsden ; ingénieur)</numerusform><numerusform>chaînes (Ramsden ; ingénieur)</numerusform></translation></message>
<message numerus="yes"><source>furlong</source><translation><numerusform>furlong</numerusform><numerusform>furlongs</numerusform></translation></message>
<message numerus="yes"><source>mile</source><translation><numerusform>mile</numerusform><numerusform>miles</numerusform></translation></message>
<message numerus="yes"><source>geographical mile</source><translation><numerusform>mille géographique</numerusform><numerusform>milles géographiques</numerusform></translation></message>
<message numerus="yes"><source>mile (U.S. Survey)</source><translation><numerusform>mile (arpentage US)</numerusform><numerusform>miles (arpentage US)</numerusform></translation></message>
<message numerus="yes"><source>nautical mile</source><translation><numerusform>mille marin</numerusform><numerusform>milles marins</numerusform></translation></message>
<message numerus="yes"><source>statute mile</source><translation><numerusform>mile terrestre</numerusform><numerusform>miles terrestres</numerusform></translation></message>
<message numerus="yes"><source>nautical mile (admiralty)</source><translation><numerusform>mille marin (Amirauté)</numerusform><numerusform>milles marins (Amirauté)</numerusform></translation></message>
<message numerus="yes"><source>micron</source><translation><numerusform>micron</numerusform><numerusform>microns</numerusform></translation></message>
<message numerus="yes"><source>microinch</source><translation><numerusform>micropouce</numerusform><numerusform>micropouces</numerusform></translation></message>
<message numerus="yes"><source>angstrom</source><translation><numerusform>ångström</numerusform><numerusform>ångströms</numerusform></translation></message>
<message numerus="yes"><source>astronomical unit</source><translation><numerusform>unité astronomique</numerusform><numerusform>unités astronomiques</numerusform></translation></message>
<message numerus="yes"><source>cable</source><translation><numerusform>encablure</numerusform><numerusform>encablures</numerusform></translation></message>
<message numerus="yes"><source>cubit</source><translation><numerusform>coudée</numerusform><numerusform>coudées</numerusform></translation></message>
<message numerus="yes"><source>fathom</source><translation><numerusform>brasse</numerusform><numerusform>brasses</numerusform></translation></message>
<message numerus="yes"><source>hand</source><translation><numerusform>main</numerusform><numerusform>mains</numerusform></translation></message>
<message numerus="yes"><source>light-year</source><translation><numerusform>année-lumière</numerusform><numerusform>années-lumière</numerusform></translation></message>
<message numerus="yes"><source>span</source><translation><numerusform>empan</numerusform><numerusform>empans</numerusform></translation></message>
<message numerus="yes"><source>span (cloth)</source><translation><numerusform>empan (drap)</numerusform><numerusform>empans (drap)</numerusform></translation></message>
<message numerus="yes"><source>parsec</source><translation><numerusform>parsec</numerusform><numerusform>parsecs</numerusform></translation></message>
<message numerus="yes"><source>nautical league</source><translation><numerusform>lieue marine</numerusform><numerusform>lieues marines</numerusform></translation></message>
<message numerus="yes"><source>league</source><translation><numerusform>lieue</numerusform><numerusform>lieues</numerusform></translation></message>
<message numerus="yes"><source>mil</source><translation><numerusform>mil</numerusform><numerusform>mils</numerusform></translation></message>
<message numerus="yes"><source>mil (Sweden and Norway)</source><translation><numerusform>mille scandinave (Suède et Norvège)</numerusform><numerusform>milles scandinaves (Suède et Norvège)</numerusform></translation></message>
<message numerus="yes"><source>link</source><translation><numerusform>chaînon</numerusform><numerusform>chaînons</numerusform></translation></message>
<message numerus="yes"><source>link (Ramsden's; Engineer's)</source><translation><numerusform>chaînon (Ramsden ; ingénieur)</numerusform><numerusform>chaînons (Ramsden ; ingénieur)</numerusform></translation></message>
<message><source>pace</source><translation>pas</translation></message>
<message numerus="yes"><source>palm</source><translation><numerusform>palme</numerusform><numerusform>palmes</numerusform></translation></message>
<message numerus="yes"><source>rod</source><translation><numerusform>perche</numerusform><numerusform>perches</numerusform></translation></message>
<message numerus="yes"><source>rope</source><translation><numerusform>rope</numerusform><numerusform>ropes</numerusform></translation></message>
<message numerus="yes"><source>skein</source><translation><numerusform>écheveau</numerusform><numerusform>écheveaux</numerusform></translation></message>
<message numerus="yes"><source>caliber</source><translation><numerusform>calibre</numerusform><numerusform>calibres</numerusform></translation></message>
<message numerus="yes"><source>survey inch</source><translation><numerusform>pouce d'arpentage</numerusform><numerusform>pouces d'arpentage</numerusform></translation></message>
<message numerus="yes"><source>survey yard</source><translation><numerusform>yard d'arpentage</numerusform><numerusform>yards d'arpentage</numerusform></translation></message>
<message numerus="yes"><source>survey rod</source><translation><numerusform>perche d'arpentage</numerusform><numerusform>perches d'arpentage</numerusform></translation></message>
<message numerus="yes"><source>bolt</source><translation><numerusform>bolt</numerusform><numerusform>bolts</numerusform></translation></message>
<message numerus="yes"><source>square meter</source><translation><numerusform>mètre carré</numerusform><numerusform>mètres carrés</numerusform></translation></message>
<message numerus="yes"><source>square inch</source><translation><numerusform>pouce carré</numerusform><numerusform>pouces carrés</numerusform></translation></message>
<message numerus="yes"><source>square foot</source><translation><numerusform>pied carré</numerusform><numerusform>pieds carrés</numerusform></translation></message>
<message numerus="yes"><source>square yard</source><translation><numerusform>yard carré</numerusform><numerusform>yards carrés</numerusform></translation></message>
<message numerus="yes"><source>acre</source><translation><numerusform>acre</numerusform><numerusform>acres</numerusform></translation></message>
<message numerus="yes"><source>section</source><translation><numerusform>section</numerusform><numerusform>sections</numerusform></translation></message>
<message numerus="yes"><source>township</source><translation><numerusform>township</numerusform><numerusform>townships</numerusform></translation></message>
<message numerus="yes"><source>hectare</source><translation><numerusform>hectare</numerusform><numerusform>hectares</numerusform></translation></message>
<message numerus="yes"><source>square kilometer</source><translation><numerusform>kilomètre carré</numerusform><numerusform>kilomètres carrés</numerusform></translation></message>
<message numerus="yes"><source>square mile</source><translation><numerusform>mile carré</numerusform><numerusform>miles carrés</numerusform></translation></message>
<message numerus="yes"><source>square centimeter</source><translation><numerusform>centimètre carré</numerusform><numerusform>centimètres carrés</numerusform></translation></message>
<message numerus="yes"><source>square millimeter</source><translation><numerusform>millimètre carré</numerusform><numerusform>millimètres carrés</numerusform></translation></message>
<message numerus="yes"><source>circular mil</source><translation><numerusform>mil circulaire</numerusform><numerusform>mils circulaires</numerusform></translation></message>
<message numerus="yes"><source>kilo-circular mil</source><translation><numerusform>kilo-mil circulaire</numerusform><numerusform>kilo-mils circulaires</numerusform></translation></message>
<message numerus="yes"><source>are</source><translation><numerusform>are</numerusform><numerusform>ares</numerusform></translation></message>
<message numerus="yes"><source>barn</source><translation><numerusform>barn</numerusform><numerusform>barns</numerusform></translation></message>
<message numerus="yes"><source>centare</source><translation><numerusform>centiare</numerusform><numerusform>centiares</numerusform></translation></message>
<message numerus="yes"><source>square angstrom</source><translation><numerusform>ångström carré</numerusform><numerusform>ångströms carrés</numerusform></translation></message>
<message numerus="yes"><source>square bolt</source><translation><numerusform>bolt carré</numerusform><numerusform>bolts carrés</numerusform></translation></message>
<message numerus="yes"><source>square cable</source><translation><numerusform>encablure carrée</numerusform><numerusform>encablures carrées</numerusform></translation></message>
<message numerus="yes"><source>square caliber</source><translation><numerusform>calibre carré</numerusform><numerusform>calibres carrés</numerusform></translation></message>
<message numerus="yes"><source>square cubit</source><translation><numerusform>coudée carrée</numerusform><numerusform>coudées carrées</numerusform></translation></message>
<message numerus="yes"><source>square decimeter</source><translation><numerusform>décimètre carré</numerusform><numerusform>décimètres carrés</numerusform></translation></message>
<message numerus="yes"><source>square fathom</source><translation><numerusform>brasse carrée</numerusform><numerusform>brasses carrées</numerusform></translation></message>
<message numerus="yes"><source>square furlong</source><translation><numerusform>furlong carré</numerusform><numerusform>furlongs carrés</numerusform></translation></message>
<message numerus="yes"><source>square gigameter</source><translation><numerusform>gigamètre carré</numerusform><numerusform>gigamètres carrés</numerusform></translation></message>
<message numerus="yes"><source>square hand</source><translation><numerusform>main carrée</numerusform><numerusform>mains carrées</numerusform></translation></message>
<message numerus="yes"><source>square nautical league</source><translation><numerusform>lieue marine carrée</numerusform><numerusform>lieues marines carrées</numerusform></translation></message>
<message numerus="yes"><source>square league (statute)</source><translation><numerusform>lieue carrée (terrestre)</numerusform><numerusform>lieues carrées (terrestre)</numerusform></translation></message>
<message numerus="yes"><source>square light-year</source><translation><numerusform>année-lumière carrée</numerusform><numerusform>années-lumière carrées</numerusform></translation></message>
<message numerus="yes"><source>square link</source><translation><numerusform>chaînon carré</numerusform><numerusform>chaînons carrés</numerusform></translation></message>
<message numerus="yes"><source>square micron</source><translation><numerusform>micron carré</numerusform><numerusform>microns carrés</numerusform></translation></message>
<message numerus="yes"><source>square mile (UK nautical)</source><translation><numerusform>mille carré (marin britannique)</numerusform><numerusform>milles carrés (marin britannique)</numerusform></translation></message>
<message numerus="yes"><source>square mile (statute)</source><translation><numerusform>mile carré (terrestre)</numerusform><numerusform>miles carrés (terrestre)</numerusform></translation></message>
<message numerus="yes"><source>square millimicron</source><translation><numerusform>millimicron carré</numerusform><numerusform>millimicrons carrés</numerusform></translation></message>
<message numerus="yes"><source>square pace</source><translation><numerusform>pas carré</numerusform><numerusform>pas carrés</numerusform></translation></message>
<message numerus="yes"><source>square palm</source><translation><numerusform>palme carrée</numerusform><numerusform>palmes carrées</numerusform></translation></message>
<message numerus="yes"><source>square parsec</source><translation><numerusform>parsec carré</numerusform><numerusform>parsecs carrés</numerusform></translation></message>
<message numerus="yes"><source>square perch</source><translation><numerusform>perche carrée</numerusform><numerusform>perches carrées</numerusform></translation></message>
<message numerus="yes"><source>square rope</source><translation><numerusform>rope carré</numerusform><numerusform>ropes carrés</numerusform></translation></message>
<message numerus="yes"><source>square skein</source><translation><numerusform>écheveau carré</numerusform><numerusform>écheveaux carrés</numerusform></translation></message>
<message numerus="yes"><source>square span</source><translation><numerusform>empan carré</numerusform><numerusform>empans carrés</numerusform></translation></message>
<message numerus="yes"><source>square survey foot</source><translation><numerusform>pied d'arpentage carré</numerusform><numerusform>pieds d'arpentage carrés</numerusform></translation></message>
<message numerus="yes"><source>square chain</source><translation><numerusform>chaîne carrée</numerusform><numerusform>chaînes carrées</numerusform></translation></message>
<message numerus="yes"><source>square mil</source><translation><numerusform>mil carré</numerusform><numerusform>mils carrés</numerusform></translation></message>
<message numerus="yes"><source>square astronomical unit</source><translation><numerusform>unité astronomique carrée</numerusform><numerusform>unités astronomiques carrées</numerusform></translation></message>
<message numerus="yes"><source>survey acre</source><translation><numerusform>acre d'arpentage</numerusform><numerusform>acres d'arpentage</numerusform></translation></message>
<message numerus="yes"><source>square survey yard</source><translation><numerusform>yard d'arpentage carré</numerusform><numerusform>yards d'arpentage carrés</numerusform></translation></message>
<message numerus="yes"><source>board</source><translation><numerusform>planche</numerusform><numerusform>planches</numerusform></translation></message>
<message numerus="yes"><source>cord</source><translation><numerusform>corde</numerusform><numerusform>cordes</numerusform></translation></message>
<message numerus="yes"><source>liter</source><translation><numerusform>litre</numerusform><numerusform>litres</numerusform></translation></message>
<message numerus="yes"><source>cubic centimeter</source><translation><numerusform>centimètre cube</numerusform><numerusform>centimètres cubes</numerusform></translation></message>
<message numerus="yes"><source>tablespoon</source><translation><numerusform>cuillère à soupe</numerusform><numerusform>cuillères à soupe</numerusform></translation></message>
<message numerus="yes"><source>tablespoon (Canadian)</source><translation><numerusform>cuillère à soupe (Canada)</numerusform><numerusform>cuillères à soupe (Canada)</numerusform></translation></message>
<message numerus="yes"><source>tablespoon (U.S.)</source><translation><numerusform>cuillère à soupe (US)</numerusform><numerusform>cuillères à soupe (US)</numerusform></translation></message>
<message numerus="yes"><source>fluid ounce (imperial)</source><translation><numerusform>once liquide (impériale)</numerusform><numerusform>onces liquides (impériale)</numerusform></translation></message>
<message numerus="yes"><source>fluid ounce (U.S.)</source><translation><numerusform>once liquide (US)</numerusform><numerusform>onces liquides (US)</numerusform></translation></message>
<message numerus="yes"><source>cup</source><translation><numerusform>tasse</numerusform><numerusform>tasses</numerusform></translation></message>
<message numerus="yes"><source>cup (Canadian)</source><translation><numerusform>tasse (Canada)</numerusform><numerusform>tasses (Canada)</numerusform></translation></message>
<message numerus="yes"><source>cup (U.S.)</source><translation><numerusform>tasse (US)</numerusform><numerusform>tasses (US)</numerusform></translation></message>
<message numerus="yes"><source>quart (imperial)</source><translation><numerusform>quart (impérial)</numerusform><numerusform>quarts (impérial)</numerusform></translation></message>
<message numerus="yes"><source>quart (U.S. fluid)</source><translation><numerusform>quart (US, liquide)</numerusform><numerusform>quarts (US, liquide)</numerusform></translation></message>
<message numerus="yes"><source>quart (U.S. dry)</source><translation><numerusform>quart (US, sec)</numerusform><numerusform>quarts (US, sec)</numerusform></translation></message>
<message numerus="yes"><source>gallon (imperial)</source><translation><numerusform>gallon (impérial)</numerusform><numerusform>gallons (impérial)</numerusform></translation></message>
<message numerus="yes"><source>gallon (U.S. fluid; Wine)</source><translation><numerusform>gallon (US, liquide ; vin)</numerusform><numerusform>gallons (US, liquide ; vin)</numerusform></translation></message>
<message numerus="yes"><source>gallon (U.S. dry)</source><translation><numerusform>gallon (US, sec)</numerusform><numerusform>gallons (US, sec)</numerusform></translation></message>
<message numerus="yes"><source>beer gallon</source><translation><numerusform>gallon à bière</numerusform><numerusform>gallons à bière</numerusform></translation></message>
<message numerus="yes"><source>bushel (imperial)</source><translation><numerusform>boisseau (impérial)</numerusform><numerusform>boisseaux (impérial)</numerusform></translation></message>
<message numerus="yes"><source>bushel (U.S. dry level)</source><translation><numerusform>boisseau (US, ras)</numerusform><numerusform>boisseaux (US, ras)</numerusform></translation></message>
<message numerus="yes"><source>bushel (U.S. dry heaped)</source><translation><numerusform>boisseau (US, comble)</numerusform><numerusform>boisseaux (US, comble)</numerusform></translation></message>
<message numerus="yes"><source>centiliter</source><translation><numerusform>centilitre</numerusform><numerusform>centilitres</numerusform></translation></message>
<message numerus="yes"><source>cubic foot</source><translation><numerusform>pied cube</numerusform><numerusform>pieds cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic inch</source><translation><numerusform>pouce cube</numerusform><numerusform>pouces cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic meter</source><translation><numerusform>mètre cube</numerusform><numerusform>mètres cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic yard</source><translation><numerusform>yard cube</numerusform><numerusform>yards cubes</numerusform></translation></message>
<message numerus="yes"><source>fluid dram</source><translation><numerusform>drachme liquide</numerusform><numerusform>drachmes liquides</numerusform></translation></message>
<message numerus="yes"><source>microliter</source><translation><numerusform>microlitre</numerusform><numerusform>microlitres</numerusform></translation></message>
<message numerus="yes"><source>milliliter</source><translation><numerusform>millilitre</numerusform><numerusform>millilitres</numerusform></translation></message>
<message numerus="yes"><source>pint (imperial)</source><translation><numerusform>pinte (impériale)</numerusform><numerusform>pintes (impériale)</numerusform></translation></message>
<message numerus="yes"><source>pint (U.S. fluid)</source><translation><numerusform>pinte (US, liquide)</numerusform><numerusform>pintes (US, liquide)</numerusform></translation></message>
<message numerus="yes"><source>pint (U.S. dry)</source><translation><numerusform>pinte (US, sèche)</numerusform><numerusform>pintes (US, sèche)</numerusform></translation></message>
<message numerus="yes"><source>teaspoon</source><translation><numerusform>cuillère à café</numerusform><numerusform>cuillères à café</numerusform></translation></message>
<message numerus="yes"><source>teaspoon (Canadian)</source><translation><numerusform>cuillère à café (Canada)</numerusform><numerusform>cuillères à café (Canada)</numerusform></translation></message>
<message numerus="yes"><source>teaspoon (U.S.)</source><translation><numerusform>cuillère à café (US)</numerusform><numerusform>cuillères à café (US)</numerusform></translation></message>
<message numerus="yes"><source>teaspoon (imperial)</source><translation><numerusform>cuillère à café (impériale)</numerusform><numerusform>cuillères à café (impériale)</numerusform></translation></message>
<message numerus="yes"><source>cubic millimeter</source><translation><numerusform>millimètre cube</numerusform><numerusform>millimètres cubes</numerusform></translation></message>
<message numerus="yes"><source>barrel (imperial)</source><translation><numerusform>baril (impérial)</numerusform><numerusform>barils (impérial)</numerusform></translation></message>
<message numerus="yes"><source>barrel (petroleum)</source><translation><numerusform>baril (pétrole)</numerusform><numerusform>barils (pétrole)</numerusform></translation></message>
<message numerus="yes"><source>barrel (U.S. dry)</source><translation><numerusform>baril (US, sec)</numerusform><numerusform>barils (US, sec)</numerusform></translation></message>
<message numerus="yes"><source>barrel (U.S. fluid)</source><translation><numerusform>baril (US, liquide)</numerusform><numerusform>barils (US, liquide)</numerusform></translation></message>
<message numerus="yes"><source>board-foot</source><translation><numerusform>pied-planche</numerusform><numerusform>pieds-planche</numerusform></translation></message>
<message numerus="yes"><source>decistere</source><translation><numerusform>décistère</numerusform><numerusform>décistères</numerusform></translation></message>
<message numerus="yes"><source>dekaliter</source><translation><numerusform>décalitre</numerusform><numerusform>décalitres</numerusform></translation></message>
<message numerus="yes"><source>dekastere</source><translation><numerusform>décastère</numerusform><numerusform>décastères</numerusform></translation></message>
<message numerus="yes"><source>dram</source><translation><numerusform>drachme liquide</numerusform><numerusform>drachmes liquides</numerusform></translation></message>
<message numerus="yes"><source>firkin</source><translation><numerusform>firkin</numerusform><numerusform>firkins</numerusform></translation></message>
<message numerus="yes"><source>cubic angstrom</source><translation><numerusform>ångström cube</numerusform><numerusform>ångströms cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic astronomical unit</source><translation><numerusform>unité astronomique cube</numerusform><numerusform>unités astronomiques cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic bolt</source><translation><numerusform>bolt cube</numerusform><numerusform>bolts cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic cable</source><translation><numerusform>encablure cube</numerusform><numerusform>encablures cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic caliber</source><translation><numerusform>calibre cube</numerusform><numerusform>calibres cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic chain</source><translation><numerusform>chaîne cube</numerusform><numerusform>chaînes cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic cubit</source><translation><numerusform>coudée cube</numerusform><numerusform>coudées cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic fathom</source><translation><numerusform>brasse cube</numerusform><numerusform>brasses cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic furlong</source><translation><numerusform>furlong cube</numerusform><numerusform>furlongs cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic gigameter</source><translation><numerusform>gigamètre cube</numerusform><numerusform>gigamètres cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic hand</source><translation><numerusform>main cube</numerusform><numerusform>mains cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic hectometer</source><translation><numerusform>hectomètre cube</numerusform><numerusform>hectomètres cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic nautical league</source><translation><numerusform>lieue marine cube</numerusform><numerusform>lieues marines cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic league (statute)</source><translation><numerusform>lieue cube (terrestre)</numerusform><numerusform>lieues cubes (terrestre)</numerusform></translation></message>
<message numerus="yes"><source>cubic light-year</source><translation><numerusform>année-lumière cube</numerusform><numerusform>années-lumière cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic link</source><translation><numerusform>chaînon cube</numerusform><numerusform>chaînons cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic mil</source><translation><numerusform>mil cube</numerusform><numerusform>mils cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic mile (UK nautical)</source><translation><numerusform>mille cube (marin britannique)</numerusform><numerusform>milles cubes (marin britannique)</numerusform></translation></message>
<message numerus="yes"><source>cubic mile</source><translation><numerusform>mile cube</numerusform><numerusform>miles cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic nautical mile</source><translation><numerusform>mille marin cube</numerusform><numerusform>milles marins cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic mile (statute)</source><translation><numerusform>mile cube (terrestre)</numerusform><numerusform>miles cubes (terrestre)</numerusform></translation></message>
<message numerus="yes"><source>cubic millimicron</source><translation><numerusform>millimicron cube</numerusform><numerusform>millimicrons cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic pace</source><translation><numerusform>pas cube</numerusform><numerusform>pas cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic palm</source><translation><numerusform>palme cube</numerusform><numerusform>palmes cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic parsec</source><translation><numerusform>parsec cube</numerusform><numerusform>parsecs cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic perch</source><translation><numerusform>perche cube</numerusform><numerusform>perches cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic rope</source><translation><numerusform>rope cube</numerusform><numerusform>ropes cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic skein</source><translation><numerusform>écheveau cube</numerusform><numerusform>écheveaux cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic span</source><translation><numerusform>empan cube</numerusform><numerusform>empans cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic survey foot</source><translation><numerusform>pied d'arpentage cube</numerusform><numerusform>pieds d'arpentage cubes</numerusform></translation></message>
<message numerus="yes"><source>cubic decimeter</source><translation><numerusform>décimètre cube</numerusform><numerusform>décimètres cubes</numerusform></translation></message>
<message numerus="yes"><source>tun</source><translation><numerusform>tonneau</numerusform><numerusform>tonneaux</numerusform></translation></message>
<message numerus="yes"><source>peck</source><translation><numerusform>picotin</numerusform><numerusform>picotins</numerusform></translation></message>
<message numerus="yes"><source>peck (U.S. dry)</source><translation><numerusform>picotin (US, sec)</numerusform><numerusform>picotins (US, sec)</numerusform></translation></message>
<message numerus="yes"><source>peck (imperial)</source><translation><numerusform>picotin (impérial)</numerusform><numerusform>picotins (impérial)</numerusform></translation></message>
<message numerus="yes"><source>minim (imperial)</source><translation><numerusform>minime (impérial)</numerusform><numerusform>minimes (impérial)</numerusform></translation></message>
<message numerus="yes"><source>minim (U.S.)</source><translation><numerusform>minime (US)</numerusform><numerusform>minimes (US)</numerusform></translation></message>
<message numerus="yes"><source>kiloliter</source><translation><numerusform>kilolitre</numerusform><numerusform>kilolitres</numerusform></translation></message>
<message numerus="yes"><source>hogshead (U.S.)</source><translation><numerusform>barrique (US)</numerusform><numerusform>barriques (US)</numerusform></translation></message>
<message numerus="yes"><source>hogshead (imperial)</source><translation><numerusform>barrique (impériale)</numerusform><numerusform>barriques (impériale)</numerusform></translation></message>
<message numerus="yes"><source>gill (imperial)</source><translation><numerusform>gill (impérial)</numerusform><numerusform>gills (impérial)</numerusform></translation></message>
<message numerus="yes"><source>gill (U.S.)</source><translation><numerusform>gill (US)</numerusform><numerusform>gills (US)</numerusform></translation></message>
<message numerus="yes"><source>cubic survey yard</source><translation><numerusform>yard d'arpentage cube</numerusform><numerusform>yards d'arpentage cubes</numerusform></translation></message>
<message numerus="yes"><source>cord-foot</source><translation><numerusform>pied de corde</numerusform><numerusform>pieds de corde</numerusform></translation></message>
<message numerus="yes"><source>cord (firewood)</source><translation><numerusform>corde (bois de chauffage)</numerusform><numerusform>cordes (bois de chauffage)</numerusform></translation></message>
<message numerus="yes"><source>register ton</source><translation><numerusform>tonneau de jauge</numerusform><numerusform>tonneaux de jauge</numerusform></translation></message>
<message numerus="yes"><source>acre-foot</source><translation><numerusform>acre-pied</numerusform><numerusform>acres-pieds</numerusform></translation></message>
<message numerus="yes"><source>acre-inch</source><translation><numerusform>acre-pouce</numerusform><numerusform>acres-pouces</numerusform></translation></message>
<message numerus="yes"><source>hectoliter</source><translation><numerusform>hectolitre</numerusform><numerusform>hectolitres</numerusform></translation></message>
<message numerus="yes"><source>megaliter</source><translation><numerusform>mégalitre</numerusform><numerusform>mégalitres</numerusform></translation></message>
<message numerus="yes"><source>cubic kilometer</source><translation><numerusform>kilomètre cube</numerusform><numerusform>kilomètres cubes</numerusform></translation></message>
<message numerus="yes"><source>deciliter</source><translation><numerusform>décilitre</numerusform><numerusform>décilitres</numerusform></translation></message>
<message numerus="yes"><source>kilogram</source><translation><numerusform>kilogramme</numerusform><numerusform>kilogrammes</numerusform></translation></message>
<message numerus="yes"><source>gram</source><translation><numerusform>gramme</numerusform><numerusform>grammes</numerusform></translation></message>
<message numerus="yes"><source>yottagram</source><translation><numerusform>yottagramme</numerusform><numerusform>yottagrammes</numerusform></translation></message>
<message numerus="yes"><source>zettagram</source><translation><numerusform>zettagramme</numerusform><numerusform>zettagrammes</numerusform></translation></message>
<message numerus="yes"><source>exagram</source><translation><numerusform>exagramme</numerusform><numerusform>exagrammes</numerusform></translation></message>
<message numerus="yes"><source>petagram</source><translation><numerusform>pétagramme</numerusform><numerusform>pétagrammes</numerusform></translation></message>
<message numerus="yes"><source>teragram</source><translation><numerusform>téragramme</numerusform><numerusform>téragrammes</numerusform></translation></message>
<message numerus="yes"><source>gigagram</source><translation><numerusform>gigagramme</numerusform><numerusform>gigagrammes</numerusform></translation></message>
<message numerus="yes"><source>megagram</source><translation><numerusform>mégagramme</numerusform><numerusform>mégagrammes</numerusform></translation></message>
<message numerus="yes"><source>hectogram</source><translation><numerusform>hectogramme</numerusform><numerusform>hectogrammes</numerusform></translation></message>
<message numerus="yes"><source>decagram</source><translation><numerusform>décagramme</numerusform><numerusform>décagrammes</numerusform></translation></message>
<message numerus="yes"><source>decigram</source><translation><numerusform>décigramme</numerusform><numerusform>décigrammes</numerusform></translation></message>
<message numerus="yes"><source>centigram</source><translation><numerusform>centigramme</numerusform><numerusform>centigrammes</numerusform></translation></message>
<message numerus="yes"><source>milligram</source><translation><numerusform>milligramme</numerusform><numerusform>milligrammes</numerusform></translation></message>
<message numerus="yes"><source>microgram</source><translation><numerusform>microgramme</numerusform><numerusform>microgrammes</numerusform></translation></message>
<message numerus="yes"><source>nanogram</source><translation><numerusform>nanogramme</numerusform><numerusform>nanogrammes</numerusform></translation></message>
<message numerus="yes"><source>picogram</source><translation><numerusform>picogramme</numerusform><numerusform>picogrammes</numerusform></translation></message>
<message numerus="yes"><source>femtogram</source><translation><numerusform>femtogramme</numerusform><numerusform>femtogrammes</numerusform></translation></message>
<message numerus="yes"><source>attogram</source><translation><numerusform>attogramme</numerusform><numerusform>attogrammes</numerusform></translation></message>
<message numerus="yes"><source>zeptogram</source><translation><numerusform>zeptogramme</numerusform><numerusform>zeptogrammes</numerusform></translation></message>
<message numerus="yes"><source>yoctogram</source><translation><numerusform>yoctogramme</numerusform><numerusform>yoctogrammes</numerusform></translation></message>
<message numerus="yes"><source>pound (meter)</source><translation><numerusform>livre (métrique)</numerusform><numerusform>livres (métrique)</numerusform></translation></message>
<message numerus="yes"><source>pound</source><translation><numerusform>livre</numerusform><numerusform>livres</numerusform></translation></message>
<message numerus="yes"><source>pound (troy)</source><translation><numerusform>livre (troy)</numerusform><numerusform>livres (troy)</numerusform></translation></message>
<message numerus="yes"><source>ounce (avoirdupois)</source><translation><numerusform>once (avoirdupois)</numerusform><numerusform>onces (avoirdupois)</numerusform></translation></message>
<message numerus="yes"><source>ounce (apothecary; troy)</source><translation><numerusform>once (apothicaire ; troy)</numerusform><numerusform>onces (apothicaire ; troy)</numerusform></translation></message>
<message numerus="yes"><source>stone</source><translation><numerusform>stone</numerusform><numerusform>stones</numerusform></translation></message>
<message numerus="yes"><source>short ton</source><translation><numerusform>tonne courte</numerusform><numerusform>tonnes courtes</numerusform></translation></message>
<message numerus="yes"><source>long ton</source><translation><numerusform>tonne longue</numerusform><numerusform>tonnes longues</numerusform></translation></message>
<message numerus="yes"><source>carat</source><translation><numerusform>carat</numerusform><numerusform>carats</numerusform></translation></message>
<message numerus="yes"><source>carat (metric)</source><translation><numerusform>carat (métrique)</numerusform><numerusform>carats (métrique)</numerusform></translation></message>
<message numerus="yes"><source>dram (avoirdupois)</source><translation><numerusform>drachme (avoirdupois)</numerusform><numerusform>drachmes (avoirdupois)</numerusform></translation></message>
<message numerus="yes"><source>dram (apothecary; troy)</source><translation><numerusform>drachme (apothicaire ; troy)</numerusform><numerusform>drachmes (apothicaire ; troy)</numerusform></translation></message>
<message numerus="yes"><source>pennyweight</source><translation><numerusform>pennyweight</numerusform><numerusform>pennyweights</numerusform></translation></message>
<message numerus="yes"><source>tael</source><translation><numerusform>tael</numerusform><numerusform>taels</numerusform></translation></message>
<message numerus="yes"><source>tola</source><translation><numerusform>tola</numerusform><numerusform>tolas</numerusform></translation></message>
<message numerus="yes"><source>long hundredweight</source><translation><numerusform>quintal long</numerusform><numerusform>quintaux longs</numerusform></translation></message>
<message numerus="yes"><source>short hundredweight</source><translation><numerusform>quintal court</numerusform><numerusform>quintaux courts</numerusform></translation></message>
<message numerus="yes"><source>grain</source><translation><numerusform>grain</numerusform><numerusform>grains</numerusform></translation></message>
<message numerus="yes"><source>pearl grain</source><translation><numerusform>grain de perle</numerusform><numerusform>grains de perle</numerusform></translation></message>
<message numerus="yes"><source>dalton</source><translation><numerusform>dalton</numerusform><numerusform>daltons</numerusform></translation></message>
<message numerus="yes"><source>kilodalton</source><translation><numerusform>kilodalton</numerusform><numerusform>kilodaltons</numerusform></translation></message>
<message numerus="yes"><source>slug</source><translation><numerusform>slug</numerusform><numerusform>slugs</numerusform></translation></message>
<message numerus="yes"><source>kilogram per meter</source><translation><numerusform>kilogramme par mètre</numerusform><numerusform>kilogrammes par mètre</numerusform></translation></message>
<message numerus="yes"><source>pound per foot</source><translation><numerusform>livre par pied</numerusform><numerusform>livres par pied</numerusform></translation></message>
<message numerus="yes"><source>mole</source><translation><numerusform>mole</numerusform><numerusform>moles</numerusform></translation></message>
<message numerus="yes"><source>yottamole</source><translation><numerusform>yottamole</numerusform><numerusform>yottamoles</numerusform></translation></message>
<message numerus="yes"><source>zettamole</source><translation><numerusform>zettamole</numerusform><numerusform>zettamoles</numerusform></translation></message>
<message numerus="yes"><source>examole</source><translation><numerusform>examole</numerusform><numerusform>examoles</numerusform></translation></message>
<message numerus="yes"><source>petamole</source><translation><numerusform>pétamole</numerusform><numerusform>pétamoles</numerusform></translation></message>
<message numerus="yes"><source>teramole</source><translation><numerusform>téramole</numerusform><numerusform>téramoles</numerusform></translation></message>
<message numerus="yes"><source>gigamole</source><translation><numerusform>gigamole</numerusform><numerusform>gigamoles</numerusform></translation></message>
<message numerus="yes"><source>megamole</source><translation><numerusform>mégamole</numerusform><numerusform>mégamoles</numerusform></translation></message>
<message numerus="yes"><source>kilomole</source><translation><numerusform>kilomole</numerusform><numerusform>kilomoles</numerusform></translation></message>
<message numerus="yes"><source>hectomole</source><translation><numerusform>hectomole</numerusform><numerusform>hectomoles</numerusform></translation></message>
<message numerus="yes"><source>decamole</source><translation><numerusform>décamole</numerusform><numerusform>décamoles</numerusform></translation></message>
<message numerus="yes"><source>decimole</source><translation><numerusform>décimole</numerusform><numerusform>décimoles</numerusform></translation></message>
<message numerus="yes"><source>centimole</source><translation><numerusform>centimole</numerusform><numerusform>centimoles</numerusform></translation></message>
<message numerus="yes"><source>millimole</source><translation><numerusform>millimole</numerusform><numerusform>millimoles</numerusform></translation></message>
<message numerus="yes"><source>micromole</source><translation><numerusform>micromole</numerusform><numerusform>micromoles</numerusform></translation></message>
<message numerus="yes"><source>nanomole</source><translation><numerusform>nanomole</numerusform><numerusform>nanomoles</numerusform></translation></message>
<message numerus="yes"><source>picomole</source><translation><numerusform>picomole</numerusform><numerusform>picomoles</numerusform></translation></message>
<message numerus="yes"><source>femtomole</source><translation><numerusform>femtomole</numerusform><numerusform>femtomoles</numerusform></translation></message>
<message numerus="yes"><source>attomole</source><translation><numerusform>attomole</numerusform><numerusform>attomoles</numerusform></translation></message>
<message numerus="yes"><source>zeptomole</source><translation><numerusform>zeptomole</numerusform><numerusform>zeptomoles</numerusform></translation></message>
<message numerus="yes"><source>yoctomole</source><translation><numerusform>yoctomole</numerusform><numerusform>yoctomoles</numerusform></translation></message>
<message numerus="yes"><source>radian</source><translation><numerusform>radian</numerusform><numerusform>radians</numerusform></translation></message>
<message numerus="yes"><source>degree</source><translation><numerusform>degré</numerusform><numerusform>degrés</numerusform></translation></message>
<message numerus="yes"><source>milliradian</source><translation><numerusform>milliradian</numerusform><numerusform>milliradians</numerusform></translation></message>
<message numerus="yes"><source>grad</source><translation><numerusform>grade</numerusform><numerusform>grades</numerusform></translation></message>
<message numerus="yes"><source>angular mil (NATO)</source><translation><numerusform>millième angulaire (OTAN)</numerusform><numerusform>millièmes angulaires (OTAN)</numerusform></translation></message>
<message numerus="yes"><source>angular mil (Sweden)</source><translation><numerusform>millième angulaire (Suède)</numerusform><numerusform>millièmes angulaires (Suède)</numerusform></translation></message>
<message numerus="yes"><source>angular mil (USSR)</source><translation><numerusform>millième angulaire (URSS)</numerusform><numerusform>millièmes angulaires (URSS)</numerusform></translation></message>
<message numerus="yes"><source>angle minute</source><translation><numerusform>minute d'arc</numerusform><numerusform>minutes d'arc</numerusform></translation></message>
<message numerus="yes"><source>angle second</source><translation><numerusform>seconde d'arc</numerusform><numerusform>secondes d'arc</numerusform></translation></message>
<message numerus="yes"><source>milliarc second</source><translation><numerusform>milliseconde d'arc</numerusform><numerusform>millisecondes d'arc</numerusform></translation></message>
<message numerus="yes"><source>steradian</source><translation><numerusform>stéradian</numerusform><numerusform>stéradians</numerusform></translation></message>
<message numerus="yes"><source>gram per square meter</source><translation><numerusform>gramme par mètre carré</numerusform><numerusform>grammes par mètre carré</numerusform></translation></message>
<message numerus="yes"><source>gram per square inch</source><translation><numerusform>gramme par pouce carré</numerusform><numerusform>grammes par pouce carré</numerusform></translation></message>
<message numerus="yes"><source>nanogram per liter</source><translation><numerusform>nanogramme par litre</numerusform><numerusform>nanogrammes par litre</numerusform></translation></message>
<message numerus="yes"><source>nanogram per deciliter</source><translation><numerusform>nanogramme par décilitre</numerusform><numerusform>nanogrammes par décilitre</numerusform></translation></message>
<message numerus="yes"><source>nanogram per milliliter</source><translation><numerusform>nanogramme par millilitre</numerusform><numerusform>nanogrammes par millilitre</numerusform></translation></message>
<message numerus="yes"><source>nanogram per microliter</source><translation><numerusform>nanogramme par microlitre</numerusform><numerusform>nanogrammes par microlitre</numerusform></translation></message>
<message numerus="yes"><source>milligram per deciliter</source><translation><numerusform>milligramme par décilitre</numerusform><numerusform>milligrammes par décilitre</numerusform></translation></message>
<message numerus="yes"><source>part per million</source><translation><numerusform>partie par million</numerusform><numerusform>parties par million</numerusform></translation></message>
<message numerus="yes"><source>part per billion</source><translation><numerusform>partie par milliard</numerusform><numerusform>parties par milliard</numerusform></translation></message>
<message numerus="yes"><source>ampere</source><translation><numerusform>ampère</numerusform><numerusform>ampères</numerusform></translation></message>
<message numerus="yes"><source>yottaampere</source><translation><numerusform>yottaampère</numerusform><numerusform>yottaampères</numerusform></translation></message>
<message numerus="yes"><source>zettaampere</source><translation><numerusform>zettaampère</numerusform><numerusform>zettaampères</numerusform></translation></message>
<message numerus="yes"><source>exaampere</source><translation><numerusform>exaampère</numerusform><numerusform>exaampères</numerusform></translation></message>
<message numerus="yes"><source>petaampere</source><translation><numerusform>pétaampère</numerusform><numerusform>pétaampères</numerusform></translation></message>
<message numerus="yes"><source>teraampere</source><translation><numerusform>téraampère</numerusform><numerusform>téraampères</numerusform></translation></message>
<message numerus="yes"><source>gigaampere</source><translation><numerusform>gigaampère</numerusform><numerusform>gigaampères</numerusform></translation></message>
<message numerus="yes"><source>megaampere</source><translation><numerusform>mégaampère</numerusform><numerusform>mégaampères</numerusform></translation></message>
<message numerus="yes"><source>kiloampere</source><translation><numerusform>kiloampère</numerusform><numerusform>kiloampères</numerusform></translation></message>
<message numerus="yes"><source>hectoampere</source><translation><numerusform>hectoampère</numerusform><numerusform>hectoampères</numerusform></translation></message>
<message numerus="yes"><source>decaampere</source><translation><numerusform>décaampère</numerusform><numerusform>décaampères</numerusform></translation></message>
<message numerus="yes"><source>deciampere</source><translation><numerusform>déciampère</numerusform><numerusform>déciampères</numerusform></translation></message>
<message numerus="yes"><source>centiampere</source><translation><numerusform>centiampère</numerusform><numerusform>centiampères</numerusform></translation></message>
<message numerus="yes"><source>milliampere</source><translation><numerusform>milliampère</numerusform><numerusform>milliampères</numerusform></translation></message>
<message numerus="yes"><source>microampere</source><translation><numerusform>microampère</numerusform><numerusform>microampères</numerusform></translation></message>
<message numerus="yes"><source>nanoampere</source><translation><numerusform>nanoampère</numerusform><numerusform>nanoampères</numerusform></translation></message>
<message numerus="yes"><source>picoampere</source><translation><numerusform>picoampère</numerusform><numerusform>picoampères</numerusform></translation></message>
<message numerus="yes"><source>femtoampere</source><translation><numerusform>femtoampère</numerusform><numerusform>femtoampères</numerusform></translation></message>
<message numerus="yes"><source>attoampere</source><translation><numerusform>attoampère</numerusform><numerusform>attoampères</numerusform></translation></message>
<message numerus="yes"><source>zeptoampere</source><translation><numerusform>zeptoampère</numerusform><numerusform>zeptoampères</numerusform></translation></message>
<message numerus="yes"><source>yoctoampere</source><translation><numerusform>yoctoampère</numerusform><numerusform>yoctoampères</numerusform></translation></message>
<message numerus="yes"><source>coulomb</source><translation><numerusform>coulomb</numerusform><numerusform>coulombs</numerusform></translation></message>
<message numerus="yes"><source>ampere hour</source><translation><numerusform>ampère-heure</numerusform><numerusform>ampères-heures</numerusform></translation></message>
<message numerus="yes"><source>milliampere hour</source><translation><numerusform>milliampère-heure</numerusform><numerusform>milliampères-heures</numerusform></translation></message>
<message numerus="yes"><source>faraday</source><translation><numerusform>faraday</numerusform><numerusform>faradays</numerusform></translation></message>
<message numerus="yes"><source>farad</source><translation><numerusform>farad</numerusform><numerusform>farads</numerusform></translation></message>
<message numerus="yes"><source>yottafarad</source><translation><numerusform>yottafarad</numerusform><numerusform>yottafarads</numerusform></translation></message>
<message numerus="yes"><source>zettafarad</source><translation><numerusform>zettafarad</numerusform><numerusform>zettafarads</numerusform></translation></message>
<message numerus="yes"><source>exafarad</source><translation><numerusform>exafarad</numerusform><numerusform>exafarads</numerusform></translation></message>
<message numerus="yes"><source>petafarad</source><translation><numerusform>pétafarad</numerusform><numerusform>pétafarads</numerusform></translation></message>
<message numerus="yes"><source>terafarad</source><translation><numerusform>térafarad</numerusform><numerusform>térafarads</numerusform></translation></message>
<message numerus="yes"><source>gigafarad</source><translation><numerusform>gigafarad</numerusform><numerusform>gigafarads</numerusform></translation></message>
<message numerus="yes"><source>megafarad</source><translation><numerusform>mégafarad</numerusform><numerusform>mégafarads</numerusform></translation></message>
<message numerus="yes"><source>kilofarad</source><translation><numerusform>kilofarad</numerusform><numerusform>kilofarads</numerusform></translation></message>
<message numerus="yes"><source>hectofarad</source><translation><numerusform>hectofarad</numerusform><numerusform>hectofarads</numerusform></translation></message>
<message numerus="yes"><source>decafarad</source><translation><numerusform>décafarad</numerusform><numerusform>décafarads</numerusform></translation></message>
<message numerus="yes"><source>decifarad</source><translation><numerusform>décifarad</numerusform><numerusform>décifarads</numerusform></translation></message>
<message numerus="yes"><source>centifarad</source><translation><numerusform>centifarad</numerusform><numerusform>centifarads</numerusform></translation></message>
<message numerus="yes"><source>millifarad</source><translation><numerusform>millifarad</numerusform><numerusform>millifarads</numerusform></translation></message>
<message numerus="yes"><source>microfarad</source><translation><numerusform>microfarad</numerusform><numerusform>microfarads</numerusform></translation></message>
<message numerus="yes"><source>nanofarad</source><translation><numerusform>nanofarad</numerusform><numerusform>nanofarads</numerusform></translation></message>
<message numerus="yes"><source>picofarad</source><translation><numerusform>picofarad</numerusform><numerusform>picofarads</numerusform></translation></message>
<message numerus="yes"><source>femtofarad</source><translation><numerusform>femtofarad</numerusform><numerusform>femtofarads</numerusform></translation></message>
<message numerus="yes"><source>attofarad</source><translation><numerusform>attofarad</numerusform><numerusform>attofarads</numerusform></translation></message>
<message numerus="yes"><source>zeptofarad</source><translation><numerusform>zeptofarad</numerusform><numerusform>zeptofarads</numerusform></translation></message>
<message numerus="yes"><source>yoctofarad</source><translation><numerusform>yoctofarad</numerusform><numerusform>yoctofarads</numerusform></translation></message>
<message numerus="yes"><source>kilopicofarad</source><translation><numerusform>kilopicofarad</numerusform><numerusform>kilopicofarads</numerusform></translation></message>
<message numerus="yes"><source>baud</source><translation><numerusform>baud</numerusform><numerusform>bauds</numerusform></translation></message>
<message numerus="yes"><source>bit per second</source><translation><numerusform>bit par seconde</numerusform><numerusform>bits par seconde</numerusform></translation></message>
<message numerus="yes"><source>byte per second</source><translation><numerusform>octet par seconde</numerusform><numerusform>octets par seconde</numerusform></translation></message>
<message numerus="yes"><source>kilobaud</source><translation><numerusform>kilobaud</numerusform><numerusform>kilobauds</numerusform></translation></message>
<message numerus="yes"><source>kilobit per second</source><translation><numerusform>kilobit par seconde</numerusform><numerusform>kilobits par seconde</numerusform></translation></message>
<message numerus="yes"><source>kilobyte per second</source><translation><numerusform>kilooctet par seconde</numerusform><numerusform>kilooctets par seconde</numerusform></translation></message>
<message numerus="yes"><source>megabaud</source><translation><numerusform>mégabaud</numerusform><numerusform>mégabauds</numerusform></translation></message>
<message numerus="yes"><source>megabit per second</source><translation><numerusform>mégabit par seconde</numerusform><numerusform>mégabits par seconde</numerusform></translation></message>
<message numerus="yes"><source>megabyte per second</source><translation><numerusform>mégaoctet par seconde</numerusform><numerusform>mégaoctets par seconde</numerusform></translation></message>
<message numerus="yes"><source>gigabit per second</source><translation><numerusform>gigabit par seconde</numerusform><numerusform>gigabits par seconde</numerusform></translation></message>
<message numerus="yes"><source>terabit per second</source><translation><numerusform>térabit par seconde</numerusform><numerusform>térabits par seconde</numerusform></translation></message>
<message numerus="yes"><source>kilogram per cubic meter</source><translation><numerusform>kilogramme par mètre cube</numerusform><numerusform>kilogrammes par mètre cube</numerusform></translation></message>
<message numerus="yes"><source>kilogram per liter</source><translation><numerusform>kilogramme par litre</numerusform><numerusform>kilogrammes par litre</numerusform></translation></message>
<message numerus="yes"><source>gram per liter</source><translation><numerusform>gramme par litre</numerusform><numerusform>grammes par litre</numerusform></translation></message>
<message numerus="yes"><source>microgram per milliliter</source><translation><numerusform>microgramme par millilitre</numerusform><numerusform>microgrammes par millilitre</numerusform></translation></message>
<message numerus="yes"><source>milligram per milliliter</source><translation><numerusform>milligramme par millilitre</numerusform><numerusform>milligrammes par millilitre</numerusform></translation></message>
<message numerus="yes"><source>pound per gallon</source><translation><numerusform>livre par gallon</numerusform><numerusform>livres par gallon</numerusform></translation></message>
<message numerus="yes"><source>ounce per gallon</source><translation><numerusform>once par gallon</numerusform><numerusform>onces par gallon</numerusform></translation></message>
<message numerus="yes"><source>pound per cubic foot</source><translation><numerusform>livre par pied cube</numerusform><numerusform>livres par pied cube</numerusform></translation></message>
<message numerus="yes"><source>pound per cubic inch</source><translation><numerusform>livre par pouce cube</numerusform><numerusform>livres par pouce cube</numerusform></translation></message>
<message numerus="yes"><source>newton per cubic meter</source><translation><numerusform>newton par mètre cube</numerusform><numerusform>newtons par mètre cube</numerusform></translation></message>
<message numerus="yes"><source>kilonewton per cubic meter</source><translation><numerusform>kilonewton par mètre cube</numerusform><numerusform>kilonewtons par mètre cube</numerusform></translation></message>
<message numerus="yes"><source>pound force per cubic foot</source><translation><numerusform>livre-force par pied cube</numerusform><numerusform>livres-force par pied cube</numerusform></translation></message>
<message numerus="yes"><source>kip per cubic inch</source><translation><numerusform>kip par pouce cube</numerusform><numerusform>kips par pouce cube</numerusform></translation></message>
<message numerus="yes"><source>kip per cubic foot</source><translation><numerusform>kip par pied cube</numerusform><numerusform>kips par pied cube</numerusform></translation></message>
<message numerus="yes"><source>joule</source><translation><numerusform>joule</numerusform><numerusform>joules</numerusform></translation></message>
<message numerus="yes"><source>calorie</source><translation><numerusform>calorie</numerusform><numerusform>calories</numerusform></translation></message>
<message numerus="yes"><source>kilocalorie</source><translation><numerusform>kilocalorie</numerusform><numerusform>kilocalories</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (thermochemical)</source><translation><numerusform>unité thermique britannique (thermochimique)</numerusform><numerusform>unités thermiques britanniques (thermochimique)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (ISO)</source><translation><numerusform>unité thermique britannique (ISO)</numerusform><numerusform>unités thermiques britanniques (ISO)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (63 degree F)</source><translation><numerusform>unité thermique britannique (63 °F)</numerusform><numerusform>unités thermiques britanniques (63 °F)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (60 degree F)</source><translation><numerusform>unité thermique britannique (60 °F)</numerusform><numerusform>unités thermiques britanniques (60 °F)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (59 degree F)</source><translation><numerusform>unité thermique britannique (59 °F)</numerusform><numerusform>unités thermiques britanniques (59 °F)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (International Table)</source><translation><numerusform>unité thermique britannique (table internationale)</numerusform><numerusform>unités thermiques britanniques (table internationale)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (mean)</source><translation><numerusform>unité thermique britannique (moyenne)</numerusform><numerusform>unités thermiques britanniques (moyenne)</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (39 degree F)</source><translation><numerusform>unité thermique britannique (39 °F)</numerusform><numerusform>unités thermiques britanniques (39 °F)</numerusform></translation></message>
<message numerus="yes"><source>kiloelectronvolt</source><translation><numerusform>kiloélectronvolt</numerusform><numerusform>kiloélectronvolts</numerusform></translation></message>
<message numerus="yes"><source>megaelectronvolt</source><translation><numerusform>mégaélectronvolt</numerusform><numerusform>mégaélectronvolts</numerusform></translation></message>
<message numerus="yes"><source>electronvolt</source><translation><numerusform>électronvolt</numerusform><numerusform>électronvolts</numerusform></translation></message>
<message numerus="yes"><source>erg</source><translation><numerusform>erg</numerusform><numerusform>ergs</numerusform></translation></message>
<message numerus="yes"><source>kilowatt hour</source><translation><numerusform>kilowattheure</numerusform><numerusform>kilowattheures</numerusform></translation></message>
<message numerus="yes"><source>kilowatt minute</source><translation><numerusform>kilowatt-minute</numerusform><numerusform>kilowatts-minutes</numerusform></translation></message>
<message numerus="yes"><source>kilowatt second</source><translation><numerusform>kilowatt-seconde</numerusform><numerusform>kilowatts-secondes</numerusform></translation></message>
<message numerus="yes"><source>therm (U.S.)</source><translation><numerusform>therm (US)</numerusform><numerusform>therms (US)</numerusform></translation></message>
<message numerus="yes"><source>newton meter</source><translation><numerusform>newton-mètre</numerusform><numerusform>newtons-mètres</numerusform></translation></message>
<message numerus="yes"><source>decanewton meter</source><translation><numerusform>décanewton-mètre</numerusform><numerusform>décanewtons-mètres</numerusform></translation></message>
<message numerus="yes"><source>kilonewton meter</source><translation><numerusform>kilonewton-mètre</numerusform><numerusform>kilonewtons-mètres</numerusform></translation></message>
<message numerus="yes"><source>meganewton meter</source><translation><numerusform>méganewton-mètre</numerusform><numerusform>méganewtons-mètres</numerusform></translation></message>
<message numerus="yes"><source>kilogram force meter</source><translation><numerusform>kilogramme-force-mètre</numerusform><numerusform>kilogrammes-force-mètres</numerusform></translation></message>
<message numerus="yes"><source>kilogram force foot</source><translation><numerusform>kilogramme-force-pied</numerusform><numerusform>kilogrammes-force-pieds</numerusform></translation></message>
<message numerus="yes"><source>ton force foot</source><translation><numerusform>tonne-force-pied</numerusform><numerusform>tonnes-force-pieds</numerusform></translation></message>
<message numerus="yes"><source>ton force meter</source><translation><numerusform>tonne-force-mètre</numerusform><numerusform>tonnes-force-mètres</numerusform></translation></message>
<message numerus="yes"><source>foot kilopound</source><translation><numerusform>pied-kilolivre</numerusform><numerusform>pieds-kilolivres</numerusform></translation></message>
<message numerus="yes"><source>foot pound force</source><translation><numerusform>pied-livre-force</numerusform><numerusform>pieds-livres-force</numerusform></translation></message>
<message numerus="yes"><source>calorie (20 degree C)</source><translation><numerusform>calorie (20 °C)</numerusform><numerusform>calories (20 °C)</numerusform></translation></message>
<message numerus="yes"><source>calorie (thermochemical)</source><translation><numerusform>calorie (thermochimique)</numerusform><numerusform>calories (thermochimique)</numerusform></translation></message>
<message numerus="yes"><source>calorie (15 degree C)</source><translation><numerusform>calorie (15 °C)</numerusform><numerusform>calories (15 °C)</numerusform></translation></message>
<message numerus="yes"><source>calorie (mean)</source><translation><numerusform>calorie (moyenne)</numerusform><numerusform>calories (moyenne)</numerusform></translation></message>
<message numerus="yes"><source>calorie (3.98 degree C)</source><translation><numerusform>calorie (3,98 °C)</numerusform><numerusform>calories (3,98 °C)</numerusform></translation></message>
<message numerus="yes"><source>Therm (EC)</source><translation><numerusform>therm (CE)</numerusform><numerusform>therms (CE)</numerusform></translation></message>
<message numerus="yes"><source>kilojoule</source><translation><numerusform>kilojoule</numerusform><numerusform>kilojoules</numerusform></translation></message>
<message numerus="yes"><source>therm</source><translation><numerusform>therm</numerusform><numerusform>therms</numerusform></translation></message>
<message numerus="yes"><source>cubic meter per second</source><translation><numerusform>mètre cube par seconde</numerusform><numerusform>mètres cubes par seconde</numerusform></translation></message>
<message numerus="yes"><source>liter per second</source><translation><numerusform>litre par seconde</numerusform><numerusform>litres par seconde</numerusform></translation></message>
<message numerus="yes"><source>liter per minute</source><translation><numerusform>litre par minute</numerusform><numerusform>litres par minute</numerusform></translation></message>
<message numerus="yes"><source>liter per hour</source><translation><numerusform>litre par heure</numerusform><numerusform>litres par heure</numerusform></translation></message>
<message numerus="yes"><source>gallon per second</source><translation><numerusform>gallon par seconde</numerusform><numerusform>gallons par seconde</numerusform></translation></message>
<message numerus="yes"><source>gallon per minute</source><translation><numerusform>gallon par minute</numerusform><numerusform>gallons par minute</numerusform></translation></message>
<message numerus="yes"><source>gallon per hour</source><translation><numerusform>gallon par heure</numerusform><numerusform>gallons par heure</numerusform></translation></message>
<message numerus="yes"><source>gallon per day</source><translation><numerusform>gallon par jour</numerusform><numerusform>gallons par jour</numerusform></translation></message>
<message numerus="yes"><source>milliliter per minute</source><translation><numerusform>millilitre par minute</numerusform><numerusform>millilitres par minute</numerusform></translation></message>
<message numerus="yes"><source>cubic centimeter per minute</source><translation><numerusform>centimètre cube par minute</numerusform><numerusform>centimètres cubes par minute</numerusform></translation></message>
<message numerus="yes"><source>cubic foot per hour</source><translation><numerusform>pied cube par heure</numerusform><numerusform>pieds cubes par heure</numerusform></translation></message>
<message numerus="yes"><source>cubic foot per minute</source><translation><numerusform>pied cube par minute</numerusform><numerusform>pieds cubes par minute</numerusform></translation></message>
<message numerus="yes"><source>cubic foot per second</source><translation><numerusform>pied cube par seconde</numerusform><numerusform>pieds cubes par seconde</numerusform></translation></message>
<message numerus="yes"><source>cubic inch per minute</source><translation><numerusform>pouce cube par minute</numerusform><numerusform>pouces cubes par minute</numerusform></translation></message>
<message numerus="yes"><source>cubic meter per hour</source><translation><numerusform>mètre cube par heure</numerusform><numerusform>mètres cubes par heure</numerusform></translation></message>
<message numerus="yes"><source>cubic meter per minute</source><translation><numerusform>mètre cube par minute</numerusform><numerusform>mètres cubes par minute</numerusform></translation></message>
<message numerus="yes"><source>cubic centimeter per second</source><translation><numerusform>centimètre cube par seconde</numerusform><numerusform>centimètres cubes par seconde</numerusform></translation></message>
<message numerus="yes"><source>cubic centimeter per hour</source><translation><numerusform>centimètre cube par heure</numerusform><numerusform>centimètres cubes par heure</numerusform></translation></message>
<message numerus="yes"><source>US gallon per hour</source><translation><numerusform>gallon US par heure</numerusform><numerusform>gallons US par heure</numerusform></translation></message>
<message numerus="yes"><source>US gallon per second</source><translation><numerusform>gallon US par seconde</numerusform><numerusform>gallons US par seconde</numerusform></translation></message>
<message numerus="yes"><source>Imp gallon per day</source><translation><numerusform>gallon impérial par jour</numerusform><numerusform>gallons impériaux par jour</numerusform></translation></message>
<message numerus="yes"><source>Imp gallon per hour</source><translation><numerusform>gallon impérial par heure</numerusform><numerusform>gallons impériaux par heure</numerusform></translation></message>
<message numerus="yes"><source>Imp gallon per minute</source><translation><numerusform>gallon impérial par minute</numerusform><numerusform>gallons impériaux par minute</numerusform></translation></message>
<message numerus="yes"><source>Imp gallon per second</source><translation><numerusform>gallon impérial par seconde</numerusform><numerusform>gallons impériaux par seconde</numerusform></translation></message>
<message numerus="yes"><source>Imp million gallon per day</source><translation><numerusform>million de gallons impériaux par jour</numerusform><numerusform>millions de gallons impériaux par jour</numerusform></translation></message>
<message numerus="yes"><source>liter per day</source><translation><numerusform>litre par jour</numerusform><numerusform>litres par jour</numerusform></translation></message>
<message numerus="yes"><source>million liter per day</source><translation><numerusform>million de litres par jour</numerusform><numerusform>millions de litres par jour</numerusform></translation></message>
<message numerus="yes"><source>US gallon per day</source><translation><numerusform>gallon US par jour</numerusform><numerusform>gallons US par jour</numerusform></translation></message>
<message numerus="yes"><source>US million gallon per day</source><translation><numerusform>million de gallons US par jour</numerusform><numerusform>millions de gallons US par jour</numerusform></translation></message>
<message numerus="yes"><source>cubic foot per day</source><translation><numerusform>pied cube par jour</numerusform><numerusform>pieds cubes par jour</numerusform></translation></message>
<message numerus="yes"><source>cubic meter per day</source><translation><numerusform>mètre cube par jour</numerusform><numerusform>mètres cubes par jour</numerusform></translation></message>
<message numerus="yes"><source>cubic yard per minute</source><translation><numerusform>yard cube par minute</numerusform><numerusform>yards cubes par minute</numerusform></translation></message>
<message numerus="yes"><source>acre foot per day</source><translation><numerusform>acre-pied par jour</numerusform><numerusform>acres-pieds par jour</numerusform></translation></message>
<message numerus="yes"><source>acre foot per hour</source><translation><numerusform>acre-pied par heure</numerusform><numerusform>acres-pieds par heure</numerusform></translation></message>
<message numerus="yes"><source>acre foot per minute</source><translation><numerusform>acre-pied par minute</numerusform><numerusform>acres-pieds par minute</numerusform></translation></message>
<message numerus="yes"><source>acre inch per hour</source><translation><numerusform>acre-pouce par heure</numerusform><numerusform>acres-pouces par heure</numerusform></translation></message>
<message numerus="yes"><source>acre inch per minute</source><translation><numerusform>acre-pouce par minute</numerusform><numerusform>acres-pouces par minute</numerusform></translation></message>
<message numerus="yes"><source>cubic survey foot per second</source><translation><numerusform>pied d'arpentage cube par seconde</numerusform><numerusform>pieds d'arpentage cubes par seconde</numerusform></translation></message>
<message numerus="yes"><source>kilogram per second</source><translation><numerusform>kilogramme par seconde</numerusform><numerusform>kilogrammes par seconde</numerusform></translation></message>
<message numerus="yes"><source>kilogram per minute</source><translation><numerusform>kilogramme par minute</numerusform><numerusform>kilogrammes par minute</numerusform></translation></message>
<message numerus="yes"><source>kilogram per hour</source><translation><numerusform>kilogramme par heure</numerusform><numerusform>kilogrammes par heure</numerusform></translation></message>
<message numerus="yes"><source>gram per second</source><translation><numerusform>gramme par seconde</numerusform><numerusform>grammes par seconde</numerusform></translation></message>
<message numerus="yes"><source>gram per minute</source><translation><numerusform>gramme par minute</numerusform><numerusform>grammes par minute</numerusform></translation></message>
<message numerus="yes"><source>gram per hour</source><translation><numerusform>gramme par heure</numerusform><numerusform>grammes par heure</numerusform></translation></message>
<message numerus="yes"><source>pound per second</source><translation><numerusform>livre par seconde</numerusform><numerusform>livres par seconde</numerusform></translation></message>
<message numerus="yes"><source>pound per minute</source><translation><numerusform>livre par minute</numerusform><numerusform>livres par minute</numerusform></translation></message>
<message numerus="yes"><source>pound per hour</source><translation><numerusform>livre par heure</numerusform><numerusform>livres par heure</numerusform></translation></message>
<message numerus="yes"><source>pint per stroke</source><translation><numerusform>pinte par coup de piston</numerusform><numerusform>pintes par coup de piston</numerusform></translation></message>
<message numerus="yes"><source>quart per stroke</source><translation><numerusform>quart par coup de piston</numerusform><numerusform>quarts par coup de piston</numerusform></translation></message>
<message numerus="yes"><source>newton</source><translation><numerusform>newton</numerusform><numerusform>newtons</numerusform></translation></message>
<message numerus="yes"><source>yottanewton</source><translation><numerusform>yottanewton</numerusform><numerusform>yottanewtons</numerusform></translation></message>
<message numerus="yes"><source>zettanewton</source><translation><numerusform>zettanewton</numerusform><numerusform>zettanewtons</numerusform></translation></message>
<message numerus="yes"><source>exanewton</source><translation><numerusform>exanewton</numerusform><numerusform>exanewtons</numerusform></translation></message>
<message numerus="yes"><source>petanewton</source><translation><numerusform>pétanewton</numerusform><numerusform>pétanewtons</numerusform></translation></message>
<message numerus="yes"><source>teranewton</source><translation><numerusform>téranewton</numerusform><numerusform>téranewtons</numerusform></translation></message>
<message numerus="yes"><source>giganewton</source><translation><numerusform>giganewton</numerusform><numerusform>giganewtons</numerusform></translation></message>
<message numerus="yes"><source>meganewton</source><translation><numerusform>méganewton</numerusform><numerusform>méganewtons</numerusform></translation></message>
<message numerus="yes"><source>kilonewton</source><translation><numerusform>kilonewton</numerusform><numerusform>kilonewtons</numerusform></translation></message>
<message numerus="yes"><source>hectonewton</source><translation><numerusform>hectonewton</numerusform><numerusform>hectonewtons</numerusform></translation></message>
<message numerus="yes"><source>decanewton</source><translation><numerusform>décanewton</numerusform><numerusform>décanewtons</numerusform></translation></message>
<message numerus="yes"><source>decinewton</source><translation><numerusform>décinewton</numerusform><numerusform>décinewtons</numerusform></translation></message>
<message numerus="yes"><source>centinewton</source><translation><numerusform>centinewton</numerusform><numerusform>centinewtons</numerusform></translation></message>
<message numerus="yes"><source>millinewton</source><translation><numerusform>millinewton</numerusform><numerusform>millinewtons</numerusform></translation></message>
<message numerus="yes"><source>micronewton</source><translation><numerusform>micronewton</numerusform><numerusform>micronewtons</numerusform></translation></message>
<message numerus="yes"><source>nanonewton</source><translation><numerusform>nanonewton</numerusform><numerusform>nanonewtons</numerusform></translation></message>
<message numerus="yes"><source>piconewton</source><translation><numerusform>piconewton</numerusform><numerusform>piconewtons</numerusform></translation></message>
<message numerus="yes"><source>femtonewton</source><translation><numerusform>femtonewton</numerusform><numerusform>femtonewtons</numerusform></translation></message>
<message numerus="yes"><source>attonewton</source><translation><numerusform>attonewton</numerusform><numerusform>attonewtons</numerusform></translation></message>
<message numerus="yes"><source>zeptonewton</source><translation><numerusform>zeptonewton</numerusform><numerusform>zeptonewtons</numerusform></translation></message>
<message numerus="yes"><source>yoctonewton</source><translation><numerusform>yoctonewton</numerusform><numerusform>yoctonewtons</numerusform></translation></message>
<message numerus="yes"><source>kilopound</source><translation><numerusform>kilolivre</numerusform><numerusform>kilolivres</numerusform></translation></message>
<message numerus="yes"><source>kilogram-force</source><translation><numerusform>kilogramme-force</numerusform><numerusform>kilogrammes-force</numerusform></translation></message>
<message numerus="yes"><source>pound force</source><translation><numerusform>livre-force</numerusform><numerusform>livres-force</numerusform></translation></message>
<message numerus="yes"><source>kip</source><translation><numerusform>kip</numerusform><numerusform>kips</numerusform></translation></message>
<message numerus="yes"><source>ton force</source><translation><numerusform>tonne-force</numerusform><numerusform>tonnes-force</numerusform></translation></message>
<message numerus="yes"><source>dyne</source><translation><numerusform>dyne</numerusform><numerusform>dynes</numerusform></translation></message>
<message numerus="yes"><source>lbforce</source><translation><numerusform>livre-force (lbf)</numerusform><numerusform>livres-force (lbf)</numerusform></translation></message>
<message numerus="yes"><source>ounce force</source><translation><numerusform>once-force</numerusform><numerusform>onces-force</numerusform></translation></message>
<message numerus="yes"><source>newton per meter</source><translation><numerusform>newton par mètre</numerusform><numerusform>newtons par mètre</numerusform></translation></message>
<message numerus="yes"><source>kilopound per foot</source><translation><numerusform>kilolivre par pied</numerusform><numerusform>kilolivres par pied</numerusform></translation></message>
<message numerus="yes"><source>kilogram force per meter</source><translation><numerusform>kilogramme-force par mètre</numerusform><numerusform>kilogrammes-force par mètre</numerusform></translation></message>
<message numerus="yes"><source>ton force per meter</source><translation><numerusform>tonne-force par mètre</numerusform><numerusform>tonnes-force par mètre</numerusform></translation></message>
<message numerus="yes"><source>pound-force per foot</source><translation><numerusform>livre-force par pied</numerusform><numerusform>livres-force par pied</numerusform></translation></message>
<message numerus="yes"><source>decanewton per meter</source><translation><numerusform>décanewton par mètre</numerusform><numerusform>décanewtons par mètre</numerusform></translation></message>
<message numerus="yes"><source>kilonewton per meter</source><translation><numerusform>kilonewton par mètre</numerusform><numerusform>kilonewtons par mètre</numerusform></translation></message>
<message numerus="yes"><source>meganewton per meter</source><translation><numerusform>méganewton par mètre</numerusform><numerusform>méganewtons par mètre</numerusform></translation></message>
<message numerus="yes"><source>kip per foot</source><translation><numerusform>kip par pied</numerusform><numerusform>kips par pied</numerusform></translation></message>
<message numerus="yes"><source>kip per inch</source><translation><numerusform>kip par pouce</numerusform><numerusform>kips par pouce</numerusform></translation></message>
<message><source>hertz</source><translation>hertz</translation></message>
<message><source>kilohertz</source><translation>kilohertz</translation></message>
<message><source>megahertz</source><translation>mégahertz</translation></message>
<message><source>gigahertz</source><translation>gigahertz</translation></message>
<message><source>terahertz</source><translation>térahertz</translation></message>
<message numerus="yes"><source>cycle per second</source><translation><numerusform>cycle par seconde</numerusform><numerusform>cycles par seconde</numerusform></translation></message>
<message numerus="yes"><source>revolution per minute</source><translation><numerusform>tour par minute</numerusform><numerusform>tours par minute</numerusform></translation></message>
<message numerus="yes"><source>flash per second</source><translation><numerusform>éclat par seconde</numerusform><numerusform>éclats par seconde</numerusform></translation></message>
<message numerus="yes"><source>flash per minute</source><translation><numerusform>éclat par minute</numerusform><numerusform>éclats par minute</numerusform></translation></message>
<message numerus="yes"><source>henry</source><translation><numerusform>henry</numerusform><numerusform>henrys</numerusform></translation></message>
<message numerus="yes"><source>nanohenry</source><translation><numerusform>nanohenry</numerusform><numerusform>nanohenrys</numerusform></translation></message>
<message numerus="yes"><source>microhenry</source><translation><numerusform>microhenry</numerusform><numerusform>microhenrys</numerusform></translation></message>
<message numerus="yes"><source>millihenry</source><translation><numerusform>millihenry</numerusform><numerusform>millihenrys</numerusform></translation></message>
<message><source>gauss</source><translation>gauss</translation></message>
<message><source>milligauss</source><translation>milligauss</translation></message>
<message numerus="yes"><source>tesla</source><translation><numerusform>tesla</numerusform><numerusform>teslas</numerusform></translation></message>
<message numerus="yes"><source>gamma</source><translation><numerusform>gamma</numerusform><numerusform>gammas</numerusform></translation></message>
<message numerus="yes"><source>weber</source><translation><numerusform>weber</numerusform><numerusform>webers</numerusform></translation></message>
<message numerus="yes"><source>maxwell</source><translation><numerusform>maxwell</numerusform><numerusform>maxwells</numerusform></translation></message>
<message numerus="yes"><source>watt</source><translation><numerusform>watt</numerusform><numerusform>watts</numerusform></translation></message>
<message numerus="yes"><source>horsepower (metric)</source><translation><numerusform>cheval-vapeur (métrique)</numerusform><numerusform>chevaux-vapeur (métrique)</numerusform></translation></message>
<message numerus="yes"><source>horsepower (European electrical)</source><translation><numerusform>cheval-vapeur (électrique européen)</numerusform><numerusform>chevaux-vapeur (électrique européen)</numerusform></translation></message>
<message numerus="yes"><source>horsepower (Imperial mechanical)</source><translation><numerusform>cheval-vapeur britannique (mécanique)</numerusform><numerusform>chevaux-vapeur britanniques (mécanique)</numerusform></translation></message>
<message numerus="yes"><source>horsepower (Imperial electrical)</source><translation><numerusform>cheval-vapeur britannique (électrique)</numerusform><numerusform>chevaux-vapeur britanniques (électrique)</numerusform></translation></message>
<message numerus="yes"><source>kilocalorie per hour</source><translation><numerusform>kilocalorie par heure</numerusform><numerusform>kilocalories par heure</numerusform></translation></message>
<message numerus="yes"><source>kilowatt</source><translation><numerusform>kilowatt</numerusform><numerusform>kilowatts</numerusform></translation></message>
<message numerus="yes"><source>megawatt</source><translation><numerusform>mégawatt</numerusform><numerusform>mégawatts</numerusform></translation></message>
<message numerus="yes"><source>microwatt</source><translation><numerusform>microwatt</numerusform><numerusform>microwatts</numerusform></translation></message>
<message numerus="yes"><source>volt ampere</source><translation><numerusform>voltampère</numerusform><numerusform>voltampères</numerusform></translation></message>
<message numerus="yes"><source>millivolt ampere</source><translation><numerusform>millivoltampère</numerusform><numerusform>millivoltampères</numerusform></translation></message>
<message numerus="yes"><source>kilovolt ampere</source><translation><numerusform>kilovoltampère</numerusform><numerusform>kilovoltampères</numerusform></translation></message>
<message numerus="yes"><source>megavolt ampere</source><translation><numerusform>mégavoltampère</numerusform><numerusform>mégavoltampères</numerusform></translation></message>
<message numerus="yes"><source>milliwatt</source><translation><numerusform>milliwatt</numerusform><numerusform>milliwatts</numerusform></translation></message>
<message numerus="yes"><source>kilogram force meter per second</source><translation><numerusform>kilogramme-force-mètre par seconde</numerusform><numerusform>kilogrammes-force-mètres par seconde</numerusform></translation></message>
<message numerus="yes"><source>foot pound-force per second</source><translation><numerusform>pied-livre-force par seconde</numerusform><numerusform>pieds-livres-force par seconde</numerusform></translation></message>
<message numerus="yes"><source>calorie per second</source><translation><numerusform>calorie par seconde</numerusform><numerusform>calories par seconde</numerusform></translation></message>
<message numerus="yes"><source>kilocalorie per second</source><translation><numerusform>kilocalorie par seconde</numerusform><numerusform>kilocalories par seconde</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (International Table) per second</source><translation><numerusform>unité thermique britannique (table internationale) par seconde</numerusform><numerusform>unités thermiques britanniques (table internationale) par seconde</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit (International Table) per hour</source><translation><numerusform>unité thermique britannique (table internationale) par heure</numerusform><numerusform>unités thermiques britanniques (table internationale) par heure</numerusform></translation></message>
<message numerus="yes"><source>million British thermal unit (International Table) per hour</source><translation><numerusform>million d'unités thermiques britanniques (table internationale) par heure</numerusform><numerusform>millions d'unités thermiques britanniques (table internationale) par heure</numerusform></translation></message>
<message numerus="yes"><source>thousand British thermal unit (International Table) per hour</source><translation><numerusform>millier d'unités thermiques britanniques (table internationale) par heure</numerusform><numerusform>milliers d'unités thermiques britanniques (table internationale) par heure</numerusform></translation></message>
<message numerus="yes"><source>ton of refrigeration</source><translation><numerusform>tonne de réfrigération</numerusform><numerusform>tonnes de réfrigération</numerusform></translation></message>
<message numerus="yes"><source>gigawatt</source><translation><numerusform>gigawatt</numerusform><numerusform>gigawatts</numerusform></translation></message>
<message numerus="yes"><source>watt per cubic meter</source><translation><numerusform>watt par mètre cube</numerusform><numerusform>watts par mètre cube</numerusform></translation></message>
<message numerus="yes"><source>watt per cubic foot</source><translation><numerusform>watt par pied cube</numerusform><numerusform>watts par pied cube</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit per hour cubic foot</source><translation><numerusform>unité thermique britannique par heure et par pied cube</numerusform><numerusform>unités thermiques britanniques par heure et par pied cube</numerusform></translation></message>
<message numerus="yes"><source>watt per kilogram</source><translation><numerusform>watt par kilogramme</numerusform><numerusform>watts par kilogramme</numerusform></translation></message>
<message numerus="yes"><source>watt per square meter</source><translation><numerusform>watt par mètre carré</numerusform><numerusform>watts par mètre carré</numerusform></translation></message>
<message numerus="yes"><source>kilowatt per square meter</source><translation><numerusform>kilowatt par mètre carré</numerusform><numerusform>kilowatts par mètre carré</numerusform></translation></message>
<message numerus="yes"><source>kilowatt per square foot</source><translation><numerusform>kilowatt par pied carré</numerusform><numerusform>kilowatts par pied carré</numerusform></translation></message>
<message numerus="yes"><source>watt per square foot</source><translation><numerusform>watt par pied carré</numerusform><numerusform>watts par pied carré</numerusform></translation></message>
<message numerus="yes"><source>British thermal unit per hour square foot</source><translation><numerusform>unité thermique britannique par heure et par pied carré</numerusform><numerusform>unités thermiques britanniques par heure et par pied carré</numerusform></translation></message>
<message numerus="yes"><source>bar</source><translation><numerusform>bar</numerusform><numerusform>bars</numerusform></translation></message>
<message numerus="yes"><source>bar absolute</source><translation><numerusform>bar absolu</numerusform><numerusform>bars absolus</numerusform></translation></message>
<message numerus="yes"><source>bar gauge</source><translation><numerusform>bar relatif</numerusform><numerusform>bars relatifs</numerusform></translation></message>
<message numerus="yes"><source>inch of mercury</source><translation><numerusform>pouce de mercure</numerusform><numerusform>pouces de mercure</numerusform></translation></message>
<message numerus="yes"><source>inch of water</source><translation><numerusform>pouce d'eau</numerusform><numerusform>pouces d'eau</numerusform></translation></message>
<message numerus="yes"><source>kilobar</source><translation><numerusform>kilobar</numerusform><numerusform>kilobars</numerusform></translation></message>
<message numerus="yes"><source>kilogram per square centimeter</source><translation><numerusform>kilogramme par centimètre carré</numerusform><numerusform>kilogrammes par centimètre carré</numerusform></translation></message>
<message numerus="yes"><source>kilopascal</source><translation><numerusform>kilopascal</numerusform><numerusform>kilopascals</numerusform></translation></message>
<message numerus="yes"><source>kilopound per square inch</source><translation><numerusform>kilolivre par pouce carré</numerusform><numerusform>kilolivres par pouce carré</numerusform></translation></message>
<message numerus="yes"><source>mega pascal</source><translation><numerusform>mégapascal</numerusform><numerusform>mégapascals</numerusform></translation></message>
<message numerus="yes"><source>millibar</source><translation><numerusform>millibar</numerusform><numerusform>millibars</numerusform></translation></message>
<message numerus="yes"><source>millimeter of mercury</source><translation><numerusform>millimètre de mercure</numerusform><numerusform>millimètres de mercure</numerusform></translation></message>
<message numerus="yes"><source>milli pascal</source><translation><numerusform>millipascal</numerusform><numerusform>millipascals</numerusform></translation></message>
<message numerus="yes"><source>pascal</source><translation><numerusform>pascal</numerusform><numerusform>pascals</numerusform></translation></message>
<message numerus="yes"><source>pound per square inch (atmosphere)</source><translation><numerusform>livre par pouce carré (absolue)</numerusform><numerusform>livres par pouce carré (absolue)</numerusform></translation></message>
<message numerus="yes"><source>pound per square inch (gauge)</source><translation><numerusform>livre par pouce carré (relative)</numerusform><numerusform>livres par pouce carré (relative)</numerusform></translation></message>
<message numerus="yes"><source>pound per square foot</source><translation><numerusform>livre par pied carré</numerusform><numerusform>livres par pied carré</numerusform></translation></message>
<message numerus="yes"><source>pound per square inch</source><translation><numerusform>livre par pouce carré</numerusform><numerusform>livres par pouce carré</numerusform></translation></message>
<message numerus="yes"><source>atmosphere (standard)</source><translation><numerusform>atmosphère (normale)</numerusform><numerusform>atmosphères (normale)</numerusform></translation></message>
<message numerus="yes"><source>atmosphere (metric)</source><translation><numerusform>atmosphère (technique)</numerusform><numerusform>atmosphères (technique)</numerusform></translation></message>
<message numerus="yes"><source>torr</source><translation><numerusform>torr</numerusform><numerusform>torrs</numerusform></translation></message>
<message numerus="yes"><source>newton per square millimeter</source><translation><numerusform>newton par millimètre carré</numerusform><numerusform>newtons par millimètre carré</numerusform></translation></message>
<message numerus="yes"><source>newton per square meter</source><translation><numerusform>newton par mètre carré</numerusform><numerusform>newtons par mètre carré</numerusform></translation></message>
<message numerus="yes"><source>decanewton per square millimeter</source><translation><numerusform>décanewton par millimètre carré</numerusform><numerusform>décanewtons par millimètre carré</numerusform></translation></message>
<message numerus="yes"><source>decanewton per square meter</source><translation><numerusform>décanewton par mètre carré</numerusform><numerusform>décanewtons par mètre carré</numerusform></translation></message>
<message numerus="yes"><source>kilonewton per square meter</source><translation><numerusform>kilonewton par mètre carré</numerusform><numerusform>kilonewtons par mètre carré</numerusform></translation></message>
<message numerus="yes"><source>meganewton per square meter</source><translation><numerusform>méganewton par mètre carré</numerusform><numerusform>méganewtons par mètre carré</numerusform></translation></message>
<message numerus="yes"><source>kilopound per square foot</source><translation><numerusform>kilolivre par pied carré</numerusform><numerusform>kilolivres par pied carré</numerusform></translation></message>
<message numerus="yes"><source>kilogram force per square millimeter</source><translation><numerusform>kilogramme-force par millimètre carré</numerusform><numerusform>kilogrammes-force par millimètre carré</numerusform></translation></message>
<message numerus="yes"><source>kilogram force per square centimeter</source><translation><numerusform>kilogramme-force par centimètre carré</numerusform><numerusform>kilogrammes-force par centimètre carré</numerusform></translation></message>
<message numerus="yes"><source>kilogram force per square meter</source><translation><numerusform>kilogramme-force par mètre carré</numerusform><numerusform>kilogrammes-force par mètre carré</numerusform></translation></message>
<message numerus="yes"><source>ton force per square centimeter</source><translation><numerusform>tonne-force par centimètre carré</numerusform><numerusform>tonnes-force par centimètre carré</numerusform></translation></message>
<message numerus="yes"><source>ton force per square meter</source><translation><numerusform>tonne-force par mètre carré</numerusform><numerusform>tonnes-force par mètre carré</numerusform></translation></message>
<message numerus="yes"><source>ton force per square foot</source><translation><numerusform>tonne-force par pied carré</numerusform><numerusform>tonnes-force par pied carré</numerusform></translation></message>
<message numerus="yes"><source>pound force per square inch</source><translation><numerusform>livre-force par pouce carré</numerusform><numerusform>livres-force par pouce carré</numerusform></translation></message>
<message numerus="yes"><source>foot of water</source><translation><numerusform>pied d'eau</numerusform><numerusform>pieds d'eau</numerusform></translation></message>
<message numerus="yes"><source>kip per square inch</source><translation><numerusform>kip par pouce carré</numerusform><numerusform>kips par pouce carré</numerusform></translation></message>
<message numerus="yes"><source>kip per square foot</source><translation><numerusform>kip par pied carré</numerusform><numerusform>kips par pied carré</numerusform></translation></message>
<message numerus="yes"><source>pound force per square foot</source><translation><numerusform>livre-force par pied carré</numerusform><numerusform>livres-force par pied carré</numerusform></translation></message>
<message numerus="yes"><source>hectopascal</source><translation><numerusform>hectopascal</numerusform><numerusform>hectopascals</numerusform></translation></message>
<message numerus="yes"><source>meter per newton</source><translation><numerusform>mètre par newton</numerusform><numerusform>mètres par newton</numerusform></translation></message>
<message numerus="yes"><source>meter per kilonewton</source><translation><numerusform>mètre par kilonewton</numerusform><numerusform>mètres par kilonewton</numerusform></translation></message>
<message numerus="yes"><source>foot per kip</source><translation><numerusform>pied par kip</numerusform><numerusform>pieds par kip</numerusform></translation></message>
<message numerus="yes"><source>square meter per newton</source><translation><numerusform>mètre carré par newton</numerusform><numerusform>mètres carrés par newton</numerusform></translation></message>
<message numerus="yes"><source>square meter per kilonewton</source><translation><numerusform>mètre carré par kilonewton</numerusform><numerusform>mètres carrés par kilonewton</numerusform></translation></message>
<message numerus="yes"><source>square foot per kip</source><translation><numerusform>pied carré par kip</numerusform><numerusform>pieds carrés par kip</numerusform></translation></message>
<message numerus="yes"><source>cubic meter per newton</source><translation><numerusform>mètre cube par newton</numerusform><numerusform>mètres cubes par newton</numerusform></translation></message>
<message numerus="yes"><source>cubic meter per kilonewton</source><translation><numerusform>mètre cube par kilonewton</numerusform><numerusform>mètres cubes par kilonewton</numerusform></translation></message>
<message numerus="yes"><source>cubic foot per kip</source><translation><numerusform>pied cube par kip</numerusform><numerusform>pieds cubes par kip</numerusform></translation></message>
<message numerus="yes"><source>newton-meter per meter</source><translation><numerusform>newton-mètre par mètre</numerusform><numerusform>newtons-mètres par mètre</numerusform></translation></message>
<message numerus="yes"><source>decanewton-meter per meter</source><translation><numerusform>décanewton-mètre par mètre</numerusform><numerusform>décanewtons-mètres par mètre</numerusform></translation></message>
<message numerus="yes"><source>kilonewton-meter per meter</source><translation><numerusform>kilonewton-mètre par mètre</numerusform><numerusform>kilonewtons-mètres par mètre</numerusform></translation></message>
<message numerus="yes"><source>meganewton-meter per meter</source><translation><numerusform>méganewton-mètre par mètre</numerusform><numerusform>méganewtons-mètres par mètre</numerusform></translation></message>
<message numerus="yes"><source>kip-foot per foot</source><translation><numerusform>kip-pied par pied</numerusform><numerusform>kips-pieds par pied</numerusform></translation></message>
<message numerus="yes"><source>kilogram force-meter per meter</source><translation><numerusform>kilogramme-force-mètre par mètre</numerusform><numerusform>kilogrammes-force-mètres par mètre</numerusform></translation></message>
<message numerus="yes"><source>ton force-meter per meter</source><translation><numerusform>tonne-force-mètre par mètre</numerusform><numerusform>tonnes-force-mètres par mètre</numerusform></translation></message>
<message numerus="yes"><source>pound-force foot per foot</source><translation><numerusform>livre-force-pied par pied</numerusform><numerusform>livres-force-pieds par pied</numerusform></translation></message>
<message numerus="yes"><source>ohm</source><translation><numerusform>ohm</numerusform><numerusform>ohms</numerusform></translation></message>
<message numerus="yes"><source>kilohm</source><translation><numerusform>kilohm</numerusform><numerusform>kilohms</numerusform></translation></message>
<message numerus="yes"><source>gigaohm</source><translation><numerusform>gigaohm</numerusform><numerusform>gigaohms</numerusform></translation></message>
<message numerus="yes"><source>megohm</source><translation><numerusform>mégohm</numerusform><numerusform>mégohms</numerusform></translation></message>
<message numerus="yes"><source>microohm</source><translation><numerusform>microhm</numerusform><numerusform>microhms</numerusform></translation></message>
<message numerus="yes"><source>milliohm</source><translation><numerusform>milliohm</numerusform><numerusform>milliohms</numerusform></translation></message>
<message><source>siemens</source><translation>siemens</translation></message>
<message numerus="yes"><source>mho</source><translation><numerusform>mho</numerusform><numerusform>mhos</numerusform></translation></message>
<message numerus="yes"><source>meter per second</source><translation><numerusform>mètre par seconde</numerusform><numerusform>mètres par seconde</numerusform></translation></message>
<message numerus="yes"><source>millimeter per second</source><translation><numerusform>millimètre par seconde</numerusform><numerusform>millimètres par seconde</numerusform></translation></message>
<message numerus="yes"><source>centimeter per second</source><translation><numerusform>centimètre par seconde</numerusform><numerusform>centimètres par seconde</numerusform></translation></message>
<message numerus="yes"><source>meter per minute</source><translation><numerusform>mètre par minute</numerusform><numerusform>mètres par minute</numerusform></translation></message>
<message numerus="yes"><source>inch per second</source><translation><numerusform>pouce par seconde</numerusform><numerusform>pouces par seconde</numerusform></translation></message>
<message numerus="yes"><source>foot per second</source><translation><numerusform>pied par seconde</numerusform><numerusform>pieds par seconde</numerusform></translation></message>
<message numerus="yes"><source>inch per minute</source><translation><numerusform>pouce par minute</numerusform><numerusform>pouces par minute</numerusform></translation></message>
<message numerus="yes"><source>foot per minute</source><translation><numerusform>pied par minute</numerusform><numerusform>pieds par minute</numerusform></translation></message>
<message numerus="yes"><source>kilometer per hour</source><translation><numerusform>kilomètre par heure</numerusform><numerusform>kilomètres par heure</numerusform></translation></message>
<message numerus="yes"><source>mile per hour</source><translation><numerusform>mile par heure</numerusform><numerusform>miles par heure</numerusform></translation></message>
<message numerus="yes"><source>centimeter per minute</source><translation><numerusform>centimètre par minute</numerusform><numerusform>centimètres par minute</numerusform></translation></message>
<message numerus="yes"><source>foot per hour</source><translation><numerusform>pied par heure</numerusform><numerusform>pieds par heure</numerusform></translation></message>
<message numerus="yes"><source>inch per hour</source><translation><numerusform>pouce par heure</numerusform><numerusform>pouces par heure</numerusform></translation></message>
<message numerus="yes"><source>kilometer per minute</source><translation><numerusform>kilomètre par minute</numerusform><numerusform>kilomètres par minute</numerusform></translation></message>
<message numerus="yes"><source>kilometer per second</source><translation><numerusform>kilomètre par seconde</numerusform><numerusform>kilomètres par seconde</numerusform></translation></message>
<message numerus="yes"><source>knot</source><translation><numerusform>nœud</numerusform><numerusform>nœuds</numerusform></translation></message>
<message numerus="yes"><source>knot (UK)</source><translation><numerusform>nœud (britannique)</numerusform><numerusform>nœuds (britannique)</numerusform></translation></message>
<message numerus="yes"><source>meter per hour</source><translation><numerusform>mètre par heure</numerusform><numerusform>mètres par heure</numerusform></translation></message>
<message numerus="yes"><source>mile per minute</source><translation><numerusform>mile par minute</numerusform><numerusform>miles par minute</numerusform></translation></message>
<message numerus="yes"><source>mile per second</source><translation><numerusform>mile par seconde</numerusform><numerusform>miles par seconde</numerusform></translation></message>
<message numerus="yes"><source>survey mile per hour</source><translation><numerusform>mile d'arpentage par heure</numerusform><numerusform>miles d'arpentage par heure</numerusform></translation></message>
<message numerus="yes"><source>survey foot per second</source><translation><numerusform>pied d'arpentage par seconde</numerusform><numerusform>pieds d'arpentage par seconde</numerusform></translation></message>
<message numerus="yes"><source>byte</source><translation><numerusform>octet</numerusform><numerusform>octets</numerusform></translation></message>
<message numerus="yes"><source>bit</source><translation><numerusform>bit</numerusform><numerusform>bits</numerusform></translation></message>
<message numerus="yes"><source>kilobyte</source><translation><numerusform>kilooctet</numerusform><numerusform>kilooctets</numerusform></translation></message>
<message numerus="yes"><source>megabyte</source><translation><numerusform>mégaoctet</numerusform><numerusform>mégaoctets</numerusform></translation></message>
<message numerus="yes"><source>gigabyte</source><translation><numerusform>gigaoctet</numerusform><numerusform>gigaoctets</numerusform></translation></message>
<message numerus="yes"><source>terabyte</source><translation><numerusform>téraoctet</numerusform><numerusform>téraoctets</numerusform></translation></message>
<message numerus="yes"><source>kibibyte</source><translation><numerusform>kibioctet</numerusform><numerusform>kibioctets</numerusform></translation></message>
<message numerus="yes"><source>mebibyte</source><translation><numerusform>mébioctet</numerusform><numerusform>mébioctets</numerusform></translation></message>
<message numerus="yes"><source>gibibyte</source><translation><numerusform>gibioctet</numerusform><numerusform>gibioctets</numerusform></translation></message>
<message numerus="yes"><source>tebibyte</source><translation><numerusform>tébioctet</numerusform><numerusform>tébioctets</numerusform></translation></message>
<message numerus="yes"><source>kilobit</source><translation><numerusform>kilobit</numerusform><numerusform>kilobits</numerusform></translation></message>
<message numerus="yes"><source>megabit</source><translation><numerusform>mégabit</numerusform><numerusform>mégabits</numerusform></translation></message>
<message numerus="yes"><source>gigabit</source><translation><numerusform>gigabit</numerusform><numerusform>gigabits</numerusform></translation></message>
<message numerus="yes"><source>petabyte</source><translation><numerusform>pétaoctet</numerusform><numerusform>pétaoctets</numerusform></translation></message>
<message numerus="yes"><source>pebibyte</source><translation><numerusform>pébioctet</numerusform><numerusform>pébioctets</numerusform></translation></message>
<message numerus="yes"><source>exabyte</source><translation><numerusform>exaoctet</numerusform><numerusform>exaoctets</numerusform></translation></message>
<message numerus="yes"><source>exbibyte</source><translation><numerusform>exbioctet</numerusform><numerusform>exbioctets</numerusform></translation></message>
<message numerus="yes"><source>zettabyte</source><translation><numerusform>zettaoctet</numerusform><numerusform>zettaoctets</numerusform></translation></message>
<message numerus="yes"><source>zebibyte</source><translation><numerusform>zébioctet</numerusform><numerusform>zébioctets</numerusform></translation></message>
<message numerus="yes"><source>yottabyte</source><translation><numerusform>yottaoctet</numerusform><numerusform>yottaoctets</numerusform></translation></message>
<message numerus="yes"><source>yobibyte</source><translation><numerusform>yobioctet</numerusform><numerusform>yobioctets</numerusform></translation></message>
<message numerus="yes"><source>terabit</source><translation><numerusform>térabit</numerusform><numerusform>térabits</numerusform></translation></message>
<message numerus="yes"><source>kelvin</source><translation><numerusform>kelvin</numerusform><numerusform>kelvins</numerusform></translation></message>
<message numerus="yes"><source>degree Celsius</source><translation><numerusform>degré Celsius</numerusform><numerusform>degrés Celsius</numerusform></translation></message>
<message numerus="yes"><source>degree Fahrenheit</source><translation><numerusform>degré Fahrenheit</numerusform><numerusform>degrés Fahrenheit</numerusform></translation></message>
<message numerus="yes"><source>degree Rankine</source><translation><numerusform>degré Rankine</numerusform><numerusform>degrés Rankine</numerusform></translation></message>
<message numerus="yes"><source>celsius per minute</source><translation><numerusform>degré Celsius par minute</numerusform><numerusform>degrés Celsius par minute</numerusform></translation></message>
<message numerus="yes"><source>fahrenheit per minute</source><translation><numerusform>degré Fahrenheit par minute</numerusform><numerusform>degrés Fahrenheit par minute</numerusform></translation></message>
<message numerus="yes"><source>second</source><translation><numerusform>seconde</numerusform><numerusform>secondes</numerusform></translation></message>
<message numerus="yes"><source>yottasecond</source><translation><numerusform>yottaseconde</numerusform><numerusform>yottasecondes</numerusform></translation></message>
<message numerus="yes"><source>zettasecond</source><translation><numerusform>zettaseconde</numerusform><numerusform>zettasecondes</numerusform></translation></message>
<message numerus="yes"><source>exasecond</source><translation><numerusform>exaseconde</numerusform><numerusform>exasecondes</numerusform></translation></message>
<message numerus="yes"><source>petasecond</source><translation><numerusform>pétaseconde</numerusform><numerusform>pétasecondes</numerusform></translation></message>
<message numerus="yes"><source>terasecond</source><translation><numerusform>téraseconde</numerusform><numerusform>térasecondes</numerusform></translation></message>
<message numerus="yes"><source>gigasecond</source><translation><numerusform>gigaseconde</numerusform><numerusform>gigasecondes</numerusform></translation></message>
<message numerus="yes"><source>megasecond</source><translation><numerusform>mégaseconde</numerusform><numerusform>mégasecondes</numerusform></translation></message>
<message numerus="yes"><source>kilosecond</source><translation><numerusform>kiloseconde</numerusform><numerusform>kilosecondes</numerusform></translation></message>
<message numerus="yes"><source>hectosecond</source><translation><numerusform>hectoseconde</numerusform><numerusform>hectosecondes</numerusform></translation></message>
<message numerus="yes"><source>decasecond</source><translation><numerusform>décaseconde</numerusform><numerusform>décasecondes</numerusform></translation></message>
<message numerus="yes"><source>decisecond</source><translation><numerusform>déciseconde</numerusform><numerusform>décisecondes</numerusform></translation></message>
<message numerus="yes"><source>centisecond</source><translation><numerusform>centiseconde</numerusform><numerusform>centisecondes</numerusform></translation></message>
<message numerus="yes"><source>millisecond</source><translation><numerusform>milliseconde</numerusform><numerusform>millisecondes</numerusform></translation></message>
<message numerus="yes"><source>microsecond</source><translation><numerusform>microseconde</numerusform><numerusform>microsecondes</numerusform></translation></message>
<message numerus="yes"><source>nanosecond</source><translation><numerusform>nanoseconde</numerusform><numerusform>nanosecondes</numerusform></translation></message>
<message numerus="yes"><source>picosecond</source><translation><numerusform>picoseconde</numerusform><numerusform>picosecondes</numerusform></translation></message>
<message numerus="yes"><source>femtosecond</source><translation><numerusform>femtoseconde</numerusform><numerusform>femtosecondes</numerusform></translation></message>
<message numerus="yes"><source>attosecond</source><translation><numerusform>attoseconde</numerusform><numerusform>attosecondes</numerusform></translation></message>
<message numerus="yes"><source>zeptosecond</source><translation><numerusform>zeptoseconde</numerusform><numerusform>zeptosecondes</numerusform></translation></message>
<message numerus="yes"><source>yoctosecond</source><translation><numerusform>yoctoseconde</numerusform><numerusform>yoctosecondes</numerusform></translation></message>
<message numerus="yes"><source>minute</source><translation><numerusform>minute</numerusform><numerusform>minutes</numerusform></translation></message>
<message numerus="yes"><source>hour</source><translation><numerusform>heure</numerusform><numerusform>heures</numerusform></translation></message>
<message numerus="yes"><source>day</source><translation><numerusform>jour</numerusform><numerusform>jours</numerusform></translation></message>
<message numerus="yes"><source>week</source><translation><numerusform>semaine</numerusform><numerusform>semaines</numerusform></translation></message>
<message numerus="yes"><source>fortnight</source><translation><numerusform>quinzaine</numerusform><numerusform>quinzaines</numerusform></translation></message>
<message><source>month</source><translation>mois</translation></message>
<message><source>month (hollow)</source><translation>mois creux</translation></message>
<message numerus="yes"><source>month (full)</source><translation><numerusform>mois plein</numerusform><numerusform>mois pleins</numerusform></translation></message>
<message numerus="yes"><source>year</source><translation><numerusform>année</numerusform><numerusform>années</numerusform></translation></message>
<message numerus="yes"><source>year (Gregorian)</source><translation><numerusform>année grégorienne</numerusform><numerusform>années grégoriennes</numerusform></translation></message>
<message numerus="yes"><source>year (Julian)</source><translation><numerusform>année julienne</numerusform><numerusform>années juliennes</numerusform></translation></message>
<message numerus="yes"><source>sidereal year</source><translation><numerusform>année sidérale</numerusform><numerusform>années sidérales</numerusform></translation></message>
<message numerus="yes"><source>tropical year</source><translation><numerusform>année tropique</numerusform><numerusform>années tropiques</numerusform></translation></message>
<message><source>annum</source><translation>annum</translation></message>
<message numerus="yes"><source>decade</source><translation><numerusform>décennie</numerusform><numerusform>décennies</numerusform></translation></message>
<message numerus="yes"><source>century</source><translation><numerusform>siècle</numerusform><numerusform>siècles</numerusform></translation></message>
<message numerus="yes"><source>century (Julian)</source><translation><numerusform>siècle julien</numerusform><numerusform>siècles juliens</numerusform></translation></message>
<message numerus="yes"><source>millenium</source><translation><numerusform>millénaire</numerusform><numerusform>millénaires</numerusform></translation></message>
<message numerus="yes"><source>millenium (Gregorian)</source><translation><numerusform>millénaire grégorien</numerusform><numerusform>millénaires grégoriens</numerusform></translation></message>
<message numerus="yes"><source>millenium (Julian)</source><translation><numerusform>millénaire julien</numerusform><numerusform>millénaires juliens</numerusform></translation></message>
<message numerus="yes"><source>newton meter (torque)</source><translation><numerusform>newton-mètre (couple)</numerusform><numerusform>newtons-mètres (couple)</numerusform></translation></message>
<message numerus="yes"><source>newton centimeter (torque)</source><translation><numerusform>newton-centimètre (couple)</numerusform><numerusform>newtons-centimètres (couple)</numerusform></translation></message>
<message numerus="yes"><source>newton decameter (torque)</source><translation><numerusform>newton-décamètre (couple)</numerusform><numerusform>newtons-décamètres (couple)</numerusform></translation></message>
<message numerus="yes"><source>foot pound (torque)</source><translation><numerusform>pied-livre (couple)</numerusform><numerusform>pieds-livres (couple)</numerusform></translation></message>
<message numerus="yes"><source>inch pound (torque)</source><translation><numerusform>pouce-livre (couple)</numerusform><numerusform>pouces-livres (couple)</numerusform></translation></message>
<message numerus="yes"><source>meter kilogram (torque)</source><translation><numerusform>mètre-kilogramme (couple)</numerusform><numerusform>mètres-kilogrammes (couple)</numerusform></translation></message>
<message numerus="yes"><source>centimeter kilogram (torque)</source><translation><numerusform>centimètre-kilogramme (couple)</numerusform><numerusform>centimètres-kilogrammes (couple)</numerusform></translation></message>
<message numerus="yes"><source>inch ounce (torque)</source><translation><numerusform>pouce-once (couple)</numerusform><numerusform>pouces-onces (couple)</numerusform></translation></message>
<message numerus="yes"><source>gram centimeter (torque)</source><translation><numerusform>gramme-centimètre (couple)</numerusform><numerusform>grammes-centimètres (couple)</numerusform></translation></message>
<message numerus="yes"><source>decanewton meter (torque)</source><translation><numerusform>décanewton-mètre (couple)</numerusform><numerusform>décanewtons-mètres (couple)</numerusform></translation></message>
<message numerus="yes"><source>kilonewton meter (torque)</source><translation><numerusform>kilonewton-mètre (couple)</numerusform><numerusform>kilonewtons-mètres (couple)</numerusform></translation></message>
<message numerus="yes"><source>meganewton meter (torque)</source><translation><numerusform>méganewton-mètre (couple)</numerusform><numerusform>méganewtons-mètres (couple)</numerusform></translation></message>
<message numerus="yes"><source>kip foot (torque)</source><translation><numerusform>kip-pied (couple)</numerusform><numerusform>kips-pieds (couple)</numerusform></translation></message>
<message numerus="yes"><source>kilogram force meter (torque)</source><translation><numerusform>kilogramme-force-mètre (couple)</numerusform><numerusform>kilogrammes-force-mètres (couple)</numerusform></translation></message>
<message numerus="yes"><source>ton force meter (torque)</source><translation><numerusform>tonne-force-mètre (couple)</numerusform><numerusform>tonnes-force-mètres (couple)</numerusform></translation></message>
<message numerus="yes"><source>pound force foot (torque)</source><translation><numerusform>livre-force-pied (couple)</numerusform><numerusform>livres-force-pieds (couple)</numerusform></translation></message>
<message numerus="yes"><source>poise</source><translation><numerusform>poise</numerusform><numerusform>poises</numerusform></translation></message>
<message numerus="yes"><source>centipoise</source><translation><numerusform>centipoise</numerusform><numerusform>centipoises</numerusform></translation></message>
<message numerus="yes"><source>pascal second</source><translation><numerusform>pascal-seconde</numerusform><numerusform>pascals-secondes</numerusform></translation></message>
<message numerus="yes"><source>pound mass per foot second</source><translation><numerusform>livre par pied-seconde</numerusform><numerusform>livres par pied-seconde</numerusform></translation></message>
<message numerus="yes"><source>pound mass per foot hour</source><translation><numerusform>livre par pied-heure</numerusform><numerusform>livres par pied-heure</numerusform></translation></message>
<message><source>stoke</source><translation>stokes</translation></message>
<message><source>centistoke</source><translation>centistokes</translation></message>
<message numerus="yes"><source>meter per second squared</source><translation><numerusform>mètre par seconde carrée</numerusform><numerusform>mètres par seconde carrée</numerusform></translation></message>
<message numerus="yes"><source>foot per second squared</source><translation><numerusform>pied par seconde carrée</numerusform><numerusform>pieds par seconde carrée</numerusform></translation></message>
<message numerus="yes"><source>survey foot per second squared</source><translation><numerusform>pied d'arpentage par seconde carrée</numerusform><numerusform>pieds d'arpentage par seconde carrée</numerusform></translation></message>
<message numerus="yes"><source>standard gravity</source><translation><numerusform>accélération normale de la pesanteur</numerusform><numerusform>accélérations normales de la pesanteur</numerusform></translation></message>
<message numerus="yes"><source>volt</source><translation><numerusform>volt</numerusform><numerusform>volts</numerusform></translation></message>
<message numerus="yes"><source>kilovolt</source><translation><numerusform>kilovolt</numerusform><numerusform>kilovolts</numerusform></translation></message>
<message numerus="yes"><source>microvolt</source><translation><numerusform>microvolt</numerusform><numerusform>microvolts</numerusform></translation></message>
<message numerus="yes"><source>millivolt</source><translation><numerusform>millivolt</numerusform><numerusform>millivolts</numerusform></translation></message>
<message numerus="yes"><source>volt (electrical potential)</source><translation><numerusform>volt (potentiel électrique)</numerusform><numerusform>volts (potentiel électrique)</numerusform></translation></message>
<message numerus="yes"><source>abvolt</source><translation><numerusform>abvolt</numerusform><numerusform>abvolts</numerusform></translation></message>
<message numerus="yes"><source>statvolt</source><translation><numerusform>statvolt</numerusform><numerusform>statvolts</numerusform></translation></message>
<message numerus="yes"><source>candela</source><translation><numerusform>candela</numerusform><numerusform>candelas</numerusform></translation></message>
<message numerus="yes"><source>lumen per steradian</source><translation><numerusform>lumen par stéradian</numerusform><numerusform>lumens par stéradian</numerusform></translation></message>
<message numerus="yes"><source>candlepower</source><translation><numerusform>bougie</numerusform><numerusform>bougies</numerusform></translation></message>
<message><source>Lux (Illuminance)</source><translation>lux (éclairement)</translation></message>
<message numerus="yes"><source>footcandle</source><translation><numerusform>pied-bougie</numerusform><numerusform>pieds-bougies</numerusform></translation></message>
<message numerus="yes"><source>lumen second</source><translation><numerusform>lumen-seconde</numerusform><numerusform>lumens-secondes</numerusform></translation></message>
<message numerus="yes"><source>talbots</source><translation><numerusform>talbot</numerusform><numerusform>talbots</numerusform></translation></message>
<message numerus="yes"><source>luminous power</source><translation><numerusform>puissance lumineuse</numerusform><numerusform>puissances lumineuses</numerusform></translation></message>
<message numerus="yes"><source>lumen</source><translation><numerusform>lumen</numerusform><numerusform>lumens</numerusform></translation></message>
<message numerus="yes"><source>candela per square meter</source><translation><numerusform>candela par mètre carré</numerusform><numerusform>candelas par mètre carré</numerusform></translation></message>
<message numerus="yes"><source>foot lambert</source><translation><numerusform>pied-lambert</numerusform><numerusform>pieds-lamberts</numerusform></translation></message>
<message numerus="yes"><source>candela per square foot</source><translation><numerusform>candela par pied carré</numerusform><numerusform>candelas par pied carré</numerusform></translation></message>
<message><source>lux (emittance)</source><translation>lux (exitance)</translation></message>
<message numerus="yes"><source>lumen per watt</source><translation><numerusform>lumen par watt</numerusform><numerusform>lumens par watt</numerusform></translation></message>
<message numerus="yes"><source>pascal per meter</source><translation><numerusform>pascal par mètre</numerusform><numerusform>pascals par mètre</numerusform></translation></message>
<message numerus="yes"><source>inch of water per 100foot</source><translation><numerusform>pouce d'eau par 100 pieds</numerusform><numerusform>pouces d'eau par 100 pieds</numerusform></translation></message>
<message numerus="yes"><source>foot of water per 100foot</source><translation><numerusform>pied d'eau par 100 pieds</numerusform><numerusform>pieds d'eau par 100 pieds</numerusform></translation></message>
<message numerus="yes"><source>inch of mercury per 100foot</source><translation><numerusform>pouce de mercure par 100 pieds</numerusform><numerusform>pouces de mercure par 100 pieds</numerusform></translation></message>
<message numerus="yes"><source>millimeter of mercury per 100foot</source><translation><numerusform>millimètre de mercure par 100 pieds</numerusform><numerusform>millimètres de mercure par 100 pieds</numerusform></translation></message>
<message numerus="yes"><source>newton meter per degree</source><translation><numerusform>newton-mètre par degré</numerusform><numerusform>newtons-mètres par degré</numerusform></translation></message>
<message numerus="yes"><source>kip foot per degree</source><translation><numerusform>kip-pied par degré</numerusform><numerusform>kips-pieds par degré</numerusform></translation></message>
<message numerus="yes"><source>kilonewton meter per degree</source><translation><numerusform>kilonewton-mètre par degré</numerusform><numerusform>kilonewtons-mètres par degré</numerusform></translation></message>
<message numerus="yes"><source>newton meter per degree per meter</source><translation><numerusform>newton-mètre par degré et par mètre</numerusform><numerusform>newtons-mètres par degré et par mètre</numerusform></translation></message>
<message numerus="yes"><source>kip foot per degree per foot</source><translation><numerusform>kip-pied par degré et par pied</numerusform><numerusform>kips-pieds par degré et par pied</numerusform></translation></message>
<message numerus="yes"><source>kilonewton meter per degree per meter</source><translation><numerusform>kilonewton-mètre par degré et par mètre</numerusform><numerusform>kilonewtons-mètres par degré et par mètre</numerusform></translation></message>
<message numerus="yes"><source>watt per square meter kelvin</source><translation><numerusform>watt par mètre carré-kelvin</numerusform><numerusform>watts par mètre carré-kelvin</numerusform></translation></message>
<message numerus="yes"><source>british thermal unit per hour square foot fahrenheit</source><translation><numerusform>unité thermique britannique par heure, par pied carré et par degré Fahrenheit</numerusform><numerusform>unités thermiques britanniques par heure, par pied carré et par degré Fahrenheit</numerusform></translation></message>
<message numerus="yes"><source>cubic meter per second square meter</source><translation><numerusform>mètre cube par seconde et par mètre carré</numerusform><numerusform>mètres cubes par seconde et par mètre carré</numerusform></translation></message>
<message numerus="yes"><source>cubic foot per minute square foot</source><translation><numerusform>pied cube par minute et par pied carré</numerusform><numerusform>pieds cubes par minute et par pied carré</numerusform></translation></message>
<message numerus="yes"><source>liter per second square meter</source><translation><numerusform>litre par seconde et par mètre carré</numerusform><numerusform>litres par seconde et par mètre carré</numerusform></translation></message>
<message numerus="yes"><source>cubic meter per second cubic meter</source><translation><numerusform>mètre cube par seconde et par mètre cube</numerusform><numerusform>mètres cubes par seconde et par mètre cube</numerusform></translation></message>
<message numerus="yes"><source>cubic foot per minute cubic foot</source><translation><numerusform>pied cube par minute et par pied cube</numerusform><numerusform>pieds cubes par minute et par pied cube</numerusform></translation></message>
<message numerus="yes"><source>liter per second cubic meter</source><translation><numerusform>litre par seconde et par mètre cube</numerusform><numerusform>litres par seconde et par mètre cube</numerusform></translation></message>
<message numerus="yes"><source>cubic meter per second watt</source><translation><numerusform>mètre cube par seconde et par watt</numerusform><numerusform>mètres cubes par seconde et par watt</numerusform></translation></message>
<message numerus="yes"><source>cubic foot per minute ton of refrigeration</source><translation><numerusform>pied cube par minute et par tonne de réfrigération</numerusform><numerusform>pieds cubes par minute et par tonne de réfrigération</numerusform></translation></message>
<message numerus="yes"><source>liter per second kilowatt</source><translation><numerusform>litre par seconde et par kilowatt</numerusform><numerusform>litres par seconde et par kilowatt</numerusform></translation></message>
<message numerus="yes"><source>square meter per watt</source><translation><numerusform>mètre carré par watt</numerusform><numerusform>mètres carrés par watt</numerusform></translation></message>
<message numerus="yes"><source>square foot per ton of refrigeration</source><translation><numerusform>pied carré par tonne de réfrigération</numerusform><numerusform>pieds carrés par tonne de réfrigération</numerusform></translation></message>
<message numerus="yes"><source>square meter per kilowatt</source><translation><numerusform>mètre carré par kilowatt</numerusform><numerusform>mètres carrés par kilowatt</numerusform></translation></message>
<message numerus="yes"><source>square foot per thousand british thermal unit per hour</source><translation><numerusform>pied carré par millier d'unités thermiques britanniques par heure</numerusform><numerusform>pieds carrés par millier d'unités thermiques britanniques par heure</numerusform></translation></message>
<message numerus="yes"><source>square second per meter kilogram</source><translation><numerusform>seconde carrée par mètre-kilogramme</numerusform><numerusform>secondes carrées par mètre-kilogramme</numerusform></translation></message>
<message><source>inverse kilonewton</source><translation>par kilonewton</translation></message>
<message><source>inverse kip</source><translation>par kip</translation></message>
<message><source>inverse fahrenheit</source><translation>par degré Fahrenheit</translation></message>
<message><source>inverse celsius</source><translation>par degré Celsius</translation></message>
<message numerus="yes"><source>oersted</source><translation><numerusform>œrsted</numerusform><numerusform>œrsteds</numerusform></translation></message>
<message numerus="yes"><source>Ampere per meter</source><translation><numerusform>ampère par mètre</numerusform><numerusform>ampères par mètre</numerusform></translation></message>
</context>
<context>
<name>ParseProblem</name>
<message><source>The text is a quantity.</source><translation>Le texte est une grandeur.</translation></message>
<message><source>The text is empty.</source><translation>Le texte est vide.</translation></message>
<message><source>The unit to read the text in is not known.</source><translation>L’unité dans laquelle lire le texte est inconnue.</translation></message>
<message><source>“%1” is not a number or a unit symbol.</source><translation>« %1 » n’est ni un nombre ni un symbole d’unité.</translation></message>
<message><source>“%1” measures %2, not %3.</source><translation>Nature de grandeur incorrecte : %2 ; attendu : %3.</translation></message>
<message><source>“%1” needs a number before it.</source><translation>Il manque un nombre devant « %1 ».</translation></message>
<message><source>A unit or a mark is missing at “%1”.</source><translation>« %1 » : il manque une unité ou un signe.</translation></message>
<message><source>“%1” has no unit to apply to.</source><translation>L’opérateur « %1 » n’a pas d’unité sur laquelle agir.</translation></message>
<message><source>“%1” cannot be an exponent: write a whole number from −64 to 64, other than 0.</source><translation>« %1 » ne peut pas être un exposant : écrivez un nombre entier de −64 à 64, autre que 0.</translation></message>
<message><source>“%1” has no matching parenthesis, or the parentheses are nested too deeply.</source><translation>« %1 » n’a pas de parenthèse correspondante, ou les parenthèses sont trop imbriquées.</translation></message>
<message><source>The denominator “%1” must be greater than zero.</source><translation>Le dénominateur « %1 » doit être supérieur à zéro.</translation></message>
<message><source>“%1” does not belong here.</source><translation>« %1 » n’a pas sa place ici.</translation></message>
<message><source>The minutes “%1” need a minute mark (').</source><translation>Les minutes « %1 » doivent être suivies du signe des minutes (').</translation></message>
<message><source>The minutes “%1” cannot be negative.</source><translation>Les minutes « %1 » ne peuvent pas être négatives.</translation></message>
<message><source>A bearing angle cannot be more than 90°: “%1”.</source><translation>Un angle de gisement ne peut pas dépasser 90° : « %1 ».</translation></message>
<message><source>A bearing must begin with N or S.</source><translation>Un gisement doit commencer par N ou S.</translation></message>
<message><source>The value is too large.</source><translation>La valeur est trop grande.</translation></message>
<message><source>The text is too long to be a quantity.</source><translation>Le texte est trop long pour être une grandeur.</translation></message>
<message><source>The number “%1” is too small to hold.</source><translation>Le nombre « %1 » est trop petit pour être représenté.</translation></message>
<message><source>The group separator “%1” is out of place.</source><translation>Le séparateur de groupes « %1 » est mal placé.</translation></message>
<message><source>The group separator “%1” is out of place: did you mean %2?</source><translation>Le séparateur de groupes « %1 » est mal placé : vouliez-vous dire %2 ?</translation></message>
<message><source>Minutes and seconds must be less than 60: “%1”.</source><translation>Les minutes et les secondes doivent être inférieures à 60 : « %1 ».</translation></message>
<message><source>“%1” could be hours and minutes or minutes and seconds: write all three parts.</source><translation>« %1 » peut signifier des heures et des minutes ou des minutes et des secondes : écrivez les trois parties.</translation></message>
<message><source>“%1” could mean more than one unit of %3: use another symbol.</source><translation>« %1 » peut désigner plusieurs unités de type %3 : utilisez un autre symbole.</translation></message>
<message><source>“%1” raises the units to a power beyond 64.</source><translation>« %1 » porte les unités à une puissance supérieure à 64.</translation></message>
</context>
<context>
<name>PluralForms</name>
<message numerus="yes"><source>categories</source><extracomment>The CLDR plural categories that each numerus form of the unit names serves, in the order of the forms.</extracomment><translation><numerusform>one</numerusform><numerusform>many other</numerusform></translation></message>
</context>
</TS>
