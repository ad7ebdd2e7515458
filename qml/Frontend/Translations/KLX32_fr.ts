<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>12</name>
    <message>
        <source>Function %1</source>
        <translation>Fonction %1</translation>
    </message>
    <message>
        <source>FCC-TEST</source>
        <translation>TEST FCC</translation>
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
        <translation>Entrée S.BUS</translation>
    </message>
    <message>
        <source>SRXL In</source>
        <translation>Entrée SRXL</translation>
    </message>
    <message>
        <source>System information successfully exported!</source>
        <translation>Informations système exportées avec succès !</translation>
    </message>
    <message>
        <source>System information cannot be exported to USB device. Check available space or insert another one!</source>
        <translation>Impossible d&apos;exporter les informations système sur le périphérique USB. Vérifiez l&apos;espace libre ou insérez-en un autre !</translation>
    </message>
    <message>
        <source>Pilotname</source>
        <translation>Nom du pilote</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/Heure</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Location/Time zone</source>
        <translation>Lieu/Fuseau horaire</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>dd-mm-yyyy</source>
        <translation>jj-mm-aaaa</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
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
        <translation>Langue</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impérial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Logiciel</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Servo/Data:</source>
        <translation>Servo/Données :</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>Démarrage rapide</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Telemetry logging</source>
        <translation>Enreg. télémétrie</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Infos système</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>N° de série</translation>
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
        <translation>Haut-parleur</translation>
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
        <translation>Voix</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>Clics de trim</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>Bips</translation>
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
        <translation>linéaire</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Délai dépassé</translation>
    </message>
    <message>
        <source>Please move the control</source>
        <translation>Veuillez bouger la commande</translation>
    </message>
    <message>
        <source>you wish to calibrate</source>
        <translation>à étalonner</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Invers</source>
        <translation>Inversé</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Move Control to</source>
        <translation>Amenez la commande en</translation>
    </message>
    <message>
        <source>Endpositions</source>
        <translation>Fins de course</translation>
    </message>
    <message>
        <source>Center Position</source>
        <translation>Position neutre</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please choose the type of the control first</source>
        <translation>Veuillez d&apos;abord choisir le type de la commande</translation>
    </message>
</context>
<context>
    <name>19</name>
    <message>
        <source>Are you sure you would like to delete this mixer?</source>
        <translation>Voulez-vous vraiment effacer ce mixage ?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>from Function</source>
        <translation>de fonction</translation>
    </message>
    <message>
        <source>to Function</source>
        <translation>vers fonction</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
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
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Display dim</source>
        <translation>Écran atténué</translation>
    </message>
    <message>
        <source>Auto Lock</source>
        <translation>Verrou auto</translation>
    </message>
    <message>
        <source>Idle Alarm</source>
        <translation>Alarme inact.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Accent</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Intro Video</source>
        <translation>Vidéo d&apos;intro</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>DebugScreen</source>
        <translation>Écran débogage</translation>
    </message>
</context>
<context>
    <name>20</name>
    <message>
        <source>Do you really want to reset all settings of this mixer to the values of &apos;</source>
        <translation>Voulez-vous vraiment remettre tous les réglages de ce mixage aux valeurs de la phase de vol &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos; ?</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mixage</translation>
    </message>
    <message>
        <source>from</source>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>vers</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Séparé</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Éditer</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
</context>
<context>
    <name>21</name>
    <message>
        <source>Do you really want to delete this virtual switch?</source>
        <translation>Voulez-vous vraiment effacer cet inter virtuel ?</translation>
    </message>
    <message>
        <source>The selected virtual switch is used as an input of &apos;</source>
        <translation>L&apos;inter virtuel choisi est utilisé comme entrée de &apos;</translation>
    </message>
    <message>
        <source>&apos; and cannot be deleted!</source>
        <translation>&apos; et ne peut pas être effacé !</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Input state</source>
        <translation>État entrée</translation>
    </message>
    <message>
        <source>Logic</source>
        <translation>Logique</translation>
    </message>
    <message>
        <source>Output state</source>
        <translation>État sortie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>22</name>
    <message>
        <source>Do you really want to reset all settings of this trim to the global values?</source>
        <translation>Voulez-vous vraiment remettre tous les réglages de ce trim aux valeurs globales ?</translation>
    </message>
    <message>
        <source>Trim setup:</source>
        <translation>Réglage trim :</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Séparé</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Neutre</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Plage trim</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversé</translation>
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
        <translation>Bip</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Vibr. + Beep</source>
        <translation>Vibr. + Bip</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>23</name>
    <message>
        <source>A1 Tx high</source>
        <translation>A1 Tx haut</translation>
    </message>
    <message>
        <source>A1 Tx mid</source>
        <translation>A1 Tx milieu</translation>
    </message>
    <message>
        <source>A1 Tx low</source>
        <translation>A1 Tx bas</translation>
    </message>
    <message>
        <source>A1 hopping</source>
        <translation>A1 sauts fréq.</translation>
    </message>
    <message>
        <source>A1 Rx high</source>
        <translation>A1 Rx haut</translation>
    </message>
    <message>
        <source>A1 Rx mid</source>
        <translation>A1 Rx milieu</translation>
    </message>
    <message>
        <source>A1 Rx low</source>
        <translation>A1 Rx bas</translation>
    </message>
    <message>
        <source>A2 Tx high</source>
        <translation>A2 Tx haut</translation>
    </message>
    <message>
        <source>A2 Tx mid</source>
        <translation>A2 Tx milieu</translation>
    </message>
    <message>
        <source>A2 Tx low</source>
        <translation>A2 Tx bas</translation>
    </message>
    <message>
        <source>A2 hopping</source>
        <translation>A2 sauts fréq.</translation>
    </message>
    <message>
        <source>A2 Rx high</source>
        <translation>A2 Rx haut</translation>
    </message>
    <message>
        <source>A2 Rx mid</source>
        <translation>A2 Rx milieu</translation>
    </message>
    <message>
        <source>A2 Rx low</source>
        <translation>A2 Rx bas</translation>
    </message>
    <message>
        <source>Test off</source>
        <translation>Test arrêté</translation>
    </message>
    <message>
        <source>Bandwidth EU</source>
        <translation>Bande UE</translation>
    </message>
    <message>
        <source>-- High channel</source>
        <translation>-- Canal haut</translation>
    </message>
    <message>
        <source>++ Low channel</source>
        <translation>++ Canal bas</translation>
    </message>
    <message>
        <source>LQI1: </source>
        <translation>LQI1 : </translation>
    </message>
    <message>
        <source>LQI2: </source>
        <translation>LQI2 : </translation>
    </message>
</context>
<context>
    <name>24</name>
    <message>
        <source>The firmware update is finished.</source>
        <translation>La mise à jour du firmware est terminée.</translation>
    </message>
    <message>
        <source>The firmware update failed.</source>
        <translation>La mise à jour du firmware a échoué.</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Mise à jour firmware</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again.</source>
        <translation>Veuillez éteindre puis rallumer l&apos;émetteur.</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again: the update is repeated at the next start.</source>
        <translation>Veuillez éteindre puis rallumer l&apos;émetteur : la mise à jour sera refaite au prochain démarrage.</translation>
    </message>
    <message>
        <source>The transmitter starts with the controllers&apos; present firmware. The update is repeated at the next start.</source>
        <translation>L&apos;émetteur démarre avec le firmware actuel des contrôleurs. La mise à jour sera refaite au prochain démarrage.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The controllers receive the firmware of the new software. Do not switch the transmitter off.</source>
        <translation>Les contrôleurs reçoivent le firmware du nouveau logiciel. N&apos;éteignez pas l&apos;émetteur.</translation>
    </message>
    <message>
        <source>The firmware recovery is finished.</source>
        <translation>Restauration du firmware terminée.</translation>
    </message>
    <message>
        <source>The firmware recovery failed.</source>
        <translation>Restauration du firmware échouée.</translation>
    </message>
    <message>
        <source>Firmware recovery</source>
        <translation>Restauration firmware</translation>
    </message>
    <message>
        <source>The controller&apos;s firmware may be incomplete. Please start the recovery again.</source>
        <translation>Le firmware du contrôleur est peut-être incomplet. Veuillez relancer la restauration.</translation>
    </message>
    <message>
        <source>The controller receives the firmware of this software. Do not switch the transmitter off.</source>
        <translation>Le contrôleur reçoit le firmware de ce logiciel. N&apos;éteignez pas l&apos;émetteur.</translation>
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
        <translation>Choisir servo :</translation>
    </message>
    <message>
        <source>Select function:</source>
        <translation>Choisir fonction :</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Neutre</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Please select servo and function:</source>
        <translation>Veuillez choisir servo et fonction :</translation>
    </message>
</context>
<context>
    <name>27_FunctionServos</name>
    <message>
        <source>Select servo:</source>
        <translation>Choisir servo :</translation>
    </message>
    <message>
        <source>Are you sure you would like to delete this servo?</source>
        <translation>Voulez-vous vraiment effacer ce servo ?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>Veuillez choisir un servo libre :</translation>
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
        <translation>Effacer trim</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>2_Home</name>
    <message>
        <source>Sensors auto rescan...
 Attempt #</source>
        <translation>Recherche auto des capteurs...
 Essai n°</translation>
    </message>
    <message>
        <source>sensors found.
</source>
        <translation>capteurs trouvés.
</translation>
    </message>
    <message>
        <source>Please perform new rescan manually!</source>
        <translation>Veuillez relancer la recherche manuellement !</translation>
    </message>
    <message>
        <source>Model Fast Start!</source>
        <translation>Démarrage rapide du modèle !</translation>
    </message>
    <message>
        <source> Trims unlocked!</source>
        <translation> Trims déverrouillés !</translation>
    </message>
    <message>
        <source>Trims locked!</source>
        <translation>Trims verrouillés !</translation>
    </message>
    <message>
        <source> - Model error</source>
        <translation> - Erreur de modèle</translation>
    </message>
    <message>
        <source> - File not found or corrupted!</source>
        <translation> - Fichier introuvable ou corrompu !</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>Modèle : </translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Page </translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>Chargement du modèle...</translation>
    </message>
    <message>
        <source>Not loaded:</source>
        <translation>Non chargé :</translation>
    </message>
    <message>
        <source> - SD card smaller than 256 MiB!</source>
        <translation> - Carte SD de moins de 256 Mio !</translation>
    </message>
