<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
<context>
    <name>FastMain</name>
    <message>
        <source>Starting...</source>
        <translation>Starter...</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>Hurtigstart</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Switching off...</source>
        <translation>Slår av...</translation>
    </message>
    <message>
        <source>Screenshot is stored in file:</source>
        <translation>Skjermbilde lagret i filen:</translation>
    </message>
    <message>
        <source>No screenshot is stored!</source>
        <translation>Intet skjermbilde er lagret!</translation>
    </message>
    <message>
        <source>Battery is weak!
GUI is shutting down...</source>
        <translation>Batteriet er svakt!
Grensesnittet slås av...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
