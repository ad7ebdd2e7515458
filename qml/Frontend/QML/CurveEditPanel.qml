import QtQuick 2.15
import DBValues 1.0

// The buttons beside a curve editor and what they store: the real-point
// count, the selected point (arrows) and its value (by the screen's fly-in
// while valueSelected), smooth or raw; any point or count change makes the
// curve raw first. "Reset Curve" is the screen's (resetChosen).
Column {
    id: panel
    property var editor: null
    property int curve: -1
    property bool editable: true
    property bool smoothed: false
    property bool valueSelected: false
    property string title: ""
    readonly property var pointChoices: [3, 5, 9, 17, 33]
    signal resetChosen()

    function failed(code) { return typeof code === "number" && code <= DatabaseValue.KLX_Error }
    function check(result) {
        if (failed(result))
            errorHandler.processError(result)
        return !failed(result)
    }
    // Shows curve c as stored.
    function load(c) {
        curve = c
        smoothed = Database.KLX_DataBaseManagerCurveGetSet_IsSmoothed(c, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
        editor.selectedPoint = 0
        editor.refreshCurve(c, smoothed, false)
    }
    function redraw() {
        if (curve >= 0)
            editor.refreshCurve(curve, smoothed, false)
    }
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
    // A step of the fly-in in percent of the axis.
    function step(delta) {
        if (!editable || !valueSelected)
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

    spacing: 5

    Text {
        width: panel.width
        height: 20
        text: panel.title
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
        font.bold: true
        elide: Text.ElideRight
    }
    GeneralPurposeLabel { width: panel.width; height: 20; fontSize: 13; text: qsTr("Points") + Language.emptyString }
    Row {
        spacing: 3
        Repeater {
            model: panel.pointChoices
            GeneralPurposeButton {
                objectName: "points_" + modelData
                width: (panel.width - 12) / 5
                fontSize: 13
                gp_text: modelData
                state: !panel.editable ? "disabled" : panel.editor && panel.editor.realPoints === modelData ? "active" : ""
                onClicked: panel.setPoints(modelData)
            }
        }
    }
    GeneralPurposeLabel { width: panel.width; height: 20; fontSize: 13; text: qsTr("Select Point") + Language.emptyString }
    Row {
        spacing: 5
        GeneralPurposeButton {
            objectName: "previousPoint"
            width: 40
            gp_text: "<"
            state: panel.editable ? "" : "disabled"
            onClicked: panel.editor.previousPoint()
        }
        GeneralPurposeButton {
            objectName: "curveValue"
            width: panel.width - 90
            gp_text: (qsTr("Value") + Language.emptyString) + " " + (panel.editor ? panel.editor.selectedPercent : 0) + "%"
            state: !panel.editable ? "disabled" : panel.valueSelected ? "active" : ""
            onClicked: panel.valueSelected = !panel.valueSelected
        }
        GeneralPurposeButton {
            objectName: "nextPoint"
            width: 40
            gp_text: ">"
            state: panel.editable ? "" : "disabled"
            onClicked: panel.editor.nextPoint()
        }
    }
    Row {
        spacing: 5
        GeneralPurposeButton {
            objectName: "smooth"
            width: (panel.width - 5) / 2
            gp_text: qsTr("Smooth") + Language.emptyString
            state: !panel.editable ? "disabled" : panel.smoothed ? "active" : ""
            onClicked: panel.setSmooth(true)
        }
        GeneralPurposeButton {
            objectName: "raw"
            width: (panel.width - 5) / 2
            gp_text: qsTr("Raw") + Language.emptyString
            state: !panel.editable ? "disabled" : !panel.smoothed ? "active" : ""
            onClicked: panel.setSmooth(false)
        }
    }
    GeneralPurposeButton {
        objectName: "resetCurve"
        width: panel.width
        gp_text: qsTr("Reset Curve") + Language.emptyString
        state: panel.editable ? "" : "disabled"
        onClicked: panel.resetChosen()
    }
}
