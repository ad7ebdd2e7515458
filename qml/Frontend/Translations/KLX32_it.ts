<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>FastMain</name>
    <message>
        <source>Starting...</source>
        <translation>Avvio...</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>Avvio rapido</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Switching off...</source>
        <translation>Spegnimento...</translation>
    </message>
    <message>
        <source>Screenshot is stored in file:</source>
        <translation>Screenshot salvato nel file:</translation>
    </message>
    <message>
        <source>No screenshot is stored!</source>
        <translation>Nessuno screenshot salvato!</translation>
    </message>
    <message>
        <source>Battery is weak!
GUI is shutting down...</source>
        <translation>Batteria scarica!
L'interfaccia si sta spegnendo...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
