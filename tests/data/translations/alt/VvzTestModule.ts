<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_AT">
<context>
<name>Greeting</name>
<message><source>hello</source><translation>servus</translation></message>
</context>
</TS>
