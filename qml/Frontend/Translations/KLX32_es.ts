<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>12</name>
    <message>
        <source>Function %1</source>
        <translation>Función %1</translation>
    </message>
    <message>
        <source>FCC-TEST</source>
        <translation>PRUEBA FCC</translation>
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
        <translation>Entrada S.BUS</translation>
    </message>
    <message>
        <source>SRXL In</source>
        <translation>Entrada SRXL</translation>
    </message>
    <message>
        <source>System information successfully exported!</source>
        <translation>¡Información del sistema exportada correctamente!</translation>
    </message>
    <message>
        <source>System information cannot be exported to USB device. Check available space or insert another one!</source>
        <translation>No se puede exportar la información del sistema al dispositivo USB. ¡Compruebe el espacio disponible o inserte otro!</translation>
    </message>
    <message>
        <source>Pilotname</source>
        <translation>Nombre piloto</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Fecha/Hora</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Location/Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verano</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Invierno</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>dd-mm-yyyy</source>
        <translation>dd-mm-aaaa</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>p. m.</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>a. m.</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <translation>hh:mm</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Servo/Data:</source>
        <translation>Servo/Datos:</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>Inicio rápido</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>Telemetry logging</source>
        <translation>Registro telemetría</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Info sistema</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
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
        <translation>Altavoz</translation>
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
        <translation>Voz</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>Clics de trim</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>Pitidos</translation>
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
        <translation>lineal</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tiempo de espera agotado</translation>
    </message>
    <message>
        <source>Please move the control</source>
        <translation>Mueva el control</translation>
    </message>
    <message>
        <source>you wish to calibrate</source>
        <translation>que desea calibrar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>Direc.</translation>
    </message>
    <message>
        <source>Invers</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Move Control to</source>
        <translation>Mueva el control a</translation>
    </message>
    <message>
        <source>Endpositions</source>
        <translation>Posiciones extremas</translation>
    </message>
    <message>
        <source>Center Position</source>
        <translation>Posición central</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please choose the type of the control first</source>
        <translation>Elija primero el tipo de control</translation>
    </message>
</context>
<context>
    <name>19</name>
    <message>
        <source>Are you sure you would like to delete this mixer?</source>
        <translation>¿Seguro que desea borrar esta mezcla?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>from Function</source>
        <translation>De función</translation>
    </message>
    <message>
        <source>to Function</source>
        <translation>A función</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
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
        <translation>Desact.</translation>
    </message>
    <message>
        <source>Display dim</source>
        <translation>Atenuar</translation>
    </message>
    <message>
        <source>Auto Lock</source>
        <translation>Bloqueo auto.</translation>
    </message>
    <message>
        <source>Idle Alarm</source>
        <translation>Alarma reposo</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Acento</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icono</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Intro Video</source>
        <translation>Vídeo de inicio</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>DebugScreen</source>
        <translation>Depuración</translation>
    </message>
</context>
<context>
    <name>20</name>
    <message>
        <source>Do you really want to reset all settings of this mixer to the values of &apos;</source>
        <translation>¿Desea restablecer todos los ajustes de esta mezcla a los valores del modo de vuelo &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos;?</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>from</source>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>T. recorrido</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Modo vuelo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
</context>
<context>
    <name>21</name>
    <message>
        <source>Do you really want to delete this virtual switch?</source>
        <translation>¿Desea borrar este interruptor virtual?</translation>
    </message>
    <message>
        <source>The selected virtual switch is used as an input of &apos;</source>
        <translation>¡El interruptor virtual seleccionado se usa como entrada de &apos;</translation>
    </message>
    <message>
        <source>&apos; and cannot be deleted!</source>
        <translation>&apos; y no se puede borrar!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Input state</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Logic</source>
        <translation>Lógica</translation>
    </message>
    <message>
        <source>Output state</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>22</name>
    <message>
        <source>Do you really want to reset all settings of this trim to the global values?</source>
        <translation>¿Desea restablecer todos los ajustes de este trim a los valores globales?</translation>
    </message>
    <message>
        <source>Trim setup:</source>
        <translation>Ajuste de trim:</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Modo vuelo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
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
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Rango trim</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibración</translation>
    </message>
    <message>
        <source>Vibr. + Beep</source>
        <translation>Vib.+pitido</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
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
        <translation>A1 Tx bajo</translation>
    </message>
    <message>
        <source>A1 hopping</source>
        <translation>A1 salto frec.</translation>
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
        <translation>A1 Rx bajo</translation>
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
        <translation>A2 Tx bajo</translation>
    </message>
    <message>
        <source>A2 hopping</source>
        <translation>A2 salto frec.</translation>
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
        <translation>A2 Rx bajo</translation>
    </message>
    <message>
        <source>Test off</source>
        <translation>Prueba desact.</translation>
    </message>
    <message>
        <source>Bandwidth EU</source>
        <translation>Ancho banda UE</translation>
    </message>
    <message>
        <source>-- High channel</source>
        <translation>-- Canal alto</translation>
    </message>
    <message>
        <source>++ Low channel</source>
        <translation>++ Canal bajo</translation>
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
        <translation>La actualización del firmware ha terminado.</translation>
    </message>
    <message>
        <source>The firmware update failed.</source>
        <translation>La actualización del firmware ha fallado.</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again.</source>
        <translation>Apague la emisora y vuelva a encenderla.</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again: the update is repeated at the next start.</source>
        <translation>Apague la emisora y vuelva a encenderla: la actualización se repetirá en el próximo arranque.</translation>
    </message>
    <message>
        <source>The transmitter starts with the controllers&apos; present firmware. The update is repeated at the next start.</source>
        <translation>La emisora arranca con el firmware actual de los controladores. La actualización se repetirá en el próximo arranque.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The controllers receive the firmware of the new software. Do not switch the transmitter off.</source>
        <translation>Los controladores reciben el firmware del nuevo software. No apague la emisora.</translation>
    </message>
    <message>
        <source>The firmware recovery is finished.</source>
        <translation>La recuperación del firmware ha terminado.</translation>
    </message>
    <message>
        <source>The firmware recovery failed.</source>
        <translation>La recuperación del firmware ha fallado.</translation>
    </message>
    <message>
        <source>Firmware recovery</source>
        <translation>Recuperación de firmware</translation>
    </message>
    <message>
        <source>The controller&apos;s firmware may be incomplete. Please start the recovery again.</source>
        <translation>El firmware del controlador puede estar incompleto. Inicie de nuevo la recuperación.</translation>
    </message>
    <message>
        <source>The controller receives the firmware of this software. Do not switch the transmitter off.</source>
        <translation>El controlador recibe el firmware de este software. No apague la emisora.</translation>
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
        <translation>Seleccionar servo:</translation>
    </message>
    <message>
        <source>Select function:</source>
        <translation>Seleccionar función:</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>Recorrido</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>Direc.</translation>
    </message>
    <message>
        <source>Please select servo and function:</source>
        <translation>Seleccione servo y función:</translation>
    </message>
</context>
<context>
    <name>27_FunctionServos</name>
    <message>
        <source>Select servo:</source>
        <translation>Seleccionar servo:</translation>
    </message>
    <message>
        <source>Are you sure you would like to delete this servo?</source>
        <translation>¿Seguro que desea borrar este servo?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>Seleccione un servo disponible:</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Delete trim</source>
        <translation>Borrar trim</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>2_Home</name>
    <message>
        <source>Sensors auto rescan...
 Attempt #</source>
        <translation>Reescaneo automático de sensores...
 Intento #</translation>
    </message>
    <message>
        <source>sensors found.
</source>
        <translation>sensores encontrados.
</translation>
    </message>
    <message>
        <source>Please perform new rescan manually!</source>
        <translation>¡Realice un nuevo escaneo manualmente!</translation>
    </message>
    <message>
        <source>Model Fast Start!</source>
        <translation>¡Inicio rápido del modelo!</translation>
    </message>
    <message>
        <source> Trims unlocked!</source>
        <translation> ¡Trims desbloqueados!</translation>
    </message>
    <message>
        <source>Trims locked!</source>
        <translation>¡Trims bloqueados!</translation>
    </message>
    <message>
        <source> - Model error</source>
        <translation> - Error del modelo</translation>
    </message>
    <message>
        <source> - File not found or corrupted!</source>
        <translation> - ¡Archivo no encontrado o dañado!</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>Modelo: </translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Página </translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>Cargando modelo...</translation>
    </message>
    <message>
        <source>Not loaded:</source>
        <translation>No cargado:</translation>
    </message>
    <message>
        <source> - SD card smaller than 256 MiB!</source>
        <translation> - ¡Tarjeta SD de menos de 256 MiB!</translation>
    </message>
</context>
<context>
    <name>33_MixerCurveEditor</name>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suavizada</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Sin suavizar</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>Restablecer curva</translation>
    </message>
</context>
<context>
    <name>35_TimerSetup</name>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Do you really want to delete this timer control?</source>
        <translation>¿Desea borrar este control de cronómetro?</translation>
    </message>
    <message>
        <source>Timer name</source>
        <translation>Nombre crono</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Valor actual</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Tiempo inicial</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Tiempo final</translation>
    </message>
    <message>
        <source>Auto reset</source>
        <translation>Reinicio auto.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Audio settings</source>
        <translation>Ajustes de audio</translation>
    </message>
