<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>12</name>
    <message>
        <source>Function %1</source>
        <translation>Funzione %1</translation>
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
        <translation>Informazioni di sistema esportate correttamente!</translation>
    </message>
    <message>
        <source>System information cannot be exported to USB device. Check available space or insert another one!</source>
        <translation>Impossibile esportare le informazioni di sistema sul dispositivo USB. Verificare lo spazio disponibile o inserirne un altro!</translation>
    </message>
    <message>
        <source>Pilotname</source>
        <translation>Nome pilota</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/Ora</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Location/Time zone</source>
        <translation>Luogo/Fuso orario</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Legale</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Solare</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>dd-mm-yyyy</source>
        <translation>gg-mm-aaaa</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
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
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperiale</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Servo/Data:</source>
        <translation>Servo/Dati:</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>Avvio rapido</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Telemetry logging</source>
        <translation>Log telemetria</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Info di sistema</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
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
        <translation>Altoparlante</translation>
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
        <translation>Voce</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>Click trim</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>Bip</translation>
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
        <translation>2 pos.</translation>
    </message>
    <message>
        <source>3-Pos.</source>
        <translation>3 pos.</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>lineare</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>Please move the control</source>
        <translation>Muovere il comando</translation>
    </message>
    <message>
        <source>you wish to calibrate</source>
        <translation>da calibrare</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>Direz.</translation>
    </message>
    <message>
        <source>Invers</source>
        <translation>Inversa</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>Move Control to</source>
        <translation>Portare il comando in</translation>
    </message>
    <message>
        <source>Endpositions</source>
        <translation>Posizioni estreme</translation>
    </message>
    <message>
        <source>Center Position</source>
        <translation>Posizione centrale</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please choose the type of the control first</source>
        <translation>Scegliere prima il tipo di comando</translation>
    </message>
</context>
<context>
    <name>19</name>
    <message>
        <source>Are you sure you would like to delete this mixer?</source>
        <translation>Eliminare davvero questo mixer?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>from Function</source>
        <translation>da funzione</translation>
    </message>
    <message>
        <source>to Function</source>
        <translation>a funzione</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
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
        <translation>Off</translation>
    </message>
    <message>
        <source>Display dim</source>
        <translation>Attenua</translation>
    </message>
    <message>
        <source>Auto Lock</source>
        <translation>Blocco auto</translation>
    </message>
    <message>
        <source>Idle Alarm</source>
        <translation>Allarme riposo</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Accento</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icone</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Intro Video</source>
        <translation>Video intro</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>DebugScreen</source>
        <translation>Schermata debug</translation>
    </message>
</context>
<context>
    <name>20</name>
    <message>
        <source>Do you really want to reset all settings of this mixer to the values of &apos;</source>
        <translation>Ripristinare davvero tutte le impostazioni di questo mixer ai valori della fase di volo &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos;?</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <source>from</source>
        <translation>da</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Guadagno</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Tempo corsa</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Fase di volo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Singola</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Globale</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funzione</translation>
    </message>
</context>
<context>
    <name>21</name>
    <message>
        <source>Do you really want to delete this virtual switch?</source>
        <translation>Eliminare davvero questo interruttore virtuale?</translation>
    </message>
    <message>
        <source>The selected virtual switch is used as an input of &apos;</source>
        <translation>L&apos;interruttore virtuale selezionato è usato come ingresso di &apos;</translation>
    </message>
    <message>
        <source>&apos; and cannot be deleted!</source>
        <translation>&apos; e non può essere eliminato!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Input state</source>
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>Logic</source>
        <translation>Logica</translation>
    </message>
    <message>
        <source>Output state</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>22</name>
    <message>
        <source>Do you really want to reset all settings of this trim to the global values?</source>
        <translation>Ripristinare davvero tutte le impostazioni di questo trim ai valori globali?</translation>
    </message>
    <message>
        <source>Trim setup:</source>
        <translation>Impostazione trim:</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Fase di volo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Singola</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Globale</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Campo trim</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passi</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversa</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Segnale</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrazione</translation>
    </message>
    <message>
        <source>Vibr. + Beep</source>
        <translation>Vibr. + Bip</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
</context>
<context>
    <name>23</name>
    <message>
        <source>A1 Tx high</source>
        <translation>A1 Tx alto</translation>
    </message>
    <message>
        <source>A1 Tx mid</source>
        <translation>A1 Tx medio</translation>
    </message>
    <message>
        <source>A1 Tx low</source>
        <translation>A1 Tx basso</translation>
    </message>
    <message>
        <source>A1 hopping</source>
        <translation>A1 hopping</translation>
    </message>
    <message>
        <source>A1 Rx high</source>
        <translation>A1 Rx alto</translation>
    </message>
    <message>
        <source>A1 Rx mid</source>
        <translation>A1 Rx medio</translation>
    </message>
    <message>
        <source>A1 Rx low</source>
        <translation>A1 Rx basso</translation>
    </message>
    <message>
        <source>A2 Tx high</source>
        <translation>A2 Tx alto</translation>
    </message>
    <message>
        <source>A2 Tx mid</source>
        <translation>A2 Tx medio</translation>
    </message>
    <message>
        <source>A2 Tx low</source>
        <translation>A2 Tx basso</translation>
    </message>
    <message>
        <source>A2 hopping</source>
        <translation>A2 hopping</translation>
    </message>
    <message>
        <source>A2 Rx high</source>
        <translation>A2 Rx alto</translation>
    </message>
    <message>
        <source>A2 Rx mid</source>
        <translation>A2 Rx medio</translation>
    </message>
    <message>
        <source>A2 Rx low</source>
        <translation>A2 Rx basso</translation>
    </message>
    <message>
        <source>Test off</source>
        <translation>Test off</translation>
    </message>
    <message>
        <source>Bandwidth EU</source>
        <translation>Banda EU</translation>
    </message>
    <message>
        <source>-- High channel</source>
        <translation>-- Canale alto</translation>
    </message>
    <message>
        <source>++ Low channel</source>
        <translation>++ Canale basso</translation>
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
        <translation>L&apos;aggiornamento del firmware è terminato.</translation>
    </message>
    <message>
        <source>The firmware update failed.</source>
        <translation>L&apos;aggiornamento del firmware non è riuscito.</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again.</source>
        <translation>Spegnere e riaccendere la trasmittente.</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again: the update is repeated at the next start.</source>
        <translation>Spegnere e riaccendere la trasmittente: l&apos;aggiornamento verrà ripetuto al prossimo avvio.</translation>
    </message>
    <message>
        <source>The transmitter starts with the controllers&apos; present firmware. The update is repeated at the next start.</source>
        <translation>La trasmittente si avvia con il firmware attuale dei controller. L&apos;aggiornamento verrà ripetuto al prossimo avvio.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The controllers receive the firmware of the new software. Do not switch the transmitter off.</source>
        <translation>I controller ricevono il firmware del nuovo software. Non spegnere la trasmittente.</translation>
    </message>
    <message>
        <source>The firmware recovery is finished.</source>
        <translation>Ripristino del firmware terminato.</translation>
    </message>
    <message>
        <source>The firmware recovery failed.</source>
        <translation>Ripristino firmware non riuscito.</translation>
    </message>
    <message>
        <source>Firmware recovery</source>
        <translation>Ripristino firmware</translation>
    </message>
    <message>
        <source>The controller&apos;s firmware may be incomplete. Please start the recovery again.</source>
        <translation>Il firmware del controller potrebbe essere incompleto. Avviare di nuovo il ripristino.</translation>
    </message>
    <message>
        <source>The controller receives the firmware of this software. Do not switch the transmitter off.</source>
        <translation>Il controller riceve il firmware di questo software. Non spegnere la trasmittente.</translation>
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
        <translation>Seleziona servo:</translation>
    </message>
    <message>
        <source>Select function:</source>
        <translation>Seleziona funzione:</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>Corsa</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>Direz.</translation>
    </message>
    <message>
        <source>Please select servo and function:</source>
        <translation>Selezionare servo e funzione:</translation>
    </message>
</context>
<context>
    <name>27_FunctionServos</name>
    <message>
        <source>Select servo:</source>
        <translation>Seleziona servo:</translation>
    </message>
    <message>
        <source>Are you sure you would like to delete this servo?</source>
        <translation>Eliminare davvero questo servo?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>Selezionare un servo disponibile:</translation>
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
        <translation>Elimina trim</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>2_Home</name>
    <message>
        <source>Sensors auto rescan...
 Attempt #</source>
        <translation>Nuova scansione sensori...
 Tentativo #</translation>
    </message>
    <message>
        <source>sensors found.
</source>
        <translation>sensori trovati.
</translation>
    </message>
    <message>
        <source>Please perform new rescan manually!</source>
        <translation>Eseguire manualmente una nuova scansione!</translation>
    </message>
    <message>
        <source>Model Fast Start!</source>
        <translation>Avvio rapido modello!</translation>
    </message>
    <message>
        <source> Trims unlocked!</source>
        <translation> Trim sbloccati!</translation>
    </message>
    <message>
        <source>Trims locked!</source>
        <translation>Trim bloccati!</translation>
    </message>
    <message>
        <source> - Model error</source>
        <translation> - Errore modello</translation>
    </message>
    <message>
        <source> - File not found or corrupted!</source>
        <translation> - File non trovato o danneggiato!</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>Modello: </translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Pagina </translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>Caricamento modello...</translation>
    </message>
    <message>
        <source>Not loaded:</source>
        <translation>Non caricato:</translation>
    </message>
    <message>
        <source> - SD card smaller than 256 MiB!</source>
        <translation> - Scheda SD più piccola di 256 MiB!</translation>
    </message>
</context>
<context>
    <name>33_MixerCurveEditor</name>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Smussata</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Spezzata</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>Reset curva</translation>
    </message>
