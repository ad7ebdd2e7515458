<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en_US">
<context>
    <name>12</name>
    <message>
        <source>Function %1</source>
        <translation>Toiminto %1</translation>
    </message>
    <message>
        <source>FCC-TEST</source>
        <translation>FCC-TESTI</translation>
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
        <translation>S.BUS-tulo</translation>
    </message>
    <message>
        <source>SRXL In</source>
        <translation>SRXL-tulo</translation>
    </message>
    <message>
        <source>System information successfully exported!</source>
        <translation>Järjestelmätiedot viety onnistuneesti!</translation>
    </message>
    <message>
        <source>System information cannot be exported to USB device. Check available space or insert another one!</source>
        <translation>Järjestelmätietoja ei voi viedä USB-laitteelle. Tarkista vapaa tila tai liitä toinen laite!</translation>
    </message>
    <message>
        <source>Pilotname</source>
        <translation>Lentäjän nimi</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Päivä/aika</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automaattinen</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>Käsin</translation>
    </message>
    <message>
        <source>Location/Time zone</source>
        <translation>Sijainti/aikavyöhyke</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Kesäaika</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Talviaika</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>dd-mm-yyyy</source>
        <translation>pp-kk-vvvv</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>ip.</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>ap.</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <translation>tt:mm</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Yksiköt</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperiaalinen</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrinen</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Ohjelmisto</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Tarkista</translation>
    </message>
    <message>
        <source>Servo/Data:</source>
        <translation>Servo/data:</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>Pikakäynnistys</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>Telemetry logging</source>
        <translation>Telemetrialoki</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrointi</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Käynnistä</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Järjestelmätiedot</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Sarjanumero</translation>
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
        <translation>Kaiutin</translation>
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
        <translation>Puhe</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>Trimmiäänet</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>Piippaukset</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ääni</translation>
    </message>
</context>
<context>
    <name>18</name>
    <message>
        <source>2-Pos.</source>
        <translation>2-as.</translation>
    </message>
    <message>
        <source>3-Pos.</source>
        <translation>3-as.</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>lineaarinen</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Aikakatkaisu</translation>
    </message>
    <message>
        <source>Please move the control</source>
        <translation>Liikuta ohjainta,</translation>
    </message>
    <message>
        <source>you wish to calibrate</source>
        <translation>jonka haluat kalibroida</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>Suunta</translation>
    </message>
    <message>
        <source>Invers</source>
        <translation>Käänteinen</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaali</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrointi</translation>
    </message>
    <message>
        <source>Move Control to</source>
        <translation>Vie ohjain</translation>
    </message>
    <message>
        <source>Endpositions</source>
        <translation>ääriasentoihin</translation>
    </message>
    <message>
        <source>Center Position</source>
        <translation>keskiasentoon</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Please choose the type of the control first</source>
        <translation>Valitse ensin ohjaimen tyyppi</translation>
    </message>
</context>
<context>
    <name>19</name>
    <message>
        <source>Are you sure you would like to delete this mixer?</source>
        <translation>Haluatko varmasti poistaa tämän mikserin?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>from Function</source>
        <translation>Toiminnosta</translation>
    </message>
    <message>
        <source>to Function</source>
        <translation>Toimintoon</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Säädä</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ohje</translation>
    </message>
</context>
<context>
    <name>1_System_Appearance</name>
    <message>
        <source>1 Min.</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>2 Min.</source>
        <translation>2 min</translation>
    </message>
    <message>
        <source>5 Min.</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 Min.</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>15 Min.</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>30 Min.</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>45 Min.</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>60 Min.</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>Display dim</source>
        <translation>Himmennys</translation>
    </message>
    <message>
        <source>Auto Lock</source>
        <translation>Autolukitus</translation>
    </message>
    <message>
        <source>Idle Alarm</source>
        <translation>Taukohälytys</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tausta</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Musta</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Valkoinen</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Korostusväri</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Kuvake</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Kirkkaus</translation>
    </message>
    <message>
        <source>Intro Video</source>
        <translation>Aloitusvideo</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>DebugScreen</source>
        <translation>Debug-näyttö</translation>
    </message>
</context>
<context>
    <name>20</name>
    <message>
        <source>Do you really want to reset all settings of this mixer to the values of &apos;</source>
        <translation>Haluatko varmasti palauttaa tämän mikserin kaikki asetukset lentotilan &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos; arvoihin?</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mikseri</translation>
    </message>
    <message>
        <source>from</source>
        <translation>Lähde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>Kohde</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ohjain</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Määrä</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Kulkuaika</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Lentotila</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Erillinen</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Yhteinen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Toiminto</translation>
    </message>
</context>
<context>
    <name>21</name>
    <message>
        <source>Do you really want to delete this virtual switch?</source>
        <translation>Haluatko varmasti poistaa tämän virtuaalikytkimen?</translation>
    </message>
    <message>
        <source>The selected virtual switch is used as an input of &apos;</source>
        <translation>Valittu virtuaalikytkin on tulona kohteessa &apos;</translation>
    </message>
    <message>
        <source>&apos; and cannot be deleted!</source>
        <translation>&apos;, eikä sitä voi poistaa!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ohjain</translation>
    </message>
    <message>
        <source>Input state</source>
        <translation>Tulon tila</translation>
    </message>
    <message>
        <source>Logic</source>
        <translation>Logiikka</translation>
    </message>
    <message>
        <source>Output state</source>
        <translation>Lähdön tila</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
</context>
<context>
    <name>22</name>
    <message>
        <source>Do you really want to reset all settings of this trim to the global values?</source>
        <translation>Haluatko varmasti palauttaa tämän trimmin kaikki asetukset yhteisiin arvoihin?</translation>
    </message>
    <message>
        <source>Trim setup:</source>
        <translation>Trimmin asetukset:</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ohjain</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Lentotila</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Erillinen</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Yhteinen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Keski</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vasen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Oikea</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Siirto</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Trimmialue</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Askeleet</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Suunta</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Käänteinen</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaali</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signaali</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piippaus</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Värinä</translation>
    </message>
    <message>
        <source>Vibr. + Beep</source>
        <translation>Värinä + piip</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ei mitään</translation>
    </message>
</context>
<context>
    <name>23</name>
    <message>
        <source>A1 Tx high</source>
        <translation>A1 Tx korkea</translation>
    </message>
    <message>
        <source>A1 Tx mid</source>
        <translation>A1 Tx keski</translation>
    </message>
    <message>
        <source>A1 Tx low</source>
        <translation>A1 Tx matala</translation>
    </message>
    <message>
        <source>A1 hopping</source>
        <translation>A1 hyppely</translation>
    </message>
    <message>
        <source>A1 Rx high</source>
        <translation>A1 Rx korkea</translation>
    </message>
    <message>
        <source>A1 Rx mid</source>
        <translation>A1 Rx keski</translation>
    </message>
    <message>
        <source>A1 Rx low</source>
        <translation>A1 Rx matala</translation>
    </message>
    <message>
        <source>A2 Tx high</source>
        <translation>A2 Tx korkea</translation>
    </message>
    <message>
        <source>A2 Tx mid</source>
        <translation>A2 Tx keski</translation>
    </message>
    <message>
        <source>A2 Tx low</source>
        <translation>A2 Tx matala</translation>
    </message>
    <message>
        <source>A2 hopping</source>
        <translation>A2 hyppely</translation>
    </message>
    <message>
        <source>A2 Rx high</source>
        <translation>A2 Rx korkea</translation>
    </message>
    <message>
        <source>A2 Rx mid</source>
        <translation>A2 Rx keski</translation>
    </message>
    <message>
        <source>A2 Rx low</source>
        <translation>A2 Rx matala</translation>
    </message>
    <message>
        <source>Test off</source>
        <translation>Testi pois</translation>
    </message>
    <message>
        <source>Bandwidth EU</source>
        <translation>Kaistanleveys EU</translation>
    </message>
    <message>
        <source>-- High channel</source>
        <translation>-- Ylin kanava</translation>
    </message>
    <message>
        <source>++ Low channel</source>
        <translation>++ Alin kanava</translation>
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
        <translation>Laiteohjelmiston päivitys on valmis.</translation>
    </message>
    <message>
        <source>The firmware update failed.</source>
        <translation>Laiteohjelmiston päivitys epäonnistui.</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Laiteohjelmiston päivitys</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again.</source>
        <translation>Sammuta lähetin ja käynnistä se uudelleen.</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again: the update is repeated at the next start.</source>
        <translation>Sammuta lähetin ja käynnistä se uudelleen: päivitys toistetaan seuraavassa käynnistyksessä.</translation>
    </message>
    <message>
        <source>The transmitter starts with the controllers&apos; present firmware. The update is repeated at the next start.</source>
        <translation>Lähetin käynnistyy mikro-ohjainten nykyisellä laiteohjelmistolla. Päivitys toistetaan seuraavassa käynnistyksessä.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The controllers receive the firmware of the new software. Do not switch the transmitter off.</source>
        <translation>Mikro-ohjaimiin ladataan uuden ohjelmiston laiteohjelmisto. Älä sammuta lähetintä.</translation>
    </message>
    <message>
        <source>The firmware recovery is finished.</source>
        <translation>Laiteohjelmiston palautus on valmis.</translation>
    </message>
    <message>
        <source>The firmware recovery failed.</source>
        <translation>Laiteohjelmiston palautus epäonnistui.</translation>
    </message>
    <message>
        <source>Firmware recovery</source>
        <translation>Laiteohjelmiston palautus</translation>
    </message>
    <message>
        <source>The controller&apos;s firmware may be incomplete. Please start the recovery again.</source>
        <translation>Mikro-ohjaimen laiteohjelmisto voi olla keskeneräinen. Aloita palautus uudelleen.</translation>
    </message>
    <message>
        <source>The controller receives the firmware of this software. Do not switch the transmitter off.</source>
        <translation>Mikro-ohjaimeen ladataan tämän ohjelmiston laiteohjelmisto. Älä sammuta lähetintä.</translation>
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
        <translation>Valitse servo:</translation>
    </message>
    <message>
        <source>Select function:</source>
        <translation>Valitse toiminto:</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Raja</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>Liike</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Keski</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>Suunta</translation>
    </message>
    <message>
        <source>Please select servo and function:</source>
        <translation>Valitse servo ja toiminto:</translation>
    </message>
</context>
<context>
    <name>27_FunctionServos</name>
    <message>
        <source>Select servo:</source>
        <translation>Valitse servo:</translation>
    </message>
    <message>
        <source>Are you sure you would like to delete this servo?</source>
        <translation>Haluatko varmasti poistaa tämän servon?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>Valitse vapaa servo:</translation>
    </message>
</context>
<context>
    <name>29</name>
    <message>
        <source>Trim</source>
        <translation>Trimmi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete trim</source>
        <translation>Poista trimmi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>2_Home</name>
    <message>
        <source>Sensors auto rescan...
 Attempt #</source>
        <translation>Antureiden autom. uusintahaku...
 Yritys #</translation>
    </message>
    <message>
        <source>sensors found.
</source>
        <translation>anturia löytyi.