</context>
<context>
    <name>36_ControlSelector</name>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interruptor</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>FM control #</source>
        <translation>Control MV #</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Trainer cord</source>
        <translation>Profesor/alumno</translation>
    </message>
    <message>
        <source>Sequencer</source>
        <translation>Secuenciador</translation>
    </message>
    <message>
        <source>T-Con On/Off</source>
        <translation>T-Con act./desact.</translation>
    </message>
    <message>
        <source>Headup</source>
        <translation>HeadUp</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Act./Desact.</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>Activador</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Control Vorn</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Activación</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Altavoz</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>Clics de trim</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>Pitidos</translation>
    </message>
    <message>
        <source>Diff. input</source>
        <translation>Entrada dif.</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>V-Switch</source>
        <translation>Int. virtual</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetría</translation>
    </message>
    <message>
        <source>Fixvalue</source>
        <translation>Valor fijo</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Momentáneo</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Alterno</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>4_0</name>
    <message>
        <source>Hold</source>
        <translation>Mantener</translation>
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
        <translation>Desact.</translation>
    </message>
    <message>
        <source>You are about to delete the following function: </source>
        <translation>Va a borrar la siguiente función: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
¿Continuar?</translation>
    </message>
    <message>
        <source>Failsafe teached!</source>
        <translation>¡Failsafe grabado!</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>FS all</source>
        <translation>FS todos</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>This model has no functions yet. &quot;+&quot; adds one; its row then sets its name, control, trim and servos.</source>
        <translation>Este modelo aún no tiene funciones. &quot;+&quot; añade una; su fila define luego su nombre, control, trim y servos.</translation>
    </message>
</context>
<context>
    <name>5</name>
    <message>
        <source>Function Setup:</source>
        <translation>Ajuste de función:</translation>
    </message>
</context>
<context>
    <name>5_1</name>
    <message>
        <source>Do you really want to reset all settings of this function to the values of &apos;</source>
        <translation>¿Desea restablecer todos los ajustes de esta función a los valores del modo de vuelo &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos;?</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Modo de vuelo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Control rate</source>
        <translation>Control D/R</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>D/R</translation>
    </message>
    <message>
        <source>Control expo</source>
        <translation>Control expo</translation>
    </message>
    <message>
        <source>Expo right</source>
        <translation>Expo derecha</translation>
    </message>
    <message>
        <source>Expo left</source>
        <translation>Expo izquierda</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>T. recorrido</translation>
    </message>
</context>
<context>
    <name>7</name>
    <message>
        <source>Flight Mode: Normal</source>
        <translation>Modo de vuelo: Normal</translation>
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
        <translation>N/S %1</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 21</source>
        <translation>Receptores: R-Ediv 21</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 14</source>
        <translation>Receptores: R-Ediv 14</translation>
    </message>
    <message>
        <source>Receivers: own</source>
        <translation>Receptores: propios</translation>
    </message>
    <message>
        <source>Binding receiver %1 ...
Switch the receiver on in binding mode.</source>
        <translation>Enlazando receptor %1 ...
Encienda el receptor en modo de enlace.</translation>
    </message>
    <message>
        <source>Do you really want to delete receiver %1?</source>
        <translation>¿Desea borrar el receptor %1?</translation>
    </message>
    <message>
        <source>Deleting receiver %1 ...</source>
        <translation>Borrando receptor %1 ...</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Receptores</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Receptor %1</translation>
    </message>
    <message>
        <source>not bound</source>
        <translation>no enlazado</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Bind</source>
        <translation>Enlazar</translation>
    </message>
    <message>
        <source>Transmitter sensor</source>
        <translation>Sensor de la emisora</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>Firmware del receptor</translation>
    </message>
</context>
<context>
    <name>AlarmMessageSettings</name>
    <message>
        <source>Timer Name</source>
        <translation>Nombre crono</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>Pulse para elegir voz</translation>
    </message>
</context>
<context>
    <name>AssistantControlChooser</name>
    <message>
        <source>On</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Fix value</source>
        <translation>Valor fijo</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Momentáneo</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Alterno</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>AssistantServoChooser</name>
    <message>
        <source>Please select the servos you would like to add</source>
        <translation>Seleccione los servos que desea añadir</translation>
    </message>
    <message>
        <source>Available servo slots: </source>
        <translation>Salidas de servo libres: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>AssistantTypePage</name>
    <message>
        <source>Sailplane</source>
        <translation>Velero</translation>
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
        <translation>Cola en V</translation>
    </message>
    <message>
        <source>Left wing</source>
        <translation>Ala izquierda</translation>
    </message>
    <message>
        <source>Right wing</source>
        <translation>Ala derecha</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>Ala</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Cola</translation>
    </message>
    <message>
        <source>Throttle + Gear</source>
        <translation>Gas + tren</translation>
    </message>
    <message>
        <source>Gyro + Aux</source>
        <translation>Giro + Aux</translation>
    </message>
    <message>
        <source>Gear + Brake</source>
        <translation>Tren + freno</translation>
    </message>
    <message>
        <source>Throttle + Smoke</source>
        <translation>Gas + humo</translation>
    </message>
    <message>
        <source>Gyro + Vector</source>
        <translation>Giro + vector</translation>
    </message>
    <message>
        <source>You did not set any function, the assistant will be closed. A new model with an empty function list will be created.
Continue?</source>
        <translation>No ha definido ninguna función; el asistente se cerrará. Se creará un modelo nuevo con la lista de funciones vacía.
¿Continuar?</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Aileron Control</source>
        <translation>Ctrl. alerón</translation>
    </message>
    <message>
        <source>Elevator Control</source>
        <translation>Ctrl. profundidad</translation>
    </message>
    <message>
        <source>Rudder Control</source>
        <translation>Ctrl. dirección</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>BTSettings</name>
    <message>
        <source>It may take up to 15 seconds to scan bluetooth devices</source>
        <translation>La búsqueda de dispositivos Bluetooth puede tardar hasta 15 segundos</translation>
    </message>
    <message>
        <source>The device is successfully connected</source>
        <translation>El dispositivo se ha conectado correctamente</translation>
    </message>
    <message>
        <source>An unexpected error occurred while searching for devices</source>
        <translation>Se produjo un error inesperado al buscar dispositivos</translation>
    </message>
    <message>
        <source>An unexpected error occurred when stopping the device search</source>
        <translation>Se produjo un error inesperado al detener la búsqueda de dispositivos</translation>
    </message>
    <message>
        <source>An unexpected error occurred while deleting the device</source>
        <translation>Se produjo un error inesperado al borrar el dispositivo</translation>
    </message>
    <message>
        <source>An unexpected error occurred when connecting to the device</source>
        <translation>Se produjo un error inesperado al conectar con el dispositivo</translation>
    </message>
    <message>
        <source>The maximum number of connected devices has been reached</source>
        <translation>Se ha alcanzado el número máximo de dispositivos conectados</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Scan!</source>
        <translation>¡Buscar!</translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Prueba de sonido</translation>
    </message>
    <message>
        <source>Bluetooth sound test</source>
        <translation>Prueba de sonido Bluetooth</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>No devices known. Touch Scan! to search.</source>
        <translation>No hay dispositivos conocidos. Toque ¡Buscar! para buscarlos.</translation>
    </message>
    <message>
        <source>Switch Bluetooth on to see the devices.</source>
        <translation>Active Bluetooth para ver los dispositivos.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Activar</translation>
    </message>
</context>
<context>
    <name>CComplexTimer</name>
    <message>
        <source>hour</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
</context>
<context>
    <name>ControlConfigLinear</name>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Por encima</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Por debajo</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>Fixed control</source>
        <translation>Control fijo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No input is chosen yet. Touch &quot;Input&quot; above, then move the control you want (or pick a switch) and confirm with OK.</source>
        <translation>Aún no hay ninguna entrada elegida. Toque &quot;Entrada&quot; arriba, mueva el control deseado (o elija un interruptor) y confirme con Aceptar.</translation>
    </message>
    <message>
        <source>No input is chosen yet.</source>
        <translation>Aún no hay ninguna entrada elegida.</translation>
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
        <translation>Bloqueado</translation>
    </message>
</context>
<context>
    <name>CountrySelector</name>
    <message>
        <source>Not specified</source>
        <translation>No especificado</translation>
    </message>
    <message>
        <source>Time zone [ ±hh:mm ]</source>
        <translation>Zona horaria [ ±hh:mm ]</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CurveEditPanel</name>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Select Point</source>
        <translation>Elegir punto</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suavizada</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Sin suavizar</translation>
    </message>
    <message>
        <source>Reset Curve</source>
        <translation>Restablecer curva</translation>
    </message>
</context>
<context>
    <name>CutoffSettings</name>
    <message>
        <source>Do you really want to delete this Servo Cut-off?</source>
        <translation>¿Desea borrar este corte de servo?</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Delete Servo Cut-off</source>
        <translation>Borrar corte de servo</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>Seleccione un servo disponible:</translation>
    </message>
</context>
<context>
    <name>DifferentialsList</name>
    <message>
        <source>Do you really want to clear this differential?</source>
        <translation>¿Desea borrar este diferencial?</translation>
    </message>
    <message>
        <source>Servo </source>
        <translation>Servo </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Please select an available function:</source>
        <translation>Seleccione una función disponible:</translation>
    </message>
    <message>
        <source>Please assign servos to the left or right side:</source>
        <translation>Asigne los servos al lado izquierdo o derecho:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servos</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>No function has a differential yet. &quot;+&quot; gives one a differential; its row then sets the servos&apos; sides and the setup.</source>
        <translation>Ninguna función tiene aún diferencial. &quot;+&quot; da uno a una función; su fila define luego los lados de los servos y el ajuste.</translation>
    </message>
</context>
<context>
    <name>EmptyOutroStop</name>
    <message>
        <source>System shutting down</source>
        <translation>Apagando el sistema</translation>
    </message>
