import QtQuick 2.15
import DBValues 1.0
import "CurveMath.js" as CurveMath

// The curve editor's drawing: shows a stored curve with its real points,
// maps the selected real point onto its storage index (calculationPoint),
// pulls and smooths the stored values when asked to store, and marks the
// live position of the curve's control every 50 ms. The screens write the
// selected point's value and then call refreshCurve(curve, smoothed, true).
Plot {
    id: editor

    property int curve: -1
    property int realPoints: 5
    property int selectedPoint: 0
    readonly property var realIndices: CurveMath.realIndices(realPoints, special3PointsMode)
    readonly property int calculationPoint: selectedPoint >= 0 && selectedPoint < realIndices.length
                                            ? realIndices[selectedPoint] : 0
    readonly property bool minLimit: selectedPoint <= 0
    readonly property bool maxLimit: selectedPoint >= realIndices.length - 1
    // Servo curves edit three points at 8, 16 and 24.
    property bool special3PointsMode: false
    property bool smoothed: false
    // The axes' range in percent.
    property int maxPercent: 100
    property int minPercent: -100
    // The live position: the control, and for a function curve the function
    // and flight mode whose computed output is read.
    property int control: 0
    property int functionId: -1
    property int flightMode: 0
    property bool liveShown: true
    // What is drawn: the 33 stored values, the live point (x, y on the
    // -2047..2047 scale, x invalid when none).
    property var values: []
    property int liveX: DatabaseValue.CTRL_VALUE_Invalid
    property int liveY: 0
    property color curveColour: "#2f7fd8"

    readonly property int selectedValue: values.length === CurveMath.storedPoints ? values[calculationPoint] : 0
    readonly property int selectedPercent: percentOf(selectedValue)

    function percentOf(stored) { return CurveMath.roundHalfAway(stored * maxPercent / CurveMath.fullScale) }
    function storedOf(percent) { return CurveMath.clampStored(CurveMath.roundHalfAway(percent * CurveMath.fullScale / maxPercent)) }

    function readValues(c) {
        var list = []
        for (var i = 0; i < CurveMath.storedPoints; ++i)
            list.push(Database.KLX_DataBaseManagerCurveGetSet_CurveValue(c, i, 0, DatabaseValue.AtomicDirGet, false))
        return list
    }
    // Writes only what changed, each with its update to the controller.
    function writeValues(c, old, fresh) {
        for (var i = 0; i < CurveMath.storedPoints; ++i) {
            var v = CurveMath.clampStored(fresh[i])
            if (v === old[i])
                continue
            var result = Database.KLX_DataBaseManagerCurveGetSet_CurveValue(c, i, v, DatabaseValue.AtomicDirSet, true)
            if (result <= DatabaseValue.KLX_Error)
                return result
        }
        return DatabaseValue.KLX_Ok
    }

    // Reads the curve and draws it; with store, first pulls the stored
    // values to the real points and, smoothed, rewrites them all from the
    // spline. Returns the first failed write's code, else KLX_Ok.
    function refreshCurve(c, smooth, store) {
        curve = c
        smoothed = smooth
        if (c < 0) {
            values = []
            requestPaint()
            return DatabaseValue.Indexes_Out_Of_Range
        }
        var count = Database.KLX_DataBaseManagerCurveGetSet_RealPoints(c, 0, DatabaseValue.AtomicDirGet, false)
        if (count <= DatabaseValue.KLX_Error) {
            values = []
            requestPaint()
            return count
        }
        realPoints = count
        if (selectedPoint >= realIndices.length)
            selectedPoint = 0
        var current = readValues(c)
        var result = DatabaseValue.KLX_Ok
        if (store) {
            var indices = realIndices
            var fresh = indices.length < CurveMath.storedPoints ? CurveMath.pulled(current, indices, special3PointsMode) : current
            if (smooth)
                fresh = CurveMath.smoothed(fresh, indices, special3PointsMode)
            result = writeValues(c, current, fresh)
            current = readValues(c)
        }
        values = current
        requestPaint()
        return result
    }

    // The selected point's value in percent of the axis, stored and refreshed.
    function storePointPercent(percent) {
        var v = storedOf(Math.max(minPercent, Math.min(maxPercent, percent)))
        var result = Database.KLX_DataBaseManagerCurveGetSet_CurveValue(curve, calculationPoint, v, DatabaseValue.AtomicDirSet, true)
        if (result <= DatabaseValue.KLX_Error)
            return result
        return refreshCurve(curve, smoothed, true)
    }
    // A new real-point count selects point 0 and pulls the stored values to it.
    function storeRealPoints(count) {
        var result = Database.KLX_DataBaseManagerCurveGetSet_RealPoints(curve, count, DatabaseValue.AtomicDirSet, true)
        if (result <= DatabaseValue.KLX_Error)
            return result
        realPoints = result
        selectedPoint = 0
        return refreshCurve(curve, smoothed, true)
    }
    // Smooth rewrites the stored values from the spline; back to raw keeps them.
    function storeSmoothed(on) {
        var result = Database.KLX_DataBaseManagerCurveGetSet_IsSmoothed(curve, on ? 1 : 0, DatabaseValue.AtomicDirSet, true)
        if (result <= DatabaseValue.KLX_Error)
            return result
        return refreshCurve(curve, on, on)
    }
    function selectPoint(p) { selectedPoint = Math.max(0, Math.min(realIndices.length - 1, p)); requestPaint() }
    function nextPoint() { selectPoint(maxLimit ? 0 : selectedPoint + 1) }
    function previousPoint() { selectPoint(minLimit ? realIndices.length - 1 : selectedPoint - 1) }

    // Plot coordinates: x -2047..2047 over the width, a stored value v at
    // v / 2047 of the half height.
    function px(x) { return plot.x + (x + CurveMath.fullScale) * plot.width / (2 * CurveMath.fullScale) }
    function py(v) { return plot.y + plot.height / 2 - Math.max(-2048, Math.min(2047, v)) * plot.height / 2 / CurveMath.fullScale }
    function indexX(i) { return -CurveMath.fullScale + i * 2 * CurveMath.fullScale / (CurveMath.storedPoints - 1) }

    Timer {
        interval: 50
        repeat: true
        running: editor.visible && editor.liveShown && editor.control !== 0 && !rootwindow.shutdown
        onTriggered: {
            var x = Database.KLX_DataBaseManagerGetValueOfControl(editor.control)
            if (x === DatabaseValue.CTRL_VALUE_Invalid) {
                editor.liveX = x
            } else if (editor.functionId >= 0) {
                RuntimeDatabase.KLX_FunctionCalcCalculate(editor.functionId, editor.flightMode, false)
                // The function's read-out holds 230 outputs from -2047 in steps of 17.8.
                var i = Math.max(0, Math.min(229, Math.round((x + CurveMath.fullScale) / 17.8)))
                editor.liveX = x
                editor.liveY = RuntimeDatabase.KLX_FunctionGetValue(i, false)
            } else if (editor.values.length === CurveMath.storedPoints) {
                editor.liveX = x
                editor.liveY = Math.round(CurveMath.valueAt(editor.values, x))
            }
            live.visible = editor.liveX !== DatabaseValue.CTRL_VALUE_Invalid
        }
    }

    onPaint: function(ctx) {
        // Frame, grid at 25 % and the axes.
        faintStyle(ctx)
        for (var g = -4; g <= 4; ++g)
            strokeGridLines(ctx, Math.round(editor.px(g * CurveMath.fullScale / 4)) + 0.5,
                            Math.round(editor.py(g * CurveMath.fullScale / 4)) + 0.5)
        strokeFrame(ctx)
        if (editor.values.length !== CurveMath.storedPoints)
            return
        ctx.strokeStyle = editor.curveColour
        ctx.lineWidth = 2
        ctx.beginPath()
        for (var i = 0; i < CurveMath.storedPoints; ++i) {
            var x = editor.px(editor.indexX(i)), y = editor.py(editor.values[i])
            if (i === 0) ctx.moveTo(x, y); else ctx.lineTo(x, y)
        }
        ctx.stroke()
        // The real points; the selected one filled and larger.
        var list = editor.realIndices
        for (var p = 0; p < list.length; ++p) {
            var cx = editor.px(editor.indexX(list[p])), cy = editor.py(editor.values[list[p]])
            var r = p === editor.selectedPoint ? 5 : 3
            ctx.beginPath()
            ctx.arc(cx, cy, r, 0, 2 * Math.PI)
            ctx.fillStyle = p === editor.selectedPoint ? "#e8731c" : editor.curveColour
            ctx.fill()
        }
    }

    Rectangle {
        // The live position of the control on the curve.
        id: live
        objectName: "curveLivePoint"
        visible: false
        width: 8
        height: 8
        radius: 4
        color: "#d82f2f"
        x: editor.px(editor.liveX) - width / 2
        y: editor.py(editor.liveY) - height / 2
    }

    onSelectedPointChanged: requestPaint()
    Connections {
        target: rootwindow
        function onTextColourChanged() { requestPaint() }
    }
}
