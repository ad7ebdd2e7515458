<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
<context>
    <name>12</name>
    <message>
        <source>Function %1</source>
        <translation>Funksjon %1</translation>
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
        <translation>S.BUS inn</translation>
    </message>
    <message>
        <source>SRXL In</source>
        <translation>SRXL inn</translation>
    </message>
    <message>
        <source>System information successfully exported!</source>
        <translation>Systeminformasjonen er eksportert!</translation>
    </message>
    <message>
        <source>System information cannot be exported to USB device. Check available space or insert another one!</source>
        <translation>Systeminformasjonen kan ikke eksporteres til USB-enheten. Sjekk ledig plass eller sett inn en annen!</translation>
    </message>
    <message>
        <source>Pilotname</source>
        <translation>Pilotnavn</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Dato/tid</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisk</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>Manuelt</translation>
    </message>
    <message>
        <source>Location/Time zone</source>
        <translation>Sted/tidssone</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Vinter</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>dd-mm-yyyy</source>
        <translation>dd-mm-åååå</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
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
        <translation>tt:mm</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Enheter</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperisk</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisk</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Programvare</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sjekk</translation>
    </message>
    <message>
        <source>Servo/Data:</source>
        <translation>Servo/data:</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>Hurtigstart</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Telemetry logging</source>
        <translation>Telemetrilogging</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrering</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Systeminformasjon</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>24h</source>
        <translation>24t</translation>
    </message>
    <message>
        <source>12h</source>
        <translation>12t</translation>
    </message>
</context>
<context>
    <name>15</name>
    <message>
        <source>Speaker</source>
        <translation>Høyttaler</translation>
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
        <translation>Tale</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>Trimklikk</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>Pip</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Lyd</translation>
    </message>
</context>
<context>
    <name>18</name>
    <message>
        <source>2-Pos.</source>
        <translation>2-pos.</translation>
    </message>
    <message>
        <source>3-Pos.</source>
        <translation>3-pos.</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>lineær</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tidsavbrudd</translation>
    </message>
    <message>
        <source>Please move the control</source>
        <translation>Beveg kontrollen</translation>
    </message>
    <message>
        <source>you wish to calibrate</source>
        <translation>du vil kalibrere</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>Retn.</translation>
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
        <translation>Kalibrering</translation>
    </message>
    <message>
        <source>Move Control to</source>
        <translation>Flytt kontrollen til</translation>
    </message>
    <message>
        <source>Endpositions</source>
        <translation>Endeposisjoner</translation>
    </message>
    <message>
        <source>Center Position</source>
        <translation>Midtposisjon</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Please choose the type of the control first</source>
        <translation>Velg typen til kontrollen først</translation>
    </message>
</context>
<context>
    <name>19</name>
    <message>
        <source>Are you sure you would like to delete this mixer?</source>
        <translation>Er du sikker på at du vil slette denne mikseren?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>from Function</source>
        <translation>fra funksjon</translation>
    </message>
    <message>
        <source>to Function</source>
        <translation>til funksjon</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
</context>
<context>
    <name>1_System_Appearance</name>
    <message>
        <source>1 Min.</source>
        <translation>1 min.</translation>
    </message>
    <message>
        <source>2 Min.</source>
        <translation>2 min.</translation>
    </message>
    <message>
        <source>5 Min.</source>
        <translation>5 min.</translation>
    </message>
    <message>
        <source>10 Min.</source>
        <translation>10 min.</translation>
    </message>
    <message>
        <source>15 Min.</source>
        <translation>15 min.</translation>
    </message>
    <message>
        <source>30 Min.</source>
        <translation>30 min.</translation>
    </message>
    <message>
        <source>45 Min.</source>
        <translation>45 min.</translation>
    </message>
    <message>
        <source>60 Min.</source>
        <translation>60 min.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Display dim</source>
        <translation>Dimming</translation>
    </message>
    <message>
        <source>Auto Lock</source>
        <translation>Autolås</translation>
    </message>
    <message>
        <source>Idle Alarm</source>
        <translation>Hvilealarm</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Bakgrunn</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Svart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Hvit</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Aksentfarge</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikon</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Lysstyrke</translation>
    </message>
    <message>
        <source>Intro Video</source>
        <translation>Introvideo</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>DebugScreen</source>
        <translation>Debug-skjerm</translation>
    </message>
</context>
<context>
    <name>20</name>
    <message>
        <source>Do you really want to reset all settings of this mixer to the values of &apos;</source>
        <translation>Vil du virkelig tilbakestille alle innstillinger for denne mikseren til verdiene i flymodus &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos;?</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mikser</translation>
    </message>
    <message>
        <source>from</source>
        <translation>fra</translation>
    </message>
    <message>
        <source>to</source>
        <translation>til</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Andel</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Gangtid</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Flymodus</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Separat</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funksjon</translation>
    </message>
</context>
<context>
    <name>21</name>
    <message>
        <source>Do you really want to delete this virtual switch?</source>
        <translation>Vil du virkelig slette denne virtuelle bryteren?</translation>
    </message>
    <message>
        <source>The selected virtual switch is used as an input of &apos;</source>
        <translation>Den valgte virtuelle bryteren brukes som inngang i &apos;</translation>
    </message>
    <message>
        <source>&apos; and cannot be deleted!</source>
        <translation>&apos; og kan ikke slettes!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Input state</source>
        <translation>Inn-status</translation>
    </message>
    <message>
        <source>Logic</source>
        <translation>Logikk</translation>
    </message>
    <message>
        <source>Output state</source>
        <translation>Ut-status</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
</context>
<context>
    <name>22</name>
    <message>
        <source>Do you really want to reset all settings of this trim to the global values?</source>
        <translation>Vil du virkelig tilbakestille alle innstillinger for denne trimmen til de globale verdiene?</translation>
    </message>
    <message>
        <source>Trim setup:</source>
        <translation>Trimoppsett:</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Flymodus</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Separat</translation>
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
        <translation>Senter</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Venstre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Høyre</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Trimområde</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Trinn</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Retning</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Revers</translation>
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
        <translation>Pip</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrasjon</translation>
    </message>
    <message>
        <source>Vibr. + Beep</source>
        <translation>Vibr. + pip</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
</context>
<context>
    <name>23</name>
    <message>
        <source>A1 Tx high</source>
        <translation>A1 Tx høy</translation>
    </message>
    <message>
        <source>A1 Tx mid</source>
        <translation>A1 Tx midt</translation>
    </message>
    <message>
        <source>A1 Tx low</source>
        <translation>A1 Tx lav</translation>
    </message>
    <message>
        <source>A1 hopping</source>
        <translation>A1 hopping</translation>
    </message>
    <message>
        <source>A1 Rx high</source>
        <translation>A1 Rx høy</translation>
    </message>
    <message>
        <source>A1 Rx mid</source>
        <translation>A1 Rx midt</translation>
    </message>
    <message>
        <source>A1 Rx low</source>
        <translation>A1 Rx lav</translation>
    </message>
    <message>
        <source>A2 Tx high</source>
        <translation>A2 Tx høy</translation>
    </message>
    <message>
        <source>A2 Tx mid</source>
        <translation>A2 Tx midt</translation>
    </message>
    <message>
        <source>A2 Tx low</source>
        <translation>A2 Tx lav</translation>
    </message>
    <message>
        <source>A2 hopping</source>
        <translation>A2 hopping</translation>
    </message>
    <message>
        <source>A2 Rx high</source>
        <translation>A2 Rx høy</translation>
    </message>
    <message>
        <source>A2 Rx mid</source>
        <translation>A2 Rx midt</translation>
    </message>
    <message>
        <source>A2 Rx low</source>
        <translation>A2 Rx lav</translation>
    </message>
    <message>
        <source>Test off</source>
        <translation>Test av</translation>
    </message>
    <message>
        <source>Bandwidth EU</source>
        <translation>Båndbredde EU</translation>
    </message>
    <message>
        <source>-- High channel</source>
        <translation>-- Høy kanal</translation>
    </message>
    <message>
        <source>++ Low channel</source>
        <translation>++ Lav kanal</translation>
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
        <translation>Firmwareoppdateringen er fullført.</translation>
    </message>
    <message>
        <source>The firmware update failed.</source>
        <translation>Firmwareoppdateringen mislyktes.</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmwareoppdatering</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again.</source>
        <translation>Slå senderen av og på igjen.</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again: the update is repeated at the next start.</source>
        <translation>Slå senderen av og på igjen: oppdateringen gjentas ved neste oppstart.</translation>
    </message>
    <message>
        <source>The transmitter starts with the controllers&apos; present firmware. The update is repeated at the next start.</source>
        <translation>Senderen starter med kontrollernes nåværende firmware. Oppdateringen gjentas ved neste oppstart.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The controllers receive the firmware of the new software. Do not switch the transmitter off.</source>
        <translation>Kontrollerne mottar firmwaren til den nye programvaren. Ikke slå av senderen.</translation>
    </message>
    <message>
        <source>The firmware recovery is finished.</source>
        <translation>Firmwaregjenopprettingen er fullført.</translation>
    </message>
    <message>
        <source>The firmware recovery failed.</source>
        <translation>Firmwaregjenopprettingen mislyktes.</translation>
    </message>
    <message>
        <source>Firmware recovery</source>
        <translation>Firmwaregjenoppretting</translation>
    </message>
    <message>
        <source>The controller&apos;s firmware may be incomplete. Please start the recovery again.</source>
        <translation>Kontrollerens firmware kan være ufullstendig. Start gjenopprettingen på nytt.</translation>
    </message>
    <message>
        <source>The controller receives the firmware of this software. Do not switch the transmitter off.</source>
        <translation>Kontrolleren mottar firmwaren til denne programvaren. Ikke slå av senderen.</translation>
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
        <translation>Velg servo:</translation>
    </message>
    <message>
        <source>Select function:</source>
        <translation>Velg funksjon:</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Grense</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>Utslag</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Senter</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>Retn.</translation>
    </message>
    <message>
        <source>Please select servo and function:</source>
        <translation>Velg servo og funksjon:</translation>
    </message>
</context>
<context>
    <name>27_FunctionServos</name>
    <message>
        <source>Select servo:</source>
        <translation>Velg servo:</translation>
    </message>
    <message>
        <source>Are you sure you would like to delete this servo?</source>
        <translation>Er du sikker på at du vil slette denne servoen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>Velg en tilgjengelig servo:</translation>
    </message>
