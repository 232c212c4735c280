<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
<name>UnitSymbol_Length</name>
<message><source>eSm_Alternate1</source><translation>zz</translation></message>
<message><source>eSmi_Alternate1</source><translation>yy</translation></message>
<message><source>eSft_Alternate1</source><translation>zz</translation></message>
</context>
</TS>
