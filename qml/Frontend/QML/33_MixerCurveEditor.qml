import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The curve of a mixer: its global curve, or the set-up curve of the
// flight mode it depends on. A curve that another mixer (or flight mode)
// shares, the permanent curve 0, or the global curve reached from a set-up
// is first copied into a new curve of its own, so an edit changes this
// mixer only. The status strip holds the edited flight mode meanwhile.
Item {
    id: screen
    objectName: "mixerCurveEditor"
    property int mixerId: 0
    property int functionId: -1
    property int fmStore: 0
    property int controlId: 0

    readonly property int maxCurves: Database.KLX_DataBaseManagerGetMaxCurves()
    readonly property var pointCounts: [3, 5, 9, 17, 33]
    property bool single: false
    property int curve: -1
    property bool smoothed: false
    property bool disabled: false
    property int sourceCurve: -1
    property bool valueEditing: false

    function report(result) {
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        return result <= DatabaseValue.KLX_Error
    }
    function validCurve(c) { return c >= 0 && c < maxCurves }
    function mixerUsed(m) {
        return Database.KLX_DataBaseManagerMixerGetSet_IsUsed(m, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
    }
    function fmUsed(fm) {
        return Database.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(fm, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
    }
    function editedCurve() {
        var get = DatabaseValue.AtomicDirGet
        return single ? Database.KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(mixerId, fmStore, 0, get)
                      : Database.KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(mixerId, 0, get)
    }
    // Whether another mixer, or another flight mode of a mixer, uses curve c.
    function shared(c) {
        var get = DatabaseValue.AtomicDirGet
        for (var m = 0; m < Database.KLX_DataBaseManagerGetMaxMixer(); ++m) {
            if (!mixerUsed(m))
                continue
            if (!single) {
                if (m !== mixerId && Database.KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(m, 0, get) === c)
                    return true
                continue
            }
            for (var fm = 0; fm <= 12; ++fm) {
                if (!fmUsed(fm) || (m === mixerId && fm === fmStore))
                    continue
                if (Database.KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(m, fm, 0, get) === c)
                    return true
            }
        }
        return false
    }
    function start() {
        if (fmStore < 0 || fmStore >= Database.KLX_DataBaseManagerGetMaxFlightmodes())
            fmStore = 0
        single = Database.KLX_DataBaseManager_IsMixerFlightModeDependent(mixerId, fmStore) === DatabaseValue.KLX_True
        upperFrame.lockFightMode(single ? fmStore : 0)
        var c = editedCurve()
        var global = Database.KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(mixerId, 0, DatabaseValue.AtomicDirGet)
        if (!validCurve(c) || c === 0 || (single && c === global) || shared(c)) {
            sourceCurve = validCurve(c) ? c : 0
            task.loadNew(GuiCmdData.KLX_TASK_PARA_MODEL_Curve)
            return
        }
        show(c)
    }
    function show(c) {
        curve = c
        smoothed = Database.KLX_DataBaseManagerCurveGetSet_IsSmoothed(c, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
        editor.selectPoint(0)
        editor.refreshCurve(c, smoothed, false)
    }
    function copied(fresh) {
        var set = DatabaseValue.AtomicDirSet, get = DatabaseValue.AtomicDirGet
        if (report(Database.KLX_DataBaseManagerCurveGetSet_IsUsed(fresh, DatabaseValue.KLX_True, set)))
            return
        var r = single ? Database.KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(mixerId, fmStore, fresh, set)
                       : Database.KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(mixerId, fresh, set)
        if (report(r))
            return
        for (var p = 0; p < Database.KLX_DataBaseManagerGetMaxCurevPoints(); ++p) {
            r = Database.KLX_DataBaseManagerCurveGetSet_CurveValue(
                        fresh, p, Database.KLX_DataBaseManagerCurveGetSet_CurveValue(sourceCurve, p, 0, get, false), set, true)
            if (report(r))
                return
        }
        if (report(Database.KLX_DataBaseManagerCurveGetSet_IsSmoothed(
                       fresh, Database.KLX_DataBaseManagerCurveGetSet_IsSmoothed(sourceCurve, 0, get), set)))
            return
        if (report(Database.KLX_DataBaseManagerCurveGetSet_RealPoints(
                       fresh, Database.KLX_DataBaseManagerCurveGetSet_RealPoints(sourceCurve, 0, get, false), set, true)))
            return
        show(fresh)
    }
    ElementTask {
        id: task
        kind: GuiCmdData.KLX_TASK_PARA_MODEL_Curve
        onDone: if (newIndex >= 0) screen.copied(newIndex)
        // Without a curve of its own nothing here may be edited.
        onFailed: screen.disabled = true
    }

    // ---- editing: any point or count change makes the curve raw first ----
    function canEdit() { return !disabled && validCurve(curve) && !task.busy }
    function makeRaw() {
        if (!smoothed)
            return true
        if (report(editor.storeSmoothed(false)))
            return false
        smoothed = false
        return true
    }
    function setPoints(count) {
        if (!canEdit() || !makeRaw())
            return
        report(editor.storeRealPoints(count))
    }
    function stepValue(delta) {
        if (!canEdit() || !makeRaw())
            return
        report(editor.storePointPercent(editor.selectedPercent + delta))
    }
    function setSmooth(on) {
        if (!canEdit() || on === smoothed)
            return
        if (!report(editor.storeSmoothed(on)))
            smoothed = on
    }
    function resetCurve() {
        if (!canEdit())
            return
        if (!report(Database.KLX_DataBaseManagerCurveSetCurveToDefault(curve)))
            show(curve)
    }

    Timer {
        interval: 250
        repeat: true
        running: !rootwindow.shutdown && screen.validCurve(screen.curve)
        onTriggered: editor.refreshCurve(screen.curve, screen.smoothed, false)
    }

    Rectangle {
        x: 5
        y: 5
        width: 240
        height: 237
        color: "transparent"
        border.width: 1
        border.color: rootwindow.textColour
        Coords_CurveEditor {
            id: editor
            objectName: "curveEditor"
            anchors.fill: parent
            anchors.margins: 2
            control: screen.controlId
        }
    }

    Column {
        x: 252
        y: 5
        spacing: 6
        Text {
            width: 220
            height: 20
            text: qsTr("Points") + Language.emptyString
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 14
        }
        Row {
            spacing: 3
            Repeater {
                model: screen.pointCounts
                GeneralPurposeButton {
                    objectName: "points_" + modelData
                    width: 41
                    fontSize: 14
                    gp_text: modelData
                    state: !screen.canEdit() ? "disabled" : editor.realPoints === modelData ? "active" : ""
                    onClicked: screen.setPoints(modelData)
                }
            }
        }
        Row {
            spacing: 4
            GeneralPurposeButton {
                objectName: "pointPrev"
                width: 50
                gp_text: "<"
                state: screen.canEdit() ? "" : "disabled"
                onClicked: editor.previousPoint()
            }
            GeneralPurposeButton {
                objectName: "curveValue"
                width: 106
                gp_text: screen.validCurve(screen.curve) ? editor.selectedPercent + " %" : "---"
                state: !screen.canEdit() ? "disabled" : screen.valueEditing && flyin.extended ? "active" : ""
                onClicked: { screen.valueEditing = true; flyin.extended = true }
            }
            GeneralPurposeButton {
                objectName: "pointNext"
                width: 50
                gp_text: ">"
                state: screen.canEdit() ? "" : "disabled"
                onClicked: editor.nextPoint()
            }
        }
        Row {
            spacing: 4
            GeneralPurposeButton {
                objectName: "curveSmooth"
                width: 106
                gp_text: qsTr("Smooth") + Language.emptyString
                state: !screen.canEdit() ? "disabled" : screen.smoothed ? "active" : ""
                onClicked: screen.setSmooth(true)
            }
            GeneralPurposeButton {
                objectName: "curveRaw"
                width: 106
                gp_text: qsTr("Raw") + Language.emptyString
                state: !screen.canEdit() ? "disabled" : !screen.smoothed ? "active" : ""
                onClicked: screen.setSmooth(false)
            }
        }
        GeneralPurposeButton {
            objectName: "curveReset"
            width: 216
            gp_text: qsTr("Reset curve") + Language.emptyString
            state: screen.canEdit() ? "" : "disabled"
            onClicked: screen.resetCurve()
        }
    }

    FlyinIncDec {
        id: flyin
        objectName: "flyin"
        onStep: screen.stepValue(delta)
        onOkClicked: screen.valueEditing = false
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(mixerId)
        systemHistory.addArg(functionId)
        systemHistory.addArg(fmStore)
        systemHistory.addEndOfArgs()
        start()
    }
    Component.onDestruction: upperFrame.unlockFightMode()
}
