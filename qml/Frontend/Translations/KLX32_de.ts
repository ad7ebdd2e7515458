<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>FastMain</name>
    <message>
        <source>Starting...</source>
        <translation>Startet...</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>Schnellstart</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Switching off...</source>
        <translation>Wird ausgeschaltet...</translation>
    </message>
    <message>
        <source>Screenshot is stored in file:</source>
        <translation>Bildschirmfoto gespeichert in Datei:</translation>
    </message>
    <message>
        <source>No screenshot is stored!</source>
        <translation>Kein Bildschirmfoto gespeichert!</translation>
    </message>
    <message>
        <source>Battery is weak!
GUI is shutting down...</source>
        <translation>Akku ist schwach!
Die Bedienoberfläche wird beendet...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
