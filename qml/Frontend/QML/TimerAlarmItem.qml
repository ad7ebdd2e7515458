import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "ControlNames.js" as Names
import "TimerAlarms.js" as Alarms

// One alarm of a complex timer in the alarm list: its signal, time range,
// replay, speech form and message flag, and the control that enables it.
// Taps go to the list, which owns the fly-in, the choosers and the tasks.
Row {
    id: item
    property int timerIdx: 0
    property int alarmIdx: 0
    // Bumped by the list after a change, so that the row reads again.
    property int revision: 0
    property bool active: false
    readonly property var widths: [100, 110, 74, 70, 100]
    signal rangeClicked()
    signal replayClicked()
    signal typeClicked()
    signal controlClicked()
    signal held()

    spacing: 4

    function get() { return DatabaseValue.AtomicDirGet }
    readonly property int type: revision >= 0 ? Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(timerIdx, alarmIdx, 0, get()) : 0
    readonly property int control: revision >= 0 ? Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(timerIdx, alarmIdx, 0, get()) : 0

    function signalText() {
        if ((type & (Alarms.beepBit | Alarms.vibrationBit | Alarms.voiceBits)) === 0)
            return qsTr("No Alarm") + Language.emptyString
        return [qsTr("No alarm"), qsTr("Beep"), qsTr("Beep + Vib."), qsTr("Vibration"), qsTr("Speech only"),
                qsTr("Speech + Beep"), qsTr("Speech + Vib."), qsTr("Spch+Beep+Vib.")][Alarms.kindOf(type)] + Language.emptyString
    }
    function replayText() {
        if (Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_OneShot(timerIdx, alarmIdx, get()) === DatabaseValue.KLX_True)
            return qsTr("Once") + Language.emptyString
        var interval = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(timerIdx, alarmIdx, 0, get())
        return Alarms.intervalText(interval, qsTr("Disabled") + Language.emptyString, qsTr("One shot") + Language.emptyString)
    }
    function typeText() {
        var parts = []
        if ((type & Alarms.voiceBits) === Alarms.shortVoice)
            parts.push(qsTr("Short") + Language.emptyString)
        if ((type & Alarms.messageBit) !== 0)
            parts.push(qsTr("Msg") + Language.emptyString)
        return parts.length === 0 ? "---" : parts.join(" ")
    }
    // A visible switch by its name, a hidden one by what drives it.
    function controlText() {
        if (!Names.isSwitch(control))
            return "---"
        var vs = control - Names.firstSwitch
        if (vs >= Database.KLX_DataBaseManagerGetMaxVirualSwitches() || !Names.switchUsed(vs))
            return "---"
        return Names.sourceName(control)
    }

    GeneralPurposeButton {
        objectName: "alarmSignal_" + item.alarmIdx
        width: item.widths[0]
        fontSize: 12
        state: item.active ? "active" : ""
        gp_text: item.revision >= 0 ? item.signalText() : ""
        onClicked: item.typeClicked()
        onLongclicked: item.held()
    }
    GeneralPurposeButton {
        objectName: "alarmRange_" + item.alarmIdx
        width: item.widths[1]
        fontSize: 12
        gp_text: item.revision >= 0 ? Database.KLX_DataBaseManagerCmplxTimerGetAlarmRange_String(item.timerIdx, item.alarmIdx) : ""
        onClicked: item.rangeClicked()
        onLongclicked: item.held()
    }
    GeneralPurposeButton {
        objectName: "alarmReplay_" + item.alarmIdx
        width: item.widths[2]
        fontSize: 12
        gp_text: item.revision >= 0 ? item.replayText() : ""
        onClicked: item.replayClicked()
        onLongclicked: item.held()
    }
    GeneralPurposeButton {
        objectName: "alarmType_" + item.alarmIdx
        width: item.widths[3]
        fontSize: 12
        gp_text: item.revision >= 0 ? item.typeText() : ""
        onClicked: item.typeClicked()
        onLongclicked: item.held()
    }
    GeneralPurposeButton {
        objectName: "alarmControl_" + item.alarmIdx
        width: item.widths[4]
        fontSize: 12
        gp_text: item.revision >= 0 ? item.controlText() : ""
        onClicked: item.controlClicked()
        onLongclicked: item.held()
    }
}
