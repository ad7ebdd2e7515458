<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
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
    <name>15</name>
    <message>
        <source>Speaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>18</name>
    <message>
        <source>2-Pos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-Pos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please move the control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you wish to calibrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Control to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Endpositions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the type of the control first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>19</name>
    <message>
        <source>Are you sure you would like to delete this mixer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
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
    <name>20</name>
    <message>
        <source>Do you really want to reset all settings of this mixer to the values of &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>21</name>
    <message>
        <source>Do you really want to delete this virtual switch?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected virtual switch is used as an input of &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos; and cannot be deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>22</name>
    <message>
        <source>Do you really want to reset all settings of this trim to the global values?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim setup:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibr. + Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
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
    <name>24</name>
    <message>
        <source>The firmware update is finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware update failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again: the update is repeated at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transmitter starts with the controllers&apos; present firmware. The update is repeated at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The controllers receive the firmware of the new software. Do not switch the transmitter off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware recovery is finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware recovery failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The controller&apos;s firmware may be incomplete. Please start the recovery again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The controller receives the firmware of this software. Do not switch the transmitter off.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>26</name>
    <message>
        <source>Servo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select servo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select function:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select servo and function:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>27_FunctionServos</name>
    <message>
        <source>Select servo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you would like to delete this servo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>29</name>
    <message>
        <source>Trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
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
    <message>
        <source>Not loaded:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - SD card smaller than 256 MiB!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>33_MixerCurveEditor</name>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>35_TimerSetup</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete this timer control?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>36_ControlSelector</name>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM control #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trainer cord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequencer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T-Con On/Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diff. input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V-Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixvalue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>4_0</name>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F/S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failsafe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to delete the following function: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failsafe teached!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FS all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This model has no functions yet. &quot;+&quot; adds one; its row then sets its name, control, trim and servos.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>5</name>
    <message>
        <source>Function Setup:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>5_1</name>
    <message>
        <source>Do you really want to reset all settings of this function to the values of &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control expo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expo right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expo left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>7</name>
    <message>
        <source>Flight Mode: Normal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>9_BindingMenu</name>
    <message>
        <source>Type %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receivers: own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binding receiver %1 ...
Switch the receiver on in binding mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete receiver %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting receiver %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not bound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitter sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmMessageSettings</name>
    <message>
        <source>Timer Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AssistantControlChooser</name>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AssistantServoChooser</name>
    <message>
        <source>Please select the servos you would like to add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available servo slots: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AssistantTypePage</name>
    <message>
        <source>Sailplane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta-Wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throttle + Gear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gyro + Aux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gear + Brake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throttle + Smoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gyro + Vector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You did not set any function, the assistant will be closed. A new model with an empty function list will be created.
Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aileron Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevator Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rudder Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BTSettings</name>
    <message>
        <source>It may take up to 15 seconds to scan bluetooth devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device is successfully connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred while searching for devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred when stopping the device search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred while deleting the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred when connecting to the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maximum number of connected devices has been reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth sound test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No devices known. Touch Scan! to search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Bluetooth on to see the devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CComplexTimer</name>
    <message>
        <source>hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlConfigLinear</name>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below</source>
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
        <source>Fixed control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No input is chosen yet. Touch &quot;Input&quot; above, then move the control you want (or pick a switch) and confirm with OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No input is chosen yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoordSequenserV3</name>
    <message>
        <source>Srv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked</source>
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
    <name>CurveEditPanel</name>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Curve</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CutoffSettings</name>
    <message>
        <source>Do you really want to delete this Servo Cut-off?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Servo Cut-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DifferentialsList</name>
    <message>
        <source>Do you really want to clear this differential?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an available function:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please assign servos to the left or right side:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No function has a differential yet. &quot;+&quot; gives one a differential; its row then sets the servos&apos; sides and the setup.</source>
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
    <name>FileBrowser</name>
    <message>
        <source>Nothing to choose from here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileManager</name>
    <message>
        <source>Choose a storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the %1 selected files and folders?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceled by the user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file or folder cannot be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file or folder cannot be created in the destination folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying complete. Files that existed already were skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A source file cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A source file cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file cannot be written in the destination folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination folder is not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name cannot be generated automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination folder is a subfolder of the source folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source folder is the same as the destination folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists already in the destination folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no WAVE sound file and cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy here ▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for receiver firmware ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No receiver firmware on the SD card. &quot;Download&quot; fetches it from the update server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver firmware download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write %1 into receiver %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver %1 runs firmware %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver firmware update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlightModeEditor</name>
    <message>
        <source>Do you really want to delete this
No Fade-in function?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Fade-in Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select available functions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlightModeSelector</name>
    <message>
        <source>Null string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Flight Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete FM Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete this
