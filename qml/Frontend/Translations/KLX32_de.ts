<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>12</name>
    <message>
        <source>Function %1</source>
        <translation>Funktion %1</translation>
    </message>
    <message>
        <source>FCC-TEST</source>
        <translation>FCC-TEST</translation>
    </message>
</context>
<context>
    <name>14_Settings_System</name>
    <message>
        <source>PWM</source>
        <translation>PWM</translation>
    </message>
    <message>
        <source>Z²BUS</source>
        <translation>Z²BUS</translation>
    </message>
    <message>
        <source>S.BUS In</source>
        <translation>S.BUS In</translation>
    </message>
    <message>
        <source>SRXL In</source>
        <translation>SRXL In</translation>
    </message>
    <message>
        <source>System information successfully exported!</source>
        <translation>Systeminformationen erfolgreich exportiert!</translation>
    </message>
    <message>
        <source>System information cannot be exported to USB device. Check available space or insert another one!</source>
        <translation>Systeminformationen können nicht auf das USB-Gerät exportiert werden. Freien Speicher prüfen oder ein anderes einstecken!</translation>
    </message>
    <message>
        <source>Pilotname</source>
        <translation>Pilotenname</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Location/Time zone</source>
        <translation>Ort/Zeitzone</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winterzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>dd-mm-yyyy</source>
        <translation>TT-MM-JJJJ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <translation>hh:mm</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Servo/Data:</source>
        <translation>Servo/Daten:</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Telemetry logging</source>
        <translation>Telemetrie-Log</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Systeminformation</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>24h</source>
        <translation>24h</translation>
    </message>
    <message>
        <source>12h</source>
        <translation>12h</translation>
    </message>
</context>
<context>
    <name>15</name>
    <message>
        <source>Speaker</source>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Ansagen</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>Trimmklicks</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>Pieptöne</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
</context>
<context>
    <name>18</name>
    <message>
        <source>2-Pos.</source>
        <translation>2-Pos.</translation>
    </message>
    <message>
        <source>3-Pos.</source>
        <translation>3-Pos.</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Please move the control</source>
        <translation>Bitte den Geber bewegen,</translation>
    </message>
    <message>
        <source>you wish to calibrate</source>
        <translation>den Sie kalibrieren möchten</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>Richt.</translation>
    </message>
    <message>
        <source>Invers</source>
        <translation>Invers</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Move Control to</source>
        <translation>Geber bewegen auf</translation>
    </message>
    <message>
        <source>Endpositions</source>
        <translation>Endpositionen</translation>
    </message>
    <message>
        <source>Center Position</source>
        <translation>Mittelstellung</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please choose the type of the control first</source>
        <translation>Bitte zuerst den Typ des Gebers wählen</translation>
    </message>
</context>
<context>
    <name>19</name>
    <message>
        <source>Are you sure you would like to delete this mixer?</source>
        <translation>Diesen Mischer wirklich löschen?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>from Function</source>
        <translation>von Funktion</translation>
    </message>
    <message>
        <source>to Function</source>
        <translation>auf Funktion</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einst.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>1_System_Appearance</name>
    <message>
        <source>1 Min.</source>
        <translation>1 Min.</translation>
    </message>
    <message>
        <source>2 Min.</source>
        <translation>2 Min.</translation>
    </message>
    <message>
        <source>5 Min.</source>
        <translation>5 Min.</translation>
    </message>
    <message>
        <source>10 Min.</source>
        <translation>10 Min.</translation>
    </message>
    <message>
        <source>15 Min.</source>
        <translation>15 Min.</translation>
    </message>
    <message>
        <source>30 Min.</source>
        <translation>30 Min.</translation>
    </message>
    <message>
        <source>45 Min.</source>
        <translation>45 Min.</translation>
    </message>
    <message>
        <source>60 Min.</source>
        <translation>60 Min.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Display dim</source>
        <translation>Abdunkeln</translation>
    </message>
    <message>
        <source>Auto Lock</source>
        <translation>Auto-Sperre</translation>
    </message>
    <message>
        <source>Idle Alarm</source>
        <translation>Inaktiv-Alarm</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Akzentfarbe</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Intro Video</source>
        <translation>Intro-Video</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>DebugScreen</source>
        <translation>Debug-Anzeige</translation>
    </message>
</context>
<context>
    <name>20</name>
    <message>
        <source>Do you really want to reset all settings of this mixer to the values of &apos;</source>
        <translation>Alle Einstellungen dieses Mischers wirklich auf die Werte der Flugphase &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos; zurücksetzen?</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mischer</translation>
    </message>
    <message>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>auf</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Flugphase</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
</context>
<context>
    <name>21</name>
    <message>
        <source>Do you really want to delete this virtual switch?</source>
        <translation>Diesen virtuellen Schalter wirklich löschen?</translation>
    </message>
    <message>
        <source>The selected virtual switch is used as an input of &apos;</source>
        <translation>Der gewählte virtuelle Schalter wird als Eingang von &apos;</translation>
    </message>
    <message>
        <source>&apos; and cannot be deleted!</source>
        <translation>&apos; verwendet und kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>Input state</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Logic</source>
        <translation>Logik</translation>
    </message>
    <message>
        <source>Output state</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>22</name>
    <message>
        <source>Do you really want to reset all settings of this trim to the global values?</source>
        <translation>Alle Einstellungen dieser Trimmung wirklich auf die globalen Werte zurücksetzen?</translation>
    </message>
    <message>
        <source>Trim setup:</source>
        <translation>Trimmeinstellung:</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Flugphase</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Trimmweg</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umgekehrt</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piep</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Vibr. + Beep</source>
        <translation>Vibr. + Piep</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>23</name>
    <message>
        <source>A1 Tx high</source>
        <translation>A1 Tx hoch</translation>
    </message>
    <message>
        <source>A1 Tx mid</source>
        <translation>A1 Tx mitte</translation>
    </message>
    <message>
        <source>A1 Tx low</source>
        <translation>A1 Tx tief</translation>
    </message>
    <message>
        <source>A1 hopping</source>
        <translation>A1 Hopping</translation>
    </message>
    <message>
        <source>A1 Rx high</source>
        <translation>A1 Rx hoch</translation>
    </message>
    <message>
        <source>A1 Rx mid</source>
        <translation>A1 Rx mitte</translation>
    </message>
    <message>
        <source>A1 Rx low</source>
        <translation>A1 Rx tief</translation>
    </message>
    <message>
        <source>A2 Tx high</source>
        <translation>A2 Tx hoch</translation>
    </message>
    <message>
        <source>A2 Tx mid</source>
        <translation>A2 Tx mitte</translation>
    </message>
    <message>
        <source>A2 Tx low</source>
        <translation>A2 Tx tief</translation>
    </message>
    <message>
        <source>A2 hopping</source>
        <translation>A2 Hopping</translation>
    </message>
    <message>
        <source>A2 Rx high</source>
        <translation>A2 Rx hoch</translation>
    </message>
    <message>
        <source>A2 Rx mid</source>
        <translation>A2 Rx mitte</translation>
    </message>
    <message>
        <source>A2 Rx low</source>
        <translation>A2 Rx tief</translation>
    </message>
    <message>
        <source>Test off</source>
        <translation>Test aus</translation>
    </message>
    <message>
        <source>Bandwidth EU</source>
        <translation>Bandbreite EU</translation>
    </message>
    <message>
        <source>-- High channel</source>
        <translation>-- Hoher Kanal</translation>
    </message>
    <message>
        <source>++ Low channel</source>
        <translation>++ Tiefer Kanal</translation>
    </message>
    <message>
        <source>LQI1: </source>
        <translation>LQI1: </translation>
    </message>
    <message>
        <source>LQI2: </source>
        <translation>LQI2: </translation>
    </message>
</context>
<context>
    <name>24</name>
    <message>
        <source>The firmware update is finished.</source>
        <translation>Das Firmware-Update ist abgeschlossen.</translation>
    </message>
    <message>
        <source>The firmware update failed.</source>
        <translation>Das Firmware-Update ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again.</source>
        <translation>Bitte den Sender aus- und wieder einschalten.</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again: the update is repeated at the next start.</source>
        <translation>Bitte den Sender aus- und wieder einschalten: Das Update wird beim nächsten Start wiederholt.</translation>
    </message>
    <message>
        <source>The transmitter starts with the controllers&apos; present firmware. The update is repeated at the next start.</source>
        <translation>Der Sender startet mit der bisherigen Firmware der Controller. Das Update wird beim nächsten Start wiederholt.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The controllers receive the firmware of the new software. Do not switch the transmitter off.</source>
        <translation>Die Controller erhalten die Firmware der neuen Software. Den Sender nicht ausschalten.</translation>
    </message>
    <message>
        <source>The firmware recovery is finished.</source>
        <translation>Die Wiederherstellung ist abgeschlossen.</translation>
    </message>
    <message>
        <source>The firmware recovery failed.</source>
        <translation>Die Wiederherstellung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Firmware recovery</source>
        <translation>Firmware-Wiederherstellung</translation>
    </message>
    <message>
        <source>The controller&apos;s firmware may be incomplete. Please start the recovery again.</source>
        <translation>Die Firmware des Controllers ist möglicherweise unvollständig. Bitte die Wiederherstellung erneut starten.</translation>
    </message>
    <message>
        <source>The controller receives the firmware of this software. Do not switch the transmitter off.</source>
        <translation>Der Controller erhält die Firmware dieser Software. Den Sender nicht ausschalten.</translation>
    </message>
</context>
<context>
    <name>26</name>
    <message>
        <source>Servo </source>
        <translation>Servo </translation>
    </message>
    <message>
        <source>Select servo:</source>
        <translation>Servo wählen:</translation>
    </message>
    <message>
        <source>Select function:</source>
        <translation>Funktion wählen:</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>Weg</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>Richt.</translation>
    </message>
    <message>
        <source>Please select servo and function:</source>
        <translation>Bitte Servo und Funktion wählen:</translation>
    </message>
</context>
<context>
    <name>27_FunctionServos</name>
    <message>
        <source>Select servo:</source>
        <translation>Servo wählen:</translation>
    </message>
    <message>
        <source>Are you sure you would like to delete this servo?</source>
        <translation>Dieses Servo wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>Bitte ein freies Servo wählen:</translation>
    </message>
