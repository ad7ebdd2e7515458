// A stick: its vertical axis up is +100 %, its horizontal axis right is +100 %.
import QtQuick 2.15

Rectangle {
    id: pad
    property int verticalId
    property int horizontalId
    property int tick: 0
    property int size: 128
    width: size
    height: size
    radius: 8
    color: "#f5f7f8"
    border.color: "#b0bec5"

    readonly property int verticalValue: { tick; return Sim.value(verticalId) }
    readonly property int horizontalValue: { tick; return Sim.value(horizontalId) }
    readonly property real travel: width - knob.width

    function name(id) {
        var c = Sim.controls.filter(function (c) { return c.id === id })
        return c.length > 0 ? c[0].name : ""
    }
    function percent(v) { var p = Math.round(v * 100 / Sim.maximum); return (p > 0 ? "+" : "") + p + " %" }
    function moveTo(mx, my) {
        var h = Math.max(-1, Math.min(1, (mx - knob.width / 2) / travel * 2 - 1))
        var v = Math.max(-1, Math.min(1, 1 - (my - knob.height / 2) / travel * 2))
        drag.hx = h
        drag.vy = v
        Sim.setValue(horizontalId, Math.round(h * Sim.maximum))
        Sim.setValue(verticalId, Math.round(v * Sim.maximum))
    }

    Rectangle { x: parent.width / 2; y: 6; width: 1; height: parent.height - 12; color: "#cfd8dc" }
    Rectangle { y: parent.height / 2; x: 6; height: 1; width: parent.width - 12; color: "#cfd8dc" }

    Text {
        x: 5; y: 3
        text: pad.name(pad.verticalId) + " " + pad.percent(pad.verticalValue)
        font.pixelSize: 10
        color: "#607d8b"
    }
    Text {
        anchors.right: parent.right; anchors.rightMargin: 5
        anchors.bottom: parent.bottom; anchors.bottomMargin: 3
        text: pad.name(pad.horizontalId) + " " + pad.percent(pad.horizontalValue)
        font.pixelSize: 10
        color: "#607d8b"
    }

    Rectangle {
        id: knob
        width: 24
        height: 24
        radius: 12
        color: drag.pressed ? "#1565c0" : "#1e88e5"
        border.color: "#0d47a1"
        x: ((drag.pressed ? drag.hx : pad.horizontalValue / Sim.maximum) + 1) / 2 * pad.travel
        y: (1 - (drag.pressed ? drag.vy : pad.verticalValue / Sim.maximum)) / 2 * pad.travel
    }

    MouseArea {
        id: drag
        property real hx: 0
        property real vy: 0
        anchors.fill: parent
        onPressed: pad.moveTo(mouse.x, mouse.y)
        onPositionChanged: if (pressed) pad.moveTo(mouse.x, mouse.y)
        onDoubleClicked: {
            Sim.setValue(pad.horizontalId, 0)
            Sim.setValue(pad.verticalId, 0)
        }
    }
}