Flight Mode control?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete
this Flight Mode?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Cannot delete standard Flight Mode!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model: </source>
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
    <name>FuncDiffSettings</name>
    <message>
        <source>Differential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diff. control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diff. trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No servo has a side yet: the differential acts only on servos set to the left or right side in the differential list&apos;s servo column.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FunctionDiffItemV2</name>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GPSSideBoard</name>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeadupMenu</name>
    <message>
        <source>Telemetry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind of the item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telemetry value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing of this kind to choose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No items. Touch + to add one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeldRowBar</name>
    <message>
        <source>Ok</source>
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
    <name>ItemChooser</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KLX_CopyModelData</name>
    <message>
        <source>The file already exists in the target folder, overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following file was already deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add and replace files in destination folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not on the card:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KLX_DataBaseManager</name>
    <message>
        <source>mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sequencer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>telecontrol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
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
        <source>Constant</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KLX_ErrorData</name>
    <message>
        <source>Model currently active – cannot erase!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery is weak - please charge before update!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target file already exists – cannot copy!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No source file selected – cannot copy!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No USB stick plugged – cannot copy!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad servoindex or mixerindex in servo configuration!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo configuration not used!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad function index in servomixer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong function count in flightmode!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong setup count in functions!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong setup count in mixers!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No receiver found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This unit cannot be loaded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete file or folder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No destination folder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No source folder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory on the SD card – cannot copy!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory on the target – cannot copy!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No usable SD card – cannot copy!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model file could not be copied into the target folder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model is being saved – please try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model path outside the model folders – cannot copy!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy could not be set up!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy was in no known step and was stopped!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy took too long and was stopped!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading or writing failed – cannot copy!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup of the model file could be made!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loaded model and the settings files cannot be deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path outside the allowed folders!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than 5 GB – cannot copy!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new folder could not be created!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown copy or delete request – nothing was done!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KLX_ProcessVorn</name>
    <message>
        <source>System synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending binding configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrating controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving modeldata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renaming model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onboard firmware update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture sensor menue data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set sensor data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set sensor mainadress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy model data to external device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read menu data continiously</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture telemetrie data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KLX_RuntimeCalcAlarm</name>
    <message>
        <source>volts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>millivolts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>amps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>milliamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>milliampere-hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feet per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meters per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degree Celsius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degree Fahrenheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>attention</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KLX_Timer</name>
    <message>
        <source>hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KLX_TimersAlarms</name>
    <message>
        <source>Attention:data synchronization failed!Please land your aircraft!</source>
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
    <message>
        <source>No more than three lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more than %1 characters</source>
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
    <name>MenuGrid</name>
    <message>
        <source>&quot;%1&quot; is now in the user menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the user menu.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModelMenu</name>
    <message>
        <source>Plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multicopter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / %1 : * ? &quot; &lt; &gt; | or &quot;..&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name of the folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name of the model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the new model in %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no current model.
Load a model or make a new one first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy %1 to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model is copied as: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the current model can be renamed.
Load this model now and rename it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to delete the following model: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to delete the following folder: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current model: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No model loaded: load one or make a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No models in this folder.
&quot;New&quot; makes one here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModelTask</name>
    <message>
        <source>Timeout</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModelTypeChoose</name>
    <message>
        <source>Please select the model type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sailplane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta-Wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Modelbuilder</name>
    <message>
        <source>Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultiLineTextEditor</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
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
    <name>OptionsBar</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreflightChecklist</name>
    <message>
        <source>Controls teached!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls teached incorrect - try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
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
        <source>Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teach controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teach</source>
        <translation type="unfinished"></translation>
    </message>
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
    <name>ProgressBox</name>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SensorAddressInfo</name>
    <message>
        <source>Original:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit alias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SensorMenuFrame</name>
    <message>
        <source>No responce from Backend!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stepping value error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stepping value none!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SensorMenuItem</name>
    <message>
        <source>Activate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeqServoItem</name>
    <message>
        <source>Servo </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequencerItem</name>
    <message>
        <source>Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequencerServoEditor</name>
    <message>
        <source>Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Srv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked since the start, so that it does not run by itself: move %1 to where its last run ended. It then follows its control again and can be edited.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequencerServoList</name>
    <message>
        <source>Do you really want to delete this servo from sequencer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movement range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequencerServos</name>
    <message>
        <source>Servo </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequencersList</name>
    <message>
        <source>Do you really want to delete this sequencer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequencer is running. Try again when finished!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sequencers yet. &quot;+&quot; adds one; its row then sets its name, control, mode, servos and waypoints.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequentialTA</name>
    <message>
        <source>No voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A list of this name exists already.
Overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / or &quot;..&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be copied to the SD card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list was written to the USB stick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No USB stick found, or the list could not be written to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete this announcement?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list is empty. &quot;+&quot; adds an announcement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No list. &quot;New&quot; starts one, &quot;Open&quot; loads one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the new list:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServoCurveEditor</name>
    <message>
        <source>Servo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServoCurveSettings</name>
    <message>
        <source>Servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServoCutOffItem</name>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServoItemV2</name>
    <message>
        <source>Servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rev</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServoLists</name>
    <message>
        <source>Servo </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoftwareInfo</name>
    <message>
        <source>The batteries are too low for an update. Please charge them first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No application update was found on a USB stick. Download it from the update server?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No system update was found on a USB stick. Download it from the update server?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for the update ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please copy the update to the USB stick again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest software is installed already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error while installing the update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This update is unsuitable for this device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update from the USB stick:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update from the update server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file of the update is missing or does not match its list. Please copy the update to the USB stick again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update is installed. Please switch the model off and restart the transmitter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system update is installed when the transmitter is switched on next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update is ready. Install it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This version is installed already. Install it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stick controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touch &quot;Update&quot; for the application update, hold it for the system update. A USB stick is looked at first, then the update server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stick controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transceiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware of this software is written into the %1 again. Go on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware recovery requires the same version of Update.xml as this application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware file does not match its checksum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update folder holds no package to write again: its Update.xml could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the stick controller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the transceiver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough room for the program in the transmitter&apos;s memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update is installed. Switch the transmitter off to finish it: until then the keys and the status strip stay locked.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Storages</name>
    <message>
        <source>SD card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB stick</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TeleWidgetSetupBar</name>
    <message>
        <source>You are about to delete this widget
Proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete widget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TeleWidgetsVoiceSettings</name>
    <message>
        <source>Telemetry status alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telemetry alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telemetry warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global telemetry widget voice settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryControlItem</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryControlSett2</name>
    <message>
        <source>Decimal point separator of this telemetry control is incorrect! Please rescan sensors and assign a sensor again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual parameters of the sensor value doesn&apos;t match to the settings of this control! Probably another sensor is used. Please reassign the sensor again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sim:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryControls</name>
    <message>
        <source>You are about to delete the following telemetry contol: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetrySensorAlarmConfig</name>
    <message>
        <source>Red below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repetitive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signalling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetrySensorItem</name>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetrySensorMainMenu</name>
    <message>
        <source>Menu is empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning for menu...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No response from backend!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting Menu...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting Menu error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting menu timeout!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting Menu none!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prev.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryTimerItem</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete timer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformation</name>
    <message>
        <source>Sensor Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Alerts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformationItem</name>
    <message>
        <source>Max.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetChooser</name>
    <message>
        <source>Telemetry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuickLink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ModelImage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a widget type to add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetLabelSetup</name>
    <message>
        <source>Export successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check if USB is connected and working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention!
The text will probably not be displayed correctly due to its length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetQuickLink</name>
    <message>
        <source>Select entry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetServo</name>
    <message>
        <source>Select servo:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetServoSetup</name>
    <message>
        <source>Servo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimer</name>
    <message>
        <source>Select timer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerAlarmConfig</name>
    <message>
        <source>No Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerSetup</name>
    <message>
        <source>Do you really want to delete this timer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No timer is selected for this widget!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValue</name>
    <message>
        <source>Select sensor!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select value!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSensorSlaveChooser</name>
    <message>
        <source>Capturing sensor information...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching for sensors...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSetup</name>
    <message>
        <source>Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescan sensors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning for sensors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSlaveChooser</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeRangeAlarmSettings</name>
    <message>
        <source>(Down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimerAlarmItem</name>
    <message>
        <source>No Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Msg</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimerAudioSettings</name>
    <message>
        <source>Do you really want to delete this alarm?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time/Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete alarm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TutorPupilItem</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TutorPupilSettings</name>
    <message>
        <source>Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete this vorn control?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trainer cord switch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detection...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto detect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateTask</name>
    <message>
        <source>Which USB stick?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout</source>
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
    <name>VarioSettings2</name>
    <message>
        <source>No sensor is known yet.
The sensors are found when the model starts, or by a rescan.</source>
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
        <source>Vario off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>silent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Climb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vario sensor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VirtualSwitchItem</name>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceSelector</name>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No voices are installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No voice speaks this language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the voice &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting the voice ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech is paused for the update ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying the voice packs ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unpacking the voice packs ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 voice installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it failed its check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they failed their check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 voices installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No voice pack was found on the USB stick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The voice data is corrupted. No voice was installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No voice was installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses a compression that cannot be unpacked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an archive of a kind the transmitter cannot unpack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed its check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: it is no whole zip archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No USB stick was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The voice cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed voices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds too many files: its checksum list may name at most 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on the SD card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The voice packs cannot be installed: the folder &quot;%1&quot; on the SD card cannot be cleared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 voice pack was not installed: there is not enough memory on the SD card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: there is not enough memory on the SD card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it holds too many files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they hold too many files.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceSettings</name>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telemetry full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telemetry no units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual</source>
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
        <source>No more voice alarms available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete this voice alarm?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voices</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceTelemetryIndividual</name>
    <message>
        <source>Sensor name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
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
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceTimerAlarmSelector</name>
    <message>
        <source>Voice alarm for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention + Expired</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceTimerSelector</name>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Att. + Exp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WlanSettings</name>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for an address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On, not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch WiFi on to find the networks in range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No networks found. Touch Scan to search again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A passphrase has 8 to 63 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passphrase could not be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This network cannot be joined with this name and passphrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This network is not stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A passphrase cannot hold a # after a &quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection failed. Check the passphrase and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touch a network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
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
    <message>
        <source>There is no current model to set up.
Open the model menu to load or make one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