</context>
<context>
    <name>FastMain</name>
    <message>
        <source>System starting...</source>
        <translation>Iniciando el sistema...</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>Nothing to choose from here</source>
        <translation>Aquí no hay nada que elegir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FileManager</name>
    <message>
        <source>Choose a storage</source>
        <translation>Elija un almacenamiento</translation>
    </message>
    <message>
        <source>Delete the %1 selected files and folders?</source>
        <translation>¿Borrar los %1 archivos y carpetas seleccionados?</translation>
    </message>
    <message>
        <source>Copying complete</source>
        <translation>Copia completada</translation>
    </message>
    <message>
        <source>Deleting complete</source>
        <translation>Borrado completado</translation>
    </message>
    <message>
        <source>Canceled by the user</source>
        <translation>Cancelado por el usuario</translation>
    </message>
    <message>
        <source>A file or folder cannot be deleted</source>
        <translation>No se puede borrar un archivo o carpeta</translation>
    </message>
    <message>
        <source>A file or folder cannot be created in the destination folder</source>
        <translation>No se puede crear un archivo o carpeta en la carpeta de destino</translation>
    </message>
    <message>
        <source>Copying complete. Files that existed already were skipped</source>
        <translation>Copia completada. Se han omitido los archivos que ya existían</translation>
    </message>
    <message>
        <source>A source file cannot be opened</source>
        <translation>No se puede abrir un archivo de origen</translation>
    </message>
    <message>
        <source>A source file cannot be read</source>
        <translation>No se puede leer un archivo de origen</translation>
    </message>
    <message>
        <source>A file cannot be written in the destination folder</source>
        <translation>No se puede escribir un archivo en la carpeta de destino</translation>
    </message>
    <message>
        <source>The destination folder is not available</source>
        <translation>La carpeta de destino no está disponible</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>The source was not found</source>
        <translation>No se encontró el origen</translation>
    </message>
    <message>
        <source>The file name cannot be generated automatically</source>
        <translation>No se puede generar el nombre de archivo automáticamente</translation>
    </message>
    <message>
        <source>The destination folder is a subfolder of the source folder</source>
        <translation>La carpeta de destino es una subcarpeta de la carpeta de origen</translation>
    </message>
    <message>
        <source>The source folder is the same as the destination folder</source>
        <translation>La carpeta de origen es la misma que la de destino</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists already in the destination folder.</source>
        <translation>&quot;%1&quot; ya existe en la carpeta de destino.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no WAVE sound file and cannot be played.</source>
        <translation>&quot;%1&quot; no es un archivo de sonido WAVE y no se puede reproducir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played.</source>
        <translation>&quot;%1&quot; no se ha podido reproducir.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Copy here ▶</source>
        <translation>Copiar aquí ▶</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 seleccionados</translation>
    </message>
    <message>
        <source>Copying %1 of %2</source>
        <translation>Copiando %1 de %2</translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation>Borrando %1 de %2</translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>No hay ninguna red WLAN configurada. Configure primero una en los ajustes WLAN.</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>Conectando a la WLAN ...</translation>
    </message>
    <message>
        <source>Looking for receiver firmware ...</source>
        <translation>Buscando firmware del receptor ...</translation>
    </message>
    <message>
        <source>The download could not be started.</source>
        <translation>No se pudo iniciar la descarga.</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>No se pudo establecer la conexión WLAN.</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>No se encontró la actualización.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>No hay memoria suficiente en la tarjeta SD.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>Un archivo de la actualización está dañado. Inicie de nuevo la descarga.</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>Falló la conexión con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>Firmware del receptor</translation>
    </message>
    <message>
        <source>No receiver firmware on the SD card. &quot;Download&quot; fetches it from the update server.</source>
        <translation>No hay firmware de receptor en la tarjeta SD. &quot;Descargar&quot; lo obtiene del servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Receiver firmware download</source>
        <translation>Descarga de firmware del receptor</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Receptor %1</translation>
    </message>
    <message>
        <source>Write %1 into receiver %2?</source>
        <translation>¿Escribir %1 en el receptor %2?</translation>
    </message>
    <message>
        <source>Receiver %1 runs firmware %2.</source>
        <translation>El receptor %1 tiene el firmware %2.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Receiver firmware update</source>
        <translation>Actualización del receptor</translation>
    </message>
</context>
<context>
    <name>FlightModeEditor</name>
    <message>
        <source>Do you really want to delete this
No Fade-in function?</source>
        <translation>¿Desea borrar esta función
sin transición?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Fade-in</source>
        <translation>Transición</translation>
    </message>
    <message>
        <source>No Fade-in Functions</source>
        <translation>Funciones sin transición</translation>
    </message>
    <message>
        <source>Delete function</source>
        <translation>Borrar función</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Please select available functions:</source>
        <translation>Seleccione las funciones disponibles:</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
¡Primero debe crearse el modo de vuelo estándar!</translation>
    </message>
</context>
<context>
    <name>FlightModeSelector</name>
    <message>
        <source>Null string</source>
        <translation>Cadena vacía</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
¡Primero debe crearse el modo de vuelo estándar!</translation>
    </message>
    <message>
        <source>Delete Flight Mode</source>
        <translation>Borrar modo de vuelo</translation>
    </message>
    <message>
        <source>Delete FM Control</source>
        <translation>Borrar control MV</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Intercambiar</translation>
    </message>
    <message>
        <source>Do you really want to delete this
Flight Mode control?</source>
        <translation>¿Desea borrar este control
de modo de vuelo?</translation>
    </message>
    <message>
        <source>Do you really want to delete
this Flight Mode?</source>
        <translation>¿Desea borrar
este modo de vuelo?</translation>
    </message>
    <message>
        <source>
Cannot delete standard Flight Mode!</source>
        <translation>
¡No se puede borrar el modo de vuelo estándar!</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>Modelo: </translation>
    </message>
</context>
<context>
    <name>FlyinIncDec</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>FuncDiffSettings</name>
    <message>
        <source>Differential</source>
        <translation>Diferencial</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Modo de vuelo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Diff. control</source>
        <translation>Control dif.</translation>
    </message>
    <message>
        <source>Diff. trim</source>
        <translation>Trim dif.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>No servo has a side yet: the differential acts only on servos set to the left or right side in the differential list&apos;s servo column.</source>
        <translation>Ningún servo tiene lado todavía: el diferencial solo actúa sobre los servos asignados al lado izquierdo o derecho en la columna de servos de la lista de diferenciales.</translation>
    </message>
</context>
<context>
    <name>FunctionDiffItemV2</name>
    <message>
        <source>Setup</source>
        <translation>Ajustar</translation>
    </message>
</context>
<context>
    <name>GPSSideBoard</name>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Rumbo</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
</context>
<context>
    <name>HeadupMenu</name>
    <message>
        <source>Telemetry</source>
        <translation>Telemetría</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>Espacio vacío</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Kind of the item</source>
        <translation>Tipo de elemento</translation>
    </message>
    <message>
        <source>Telemetry value</source>
        <translation>Valor de telemetría</translation>
    </message>
    <message>
        <source>There is nothing of this kind to choose.</source>
        <translation>No hay nada de este tipo para elegir.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>No items. Touch + to add one.</source>
        <translation>No hay elementos. Toque + para añadir uno.</translation>
    </message>
</context>
<context>
    <name>HeldRowBar</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ItemChooser</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KLX_CopyModelData</name>
    <message>
        <source>The file already exists in the target folder, overwrite?</source>
        <translation>El archivo ya existe en la carpeta de destino. ¿Sobrescribir?</translation>
    </message>
    <message>
        <source>The following file was already deleted!</source>
        <translation>¡El siguiente archivo ya se ha borrado!</translation>
    </message>
    <message>
        <source>Add and replace files in destination folder:</source>
        <translation>Añadir y reemplazar archivos en la carpeta de destino:</translation>
    </message>
    <message>
        <source>Not on the card:</source>
        <translation>No está en la tarjeta:</translation>
    </message>
</context>
<context>
    <name>KLX_DataBaseManager</name>
    <message>
        <source>mixer</source>
        <translation>mezcla</translation>
    </message>
    <message>
        <source>sequencer</source>
        <translation>secuenciador</translation>
    </message>
    <message>
        <source>servo</source>
        <translation>servo</translation>
    </message>
    <message>
        <source>telecontrol</source>
        <translation>control telemetría</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Constante</translation>
    </message>