</context>
<context>
    <name>33_MixerCurveEditor</name>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Lissée</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Brute</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>RAZ courbe</translation>
    </message>
</context>
<context>
    <name>35_TimerSetup</name>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Do you really want to delete this timer control?</source>
        <translation>Voulez-vous vraiment effacer cette commande de chrono ?</translation>
    </message>
    <message>
        <source>Timer name</source>
        <translation>Nom chrono</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Valeur act.</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Temps départ</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Temps arrêt</translation>
    </message>
    <message>
        <source>Auto reset</source>
        <translation>RAZ auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>RAZ</translation>
    </message>
    <message>
        <source>Audio settings</source>
        <translation>Réglages audio</translation>
    </message>
</context>
<context>
    <name>36_ControlSelector</name>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mixage</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Inter</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>FM control #</source>
        <translation>Cde PV n°</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Trainer cord</source>
        <translation>Écolage</translation>
    </message>
    <message>
        <source>Sequencer</source>
        <translation>Séquenceur</translation>
    </message>
    <message>
        <source>T-Con On/Off</source>
        <translation>T-Con M/A</translation>
    </message>
    <message>
        <source>Headup</source>
        <translation>Tête haute</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Marche/Arrêt</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>Activateur</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Commande Vorn</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Activation</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Haut-parleur</translation>
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
        <translation>Bips</translation>
    </message>
    <message>
        <source>Diff. input</source>
        <translation>Entrée diff.</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>V-Switch</source>
        <translation>Inter V</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Télémétrie</translation>
    </message>
    <message>
        <source>Fixvalue</source>
        <translation>Valeur fixe</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Momentané</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Bascule</translation>
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
        <translation>Maintien</translation>
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
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>You are about to delete the following function: </source>
        <translation>Vous allez effacer la fonction suivante : </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Continuer ?</translation>
    </message>
    <message>
        <source>Failsafe teached!</source>
        <translation>Failsafe mémorisé !</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>FS all</source>
        <translation>FS tous</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Mémoriser</translation>
    </message>
    <message>
        <source>This model has no functions yet. &quot;+&quot; adds one; its row then sets its name, control, trim and servos.</source>
        <translation>Ce modèle n&apos;a pas encore de fonctions. &quot;+&quot; en ajoute une ; sa ligne règle ensuite son nom, sa commande, son trim et ses servos.</translation>
    </message>
</context>
<context>
    <name>5</name>
    <message>
        <source>Function Setup:</source>
        <translation>Réglage fonction :</translation>
    </message>
</context>
<context>
    <name>5_1</name>
    <message>
        <source>Do you really want to reset all settings of this function to the values of &apos;</source>
        <translation>Voulez-vous vraiment remettre tous les réglages de cette fonction aux valeurs de la phase de vol &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos; ?</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Phase de vol</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Séparé</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Control rate</source>
        <translation>Cde débatt.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Débattement</translation>
    </message>
    <message>
        <source>Control expo</source>
        <translation>Cde expo</translation>
    </message>
    <message>
        <source>Expo right</source>
        <translation>Expo droite</translation>
    </message>
    <message>
        <source>Expo left</source>
        <translation>Expo gauche</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Éditer</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Temps course</translation>
    </message>
</context>
<context>
    <name>7</name>
    <message>
        <source>Flight Mode: Normal</source>
        <translation>Phase de vol : Normal</translation>
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
        <translation>N/S %1</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 21</source>
        <translation>Récepteurs : R-Ediv 21</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 14</source>
        <translation>Récepteurs : R-Ediv 14</translation>
    </message>
    <message>
        <source>Receivers: own</source>
        <translation>Récepteurs : propres</translation>
    </message>
    <message>
        <source>Binding receiver %1 ...
Switch the receiver on in binding mode.</source>
        <translation>Appairage du récepteur %1 ...
Allumez le récepteur en mode appairage.</translation>
    </message>
    <message>
        <source>Do you really want to delete receiver %1?</source>
        <translation>Voulez-vous vraiment effacer le récepteur %1 ?</translation>
    </message>
    <message>
        <source>Deleting receiver %1 ...</source>
        <translation>Effacement du récepteur %1 ...</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Récepteurs</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Récepteur %1</translation>
    </message>
    <message>
        <source>not bound</source>
        <translation>non appairé</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Bind</source>
        <translation>Appairer</translation>
    </message>
    <message>
        <source>Transmitter sensor</source>
        <translation>Capteur émetteur</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>Firmware récepteur</translation>
    </message>
</context>
<context>
    <name>AlarmMessageSettings</name>
    <message>
        <source>Timer Name</source>
        <translation>Nom chrono</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>Appuyer pour choisir la voix</translation>
    </message>
</context>
<context>
    <name>AssistantControlChooser</name>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Fix value</source>
        <translation>Valeur fixe</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Momentané</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Bascule</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>AssistantServoChooser</name>
    <message>
        <source>Please select the servos you would like to add</source>
        <translation>Veuillez choisir les servos à ajouter</translation>
    </message>
    <message>
        <source>Available servo slots: </source>
        <translation>Sorties servo libres : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>AssistantTypePage</name>
    <message>
        <source>Sailplane</source>
        <translation>Planeur</translation>
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
        <translation>Aile delta</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>Empennage V</translation>
    </message>
    <message>
        <source>Left wing</source>
        <translation>Aile gauche</translation>
    </message>
    <message>
        <source>Right wing</source>
        <translation>Aile droite</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>Aile</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Empennage</translation>
    </message>
    <message>
        <source>Throttle + Gear</source>
        <translation>Gaz + Train</translation>
    </message>
    <message>
        <source>Gyro + Aux</source>
        <translation>Gyro + Aux</translation>
    </message>
    <message>
        <source>Gear + Brake</source>
        <translation>Train + Frein</translation>
    </message>
    <message>
        <source>Throttle + Smoke</source>
        <translation>Gaz + Fumigène</translation>
    </message>
    <message>
        <source>Gyro + Vector</source>
        <translation>Gyro + Vectoriel</translation>
    </message>
    <message>
        <source>You did not set any function, the assistant will be closed. A new model with an empty function list will be created.
Continue?</source>
        <translation>Vous n&apos;avez défini aucune fonction, l&apos;assistant va se fermer. Un nouveau modèle avec une liste de fonctions vide sera créé.
Continuer ?</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Aileron Control</source>
        <translation>Cde ailerons</translation>
    </message>
    <message>
        <source>Elevator Control</source>
        <translation>Cde profondeur</translation>
    </message>
    <message>
        <source>Rudder Control</source>
        <translation>Cde direction</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>BTSettings</name>
    <message>
        <source>It may take up to 15 seconds to scan bluetooth devices</source>
        <translation>La recherche des appareils Bluetooth peut durer jusqu&apos;à 15 secondes</translation>
    </message>
    <message>
        <source>The device is successfully connected</source>
        <translation>L&apos;appareil est connecté</translation>
    </message>
    <message>
        <source>An unexpected error occurred while searching for devices</source>
        <translation>Erreur inattendue pendant la recherche d&apos;appareils</translation>
    </message>
    <message>
        <source>An unexpected error occurred when stopping the device search</source>
        <translation>Erreur inattendue à l&apos;arrêt de la recherche d&apos;appareils</translation>
    </message>
    <message>
        <source>An unexpected error occurred while deleting the device</source>
        <translation>Erreur inattendue pendant l&apos;effacement de l&apos;appareil</translation>
    </message>
    <message>
        <source>An unexpected error occurred when connecting to the device</source>
        <translation>Erreur inattendue pendant la connexion à l&apos;appareil</translation>
    </message>
    <message>
        <source>The maximum number of connected devices has been reached</source>
        <translation>Le nombre maximal d&apos;appareils connectés est atteint</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Scan!</source>
        <translation>Chercher !</translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Test du son</translation>
    </message>
    <message>
        <source>Bluetooth sound test</source>
        <translation>Test du son Bluetooth</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>No devices known. Touch Scan! to search.</source>
        <translation>Aucun appareil connu. Touchez Chercher ! pour lancer la recherche.</translation>
    </message>
    <message>
        <source>Switch Bluetooth on to see the devices.</source>
        <translation>Activez le Bluetooth pour voir les appareils.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Activer</translation>
    </message>
</context>
<context>
    <name>CComplexTimer</name>
    <message>
        <source>hour</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>second</source>
        <translation>seconde</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
</context>
<context>
    <name>ControlConfigLinear</name>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Au-dessus</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>En dessous</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Fixed control</source>
        <translation>Commande fixe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No input is chosen yet. Touch &quot;Input&quot; above, then move the control you want (or pick a switch) and confirm with OK.</source>
        <translation>Aucune entrée choisie. Touchez &quot;Entrée&quot; ci-dessus, puis bougez la commande voulue (ou choisissez un inter) et validez par OK.</translation>
    </message>
    <message>
        <source>No input is chosen yet.</source>
        <translation>Aucune entrée choisie.</translation>
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
        <translation>Verrouillé</translation>
    </message>
</context>
<context>
    <name>CountrySelector</name>
    <message>
        <source>Not specified</source>
        <translation>Non indiqué</translation>
    </message>
    <message>
        <source>Time zone [ ±hh:mm ]</source>
        <translation>Fuseau horaire [ ±hh:mm ]</translation>
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
        <translation>Points</translation>
    </message>
    <message>
        <source>Select Point</source>
        <translation>Choisir point</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Lissée</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Brute</translation>
    </message>
    <message>
        <source>Reset Curve</source>
        <translation>RAZ courbe</translation>
    </message>
