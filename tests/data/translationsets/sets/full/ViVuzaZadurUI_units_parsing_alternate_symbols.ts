<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
<name>UnitSymbol_Length</name>
<message><source>eSm_Alternate1</source><translation>alpha</translation></message>
<message><source>eSm_Alternate3</source><translation>gamma</translation></message>
<message><source>eSMeter_Name_Alternate10</source><translation>last</translation></message>
<message><source>eSMeter_Name_Alternate11</source><translation>beyond</translation></message>
</context>
<context>
<name>UnitSymbol_Area</name>
<message><source>eSm_Alternate2</source><translation>wrong context</translation></message>
</context>
</TS>