</context>
<context>
    <name>KLX_ErrorData</name>
    <message>
        <source>Model currently active – cannot erase!</source>
        <translation>Modelo activo – ¡no se puede borrar!</translation>
    </message>
    <message>
        <source>Battery is weak - please charge before update!</source>
        <translation>Batería baja - ¡cárguela antes de actualizar!</translation>
    </message>
    <message>
        <source>Target file already exists – cannot copy!</source>
        <translation>El archivo de destino ya existe – ¡no se puede copiar!</translation>
    </message>
    <message>
        <source>No source file selected – cannot copy!</source>
        <translation>Ningún archivo de origen elegido – ¡no se puede copiar!</translation>
    </message>
    <message>
        <source>No USB stick plugged – cannot copy!</source>
        <translation>No hay memoria USB conectada – ¡no se puede copiar!</translation>
    </message>
    <message>
        <source>Bad servoindex or mixerindex in servo configuration!</source>
        <translation>¡Índice de servo o de mezcla no válido en la configuración de servos!</translation>
    </message>
    <message>
        <source>Servo configuration not used!</source>
        <translation>¡Configuración de servo sin usar!</translation>
    </message>
    <message>
        <source>Bad function index in servomixer!</source>
        <translation>¡Índice de función no válido en la mezcla de servo!</translation>
    </message>
    <message>
        <source>Wrong function count in flightmode!</source>
        <translation>¡Número de funciones erróneo en el modo de vuelo!</translation>
    </message>
    <message>
        <source>Wrong setup count in functions!</source>
        <translation>¡Número de ajustes erróneo en las funciones!</translation>
    </message>
    <message>
        <source>Wrong setup count in mixers!</source>
        <translation>¡Número de ajustes erróneo en las mezclas!</translation>
    </message>
    <message>
        <source>No receiver found!</source>
        <translation>¡No se ha encontrado ningún receptor!</translation>
    </message>
    <message>
        <source>This unit cannot be loaded!</source>
        <translation>¡Este elemento no se puede cargar!</translation>
    </message>
    <message>
        <source>Cannot delete file or folder!</source>
        <translation>¡No se puede borrar el archivo o la carpeta!</translation>
    </message>
    <message>
        <source>No destination folder!</source>
        <translation>¡No hay carpeta de destino!</translation>
    </message>
    <message>
        <source>No source folder!</source>
        <translation>¡No hay carpeta de origen!</translation>
    </message>
    <message>
        <source>Not enough memory on the SD card – cannot copy!</source>
        <translation>Memoria insuficiente en la tarjeta SD – ¡no se puede copiar!</translation>
    </message>
    <message>
        <source>Not enough memory on the target – cannot copy!</source>
        <translation>Memoria insuficiente en el destino – ¡no se puede copiar!</translation>
    </message>
    <message>
        <source>No usable SD card – cannot copy!</source>
        <translation>No hay una tarjeta SD utilizable – ¡no se puede copiar!</translation>
    </message>
    <message>
        <source>The model file could not be copied into the target folder!</source>
        <translation>¡No se pudo copiar el archivo del modelo en la carpeta de destino!</translation>
    </message>
    <message>
        <source>The model is being saved – please try again!</source>
        <translation>El modelo se está guardando – ¡inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Model path outside the model folders – cannot copy!</source>
        <translation>Ruta del modelo fuera de las carpetas de modelos – ¡no se puede copiar!</translation>
    </message>
    <message>
        <source>The copy could not be set up!</source>
        <translation>¡No se pudo preparar la copia!</translation>
    </message>
    <message>
        <source>The copy was in no known step and was stopped!</source>
        <translation>¡La copia estaba en un paso desconocido y se ha detenido!</translation>
    </message>
    <message>
        <source>The copy took too long and was stopped!</source>
        <translation>¡La copia ha tardado demasiado y se ha detenido!</translation>
    </message>
    <message>
        <source>Reading or writing failed – cannot copy!</source>
        <translation>Error de lectura o escritura – ¡no se puede copiar!</translation>
    </message>
    <message>
        <source>No backup of the model file could be made!</source>
        <translation>¡No se pudo crear una copia de seguridad del archivo del modelo!</translation>
    </message>
    <message>
        <source>The loaded model and the settings files cannot be deleted!</source>
        <translation>¡El modelo cargado y los archivos de ajustes no se pueden borrar!</translation>
    </message>
    <message>
        <source>Path outside the allowed folders!</source>
        <translation>¡Ruta fuera de las carpetas permitidas!</translation>
    </message>
    <message>
        <source>More than 5 GB – cannot copy!</source>
        <translation>Más de 5 GB – ¡no se puede copiar!</translation>
    </message>
    <message>
        <source>The new folder could not be created!</source>
        <translation>¡No se pudo crear la carpeta nueva!</translation>
    </message>
    <message>
        <source>Unknown copy or delete request – nothing was done!</source>
        <translation>Solicitud de copia o borrado desconocida – ¡no se ha hecho nada!</translation>
    </message>
</context>
<context>
    <name>KLX_ProcessVorn</name>
    <message>
        <source>System synchronization</source>
        <translation>Sincronización del sistema</translation>
    </message>
    <message>
        <source>Loading model</source>
        <translation>Cargando modelo</translation>
    </message>
    <message>
        <source>Loading unit</source>
        <translation>Cargando elemento</translation>
    </message>
    <message>
        <source>Deleting unit</source>
        <translation>Borrando elemento</translation>
    </message>
    <message>
        <source>Sending binding configuration</source>
        <translation>Enviando configuración de enlace</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Calibrating controls</source>
        <translation>Calibrando controles</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>Creando modelo nuevo</translation>
    </message>
    <message>
        <source>Deleting model</source>
        <translation>Borrando modelo</translation>
    </message>
    <message>
        <source>Receiving modeldata</source>
        <translation>Recibiendo datos del modelo</translation>
    </message>
    <message>
        <source>Renaming model</source>
        <translation>Renombrando modelo</translation>
    </message>
    <message>
        <source>Onboard firmware update</source>
        <translation>Actualización del firmware interno</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>Actualización del sistema</translation>
    </message>
    <message>
        <source>Copy model</source>
        <translation>Copiar modelo</translation>
    </message>
    <message>
        <source>Capture sensor menue data</source>
        <translation>Leyendo menú del sensor</translation>
    </message>
    <message>
        <source>Set sensor data</source>
        <translation>Ajustar datos del sensor</translation>
    </message>
    <message>
        <source>Set sensor mainadress</source>
        <translation>Ajustar dirección del sensor</translation>
    </message>
    <message>
        <source>Copy model data to external device</source>
        <translation>Copiar datos del modelo a un dispositivo externo</translation>
    </message>
    <message>
        <source>Read menu data continiously</source>
        <translation>Lectura continua de datos del menú</translation>
    </message>
    <message>
        <source>Capture telemetrie data</source>
        <translation>Captura de datos de telemetría</translation>
    </message>
</context>
<context>
    <name>KLX_RuntimeCalcAlarm</name>
    <message>
        <source>volts</source>
        <translation>voltios</translation>
    </message>
    <message>
        <source>millivolts</source>
        <translation>milivoltios</translation>
    </message>
    <message>
        <source>amps</source>
        <translation>amperios</translation>
    </message>
    <message>
        <source>milliamps</source>
        <translation>miliamperios</translation>
    </message>
    <message>
        <source>milliampere-hours</source>
        <translation>miliamperios hora</translation>
    </message>
    <message>
        <source>feet per second</source>
        <translation>pies por segundo</translation>
    </message>
    <message>
        <source>meters per second</source>
        <translation>metros por segundo</translation>
    </message>
    <message>
        <source>degree Celsius</source>
        <translation>grados Celsius</translation>
    </message>
    <message>
        <source>degree Fahrenheit</source>
        <translation>grados Fahrenheit</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>agotado</translation>
    </message>
    <message>
        <source>attention</source>
        <translation>atención</translation>
    </message>
</context>
<context>
    <name>KLX_Timer</name>
    <message>
        <source>hour</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
</context>
<context>
    <name>KLX_TimersAlarms</name>
    <message>
        <source>Attention:data synchronization failed!Please land your aircraft!</source>
        <translation>Atención: ¡falló la sincronización de datos! ¡Aterrice el modelo!</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No more than three lines</source>
        <translation>No más de tres líneas</translation>
    </message>
    <message>
        <source>No more than %1 characters</source>
        <translation>No más de %1 caracteres</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Functions</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servos</translation>
    </message>
    <message>
        <source>ServoMonitor</source>
        <translation>Monitor servos</translation>
    </message>
    <message>
        <source>Flight Modes</source>
        <translation>Modos de vuelo</translation>
    </message>
    <message>
        <source>Virtual Switches</source>
        <translation>Interruptores virtuales</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Servo Cut-off</source>
        <translation>Corte de servo</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Receptores</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>Ajustes de voz</translation>
    </message>
    <message>
        <source>Vario Settings</source>
        <translation>Ajustes vario</translation>
    </message>
    <message>
        <source>Sequencers</source>
        <translation>Secuencias</translation>
    </message>
    <message>
        <source>Differential</source>
        <translation>Diferencial</translation>
    </message>
    <message>
        <source>Telemetry Controls</source>
        <translation>Controles telemetría</translation>
    </message>
    <message>
        <source>Trainer cord Settings</source>
        <translation>Ajustes prof./alumno</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>Locutor</translation>
    </message>
    <message>
        <source>GPS Compass</source>
        <translation>Brújula GPS</translation>
    </message>
    <message>
        <source>HeadUp Display</source>
        <translation>Pantalla HeadUp</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>Chequeo prevuelo</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestor de archivos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
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
        <translation>&quot;%1&quot; está ahora en el menú de usuario.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the user menu.</source>
        <translation>&quot;%1&quot; ya está en el menú de usuario.</translation>
    </message>
</context>
<context>
    <name>ModelMenu</name>
    <message>
        <source>Plane</source>
        <translation>Avión</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helicóptero</translation>
    </message>
    <message>
        <source>Multicopter</source>
        <translation>Multicóptero</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barco</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / %1 : * ? &quot; &lt; &gt; | or &quot;..&quot;.</source>
        <translation>Este nombre no se puede usar.
Un nombre no puede contener / %1 : * ? &quot; &lt; &gt; | ni &quot;..&quot;.</translation>
    </message>
    <message>
        <source>New name of the folder:</source>
        <translation>Nuevo nombre de la carpeta:</translation>
    </message>
    <message>
        <source>New name of the model:</source>
        <translation>Nuevo nombre del modelo:</translation>
    </message>
    <message>
        <source>Name of the new model in %1:</source>
        <translation>Nombre del nuevo modelo en %1:</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tiempo de espera agotado</translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>Cargando modelo...</translation>
    </message>
    <message>
        <source>The model could not be loaded.</source>
        <translation>No se pudo cargar el modelo.</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>Creando modelo nuevo</translation>
    </message>
    <message>
        <source>There is no current model.