</context>
<context>
    <name>35_TimerSetup</name>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Do you really want to delete this timer control?</source>
        <translation>Eliminare davvero questo comando del timer?</translation>
    </message>
    <message>
        <source>Timer name</source>
        <translation>Nome timer</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Valore attuale</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Tempo inizio</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Tempo fine</translation>
    </message>
    <message>
        <source>Auto reset</source>
        <translation>Reset auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Audio settings</source>
        <translation>Impostazioni audio</translation>
    </message>
</context>
<context>
    <name>36_ControlSelector</name>
    <message>
        <source>Function</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interruttore</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>FM control #</source>
        <translation>Comando FV #</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Trainer cord</source>
        <translation>Cavo trainer</translation>
    </message>
    <message>
        <source>Sequencer</source>
        <translation>Sequenziatore</translation>
    </message>
    <message>
        <source>T-Con On/Off</source>
        <translation>T-Con On/Off</translation>
    </message>
    <message>
        <source>Headup</source>
        <translation>Headup</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Riavvia</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>Attivatore</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Comando Vorn</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Attivazione</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Segnale</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Altoparlante</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>Click trim</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Diff. input</source>
        <translation>Ingr. diff.</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>V-Switch</source>
        <translation>Int. virt.</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>Fixvalue</source>
        <translation>Valore fisso</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Momentaneo</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Bistabile</translation>
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
        <translation>Off</translation>
    </message>
    <message>
        <source>You are about to delete the following function: </source>
        <translation>Si sta per eliminare la seguente funzione: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Procedere?</translation>
    </message>
    <message>
        <source>Failsafe teached!</source>
        <translation>Failsafe memorizzato!</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>FS all</source>
        <translation>FS tutti</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Memorizza</translation>
    </message>
    <message>
        <source>This model has no functions yet. &quot;+&quot; adds one; its row then sets its name, control, trim and servos.</source>
        <translation>Questo modello non ha ancora funzioni. &quot;+&quot; ne aggiunge una; la sua riga ne imposta poi nome, comando, trim e servi.</translation>
    </message>
</context>
<context>
    <name>5</name>
    <message>
        <source>Function Setup:</source>
        <translation>Impostazione funzione:</translation>
    </message>
</context>
<context>
    <name>5_1</name>
    <message>
        <source>Do you really want to reset all settings of this function to the values of &apos;</source>
        <translation>Ripristinare davvero tutte le impostazioni di questa funzione ai valori della fase di volo &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos;?</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Fase di volo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Singola</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Globale</translation>
    </message>
    <message>
        <source>Control rate</source>
        <translation>Comando D/R</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Dual rate</translation>
    </message>
    <message>
        <source>Control expo</source>
        <translation>Comando expo</translation>
    </message>
    <message>
        <source>Expo right</source>
        <translation>Expo destra</translation>
    </message>
    <message>
        <source>Expo left</source>
        <translation>Expo sinistra</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Tempo corsa</translation>
    </message>
</context>
<context>
    <name>7</name>
    <message>
        <source>Flight Mode: Normal</source>
        <translation>Fase di volo: Normale</translation>
    </message>
</context>
<context>
    <name>9_BindingMenu</name>
    <message>
        <source>Type %1</source>
        <translation>Tipo %1</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>S/N %1</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 21</source>
        <translation>Riceventi: R-Ediv 21</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 14</source>
        <translation>Riceventi: R-Ediv 14</translation>
    </message>
    <message>
        <source>Receivers: own</source>
        <translation>Riceventi: proprie</translation>
    </message>
    <message>
        <source>Binding receiver %1 ...
Switch the receiver on in binding mode.</source>
        <translation>Associazione ricevente %1 ...
Accendere la ricevente in modalità binding.</translation>
    </message>
    <message>
        <source>Do you really want to delete receiver %1?</source>
        <translation>Eliminare davvero la ricevente %1?</translation>
    </message>
    <message>
        <source>Deleting receiver %1 ...</source>
        <translation>Eliminazione ricevente %1 ...</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Riceventi</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Ricevente %1</translation>
    </message>
    <message>
        <source>not bound</source>
        <translation>non associata</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Bind</source>
        <translation>Associa</translation>
    </message>
    <message>
        <source>Transmitter sensor</source>
        <translation>Sensore trasmittente</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>Firmware ricevente</translation>
    </message>
</context>
<context>
    <name>AlarmMessageSettings</name>
    <message>
        <source>Timer Name</source>
        <translation>Nome timer</translation>
    </message>
    <message>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>Premi per impostare voce</translation>
    </message>
</context>
<context>
    <name>AssistantControlChooser</name>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>Fix value</source>
        <translation>Valore fisso</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Momentaneo</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Bistabile</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>AssistantServoChooser</name>
    <message>
        <source>Please select the servos you would like to add</source>
        <translation>Selezionare i servi da aggiungere</translation>
    </message>
    <message>
        <source>Available servo slots: </source>
        <translation>Posti servo disponibili: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>AssistantTypePage</name>
    <message>
        <source>Sailplane</source>
        <translation>Aliante</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>Acro</translation>
    </message>
    <message>
        <source>Delta-Wing</source>
        <translation>Ala delta</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>Coda a V</translation>
    </message>
    <message>
        <source>Left wing</source>
        <translation>Ala sinistra</translation>
    </message>
    <message>
        <source>Right wing</source>
        <translation>Ala destra</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>Ala</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Coda</translation>
    </message>
    <message>
        <source>Throttle + Gear</source>
        <translation>Motore + Carrello</translation>
    </message>
    <message>
        <source>Gyro + Aux</source>
        <translation>Gyro + Aux</translation>
    </message>
    <message>
        <source>Gear + Brake</source>
        <translation>Carrello + Freni</translation>
    </message>
    <message>
        <source>Throttle + Smoke</source>
        <translation>Motore + Fumo</translation>
    </message>
    <message>
        <source>Gyro + Vector</source>
        <translation>Gyro + Vettoriale</translation>
    </message>
    <message>
        <source>You did not set any function, the assistant will be closed. A new model with an empty function list will be created.
Continue?</source>
        <translation>Non è stata impostata alcuna funzione, l&apos;assistente verrà chiuso. Verrà creato un nuovo modello con un elenco di funzioni vuoto.
Continuare?</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Aileron Control</source>
        <translation>Comando alettoni</translation>
    </message>
    <message>
        <source>Elevator Control</source>
        <translation>Comando profondità</translation>
    </message>
    <message>
        <source>Rudder Control</source>
        <translation>Comando direzione</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>BTSettings</name>
    <message>
        <source>It may take up to 15 seconds to scan bluetooth devices</source>
        <translation>La ricerca dei dispositivi Bluetooth può richiedere fino a 15 secondi</translation>
    </message>
    <message>
        <source>The device is successfully connected</source>
        <translation>Il dispositivo è stato connesso</translation>
    </message>
    <message>
        <source>An unexpected error occurred while searching for devices</source>
        <translation>Errore imprevisto durante la ricerca dei dispositivi</translation>
    </message>
    <message>
        <source>An unexpected error occurred when stopping the device search</source>
        <translation>Errore imprevisto durante l&apos;arresto della ricerca dei dispositivi</translation>
    </message>
    <message>
        <source>An unexpected error occurred while deleting the device</source>
        <translation>Errore imprevisto durante l&apos;eliminazione del dispositivo</translation>
    </message>
    <message>
        <source>An unexpected error occurred when connecting to the device</source>
        <translation>Errore imprevisto durante la connessione al dispositivo</translation>
    </message>
    <message>
        <source>The maximum number of connected devices has been reached</source>
        <translation>Raggiunto il numero massimo di dispositivi connessi</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Scan!</source>
        <translation>Cerca!</translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Test audio</translation>
    </message>
    <message>
        <source>Bluetooth sound test</source>
        <translation>Test audio Bluetooth</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Ricerca...</translation>
    </message>
    <message>
        <source>No devices known. Touch Scan! to search.</source>
        <translation>Nessun dispositivo noto. Toccare Cerca! per cercare.</translation>
    </message>
    <message>
        <source>Switch Bluetooth on to see the devices.</source>
        <translation>Attivare il Bluetooth per vedere i dispositivi.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Accendi</translation>
    </message>
</context>
<context>
    <name>CComplexTimer</name>
    <message>
        <source>hour</source>
        <translation>ora</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ore</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>second</source>
        <translation>secondo</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
</context>
<context>
    <name>ControlConfigLinear</name>
    <message>
        <source>Input</source>
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Sopra</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Sotto</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Fixed control</source>
        <translation>Comando fisso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No input is chosen yet. Touch &quot;Input&quot; above, then move the control you want (or pick a switch) and confirm with OK.</source>
        <translation>Nessun ingresso ancora scelto. Toccare &quot;Ingresso&quot; sopra, poi muovere il comando desiderato (o scegliere un interruttore) e confermare con OK.</translation>
    </message>
    <message>
        <source>No input is chosen yet.</source>
        <translation>Nessun ingresso ancora scelto.</translation>
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
        <translation>Bloccato</translation>
    </message>
</context>
<context>
    <name>CountrySelector</name>
    <message>
        <source>Not specified</source>
        <translation>Non specificato</translation>
    </message>
    <message>
        <source>Time zone [ ±hh:mm ]</source>
        <translation>Fuso orario [ ±hh:mm ]</translation>
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
        <translation>Punti</translation>
    </message>
    <message>
        <source>Select Point</source>
        <translation>Seleziona punto</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Smussata</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Spezzata</translation>
    </message>
    <message>
        <source>Reset Curve</source>
        <translation>Reset curva</translation>
    </message>
