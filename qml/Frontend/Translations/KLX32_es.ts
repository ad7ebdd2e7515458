<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>FastMain</name>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>Inicio rápido</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Switching off...</source>
        <translation>Apagando...</translation>
    </message>
    <message>
        <source>Screenshot is stored in file:</source>
        <translation>Captura de pantalla guardada en el archivo:</translation>
    </message>
    <message>
        <source>No screenshot is stored!</source>
        <translation>¡No se ha guardado ninguna captura de pantalla!</translation>
    </message>
    <message>
        <source>Battery is weak!
GUI is shutting down...</source>
        <translation>¡Batería baja!
La interfaz se está apagando...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
