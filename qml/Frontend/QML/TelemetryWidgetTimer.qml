import QtQuick 2.15
import DBValues 1.0

// A timer widget: the timer's name and its running time every 50 ms; the
// larger sizes add its stop time and warning time. A simple timer's sign
// shows its limits' states. The widget's TimerID names a simple timer below
// the largest timer count and a complex one from there on.
Item {
    id: view
    objectName: "teleTimer_" + elementId

    property int pageId: -1
    property int elementId: -1
    property int frameSize: DatabaseValue.TELEGUISIZE_Small
    property int presetSign: 0
    property var home: null

    // -1 none; else the timer's index among its kind.
    property int timer: -1
    property bool complex: false
    property bool inUse: false
    property string name: ""
    property string timeText: "--:--"
    property string stopText: ""
    property int warnSeconds: 0
    property int signalType: 0
    // 0 grey, 1 yellow, 2 red.
    property int sign: 0

    readonly property QtObject db: Database
    readonly property int get: DatabaseValue.AtomicDirGet
    readonly property bool large: frameSize === DatabaseValue.TELEGUISIZE_Medium || frameSize === DatabaseValue.TELEGUISIZE_Huge

    function two(n) { return (n < 10 ? "0" : "") + n }
    function clock(h, m, s) { return (h !== 0 ? two(h) + ":" : "") + two(m) + ":" + two(s) }

    function read() {
        var id = db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_TimerID(pageId, elementId, 0, get)
        var max = db.KLX_DataBaseManagerGetMaxTimer(true)
        timer = -1
        if (id >= 0 && id < max) {
            timer = id
            complex = false
        } else if (id >= max && id < 2 * max) {
            timer = id - max
            complex = true
        }
        var used = timer < 0 ? DatabaseValue.KLX_False
                 : complex ? db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(timer, 0, get)
                           : db.KLX_DataBaseManagerTimerGetSet_IsUsed(timer, 0, get)
        inUse = used === DatabaseValue.KLX_True
        if (!inUse) {
            name = ""
            // A deleted timer leaves no alarm data behind on the widget.
            if (timer >= 0 && db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(pageId, elementId, 0, timer, 0, get) === DatabaseValue.KLX_True)
                db.KLX_DataBaseManagerGUITelemetrieDeleteSlave(pageId, elementId, 0, timer)
            return
        }
        if (complex) {
            name = db.KLX_DataBaseManagerCmplxTimerGetSet_Name(timer, "", get)
            stopText = clock(db.KLX_DataBaseManagerCmplxTimerGetSet_StopHour(timer, 0, get),
                             db.KLX_DataBaseManagerCmplxTimerGetSet_StopMinute(timer, 0, get),
                             db.KLX_DataBaseManagerCmplxTimerGetSet_StopSecond(timer, 0, get))
            return
        }
        name = db.KLX_DataBaseManagerTimerGetSet_Name(timer, "", get)
        stopText = clock(db.KLX_DataBaseManagerTimerGetSet_StopTimeHour(timer, 0, get),
                         db.KLX_DataBaseManagerTimerGetSet_StopTimeMinute(timer, 0, get),
                         db.KLX_DataBaseManagerTimerGetSet_StopTimeSecond(timer, 0, get))
        var warn = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove(pageId, elementId, 0, timer, 0, get)
        warnSeconds = warn > 0 && warn < 32767 ? warn : 0
        signalType = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertSignalType(pageId, elementId, 0, timer, 0, get)
    }

    function poll() {
        if (rootwindow.shutdown || !inUse)
            return
        var text
        if (complex) {
            text = db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(timer, 0, get) === DatabaseValue.KLX_True
                   ? db.KLX_DataBaseManagerCmplxTimerGetActualTime_String(timer, true) : "--:--"
        } else {
            var h = db.KLX_DataBaseManagerTimerGet_ActualTimeHour(timer)
            var m = db.KLX_DataBaseManagerTimerGet_ActualTimeMinute(timer)
            var s = db.KLX_DataBaseManagerTimerGet_ActualTimeSecond(timer)
            if (h < DatabaseValue.KLX_Error || m < DatabaseValue.KLX_Error || s < DatabaseValue.KLX_Error)
                return
            text = (db.KLX_DataBaseManagerTimerGet_ActualIsNegative(timer) !== 0 ? "-" : "") + clock(h, m, s)
            if (signalType > DatabaseValue.KLX_WIDGET_ALARM_SIGNAL_TYP_NONE) {
                sign = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveState(pageId, elementId, 0, timer, 0, get) === DatabaseValue.KLX_True ? 2
                     : db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveState(pageId, elementId, 0, timer, 0, get) === DatabaseValue.KLX_True ? 1 : 0
            }
        }
        if (text !== timeText)
            timeText = text
    }

    // Every 50 ms, on the home screen's beat (alone, on a timer of its own).
    Connections {
        target: view.inUse ? view.home : null
        function onTimerBeat() { view.poll() }
    }
    Timer {
        interval: 50
        repeat: true
        running: view.home === null && view.inUse && !rootwindow.shutdown
        onTriggered: view.poll()
    }

    Text {
        objectName: "timerName"
        x: 3
        y: 0
        width: view.width - 24
        elide: Text.ElideRight
        text: view.inUse && view.name !== "" ? view.name : qsTr("Select timer!") + Language.emptyString
        color: rootwindow.rectTextColour
        font.family: rootwindow.fontFamily
        font.pixelSize: frameSize === DatabaseValue.TELEGUISIZE_Huge ? 14 : 11
    }
    Rectangle {
        objectName: "sign"
        x: view.width - 18
        y: 2
        width: 16
        height: 16
        radius: 8
        visible: !view.complex && view.signalType > DatabaseValue.KLX_WIDGET_ALARM_SIGNAL_TYP_NONE
        color: view.sign === 2 ? "#e03c31" : view.sign === 1 ? "#f0b400" : "#9a9a9a"
    }
    Text {
        objectName: "timeText"
        x: 3
        y: view.frameSize === DatabaseValue.TELEGUISIZE_Huge ? 26 : 14
        width: view.large ? view.width * 0.55 : view.width - 6
        height: view.frameSize === DatabaseValue.TELEGUISIZE_Huge ? 60 : view.height - y
        horizontalAlignment: view.large ? Text.AlignLeft : Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 9
        text: view.inUse ? view.timeText : qsTr("Empty timer") + Language.emptyString
        color: rootwindow.rectTextColour
        font.family: rootwindow.fontFamily
        font.bold: true
        font.pixelSize: view.frameSize === DatabaseValue.TELEGUISIZE_Huge ? 40 : 24
    }
    Column {
        visible: view.large && view.inUse
        x: view.frameSize === DatabaseValue.TELEGUISIZE_Huge ? 3 : view.width * 0.58
        y: view.frameSize === DatabaseValue.TELEGUISIZE_Huge ? 88 : 16
        Text {
            objectName: "stopLine"
            text: qsTr("Stop:") + Language.emptyString + " " + view.stopText
            color: rootwindow.rectTextColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 11
        }
        Text {
            objectName: "warnLine"
            visible: !view.complex && view.warnSeconds > 0
            text: qsTr("Warn:") + Language.emptyString + " " + view.clock(Math.floor(view.warnSeconds / 3600),
                                                                           Math.floor(view.warnSeconds / 60) % 60, view.warnSeconds % 60)
            color: rootwindow.rectTextColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 11
        }
    }

    Component.onCompleted: {
        read()
        poll()
    }
}