</context>
<context>
    <name>CutoffSettings</name>
    <message>
        <source>Do you really want to delete this Servo Cut-off?</source>
        <translation>Eliminare davvero questo taglio servo?</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Attuale</translation>
    </message>
    <message>
        <source>Delete Servo Cut-off</source>
        <translation>Elimina taglio servo</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>Selezionare un servo disponibile:</translation>
    </message>
</context>
<context>
    <name>DifferentialsList</name>
    <message>
        <source>Do you really want to clear this differential?</source>
        <translation>Cancellare davvero questo differenziale?</translation>
    </message>
    <message>
        <source>Servo </source>
        <translation>Servo </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Please select an available function:</source>
        <translation>Selezionare una funzione disponibile:</translation>
    </message>
    <message>
        <source>Please assign servos to the left or right side:</source>
        <translation>Assegnare i servi al lato sinistro o destro:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servi</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>No function has a differential yet. &quot;+&quot; gives one a differential; its row then sets the servos&apos; sides and the setup.</source>
        <translation>Nessuna funzione ha ancora un differenziale. &quot;+&quot; ne dà uno a una funzione; la sua riga imposta poi i lati dei servi e la regolazione.</translation>
    </message>
</context>
<context>
    <name>EmptyOutroStop</name>
    <message>
        <source>System shutting down</source>
        <translation>Spegnimento del sistema</translation>
    </message>
</context>
<context>
    <name>FastMain</name>
    <message>
        <source>System starting...</source>
        <translation>Avvio del sistema...</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>Nothing to choose from here</source>
        <translation>Niente da scegliere qui</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>FileManager</name>
    <message>
        <source>Choose a storage</source>
        <translation>Scegli una memoria</translation>
    </message>
    <message>
        <source>Delete the %1 selected files and folders?</source>
        <translation>Eliminare i %1 file e cartelle selezionati?</translation>
    </message>
    <message>
        <source>Copying complete</source>
        <translation>Copia completata</translation>
    </message>
    <message>
        <source>Deleting complete</source>
        <translation>Eliminazione completata</translation>
    </message>
    <message>
        <source>Canceled by the user</source>
        <translation>Annullato dall&apos;utente</translation>
    </message>
    <message>
        <source>A file or folder cannot be deleted</source>
        <translation>Impossibile eliminare un file o una cartella</translation>
    </message>
    <message>
        <source>A file or folder cannot be created in the destination folder</source>
        <translation>Impossibile creare un file o una cartella nella cartella di destinazione</translation>
    </message>
    <message>
        <source>Copying complete. Files that existed already were skipped</source>
        <translation>Copia completata. I file già esistenti sono stati saltati</translation>
    </message>
    <message>
        <source>A source file cannot be opened</source>
        <translation>Impossibile aprire un file di origine</translation>
    </message>
    <message>
        <source>A source file cannot be read</source>
        <translation>Impossibile leggere un file di origine</translation>
    </message>
    <message>
        <source>A file cannot be written in the destination folder</source>
        <translation>Impossibile scrivere un file nella cartella di destinazione</translation>
    </message>
    <message>
        <source>The destination folder is not available</source>
        <translation>La cartella di destinazione non è disponibile</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>The source was not found</source>
        <translation>Origine non trovata</translation>
    </message>
    <message>
        <source>The file name cannot be generated automatically</source>
        <translation>Impossibile generare automaticamente il nome del file</translation>
    </message>
    <message>
        <source>The destination folder is a subfolder of the source folder</source>
        <translation>La cartella di destinazione è una sottocartella della cartella di origine</translation>
    </message>
    <message>
        <source>The source folder is the same as the destination folder</source>
        <translation>La cartella di origine coincide con la cartella di destinazione</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists already in the destination folder.</source>
        <translation>&quot;%1&quot; esiste già nella cartella di destinazione.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no WAVE sound file and cannot be played.</source>
        <translation>&quot;%1&quot; non è un file audio WAVE e non può essere riprodotto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played.</source>
        <translation>Impossibile riprodurre &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Da:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Copy here ▶</source>
        <translation>Copia qui ▶</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 selezionati</translation>
    </message>
    <message>
        <source>Copying %1 of %2</source>
        <translation>Copia %1 di %2</translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation>Eliminazione %1 di %2</translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>Nessuna rete WLAN configurata. Configurarne prima una nelle impostazioni WLAN.</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>Connessione alla WLAN ...</translation>
    </message>
    <message>
        <source>Looking for receiver firmware ...</source>
        <translation>Ricerca firmware ricevente ...</translation>
    </message>
    <message>
        <source>The download could not be started.</source>
        <translation>Impossibile avviare il download.</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>Impossibile stabilire la connessione WLAN.</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>Aggiornamento non trovato.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>Memoria insufficiente sulla scheda SD.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>Un file dell&apos;aggiornamento è danneggiato. Avviare di nuovo il download.</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>Connessione al server di aggiornamento non riuscita.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download completato</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>Firmware ricevente</translation>
    </message>
    <message>
        <source>No receiver firmware on the SD card. &quot;Download&quot; fetches it from the update server.</source>
        <translation>Nessun firmware ricevente sulla scheda SD. &quot;Scarica&quot; lo preleva dal server di aggiornamento.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Receiver firmware download</source>
        <translation>Download firmware ricevente</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Ricevente %1</translation>
    </message>
    <message>
        <source>Write %1 into receiver %2?</source>
        <translation>Scrivere %1 nella ricevente %2?</translation>
    </message>
    <message>
        <source>Receiver %1 runs firmware %2.</source>
        <translation>La ricevente %1 ha il firmware %2.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Receiver firmware update</source>
        <translation>Agg. firmware ricevente</translation>
    </message>
</context>
<context>
    <name>FlightModeEditor</name>
    <message>
        <source>Do you really want to delete this
No Fade-in function?</source>
        <translation>Eliminare davvero questa
funzione senza transizione?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usa</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Fade-in</source>
        <translation>Transizione</translation>
    </message>
    <message>
        <source>No Fade-in Functions</source>
        <translation>Senza transizione</translation>
    </message>
    <message>
        <source>Delete function</source>
        <translation>Elimina funzione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select available functions:</source>
        <translation>Selezionare le funzioni disponibili:</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
Creare prima la fase di volo standard!</translation>
    </message>
</context>
<context>
    <name>FlightModeSelector</name>
    <message>
        <source>Null string</source>
        <translation>Stringa vuota</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
Creare prima la fase di volo standard!</translation>
    </message>
    <message>
        <source>Delete Flight Mode</source>
        <translation>Elimina fase di volo</translation>
    </message>
    <message>
        <source>Delete FM Control</source>
        <translation>Elimina comando FV</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Scambia</translation>
    </message>
    <message>
        <source>Do you really want to delete this
Flight Mode control?</source>
        <translation>Eliminare davvero questo
comando fase di volo?</translation>
    </message>
    <message>
        <source>Do you really want to delete
this Flight Mode?</source>
        <translation>Eliminare davvero
questa fase di volo?</translation>
    </message>
    <message>
        <source>
Cannot delete standard Flight Mode!</source>
        <translation>
Impossibile eliminare la fase di volo standard!</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>Modello: </translation>
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
        <translation>Differenziale</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Fase di volo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Singola</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Globale</translation>
    </message>
    <message>
        <source>Diff. control</source>
        <translation>Comando diff.</translation>
    </message>
    <message>
        <source>Diff. trim</source>
        <translation>Trim diff.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source>No servo has a side yet: the differential acts only on servos set to the left or right side in the differential list&apos;s servo column.</source>
        <translation>Nessun servo ha ancora un lato: il differenziale agisce solo sui servi assegnati al lato sinistro o destro nella colonna Servi della lista differenziali.</translation>
    </message>
</context>
<context>
    <name>FunctionDiffItemV2</name>
    <message>
        <source>Setup</source>
        <translation>Imposta</translation>
    </message>
</context>
<context>
    <name>GPSSideBoard</name>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Rotta</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
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
        <translation>Timer</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>Segnaposto</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Nessun dato</translation>
    </message>
    <message>
        <source>Kind of the item</source>
        <translation>Tipo di elemento</translation>
    </message>
    <message>
        <source>Telemetry value</source>
        <translation>Valore telemetria</translation>
    </message>
    <message>
        <source>There is nothing of this kind to choose.</source>
        <translation>Non c&apos;è nulla di questo tipo da scegliere.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>No items. Touch + to add one.</source>
        <translation>Nessun elemento. Toccare + per aggiungerne uno.</translation>
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
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>KLX_CopyModelData</name>
    <message>
        <source>The file already exists in the target folder, overwrite?</source>
        <translation>Il file esiste già nella cartella di destinazione. Sovrascrivere?</translation>
    </message>
    <message>
        <source>The following file was already deleted!</source>
        <translation>Il file seguente è già stato eliminato!</translation>
    </message>
    <message>
        <source>Add and replace files in destination folder:</source>
        <translation>Aggiungi e sostituisci i file nella cartella di destinazione:</translation>
    </message>
    <message>
        <source>Not on the card:</source>
        <translation>Non presente sulla scheda:</translation>
    </message>
</context>
<context>
    <name>KLX_DataBaseManager</name>
    <message>
        <source>mixer</source>
        <translation>mixer</translation>
    </message>
    <message>
        <source>sequencer</source>
        <translation>sequenziatore</translation>
    </message>
    <message>
        <source>servo</source>
        <translation>servo</translation>
    </message>
    <message>
        <source>telecontrol</source>
        <translation>comando telemetria</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Costante</translation>
    </message>