</context>
<context>
    <name>29</name>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete trim</source>
        <translation>Slett trim</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>2_Home</name>
    <message>
        <source>Sensors auto rescan...
 Attempt #</source>
        <translation>Automatisk nytt sensorsøk...
 Forsøk #</translation>
    </message>
    <message>
        <source>sensors found.
</source>
        <translation>sensorer funnet.
</translation>
    </message>
    <message>
        <source>Please perform new rescan manually!</source>
        <translation>Utfør nytt sensorsøk manuelt!</translation>
    </message>
    <message>
        <source>Model Fast Start!</source>
        <translation>Hurtigstart av modell!</translation>
    </message>
    <message>
        <source> Trims unlocked!</source>
        <translation> Trimmene er ulåst!</translation>
    </message>
    <message>
        <source>Trims locked!</source>
        <translation>Trimmene er låst!</translation>
    </message>
    <message>
        <source> - Model error</source>
        <translation> - Modellfeil</translation>
    </message>
    <message>
        <source> - File not found or corrupted!</source>
        <translation> - Filen mangler eller er skadet!</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>Modell: </translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Side </translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>Laster modell...</translation>
    </message>
    <message>
        <source>Not loaded:</source>
        <translation>Ikke lastet:</translation>
    </message>
    <message>
        <source> - SD card smaller than 256 MiB!</source>
        <translation> - SD-kortet er mindre enn 256 MiB!</translation>
    </message>
</context>
<context>
    <name>33_MixerCurveEditor</name>
    <message>
        <source>Points</source>
        <translation>Punkter</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Glatt</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Rå</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>Nullstill kurve</translation>
    </message>
</context>
<context>
    <name>35_TimerSetup</name>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Do you really want to delete this timer control?</source>
        <translation>Vil du virkelig slette denne timeren?</translation>
    </message>
    <message>
        <source>Timer name</source>
        <translation>Timernavn</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Aktuell verdi</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Stopptid</translation>
    </message>
    <message>
        <source>Auto reset</source>
        <translation>Auto-nullstill</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
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
        <translation>Nullstill</translation>
    </message>
    <message>
        <source>Audio settings</source>
        <translation>Lydinnstillinger</translation>
    </message>
</context>
<context>
    <name>36_ControlSelector</name>
    <message>
        <source>Function</source>
        <translation>Funksjon</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mikser</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Bryter</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>FM control #</source>
        <translation>FM-kontroll #</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Tale</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Trainer cord</source>
        <translation>Lærer/elev</translation>
    </message>
    <message>
        <source>Sequencer</source>
        <translation>Sekvenser</translation>
    </message>
    <message>
        <source>T-Con On/Off</source>
        <translation>T-Con på/av</translation>
    </message>
    <message>
        <source>Headup</source>
        <translation>Headup</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Fremover</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Bakover</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Omstart</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volum</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>På/Av</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>Utløser</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Vorn-kontroll</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktivering</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Høyttaler</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>Trimklikk</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>Pip</translation>
    </message>
    <message>
        <source>Diff. input</source>
        <translation>Diff.-inngang</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Inngang</translation>
    </message>
    <message>
        <source>V-Switch</source>
        <translation>V-bryter</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetri</translation>
    </message>
    <message>
        <source>Fixvalue</source>
        <translation>Fastverdi</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Momentan</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Veksle</translation>
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
        <translation>Hold</translation>
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
        <translation>Av</translation>
    </message>
    <message>
        <source>You are about to delete the following function: </source>
        <translation>Du er i ferd med å slette følgende funksjon: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Fortsette?</translation>
    </message>
    <message>
        <source>Failsafe teached!</source>
        <translation>Failsafe lært inn!</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>FS all</source>
        <translation>FS alle</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Lær inn</translation>
    </message>
    <message>
        <source>This model has no functions yet. &quot;+&quot; adds one; its row then sets its name, control, trim and servos.</source>
        <translation>Denne modellen har ingen funksjoner ennå. &quot;+&quot; legger til en; raden dens angir så navn, kontroll, trim og servoer.</translation>
    </message>
</context>
<context>
    <name>5</name>
    <message>
        <source>Function Setup:</source>
        <translation>Funksjonsoppsett:</translation>
    </message>
</context>
<context>
    <name>5_1</name>
    <message>
        <source>Do you really want to reset all settings of this function to the values of &apos;</source>
        <translation>Vil du virkelig tilbakestille alle innstillinger for denne funksjonen til verdiene i flymodus &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos;?</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Flymodus</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Separat</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Control rate</source>
        <translation>Rate-kontroll</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Control expo</source>
        <translation>Expo-kontroll</translation>
    </message>
    <message>
        <source>Expo right</source>
        <translation>Expo høyre</translation>
    </message>
    <message>
        <source>Expo left</source>
        <translation>Expo venstre</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Gangtid</translation>
    </message>
</context>
<context>
    <name>7</name>
    <message>
        <source>Flight Mode: Normal</source>
        <translation>Flymodus: Normal</translation>
    </message>
</context>
<context>
    <name>9_BindingMenu</name>
    <message>
        <source>Type %1</source>
        <translation>Type %1</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>S/N %1</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 21</source>
        <translation>Mottakere: R-Ediv 21</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 14</source>
        <translation>Mottakere: R-Ediv 14</translation>
    </message>
    <message>
        <source>Receivers: own</source>
        <translation>Mottakere: egne</translation>
    </message>
    <message>
        <source>Binding receiver %1 ...
Switch the receiver on in binding mode.</source>
        <translation>Binder mottaker %1 ...
Slå på mottakeren i bindemodus.</translation>
    </message>
    <message>
        <source>Do you really want to delete receiver %1?</source>
        <translation>Vil du virkelig slette mottaker %1?</translation>
    </message>
    <message>
        <source>Deleting receiver %1 ...</source>
        <translation>Sletter mottaker %1 ...</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Mottakere</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Mottaker %1</translation>
    </message>
    <message>
        <source>not bound</source>
        <translation>ikke bundet</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meny</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Bind</source>
        <translation>Bind</translation>
    </message>
    <message>
        <source>Transmitter sensor</source>
        <translation>Sendersensor</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>Mottaker-firmware</translation>
    </message>
</context>
<context>
    <name>AlarmMessageSettings</name>
    <message>
        <source>Timer Name</source>
        <translation>Timernavn</translation>
    </message>
    <message>
        <source>text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stemme</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>Trykk for å velge stemme</translation>
    </message>
</context>
<context>
    <name>AssistantControlChooser</name>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Inngang</translation>
    </message>
    <message>
        <source>Fix value</source>
        <translation>Fast verdi</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Momentan</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Veksle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>AssistantServoChooser</name>
    <message>
        <source>Please select the servos you would like to add</source>
        <translation>Velg servoene du vil legge til</translation>
    </message>
    <message>
        <source>Available servo slots: </source>
        <translation>Ledige servoplasser: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>AssistantTypePage</name>
    <message>
        <source>Sailplane</source>
        <translation>Seilfly</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>Akro</translation>
    </message>
    <message>
        <source>Delta-Wing</source>
        <translation>Deltavinge</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>V-hale</translation>
    </message>
    <message>
        <source>Left wing</source>
        <translation>Venstre vinge</translation>
    </message>
    <message>
        <source>Right wing</source>
        <translation>Høyre vinge</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>Vinge</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Hale</translation>
    </message>
    <message>
        <source>Throttle + Gear</source>
        <translation>Gass + understell</translation>
    </message>
    <message>
        <source>Gyro + Aux</source>
        <translation>Gyro + Aux</translation>
    </message>
    <message>
        <source>Gear + Brake</source>
        <translation>Understell + brems</translation>
    </message>
    <message>
        <source>Throttle + Smoke</source>
        <translation>Gass + røyk</translation>
    </message>
    <message>
        <source>Gyro + Vector</source>
        <translation>Gyro + vektor</translation>
    </message>
    <message>
        <source>You did not set any function, the assistant will be closed. A new model with an empty function list will be created.
Continue?</source>
        <translation>Du har ikke angitt noen funksjon, assistenten lukkes. En ny modell med tom funksjonsliste blir opprettet.
Fortsette?</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Aileron Control</source>
        <translation>Balanserorkontroll</translation>
    </message>
    <message>
        <source>Elevator Control</source>
        <translation>Høyderorkontroll</translation>
    </message>
    <message>
        <source>Rudder Control</source>
        <translation>Siderorkontroll</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>BTSettings</name>
    <message>
        <source>It may take up to 15 seconds to scan bluetooth devices</source>
        <translation>Søk etter Bluetooth-enheter kan ta opptil 15 sekunder</translation>
    </message>
    <message>
        <source>The device is successfully connected</source>
        <translation>Enheten er tilkoblet</translation>
    </message>
    <message>
        <source>An unexpected error occurred while searching for devices</source>
        <translation>En uventet feil oppstod under søk etter enheter</translation>
    </message>
    <message>
        <source>An unexpected error occurred when stopping the device search</source>
        <translation>En uventet feil oppstod da enhetssøket ble stoppet</translation>
    </message>
    <message>
        <source>An unexpected error occurred while deleting the device</source>
        <translation>En uventet feil oppstod under sletting av enheten</translation>
    </message>
    <message>
        <source>An unexpected error occurred when connecting to the device</source>
        <translation>En uventet feil oppstod under tilkobling til enheten</translation>
    </message>
    <message>
        <source>The maximum number of connected devices has been reached</source>
        <translation>Maksimalt antall tilkoblede enheter er nådd</translation>
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
        <translation>Søk!</translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Lydtest</translation>
    </message>
    <message>
        <source>Bluetooth sound test</source>
        <translation>Bluetooth-lydtest</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Søker...</translation>
    </message>
    <message>
        <source>No devices known. Touch Scan! to search.</source>
        <translation>Ingen kjente enheter. Trykk Søk! for å søke.</translation>
    </message>
    <message>
        <source>Switch Bluetooth on to see the devices.</source>
        <translation>Slå på Bluetooth for å se enhetene.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Slå av</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Slå på</translation>
    </message>
</context>
<context>
    <name>CComplexTimer</name>
    <message>
        <source>hour</source>
        <translation>time</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>timer</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minutt</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutter</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>second</source>
        <translation>sekund</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekunder</translation>
    </message>
