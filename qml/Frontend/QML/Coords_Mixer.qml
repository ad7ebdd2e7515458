import QtQuick 2.15
import DBValues 1.0

// The mixer's plot: its curve scaled by the gain in percent; while the
// mixer fades, the fading curve scaled by the fading gain. A failed read
// during the fade ends the drawing (refresh() then answers KLX_Timeout).
Item {
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
                canvas.requestPaint()
                return DatabaseValue.KLX_Timeout
            }
        }
        for (var i = 0; i < points; ++i) {
            var v = fading ? Database.KLX_DataBaseManagerCurveGetFadingValue(mixer, i)
                           : Database.KLX_DataBaseManagerCurveGetSet_CurveValue(curve, i, 0, DatabaseValue.AtomicDirGet, false)
            if (v <= DatabaseValue.KLX_Error) {
                values = []
                canvas.requestPaint()
                return fading ? DatabaseValue.KLX_Timeout : v
            }
            list.push(v * scale / 100)
        }
        values = list
        canvas.requestPaint()
        return DatabaseValue.KLX_Ok
    }

    function px(i) { return plot.x + i * plot.width / (points - 1) }
    function py(v) { return plot.y + plot.height / 2 - Math.max(-2048, Math.min(2047, v)) * plot.height / 2 / full }

    Item {
        id: plot
        anchors.fill: parent
        anchors.margins: 4
    }

    Canvas {
        id: canvas
        anchors.fill: parent
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var text = rootwindow.textColour
            ctx.lineWidth = 1
            ctx.strokeStyle = Qt.rgba(text.r, text.g, text.b, 0.25)
            for (var g = 1; g < 8; ++g) {
                var gx = Math.round(plot.x + g * plot.width / 8) + 0.5
                var gy = Math.round(plot.y + g * plot.height / 8) + 0.5
                ctx.beginPath(); ctx.moveTo(gx, plot.y); ctx.lineTo(gx, plot.y + plot.height); ctx.stroke()
                ctx.beginPath(); ctx.moveTo(plot.x, gy); ctx.lineTo(plot.x + plot.width, gy); ctx.stroke()
            }
            ctx.strokeStyle = text
            ctx.strokeRect(plot.x + 0.5, plot.y + 0.5, plot.width - 1, plot.height - 1)
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
    onWidthChanged: canvas.requestPaint()
    onHeightChanged: canvas.requestPaint()
}
