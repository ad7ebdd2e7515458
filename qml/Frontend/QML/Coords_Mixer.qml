import QtQuick 2.15
import DBValues 1.0

// The mixer's plot: its curve scaled by the gain in percent; while the
// mixer fades, the fading curve scaled by the fading gain. A failed read
// during the fade ends the drawing (refresh() then answers KLX_Timeout).
Plot {
    id: coords

    property int mixer: -1
    property int curve: -1
    property int gain: 100
    property bool fading: false
    property var values: []
    property color curveColour: "#2f7fd8"

    readonly property int points: 33
    readonly property int full: 2047

    function refresh() {
        var list = []
        var scale = gain
        if (fading) {
            scale = RuntimeDatabase.KLX_GetMixerFadingGainValue(mixer)
            if (scale <= DatabaseValue.KLX_Error) {
                values = []
                requestPaint()
                return DatabaseValue.KLX_Timeout
            }
        }
        for (var i = 0; i < points; ++i) {
            var v = fading ? Database.KLX_DataBaseManagerCurveGetFadingValue(mixer, i)
                           : Database.KLX_DataBaseManagerCurveGetSet_CurveValue(curve, i, 0, DatabaseValue.AtomicDirGet, false)
            if (v <= DatabaseValue.KLX_Error) {
                values = []
                requestPaint()
                return fading ? DatabaseValue.KLX_Timeout : v
            }
            list.push(v * scale / 100)
        }
        values = list
        requestPaint()
        return DatabaseValue.KLX_Ok
    }

    function px(i) { return plot.x + i * plot.width / (points - 1) }
    function py(v) { return plot.y + plot.height / 2 - Math.max(-2048, Math.min(2047, v)) * plot.height / 2 / full }

    onPaint: function(ctx) {
        strokeEighths(ctx, 1, 7)
        strokeFrame(ctx)
        if (coords.values.length !== coords.points)
            return
        ctx.strokeStyle = coords.curveColour
        ctx.lineWidth = 2
        ctx.beginPath()
        for (var i = 0; i < coords.points; ++i) {
            if (i === 0) ctx.moveTo(coords.px(i), coords.py(coords.values[i]))
            else ctx.lineTo(coords.px(i), coords.py(coords.values[i]))
        }
        ctx.stroke()
    }
}