</context>
<context>
    <name>ControlConfigLinear</name>
    <message>
        <source>Input</source>
        <translation>Inngang</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Under</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Fixed control</source>
        <translation>Fast kontroll</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No input is chosen yet. Touch &quot;Input&quot; above, then move the control you want (or pick a switch) and confirm with OK.</source>
        <translation>Ingen inngang er valgt ennå. Trykk &quot;Inngang&quot; over, beveg så ønsket kontroll (eller velg en bryter) og bekreft med OK.</translation>
    </message>
    <message>
        <source>No input is chosen yet.</source>
        <translation>Ingen inngang er valgt ennå.</translation>
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
        <translation>Låst</translation>
    </message>
</context>
<context>
    <name>CountrySelector</name>
    <message>
        <source>Not specified</source>
        <translation>Ikke angitt</translation>
    </message>
    <message>
        <source>Time zone [ ±hh:mm ]</source>
        <translation>Tidssone [ ±tt:mm ]</translation>
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
        <translation>Punkter</translation>
    </message>
    <message>
        <source>Select Point</source>
        <translation>Velg punkt</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Verdi</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Glatt</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Rå</translation>
    </message>
    <message>
        <source>Reset Curve</source>
        <translation>Nullstill kurve</translation>
    </message>
</context>
<context>
    <name>CutoffSettings</name>
    <message>
        <source>Do you really want to delete this Servo Cut-off?</source>
        <translation>Vil du virkelig slette dette servokuttet?</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisjon</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Delete Servo Cut-off</source>
        <translation>Slett servokutt</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>Velg en tilgjengelig servo:</translation>
    </message>
</context>
<context>
    <name>DifferentialsList</name>
    <message>
        <source>Do you really want to clear this differential?</source>
        <translation>Vil du virkelig fjerne denne differensialen?</translation>
    </message>
    <message>
        <source>Servo </source>
        <translation>Servo </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Please select an available function:</source>
        <translation>Velg en tilgjengelig funksjon:</translation>
    </message>
    <message>
        <source>Please assign servos to the left or right side:</source>
        <translation>Tilordne servoer til venstre eller høyre side:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Venstre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Høyre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funksjon</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servoer</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Utgang</translation>
    </message>
    <message>
        <source>No function has a differential yet. &quot;+&quot; gives one a differential; its row then sets the servos&apos; sides and the setup.</source>
        <translation>Ingen funksjon har differensial ennå. &quot;+&quot; gir en funksjon en differensial; raden angir så servoenes sider og oppsettet.</translation>
    </message>
</context>
<context>
    <name>EmptyOutroStop</name>
    <message>
        <source>System shutting down</source>
        <translation>Systemet slås av</translation>
    </message>
</context>
<context>
    <name>FastMain</name>
    <message>
        <source>System starting...</source>
        <translation>Systemet starter...</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>Nothing to choose from here</source>
        <translation>Ingenting å velge her</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>FileManager</name>
    <message>
        <source>Choose a storage</source>
        <translation>Velg lagringsenhet</translation>
    </message>
    <message>
        <source>Delete the %1 selected files and folders?</source>
        <translation>Slette de %1 valgte filene og mappene?</translation>
    </message>
    <message>
        <source>Copying complete</source>
        <translation>Kopiering fullført</translation>
    </message>
    <message>
        <source>Deleting complete</source>
        <translation>Sletting fullført</translation>
    </message>
    <message>
        <source>Canceled by the user</source>
        <translation>Avbrutt av brukeren</translation>
    </message>
    <message>
        <source>A file or folder cannot be deleted</source>
        <translation>En fil eller mappe kan ikke slettes</translation>
    </message>
    <message>
        <source>A file or folder cannot be created in the destination folder</source>
        <translation>En fil eller mappe kan ikke opprettes i målmappen</translation>
    </message>
    <message>
        <source>Copying complete. Files that existed already were skipped</source>
        <translation>Kopiering fullført. Filer som fantes fra før, ble hoppet over</translation>
    </message>
    <message>
        <source>A source file cannot be opened</source>
        <translation>En kildefil kan ikke åpnes</translation>
    </message>
    <message>
        <source>A source file cannot be read</source>
        <translation>En kildefil kan ikke leses</translation>
    </message>
    <message>
        <source>A file cannot be written in the destination folder</source>
        <translation>En fil kan ikke skrives i målmappen</translation>
    </message>
    <message>
        <source>The destination folder is not available</source>
        <translation>Målmappen er ikke tilgjengelig</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Ikke nok minne</translation>
    </message>
    <message>
        <source>The source was not found</source>
        <translation>Kilden ble ikke funnet</translation>
    </message>
    <message>
        <source>The file name cannot be generated automatically</source>
        <translation>Filnavnet kan ikke genereres automatisk</translation>
    </message>
    <message>
        <source>The destination folder is a subfolder of the source folder</source>
        <translation>Målmappen er en undermappe av kildemappen</translation>
    </message>
    <message>
        <source>The source folder is the same as the destination folder</source>
        <translation>Kildemappen er den samme som målmappen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists already in the destination folder.</source>
        <translation>&quot;%1&quot; finnes allerede i målmappen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no WAVE sound file and cannot be played.</source>
        <translation>&quot;%1&quot; er ingen WAVE-lydfil og kan ikke spilles av.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played.</source>
        <translation>&quot;%1&quot; kunne ikke spilles av.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Fra:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Til:</translation>
    </message>
    <message>
        <source>Copy here ▶</source>
        <translation>Kopier hit ▶</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 valgt</translation>
    </message>
    <message>
        <source>Copying %1 of %2</source>
        <translation>Kopierer %1 av %2</translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation>Sletter %1 av %2</translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>Ingen WLAN-nettverk er satt opp. Sett opp et i WLAN-innstillingene først.</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>Kobler til WLAN ...</translation>
    </message>
    <message>
        <source>Looking for receiver firmware ...</source>
        <translation>Ser etter mottaker-firmware ...</translation>
    </message>
    <message>
        <source>The download could not be started.</source>
        <translation>Nedlastingen kunne ikke startes.</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>WLAN-tilkoblingen kunne ikke opprettes.</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>Oppdateringen ble ikke funnet.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>Det er ikke nok plass på SD-kortet.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>En fil i oppdateringen er skadet. Start nedlastingen på nytt.</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>Tilkoblingen til oppdateringsserveren mislyktes.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Nedlasting fullført</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>Mottaker-firmware</translation>
    </message>
    <message>
        <source>No receiver firmware on the SD card. &quot;Download&quot; fetches it from the update server.</source>
        <translation>Ingen mottaker-firmware på SD-kortet. &quot;Last ned&quot; henter den fra oppdateringsserveren.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Last ned</translation>
    </message>
    <message>
        <source>Receiver firmware download</source>
        <translation>Nedlasting av mottaker-firmware</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Mottaker %1</translation>
    </message>
    <message>
        <source>Write %1 into receiver %2?</source>
        <translation>Skrive %1 til mottaker %2?</translation>
    </message>
    <message>
        <source>Receiver %1 runs firmware %2.</source>
        <translation>Mottaker %1 kjører firmware %2.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Oppdater</translation>
    </message>
    <message>
        <source>Receiver firmware update</source>
        <translation>Firmwareoppdatering</translation>
    </message>
</context>
<context>
    <name>FlightModeEditor</name>
    <message>
        <source>Do you really want to delete this
No Fade-in function?</source>
        <translation>Vil du virkelig slette denne
funksjonen uten innfasing?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Fade-in</source>
        <translation>Innfasing</translation>
    </message>
    <message>
        <source>No Fade-in Functions</source>
        <translation>Uten innfasing</translation>
    </message>
    <message>
        <source>Delete function</source>
        <translation>Slett funksjon</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select available functions:</source>
        <translation>Velg tilgjengelige funksjoner:</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
Standard-flymodus må opprettes først!</translation>
    </message>
</context>
<context>
    <name>FlightModeSelector</name>
    <message>
        <source>Null string</source>
        <translation>Tom streng</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
Standard-flymodus må opprettes først!</translation>
    </message>
    <message>
        <source>Delete Flight Mode</source>
        <translation>Slett flymodus</translation>
    </message>
    <message>
        <source>Delete FM Control</source>
        <translation>Slett FM-kontroll</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Bytt</translation>
    </message>
    <message>
        <source>Do you really want to delete this
Flight Mode control?</source>
        <translation>Vil du virkelig slette denne
flymodus-kontrollen?</translation>
    </message>
    <message>
        <source>Do you really want to delete
this Flight Mode?</source>
        <translation>Vil du virkelig slette
denne flymodusen?</translation>
    </message>
    <message>
        <source>
Cannot delete standard Flight Mode!</source>
        <translation>
Standard-flymodus kan ikke slettes!</translation>
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
        <translation>Differensial</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Flymodus</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Separat</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Diff. control</source>
        <translation>Diff.-kontroll</translation>
    </message>
    <message>
        <source>Diff. trim</source>
        <translation>Diff.-trim</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funksjon</translation>
    </message>
    <message>
        <source>No servo has a side yet: the differential acts only on servos set to the left or right side in the differential list&apos;s servo column.</source>
        <translation>Ingen servo har en side ennå: differensialen virker bare på servoer som er satt til venstre eller høyre side i servokolonnen i differensiallisten.</translation>
    </message>
</context>
<context>
    <name>FunctionDiffItemV2</name>
    <message>
        <source>Setup</source>
        <translation>Oppsett</translation>
    </message>
</context>
<context>
    <name>GPSSideBoard</name>
    <message>
        <source>Latitude</source>
        <translation>Breddegrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Lengdegrad</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Avstand</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellitter</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
</context>
<context>
    <name>HeadupMenu</name>
    <message>
        <source>Telemetry</source>
        <translation>Telemetri</translation>
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
        <translation>Plassholder</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Ingen data</translation>
    </message>
    <message>
        <source>Kind of the item</source>
        <translation>Elementtype</translation>
    </message>
    <message>
        <source>Telemetry value</source>
        <translation>Telemetriverdi</translation>
    </message>
    <message>
        <source>There is nothing of this kind to choose.</source>
        <translation>Det finnes ingenting av denne typen å velge.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>No items. Touch + to add one.</source>
        <translation>Ingen elementer. Trykk + for å legge til.</translation>
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
        <translation>Beskjær</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
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
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>KLX_CopyModelData</name>
    <message>
        <source>The file already exists in the target folder, overwrite?</source>
        <translation>Filen finnes allerede i målmappen. Overskrive?</translation>
    </message>
    <message>
        <source>The following file was already deleted!</source>
        <translation>Følgende fil er allerede slettet!</translation>
    </message>
    <message>
        <source>Add and replace files in destination folder:</source>
        <translation>Legg til og erstatt filer i målmappen:</translation>
    </message>
    <message>
        <source>Not on the card:</source>
        <translation>Ikke på kortet:</translation>
    </message>