</translation>
    </message>
    <message>
        <source>Please perform new rescan manually!</source>
        <translation>Tee uusi haku käsin!</translation>
    </message>
    <message>
        <source>Model Fast Start!</source>
        <translation>Mallin pikakäynnistys!</translation>
    </message>
    <message>
        <source> Trims unlocked!</source>
        <translation> Trimmit vapautettu!</translation>
    </message>
    <message>
        <source>Trims locked!</source>
        <translation>Trimmit lukittu!</translation>
    </message>
    <message>
        <source> - Model error</source>
        <translation> - Mallivirhe</translation>
    </message>
    <message>
        <source> - File not found or corrupted!</source>
        <translation> - Tiedostoa ei löydy tai se on vioittunut!</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>Malli: </translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Sivu </translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>Mallia ladataan...</translation>
    </message>
    <message>
        <source>Not loaded:</source>
        <translation>Ei ladattu:</translation>
    </message>
    <message>
        <source> - SD card smaller than 256 MiB!</source>
        <translation> - SD-kortti alle 256 MiB!</translation>
    </message>
</context>
<context>
    <name>33_MixerCurveEditor</name>
    <message>
        <source>Points</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Pehmeä</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Suora</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>Nollaa käyrä</translation>
    </message>
</context>
<context>
    <name>35_TimerSetup</name>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Do you really want to delete this timer control?</source>
        <translation>Haluatko varmasti poistaa tämän ajastimen ohjaimen?</translation>
    </message>
    <message>
        <source>Timer name</source>
        <translation>Ajastimen nimi</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Nykyarvo</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Alkuaika</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Loppuaika</translation>
    </message>
    <message>
        <source>Auto reset</source>
        <translation>Autonollaus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ohjain</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Käynnistä</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nollaa</translation>
    </message>
    <message>
        <source>Audio settings</source>
        <translation>Ääniasetukset</translation>
    </message>
</context>
<context>
    <name>36_ControlSelector</name>
    <message>
        <source>Function</source>
        <translation>Toiminto</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mikseri</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Kytkin</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>FM control #</source>
        <translation>Lentotilaohjain #</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Ajastin</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Puhe</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Trainer cord</source>
        <translation>Opetusjohto</translation>
    </message>
    <message>
        <source>Sequencer</source>
        <translation>Sekvensseri</translation>
    </message>
    <message>
        <source>T-Con On/Off</source>
        <translation>T-Con päälle/pois</translation>
    </message>
    <message>
        <source>Headup</source>
        <translation>Headup</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Eteen</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Taakse</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Alkuun</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Äänitaso</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Päälle/pois</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>Aktivoija</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Vorn-ohjain</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktivointi</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signaali</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Kaiutin</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>Trimmiäänet</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>Piippaukset</translation>
    </message>
    <message>
        <source>Diff. input</source>
        <translation>Diff.-tulo</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Tulo</translation>
    </message>
    <message>
        <source>V-Switch</source>
        <translation>V-kytkin</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>Fixvalue</source>
        <translation>Kiinteä arvo</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Hetkellinen</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Vaihtava</translation>
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
        <translation>Pidä</translation>
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
        <translation>Pois</translation>
    </message>
    <message>
        <source>You are about to delete the following function: </source>
        <translation>Olet poistamassa seuraavan toiminnon: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Jatketaanko?</translation>
    </message>
    <message>
        <source>Failsafe teached!</source>
        <translation>Failsafe opetettu!</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Säädä</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>FS all</source>
        <translation>FS kaikki</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Opeta</translation>
    </message>
    <message>
        <source>This model has no functions yet. &quot;+&quot; adds one; its row then sets its name, control, trim and servos.</source>
        <translation>Tällä mallilla ei ole vielä toimintoja. &quot;+&quot; lisää yhden; sen rivillä asetetaan sitten nimi, ohjain, trimmi ja servot.</translation>
    </message>
</context>
<context>
    <name>5</name>
    <message>
        <source>Function Setup:</source>
        <translation>Toiminnon asetukset:</translation>
    </message>
</context>
<context>
    <name>5_1</name>
    <message>
        <source>Do you really want to reset all settings of this function to the values of &apos;</source>
        <translation>Haluatko varmasti palauttaa tämän toiminnon kaikki asetukset lentotilan &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos; arvoihin?</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Lentotila</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Erillinen</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Yhteinen</translation>
    </message>
    <message>
        <source>Control rate</source>
        <translation>Rate-ohjain</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Control expo</source>
        <translation>Expo-ohjain</translation>
    </message>
    <message>
        <source>Expo right</source>
        <translation>Expo oikea</translation>
    </message>
    <message>
        <source>Expo left</source>
        <translation>Expo vasen</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Käyrä</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Kulkuaika</translation>
    </message>
</context>
<context>
    <name>7</name>
    <message>
        <source>Flight Mode: Normal</source>
        <translation>Lentotila: Normaali</translation>
    </message>
</context>
<context>
    <name>9_BindingMenu</name>
    <message>
        <source>Type %1</source>
        <translation>Tyyppi %1</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>S/N %1</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 21</source>
        <translation>Vastaanottimet: R-Ediv 21</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 14</source>
        <translation>Vastaanottimet: R-Ediv 14</translation>
    </message>
    <message>
        <source>Receivers: own</source>
        <translation>Vastaanottimet: omat</translation>
    </message>
    <message>
        <source>Binding receiver %1 ...
Switch the receiver on in binding mode.</source>
        <translation>Sidotaan vastaanotinta %1 ...
Kytke vastaanotin päälle sidontatilassa.</translation>
    </message>
    <message>
        <source>Do you really want to delete receiver %1?</source>
        <translation>Haluatko varmasti poistaa vastaanottimen %1?</translation>
    </message>
    <message>
        <source>Deleting receiver %1 ...</source>
        <translation>Poistetaan vastaanotinta %1 ...</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Vastaanottimet</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Vastaanotin %1</translation>
    </message>
    <message>
        <source>not bound</source>
        <translation>ei sidottu</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Valikko</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Bind</source>
        <translation>Sido</translation>
    </message>
    <message>
        <source>Transmitter sensor</source>
        <translation>Lähettimen anturi</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>Vastaanotinohjelmisto</translation>
    </message>
</context>
<context>
    <name>AlarmMessageSettings</name>
    <message>
        <source>Timer Name</source>
        <translation>Ajastimen nimi</translation>
    </message>
    <message>
        <source>text</source>
        <translation>teksti</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Puheääni</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>Valitse puheääni</translation>
    </message>
</context>
<context>
    <name>AssistantControlChooser</name>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Tulo</translation>
    </message>
    <message>
        <source>Fix value</source>
        <translation>Kiinteä arvo</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Hetkellinen</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Vaihtava</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>AssistantServoChooser</name>
    <message>
        <source>Please select the servos you would like to add</source>
        <translation>Valitse lisättävät servot</translation>
    </message>
    <message>
        <source>Available servo slots: </source>
        <translation>Vapaita servopaikkoja: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>AssistantTypePage</name>
    <message>
        <source>Sailplane</source>
        <translation>Purjekone</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Suihkukone</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>Taitolento</translation>
    </message>
    <message>
        <source>Delta-Wing</source>
        <translation>Deltasiipi</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>V-pyrstö</translation>
    </message>
    <message>
        <source>Left wing</source>
        <translation>Vasen siipi</translation>
    </message>
    <message>
        <source>Right wing</source>
        <translation>Oikea siipi</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>Siipi</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Pyrstö</translation>
    </message>
    <message>
        <source>Throttle + Gear</source>
        <translation>Kaasu + laskuteline</translation>
    </message>
    <message>
        <source>Gyro + Aux</source>
        <translation>Gyro + Aux</translation>
    </message>
    <message>
        <source>Gear + Brake</source>
        <translation>Laskuteline + jarru</translation>
    </message>
    <message>
        <source>Throttle + Smoke</source>
        <translation>Kaasu + savu</translation>
    </message>
    <message>
        <source>Gyro + Vector</source>
        <translation>Gyro + vektori</translation>
    </message>
    <message>
        <source>You did not set any function, the assistant will be closed. A new model with an empty function list will be created.
Continue?</source>
        <translation>Et asettanut yhtään toimintoa, joten avustaja suljetaan. Luodaan uusi malli, jonka toimintoluettelo on tyhjä.
Jatketaanko?</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ohjain</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>Aileron Control</source>
        <translation>Siivekeohjain</translation>
    </message>
    <message>
        <source>Elevator Control</source>
        <translation>Korkeusohjain</translation>
    </message>
    <message>
        <source>Rudder Control</source>
        <translation>Sivuohjain</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>BTSettings</name>
    <message>
        <source>It may take up to 15 seconds to scan bluetooth devices</source>
        <translation>Bluetooth-laitteiden haku voi kestää jopa 15 sekuntia</translation>
    </message>
    <message>
        <source>The device is successfully connected</source>
        <translation>Laite on yhdistetty onnistuneesti</translation>
    </message>
    <message>
        <source>An unexpected error occurred while searching for devices</source>
        <translation>Odottamaton virhe laitteita haettaessa</translation>
    </message>
    <message>
        <source>An unexpected error occurred when stopping the device search</source>
        <translation>Odottamaton virhe laitehakua pysäytettäessä</translation>
    </message>
    <message>
        <source>An unexpected error occurred while deleting the device</source>
        <translation>Odottamaton virhe laitetta poistettaessa</translation>
    </message>
    <message>
        <source>An unexpected error occurred when connecting to the device</source>
        <translation>Odottamaton virhe laitteeseen yhdistettäessä</translation>
    </message>
    <message>
        <source>The maximum number of connected devices has been reached</source>
        <translation>Yhdistettyjen laitteiden enimmäismäärä on saavutettu</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Scan!</source>
        <translation>Hae!</translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Äänitesti</translation>
    </message>
    <message>
        <source>Bluetooth sound test</source>
        <translation>Bluetooth-äänitesti</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Haetaan...</translation>
    </message>
    <message>
        <source>No devices known. Touch Scan! to search.</source>
        <translation>Ei tunnettuja laitteita. Aloita haku painikkeella Hae!</translation>
    </message>
    <message>
        <source>Switch Bluetooth on to see the devices.</source>
        <translation>Kytke Bluetooth päälle nähdäksesi laitteet.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Yhdistä</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Kytke pois</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Kytke päälle</translation>
    </message>
</context>
<context>
    <name>CComplexTimer</name>
    <message>
        <source>hour</source>
        <translation>tunti</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>tuntia</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuutti</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuuttia</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>miinus</translation>
    </message>
    <message>
        <source>second</source>
        <translation>sekunti</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekuntia</translation>
    </message>
</context>
<context>
    <name>ControlConfigLinear</name>
    <message>
        <source>Input</source>
        <translation>Tulo</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Yli</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>Fixed control</source>
        <translation>Kiinteä ohjain</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No input is chosen yet. Touch &quot;Input&quot; above, then move the control you want (or pick a switch) and confirm with OK.</source>
        <translation>Tuloa ei ole vielä valittu. Kosketa yllä &quot;Tulo&quot;, liikuta haluamaasi ohjainta (tai valitse kytkin) ja vahvista OK:lla.</translation>
    </message>
    <message>
        <source>No input is chosen yet.</source>
        <translation>Tuloa ei ole vielä valittu.</translation>
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
        <translation>Lukittu</translation>
    </message>
