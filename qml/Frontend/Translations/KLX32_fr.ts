<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>12</name>
    <message>
        <source>Function %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FCC-TEST</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>14_Settings_System</name>
    <message>
        <source>PWM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z²BUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S.BUS In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SRXL In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System information successfully exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System information cannot be exported to USB device. Check available space or insert another one!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pilotname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manually</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location/Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dd-mm-yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hh:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo/Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telemetry logging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12h</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>1_System_Appearance</name>
    <message>
        <source>1 Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45 Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display dim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intro Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DebugScreen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>23</name>
    <message>
        <source>A1 Tx high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A1 Tx mid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A1 Tx low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A1 hopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A1 Rx high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A1 Rx mid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A1 Rx low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A2 Tx high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A2 Tx mid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A2 Tx low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A2 hopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A2 Rx high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A2 Rx mid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A2 Rx low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth EU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-- High channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>++ Low channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LQI1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LQI2: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>2_Home</name>
    <message>
        <source>Sensors auto rescan...
 Attempt #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sensors found.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please perform new rescan manually!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Fast Start!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Trims unlocked!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trims locked!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Model error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - File not found or corrupted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountrySelector</name>
    <message>
        <source>Not specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone [ ±hh:mm ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmptyOutroStop</name>
    <message>
        <source>System shutting down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FastMain</name>
    <message>
        <source>System starting...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlyinIncDec</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ServoMonitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight Modes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual Switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo Cut-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vario Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequencers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telemetry Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trainer cord Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS Compass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HeadUp Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Numpad</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreflightOverlay</name>
    <message>
        <source>Starting radio...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check positions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpperFrame</name>
    <message>
        <source>Main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min/Max reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to clear Max/Min values and all alerts for all widgets?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserMenu</name>
    <message>
        <source>No favorites found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Screenshot is stored in file:</source>
        <translation>Capture d&apos;écran enregistrée dans le fichier :</translation>
    </message>
    <message>
        <source>No screenshot is stored!</source>
        <translation>Aucune capture d&apos;écran enregistrée !</translation>
    </message>
    <message>
        <source>Battery is weak!
GUI is shutting down...</source>
        <translation>Batterie faible !
L&apos;interface s&apos;arrête...</translation>
    </message>
    <message>
        <source>General error occured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function don&apos;t exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than one control recognized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No movement detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index off the limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo already in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo not assigned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum servos per function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum Flight Mode count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum function count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum limit count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum mixer count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum sequencer count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum servo config count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor not in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Widget not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum of widgets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum of sensors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum of timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum of virtual switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum number of functions that can control this servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maximum number of headup items has been reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This control is already assigned as a channel Vorn control. Please select another control!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This control is already assigned to Trainer cord switch. Please select another control!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This control is already assigned as an input of FM/Sequencer/Servo-Cut/Mixer/Vario control virtual switch. Please select another control!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File of the active model cannot be modified!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete non-empty folder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum of telemetry controls.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled by the user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet implemented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty input not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This name is already being used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached maximum entry count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This item cannot be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No USB device detected. Please connect USB device and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed software is already up-to-date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Update.xml file is found on the USB device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No telemetry control can be assigned as an input of this VS, since this VS controls another telemetry control!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error:
Unknown Error, Errorcode: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Error

No errortext defined.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD card not detected in system!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model CRC data is bad!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast start is not possible next time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