</context>
<context>
    <name>CutoffSettings</name>
    <message>
        <source>Do you really want to delete this Servo Cut-off?</source>
        <translation>Voulez-vous vraiment effacer cette coupure servo ?</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Delete Servo Cut-off</source>
        <translation>Effacer coupure servo</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>Veuillez choisir un servo libre :</translation>
    </message>
</context>
<context>
    <name>DifferentialsList</name>
    <message>
        <source>Do you really want to clear this differential?</source>
        <translation>Voulez-vous vraiment effacer ce différentiel ?</translation>
    </message>
    <message>
        <source>Servo </source>
        <translation>Servo </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Please select an available function:</source>
        <translation>Veuillez choisir une fonction libre :</translation>
    </message>
    <message>
        <source>Please assign servos to the left or right side:</source>
        <translation>Veuillez affecter les servos au côté gauche ou droit :</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servos</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>No function has a differential yet. &quot;+&quot; gives one a differential; its row then sets the servos&apos; sides and the setup.</source>
        <translation>Aucune fonction n&apos;a encore de différentiel. &quot;+&quot; en donne un à une fonction ; sa ligne règle ensuite les côtés des servos et le réglage.</translation>
    </message>
</context>
<context>
    <name>EmptyOutroStop</name>
    <message>
        <source>System shutting down</source>
        <translation>Arrêt du système</translation>
    </message>
</context>
<context>
    <name>FastMain</name>
    <message>
        <source>System starting...</source>
        <translation>Démarrage du système...</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>Nothing to choose from here</source>
        <translation>Rien à choisir ici</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FileManager</name>
    <message>
        <source>Choose a storage</source>
        <translation>Choisir un support</translation>
    </message>
    <message>
        <source>Delete the %1 selected files and folders?</source>
        <translation>Effacer les %1 fichiers et dossiers sélectionnés ?</translation>
    </message>
    <message>
        <source>Copying complete</source>
        <translation>Copie terminée</translation>
    </message>
    <message>
        <source>Deleting complete</source>
        <translation>Effacement terminé</translation>
    </message>
    <message>
        <source>Canceled by the user</source>
        <translation>Annulé par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>A file or folder cannot be deleted</source>
        <translation>Un fichier ou dossier ne peut pas être effacé</translation>
    </message>
    <message>
        <source>A file or folder cannot be created in the destination folder</source>
        <translation>Impossible de créer un fichier ou dossier dans le dossier de destination</translation>
    </message>
    <message>
        <source>Copying complete. Files that existed already were skipped</source>
        <translation>Copie terminée. Les fichiers déjà existants ont été ignorés</translation>
    </message>
    <message>
        <source>A source file cannot be opened</source>
        <translation>Impossible d&apos;ouvrir un fichier source</translation>
    </message>
    <message>
        <source>A source file cannot be read</source>
        <translation>Impossible de lire un fichier source</translation>
    </message>
    <message>
        <source>A file cannot be written in the destination folder</source>
        <translation>Impossible d&apos;écrire un fichier dans le dossier de destination</translation>
    </message>
    <message>
        <source>The destination folder is not available</source>
        <translation>Le dossier de destination n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>The source was not found</source>
        <translation>Source introuvable</translation>
    </message>
    <message>
        <source>The file name cannot be generated automatically</source>
        <translation>Le nom de fichier ne peut pas être généré automatiquement</translation>
    </message>
    <message>
        <source>The destination folder is a subfolder of the source folder</source>
        <translation>Le dossier de destination est un sous-dossier du dossier source</translation>
    </message>
    <message>
        <source>The source folder is the same as the destination folder</source>
        <translation>Le dossier source est identique au dossier de destination</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists already in the destination folder.</source>
        <translation>&quot;%1&quot; existe déjà dans le dossier de destination.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no WAVE sound file and cannot be played.</source>
        <translation>&quot;%1&quot; n&apos;est pas un fichier son WAVE et ne peut pas être lu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played.</source>
        <translation>&quot;%1&quot; n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Vers :</translation>
    </message>
    <message>
        <source>Copy here ▶</source>
        <translation>Copier ici ▶</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 sélectionné(s)</translation>
    </message>
    <message>
        <source>Copying %1 of %2</source>
        <translation>Copie %1 sur %2</translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation>Effacement %1 sur %2</translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>Aucun réseau WiFi n&apos;est configuré. Veuillez d&apos;abord en configurer un dans les réglages WiFi.</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>Connexion au WiFi ...</translation>
    </message>
    <message>
        <source>Looking for receiver firmware ...</source>
        <translation>Recherche du firmware récepteur ...</translation>
    </message>
    <message>
        <source>The download could not be started.</source>
        <translation>Le téléchargement n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>La connexion WiFi n&apos;a pas pu être établie.</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>La mise à jour est introuvable.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>Mémoire insuffisante sur la carte SD.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>Un fichier de la mise à jour est corrompu. Veuillez relancer le téléchargement.</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>La connexion au serveur de mise à jour a échoué.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>Firmware récepteur</translation>
    </message>
    <message>
        <source>No receiver firmware on the SD card. &quot;Download&quot; fetches it from the update server.</source>
        <translation>Aucun firmware récepteur sur la carte SD. &quot;Télécharger&quot; le récupère sur le serveur de mise à jour.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Receiver firmware download</source>
        <translation>Téléchargement firmware récepteur</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Récepteur %1</translation>
    </message>
    <message>
        <source>Write %1 into receiver %2?</source>
        <translation>Écrire %1 dans le récepteur %2 ?</translation>
    </message>
    <message>
        <source>Receiver %1 runs firmware %2.</source>
        <translation>Le récepteur %1 utilise le firmware %2.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Receiver firmware update</source>
        <translation>MàJ firmware récepteur</translation>
    </message>
</context>
<context>
    <name>FlightModeEditor</name>
    <message>
        <source>Do you really want to delete this
No Fade-in function?</source>
        <translation>Voulez-vous vraiment effacer cette
fonction sans transition ?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utilisée</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Fade-in</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>No Fade-in Functions</source>
        <translation>Sans fondu</translation>
    </message>
    <message>
        <source>Delete function</source>
        <translation>Effacer fonction</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select available functions:</source>
        <translation>Veuillez choisir des fonctions libres :</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
Créez d&apos;abord la phase de vol standard !</translation>
    </message>
</context>
<context>
    <name>FlightModeSelector</name>
    <message>
        <source>Null string</source>
        <translation>Chaîne vide</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
Créez d&apos;abord la phase de vol standard !</translation>
    </message>
    <message>
        <source>Delete Flight Mode</source>
        <translation>Effacer phase de vol</translation>
    </message>
    <message>
        <source>Delete FM Control</source>
        <translation>Effacer Cde PV</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Échanger</translation>
    </message>
    <message>
        <source>Do you really want to delete this
Flight Mode control?</source>
        <translation>Voulez-vous vraiment effacer cette
commande de phase de vol ?</translation>
    </message>
    <message>
        <source>Do you really want to delete
this Flight Mode?</source>
        <translation>Voulez-vous vraiment effacer
cette phase de vol ?</translation>
    </message>
    <message>
        <source>
Cannot delete standard Flight Mode!</source>
        <translation>
Impossible d&apos;effacer la phase de vol standard !</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>Modèle : </translation>
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
        <translation>Différentiel</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Phase de vol</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Séparé</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Diff. control</source>
        <translation>Cde diff.</translation>
    </message>
    <message>
        <source>Diff. trim</source>
        <translation>Trim diff.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>No servo has a side yet: the differential acts only on servos set to the left or right side in the differential list&apos;s servo column.</source>
        <translation>Aucun servo n&apos;a encore de côté : le différentiel n&apos;agit que sur les servos affectés au côté gauche ou droit dans la colonne Servos de la liste des différentiels.</translation>
    </message>
</context>
<context>
    <name>FunctionDiffItemV2</name>
    <message>
        <source>Setup</source>
        <translation>Réglage</translation>
    </message>
</context>
<context>
    <name>GPSSideBoard</name>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Cap</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
</context>
<context>
    <name>HeadupMenu</name>
    <message>
        <source>Telemetry</source>
        <translation>Télémétrie</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>Ligne vide</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>Kind of the item</source>
        <translation>Type d&apos;élément</translation>
    </message>
    <message>
        <source>Telemetry value</source>
        <translation>Valeur télémétrie</translation>
    </message>
    <message>
        <source>There is nothing of this kind to choose.</source>
        <translation>Il n&apos;y a rien de ce type à choisir.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>No items. Touch + to add one.</source>
        <translation>Aucun élément. Touchez + pour en ajouter un.</translation>
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
        <translation>Rogner</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KLX_CopyModelData</name>
    <message>
        <source>The file already exists in the target folder, overwrite?</source>
        <translation>Le fichier existe déjà dans le dossier cible. Écraser ?</translation>
    </message>
    <message>
        <source>The following file was already deleted!</source>
        <translation>Le fichier suivant a déjà été effacé !</translation>
    </message>
    <message>
        <source>Add and replace files in destination folder:</source>
        <translation>Ajouter et remplacer les fichiers du dossier cible :</translation>
    </message>
    <message>
        <source>Not on the card:</source>
        <translation>Absent de la carte :</translation>
    </message>