</context>
<context>
    <name>CountrySelector</name>
    <message>
        <source>Not specified</source>
        <translation>Ei määritetty</translation>
    </message>
    <message>
        <source>Time zone [ ±hh:mm ]</source>
        <translation>Aikavyöhyke [ ±tt:mm ]</translation>
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
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>Select Point</source>
        <translation>Valitse piste</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Arvo</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Pehmeä</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Suora</translation>
    </message>
    <message>
        <source>Reset Curve</source>
        <translation>Nollaa käyrä</translation>
    </message>
</context>
<context>
    <name>CutoffSettings</name>
    <message>
        <source>Do you really want to delete this Servo Cut-off?</source>
        <translation>Haluatko varmasti poistaa tämän servon katkaisun?</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ohjain</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Asento</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Nykyinen</translation>
    </message>
    <message>
        <source>Delete Servo Cut-off</source>
        <translation>Poista servon katkaisu</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>Valitse vapaa servo:</translation>
    </message>
</context>
<context>
    <name>DifferentialsList</name>
    <message>
        <source>Do you really want to clear this differential?</source>
        <translation>Haluatko varmasti tyhjentää tämän differentiaalin?</translation>
    </message>
    <message>
        <source>Servo </source>
        <translation>Servo </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Please select an available function:</source>
        <translation>Valitse vapaa toiminto:</translation>
    </message>
    <message>
        <source>Please assign servos to the left or right side:</source>
        <translation>Määritä servot vasemmalle tai oikealle puolelle:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vasen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Oikea</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Toiminto</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servot</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Säädä</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Lähtö</translation>
    </message>
    <message>
        <source>No function has a differential yet. &quot;+&quot; gives one a differential; its row then sets the servos&apos; sides and the setup.</source>
        <translation>Millään toiminnolla ei ole vielä differentiaalia. &quot;+&quot; antaa sen yhdelle; sen rivillä asetetaan sitten servojen puolet ja säädöt.</translation>
    </message>
</context>
<context>
    <name>EmptyOutroStop</name>
    <message>
        <source>System shutting down</source>
        <translation>Järjestelmä sammuu</translation>
    </message>
</context>
<context>
    <name>FastMain</name>
    <message>
        <source>System starting...</source>
        <translation>Järjestelmä käynnistyy...</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>Nothing to choose from here</source>
        <translation>Täällä ei ole mitään valittavaa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>FileManager</name>
    <message>
        <source>Choose a storage</source>
        <translation>Valitse tallennuspaikka</translation>
    </message>
    <message>
        <source>Delete the %1 selected files and folders?</source>
        <translation>Poistetaanko %1 valittua tiedostoa ja kansiota?</translation>
    </message>
    <message>
        <source>Copying complete</source>
        <translation>Kopiointi valmis</translation>
    </message>
    <message>
        <source>Deleting complete</source>
        <translation>Poisto valmis</translation>
    </message>
    <message>
        <source>Canceled by the user</source>
        <translation>Käyttäjä peruutti</translation>
    </message>
    <message>
        <source>A file or folder cannot be deleted</source>
        <translation>Tiedostoa tai kansiota ei voi poistaa</translation>
    </message>
    <message>
        <source>A file or folder cannot be created in the destination folder</source>
        <translation>Tiedostoa tai kansiota ei voi luoda kohdekansioon</translation>
    </message>
    <message>
        <source>Copying complete. Files that existed already were skipped</source>
        <translation>Kopiointi valmis. Jo olemassa olleet tiedostot ohitettiin</translation>
    </message>
    <message>
        <source>A source file cannot be opened</source>
        <translation>Lähdetiedostoa ei voi avata</translation>
    </message>
    <message>
        <source>A source file cannot be read</source>
        <translation>Lähdetiedostoa ei voi lukea</translation>
    </message>
    <message>
        <source>A file cannot be written in the destination folder</source>
        <translation>Tiedostoa ei voi kirjoittaa kohdekansioon</translation>
    </message>
    <message>
        <source>The destination folder is not available</source>
        <translation>Kohdekansio ei ole käytettävissä</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Muisti ei riitä</translation>
    </message>
    <message>
        <source>The source was not found</source>
        <translation>Lähdettä ei löytynyt</translation>
    </message>
    <message>
        <source>The file name cannot be generated automatically</source>
        <translation>Tiedostonimeä ei voi luoda automaattisesti</translation>
    </message>
    <message>
        <source>The destination folder is a subfolder of the source folder</source>
        <translation>Kohdekansio on lähdekansion alikansio</translation>
    </message>
    <message>
        <source>The source folder is the same as the destination folder</source>
        <translation>Lähdekansio on sama kuin kohdekansio</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Virhe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists already in the destination folder.</source>
        <translation>&quot;%1&quot; on jo kohdekansiossa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no WAVE sound file and cannot be played.</source>
        <translation>&quot;%1&quot; ei ole WAVE-äänitiedosto, eikä sitä voi toistaa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played.</source>
        <translation>Tiedostoa &quot;%1&quot; ei voitu toistaa.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Mistä:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Mihin:</translation>
    </message>
    <message>
        <source>Copy here ▶</source>
        <translation>Kopioi tähän ▶</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 valittu</translation>
    </message>
    <message>
        <source>Copying %1 of %2</source>
        <translation>Kopioidaan %1/%2</translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation>Poistetaan %1/%2</translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>WLAN-verkkoa ei ole määritetty. Määritä verkko ensin WLAN-asetuksissa.</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>Yhdistetään WLANiin ...</translation>
    </message>
    <message>
        <source>Looking for receiver firmware ...</source>
        <translation>Etsitään vastaanotinohjelmistoa ...</translation>
    </message>
    <message>
        <source>The download could not be started.</source>
        <translation>Latausta ei voitu aloittaa.</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>WLAN-yhteyttä ei voitu muodostaa.</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>Päivitystä ei löytynyt.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>SD-kortilla ei ole tarpeeksi tilaa.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>Päivityksen tiedosto on vioittunut. Aloita lataus uudelleen.</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>Yhteys päivityspalvelimeen epäonnistui.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Lataus valmis</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>Vastaanotinohjelmisto</translation>
    </message>
    <message>
        <source>No receiver firmware on the SD card. &quot;Download&quot; fetches it from the update server.</source>
        <translation>SD-kortilla ei ole vastaanotinohjelmistoa. &quot;Lataa&quot; hakee sen päivityspalvelimelta.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Lataa</translation>
    </message>
    <message>
        <source>Receiver firmware download</source>
        <translation>Vastaanotinohjelmiston lataus</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Vastaanotin %1</translation>
    </message>
    <message>
        <source>Write %1 into receiver %2?</source>
        <translation>Kirjoitetaanko %1 vastaanottimeen %2?</translation>
    </message>
    <message>
        <source>Receiver %1 runs firmware %2.</source>
        <translation>Vastaanottimen %1 ohjelmistoversio on nyt %2.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Päivitä</translation>
    </message>
    <message>
        <source>Receiver firmware update</source>
        <translation>Vastaanottimen päivitys</translation>
    </message>
</context>
<context>
    <name>FlightModeEditor</name>
    <message>
        <source>Do you really want to delete this
No Fade-in function?</source>
        <translation>Haluatko varmasti poistaa tämän
toiminnon ilman häivytystä?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Fade-in</source>
        <translation>Häivytys</translation>
    </message>
    <message>
        <source>No Fade-in Functions</source>
        <translation>Ei häivytystä</translation>
    </message>
    <message>
        <source>Delete function</source>
        <translation>Poista toiminto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select available functions:</source>
        <translation>Valitse vapaat toiminnot:</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
Vakiolentotila on luotava ensin!</translation>
    </message>
</context>
<context>
    <name>FlightModeSelector</name>
    <message>
        <source>Null string</source>
        <translation>Tyhjä merkkijono</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
Vakiolentotila on luotava ensin!</translation>
    </message>
    <message>
        <source>Delete Flight Mode</source>
        <translation>Poista lentotila</translation>
    </message>
    <message>
        <source>Delete FM Control</source>
        <translation>Poista lentotilaohjain</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopioi</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Vaihda</translation>
    </message>
    <message>
        <source>Do you really want to delete this
Flight Mode control?</source>
        <translation>Haluatko varmasti poistaa tämän
lentotilaohjaimen?</translation>
    </message>
    <message>
        <source>Do you really want to delete
this Flight Mode?</source>
        <translation>Haluatko varmasti poistaa
tämän lentotilan?</translation>
    </message>
    <message>
        <source>
Cannot delete standard Flight Mode!</source>
        <translation>
Vakiolentotilaa ei voi poistaa!</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>Malli: </translation>
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
        <translation>Differentiaali</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Lentotila</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Erillinen</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Yhteinen</translation>
    </message>
    <message>
        <source>Diff. control</source>
        <translation>Diff.-ohjain</translation>
    </message>
    <message>
        <source>Diff. trim</source>
        <translation>Diff.-trimmi</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Näkymä</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Toiminto</translation>
    </message>
    <message>
        <source>No servo has a side yet: the differential acts only on servos set to the left or right side in the differential list&apos;s servo column.</source>
        <translation>Yhdelläkään servolla ei ole vielä puolta: differentiaali vaikuttaa vain servoihin, jotka on asetettu vasemmalle tai oikealle puolelle differentiaalilistan servosarakkeessa.</translation>
    </message>
</context>
<context>
    <name>FunctionDiffItemV2</name>
    <message>
        <source>Setup</source>
        <translation>Säädä</translation>
    </message>
</context>
<context>
    <name>GPSSideBoard</name>
    <message>
        <source>Latitude</source>
        <translation>Leveysaste</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Pituusaste</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kurssi</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Etäisyys</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliitit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Aika</translation>
    </message>
</context>
<context>
    <name>HeadupMenu</name>
    <message>
        <source>Telemetry</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Ajastin</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>Tyhjä</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Ei tietoja</translation>
    </message>
    <message>
        <source>Kind of the item</source>
        <translation>Kohteen laji</translation>
    </message>
    <message>
        <source>Telemetry value</source>
        <translation>Telemetria-arvo</translation>
    </message>
    <message>
        <source>There is nothing of this kind to choose.</source>
        <translation>Tätä lajia ei ole valittavana.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seur.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Edell.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>No items. Touch + to add one.</source>
        <translation>Ei kohteita. Lisää kohde koskettamalla +.</translation>
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
        <translation>Rajaa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
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
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>KLX_CopyModelData</name>
    <message>
        <source>The file already exists in the target folder, overwrite?</source>
        <translation>Tiedosto on jo kohdekansiossa. Korvataanko?</translation>
    </message>
    <message>
        <source>The following file was already deleted!</source>
        <translation>Seuraava tiedosto on jo poistettu!</translation>
    </message>
    <message>
        <source>Add and replace files in destination folder:</source>
        <translation>Lisää ja korvaa tiedostot kohdekansiossa:</translation>
    </message>
    <message>
        <source>Not on the card:</source>
        <translation>Ei kortilla:</translation>
    </message>