</context>
<context>
    <name>KLX_ErrorData</name>
    <message>
        <source>Model currently active – cannot erase!</source>
        <translation>Modello attivo – impossibile eliminare!</translation>
    </message>
    <message>
        <source>Battery is weak - please charge before update!</source>
        <translation>Batteria scarica - ricaricare prima dell&apos;aggiornamento!</translation>
    </message>
    <message>
        <source>Target file already exists – cannot copy!</source>
        <translation>Il file di destinazione esiste già – impossibile copiare!</translation>
    </message>
    <message>
        <source>No source file selected – cannot copy!</source>
        <translation>Nessun file sorgente scelto – impossibile copiare!</translation>
    </message>
    <message>
        <source>No USB stick plugged – cannot copy!</source>
        <translation>Nessuna chiavetta USB inserita – impossibile copiare!</translation>
    </message>
    <message>
        <source>Bad servoindex or mixerindex in servo configuration!</source>
        <translation>Indice servo o mixer non valido nella configurazione servo!</translation>
    </message>
    <message>
        <source>Servo configuration not used!</source>
        <translation>Configurazione servo non usata!</translation>
    </message>
    <message>
        <source>Bad function index in servomixer!</source>
        <translation>Indice funzione non valido nel mixer servo!</translation>
    </message>
    <message>
        <source>Wrong function count in flightmode!</source>
        <translation>Numero di funzioni errato nella fase di volo!</translation>
    </message>
    <message>
        <source>Wrong setup count in functions!</source>
        <translation>Numero di impostazioni errato nelle funzioni!</translation>
    </message>
    <message>
        <source>Wrong setup count in mixers!</source>
        <translation>Numero di impostazioni errato nei mixer!</translation>
    </message>
    <message>
        <source>No receiver found!</source>
        <translation>Nessuna ricevente trovata!</translation>
    </message>
    <message>
        <source>This unit cannot be loaded!</source>
        <translation>Questo elemento non può essere caricato!</translation>
    </message>
    <message>
        <source>Cannot delete file or folder!</source>
        <translation>Impossibile eliminare il file o la cartella!</translation>
    </message>
    <message>
        <source>No destination folder!</source>
        <translation>Nessuna cartella di destinazione!</translation>
    </message>
    <message>
        <source>No source folder!</source>
        <translation>Nessuna cartella sorgente!</translation>
    </message>
    <message>
        <source>Not enough memory on the SD card – cannot copy!</source>
        <translation>Memoria insufficiente sulla scheda SD – impossibile copiare!</translation>
    </message>
    <message>
        <source>Not enough memory on the target – cannot copy!</source>
        <translation>Memoria insufficiente sulla destinazione – impossibile copiare!</translation>
    </message>
    <message>
        <source>No usable SD card – cannot copy!</source>
        <translation>Nessuna scheda SD utilizzabile – impossibile copiare!</translation>
    </message>
    <message>
        <source>The model file could not be copied into the target folder!</source>
        <translation>Impossibile copiare il file del modello nella cartella di destinazione!</translation>
    </message>
    <message>
        <source>The model is being saved – please try again!</source>
        <translation>Il modello è in fase di salvataggio – riprovare!</translation>
    </message>
    <message>
        <source>Model path outside the model folders – cannot copy!</source>
        <translation>Percorso del modello fuori dalle cartelle dei modelli – impossibile copiare!</translation>
    </message>
    <message>
        <source>The copy could not be set up!</source>
        <translation>Impossibile preparare la copia!</translation>
    </message>
    <message>
        <source>The copy was in no known step and was stopped!</source>
        <translation>La copia era in una fase sconosciuta ed è stata interrotta!</translation>
    </message>
    <message>
        <source>The copy took too long and was stopped!</source>
        <translation>La copia ha richiesto troppo tempo ed è stata interrotta!</translation>
    </message>
    <message>
        <source>Reading or writing failed – cannot copy!</source>
        <translation>Lettura o scrittura non riuscita – impossibile copiare!</translation>
    </message>
    <message>
        <source>No backup of the model file could be made!</source>
        <translation>Impossibile creare un backup del file del modello!</translation>
    </message>
    <message>
        <source>The loaded model and the settings files cannot be deleted!</source>
        <translation>Il modello caricato e i file delle impostazioni non possono essere eliminati!</translation>
    </message>
    <message>
        <source>Path outside the allowed folders!</source>
        <translation>Percorso fuori dalle cartelle consentite!</translation>
    </message>
    <message>
        <source>More than 5 GB – cannot copy!</source>
        <translation>Più di 5 GB – impossibile copiare!</translation>
    </message>
    <message>
        <source>The new folder could not be created!</source>
        <translation>Impossibile creare la nuova cartella!</translation>
    </message>
    <message>
        <source>Unknown copy or delete request – nothing was done!</source>
        <translation>Richiesta di copia o eliminazione sconosciuta – non è stato fatto nulla!</translation>
    </message>
</context>
<context>
    <name>KLX_ProcessVorn</name>
    <message>
        <source>System synchronization</source>
        <translation>Sincronizzazione del sistema</translation>
    </message>
    <message>
        <source>Loading model</source>
        <translation>Caricamento modello</translation>
    </message>
    <message>
        <source>Loading unit</source>
        <translation>Caricamento elemento</translation>
    </message>
    <message>
        <source>Deleting unit</source>
        <translation>Eliminazione elemento</translation>
    </message>
    <message>
        <source>Sending binding configuration</source>
        <translation>Invio configurazione associazione</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Associazione</translation>
    </message>
    <message>
        <source>Calibrating controls</source>
        <translation>Calibrazione comandi</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>Creazione nuovo modello</translation>
    </message>
    <message>
        <source>Deleting model</source>
        <translation>Eliminazione modello</translation>
    </message>
    <message>
        <source>Receiving modeldata</source>
        <translation>Ricezione dati modello</translation>
    </message>
    <message>
        <source>Renaming model</source>
        <translation>Rinomina modello</translation>
    </message>
    <message>
        <source>Onboard firmware update</source>
        <translation>Aggiornamento firmware interno</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>Aggiornamento di sistema</translation>
    </message>
    <message>
        <source>Copy model</source>
        <translation>Copia modello</translation>
    </message>
    <message>
        <source>Capture sensor menue data</source>
        <translation>Lettura menu sensore</translation>
    </message>
    <message>
        <source>Set sensor data</source>
        <translation>Impostazione dati sensore</translation>
    </message>
    <message>
        <source>Set sensor mainadress</source>
        <translation>Impostazione indirizzo sensore</translation>
    </message>
    <message>
        <source>Copy model data to external device</source>
        <translation>Copia dati modello su dispositivo esterno</translation>
    </message>
    <message>
        <source>Read menu data continiously</source>
        <translation>Lettura continua dati menu</translation>
    </message>
    <message>
        <source>Capture telemetrie data</source>
        <translation>Acquisizione dati telemetria</translation>
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
        <translation>milliampereora</translation>
    </message>
    <message>
        <source>feet per second</source>
        <translation>piedi al secondo</translation>
    </message>
    <message>
        <source>meters per second</source>
        <translation>metri al secondo</translation>
    </message>
    <message>
        <source>degree Celsius</source>
        <translation>gradi Celsius</translation>
    </message>
    <message>
        <source>degree Fahrenheit</source>
        <translation>gradi Fahrenheit</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>scaduto</translation>
    </message>
    <message>
        <source>attention</source>
        <translation>attenzione</translation>
    </message>
</context>
<context>
    <name>KLX_Timer</name>
    <message>
        <source>hour</source>
        <translation>ora</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ore</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>second</source>
        <translation>secondo</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
</context>
<context>
    <name>KLX_TimersAlarms</name>
    <message>
        <source>Attention:data synchronization failed!Please land your aircraft!</source>
        <translation>Attenzione: sincronizzazione dati non riuscita! Atterrare subito!</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No more than three lines</source>
        <translation>Non più di tre righe</translation>
    </message>
    <message>
        <source>No more than %1 characters</source>
        <translation>Non più di %1 caratteri</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Functions</source>
        <translation>Funzioni</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servi</translation>
    </message>
    <message>
        <source>ServoMonitor</source>
        <translation>Monitor servi</translation>
    </message>
    <message>
        <source>Flight Modes</source>
        <translation>Fasi di volo</translation>
    </message>
    <message>
        <source>Virtual Switches</source>
        <translation>Interruttori virtuali</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <source>Servo Cut-off</source>
        <translation>Taglio servo</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Riceventi</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>Impostazioni voce</translation>
    </message>
    <message>
        <source>Vario Settings</source>
        <translation>Impostazioni vario</translation>
    </message>
    <message>
        <source>Sequencers</source>
        <translation>Sequencer</translation>
    </message>
    <message>
        <source>Differential</source>
        <translation>Differenziale</translation>
    </message>
    <message>
        <source>Telemetry Controls</source>
        <translation>Comandi telemetria</translation>
    </message>
    <message>
        <source>Trainer cord Settings</source>
        <translation>Impostazioni cavo trainer</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>Annunciatore</translation>
    </message>
    <message>
        <source>GPS Compass</source>
        <translation>Bussola GPS</translation>
    </message>
    <message>
        <source>HeadUp Display</source>
        <translation>HeadUp Display</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>Checklist pre-volo</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestione file</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
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
        <translation>&quot;%1&quot; è ora nel menu utente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the user menu.</source>
        <translation>&quot;%1&quot; è già nel menu utente.</translation>
    </message>
</context>
<context>
    <name>ModelMenu</name>
    <message>
        <source>Plane</source>
        <translation>Aereo</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Elicottero</translation>
    </message>
    <message>
        <source>Multicopter</source>
        <translation>Multicottero</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barca</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / %1 : * ? &quot; &lt; &gt; | or &quot;..&quot;.</source>
        <translation>Questo nome non può essere usato.