Load a model or make a new one first.</source>
        <translation>No hay ningún modelo actual.
Cargue un modelo o cree uno nuevo primero.</translation>
    </message>
    <message>
        <source>Copy %1 to:</source>
        <translation>Copiar %1 a:</translation>
    </message>
    <message>
        <source>The model is copied as: </source>
        <translation>El modelo se copia como: </translation>
    </message>
    <message>
        <source>Folder: </source>
        <translation>Carpeta: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
¿Continuar?</translation>
    </message>
    <message>
        <source>Only the current model can be renamed.
Load this model now and rename it?</source>
        <translation>Solo se puede renombrar el modelo actual.
¿Cargar ahora este modelo y renombrarlo?</translation>
    </message>
    <message>
        <source>You are about to delete the following model: </source>
        <translation>Va a borrar el siguiente modelo: </translation>
    </message>
    <message>
        <source>Picture for</source>
        <translation>Imagen para</translation>
    </message>
    <message>
        <source>You are about to delete the following folder: </source>
        <translation>Va a borrar la siguiente carpeta: </translation>
    </message>
    <message>
        <source>Current model: </source>
        <translation>Modelo actual: </translation>
    </message>
    <message>
        <source>No model loaded: load one or make a new one.</source>
        <translation>Ningún modelo cargado: cargue uno o cree uno nuevo.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>+ Folder</source>
        <translation>+ Carpeta</translation>
    </message>
    <message>
        <source>Current model</source>
        <translation>Modelo actual</translation>
    </message>
    <message>
        <source>No models in this folder.
&quot;New&quot; makes one here.</source>
        <translation>No hay modelos en esta carpeta.
&quot;Nuevo&quot; crea uno aquí.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>ModelTask</name>
    <message>
        <source>Timeout</source>
        <translation>Tiempo de espera agotado</translation>
    </message>
</context>
<context>
    <name>ModelTypeChoose</name>
    <message>
        <source>Please select the model type:</source>
        <translation>Seleccione el tipo de modelo:</translation>
    </message>
    <message>
        <source>Sailplane</source>
        <translation>Velero</translation>
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
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>Cola en V</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuar</translation>
    </message>
</context>
<context>
    <name>Modelbuilder</name>
    <message>
        <source>Timeout</source>
        <translation>Tiempo de espera agotado</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>MultiLineTextEditor</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Numpad</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>OptionsBar</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>PreflightChecklist</name>
    <message>
        <source>Controls teached!</source>
        <translation>¡Controles grabados!</translation>
    </message>
    <message>
        <source>Controls teached incorrect - try again!</source>
        <translation>Controles grabados incorrectamente: ¡inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>Chequeo prevuelo</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Teach controls</source>
        <translation>Memorizar</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>PreflightOverlay</name>
    <message>
        <source>Starting radio...</source>
        <translation>Iniciando radio...</translation>
    </message>
    <message>
        <source>Check positions:</source>
        <translation>Compruebe las posiciones:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ProgressBox</name>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>Expulsar</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
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
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Página:</translation>
    </message>
    <message>
        <source>Edit alias</source>
        <translation>Editar alias</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>SensorMenuFrame</name>
    <message>
        <source>No responce from Backend!</source>
        <translation>¡Sin respuesta del backend!</translation>
    </message>
    <message>
        <source>Stepping value error!</source>
        <translation>¡Error en el valor de paso!</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tiempo de espera agotado</translation>
    </message>
    <message>
        <source>Stepping value none!</source>
        <translation>¡Sin valor de paso!</translation>
    </message>
</context>
<context>
    <name>SensorMenuItem</name>
    <message>
        <source>Activate</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Desactivar</translation>
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
        <translation>Bucle</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simple</translation>
    </message>
</context>
<context>
    <name>SequencerServoEditor</name>
    <message>
        <source>Running</source>
        <translation>En marcha</translation>
    </message>
    <message>
        <source>Srv.</source>
        <translation>Srv.</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Select point</source>
        <translation>Elegir punto</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Locked since the start, so that it does not run by itself: move %1 to where its last run ended. It then follows its control again and can be edited.</source>
        <translation>Bloqueado desde el arranque para que no se mueva solo: lleve %1 a donde terminó su último recorrido. Entonces vuelve a seguir su control y se puede editar.</translation>
    </message>
</context>
<context>
    <name>SequencerServoList</name>
    <message>
        <source>Do you really want to delete this servo from sequencer?</source>
        <translation>¿Desea borrar este servo del secuenciador?</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Tiempo activo</translation>
    </message>
    <message>
        <source>Movement range</source>
        <translation>Recorrido</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>Seleccione los servos disponibles:</translation>
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
        <translation>¿Desea borrar este secuenciador?</translation>
    </message>
    <message>
        <source>Sequencer is running. Try again when finished!</source>
        <translation>El secuenciador está en marcha. ¡Inténtelo de nuevo cuando termine!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servos</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>Seleccione los servos disponibles:</translation>
    </message>
    <message>
        <source>No sequencers yet. &quot;+&quot; adds one; its row then sets its name, control, mode, servos and waypoints.</source>
        <translation>Aún no hay secuenciadores. &quot;+&quot; añade uno; su fila define luego su nombre, control, modo, servos y puntos de paso.</translation>
    </message>
</context>
<context>
    <name>SequentialTA</name>
    <message>
        <source>No voice</source>
        <translation>Sin voz</translation>
    </message>
    <message>
        <source>A list of this name exists already.
Overwrite it?</source>
        <translation>Ya existe una lista con este nombre.
¿Sobrescribirla?</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / or &quot;..&quot;.</source>
        <translation>Este nombre no se puede usar.
Un nombre no puede contener / ni &quot;..&quot;.</translation>
    </message>
    <message>
        <source>The list could not be copied to the SD card.</source>
        <translation>No se pudo copiar la lista a la tarjeta SD.</translation>
    </message>
    <message>
        <source>The list was written to the USB stick.</source>
        <translation>La lista se ha guardado en la memoria USB.</translation>
    </message>
    <message>
        <source>No USB stick found, or the list could not be written to it.</source>
        <translation>No se encontró ninguna memoria USB o no se pudo guardar la lista en ella.</translation>
    </message>
    <message>
        <source>Do you really want to delete this announcement?</source>
        <translation>¿Desea borrar este anuncio?</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>Locutor</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>The list is empty. &quot;+&quot; adds an announcement.</source>
        <translation>La lista está vacía. &quot;+&quot; añade un anuncio.</translation>
    </message>
    <message>
        <source>No list. &quot;New&quot; starts one, &quot;Open&quot; loads one.</source>
        <translation>No hay lista. &quot;Nuevo&quot; crea una, &quot;Abrir&quot; carga una.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Open a list</source>
        <translation>Abrir una lista</translation>
    </message>
    <message>
        <source>Name of the new list:</source>
        <translation>Nombre de la nueva lista:</translation>
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
        <translation>Función:</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Curve Editor</source>
        <translation>Editar curva</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
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
        <translation>Curva función</translation>
    </message>
    <message>
        <source>Result curve</source>
        <translation>Curva final</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Mixers</source>
        <translation>Mezclas</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>ServoCutOffItem</name>
    <message>
        <source>On</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desact.</translation>
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
        <translation>Ajustar</translation>
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
        <translation>Las baterías están demasiado bajas para actualizar. Cárguelas primero.</translation>
    </message>
    <message>
        <source>No application update was found on a USB stick. Download it from the update server?</source>
        <translation>No se encontró ninguna actualización de la aplicación en una memoria USB. ¿Descargarla del servidor de actualizaciones?</translation>
    </message>
    <message>
        <source>No system update was found on a USB stick. Download it from the update server?</source>
        <translation>No se encontró ninguna actualización del sistema en una memoria USB. ¿Descargarla del servidor de actualizaciones?</translation>
    </message>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>No hay ninguna red WLAN configurada. Configure primero una en los ajustes WLAN.</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>Conectando a la WLAN ...</translation>
    </message>
    <message>
        <source>The update could not be started.</source>
        <translation>No se pudo iniciar la actualización.</translation>
    </message>
    <message>
        <source>Looking for the update ...</source>
        <translation>Buscando la actualización ...</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>No se pudo establecer la conexión WLAN.</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>No se encontró la actualización.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>No hay memoria suficiente en la tarjeta SD.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please copy the update to the USB stick again.</source>
        <translation>Un archivo de la actualización está dañado. Copie de nuevo la actualización a la memoria USB.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>Un archivo de la actualización está dañado. Inicie de nuevo la descarga.</translation>
    </message>
    <message>
        <source>The newest software is installed already.</source>
        <translation>El software más reciente ya está instalado.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>No se pudo instalar la actualización.</translation>
    </message>
    <message>
        <source>Internal error while installing the update.</source>
        <translation>Error interno al instalar la actualización.</translation>
    </message>
    <message>
        <source>This update is unsuitable for this device.</source>
        <translation>Esta actualización no es adecuada para este dispositivo.</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>Falló la conexión con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>Update from the USB stick:</source>
        <translation>Actualización desde la memoria USB:</translation>
    </message>
    <message>
        <source>Update from the update server:</source>
        <translation>Actualización desde el servidor de actualizaciones:</translation>
    </message>
    <message>
        <source>A file of the update is missing or does not match its list. Please copy the update to the USB stick again.</source>
        <translation>Falta un archivo de la actualización o no coincide con su lista. Copie de nuevo la actualización a la memoria USB.</translation>
    </message>
    <message>
        <source>The update is installed. Please switch the model off and restart the transmitter.</source>
        <translation>La actualización está instalada. Apague el modelo y reinicie la emisora.</translation>
    </message>
    <message>
        <source>The update is installed. Switch the transmitter off to finish it: until then the keys and the status strip stay locked.</source>
        <translation>La actualización está instalada. Apague la emisora para terminarla: hasta entonces, las teclas y la barra de estado permanecen bloqueadas.</translation>
    </message>
    <message>
        <source>The system update is installed when the transmitter is switched on next time.</source>
        <translation>La actualización del sistema se instalará la próxima vez que se encienda la emisora.</translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Descargando ...</translation>
    </message>
    <message>
        <source>The update is ready. Install it now?</source>
        <translation>La actualización está lista. ¿Instalarla ahora?</translation>
    </message>
    <message>
        <source>This version is installed already. Install it anyway?</source>
        <translation>Esta versión ya está instalada. ¿Instalarla de todos modos?</translation>
    </message>
    <message>
        <source>Waiting for your answer</source>
        <translation>Esperando su respuesta</translation>
    </message>
    <message>
        <source>Installing ...</source>
        <translation>Instalando ...</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation>Transceptor</translation>
    </message>
    <message>
        <source>Stick controller</source>
        <translation>Controlador de sticks</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Touch &quot;Update&quot; for the application update, hold it for the system update. A USB stick is looked at first, then the update server.</source>
        <translation>Toque &quot;Actualizar&quot; para actualizar la aplicación; manténgalo pulsado para actualizar el sistema. Se busca primero en una memoria USB y luego en el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>Application update</source>
        <translation>Actualización de la aplicación</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>Actualización del sistema</translation>
    </message>
    <message>
        <source>stick controller</source>
        <translation>controlador de sticks</translation>
    </message>
    <message>
        <source>transceiver</source>
        <translation>transceptor</translation>
    </message>
    <message>
        <source>The firmware of this software is written into the %1 again. Go on?</source>
        <translation>El firmware de este software se escribe de nuevo en el %1. ¿Continuar?</translation>
    </message>
    <message>
        <source>The firmware recovery requires the same version of Update.xml as this application.</source>
        <translation>La recuperación del firmware requiere la misma versión de Update.xml que esta aplicación.</translation>
    </message>
    <message>
        <source>The firmware file does not match its checksum.</source>
        <translation>El archivo de firmware no coincide con su suma de comprobación.</translation>
    </message>
    <message>
        <source>The update folder holds no package to write again: its Update.xml could not be read.</source>
        <translation>La carpeta de actualización no contiene ningún paquete que escribir de nuevo: no se pudo leer su Update.xml.</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the stick controller.</source>
        <translation>El paquete de la carpeta de actualización no contiene firmware para el controlador de sticks.</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the transceiver.</source>
        <translation>El paquete de la carpeta de actualización no contiene firmware para el transceptor.</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Recuperación</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>La tarjeta SD tiene menos de los 256 MiB que necesita la emisora.</translation>
    </message>
    <message>
        <source>There is not enough room for the program in the transmitter&apos;s memory.</source>
        <translation>No hay suficiente espacio para el programa en la memoria de la emisora.</translation>
    </message>