</context>
<context>
    <name>KLX_DataBaseManager</name>
    <message>
        <source>mixer</source>
        <translation>mikseri</translation>
    </message>
    <message>
        <source>sequencer</source>
        <translation>sekvensseri</translation>
    </message>
    <message>
        <source>servo</source>
        <translation>servo</translation>
    </message>
    <message>
        <source>telecontrol</source>
        <translation>telemetrian ohjain</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ei mitään</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Vakio</translation>
    </message>
</context>
<context>
    <name>KLX_ErrorData</name>
    <message>
        <source>Model currently active – cannot erase!</source>
        <translation>Malli on käytössä – poisto ei onnistu!</translation>
    </message>
    <message>
        <source>Battery is weak - please charge before update!</source>
        <translation>Akku heikko - lataa ennen päivitystä!</translation>
    </message>
    <message>
        <source>Target file already exists – cannot copy!</source>
        <translation>Kohdetiedosto on jo olemassa – kopiointi ei onnistu!</translation>
    </message>
    <message>
        <source>No source file selected – cannot copy!</source>
        <translation>Lähdetiedostoa ei valittu – kopiointi ei onnistu!</translation>
    </message>
    <message>
        <source>No USB stick plugged – cannot copy!</source>
        <translation>USB-tikkua ei ole kytketty – kopiointi ei onnistu!</translation>
    </message>
    <message>
        <source>Bad servoindex or mixerindex in servo configuration!</source>
        <translation>Virheellinen servo- tai mikseri-indeksi servoasetuksissa!</translation>
    </message>
    <message>
        <source>Servo configuration not used!</source>
        <translation>Servoasetus ei ole käytössä!</translation>
    </message>
    <message>
        <source>Bad function index in servomixer!</source>
        <translation>Virheellinen toimintoindeksi servomikserissä!</translation>
    </message>
    <message>
        <source>Wrong function count in flightmode!</source>
        <translation>Väärä toimintojen määrä lentotilassa!</translation>
    </message>
    <message>
        <source>Wrong setup count in functions!</source>
        <translation>Väärä asetusten määrä toiminnoissa!</translation>
    </message>
    <message>
        <source>Wrong setup count in mixers!</source>
        <translation>Väärä asetusten määrä miksereissä!</translation>
    </message>
    <message>
        <source>No receiver found!</source>
        <translation>Vastaanotinta ei löytynyt!</translation>
    </message>
    <message>
        <source>This unit cannot be loaded!</source>
        <translation>Tätä osaa ei voi ladata!</translation>
    </message>
    <message>
        <source>Cannot delete file or folder!</source>
        <translation>Tiedostoa tai kansiota ei voi poistaa!</translation>
    </message>
    <message>
        <source>No destination folder!</source>
        <translation>Ei kohdekansiota!</translation>
    </message>
    <message>
        <source>No source folder!</source>
        <translation>Ei lähdekansiota!</translation>
    </message>
    <message>
        <source>Not enough memory on the SD card – cannot copy!</source>
        <translation>SD-kortin muisti ei riitä – kopiointi ei onnistu!</translation>
    </message>
    <message>
        <source>Not enough memory on the target – cannot copy!</source>
        <translation>Kohteen muisti ei riitä – kopiointi ei onnistu!</translation>
    </message>
    <message>
        <source>No usable SD card – cannot copy!</source>
        <translation>Ei käyttökelpoista SD-korttia – kopiointi ei onnistu!</translation>
    </message>
    <message>
        <source>The model file could not be copied into the target folder!</source>
        <translation>Mallitiedostoa ei voitu kopioida kohdekansioon!</translation>
    </message>
    <message>
        <source>The model is being saved – please try again!</source>
        <translation>Mallia tallennetaan – yritä uudelleen!</translation>
    </message>
    <message>
        <source>Model path outside the model folders – cannot copy!</source>
        <translation>Mallin polku on mallikansioiden ulkopuolella – kopiointi ei onnistu!</translation>
    </message>
    <message>
        <source>The copy could not be set up!</source>
        <translation>Kopiointia ei voitu valmistella!</translation>
    </message>
    <message>
        <source>The copy was in no known step and was stopped!</source>
        <translation>Kopiointi oli tuntemattomassa vaiheessa ja se keskeytettiin!</translation>
    </message>
    <message>
        <source>The copy took too long and was stopped!</source>
        <translation>Kopiointi kesti liian kauan ja se keskeytettiin!</translation>
    </message>
    <message>
        <source>Reading or writing failed – cannot copy!</source>
        <translation>Luku tai kirjoitus epäonnistui – kopiointi ei onnistu!</translation>
    </message>
    <message>
        <source>No backup of the model file could be made!</source>
        <translation>Mallitiedostosta ei voitu tehdä varmuuskopiota!</translation>
    </message>
    <message>
        <source>The loaded model and the settings files cannot be deleted!</source>
        <translation>Ladattua mallia ja asetustiedostoja ei voi poistaa!</translation>
    </message>
    <message>
        <source>Path outside the allowed folders!</source>
        <translation>Polku on sallittujen kansioiden ulkopuolella!</translation>
    </message>
    <message>
        <source>More than 5 GB – cannot copy!</source>
        <translation>Yli 5 Gt – kopiointi ei onnistu!</translation>
    </message>
    <message>
        <source>The new folder could not be created!</source>
        <translation>Uutta kansiota ei voitu luoda!</translation>
    </message>
    <message>
        <source>Unknown copy or delete request – nothing was done!</source>
        <translation>Tuntematon kopiointi- tai poistopyyntö – mitään ei tehty!</translation>
    </message>
</context>
<context>
    <name>KLX_ProcessVorn</name>
    <message>
        <source>System synchronization</source>
        <translation>Järjestelmän synkronointi</translation>
    </message>
    <message>
        <source>Loading model</source>
        <translation>Ladataan mallia</translation>
    </message>
    <message>
        <source>Loading unit</source>
        <translation>Ladataan osaa</translation>
    </message>
    <message>
        <source>Deleting unit</source>
        <translation>Poistetaan osaa</translation>
    </message>
    <message>
        <source>Sending binding configuration</source>
        <translation>Lähetetään sidonta-asetuksia</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Sidonta</translation>
    </message>
    <message>
        <source>Calibrating controls</source>
        <translation>Kalibroidaan ohjaimia</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>Luodaan uutta mallia</translation>
    </message>
    <message>
        <source>Deleting model</source>
        <translation>Poistetaan mallia</translation>
    </message>
    <message>
        <source>Receiving modeldata</source>
        <translation>Vastaanotetaan mallin tietoja</translation>
    </message>
    <message>
        <source>Renaming model</source>
        <translation>Nimetään malli uudelleen</translation>
    </message>
    <message>
        <source>Onboard firmware update</source>
        <translation>Sisäisen laiteohjelmiston päivitys</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>Järjestelmäpäivitys</translation>
    </message>
    <message>
        <source>Copy model</source>
        <translation>Kopioi malli</translation>
    </message>
    <message>
        <source>Capture sensor menue data</source>
        <translation>Luetaan anturin valikkoa</translation>
    </message>
    <message>
        <source>Set sensor data</source>
        <translation>Asetetaan anturin tiedot</translation>
    </message>
    <message>
        <source>Set sensor mainadress</source>
        <translation>Asetetaan anturin osoite</translation>
    </message>
    <message>
        <source>Copy model data to external device</source>
        <translation>Kopioi mallin tiedot ulkoiseen laitteeseen</translation>
    </message>
    <message>
        <source>Read menu data continiously</source>
        <translation>Luetaan valikon tietoja jatkuvasti</translation>
    </message>
    <message>
        <source>Capture telemetrie data</source>
        <translation>Kerätään telemetriatietoja</translation>
    </message>
</context>
<context>
    <name>KLX_RuntimeCalcAlarm</name>
    <message>
        <source>volts</source>
        <translation>volttia</translation>
    </message>
    <message>
        <source>millivolts</source>
        <translation>millivolttia</translation>
    </message>
    <message>
        <source>amps</source>
        <translation>ampeeria</translation>
    </message>
    <message>
        <source>milliamps</source>
        <translation>milliampeeria</translation>
    </message>
    <message>
        <source>milliampere-hours</source>
        <translation>milliampeerituntia</translation>
    </message>
    <message>
        <source>feet per second</source>
        <translation>jalkaa sekunnissa</translation>
    </message>
    <message>
        <source>meters per second</source>
        <translation>metriä sekunnissa</translation>
    </message>
    <message>
        <source>degree Celsius</source>
        <translation>celsiusastetta</translation>
    </message>
    <message>
        <source>degree Fahrenheit</source>
        <translation>fahrenheitastetta</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Hälytys</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>päättynyt</translation>
    </message>
    <message>
        <source>attention</source>
        <translation>huomio</translation>
    </message>
</context>
<context>
    <name>KLX_Timer</name>
    <message>
        <source>hour</source>
        <translation>tunti</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>tuntia</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuutti</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuuttia</translation>
    </message>
    <message>
        <source>second</source>
        <translation>sekunti</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekuntia</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>miinus</translation>
    </message>
</context>
<context>
    <name>KLX_TimersAlarms</name>
    <message>
        <source>Attention:data synchronization failed!Please land your aircraft!</source>
        <translation>Huomio: tietojen synkronointi epäonnistui! Laske lennokki maahan!</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Space</source>
        <translation>Välilyönti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No more than three lines</source>
        <translation>Enintään kolme riviä</translation>
    </message>
    <message>
        <source>No more than %1 characters</source>
        <translation>Enintään %1 merkkiä</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Functions</source>
        <translation>Toiminnot</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servot</translation>
    </message>
    <message>
        <source>ServoMonitor</source>
        <translation>Servonäyttö</translation>
    </message>
    <message>
        <source>Flight Modes</source>
        <translation>Lentotilat</translation>
    </message>
    <message>
        <source>Virtual Switches</source>
        <translation>Virtuaaliset kytkimet</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mikseri</translation>
    </message>
    <message>
        <source>Servo Cut-off</source>
        <translation>Servon katkaisu</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Malli</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Vastaanotin</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>Puheen asetukset</translation>
    </message>
    <message>
        <source>Vario Settings</source>
        <translation>Varion asetukset</translation>
    </message>
    <message>
        <source>Sequencers</source>
        <translation>Sekvensserit</translation>
    </message>
    <message>
        <source>Differential</source>
        <translation>Differentiaali</translation>
    </message>
    <message>
        <source>Telemetry Controls</source>
        <translation>Telemetrian ohjaimet</translation>
    </message>
    <message>
        <source>Trainer cord Settings</source>
        <translation>Opetusjohto</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>Kuuluttaja</translation>
    </message>
    <message>
        <source>GPS Compass</source>
        <translation>GPS-kompassi</translation>
    </message>
    <message>
        <source>HeadUp Display</source>
        <translation>HeadUp-näyttö</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>Tarkistuslista</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Tiedostojen hallinta</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Ulkoasu</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ääni</translation>
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
        <translation>&quot;%1&quot; on nyt käyttäjävalikossa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the user menu.</source>
        <translation>&quot;%1&quot; on jo käyttäjävalikossa.</translation>
    </message>
