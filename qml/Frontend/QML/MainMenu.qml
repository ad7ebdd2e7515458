pragma Singleton
import QtQuick 2.15
import DBValues 1.0

// The menu table: the main menu's entries by index (index 0 is never shown)
// with the screen each opens, and the settings menu's entries. Entries that
// the smaller board does not have give no screen there. The user menu keeps
// main-menu indices ("Main") and settings indices + 1 ("Setup").
QtObject {
    readonly property string folder: "qrc:/Frontend/QML/"
    readonly property string iconFolder: "qrc:/Frontend/Images/MainMenu/"

    // file: the screen; icon: the picture's name; model: it sets up the
    // current model (the model menu lists these); large: the larger board only.
    readonly property var entries: [
        { file: "", icon: "", model: false, large: false },
        { file: "4_0.qml", icon: "Functions", model: true, large: false },
        { file: "26.qml", icon: "Servos", model: true, large: false },
        { file: "7.qml", icon: "ServoMonitor", model: false, large: false },
        { file: "FlightModeSelector.qml", icon: "FlightModes", model: true, large: false },
        { file: "21.qml", icon: "VirtualSwitches", model: true, large: false },
        { file: "19.qml", icon: "Mixer", model: true, large: false },
        { file: "CutoffSettings.qml", icon: "ServoCutoff", model: true, large: false },
        { file: "ModelMenu.qml", icon: "Model", model: false, large: false },
        { file: "9_BindingMenu.qml", icon: "Receivers", model: true, large: false },
        { file: "VoiceSettings.qml", icon: "VoiceSettings", model: true, large: false },
        { file: "VarioSettings2.qml", icon: "VarioSettings", model: true, large: false },
        { file: "SequencersList.qml", icon: "Sequencers", model: true, large: false },
        { file: "DifferentialsList.qml", icon: "Differential", model: true, large: false },
        { file: "TelemetryControls.qml", icon: "TelemetryControls", model: true, large: false },
        { file: "TutorPupilSettings.qml", icon: "TrainerCord", model: false, large: false },
        { file: "SequentialTA.qml", icon: "Anchorman", model: false, large: false },
        { file: "GPSFinder.qml", icon: "GPSCompass", model: false, large: true },
        { file: "HeadupMenu.qml", icon: "HeadupDisplay", model: true, large: true },
        { file: "PreflightChecklist.qml", icon: "PreflightChecklist", model: true, large: false },
        { file: "FileManager.qml", icon: "FileManager", model: false, large: false },
        { file: "13.qml", icon: "Settings", model: false, large: false }
    ]

    readonly property var settingsEntries: [
        { file: "14_Settings_System.qml", icon: "System", large: false },
        { file: "1_System_Appearance.qml", icon: "Appearance", large: false },
        { file: "15.qml", icon: "Audio", large: false },
        { file: "WlanSettings.qml", icon: "WiFi", large: false },
        { file: "BTSettings.qml", icon: "Bluetooth", large: true }
    ]

    function onLargeBoard() {
        // No facade (the program is going): no board to ask.
        return Database ? Database.KLX_DatabaseManagerGet_BoardTypeInt() === DatabaseValue.BOARD_paramsVorn : false
    }

    function valid(list, i) {
        return i >= 0 && i < list.length && list[i].file !== "" && (!list[i].large || onLargeBoard())
    }

    // ---- main menu ----
    function length() { return entries.length }
    function qmlSource(i) { return i > 0 && valid(entries, i) ? folder + entries[i].file : "" }
    function isModelEntry(i) { return qmlSource(i) !== "" && entries[i].model }
    function setsUpModel(url) {
        for (var i = 1; i < entries.length; ++i)
            if (entries[i].model && folder + entries[i].file === url)
                return true
        return false
    }
    function icon(i, scheme) {
        return i > 0 && i < entries.length ? iconFolder + entries[i].icon + (scheme === 0 ? "_dunkel" : "_hell") + ".svg" : ""
    }
    function line(i) {
        switch (i) {
        case 1: return qsTr("Functions") + Language.emptyString
        case 2: return qsTr("Servos") + Language.emptyString
        case 3: return qsTr("ServoMonitor") + Language.emptyString
        case 4: return qsTr("Flight Modes") + Language.emptyString
        case 5: return qsTr("Virtual Switches") + Language.emptyString
        case 6: return qsTr("Mixer") + Language.emptyString
        case 7: return qsTr("Servo Cut-off") + Language.emptyString
        case 8: return qsTr("Model") + Language.emptyString
        case 9: return qsTr("Receivers") + Language.emptyString
        case 10: return qsTr("Voice Settings") + Language.emptyString
        case 11: return qsTr("Vario Settings") + Language.emptyString
        case 12: return qsTr("Sequencers") + Language.emptyString
        case 13: return qsTr("Differential") + Language.emptyString
        case 14: return qsTr("Telemetry Controls") + Language.emptyString
        case 15: return qsTr("Trainer cord Settings") + Language.emptyString
        case 16: return qsTr("Anchorman") + Language.emptyString
        case 17: return qsTr("GPS Compass") + Language.emptyString
        case 18: return qsTr("HeadUp Display") + Language.emptyString
        case 19: return qsTr("Preflight Checklist") + Language.emptyString
        case 20: return qsTr("File Manager") + Language.emptyString
        case 21: return qsTr("Settings") + Language.emptyString
        }
        return ""
    }

    // ---- settings menu ----
    function settingsLength() { return settingsEntries.length }
    function settingsSource(i) { return valid(settingsEntries, i) ? folder + settingsEntries[i].file : "" }
    function settingsIcon(i, scheme) {
        return i >= 0 && i < settingsEntries.length
            ? iconFolder + settingsEntries[i].icon + (scheme === 0 ? "_dunkel" : "_hell") + ".svg" : ""
    }
    function settingsLine(i) {
        switch (i) {
        case 0: return qsTr("System") + Language.emptyString
        case 1: return qsTr("Appearance") + Language.emptyString
        case 2: return qsTr("Audio") + Language.emptyString
        case 3: return qsTr("WiFi") + Language.emptyString
        case 4: return qsTr("Bluetooth") + Language.emptyString
        }
        return ""
    }

    // ---- the user menu's entries: { source, line, icon } of a stored value ----
    function userEntry(value, type, scheme) {
        if (type === "Setup")
            return { source: settingsSource(value - 1), line: settingsLine(value - 1), icon: settingsIcon(value - 1, scheme) }
        return { source: qmlSource(value), line: line(value), icon: icon(value, scheme) }
    }
}
