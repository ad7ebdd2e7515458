import QtQuick 2.15
import DBValues 1.0

// The waypoint graph of one sequencer channel in one direction: the track
// over time (on the editor's common time scale), the selected waypoint, a
// cursor at the running sequencer's time, "Locked" while the transceiver
// controller holds the sequencer.
Rectangle {
    id: graph
    property int seq: 0
    property int channel: 0
    property int direction: 0
    property int servo: 0
    property int timeScale: 600
    property bool editable: false
    property int selectedSlot: -1
    property bool locked: false
    property bool running: false
    property real cursorRatio: 0
    property string statusText: ""
    // The seven waypoint slots: { time, position }; position -2048 marks a free slot.
    property var slots: []
    readonly property int noPosition: -2048
    signal pressedGraph()

    height: 64
    color: "transparent"
    border.width: editable ? 2 : 1
    border.color: editable ? "#2f7fd8" : rootwindow.textColour

    function reload() {
        var get = DatabaseValue.AtomicDirGet
        var list = []
        for (var p = 0; p < Database.KLX_DataBaseManagerGetMaxSequencerWaypoints(); ++p) {
            var pos = Database.KLX_DataBaseManagerSequencerGetSet_SrvPosition(seq, channel, direction, p, 0, get)
            var t = Database.KLX_DataBaseManagerSequencerGetSet_TimePoint(seq, channel, direction, p, 0, get)
            list.push({ time: t <= DatabaseValue.KLX_Error ? 0 : t,
                        position: pos <= DatabaseValue.KLX_Error ? noPosition : pos })
        }
        slots = list
        canvas.requestPaint()
    }
    // The slots in use, in order; the first and the last always are.
    function usedSlots() {
        var used = []
        for (var p = 0; p < slots.length; ++p)
            if (p === 0 || p === slots.length - 1 || slots[p].position !== noPosition)
                used.push(p)
        return used
    }
    function duration() { return slots.length > 0 ? slots[slots.length - 1].time : 0 }

    onTimeScaleChanged: canvas.requestPaint()
    onSelectedSlotChanged: canvas.requestPaint()
    onEditableChanged: canvas.requestPaint()
    onCursorRatioChanged: canvas.requestPaint()
    onRunningChanged: canvas.requestPaint()
    Component.onCompleted: reload()

    Text {
        x: 4
        y: 2
        text: qsTr("Srv.") + Language.emptyString + (graph.servo + 1) + " " + (graph.direction === 0 ? "-->" : "<--")
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 11
    }
    Text {
        objectName: "graphStatus_" + graph.channel + "_" + graph.direction
        anchors.right: parent.right
        anchors.rightMargin: 4
        y: 2
        text: graph.locked ? qsTr("Locked") + Language.emptyString : graph.statusText
        color: graph.locked ? "#e10000" : rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 11
    }
    Canvas {
        id: canvas
        anchors.fill: parent
        anchors.margins: 3
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var w = width, h = height
            var scale = Math.max(1, graph.timeScale)
            function px(t) { return t / scale * (w - 6) + 3 }
            function py(p) { return h / 2 - p / 200 * (h / 2 - 3) }
            ctx.strokeStyle = rootwindow.textColour
            ctx.globalAlpha = 0.3
            ctx.beginPath()
            ctx.moveTo(0, h / 2)
            ctx.lineTo(w, h / 2)
            ctx.stroke()
            ctx.globalAlpha = 1
            var used = graph.usedSlots()
            if (graph.slots.length === 0)
                return
            ctx.strokeStyle = "#2f7fd8"
            ctx.lineWidth = 2
            ctx.beginPath()
            for (var i = 0; i < used.length; ++i) {
                var s = graph.slots[used[i]]
                var pos = s.position === graph.noPosition ? 0 : s.position
                if (i === 0)
                    ctx.moveTo(px(s.time), py(pos))
                else
                    ctx.lineTo(px(s.time), py(pos))
            }
            ctx.stroke()
            for (var j = 0; j < used.length; ++j) {
                var q = graph.slots[used[j]]
                var qp = q.position === graph.noPosition ? 0 : q.position
                var chosen = graph.editable && used[j] === graph.selectedSlot
                ctx.fillStyle = chosen ? "#e10000" : rootwindow.textColour
                var r = chosen ? 5 : 3
                ctx.fillRect(px(q.time) - r, py(qp) - r, 2 * r, 2 * r)
            }
            if (graph.running) {
                ctx.strokeStyle = "#f58c00"
                ctx.lineWidth = 1
                ctx.beginPath()
                ctx.moveTo(graph.cursorRatio * (w - 6) + 3, 0)
                ctx.lineTo(graph.cursorRatio * (w - 6) + 3, h)
                ctx.stroke()
            }
        }
    }
    MouseArea {
        anchors.fill: parent
        onClicked: graph.pressedGraph()
    }
}
