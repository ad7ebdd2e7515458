<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>FastMain</name>
    <message>
        <source>Starting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Switching off...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot is stored in file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No screenshot is stored!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery is weak!
GUI is shutting down...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
