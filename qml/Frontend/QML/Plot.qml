import QtQuick 2.15

// A plot over the whole item: `plot` is the area 4 pixels inside the edge
// that its frame encloses; the plot draws on a canvas over the item in its
// paint(ctx) handler (the context freshly reset), again on requestPaint()
// and whenever the size changes.
Item {
    id: area
    readonly property alias plot: plot
    signal paint(var ctx)

    function requestPaint() { canvas.requestPaint() }
    // A faint vertical line at gx and horizontal line at gy across the plot.
    function strokeGridLines(ctx, gx, gy) {
        ctx.beginPath(); ctx.moveTo(gx, plot.y); ctx.lineTo(gx, plot.y + plot.height); ctx.stroke()
        ctx.beginPath(); ctx.moveTo(plot.x, gy); ctx.lineTo(plot.x + plot.width, gy); ctx.stroke()
    }
    function faintStyle(ctx) {
        var text = rootwindow.textColour
        ctx.lineWidth = 1
        ctx.strokeStyle = Qt.rgba(text.r, text.g, text.b, 0.25)
    }
    // The grid at the eighths `first` to `last` of the plot's width and height.
    function strokeEighths(ctx, first, last) {
        faintStyle(ctx)
        for (var g = first; g <= last; ++g)
            strokeGridLines(ctx, Math.round(plot.x + g * plot.width / 8) + 0.5,
                            Math.round(plot.y + g * plot.height / 8) + 0.5)
    }
    function strokeFrame(ctx) {
        ctx.strokeStyle = rootwindow.textColour
        ctx.strokeRect(plot.x + 0.5, plot.y + 0.5, plot.width - 1, plot.height - 1)
    }

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
            area.paint(ctx)
        }
    }
    onWidthChanged: canvas.requestPaint()
    onHeightChanged: canvas.requestPaint()
}
