import QtQuick 2.15
import DBValues 1.0

// The timer a voice alarm announces: every simple and complex timer in use
// with its start and stop time. The alarm's timer field holds the timer in
// bits 0-5 (complex timers after the simple ones) and the announced event
// in bits 6-7; choosing a row keeps the event, the chosen row's event opens
// the event selector.
Item {
    id: screen
    objectName: "voiceTimerSelector"

    // Arguments.
    property int itemNumTimer: 0

    // Timers of one kind in the alarm's numbering; complex timers follow.
    readonly property int perKind: Database.KLX_DataBaseManagerGetMaxTimer(true)
    property var rows: []          // [{ value, name, interval }]
    property int timer: -1         // the alarm's timer, -1 none
    property int event: 0

    function get() { return DatabaseValue.AtomicDirGet }
    function twoDigits(v) { return (v < 10 ? "0" : "") + Math.max(0, v) }
    function time(prefix, kind, start, n) {
        var names = kind ? (start ? ["StartHour", "StartMinute", "StartSecond"] : ["StopHour", "StopMinute", "StopSecond"])
                         : (start ? ["StartTimeHour", "StartTimeMinute", "StartTimeSecond"]
                                  : ["StopTimeHour", "StopTimeMinute", "StopTimeSecond"])
        return names.map(function(f) { return twoDigits(Database[prefix + f](n, 0, get())) }).join(":")
    }
    function row(complex, n) {
        var prefix = complex ? "KLX_DataBaseManagerCmplxTimerGetSet_" : "KLX_DataBaseManagerTimerGetSet_"
        return { value: complex ? n + perKind : n,
                 name: complex ? Database.KLX_DataBaseManagerCmplxTimerGetSet_Name(n, "", get())
                               : Database.KLX_DataBaseManagerTimerGetSet_Name(n, "", get()),
                 interval: time(prefix, complex, true, n) + " - " + time(prefix, complex, false, n) }
    }
    function readAll() {
        var value = Database.KLX_DataBaseManagerVAlarmGetSetTimer(itemNumTimer, 0, get())
        event = (value >> 6) & 3
        var t = value & 63
        timer = t >= 2 * perKind ? -1 : t
        var list = []
        for (var n = 0; n < perKind; ++n)
            if (Database.KLX_DataBaseManagerTimerGetSet_IsUsed(n, 0, get()) === DatabaseValue.KLX_True)
                list.push(row(false, n))
        for (n = 0; n < perKind; ++n)
            if (Database.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(n, 0, get()) === DatabaseValue.KLX_True)
                list.push(row(true, n))
        rows = list
    }
    function eventLabel(e) {
        return [qsTr("None"), qsTr("Attention"), qsTr("Expired"), qsTr("Att. + Exp.")][e] + Language.emptyString
    }
    function choose(value) {
        var stored = Database.KLX_DataBaseManagerVAlarmGetSetTimer(itemNumTimer, (event << 6) | value, DatabaseValue.AtomicDirSet)
        if (stored <= DatabaseValue.KLX_Error) {
            errorHandler.processError(stored)
            return
        }
        readAll()
    }
    function touchEvent(value) {
        if (value !== timer)
            choose(value)
        else
            rootwindow.openScreen("qrc:/Frontend/QML/VoiceTimerAlarmSelector.qml", { vAlarmId: itemNumTimer })
    }

    ListHeading {
        y: 2
        titles: [qsTr("Timer Name") + Language.emptyString, qsTr("Interval") + Language.emptyString,
                 qsTr("Alarm") + Language.emptyString]
        widths: [170, 170, 120]
    }
    ListView {
        id: list
        objectName: "timerList"
        x: 5
        y: 28
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
            readonly property bool current: modelData.value === screen.timer
            GeneralPurposeButton {
                objectName: "timerRow_" + modelData.value
                width: 344
                state: parent.current ? "active" : ""
                gp_text: modelData.name + "    " + modelData.interval
                onClicked: screen.choose(modelData.value)
            }
            GeneralPurposeButton {
                objectName: "timerEvent_" + modelData.value
                width: 116
                gp_text: parent.current ? screen.eventLabel(screen.event) : "---"
                onClicked: screen.touchEvent(modelData.value)
            }
        }
        ScrollBar { flickable: list }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(itemNumTimer)
        systemHistory.addEndOfArgs()
        readAll()
    }
}