</context>
<context>
    <name>KLX_DataBaseManager</name>
    <message>
        <source>mixer</source>
        <translation>mikser</translation>
    </message>
    <message>
        <source>sequencer</source>
        <translation>sekvenser</translation>
    </message>
    <message>
        <source>servo</source>
        <translation>servo</translation>
    </message>
    <message>
        <source>telecontrol</source>
        <translation>telemetri-kontroll</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Konstant</translation>
    </message>
</context>
<context>
    <name>KLX_ErrorData</name>
    <message>
        <source>Model currently active – cannot erase!</source>
        <translation>Modellen er aktiv – kan ikke slettes!</translation>
    </message>
    <message>
        <source>Battery is weak - please charge before update!</source>
        <translation>Batteriet er svakt - lad før oppdatering!</translation>
    </message>
    <message>
        <source>Target file already exists – cannot copy!</source>
        <translation>Målfilen finnes allerede – kan ikke kopiere!</translation>
    </message>
    <message>
        <source>No source file selected – cannot copy!</source>
        <translation>Ingen kildefil valgt – kan ikke kopiere!</translation>
    </message>
    <message>
        <source>No USB stick plugged – cannot copy!</source>
        <translation>Ingen USB-pinne satt inn – kan ikke kopiere!</translation>
    </message>
    <message>
        <source>Bad servoindex or mixerindex in servo configuration!</source>
        <translation>Ugyldig servo- eller mikserindeks i servooppsettet!</translation>
    </message>
    <message>
        <source>Servo configuration not used!</source>
        <translation>Servooppsettet er ikke i bruk!</translation>
    </message>
    <message>
        <source>Bad function index in servomixer!</source>
        <translation>Ugyldig funksjonsindeks i servomikseren!</translation>
    </message>
    <message>
        <source>Wrong function count in flightmode!</source>
        <translation>Feil antall funksjoner i flymodus!</translation>
    </message>
    <message>
        <source>Wrong setup count in functions!</source>
        <translation>Feil antall oppsett i funksjonene!</translation>
    </message>
    <message>
        <source>Wrong setup count in mixers!</source>
        <translation>Feil antall oppsett i mikserne!</translation>
    </message>
    <message>
        <source>No receiver found!</source>
        <translation>Ingen mottaker funnet!</translation>
    </message>
    <message>
        <source>This unit cannot be loaded!</source>
        <translation>Dette elementet kan ikke lastes!</translation>
    </message>
    <message>
        <source>Cannot delete file or folder!</source>
        <translation>Kan ikke slette filen eller mappen!</translation>
    </message>
    <message>
        <source>No destination folder!</source>
        <translation>Ingen målmappe!</translation>
    </message>
    <message>
        <source>No source folder!</source>
        <translation>Ingen kildemappe!</translation>
    </message>
    <message>
        <source>Not enough memory on the SD card – cannot copy!</source>
        <translation>Ikke nok minne på SD-kortet – kan ikke kopiere!</translation>
    </message>
    <message>
        <source>Not enough memory on the target – cannot copy!</source>
        <translation>Ikke nok minne på målet – kan ikke kopiere!</translation>
    </message>
    <message>
        <source>No usable SD card – cannot copy!</source>
        <translation>Ikke noe brukbart SD-kort – kan ikke kopiere!</translation>
    </message>
    <message>
        <source>The model file could not be copied into the target folder!</source>
        <translation>Modellfilen kunne ikke kopieres til målmappen!</translation>
    </message>
    <message>
        <source>The model is being saved – please try again!</source>
        <translation>Modellen lagres nå – prøv igjen!</translation>
    </message>
    <message>
        <source>Model path outside the model folders – cannot copy!</source>
        <translation>Modellbanen ligger utenfor modellmappene – kan ikke kopiere!</translation>
    </message>
    <message>
        <source>The copy could not be set up!</source>
        <translation>Kopieringen kunne ikke klargjøres!</translation>
    </message>
    <message>
        <source>The copy was in no known step and was stopped!</source>
        <translation>Kopieringen var i et ukjent trinn og ble stoppet!</translation>
    </message>
    <message>
        <source>The copy took too long and was stopped!</source>
        <translation>Kopieringen tok for lang tid og ble stoppet!</translation>
    </message>
    <message>
        <source>Reading or writing failed – cannot copy!</source>
        <translation>Lesing eller skriving mislyktes – kan ikke kopiere!</translation>
    </message>
    <message>
        <source>No backup of the model file could be made!</source>
        <translation>Det kunne ikke lages en sikkerhetskopi av modellfilen!</translation>
    </message>
    <message>
        <source>The loaded model and the settings files cannot be deleted!</source>
        <translation>Den lastede modellen og innstillingsfilene kan ikke slettes!</translation>
    </message>
    <message>
        <source>Path outside the allowed folders!</source>
        <translation>Banen ligger utenfor de tillatte mappene!</translation>
    </message>
    <message>
        <source>More than 5 GB – cannot copy!</source>
        <translation>Mer enn 5 GB – kan ikke kopiere!</translation>
    </message>
    <message>
        <source>The new folder could not be created!</source>
        <translation>Den nye mappen kunne ikke opprettes!</translation>
    </message>
    <message>
        <source>Unknown copy or delete request – nothing was done!</source>
        <translation>Ukjent forespørsel om kopiering eller sletting – ingenting ble gjort!</translation>
    </message>
</context>
<context>
    <name>KLX_ProcessVorn</name>
    <message>
        <source>System synchronization</source>
        <translation>Systemsynkronisering</translation>
    </message>
    <message>
        <source>Loading model</source>
        <translation>Laster modell</translation>
    </message>
    <message>
        <source>Loading unit</source>
        <translation>Laster element</translation>
    </message>
    <message>
        <source>Deleting unit</source>
        <translation>Sletter element</translation>
    </message>
    <message>
        <source>Sending binding configuration</source>
        <translation>Sender bindingsoppsett</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Binding</translation>
    </message>
    <message>
        <source>Calibrating controls</source>
        <translation>Kalibrerer kontroller</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>Oppretter ny modell</translation>
    </message>
    <message>
        <source>Deleting model</source>
        <translation>Sletter modell</translation>
    </message>
    <message>
        <source>Receiving modeldata</source>
        <translation>Mottar modelldata</translation>
    </message>
    <message>
        <source>Renaming model</source>
        <translation>Gir modellen nytt navn</translation>
    </message>
    <message>
        <source>Onboard firmware update</source>
        <translation>Oppdatering av intern fastvare</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>Systemoppdatering</translation>
    </message>
    <message>
        <source>Copy model</source>
        <translation>Kopier modell</translation>
    </message>
    <message>
        <source>Capture sensor menue data</source>
        <translation>Leser sensormeny</translation>
    </message>
    <message>
        <source>Set sensor data</source>
        <translation>Sett sensordata</translation>
    </message>
    <message>
        <source>Set sensor mainadress</source>
        <translation>Sett sensoradresse</translation>
    </message>
    <message>
        <source>Copy model data to external device</source>
        <translation>Kopier modelldata til ekstern enhet</translation>
    </message>
    <message>
        <source>Read menu data continiously</source>
        <translation>Les menydata fortløpende</translation>
    </message>
    <message>
        <source>Capture telemetrie data</source>
        <translation>Henter telemetridata</translation>
    </message>
</context>
<context>
    <name>KLX_RuntimeCalcAlarm</name>
    <message>
        <source>volts</source>
        <translation>volt</translation>
    </message>
    <message>
        <source>millivolts</source>
        <translation>millivolt</translation>
    </message>
    <message>
        <source>amps</source>
        <translation>ampere</translation>
    </message>
    <message>
        <source>milliamps</source>
        <translation>milliampere</translation>
    </message>
    <message>
        <source>milliampere-hours</source>
        <translation>milliamperetimer</translation>
    </message>
    <message>
        <source>feet per second</source>
        <translation>fot per sekund</translation>
    </message>
    <message>
        <source>meters per second</source>
        <translation>meter per sekund</translation>
    </message>
    <message>
        <source>degree Celsius</source>
        <translation>grader celsius</translation>
    </message>
    <message>
        <source>degree Fahrenheit</source>
        <translation>grader fahrenheit</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>utløpt</translation>
    </message>
    <message>
        <source>attention</source>
        <translation>obs</translation>
    </message>
</context>
<context>
    <name>KLX_Timer</name>
    <message>
        <source>hour</source>
        <translation>time</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>timer</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minutt</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutter</translation>
    </message>
    <message>
        <source>second</source>
        <translation>sekund</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekunder</translation>
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
        <translation>Obs: datasynkronisering mislyktes! Land modellen!</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Space</source>
        <translation>Mellomrom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No more than three lines</source>
        <translation>Ikke mer enn tre linjer</translation>
    </message>
    <message>
        <source>No more than %1 characters</source>
        <translation>Ikke mer enn %1 tegn</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Functions</source>
        <translation>Funksjoner</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servoer</translation>
    </message>
    <message>
        <source>ServoMonitor</source>
        <translation>Servo­monitor</translation>
    </message>
    <message>
        <source>Flight Modes</source>
        <translation>Flymoduser</translation>
    </message>
    <message>
        <source>Virtual Switches</source>
        <translation>Virtuelle brytere</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mikser</translation>
    </message>
    <message>
        <source>Servo Cut-off</source>
        <translation>Servokutt</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Mottakere</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>Tale-innstillinger</translation>
    </message>
    <message>
        <source>Vario Settings</source>
        <translation>Vario-innstillinger</translation>
    </message>
    <message>
        <source>Sequencers</source>
        <translation>Sekvensere</translation>
    </message>
    <message>
        <source>Differential</source>
        <translation>Differensial</translation>
    </message>
    <message>
        <source>Telemetry Controls</source>
        <translation>Telemetri-kontroller</translation>
    </message>
    <message>
        <source>Trainer cord Settings</source>
        <translation>Lærer/elev-innstillinger</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>Opplesning</translation>
    </message>
    <message>
        <source>GPS Compass</source>
        <translation>GPS-kompass</translation>
    </message>
    <message>
        <source>HeadUp Display</source>
        <translation>HeadUp-display</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>Sjekkliste før flyging</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Filbehandler</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Utseende</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Lyd</translation>
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
        <translation>&quot;%1&quot; er nå i brukermenyen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the user menu.</source>
        <translation>&quot;%1&quot; er allerede i brukermenyen.</translation>
    </message>
