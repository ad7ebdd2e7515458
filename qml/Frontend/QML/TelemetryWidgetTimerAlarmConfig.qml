import QtQuick 2.15
import DBValues 1.0

// The alarms of a simple timer on a timer widget: its start and stop time,
// the warning time before the end, and how the warning and the end are
// signalled. Times are typed as hhmmss.
Item {
    id: screen
    objectName: "timerAlarmConfig"
    property int timerId: 0
    property int pageId: 0
    property int elementId: 0
    property string timerName: ""

    property string currentTime: ""
    property var start: [0, 0, 0]
    property var stop: [0, 0, 0]
    property int warning: 0
    property int warningKind: 0
    property int endKind: 0
    readonly property var kinds: [
        { value: DatabaseValue.KLX_WIDGET_ALARM_TYP_NONE, label: qsTr("No Alarm") },
        { value: DatabaseValue.KLX_WIDGET_ALARM_TYP_SOUND, label: qsTr("Beep") },
        { value: DatabaseValue.KLX_WIDGET_ALARM_TYP_SOUND | DatabaseValue.KLX_WIDGET_ALARM_TYP_VIB, label: qsTr("Beep + Vib.") },
        { value: DatabaseValue.KLX_WIDGET_ALARM_TYP_VIB, label: qsTr("Vibration") }
    ]

    function get() { return DatabaseValue.AtomicDirGet }
    function set() { return DatabaseValue.AtomicDirSet }
    function slotCall(name, value, dir) {
        return Database["KLX_DataBaseManagerGUITelemetrieGetSet_Slave_" + name](pageId, elementId, 0, timerId, value, dir)
    }
    function slotText(name, text) {
        return Database["KLX_DataBaseManagerGUITelemetrieGetSet_Slave_" + name](pageId, elementId, 0, timerId, text, set())
    }
    function fail(result) {
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return true
        }
        return false
    }
    function twoDigits(v) { return (v < 10 ? "0" : "") + v }
    function timeText(t) { return twoDigits(t[0]) + ":" + twoDigits(t[1]) + ":" + twoDigits(t[2]) }
    function seconds(t) { return t[0] * 3600 + t[1] * 60 + t[2] }
    function split(total) { return [Math.floor(total / 3600), Math.floor(total % 3600 / 60), total % 60] }
    function hms(value) { return [Math.floor(value / 10000), Math.floor((value % 10000) / 100), value % 100] }
    function packed(t) { return t[0] * 10000 + t[1] * 100 + t[2] }
    function kindLabel(k) {
        for (var i = 0; i < kinds.length; ++i)
            if (kinds[i].value === k)
                return kinds[i].label + Language.emptyString
        return String(k)
    }
    function readTime(prefix) {
        var p = "KLX_DataBaseManagerTimerGetSet_" + prefix
        return [Database[p + "Hour"](timerId, 0, get()), Database[p + "Minute"](timerId, 0, get()), Database[p + "Second"](timerId, 0, get())]
    }
    function readAll() {
        start = readTime("StartTime")
        stop = readTime("StopTime")
        // A limit never set holds 32767: no warning time yet.
        var w = slotCall("YellowAlertAbove", 0, get())
        warning = w > 0 && w < 32767 ? w : 0
        warningKind = slotCall("YellowAlertAboveType", 0, get())
        endKind = slotCall("RedAlertAboveType", 0, get())
    }
    function readNow() {
        var h = Database.KLX_DataBaseManagerTimerGet_ActualTimeHour(timerId)
        var m = Database.KLX_DataBaseManagerTimerGet_ActualTimeMinute(timerId)
        var s = Database.KLX_DataBaseManagerTimerGet_ActualTimeSecond(timerId)
        if (h <= DatabaseValue.KLX_Error || m <= DatabaseValue.KLX_Error || s <= DatabaseValue.KLX_Error)
            return
        currentTime = (Database.KLX_DataBaseManagerTimerGet_ActualIsNegative(timerId) ? "-" : "") + timeText([h, m, s])
    }
    // Hours, minutes, seconds: each only after the one before was taken.
    function writeTime(prefix, t) {
        var p = "KLX_DataBaseManagerTimerGetSet_" + prefix
        var parts = ["Hour", "Minute", "Second"]
        for (var i = 0; i < 3; ++i)
            if (fail(Database[p + parts[i]](timerId, t[i], set())))
                break
        readAll()
    }
    // The warning comes T seconds before the end; red above is the end and
    // red below the ten seconds before it, on the side the timer comes from.
    function writeWarning(t) {
        if (fail(slotCall("YellowAlertAbove", t, set())))
            return
        slotCall("AlertSignalType", DatabaseValue.KLX_WIDGET_ALARM_SIGNAL_TYP_ONESHOT, set())
        var s = seconds(stop), s0 = seconds(start)
        slotCall("RedAlertAbove", s, set())
        slotCall("RedAlertBelow", s > s0 ? s - 10 : s < s0 ? s + 10 : s, set())
        readAll()
    }
    function entered(field, value) {
        var t = hms(value)
        if (field === "start")
            writeTime("StartTime", t)
        else if (field === "stop")
            writeTime("StopTime", t)
        else
            writeWarning(seconds(t))
    }
    property string kindFor: ""
    function chooseKind(which) {
        kindFor = which
        var current = which === "warning" ? warningKind : endKind
        kindChooser.show([{ heading: "", limit: 1, entries: kinds.map(function(k) {
            return { label: k.label + Language.emptyString, value: k.value, selected: k.value === current, enabled: true } }) }])
    }
    function kindChosen(k) {
        if (kindFor === "warning") {
            if (!fail(slotCall("YellowAlertAboveType", k, set())))
                slotText("YellowAlertAboveSound", "Timer_End.wav")
        } else {
            if (!fail(slotCall("RedAlertAboveType", k, set()))) {
                slotText("RedAlertAboveSound", "Timer_End.wav")
                slotText("RedAlertBelowSound", "Timer_10s_Countdown.wav")
            }
        }
        readAll()
    }

    Timer {
        interval: 1000
        repeat: true
        running: !rootwindow.shutdown
        triggeredOnStart: true
        onTriggered: screen.readNow()
    }
    Text {
        objectName: "timerAlarmTitle"
        x: 5; y: 3
        color: rootwindow.textColour; font.pixelSize: 15; font.bold: true
        text: screen.timerName + "   " + screen.currentTime
    }
    Grid {
        x: 5; y: 32
        columns: 2
        rowSpacing: 5
        columnSpacing: 8
        Repeater {
            model: [{ name: "start", label: qsTr("Start time"), value: screen.timeText(screen.start), pad: screen.packed(screen.start) },
                    { name: "stop", label: qsTr("Stop time"), value: screen.timeText(screen.stop), pad: screen.packed(screen.stop) },
                    { name: "warning", label: qsTr("Warning time"), value: screen.timeText(screen.split(screen.warning)),
                      pad: screen.packed(screen.split(screen.warning)) }]
            Item {
                width: 230; height: 30
                Text {
                    width: 110; height: 30; verticalAlignment: Text.AlignVCenter
                    color: rootwindow.textColour; font.pixelSize: 13
                    text: modelData.label + Language.emptyString
                }
                GeneralPurposeButton {
                    objectName: "timerAlarm_" + modelData.name
                    x: 112; width: 110; fontSize: 13
                    gp_text: modelData.value
                    onClicked: pads.open(modelData.name, modelData.pad, 0, 6)
                }
            }
        }
        Item {
            width: 230; height: 30
            Text {
                width: 110; height: 30; verticalAlignment: Text.AlignVCenter
                color: rootwindow.textColour; font.pixelSize: 13
                text: qsTr("Warning") + Language.emptyString
            }
            GeneralPurposeButton {
                objectName: "timerAlarm_warningKind"
                x: 112; width: 110; fontSize: 13
                gp_text: screen.kindLabel(screen.warningKind)
                onClicked: screen.chooseKind("warning")
            }
        }
        Item {
            width: 230; height: 30
            Text {
                width: 110; height: 30; verticalAlignment: Text.AlignVCenter
                color: rootwindow.textColour; font.pixelSize: 13
                text: qsTr("End alarm") + Language.emptyString
            }
            GeneralPurposeButton {
                objectName: "timerAlarm_endKind"
                x: 112; width: 110; fontSize: 13
                gp_text: screen.kindLabel(screen.endKind)
                onClicked: screen.chooseKind("end")
            }
        }
    }
    GeneralPurposeButton {
        objectName: "timerAlarmOk"
        x: parent.width - width - 8
        y: parent.height - 35
        width: 100
        gp_text: qsTr("OK") + Language.emptyString
        onClicked: systemHistory.goBack()
    }
    ItemChooser {
        id: kindChooser
        objectName: "timerAlarmKindChooser"
        title: qsTr("Alert kind") + Language.emptyString
        single: true
        onAccepted: screen.kindChosen(selected[0][0])
    }
    TelePadHost {
        id: pads
        timeFormat: true
        onEntered: screen.entered(field, value)
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(timerId)
        systemHistory.addArg(pageId)
        systemHistory.addArg(elementId)
        systemHistory.addArg(timerName)
        systemHistory.addEndOfArgs()
        readAll()
    }
}