</context>
<context>
    <name>29</name>
    <message>
        <source>Trim</source>
        <translation>Trimmung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete trim</source>
        <translation>Trimmung löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>2_Home</name>
    <message>
        <source>Sensors auto rescan...
 Attempt #</source>
        <translation>Sensoren automatisch neu suchen...
 Versuch #</translation>
    </message>
    <message>
        <source>sensors found.
</source>
        <translation>Sensoren gefunden.
</translation>
    </message>
    <message>
        <source>Please perform new rescan manually!</source>
        <translation>Bitte die Sensoren manuell neu suchen!</translation>
    </message>
    <message>
        <source>Model Fast Start!</source>
        <translation>Modell-Schnellstart!</translation>
    </message>
    <message>
        <source> Trims unlocked!</source>
        <translation> Trimmungen entsperrt!</translation>
    </message>
    <message>
        <source>Trims locked!</source>
        <translation>Trimmungen gesperrt!</translation>
    </message>
    <message>
        <source> - Model error</source>
        <translation> - Modellfehler</translation>
    </message>
    <message>
        <source> - File not found or corrupted!</source>
        <translation> - Datei nicht gefunden oder beschädigt!</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>Modell: </translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Seite </translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>Modell wird geladen...</translation>
    </message>
    <message>
        <source>Not loaded:</source>
        <translation>Nicht geladen:</translation>
    </message>
    <message>
        <source> - SD card smaller than 256 MiB!</source>
        <translation> - SD-Karte kleiner als 256 MiB!</translation>
    </message>
</context>
<context>
    <name>33_MixerCurveEditor</name>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Glatt</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Eckig</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>Kurve zurücksetzen</translation>
    </message>
</context>
<context>
    <name>35_TimerSetup</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Do you really want to delete this timer control?</source>
        <translation>Diesen Timer-Geber wirklich löschen?</translation>
    </message>
    <message>
        <source>Timer name</source>
        <translation>Timer-Name</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Aktueller Wert</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Stoppzeit</translation>
    </message>
    <message>
        <source>Auto reset</source>
        <translation>Auto-Reset</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Audio settings</source>
        <translation>Audio-Einstellungen</translation>
    </message>
</context>
<context>
    <name>36_ControlSelector</name>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mischer</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>FM control #</source>
        <translation>FP-Geber #</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Ansage</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Trainer cord</source>
        <translation>Lehrer/Schüler</translation>
    </message>
    <message>
        <source>Sequencer</source>
        <translation>Sequenzer</translation>
    </message>
    <message>
        <source>T-Con On/Off</source>
        <translation>T-Geber Ein/Aus</translation>
    </message>
    <message>
        <source>Headup</source>
        <translation>Headup</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>Auslöser</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Vorn-Geber</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktivierung</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>Trimmklicks</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>Pieptöne</translation>
    </message>
    <message>
        <source>Diff. input</source>
        <translation>Diff.-Eingang</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>V-Switch</source>
        <translation>V-Schalter</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetrie</translation>
    </message>
    <message>
        <source>Fixvalue</source>
        <translation>Festwert</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Tastend</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Rastend</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>4_0</name>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>F/S</source>
        <translation>F/S</translation>
    </message>
    <message>
        <source>Failsafe</source>
        <translation>Failsafe</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>You are about to delete the following function: </source>
        <translation>Folgende Funktion wird gelöscht: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Fortfahren?</translation>
    </message>
    <message>
        <source>Failsafe teached!</source>
        <translation>Failsafe eingelernt!</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einst.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>FS all</source>
        <translation>FS alle</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Einlernen</translation>
    </message>
    <message>
        <source>This model has no functions yet. &quot;+&quot; adds one; its row then sets its name, control, trim and servos.</source>
        <translation>Dieses Modell hat noch keine Funktionen. &quot;+&quot; fügt eine hinzu; ihre Zeile legt dann Name, Geber, Trimmung und Servos fest.</translation>
    </message>
</context>
<context>
    <name>5</name>
    <message>
        <source>Function Setup:</source>
        <translation>Funktionseinstellung:</translation>
    </message>
</context>
<context>
    <name>5_1</name>
    <message>
        <source>Do you really want to reset all settings of this function to the values of &apos;</source>
        <translation>Alle Einstellungen dieser Funktion wirklich auf die Werte der Flugphase &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos; zurücksetzen?</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Flugphase</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Control rate</source>
        <translation>Rate-Geber</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Control expo</source>
        <translation>Expo-Geber</translation>
    </message>
    <message>
        <source>Expo right</source>
        <translation>Expo rechts</translation>
    </message>
    <message>
        <source>Expo left</source>
        <translation>Expo links</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Laufzeit</translation>
    </message>
</context>
<context>
    <name>7</name>
    <message>
        <source>Flight Mode: Normal</source>
        <translation>Flugphase: Normal</translation>
    </message>
</context>
<context>
    <name>9_BindingMenu</name>
    <message>
        <source>Type %1</source>
        <translation>Typ %1</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>S/N %1</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 21</source>
        <translation>Empfänger: R-Ediv 21</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 14</source>
        <translation>Empfänger: R-Ediv 14</translation>
    </message>
    <message>
        <source>Receivers: own</source>
        <translation>Empfänger: eigene</translation>
    </message>
    <message>
        <source>Binding receiver %1 ...
Switch the receiver on in binding mode.</source>
        <translation>Empfänger %1 wird gebunden ...
Empfänger im Bindemodus einschalten.</translation>
    </message>
    <message>
        <source>Do you really want to delete receiver %1?</source>
        <translation>Empfänger %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Deleting receiver %1 ...</source>
        <translation>Empfänger %1 wird gelöscht ...</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Empfänger %1</translation>
    </message>
    <message>
        <source>not bound</source>
        <translation>nicht gebunden</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Bind</source>
        <translation>Binden</translation>
    </message>
    <message>
        <source>Transmitter sensor</source>
        <translation>Sendersensor</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>Empfänger-Firmware</translation>
    </message>
</context>
<context>
    <name>AlarmMessageSettings</name>
    <message>
        <source>Timer Name</source>
        <translation>Timer-Name</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>Drücken, um Stimme zu wählen</translation>
    </message>
</context>
<context>
    <name>AssistantControlChooser</name>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Fix value</source>
        <translation>Festwert</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Tastend</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Rastend</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AssistantServoChooser</name>
    <message>
        <source>Please select the servos you would like to add</source>
        <translation>Bitte die hinzuzufügenden Servos wählen</translation>
    </message>
    <message>
        <source>Available servo slots: </source>
        <translation>Freie Servoplätze: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AssistantTypePage</name>
    <message>
        <source>Sailplane</source>
        <translation>Segler</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>Kunstflug</translation>
    </message>
    <message>
        <source>Delta-Wing</source>
        <translation>Delta</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>V-Leitwerk</translation>
    </message>
    <message>
        <source>Left wing</source>
        <translation>Linker Flügel</translation>
    </message>
    <message>
        <source>Right wing</source>
        <translation>Rechter Flügel</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>Flügel</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Leitwerk</translation>
    </message>
    <message>
        <source>Throttle + Gear</source>
        <translation>Gas + Fahrwerk</translation>
    </message>
    <message>
        <source>Gyro + Aux</source>
        <translation>Kreisel + Aux</translation>
    </message>
    <message>
        <source>Gear + Brake</source>
        <translation>Fahrwerk + Bremse</translation>
    </message>
    <message>
        <source>Throttle + Smoke</source>
        <translation>Gas + Rauch</translation>
    </message>
    <message>
        <source>Gyro + Vector</source>
        <translation>Kreisel + Vektor</translation>
    </message>
    <message>
        <source>You did not set any function, the assistant will be closed. A new model with an empty function list will be created.
Continue?</source>
        <translation>Sie haben keine Funktion festgelegt, der Assistent wird geschlossen. Ein neues Modell mit leerer Funktionsliste wird erstellt.
Fortfahren?</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Aileron Control</source>
        <translation>Querruder-Geber</translation>
    </message>
    <message>
        <source>Elevator Control</source>
        <translation>Höhenruder-Geber</translation>
    </message>
    <message>
        <source>Rudder Control</source>
        <translation>Seitenruder-Geber</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>BTSettings</name>
    <message>
        <source>It may take up to 15 seconds to scan bluetooth devices</source>
        <translation>Die Suche nach Bluetooth-Geräten kann bis zu 15 Sekunden dauern</translation>
    </message>
    <message>
        <source>The device is successfully connected</source>
        <translation>Das Gerät wurde erfolgreich verbunden</translation>
    </message>
    <message>
        <source>An unexpected error occurred while searching for devices</source>
        <translation>Bei der Gerätesuche ist ein unerwarteter Fehler aufgetreten</translation>
    </message>
    <message>
        <source>An unexpected error occurred when stopping the device search</source>
        <translation>Beim Beenden der Gerätesuche ist ein unerwarteter Fehler aufgetreten</translation>
    </message>
    <message>
        <source>An unexpected error occurred while deleting the device</source>
        <translation>Beim Löschen des Geräts ist ein unerwarteter Fehler aufgetreten</translation>
    </message>
    <message>
        <source>An unexpected error occurred when connecting to the device</source>
        <translation>Beim Verbinden mit dem Gerät ist ein unerwarteter Fehler aufgetreten</translation>
    </message>
    <message>
        <source>The maximum number of connected devices has been reached</source>
        <translation>Die maximale Anzahl verbundener Geräte ist erreicht</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Scan!</source>
        <translation>Suchen!</translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Tontest</translation>
    </message>
    <message>
        <source>Bluetooth sound test</source>
        <translation>Bluetooth-Tontest</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>No devices known. Touch Scan! to search.</source>
        <translation>Keine Geräte bekannt. Suchen! berühren, um zu suchen.</translation>
    </message>
    <message>
        <source>Switch Bluetooth on to see the devices.</source>
        <translation>Bluetooth einschalten, um die Geräte zu sehen.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Einschalten</translation>
    </message>
</context>
<context>
    <name>CComplexTimer</name>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
</context>
<context>
    <name>ControlConfigLinear</name>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Unter</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Fixed control</source>
        <translation>Fester Geber</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No input is chosen yet. Touch &quot;Input&quot; above, then move the control you want (or pick a switch) and confirm with OK.</source>
        <translation>Noch kein Eingang gewählt. Oben &quot;Eingang&quot; antippen, dann den gewünschten Geber bewegen (oder einen Schalter wählen) und mit OK bestätigen.</translation>
    </message>
    <message>
        <source>No input is chosen yet.</source>
        <translation>Noch kein Eingang gewählt.</translation>
    </message>