</context>
<context>
    <name>ModelMenu</name>
    <message>
        <source>Plane</source>
        <translation>Fly</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopter</translation>
    </message>
    <message>
        <source>Multicopter</source>
        <translation>Multikopter</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Båt</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Bil</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Annet</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / %1 : * ? &quot; &lt; &gt; | or &quot;..&quot;.</source>
        <translation>Dette navnet kan ikke brukes.
Et navn kan ikke inneholde / %1 : * ? &quot; &lt; &gt; | eller &quot;..&quot;.</translation>
    </message>
    <message>
        <source>New name of the folder:</source>
        <translation>Nytt navn på mappen:</translation>
    </message>
    <message>
        <source>New name of the model:</source>
        <translation>Nytt navn på modellen:</translation>
    </message>
    <message>
        <source>Name of the new model in %1:</source>
        <translation>Navn på ny modell i %1:</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tidsavbrudd</translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>Laster modell...</translation>
    </message>
    <message>
        <source>The model could not be loaded.</source>
        <translation>Modellen kunne ikke lastes.</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>Oppretter ny modell</translation>
    </message>
    <message>
        <source>There is no current model.
Load a model or make a new one first.</source>
        <translation>Ingen aktiv modell.
Last inn en modell eller lag en ny først.</translation>
    </message>
    <message>
        <source>Copy %1 to:</source>
        <translation>Kopier %1 til:</translation>
    </message>
    <message>
        <source>The model is copied as: </source>
        <translation>Modellen kopieres som: </translation>
    </message>
    <message>
        <source>Folder: </source>
        <translation>Mappe: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Fortsette?</translation>
    </message>
    <message>
        <source>Only the current model can be renamed.
Load this model now and rename it?</source>
        <translation>Bare den aktive modellen kan gis nytt navn.
Laste inn denne modellen nå og gi den nytt navn?</translation>
    </message>
    <message>
        <source>You are about to delete the following model: </source>
        <translation>Du er i ferd med å slette følgende modell: </translation>
    </message>
    <message>
        <source>Picture for</source>
        <translation>Bilde for</translation>
    </message>
    <message>
        <source>You are about to delete the following folder: </source>
        <translation>Du er i ferd med å slette følgende mappe: </translation>
    </message>
    <message>
        <source>Current model: </source>
        <translation>Aktiv modell: </translation>
    </message>
    <message>
        <source>No model loaded: load one or make a new one.</source>
        <translation>Ingen modell lastet: last inn en eller lag en ny.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Endre navn</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>+ Folder</source>
        <translation>+ Mappe</translation>
    </message>
    <message>
        <source>Current model</source>
        <translation>Aktiv modell</translation>
    </message>
    <message>
        <source>No models in this folder.
&quot;New&quot; makes one here.</source>
        <translation>Ingen modeller i denne mappen.
&quot;Ny&quot; lager en her.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Last inn</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bilde</translation>
    </message>
</context>
<context>
    <name>ModelTask</name>
    <message>
        <source>Timeout</source>
        <translation>Tidsavbrudd</translation>
    </message>
</context>
<context>
    <name>ModelTypeChoose</name>
    <message>
        <source>Please select the model type:</source>
        <translation>Velg modelltype:</translation>
    </message>
    <message>
        <source>Sailplane</source>
        <translation>Seilfly</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>Akro</translation>
    </message>
    <message>
        <source>Delta-Wing</source>
        <translation>Deltavinge</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>V-hale</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Fortsett</translation>
    </message>
</context>
<context>
    <name>Modelbuilder</name>
    <message>
        <source>Timeout</source>
        <translation>Tidsavbrudd</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funksjoner</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servoer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ferdig</translation>
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
        <translation>Avbryt</translation>
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
        <translation>Kontrollene er lært inn!</translation>
    </message>
    <message>
        <source>Controls teached incorrect - try again!</source>
        <translation>Kontrollene ble lært inn feil - prøv igjen!</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>Sjekkliste før flyging</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Utvalg</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktivert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktivert</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisjon</translation>
    </message>
    <message>
        <source>Teach controls</source>
        <translation>Lær inn</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Lær inn</translation>
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
        <translation>Starter senderen...</translation>
    </message>
    <message>
        <source>Check positions:</source>
        <translation>Sjekk posisjoner:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>ProgressBox</name>
    <message>
        <source>Abort</source>
        <translation>Avbryt</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hopp over</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nullstill</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>Løs ut</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Overskriv</translation>
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
        <translation>Side:</translation>
    </message>
    <message>
        <source>Edit alias</source>
        <translation>Rediger alias</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
</context>
<context>
    <name>SensorMenuFrame</name>
    <message>
        <source>No responce from Backend!</source>
        <translation>Ingen respons fra backend!</translation>
    </message>
    <message>
        <source>Stepping value error!</source>
        <translation>Feil i trinnverdi!</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tidsavbrudd</translation>
    </message>
    <message>
        <source>Stepping value none!</source>
        <translation>Ingen trinnverdi!</translation>
    </message>
</context>
<context>
    <name>SensorMenuItem</name>
    <message>
        <source>Activate</source>
        <translation>Aktiver</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Deaktiver</translation>
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
        <translation>Sløyfe</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Enkel</translation>
    </message>
</context>
<context>
    <name>SequencerServoEditor</name>
    <message>
        <source>Running</source>
        <translation>Kjører</translation>
    </message>
    <message>
        <source>Srv.</source>
        <translation>Srv.</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Fremover</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Bakover</translation>
    </message>
    <message>
        <source>Select point</source>
        <translation>Velg punkt</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisjon</translation>
    </message>
    <message>
        <source>Locked since the start, so that it does not run by itself: move %1 to where its last run ended. It then follows its control again and can be edited.</source>
        <translation>Låst siden oppstart, så den ikke kjører av seg selv: flytt %1 dit siste kjøring sluttet. Da følger den kontrollen sin igjen og kan redigeres.</translation>
    </message>
</context>
<context>
    <name>SequencerServoList</name>
    <message>
        <source>Do you really want to delete this servo from sequencer?</source>
        <translation>Vil du virkelig slette denne servoen fra sekvenseren?</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Aktiv tid</translation>
    </message>
    <message>
        <source>Movement range</source>
        <translation>Bevegelsesområde</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>Retn.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>Velg tilgjengelige servoer:</translation>
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
        <translation>Vil du virkelig slette denne sekvenseren?</translation>
    </message>
    <message>
        <source>Sequencer is running. Try again when finished!</source>
        <translation>Sekvenseren kjører. Prøv igjen når den er ferdig!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servoer</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>Velg tilgjengelige servoer:</translation>
    </message>
    <message>
        <source>No sequencers yet. &quot;+&quot; adds one; its row then sets its name, control, mode, servos and waypoints.</source>
        <translation>Ingen sekvensere ennå. &quot;+&quot; legger til en; raden dens angir så navn, kontroll, modus, servoer og veipunkter.</translation>
    </message>
</context>
<context>
    <name>SequentialTA</name>
    <message>
        <source>No voice</source>
        <translation>Ingen stemme</translation>
    </message>
    <message>
        <source>A list of this name exists already.
Overwrite it?</source>
        <translation>En liste med dette navnet finnes allerede.
Overskrive den?</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / or &quot;..&quot;.</source>
        <translation>Dette navnet kan ikke brukes.
Et navn kan ikke inneholde / eller &quot;..&quot;.</translation>
    </message>
    <message>
        <source>The list could not be copied to the SD card.</source>
        <translation>Listen kunne ikke kopieres til SD-kortet.</translation>
    </message>
    <message>
        <source>The list was written to the USB stick.</source>
        <translation>Listen ble skrevet til USB-pinnen.</translation>
    </message>
    <message>
        <source>No USB stick found, or the list could not be written to it.</source>
        <translation>Ingen USB-pinne funnet, eller listen kunne ikke skrives til den.</translation>
    </message>
    <message>
        <source>Do you really want to delete this announcement?</source>
        <translation>Vil du virkelig slette denne meldingen?</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>Opplesning</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>The list is empty. &quot;+&quot; adds an announcement.</source>
        <translation>Listen er tom. &quot;+&quot; legger til en melding.</translation>
    </message>
    <message>
        <source>No list. &quot;New&quot; starts one, &quot;Open&quot; loads one.</source>
        <translation>Ingen liste. &quot;Ny&quot; starter en, &quot;Åpne&quot; laster en.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stemme</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Fremover</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Bakover</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Omstart</translation>
    </message>
    <message>
        <source>Open a list</source>
        <translation>Åpne en liste</translation>
    </message>
    <message>
        <source>Name of the new list:</source>
        <translation>Navn på den nye listen:</translation>
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
        <translation>Funksjon:</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Senter</translation>
    </message>
    <message>
        <source>Curve Editor</source>
        <translation>Kurveeditor</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>Servo curve</source>
        <translation>Servokurve</translation>
    </message>
    <message>
        <source>Function curve</source>
        <translation>Funksjonskurve</translation>
    </message>
    <message>
        <source>Result curve</source>
        <translation>Resultatkurve</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funksjon</translation>
    </message>
    <message>
        <source>Mixers</source>
        <translation>Miksere</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultat</translation>
    </message>
