import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The trim set-up of one function: its trim control, mode, range, steps,
// direction and signal, whether it follows the flight mode, and the trim's
// position (faded over the function's fade-in after a flight-mode change).
Item {
    id: trimSetup
    objectName: "trimSetup"
    property int functionId: -1
    property string functionName: ""
    property int trimIndex: -1
    property int control: 0
    property int trimControl: 0
    property int mode: 0
    property int range: 0
    property int steps: 0
    property bool reverse: false
    property int flags: 0
    property bool single: false
    property int currentFm: 0
    property int editedFm: 0
    property int trimValue: 0
    property string selected: ""     // "range" or "steps" while the fly-in edits it
    property int fadeTicks: 0
    property real fadeStep: 0
    property int liveValue: 0

    readonly property bool valid: trimIndex >= 0
    function failed(code) { return typeof code === "number" && code <= DatabaseValue.KLX_Error }

    // A count above 100 is shown as the percentage 10000 / count, truncated
    // to hundredths (one decimal when the hundredths are 0).
    function stepsText(count) {
        if (count <= 100)
            return count + "%"
        var hundredths = Math.floor(10000 / count)
        var text = (hundredths / 100).toFixed(hundredths % 10 === 0 ? 1 : 2)
        return text + "%"
    }
    function stepsForEditing(count) { return count > 100 ? Math.floor(10000 / count) : count }

    function readAll() {
        trimControl = Database.KLX_DataBaseManagerFunctionGetSet_Trim_Control(functionId, 0, DatabaseValue.AtomicDirGet)
        if (!valid)
            return
        mode = Database.KLX_DataBaseManagerFunctionGetSet_Trim_Mode(functionId, 0, DatabaseValue.AtomicDirGet)
        range = Database.KLX_DataBaseManagerFunctionGetSet_Trim_Range(functionId, 0, DatabaseValue.AtomicDirGet)
        steps = Database.KLX_DataBaseManagerFunctionGetSet_Trim_StepsGUI(functionId, 0, DatabaseValue.AtomicDirGet)
        reverse = Database.KLX_DataBaseManagerFunctionGetSet_Trim_IsReverse(functionId, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
        flags = Database.KLX_DataBaseManagerFunctionGetSet_Trim_Flags(functionId, 0, DatabaseValue.AtomicDirGet)
        applyFlightMode()
    }
    function applyFlightMode() {
        currentFm = rootwindow.currentFlightMode()
        single = Database.KLX_DataBaseManager_IsTrimFlightModeDependentGui(functionId, currentFm) === DatabaseValue.KLX_True
        editedFm = single ? currentFm : 0
        trimValue = readTrim()
    }
    function readTrim() {
        var value = Database.KLX_DataBaseManagerTrimGetValue(trimIndex, editedFm)
        return failed(value) ? trimValue : value
    }

    function write(accessor, value) {
        var result = Database[accessor](functionId, value, DatabaseValue.AtomicDirSet, true)
        if (failed(result)) {
            errorHandler.processError(result)
            return false
        }
        return true
    }
    function setMode(m) {
        if (valid && write("KLX_DataBaseManagerFunctionGetSet_Trim_Mode", m))
            mode = m
    }
    function step(delta) {
        if (!valid)
            return
        if (selected === "range") {
            if (write("KLX_DataBaseManagerFunctionGetSet_Trim_Range", range + delta))
                range = Database.KLX_DataBaseManagerFunctionGetSet_Trim_Range(functionId, 0, DatabaseValue.AtomicDirGet)
        } else if (selected === "steps") {
            if (write("KLX_DataBaseManagerFunctionGetSet_Trim_StepsGUI", stepsForEditing(steps) + delta))
                steps = Database.KLX_DataBaseManagerFunctionGetSet_Trim_StepsGUI(functionId, 0, DatabaseValue.AtomicDirGet)
        }
    }
    function select(name) {
        selected = selected === name ? "" : name
        flyin.extended = selected !== ""
    }
    function toggleDirection() {
        if (valid && write("KLX_DataBaseManagerFunctionGetSet_Trim_IsReverse", reverse ? DatabaseValue.KLX_False : DatabaseValue.KLX_True))
            reverse = !reverse
    }
    // 0 beep, 1 vibration, 2 both, 3 none; other bits are kept.
    function signalOf(f) {
        var beep = (f & GuiCmdData.ROTARYFLAG_BeepGui) !== 0
        var vibration = (f & GuiCmdData.ROTARYFLAG_VibrationGui) !== 0
        return beep && vibration ? 2 : beep ? 0 : vibration ? 1 : 3
    }
    function setSignal(kind) {
        if (!valid)
            return
        var value = flags & ~(GuiCmdData.ROTARYFLAG_BeepGui | GuiCmdData.ROTARYFLAG_VibrationGui)
        if (kind === 0 || kind === 2)
            value |= GuiCmdData.ROTARYFLAG_BeepGui
        if (kind === 1 || kind === 2)
            value |= GuiCmdData.ROTARYFLAG_VibrationGui
        if (write("KLX_DataBaseManagerFunctionGetSet_Trim_Flags", value))
            flags = value
    }
    function pressFlightMode() {
        if (!valid)
            return
        if (single) {
            rootwindow.popupShow(null, "question",
                                 qsTr("Do you really want to reset all settings of this trim to the global values?") + Language.emptyString,
                                 "OkAbort", function() {
                                     var r = Database.KLX_DataBaseManager_SetTrimFlightModeDependentGui(
                                                 trimSetup.functionId, trimSetup.currentFm, DatabaseValue.KLX_False, true)
                                     if (trimSetup.failed(r))
                                         errorHandler.processError(r)
                                     trimSetup.applyFlightMode()
                                 })
            return
        }
        var result = Database.KLX_DataBaseManager_SetTrimFlightModeDependentGui(functionId, currentFm, DatabaseValue.KLX_True, true)
        if (failed(result))
            errorHandler.processError(result)
        applyFlightMode()
    }

    Connections {
        target: Database
        function onFlightModeChanged(from, to) {
            if (!trimSetup.valid)
                return
            var old = trimSetup.trimValue
            trimSetup.applyFlightMode()
            var duration = Database.KLX_DataBaseManager_GetFunctionFadeInDuration(trimSetup.functionId, trimSetup.currentFm)
            if (duration > 0 && trimSetup.trimValue !== old) {
                // The display walks from the old to the new position.
                trimSetup.fadeStep = Math.round((trimSetup.trimValue - old) / duration)
                trimSetup.fadeTicks = duration
                trimSetup.trimValue = old
            }
        }
    }

    Timer {
        interval: 100
        repeat: true
        running: trimSetup.valid && !rootwindow.shutdown
        onTriggered: {
            if (trimSetup.fadeTicks > 0) {
                trimSetup.fadeTicks--
                trimSetup.trimValue += trimSetup.fadeStep
                return
            }
            trimSetup.trimValue = trimSetup.readTrim()
        }
    }
    Timer {
        interval: 50
        repeat: true
        running: trimSetup.control !== 0 && !rootwindow.shutdown
        onTriggered: trimSetup.liveValue = Database.KLX_DataBaseManagerGetValueOfControl(trimSetup.control)
    }

    ScreenHeading {
        id: heading
        objectName: "trimHeading"
        text: qsTr("Trim setup:") + Language.emptyString + " " + trimSetup.functionName
    }

    // The trim graph with the position.
    Coords_trim {
        id: graph
        objectName: "trimGraph"
        x: 5
        y: heading.height + 2
        width: 170
        height: 150
        trim: trimSetup.trimValue * trimSetup.range / 100
        range: trimSetup.range
        reversed: trimSetup.reverse
        mode: ["Center", "Center", "Left", "Right", "Offset"][trimSetup.mode >= 1 && trimSetup.mode <= 4 ? trimSetup.mode : 0]
        // The live position of the function's control.
        Rectangle {
            objectName: "trimLiveControl"
            visible: trimSetup.control !== 0 && trimSetup.liveValue !== DatabaseValue.CTRL_VALUE_Invalid
            x: (Math.max(-2047, Math.min(2047, trimSetup.liveValue)) + 2047) / 4094 * (parent.width - 2)
            width: 2
            height: parent.height
            color: "#d82f2f"
        }
    }
    Text {
        objectName: "trimPosition"
        x: graph.x
        y: graph.y + graph.height + 4
        width: graph.width
        horizontalAlignment: Text.AlignHCenter
        text: trimSetup.trimValue + "%"
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
    }

    SettingsList {
        id: rows
        x: graph.x + graph.width + 5
        y: heading.height
        width: parent.width - x
        height: parent.height - y - (flyin.extended ? flyin.height : 0)
        labelWidth: 95
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Control") + Language.emptyString
            buttonName: "trimControl"
            valueWidth: rows.valueWidth
            value: trimSetup.trimControl === GuiCmdData.CONTROLID_None_GUI ? "---"
                   : Database.KLX_DataBaseManagerGetNameOfControlByID(trimSetup.trimControl)
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/29.qml",
                                             { parentId: "trim", functionId: trimSetup.functionId,
                                               initialControlId: trimSetup.trimControl })
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Flight Mode") + Language.emptyString
            buttonName: "trimFlightMode"
            valueWidth: rows.valueWidth
            value: trimSetup.single ? qsTr("Single") + Language.emptyString : qsTr("Global") + Language.emptyString
            onClicked: trimSetup.pressFlightMode()
        }
        LabelledRow {
            labelWidth: rows.labelWidth
            label: qsTr("Mode") + Language.emptyString
            Grid {
                columns: 2
                spacing: 5
                Repeater {
                    model: [qsTr("Center") + Language.emptyString, qsTr("Left") + Language.emptyString,
                            qsTr("Right") + Language.emptyString, qsTr("Offset") + Language.emptyString]
                    GeneralPurposeButton {
                        objectName: "trimMode_" + (index + 1)
                        width: (rows.valueWidth - 5) / 2
                        gp_text: modelData
                        state: trimSetup.mode === index + 1 ? "active" : ""
                        onClicked: trimSetup.setMode(index + 1)
                    }
                }
            }
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Trim range") + Language.emptyString
            buttonName: "trimRange"
            valueWidth: rows.valueWidth
            value: "\u00B1" + trimSetup.range + "%"
            active: trimSetup.selected === "range"
            onClicked: trimSetup.select("range")
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Steps") + Language.emptyString
            buttonName: "trimSteps"
            valueWidth: rows.valueWidth
            value: trimSetup.stepsText(trimSetup.steps)
            active: trimSetup.selected === "steps"
            onClicked: trimSetup.select("steps")
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Direction") + Language.emptyString
            buttonName: "trimDirection"
            valueWidth: rows.valueWidth
            value: trimSetup.reverse ? qsTr("Reverse") + Language.emptyString : qsTr("Normal") + Language.emptyString
            onClicked: trimSetup.toggleDirection()
        }
        LabelledRow {
            labelWidth: rows.labelWidth
            label: qsTr("Signal") + Language.emptyString
            Grid {
                columns: 2
                spacing: 5
                Repeater {
                    model: [qsTr("Beep") + Language.emptyString, qsTr("Vibration") + Language.emptyString,
                            qsTr("Vibr. + Beep") + Language.emptyString, qsTr("None") + Language.emptyString]
                    GeneralPurposeButton {
                        objectName: "trimSignal_" + index
                        width: (rows.valueWidth - 5) / 2
                        fontSize: 13
                        gp_text: modelData
                        state: trimSetup.signalOf(trimSetup.flags) === index ? "active" : ""
                        onClicked: trimSetup.setSignal(index)
                    }
                }
            }
        }
    }
    ScrollBar { flickable: rows }

    FlyinIncDec {
        id: flyin
        objectName: "trimFlyin"
        onStep: trimSetup.step(delta)
        onOkClicked: trimSetup.selected = ""
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(functionId)
        systemHistory.addEndOfArgs()
        functionName = Database.KLX_DataBaseManagerFunctionGetSet_Name(functionId, "", DatabaseValue.AtomicDirGet)
        trimIndex = Database.KLX_DataBaseManagerFunctionGet_TrimIndex(functionId)
        if (failed(trimIndex))
            trimIndex = -1
        control = Database.KLX_DataBaseManagerFunctionGetSet_Control(functionId, 0, DatabaseValue.AtomicDirGet)
        if (failed(control))
            control = 0
        readAll()
    }
}