</context>
<context>
    <name>Storages</name>
    <message>
        <source>SD card</source>
        <translation>Tarjeta SD</translation>
    </message>
    <message>
        <source>USB stick</source>
        <translation>Memoria USB</translation>
    </message>
</context>
<context>
    <name>TeleWidgetSetupBar</name>
    <message>
        <source>You are about to delete this widget
Proceed?</source>
        <translation>Va a borrar este widget
¿Continuar?</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Delete widget</source>
        <translation>Borrar widget</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TeleWidgetsVoiceSettings</name>
    <message>
        <source>Telemetry status alarms</source>
        <translation>Alarmas de estado</translation>
    </message>
    <message>
        <source>Telemetry alarms</source>
        <translation>Alarmas de telemetría</translation>
    </message>
    <message>
        <source>Telemetry warnings</source>
        <translation>Avisos de telemetría</translation>
    </message>
    <message>
        <source>Global telemetry widget voice settings</source>
        <translation>Ajustes de voz globales de los widgets de telemetría</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TelemetryControlItem</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>TelemetryControlSett2</name>
    <message>
        <source>Decimal point separator of this telemetry control is incorrect! Please rescan sensors and assign a sensor again!</source>
        <translation>¡El separador decimal de este control de telemetría es incorrecto! ¡Vuelva a escanear los sensores y asigne de nuevo un sensor!</translation>
    </message>
    <message>
        <source>Actual parameters of the sensor value doesn&apos;t match to the settings of this control! Probably another sensor is used. Please reassign the sensor again!</source>
        <translation>¡Los parámetros actuales del valor del sensor no coinciden con los ajustes de este control! Probablemente se usa otro sensor. ¡Asigne de nuevo el sensor!</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetría</translation>
    </message>
    <message>
        <source>control</source>
        <translation>control</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Limitador</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
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
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Inverso</translation>
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
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TelemetryControls</name>
    <message>
        <source>You are about to delete the following telemetry contol: </source>
        <translation>Va a borrar el siguiente control de telemetría: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
¿Continuar?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorAlarmConfig</name>
    <message>
        <source>Red below</source>
        <translation>Rojo bajo</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Yellow below</source>
        <translation>Amarillo bajo</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Yellow above</source>
        <translation>Amarillo alto</translation>
    </message>
    <message>
        <source>Red above</source>
        <translation>Rojo alto</translation>
    </message>
    <message>
        <source>No Alarm</source>
        <translation>Sin alarma</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Pitido + vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibración</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Solo voz</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Voz + pitido</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Voz + vib.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Voz+pit.+vib.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Repetitive</source>
        <translation>Repetitivo</translation>
    </message>
    <message>
        <source>Status alarm</source>
        <translation>Alarma estado</translation>
    </message>
    <message>
        <source>Signalling</source>
        <translation>Señalización</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>Tipo de alerta</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorItem</name>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorMainMenu</name>
    <message>
        <source>Menu is empty!</source>
        <translation>¡El menú está vacío!</translation>
    </message>
    <message>
        <source>Scanning for menu...</source>
        <translation>Buscando menú...</translation>
    </message>
    <message>
        <source>No response from backend!</source>
        <translation>¡Sin respuesta del backend!</translation>
    </message>
    <message>
        <source>Getting Menu...</source>
        <translation>Obteniendo menú...</translation>
    </message>
    <message>
        <source>Getting Menu error!</source>
        <translation>¡Error al obtener el menú!</translation>
    </message>
    <message>
        <source>Getting menu timeout!</source>
        <translation>¡Tiempo agotado al obtener el menú!</translation>
    </message>
    <message>
        <source>Getting Menu none!</source>
        <translation>¡No se obtuvo ningún menú!</translation>
    </message>
    <message>
        <source>Prev.</source>
        <translation>Ant.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TelemetryTimerItem</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Delete timer</source>
        <translation>Borrar crono</translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformation</name>
    <message>
        <source>Sensor Information</source>
        <translation>Información del sensor</translation>
    </message>
    <message>
        <source>Reset Alerts</source>
        <translation>Borrar alertas</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>Borrar valores</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformationItem</name>
    <message>
        <source>Max.</source>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Mín.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetChooser</name>
    <message>
        <source>Telemetry</source>
        <translation>Telemetría</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>QuickLink</source>
        <translation>QuickLink</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>ModelImage</source>
        <translation>Imagen modelo</translation>
    </message>
    <message>
        <source>Select a widget type to add</source>
        <translation>Elija el tipo de widget que desea añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetLabelSetup</name>
    <message>
        <source>Export successful</source>
        <translation>Exportación correcta</translation>
    </message>
    <message>
        <source>Export failed!</source>
        <translation>¡Error de exportación!</translation>
    </message>
    <message>
        <source>Please check if USB is connected and working</source>
        <translation>Compruebe que el USB esté conectado y funcione</translation>
    </message>
    <message>
        <source>Attention!
The text will probably not be displayed correctly due to its length</source>
        <translation>¡Atención!
Es probable que el texto no se muestre correctamente debido a su longitud</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetQuickLink</name>
    <message>
        <source>Select entry</source>
        <translation>Elegir entrada</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetServo</name>
    <message>
        <source>Select servo:</source>
        <translation>Seleccionar servo:</translation>
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
        <translation>¡Elija cronómetro!</translation>
    </message>
    <message>
        <source>Empty timer</source>
        <translation>Crono vacío</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>Parada:</translation>
    </message>
    <message>
        <source>Warn:</source>
        <translation>Aviso:</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerAlarmConfig</name>
    <message>
        <source>No Alarm</source>
        <translation>Sin alarma</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Pitido + vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibración</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Tiempo inicial</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Tiempo final</translation>
    </message>
    <message>
        <source>Warning time</source>
        <translation>Tiempo de aviso</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>End alarm</source>
        <translation>Alarma final</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>Tipo de alerta</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerSetup</name>
    <message>
        <source>Do you really want to delete this timer?</source>
        <translation>¿Desea borrar este cronómetro?</translation>
    </message>
    <message>
        <source>No timer is selected for this widget!</source>
        <translation>¡No hay ningún cronómetro seleccionado para este widget!</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValue</name>
    <message>
        <source>Select sensor!</source>
        <translation>¡Elija sensor!</translation>
    </message>
    <message>
        <source>Select value!</source>
        <translation>¡Elija valor!</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSensorSlaveChooser</name>
    <message>
        <source>Capturing sensor information...</source>
        <translation>Obteniendo información del sensor...</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Searching for sensors...</source>
        <translation>Buscando sensores...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSetup</name>
    <message>
        <source>Timeout</source>
        <translation>Tiempo de espera agotado</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Addr.</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Add values</source>
        <translation>Añadir valores</translation>
    </message>
    <message>
        <source>Rescan sensors</source>
        <translation>Buscar sensores</translation>
    </message>
    <message>
        <source>Scanning for sensors</source>
        <translation>Buscando sensores</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSlaveChooser</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TimeRangeAlarmSettings</name>
    <message>
        <source>(Down)</source>
        <translation>(Regresivo)</translation>
    </message>
    <message>
        <source>(Up)</source>
        <translation>(Progresivo)</translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Signal start</source>
        <translation>Inicio señal</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Signal end</source>
        <translation>Fin señal</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Tipo de señal</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Long beep</source>
        <translation>Pitido largo</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibración</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Short speech</source>
        <translation>Voz corta</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>TimerAlarmItem</name>
    <message>
        <source>No Alarm</source>
        <translation>Sin alarma</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Sin alarma</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Pitido + vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibración</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Solo voz</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Voz + pitido</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Voz + vib.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Voz+pit.+vib.</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Corto</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Msj</translation>
    </message>