</context>
<context>
    <name>CoordSequenserV3</name>
    <message>
        <source>Srv.</source>
        <translation>Srv.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
</context>
<context>
    <name>CountrySelector</name>
    <message>
        <source>Not specified</source>
        <translation>Nicht angegeben</translation>
    </message>
    <message>
        <source>Time zone [ ±hh:mm ]</source>
        <translation>Zeitzone [ ±hh:mm ]</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CurveEditPanel</name>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Select Point</source>
        <translation>Punkt wählen</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Glatt</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Eckig</translation>
    </message>
    <message>
        <source>Reset Curve</source>
        <translation>Kurve zurücksetzen</translation>
    </message>
</context>
<context>
    <name>CutoffSettings</name>
    <message>
        <source>Do you really want to delete this Servo Cut-off?</source>
        <translation>Diese Servo-Abschaltung wirklich löschen?</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Delete Servo Cut-off</source>
        <translation>Servo-Abschaltung löschen</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>Bitte ein freies Servo wählen:</translation>
    </message>
</context>
<context>
    <name>DifferentialsList</name>
    <message>
        <source>Do you really want to clear this differential?</source>
        <translation>Diese Differenzierung wirklich löschen?</translation>
    </message>
    <message>
        <source>Servo </source>
        <translation>Servo </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Please select an available function:</source>
        <translation>Bitte eine freie Funktion wählen:</translation>
    </message>
    <message>
        <source>Please assign servos to the left or right side:</source>
        <translation>Bitte die Servos der linken oder rechten Seite zuordnen:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servos</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einst.</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>No function has a differential yet. &quot;+&quot; gives one a differential; its row then sets the servos&apos; sides and the setup.</source>
        <translation>Noch keine Funktion hat eine Differenzierung. &quot;+&quot; richtet sie für eine Funktion ein; deren Zeile legt dann die Seiten der Servos und die Einstellung fest.</translation>
    </message>
</context>
<context>
    <name>EmptyOutroStop</name>
    <message>
        <source>System shutting down</source>
        <translation>System wird heruntergefahren</translation>
    </message>
</context>
<context>
    <name>FastMain</name>
    <message>
        <source>System starting...</source>
        <translation>System startet...</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>Nothing to choose from here</source>
        <translation>Hier gibt es nichts zur Auswahl</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FileManager</name>
    <message>
        <source>Choose a storage</source>
        <translation>Speicher wählen</translation>
    </message>
    <message>
        <source>Delete the %1 selected files and folders?</source>
        <translation>Die %1 gewählten Dateien und Ordner löschen?</translation>
    </message>
    <message>
        <source>Copying complete</source>
        <translation>Kopieren abgeschlossen</translation>
    </message>
    <message>
        <source>Deleting complete</source>
        <translation>Löschen abgeschlossen</translation>
    </message>
    <message>
        <source>Canceled by the user</source>
        <translation>Vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>A file or folder cannot be deleted</source>
        <translation>Eine Datei oder ein Ordner kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>A file or folder cannot be created in the destination folder</source>
        <translation>Eine Datei oder ein Ordner kann im Zielordner nicht angelegt werden</translation>
    </message>
    <message>
        <source>Copying complete. Files that existed already were skipped</source>
        <translation>Kopieren abgeschlossen. Bereits vorhandene Dateien wurden übersprungen</translation>
    </message>
    <message>
        <source>A source file cannot be opened</source>
        <translation>Eine Quelldatei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>A source file cannot be read</source>
        <translation>Eine Quelldatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>A file cannot be written in the destination folder</source>
        <translation>Eine Datei kann im Zielordner nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The destination folder is not available</source>
        <translation>Der Zielordner ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Nicht genug Speicher</translation>
    </message>
    <message>
        <source>The source was not found</source>
        <translation>Die Quelle wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The file name cannot be generated automatically</source>
        <translation>Der Dateiname kann nicht automatisch erzeugt werden</translation>
    </message>
    <message>
        <source>The destination folder is a subfolder of the source folder</source>
        <translation>Der Zielordner ist ein Unterordner des Quellordners</translation>
    </message>
    <message>
        <source>The source folder is the same as the destination folder</source>
        <translation>Quell- und Zielordner sind identisch</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists already in the destination folder.</source>
        <translation>&quot;%1&quot; ist im Zielordner bereits vorhanden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no WAVE sound file and cannot be played.</source>
        <translation>&quot;%1&quot; ist keine WAVE-Tondatei und kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played.</source>
        <translation>&quot;%1&quot; konnte nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Nach:</translation>
    </message>
    <message>
        <source>Copy here ▶</source>
        <translation>Hierher kopieren ▶</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 gewählt</translation>
    </message>
    <message>
        <source>Copying %1 of %2</source>
        <translation>Kopiere %1 von %2</translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation>Lösche %1 von %2</translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>Kein WLAN-Netz eingerichtet. Bitte zuerst in den WLAN-Einstellungen eines einrichten.</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>Verbinde mit dem WLAN ...</translation>
    </message>
    <message>
        <source>Looking for receiver firmware ...</source>
        <translation>Suche Empfänger-Firmware ...</translation>
    </message>
    <message>
        <source>The download could not be started.</source>
        <translation>Der Download konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>Die WLAN-Verbindung konnte nicht hergestellt werden.</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>Das Update wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>Nicht genug Speicher auf der SD-Karte.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>Eine Datei des Updates ist beschädigt. Bitte den Download erneut starten.</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>Die Verbindung zum Update-Server ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>Empfänger-Firmware</translation>
    </message>
    <message>
        <source>No receiver firmware on the SD card. &quot;Download&quot; fetches it from the update server.</source>
        <translation>Keine Empfänger-Firmware auf der SD-Karte. &quot;Download&quot; holt sie vom Update-Server.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Receiver firmware download</source>
        <translation>Download Empfänger-Firmware</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Empfänger %1</translation>
    </message>
    <message>
        <source>Write %1 into receiver %2?</source>
        <translation>%1 in Empfänger %2 schreiben?</translation>
    </message>
    <message>
        <source>Receiver %1 runs firmware %2.</source>
        <translation>Empfänger %1 läuft mit Firmware %2.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Receiver firmware update</source>
        <translation>Empfänger-Firmware-Update</translation>
    </message>
</context>
<context>
    <name>FlightModeEditor</name>
    <message>
        <source>Do you really want to delete this
No Fade-in function?</source>
        <translation>Diese Funktion ohne
Überblendung wirklich löschen?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwendet</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Fade-in</source>
        <translation>Überblendung</translation>
    </message>
    <message>
        <source>No Fade-in Functions</source>
        <translation>Ohne Überblendung</translation>
    </message>
    <message>
        <source>Delete function</source>
        <translation>Funktion löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select available functions:</source>
        <translation>Bitte freie Funktionen wählen:</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
Zuerst muss die Standard-Flugphase angelegt werden!</translation>
    </message>
</context>
<context>
    <name>FlightModeSelector</name>
    <message>
        <source>Null string</source>
        <translation>Ohne Name</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
Zuerst muss die Standard-Flugphase angelegt werden!</translation>
    </message>
    <message>
        <source>Delete Flight Mode</source>
        <translation>Flugphase löschen</translation>
    </message>
    <message>
        <source>Delete FM Control</source>
        <translation>FP-Geber löschen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Do you really want to delete this
Flight Mode control?</source>
        <translation>Diesen Flugphasen-Geber
wirklich löschen?</translation>
    </message>
    <message>
        <source>Do you really want to delete
this Flight Mode?</source>
        <translation>Diese Flugphase
wirklich löschen?</translation>
    </message>
    <message>
        <source>
Cannot delete standard Flight Mode!</source>
        <translation>
Die Standard-Flugphase kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>Modell: </translation>
    </message>
</context>
<context>
    <name>FlyinIncDec</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FuncDiffSettings</name>
    <message>
        <source>Differential</source>
        <translation>Differenz.</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Flugphase</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Diff. control</source>
        <translation>Diff.-Geber</translation>
    </message>
    <message>
        <source>Diff. trim</source>
        <translation>Diff.-Trimm.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>No servo has a side yet: the differential acts only on servos set to the left or right side in the differential list&apos;s servo column.</source>
        <translation>Noch kein Servo hat eine Seite: Die Differenzierung wirkt nur auf Servos, die in der Servo-Spalte der Differenzierungsliste der linken oder rechten Seite zugeordnet sind.</translation>
    </message>
</context>
<context>
    <name>FunctionDiffItemV2</name>
    <message>
        <source>Setup</source>
        <translation>Einst.</translation>
    </message>
</context>
<context>
    <name>GPSSideBoard</name>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
</context>
<context>
    <name>HeadupMenu</name>
    <message>
        <source>Telemetry</source>
        <translation>Telemetrie</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>Kind of the item</source>
        <translation>Art des Eintrags</translation>
    </message>
    <message>
        <source>Telemetry value</source>
        <translation>Telemetriewert</translation>
    </message>
    <message>
        <source>There is nothing of this kind to choose.</source>
        <translation>Von dieser Art gibt es nichts zur Auswahl.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>No items. Touch + to add one.</source>
        <translation>Keine Einträge. + berühren, um einen hinzuzufügen.</translation>
    </message>
</context>
<context>
    <name>HeldRowBar</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ItemChooser</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KLX_CopyModelData</name>
    <message>
        <source>The file already exists in the target folder, overwrite?</source>
        <translation>Die Datei ist im Zielordner schon vorhanden. Überschreiben?</translation>
    </message>
    <message>
        <source>The following file was already deleted!</source>
        <translation>Die folgende Datei wurde bereits gelöscht!</translation>
    </message>
    <message>
        <source>Add and replace files in destination folder:</source>
        <translation>Dateien im Zielordner hinzufügen und ersetzen:</translation>
    </message>
    <message>
        <source>Not on the card:</source>
        <translation>Nicht auf der Karte:</translation>
    </message>
