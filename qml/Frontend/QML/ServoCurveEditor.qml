import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The curve of one servo-mixer slot, edited point by point. A slot without
// a curve gets a new one that starts as the servo's ways and centre.
Item {
    id: servoCurve
    objectName: "servoCurveEditor"
    property int functionId: 0
    property int servoIndex: 0
    property int servoMxrIndex: 0
    property int curve: -1
    property bool disabled: false
    readonly property bool editable: curve > 0 && !disabled && !task.running

    function failed(code) { return typeof code === "number" && code <= DatabaseValue.KLX_Error }
    function mixerField(name, value, set) {
        var accessor = "KLX_DataBaseManagerServoConfigGetSet_ServoMixer_" + name
        return set ? Database[accessor](servoIndex, servoMxrIndex, value, DatabaseValue.AtomicDirSet, true)
                   : Database[accessor](servoIndex, servoMxrIndex, 0, DatabaseValue.AtomicDirGet)
    }
    // The curve the servo's ways and centre make.
    function prepareTravel() {
        var centre = Database.KLX_DataBaseManagerServoConfigGetSet_Centre(servoIndex, 0, DatabaseValue.AtomicDirGet)
        return RuntimeDatabase.KLX_RuntimeDatabaseManagerCreateTravelServoCurve(mixerField("FuncTravelMin"), mixerField("FuncTravelMax"), centre)
    }
    function writeTravel(c) {
        for (var i = 0; i < Database.KLX_DataBaseManagerGetMaxCurevPoints(); ++i) {
            var r = Database.KLX_DataBaseManagerCurveGetSet_CurveValue(c, i, RuntimeDatabase.KLX_RuntimeDatabaseManagerGetCreatedServoCurveVal(i),
                                                                       DatabaseValue.AtomicDirSet, true)
            if (failed(r))
                return r
        }
        return DatabaseValue.KLX_Ok
    }

    function begin() {
        var c = mixerField("ServoCurveIndex")
        if (c <= 0 || c >= Database.KLX_DataBaseManagerGetMaxCurves()) {
            prepareTravel()
            task.loadUnit(GuiCmdData.KLX_TASK_PARA_MODEL_Curve, 0, GuiCmdData.KLX_TASK_PARA_NEW)
            return
        }
        var r = mixerField("SourceType", DatabaseValue.SRVMIXTYPE_FunctionCurve, true)
        if (failed(r))
            errorHandler.processError(r)
        curve = c
        panel.load(c)
    }
    function adopt(fresh) {
        var valid = fresh >= 1 && fresh < Database.KLX_DataBaseManagerGetMaxCurves()
        if (!valid) {
            mixerField("SourceType", DatabaseValue.SRVMIXTYPE_FunctionTravel, true)
            disabled = true
            return
        }
        var results = [
            Database.KLX_DataBaseManagerCurveGetSet_IsUsed(fresh, DatabaseValue.KLX_True, DatabaseValue.AtomicDirSet, true),
            writeTravel(fresh),
            Database.KLX_DataBaseManagerCurveGetSet_IsSmoothed(fresh, 0, DatabaseValue.AtomicDirSet, true),
            Database.KLX_DataBaseManagerCurveGetSet_RealPoints(fresh, RuntimeDatabase.KLX_RuntimeDatabaseManagerGetCreatedServoCurve_RealPoints(),
                                                              DatabaseValue.AtomicDirSet, true),
            mixerField("ServoCurveIndex", fresh, true),
            mixerField("SourceType", DatabaseValue.SRVMIXTYPE_FunctionCurve, true)
        ]
        for (var i = 0; i < results.length; ++i) {
            if (failed(results[i])) {
                errorHandler.processError(results[i])
                disabled = true
                return
            }
        }
        curve = fresh
        panel.load(fresh)
    }
    // The ways and centre again, as a fresh curve.
    function reset() {
        if (!editable)
            return
        prepareTravel()
        var count = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetCreatedServoCurve_RealPoints()
        if (!panel.check(Database.KLX_DataBaseManagerCurveGetSet_RealPoints(curve, count, DatabaseValue.AtomicDirSet, true)))
            return
        if (editor.special3PointsMode && count === 3)
            panel.setSmooth(false)
        if (panel.check(writeTravel(curve)))
            panel.load(curve)
    }

    ModelTask {
        id: task
        onDone: servoCurve.adopt(newIndex)
        onFailed: servoCurve.disabled = true
    }
    Timer {
        interval: 250
        repeat: true
        running: servoCurve.curve >= 0 && !rootwindow.shutdown
        onTriggered: panel.redraw()
    }

    Coords_CurveEditor {
        id: editor
        objectName: "servoCurveDrawing"
        x: 5
        y: 5
        width: 235
        height: parent.height - 10
        maxPercent: 200
        minPercent: -200
        special3PointsMode: realPoints === 3
        control: Database.KLX_DataBaseManagerFunctionGetSet_Control(servoCurve.functionId, 0, DatabaseValue.AtomicDirGet)
    }

    CurveEditPanel {
        id: panel
        x: editor.x + editor.width + 8
        y: 5
        width: parent.width - x - 5
        editor: editor
        editable: servoCurve.editable
        title: (qsTr("Servo") + Language.emptyString) + " " + (servoCurve.servoIndex + 1) + ": "
               + Database.KLX_DataBaseManagerShownText(Database.KLX_DataBaseManagerServoConfigGetSet_Name(servoCurve.servoIndex, "", DatabaseValue.AtomicDirGet))
        onResetChosen: servoCurve.reset()
        onValueSelectedChanged: flyin.extended = valueSelected
    }

    FlyinIncDec {
        id: flyin
        objectName: "servoCurveFlyin"
        onStep: panel.step(delta)
        onOkClicked: panel.valueSelected = false
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(functionId)
        systemHistory.addArg(servoIndex)
        systemHistory.addArg(servoMxrIndex)
        systemHistory.addEndOfArgs()
        begin()
    }
}
