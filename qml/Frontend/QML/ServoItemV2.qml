import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// One servo of one function: its name and number, both limits, both ways of
// its servo-mixer slot, its centre and direction, each value as whole percent
// plus hundredths. A press selects a value for the screen's value bar, a
// press-and-hold resets it; while a way or the centre is selected, moving a
// control of a function that drives the servo selects the way or centre on
// that side.
Item {
    id: item
    // The facade once: a name of the context is looked up through every
    // import each time it is used, a property of the screen is not.
    readonly property QtObject db: Database
    property int servo: 0
    property int mixer: 0
    property int functionId: 0
    property bool showFunctionName: false
    // "", "min", "wayMin", "centre", "wayMax", "max"
    property string selectedField: ""
    property int revision: 0
    signal nameClicked()
    signal numberHeld()
    signal fieldSelected(string field)

    width: 470
    height: 75

    function failed(code) { return typeof code === "number" && code <= DatabaseValue.KLX_Error }
    function servoName() { return db.KLX_DataBaseManagerShownText(db.KLX_DataBaseManagerServoConfigGetSet_Name(servo, "", DatabaseValue.AtomicDirGet)) }
    function shortName(name) { return name.length > 16 ? name.substring(0, 14) : name }

    // The whole-percent and hundredths accessors of a field.
    // [whole, hundredths, whether the field is the servo-mixer slot's]
    function accessorsOf(name) {
        switch (name) {
        case "min": return ["MinValue", "BsPtsMinValueAdd", false]
        case "max": return ["MaxValue", "BsPtsMaxValueAdd", false]
        case "centre": return ["Centre", "BsPtsCentreAdd", false]
        case "wayMin": return ["ServoMixer_FuncTravelMin", "ServoMixer_BsPtsFuncTravelMinAdd", true]
        }
        return ["ServoMixer_FuncTravelMax", "ServoMixer_BsPtsFuncTravelMaxAdd", true]
    }
    function read(name, hundredths) {
        var a = accessorsOf(name)
        var accessor = "KLX_DataBaseManagerServoConfigGetSet_" + a[hundredths ? 1 : 0]
        return a[2] ? db[accessor](servo, mixer, 0, DatabaseValue.AtomicDirGet)
                    : db[accessor](servo, 0, DatabaseValue.AtomicDirGet)
    }
    function write(name, hundredths, value) {
        var a = accessorsOf(name)
        var accessor = "KLX_DataBaseManagerServoConfigGetSet_" + a[hundredths ? 1 : 0]
        return a[2] ? db[accessor](servo, mixer, value, DatabaseValue.AtomicDirSet, true)
                    : db[accessor](servo, value, DatabaseValue.AtomicDirSet, true)
    }
    // The value in hundredths of a percent.
    function hundredthsOf(name) {
        var whole = read(name, false)
        var fraction = read(name, true)
        return failed(whole) || failed(fraction) ? 0 : whole * 100 + fraction
    }
    function shownText(name) { return (hundredthsOf(name) / 100).toFixed(1) }

    // A positive step adds (or with decrement subtracts) whole percent; the
    // basis-point step (-10) moves the hundredths by 10 instead.
    function change(name, stepValue, decrement) {
        var result
        if (stepValue === -10) {
            var fraction = read(name, true)
            result = failed(fraction) ? fraction : write(name, true, fraction + (decrement ? -10 : 10))
        } else {
            var whole = read(name, false)
            result = failed(whole) ? whole : write(name, false, whole + (decrement ? -stepValue : stepValue))
        }
        if (failed(result))
            errorHandler.processError(result)
        revision++
    }
    function reset(name) {
        var result
        switch (name) {
        case "min": result = db.KLX_DataBaseManagerServoConfigReset_MinValue(servo); break
        case "max": result = db.KLX_DataBaseManagerServoConfigReset_MaxValue(servo); break
        case "centre": result = db.KLX_DataBaseManagerServoConfigReset_Centre(servo); break
        case "wayMin": result = db.KLX_DataBaseManagerServoConfigReset_ServoMixer_FuncTravelMin(servo, mixer); break
        case "wayMax": result = db.KLX_DataBaseManagerServoConfigReset_ServoMixer_FuncTravelMax(servo, mixer); break
        }
        if (failed(result))
            errorHandler.processError(result)
        revision++
    }

    // "Norm" or "Rev" by the two ways.
    function reversed() {
        var lo = hundredthsOf("wayMin")
        var hi = hundredthsOf("wayMax")
        if (lo <= 0 && hi >= 0)
            return false
        if (lo >= 0 && hi < 0)
            return true
        return lo > hi
    }
    readonly property bool isReversed: (revision, reversed())
    readonly property bool curveSource: (revision, db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_SourceType(
                                             servo, mixer, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.SRVMIXTYPE_FunctionCurve)
    function pressDirection() {
        var result = curveSource
                ? db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_SourceType(servo, mixer, DatabaseValue.SRVMIXTYPE_FunctionTravel,
                                                                                      DatabaseValue.AtomicDirSet, true)
                : db.KLX_DataBaseManagerServoMixerReverse(servo, mixer)
        if (failed(result))
            errorHandler.processError(result)
        revision++
    }

    function select(name) {
        selectedField = name
        takeStartValues()
        fieldSelected(name)
    }
    function deselect() {
        selectedField = ""
        takeStartValues()
    }

    // ---- selection by moving a control ----
    property var inputs: []          // controls of the functions that drive this servo
    property var startValues: []
    property int watched: 0
    function readInputs() {
        var list = []
        var functions = db.KLX_DataBaseManagerGetMaxFunctions()
        var slots = db.KLX_DataBaseManagerGetMaxServosPerFunction()
        for (var f = 0; f < functions; ++f) {
            if (db.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, DatabaseValue.AtomicDirGet) !== DatabaseValue.KLX_True)
                continue
            for (var s = 0; s < slots; ++s) {
                if (db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, s, 0, DatabaseValue.AtomicDirGet) === servo) {
                    var control = db.KLX_DataBaseManagerFunctionGetSet_Control(f, 0, DatabaseValue.AtomicDirGet)
                    if (control > 0 && list.indexOf(control) < 0)
                        list.push(control)
                    break
                }
            }
        }
        inputs = list
    }
    function liveValue(control) { return db.KLX_DataBaseManagerGetSet_ControlValueByControl(control, 0, DatabaseValue.AtomicDirGet) }
    function takeStartValues() {
        watched = 0
        startValues = inputs.map(function(c) { return item.liveValue(c) })
    }
    Timer {
        interval: 200
        repeat: true
        running: (item.selectedField === "wayMin" || item.selectedField === "wayMax" || item.selectedField === "centre")
                 && !rootwindow.shutdown
        onTriggered: {
            if (item.watched === 0) {
                for (var i = 0; i < item.inputs.length; ++i) {
                    if (Math.abs(item.liveValue(item.inputs[i]) - item.startValues[i]) > 800) {
                        item.watched = item.inputs[i]
                        break
                    }
                }
                if (item.watched === 0)
                    return
            }
            var v = item.liveValue(item.watched)
            var field = v < -800 ? "wayMin" : v > 800 ? "wayMax" : "centre"
            if (field !== item.selectedField) {
                item.selectedField = field
                item.fieldSelected(field)
            }
        }
    }

    // ---- the two lines ----
    Row {
        x: 0
        y: 2
        spacing: 5
        GeneralPurposeLabel {
            objectName: "servoFunction_" + item.servo
            width: item.showFunctionName ? 110 : 0
            visible: item.showFunctionName
            fontSize: 13
            bold: true
            text: item.showFunctionName ? db.KLX_DataBaseManagerFunctionGetSet_Name(item.functionId, "", DatabaseValue.AtomicDirGet) : ""
        }
        GeneralPurposeButton {
            objectName: "servoName_" + item.servo
            width: item.showFunctionName ? 150 : 200
            fontSize: 13
            gp_text: (item.revision, item.shortName(item.servoName()))
            onClicked: {
                item.deselect()
                item.nameClicked()
            }
        }
        Rectangle {
            objectName: "servoNumber_" + item.servo
            width: 85
            height: 30
            color: "transparent"
            Text {
                anchors.fill: parent
                text: (qsTr("Servo") + Language.emptyString) + " " + (item.servo + 1)
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 13
                verticalAlignment: Text.AlignVCenter
            }
            MouseArea {
                anchors.fill: parent
                pressAndHoldInterval: 800
                onPressAndHold: item.numberHeld()
            }
        }
        GeneralPurposeButton {
            objectName: "servoSetup_" + item.servo
            width: item.width - (item.showFunctionName ? 110 + 5 + 150 : 200) - 85 - 10
            fontSize: 13
            gp_text: qsTr("Setup") + Language.emptyString
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/ServoCurveSettings.qml",
                                             { funcId: item.functionId, servoId: item.servo, mixerId: item.mixer,
                                               funcWayFullCtlrNeg: -100, funcWayFullCtlrPos: 100 })
        }
    }
    Row {
        y: 38
        spacing: 4
        readonly property int cell: (item.width - 5 * 4) / 6
        Repeater {
            model: item.isReversed ? ["min", "wayMax", "centre", "wayMin", "max"] : ["min", "wayMin", "centre", "wayMax", "max"]
            GeneralPurposeButton {
                objectName: "servo_" + item.servo + "_" + modelData
                width: parent.cell
                fontSize: 13
                gp_text: (item.revision, item.shownText(modelData))
                state: item.selectedField === modelData ? "active" : ""
                onClicked: item.select(modelData)
                onLongclicked: item.reset(modelData)
            }
        }
        GeneralPurposeButton {
            objectName: "servoDirection_" + item.servo
            width: parent.cell
            fontSize: 13
            gp_text: item.curveSource ? qsTr("Reset curve") + Language.emptyString
                                      : item.isReversed ? qsTr("Rev") + Language.emptyString : qsTr("Norm") + Language.emptyString
            onClicked: item.pressDirection()
        }
    }

    Component.onCompleted: {
        readInputs()
        takeStartValues()
    }
}