</context>
<context>
    <name>KLX_DataBaseManager</name>
    <message>
        <source>mixer</source>
        <translation>mixage</translation>
    </message>
    <message>
        <source>sequencer</source>
        <translation>séquenceur</translation>
    </message>
    <message>
        <source>servo</source>
        <translation>servo</translation>
    </message>
    <message>
        <source>telecontrol</source>
        <translation>commande télémétrie</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
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
        <translation>Modèle actif – effacement impossible !</translation>
    </message>
    <message>
        <source>Battery is weak - please charge before update!</source>
        <translation>Batterie faible - rechargez avant la mise à jour !</translation>
    </message>
    <message>
        <source>Target file already exists – cannot copy!</source>
        <translation>Le fichier cible existe déjà – copie impossible !</translation>
    </message>
    <message>
        <source>No source file selected – cannot copy!</source>
        <translation>Aucun fichier source choisi – copie impossible !</translation>
    </message>
    <message>
        <source>No USB stick plugged – cannot copy!</source>
        <translation>Aucune clé USB branchée – copie impossible !</translation>
    </message>
    <message>
        <source>Bad servoindex or mixerindex in servo configuration!</source>
        <translation>Index de servo ou de mixage invalide dans la configuration des servos !</translation>
    </message>
    <message>
        <source>Servo configuration not used!</source>
        <translation>Configuration de servo non utilisée !</translation>
    </message>
    <message>
        <source>Bad function index in servomixer!</source>
        <translation>Index de fonction invalide dans le mixage de servo !</translation>
    </message>
    <message>
        <source>Wrong function count in flightmode!</source>
        <translation>Nombre de fonctions erroné dans la phase de vol !</translation>
    </message>
    <message>
        <source>Wrong setup count in functions!</source>
        <translation>Nombre de réglages erroné dans les fonctions !</translation>
    </message>
    <message>
        <source>Wrong setup count in mixers!</source>
        <translation>Nombre de réglages erroné dans les mixages !</translation>
    </message>
    <message>
        <source>No receiver found!</source>
        <translation>Aucun récepteur trouvé !</translation>
    </message>
    <message>
        <source>This unit cannot be loaded!</source>
        <translation>Cet élément ne peut pas être chargé !</translation>
    </message>
    <message>
        <source>Cannot delete file or folder!</source>
        <translation>Impossible d&apos;effacer le fichier ou le dossier !</translation>
    </message>
    <message>
        <source>No destination folder!</source>
        <translation>Aucun dossier cible !</translation>
    </message>
    <message>
        <source>No source folder!</source>
        <translation>Aucun dossier source !</translation>
    </message>
    <message>
        <source>Not enough memory on the SD card – cannot copy!</source>
        <translation>Mémoire insuffisante sur la carte SD – copie impossible !</translation>
    </message>
    <message>
        <source>Not enough memory on the target – cannot copy!</source>
        <translation>Mémoire insuffisante sur la cible – copie impossible !</translation>
    </message>
    <message>
        <source>No usable SD card – cannot copy!</source>
        <translation>Aucune carte SD utilisable – copie impossible !</translation>
    </message>
    <message>
        <source>The model file could not be copied into the target folder!</source>
        <translation>Le fichier du modèle n'a pas pu être copié dans le dossier cible !</translation>
    </message>
    <message>
        <source>The model is being saved – please try again!</source>
        <translation>Le modèle est en cours d'enregistrement – veuillez réessayer !</translation>
    </message>
    <message>
        <source>Model path outside the model folders – cannot copy!</source>
        <translation>Chemin du modèle hors des dossiers de modèles – copie impossible !</translation>
    </message>
    <message>
        <source>The copy could not be set up!</source>
        <translation>La copie n'a pas pu être préparée !</translation>
    </message>
    <message>
        <source>The copy was in no known step and was stopped!</source>
        <translation>La copie se trouvait dans une étape inconnue et a été arrêtée !</translation>
    </message>
    <message>
        <source>The copy took too long and was stopped!</source>
        <translation>La copie a pris trop de temps et a été arrêtée !</translation>
    </message>
    <message>
        <source>Reading or writing failed – cannot copy!</source>
        <translation>Échec de la lecture ou de l'écriture – copie impossible !</translation>
    </message>
    <message>
        <source>No backup of the model file could be made!</source>
        <translation>Aucune sauvegarde du fichier du modèle n'a pu être créée !</translation>
    </message>
    <message>
        <source>The loaded model and the settings files cannot be deleted!</source>
        <translation>Le modèle chargé et les fichiers de réglages ne peuvent pas être supprimés !</translation>
    </message>
    <message>
        <source>Path outside the allowed folders!</source>
        <translation>Chemin hors des dossiers autorisés !</translation>
    </message>
    <message>
        <source>More than 5 GB – cannot copy!</source>
        <translation>Plus de 5 Go – copie impossible !</translation>
    </message>
    <message>
        <source>The new folder could not be created!</source>
        <translation>Le nouveau dossier n'a pas pu être créé !</translation>
    </message>
    <message>
        <source>Unknown copy or delete request – nothing was done!</source>
        <translation>Demande de copie ou de suppression inconnue – rien n'a été fait !</translation>
    </message>
</context>
<context>
    <name>KLX_ProcessVorn</name>
    <message>
        <source>System synchronization</source>
        <translation>Synchronisation du système</translation>
    </message>
    <message>
        <source>Loading model</source>
        <translation>Chargement du modèle</translation>
    </message>
    <message>
        <source>Loading unit</source>
        <translation>Chargement de l&apos;élément</translation>
    </message>
    <message>
        <source>Deleting unit</source>
        <translation>Effacement de l&apos;élément</translation>
    </message>
    <message>
        <source>Sending binding configuration</source>
        <translation>Envoi de la configuration d&apos;appairage</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Appairage</translation>
    </message>
    <message>
        <source>Calibrating controls</source>
        <translation>Étalonnage des commandes</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>Création d&apos;un nouveau modèle</translation>
    </message>
    <message>
        <source>Deleting model</source>
        <translation>Effacement du modèle</translation>
    </message>
    <message>
        <source>Receiving modeldata</source>
        <translation>Réception des données du modèle</translation>
    </message>
    <message>
        <source>Renaming model</source>
        <translation>Renommage du modèle</translation>
    </message>
    <message>
        <source>Onboard firmware update</source>
        <translation>Mise à jour du firmware interne</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>Mise à jour du système</translation>
    </message>
    <message>
        <source>Copy model</source>
        <translation>Copie du modèle</translation>
    </message>
    <message>
        <source>Capture sensor menue data</source>
        <translation>Lecture du menu du capteur</translation>
    </message>
    <message>
        <source>Set sensor data</source>
        <translation>Réglage des données du capteur</translation>
    </message>
    <message>
        <source>Set sensor mainadress</source>
        <translation>Réglage de l&apos;adresse du capteur</translation>
    </message>
    <message>
        <source>Copy model data to external device</source>
        <translation>Copie des données du modèle vers un support externe</translation>
    </message>
    <message>
        <source>Read menu data continiously</source>
        <translation>Lecture continue des données du menu</translation>
    </message>
    <message>
        <source>Capture telemetrie data</source>
        <translation>Acquisition des données de télémétrie</translation>
    </message>
</context>
<context>
    <name>KLX_RuntimeCalcAlarm</name>
    <message>
        <source>volts</source>
        <translation>volts</translation>
    </message>
    <message>
        <source>millivolts</source>
        <translation>millivolts</translation>
    </message>
    <message>
        <source>amps</source>
        <translation>ampères</translation>
    </message>
    <message>
        <source>milliamps</source>
        <translation>milliampères</translation>
    </message>
    <message>
        <source>milliampere-hours</source>
        <translation>milliampères-heure</translation>
    </message>
    <message>
        <source>feet per second</source>
        <translation>pieds par seconde</translation>
    </message>
    <message>
        <source>meters per second</source>
        <translation>mètres par seconde</translation>
    </message>
    <message>
        <source>degree Celsius</source>
        <translation>degrés Celsius</translation>
    </message>
    <message>
        <source>degree Fahrenheit</source>
        <translation>degrés Fahrenheit</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>expiré</translation>
    </message>
    <message>
        <source>attention</source>
        <translation>attention</translation>
    </message>
</context>
<context>
    <name>KLX_Timer</name>
    <message>
        <source>hour</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>second</source>
        <translation>seconde</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
</context>
<context>
    <name>KLX_TimersAlarms</name>
    <message>
        <source>Attention:data synchronization failed!Please land your aircraft!</source>
        <translation>Attention : échec de la synchronisation des données ! Veuillez atterrir !</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No more than three lines</source>
        <translation>Trois lignes au maximum</translation>
    </message>
    <message>
        <source>No more than %1 characters</source>
        <translation>%1 caractères au maximum</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Functions</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servos</translation>
    </message>
    <message>
        <source>ServoMonitor</source>
        <translation>Moniteur servos</translation>
    </message>
    <message>
        <source>Flight Modes</source>
        <translation>Phases de vol</translation>
    </message>
    <message>
        <source>Virtual Switches</source>
        <translation>Inters virtuels</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mixage</translation>
    </message>
    <message>
        <source>Servo Cut-off</source>
        <translation>Coupure servo</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Récepteurs</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>Réglages voix</translation>
    </message>
    <message>
        <source>Vario Settings</source>
        <translation>Réglages vario</translation>
    </message>
    <message>
        <source>Sequencers</source>
        <translation>Séquenceurs</translation>
    </message>
    <message>
        <source>Differential</source>
        <translation>Différentiel</translation>
    </message>
    <message>
        <source>Telemetry Controls</source>
        <translation>Commandes télémétrie</translation>
    </message>
    <message>
        <source>Trainer cord Settings</source>
        <translation>Réglages écolage</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>Annonceur</translation>
    </message>
    <message>
        <source>GPS Compass</source>
        <translation>Boussole GPS</translation>
    </message>
    <message>
        <source>HeadUp Display</source>
        <translation>Affichage tête haute</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>Check-list prévol</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestion fichiers</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
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
        <translation>&quot;%1&quot; est maintenant dans le menu utilisateur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the user menu.</source>
        <translation>&quot;%1&quot; est déjà dans le menu utilisateur.</translation>
    </message>
</context>
<context>
    <name>ModelMenu</name>
    <message>
        <source>Plane</source>
        <translation>Avion</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hélicoptère</translation>
    </message>
    <message>
        <source>Multicopter</source>
        <translation>Multirotor</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Bateau</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / %1 : * ? &quot; &lt; &gt; | or &quot;..&quot;.</source>
        <translation>Ce nom ne peut pas être utilisé.