</context>
<context>
    <name>ServoCutOffItem</name>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
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
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>Nullstill kurve</translation>
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
        <translation>Batteriene er for svake for en oppdatering. Lad dem først.</translation>
    </message>
    <message>
        <source>No application update was found on a USB stick. Download it from the update server?</source>
        <translation>Ingen applikasjonsoppdatering funnet på en USB-pinne. Laste den ned fra oppdateringsserveren?</translation>
    </message>
    <message>
        <source>No system update was found on a USB stick. Download it from the update server?</source>
        <translation>Ingen systemoppdatering funnet på en USB-pinne. Laste den ned fra oppdateringsserveren?</translation>
    </message>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>Ingen WLAN-nettverk er satt opp. Sett opp et i WLAN-innstillingene først.</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>Kobler til WLAN ...</translation>
    </message>
    <message>
        <source>The update could not be started.</source>
        <translation>Oppdateringen kunne ikke startes.</translation>
    </message>
    <message>
        <source>Looking for the update ...</source>
        <translation>Ser etter oppdateringen ...</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>WLAN-tilkoblingen kunne ikke opprettes.</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>Oppdateringen ble ikke funnet.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>Det er ikke nok plass på SD-kortet.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please copy the update to the USB stick again.</source>
        <translation>En fil i oppdateringen er skadet. Kopier oppdateringen til USB-pinnen på nytt.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>En fil i oppdateringen er skadet. Start nedlastingen på nytt.</translation>
    </message>
    <message>
        <source>The newest software is installed already.</source>
        <translation>Nyeste programvare er allerede installert.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>Oppdateringen kunne ikke installeres.</translation>
    </message>
    <message>
        <source>Internal error while installing the update.</source>
        <translation>Intern feil under installasjon av oppdateringen.</translation>
    </message>
    <message>
        <source>This update is unsuitable for this device.</source>
        <translation>Denne oppdateringen passer ikke for denne enheten.</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>Tilkoblingen til oppdateringsserveren mislyktes.</translation>
    </message>
    <message>
        <source>Update from the USB stick:</source>
        <translation>Oppdatering fra USB-pinnen:</translation>
    </message>
    <message>
        <source>Update from the update server:</source>
        <translation>Oppdatering fra oppdateringsserveren:</translation>
    </message>
    <message>
        <source>A file of the update is missing or does not match its list. Please copy the update to the USB stick again.</source>
        <translation>En fil i oppdateringen mangler eller samsvarer ikke med listen sin. Kopier oppdateringen til USB-pinnen på nytt.</translation>
    </message>
    <message>
        <source>The update is installed. Please switch the model off and restart the transmitter.</source>
        <translation>Oppdateringen er installert. Slå av modellen og start senderen på nytt.</translation>
    </message>
    <message>
        <source>The update is installed. Switch the transmitter off to finish it: until then the keys and the status strip stay locked.</source>
        <translation>Oppdateringen er installert. Slå av senderen for å fullføre den: til da forblir tastene og statuslinjen låst.</translation>
    </message>
    <message>
        <source>The system update is installed when the transmitter is switched on next time.</source>
        <translation>Systemoppdateringen installeres neste gang senderen slås på.</translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Laster ned ...</translation>
    </message>
    <message>
        <source>The update is ready. Install it now?</source>
        <translation>Oppdateringen er klar. Installere den nå?</translation>
    </message>
    <message>
        <source>This version is installed already. Install it anyway?</source>
        <translation>Denne versjonen er allerede installert. Installere likevel?</translation>
    </message>
    <message>
        <source>Waiting for your answer</source>
        <translation>Venter på svaret ditt</translation>
    </message>
    <message>
        <source>Installing ...</source>
        <translation>Installerer ...</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applikasjon</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Operativsystem</translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation>Transceiver</translation>
    </message>
    <message>
        <source>Stick controller</source>
        <translation>Stikkekontroller</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Programvare</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Oppdater</translation>
    </message>
    <message>
        <source>Touch &quot;Update&quot; for the application update, hold it for the system update. A USB stick is looked at first, then the update server.</source>
        <translation>Trykk &quot;Oppdater&quot; for applikasjonsoppdatering, hold inne for systemoppdatering. Først sjekkes en USB-pinne, deretter oppdateringsserveren.</translation>
    </message>
    <message>
        <source>Application update</source>
        <translation>Applikasjonsoppdatering</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>Systemoppdatering</translation>
    </message>
    <message>
        <source>stick controller</source>
        <translation>stikkekontrolleren</translation>
    </message>
    <message>
        <source>transceiver</source>
        <translation>transceiveren</translation>
    </message>
    <message>
        <source>The firmware of this software is written into the %1 again. Go on?</source>
        <translation>Firmwaren til denne programvaren skrives inn i %1 på nytt. Fortsette?</translation>
    </message>
    <message>
        <source>The firmware recovery requires the same version of Update.xml as this application.</source>
        <translation>Firmwaregjenopprettingen krever samme versjon av Update.xml som denne applikasjonen.</translation>
    </message>
    <message>
        <source>The firmware file does not match its checksum.</source>
        <translation>Firmwarefilen samsvarer ikke med kontrollsummen sin.</translation>
    </message>
    <message>
        <source>The update folder holds no package to write again: its Update.xml could not be read.</source>
        <translation>Oppdateringsmappen har ingen pakke å skrive på nytt: Update.xml kunne ikke leses.</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the stick controller.</source>
        <translation>Pakken i oppdateringsmappen inneholder ingen firmware for stikkekontrolleren.</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the transceiver.</source>
        <translation>Pakken i oppdateringsmappen inneholder ingen firmware for transceiveren.</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Gjenoppretting</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>SD-kortet er mindre enn de 256 MiB senderen trenger.</translation>
    </message>
    <message>
        <source>There is not enough room for the program in the transmitter&apos;s memory.</source>
        <translation>Det er ikke nok plass til programmet i senderens minne.</translation>
    </message>
</context>
<context>
    <name>Storages</name>
    <message>
        <source>SD card</source>
        <translation>SD-kort</translation>
    </message>
    <message>
        <source>USB stick</source>
        <translation>USB-pinne</translation>
    </message>
</context>
<context>
    <name>TeleWidgetSetupBar</name>
    <message>
        <source>You are about to delete this widget
Proceed?</source>
        <translation>Du er i ferd med å slette denne widgeten
Fortsette?</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Liten</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middels</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Stor</translation>
    </message>
    <message>
        <source>Delete widget</source>
        <translation>Slett widget</translation>
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
        <translation>Telemetri-statusalarmer</translation>
    </message>
    <message>
        <source>Telemetry alarms</source>
        <translation>Telemetrialarmer</translation>
    </message>
    <message>
        <source>Telemetry warnings</source>
        <translation>Telemetriadvarsler</translation>
    </message>
    <message>
        <source>Global telemetry widget voice settings</source>
        <translation>Globale taleinnstillinger for telemetri-widgeter</translation>
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
        <translation>Feil</translation>
    </message>
</context>
<context>
    <name>TelemetryControlSett2</name>
    <message>
        <source>Decimal point separator of this telemetry control is incorrect! Please rescan sensors and assign a sensor again!</source>
        <translation>Desimalskilletegnet for denne telemetrikontrollen er feil! Søk etter sensorer på nytt og tilordne en sensor igjen!</translation>
    </message>
    <message>
        <source>Actual parameters of the sensor value doesn&apos;t match to the settings of this control! Probably another sensor is used. Please reassign the sensor again!</source>
        <translation>De aktuelle parametrene for sensorverdien samsvarer ikke med innstillingene for denne kontrollen! Trolig brukes en annen sensor. Tilordne sensoren på nytt!</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetri</translation>
    </message>
    <message>
        <source>control</source>
        <translation>kontroll</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Inngang</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Begrenser</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Utgang</translation>
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
        <translation>Du er i ferd med å slette følgende telemetrikontroll: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Fortsette?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kilde</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Inngang</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenser</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Utgang</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorAlarmConfig</name>
    <message>
        <source>Red below</source>
        <translation>Rød under</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Yellow below</source>
        <translation>Gul under</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Yellow above</source>
        <translation>Gul over</translation>
    </message>
    <message>
        <source>Red above</source>
        <translation>Rød over</translation>
    </message>
    <message>
        <source>No Alarm</source>
        <translation>Ingen alarm</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pip</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Pip + vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrasjon</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Kun tale</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Tale + pip</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Tale + vib.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Tale+pip+vib.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Én gang</translation>
    </message>
    <message>
        <source>Repetitive</source>
        <translation>Gjentatt</translation>
    </message>
    <message>
        <source>Status alarm</source>
        <translation>Statusalarm</translation>
    </message>
    <message>
        <source>Signalling</source>
        <translation>Signalering</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>Varseltype</translation>
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
        <translation>Menyen er tom!</translation>
    </message>
    <message>
        <source>Scanning for menu...</source>
        <translation>Søker etter meny...</translation>
    </message>
    <message>
        <source>No response from backend!</source>
        <translation>Ingen respons fra backend!</translation>
    </message>
    <message>
        <source>Getting Menu...</source>
        <translation>Henter meny...</translation>
    </message>
    <message>
        <source>Getting Menu error!</source>
        <translation>Feil ved henting av meny!</translation>
    </message>
    <message>
        <source>Getting menu timeout!</source>
        <translation>Tidsavbrudd ved henting av meny!</translation>
    </message>
    <message>
        <source>Getting Menu none!</source>
        <translation>Ingen meny mottatt!</translation>
    </message>
    <message>
        <source>Prev.</source>
        <translation>Forr.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
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
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Delete timer</source>
        <translation>Slett timer</translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformation</name>
    <message>
        <source>Sensor Information</source>
        <translation>Sensorinformasjon</translation>
    </message>
    <message>
        <source>Reset Alerts</source>
        <translation>Nullstill varsler</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>Nullstill verdier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformationItem</name>
    <message>
        <source>Max.</source>
        <translation>Maks.</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nullstill</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetChooser</name>
    <message>
        <source>Telemetry</source>
        <translation>Telemetri</translation>
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
        <translation>Hurtiglenke</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notater</translation>
    </message>
    <message>
        <source>ModelImage</source>
        <translation>Modellbilde</translation>
    </message>
    <message>
        <source>Select a widget type to add</source>
        <translation>Velg widgettype som skal legges til</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetLabelSetup</name>
    <message>
        <source>Export successful</source>
        <translation>Eksport vellykket</translation>
    </message>
    <message>
        <source>Export failed!</source>
        <translation>Eksport mislyktes!</translation>
    </message>
    <message>
        <source>Please check if USB is connected and working</source>
        <translation>Sjekk at USB er tilkoblet og fungerer</translation>
    </message>
    <message>
        <source>Attention!
The text will probably not be displayed correctly due to its length</source>
        <translation>Obs!
