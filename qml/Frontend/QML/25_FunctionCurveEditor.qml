import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The curve of one function in one flight mode, edited point by point. A
// curve that another function or flight mode also uses (or the permanent
// curve 0) is copied to a new curve first, so that an edit changes this
// function only.
Item {
    id: curveScreen
    objectName: "functionCurveEditor"
    property int functionId: -1
    property int fmStore: 0
    property bool setupCurve: false     // the flight mode's own curve, else the global one
    property int curve: -1
    property int sourceCurve: 0
    property bool disabled: false
    readonly property bool editable: curve > 0 && !disabled && !task.running

    function failed(code) { return typeof code === "number" && code <= DatabaseValue.KLX_Error }
    function get(accessor, a, b) {
        return b === undefined ? Database[accessor](a, 0, DatabaseValue.AtomicDirGet)
                               : Database[accessor](a, b, 0, DatabaseValue.AtomicDirGet)
    }
    function validCurve(c) { return c >= 0 && c < Database.KLX_DataBaseManagerGetMaxCurves() }
    function functionUsed(f) { return get("KLX_DataBaseManagerFunctionGetSet_IsUsed", f) === DatabaseValue.KLX_True }

    // The curve edited now: the set-up curve of fmStore when the function
    // follows that flight mode, else its global curve; -1 none.
    function readCurve() {
        setupCurve = Database.KLX_DataBaseManager_IsFunctionFlightModeDependent(functionId, fmStore) === DatabaseValue.KLX_True
        var c = setupCurve ? get("KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx", functionId, fmStore)
                           : get("KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx", functionId)
        return validCurve(c) ? c : -1
    }
    // Whether another function (or another flight mode) draws on curve c.
    function sharedCurve(c) {
        var functions = Database.KLX_DataBaseManagerGetMaxFunctions()
        for (var f = 0; f < functions; ++f) {
            if (!functionUsed(f))
                continue
            if (!setupCurve) {
                if (f !== functionId && get("KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx", f) === c)
                    return true
                continue
            }
            for (var fm = 0; fm <= 12 && fm < Database.KLX_DataBaseManagerGetMaxFlightmodes(); ++fm) {
                if (f === functionId && fm === fmStore)
                    continue
                if (get("KLX_DataBaseManagerFlightmodeGetSet_IsUsed", fm) !== DatabaseValue.KLX_True)
                    continue
                if (get("KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx", f, fm) === c)
                    return true
            }
        }
        return false
    }

    function begin() {
        var c = readCurve()
        var own = c > 0 && !sharedCurve(c)
                && !(setupCurve && c === get("KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx", functionId))
        if (own) {
            show(c)
            return
        }
        sourceCurve = c < 0 ? 0 : c
        curve = -1
        editor.refreshCurve(sourceCurve, isSmoothed(sourceCurve), false)
        task.loadUnit(GuiCmdData.KLX_TASK_PARA_MODEL_Curve, 0, GuiCmdData.KLX_TASK_PARA_NEW)
    }
    function isSmoothed(c) { return get("KLX_DataBaseManagerCurveGetSet_IsSmoothed", c) === DatabaseValue.KLX_True }
    function show(c) {
        curve = c
        panel.load(c)
    }

    // The new curve takes the source's points, smoothing and point count and
    // becomes this function's curve.
    function adopt(fresh) {
        if (!validCurve(fresh) || fresh === 0) {
            disabled = true
            return
        }
        var steps = [
            function() { return Database.KLX_DataBaseManagerCurveGetSet_IsUsed(fresh, DatabaseValue.KLX_True, DatabaseValue.AtomicDirSet, true) },
            function() {
                return curveScreen.setupCurve
                        ? Database.KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(functionId, fmStore, fresh, DatabaseValue.AtomicDirSet, true)
                        : Database.KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx(functionId, fresh, DatabaseValue.AtomicDirSet, true)
            }
        ]
        for (var s = 0; s < steps.length; ++s) {
            var r = steps[s]()
            if (failed(r)) {
                errorHandler.processError(r)
                disabled = true
                return
            }
        }
        for (var p = 0; p < Database.KLX_DataBaseManagerGetMaxCurevPoints(); ++p) {
            var v = get("KLX_DataBaseManagerCurveGetSet_CurveValue", sourceCurve, p)
            Database.KLX_DataBaseManagerCurveGetSet_CurveValue(fresh, p, v, DatabaseValue.AtomicDirSet, true)
        }
        Database.KLX_DataBaseManagerCurveGetSet_IsSmoothed(fresh, isSmoothed(sourceCurve) ? 1 : 0, DatabaseValue.AtomicDirSet, true)
        Database.KLX_DataBaseManagerCurveGetSet_RealPoints(fresh, get("KLX_DataBaseManagerCurveGetSet_RealPoints", sourceCurve),
                                                          DatabaseValue.AtomicDirSet, true)
        show(fresh)
    }

    function reset() {
        if (editable && panel.check(Database.KLX_DataBaseManagerCurveSetCurveToDefault(curve, true)))
            show(curve)
    }

    ModelTask {
        id: task
        onDone: curveScreen.adopt(newIndex)
        onFailed: curveScreen.disabled = true
    }

    Connections {
        target: Database
        function onFlightModeChanged(from, to) {
            if (task.running)
                return
            curveScreen.fmStore = rootwindow.currentFlightMode()
            curveScreen.begin()
        }
    }
    Timer {
        interval: 250
        repeat: true
        running: curveScreen.curve >= 0 && !rootwindow.shutdown
        onTriggered: panel.redraw()
    }

    Coords_CurveEditor {
        id: editor
        objectName: "curveEditor"
        x: 5
        y: 5
        width: 235
        height: parent.height - 10
        control: Database.KLX_DataBaseManagerFunctionGetSet_Control(curveScreen.functionId, 0, DatabaseValue.AtomicDirGet)
        functionId: curveScreen.functionId
        flightMode: curveScreen.fmStore
    }

    CurveEditPanel {
        id: panel
        x: editor.x + editor.width + 8
        y: 5
        width: parent.width - x - 5
        editor: editor
        editable: curveScreen.editable
        title: Database.KLX_DataBaseManagerFunctionGetSet_Name(curveScreen.functionId, "", DatabaseValue.AtomicDirGet)
        onResetChosen: curveScreen.reset()
        onValueSelectedChanged: flyin.extended = valueSelected
    }

    FlyinIncDec {
        id: flyin
        objectName: "curveFlyin"
        onStep: panel.step(delta)
        onOkClicked: panel.valueSelected = false
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(functionId)
        systemHistory.addArg(fmStore)
        systemHistory.addEndOfArgs()
        begin()
    }
    Component.onDestruction: upperFrame.unlockFightMode()
}
