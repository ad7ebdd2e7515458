import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The timer a timer widget shows, among the model's timers in use; "+"
// adds a complex timer. Deleting a timer takes its hidden switches (one
// element task after the other), its alarms and the widget's slot along.
Item {
    id: screen
    objectName: "timerWidgetSetup"
    property int pageId: 0
    property int elementId: 0
    property int timerId: -1

    readonly property int encodingMax: Database.KLX_DataBaseManagerGetMaxTimer(true)
    readonly property int boardMax: Database.KLX_DataBaseManagerGetMaxTimer(false)
    readonly property int switchCount: Database.KLX_DataBaseManagerGetMaxVirualSwitches()
    property var timers: []
    property int timerCount: 0
    property string chosenKey: ""
    // The deletion under way: its steps, done one at a time.
    property var cascade: []
    property var deleting: null

    function get() { return DatabaseValue.AtomicDirGet }
    function set() { return DatabaseValue.AtomicDirSet }
    function prefix(complex) { return complex ? "KLX_DataBaseManagerCmplxTimerGetSet_" : "KLX_DataBaseManagerTimerGetSet_" }
    function used(n, complex) { return Database[prefix(complex) + "IsUsed"](n, 0, get()) === DatabaseValue.KLX_True }
    function twoDigits(v) { return (v < 10 ? "0" : "") + v }
    function timeOf(n, complex, start) {
        var f = complex ? (start ? ["StartHour", "StartMinute", "StartSecond"] : ["StopHour", "StopMinute", "StopSecond"])
                        : (start ? ["StartTimeHour", "StartTimeMinute", "StartTimeSecond"] : ["StopTimeHour", "StopTimeMinute", "StopTimeSecond"])
        var p = prefix(complex)
        return [Database[p + f[0]](n, 0, get()), Database[p + f[1]](n, 0, get()), Database[p + f[2]](n, 0, get())]
    }
    function timeText(t) { return (t[0] > 0 ? twoDigits(t[0]) + ":" : "") + twoDigits(t[1]) + ":" + twoDigits(t[2]) }
    function entry(n, complex) {
        return { n: n, complex: complex, key: (complex ? "c" : "s") + n,
                 name: Database[prefix(complex) + "Name"](n, "", get()),
                 start: timeText(timeOf(n, complex, true)), stop: timeText(timeOf(n, complex, false)) }
    }
    function build() {
        var list = []
        for (var n = 0; n < boardMax; ++n) {
            if (used(n, true))
                list.push(entry(n, true))
            if (used(n, false))
                list.push(entry(n, false))
        }
        timers = list
        timerCount = Database.KLX_DataBaseManagerTimerGetNumber() + Database.KLX_DataBaseManagerCmplxTimerGetNumber()
        var id = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_TimerID(pageId, elementId, 0, get())
        var complex = id >= encodingMax
        var n2 = complex ? id - encodingMax : id
        chosenKey = id >= 0 && used(n2, complex) ? (complex ? "c" : "s") + n2 : ""
    }

    // ---- choosing ----
    function choose(t) {
        var result = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_TimerID(pageId, elementId, t.complex ? t.n + encodingMax : t.n, set())
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return
        }
        var w = "KLX_DataBaseManagerGUITelemetrieGetSet_"
        if (Database[w + "Element_WidgetData_IsUsed"](pageId, elementId, 0, 0, get()) !== DatabaseValue.KLX_True)
            Database[w + "Element_WidgetData_IsUsed"](pageId, elementId, 0, DatabaseValue.KLX_True, set())
        Database[w + "Element_Slave_IsUsed"](pageId, elementId, 0, t.n, DatabaseValue.KLX_True, set())
        if (Database[w + "Element_SensorData_SensorSlaveAdress"](pageId, elementId, 0, t.n, t.n, set()) === t.n) {
            Database[w + "SensorName"](pageId, elementId, 0, "Timer " + t.n, set())
            if (t.name !== "")
                Database[w + "Slave_SlaveName"](pageId, elementId, 0, t.n, t.name, set())
            if (!t.complex) {
                var stop = timeOf(t.n, false, false)
                Database[w + "Slave_RedAlertAbove"](pageId, elementId, 0, t.n, stop[0] * 3600 + stop[1] * 60 + stop[2], set())
            }
        }
        build()
    }
    function openSettings(t) {
        if (chosenKey !== t.key) {
            choose(t)
            return
        }
        rootwindow.openScreen("qrc:/Frontend/QML/35_TimerSetup.qml", { timerId: t.n, timerTypeNew: t.complex })
    }
    function openAlarm(t) {
        if (chosenKey !== t.key) {
            choose(t)
            return
        }
        rootwindow.openScreen("qrc:/Frontend/QML/TelemetryWidgetTimerAlarmConfig.qml",
                              { timerId: t.n, pageId: pageId, elementId: elementId, timerName: t.name })
    }
    function addTimer() {
        var index = Database.KLX_DataBaseManagerCmplxTimerGetNextFreeIndex()
        if (index <= DatabaseValue.KLX_Error) {
            errorHandler.processError(index)
            return
        }
        if (timers.length < boardMax)
            Database.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(index, DatabaseValue.KLX_True, set())
        build()
    }

    // ---- deleting a timer ----
    function hiddenSwitch(s) {
        return s >= 0 && s < switchCount
                && Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(s, 0, get()) === DatabaseValue.KLX_True
                && Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(s, 0, get()) === DatabaseValue.KLX_False
    }
    function switchOfControl(c) {
        return c >= GuiCmdData.CONTROLID_Virtual_00_GUI && c <= GuiCmdData.CONTROLID_Virtual_Last_GUI
                ? Database.KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(c) : -1
    }
    function askDeleteTimer(t) {
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete this timer?") + Language.emptyString,
                             "OkAbort", function() { screen.deleteTimer(t) })
    }
    function deleteTimer(t) {
        Database.KLX_DataBaseManagerGUITelemetrieDeleteSlave(pageId, elementId, 0, t.n)
        var steps = []
        var inputs = t.complex
                ? ["ControlStart", "ControlStop", "ControlReset"].map(function(f) {
                    return switchOfControl(Database["KLX_DataBaseManagerCmplxTimerGetSet_" + f](t.n, 0, get())) })
                : ["SwitchStartVirtSw", "SwitchStopVirtSw", "SwitchResetVirtSw"].map(function(f) {
                    return Database["KLX_DataBaseManagerTimerGetSet_" + f](t.n, 0, get()) })
        inputs.forEach(function(s) { if (hiddenSwitch(s)) steps.push({ sw: s, clear: null }) })
        if (t.complex) {
            for (var a = 0; a < Database.KLX_DataBaseManagerCmplxTimerGetMaxAlarms(); ++a) {
                if ((Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(t.n, a, 0, get()) & DatabaseValue.TmrALARM_IndexMask) === 0)
                    continue
                var sa = switchOfControl(Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(t.n, a, 0, get()))
                steps.push({ sw: hiddenSwitch(sa) ? sa : -1, clear: { complex: true, n: t.n, alarm: a } })
            }
        } else {
            for (var v = 0; v < Database.KLX_DataBaseManagerVAlarmGetCount(); ++v) {
                var type = Database.KLX_DataBaseManagerVAlarmGetSetType(v, 0, get()) & ~DatabaseValue.VALARM_ModeSettings
                if ((type !== DatabaseValue.VALARM_Timer && type !== DatabaseValue.VALARM_TimerShort)
                        || Database.KLX_DataBaseManagerVAlarmGetSetTimer(v, 0, get()) !== t.n)
                    continue
                var sv = switchOfControl(Database.KLX_DataBaseManagerVAlarmGetSetActivator(v, 0, get()))
                steps.push({ sw: hiddenSwitch(sv) ? sv : -1, clear: { complex: false, alarm: v } })
            }
        }
        deleting = t
        cascade = steps
        nextStep()
    }
    function clearAlarm(c) {
        if (c.complex)
            Database.KLX_DataBaseManagerCmplxTimer_AlarmDelete(c.n, c.alarm)
        else
            Database.KLX_DataBaseManagerVAlarmClear(c.alarm)
    }
    function nextStep() {
        while (cascade.length > 0) {
            var step = cascade[0]
            if (step.sw >= 0) {
                if (!switchTask.remove(step.sw))
                    stopCascade()
                return
            }
            cascade = cascade.slice(1)
            clearAlarm(step.clear)
        }
        var t = deleting
        deleting = null
        var result = t.complex ? Database.KLX_DataBaseManagerCmplxTimerDelete(t.n) : Database.KLX_DataBaseManagerTimerDelete(t.n)
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        build()
    }
    function stopCascade() {
        cascade = []
        deleting = null
        build()
    }
    VirtualSwitchTask {
        id: switchTask
        onDeleted: {
            var step = screen.cascade[0]
            screen.cascade = screen.cascade.slice(1)
            if (step.clear !== null)
                screen.clearAlarm(step.clear)
            screen.nextStep()
        }
        onFailed: screen.stopCascade()
    }

    Text {
        objectName: "timerNoneChosen"
        x: 5; y: 4
        visible: screen.chosenKey === ""
        color: rootwindow.textColour; font.pixelSize: 14
        text: qsTr("No timer is selected for this widget!") + Language.emptyString
    }
    ListView {
        id: list
        objectName: "timerRows"
        x: 5; y: 26
        width: parent.width - 10
        height: parent.height - y - 78
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.timers
        delegate: TelemetryTimerItem {
            timer: modelData
            chosen: screen.chosenKey === modelData.key
            onNameClicked: screen.choose(timer)
            onSettingsClicked: screen.openSettings(timer)
            onAlarmClicked: screen.openAlarm(timer)
            onDeleteClicked: screen.askDeleteTimer(timer)
        }
    }
    ScrollBar { flickable: list }
    GeneralPurposeButton {
        objectName: "timerAdd"
        x: 5
        y: parent.height - 72
        width: 60
        gp_text: "+"
        fontSize: 20
        onClicked: screen.addTimer()
    }
    TeleWidgetSetupBar {
        pageId: screen.pageId
        elementId: screen.elementId
        // The widget's timer slots and its sensor slot go first.
        beforeDelete: function() {
            for (var n = 0; n < screen.encodingMax; ++n)
                if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(screen.pageId, screen.elementId, 0, n, 0, screen.get()) === DatabaseValue.KLX_True)
                    Database.KLX_DataBaseManagerGUITelemetrieDeleteSlave(screen.pageId, screen.elementId, 0, n)
            if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(screen.pageId, screen.elementId, 0, 0, screen.get()) === DatabaseValue.KLX_True)
                Database.KLX_DataBaseManagerGUITelemetrieDeleteSensor(screen.pageId, screen.elementId, 0)
            return true
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(pageId)
        systemHistory.addArg(elementId)
        systemHistory.addArg(timerId)
        systemHistory.addEndOfArgs()
        build()
    }
}