Un nom ne doit pas contenir / %1 : * ? &quot; &lt; &gt; | ni &quot;..&quot;.</translation>
    </message>
    <message>
        <source>New name of the folder:</source>
        <translation>Nouveau nom du dossier :</translation>
    </message>
    <message>
        <source>New name of the model:</source>
        <translation>Nouveau nom du modèle :</translation>
    </message>
    <message>
        <source>Name of the new model in %1:</source>
        <translation>Nom du nouveau modèle dans %1 :</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Délai dépassé</translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>Chargement du modèle...</translation>
    </message>
    <message>
        <source>The model could not be loaded.</source>
        <translation>Le modèle n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>Création du nouveau modèle</translation>
    </message>
    <message>
        <source>There is no current model.
Load a model or make a new one first.</source>
        <translation>Aucun modèle actuel.
Chargez d&apos;abord un modèle ou créez-en un nouveau.</translation>
    </message>
    <message>
        <source>Copy %1 to:</source>
        <translation>Copier %1 vers :</translation>
    </message>
    <message>
        <source>The model is copied as: </source>
        <translation>Le modèle est copié sous : </translation>
    </message>
    <message>
        <source>Folder: </source>
        <translation>Dossier : </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Continuer ?</translation>
    </message>
    <message>
        <source>Only the current model can be renamed.
Load this model now and rename it?</source>
        <translation>Seul le modèle actuel peut être renommé.
Charger ce modèle maintenant et le renommer ?</translation>
    </message>
    <message>
        <source>You are about to delete the following model: </source>
        <translation>Vous allez effacer le modèle suivant : </translation>
    </message>
    <message>
        <source>Picture for</source>
        <translation>Image pour</translation>
    </message>
    <message>
        <source>You are about to delete the following folder: </source>
        <translation>Vous allez effacer le dossier suivant : </translation>
    </message>
    <message>
        <source>Current model: </source>
        <translation>Modèle actuel : </translation>
    </message>
    <message>
        <source>No model loaded: load one or make a new one.</source>
        <translation>Aucun modèle chargé : chargez ou créez-en un.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>+ Folder</source>
        <translation>+ Dossier</translation>
    </message>
    <message>
        <source>Current model</source>
        <translation>Modèle actuel</translation>
    </message>
    <message>
        <source>No models in this folder.
&quot;New&quot; makes one here.</source>
        <translation>Aucun modèle dans ce dossier.
&quot;Nouveau&quot; en crée un ici.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>ModelTask</name>
    <message>
        <source>Timeout</source>
        <translation>Délai dépassé</translation>
    </message>
</context>
<context>
    <name>ModelTypeChoose</name>
    <message>
        <source>Please select the model type:</source>
        <translation>Veuillez choisir le type de modèle :</translation>
    </message>
    <message>
        <source>Sailplane</source>
        <translation>Planeur</translation>
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
        <translation>Aile delta</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>Empennage V</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>Modelbuilder</name>
    <message>
        <source>Timeout</source>
        <translation>Délai dépassé</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
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
        <translation>Annuler</translation>
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
        <translation>Commandes mémorisées !</translation>
    </message>
    <message>
        <source>Controls teached incorrect - try again!</source>
        <translation>Mémorisation des commandes incorrecte - réessayez !</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>Check-list prévol</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Teach controls</source>
        <translation>Mémoriser</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Mémoriser</translation>
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
        <translation>Démarrage de la radio...</translation>
    </message>
    <message>
        <source>Check positions:</source>
        <translation>Vérifiez les positions :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ProgressBox</name>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
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
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>RAZ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>Éjecter</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
</context>
<context>
    <name>SensorAddressInfo</name>
    <message>
        <source>Original:</source>
        <translation>Original :</translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation>Alias :</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Page :</translation>
    </message>
    <message>
        <source>Edit alias</source>
        <translation>Éditer alias</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>SensorMenuFrame</name>
    <message>
        <source>No responce from Backend!</source>
        <translation>Aucune réponse du système !</translation>
    </message>
    <message>
        <source>Stepping value error!</source>
        <translation>Erreur de valeur de pas !</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Délai dépassé</translation>
    </message>
    <message>
        <source>Stepping value none!</source>
        <translation>Aucune valeur de pas !</translation>
    </message>
</context>
<context>
    <name>SensorMenuItem</name>
    <message>
        <source>Activate</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Désactiver</translation>
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
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Séparé</translation>
    </message>
</context>
<context>
    <name>SequencerServoEditor</name>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Srv.</source>
        <translation>Srv.</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Select point</source>
        <translation>Choisir point</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Locked since the start, so that it does not run by itself: move %1 to where its last run ended. It then follows its control again and can be edited.</source>
        <translation>Verrouillé depuis le démarrage pour qu&apos;il ne se lance pas seul : placez %1 là où sa dernière course s&apos;est terminée. Il suit alors de nouveau sa commande et peut être modifié.</translation>
    </message>
</context>
<context>
    <name>SequencerServoList</name>
    <message>
        <source>Do you really want to delete this servo from sequencer?</source>
        <translation>Voulez-vous vraiment retirer ce servo du séquenceur ?</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Temps actif</translation>
    </message>
    <message>
        <source>Movement range</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>Veuillez choisir des servos libres :</translation>
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
        <translation>Voulez-vous vraiment effacer ce séquenceur ?</translation>
    </message>
    <message>
        <source>Sequencer is running. Try again when finished!</source>
        <translation>Le séquenceur est en cours. Réessayez quand il aura fini !</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>Servos</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>Veuillez choisir des servos libres :</translation>
    </message>
    <message>
        <source>No sequencers yet. &quot;+&quot; adds one; its row then sets its name, control, mode, servos and waypoints.</source>
        <translation>Aucun séquenceur pour l&apos;instant. &quot;+&quot; en ajoute un ; sa ligne règle ensuite son nom, sa commande, son mode, ses servos et ses points de passage.</translation>
    </message>
</context>
<context>
    <name>SequentialTA</name>
    <message>
        <source>No voice</source>
        <translation>Aucune voix</translation>
    </message>
    <message>
        <source>A list of this name exists already.
Overwrite it?</source>
        <translation>Une liste de ce nom existe déjà.
L&apos;écraser ?</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / or &quot;..&quot;.</source>
        <translation>Ce nom ne peut pas être utilisé.
