<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>kelvora</name>
    <message>
        <source>Espiras do primário</source>
        <translation>Primary turns</translation>
    </message>
    <message>
        <source>Espaçador do entreferro</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
