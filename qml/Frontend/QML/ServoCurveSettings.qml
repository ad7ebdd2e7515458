import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The curve settings of one servo of one function: its centre, the servo,
// function or result curve as the engine computes it with the servo's
// limits and centre, the live position of the function's control and the
// read-outs of the chain from control to servo.
Item {
    id: settings
    objectName: "servoCurveSettings"
    property int funcId: 0
    property int servoId: 0
    property int mixerId: 0
    property int funcWayFullCtlrNeg: -100
    property int funcWayFullCtlrPos: 100
    property bool curveSource: false
    property bool travelPrepared: false
    property int centre: 0
    property int control: 0
    property int flightMode: 0
    property bool centreBar: false
    // "servo", "function" or "result"
    property string view: "servo"
    property int controlValue: 0
    property int pureValue: 0
    property int servoValue: 0
    property int mixersValue: 0
    property int functionValue: 0

    function failed(code) { return typeof code === "number" && code <= DatabaseValue.KLX_Error }
    function get(accessor) { return Database["KLX_DataBaseManagerServoConfigGetSet_" + accessor](servoId, mixerId, 0, DatabaseValue.AtomicDirGet) }

    function prepare() {
        var index = get("ServoMixer_ServoCurveIndex")
        curveSource = index >= 0 && index <= Database.KLX_DataBaseManagerGetMaxCurves() - 1
        var result = Database.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_SourceType(
                    servoId, mixerId, curveSource ? DatabaseValue.SRVMIXTYPE_FunctionCurve : DatabaseValue.SRVMIXTYPE_FunctionTravel,
                    DatabaseValue.AtomicDirSet, true)
        if (failed(result))
            errorHandler.processError(result)
        centre = Database.KLX_DataBaseManagerServoConfigGetSet_Centre(servoId, 0, DatabaseValue.AtomicDirGet)
        travelPrepared = !curveSource && RuntimeDatabase.KLX_RuntimeDatabaseManagerCreateTravelServoCurve(
                    get("ServoMixer_FuncTravelMin"), get("ServoMixer_FuncTravelMax"), centre)
    }
    function stepCentre(delta) {
        var value = Math.max(-200, Math.min(200, centre + delta))
        var result = Database.KLX_DataBaseManagerServoConfigGetSet_Centre(servoId, value, DatabaseValue.AtomicDirSet)
        if (failed(result)) {
            errorHandler.processError(result)
            return
        }
        prepare()
    }
    // Rounded half away from zero.
    function percent(value, scale) {
        var p = value * scale / 2047
        return (p < 0 ? -Math.round(-p) : Math.round(p)) + "%"
    }
    onCentreBarChanged: flyin.extended = centreBar

    Timer {
        interval: 50
        repeat: true
        running: !rootwindow.shutdown
        onTriggered: settings.calculate()
    }
    // The shown curve and the read-outs, as the engine computes them now.
    function calculate() {
        settings.flightMode = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetActualFlightMode()
        RuntimeDatabase.KLX_FunctionCalcCalculate(settings.funcId, settings.flightMode, false)
        if (settings.view !== "function") {
            if (settings.travelPrepared)
                RuntimeDatabase.KLX_TravelServoCurveCalc()
            else
                RuntimeDatabase.KLX_CalculateServoCurve(settings.funcId, settings.servoId)
        }
        plot.refresh()
        settings.controlValue = Database.KLX_DataBaseManagerGetValueOfControl(settings.control)
        settings.pureValue = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetPureFunctionData(settings.funcId)
        settings.servoValue = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetServoData(settings.servoId)
        settings.mixersValue = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetMixersAddData(settings.funcId)
        settings.functionValue = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetFunctionData(settings.funcId)
    }
    onViewChanged: calculate()

    ScreenHeading {
        id: heading
        objectName: "servoSettingsHeading"
        text: (qsTr("Servo") + Language.emptyString) + " " + (settings.servoId + 1) + ": "
              + Database.KLX_DataBaseManagerShownText(Database.KLX_DataBaseManagerServoConfigGetSet_Name(settings.servoId, "", DatabaseValue.AtomicDirGet)) + "  "
              + (qsTr("Function:") + Language.emptyString) + " "
              + Database.KLX_DataBaseManagerFunctionGetSet_Name(settings.funcId, "", DatabaseValue.AtomicDirGet)
    }

    Coords {
        id: plot
        objectName: "servoPlot"
        x: 5
        y: heading.height + 2
        width: 200
        height: parent.height - y - 5
        view: settings.view === "function" ? "function" : settings.view === "servo" && settings.travelPrepared ? "travel" : settings.view
        maxPercent: settings.view === "function" ? 100 : 200
        showLimits: settings.view !== "function"
        negLimit: Database.KLX_DataBaseManagerServoConfigGetSet_MinValue(settings.servoId, 0, DatabaseValue.AtomicDirGet)
        posLimit: Database.KLX_DataBaseManagerServoConfigGetSet_MaxValue(settings.servoId, 0, DatabaseValue.AtomicDirGet)
        centre: settings.centre
        control: settings.control
    }

    Column {
        id: panel
        x: plot.x + plot.width + 8
        y: heading.height + 2
        width: parent.width - x - 5
        spacing: 5
        SettingRow {
            labelWidth: 90
            label: qsTr("Center") + Language.emptyString
            buttonName: "servoCentre"
            valueWidth: panel.width - 95
            value: settings.centre + "%"
            active: settings.centreBar
            onClicked: settings.centreBar = !settings.centreBar
        }
        Row {
            spacing: 5
            GeneralPurposeLabel { width: 90; fontSize: 13; text: qsTr("Curve Editor") + Language.emptyString }
            GeneralPurposeButton {
                objectName: "editServoCurve"
                width: panel.width - 95
                gp_text: qsTr("Edit") + Language.emptyString
                onClicked: rootwindow.openScreen("qrc:/Frontend/QML/ServoCurveEditor.qml",
                                                 { functionId: settings.funcId, servoIndex: settings.servoId,
                                                   servoMxrIndex: settings.mixerId })
            }
        }
        GeneralPurposeLabel { width: panel.width; height: 18; fontSize: 13; text: qsTr("View") + Language.emptyString }
        Row {
            spacing: 3
            Repeater {
                model: [{ key: "servo", label: qsTr("Servo curve") + Language.emptyString },
                        { key: "function", label: qsTr("Function curve") + Language.emptyString },
                        { key: "result", label: qsTr("Result curve") + Language.emptyString }]
                GeneralPurposeButton {
                    objectName: "view_" + modelData.key
                    width: (panel.width - 6) / 3
                    fontSize: 11
                    fitText: true
                    gp_text: modelData.label
                    state: settings.view === modelData.key ? "active" : ""
                    onClicked: settings.view = modelData.key
                }
            }
        }
        Grid {
            columns: 2
            columnSpacing: 8
            rowSpacing: 0
            Repeater {
                model: [
                    { name: "readControl", label: qsTr("Control") + Language.emptyString, value: settings.percent(settings.controlValue, 100) },
                    { name: "readPure", label: qsTr("Function") + Language.emptyString, value: settings.percent(settings.pureValue, 100) },
                    { name: "readMixers", label: qsTr("Mixers") + Language.emptyString, value: settings.percent(settings.mixersValue, 100) },
                    { name: "readResult", label: qsTr("Result") + Language.emptyString, value: settings.percent(settings.functionValue, 100) },
                    { name: "readServo", label: qsTr("Servo") + Language.emptyString, value: settings.percent(settings.servoValue, 200) }
                ]
                Text {
                    objectName: modelData.name
                    width: (panel.width - 8) / 2
                    height: 17
                    text: modelData.label + ": " + modelData.value
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 12
                    elide: Text.ElideRight
                }
            }
        }
    }

    // The centre's bar: -10, -1, +1, +10.
    FlyinIncDec {
        id: flyin
        objectName: "centreFlyin"
        onStep: settings.stepCentre(delta)
        onOkClicked: settings.centreBar = false
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(funcId)
        systemHistory.addArg(servoId)
        systemHistory.addArg(mixerId)
        systemHistory.addEndOfArgs()
        control = Database.KLX_DataBaseManagerFunctionGetSet_Control(funcId, 0, DatabaseValue.AtomicDirGet)
        prepare()
        calculate()
    }
}
