<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en_US">
<context>
    <name>FastMain</name>
    <message>
        <source>Starting...</source>
        <translation>Käynnistyy...</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>Pikakäynnistys</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Switching off...</source>
        <translation>Sammutetaan...</translation>
    </message>
    <message>
        <source>Screenshot is stored in file:</source>
        <translation>Kuvakaappaus tallennettu tiedostoon:</translation>
    </message>
    <message>
        <source>No screenshot is stored!</source>
        <translation>Kuvakaappausta ei tallennettu!</translation>
    </message>
    <message>
        <source>Battery is weak!
GUI is shutting down...</source>
        <translation>Akku on heikko!
Käyttöliittymä sammuu...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