</context>
<context>
    <name>ModelMenu</name>
    <message>
        <source>Plane</source>
        <translation>Lentokone</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopteri</translation>
    </message>
    <message>
        <source>Multicopter</source>
        <translation>Multikopteri</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Vene</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Muu</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / %1 : * ? &quot; &lt; &gt; | or &quot;..&quot;.</source>
        <translation>Tätä nimeä ei voi käyttää.
Nimessä ei saa olla merkkejä / %1 : * ? &quot; &lt; &gt; | tai &quot;..&quot;.</translation>
    </message>
    <message>
        <source>New name of the folder:</source>
        <translation>Kansion uusi nimi:</translation>
    </message>
    <message>
        <source>New name of the model:</source>
        <translation>Mallin uusi nimi:</translation>
    </message>
    <message>
        <source>Name of the new model in %1:</source>
        <translation>Uuden mallin nimi kansiossa %1:</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Aikakatkaisu</translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>Mallia ladataan...</translation>
    </message>
    <message>
        <source>The model could not be loaded.</source>
        <translation>Mallia ei voitu ladata.</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>Luodaan uutta mallia</translation>
    </message>
    <message>
        <source>There is no current model.
Load a model or make a new one first.</source>
        <translation>Nykyistä mallia ei ole.
Lataa malli tai luo ensin uusi.</translation>
    </message>
    <message>
        <source>Copy %1 to:</source>
        <translation>Kopioi %1 kansioon:</translation>
    </message>
    <message>
        <source>The model is copied as: </source>
        <translation>Malli kopioidaan nimellä: </translation>
    </message>
    <message>
        <source>Folder: </source>
        <translation>Kansio: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Jatketaanko?</translation>
    </message>
    <message>
        <source>Only the current model can be renamed.
Load this model now and rename it?</source>
        <translation>Vain nykyisen mallin voi nimetä uudelleen.
Ladataanko tämä malli nyt ja nimetäänkö se uudelleen?</translation>
    </message>
    <message>
        <source>You are about to delete the following model: </source>
        <translation>Olet poistamassa seuraavan mallin: </translation>
    </message>
    <message>
        <source>Picture for</source>
        <translation>Kuva mallille</translation>
    </message>
    <message>
        <source>You are about to delete the following folder: </source>
        <translation>Olet poistamassa seuraavan kansion: </translation>
    </message>
    <message>
        <source>Current model: </source>
        <translation>Nykyinen malli: </translation>
    </message>
    <message>
        <source>No model loaded: load one or make a new one.</source>
        <translation>Mallia ei ole ladattu: lataa malli tai luo uusi.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nimeä</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>+ Folder</source>
        <translation>+ Kansio</translation>
    </message>
    <message>
        <source>Current model</source>
        <translation>Nykyinen malli</translation>
    </message>
    <message>
        <source>No models in this folder.
&quot;New&quot; makes one here.</source>
        <translation>Tässä kansiossa ei ole malleja.
&quot;Uusi&quot; luo mallin tähän.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Lataa</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopioi</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Kuva</translation>
    </message>
</context>
<context>
    <name>ModelTask</name>
    <message>
        <source>Timeout</source>
        <translation>Aikakatkaisu</translation>
    </message>
</context>
<context>
    <name>ModelTypeChoose</name>
    <message>
        <source>Please select the model type:</source>
        <translation>Valitse mallityyppi:</translation>
    </message>
    <message>
        <source>Sailplane</source>
        <translation>Purjekone</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Suihkukone</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>Taitolento</translation>
    </message>
    <message>
        <source>Delta-Wing</source>
        <translation>Deltasiipi</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>V-pyrstö</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Jatka</translation>
    </message>
</context>
<context>
    <name>Modelbuilder</name>
    <message>
        <source>Timeout</source>
        <translation>Aikakatkaisu</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Toiminnot</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servot</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Valmis</translation>
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
        <translation>Peruuta</translation>
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
        <translation>Ohjaimet opetettu!</translation>
    </message>
    <message>
        <source>Controls teached incorrect - try again!</source>
        <translation>Ohjainten opetus epäonnistui - yritä uudelleen!</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>Tarkistuslista</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Valinta</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Ei käytössä</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ohjain</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Asento</translation>
    </message>
    <message>
        <source>Teach controls</source>
        <translation>Opeta ohjaimet</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Opeta</translation>
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
        <translation>Radio käynnistyy...</translation>
    </message>
    <message>
        <source>Check positions:</source>
        <translation>Tarkista asennot:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>ProgressBox</name>
    <message>
        <source>Abort</source>
        <translation>Keskeytä</translation>
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
        <translation>Keskeytä</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ohita</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nollaa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Tiedot</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>Irrota</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Korvaa</translation>
    </message>
</context>
<context>
    <name>SensorAddressInfo</name>
    <message>
        <source>Original:</source>
        <translation>Alkuperäinen:</translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation>Alias:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Osoite:</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Sivu:</translation>
    </message>
    <message>
        <source>Edit alias</source>
        <translation>Muokkaa aliasta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
</context>
<context>
    <name>SensorMenuFrame</name>
    <message>
        <source>No responce from Backend!</source>
        <translation>Taustajärjestelmä ei vastaa!</translation>
    </message>
    <message>
        <source>Stepping value error!</source>
        <translation>Askelarvon virhe!</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Aikakatkaisu</translation>
    </message>
    <message>
        <source>Stepping value none!</source>
        <translation>Ei askelarvoa!</translation>
    </message>
</context>
<context>
    <name>SensorMenuItem</name>
    <message>
        <source>Activate</source>
        <translation>Aktivoi</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Deaktivoi</translation>
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
        <translation>Silmukka</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Kerran</translation>
    </message>
</context>
<context>
    <name>SequencerServoEditor</name>
    <message>
        <source>Running</source>
        <translation>Käynnissä</translation>
    </message>
    <message>
        <source>Srv.</source>
        <translation>Srv.</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Eteen</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Taakse</translation>
    </message>
    <message>
        <source>Select point</source>
        <translation>Valitse piste</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Asento</translation>
    </message>
    <message>
        <source>Locked since the start, so that it does not run by itself: move %1 to where its last run ended. It then follows its control again and can be edited.</source>
        <translation>Lukittu käynnistyksestä lähtien, jottei se käy itsestään: siirrä %1 kohtaan, johon sen viimeinen ajo päättyi. Sen jälkeen se seuraa taas ohjaintaan ja sitä voi muokata.</translation>
    </message>
</context>
<context>
    <name>SequencerServoList</name>
    <message>
        <source>Do you really want to delete this servo from sequencer?</source>
        <translation>Haluatko varmasti poistaa tämän servon sekvensseristä?</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Aktiiviaika</translation>
    </message>
    <message>
        <source>Movement range</source>
        <translation>Liikealue</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>Suunta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>Valitse vapaat servot:</translation>
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
        <translation>Haluatko varmasti poistaa tämän sekvensserin?</translation>
    </message>
    <message>
        <source>Sequencer is running. Try again when finished!</source>
        <translation>Sekvensseri on käynnissä. Yritä uudelleen, kun se on päättynyt!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ohjain</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servot</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Säädä</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>Valitse vapaat servot:</translation>
    </message>
    <message>
        <source>No sequencers yet. &quot;+&quot; adds one; its row then sets its name, control, mode, servos and waypoints.</source>
        <translation>Ei vielä sekvenssereitä. &quot;+&quot; lisää yhden; sen rivillä asetetaan sitten nimi, ohjain, tila, servot ja reittipisteet.</translation>
    </message>
</context>
<context>
    <name>SequentialTA</name>
    <message>
        <source>No voice</source>
        <translation>Ei puheääntä</translation>
    </message>
    <message>
        <source>A list of this name exists already.
Overwrite it?</source>
        <translation>Tämänniminen lista on jo olemassa.
Korvataanko se?</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / or &quot;..&quot;.</source>
        <translation>Tätä nimeä ei voi käyttää.
Nimessä ei saa olla merkkejä / tai &quot;..&quot;.</translation>
    </message>
    <message>
        <source>The list could not be copied to the SD card.</source>
        <translation>Listaa ei voitu kopioida SD-kortille.</translation>
    </message>
    <message>
        <source>The list was written to the USB stick.</source>
        <translation>Lista kirjoitettiin USB-tikulle.</translation>
    </message>
    <message>
        <source>No USB stick found, or the list could not be written to it.</source>
        <translation>USB-tikkua ei löytynyt tai listaa ei voitu kirjoittaa siihen.</translation>
    </message>
    <message>
        <source>Do you really want to delete this announcement?</source>
        <translation>Haluatko varmasti poistaa tämän kuulutuksen?</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>Kuuluttaja</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>The list is empty. &quot;+&quot; adds an announcement.</source>
        <translation>Lista on tyhjä. &quot;+&quot; lisää kuulutuksen.</translation>
    </message>
    <message>
        <source>No list. &quot;New&quot; starts one, &quot;Open&quot; loads one.</source>
        <translation>Ei listaa. &quot;Uusi&quot; aloittaa listan, &quot;Avaa&quot; lataa listan.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Teksti</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Puheääni</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Eteen</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Taakse</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Alkuun</translation>
    </message>
    <message>
        <source>Open a list</source>
        <translation>Avaa lista</translation>
    </message>
    <message>
        <source>Name of the new list:</source>
        <translation>Uuden listan nimi:</translation>
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
        <translation>Toiminto:</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Keski</translation>
    </message>
    <message>
        <source>Curve Editor</source>
        <translation>Käyräeditori</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Näkymä</translation>
    </message>
    <message>
        <source>Servo curve</source>
        <translation>Servokäyrä</translation>
    </message>
    <message>
        <source>Function curve</source>
        <translation>Toimintokäyrä</translation>
    </message>
    <message>
        <source>Result curve</source>
        <translation>Tuloskäyrä</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ohjain</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Toiminto</translation>
    </message>
    <message>
        <source>Mixers</source>
        <translation>Mikserit</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Tulos</translation>
    </message>
