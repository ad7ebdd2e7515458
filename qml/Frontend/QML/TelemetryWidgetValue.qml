import QtQuick 2.15
import DBValues 1.0
import "TelemetryFormat.js" as Format

// A value widget: the sensor's and the value's names, the live value with
// its decimals and unit (a status text, a coordinate) polled every 100 ms,
// and its sign: red or yellow from the widget's limits, else green, blinking
// in the alert colour while the alarm evaluation marks the slot. Several
// values on one widget are shown in turn, each for 3000 ms.
Item {
    id: view
    objectName: "teleValue_" + elementId

    property int pageId: -1
    property int elementId: -1
    property int frameSize: DatabaseValue.TELEGUISIZE_Small
    property int presetSign: 0
    // The home screen, whose beat turns the values of a widget that shows several.
    property var home: null

    // The widget's (sensor slot, value slot) pairs, and the one shown.
    property var pairs: []
    property int shown: 0
    property string sensorLabel: ""
    property string valueLabel: ""
    property string valueText: "---"
    property bool offline: false
    // Format.signNone .. signGreen, and the blink flag of the slot.
    property int sign: Format.signNone
    property int blinkFlag: 0
    property bool blinkPhase: true
    property int reportedError: 0
    // The address of the sensor shown (-1 before the first read); the
    // facade tells the home screen's beat of its changes only while shown.
    property int address: -1
    function showSensor(a) {
        if (a === address)
            return
        if (address >= 0)
            db.KLX_DataBaseManagerLiveValuesShowSensor(address, false)
        address = a
        db.KLX_DataBaseManagerLiveValuesShowSensor(a, true)
    }
    Component.onDestruction: if (address >= 0) db.KLX_DataBaseManagerLiveValuesShowSensor(address, false)

    readonly property QtObject db: Database
    readonly property int get: DatabaseValue.AtomicDirGet
    readonly property bool huge: frameSize === DatabaseValue.TELEGUISIZE_Huge
    readonly property bool medium: frameSize === DatabaseValue.TELEGUISIZE_Medium
    readonly property color markColour: {
        if (sign === Format.signRed) return "#e03c31"
        if (sign === Format.signYellow) return "#f0b400"
        if (blinkFlag > 0 && blinkPhase) return blinkFlag > 1 ? "#e03c31" : "#f0b400"
        if (sign === Format.signGreen && blinkFlag === 0) return "#2fa84f"
        return "#9a9a9a"
    }

    // A result the screen acts on that is an error: told once, the
    // previous value kept.
    function failed(result) {
        if (result > DatabaseValue.KLX_Error)
            return false
        if (reportedError !== result) {
            reportedError = result
            errorHandler.processError(result)
        }
        return true
    }

    function collectPairs() {
        var list = Format.valuePairs(db, pageId, elementId, get, DatabaseValue.KLX_True)
        pairs = list
        shown = 0
        if (list.length > 1)
            return
        // One pair or none: the sensor table's names.
        if (list.length === 0) {
            sensorLabel = qsTr("Select sensor!") + Language.emptyString
            valueLabel = qsTr("Select value!") + Language.emptyString
            return
        }
        var p = list[0]
        var address = db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(pageId, elementId, p.sensor, 0, get)
        var index = db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(pageId, elementId, p.sensor, p.value, 0, get)
        var name = db.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(address)
        sensorLabel = name !== "" ? name : qsTr("Select sensor!") + Language.emptyString
        var alias = db.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(address, index)
        valueLabel = alias !== "" ? alias : qsTr("Select value!") + Language.emptyString
    }

    function poll() {
        if (rootwindow.shutdown || shown >= pairs.length)
            return
        var s = pairs[shown].sensor
        var v = pairs[shown].value
        var captured = db.KLX_DataBaseManagerTelemetrieGetIsCaptured()
        var a = db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(pageId, elementId, s, 0, get)
        var i = db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(pageId, elementId, s, v, 0, get)
        if (failed(a) || failed(i))
            return
        showSensor(a)
        sensorLabel = db.KLX_DataBaseManagerGUITelemetrieGet_SensorNameOrAlias(pageId, elementId, s)
        valueLabel = db.KLX_DataBaseManagerGUITelemetrieGet_SlaveNameOrAlias(pageId, elementId, s, v)
        // The transmitter's own sensor (address 4) is shown before the capture too.
        if (a !== 4 && (db.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(a) === DatabaseValue.KLX_False
                        || captured !== DatabaseValue.KLX_True)) {
            valueText = "---"
            offline = false
            return
        }
        offline = db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(a) === DatabaseValue.KLX_True
        var colour = Format.signNone
        if (db.KLX_DataBaseManagerTelemetrieGet_Slave_HasStatus(a, i) === DatabaseValue.KLX_True) {
            valueText = db.KLX_DataBaseManagerTelemetrieGetSlaveStatus(a, i)
            var alarm = db.KLX_DataBaseManagerTelemetrieGet_Slave_Alarm(a, i, get)
            if (alarm > DatabaseValue.KLX_Error && (alarm & 1))
                colour = Format.signRed
        } else if (db.KLX_DataBaseManagerTelemetrieGetHasSensorGPS(a) === DatabaseValue.KLX_True
                   && db.KLX_DataBaseManagerTelemetrieGet_Slave_HasGPS(a, i) === DatabaseValue.KLX_True
                   && (i % 8 === 4 || i % 8 === 6)) {
            valueText = i % 8 === 4 ? Format.coordinate(db.KLX_DataBaseManagerTelemetrieGetLongtitude(a, i), true)
                                    : Format.coordinate(db.KLX_DataBaseManagerTelemetrieGetLatitude(a, i), false)
        } else {
            var raw = db.KLX_DataBaseManagerTelemetrieGetSlaveValue(a, i)
            var d = Format.decimals(db.KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(a, i), DatabaseValue.DECIMALSEPARATOR_silent)
            var unit = db.KLX_DataBaseManagerTelemetrieGetSlaveUnit(a, i)
            valueText = Format.scaled(raw, d) + (unit !== "" ? " " + unit : "")
            // The limits are in the reading's own scale: compared as they are.
            colour = Format.signColour(raw,
                db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelow(pageId, elementId, s, v, 0, get),
                db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelow(pageId, elementId, s, v, 0, get),
                db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove(pageId, elementId, s, v, 0, get),
                db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(pageId, elementId, s, v, 0, get))
        }
        sign = colour
        if (colour === Format.signRed || colour === Format.signYellow) {
            blinkFlag = 0
        } else {
            var flag = db.KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(pageId, elementId, s, v, 0, get)
            blinkFlag = flag > 0 ? flag : 0
        }
    }

    // Every 100 ms: on the home screen's beat, so that all views of a page
    // change in one frame, when the beat names its sensor (or all); alone,
    // on a timer of its own.
    Connections {
        target: view.pairs.length > 0 ? view.home : null
        function onValueBeat(sensors) {
            if (sensors === null || sensors.indexOf(view.address) >= 0)
                view.poll()
        }
    }
    Timer {
        interval: 100
        repeat: true
        running: view.home === null && !rootwindow.shutdown && view.pairs.length > 0
        onTriggered: view.poll()
    }
    // The blink of an offline value and of a marked sign.
    Timer {
        interval: 500
        repeat: true
        running: view.offline || view.blinkFlag > 0
        onTriggered: view.blinkPhase = !view.blinkPhase
        onRunningChanged: if (!running) view.blinkPhase = true
    }
    // Several values: the next one with the home screen's 3000 ms beat.
    Connections {
        target: view.pairs.length > 1 ? view.home : null
        function onBlinkingTextSync() {
            view.shown = (view.shown + 1) % view.pairs.length
            view.poll()
        }
    }

    Text {
        id: sensorText
        objectName: "sensorLabel"
        x: 3
        y: view.huge ? 2 : 0
        width: (view.medium ? 100 : view.width) - 28
        elide: Text.ElideRight
        text: view.sensorLabel
        color: rootwindow.rectTextColour
        font.family: rootwindow.fontFamily
        font.pixelSize: view.huge ? 14 : 11
    }
    Text {
        objectName: "valueLabel"
        x: 3
        y: sensorText.y + sensorText.height
        width: (view.medium ? 100 : view.width) - 6
        elide: Text.ElideRight
        text: view.valueLabel
        color: rootwindow.rectTextColour
        opacity: 0.75
        font.family: rootwindow.fontFamily
        font.pixelSize: view.huge ? 13 : 10
    }
    Text {
        objectName: "valueText"
        x: view.medium ? 100 : 3
        y: view.medium ? 14 : view.huge ? 44 : 26
        width: view.width - x - 3
        height: view.medium ? view.height - 16 : view.huge ? view.height - 50 : view.height - 27
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 9
        text: view.valueText
        visible: !view.offline || view.blinkPhase
        color: rootwindow.rectTextColour
        font.family: rootwindow.fontFamily
        font.bold: true
        font.pixelSize: view.huge ? 36 : view.medium ? 26 : 20
    }
    // The sign, with the information mark in it.
    Rectangle {
        objectName: "sign"
        x: view.width - 18
        y: 2
        width: 16
        height: 16
        radius: 8
        color: view.markColour
        Text {
            anchors.centerIn: parent
            text: "i"
            color: "white"
            font.family: rootwindow.fontFamily
            font.bold: true
            font.pixelSize: 11
        }
    }

    Component.onCompleted: {
        collectPairs()
        poll()
        // An alarm opened the page: its sign shows from the first frame.
        if (presetSign === 2)
            sign = Format.signRed
        else if (presetSign === 1)
            sign = Format.signYellow
    }
}
