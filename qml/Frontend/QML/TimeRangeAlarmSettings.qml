import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "TimerAlarms.js" as Alarms

// One alarm of a complex timer: when it starts and ends, how often it is
// repeated in between (or once), and how it signals. Every field shows
// what the store answered.
Item {
    id: screen
    objectName: "timeRangeAlarmSettings"

    // Arguments.
    property int timerID: 0
    property int alarmID: 0

    readonly property var fields: ["AlarmStart_Hour", "AlarmStart_Min", "AlarmStart_Sec",
                                   "AlarmStop_Hour", "AlarmStop_Min", "AlarmStop_Sec"]
    property var times: ["00", "00", "00", "00", "00", "00"]
    property bool oneShot: false
    property int interval: 0
    property int type: 0
    property int tone: 0
    // The field the fly-in steps: 0..5 the times, 6 the repeat, -1 none.
    property int selected: -1
    readonly property int repeatField: 6

    function get() { return DatabaseValue.AtomicDirGet }
    function set() { return DatabaseValue.AtomicDirSet }
    function failed(result) {
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return true
        }
        return false
    }
    function twoDigits(v) { return (v < 10 ? "0" : "") + v }
    function accessor(i) { return "KLX_DataBaseManagerCmplxTimerGetSet_" + fields[i] }
    function readField(i) {
        var v = Database[accessor(i)](timerID, alarmID, 0, get())
        if (v > DatabaseValue.KLX_Error) {
            var list = times.slice()
            list[i] = twoDigits(v)
            times = list
        }
        return v
    }
    function readAll() {
        for (var i = 0; i < fields.length; ++i)
            readField(i)
        oneShot = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_OneShot(timerID, alarmID, get()) === DatabaseValue.KLX_True
        readSignals()
    }
    function readSignals() {
        var v = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(timerID, alarmID, 0, get())
        if (v > DatabaseValue.KLX_Error) interval = v
        v = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(timerID, alarmID, 0, get())
        if (v > DatabaseValue.KLX_Error) type = v
        v = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_BeepTone(timerID, alarmID, 0, get())
        if (v > DatabaseValue.KLX_Error) tone = v
    }

    // ---- times and repeat ----
    function select(i) {
        selected = i
        flyin.extended = true
    }
    function stepTime(i, delta) {
        var current = Database[accessor(i)](timerID, alarmID, 0, get())
        if (failed(current))
            return
        var result = Database[accessor(i)](timerID, alarmID, current + delta, set())
        if (failed(result))
            return
        readField(i)
        // A one-shot alarm ends where it starts.
        if (oneShot && i < 3 && !failed(Database[accessor(i + 3)](timerID, alarmID, result, set())))
            readField(i + 3)
    }
    function stepRepeat(delta) {
        var current = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(timerID, alarmID, 0, get())
        if (failed(current))
            return
        var result = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(timerID, alarmID,
                                                                                Alarms.intervalWrite(current, delta), set())
        if (failed(result))
            return
        Alarms.shortenSignals(Database, timerID, alarmID, result)
        readSignals()
    }
    function step(delta) {
        if (selected === repeatField)
            stepRepeat(delta)
        else if (selected >= 0)
            stepTime(selected, delta)
    }
    function toggleMode() {
        if (oneShot) {
            oneShot = false
            return
        }
        if (Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_OneShot(timerID, alarmID, set()) !== DatabaseValue.KLX_True)
            return
        oneShot = true
        if (selected >= 3)
            flyin.extended = false
        if (Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(timerID, alarmID, 0, get()) === 0)
            failed(Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(timerID, alarmID, 10, set()))
        readAll()
    }

    // ---- signal type ----
    function writeType(value) {
        var result = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(timerID, alarmID, value, set())
        if (!failed(result))
            type = result
    }
    function beep(isLong) {
        var t = isLong ? (tone | DatabaseValue.TmrALARM_LongBeep) : (tone & ~DatabaseValue.TmrALARM_LongBeep)
        var result = Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_BeepTone(timerID, alarmID, t, set())
        if (failed(result))
            return
        tone = result
        writeType(type | Alarms.beepBit)
    }
    // A long press on the active beep button switches the beep off.
    function beepHeld(isLong) {
        if (beepActive(isLong))
            writeType(type & ~Alarms.beepBit)
    }
    function beepActive(isLong) {
        return (type & Alarms.beepBit) !== 0 && ((tone & DatabaseValue.TmrALARM_LongBeep) !== 0) === isLong
    }
    function speech(form) {
        writeType((type & ~Alarms.voiceBits) | form)
    }
    function toggleText() {
        var result = Database.KLX_DataBaseManagerCmplxTimerGetSet_MessageFlag(timerID, alarmID, (type & Alarms.messageBit) ? 0 : 1, set())
        if (!failed(result))
            type = result
    }
    function openMessage(textMsg) {
        rootwindow.openScreen("qrc:/Frontend/QML/AlarmMessageSettings.qml", { timer_ID: timerID, alarm_ID: alarmID, textMsgFlag: textMsg })
    }

    // ---- the screen ----
    component TimeRow: Row {
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
                    objectName: "alarmTime_" + (first + index)
                    width: 40
                    gp_text: screen.times[first + index]
                    state: screen.selected === first + index && flyin.extended ? "active" : ""
                    onClicked: screen.select(first + index)
                }
            }
        }
    }
    component SignalButton: GeneralPurposeButton {
        property bool on: false
        width: 112
        fontSize: 13
        state: on ? "active" : ""
    }

    ScreenHeading {
        objectName: "alarmHeading"
        y: 2
        font.pixelSize: 16
        text: Database.KLX_DataBaseManagerCmplxTimerGetSet_Name(screen.timerID, "", DatabaseValue.AtomicDirGet) + " "
              + (Database.KLX_DataBaseManagerCmplxTimerGet_CountDownFlag(screen.timerID) ? qsTr("(Down)") : qsTr("(Up)"))
              + Language.emptyString + "   " + (screen.alarmID + 1) + " " + qsTr("of") + Language.emptyString + " "
              + Database.KLX_DataBaseManagerCmplxTimerGetMaxAlarms()
    }
    Column {
        x: 8
        y: 32
        spacing: 5
        Row {
            spacing: 6
            GeneralPurposeLabel { width: 100; fontSize: 14; text: qsTr("Signal start") + Language.emptyString }
            TimeRow { first: 0 }
            GeneralPurposeButton {
                objectName: "alarmMode"
                width: 110
                gp_text: (screen.oneShot ? qsTr("One shot") : qsTr("Interval")) + Language.emptyString
                onClicked: screen.toggleMode()
            }
        }
        Row {
            spacing: 6
            visible: !screen.oneShot
            enabled: !screen.oneShot
            GeneralPurposeLabel { width: 100; fontSize: 14; text: qsTr("Signal end") + Language.emptyString }
            TimeRow { first: 3 }
        }
        Row {
            spacing: 6
            visible: !screen.oneShot
            enabled: !screen.oneShot
            GeneralPurposeLabel { width: 100; fontSize: 14; text: qsTr("Repeat") + Language.emptyString }
            GeneralPurposeButton {
                objectName: "alarmRepeat"
                width: 136
                state: screen.selected === screen.repeatField && flyin.extended ? "active" : ""
                gp_text: Alarms.intervalText(screen.interval, qsTr("Disabled") + Language.emptyString,
                                             qsTr("One shot") + Language.emptyString)
                onClicked: screen.select(screen.repeatField)
            }
        }
        GeneralPurposeLabel { width: 200; fontSize: 14; text: qsTr("Signal type") + Language.emptyString }
        Grid {
            columns: 3
            spacing: 5
            SignalButton {
                objectName: "signalBeep"
                on: screen.beepActive(false)
                gp_text: qsTr("Beep") + Language.emptyString
                onClicked: screen.beep(false)
                onLongclicked: screen.beepHeld(false)
            }
            SignalButton {
                objectName: "signalLongBeep"
                on: screen.beepActive(true)
                gp_text: qsTr("Long beep") + Language.emptyString
                onClicked: screen.beep(true)
                onLongclicked: screen.beepHeld(true)
            }
            SignalButton {
                objectName: "signalVibration"
                on: (screen.type & Alarms.vibrationBit) !== 0
                gp_text: qsTr("Vibration") + Language.emptyString
                onClicked: screen.writeType(screen.type ^ Alarms.vibrationBit)
            }
            SignalButton {
                objectName: "signalSpeech"
                on: (screen.type & Alarms.voiceBits) === Alarms.normalVoice
                gp_text: qsTr("Speech") + Language.emptyString
                onClicked: screen.speech(Alarms.normalVoice)
                onLongclicked: screen.openMessage(false)
            }
            SignalButton {
                objectName: "signalShortSpeech"
                on: (screen.type & Alarms.voiceBits) === Alarms.shortVoice
                gp_text: qsTr("Short speech") + Language.emptyString
                onClicked: screen.speech(Alarms.shortVoice)
                onLongclicked: screen.openMessage(false)
            }
            SignalButton {
                objectName: "signalText"
                on: (screen.type & Alarms.messageBit) !== 0
                gp_text: qsTr("Text") + Language.emptyString
                onClicked: screen.toggleText()
                onLongclicked: screen.openMessage(true)
            }
        }
    }

    FlyinIncDec {
        id: flyin
        objectName: "flyin"
        onStep: screen.step(delta)
        onOkClicked: screen.selected = -1
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(timerID)
        systemHistory.addArg(alarmID)
        systemHistory.addEndOfArgs()
        readAll()
    }
}