</context>
<context>
    <name>ServoCutOffItem</name>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
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
        <translation>Säädä</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>Nollaa käyrä</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Käänt.</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norm.</translation>
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
        <translation>Akut ovat liian tyhjät päivitykseen. Lataa ne ensin.</translation>
    </message>
    <message>
        <source>No application update was found on a USB stick. Download it from the update server?</source>
        <translation>USB-tikulta ei löytynyt sovelluspäivitystä. Ladataanko se päivityspalvelimelta?</translation>
    </message>
    <message>
        <source>No system update was found on a USB stick. Download it from the update server?</source>
        <translation>USB-tikulta ei löytynyt järjestelmäpäivitystä. Ladataanko se päivityspalvelimelta?</translation>
    </message>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>WLAN-verkkoa ei ole määritetty. Määritä verkko ensin WLAN-asetuksissa.</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>Yhdistetään WLANiin ...</translation>
    </message>
    <message>
        <source>The update could not be started.</source>
        <translation>Päivitystä ei voitu aloittaa.</translation>
    </message>
    <message>
        <source>Looking for the update ...</source>
        <translation>Etsitään päivitystä ...</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>WLAN-yhteyttä ei voitu muodostaa.</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>Päivitystä ei löytynyt.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>SD-kortilla ei ole tarpeeksi tilaa.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please copy the update to the USB stick again.</source>
        <translation>Päivityksen tiedosto on vioittunut. Kopioi päivitys USB-tikulle uudelleen.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>Päivityksen tiedosto on vioittunut. Aloita lataus uudelleen.</translation>
    </message>
    <message>
        <source>The newest software is installed already.</source>
        <translation>Uusin ohjelmisto on jo asennettu.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>Päivitystä ei voitu asentaa.</translation>
    </message>
    <message>
        <source>Internal error while installing the update.</source>
        <translation>Sisäinen virhe päivitystä asennettaessa.</translation>
    </message>
    <message>
        <source>This update is unsuitable for this device.</source>
        <translation>Tämä päivitys ei sovi tähän laitteeseen.</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>Yhteys päivityspalvelimeen epäonnistui.</translation>
    </message>
    <message>
        <source>Update from the USB stick:</source>
        <translation>Päivitys USB-tikulta:</translation>
    </message>
    <message>
        <source>Update from the update server:</source>
        <translation>Päivitys päivityspalvelimelta:</translation>
    </message>
    <message>
        <source>A file of the update is missing or does not match its list. Please copy the update to the USB stick again.</source>
        <translation>Päivityksen tiedosto puuttuu tai ei vastaa luetteloaan. Kopioi päivitys USB-tikulle uudelleen.</translation>
    </message>
    <message>
        <source>The update is installed. Please switch the model off and restart the transmitter.</source>
        <translation>Päivitys on asennettu. Sammuta malli ja käynnistä lähetin uudelleen.</translation>
    </message>
    <message>
        <source>The update is installed. Switch the transmitter off to finish it: until then the keys and the status strip stay locked.</source>
        <translation>Päivitys on asennettu. Viimeistele se sammuttamalla lähetin: siihen asti näppäimet ja tilapalkki pysyvät lukittuina.</translation>
    </message>
    <message>
        <source>The system update is installed when the transmitter is switched on next time.</source>
        <translation>Järjestelmäpäivitys asennetaan, kun lähetin käynnistetään seuraavan kerran.</translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Ladataan ...</translation>
    </message>
    <message>
        <source>The update is ready. Install it now?</source>
        <translation>Päivitys on valmis. Asennetaanko se nyt?</translation>
    </message>
    <message>
        <source>This version is installed already. Install it anyway?</source>
        <translation>Tämä versio on jo asennettu. Asennetaanko silti?</translation>
    </message>
    <message>
        <source>Waiting for your answer</source>
        <translation>Odotetaan vastaustasi</translation>
    </message>
    <message>
        <source>Installing ...</source>
        <translation>Asennetaan ...</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Sovellus</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Käyttöjärjestelmä</translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation>Radiomoduuli</translation>
    </message>
    <message>
        <source>Stick controller</source>
        <translation>Sauvaohjain</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Ohjelmisto</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Päivitä</translation>
    </message>
    <message>
        <source>Touch &quot;Update&quot; for the application update, hold it for the system update. A USB stick is looked at first, then the update server.</source>
        <translation>Kosketa &quot;Päivitä&quot; sovelluspäivitystä varten, pidä painettuna järjestelmäpäivitystä varten. Päivitystä haetaan ensin USB-tikulta, sitten päivityspalvelimelta.</translation>
    </message>
    <message>
        <source>Application update</source>
        <translation>Sovelluspäivitys</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>Järjestelmäpäivitys</translation>
    </message>
    <message>
        <source>stick controller</source>
        <translation>sauvaohjaimeen</translation>
    </message>
    <message>
        <source>transceiver</source>
        <translation>radiomoduuliin</translation>
    </message>
    <message>
        <source>The firmware of this software is written into the %1 again. Go on?</source>
        <translation>Tämän ohjelmiston laiteohjelmisto kirjoitetaan uudelleen %1. Jatketaanko?</translation>
    </message>
    <message>
        <source>The firmware recovery requires the same version of Update.xml as this application.</source>
        <translation>Laiteohjelmiston palautus vaatii saman Update.xml-version kuin tämä sovellus.</translation>
    </message>
    <message>
        <source>The firmware file does not match its checksum.</source>
        <translation>Laiteohjelmistotiedosto ei vastaa tarkistussummaansa.</translation>
    </message>
    <message>
        <source>The update folder holds no package to write again: its Update.xml could not be read.</source>
        <translation>Päivityskansiossa ei ole uudelleen kirjoitettavaa pakettia: sen Update.xml-tiedostoa ei voitu lukea.</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the stick controller.</source>
        <translation>Päivityskansion paketissa ei ole laiteohjelmistoa sauvaohjaimelle.</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the transceiver.</source>
        <translation>Päivityskansion paketissa ei ole laiteohjelmistoa radiomoduulille.</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Palautus</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>SD-kortti on pienempi kuin lähettimen tarvitsemat 256 MiB.</translation>
    </message>
    <message>
        <source>There is not enough room for the program in the transmitter&apos;s memory.</source>
        <translation>Lähettimen muistissa ei ole tarpeeksi tilaa ohjelmalle.</translation>
    </message>
</context>
<context>
    <name>Storages</name>
    <message>
        <source>SD card</source>
        <translation>SD-kortti</translation>
    </message>
    <message>
        <source>USB stick</source>
        <translation>USB-tikku</translation>
    </message>
</context>
<context>
    <name>TeleWidgetSetupBar</name>
    <message>
        <source>You are about to delete this widget
Proceed?</source>
        <translation>Olet poistamassa tämän widgetin
Jatketaanko?</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pieni</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Keski</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Suuri</translation>
    </message>
    <message>
        <source>Delete widget</source>
        <translation>Poista widgetti</translation>
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
        <translation>Tilahälytykset</translation>
    </message>
    <message>
        <source>Telemetry alarms</source>
        <translation>Telemetriahälytykset</translation>
    </message>
    <message>
        <source>Telemetry warnings</source>
        <translation>Telemetriavaroitukset</translation>
    </message>
    <message>
        <source>Global telemetry widget voice settings</source>
        <translation>Telemetriawidgettien yhteiset puheasetukset</translation>
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
        <translation>Virhe</translation>
    </message>
</context>
<context>
    <name>TelemetryControlSett2</name>
    <message>
        <source>Decimal point separator of this telemetry control is incorrect! Please rescan sensors and assign a sensor again!</source>
        <translation>Tämän telemetriaohjaimen desimaalierotin on virheellinen! Hae anturit uudelleen ja määritä anturi uudelleen!</translation>
    </message>
    <message>
        <source>Actual parameters of the sensor value doesn&apos;t match to the settings of this control! Probably another sensor is used. Please reassign the sensor again!</source>
        <translation>Anturiarvon nykyiset parametrit eivät vastaa tämän ohjaimen asetuksia! Todennäköisesti käytössä on eri anturi. Määritä anturi uudelleen!</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>control</source>
        <translation>ohjain</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Virhe</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Tulo</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Rajoitin</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Lähtö</translation>
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
        <translation>Oletus</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Käänteinen</translation>
    </message>
    <message>
        <source>Inv</source>
        <translation>Käänt.</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norm.</translation>
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
        <translation>Olet poistamassa seuraavan telemetriaohjaimen: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Jatketaanko?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Lähde</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Tulo</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Rajat</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Lähtö</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorAlarmConfig</name>
    <message>
        <source>Red below</source>
        <translation>Punainen alle</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Hälytys</translation>
    </message>
    <message>
        <source>Yellow below</source>
        <translation>Keltainen alle</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <source>Yellow above</source>
        <translation>Keltainen yli</translation>
    </message>
    <message>
        <source>Red above</source>
        <translation>Punainen yli</translation>
    </message>
    <message>
        <source>No Alarm</source>
        <translation>Ei hälytystä</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piippaus</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Piip + värinä</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Värinä</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Vain puhe</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Puhe + piip</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Puhe + värinä</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Puhe+piip+vär.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ei mitään</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Kerran</translation>
    </message>
    <message>
        <source>Repetitive</source>
        <translation>Toistuva</translation>
    </message>
    <message>
        <source>Status alarm</source>
        <translation>Tilahälytys</translation>
    </message>
    <message>
        <source>Signalling</source>
        <translation>Signalointi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>Hälytystapa</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorItem</name>
    <message>
        <source>Alarm</source>
        <translation>Hälytys</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorMainMenu</name>
    <message>
        <source>Menu is empty!</source>
        <translation>Valikko on tyhjä!</translation>
    </message>
    <message>
        <source>Scanning for menu...</source>
        <translation>Haetaan valikkoa...</translation>
    </message>
    <message>
        <source>No response from backend!</source>
        <translation>Taustajärjestelmä ei vastaa!</translation>
    </message>
    <message>
        <source>Getting Menu...</source>
        <translation>Luetaan valikkoa...</translation>
    </message>
    <message>
        <source>Getting Menu error!</source>
        <translation>Virhe valikon haussa!</translation>
    </message>
    <message>
        <source>Getting menu timeout!</source>
        <translation>Aikakatkaisu valikon haussa!</translation>
    </message>
    <message>
        <source>Getting Menu none!</source>
        <translation>Valikkoa ei saatu!</translation>
    </message>
    <message>
        <source>Prev.</source>
        <translation>Edell.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seuraava</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
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
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Hälytys</translation>
    </message>
    <message>
        <source>Delete timer</source>
        <translation>Poista ajastin</translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformation</name>
    <message>
        <source>Sensor Information</source>
        <translation>Anturin tiedot</translation>
    </message>
    <message>
        <source>Reset Alerts</source>
        <translation>Nollaa hälyt.</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>Nollaa arvot</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
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
        <translation>Nollaa</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetChooser</name>
    <message>
        <source>Telemetry</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Ajastin</translation>
    </message>
    <message>
        <source>QuickLink</source>
        <translation>Pikalinkki</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Muistio</translation>
    </message>
    <message>
        <source>ModelImage</source>
        <translation>Mallikuva</translation>
    </message>
    <message>
        <source>Select a widget type to add</source>
        <translation>Valitse lisättävän widgetin tyyppi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetLabelSetup</name>
    <message>
        <source>Export successful</source>
        <translation>Vienti onnistui</translation>
    </message>
    <message>
        <source>Export failed!</source>
        <translation>Vienti epäonnistui!</translation>
    </message>
    <message>
        <source>Please check if USB is connected and working</source>
        <translation>Tarkista, että USB on liitetty ja toimii</translation>
    </message>
    <message>
        <source>Attention!
The text will probably not be displayed correctly due to its length</source>
        <translation>Huomio!