Teksten vises trolig ikke riktig på grunn av lengden</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notater</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetQuickLink</name>
    <message>
        <source>Select entry</source>
        <translation>Velg oppføring</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetServo</name>
    <message>
        <source>Select servo:</source>
        <translation>Velg servo:</translation>
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
        <translation>Velg timer!</translation>
    </message>
    <message>
        <source>Empty timer</source>
        <translation>Tom timer</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>Stopp:</translation>
    </message>
    <message>
        <source>Warn:</source>
        <translation>Varsel:</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerAlarmConfig</name>
    <message>
        <source>No Alarm</source>
        <translation>Ingen alarm</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pip</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Pip + vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrasjon</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Stopptid</translation>
    </message>
    <message>
        <source>Warning time</source>
        <translation>Varslingstid</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>End alarm</source>
        <translation>Sluttalarm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>Varseltype</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerSetup</name>
    <message>
        <source>Do you really want to delete this timer?</source>
        <translation>Vil du virkelig slette denne timeren?</translation>
    </message>
    <message>
        <source>No timer is selected for this widget!</source>
        <translation>Ingen timer er valgt for denne widgeten!</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValue</name>
    <message>
        <source>Select sensor!</source>
        <translation>Velg sensor!</translation>
    </message>
    <message>
        <source>Select value!</source>
        <translation>Velg verdi!</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSensorSlaveChooser</name>
    <message>
        <source>Capturing sensor information...</source>
        <translation>Henter sensorinformasjon...</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Verdi</translation>
    </message>
    <message>
        <source>Searching for sensors...</source>
        <translation>Søker etter sensorer...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
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
        <translation>Tidsavbrudd</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meny</translation>
    </message>
    <message>
        <source>Addr.</source>
        <translation>Adr.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Verdi</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Add values</source>
        <translation>Legg til verdier</translation>
    </message>
    <message>
        <source>Rescan sensors</source>
        <translation>Nytt sensorsøk</translation>
    </message>
    <message>
        <source>Scanning for sensors</source>
        <translation>Søker etter sensorer</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSlaveChooser</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
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
        <translation>(Ned)</translation>
    </message>
    <message>
        <source>(Up)</source>
        <translation>(Opp)</translation>
    </message>
    <message>
        <source>of</source>
        <translation>av</translation>
    </message>
    <message>
        <source>Signal start</source>
        <translation>Signal start</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Én gang</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Signal end</source>
        <translation>Signal slutt</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Gjenta</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktivert</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Signaltype</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pip</translation>
    </message>
    <message>
        <source>Long beep</source>
        <translation>Langt pip</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrasjon</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Tale</translation>
    </message>
    <message>
        <source>Short speech</source>
        <translation>Kort tale</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
</context>
<context>
    <name>TimerAlarmItem</name>
    <message>
        <source>No Alarm</source>
        <translation>Ingen alarm</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Ingen alarm</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pip</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Pip + vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrasjon</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Kun tale</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Tale + pip</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Tale + vib.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Tale+pip+vib.</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Én gang</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktivert</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Én gang</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Mld.</translation>
    </message>
</context>
<context>
    <name>TimerAudioSettings</name>
    <message>
        <source>Do you really want to delete this alarm?</source>
        <translation>Vil du virkelig slette denne alarmen?</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Ingen alarm</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pip</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Pip + vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrasjon</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Kun tale</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Tale + pip</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Tale + vib.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Tale+pip+vib.</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Time/Range</source>
        <translation>Tid/område</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Gjentak</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Delete alarm</source>
        <translation>Slett alarm</translation>
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
        <translation>Nei</translation>
    </message>
</context>
<context>
    <name>TutorPupilSettings</name>
    <message>
        <source>Timeout</source>
        <translation>Tidsavbrudd</translation>
    </message>
    <message>
        <source>Do you really want to delete this vorn control?</source>
        <translation>Vil du virkelig slette denne Vorn-kontrollen?</translation>
    </message>
    <message>
        <source>Trainer cord switch:</source>
        <translation>Lærer/elev-bryter:</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktivert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktivert</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Vorn-kontroll</translation>
    </message>
    <message>
        <source>External channel</source>
        <translation>Ekstern kanal</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>I bruk</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Detection...</source>
        <translation>Gjenkjenner...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Auto detect</source>
        <translation>Autogjenkjenn</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
</context>
<context>
    <name>UpdateTask</name>
    <message>
        <source>Which USB stick?</source>
        <translation>Hvilken USB-pinne?</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tidsavbrudd</translation>
    </message>
</context>
<context>
    <name>UpperFrame</name>
    <message>
        <source>Main menu</source>
        <translation>Hovedmeny</translation>
    </message>
    <message>
        <source>Model menu</source>
        <translation>Modellmeny</translation>
    </message>
    <message>
        <source>Min/Max reset</source>
        <translation>Nullstill min/maks</translation>
    </message>
    <message>
        <source>Do you really want to clear Max/Min values and all alerts for all widgets?</source>
        <translation>Vil du virkelig nullstille maks/min-verdier og alle varsler for alle widgeter?</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Lysstyrke</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volum</translation>
    </message>
</context>
<context>
    <name>UserMenu</name>
    <message>
        <source>No favorites found</source>
        <translation>Ingen favoritter funnet</translation>
    </message>
</context>
<context>
    <name>VarioSettings2</name>
    <message>
        <source>No sensor is known yet.
The sensors are found when the model starts, or by a rescan.</source>
        <translation>Ingen sensor er kjent ennå.
Sensorene finnes når modellen starter, eller ved et nytt søk.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Vario off</source>
        <translation>Vario av</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>stille</translation>
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
        <translation>På/Av</translation>
    </message>
    <message>
        <source>Start tone</source>
        <translation>Starttone</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Stig</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Synk</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Flymodus</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Separat</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Vario sensor</source>
        <translation>Variosensor</translation>
    </message>
</context>
<context>
    <name>VirtualSwitchItem</name>
    <message>
        <source>ON</source>
        <translation>PÅ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AV</translation>
    </message>
</context>
<context>
    <name>VoiceSelector</name>
    <message>
        <source>Voice</source>
        <translation>Stemme</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Alle språk</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>No voices are installed.</source>
        <translation>Ingen stemmer er installert.</translation>
    </message>
    <message>
        <source>No voice speaks this language.</source>
        <translation>Ingen stemme snakker dette språket.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spill av</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>Delete the voice &quot;%1&quot;?</source>
        <translation>Slette stemmen &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Deleting the voice ...</source>
        <translation>Sletter stemmen ...</translation>
    </message>
    <message>
        <source>Speech is paused for the update ...</source>
        <translation>Talen er satt på pause under oppdateringen ...</translation>
    </message>
    <message>
        <source>Copying the voice packs ...</source>
        <translation>Kopierer talepakkene ...</translation>
    </message>
    <message>
        <source>Unpacking the voice packs ...</source>
        <translation>Pakker ut talepakkene ...</translation>
    </message>
    <message>
        <source>1 voice installed.</source>
        <translation>1 stemme installert.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it failed its check.</source>
        <translation>1 talepakke ble ikke installert: kontrollen mislyktes.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>Det er ikke nok plass på SD-kortet.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they failed their check.</source>
        <translation>%1 talepakker ble ikke installert: kontrollen mislyktes.</translation>
    </message>
    <message>
        <source>%1 voices installed.</source>
        <translation>%1 stemmer installert.</translation>
    </message>
    <message>
        <source>No voice pack was found on the USB stick.</source>
        <translation>Ingen talepakke ble funnet på USB-pinnen.</translation>
    </message>
    <message>
        <source>The voice data is corrupted. No voice was installed.</source>
        <translation>Taledataene er skadet. Ingen stemme ble installert.</translation>
    </message>
    <message>
        <source>No voice was installed.</source>
        <translation>Ingen stemme ble installert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted.</source>
        <translation>&quot;%1&quot; er kryptert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses a compression that cannot be unpacked.</source>
        <translation>&quot;%1&quot; bruker en komprimering som ikke kan pakkes ut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an archive of a kind the transmitter cannot unpack.</source>
        <translation>&quot;%1&quot; er et arkiv av en type som senderen ikke kan pakke ut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed its check.</source>
        <translation>&quot;%1&quot; besto ikke kontrollen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: it is no whole zip archive.</source>
        <translation>&quot;%1&quot; kan ikke leses: det er ikke et helt zip-arkiv.</translation>
    </message>
    <message>
        <source>No USB stick was found.</source>
        <translation>Ingen USB-pinne ble funnet.</translation>
    </message>
    <message>
        <source>The voice cannot be deleted.</source>
        <translation>Stemmen kan ikke slettes.</translation>
    </message>
    <message>
        <source>Installed voices</source>
        <translation>Installerte stemmer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Please wait ...</source>
        <translation>Vennligst vent ...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds too many files: its checksum list may name at most 100.</source>
        <translation>&quot;%1&quot; inneholder for mange filer: kontrollsumlisten kan nevne høyst 100.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on the SD card.</source>
        <translation>&quot;%1&quot; får ikke plass på SD-kortet.</translation>
    </message>
    <message>
        <source>The voice packs cannot be installed: the folder &quot;%1&quot; on the SD card cannot be cleared.</source>
        <translation>Talepakkene kan ikke installeres: mappen &quot;%1&quot; på SD-kortet kan ikke tømmes.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: there is not enough memory on the SD card.</source>
        <translation>1 talepakke ble ikke installert: det er ikke nok plass på SD-kortet.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: there is not enough memory on the SD card.</source>
        <translation>%1 talepakker ble ikke installert: det er ikke nok plass på SD-kortet.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it cannot be read.</source>
        <translation>1 talepakke ble ikke installert: den kan ikke leses.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they cannot be read.</source>
        <translation>%1 talepakker ble ikke installert: de kan ikke leses.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it holds too many files.</source>
        <translation>1 talepakke ble ikke installert: den inneholder for mange filer.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they hold too many files.</source>
        <translation>%1 talepakker ble ikke installert: de inneholder for mange filer.</translation>
    </message>
</context>
<context>
    <name>VoiceSettings</name>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetri</translation>
    </message>
    <message>
        <source>Telemetry full</source>
        <translation>Telemetri full</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Flight mode</source>
        <translation>Flymodus</translation>
    </message>
    <message>
        <source>Timer short</source>
        <translation>Timer kort</translation>
    </message>
    <message>
        <source>Telemetry no units</source>
        <translation>Telem. uten enhet</translation>
    </message>
    <message>
        <source>Individual</source>
        <translation>Individuell</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>No more voice alarms available</source>
        <translation>Ingen flere talevarsler tilgjengelig</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>Trykk for å velge stemme</translation>
    </message>
    <message>
        <source>Do you really want to delete this voice alarm?</source>
        <translation>Vil du virkelig slette dette talevarselet?</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>Talevarsel</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>Tale-innstillinger</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kilde</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>Utløser</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Gjenta</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stemme</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Voices</source>
        <translation>Stemmer</translation>
    </message>
</context>
<context>
    <name>VoiceTelemetryIndividual</name>
    <message>
        <source>Sensor name</source>
        <translation>Sensornavn</translation>
    </message>
    <message>
        <source>Value name</source>
        <translation>Verdinavn</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>Talevarsel</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kilde</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
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
        <translation>Talevarsel for</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Obs</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Utløpt</translation>
    </message>
    <message>
        <source>Attention + Expired</source>
        <translation>Obs + utløpt</translation>
    </message>
