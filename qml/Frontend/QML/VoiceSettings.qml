import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The model's voice alarms. Without itemNum (or with -1) the list: every
// alarm in use with what it speaks, its activator and a play button; "+"
// adds one. With itemNum the settings of that alarm: what it speaks (a
// text, a telemetry value, a timer, the flight mode), the activator (through
// the control selector), the repeat by value and by time, and the voice.
// "Voices" lists the installed voices: voice packs are installed and
// deleted there.
Item {
    id: screen
    objectName: "voiceSettings"

    // Arguments.
    property int itemNum: -1

    readonly property bool single: itemNum >= 0
    readonly property int count: Database.KLX_DataBaseManagerVAlarmGetCount()
    readonly property int typeMask: 63
    readonly property int freeMode: DatabaseValue.VALARM_ModeSettings
    readonly property int perKind: Database.KLX_DataBaseManagerGetMaxTimer(true)
    // The store keeps 16 bits; the screen offers what makes sense to hear.
    readonly property int maxTimeStep: 3600
    readonly property int maxValueStep: 30000
    readonly property string chooserUrl: "qrc:/Frontend/QML/TelemetryWidgetValueSensorSlaveChooser.qml"

    property var rows: []            // the list: [{ index, kind, source, activator, live }]
    // The alarm shown on its own.
    property int type: 0
    property int mode: 0
    property int activator: 0
    property int timeStep: 0
    property int valueStep: 0
    property int valueDecPoint: 0
    property string editing: ""      // "time", "value" while the fly-in is out
    property string sourceShown: ""
    property string activatorShown: ""
    property string voiceShown: ""

    function set() { return DatabaseValue.AtomicDirSet }
    function get() { return DatabaseValue.AtomicDirGet }
    function failed(result) {
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return true
        }
        return false
    }

    // ---- what an alarm is ----
    readonly property var typeLabels: [qsTr("Text"), qsTr("Telemetry"), qsTr("Telemetry full"), qsTr("Timer"),
                                       qsTr("Flight mode"), qsTr("Timer short"), qsTr("Telemetry no units"), "",
                                       qsTr("Individual")]
    readonly property var offered: [DatabaseValue.VALARM_PlainText, DatabaseValue.VALARM_TelemetryValueShort,
                                    DatabaseValue.VALARM_TelemetryValueFull, DatabaseValue.VALARM_TeleShortNoUnits,
                                    DatabaseValue.VALARM_Individual, DatabaseValue.VALARM_Timer,
                                    DatabaseValue.VALARM_TimerShort, DatabaseValue.VALARM_Flightmode]
    function typeLabel(t) { return t < typeLabels.length && typeLabels[t] !== "" ? typeLabels[t] + Language.emptyString : "---" }
    function isTelemetry(t) {
        return t === DatabaseValue.VALARM_TelemetryValueShort || t === DatabaseValue.VALARM_TelemetryValueFull
                || t === DatabaseValue.VALARM_TeleShortNoUnits || t === DatabaseValue.VALARM_Individual
    }
    function isTimer(t) { return t === DatabaseValue.VALARM_Timer || t === DatabaseValue.VALARM_TimerShort }
    function typeOf(i) { return Database.KLX_DataBaseManagerVAlarmGetSetType(i, 0, get()) }
    function timerName(i) {
        var t = Database.KLX_DataBaseManagerVAlarmGetSetTimer(i, 0, get()) & 63
        if (t >= 2 * perKind)
            return "---"
        var name = t < perKind ? Database.KLX_DataBaseManagerTimerGetSet_Name(t, "", get())
                               : Database.KLX_DataBaseManagerCmplxTimerGetSet_Name(t - perKind, "", get())
        return name !== "" ? name : "---"
    }
    function sensorText(i, withValue) {
        var main = Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(i, 0, get())
        var slave = Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(i, 0, get())
        if (Database.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(main) !== DatabaseValue.KLX_True)
            return "---"
        var text = Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(main)
        return withValue ? text + " : " + Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(main, slave) : text
    }
    // What the alarm speaks, as its list row and its settings name it.
    function sourceText(i) {
        var t = typeOf(i) & typeMask
        if (t === DatabaseValue.VALARM_PlainText) {
            var text = Database.KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(i, "", get())
            return text !== "" ? text : "---"
        }
        if (isTelemetry(t))
            return sensorText(i, true)
        if (isTimer(t))
            return timerName(i)
        return "---"
    }
    function activatorText(i) {
        var typeByte = typeOf(i)
        var m = typeByte & DatabaseValue.VALARM_ModeSettings
        if (m === DatabaseValue.VALARM_ModeAlwaysOn)
            return qsTr("On") + Language.emptyString
        if (m !== DatabaseValue.VALARM_ModeControlled)
            return qsTr("Off") + Language.emptyString
        var c = Database.KLX_DataBaseManagerVAlarmGetSetActivator(i, 0, get())
        if (c >= GuiCmdData.CONTROLID_Virtual_00_GUI && c <= GuiCmdData.CONTROLID_Virtual_Last_GUI) {
            var s = c - GuiCmdData.CONTROLID_Virtual_00_GUI
            // A hidden switch stands for the control behind it.
            if (Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(s, 0, get(), false) === DatabaseValue.KLX_False)
                return Database.KLX_DataBaseManagerGetNameOfControlByID(
                            Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, get(), false))
            return Database.KLX_DataBaseManagerSwitchGetSet_Name(s, "", get())
        }
        return Database.KLX_DataBaseManagerGetNameOfControlByID(c)
    }
    // The spoken preview: the text, the timer's name, the flight mode, or
    // the sensor and value names the alarm says before the value.
    function previewText(i) {
        var t = typeOf(i) & typeMask
        if (t === DatabaseValue.VALARM_PlainText)
            return Database.KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(i, "", get())
        if (isTimer(t))
            return timerName(i)
        if (t === DatabaseValue.VALARM_Flightmode)
            return Database.KLX_DataBaseManagerFlightmodeGetSet_Name(rootwindow.currentFlightMode(), "", get())
        if (!isTelemetry(t))
            return ""
        var main = Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(i, 0, get())
        var slave = Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(i, 0, get())
        if (t !== DatabaseValue.VALARM_Individual)
            return Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(main) + " "
                    + Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(main, slave)
        var bits = Database.KLX_DataBaseManagerVAlarmGetSetIndividualBit(i, 0, get())
        var parts = []
        if (bits & DatabaseValue.VALARM_IndividualMainBit)
            parts.push(Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(main))
        if (bits & DatabaseValue.VALARM_IndividualSlaveBit)
            parts.push(Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(main, slave))
        if (bits & DatabaseValue.VALARM_IndividualUnitBit)
            parts.push(Database.KLX_DataBaseManagerTelemetrieGetSlaveUnit(main, slave))
        return parts.join(" ")
    }
    function play(i) {
        var text = previewText(i)
        if (text !== "")
            Database.VoiceAlarm_SayText(text, i)
    }

    // ---- the list ----
    function readList() {
        var list = []
        for (var i = 0; i < count; ++i) {
            var typeByte = typeOf(i)
            if ((typeByte & freeMode) === freeMode)
                continue
            list.push({ index: i, kind: typeLabel(typeByte & typeMask), source: sourceText(i), activator: activatorText(i) })
        }
        rows = list
    }
    // A new alarm speaks a telemetry value, off until it gets an activator,
    // in the system language's first voice.
    function add() {
        var i = Database.KLX_DataBaseManagerVAlarmGetNextFree()
        if (i < 0 || i >= count) {
            rootwindow.popupShow(null, "attention", qsTr("No more voice alarms available") + Language.emptyString, "Ok")
            return
        }
        if (failed(Database.KLX_DataBaseManagerVAlarmGetSetType(i, DatabaseValue.VALARM_TelemetryValueShort, set())))
            return
        var language = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language("", get())
        var voice = Database.KLX_DataBaseManagerFindFirstVoiceInList(language)
        if (voice >= 0)
            Database.KLX_DataBaseManagerVAlarmGetSetVoiceParams(i, voice, set())
        rootwindow.openScreen("qrc:/Frontend/QML/VoiceSettings.qml", { itemNum: i })
    }

    // ---- one alarm ----
    function readOne() {
        var typeByte = typeOf(itemNum)
        type = typeByte & typeMask
        mode = typeByte & DatabaseValue.VALARM_ModeSettings
        activator = Database.KLX_DataBaseManagerVAlarmGetSetActivator(itemNum, 0, get())
        timeStep = Database.KLX_DataBaseManagerVAlarmGetSetTimeStep(itemNum, 0, get())
        valueStep = Database.KLX_DataBaseManagerVAlarmGetSetValueStep(itemNum, 0, 0, get())
        valueDecPoint = Database.KLX_DataBaseManagerVAlarmGetValueStepDecPoint(itemNum)
        sourceShown = sourceText(itemNum)
        activatorShown = activatorText(itemNum)
        voiceShown = voiceText()
    }
    function chooseType() {
        var entries = []
        for (var k = 0; k < offered.length; ++k)
            entries.push({ label: typeLabel(offered[k]), value: offered[k], selected: offered[k] === type })
        typeChooser.show([{ heading: "", entries: entries, limit: 1 }])
    }
    function setType(t) {
        if (failed(Database.KLX_DataBaseManagerVAlarmGetSetType(itemNum, mode | t, set())))
            return
        readOne()
    }
    function openSource() {
        if (type === DatabaseValue.VALARM_PlainText) {
            keyboard.preLoadText = Database.KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(itemNum, "", get())
            keyboard.extended = true
            rootwindow.kbd_sender = keyboard
        } else if (type === DatabaseValue.VALARM_Individual) {
            rootwindow.openScreen("qrc:/Frontend/QML/VoiceTelemetryIndividual.qml", { itemNum: itemNum })
        } else if (isTelemetry(type)) {
            // The chooser's voice-alarm mode (its default): the alarm as its element.
            rootwindow.openScreen(chooserUrl, { pageId: -1, elementId: itemNum, sensorId: -1, slaveId: -1 })
        } else if (isTimer(type)) {
            rootwindow.openScreen("qrc:/Frontend/QML/VoiceTimerSelector.qml", { itemNumTimer: itemNum })
        }
    }
    function writeMessage(text) {
        Database.KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(itemNum, text, set())
        readOne()
    }
    function openActivator() {
        var c = activator
        var hidden = -1
        if (c >= GuiCmdData.CONTROLID_Virtual_00_GUI && c <= GuiCmdData.CONTROLID_Virtual_Last_GUI
                && Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(c - GuiCmdData.CONTROLID_Virtual_00_GUI, 0, get(), false)
                   === DatabaseValue.KLX_False)
            hidden = c - GuiCmdData.CONTROLID_Virtual_00_GUI
        // The mode decides what the activator is: always on, off, or the control.
        var shown = mode === DatabaseValue.VALARM_ModeAlwaysOn ? GuiCmdData.CONTROLID_FIXSWITCH_ON_GUI
                  : mode === DatabaseValue.VALARM_ModeControlled ? c : GuiCmdData.CONTROLID_FIXSWITCH_OFF_GUI
        rootwindow.openScreen("qrc:/Frontend/QML/36_ControlSelector.qml",
                              { parentId: "voiceActControl", funcId: hidden, funcId2: itemNum, initialControlId: shown })
    }
    function openVoice() {
        rootwindow.openScreen("qrc:/Frontend/QML/VoiceSelector.qml",
                              { language: Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language("", get()),
                                keepingmsg: previewText(itemNum), itemNum: itemNum })
    }
    function voiceText() {
        var parts = Database.KLX_DataBaseManagerVAlarmGetVoiceTextParams(itemNum).split("\t")
        return parts.length > 1 && parts[0] !== "" && parts[1] !== "" ? parts[0] + " : " + parts[1]
                                                                      : qsTr("Press to set voice") + Language.emptyString
    }
    function divider() { return [1, 10, 100, 1000, 10000][valueDecPoint] || 1 }
    function valueStepText() {
        if (valueStep <= 0)
            return qsTr("Off") + Language.emptyString
        return (valueStep / divider()).toFixed(valueDecPoint > 4 ? 0 : valueDecPoint)
    }
    function timeStepText() { return timeStep <= 0 ? qsTr("Off") + Language.emptyString : timeStep + " s" }
    function edit(what) {
        editing = what
        flyin.extended = true
    }
    // The value step counts in the sensor value's own decimals.
    function step(delta) {
        if (editing === "time") {
            var t = Math.max(0, Math.min(maxTimeStep, timeStep + delta))
            if (!failed(Database.KLX_DataBaseManagerVAlarmGetSetTimeStep(itemNum, t, set())))
                readOne()
        } else if (editing === "value") {
            var main = Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(itemNum, 0, get())
            var slave = Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(itemNum, 0, get())
            var dp = Database.KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(main, slave)
            if (dp < 0 || dp > 4)
                dp = 0
            var base = dp === valueDecPoint ? valueStep : 0
            var v = Math.max(0, Math.min(maxValueStep, base + delta))
            if (!failed(Database.KLX_DataBaseManagerVAlarmGetSetValueStep(itemNum, v, dp, set())))
                readOne()
        }
    }
    // A hidden activator switch goes with the alarm.
    function remove() {
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete this voice alarm?") + Language.emptyString,
                             "OkAbort", function() {
            var c = Database.KLX_DataBaseManagerVAlarmGetSetActivator(screen.itemNum, 0, screen.get())
            var s = c - GuiCmdData.CONTROLID_Virtual_00_GUI
            if (c >= GuiCmdData.CONTROLID_Virtual_00_GUI && c <= GuiCmdData.CONTROLID_Virtual_Last_GUI
                    && Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(s, 0, screen.get(), false) === DatabaseValue.KLX_True
                    && Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(s, 0, screen.get(), false) === DatabaseValue.KLX_False) {
                switchTask.remove(s)
                return
            }
            screen.cleared()
        })
    }
    function cleared() {
        Database.KLX_DataBaseManagerVAlarmClear(itemNum)
        toList()
    }
    function toList() { rootwindow.openScreen("qrc:/Frontend/QML/VoiceSettings.qml", { itemNum: -1 }) }

    VirtualSwitchTask {
        id: switchTask
        onDeleted: screen.cleared()
    }

    // ---- the list ----
    ScreenHeading {
        objectName: "voiceSettingsHeading"
        y: 2
        width: parent.width - (screen.single ? 60 : 160)
        text: screen.single ? qsTr("Voice alarm") + Language.emptyString + " " + (screen.itemNum + 1)
                            : qsTr("Voice Settings") + Language.emptyString
    }
    GeneralPurposeButton {
        objectName: "installedVoices"
        x: parent.width - width - 56
        y: 2
        width: 92
        height: 28
        fontSize: 14
        visible: !screen.single
        gp_text: qsTr("Voices") + Language.emptyString
        onClicked: rootwindow.openScreen("qrc:/Frontend/QML/VoiceSelector.qml", { language: "all", manage: true, itemNum: -1 })
    }
    GeneralPurposeButton {
        objectName: "voiceAlarmAdd"
        x: parent.width - width - 8
        y: 2
        width: 40
        height: 28
        visible: !screen.single
        gp_text: "+"
        onClicked: screen.add()
    }
    Item {
        anchors.fill: parent
        visible: !screen.single
        ListHeading {
            y: 32
            titles: [qsTr("Type") + Language.emptyString, qsTr("Source") + Language.emptyString,
                     qsTr("Activator") + Language.emptyString, ""]
            widths: [114, 204, 100, 46]
        }
        ListView {
            id: alarmList
            objectName: "voiceAlarmList"
            x: 5
            y: 56
            width: parent.width - 10
            height: parent.height - y - 4
            clip: true
            spacing: 4
            boundsBehavior: Flickable.StopAtBounds
            // Rows made only as they come into view: none left half made in the
            // background when the screen closes.
            cacheBuffer: 0
            model: screen.rows
            delegate: Row {
                spacing: 4
                GeneralPurposeButton {
                    objectName: "voiceAlarm_" + modelData.index
                    width: 110
                    gp_text: modelData.kind
                    onClicked: rootwindow.openScreen("qrc:/Frontend/QML/VoiceSettings.qml", { itemNum: modelData.index })
                }
                GeneralPurposeButton {
                    objectName: "voiceAlarmSource_" + modelData.index
                    width: 200
                    gp_text: modelData.source
                    onClicked: rootwindow.openScreen("qrc:/Frontend/QML/VoiceSettings.qml", { itemNum: modelData.index })
                }
                GeneralPurposeButton {
                    objectName: "voiceAlarmActivator_" + modelData.index
                    width: 96
                    gp_text: modelData.activator
                    onClicked: rootwindow.openScreen("qrc:/Frontend/QML/VoiceSettings.qml", { itemNum: modelData.index })
                }
                GeneralPurposeButton {
                    objectName: "voiceAlarmPlay_" + modelData.index
                    width: 42
                    gp_text: "\u25B6"
                    onClicked: screen.play(modelData.index)
                }
            }
            ScrollBar { flickable: alarmList }
        }
    }

    // ---- one alarm ----
    SettingsList {
        x: 5
        y: 32
        width: parent.width - 10
        height: 176
        labelWidth: 130
        visible: screen.single
        SettingRow {
            label: qsTr("Type") + Language.emptyString
            labelWidth: 130
            buttonName: "voiceType"
            valueWidth: 320
            value: screen.typeLabel(screen.type)
            onClicked: screen.chooseType()
        }
        LabelledRow {
            label: qsTr("Source") + Language.emptyString
            labelWidth: 130
            GeneralPurposeButton {
                objectName: "voiceSource"
                width: 320
                state: screen.type === DatabaseValue.VALARM_Flightmode ? "disabled" : ""
                gp_text: screen.sourceShown
                onClicked: screen.openSource()
            }
        }
        SettingRow {
            label: qsTr("Activator") + Language.emptyString
            labelWidth: 130
            buttonName: "voiceActivator"
            valueWidth: 320
            value: screen.activatorShown
            onClicked: screen.openActivator()
        }
        // Repeated when the value moved by a step, and after a time.
        LabelledRow {
            label: qsTr("Repeat") + Language.emptyString
            labelWidth: 130
            GeneralPurposeButton {
                objectName: "voiceValueStep"
                width: 157
                state: !screen.isTelemetry(screen.type) ? "disabled" : screen.editing === "value" ? "active" : ""
                gp_text: screen.isTelemetry(screen.type) ? "\u0394  " + screen.valueStepText() : "---"
                onClicked: screen.edit("value")
            }
            GeneralPurposeButton {
                objectName: "voiceTimeStep"
                width: 158
                state: screen.editing === "time" ? "active" : ""
                gp_text: "t  " + screen.timeStepText()
                onClicked: screen.edit("time")
            }
        }
        SettingRow {
            label: qsTr("Voice") + Language.emptyString
            labelWidth: 130
            buttonName: "voiceVoice"
            valueWidth: 320
            value: screen.voiceShown
            onClicked: screen.openVoice()
        }
    }
    Row {
        x: parent.width - width - 8
        y: 212
        spacing: 8
        visible: screen.single && !flyin.extended
        GeneralPurposeButton {
            objectName: "voicePlay"
            width: 60
            gp_text: "\u25B6"
            onClicked: screen.play(screen.itemNum)
        }
        GeneralPurposeButton {
            objectName: "voiceDelete"
            width: 100
            gp_text: qsTr("Delete") + Language.emptyString
            onClicked: screen.remove()
        }
        GeneralPurposeButton {
            objectName: "voiceOk"
            width: 100
            gp_text: qsTr("OK") + Language.emptyString
            onClicked: screen.toList()
        }
    }

    FlyinIncDec {
        id: flyin
        objectName: "flyin"
        onStep: screen.step(delta)
        onOkClicked: screen.editing = ""
    }
    ItemChooser {
        id: typeChooser
        objectName: "voiceTypeChooser"
        title: qsTr("Type") + Language.emptyString
        single: true
        onAccepted: screen.setType(selected[0][0])
    }
    Keyboard {
        id: keyboard
        objectName: "keyboard"
        maxLen: 64
        onOkClicked: {
            extended = false
            screen.writeMessage(preLoadText)
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(itemNum)
        systemHistory.addEndOfArgs()
        // Opened from its own list (or its alarm from the list) the screen
        // keeps the entry it had, whose arguments are closed already: the
        // entry must name what is shown now, so that coming back (from the
        // voices, say) shows this alarm and not the list.
        systemHistory.chgArg(0, itemNum)
        if (single)
            readOne()
        else
            readList()
    }
}