Un nome non deve contenere / %1 : * ? &quot; &lt; &gt; | o &quot;..&quot;.</translation>
    </message>
    <message>
        <source>New name of the folder:</source>
        <translation>Nuovo nome della cartella:</translation>
    </message>
    <message>
        <source>New name of the model:</source>
        <translation>Nuovo nome del modello:</translation>
    </message>
    <message>
        <source>Name of the new model in %1:</source>
        <translation>Nome del nuovo modello in %1:</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>Caricamento modello...</translation>
    </message>
    <message>
        <source>The model could not be loaded.</source>
        <translation>Impossibile caricare il modello.</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>Creazione nuovo modello</translation>
    </message>
    <message>
        <source>There is no current model.
Load a model or make a new one first.</source>
        <translation>Nessun modello attuale.
Caricare un modello o crearne uno nuovo.</translation>
    </message>
    <message>
        <source>Copy %1 to:</source>
        <translation>Copia %1 in:</translation>
    </message>
    <message>
        <source>The model is copied as: </source>
        <translation>Il modello viene copiato come: </translation>
    </message>
    <message>
        <source>Folder: </source>
        <translation>Cartella: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Procedere?</translation>
    </message>
    <message>
        <source>Only the current model can be renamed.
Load this model now and rename it?</source>
        <translation>Si può rinominare solo il modello attuale.
Caricare ora questo modello e rinominarlo?</translation>
    </message>
    <message>
        <source>You are about to delete the following model: </source>
        <translation>Si sta per eliminare il seguente modello: </translation>
    </message>
    <message>
        <source>Picture for</source>
        <translation>Immagine per</translation>
    </message>
    <message>
        <source>You are about to delete the following folder: </source>
        <translation>Si sta per eliminare la seguente cartella: </translation>
    </message>
    <message>
        <source>Current model: </source>
        <translation>Modello attuale: </translation>
    </message>
    <message>
        <source>No model loaded: load one or make a new one.</source>
        <translation>Nessun modello caricato: caricane o creane uno.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>+ Folder</source>
        <translation>+ Cartella</translation>
    </message>
    <message>
        <source>Current model</source>
        <translation>Modello attuale</translation>
    </message>
    <message>
        <source>No models in this folder.
&quot;New&quot; makes one here.</source>
        <translation>Nessun modello in questa cartella.
&quot;Nuovo&quot; ne crea uno qui.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
</context>
<context>
    <name>ModelTask</name>
    <message>
        <source>Timeout</source>
        <translation>Tempo scaduto</translation>
    </message>
</context>
<context>
    <name>ModelTypeChoose</name>
    <message>
        <source>Please select the model type:</source>
        <translation>Selezionare il tipo di modello:</translation>
    </message>
    <message>
        <source>Sailplane</source>
        <translation>Aliante</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>Acro</translation>
    </message>
    <message>
        <source>Delta-Wing</source>
        <translation>Ala delta</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>Coda a V</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continua</translation>
    </message>
</context>
<context>
    <name>Modelbuilder</name>
    <message>
        <source>Timeout</source>
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funzioni</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servi</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
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
        <translation>Annulla</translation>
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
        <translation>Comandi memorizzati!</translation>
    </message>
    <message>
        <source>Controls teached incorrect - try again!</source>
        <translation>Memorizzazione comandi errata - riprovare!</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>Checklist pre-volo</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selezione</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Abilitato</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabilitato</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Teach controls</source>
        <translation>Memorizza</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Memorizza</translation>
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
        <translation>Avvio radio...</translation>
    </message>
    <message>
        <source>Check positions:</source>
        <translation>Controllare le posizioni:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ProgressBox</name>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
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
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>Smonta</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sovrascrivi</translation>
    </message>
</context>
<context>
    <name>SensorAddressInfo</name>
    <message>
        <source>Original:</source>
        <translation>Originale:</translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation>Alias:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Pagina:</translation>
    </message>
    <message>
        <source>Edit alias</source>
        <translation>Modifica alias</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>SensorMenuFrame</name>
    <message>
        <source>No responce from Backend!</source>
        <translation>Nessuna risposta dal backend!</translation>
    </message>
    <message>
        <source>Stepping value error!</source>
        <translation>Errore valore di passo!</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>Stepping value none!</source>
        <translation>Nessun valore di passo!</translation>
    </message>
</context>
<context>
    <name>SensorMenuItem</name>
    <message>
        <source>Activate</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Disattiva</translation>
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
        <translation>Ciclo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Singolo</translation>
    </message>
</context>
<context>
    <name>SequencerServoEditor</name>
    <message>
        <source>Running</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>Srv.</source>
        <translation>Srv.</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Select point</source>
        <translation>Scegli punto</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Locked since the start, so that it does not run by itself: move %1 to where its last run ended. It then follows its control again and can be edited.</source>
        <translation>Bloccato dall&apos;avvio perché non parta da solo: porta %1 dove è finita la sua ultima corsa. Poi segue di nuovo il suo comando e si può modificare.</translation>
    </message>
</context>
<context>
    <name>SequencerServoList</name>
    <message>
        <source>Do you really want to delete this servo from sequencer?</source>
        <translation>Eliminare davvero questo servo dal sequenziatore?</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Tempo attivo</translation>
    </message>
    <message>
        <source>Movement range</source>
        <translation>Escursione</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>Selezionare i servi disponibili:</translation>
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
        <translation>Eliminare davvero questo sequenziatore?</translation>
    </message>
    <message>
        <source>Sequencer is running. Try again when finished!</source>
        <translation>Sequenziatore in funzione. Riprovare al termine!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servi</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>Selezionare i servi disponibili:</translation>
    </message>
    <message>
        <source>No sequencers yet. &quot;+&quot; adds one; its row then sets its name, control, mode, servos and waypoints.</source>
        <translation>Ancora nessun sequenziatore. &quot;+&quot; ne aggiunge uno; la sua riga ne imposta poi nome, comando, modo, servi e punti di passaggio.</translation>
    </message>
</context>
<context>
    <name>SequentialTA</name>
    <message>
        <source>No voice</source>
        <translation>Nessuna voce</translation>
    </message>
    <message>
        <source>A list of this name exists already.
Overwrite it?</source>
        <translation>Esiste già una lista con questo nome.
Sovrascriverla?</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / or &quot;..&quot;.</source>
        <translation>Questo nome non può essere usato.
Un nome non deve contenere / o &quot;..&quot;.</translation>
    </message>
    <message>
        <source>The list could not be copied to the SD card.</source>
        <translation>Impossibile copiare la lista sulla scheda SD.</translation>
    </message>
    <message>
        <source>The list was written to the USB stick.</source>
        <translation>La lista è stata scritta sulla chiavetta USB.</translation>
    </message>
    <message>
        <source>No USB stick found, or the list could not be written to it.</source>
        <translation>Nessuna chiavetta USB trovata, o impossibile scrivervi la lista.</translation>
    </message>
    <message>
        <source>Do you really want to delete this announcement?</source>
        <translation>Eliminare davvero questo annuncio?</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>Annunciatore</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>The list is empty. &quot;+&quot; adds an announcement.</source>
        <translation>La lista è vuota. &quot;+&quot; aggiunge un annuncio.</translation>
    </message>
    <message>
        <source>No list. &quot;New&quot; starts one, &quot;Open&quot; loads one.</source>
        <translation>Nessuna lista. &quot;Nuovo&quot; ne crea una, &quot;Apri&quot; ne carica una.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Riavvia</translation>
    </message>
    <message>
        <source>Open a list</source>
        <translation>Apri una lista</translation>
    </message>
    <message>
        <source>Name of the new list:</source>
        <translation>Nome della nuova lista:</translation>
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
        <translation>Funzione:</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Curve Editor</source>
        <translation>Editor curva</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Servo curve</source>
        <translation>Curva servo</translation>
    </message>
    <message>
        <source>Function curve</source>
        <translation>Curva funzione</translation>
    </message>
    <message>
        <source>Result curve</source>
        <translation>Curva finale</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source>Mixers</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