</context>
<context>
    <name>KLX_DataBaseManager</name>
    <message>
        <source>mixer</source>
        <translation>Mischer</translation>
    </message>
    <message>
        <source>sequencer</source>
        <translation>Sequenzer</translation>
    </message>
    <message>
        <source>servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>telecontrol</source>
        <translation>Telemetrie-Geber</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Konstante</translation>
    </message>
</context>
<context>
    <name>KLX_ErrorData</name>
    <message>
        <source>Model currently active – cannot erase!</source>
        <translation>Modell ist aktiv – Löschen nicht möglich!</translation>
    </message>
    <message>
        <source>Battery is weak - please charge before update!</source>
        <translation>Akku schwach - bitte vor dem Update laden!</translation>
    </message>
    <message>
        <source>Target file already exists – cannot copy!</source>
        <translation>Zieldatei existiert bereits – Kopieren nicht möglich!</translation>
    </message>
    <message>
        <source>No source file selected – cannot copy!</source>
        <translation>Keine Quelldatei gewählt – Kopieren nicht möglich!</translation>
    </message>
    <message>
        <source>No USB stick plugged – cannot copy!</source>
        <translation>Kein USB-Stick eingesteckt – Kopieren nicht möglich!</translation>
    </message>
    <message>
        <source>Bad servoindex or mixerindex in servo configuration!</source>
        <translation>Ungültiger Servo- oder Mischerindex in der Servokonfiguration!</translation>
    </message>
    <message>
        <source>Servo configuration not used!</source>
        <translation>Servokonfiguration nicht belegt!</translation>
    </message>
    <message>
        <source>Bad function index in servomixer!</source>
        <translation>Ungültiger Funktionsindex im Servomischer!</translation>
    </message>
    <message>
        <source>Wrong function count in flightmode!</source>
        <translation>Falsche Anzahl Funktionen in der Flugphase!</translation>
    </message>
    <message>
        <source>Wrong setup count in functions!</source>
        <translation>Falsche Anzahl Einstellungen in den Funktionen!</translation>
    </message>
    <message>
        <source>Wrong setup count in mixers!</source>
        <translation>Falsche Anzahl Einstellungen in den Mischern!</translation>
    </message>
    <message>
        <source>No receiver found!</source>
        <translation>Kein Empfänger gefunden!</translation>
    </message>
    <message>
        <source>This unit cannot be loaded!</source>
        <translation>Dieses Element kann nicht geladen werden!</translation>
    </message>
    <message>
        <source>Cannot delete file or folder!</source>
        <translation>Datei oder Ordner kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>No destination folder!</source>
        <translation>Kein Zielordner!</translation>
    </message>
    <message>
        <source>No source folder!</source>
        <translation>Kein Quellordner!</translation>
    </message>
    <message>
        <source>Not enough memory on the SD card – cannot copy!</source>
        <translation>Nicht genug Speicher auf der SD-Karte – Kopieren nicht möglich!</translation>
    </message>
    <message>
        <source>Not enough memory on the target – cannot copy!</source>
        <translation>Nicht genug Speicher am Ziel – Kopieren nicht möglich!</translation>
    </message>
    <message>
        <source>No usable SD card – cannot copy!</source>
        <translation>Keine nutzbare SD-Karte – Kopieren nicht möglich!</translation>
    </message>
    <message>
        <source>The model file could not be copied into the target folder!</source>
        <translation>Die Modelldatei konnte nicht in den Zielordner kopiert werden!</translation>
    </message>
    <message>
        <source>The model is being saved – please try again!</source>
        <translation>Das Modell wird gerade gespeichert – bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>Model path outside the model folders – cannot copy!</source>
        <translation>Modellpfad außerhalb der Modellordner – Kopieren nicht möglich!</translation>
    </message>
    <message>
        <source>The copy could not be set up!</source>
        <translation>Der Kopiervorgang konnte nicht vorbereitet werden!</translation>
    </message>
    <message>
        <source>The copy was in no known step and was stopped!</source>
        <translation>Der Kopiervorgang war in keinem bekannten Schritt und wurde abgebrochen!</translation>
    </message>
    <message>
        <source>The copy took too long and was stopped!</source>
        <translation>Der Kopiervorgang hat zu lange gedauert und wurde abgebrochen!</translation>
    </message>
    <message>
        <source>Reading or writing failed – cannot copy!</source>
        <translation>Lesen oder Schreiben fehlgeschlagen – Kopieren nicht möglich!</translation>
    </message>
    <message>
        <source>No backup of the model file could be made!</source>
        <translation>Es konnte keine Sicherung der Modelldatei erstellt werden!</translation>
    </message>
    <message>
        <source>The loaded model and the settings files cannot be deleted!</source>
        <translation>Das geladene Modell und die Einstellungsdateien können nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Path outside the allowed folders!</source>
        <translation>Pfad außerhalb der erlaubten Ordner!</translation>
    </message>
    <message>
        <source>More than 5 GB – cannot copy!</source>
        <translation>Mehr als 5 GB – Kopieren nicht möglich!</translation>
    </message>
    <message>
        <source>The new folder could not be created!</source>
        <translation>Der neue Ordner konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Unknown copy or delete request – nothing was done!</source>
        <translation>Unbekannter Kopier- oder Löschauftrag – es wurde nichts getan!</translation>
    </message>
</context>
<context>
    <name>KLX_ProcessVorn</name>
    <message>
        <source>System synchronization</source>
        <translation>Systemsynchronisation</translation>
    </message>
    <message>
        <source>Loading model</source>
        <translation>Modell wird geladen</translation>
    </message>
    <message>
        <source>Loading unit</source>
        <translation>Element wird geladen</translation>
    </message>
    <message>
        <source>Deleting unit</source>
        <translation>Element wird gelöscht</translation>
    </message>
    <message>
        <source>Sending binding configuration</source>
        <translation>Bindekonfiguration wird gesendet</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Binden</translation>
    </message>
    <message>
        <source>Calibrating controls</source>
        <translation>Geber werden kalibriert</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>Neues Modell wird erstellt</translation>
    </message>
    <message>
        <source>Deleting model</source>
        <translation>Modell wird gelöscht</translation>
    </message>
    <message>
        <source>Receiving modeldata</source>
        <translation>Modelldaten werden empfangen</translation>
    </message>
    <message>
        <source>Renaming model</source>
        <translation>Modell wird umbenannt</translation>
    </message>
    <message>
        <source>Onboard firmware update</source>
        <translation>Firmware-Update der Controller</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>System-Update</translation>
    </message>
    <message>
        <source>Copy model</source>
        <translation>Modell kopieren</translation>
    </message>
    <message>
        <source>Capture sensor menue data</source>
        <translation>Sensormenü wird gelesen</translation>
    </message>
    <message>
        <source>Set sensor data</source>
        <translation>Sensordaten setzen</translation>
    </message>
    <message>
        <source>Set sensor mainadress</source>
        <translation>Sensoradresse setzen</translation>
    </message>
    <message>
        <source>Copy model data to external device</source>
        <translation>Modelldaten auf externes Gerät kopieren</translation>
    </message>
    <message>
        <source>Read menu data continiously</source>
        <translation>Menüdaten fortlaufend lesen</translation>
    </message>
    <message>
        <source>Capture telemetrie data</source>
        <translation>Telemetriedaten werden erfasst</translation>
    </message>
</context>
<context>
    <name>KLX_RuntimeCalcAlarm</name>
    <message>
        <source>volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>millivolts</source>
        <translation>Millivolt</translation>
    </message>
    <message>
        <source>amps</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>milliamps</source>
        <translation>Milliampere</translation>
    </message>
    <message>
        <source>milliampere-hours</source>
        <translation>Milliamperestunden</translation>
    </message>
    <message>
        <source>feet per second</source>
        <translation>Fuß pro Sekunde</translation>
    </message>
    <message>
        <source>meters per second</source>
        <translation>Meter pro Sekunde</translation>
    </message>
    <message>
        <source>degree Celsius</source>
        <translation>Grad Celsius</translation>
    </message>
    <message>
        <source>degree Fahrenheit</source>
        <translation>Grad Fahrenheit</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>abgelaufen</translation>
    </message>
    <message>
        <source>attention</source>
        <translation>Achtung</translation>
    </message>
</context>
<context>
    <name>KLX_Timer</name>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
</context>
<context>
    <name>KLX_TimersAlarms</name>
    <message>
        <source>Attention:data synchronization failed!Please land your aircraft!</source>
        <translation>Achtung: Datenabgleich fehlgeschlagen! Bitte landen Sie Ihr Modell!</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No more than three lines</source>
        <translation>Nicht mehr als drei Zeilen</translation>
    </message>
    <message>
        <source>No more than %1 characters</source>
        <translation>Nicht mehr als %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servos</translation>
    </message>
    <message>
        <source>ServoMonitor</source>
        <translation>Servo­monitor</translation>
    </message>
    <message>
        <source>Flight Modes</source>
        <translation>Flugphasen</translation>
    </message>
    <message>
        <source>Virtual Switches</source>
        <translation>Virtuelle Schalter</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mischer</translation>
    </message>
    <message>
        <source>Servo Cut-off</source>
        <translation>Servo-Abschaltung</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>Sprach­ansagen</translation>
    </message>
    <message>
        <source>Vario Settings</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Sequencers</source>
        <translation>Sequenzer</translation>
    </message>
    <message>
        <source>Differential</source>
        <translation>Differen­zierung</translation>
    </message>
    <message>
        <source>Telemetry Controls</source>
        <translation>Telemetrie-Geber</translation>
    </message>
    <message>
        <source>Trainer cord Settings</source>
        <translation>Lehrer/Schüler</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>Ansager</translation>
    </message>
    <message>
        <source>GPS Compass</source>
        <translation>GPS-Kompass</translation>
    </message>
    <message>
        <source>HeadUp Display</source>
        <translation>HeadUp-Display</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>Vorflug-Checkliste</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Datei­manager</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstel­lungen</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>WiFi</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
</context>
<context>
    <name>MenuGrid</name>
    <message>
        <source>&quot;%1&quot; is now in the user menu.</source>
        <translation>&quot;%1&quot; ist jetzt im Benutzermenü.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the user menu.</source>
        <translation>&quot;%1&quot; ist bereits im Benutzermenü.</translation>
    </message>
</context>
<context>
    <name>ModelMenu</name>
    <message>
        <source>Plane</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>Multicopter</source>
        <translation>Multicopter</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / %1 : * ? &quot; &lt; &gt; | or &quot;..&quot;.</source>
        <translation>Dieser Name ist nicht zulässig.
