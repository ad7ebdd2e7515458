import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "ControlNames.js" as Names

// One model timer, simple or complex: name, start and stop time, auto reset,
// the virtual switches that start, stop and reset it with their live state,
// and for a complex timer the way to its alarms. Every field shows what the
// store answered, so the store's limits hold.
Item {
    id: screen
    objectName: "timerSetup"

    // Arguments.
    property int timerId: 0
    property bool timerTypeNew: false

    readonly property int switchCount: Database.KLX_DataBaseManagerGetMaxVirualSwitches()
    readonly property string emptyLabel: "---"
    readonly property string editorUrl: "qrc:/Frontend/QML/ControlConfigLinear.qml"
    // The controls in the order shown, with their accessors and the
    // editor's option numbers of both kinds of timer.
    readonly property var roles: [
        { name: "start", simple: "KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw",
          complex: "KLX_DataBaseManagerCmplxTimerGetSet_ControlStart", option: 1, optionNew: 13, action: 1 },
        { name: "stop", simple: "KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw",
          complex: "KLX_DataBaseManagerCmplxTimerGetSet_ControlStop", option: 3, optionNew: 15, action: 2 },
        { name: "reset", simple: "KLX_DataBaseManagerTimerGetSet_SwitchResetVirtSw",
          complex: "KLX_DataBaseManagerCmplxTimerGetSet_ControlReset", option: 2, optionNew: 14, action: 3 }
    ]
    // Start hours, minutes, seconds, then the stop time's.
    readonly property var timeFields: timerTypeNew
        ? ["StartHour", "StartMinute", "StartSecond", "StopHour", "StopMinute", "StopSecond"]
        : ["StartTimeHour", "StartTimeMinute", "StartTimeSecond", "StopTimeHour", "StopTimeMinute", "StopTimeSecond"]

    property string timerName: ""
    property var times: ["00", "00", "00", "00", "00", "00"]
    property int keepLast: 0
    property string currentValue: ""
    property int selectedField: -1
    // Per control: { vs, control, text, upper, lower, on, off }.
    property var controls: [emptyControl(), emptyControl(), emptyControl()]
    // The control whose switch is being deleted (its role index, -1 none)
    // and the action remembered for the task's Done.
    property int deleteRole: -1
    property int pendingAction: 0

    function get() { return DatabaseValue.AtomicDirGet }
    function set() { return DatabaseValue.AtomicDirSet }
    function emptyControl() { return { vs: switchCount, control: 0, text: "---", upper: 5, lower: -5, on: false, off: false } }
    function accessor(field) {
        return (timerTypeNew ? "KLX_DataBaseManagerCmplxTimerGetSet_" : "KLX_DataBaseManagerTimerGetSet_") + field
    }
    function twoDigits(v) { return (v < 10 ? "0" : "") + v }
    function switchUsed(s) {
        return s >= 0 && s < switchCount
                && Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(s, 0, get(), false) === DatabaseValue.KLX_True
    }

    // ---- reading ----
    function readTimes() {
        var list = times.slice()
        for (var i = 0; i < 6; ++i) {
            var v = Database[accessor(timeFields[i])](timerId, 0, get())
            if (v > DatabaseValue.KLX_Error)
                list[i] = twoDigits(v)
        }
        times = list
    }
    // What drives switch s: the name of input A's control.
    function driverText(s) {
        if (!switchUsed(s))
            return emptyLabel
        var c = Names.inputA(s)
        return c <= DatabaseValue.KLX_Error ? emptyLabel : Names.name(c)
    }
    function readControl(role) {
        var entry = emptyControl()
        var s = switchCount
        if (timerTypeNew) {
            var c = Database[role.complex](timerId, 0, get())
            if (Names.isSwitch(c))
                s = Database.KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(c)
        } else {
            s = Database[role.simple](timerId, 0, get())
        }
        if (s < 0 || s > switchCount)
            s = switchCount
        entry.vs = s
        entry.text = driverText(s)
        if (switchUsed(s)) {
            var A = DatabaseValue.VIRTUAL_SWITCH_ID_A
            entry.control = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, A, 0, get(), false)
            entry.upper = Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(s, A, 0, get(), false)
            entry.lower = Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(s, A, 0, get(), false)
        }
        return entry
    }
    function readAll() {
        timerName = timerTypeNew ? Database.KLX_DataBaseManagerCmplxTimerGetSet_Name(timerId, "", get(), true)
                                 : Database.KLX_DataBaseManagerTimerGetSet_Name(timerId, "", get(), true)
        readTimes()
        var keep = Database[accessor("LastValueKeep")](timerId, 0, get())
        if (keep > DatabaseValue.KLX_Error)
            keepLast = keep
        controls = roles.map(readControl)
        poll()
    }
    function poll() {
        var list = controls.slice()
        for (var i = 0; i < list.length; ++i) {
            var e = list[i]
            var out = switchUsed(e.vs) ? RuntimeDatabase.KLX_RuntimeDatabaseManagerGetVSOutputByVSId(e.vs) : 0
            list[i] = { vs: e.vs, control: e.control, text: e.text, upper: e.upper, lower: e.lower,
                        on: out >= 2047, off: out <= -2047 }
        }
        controls = list
        if (timerTypeNew) {
            currentValue = Database.KLX_DataBaseManagerCmplxTimerGetActualTime_String(timerId, true)
        } else {
            var h = Database.KLX_DataBaseManagerTimerGet_ActualTimeHour(timerId)
            var m = Database.KLX_DataBaseManagerTimerGet_ActualTimeMinute(timerId)
            var s = Database.KLX_DataBaseManagerTimerGet_ActualTimeSecond(timerId)
            if (h > DatabaseValue.KLX_Error && m > DatabaseValue.KLX_Error && s > DatabaseValue.KLX_Error)
                currentValue = (Database.KLX_DataBaseManagerTimerGet_ActualIsNegative(timerId) !== 0 ? "-" : "")
                        + twoDigits(h) + ":" + twoDigits(m) + ":" + twoDigits(s)
        }
    }

    // ---- editing ----
    function editName() {
        keyboard.edit(timerName, function(text) {
            return screen.timerTypeNew
                    ? Database.KLX_DataBaseManagerCmplxTimerGetSet_Name(screen.timerId, text, screen.set(), true)
                    : Database.KLX_DataBaseManagerTimerGetSet_Name(screen.timerId, text, screen.set(), true)
        })
    }
    function selectField(field) {
        selectedField = field
        flyin.extended = true
    }
    function stepField(delta) {
        if (selectedField < 0)
            return
        var name = accessor(timeFields[selectedField])
        var current = Database[name](timerId, 0, get())
        if (current <= DatabaseValue.KLX_Error) {
            errorHandler.processError(current)
            return
        }
        var result = Database[name](timerId, current + delta, set())
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return
        }
        var list = times.slice()
        list[selectedField] = twoDigits(result)
        times = list
    }
    function toggleAutoReset() {
        var result = Database[accessor("LastValueKeep")](timerId, keepLast ? 0 : 1, set())
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return
        }
        keepLast = result
    }
    function openControl(i) {
        if (rootwindow.smartKeyLock)
            return
        var role = roles[i]
        var e = controls[i]
        var option = timerTypeNew ? role.optionNew : role.option
        if (!switchUsed(e.vs)) {
            rootwindow.openScreen(editorUrl, { sourceOptionNumber: option, switchId: switchCount, timerId: timerId,
                                      control: 0, percentageHystUpper: 1, percentageHystLower: -1 })
            return
        }
        rootwindow.openScreen(editorUrl, { sourceOptionNumber: option, switchId: e.vs, timerId: timerId,
                                  control: e.control, percentageHystUpper: e.upper, percentageHystLower: e.lower })
    }
    function offerDelete(i) {
        var s = controls[i].vs
        if (rootwindow.smartKeyLock || s < 0 || s >= switchCount)
            return
        deleteRole = i
        options.open([{ name: "delete",
                        label: qsTr("Delete") + Language.emptyString + " " + Database.KLX_DataBaseManagerSwitchGetSet_Name(s, "", get()) }], i)
    }
    function askDelete(i) {
        options.close()
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete this timer control?") + Language.emptyString,
                             "OkAbort", function() { screen.deleteSwitch(i) })
    }
    function deleteSwitch(i) {
        pendingAction = roles[i].action + (timerTypeNew ? 10 : 0)
        if (!task.remove(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch, controls[i].vs, GuiCmdData.KLX_TASK_PARA_DELETE, i))
            pendingAction = 0
    }
    // The switch is gone: the timer lets go of it.
    function switchDeleted() {
        var action = pendingAction
        pendingAction = 0
        var role = roles[(action % 10) - 1]
        var result = action > 10 ? Database[role.complex](timerId, GuiCmdData.CONTROLID_Invalid_GUI, set())
                                 : Database[role.simple](timerId, switchCount, set())
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        readAll()
    }
    ElementTask {
        id: task
        kind: GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch
        onDone: screen.switchDeleted()
        onFailed: screen.pendingAction = 0
    }

    Timer {
        interval: 100
        repeat: true
        running: !rootwindow.shutdown
        onTriggered: screen.poll()
    }

    // ---- the screen ----
    component StatusMark: Rectangle {
        y: (rootwindow.buttonHeight - height) / 2
        width: 18
        height: 18
        radius: 9
        border.width: 1
        border.color: rootwindow.textColour
    }
    component TimeFields: Row {
        property int first: 0
        spacing: 2
        Repeater {
            model: 3
            Row {
                spacing: 2
                Text {
                    visible: index > 0
                    height: rootwindow.buttonHeight
                    verticalAlignment: Text.AlignVCenter
                    text: ":"
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 16
                }
                GeneralPurposeButton {
                    objectName: "time_" + (first + index)
                    width: 38
                    gp_text: screen.times[first + index]
                    state: screen.selectedField === first + index && flyin.extended ? "active" : ""
                    onClicked: screen.selectField(first + index)
                }
            }
        }
    }

    Column {
        x: 6
        y: 4
        spacing: 6
        Row {
            spacing: 4
            GeneralPurposeLabel { width: 96; fontSize: 14; text: qsTr("Timer name") + Language.emptyString }
            GeneralPurposeButton {
                objectName: "timerName"
                width: 138
                gp_text: screen.timerName === "" ? screen.emptyLabel : screen.timerName
                onClicked: screen.editName()
            }
        }
        Row {
            spacing: 4
            GeneralPurposeLabel { width: 96; fontSize: 14; text: qsTr("Current value") + Language.emptyString }
            GeneralPurposeLabel {
                objectName: "currentValue"
                width: 138
                horizontalAlignment: Text.AlignHCenter
                bold: true
                text: screen.currentValue
            }
        }
        Row {
            spacing: 4
            GeneralPurposeLabel { width: 96; fontSize: 14; text: qsTr("Start time") + Language.emptyString }
            TimeFields { first: 0 }
        }
        Row {
            spacing: 4
            GeneralPurposeLabel { width: 96; fontSize: 14; text: qsTr("Stop time") + Language.emptyString }
            TimeFields { first: 3 }
        }
        Row {
            spacing: 4
            GeneralPurposeLabel { width: 96; fontSize: 14; text: qsTr("Auto reset") + Language.emptyString }
            GeneralPurposeButton {
                objectName: "autoReset"
                width: 138
                gp_text: (screen.keepLast ? qsTr("Off") : qsTr("On")) + Language.emptyString
                onClicked: screen.toggleAutoReset()
            }
        }
    }

    Column {
        x: 254
        y: 4
        spacing: 6
        ListHeading {
            x: 0
            titles: [qsTr("Control") + Language.emptyString, qsTr("Status") + Language.emptyString]
            widths: [166, 50]
        }
        Repeater {
            model: screen.roles.length
            Row {
                spacing: 4
                readonly property var entry: screen.controls[index]
                GeneralPurposeLabel {
                    width: 48
                    fontSize: 13
                    text: [qsTr("Start"), qsTr("Stop"), qsTr("Reset")][index] + Language.emptyString
                }
                GeneralPurposeButton {
                    objectName: "control_" + screen.roles[index].name
                    width: 114
                    fontSize: 13
                    gp_text: parent.entry.text
                    onClicked: screen.openControl(index)
                    onLongclicked: screen.offerDelete(index)
                }
                // The switch's state: on mark, off mark.
                StatusMark {
                    objectName: "status_" + screen.roles[index].name + "_on"
                    color: parent.entry.on ? "#2fb84a" : "transparent"
                }
                StatusMark {
                    objectName: "status_" + screen.roles[index].name + "_off"
                    color: parent.entry.off ? "#d83a2f" : "transparent"
                }
            }
        }
        GeneralPurposeButton {
            objectName: "audioSettings"
            width: 216
            visible: screen.timerTypeNew
            gp_text: qsTr("Audio settings") + Language.emptyString
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/TimerAudioSettings.qml", { tmrId: screen.timerId })
        }
    }

    OptionsBar {
        id: options
        objectName: "deleteBar"
        onChosen: if (name === "delete") screen.askDelete(datum)
        onVisibleChanged: if (!visible) screen.deleteRole = -1
    }
    FlyinIncDec {
        id: flyin
        objectName: "flyin"
        onStep: screen.stepField(delta)
        onOkClicked: screen.selectedField = -1
    }
    NameKeyboard {
        id: keyboard
        objectName: "keyboard"
        maxLen: 16
        onWritten: screen.timerName = stored
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(timerId)
        systemHistory.addArg(timerTypeNew)
        systemHistory.addEndOfArgs()
        readAll()
    }
}