</context>
<context>
    <name>ServoCutOffItem</name>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
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
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>Reset curva</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Inv</translation>
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
        <translation>Le batterie sono troppo scariche per un aggiornamento. Caricarle prima.</translation>
    </message>
    <message>
        <source>No application update was found on a USB stick. Download it from the update server?</source>
        <translation>Nessun aggiornamento dell&apos;applicazione trovato su chiavetta USB. Scaricarlo dal server di aggiornamento?</translation>
    </message>
    <message>
        <source>No system update was found on a USB stick. Download it from the update server?</source>
        <translation>Nessun aggiornamento di sistema trovato su chiavetta USB. Scaricarlo dal server di aggiornamento?</translation>
    </message>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>Nessuna rete WLAN configurata. Configurarne prima una nelle impostazioni WLAN.</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>Connessione alla WLAN ...</translation>
    </message>
    <message>
        <source>The update could not be started.</source>
        <translation>Impossibile avviare l&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>Looking for the update ...</source>
        <translation>Ricerca dell&apos;aggiornamento ...</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>Impossibile stabilire la connessione WLAN.</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>Aggiornamento non trovato.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>Memoria insufficiente sulla scheda SD.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please copy the update to the USB stick again.</source>
        <translation>Un file dell&apos;aggiornamento è danneggiato. Copiare di nuovo l&apos;aggiornamento sulla chiavetta USB.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>Un file dell&apos;aggiornamento è danneggiato. Avviare di nuovo il download.</translation>
    </message>
    <message>
        <source>The newest software is installed already.</source>
        <translation>Il software più recente è già installato.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>Impossibile installare l&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>Internal error while installing the update.</source>
        <translation>Errore interno durante l&apos;installazione dell&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>This update is unsuitable for this device.</source>
        <translation>Questo aggiornamento non è adatto a questo dispositivo.</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>Connessione al server di aggiornamento non riuscita.</translation>
    </message>
    <message>
        <source>Update from the USB stick:</source>
        <translation>Aggiornamento dalla chiavetta USB:</translation>
    </message>
    <message>
        <source>Update from the update server:</source>
        <translation>Aggiornamento dal server di aggiornamento:</translation>
    </message>
    <message>
        <source>A file of the update is missing or does not match its list. Please copy the update to the USB stick again.</source>
        <translation>Un file dell&apos;aggiornamento manca o non corrisponde al suo elenco. Copiare di nuovo l&apos;aggiornamento sulla chiavetta USB.</translation>
    </message>
    <message>
        <source>The update is installed. Please switch the model off and restart the transmitter.</source>
        <translation>Aggiornamento installato. Spegnere il modello e riavviare la trasmittente.</translation>
    </message>
    <message>
        <source>The update is installed. Switch the transmitter off to finish it: until then the keys and the status strip stay locked.</source>
        <translation>L&apos;aggiornamento è installato. Spegnere la trasmittente per completarlo: fino ad allora i tasti e la barra di stato restano bloccati.</translation>
    </message>
    <message>
        <source>The system update is installed when the transmitter is switched on next time.</source>
        <translation>L&apos;aggiornamento di sistema verrà installato alla prossima accensione della trasmittente.</translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Download in corso ...</translation>
    </message>
    <message>
        <source>The update is ready. Install it now?</source>
        <translation>L&apos;aggiornamento è pronto. Installarlo ora?</translation>
    </message>
    <message>
        <source>This version is installed already. Install it anyway?</source>
        <translation>Questa versione è già installata. Installarla comunque?</translation>
    </message>
    <message>
        <source>Waiting for your answer</source>
        <translation>In attesa della risposta</translation>
    </message>
    <message>
        <source>Installing ...</source>
        <translation>Installazione ...</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation>Ricetrasmettitore</translation>
    </message>
    <message>
        <source>Stick controller</source>
        <translation>Controller stick</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Touch &quot;Update&quot; for the application update, hold it for the system update. A USB stick is looked at first, then the update server.</source>
        <translation>Toccare &quot;Aggiorna&quot; per aggiornare l&apos;applicazione, tenerlo premuto per aggiornare il sistema. Si cerca prima su una chiavetta USB, poi sul server di aggiornamento.</translation>
    </message>
    <message>
        <source>Application update</source>
        <translation>Aggiornamento applicazione</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>Aggiornamento sistema</translation>
    </message>
    <message>
        <source>stick controller</source>
        <translation>controller stick</translation>
    </message>
    <message>
        <source>transceiver</source>
        <translation>ricetrasmettitore</translation>
    </message>
    <message>
        <source>The firmware of this software is written into the %1 again. Go on?</source>
        <translation>Il firmware di questo software verrà riscritto nel %1. Continuare?</translation>
    </message>
    <message>
        <source>The firmware recovery requires the same version of Update.xml as this application.</source>
        <translation>Il ripristino del firmware richiede la stessa versione di Update.xml di questa applicazione.</translation>
    </message>
    <message>
        <source>The firmware file does not match its checksum.</source>
        <translation>Il file del firmware non corrisponde al suo checksum.</translation>
    </message>
    <message>
        <source>The update folder holds no package to write again: its Update.xml could not be read.</source>
        <translation>La cartella di aggiornamento non contiene alcun pacchetto da riscrivere: impossibile leggere il suo Update.xml.</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the stick controller.</source>
        <translation>Il pacchetto nella cartella di aggiornamento non contiene firmware per il controller stick.</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the transceiver.</source>
        <translation>Il pacchetto nella cartella di aggiornamento non contiene firmware per il ricetrasmettitore.</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Ripristino</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>La scheda SD è più piccola dei 256 MiB necessari alla trasmittente.</translation>
    </message>
    <message>
        <source>There is not enough room for the program in the transmitter&apos;s memory.</source>
        <translation>Nella memoria della trasmittente non c&apos;è abbastanza spazio per il programma.</translation>
    </message>
</context>
<context>
    <name>Storages</name>
    <message>
        <source>SD card</source>
        <translation>Scheda SD</translation>
    </message>
    <message>
        <source>USB stick</source>
        <translation>Chiavetta USB</translation>
    </message>
</context>
<context>
    <name>TeleWidgetSetupBar</name>
    <message>
        <source>You are about to delete this widget
Proceed?</source>
        <translation>Si sta per eliminare questo widget
Procedere?</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Delete widget</source>
        <translation>Elimina widget</translation>
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
        <translation>Allarmi di stato</translation>
    </message>
    <message>
        <source>Telemetry alarms</source>
        <translation>Allarmi telemetria</translation>
    </message>
    <message>
        <source>Telemetry warnings</source>
        <translation>Avvisi telemetria</translation>
    </message>
    <message>
        <source>Global telemetry widget voice settings</source>
        <translation>Impostazioni voce globali widget telemetria</translation>
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
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>TelemetryControlSett2</name>
    <message>
        <source>Decimal point separator of this telemetry control is incorrect! Please rescan sensors and assign a sensor again!</source>
        <translation>Il separatore decimale di questo comando telemetria non è corretto! Ripetere la scansione dei sensori e assegnare di nuovo un sensore!</translation>
    </message>
    <message>
        <source>Actual parameters of the sensor value doesn&apos;t match to the settings of this control! Probably another sensor is used. Please reassign the sensor again!</source>
        <translation>I parametri attuali del valore del sensore non corrispondono alle impostazioni di questo comando! Probabilmente è in uso un altro sensore. Assegnare di nuovo il sensore!</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>control</source>
        <translation>comando</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Limitatore</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
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
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Inversione</translation>
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
        <translation>Si sta per eliminare il seguente comando telemetria: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Procedere?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Sorgente</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limiti</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorAlarmConfig</name>
    <message>
        <source>Red below</source>
        <translation>Rosso sotto</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <source>Yellow below</source>
        <translation>Giallo sotto</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Yellow above</source>
        <translation>Giallo sopra</translation>
    </message>
    <message>
        <source>Red above</source>
        <translation>Rosso sopra</translation>
    </message>
    <message>
        <source>No Alarm</source>
        <translation>Nessun allarme</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Bip + Vibr.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrazione</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Solo voce</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Voce + Bip</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Voce + Vibr.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Voce+Bip+Vibr.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <source>Repetitive</source>
        <translation>Ripetuto</translation>
    </message>
    <message>
        <source>Status alarm</source>
        <translation>Allarme di stato</translation>
    </message>
    <message>
        <source>Signalling</source>
        <translation>Segnalazione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>Tipo allarme</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorItem</name>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorMainMenu</name>
    <message>
        <source>Menu is empty!</source>
        <translation>Il menu è vuoto!</translation>
    </message>
    <message>
        <source>Scanning for menu...</source>
        <translation>Ricerca menu...</translation>
    </message>
    <message>
        <source>No response from backend!</source>
        <translation>Nessuna risposta dal backend!</translation>
    </message>
    <message>
        <source>Getting Menu...</source>
        <translation>Lettura menu...</translation>
    </message>
    <message>
        <source>Getting Menu error!</source>
        <translation>Errore lettura menu!</translation>
    </message>
    <message>
        <source>Getting menu timeout!</source>
        <translation>Tempo scaduto lettura menu!</translation>
    </message>
    <message>
        <source>Getting Menu none!</source>
        <translation>Nessun menu ricevuto!</translation>
    </message>
    <message>
        <source>Prev.</source>
        <translation>Prec.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Impost.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <source>Delete timer</source>
        <translation>Elimina timer</translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformation</name>
    <message>
        <source>Sensor Information</source>
        <translation>Informazioni sensore</translation>
    </message>
    <message>
        <source>Reset Alerts</source>
        <translation>Reset allarmi</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>Reset valori</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Telemetria</translation>
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
        <translation>QuickLink</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>ModelImage</source>
        <translation>Immagine modello</translation>
    </message>
    <message>
        <source>Select a widget type to add</source>
        <translation>Selezionare il tipo di widget da aggiungere</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetLabelSetup</name>
    <message>
        <source>Export successful</source>
        <translation>Esportazione riuscita</translation>
    </message>
    <message>
        <source>Export failed!</source>
        <translation>Esportazione non riuscita!</translation>
    </message>
    <message>
        <source>Please check if USB is connected and working</source>
        <translation>Verificare che il dispositivo USB sia collegato e funzionante</translation>
    </message>
    <message>
        <source>Attention!
The text will probably not be displayed correctly due to its length</source>
        <translation>Attenzione!
Il testo probabilmente non verrà visualizzato correttamente a causa della sua lunghezza</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetQuickLink</name>
    <message>
        <source>Select entry</source>
        <translation>Seleziona voce</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetServo</name>
    <message>
        <source>Select servo:</source>
        <translation>Seleziona servo:</translation>
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
        <translation>Seleziona timer!</translation>
    </message>
    <message>
        <source>Empty timer</source>
        <translation>Timer vuoto</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>Stop:</translation>
    </message>
    <message>
        <source>Warn:</source>
        <translation>Avviso:</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerAlarmConfig</name>
    <message>
        <source>No Alarm</source>
        <translation>Nessun allarme</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Bip + Vibr.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrazione</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Tempo inizio</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Tempo fine</translation>
    </message>
    <message>
        <source>Warning time</source>
        <translation>Tempo avviso</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>End alarm</source>
        <translation>Allarme finale</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>Tipo allarme</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerSetup</name>
    <message>
        <source>Do you really want to delete this timer?</source>
        <translation>Eliminare davvero questo timer?</translation>
    </message>
    <message>
        <source>No timer is selected for this widget!</source>
        <translation>Nessun timer selezionato per questo widget!</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValue</name>
    <message>
        <source>Select sensor!</source>
        <translation>Seleziona sensore!</translation>
    </message>
    <message>
        <source>Select value!</source>
        <translation>Seleziona valore!</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSensorSlaveChooser</name>
    <message>
        <source>Capturing sensor information...</source>
        <translation>Lettura informazioni sensore...</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensore</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Searching for sensors...</source>
        <translation>Ricerca sensori...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensore</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Addr.</source>
        <translation>Indir.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <source>Add values</source>
        <translation>Aggiungi valori</translation>
    </message>
    <message>
        <source>Rescan sensors</source>
        <translation>Nuova scansione</translation>
    </message>
    <message>
        <source>Scanning for sensors</source>
        <translation>Scansione sensori</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSlaveChooser</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>(Giù)</translation>
    </message>
    <message>
        <source>(Up)</source>
        <translation>(Su)</translation>
    </message>
    <message>
        <source>of</source>
        <translation>di</translation>
    </message>
    <message>
        <source>Signal start</source>
        <translation>Inizio segnale</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Signal end</source>
        <translation>Fine segnale</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Ripetizione</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabilitato</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Tipo segnale</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Long beep</source>
        <translation>Bip lungo</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrazione</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Short speech</source>
        <translation>Voce breve</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