Ein Name darf / %1 : * ? &quot; &lt; &gt; | oder &quot;..&quot; nicht enthalten.</translation>
    </message>
    <message>
        <source>New name of the folder:</source>
        <translation>Neuer Name des Ordners:</translation>
    </message>
    <message>
        <source>New name of the model:</source>
        <translation>Neuer Name des Modells:</translation>
    </message>
    <message>
        <source>Name of the new model in %1:</source>
        <translation>Name des neuen Modells in %1:</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>Modell wird geladen...</translation>
    </message>
    <message>
        <source>The model could not be loaded.</source>
        <translation>Das Modell konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>Neues Modell wird erstellt</translation>
    </message>
    <message>
        <source>There is no current model.
Load a model or make a new one first.</source>
        <translation>Kein aktuelles Modell vorhanden.
Zuerst ein Modell laden oder neu anlegen.</translation>
    </message>
    <message>
        <source>Copy %1 to:</source>
        <translation>%1 kopieren nach:</translation>
    </message>
    <message>
        <source>The model is copied as: </source>
        <translation>Das Modell wird kopiert als: </translation>
    </message>
    <message>
        <source>Folder: </source>
        <translation>Ordner: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Fortfahren?</translation>
    </message>
    <message>
        <source>Only the current model can be renamed.
Load this model now and rename it?</source>
        <translation>Nur das aktuelle Modell kann umbenannt werden.
Dieses Modell jetzt laden und umbenennen?</translation>
    </message>
    <message>
        <source>You are about to delete the following model: </source>
        <translation>Folgendes Modell wird gelöscht: </translation>
    </message>
    <message>
        <source>Picture for</source>
        <translation>Bild für</translation>
    </message>
    <message>
        <source>You are about to delete the following folder: </source>
        <translation>Folgender Ordner wird gelöscht: </translation>
    </message>
    <message>
        <source>Current model: </source>
        <translation>Aktuelles Modell: </translation>
    </message>
    <message>
        <source>No model loaded: load one or make a new one.</source>
        <translation>Kein Modell geladen: eines laden oder neu anlegen.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>+ Folder</source>
        <translation>+ Ordner</translation>
    </message>
    <message>
        <source>Current model</source>
        <translation>Aktuelles Modell</translation>
    </message>
    <message>
        <source>No models in this folder.
&quot;New&quot; makes one here.</source>
        <translation>Keine Modelle in diesem Ordner.
&quot;Neu&quot; legt hier eines an.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>ModelTask</name>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
</context>
<context>
    <name>ModelTypeChoose</name>
    <message>
        <source>Please select the model type:</source>
        <translation>Bitte den Modelltyp wählen:</translation>
    </message>
    <message>
        <source>Sailplane</source>
        <translation>Segler</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>Kunstflug</translation>
    </message>
    <message>
        <source>Delta-Wing</source>
        <translation>Delta</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>V-Leitwerk</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>Modelbuilder</name>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>MultiLineTextEditor</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Numpad</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OptionsBar</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PreflightChecklist</name>
    <message>
        <source>Controls teached!</source>
        <translation>Geber eingelernt!</translation>
    </message>
    <message>
        <source>Controls teached incorrect - try again!</source>
        <translation>Geber falsch eingelernt - bitte wiederholen!</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>Vorflug-Checkliste</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Teach controls</source>
        <translation>Geber einlernen</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Einlernen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PreflightOverlay</name>
    <message>
        <source>Starting radio...</source>
        <translation>Sender startet...</translation>
    </message>
    <message>
        <source>Check positions:</source>
        <translation>Positionen prüfen:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ProgressBox</name>
    <message>
        <source>Abort</source>
        <translation>Abbruch</translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>Auswerfen</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
</context>
<context>
    <name>SensorAddressInfo</name>
    <message>
        <source>Original:</source>
        <translation>Original:</translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation>Alias:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Seite:</translation>
    </message>
    <message>
        <source>Edit alias</source>
        <translation>Alias bearbeiten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>SensorMenuFrame</name>
    <message>
        <source>No responce from Backend!</source>
        <translation>Keine Antwort vom Backend!</translation>
    </message>
    <message>
        <source>Stepping value error!</source>
        <translation>Fehler beim Schrittwert!</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Stepping value none!</source>
        <translation>Kein Schrittwert!</translation>
    </message>
</context>
<context>
    <name>SensorMenuItem</name>
    <message>
        <source>Activate</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Deaktivieren</translation>
    </message>
</context>
<context>
    <name>SeqServoItem</name>
    <message>
        <source>Servo </source>
        <translation>Servo </translation>
    </message>
</context>
<context>
    <name>SequencerItem</name>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
</context>
<context>
    <name>SequencerServoEditor</name>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Srv.</source>
        <translation>Srv.</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Select point</source>
        <translation>Punkt wählen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Locked since the start, so that it does not run by itself: move %1 to where its last run ended. It then follows its control again and can be edited.</source>
        <translation>Seit dem Start gesperrt, damit er nicht von selbst läuft: %1 dorthin bewegen, wo sein letzter Lauf endete. Dann folgt er wieder seinem Geber und lässt sich bearbeiten.</translation>
    </message>
</context>
<context>
    <name>SequencerServoList</name>
    <message>
        <source>Do you really want to delete this servo from sequencer?</source>
        <translation>Dieses Servo wirklich aus dem Sequenzer löschen?</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Aktive Zeit</translation>
    </message>
    <message>
        <source>Movement range</source>
        <translation>Bewegungsbereich</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>Richt.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>Bitte freie Servos wählen:</translation>
    </message>
</context>
<context>
    <name>SequencerServos</name>
    <message>
        <source>Servo </source>
        <translation>Servo </translation>
    </message>
</context>
<context>
    <name>SequencersList</name>
    <message>
        <source>Do you really want to delete this sequencer?</source>
        <translation>Diesen Sequenzer wirklich löschen?</translation>
    </message>
    <message>
        <source>Sequencer is running. Try again when finished!</source>
        <translation>Sequenzer läuft. Nach Ablauf erneut versuchen!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servos</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einst.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>Bitte freie Servos wählen:</translation>
    </message>
    <message>
        <source>No sequencers yet. &quot;+&quot; adds one; its row then sets its name, control, mode, servos and waypoints.</source>
        <translation>Noch keine Sequenzer. &quot;+&quot; fügt einen hinzu; seine Zeile legt dann Name, Geber, Modus, Servos und Wegpunkte fest.</translation>
    </message>
</context>
<context>
    <name>SequentialTA</name>
    <message>
        <source>No voice</source>
        <translation>Keine Stimme</translation>
    </message>
    <message>
        <source>A list of this name exists already.
Overwrite it?</source>
        <translation>Eine Liste mit diesem Namen existiert bereits.
Überschreiben?</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / or &quot;..&quot;.</source>
        <translation>Dieser Name ist nicht zulässig.
Ein Name darf / oder &quot;..&quot; nicht enthalten.</translation>
    </message>
    <message>
        <source>The list could not be copied to the SD card.</source>
        <translation>Die Liste konnte nicht auf die SD-Karte kopiert werden.</translation>
    </message>
    <message>
        <source>The list was written to the USB stick.</source>
        <translation>Die Liste wurde auf den USB-Stick geschrieben.</translation>
    </message>
    <message>
        <source>No USB stick found, or the list could not be written to it.</source>
        <translation>Kein USB-Stick gefunden oder die Liste konnte nicht darauf geschrieben werden.</translation>
    </message>
    <message>
        <source>Do you really want to delete this announcement?</source>
        <translation>Diese Ansage wirklich löschen?</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>Ansager</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>The list is empty. &quot;+&quot; adds an announcement.</source>
        <translation>Die Liste ist leer. &quot;+&quot; fügt eine Ansage hinzu.</translation>
    </message>
    <message>
        <source>No list. &quot;New&quot; starts one, &quot;Open&quot; loads one.</source>
        <translation>Keine Liste. &quot;Neu&quot; legt eine an, &quot;Öffnen&quot; lädt eine.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Open a list</source>
        <translation>Liste öffnen</translation>
    </message>
    <message>
        <source>Name of the new list:</source>
        <translation>Name der neuen Liste:</translation>
    </message>
</context>
<context>
    <name>ServoCurveEditor</name>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
</context>
<context>
    <name>ServoCurveSettings</name>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funktion:</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Curve Editor</source>
        <translation>Kurveneditor</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Servo curve</source>
        <translation>Servokurve</translation>
    </message>
    <message>
        <source>Function curve</source>
        <translation>Funktionskurve</translation>
    </message>
    <message>
        <source>Result curve</source>
        <translation>Ergebniskurve</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Mixers</source>
        <translation>Mischer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>ServoCutOffItem</name>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>ServoItemV2</name>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einst.</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>Reset Kurve</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Rev</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norm</translation>
    </message>
</context>
<context>
    <name>ServoLists</name>
    <message>
        <source>Servo </source>
        <translation>Servo </translation>
    </message>
