<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>FastMain</name>
    <message>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>Démarrage rapide</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Switching off...</source>
        <translation>Extinction...</translation>
    </message>
    <message>
        <source>Screenshot is stored in file:</source>
        <translation>Capture d'écran enregistrée dans le fichier :</translation>
    </message>
    <message>
        <source>No screenshot is stored!</source>
        <translation>Aucune capture d'écran enregistrée !</translation>
    </message>
    <message>
        <source>Battery is weak!
GUI is shutting down...</source>
        <translation>Batterie faible !
L'interface s'arrête...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