</context>
<context>
    <name>TimerAlarmItem</name>
    <message>
        <source>No Alarm</source>
        <translation>Nessun allarme</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Nessun allarme</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Bip + Vibr.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrazione</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Solo voce</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Voce + Bip</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Voce + Vibr.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Voce+Bip+Vibr.</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabilitato</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Breve</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Msg</translation>
    </message>
</context>
<context>
    <name>TimerAudioSettings</name>
    <message>
        <source>Do you really want to delete this alarm?</source>
        <translation>Eliminare davvero questo allarme?</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Nessun allarme</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Bip + Vibr.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrazione</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Solo voce</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Voce + Bip</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Voce + Vibr.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Voce+Bip+Vibr.</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Segnale</translation>
    </message>
    <message>
        <source>Time/Range</source>
        <translation>Tempo/Intervallo</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Ripetizione</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Delete alarm</source>
        <translation>Elimina allarme</translation>
    </message>
</context>
<context>
    <name>TutorPupilItem</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>TutorPupilSettings</name>
    <message>
        <source>Timeout</source>
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>Do you really want to delete this vorn control?</source>
        <translation>Eliminare davvero questo comando Vorn?</translation>
    </message>
    <message>
        <source>Trainer cord switch:</source>
        <translation>Interr. cavo trainer:</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Abilitato</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabilitato</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Comando Vorn</translation>
    </message>
    <message>
        <source>External channel</source>
        <translation>Canale esterno</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>In uso</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Detection...</source>
        <translation>Rilevamento...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Auto detect</source>
        <translation>Rileva auto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>UpdateTask</name>
    <message>
        <source>Which USB stick?</source>
        <translation>Quale chiavetta USB?</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tempo scaduto</translation>
    </message>
</context>
<context>
    <name>UpperFrame</name>
    <message>
        <source>Main menu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>Model menu</source>
        <translation>Menu modello</translation>
    </message>
    <message>
        <source>Min/Max reset</source>
        <translation>Reset min/max</translation>
    </message>
    <message>
        <source>Do you really want to clear Max/Min values and all alerts for all widgets?</source>
        <translation>Azzerare davvero i valori max/min e tutti gli allarmi di tutti i widget?</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>UserMenu</name>
    <message>
        <source>No favorites found</source>
        <translation>Nessun preferito trovato</translation>
    </message>
</context>
<context>
    <name>VarioSettings2</name>
    <message>
        <source>No sensor is known yet.
The sensors are found when the model starts, or by a rescan.</source>
        <translation>Nessun sensore ancora noto.
I sensori vengono trovati all&apos;avvio del modello o con una nuova scansione.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Vario off</source>
        <translation>Vario off</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>muto</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensore</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>Start tone</source>
        <translation>Tono avvio</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Salita</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Discesa</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Fase di volo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Singola</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Globale</translation>
    </message>
    <message>
        <source>Vario sensor</source>
        <translation>Sensore vario</translation>
    </message>
</context>
<context>
    <name>VirtualSwitchItem</name>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
</context>
<context>
    <name>VoiceSelector</name>
    <message>
        <source>Voice</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Tutte le lingue</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>No voices are installed.</source>
        <translation>Nessuna voce installata.</translation>
    </message>
    <message>
        <source>No voice speaks this language.</source>
        <translation>Nessuna voce parla questa lingua.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Delete the voice &quot;%1&quot;?</source>
        <translation>Eliminare la voce &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Deleting the voice ...</source>
        <translation>Eliminazione della voce ...</translation>
    </message>
    <message>
        <source>Speech is paused for the update ...</source>
        <translation>Sintesi vocale sospesa per l&apos;aggiornamento ...</translation>
    </message>
    <message>
        <source>Copying the voice packs ...</source>
        <translation>Copia dei pacchetti voce ...</translation>
    </message>
    <message>
        <source>Unpacking the voice packs ...</source>
        <translation>Decompressione dei pacchetti voce ...</translation>
    </message>
    <message>
        <source>1 voice installed.</source>
        <translation>1 voce installata.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it failed its check.</source>
        <translation>1 pacchetto voce non è stato installato: la verifica non è riuscita.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>Memoria insufficiente sulla scheda SD.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they failed their check.</source>
        <translation>%1 pacchetti voce non sono stati installati: la verifica non è riuscita.</translation>
    </message>
    <message>
        <source>%1 voices installed.</source>
        <translation>%1 voci installate.</translation>
    </message>
    <message>
        <source>No voice pack was found on the USB stick.</source>
        <translation>Nessun pacchetto voce trovato sulla chiavetta USB.</translation>
    </message>
    <message>
        <source>The voice data is corrupted. No voice was installed.</source>
        <translation>I dati voce sono danneggiati. Nessuna voce installata.</translation>
    </message>
    <message>
        <source>No voice was installed.</source>
        <translation>Nessuna voce installata.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted.</source>
        <translation>&quot;%1&quot; è crittografato.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses a compression that cannot be unpacked.</source>
        <translation>&quot;%1&quot; usa una compressione che non può essere decompressa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an archive of a kind the transmitter cannot unpack.</source>
        <translation>&quot;%1&quot; è un archivio di un tipo che la trasmittente non può decomprimere.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed its check.</source>
        <translation>La verifica di &quot;%1&quot; non è riuscita.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: it is no whole zip archive.</source>
        <translation>&quot;%1&quot; non può essere letto: non è un archivio zip completo.</translation>
    </message>
    <message>
        <source>No USB stick was found.</source>
        <translation>Nessuna chiavetta USB trovata.</translation>
    </message>
    <message>
        <source>The voice cannot be deleted.</source>
        <translation>Impossibile eliminare la voce.</translation>
    </message>
    <message>
        <source>Installed voices</source>
        <translation>Voci installate</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>Please wait ...</source>
        <translation>Attendere ...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds too many files: its checksum list may name at most 100.</source>
        <translation>&quot;%1&quot; contiene troppi file: il suo elenco dei checksum può nominarne al massimo 100.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on the SD card.</source>
        <translation>&quot;%1&quot; non entra nella scheda SD.</translation>
    </message>
    <message>
        <source>The voice packs cannot be installed: the folder &quot;%1&quot; on the SD card cannot be cleared.</source>
        <translation>I pacchetti voce non possono essere installati: la cartella &quot;%1&quot; sulla scheda SD non può essere svuotata.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: there is not enough memory on the SD card.</source>
        <translation>1 pacchetto voce non è stato installato: memoria insufficiente sulla scheda SD.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: there is not enough memory on the SD card.</source>
        <translation>%1 pacchetti voce non sono stati installati: memoria insufficiente sulla scheda SD.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it cannot be read.</source>
        <translation>1 pacchetto voce non è stato installato: non può essere letto.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they cannot be read.</source>
        <translation>%1 pacchetti voce non sono stati installati: non possono essere letti.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it holds too many files.</source>
        <translation>1 pacchetto voce non è stato installato: contiene troppi file.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they hold too many files.</source>
        <translation>%1 pacchetti voce non sono stati installati: contengono troppi file.</translation>
    </message>
</context>
<context>
    <name>VoiceSettings</name>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>Telemetry full</source>
        <translation>Telem. completa</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Flight mode</source>
        <translation>Fase di volo</translation>
    </message>
    <message>
        <source>Timer short</source>
        <translation>Timer breve</translation>
    </message>
    <message>
        <source>Telemetry no units</source>
        <translation>Telem. senza unità</translation>
    </message>
    <message>
        <source>Individual</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>No more voice alarms available</source>
        <translation>Nessun altro allarme vocale disponibile</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>Premi per impostare voce</translation>
    </message>
    <message>
        <source>Do you really want to delete this voice alarm?</source>
        <translation>Eliminare davvero questo allarme vocale?</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>Allarme vocale</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>Impostazioni voce</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Sorgente</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>Attivatore</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Ripetizione</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Voices</source>
        <translation>Voci</translation>
    </message>
</context>
<context>
    <name>VoiceTelemetryIndividual</name>
    <message>
        <source>Sensor name</source>
        <translation>Nome sensore</translation>
    </message>
    <message>
        <source>Value name</source>
        <translation>Nome valore</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>Allarme vocale</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Sorgente</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
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
        <translation>Allarme vocale per</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Scaduto</translation>
    </message>
    <message>
        <source>Attention + Expired</source>
        <translation>Attenzione + Scaduto</translation>
    </message>
</context>
<context>
    <name>VoiceTimerSelector</name>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Scaduto</translation>
    </message>
    <message>
        <source>Att. + Exp.</source>
        <translation>Att. + Scad.</translation>
    </message>
    <message>
        <source>Timer Name</source>
        <translation>Nome timer</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
