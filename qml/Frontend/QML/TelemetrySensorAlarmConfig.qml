import QtQuick 2.15
import DBValues 1.0

// The alarms of one value on a value widget: for a number its four limits,
// each with its alert kind and (for the kinds that speak) its spoken text;
// for a status value the kind of the status alarm; for both the signalling.
// Limits never set are filled from the current reading on opening.
Item {
    id: screen
    objectName: "sensorAlarmConfig"
    property int pageId: 0
    property int elementId: 0
    property int sensorId: 0
    property int slaveId: 0

    property int address: -1
    property int index: -1
    property int decimals: 0
    property string unit: ""
    property bool statusValue: false
    property string header: ""
    property var limits: []
    property int statusKind: 0
    property int signalType: 0

    // The four limits: field names, label, voice kind, default text's word,
    // factor above (a positive reading) and the default's offset.
    readonly property var fields: [
        { name: "RedAlertBelow", label: qsTr("Red below"), voice: DatabaseValue.VOICE_ALARM, word: qsTr("Alarm"), factor: -0.25 },
        { name: "YellowAlertBelow", label: qsTr("Yellow below"), voice: DatabaseValue.VOICE_WARNING, word: qsTr("Warning"), factor: -0.15 },
        { name: "YellowAlertAbove", label: qsTr("Yellow above"), voice: DatabaseValue.VOICE_WARNING, word: qsTr("Warning"), factor: 0.15 },
        { name: "RedAlertAbove", label: qsTr("Red above"), voice: DatabaseValue.VOICE_ALARM, word: qsTr("Alarm"), factor: 0.25 }
    ]
    readonly property int none: DatabaseValue.KLX_WIDGET_ALARM_TYP_NONE
    readonly property int beep: DatabaseValue.KLX_WIDGET_ALARM_TYP_SOUND
    readonly property int vib: DatabaseValue.KLX_WIDGET_ALARM_TYP_VIB
    readonly property int speech: DatabaseValue.KLX_WIDGET_ALARM_TYP_VOICE
    readonly property var kinds: [
        { value: none, label: qsTr("No Alarm") }, { value: beep, label: qsTr("Beep") },
        { value: beep | vib, label: qsTr("Beep + Vib.") }, { value: vib, label: qsTr("Vibration") },
        { value: speech, label: qsTr("Speech only") }, { value: speech | beep, label: qsTr("Speech + Beep") },
        { value: speech | vib, label: qsTr("Speech + Vib.") }, { value: speech | beep | vib, label: qsTr("Spch+Beep+Vib.") }
    ]
    readonly property var signals: [qsTr("None"), qsTr("One shot"), qsTr("Repetitive")]

    function get() { return DatabaseValue.AtomicDirGet }
    function set() { return DatabaseValue.AtomicDirSet }
    function slotCall(name, value, dir) {
        return Database["KLX_DataBaseManagerGUITelemetrieGetSet_Slave_" + name](pageId, elementId, sensorId, slaveId, value, dir)
    }
    function fail(result) {
        if (typeof result === "number" && result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return true
        }
        return false
    }
    function kindLabel(k) {
        for (var i = 0; i < kinds.length; ++i)
            if (kinds[i].value === k)
                return kinds[i].label + Language.emptyString
        return String(k)
    }
    function display(raw) {
        return (raw / Math.pow(10, decimals)).toFixed(decimals) + (unit !== "" ? " " + unit : "")
    }
    function defaultText(f) {
        return fields[f].word + Language.emptyString + " " + Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(address)
                + " " + Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(address, index)
    }
    // A limit from the reading r: 25 % and 15 % away from it, on the side
    // that stays below or above also for readings of 0 and less.
    function defaultLimit(f, r) {
        var factor = fields[f].factor
        var x = r * (1 + (r > 0 ? factor : -factor))
        if (x > 32767) x = 32000
        if (x < -32768) x = -32000
        if (r === 0 && x === 0)
            x = [0, 100, 200, 300][f]
        var scale = Math.pow(10, decimals)
        var shown = (Math.round(x / scale * 10) / 10).toFixed(decimals)
        return Math.round(Number(shown) * scale)
    }
    function readLimit(f, r) {
        var l = { raw: 0, kind: 0, text: "", shownText: "" }
        l.kind = slotCall(fields[f].name + "Type", 0, get())
        l.text = Database["KLX_DataBaseManagerGUITelemetrieGetSet_Slave_" + fields[f].name + "Text"](pageId, elementId, sensorId, slaveId, "", get())
        l.shownText = l.text === "" ? defaultText(f) : l.text
        l.raw = slotCall(fields[f].name, 0, get())
        if (l.raw === -32768 || l.raw === 32767) {
            var written = slotCall(fields[f].name, defaultLimit(f, r), set())
            if (!fail(written))
                l.raw = written
        }
        return l
    }
    function readAll() {
        var d = Database.KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(address, index)
        decimals = d >= 0 && d < DatabaseValue.DECIMALSEPARATOR_silent ? d : 0
        unit = Database.KLX_DataBaseManagerTelemetrieGetSlaveUnit(address, index)
        statusValue = Database.KLX_DataBaseManagerTelemetrieGetSlaveStatus(address, index) !== ""
        signalType = slotCall("AlertSignalType", 0, get())
        if (statusValue) {
            statusKind = slotCall("AlertType", 0, get())
            return
        }
        var r = Database.KLX_DataBaseManagerTelemetrieGetSlaveValue(address, index)
        var list = []
        for (var f = 0; f < fields.length; ++f)
            list.push(readLimit(f, r))
        limits = list
    }
    function change(f, key, value) {
        var list = limits.slice()
        list[f] = Object.assign({}, list[f])
        list[f][key] = value
        limits = list
    }
    function refreshHeader() {
        var now = statusValue ? Database.KLX_DataBaseManagerTelemetrieGetSlaveStatus(address, index)
                              : display(Database.KLX_DataBaseManagerTelemetrieGetSlaveValue(address, index))
        header = Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(address) + "  "
                + Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(address, index) + "  " + now
    }

    // ---- editing ----
    property int kindFor: -1    // the limit whose kind is chosen, 4 the status alarm
    function chooseKind(f) {
        kindFor = f
        var current = f === 4 ? statusKind : limits[f].kind
        kindChooser.show([{ heading: "", limit: 1, entries: kinds.map(function(k) {
            return { label: k.label + Language.emptyString, value: k.value, selected: k.value === current, enabled: true } }) }])
    }
    function kindChosen(k) {
        if (kindFor === 4) {
            var status = slotCall("AlertType", k, set())
            if (!fail(status))
                statusKind = status
            return
        }
        var stored = slotCall(fields[kindFor].name + "Type", k, set())
        if (!fail(stored))
            change(kindFor, "kind", stored)
    }
    function limitEntered(name, value) {
        var f = Number(name)
        var stored = slotCall(fields[f].name, value, set())
        if (!fail(stored))
            change(f, "raw", stored)
    }
    property int textFor: -1
    function editText(f) {
        textFor = f
        keyboard.preLoadText = limits[f].text
        keyboard.extended = true
        rootwindow.kbd_sender = keyboard
    }
    function textEntered(text) {
        var f = textFor
        var stored = Database["KLX_DataBaseManagerGUITelemetrieGetSet_Slave_" + fields[f].name + "Text"](pageId, elementId, sensorId, slaveId, text, set())
        change(f, "text", stored)
        change(f, "shownText", stored === "" ? defaultText(f) : stored)
    }
    function say(text, kind) { Database.VoiceAlarm_SayText(text, kind) }
    function openVoices() { rootwindow.openScreen("qrc:/Frontend/QML/TeleWidgetsVoiceSettings.qml") }
    function stepSignal() {
        var next = signalType >= DatabaseValue.KLX_WIDGET_ALARM_SIGNAL_TYP_PERMANENT || signalType < 0 ? DatabaseValue.KLX_WIDGET_ALARM_SIGNAL_TYP_NONE : signalType + 1
        var stored = slotCall("AlertSignalType", next, set())
        if (!fail(stored))
            signalType = stored
    }

    Timer {
        interval: 100
        repeat: true
        running: !rootwindow.shutdown && screen.address >= 0
        triggeredOnStart: true
        onTriggered: screen.refreshHeader()
    }
    Text {
        objectName: "alarmHeader"
        x: 5
        y: 3
        width: parent.width - 10
        elide: Text.ElideRight
        color: rootwindow.textColour
        font.pixelSize: 15
        font.bold: true
        text: screen.header
    }
    Column {
        x: 5
        y: 28
        spacing: 4
        visible: !screen.statusValue
        Repeater {
            model: screen.limits.length
            Row {
                spacing: 4
                readonly property var limit: screen.limits[index]
                readonly property bool speaks: (limit.kind & DatabaseValue.KLX_WIDGET_ALARM_TYP_VOICE) !== 0
                Text {
                    width: 88; height: 30; verticalAlignment: Text.AlignVCenter
                    color: rootwindow.textColour; font.pixelSize: 13
                    text: screen.fields[index].label + Language.emptyString
                }
                GeneralPurposeButton {
                    objectName: "alarmLimit_" + index
                    width: 95; fontSize: 13
                    gp_text: screen.display(limit.raw)
                    onClicked: pads.open(String(index), limit.raw, screen.decimals, 6)
                }
                GeneralPurposeButton {
                    objectName: "alarmKind_" + index
                    width: 115; fontSize: 13
                    gp_text: screen.kindLabel(limit.kind)
                    onClicked: screen.chooseKind(index)
                }
                GeneralPurposeButton {
                    objectName: "alarmText_" + index
                    width: 110; fontSize: 12
                    // The words with the sensor's and value's names: two lines, not cut.
                    fitText: true
                    visible: speaks
                    gp_text: limit.shownText
                    onClicked: screen.editText(index)
                }
                GeneralPurposeButton {
                    objectName: "alarmPlay_" + index
                    width: 34
                    visible: speaks
                    gp_text: "\u25B6"
                    onClicked: screen.say(limit.shownText, screen.fields[index].voice)
                    onLongclicked: screen.openVoices()
                }
            }
        }
    }
    Row {
        x: 5
        y: 28
        spacing: 4
        visible: screen.statusValue
        Text {
            width: 110; height: 30; verticalAlignment: Text.AlignVCenter
            color: rootwindow.textColour; font.pixelSize: 13
            text: qsTr("Status alarm") + Language.emptyString
        }
        GeneralPurposeButton {
            objectName: "alarmStatusKind"
            width: 130; fontSize: 13
            gp_text: screen.kindLabel(screen.statusKind)
            onClicked: screen.chooseKind(4)
        }
        GeneralPurposeButton {
            objectName: "alarmStatusPlay"
            width: 34
            gp_text: "\u25B6"
            onClicked: screen.say(Database.KLX_DataBaseManagerTelemetrieGetSlaveStatus(screen.address, screen.index), DatabaseValue.VOICE_STATUSALARM)
            onLongclicked: screen.openVoices()
        }
    }
    Row {
        x: 5
        y: 168
        spacing: 4
        Text {
            width: 88; height: 30; verticalAlignment: Text.AlignVCenter
            color: rootwindow.textColour; font.pixelSize: 13
            text: qsTr("Signalling") + Language.emptyString
        }
        GeneralPurposeButton {
            objectName: "alarmSignal"
            width: 120; fontSize: 13
            gp_text: screen.signalType >= 0 && screen.signalType < 3 ? screen.signals[screen.signalType] + Language.emptyString : String(screen.signalType)
            onClicked: screen.stepSignal()
        }
    }
    GeneralPurposeButton {
        objectName: "alarmOk"
        x: parent.width - width - 8
        y: parent.height - 35
        width: 100
        gp_text: qsTr("OK") + Language.emptyString
        onClicked: systemHistory.goBack()
    }
    ItemChooser {
        id: kindChooser
        objectName: "alarmKindChooser"
        title: qsTr("Alert kind") + Language.emptyString
        single: true
        onAccepted: screen.kindChosen(selected[0][0])
    }
    TelePadHost {
        id: pads
        onEntered: screen.limitEntered(field, value)
    }
    Keyboard {
        id: keyboard
        objectName: "alarmKeyboard"
        maxLen: 40
        onOkClicked: {
            keyboard.extended = false
            screen.textEntered(keyboard.preLoadText)
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(pageId)
        systemHistory.addArg(elementId)
        systemHistory.addArg(sensorId)
        systemHistory.addArg(slaveId)
        systemHistory.addEndOfArgs()
        address = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(pageId, elementId, sensorId, 0, get())
        index = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(pageId, elementId, sensorId, slaveId, 0, get())
        readAll()
    }
}
