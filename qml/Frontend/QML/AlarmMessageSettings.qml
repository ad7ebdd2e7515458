import QtQuick 2.15
import DBValues 1.0

// What a complex-timer alarm says: its message text, or the spoken timer
// value, and the voice each is spoken in; the play button tries it.
Item {
    id: screen
    objectName: "alarmMessageSettings"

    // Arguments.
    property int timer_ID: 0
    property int alarm_ID: 0
    property bool textMsgFlag: true

    property string message: ""
    property string voice: ""

    function get() { return DatabaseValue.AtomicDirGet }
    function set() { return DatabaseValue.AtomicDirSet }
    function timerName() { return Database.KLX_DataBaseManagerCmplxTimerGetSet_Name(timer_ID, "", get()) }
    function readAll() {
        message = Database.KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(timer_ID, alarm_ID, "", get())
        voice = textMsgFlag ? Database.CmplxTimerGetSet_TimerAlarm_TextVoice(timer_ID, alarm_ID, "", get())
                            : Database.CmplxTimerGetSet_TimerAlarm_ValueVoice(timer_ID, alarm_ID, "", get())
    }
    function editMessage() {
        keyboard.preLoadText = message
        keyboard.extended = true
        rootwindow.kbd_sender = keyboard
    }
    // An empty message takes the timer's name.
    function writeMessage(text) {
        var wanted = text === "" ? timerName() : text
        var stored = Database.KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(timer_ID, alarm_ID, wanted, set())
        if (stored !== wanted)
            errorHandler.processError(DatabaseValue.KLX_Error)
        readAll()
    }
    function chooseVoice() {
        rootwindow.openScreen("qrc:/Frontend/QML/VoiceSelector.qml", {
                                  language: Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language("", get()),
                                  keepingmsg: message, itemNum: textMsgFlag ? -5 : -4,
                                  timer_Id: timer_ID, alarm_Id: alarm_ID })
    }
    function play() {
        var result = textMsgFlag ? Database.KLX_DataBaseManagerCmplxTimerGetSet_SpeakAlarmText(timer_ID, alarm_ID)
                                 : Database.KLX_DataBaseManagerCmplxTimerGetSet_SpeakAlarmValue(timer_ID, alarm_ID)
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
    }

    Column {
        x: 8
        y: 6
        spacing: 8
        Row {
            spacing: 6
            GeneralPurposeLabel { width: 110; fontSize: 14; text: qsTr("Timer Name") + Language.emptyString }
            GeneralPurposeLabel {
                objectName: "messageTimer"
                width: 340
                bold: true
                text: screen.timerName() + "   #" + (screen.alarm_ID + 1) + (screen.textMsgFlag ? "   " + qsTr("text") + Language.emptyString : "")
            }
        }
        GeneralPurposeButton {
            objectName: "messageText"
            width: 464
            visible: screen.textMsgFlag
            gp_text: screen.message === "" ? "---" : screen.message
            onClicked: screen.editMessage()
        }
        Row {
            spacing: 6
            GeneralPurposeLabel { width: 110; fontSize: 14; text: qsTr("Voice") + Language.emptyString }
            GeneralPurposeButton {
                objectName: "messageVoice"
                width: 280
                gp_text: screen.voice === "" || screen.voice === "None" ? qsTr("Press to set voice") + Language.emptyString : screen.voice
                onClicked: screen.chooseVoice()
            }
            GeneralPurposeButton {
                objectName: "messagePlay"
                width: 62
                gp_text: "\u25B6"
                onClicked: screen.play()
            }
        }
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
        systemHistory.addArg(timer_ID)
        systemHistory.addArg(alarm_ID)
        systemHistory.addArg(textMsgFlag)
        systemHistory.addEndOfArgs()
        readAll()
    }
}
