import QtQuick 2.15
import DBValues 1.0

// The trim graph: the effect of the trim t (percent of the range, negated
// unless reversed) on a straight characteristic. "Center" moves the middle
// point to t with the ends fixed, "Left" and "Right" move that end by t,
// "Offset" shifts the whole line; the trim range is shaded.
Plot {
    id: coords

    property int trim: 0
    property int range: 100
    property bool reversed: false
    // "Center", "Left", "Right" or "Offset".
    property string mode: "Center"
    property color lineColour: "#2f7fd8"

    readonly property real t: (trim === DatabaseValue.CTRL_VALUE_Invalid ? 0 : trim) * (reversed ? 1 : -1)
    // The characteristic's three points (left end, middle, right end) in percent.
    readonly property var line: mode === "Left" ? [-100 + t, 0, 100]
                              : mode === "Right" ? [-100, 0, 100 + t]
                              : mode === "Offset" ? [-100 + t, t, 100 + t]
                              : [-100, t, 100]

    function py(percent) { return plot.y + plot.height / 2 - Math.max(-200, Math.min(200, percent)) * plot.height / 400 }

    Rectangle {
        // The trim range, -range to +range around the middle, under the lines.
        objectName: "trimRange"
        z: -1
        x: plot.x
        width: plot.width
        y: coords.py(coords.range)
        height: coords.py(-coords.range) - y
        color: Qt.rgba(0.18, 0.5, 0.85, 0.15)
    }
    onPaint: function(ctx) {
        ctx.lineWidth = 1
        strokeFrame(ctx)
        var mid = Math.round(plot.y + plot.height / 2) + 0.5
        ctx.beginPath(); ctx.moveTo(plot.x, mid); ctx.lineTo(plot.x + plot.width, mid); ctx.stroke()
        ctx.strokeStyle = coords.lineColour
        ctx.lineWidth = 2
        ctx.beginPath()
        ctx.moveTo(plot.x, coords.py(coords.line[0]))
        ctx.lineTo(plot.x + plot.width / 2, coords.py(coords.line[1]))
        ctx.lineTo(plot.x + plot.width, coords.py(coords.line[2]))
        ctx.stroke()
    }
    onLineChanged: requestPaint()
}
