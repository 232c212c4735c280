<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
<name>UnitGroup</name>
</context>
<context>
<name>NumberFormat</name>
<message><source>Exponential</source><translation>Exponential (E)</translation></message>
<message><source>exponential</source><translation>Exponential (e)</translation></message>
<message><source>General</source><translation>General (E)</translation></message>
<message><source>general</source><translation>General (e)</translation></message>
</context>
<context>
<name>UnitType</name>
<message><source>foot (Sear's)</source><translation>foot (Sears)</translation></message>
<message><source>foot (U.S. Survey)</source><translation>foot (U.S. survey)</translation></message>
<message><source>chain (Ramsden's; Engineer's)</source><translation>chain (Ramsden's; engineer's)</translation></message>
<message><source>mile (U.S. Survey)</source><translation>mile (U.S. survey)</translation></message>
<message><source>link (Ramsden's; Engineer's)</source><translation>link (Ramsden's; engineer's)</translation></message>
<message><source>gallon (U.S. fluid; Wine)</source><translation>gallon (U.S. fluid; wine)</translation></message>
<message><source>dram</source><translation>fluid dram</translation></message>
<message><source>pound (meter)</source><translation>pound (metric)</translation></message>
<message><source>pound force per cubic foot</source><translation>pound-force per cubic foot</translation></message>
<message><source>kilogram force meter</source><translation>kilogram-force meter</translation></message>
<message><source>kilogram force foot</source><translation>kilogram-force foot</translation></message>
<message><source>ton force foot</source><translation>ton-force foot</translation></message>
<message><source>ton force meter</source><translation>ton-force meter</translation></message>
<message><source>foot pound force</source><translation>foot pound-force</translation></message>
<message><source>Therm (EC)</source><translation>therm (EC)</translation></message>
<message><source>US gallon per hour</source><translation>U.S. gallon per hour</translation></message>
<message><source>US gallon per second</source><translation>U.S. gallon per second</translation></message>
<message><source>Imp gallon per day</source><translation>imperial gallon per day</translation></message>
<message><source>Imp gallon per hour</source><translation>imperial gallon per hour</translation></message>
<message><source>Imp gallon per minute</source><translation>imperial gallon per minute</translation></message>
<message><source>Imp gallon per second</source><translation>imperial gallon per second</translation></message>
<message><source>Imp million gallon per day</source><translation>million imperial gallons per day</translation></message>
<message><source>million liter per day</source><translation>million liters per day</translation></message>
<message><source>US gallon per day</source><translation>U.S. gallon per day</translation></message>
<message><source>US million gallon per day</source><translation>million U.S. gallons per day</translation></message>
<message><source>pound force</source><translation>pound-force</translation></message>
<message><source>ton force</source><translation>ton-force</translation></message>
<message><source>lbforce</source><translation>pound-force (lbf)</translation></message>
<message><source>ounce force</source><translation>ounce-force</translation></message>
<message><source>kilogram force per meter</source><translation>kilogram-force per meter</translation></message>
<message><source>ton force per meter</source><translation>ton-force per meter</translation></message>
<message><source>horsepower (Imperial mechanical)</source><translation>horsepower (imperial mechanical)</translation></message>
<message><source>horsepower (Imperial electrical)</source><translation>horsepower (imperial electrical)</translation></message>
<message><source>kilogram force meter per second</source><translation>kilogram-force meter per second</translation></message>
<message><source>million British thermal unit (International Table) per hour</source><translation>million British thermal units (International Table) per hour</translation></message>
<message><source>thousand British thermal unit (International Table) per hour</source><translation>thousand British thermal units (International Table) per hour</translation></message>
<message><source>mega pascal</source><translation>megapascal</translation></message>
<message><source>milli pascal</source><translation>millipascal</translation></message>
<message><source>pound per square inch (atmosphere)</source><translation>pound per square inch (absolute)</translation></message>
<message><source>kilogram force per square millimeter</source><translation>kilogram-force per square millimeter</translation></message>
<message><source>kilogram force per square centimeter</source><translation>kilogram-force per square centimeter</translation></message>
<message><source>kilogram force per square meter</source><translation>kilogram-force per square meter</translation></message>
<message><source>ton force per square centimeter</source><translation>ton-force per square centimeter</translation></message>
<message><source>ton force per square meter</source><translation>ton-force per square meter</translation></message>
<message><source>ton force per square foot</source><translation>ton-force per square foot</translation></message>
<message><source>pound force per square inch</source><translation>pound-force per square inch</translation></message>
<message><source>pound force per square foot</source><translation>pound-force per square foot</translation></message>
<message><source>kilogram force-meter per meter</source><translation>kilogram-force meter per meter</translation></message>
<message><source>ton force-meter per meter</source><translation>ton-force meter per meter</translation></message>
<message><source>celsius per minute</source><translation>degree Celsius per minute</translation></message>
<message><source>fahrenheit per minute</source><translation>degree Fahrenheit per minute</translation></message>
<message><source>millenium</source><translation>millennium</translation></message>
<message><source>millenium (Gregorian)</source><translation>millennium (Gregorian)</translation></message>
<message><source>millenium (Julian)</source><translation>millennium (Julian)</translation></message>
<message><source>kilogram force meter (torque)</source><translation>kilogram-force meter (torque)</translation></message>
<message><source>ton force meter (torque)</source><translation>ton-force meter (torque)</translation></message>
<message><source>pound force foot (torque)</source><translation>pound-force foot (torque)</translation></message>
<message><source>stoke</source><translation>stokes</translation></message>
<message><source>centistoke</source><translation>centistokes</translation></message>
<message><source>Lux (Illuminance)</source><translation>lux (illuminance)</translation></message>
<message><source>talbots</source><translation>talbot</translation></message>
<message><source>inch of water per 100foot</source><translation>inch of water per 100 feet</translation></message>
<message><source>foot of water per 100foot</source><translation>foot of water per 100 feet</translation></message>
<message><source>inch of mercury per 100foot</source><translation>inch of mercury per 100 feet</translation></message>
<message><source>millimeter of mercury per 100foot</source><translation>millimeter of mercury per 100 feet</translation></message>
<message><source>british thermal unit per hour square foot fahrenheit</source><translation>British thermal unit per hour square foot degree Fahrenheit</translation></message>
<message><source>square foot per thousand british thermal unit per hour</source><translation>square foot per thousand British thermal units per hour</translation></message>
<message><source>inverse fahrenheit</source><translation>inverse degree Fahrenheit</translation></message>
<message><source>inverse celsius</source><translation>inverse degree Celsius</translation></message>
<message><source>Ampere per meter</source><translation>ampere per meter</translation></message>
</context>
</TS>
