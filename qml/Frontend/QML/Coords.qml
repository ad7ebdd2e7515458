import QtQuick 2.15
import DBValues 1.0

// The read-only plot of a function or servo curve: draws the engine's
// sampled read-outs (230 outputs over the input range), the servo's limits
// and centre as lines, and the live position of a control. The screen runs
// the calculation (function, servo or travel curve) and then calls refresh().
Plot {
    id: coords

    // "function", "servo", "travel" or "result" (the servo curve applied to
    // the function curve).
    property string view: "function"
    property bool withDifferential: false
    // The axes' range in percent (function curves 100, servo curves 200).
    property int maxPercent: 100
    // The servo's lines in percent of the axis range; none without a servo.
    property bool showLimits: false
    property real negLimit: -100
    property real posLimit: 100
    property real centre: 0
    // The live position: the control's value on the -2047..2047 scale.
    property int control: 0
    property int liveX: DatabaseValue.CTRL_VALUE_Invalid
    property var samples: []
    property color curveColour: "#2f7fd8"

    readonly property int sampleCount: 230
    readonly property int full: 2047

    function functionAt(i) { return RuntimeDatabase.KLX_FunctionGetValue(i, withDifferential) }
    // The servo read-outs lie over -4094..4094 in steps of 8190 / 230.
    function servoIndexOf(x) { return Math.max(0, Math.min(sampleCount - 1, Math.round((x + 4094) / 35.608696))) }

    function refresh() {
        var list = []
        for (var i = 0; i < sampleCount; ++i) {
            if (view === "servo")
                list.push(RuntimeDatabase.KLX_ServoCurveGetValue(i))
            else if (view === "travel")
                list.push(RuntimeDatabase.KLX_ServoTravelCurveGetValue(i))
            else if (view === "result")
                list.push(RuntimeDatabase.KLX_ServoCurveGetValue(servoIndexOf(functionAt(i))))
            else
                list.push(functionAt(i))
        }
        samples = list
        requestPaint()
    }

    function px(x) { return plot.x + (x + full) * plot.width / (2 * full) }
    function py(v) { return plot.y + plot.height / 2 - Math.max(-2048, Math.min(2047, v)) * plot.height / 2 / full }
    function percentY(percent) { return plot.y + plot.height / 2 - percent * plot.height / 2 / maxPercent }
    // The drawn curve's value at a control value, straight between samples.
    function valueAt(x) {
        if (samples.length !== sampleCount)
            return 0
        var pos = Math.max(0, Math.min(sampleCount - 1, (x + full) / 17.8))
        var i = Math.min(Math.floor(pos), sampleCount - 2)
        return samples[i] + (samples[i + 1] - samples[i]) * (pos - i)
    }

    Timer {
        interval: 50
        repeat: true
        running: coords.visible && coords.control !== 0 && !rootwindow.shutdown
        onTriggered: coords.liveX = Database.KLX_DataBaseManagerGetValueOfControl(coords.control)
    }

    onPaint: function(ctx) {
        strokeEighths(ctx, 0, 8)
        strokeFrame(ctx)
        if (coords.showLimits) {
            ctx.strokeStyle = "#d82f2f"
            var lines = [coords.negLimit, coords.posLimit, coords.centre]
            for (var l = 0; l < lines.length; ++l) {
                var ly = Math.round(coords.percentY(lines[l])) + 0.5
                ctx.beginPath(); ctx.moveTo(plot.x, ly); ctx.lineTo(plot.x + plot.width, ly); ctx.stroke()
            }
        }
        if (coords.samples.length !== coords.sampleCount)
            return
        ctx.strokeStyle = coords.curveColour
        ctx.lineWidth = 2
        ctx.beginPath()
        for (var i = 0; i < coords.sampleCount; ++i) {
            var x = coords.px(-coords.full + i * 17.8), y = coords.py(coords.samples[i])
            if (i === 0) ctx.moveTo(x, y); else ctx.lineTo(x, y)
        }
        ctx.stroke()
    }

    Rectangle {
        objectName: "coordsLivePoint"
        visible: coords.liveX !== DatabaseValue.CTRL_VALUE_Invalid && coords.control !== 0
                 && coords.samples.length === coords.sampleCount
        width: 8
        height: 8
        radius: 4
        color: "#d82f2f"
        x: coords.px(coords.liveX) - width / 2
        y: coords.py(coords.valueAt(coords.liveX)) - height / 2
    }

    onShowLimitsChanged: requestPaint()
    onNegLimitChanged: requestPaint()
    onPosLimitChanged: requestPaint()
    onCentreChanged: requestPaint()
}