</context>
<context>
    <name>TimerAudioSettings</name>
    <message>
        <source>Do you really want to delete this alarm?</source>
        <translation>¿Desea borrar esta alarma?</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Sin alarma</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Pitido + vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibración</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Solo voz</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Voz + pitido</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Voz + vib.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Voz+pit.+vib.</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>Time/Range</source>
        <translation>Tiempo/Rango</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Delete alarm</source>
        <translation>Borrar alarma</translation>
    </message>
</context>
<context>
    <name>TutorPupilItem</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>Tiempo de espera agotado</translation>
    </message>
    <message>
        <source>Do you really want to delete this vorn control?</source>
        <translation>¿Desea borrar este control Vorn?</translation>
    </message>
    <message>
        <source>Trainer cord switch:</source>
        <translation>Interr. prof./alumno:</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Control Vorn</translation>
    </message>
    <message>
        <source>External channel</source>
        <translation>Canal externo</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>En uso</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Detection...</source>
        <translation>Detectando...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Auto detect</source>
        <translation>Autodetectar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>UpdateTask</name>
    <message>
        <source>Which USB stick?</source>
        <translation>¿Qué memoria USB?</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tiempo de espera agotado</translation>
    </message>
</context>
<context>
    <name>UpperFrame</name>
    <message>
        <source>Main menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Model menu</source>
        <translation>Menú de modelos</translation>
    </message>
    <message>
        <source>Min/Max reset</source>
        <translation>Borrar mín/máx</translation>
    </message>
    <message>
        <source>Do you really want to clear Max/Min values and all alerts for all widgets?</source>
        <translation>¿Desea borrar los valores máx/mín y todas las alertas de todos los widgets?</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>UserMenu</name>
    <message>
        <source>No favorites found</source>
        <translation>No se encontraron favoritos</translation>
    </message>
</context>
<context>
    <name>VarioSettings2</name>
    <message>
        <source>No sensor is known yet.
The sensors are found when the model starts, or by a rescan.</source>
        <translation>Aún no se conoce ningún sensor.
Los sensores se detectan al iniciar el modelo o con un nuevo escaneo.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>Vario off</source>
        <translation>Vario desact.</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>silencio</translation>
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
        <translation>Act./Desact.</translation>
    </message>
    <message>
        <source>Start tone</source>
        <translation>Tono inicial</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Ascenso</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Descenso</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Modo vuelo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Vario sensor</source>
        <translation>Sensor vario</translation>
    </message>
</context>
<context>
    <name>VirtualSwitchItem</name>
    <message>
        <source>ON</source>
        <translation>ACT</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESACT</translation>
    </message>
</context>
<context>
    <name>VoiceSelector</name>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Todos los idiomas</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>No voices are installed.</source>
        <translation>No hay voces instaladas.</translation>
    </message>
    <message>
        <source>No voice speaks this language.</source>
        <translation>Ninguna voz habla este idioma.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Delete the voice &quot;%1&quot;?</source>
        <translation>¿Borrar la voz &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Deleting the voice ...</source>
        <translation>Borrando la voz ...</translation>
    </message>
    <message>
        <source>Speech is paused for the update ...</source>
        <translation>La voz se pausa durante la actualización ...</translation>
    </message>
    <message>
        <source>Copying the voice packs ...</source>
        <translation>Copiando los paquetes de voz ...</translation>
    </message>
    <message>
        <source>Unpacking the voice packs ...</source>
        <translation>Descomprimiendo los paquetes de voz ...</translation>
    </message>
    <message>
        <source>1 voice installed.</source>
        <translation>1 voz instalada.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it failed its check.</source>
        <translation>1 paquete de voz no se instaló: no superó la comprobación.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>No hay memoria suficiente en la tarjeta SD.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they failed their check.</source>
        <translation>%1 paquetes de voz no se instalaron: no superaron la comprobación.</translation>
    </message>
    <message>
        <source>%1 voices installed.</source>
        <translation>%1 voces instaladas.</translation>
    </message>
    <message>
        <source>No voice pack was found on the USB stick.</source>
        <translation>No se encontró ningún paquete de voz en la memoria USB.</translation>
    </message>
    <message>
        <source>The voice data is corrupted. No voice was installed.</source>
        <translation>Los datos de voz están dañados. No se instaló ninguna voz.</translation>
    </message>
    <message>
        <source>No voice was installed.</source>
        <translation>No se instaló ninguna voz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted.</source>
        <translation>&quot;%1&quot; está cifrado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses a compression that cannot be unpacked.</source>
        <translation>&quot;%1&quot; usa una compresión que no se puede descomprimir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an archive of a kind the transmitter cannot unpack.</source>
        <translation>&quot;%1&quot; es un archivo de un tipo que la emisora no puede descomprimir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed its check.</source>
        <translation>&quot;%1&quot; no superó la comprobación.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: it is no whole zip archive.</source>
        <translation>&quot;%1&quot; no se puede leer: no es un archivo zip completo.</translation>
    </message>
    <message>
        <source>No USB stick was found.</source>
        <translation>No se encontró ninguna memoria USB.</translation>
    </message>
    <message>
        <source>The voice cannot be deleted.</source>
        <translation>No se puede borrar la voz.</translation>
    </message>
    <message>
        <source>Installed voices</source>
        <translation>Voces instaladas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Please wait ...</source>
        <translation>Espere ...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds too many files: its checksum list may name at most 100.</source>
        <translation>&quot;%1&quot; contiene demasiados archivos: su lista de sumas de comprobación puede nombrar 100 como máximo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on the SD card.</source>
        <translation>&quot;%1&quot; no cabe en la tarjeta SD.</translation>
    </message>
    <message>
        <source>The voice packs cannot be installed: the folder &quot;%1&quot; on the SD card cannot be cleared.</source>
        <translation>No se pueden instalar los paquetes de voz: la carpeta &quot;%1&quot; de la tarjeta SD no se puede vaciar.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: there is not enough memory on the SD card.</source>
        <translation>1 paquete de voz no se instaló: no hay memoria suficiente en la tarjeta SD.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: there is not enough memory on the SD card.</source>
        <translation>%1 paquetes de voz no se instalaron: no hay memoria suficiente en la tarjeta SD.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it cannot be read.</source>
        <translation>1 paquete de voz no se instaló: no se puede leer.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they cannot be read.</source>
        <translation>%1 paquetes de voz no se instalaron: no se pueden leer.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it holds too many files.</source>
        <translation>1 paquete de voz no se instaló: contiene demasiados archivos.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they hold too many files.</source>
        <translation>%1 paquetes de voz no se instalaron: contienen demasiados archivos.</translation>
    </message>
</context>
<context>
    <name>VoiceSettings</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetría</translation>
    </message>
    <message>
        <source>Telemetry full</source>
        <translation>Telem. compl.</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Flight mode</source>
        <translation>Modo vuelo</translation>
    </message>
    <message>
        <source>Timer short</source>
        <translation>Crono corto</translation>
    </message>
    <message>
        <source>Telemetry no units</source>
        <translation>Telem. s/unid.</translation>
    </message>
    <message>
        <source>Individual</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>No more voice alarms available</source>
        <translation>No hay más alarmas de voz disponibles</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>Pulse para elegir voz</translation>
    </message>
    <message>
        <source>Do you really want to delete this voice alarm?</source>
        <translation>¿Desea borrar esta alarma de voz?</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>Alarma de voz</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>Ajustes de voz</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>Activador</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Voices</source>
        <translation>Voces</translation>
    </message>
</context>
<context>
    <name>VoiceTelemetryIndividual</name>
    <message>
        <source>Sensor name</source>
        <translation>Nombre sensor</translation>
    </message>
    <message>
        <source>Value name</source>
        <translation>Nombre valor</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>Alarma de voz</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>VoiceTimerAlarmSelector</name>
    <message>
        <source>Voice alarm for</source>
        <translation>Alarma de voz para</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Agotado</translation>
    </message>
    <message>
        <source>Attention + Expired</source>
        <translation>Atención + agotado</translation>
    </message>
</context>
<context>
    <name>VoiceTimerSelector</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Agotado</translation>
    </message>
    <message>
        <source>Att. + Exp.</source>
        <translation>Aten. + agot.</translation>
    </message>
    <message>
        <source>Timer Name</source>
        <translation>Nombre crono</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