</context>
<context>
    <name>SoftwareInfo</name>
    <message>
        <source>The batteries are too low for an update. Please charge them first.</source>
        <translation>Der Akku ist für ein Update zu schwach. Bitte zuerst laden.</translation>
    </message>
    <message>
        <source>No application update was found on a USB stick. Download it from the update server?</source>
        <translation>Kein Anwendungs-Update auf einem USB-Stick gefunden. Vom Update-Server herunterladen?</translation>
    </message>
    <message>
        <source>No system update was found on a USB stick. Download it from the update server?</source>
        <translation>Kein System-Update auf einem USB-Stick gefunden. Vom Update-Server herunterladen?</translation>
    </message>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>Kein WLAN-Netz eingerichtet. Bitte zuerst in den WLAN-Einstellungen eines einrichten.</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>Verbinde mit dem WLAN ...</translation>
    </message>
    <message>
        <source>The update could not be started.</source>
        <translation>Das Update konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Looking for the update ...</source>
        <translation>Suche das Update ...</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>Die WLAN-Verbindung konnte nicht hergestellt werden.</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>Das Update wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>Nicht genug Speicher auf der SD-Karte.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please copy the update to the USB stick again.</source>
        <translation>Eine Datei des Updates ist beschädigt. Bitte das Update erneut auf den USB-Stick kopieren.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>Eine Datei des Updates ist beschädigt. Bitte den Download erneut starten.</translation>
    </message>
    <message>
        <source>The newest software is installed already.</source>
        <translation>Die neueste Software ist bereits installiert.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>Das Update konnte nicht installiert werden.</translation>
    </message>
    <message>
        <source>Internal error while installing the update.</source>
        <translation>Interner Fehler bei der Installation des Updates.</translation>
    </message>
    <message>
        <source>This update is unsuitable for this device.</source>
        <translation>Dieses Update ist für dieses Gerät nicht geeignet.</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>Die Verbindung zum Update-Server ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Update from the USB stick:</source>
        <translation>Update vom USB-Stick:</translation>
    </message>
    <message>
        <source>Update from the update server:</source>
        <translation>Update vom Update-Server:</translation>
    </message>
    <message>
        <source>A file of the update is missing or does not match its list. Please copy the update to the USB stick again.</source>
        <translation>Eine Datei des Updates fehlt oder passt nicht zu ihrer Liste. Bitte das Update erneut auf den USB-Stick kopieren.</translation>
    </message>
    <message>
        <source>The update is installed. Please switch the model off and restart the transmitter.</source>
        <translation>Das Update ist installiert. Bitte das Modell ausschalten und den Sender neu starten.</translation>
    </message>
    <message>
        <source>The update is installed. Switch the transmitter off to finish it: until then the keys and the status strip stay locked.</source>
        <translation>Das Update ist installiert. Zum Abschließen den Sender ausschalten: Bis dahin bleiben die Tasten und die Statusleiste gesperrt.</translation>
    </message>
    <message>
        <source>The system update is installed when the transmitter is switched on next time.</source>
        <translation>Das System-Update wird beim nächsten Einschalten des Senders installiert.</translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Lade herunter ...</translation>
    </message>
    <message>
        <source>The update is ready. Install it now?</source>
        <translation>Das Update ist bereit. Jetzt installieren?</translation>
    </message>
    <message>
        <source>This version is installed already. Install it anyway?</source>
        <translation>Diese Version ist bereits installiert. Trotzdem installieren?</translation>
    </message>
    <message>
        <source>Waiting for your answer</source>
        <translation>Warte auf Ihre Antwort</translation>
    </message>
    <message>
        <source>Installing ...</source>
        <translation>Installiere ...</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation>Transceiver</translation>
    </message>
    <message>
        <source>Stick controller</source>
        <translation>Knüppel-Controller</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Touch &quot;Update&quot; for the application update, hold it for the system update. A USB stick is looked at first, then the update server.</source>
        <translation>&quot;Update&quot; antippen für das Anwendungs-Update, halten für das System-Update. Zuerst wird ein USB-Stick geprüft, dann der Update-Server.</translation>
    </message>
    <message>
        <source>Application update</source>
        <translation>Anwendungs-Update</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>System-Update</translation>
    </message>
    <message>
        <source>stick controller</source>
        <translation>Knüppel-Controller</translation>
    </message>
    <message>
        <source>transceiver</source>
        <translation>Transceiver</translation>
    </message>
    <message>
        <source>The firmware of this software is written into the %1 again. Go on?</source>
        <translation>Die Firmware dieser Software wird erneut in den %1 geschrieben. Fortfahren?</translation>
    </message>
    <message>
        <source>The firmware recovery requires the same version of Update.xml as this application.</source>
        <translation>Die Firmware-Wiederherstellung erfordert dieselbe Version der Update.xml wie diese Anwendung.</translation>
    </message>
    <message>
        <source>The firmware file does not match its checksum.</source>
        <translation>Die Firmware-Datei passt nicht zu ihrer Prüfsumme.</translation>
    </message>
    <message>
        <source>The update folder holds no package to write again: its Update.xml could not be read.</source>
        <translation>Der Update-Ordner enthält kein Paket zum erneuten Schreiben: Seine Update.xml konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the stick controller.</source>
        <translation>Das Paket im Update-Ordner enthält keine Firmware für den Knüppel-Controller.</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the transceiver.</source>
        <translation>Das Paket im Update-Ordner enthält keine Firmware für den Transceiver.</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Wiederherst.</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Die SD-Karte ist kleiner als die 256 MiB, die der Sender braucht.</translation>
    </message>
    <message>
        <source>There is not enough room for the program in the transmitter&apos;s memory.</source>
        <translation>Im Speicher des Senders ist nicht genug Platz für das Programm.</translation>
    </message>
</context>
<context>
    <name>Storages</name>
    <message>
        <source>SD card</source>
        <translation>SD-Karte</translation>
    </message>
    <message>
        <source>USB stick</source>
        <translation>USB-Stick</translation>
    </message>
</context>
<context>
    <name>TeleWidgetSetupBar</name>
    <message>
        <source>You are about to delete this widget
Proceed?</source>
        <translation>Dieses Widget wird gelöscht.
Fortfahren?</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Delete widget</source>
        <translation>Widget löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TeleWidgetsVoiceSettings</name>
    <message>
        <source>Telemetry status alarms</source>
        <translation>Telemetrie-Statusalarme</translation>
    </message>
    <message>
        <source>Telemetry alarms</source>
        <translation>Telemetrie-Alarme</translation>
    </message>
    <message>
        <source>Telemetry warnings</source>
        <translation>Telemetrie-Warnungen</translation>
    </message>
    <message>
        <source>Global telemetry widget voice settings</source>
        <translation>Globale Spracheinstellungen der Telemetrie-Widgets</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TelemetryControlItem</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>TelemetryControlSett2</name>
    <message>
        <source>Decimal point separator of this telemetry control is incorrect! Please rescan sensors and assign a sensor again!</source>
        <translation>Dezimaltrennzeichen dieses Telemetrie-Gebers ist falsch! Bitte Sensoren neu suchen und erneut einen Sensor zuordnen!</translation>
    </message>
    <message>
        <source>Actual parameters of the sensor value doesn&apos;t match to the settings of this control! Probably another sensor is used. Please reassign the sensor again!</source>
        <translation>Die aktuellen Parameter des Sensorwerts passen nicht zu den Einstellungen dieses Gebers! Vermutlich wird ein anderer Sensor verwendet. Bitte den Sensor neu zuordnen!</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetrie</translation>
    </message>
    <message>
        <source>control</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Begrenzer</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Sim:</source>
        <translation>Sim:</translation>
    </message>
    <message>
        <source>FS:</source>
        <translation>FS:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Invers</translation>
    </message>
    <message>
        <source>Inv</source>
        <translation>Inv</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TelemetryControls</name>
    <message>
        <source>You are about to delete the following telemetry contol: </source>
        <translation>Folgender Telemetrie-Geber wird gelöscht: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Fortfahren?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorAlarmConfig</name>
    <message>
        <source>Red below</source>
        <translation>Rot unter</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Yellow below</source>
        <translation>Gelb unter</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Yellow above</source>
        <translation>Gelb über</translation>
    </message>
    <message>
        <source>Red above</source>
        <translation>Rot über</translation>
    </message>
    <message>
        <source>No Alarm</source>
        <translation>Kein Alarm</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piep</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Piep + Vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Nur Sprache</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Sprache + Piep</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Sprache + Vib.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Spr.+Piep+Vib.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>Repetitive</source>
        <translation>Wiederholt</translation>
    </message>
    <message>
        <source>Status alarm</source>
        <translation>Statusalarm</translation>
    </message>
    <message>
        <source>Signalling</source>
        <translation>Signale</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>Alarmart</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorItem</name>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorMainMenu</name>
    <message>
        <source>Menu is empty!</source>
        <translation>Menü ist leer!</translation>
    </message>
    <message>
        <source>Scanning for menu...</source>
        <translation>Suche Menü...</translation>
    </message>
    <message>
        <source>No response from backend!</source>
        <translation>Keine Antwort vom Backend!</translation>
    </message>
    <message>
        <source>Getting Menu...</source>
        <translation>Lade Menü...</translation>
    </message>
    <message>
        <source>Getting Menu error!</source>
        <translation>Fehler beim Laden des Menüs!</translation>
    </message>
    <message>
        <source>Getting menu timeout!</source>
        <translation>Zeitüberschreitung beim Laden des Menüs!</translation>
    </message>
    <message>
        <source>Getting Menu none!</source>
        <translation>Kein Menü erhalten!</translation>
    </message>
    <message>
        <source>Prev.</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TelemetryTimerItem</name>
    <message>
        <source>Settings</source>
        <translation>Einst.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Delete timer</source>
        <translation>Timer löschen</translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformation</name>
    <message>
        <source>Sensor Information</source>
        <translation>Sensorinformation</translation>
    </message>
    <message>
        <source>Reset Alerts</source>
        <translation>Alarme zurücksetzen</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>Werte zurücksetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformationItem</name>
    <message>
        <source>Max.</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetChooser</name>
    <message>
        <source>Telemetry</source>
        <translation>Telemetrie</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>QuickLink</source>
        <translation>Schnellzugriff</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>ModelImage</source>
        <translation>Modellbild</translation>
    </message>
    <message>
        <source>Select a widget type to add</source>
        <translation>Widget-Typ zum Hinzufügen wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetLabelSetup</name>
    <message>
        <source>Export successful</source>
        <translation>Export erfolgreich</translation>
    </message>
    <message>
        <source>Export failed!</source>
        <translation>Export fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Please check if USB is connected and working</source>
        <translation>Bitte prüfen, ob USB verbunden ist und funktioniert</translation>
    </message>
    <message>
        <source>Attention!
The text will probably not be displayed correctly due to its length</source>
        <translation>Achtung!