Un nom ne doit pas contenir / ni &quot;..&quot;.</translation>
    </message>
    <message>
        <source>The list could not be copied to the SD card.</source>
        <translation>La liste n&apos;a pas pu être copiée sur la carte SD.</translation>
    </message>
    <message>
        <source>The list was written to the USB stick.</source>
        <translation>La liste a été écrite sur la clé USB.</translation>
    </message>
    <message>
        <source>No USB stick found, or the list could not be written to it.</source>
        <translation>Aucune clé USB trouvée, ou la liste n&apos;a pas pu y être écrite.</translation>
    </message>
    <message>
        <source>Do you really want to delete this announcement?</source>
        <translation>Voulez-vous vraiment effacer cette annonce ?</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>Annonceur</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>The list is empty. &quot;+&quot; adds an announcement.</source>
        <translation>La liste est vide. &quot;+&quot; ajoute une annonce.</translation>
    </message>
    <message>
        <source>No list. &quot;New&quot; starts one, &quot;Open&quot; loads one.</source>
        <translation>Aucune liste. &quot;Nouveau&quot; en crée une, &quot;Ouvrir&quot; en charge une.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>Open a list</source>
        <translation>Ouvrir une liste</translation>
    </message>
    <message>
        <source>Name of the new list:</source>
        <translation>Nom de la nouvelle liste :</translation>
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
        <translation>Fonction :</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Neutre</translation>
    </message>
    <message>
        <source>Curve Editor</source>
        <translation>Éditer courbe</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Éditer</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Servo curve</source>
        <translation>Courbe servo</translation>
    </message>
    <message>
        <source>Function curve</source>
        <translation>Courbe fonct.</translation>
    </message>
    <message>
        <source>Result curve</source>
        <translation>Courbe finale</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Mixers</source>
        <translation>Mixages</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>ServoCutOffItem</name>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
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
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>RAZ courbe</translation>
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
        <translation>Les batteries sont trop faibles pour une mise à jour. Veuillez d&apos;abord les charger.</translation>
    </message>
    <message>
        <source>No application update was found on a USB stick. Download it from the update server?</source>
        <translation>Aucune mise à jour de l&apos;application sur une clé USB. La télécharger depuis le serveur de mise à jour ?</translation>
    </message>
    <message>
        <source>No system update was found on a USB stick. Download it from the update server?</source>
        <translation>Aucune mise à jour du système sur une clé USB. La télécharger depuis le serveur de mise à jour ?</translation>
    </message>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>Aucun réseau WiFi n&apos;est configuré. Veuillez d&apos;abord en configurer un dans les réglages WiFi.</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>Connexion au WiFi ...</translation>
    </message>
    <message>
        <source>The update could not be started.</source>
        <translation>La mise à jour n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Looking for the update ...</source>
        <translation>Recherche de la mise à jour ...</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>La connexion WiFi n&apos;a pas pu être établie.</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>La mise à jour est introuvable.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>Mémoire insuffisante sur la carte SD.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please copy the update to the USB stick again.</source>
        <translation>Un fichier de la mise à jour est corrompu. Veuillez recopier la mise à jour sur la clé USB.</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>Un fichier de la mise à jour est corrompu. Veuillez relancer le téléchargement.</translation>
    </message>
    <message>
        <source>The newest software is installed already.</source>
        <translation>Le logiciel le plus récent est déjà installé.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>La mise à jour n&apos;a pas pu être installée.</translation>
    </message>
    <message>
        <source>Internal error while installing the update.</source>
        <translation>Erreur interne pendant l&apos;installation de la mise à jour.</translation>
    </message>
    <message>
        <source>This update is unsuitable for this device.</source>
        <translation>Cette mise à jour ne convient pas à cet appareil.</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>La connexion au serveur de mise à jour a échoué.</translation>
    </message>
    <message>
        <source>Update from the USB stick:</source>
        <translation>Mise à jour depuis la clé USB :</translation>
    </message>
    <message>
        <source>Update from the update server:</source>
        <translation>Mise à jour depuis le serveur de mise à jour :</translation>
    </message>
    <message>
        <source>A file of the update is missing or does not match its list. Please copy the update to the USB stick again.</source>
        <translation>Un fichier de la mise à jour manque ou ne correspond pas à sa liste. Veuillez recopier la mise à jour sur la clé USB.</translation>
    </message>
    <message>
        <source>The update is installed. Please switch the model off and restart the transmitter.</source>
        <translation>La mise à jour est installée. Veuillez éteindre le modèle et redémarrer l&apos;émetteur.</translation>
    </message>
    <message>
        <source>The update is installed. Switch the transmitter off to finish it: until then the keys and the status strip stay locked.</source>
        <translation>La mise à jour est installée. Éteignez l&apos;émetteur pour la terminer : jusque-là, les touches et la barre d&apos;état restent verrouillées.</translation>
    </message>
    <message>
        <source>The system update is installed when the transmitter is switched on next time.</source>
        <translation>La mise à jour du système sera installée au prochain allumage de l&apos;émetteur.</translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Téléchargement ...</translation>
    </message>
    <message>
        <source>The update is ready. Install it now?</source>
        <translation>La mise à jour est prête. L&apos;installer maintenant ?</translation>
    </message>
    <message>
        <source>This version is installed already. Install it anyway?</source>
        <translation>Cette version est déjà installée. L&apos;installer quand même ?</translation>
    </message>
    <message>
        <source>Waiting for your answer</source>
        <translation>En attente de votre réponse</translation>
    </message>
    <message>
        <source>Installing ...</source>
        <translation>Installation ...</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Système d&apos;exploitation</translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation>Émetteur-récepteur</translation>
    </message>
    <message>
        <source>Stick controller</source>
        <translation>Contrôleur manches</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Logiciel</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Touch &quot;Update&quot; for the application update, hold it for the system update. A USB stick is looked at first, then the update server.</source>
        <translation>Touchez &quot;Mise à jour&quot; pour mettre à jour l&apos;application, maintenez-le pour le système. Une clé USB est cherchée d&apos;abord, puis le serveur de mise à jour.</translation>
    </message>
    <message>
        <source>Application update</source>
        <translation>Mise à jour application</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>Mise à jour système</translation>
    </message>
    <message>
        <source>stick controller</source>
        <translation>le contrôleur manches</translation>
    </message>
    <message>
        <source>transceiver</source>
        <translation>l&apos;émetteur-récepteur</translation>
    </message>
    <message>
        <source>The firmware of this software is written into the %1 again. Go on?</source>
        <translation>Le firmware de ce logiciel sera réécrit dans %1. Continuer ?</translation>
    </message>
    <message>
        <source>The firmware recovery requires the same version of Update.xml as this application.</source>
        <translation>La restauration du firmware exige la même version d&apos;Update.xml que cette application.</translation>
    </message>
    <message>
        <source>The firmware file does not match its checksum.</source>
        <translation>Le fichier firmware ne correspond pas à sa somme de contrôle.</translation>
    </message>
    <message>
        <source>The update folder holds no package to write again: its Update.xml could not be read.</source>
        <translation>Le dossier de mise à jour ne contient aucun paquet à réécrire : son Update.xml n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the stick controller.</source>
        <translation>Le paquet du dossier de mise à jour ne contient aucun firmware pour le contrôleur manches.</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the transceiver.</source>
        <translation>Le paquet du dossier de mise à jour ne contient aucun firmware pour l&apos;émetteur-récepteur.</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>La carte SD fait moins que les 256 Mio dont l&apos;émetteur a besoin.</translation>
    </message>
    <message>
        <source>There is not enough room for the program in the transmitter&apos;s memory.</source>
        <translation>La mémoire de l&apos;émetteur n&apos;a pas assez de place pour le programme.</translation>
    </message>
</context>
<context>
    <name>Storages</name>
    <message>
        <source>SD card</source>
        <translation>Carte SD</translation>
    </message>
    <message>
        <source>USB stick</source>
        <translation>Clé USB</translation>
    </message>
</context>
<context>
    <name>TeleWidgetSetupBar</name>
    <message>
        <source>You are about to delete this widget
Proceed?</source>
        <translation>Vous allez effacer ce widget
Continuer ?</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petit</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Delete widget</source>
        <translation>Effacer widget</translation>
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
        <translation>Alarmes d&apos;état</translation>
    </message>
    <message>
        <source>Telemetry alarms</source>
        <translation>Alarmes télémétrie</translation>
    </message>
    <message>
        <source>Telemetry warnings</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>Global telemetry widget voice settings</source>
        <translation>Réglages vocaux globaux des widgets télémétrie</translation>
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
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>TelemetryControlSett2</name>
    <message>
        <source>Decimal point separator of this telemetry control is incorrect! Please rescan sensors and assign a sensor again!</source>
        <translation>Le séparateur décimal de cette commande télémétrie est incorrect ! Veuillez relancer la recherche des capteurs et réaffecter un capteur !</translation>
    </message>
    <message>
        <source>Actual parameters of the sensor value doesn&apos;t match to the settings of this control! Probably another sensor is used. Please reassign the sensor again!</source>
        <translation>Les paramètres actuels de la valeur du capteur ne correspondent pas aux réglages de cette commande ! Un autre capteur est sans doute utilisé. Veuillez réaffecter le capteur !</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Télémétrie</translation>
    </message>
    <message>
        <source>control</source>
        <translation>commande</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Limiteur</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Sim:</source>
        <translation>Sim :</translation>
    </message>
    <message>
        <source>FS:</source>
        <translation>FS :</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Inversion</translation>
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
        <translation>Vous allez effacer la commande télémétrie suivante : </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
Continuer ?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorAlarmConfig</name>
    <message>
        <source>Red below</source>
        <translation>Rouge inf.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Yellow below</source>
        <translation>Jaune inf.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Yellow above</source>
        <translation>Jaune sup.</translation>
    </message>
    <message>
        <source>Red above</source>
        <translation>Rouge sup.</translation>
    </message>
    <message>
        <source>No Alarm</source>
        <translation>Pas d&apos;alarme</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Bip + Vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Annonce seule</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Annonce + Bip</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Annonce + Vib.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Ann.+Bip+Vib.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Repetitive</source>
        <translation>Répétitif</translation>
    </message>
    <message>
        <source>Status alarm</source>
        <translation>Alarme d&apos;état</translation>
    </message>
    <message>
        <source>Signalling</source>
        <translation>Signalisation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>Type d&apos;alerte</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorItem</name>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorMainMenu</name>
    <message>
        <source>Menu is empty!</source>
        <translation>Le menu est vide !</translation>
    </message>
    <message>
        <source>Scanning for menu...</source>
        <translation>Recherche du menu...</translation>
    </message>
    <message>
        <source>No response from backend!</source>
        <translation>Aucune réponse du système !</translation>
    </message>
    <message>
        <source>Getting Menu...</source>
        <translation>Lecture du menu...</translation>
    </message>
    <message>
        <source>Getting Menu error!</source>
        <translation>Erreur de lecture du menu !</translation>
    </message>
    <message>
        <source>Getting menu timeout!</source>
        <translation>Délai dépassé pour la lecture du menu !</translation>
    </message>
    <message>
        <source>Getting Menu none!</source>
        <translation>Aucun menu reçu !</translation>
    </message>
    <message>
        <source>Prev.</source>
        <translation>Préc.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Delete timer</source>
        <translation>Suppr. chrono</translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformation</name>
    <message>
        <source>Sensor Information</source>
        <translation>Informations capteur</translation>
    </message>
    <message>
        <source>Reset Alerts</source>
        <translation>RAZ alertes</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>RAZ valeurs</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>RAZ</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetChooser</name>
    <message>
        <source>Telemetry</source>
        <translation>Télémétrie</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>QuickLink</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>ModelImage</source>
        <translation>Image modèle</translation>
    </message>
    <message>
        <source>Select a widget type to add</source>
        <translation>Choisir le type de widget à ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetLabelSetup</name>
    <message>
        <source>Export successful</source>
        <translation>Export réussi</translation>
    </message>
    <message>
        <source>Export failed!</source>
        <translation>Échec de l&apos;export !</translation>
    </message>
    <message>
        <source>Please check if USB is connected and working</source>
        <translation>Vérifiez que l&apos;USB est branché et fonctionne</translation>
    </message>
    <message>
        <source>Attention!
The text will probably not be displayed correctly due to its length</source>
        <translation>Attention !
