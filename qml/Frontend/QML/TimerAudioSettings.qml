import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "TimerAlarms.js" as Alarms

// The alarms of one complex timer. A new alarm beeps and gets its own
// hidden virtual switch, made through the element task and held on for
// good, so that the alarm fires until the user gives it a control; a
// deleted alarm takes its hidden switch along.
Item {
    id: screen
    objectName: "timerAudioSettings"

    // Arguments.
    property int tmrId: 0

    readonly property int maxAlarms: Database.KLX_DataBaseManagerCmplxTimerGetMaxAlarms()
    readonly property int switchCount: Database.KLX_DataBaseManagerGetMaxVirualSwitches()
    readonly property var widths: [100, 110, 74, 70, 100]
    property var rows: []
    property int revision: 0
    // The alarm a task works for, and the alarm whose interval the fly-in steps.
    property int pendingAlarm: -1
    property int replayAlarm: -1
    property int heldAlarm: -1

    function get() { return DatabaseValue.AtomicDirGet }
    function set() { return DatabaseValue.AtomicDirSet }
    function failed(result) {
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return true
        }
        return false
    }
    function readRows() {
        var list = []
        for (var i = 0; i < maxAlarms; ++i) {
            var type = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(tmrId, i, 0, get())
            if (type > DatabaseValue.KLX_Error && (type & DatabaseValue.TmrALARM_IndexMask) !== 0)
                list.push(i)
        }
        rows = list
        revision++
    }
    function resetVoices(alarm) {
        Database.CmplxTimerGetSet_TimerAlarm_ValueVoice(tmrId, alarm, "None", set())
        Database.CmplxTimerGetSet_TimerAlarm_ValueLanguage(tmrId, alarm, "None", set())
        Database.CmplxTimerGetSet_TimerAlarm_TextVoice(tmrId, alarm, "None", set())
        Database.CmplxTimerGetSet_TimerAlarm_TextLanguage(tmrId, alarm, "None", set())
    }
    // The alarm's enabling switch while it is one of the hidden switches this
    // list makes; a visible switch the user chose belongs to the model.
    function hiddenSwitch(alarm) {
        var c = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(tmrId, alarm, 0, get())
        if (c < GuiCmdData.CONTROLID_Virtual_00_GUI || c > GuiCmdData.CONTROLID_Virtual_Last_GUI)
            return -1
        var vs = c - GuiCmdData.CONTROLID_Virtual_00_GUI
        if (vs >= switchCount || Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(vs, 0, get(), false) !== DatabaseValue.KLX_True)
            return -1
        return Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(vs, 0, get(), false) === DatabaseValue.KLX_False ? vs : -1
    }

    // ---- adding and deleting ----
    function add() {
        if (task.busy)
            return
        var alarm = Database.KLX_DataBaseManagerCmplxTimerGetNextFreeAlarmIndex(tmrId)
        if (failed(alarm) || alarm >= maxAlarms)
            return
        if (failed(Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(tmrId, alarm, DatabaseValue.TmrALARM_BeepMask, set())))
            return
        resetVoices(alarm)
        readRows()
        pendingAlarm = alarm
        task.loadNew(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch)
    }
    function switchCreated(v) {
        var alarm = pendingAlarm
        pendingAlarm = -1
        if (alarm < 0 || v < 0 || v >= switchCount)
            return
        var A = DatabaseValue.VIRTUAL_SWITCH_ID_A, B = DatabaseValue.VIRTUAL_SWITCH_ID_B
        var on = GuiCmdData.CONTROLID_FIXSWITCH_ON_GUI
        if (failed(Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(v, DatabaseValue.KLX_False, set(), true))
                || failed(Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(v, A, on, set(), true))
                || failed(Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(v, B, on, set(), true))
                || failed(Database.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(v, DatabaseValue.KLX_False, set(), true)))
            return
        Database.KLX_DataBaseManagerSwitchGetSet_Name(v, "VSi" + v + "T" + tmrId + "Alm" + alarm, set())
        failed(Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(tmrId, alarm,
                                                                         Database.KLX_DataBaseManagerGetControlForVirtualSwitch(v), set()))
        readRows()
    }
    function askDelete(alarm) {
        options.close()
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete this alarm?") + Language.emptyString,
                             "OkAbort", function() { screen.deleteAlarm(alarm) })
    }
    function deleteAlarm(alarm) {
        var vs = hiddenSwitch(alarm)
        if (vs < 0) {
            failed(Database.KLX_DataBaseManagerCmplxTimer_AlarmDelete(tmrId, alarm))
            readRows()
            return
        }
        resetVoices(alarm)
        task.remove(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch, vs, GuiCmdData.KLX_TASK_PARA_DELETE, alarm)
    }
    function taskDone(newIndex) {
        if (task.action === task.actionNew) {
            switchCreated(newIndex)
            return
        }
        var vs = task.datum >= 0 ? hiddenSwitch(task.datum) : -1
        if (vs >= 0) {
            Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(vs, DatabaseValue.KLX_False, set(), DatabaseValue.KLX_True)
            Database.KLX_DataBaseManagerSwitchDelete(vs)
        }
        failed(Database.KLX_DataBaseManagerCmplxTimer_AlarmDelete(tmrId, task.datum))
        readRows()
    }
    ElementTask {
        id: task
        kind: GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch
        onDone: screen.taskDone(newIndex)
        onFailed: screen.pendingAlarm = -1
    }

    // ---- row actions ----
    function idle() { return !task.busy && !options.visible }
    function openRange(alarm) {
        if (idle())
            rootwindow.openScreen("qrc:/Frontend/QML/TimeRangeAlarmSettings.qml", { timerID: tmrId, alarmID: alarm })
    }
    function openReplay(alarm) {
        if (!idle())
            return
        replayAlarm = alarm
        flyin.extended = true
    }
    function stepReplay(delta) {
        if (replayAlarm < 0)
            return
        var current = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(tmrId, replayAlarm, 0, get())
        if (failed(current))
            return
        var result = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(tmrId, replayAlarm,
                                                                                Alarms.intervalWrite(current, delta), set())
        if (!failed(result))
            Alarms.shortenSignals(Database, tmrId, replayAlarm, result)
        revision++
    }
    function openKinds(alarm) {
        if (!idle())
            return
        var type = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(tmrId, alarm, 0, get())
        var labels = [qsTr("No alarm"), qsTr("Beep"), qsTr("Beep + Vib."), qsTr("Vibration"), qsTr("Speech only"),
                      qsTr("Speech + Beep"), qsTr("Speech + Vib."), qsTr("Spch+Beep+Vib.")]
        var entries = []
        for (var k = 0; k < labels.length; ++k)
            entries.push({ label: labels[k] + Language.emptyString, value: k, selected: k === Alarms.kindOf(type), enabled: true })
        kindChooser.alarm = alarm
        kindChooser.show([{ heading: "", entries: entries, limit: 1 }])
    }
    function chooseKind(alarm, k) {
        var type = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(tmrId, alarm, 0, get())
        if (failed(type))
            return
        failed(Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(tmrId, alarm, Alarms.typeForKind(type, k), set()))
        revision++
    }
    function openControl(alarm) {
        if (!idle())
            return
        var c = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(tmrId, alarm, 0, get())
        var vs = c >= GuiCmdData.CONTROLID_Virtual_00_GUI && c <= GuiCmdData.CONTROLID_Virtual_Last_GUI
                ? c - GuiCmdData.CONTROLID_Virtual_00_GUI : -1
        var A = DatabaseValue.VIRTUAL_SWITCH_ID_A
        var args = { sourceOptionNumber: 16, switchId: vs, timerId: ((tmrId << 4) & 0xF0) + (alarm & 0x0F),
                     control: 0, percentageHystUpper: 5, percentageHystLower: -5 }
        if (vs >= 0 && vs < switchCount) {
            args.control = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(vs, A, 0, get(), false)
            args.percentageHystUpper = Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(vs, A, 0, get(), false)
            args.percentageHystLower = Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(vs, A, 0, get(), false)
        }
        rootwindow.openScreen("qrc:/Frontend/QML/ControlConfigLinear.qml", args)
    }

    // ---- the screen ----
    ListHeading {
        y: 2
        titles: [qsTr("Signal") + Language.emptyString, qsTr("Time/Range") + Language.emptyString,
                 qsTr("Replay") + Language.emptyString, qsTr("Type") + Language.emptyString,
                 qsTr("Control") + Language.emptyString]
        widths: screen.widths
    }
    ListView {
        id: list
        objectName: "alarmList"
        x: 5
        y: 28
        width: parent.width - 10
        height: parent.height - y - 44
        clip: true
        spacing: 4
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.rows
        delegate: TimerAlarmItem {
            timerIdx: screen.tmrId
            alarmIdx: modelData
            revision: screen.revision
            active: screen.heldAlarm === modelData || (flyin.extended && screen.replayAlarm === modelData)
            onRangeClicked: screen.openRange(modelData)
            onReplayClicked: screen.openReplay(modelData)
            onTypeClicked: screen.openKinds(modelData)
            onControlClicked: screen.openControl(modelData)
            onHeld: {
                if (task.busy)
                    return
                screen.heldAlarm = modelData
                options.open([{ name: "delete", label: qsTr("Delete alarm") + Language.emptyString }], modelData)
            }
        }
    }
    GeneralPurposeButton {
        objectName: "alarmAdd"
        x: parent.width - width - 8
        y: parent.height - height - 6
        width: 60
        fontSize: 18
        visible: screen.rows.length < screen.maxAlarms
        enabled: !task.busy
        gp_text: "+"
        onClicked: screen.add()
    }

    OptionsBar {
        id: options
        objectName: "deleteBar"
        onChosen: if (name === "delete") screen.askDelete(datum)
        onVisibleChanged: if (!visible) screen.heldAlarm = -1
    }
    ItemChooser {
        id: kindChooser
        objectName: "kindChooser"
        property int alarm: -1
        single: true
        onAccepted: screen.chooseKind(alarm, selected[0][0])
    }
    FlyinIncDec {
        id: flyin
        objectName: "flyin"
        onStep: screen.stepReplay(delta)
        onOkClicked: screen.replayAlarm = -1
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(tmrId)
        systemHistory.addEndOfArgs()
        readRows()
    }
}