Der Text wird wegen seiner Länge wahrscheinlich nicht richtig angezeigt</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetQuickLink</name>
    <message>
        <source>Select entry</source>
        <translation>Eintrag wählen</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetServo</name>
    <message>
        <source>Select servo:</source>
        <translation>Servo wählen:</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetServoSetup</name>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimer</name>
    <message>
        <source>Select timer!</source>
        <translation>Timer wählen!</translation>
    </message>
    <message>
        <source>Empty timer</source>
        <translation>Leerer Timer</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>Stopp:</translation>
    </message>
    <message>
        <source>Warn:</source>
        <translation>Warn:</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerAlarmConfig</name>
    <message>
        <source>No Alarm</source>
        <translation>Kein Alarm</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piep</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Piep + Vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Stoppzeit</translation>
    </message>
    <message>
        <source>Warning time</source>
        <translation>Warnzeit</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>End alarm</source>
        <translation>Endalarm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>Alarmart</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerSetup</name>
    <message>
        <source>Do you really want to delete this timer?</source>
        <translation>Diesen Timer wirklich löschen?</translation>
    </message>
    <message>
        <source>No timer is selected for this widget!</source>
        <translation>Für dieses Widget ist kein Timer gewählt!</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValue</name>
    <message>
        <source>Select sensor!</source>
        <translation>Sensor wählen!</translation>
    </message>
    <message>
        <source>Select value!</source>
        <translation>Wert wählen!</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSensorSlaveChooser</name>
    <message>
        <source>Capturing sensor information...</source>
        <translation>Lese Sensorinformationen...</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Searching for sensors...</source>
        <translation>Suche Sensoren...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSetup</name>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Addr.</source>
        <translation>Adr.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Add values</source>
        <translation>Werte hinzufügen</translation>
    </message>
    <message>
        <source>Rescan sensors</source>
        <translation>Sensoren neu suchen</translation>
    </message>
    <message>
        <source>Scanning for sensors</source>
        <translation>Suche Sensoren</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSlaveChooser</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TimeRangeAlarmSettings</name>
    <message>
        <source>(Down)</source>
        <translation>(Ab)</translation>
    </message>
    <message>
        <source>(Up)</source>
        <translation>(Auf)</translation>
    </message>
    <message>
        <source>of</source>
        <translation>von</translation>
    </message>
    <message>
        <source>Signal start</source>
        <translation>Signalbeginn</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Signal end</source>
        <translation>Signalende</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Signalart</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piep</translation>
    </message>
    <message>
        <source>Long beep</source>
        <translation>Langer Piep</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Short speech</source>
        <translation>Kurzansage</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>TimerAlarmItem</name>
    <message>
        <source>No Alarm</source>
        <translation>Kein Alarm</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Kein Alarm</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piep</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Piep + Vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Nur Sprache</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Sprache + Piep</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Sprache + Vib.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Spr.+Piep+Vib.</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kurz</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Meld.</translation>
    </message>
</context>
<context>
    <name>TimerAudioSettings</name>
    <message>
        <source>Do you really want to delete this alarm?</source>
        <translation>Diesen Alarm wirklich löschen?</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Kein Alarm</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piep</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Piep + Vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Nur Sprache</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Sprache + Piep</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Sprache + Vib.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Spr.+Piep+Vib.</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Time/Range</source>
        <translation>Zeit/Bereich</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederh.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>Delete alarm</source>
        <translation>Alarm löschen</translation>
    </message>
</context>
<context>
    <name>TutorPupilItem</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>TutorPupilSettings</name>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Do you really want to delete this vorn control?</source>
        <translation>Diesen Vorn-Geber wirklich löschen?</translation>
    </message>
    <message>
        <source>Trainer cord switch:</source>
        <translation>L/S-Schalter:</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Vorn-Geber</translation>
    </message>
    <message>
        <source>External channel</source>
        <translation>Externer Kanal</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Detection...</source>
        <translation>Erkennung...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Auto detect</source>
        <translation>Auto-Erkennung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>UpdateTask</name>
    <message>
        <source>Which USB stick?</source>
        <translation>Welcher USB-Stick?</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
</context>
<context>
    <name>UpperFrame</name>
    <message>
        <source>Main menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Model menu</source>
        <translation>Modellmenü</translation>
    </message>
    <message>
        <source>Min/Max reset</source>
        <translation>Min/Max-Reset</translation>
    </message>
    <message>
        <source>Do you really want to clear Max/Min values and all alerts for all widgets?</source>
        <translation>Max/Min-Werte und alle Alarme aller Widgets wirklich löschen?</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>UserMenu</name>
    <message>
        <source>No favorites found</source>
        <translation>Keine Favoriten gefunden</translation>
    </message>
</context>
<context>
    <name>VarioSettings2</name>
    <message>
        <source>No sensor is known yet.
The sensors are found when the model starts, or by a rescan.</source>
        <translation>Noch kein Sensor bekannt.
Die Sensoren werden beim Modellstart oder durch eine neue Suche gefunden.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Vario off</source>
        <translation>Vario aus</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>stumm</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>Start tone</source>
        <translation>Startton</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Steigen</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Sinken</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Flugphase</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Vario sensor</source>
        <translation>Vario-Sensor</translation>
    </message>
</context>
<context>
    <name>VirtualSwitchItem</name>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
</context>
<context>
    <name>VoiceSelector</name>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Alle Sprachen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>No voices are installed.</source>
        <translation>Keine Stimmen installiert.</translation>
    </message>
    <message>
        <source>No voice speaks this language.</source>
        <translation>Keine Stimme spricht diese Sprache.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Delete the voice &quot;%1&quot;?</source>
        <translation>Die Stimme &quot;%1&quot; löschen?</translation>
    </message>
    <message>
        <source>Deleting the voice ...</source>
        <translation>Lösche die Stimme ...</translation>
    </message>
    <message>
        <source>Speech is paused for the update ...</source>
        <translation>Die Sprachausgabe pausiert für das Update ...</translation>
    </message>
    <message>
        <source>Copying the voice packs ...</source>
        <translation>Kopiere die Sprachpakete ...</translation>
    </message>
    <message>
        <source>Unpacking the voice packs ...</source>
        <translation>Entpacke die Sprachpakete ...</translation>
    </message>
    <message>
        <source>1 voice installed.</source>
        <translation>1 Stimme installiert.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it failed its check.</source>
        <translation>1 Sprachpaket wurde nicht installiert: Die Prüfung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>Nicht genug Speicher auf der SD-Karte.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they failed their check.</source>
        <translation>%1 Sprachpakete wurden nicht installiert: Die Prüfung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%1 voices installed.</source>
        <translation>%1 Stimmen installiert.</translation>
    </message>
    <message>
        <source>No voice pack was found on the USB stick.</source>
        <translation>Kein Sprachpaket auf dem USB-Stick gefunden.</translation>
    </message>
    <message>
        <source>The voice data is corrupted. No voice was installed.</source>
        <translation>Die Sprachdaten sind beschädigt. Es wurde keine Stimme installiert.</translation>
    </message>
    <message>
        <source>No voice was installed.</source>
        <translation>Es wurde keine Stimme installiert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted.</source>
        <translation>&quot;%1&quot; ist verschlüsselt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses a compression that cannot be unpacked.</source>
        <translation>&quot;%1&quot; ist mit einer Kompression gepackt, die nicht entpackt werden kann.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an archive of a kind the transmitter cannot unpack.</source>
        <translation>&quot;%1&quot; ist ein Archiv einer Art, die der Sender nicht entpacken kann.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed its check.</source>
        <translation>&quot;%1&quot; hat die Prüfung nicht bestanden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: it is no whole zip archive.</source>
        <translation>&quot;%1&quot; kann nicht gelesen werden: Es ist kein vollständiges ZIP-Archiv.</translation>
    </message>
    <message>
        <source>No USB stick was found.</source>
        <translation>Kein USB-Stick gefunden.</translation>
    </message>
    <message>
        <source>The voice cannot be deleted.</source>
        <translation>Die Stimme kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Installed voices</source>
        <translation>Installierte Stimmen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Please wait ...</source>
        <translation>Bitte warten ...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds too many files: its checksum list may name at most 100.</source>
        <translation>&quot;%1&quot; enthält zu viele Dateien: die zugehörige Prüfsummenliste darf höchstens 100 Dateien nennen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on the SD card.</source>
        <translation>&quot;%1&quot; passt nicht auf die SD-Karte.</translation>
    </message>
    <message>
        <source>The voice packs cannot be installed: the folder &quot;%1&quot; on the SD card cannot be cleared.</source>
        <translation>Die Sprachpakete können nicht installiert werden: Der Ordner &quot;%1&quot; auf der SD-Karte kann nicht geleert werden.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: there is not enough memory on the SD card.</source>
        <translation>1 Sprachpaket wurde nicht installiert: Nicht genug Speicher auf der SD-Karte.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: there is not enough memory on the SD card.</source>
        <translation>%1 Sprachpakete wurden nicht installiert: Nicht genug Speicher auf der SD-Karte.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it cannot be read.</source>
        <translation>1 Sprachpaket wurde nicht installiert: Es kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they cannot be read.</source>
        <translation>%1 Sprachpakete wurden nicht installiert: Sie können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it holds too many files.</source>
        <translation>1 Sprachpaket wurde nicht installiert: Es enthält zu viele Dateien.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they hold too many files.</source>
        <translation>%1 Sprachpakete wurden nicht installiert: Sie enthalten zu viele Dateien.</translation>
    </message>
</context>
<context>
    <name>VoiceSettings</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetrie</translation>
    </message>
    <message>
        <source>Telemetry full</source>
        <translation>Telemetrie voll</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Flight mode</source>
        <translation>Flugphase</translation>
    </message>
    <message>
        <source>Timer short</source>
        <translation>Timer kurz</translation>
    </message>
    <message>
        <source>Telemetry no units</source>
        <translation>Telemetrie o. Einh.</translation>
    </message>
    <message>
        <source>Individual</source>
        <translation>Individuell</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>No more voice alarms available</source>
        <translation>Keine weiteren Sprachansagen verfügbar</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>Drücken, um Stimme zu wählen</translation>
    </message>
    <message>
        <source>Do you really want to delete this voice alarm?</source>
        <translation>Diese Sprachansage wirklich löschen?</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>Sprachansage</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>Sprachansagen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>Auslöser</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Voices</source>
        <translation>Stimmen</translation>
    </message>
</context>
<context>
    <name>VoiceTelemetryIndividual</name>
    <message>
        <source>Sensor name</source>
        <translation>Sensorname</translation>
    </message>
    <message>
        <source>Value name</source>
        <translation>Wertname</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>Sprachansage</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>VoiceTimerAlarmSelector</name>
    <message>
        <source>Voice alarm for</source>
        <translation>Sprachansage für</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Abgelaufen</translation>
    </message>
    <message>
        <source>Attention + Expired</source>
        <translation>Achtung + Abgelaufen</translation>
    </message>