Tekstiä ei ehkä näytetä oikein sen pituuden vuoksi</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Muistio</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Tuo</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetQuickLink</name>
    <message>
        <source>Select entry</source>
        <translation>Valitse kohde</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetServo</name>
    <message>
        <source>Select servo:</source>
        <translation>Valitse servo:</translation>
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
        <translation>Valitse ajastin!</translation>
    </message>
    <message>
        <source>Empty timer</source>
        <translation>Tyhjä ajastin</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>Loppu:</translation>
    </message>
    <message>
        <source>Warn:</source>
        <translation>Varoitus:</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerAlarmConfig</name>
    <message>
        <source>No Alarm</source>
        <translation>Ei hälytystä</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piippaus</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Piip + värinä</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Värinä</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Alkuaika</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Loppuaika</translation>
    </message>
    <message>
        <source>Warning time</source>
        <translation>Varoitusaika</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <source>End alarm</source>
        <translation>Loppuhälytys</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>Hälytystapa</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerSetup</name>
    <message>
        <source>Do you really want to delete this timer?</source>
        <translation>Haluatko varmasti poistaa tämän ajastimen?</translation>
    </message>
    <message>
        <source>No timer is selected for this widget!</source>
        <translation>Tälle widgetille ei ole valittu ajastinta!</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValue</name>
    <message>
        <source>Select sensor!</source>
        <translation>Valitse anturi!</translation>
    </message>
    <message>
        <source>Select value!</source>
        <translation>Valitse arvo!</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSensorSlaveChooser</name>
    <message>
        <source>Capturing sensor information...</source>
        <translation>Luetaan anturitietoja...</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Anturi</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Arvo</translation>
    </message>
    <message>
        <source>Searching for sensors...</source>
        <translation>Haetaan antureita...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
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
        <translation>Aikakatkaisu</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Anturi</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Valikko</translation>
    </message>
    <message>
        <source>Addr.</source>
        <translation>Os.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Arvo</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Hälytys</translation>
    </message>
    <message>
        <source>Add values</source>
        <translation>Lisää arvoja</translation>
    </message>
    <message>
        <source>Rescan sensors</source>
        <translation>Hae anturit</translation>
    </message>
    <message>
        <source>Scanning for sensors</source>
        <translation>Haetaan antureita</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSlaveChooser</name>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
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
        <translation>(Alas)</translation>
    </message>
    <message>
        <source>(Up)</source>
        <translation>(Ylös)</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Signal start</source>
        <translation>Sign. alku</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Kerran</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Väli</translation>
    </message>
    <message>
        <source>Signal end</source>
        <translation>Sign. loppu</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Toisto</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Ei käytössä</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Signaalin tyyppi</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piippaus</translation>
    </message>
    <message>
        <source>Long beep</source>
        <translation>Pitkä piippaus</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Värinä</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Puhe</translation>
    </message>
    <message>
        <source>Short speech</source>
        <translation>Lyhyt puhe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Teksti</translation>
    </message>
</context>
<context>
    <name>TimerAlarmItem</name>
    <message>
        <source>No Alarm</source>
        <translation>Ei hälytystä</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Ei hälytystä</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piippaus</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Piip + värinä</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Värinä</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Vain puhe</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Puhe + piip</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Puhe + värinä</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Puhe+piip+vär.</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Kerran</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Ei käytössä</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Kerran</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Lyhyt</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Viesti</translation>
    </message>
</context>
<context>
    <name>TimerAudioSettings</name>
    <message>
        <source>Do you really want to delete this alarm?</source>
        <translation>Haluatko varmasti poistaa tämän hälytyksen?</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Ei hälytystä</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piippaus</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Piip + värinä</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Värinä</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Vain puhe</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Puhe + piip</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Puhe + värinä</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Puhe+piip+vär.</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signaali</translation>
    </message>
    <message>
        <source>Time/Range</source>
        <translation>Aika/alue</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Uusinta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ohjain</translation>
    </message>
    <message>
        <source>Delete alarm</source>
        <translation>Poista hälytys</translation>
    </message>
</context>
<context>
    <name>TutorPupilItem</name>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
</context>
<context>
    <name>TutorPupilSettings</name>
    <message>
        <source>Timeout</source>
        <translation>Aikakatkaisu</translation>
    </message>
    <message>
        <source>Do you really want to delete this vorn control?</source>
        <translation>Haluatko varmasti poistaa tämän Vorn-ohjaimen?</translation>
    </message>
    <message>
        <source>Trainer cord switch:</source>
        <translation>Opetuskytkin:</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Ei käytössä</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Vorn-ohjain</translation>
    </message>
    <message>
        <source>External channel</source>
        <translation>Ulkoinen kanava</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Detection...</source>
        <translation>Tunnistetaan...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Auto detect</source>
        <translation>Autotunnistus</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
</context>
<context>
    <name>UpdateTask</name>
    <message>
        <source>Which USB stick?</source>
        <translation>Mikä USB-tikku?</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Aikakatkaisu</translation>
    </message>
</context>
<context>
    <name>UpperFrame</name>
    <message>
        <source>Main menu</source>
        <translation>Päävalikko</translation>
    </message>
    <message>
        <source>Model menu</source>
        <translation>Mallivalikko</translation>
    </message>
    <message>
        <source>Min/Max reset</source>
        <translation>Min/maks-nollaus</translation>
    </message>
    <message>
        <source>Do you really want to clear Max/Min values and all alerts for all widgets?</source>
        <translation>Haluatko varmasti tyhjentää kaikkien widgettien maks./min.-arvot ja kaikki hälytykset?</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Kirkkaus</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Äänitaso</translation>
    </message>
</context>
<context>
    <name>UserMenu</name>
    <message>
        <source>No favorites found</source>
        <translation>Suosikkeja ei löytynyt</translation>
    </message>
</context>
<context>
    <name>VarioSettings2</name>
    <message>
        <source>No sensor is known yet.
The sensors are found when the model starts, or by a rescan.</source>
        <translation>Antureita ei vielä tunneta.
Anturit löytyvät mallin käynnistyessä tai uusintahaulla.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>Vario off</source>
        <translation>Vario pois</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>hiljainen</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Anturi</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Päälle/pois</translation>
    </message>
    <message>
        <source>Start tone</source>
        <translation>Alkuääni</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Nousu</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Vajoama</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Lentotila</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Erillinen</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Yhteinen</translation>
    </message>
    <message>
        <source>Vario sensor</source>
        <translation>Varioanturi</translation>
    </message>
</context>
<context>
    <name>VirtualSwitchItem</name>
    <message>
        <source>ON</source>
        <translation>PÄÄLLÄ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>POIS</translation>
    </message>
</context>
<context>
    <name>VoiceSelector</name>
    <message>
        <source>Voice</source>
        <translation>Puheääni</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Kaikki kielet</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>No voices are installed.</source>
        <translation>Puheääniä ei ole asennettu.</translation>
    </message>
    <message>
        <source>No voice speaks this language.</source>
        <translation>Tälle kielelle ei ole puheääntä.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Toista</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Valitse</translation>
    </message>
    <message>
        <source>Delete the voice &quot;%1&quot;?</source>
        <translation>Poistetaanko puheääni &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Deleting the voice ...</source>
        <translation>Poistetaan puheääntä ...</translation>
    </message>
    <message>
        <source>Speech is paused for the update ...</source>
        <translation>Puhe on keskeytetty päivityksen ajaksi ...</translation>
    </message>
    <message>
        <source>Copying the voice packs ...</source>
        <translation>Kopioidaan puheäänipaketteja ...</translation>
    </message>
    <message>
        <source>Unpacking the voice packs ...</source>
        <translation>Puretaan puheäänipaketteja ...</translation>
    </message>
    <message>
        <source>1 voice installed.</source>
        <translation>1 puheääni asennettu.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it failed its check.</source>
        <translation>1 puheäänipakettia ei asennettu: sen tarkistus epäonnistui.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>SD-kortilla ei ole tarpeeksi tilaa.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they failed their check.</source>
        <translation>%1 puheäänipakettia ei asennettu: niiden tarkistus epäonnistui.</translation>
    </message>
    <message>
        <source>%1 voices installed.</source>
        <translation>%1 puheääntä asennettu.</translation>
    </message>
    <message>
        <source>No voice pack was found on the USB stick.</source>
        <translation>USB-tikulta ei löytynyt puheäänipakettia.</translation>
    </message>
    <message>
        <source>The voice data is corrupted. No voice was installed.</source>
        <translation>Puheäänen tiedot ovat vioittuneet. Puheääntä ei asennettu.</translation>
    </message>
    <message>
        <source>No voice was installed.</source>
        <translation>Puheääntä ei asennettu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted.</source>
        <translation>&quot;%1&quot; on salattu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses a compression that cannot be unpacked.</source>
        <translation>&quot;%1&quot; käyttää pakkausta, jota ei voi purkaa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an archive of a kind the transmitter cannot unpack.</source>
        <translation>&quot;%1&quot; on arkisto, jonka tyyppiä lähetin ei voi purkaa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed its check.</source>
        <translation>Tiedoston &quot;%1&quot; tarkistus epäonnistui.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: it is no whole zip archive.</source>
        <translation>&quot;%1&quot; ei ole luettavissa: se ei ole ehjä zip-arkisto.</translation>
    </message>
    <message>
        <source>No USB stick was found.</source>
        <translation>USB-tikkua ei löytynyt.</translation>
    </message>
    <message>
        <source>The voice cannot be deleted.</source>
        <translation>Puheääntä ei voi poistaa.</translation>
    </message>
    <message>
        <source>Installed voices</source>
        <translation>Asennetut puheäänet</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Asenna</translation>
    </message>
    <message>
        <source>Please wait ...</source>
        <translation>Odota ...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds too many files: its checksum list may name at most 100.</source>
        <translation>&quot;%1&quot; sisältää liikaa tiedostoja: sen tarkistussummaluettelo voi nimetä enintään 100 tiedostoa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on the SD card.</source>
        <translation>&quot;%1&quot; ei mahdu SD-kortille.</translation>
    </message>
    <message>
        <source>The voice packs cannot be installed: the folder &quot;%1&quot; on the SD card cannot be cleared.</source>
        <translation>Puheäänipaketteja ei voi asentaa: SD-kortin kansiota &quot;%1&quot; ei voi tyhjentää.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: there is not enough memory on the SD card.</source>
        <translation>1 puheäänipakettia ei asennettu: SD-kortilla ei ole tarpeeksi tilaa.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: there is not enough memory on the SD card.</source>
        <translation>%1 puheäänipakettia ei asennettu: SD-kortilla ei ole tarpeeksi tilaa.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it cannot be read.</source>
        <translation>1 puheäänipakettia ei asennettu: sitä ei voi lukea.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they cannot be read.</source>
        <translation>%1 puheäänipakettia ei asennettu: niitä ei voi lukea.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it holds too many files.</source>
        <translation>1 puheäänipakettia ei asennettu: se sisältää liikaa tiedostoja.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they hold too many files.</source>
        <translation>%1 puheäänipakettia ei asennettu: ne sisältävät liikaa tiedostoja.</translation>
    </message>
</context>
<context>
    <name>VoiceSettings</name>
    <message>
        <source>Text</source>
        <translation>Teksti</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>Telemetry full</source>
        <translation>Telemetria täysi</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Ajastin</translation>
    </message>
    <message>
        <source>Flight mode</source>
        <translation>Lentotila</translation>
    </message>
    <message>
        <source>Timer short</source>
        <translation>Ajastin lyhyt</translation>
    </message>
    <message>
        <source>Telemetry no units</source>
        <translation>Telem. ilman yks.</translation>
    </message>
    <message>
        <source>Individual</source>
        <translation>Yksilöllinen</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>No more voice alarms available</source>
        <translation>Puhehälytyksiä ei ole enää vapaana</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>Valitse puheääni</translation>
    </message>
    <message>
        <source>Do you really want to delete this voice alarm?</source>
        <translation>Haluatko varmasti poistaa tämän puhehälytyksen?</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>Puhehälytys</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>Puheasetukset</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Lähde</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>Aktivoija</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Toisto</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Puheääni</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Voices</source>
        <translation>Puheäänet</translation>
    </message>
