// A slider or rotary: drag along the track; left end -100 %, right end +100 %.
import QtQuick 2.15

Item {
    id: fader
    property int controlId
    property int tick: 0
    height: 34

    readonly property int value: { tick; return Sim.value(controlId) }
    readonly property string name: {
        var c = Sim.controls.filter(function (c) { return c.id === controlId })
        return c.length > 0 ? c[0].name : ""
    }

    Text {
        text: fader.name
        font.pixelSize: 10
        color: "#455a64"
    }
    Text {
        anchors.right: parent.right
        text: (fader.value > 0 ? "+" : "") + Math.round(fader.value * 100 / Sim.maximum) + " %"
        font.pixelSize: 10
        color: "#455a64"
    }
    Rectangle {
        id: track
        y: 20
        width: parent.width
        height: 6
        radius: 3
        color: "#cfd8dc"
        Rectangle {
            width: 14
            height: 14
            radius: 7
            y: -4
            color: slide.pressed ? "#1565c0" : "#1e88e5"
            x: (fader.value / Sim.maximum + 1) / 2 * (track.width - width)
        }
    }
    MouseArea {
        id: slide
        anchors.fill: parent
        function set(mx) {
            var v = Math.max(-1, Math.min(1, (mx - 7) / (track.width - 14) * 2 - 1))
            Sim.setValue(fader.controlId, Math.round(v * Sim.maximum))
        }
        onPressed: set(mouse.x)
        onPositionChanged: if (pressed) set(mouse.x)
        onDoubleClicked: Sim.setValue(fader.controlId, 0)
    }
}
