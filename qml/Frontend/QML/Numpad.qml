import QtQuick 2.15

// The numeric pad: keeps its value itself (rawData, with decPoint decimals
// shown) and hands it to its owner on OK. Digits beyond inputLength roll the
// oldest digit out; in time format the digits read as hh:mm:ss.
Rectangle {
    id: pad
    property var sender: null
    property int inputLength: 5
    property int rawData: 0
    property real rawDataDbl: NaN
    property int decPoint: 0
    property bool latchPoint: false
    property bool showPlusMinus: true
    property bool showDecimalPoint: false
    property bool timeFormat: false
    property bool notAllowed: timeFormat && !timeAllowed(rawData)
    property bool clearMarked: false
    signal okClicked()

    width: 134
    height: 215
    radius: 4
    color: rootwindow.contrast_sheme === 0 ? "#202020" : "#d8d8d8"
    border.width: 1
    border.color: rootwindow.textColour

    readonly property string output: forceOutput(rawData, decPoint, latchPoint, timeFormat)
    readonly property bool outOfRange: !timeFormat && (rawData < -32768 || rawData > 32767)

    function digitCount(value) { return String(Math.abs(value)).length }
    function pad2(text) { return text.length >= 2 ? text : ("00" + text).slice(-2) }

    // What the field shows for a value.
    function forceOutput(value, decimals, latched, time) {
        if (time) {
            var digits = String(Math.abs(value))
            var seconds = digits.slice(-2)
            var minutes = digits.length > 2 ? digits.slice(-4, -2) : ""
            var hours = digits.length > 4 ? digits.slice(0, -4) : ""
            return pad2(hours) + ":" + pad2(minutes) + ":" + pad2(seconds)
        }
        var text
        if (decimals >= 1 && decimals <= 253) {
            var negative = value < 0
            var whole = String(Math.abs(value))
            while (whole.length <= decimals)
                whole = "0" + whole
            text = (negative ? "-" : "") + whole.slice(0, whole.length - decimals) + "." + whole.slice(whole.length - decimals)
        } else {
            text = String(value)
        }
        return latched && decimals === 0 ? text + "." : text
    }
    function timeAllowed(value) {
        var v = Math.abs(value)
        var seconds = v % 100
        var minutes = Math.floor(v / 100) % 100
        var hours = Math.floor(v / 10000)
        return hours * 3600 + minutes * 60 + seconds < 32767 && minutes <= 59 && seconds <= 59
    }

    function digit(d) {
        clearMarked = false
        var negative = rawData < 0
        var count = digitCount(rawData)
        if (latchPoint && (rawData === 0 || count < inputLength))
            decPoint = inputLength > 0 ? (decPoint + 1) % inputLength : 0
        var magnitude
        if (rawData === 0) {
            magnitude = d
            negative = false
        } else if (count >= inputLength) {
            var digits = String(Math.abs(rawData))
            magnitude = parseInt(digits.slice(digits.length - inputLength + 1) + d, 10)
        } else {
            magnitude = Math.abs(rawData) * 10 + d
        }
        rawData = negative ? -magnitude : magnitude
        if (latchPoint && digitCount(rawData) >= inputLength)
            latchPoint = false
    }
    function point() {
        clearMarked = false
        if (digitCount(rawData) < inputLength) {
            if (decPoint > 0) {
                rawData = Math.trunc(rawData / Math.pow(10, decPoint))
                decPoint = 0
                latchPoint = false
            } else {
                latchPoint = !latchPoint
            }
        } else if (inputLength > 0) {
            decPoint = (decPoint + 1) % inputLength
        }
    }
    function negate() {
        clearMarked = false
        rawData = -rawData
    }
    function deleteLast() {
        if (clearMarked) {
            clearMarked = false
            rawData = 0
            decPoint = 0
            latchPoint = false
            return
        }
        if (latchPoint && decPoint === 0) {
            latchPoint = false
            return
        }
        rawData = Math.abs(rawData) < 10 ? 0 : Math.trunc(rawData / 10)
        if (decPoint > 0)
            decPoint -= 1
    }
    function holdDelete() { clearMarked = !clearMarked }
    function ok() {
        clearMarked = false
        if (timeFormat && !timeAllowed(rawData))
            return
        okClicked()
    }

    onRawDataDblChanged: {
        if (isNaN(rawDataDbl) || sender === null)
            return
        latchPoint = false
        decPoint = sender.getFractionSigns(rawDataDbl)
        rawData = sender.extractSignificantDigits(rawDataDbl, decPoint)
    }

    Rectangle {
        id: field
        x: 4
        y: 4
        width: pad.width - 8 - 36
        height: 30
        radius: 3
        color: pad.clearMarked ? "darkblue" : rootwindow.backColour
        border.width: pad.notAllowed || pad.outOfRange ? 2 : 1
        border.color: pad.notAllowed || pad.outOfRange ? "red" : rootwindow.textColour
        Text {
            objectName: "numpadValue"
            anchors.fill: parent
            anchors.rightMargin: 4
            horizontalAlignment: Text.AlignRight
            verticalAlignment: Text.AlignVCenter
            text: pad.output
            color: pad.clearMarked ? "white" : rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 16
        }
    }
    KeyboardKey {
        objectName: "numpad_delete"
        x: field.x + field.width + 2
        y: 4
        width: 32
        height: 30
        label: "\u232b"
        onTyped: pad.deleteLast()
        onHeld: pad.holdDelete()
    }

    Grid {
        x: 4
        y: 38
        columns: 3
        spacing: 2
        Repeater {
            model: ["7", "8", "9", "4", "5", "6", "1", "2", "3", "+/-", "0", "."]
            KeyboardKey {
                objectName: "numpad_" + modelData
                width: 40
                height: 32
                label: modelData
                visible: modelData === "+/-" ? pad.showPlusMinus
                       : modelData === "." ? pad.showPlusMinus && pad.showDecimalPoint : true
                onTyped: {
                    if (modelData === "+/-")
                        pad.negate()
                    else if (modelData === ".")
                        pad.point()
                    else
                        pad.digit(parseInt(modelData, 10))
                }
            }
        }
    }
    KeyboardKey {
        objectName: "numpad_ok"
        x: 4
        y: pad.height - 40
        width: pad.width - 8
        height: 36
        label: qsTr("OK") + Language.emptyString
        onTyped: pad.ok()
    }
}