</context>
<context>
    <name>VoiceTelemetryIndividual</name>
    <message>
        <source>Sensor name</source>
        <translation>Anturin nimi</translation>
    </message>
    <message>
        <source>Value name</source>
        <translation>Arvon nimi</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Yksikkö</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>Puhehälytys</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Lähde</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
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
        <translation>Puhehälytys ajastimelle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ei mitään</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Huomio</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Päättynyt</translation>
    </message>
    <message>
        <source>Attention + Expired</source>
        <translation>Huomio + päättynyt</translation>
    </message>
</context>
<context>
    <name>VoiceTimerSelector</name>
    <message>
        <source>None</source>
        <translation>Ei mitään</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Huomio</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Päättynyt</translation>
    </message>
    <message>
        <source>Att. + Exp.</source>
        <translation>Huom.+päätt.</translation>
    </message>
    <message>
        <source>Timer Name</source>
        <translation>Ajastimen nimi</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Väli</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Hälytys</translation>
    </message>
</context>
<context>
    <name>WlanSettings</name>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Yhdistetty</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Yhdistetään...</translation>
    </message>
    <message>
        <source>Waiting for an address</source>
        <translation>Odotetaan osoitetta</translation>
    </message>
    <message>
        <source>On, not connected</source>
        <translation>Päällä, ei yhdistetty</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Haetaan...</translation>
    </message>
    <message>
        <source>Switch WiFi on to find the networks in range.</source>
        <translation>Kytke WiFi päälle löytääksesi lähellä olevat verkot.</translation>
    </message>
    <message>
        <source>No networks found. Touch Scan to search again.</source>
        <translation>Verkkoja ei löytynyt. Hae uudelleen painikkeella Hae.</translation>
    </message>
    <message>
        <source>A passphrase has 8 to 63 characters.</source>
        <translation>Salasanassa on 8–63 merkkiä.</translation>
    </message>
    <message>
        <source>The passphrase could not be stored.</source>
        <translation>Salasanaa ei voitu tallentaa.</translation>
    </message>
    <message>
        <source>This network cannot be joined with this name and passphrase.</source>
        <translation>Tähän verkkoon ei voi liittyä tällä nimellä ja salasanalla.</translation>
    </message>
    <message>
        <source>This network is not stored.</source>
        <translation>Tätä verkkoa ei ole tallennettu.</translation>
    </message>
    <message>
        <source>A passphrase cannot hold a # after a &quot;.</source>
        <translation>Salasanassa ei voi olla merkkiä # merkin &quot; jälkeen.</translation>
    </message>
    <message>
        <source>The connection failed. Check the passphrase and try again.</source>
        <translation>Yhteys epäonnistui. Tarkista salasana ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>WiFi</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Hae</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Osoite</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signaali</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>Valittu</translation>
    </message>
    <message>
        <source>Touch a network</source>
        <translation>Kosketa verkkoa</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Katkaise</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Yhdistä</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Unohda</translation>
    </message>
</context>
<context>
    <name>main</name>
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
        <source>General error occured</source>
        <translation>Yleinen virhe</translation>
    </message>
    <message>
        <source>Function don&apos;t exist</source>
        <translation>Toimintoa ei ole olemassa</translation>
    </message>
    <message>
        <source>More than one control recognized</source>
        <translation>Useampi kuin yksi ohjain tunnistettu</translation>
    </message>
    <message>
        <source>No movement detected</source>
        <translation>Liikettä ei havaittu</translation>
    </message>
    <message>
        <source>Index off the limits</source>
        <translation>Indeksi rajojen ulkopuolella</translation>
    </message>
    <message>
        <source>Unknown control</source>
        <translation>Tuntematon ohjain</translation>
    </message>
    <message>
        <source>Servo already in use</source>
        <translation>Servo on jo käytössä</translation>
    </message>
    <message>
        <source>Servo not used</source>
        <translation>Servoa ei käytetä</translation>
    </message>
    <message>
        <source>Servo not assigned</source>
        <translation>Servoa ei ole määritetty</translation>
    </message>
    <message>
        <source>Reached maximum servos per function</source>
        <translation>Servojen enimmäismäärä toimintoa kohti saavutettu</translation>
    </message>
    <message>
        <source>Reached maximum curves</source>
        <translation>Käyrien enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>Reached maximum Flight Mode count</source>
        <translation>Lentotilojen enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>Reached maximum function count</source>
        <translation>Toimintojen enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>Reached maximum limit count</source>
        <translation>Rajojen enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>Reached maximum mixer count</source>
        <translation>Mikserien enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>Reached maximum sequencer count</source>
        <translation>Sekvensserien enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>Reached maximum servo config count</source>
        <translation>Servoasetusten enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>Sensor not in use</source>
        <translation>Anturi ei ole käytössä</translation>
    </message>
    <message>
        <source>Widget not used</source>
        <translation>Widgettiä ei käytetä</translation>
    </message>
    <message>
        <source>Reached maximum of widgets</source>
        <translation>Widgettien enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>Reached maximum of sensors</source>
        <translation>Antureiden enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>Reached maximum of timers</source>
        <translation>Ajastimien enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>Reached maximum of virtual switches</source>
        <translation>Virtuaalikytkimien enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>Reached maximum number of functions that can control this servo</source>
        <translation>Tätä servoa ohjaavien toimintojen enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>The maximum number of headup items has been reached.</source>
        <translation>Headup-kohteiden enimmäismäärä on saavutettu.</translation>
    </message>
    <message>
        <source>This control is already assigned as a channel Vorn control. Please select another control!</source>
        <translation>Tämä ohjain on jo määritetty kanavan Vorn-ohjaimeksi. Valitse toinen ohjain!</translation>
    </message>
    <message>
        <source>This control is already assigned to Trainer cord switch. Please select another control!</source>
        <translation>Tämä ohjain on jo määritetty opetuskytkimeksi. Valitse toinen ohjain!</translation>
    </message>
    <message>
        <source>This control is already assigned as an input of FM/Sequencer/Servo-Cut/Mixer/Vario control virtual switch. Please select another control!</source>
        <translation>Tämä ohjain on jo määritetty lentotila-/sekvensseri-/servokatkaisu-/mikseri-/vario-ohjauksen virtuaalikytkimen tuloksi. Valitse toinen ohjain!</translation>
    </message>
    <message>
        <source>File of the active model cannot be modified!</source>
        <translation>Aktiivisen mallin tiedostoa ei voi muokata!</translation>
    </message>
    <message>
        <source>Cannot delete non-empty folder!</source>
        <translation>Kansiota, joka ei ole tyhjä, ei voi poistaa!</translation>
    </message>
    <message>
        <source>Reached maximum of telemetry controls.</source>
        <translation>Telemetriaohjainten enimmäismäärä saavutettu.</translation>
    </message>
    <message>
        <source>Cancelled by the user.</source>
        <translation>Käyttäjä peruutti.</translation>
    </message>
    <message>
        <source>Not yet implemented</source>
        <translation>Ei vielä toteutettu</translation>
    </message>
    <message>
        <source>Empty input not allowed</source>
        <translation>Tyhjä syöte ei ole sallittu</translation>
    </message>
    <message>
        <source>This name is already being used</source>
        <translation>Tämä nimi on jo käytössä</translation>
    </message>
    <message>
        <source>Reached maximum entry count</source>
        <translation>Kohteiden enimmäismäärä saavutettu</translation>
    </message>
    <message>
        <source>This item cannot be deleted</source>
        <translation>Tätä kohdetta ei voi poistaa</translation>
    </message>
    <message>
        <source>No USB device detected. Please connect USB device and try again</source>
        <translation>USB-laitetta ei havaittu. Liitä USB-laite ja yritä uudelleen</translation>
    </message>
    <message>
        <source>Installed software is already up-to-date</source>
        <translation>Asennettu ohjelmisto on jo ajan tasalla</translation>
    </message>
    <message>
        <source>No Update.xml file is found on the USB device</source>
        <translation>USB-laitteelta ei löytynyt Update.xml-tiedostoa</translation>
    </message>
    <message>
        <source>No telemetry control can be assigned as an input of this VS, since this VS controls another telemetry control!</source>
        <translation>Telemetriaohjainta ei voi määrittää tämän V-kytkimen tuloksi, koska tämä V-kytkin ohjaa toista telemetriaohjainta!</translation>
    </message>
    <message>
        <source>Error:
Unknown Error, Errorcode: </source>
        <translation>Virhe:
Tuntematon virhe, virhekoodi: </translation>
    </message>
    <message>
        <source>General Error

No errortext defined.</source>
        <translation>Yleinen virhe

Virhetekstiä ei ole määritetty.</translation>
    </message>
    <message>
        <source>SD card not detected in system!</source>
        <translation>SD-korttia ei havaittu järjestelmässä!</translation>
    </message>
    <message>
        <source>Model CRC data is bad!</source>
        <translation>Mallin CRC-tiedot ovat virheelliset!</translation>
    </message>
    <message>
        <source>Fast start is not possible next time.</source>
        <translation>Pikakäynnistys ei ole mahdollinen seuraavalla kerralla.</translation>
    </message>
    <message>
        <source>There is no current model to set up.
Open the model menu to load or make one?</source>
        <translation>Nykyistä mallia ei ole asetettavaksi.
Avataanko mallivalikko mallin lataamiseksi tai luomiseksi?</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is full.</source>
        <translation>Mallin muutoksiasi ei tallennettu: SD-kortti on täynnä.</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Mallin muutoksiasi ei tallennettu: SD-kortti on pienempi kuin lähettimen tarvitsemat 256 MiB.</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card could not be written.</source>
        <translation>Mallin muutoksiasi ei tallennettu: SD-kortille ei voitu kirjoittaa.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is full.</source>
        <translation>Mallin käyttöaikaa ja ajastimien arvoja ei voitu tallentaa: SD-kortti on täynnä.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Mallin käyttöaikaa ja ajastimien arvoja ei voitu tallentaa: SD-kortti on pienempi kuin lähettimen tarvitsemat 256 MiB.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card could not be written.</source>
        <translation>Mallin käyttöaikaa ja ajastimien arvoja ei voitu tallentaa: SD-kortille ei voitu kirjoittaa.</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>SD-kortti on pienempi kuin lähettimen tarvitsemat 256 MiB.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is full.</source>
        <translation>Asetusten muutoksiasi ei tallennettu: SD-kortti on täynnä.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Asetusten muutoksiasi ei tallennettu: SD-kortti on pienempi kuin lähettimen tarvitsemat 256 MiB.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card could not be written.</source>
        <translation>Asetusten muutoksiasi ei tallennettu: SD-kortille ei voitu kirjoittaa.</translation>
    </message>
</context>
</TS>