</context>
<context>
    <name>WlanSettings</name>
    <message>
        <source>Off</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Waiting for an address</source>
        <translation>Esperando una dirección</translation>
    </message>
    <message>
        <source>On, not connected</source>
        <translation>Act., sin conexión</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>Switch WiFi on to find the networks in range.</source>
        <translation>Active la WiFi para encontrar las redes al alcance.</translation>
    </message>
    <message>
        <source>No networks found. Touch Scan to search again.</source>
        <translation>No se encontraron redes. Toque Buscar para buscar de nuevo.</translation>
    </message>
    <message>
        <source>A passphrase has 8 to 63 characters.</source>
        <translation>Una contraseña tiene de 8 a 63 caracteres.</translation>
    </message>
    <message>
        <source>The passphrase could not be stored.</source>
        <translation>No se pudo guardar la contraseña.</translation>
    </message>
    <message>
        <source>This network cannot be joined with this name and passphrase.</source>
        <translation>No es posible conectarse a esta red con este nombre y contraseña.</translation>
    </message>
    <message>
        <source>This network is not stored.</source>
        <translation>Esta red no está guardada.</translation>
    </message>
    <message>
        <source>A passphrase cannot hold a # after a &quot;.</source>
        <translation>Una contraseña no puede contener # después de &quot;.</translation>
    </message>
    <message>
        <source>The connection failed. Check the passphrase and try again.</source>
        <translation>Falló la conexión. Compruebe la contraseña e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>WiFi</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>Elegida</translation>
    </message>
    <message>
        <source>Touch a network</source>
        <translation>Toque una red</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Olvidar</translation>
    </message>
</context>
<context>
    <name>main</name>
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
        <source>General error occured</source>
        <translation>Se produjo un error general</translation>
    </message>
    <message>
        <source>Function don&apos;t exist</source>
        <translation>La función no existe</translation>
    </message>
    <message>
        <source>More than one control recognized</source>
        <translation>Se ha detectado más de un control</translation>
    </message>
    <message>
        <source>No movement detected</source>
        <translation>No se detectó movimiento</translation>
    </message>
    <message>
        <source>Index off the limits</source>
        <translation>Índice fuera de límites</translation>
    </message>
    <message>
        <source>Unknown control</source>
        <translation>Control desconocido</translation>
    </message>
    <message>
        <source>Servo already in use</source>
        <translation>Servo ya en uso</translation>
    </message>
    <message>
        <source>Servo not used</source>
        <translation>Servo no utilizado</translation>
    </message>
    <message>
        <source>Servo not assigned</source>
        <translation>Servo no asignado</translation>
    </message>
    <message>
        <source>Reached maximum servos per function</source>
        <translation>Alcanzado el máximo de servos por función</translation>
    </message>
    <message>
        <source>Reached maximum curves</source>
        <translation>Alcanzado el máximo de curvas</translation>
    </message>
    <message>
        <source>Reached maximum Flight Mode count</source>
        <translation>Alcanzado el número máximo de modos de vuelo</translation>
    </message>
    <message>
        <source>Reached maximum function count</source>
        <translation>Alcanzado el número máximo de funciones</translation>
    </message>
    <message>
        <source>Reached maximum limit count</source>
        <translation>Alcanzado el número máximo de límites</translation>
    </message>
    <message>
        <source>Reached maximum mixer count</source>
        <translation>Alcanzado el número máximo de mezclas</translation>
    </message>
    <message>
        <source>Reached maximum sequencer count</source>
        <translation>Alcanzado el número máximo de secuenciadores</translation>
    </message>
    <message>
        <source>Reached maximum servo config count</source>
        <translation>Alcanzado el número máximo de configuraciones de servo</translation>
    </message>
    <message>
        <source>Sensor not in use</source>
        <translation>Sensor no en uso</translation>
    </message>
    <message>
        <source>Widget not used</source>
        <translation>Widget no utilizado</translation>
    </message>
    <message>
        <source>Reached maximum of widgets</source>
        <translation>Alcanzado el máximo de widgets</translation>
    </message>
    <message>
        <source>Reached maximum of sensors</source>
        <translation>Alcanzado el máximo de sensores</translation>
    </message>
    <message>
        <source>Reached maximum of timers</source>
        <translation>Alcanzado el máximo de cronómetros</translation>
    </message>
    <message>
        <source>Reached maximum of virtual switches</source>
        <translation>Alcanzado el máximo de interruptores virtuales</translation>
    </message>
    <message>
        <source>Reached maximum number of functions that can control this servo</source>
        <translation>Alcanzado el número máximo de funciones que pueden controlar este servo</translation>
    </message>
    <message>
        <source>The maximum number of headup items has been reached.</source>
        <translation>Se ha alcanzado el número máximo de elementos HeadUp.</translation>
    </message>
    <message>
        <source>This control is already assigned as a channel Vorn control. Please select another control!</source>
        <translation>Este control ya está asignado como control Vorn de un canal. ¡Seleccione otro control!</translation>
    </message>
    <message>
        <source>This control is already assigned to Trainer cord switch. Please select another control!</source>
        <translation>Este control ya está asignado al interruptor profesor/alumno. ¡Seleccione otro control!</translation>
    </message>
    <message>
        <source>This control is already assigned as an input of FM/Sequencer/Servo-Cut/Mixer/Vario control virtual switch. Please select another control!</source>
        <translation>Este control ya está asignado como entrada del interruptor virtual de control de MV/secuenciador/corte de servo/mezcla/vario. ¡Seleccione otro control!</translation>
    </message>
    <message>
        <source>File of the active model cannot be modified!</source>
        <translation>¡No se puede modificar el archivo del modelo activo!</translation>
    </message>
    <message>
        <source>Cannot delete non-empty folder!</source>
        <translation>¡No se puede borrar una carpeta que no está vacía!</translation>
    </message>
    <message>
        <source>Reached maximum of telemetry controls.</source>
        <translation>Alcanzado el máximo de controles de telemetría.</translation>
    </message>
    <message>
        <source>Cancelled by the user.</source>
        <translation>Cancelado por el usuario.</translation>
    </message>
    <message>
        <source>Not yet implemented</source>
        <translation>Aún no implementado</translation>
    </message>
    <message>
        <source>Empty input not allowed</source>
        <translation>No se permite una entrada vacía</translation>
    </message>
    <message>
        <source>This name is already being used</source>
        <translation>Este nombre ya está en uso</translation>
    </message>
    <message>
        <source>Reached maximum entry count</source>
        <translation>Alcanzado el número máximo de entradas</translation>
    </message>
    <message>
        <source>This item cannot be deleted</source>
        <translation>Este elemento no se puede borrar</translation>
    </message>
    <message>
        <source>No USB device detected. Please connect USB device and try again</source>
        <translation>No se detectó ningún dispositivo USB. Conecte un dispositivo USB e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Installed software is already up-to-date</source>
        <translation>El software instalado ya está actualizado</translation>
    </message>
    <message>
        <source>No Update.xml file is found on the USB device</source>
        <translation>No se encontró ningún archivo Update.xml en el dispositivo USB</translation>
    </message>
    <message>
        <source>No telemetry control can be assigned as an input of this VS, since this VS controls another telemetry control!</source>
        <translation>¡No se puede asignar ningún control de telemetría como entrada de este IV, ya que este IV controla otro control de telemetría!</translation>
    </message>
    <message>
        <source>Error:
Unknown Error, Errorcode: </source>
        <translation>Error:
Error desconocido, código de error: </translation>
    </message>
    <message>
        <source>General Error

No errortext defined.</source>
        <translation>Error general

No hay texto de error definido.</translation>
    </message>
    <message>
        <source>SD card not detected in system!</source>
        <translation>¡No se detectó la tarjeta SD en el sistema!</translation>
    </message>
    <message>
        <source>Model CRC data is bad!</source>
        <translation>¡Los datos CRC del modelo son erróneos!</translation>
    </message>
    <message>
        <source>Fast start is not possible next time.</source>
        <translation>El inicio rápido no será posible la próxima vez.</translation>
    </message>
    <message>
        <source>There is no current model to set up.
Open the model menu to load or make one?</source>
        <translation>No hay ningún modelo actual que configurar.
¿Abrir el menú de modelos para cargar o crear uno?</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is full.</source>
        <translation>Sus cambios en el modelo no se han guardado: la tarjeta SD está llena.</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Sus cambios en el modelo no se han guardado: la tarjeta SD tiene menos de los 256 MiB que necesita la emisora.</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card could not be written.</source>
        <translation>Sus cambios en el modelo no se han guardado: no se pudo escribir en la tarjeta SD.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is full.</source>
        <translation>No se pudieron guardar el tiempo de uso ni los valores de los temporizadores del modelo: la tarjeta SD está llena.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>No se pudieron guardar el tiempo de uso ni los valores de los temporizadores del modelo: la tarjeta SD tiene menos de los 256 MiB que necesita la emisora.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card could not be written.</source>
        <translation>No se pudieron guardar el tiempo de uso ni los valores de los temporizadores del modelo: no se pudo escribir en la tarjeta SD.</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>La tarjeta SD tiene menos de los 256 MiB que necesita la emisora.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is full.</source>
        <translation>Sus cambios en los ajustes no se han guardado: la tarjeta SD está llena.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Sus cambios en los ajustes no se han guardado: la tarjeta SD tiene menos de los 256 MiB que necesita la emisora.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card could not be written.</source>
        <translation>Sus cambios en los ajustes no se han guardado: no se pudo escribir en la tarjeta SD.</translation>
    </message>
</context>
</TS>