</context>
<context>
    <name>VoiceTimerSelector</name>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Obs</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Utløpt</translation>
    </message>
    <message>
        <source>Att. + Exp.</source>
        <translation>Obs + utl.</translation>
    </message>
    <message>
        <source>Timer Name</source>
        <translation>Timernavn</translation>
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
        <translation>Av</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Tilkoblet</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Kobler til...</translation>
    </message>
    <message>
        <source>Waiting for an address</source>
        <translation>Venter på adresse</translation>
    </message>
    <message>
        <source>On, not connected</source>
        <translation>På, ikke tilkoblet</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Søker...</translation>
    </message>
    <message>
        <source>Switch WiFi on to find the networks in range.</source>
        <translation>Slå på WiFi for å finne nettverk innen rekkevidde.</translation>
    </message>
    <message>
        <source>No networks found. Touch Scan to search again.</source>
        <translation>Ingen nettverk funnet. Trykk Søk for å søke igjen.</translation>
    </message>
    <message>
        <source>A passphrase has 8 to 63 characters.</source>
        <translation>En passordfrase har 8 til 63 tegn.</translation>
    </message>
    <message>
        <source>The passphrase could not be stored.</source>
        <translation>Passordfrasen kunne ikke lagres.</translation>
    </message>
    <message>
        <source>This network cannot be joined with this name and passphrase.</source>
        <translation>Kan ikke koble til dette nettverket med dette navnet og passordfrasen.</translation>
    </message>
    <message>
        <source>This network is not stored.</source>
        <translation>Dette nettverket er ikke lagret.</translation>
    </message>
    <message>
        <source>A passphrase cannot hold a # after a &quot;.</source>
        <translation>En passordfrase kan ikke ha # etter &quot;.</translation>
    </message>
    <message>
        <source>The connection failed. Check the passphrase and try again.</source>
        <translation>Tilkoblingen mislyktes. Sjekk passordfrasen og prøv igjen.</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>WiFi</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nettverk</translation>
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
        <translation>Valgt</translation>
    </message>
    <message>
        <source>Touch a network</source>
        <translation>Trykk på et nettverk</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>Passordfrase</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Koble fra</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Glem</translation>
    </message>
</context>
<context>
    <name>main</name>
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
        <source>General error occured</source>
        <translation>Generell feil oppstod</translation>
    </message>
    <message>
        <source>Function don&apos;t exist</source>
        <translation>Funksjonen finnes ikke</translation>
    </message>
    <message>
        <source>More than one control recognized</source>
        <translation>Mer enn én kontroll gjenkjent</translation>
    </message>
    <message>
        <source>No movement detected</source>
        <translation>Ingen bevegelse registrert</translation>
    </message>
    <message>
        <source>Index off the limits</source>
        <translation>Indeks utenfor grensene</translation>
    </message>
    <message>
        <source>Unknown control</source>
        <translation>Ukjent kontroll</translation>
    </message>
    <message>
        <source>Servo already in use</source>
        <translation>Servoen er allerede i bruk</translation>
    </message>
    <message>
        <source>Servo not used</source>
        <translation>Servoen er ikke i bruk</translation>
    </message>
    <message>
        <source>Servo not assigned</source>
        <translation>Servoen er ikke tilordnet</translation>
    </message>
    <message>
        <source>Reached maximum servos per function</source>
        <translation>Maks. antall servoer per funksjon er nådd</translation>
    </message>
    <message>
        <source>Reached maximum curves</source>
        <translation>Maks. antall kurver er nådd</translation>
    </message>
    <message>
        <source>Reached maximum Flight Mode count</source>
        <translation>Maks. antall flymoduser er nådd</translation>
    </message>
    <message>
        <source>Reached maximum function count</source>
        <translation>Maks. antall funksjoner er nådd</translation>
    </message>
    <message>
        <source>Reached maximum limit count</source>
        <translation>Maks. antall grenser er nådd</translation>
    </message>
    <message>
        <source>Reached maximum mixer count</source>
        <translation>Maks. antall miksere er nådd</translation>
    </message>
    <message>
        <source>Reached maximum sequencer count</source>
        <translation>Maks. antall sekvensere er nådd</translation>
    </message>
    <message>
        <source>Reached maximum servo config count</source>
        <translation>Maks. antall servokonfigurasjoner er nådd</translation>
    </message>
    <message>
        <source>Sensor not in use</source>
        <translation>Sensoren er ikke i bruk</translation>
    </message>
    <message>
        <source>Widget not used</source>
        <translation>Widgeten er ikke i bruk</translation>
    </message>
    <message>
        <source>Reached maximum of widgets</source>
        <translation>Maks. antall widgeter er nådd</translation>
    </message>
    <message>
        <source>Reached maximum of sensors</source>
        <translation>Maks. antall sensorer er nådd</translation>
    </message>
    <message>
        <source>Reached maximum of timers</source>
        <translation>Maks. antall timere er nådd</translation>
    </message>
    <message>
        <source>Reached maximum of virtual switches</source>
        <translation>Maks. antall virtuelle brytere er nådd</translation>
    </message>
    <message>
        <source>Reached maximum number of functions that can control this servo</source>
        <translation>Maks. antall funksjoner som kan styre denne servoen er nådd</translation>
    </message>
    <message>
        <source>The maximum number of headup items has been reached.</source>
        <translation>Maksimalt antall headup-elementer er nådd.</translation>
    </message>
    <message>
        <source>This control is already assigned as a channel Vorn control. Please select another control!</source>
        <translation>Denne kontrollen er allerede tilordnet som Vorn-kontroll for en kanal. Velg en annen kontroll!</translation>
    </message>
    <message>
        <source>This control is already assigned to Trainer cord switch. Please select another control!</source>
        <translation>Denne kontrollen er allerede tilordnet lærer/elev-bryteren. Velg en annen kontroll!</translation>
    </message>
    <message>
        <source>This control is already assigned as an input of FM/Sequencer/Servo-Cut/Mixer/Vario control virtual switch. Please select another control!</source>
        <translation>Denne kontrollen er allerede tilordnet som inngang til en virtuell bryter for FM/sekvenser/servokutt/mikser/vario. Velg en annen kontroll!</translation>
    </message>
    <message>
        <source>File of the active model cannot be modified!</source>
        <translation>Filen til den aktive modellen kan ikke endres!</translation>
    </message>
    <message>
        <source>Cannot delete non-empty folder!</source>
        <translation>Kan ikke slette en mappe som ikke er tom!</translation>
    </message>
    <message>
        <source>Reached maximum of telemetry controls.</source>
        <translation>Maks. antall telemetrikontroller er nådd.</translation>
    </message>
    <message>
        <source>Cancelled by the user.</source>
        <translation>Avbrutt av brukeren.</translation>
    </message>
    <message>
        <source>Not yet implemented</source>
        <translation>Ikke implementert ennå</translation>
    </message>
    <message>
        <source>Empty input not allowed</source>
        <translation>Tom inndata er ikke tillatt</translation>
    </message>
    <message>
        <source>This name is already being used</source>
        <translation>Dette navnet er allerede i bruk</translation>
    </message>
    <message>
        <source>Reached maximum entry count</source>
        <translation>Maks. antall oppføringer er nådd</translation>
    </message>
    <message>
        <source>This item cannot be deleted</source>
        <translation>Dette elementet kan ikke slettes</translation>
    </message>
    <message>
        <source>No USB device detected. Please connect USB device and try again</source>
        <translation>Ingen USB-enhet funnet. Koble til en USB-enhet og prøv igjen</translation>
    </message>
    <message>
        <source>Installed software is already up-to-date</source>
        <translation>Installert programvare er allerede oppdatert</translation>
    </message>
    <message>
        <source>No Update.xml file is found on the USB device</source>
        <translation>Ingen Update.xml-fil funnet på USB-enheten</translation>
    </message>
    <message>
        <source>No telemetry control can be assigned as an input of this VS, since this VS controls another telemetry control!</source>
        <translation>Ingen telemetrikontroll kan tilordnes som inngang til denne VB, siden denne VB styrer en annen telemetrikontroll!</translation>
    </message>
    <message>
        <source>Error:
Unknown Error, Errorcode: </source>
        <translation>Feil:
Ukjent feil, feilkode: </translation>
    </message>
    <message>
        <source>General Error

No errortext defined.</source>
        <translation>Generell feil

Ingen feiltekst definert.</translation>
    </message>
    <message>
        <source>SD card not detected in system!</source>
        <translation>SD-kort ikke funnet i systemet!</translation>
    </message>
    <message>
        <source>Model CRC data is bad!</source>
        <translation>Modellens CRC-data er ugyldige!</translation>
    </message>
    <message>
        <source>Fast start is not possible next time.</source>
        <translation>Hurtigstart er ikke mulig neste gang.</translation>
    </message>
    <message>
        <source>There is no current model to set up.
Open the model menu to load or make one?</source>
        <translation>Det finnes ingen aktiv modell å sette opp.
Åpne modellmenyen for å laste inn eller lage en?</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is full.</source>
        <translation>Endringene dine i modellen ble ikke lagret: SD-kortet er fullt.</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Endringene dine i modellen ble ikke lagret: SD-kortet er mindre enn de 256 MiB senderen trenger.</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card could not be written.</source>
        <translation>Endringene dine i modellen ble ikke lagret: Det gikk ikke å skrive til SD-kortet.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is full.</source>
        <translation>Modellens driftstid og tidtakerverdier kunne ikke lagres: SD-kortet er fullt.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Modellens driftstid og tidtakerverdier kunne ikke lagres: SD-kortet er mindre enn de 256 MiB senderen trenger.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card could not be written.</source>
        <translation>Modellens driftstid og tidtakerverdier kunne ikke lagres: Det gikk ikke å skrive til SD-kortet.</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>SD-kortet er mindre enn de 256 MiB senderen trenger.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is full.</source>
        <translation>Endringene dine i innstillingene ble ikke lagret: SD-kortet er fullt.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Endringene dine i innstillingene ble ikke lagret: SD-kortet er mindre enn de 256 MiB senderen trenger.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card could not be written.</source>
        <translation>Endringene dine i innstillingene ble ikke lagret: Det gikk ikke å skrive til SD-kortet.</translation>
    </message>
</context>
</TS>