</context>
<context>
    <name>WlanSettings</name>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione...</translation>
    </message>
    <message>
        <source>Waiting for an address</source>
        <translation>In attesa di un indirizzo</translation>
    </message>
    <message>
        <source>On, not connected</source>
        <translation>On, non connesso</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Ricerca...</translation>
    </message>
    <message>
        <source>Switch WiFi on to find the networks in range.</source>
        <translation>Attivare il WiFi per trovare le reti vicine.</translation>
    </message>
    <message>
        <source>No networks found. Touch Scan to search again.</source>
        <translation>Nessuna rete trovata. Toccare Cerca per cercare di nuovo.</translation>
    </message>
    <message>
        <source>A passphrase has 8 to 63 characters.</source>
        <translation>La password ha da 8 a 63 caratteri.</translation>
    </message>
    <message>
        <source>The passphrase could not be stored.</source>
        <translation>Impossibile memorizzare la password.</translation>
    </message>
    <message>
        <source>This network cannot be joined with this name and passphrase.</source>
        <translation>Impossibile connettersi a questa rete con questo nome e questa password.</translation>
    </message>
    <message>
        <source>This network is not stored.</source>
        <translation>Questa rete non è memorizzata.</translation>
    </message>
    <message>
        <source>A passphrase cannot hold a # after a &quot;.</source>
        <translation>Una password non può contenere # dopo &quot;.</translation>
    </message>
    <message>
        <source>The connection failed. Check the passphrase and try again.</source>
        <translation>Connessione non riuscita. Verificare la password e riprovare.</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>WiFi</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Segnale</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>Scelta</translation>
    </message>
    <message>
        <source>Touch a network</source>
        <translation>Toccare una rete</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Dimentica</translation>
    </message>
</context>
<context>
    <name>main</name>
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
L&apos;interfaccia si sta spegnendo...</translation>
    </message>
    <message>
        <source>General error occured</source>
        <translation>Si è verificato un errore generico</translation>
    </message>
    <message>
        <source>Function don&apos;t exist</source>
        <translation>La funzione non esiste</translation>
    </message>
    <message>
        <source>More than one control recognized</source>
        <translation>Rilevato più di un comando</translation>
    </message>
    <message>
        <source>No movement detected</source>
        <translation>Nessun movimento rilevato</translation>
    </message>
    <message>
        <source>Index off the limits</source>
        <translation>Indice fuori dai limiti</translation>
    </message>
    <message>
        <source>Unknown control</source>
        <translation>Comando sconosciuto</translation>
    </message>
    <message>
        <source>Servo already in use</source>
        <translation>Servo già in uso</translation>
    </message>
    <message>
        <source>Servo not used</source>
        <translation>Servo non usato</translation>
    </message>
    <message>
        <source>Servo not assigned</source>
        <translation>Servo non assegnato</translation>
    </message>
    <message>
        <source>Reached maximum servos per function</source>
        <translation>Raggiunto il numero massimo di servi per funzione</translation>
    </message>
    <message>
        <source>Reached maximum curves</source>
        <translation>Raggiunto il numero massimo di curve</translation>
    </message>
    <message>
        <source>Reached maximum Flight Mode count</source>
        <translation>Raggiunto il numero massimo di fasi di volo</translation>
    </message>
    <message>
        <source>Reached maximum function count</source>
        <translation>Raggiunto il numero massimo di funzioni</translation>
    </message>
    <message>
        <source>Reached maximum limit count</source>
        <translation>Raggiunto il numero massimo di limiti</translation>
    </message>
    <message>
        <source>Reached maximum mixer count</source>
        <translation>Raggiunto il numero massimo di mixer</translation>
    </message>
    <message>
        <source>Reached maximum sequencer count</source>
        <translation>Raggiunto il numero massimo di sequenziatori</translation>
    </message>
    <message>
        <source>Reached maximum servo config count</source>
        <translation>Raggiunto il numero massimo di configurazioni servo</translation>
    </message>
    <message>
        <source>Sensor not in use</source>
        <translation>Sensore non in uso</translation>
    </message>
    <message>
        <source>Widget not used</source>
        <translation>Widget non usato</translation>
    </message>
    <message>
        <source>Reached maximum of widgets</source>
        <translation>Raggiunto il numero massimo di widget</translation>
    </message>
    <message>
        <source>Reached maximum of sensors</source>
        <translation>Raggiunto il numero massimo di sensori</translation>
    </message>
    <message>
        <source>Reached maximum of timers</source>
        <translation>Raggiunto il numero massimo di timer</translation>
    </message>
    <message>
        <source>Reached maximum of virtual switches</source>
        <translation>Raggiunto il numero massimo di interruttori virtuali</translation>
    </message>
    <message>
        <source>Reached maximum number of functions that can control this servo</source>
        <translation>Raggiunto il numero massimo di funzioni che possono comandare questo servo</translation>
    </message>
    <message>
        <source>The maximum number of headup items has been reached.</source>
        <translation>Raggiunto il numero massimo di elementi headup.</translation>
    </message>
    <message>
        <source>This control is already assigned as a channel Vorn control. Please select another control!</source>
        <translation>Questo comando è già assegnato come comando Vorn di un canale. Selezionare un altro comando!</translation>
    </message>
    <message>
        <source>This control is already assigned to Trainer cord switch. Please select another control!</source>
        <translation>Questo comando è già assegnato all&apos;interruttore del cavo trainer. Selezionare un altro comando!</translation>
    </message>
    <message>
        <source>This control is already assigned as an input of FM/Sequencer/Servo-Cut/Mixer/Vario control virtual switch. Please select another control!</source>
        <translation>Questo comando è già assegnato come ingresso di un interruttore virtuale di comando FV/sequenziatore/taglio servo/mixer/vario. Selezionare un altro comando!</translation>
    </message>
    <message>
        <source>File of the active model cannot be modified!</source>
        <translation>Il file del modello attivo non può essere modificato!</translation>
    </message>
    <message>
        <source>Cannot delete non-empty folder!</source>
        <translation>Impossibile eliminare una cartella non vuota!</translation>
    </message>
    <message>
        <source>Reached maximum of telemetry controls.</source>
        <translation>Raggiunto il numero massimo di comandi telemetria.</translation>
    </message>
    <message>
        <source>Cancelled by the user.</source>
        <translation>Annullato dall&apos;utente.</translation>
    </message>
    <message>
        <source>Not yet implemented</source>
        <translation>Non ancora implementato</translation>
    </message>
    <message>
        <source>Empty input not allowed</source>
        <translation>Inserimento vuoto non consentito</translation>
    </message>
    <message>
        <source>This name is already being used</source>
        <translation>Questo nome è già in uso</translation>
    </message>
    <message>
        <source>Reached maximum entry count</source>
        <translation>Raggiunto il numero massimo di voci</translation>
    </message>
    <message>
        <source>This item cannot be deleted</source>
        <translation>Questo elemento non può essere eliminato</translation>
    </message>
    <message>
        <source>No USB device detected. Please connect USB device and try again</source>
        <translation>Nessun dispositivo USB rilevato. Collegare un dispositivo USB e riprovare</translation>
    </message>
    <message>
        <source>Installed software is already up-to-date</source>
        <translation>Il software installato è già aggiornato</translation>
    </message>
    <message>
        <source>No Update.xml file is found on the USB device</source>
        <translation>Nessun file Update.xml trovato sul dispositivo USB</translation>
    </message>
    <message>
        <source>No telemetry control can be assigned as an input of this VS, since this VS controls another telemetry control!</source>
        <translation>Nessun comando telemetria può essere assegnato come ingresso di questo IV, poiché questo IV comanda un altro comando telemetria!</translation>
    </message>
    <message>
        <source>Error:
Unknown Error, Errorcode: </source>
        <translation>Errore:
Errore sconosciuto, codice errore: </translation>
    </message>
    <message>
        <source>General Error

No errortext defined.</source>
        <translation>Errore generico

Nessun testo di errore definito.</translation>
    </message>
    <message>
        <source>SD card not detected in system!</source>
        <translation>Scheda SD non rilevata nel sistema!</translation>
    </message>
    <message>
        <source>Model CRC data is bad!</source>
        <translation>Dati CRC del modello non validi!</translation>
    </message>
    <message>
        <source>Fast start is not possible next time.</source>
        <translation>L&apos;avvio rapido non sarà possibile la prossima volta.</translation>
    </message>
    <message>
        <source>There is no current model to set up.
Open the model menu to load or make one?</source>
        <translation>Nessun modello attuale da impostare.
Aprire il menu modello per caricarne o crearne uno?</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is full.</source>
        <translation>Le modifiche al modello non sono state salvate: la scheda SD è piena.</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Le modifiche al modello non sono state salvate: la scheda SD è più piccola dei 256 MiB necessari alla trasmittente.</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card could not be written.</source>
        <translation>Le modifiche al modello non sono state salvate: impossibile scrivere sulla scheda SD.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is full.</source>
        <translation>Non è stato possibile salvare il tempo di utilizzo e i valori dei timer del modello: la scheda SD è piena.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Non è stato possibile salvare il tempo di utilizzo e i valori dei timer del modello: la scheda SD è più piccola dei 256 MiB necessari alla trasmittente.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card could not be written.</source>
        <translation>Non è stato possibile salvare il tempo di utilizzo e i valori dei timer del modello: impossibile scrivere sulla scheda SD.</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>La scheda SD è più piccola dei 256 MiB necessari alla trasmittente.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is full.</source>
        <translation>Le modifiche alle impostazioni non sono state salvate: la scheda SD è piena.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Le modifiche alle impostazioni non sono state salvate: la scheda SD è più piccola dei 256 MiB necessari alla trasmittente.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card could not be written.</source>
        <translation>Le modifiche alle impostazioni non sono state salvate: impossibile scrivere sulla scheda SD.</translation>
    </message>
</context>
</TS>
