<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
<name>UnitType</name>
<message><source>meter</source><translation>Testmeter</translation></message>
</context>
<context>
<name>UnitGroup</name>
<message><source>Length</source><translation>Testlength</translation></message>
</context>
<context>
<name>NumberFormat</name>
<message><source>Fixed Point</source><translation>Testfixed</translation></message>
</context>
</TS>