Le texte ne s&apos;affichera probablement pas correctement à cause de sa longueur</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Éditer</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetQuickLink</name>
    <message>
        <source>Select entry</source>
        <translation>Choisir entrée</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetServo</name>
    <message>
        <source>Select servo:</source>
        <translation>Choisir servo :</translation>
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
        <translation>Choisir chrono !</translation>
    </message>
    <message>
        <source>Empty timer</source>
        <translation>Chrono vide</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>Arrêt :</translation>
    </message>
    <message>
        <source>Warn:</source>
        <translation>Avert. :</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerAlarmConfig</name>
    <message>
        <source>No Alarm</source>
        <translation>Pas d&apos;alarme</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Bip + Vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Temps départ</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Temps arrêt</translation>
    </message>
    <message>
        <source>Warning time</source>
        <translation>Temps avert.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>End alarm</source>
        <translation>Alarme de fin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>Type d&apos;alerte</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerSetup</name>
    <message>
        <source>Do you really want to delete this timer?</source>
        <translation>Voulez-vous vraiment effacer ce chrono ?</translation>
    </message>
    <message>
        <source>No timer is selected for this widget!</source>
        <translation>Aucun chrono choisi pour ce widget !</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValue</name>
    <message>
        <source>Select sensor!</source>
        <translation>Choisir capteur !</translation>
    </message>
    <message>
        <source>Select value!</source>
        <translation>Choisir valeur !</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSensorSlaveChooser</name>
    <message>
        <source>Capturing sensor information...</source>
        <translation>Lecture des infos capteur...</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Searching for sensors...</source>
        <translation>Recherche des capteurs...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Délai dépassé</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Addr.</source>
        <translation>Adr.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Add values</source>
        <translation>Ajouter valeurs</translation>
    </message>
    <message>
        <source>Rescan sensors</source>
        <translation>Rechercher capteurs</translation>
    </message>
    <message>
        <source>Scanning for sensors</source>
        <translation>Recherche des capteurs</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSlaveChooser</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>(Décompte)</translation>
    </message>
    <message>
        <source>(Up)</source>
        <translation>(Compte)</translation>
    </message>
    <message>
        <source>of</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>Signal start</source>
        <translation>Début signal</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Signal end</source>
        <translation>Fin signal</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Type de signal</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Long beep</source>
        <translation>Bip long</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Annonce</translation>
    </message>
    <message>
        <source>Short speech</source>
        <translation>Annonce courte</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>TimerAlarmItem</name>
    <message>
        <source>No Alarm</source>
        <translation>Pas d&apos;alarme</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Pas d&apos;alarme</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Bip + Vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Annonce seule</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Annonce + Bip</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Annonce + Vib.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Ann.+Bip+Vib.</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Court</translation>
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
        <translation>Voulez-vous vraiment effacer cette alarme ?</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Pas d&apos;alarme</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>Bip + Vib.</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>Annonce seule</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>Annonce + Bip</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>Annonce + Vib.</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>Ann.+Bip+Vib.</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Time/Range</source>
        <translation>Temps/Plage</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Delete alarm</source>
        <translation>Effacer alarme</translation>
    </message>
</context>
<context>
    <name>TutorPupilItem</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>TutorPupilSettings</name>
    <message>
        <source>Timeout</source>
        <translation>Délai dépassé</translation>
    </message>
    <message>
        <source>Do you really want to delete this vorn control?</source>
        <translation>Voulez-vous vraiment effacer cette commande Vorn ?</translation>
    </message>
    <message>
        <source>Trainer cord switch:</source>
        <translation>Inter écolage :</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Commande Vorn</translation>
    </message>
    <message>
        <source>External channel</source>
        <translation>Voie externe</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Utilisée</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Detection...</source>
        <translation>Détection...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Auto detect</source>
        <translation>Détection auto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>UpdateTask</name>
    <message>
        <source>Which USB stick?</source>
        <translation>Quelle clé USB ?</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Délai dépassé</translation>
    </message>
</context>
<context>
    <name>UpperFrame</name>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Model menu</source>
        <translation>Menu modèle</translation>
    </message>
    <message>
        <source>Min/Max reset</source>
        <translation>RAZ min/max</translation>
    </message>
    <message>
        <source>Do you really want to clear Max/Min values and all alerts for all widgets?</source>
        <translation>Voulez-vous vraiment effacer les valeurs max/min et toutes les alertes de tous les widgets ?</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
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
        <translation>Aucun favori</translation>
    </message>
</context>
<context>
    <name>VarioSettings2</name>
    <message>
        <source>No sensor is known yet.
The sensors are found when the model starts, or by a rescan.</source>
        <translation>Aucun capteur n&apos;est encore connu.
Les capteurs sont trouvés au démarrage du modèle ou par une nouvelle recherche.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Vario off</source>
        <translation>Vario arrêté</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>muet</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Activation</translation>
    </message>
    <message>
        <source>Start tone</source>
        <translation>Son de base</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Montée</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Descente</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Séparé</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Vario sensor</source>
        <translation>Capteur vario</translation>
    </message>
</context>
<context>
    <name>VirtualSwitchItem</name>
    <message>
        <source>ON</source>
        <translation>MARCHE</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ARRÊT</translation>
    </message>
</context>
<context>
    <name>VoiceSelector</name>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Toutes les langues</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>No voices are installed.</source>
        <translation>Aucune voix n&apos;est installée.</translation>
    </message>
    <message>
        <source>No voice speaks this language.</source>
        <translation>Aucune voix ne parle cette langue.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Delete the voice &quot;%1&quot;?</source>
        <translation>Effacer la voix &quot;%1&quot; ?</translation>
    </message>
    <message>
        <source>Deleting the voice ...</source>
        <translation>Effacement de la voix ...</translation>
    </message>
    <message>
        <source>Speech is paused for the update ...</source>
        <translation>Parole suspendue pour la mise à jour ...</translation>
    </message>
    <message>
        <source>Copying the voice packs ...</source>
        <translation>Copie des packs vocaux ...</translation>
    </message>
    <message>
        <source>Unpacking the voice packs ...</source>
        <translation>Décompression des packs vocaux ...</translation>
    </message>
    <message>
        <source>1 voice installed.</source>
        <translation>1 voix installée.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it failed its check.</source>
        <translation>1 pack vocal n’a pas été installé : sa vérification a échoué.</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>Mémoire insuffisante sur la carte SD.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they failed their check.</source>
        <translation>%1 packs vocaux n’ont pas été installés : leur vérification a échoué.</translation>
    </message>
    <message>
        <source>%1 voices installed.</source>
        <translation>%1 voix installées.</translation>
    </message>
    <message>
        <source>No voice pack was found on the USB stick.</source>
        <translation>Aucun pack vocal trouvé sur la clé USB.</translation>
    </message>
    <message>
        <source>The voice data is corrupted. No voice was installed.</source>
        <translation>Les données vocales sont corrompues. Aucune voix n&apos;a été installée.</translation>
    </message>
    <message>
        <source>No voice was installed.</source>
        <translation>Aucune voix n&apos;a été installée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted.</source>
        <translation>&quot;%1&quot; est chiffré.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses a compression that cannot be unpacked.</source>
        <translation>&quot;%1&quot; utilise une compression qui ne peut pas être décompressée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an archive of a kind the transmitter cannot unpack.</source>
        <translation>&quot;%1&quot; est une archive d’un type que l&apos;émetteur ne peut pas décompresser.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed its check.</source>
        <translation>La vérification de &quot;%1&quot; a échoué.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: it is no whole zip archive.</source>
        <translation>&quot;%1&quot; ne peut pas être lu : ce n’est pas une archive zip complète.</translation>
    </message>
    <message>
        <source>No USB stick was found.</source>
        <translation>Aucune clé USB trouvée.</translation>
    </message>
    <message>
        <source>The voice cannot be deleted.</source>
        <translation>Impossible d&apos;effacer la voix.</translation>
    </message>
    <message>
        <source>Installed voices</source>
        <translation>Voix installées</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Please wait ...</source>
        <translation>Veuillez patienter ...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds too many files: its checksum list may name at most 100.</source>
        <translation>&quot;%1&quot; contient trop de fichiers : sa liste de sommes de contrôle peut en nommer 100 au plus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on the SD card.</source>
        <translation>&quot;%1&quot; ne tient pas sur la carte SD.</translation>
    </message>
    <message>
        <source>The voice packs cannot be installed: the folder &quot;%1&quot; on the SD card cannot be cleared.</source>
        <translation>Les packs vocaux ne peuvent pas être installés : le dossier &quot;%1&quot; de la carte SD ne peut pas être vidé.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: there is not enough memory on the SD card.</source>
        <translation>1 pack vocal n’a pas été installé : mémoire insuffisante sur la carte SD.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: there is not enough memory on the SD card.</source>
        <translation>%1 packs vocaux n’ont pas été installés : mémoire insuffisante sur la carte SD.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it cannot be read.</source>
        <translation>1 pack vocal n’a pas été installé : il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they cannot be read.</source>
        <translation>%1 packs vocaux n’ont pas été installés : ils ne peuvent pas être lus.</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it holds too many files.</source>
        <translation>1 pack vocal n’a pas été installé : il contient trop de fichiers.</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they hold too many files.</source>
        <translation>%1 packs vocaux n’ont pas été installés : ils contiennent trop de fichiers.</translation>
    </message>
</context>
<context>
    <name>VoiceSettings</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Télémétrie</translation>
    </message>
    <message>
        <source>Telemetry full</source>
        <translation>Télém. complète</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Flight mode</source>
        <translation>Phase de vol</translation>
    </message>
    <message>
        <source>Timer short</source>
        <translation>Chrono court</translation>
    </message>
    <message>
        <source>Telemetry no units</source>
        <translation>Télém. sans unité</translation>
    </message>
    <message>
        <source>Individual</source>
        <translation>Individuel</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>No more voice alarms available</source>
        <translation>Plus d&apos;alarme vocale disponible</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>Appuyer pour choisir la voix</translation>
    </message>
    <message>
        <source>Do you really want to delete this voice alarm?</source>
        <translation>Voulez-vous vraiment effacer cette alarme vocale ?</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>Alarme vocale</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>Réglages voix</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>Activateur</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Voices</source>
        <translation>Voix</translation>
    </message>
</context>
<context>
    <name>VoiceTelemetryIndividual</name>
    <message>
        <source>Sensor name</source>
        <translation>Nom capteur</translation>
    </message>
    <message>
        <source>Value name</source>
        <translation>Nom valeur</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>Alarme vocale</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
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
        <translation>Alarme vocale pour</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Expiré</translation>
    </message>
    <message>
        <source>Attention + Expired</source>
        <translation>Attention + Expiré</translation>
    </message>
</context>
<context>
    <name>VoiceTimerSelector</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Expiré</translation>
    </message>
    <message>
        <source>Att. + Exp.</source>
        <translation>Att. + Exp.</translation>
    </message>
    <message>
        <source>Timer Name</source>
        <translation>Nom chrono</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