</context>
<context>
    <name>VoiceTimerSelector</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Abgelaufen</translation>
    </message>
    <message>
        <source>Att. + Exp.</source>
        <translation>Acht. + Abgel.</translation>
    </message>
    <message>
        <source>Timer Name</source>
        <translation>Timer-Name</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
</context>
<context>
    <name>WlanSettings</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinde...</translation>
    </message>
    <message>
        <source>Waiting for an address</source>
        <translation>Warte auf Adresse</translation>
    </message>
    <message>
        <source>On, not connected</source>
        <translation>Ein, nicht verbunden</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>Switch WiFi on to find the networks in range.</source>
        <translation>WiFi einschalten, um Netze in Reichweite zu finden.</translation>
    </message>
    <message>
        <source>No networks found. Touch Scan to search again.</source>
        <translation>Keine Netze gefunden. Suchen berühren, um erneut zu suchen.</translation>
    </message>
    <message>
        <source>A passphrase has 8 to 63 characters.</source>
        <translation>Eine Passphrase hat 8 bis 63 Zeichen.</translation>
    </message>
    <message>
        <source>The passphrase could not be stored.</source>
        <translation>Die Passphrase konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>This network cannot be joined with this name and passphrase.</source>
        <translation>Mit diesem Namen und dieser Passphrase kann das Netz nicht verbunden werden.</translation>
    </message>
    <message>
        <source>This network is not stored.</source>
        <translation>Dieses Netz ist nicht gespeichert.</translation>
    </message>
    <message>
        <source>A passphrase cannot hold a # after a &quot;.</source>
        <translation>Eine Passphrase darf nach einem &quot; kein # enthalten.</translation>
    </message>
    <message>
        <source>The connection failed. Check the passphrase and try again.</source>
        <translation>Die Verbindung ist fehlgeschlagen. Passphrase prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>WiFi</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>Gewählt</translation>
    </message>
    <message>
        <source>Touch a network</source>
        <translation>Netz antippen</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Vergessen</translation>
    </message>
</context>
<context>
    <name>main</name>
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
        <source>General error occured</source>
        <translation>Allgemeiner Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Function don&apos;t exist</source>
        <translation>Funktion existiert nicht</translation>
    </message>
    <message>
        <source>More than one control recognized</source>
        <translation>Mehr als ein Geber erkannt</translation>
    </message>
    <message>
        <source>No movement detected</source>
        <translation>Keine Bewegung erkannt</translation>
    </message>
    <message>
        <source>Index off the limits</source>
        <translation>Index außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Unknown control</source>
        <translation>Unbekannter Geber</translation>
    </message>
    <message>
        <source>Servo already in use</source>
        <translation>Servo bereits belegt</translation>
    </message>
    <message>
        <source>Servo not used</source>
        <translation>Servo nicht verwendet</translation>
    </message>
    <message>
        <source>Servo not assigned</source>
        <translation>Servo nicht zugeordnet</translation>
    </message>
    <message>
        <source>Reached maximum servos per function</source>
        <translation>Maximale Anzahl Servos pro Funktion erreicht</translation>
    </message>
    <message>
        <source>Reached maximum curves</source>
        <translation>Maximale Anzahl Kurven erreicht</translation>
    </message>
    <message>
        <source>Reached maximum Flight Mode count</source>
        <translation>Maximale Anzahl Flugphasen erreicht</translation>
    </message>
    <message>
        <source>Reached maximum function count</source>
        <translation>Maximale Anzahl Funktionen erreicht</translation>
    </message>
    <message>
        <source>Reached maximum limit count</source>
        <translation>Maximale Anzahl Limits erreicht</translation>
    </message>
    <message>
        <source>Reached maximum mixer count</source>
        <translation>Maximale Anzahl Mischer erreicht</translation>
    </message>
    <message>
        <source>Reached maximum sequencer count</source>
        <translation>Maximale Anzahl Sequenzer erreicht</translation>
    </message>
    <message>
        <source>Reached maximum servo config count</source>
        <translation>Maximale Anzahl Servo-Konfigurationen erreicht</translation>
    </message>
    <message>
        <source>Sensor not in use</source>
        <translation>Sensor nicht verwendet</translation>
    </message>
    <message>
        <source>Widget not used</source>
        <translation>Widget nicht verwendet</translation>
    </message>
    <message>
        <source>Reached maximum of widgets</source>
        <translation>Maximale Anzahl Widgets erreicht</translation>
    </message>
    <message>
        <source>Reached maximum of sensors</source>
        <translation>Maximale Anzahl Sensoren erreicht</translation>
    </message>
    <message>
        <source>Reached maximum of timers</source>
        <translation>Maximale Anzahl Timer erreicht</translation>
    </message>
    <message>
        <source>Reached maximum of virtual switches</source>
        <translation>Maximale Anzahl virtueller Schalter erreicht</translation>
    </message>
    <message>
        <source>Reached maximum number of functions that can control this servo</source>
        <translation>Maximale Anzahl Funktionen erreicht, die dieses Servo steuern können</translation>
    </message>
    <message>
        <source>The maximum number of headup items has been reached.</source>
        <translation>Die maximale Anzahl an Headup-Einträgen ist erreicht.</translation>
    </message>
    <message>
        <source>This control is already assigned as a channel Vorn control. Please select another control!</source>
        <translation>Dieser Geber ist bereits als Kanal-Vorn-Geber zugeordnet. Bitte einen anderen Geber wählen!</translation>
    </message>
    <message>
        <source>This control is already assigned to Trainer cord switch. Please select another control!</source>
        <translation>Dieser Geber ist bereits dem Lehrer/Schüler-Schalter zugeordnet. Bitte einen anderen Geber wählen!</translation>
    </message>
    <message>
        <source>This control is already assigned as an input of FM/Sequencer/Servo-Cut/Mixer/Vario control virtual switch. Please select another control!</source>
        <translation>Dieser Geber ist bereits als Eingang eines virtuellen Schalters für FP/Sequenzer/Servo-Abschaltung/Mischer/Vario zugeordnet. Bitte einen anderen Geber wählen!</translation>
    </message>
    <message>
        <source>File of the active model cannot be modified!</source>
        <translation>Die Datei des aktiven Modells kann nicht geändert werden!</translation>
    </message>
    <message>
        <source>Cannot delete non-empty folder!</source>
        <translation>Ordner ist nicht leer und kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Reached maximum of telemetry controls.</source>
        <translation>Maximale Anzahl Telemetrie-Geber erreicht.</translation>
    </message>
    <message>
        <source>Cancelled by the user.</source>
        <translation>Vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>Not yet implemented</source>
        <translation>Noch nicht implementiert</translation>
    </message>
    <message>
        <source>Empty input not allowed</source>
        <translation>Leere Eingabe nicht zulässig</translation>
    </message>
    <message>
        <source>This name is already being used</source>
        <translation>Dieser Name wird bereits verwendet</translation>
    </message>
    <message>
        <source>Reached maximum entry count</source>
        <translation>Maximale Anzahl Einträge erreicht</translation>
    </message>
    <message>
        <source>This item cannot be deleted</source>
        <translation>Dieser Eintrag kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>No USB device detected. Please connect USB device and try again</source>
        <translation>Kein USB-Gerät erkannt. Bitte USB-Gerät anschließen und erneut versuchen</translation>
    </message>
    <message>
        <source>Installed software is already up-to-date</source>
        <translation>Die installierte Software ist bereits aktuell</translation>
    </message>
    <message>
        <source>No Update.xml file is found on the USB device</source>
        <translation>Keine Update.xml-Datei auf dem USB-Gerät gefunden</translation>
    </message>
    <message>
        <source>No telemetry control can be assigned as an input of this VS, since this VS controls another telemetry control!</source>
        <translation>Diesem VS kann kein Telemetrie-Geber als Eingang zugeordnet werden, da dieser VS einen anderen Telemetrie-Geber steuert!</translation>
    </message>
    <message>
        <source>Error:
Unknown Error, Errorcode: </source>
        <translation>Fehler:
Unbekannter Fehler, Fehlercode: </translation>
    </message>
    <message>
        <source>General Error

No errortext defined.</source>
        <translation>Allgemeiner Fehler

Kein Fehlertext definiert.</translation>
    </message>
    <message>
        <source>SD card not detected in system!</source>
        <translation>SD-Karte im System nicht erkannt!</translation>
    </message>
    <message>
        <source>Model CRC data is bad!</source>
        <translation>CRC-Daten des Modells sind fehlerhaft!</translation>
    </message>
    <message>
        <source>Fast start is not possible next time.</source>
        <translation>Schnellstart ist beim nächsten Mal nicht möglich.</translation>
    </message>
    <message>
        <source>There is no current model to set up.
Open the model menu to load or make one?</source>
        <translation>Kein aktuelles Modell zum Einstellen vorhanden.
Modellmenü öffnen, um eines zu laden oder anzulegen?</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is full.</source>
        <translation>Ihre Änderungen am Modell wurden nicht gespeichert: Die SD-Karte ist voll.</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Ihre Änderungen am Modell wurden nicht gespeichert: Die SD-Karte ist kleiner als die 256 MiB, die der Sender braucht.</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card could not be written.</source>
        <translation>Ihre Änderungen am Modell wurden nicht gespeichert: Die SD-Karte konnte nicht beschrieben werden.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is full.</source>
        <translation>Betriebszeit und Timerwerte des Modells konnten nicht gespeichert werden: Die SD-Karte ist voll.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Betriebszeit und Timerwerte des Modells konnten nicht gespeichert werden: Die SD-Karte ist kleiner als die 256 MiB, die der Sender braucht.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card could not be written.</source>
        <translation>Betriebszeit und Timerwerte des Modells konnten nicht gespeichert werden: Die SD-Karte konnte nicht beschrieben werden.</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Die SD-Karte ist kleiner als die 256 MiB, die der Sender braucht.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is full.</source>
        <translation>Ihre Änderungen an den Einstellungen wurden nicht gespeichert: Die SD-Karte ist voll.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Ihre Änderungen an den Einstellungen wurden nicht gespeichert: Die SD-Karte ist kleiner als die 256 MiB, die der Sender braucht.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card could not be written.</source>
        <translation>Ihre Änderungen an den Einstellungen wurden nicht gespeichert: Die SD-Karte konnte nicht beschrieben werden.</translation>
    </message>
</context>
</TS>
