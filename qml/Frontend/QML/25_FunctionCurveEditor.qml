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
    property bool smoothed: false
    property bool disabled: false
    property bool valueSelected: false
    readonly property bool editable: curve > 0 && !disabled && !task.running
    readonly property var pointChoices: [3, 5, 9, 17, 33]

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
        smoothed = isSmoothed(c)
        editor.selectedPoint = 0
        editor.refreshCurve(c, smoothed, false)
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

    function check(result) {
        if (failed(result))
            errorHandler.processError(result)
        return !failed(result)
    }
    // Any point or count change makes the curve raw first.
    function toRaw() {
        if (smoothed && check(editor.storeSmoothed(false)))
            smoothed = false
    }
    function setPoints(count) {
        if (!editable)
            return
        toRaw()
        check(editor.storeRealPoints(count))
    }
    function step(delta) {
        if (!editable)
            return
        toRaw()
        var v = Math.max(-2047, Math.min(2047, editor.selectedValue + Math.round(2047 * delta / editor.maxPercent)))
        if (check(Database.KLX_DataBaseManagerCurveGetSet_CurveValue(curve, editor.calculationPoint, v, DatabaseValue.AtomicDirSet, true)))
            check(editor.refreshCurve(curve, smoothed, true))
    }
    function setSmooth(on) {
        if (!editable || on === smoothed)
            return
        if (check(editor.storeSmoothed(on)))
            smoothed = on
    }
    function reset() {
        if (editable && check(Database.KLX_DataBaseManagerCurveSetCurveToDefault(curve, true)))
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
            curveScreen.fmStore = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetActualFlightMode()
            curveScreen.begin()
        }
    }
    Timer {
        interval: 250
        repeat: true
        running: curveScreen.curve >= 0 && !rootwindow.shutdown
        onTriggered: editor.refreshCurve(curveScreen.curve, curveScreen.smoothed, false)
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

    Column {
        id: panel
        x: editor.x + editor.width + 8
        y: 5
        width: parent.width - x - 5
        spacing: 5
        Text {
            width: parent.width
            height: 20
            text: Database.KLX_DataBaseManagerFunctionGetSet_Name(curveScreen.functionId, "", DatabaseValue.AtomicDirGet)
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 15
            font.bold: true
            elide: Text.ElideRight
        }
        GeneralPurposeLabel { width: parent.width; height: 20; fontSize: 13; text: qsTr("Points") + Language.emptyString }
        Row {
            spacing: 3
            Repeater {
                model: curveScreen.pointChoices
                GeneralPurposeButton {
                    objectName: "points_" + modelData
                    width: (panel.width - 12) / 5
                    fontSize: 13
                    gp_text: modelData
                    state: !curveScreen.editable ? "disabled" : editor.realPoints === modelData ? "active" : ""
                    onClicked: curveScreen.setPoints(modelData)
                }
            }
        }
        Row {
            spacing: 5
            GeneralPurposeButton {
                objectName: "previousPoint"
                width: 40
                gp_text: "<"
                state: curveScreen.editable ? "" : "disabled"
                onClicked: editor.previousPoint()
            }
            GeneralPurposeButton {
                objectName: "curveValue"
                width: panel.width - 90
                gp_text: (qsTr("Value") + Language.emptyString) + " " + editor.selectedPercent + "%"
                state: !curveScreen.editable ? "disabled" : curveScreen.valueSelected ? "active" : ""
                onClicked: {
                    curveScreen.valueSelected = !curveScreen.valueSelected
                    flyin.extended = curveScreen.valueSelected
                }
            }
            GeneralPurposeButton {
                objectName: "nextPoint"
                width: 40
                gp_text: ">"
                state: curveScreen.editable ? "" : "disabled"
                onClicked: editor.nextPoint()
            }
        }
        Row {
            spacing: 5
            GeneralPurposeButton {
                objectName: "smooth"
                width: (panel.width - 5) / 2
                gp_text: qsTr("Smooth") + Language.emptyString
                state: !curveScreen.editable ? "disabled" : curveScreen.smoothed ? "active" : ""
                onClicked: curveScreen.setSmooth(true)
            }
            GeneralPurposeButton {
                objectName: "raw"
                width: (panel.width - 5) / 2
                gp_text: qsTr("Raw") + Language.emptyString
                state: !curveScreen.editable ? "disabled" : !curveScreen.smoothed ? "active" : ""
                onClicked: curveScreen.setSmooth(false)
            }
        }
        GeneralPurposeButton {
            objectName: "resetCurve"
            width: panel.width
            gp_text: qsTr("Reset Curve") + Language.emptyString
            state: curveScreen.editable ? "" : "disabled"
            onClicked: curveScreen.reset()
        }
    }

    FlyinIncDec {
        id: flyin
        objectName: "curveFlyin"
        onStep: curveScreen.step(delta)
        onOkClicked: curveScreen.valueSelected = false
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