</context>
<context>
    <name>WlanSettings</name>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>Waiting for an address</source>
        <translation>Attente d&apos;une adresse</translation>
    </message>
    <message>
        <source>On, not connected</source>
        <translation>Marche, non connecté</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>Switch WiFi on to find the networks in range.</source>
        <translation>Activez le WiFi pour trouver les réseaux à portée.</translation>
    </message>
    <message>
        <source>No networks found. Touch Scan to search again.</source>
        <translation>Aucun réseau trouvé. Touchez Chercher pour relancer la recherche.</translation>
    </message>
    <message>
        <source>A passphrase has 8 to 63 characters.</source>
        <translation>Un mot de passe compte de 8 à 63 caractères.</translation>
    </message>
    <message>
        <source>The passphrase could not be stored.</source>
        <translation>Le mot de passe n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>This network cannot be joined with this name and passphrase.</source>
        <translation>Impossible de rejoindre ce réseau avec ce nom et ce mot de passe.</translation>
    </message>
    <message>
        <source>This network is not stored.</source>
        <translation>Ce réseau n&apos;est pas enregistré.</translation>
    </message>
    <message>
        <source>A passphrase cannot hold a # after a &quot;.</source>
        <translation>Un mot de passe ne peut pas contenir de # après un &quot;.</translation>
    </message>
    <message>
        <source>The connection failed. Check the passphrase and try again.</source>
        <translation>La connexion a échoué. Vérifiez le mot de passe et réessayez.</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>WiFi</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
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
        <translation>Choisi</translation>
    </message>
    <message>
        <source>Touch a network</source>
        <translation>Touchez un réseau</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Oublier</translation>
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
        <translation>Erreur générale</translation>
    </message>
    <message>
        <source>Function don&apos;t exist</source>
        <translation>La fonction n&apos;existe pas</translation>
    </message>
    <message>
        <source>More than one control recognized</source>
        <translation>Plus d&apos;une commande détectée</translation>
    </message>
    <message>
        <source>No movement detected</source>
        <translation>Aucun mouvement détecté</translation>
    </message>
    <message>
        <source>Index off the limits</source>
        <translation>Index hors limites</translation>
    </message>
    <message>
        <source>Unknown control</source>
        <translation>Commande inconnue</translation>
    </message>
    <message>
        <source>Servo already in use</source>
        <translation>Servo déjà utilisé</translation>
    </message>
    <message>
        <source>Servo not used</source>
        <translation>Servo non utilisé</translation>
    </message>
    <message>
        <source>Servo not assigned</source>
        <translation>Servo non affecté</translation>
    </message>
    <message>
        <source>Reached maximum servos per function</source>
        <translation>Nombre maximal de servos par fonction atteint</translation>
    </message>
    <message>
        <source>Reached maximum curves</source>
        <translation>Nombre maximal de courbes atteint</translation>
    </message>
    <message>
        <source>Reached maximum Flight Mode count</source>
        <translation>Nombre maximal de phases de vol atteint</translation>
    </message>
    <message>
        <source>Reached maximum function count</source>
        <translation>Nombre maximal de fonctions atteint</translation>
    </message>
    <message>
        <source>Reached maximum limit count</source>
        <translation>Nombre maximal de limites atteint</translation>
    </message>
    <message>
        <source>Reached maximum mixer count</source>
        <translation>Nombre maximal de mixages atteint</translation>
    </message>
    <message>
        <source>Reached maximum sequencer count</source>
        <translation>Nombre maximal de séquenceurs atteint</translation>
    </message>
    <message>
        <source>Reached maximum servo config count</source>
        <translation>Nombre maximal de configurations servo atteint</translation>
    </message>
    <message>
        <source>Sensor not in use</source>
        <translation>Capteur non utilisé</translation>
    </message>
    <message>
        <source>Widget not used</source>
        <translation>Widget non utilisé</translation>
    </message>
    <message>
        <source>Reached maximum of widgets</source>
        <translation>Nombre maximal de widgets atteint</translation>
    </message>
    <message>
        <source>Reached maximum of sensors</source>
        <translation>Nombre maximal de capteurs atteint</translation>
    </message>
    <message>
        <source>Reached maximum of timers</source>
        <translation>Nombre maximal de chronos atteint</translation>
    </message>
    <message>
        <source>Reached maximum of virtual switches</source>
        <translation>Nombre maximal d&apos;inters virtuels atteint</translation>
    </message>
    <message>
        <source>Reached maximum number of functions that can control this servo</source>
        <translation>Nombre maximal de fonctions pouvant commander ce servo atteint</translation>
    </message>
    <message>
        <source>The maximum number of headup items has been reached.</source>
        <translation>Le nombre maximal d&apos;éléments tête haute est atteint.</translation>
    </message>
    <message>
        <source>This control is already assigned as a channel Vorn control. Please select another control!</source>
        <translation>Cette commande est déjà affectée comme commande Vorn d&apos;une voie. Veuillez choisir une autre commande !</translation>
    </message>
    <message>
        <source>This control is already assigned to Trainer cord switch. Please select another control!</source>
        <translation>Cette commande est déjà affectée à l&apos;inter d&apos;écolage. Veuillez choisir une autre commande !</translation>
    </message>
    <message>
        <source>This control is already assigned as an input of FM/Sequencer/Servo-Cut/Mixer/Vario control virtual switch. Please select another control!</source>
        <translation>Cette commande est déjà affectée comme entrée d&apos;un inter virtuel de commande PV/séquenceur/coupure servo/mixage/vario. Veuillez choisir une autre commande !</translation>
    </message>
    <message>
        <source>File of the active model cannot be modified!</source>
        <translation>Le fichier du modèle actif ne peut pas être modifié !</translation>
    </message>
    <message>
        <source>Cannot delete non-empty folder!</source>
        <translation>Impossible d&apos;effacer un dossier non vide !</translation>
    </message>
    <message>
        <source>Reached maximum of telemetry controls.</source>
        <translation>Nombre maximal de commandes télémétrie atteint.</translation>
    </message>
    <message>
        <source>Cancelled by the user.</source>
        <translation>Annulé par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Not yet implemented</source>
        <translation>Pas encore disponible</translation>
    </message>
    <message>
        <source>Empty input not allowed</source>
        <translation>Saisie vide interdite</translation>
    </message>
    <message>
        <source>This name is already being used</source>
        <translation>Ce nom est déjà utilisé</translation>
    </message>
    <message>
        <source>Reached maximum entry count</source>
        <translation>Nombre maximal d&apos;entrées atteint</translation>
    </message>
    <message>
        <source>This item cannot be deleted</source>
        <translation>Cet élément ne peut pas être effacé</translation>
    </message>
    <message>
        <source>No USB device detected. Please connect USB device and try again</source>
        <translation>Aucun périphérique USB détecté. Veuillez brancher un périphérique USB et réessayer</translation>
    </message>
    <message>
        <source>Installed software is already up-to-date</source>
        <translation>Le logiciel installé est déjà à jour</translation>
    </message>
    <message>
        <source>No Update.xml file is found on the USB device</source>
        <translation>Aucun fichier Update.xml trouvé sur le périphérique USB</translation>
    </message>
    <message>
        <source>No telemetry control can be assigned as an input of this VS, since this VS controls another telemetry control!</source>
        <translation>Aucune commande télémétrie ne peut être affectée comme entrée de cet inter virtuel, car il commande une autre commande télémétrie !</translation>
    </message>
    <message>
        <source>Error:
Unknown Error, Errorcode: </source>
        <translation>Erreur :
Erreur inconnue, code d&apos;erreur : </translation>
    </message>
    <message>
        <source>General Error

No errortext defined.</source>
        <translation>Erreur générale

Aucun texte d&apos;erreur défini.</translation>
    </message>
    <message>
        <source>SD card not detected in system!</source>
        <translation>Carte SD non détectée !</translation>
    </message>
    <message>
        <source>Model CRC data is bad!</source>
        <translation>Données CRC du modèle incorrectes !</translation>
    </message>
    <message>
        <source>Fast start is not possible next time.</source>
        <translation>Démarrage rapide impossible la prochaine fois.</translation>
    </message>
    <message>
        <source>There is no current model to set up.
Open the model menu to load or make one?</source>
        <translation>Aucun modèle actuel à régler.
Ouvrir le menu modèle pour en charger ou en créer un ?</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is full.</source>
        <translation>Vos modifications du modèle n&apos;ont pas été enregistrées : la carte SD est pleine.</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Vos modifications du modèle n&apos;ont pas été enregistrées : la carte SD fait moins que les 256 Mio dont l&apos;émetteur a besoin.</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card could not be written.</source>
        <translation>Vos modifications du modèle n&apos;ont pas été enregistrées : impossible d&apos;écrire sur la carte SD.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is full.</source>
        <translation>Le temps de fonctionnement et les valeurs des chronomètres du modèle n&apos;ont pas pu être enregistrés : la carte SD est pleine.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Le temps de fonctionnement et les valeurs des chronomètres du modèle n&apos;ont pas pu être enregistrés : la carte SD fait moins que les 256 Mio dont l&apos;émetteur a besoin.</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card could not be written.</source>
        <translation>Le temps de fonctionnement et les valeurs des chronomètres du modèle n&apos;ont pas pu être enregistrés : impossible d&apos;écrire sur la carte SD.</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>La carte SD fait moins que les 256 Mio dont l&apos;émetteur a besoin.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is full.</source>
        <translation>Vos modifications des réglages n&apos;ont pas été enregistrées : la carte SD est pleine.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>Vos modifications des réglages n&apos;ont pas été enregistrées : la carte SD fait moins que les 256 Mio dont l&apos;émetteur a besoin.</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card could not be written.</source>
        <translation>Vos modifications des réglages n&apos;ont pas été enregistrées : impossible d&apos;écrire sur la carte SD.</translation>
    </message>
</context>
</TS>
