// A trim lever: each press of + or - is one click (held, it repeats); the
// transceiver controller moves the trim one step per click.
import QtQuick 2.15

Item {
    id: trim
    property int controlId
    property bool vertical: false
    property int length: 120
    property int tick: 0
    width: vertical ? 24 : length
    height: vertical ? length : 24

    readonly property int value: { tick; return Sim.value(controlId) }
    readonly property string name: {
        var c = Sim.controls.filter(function (c) { return c.id === controlId })
        return c.length > 0 ? c[0].name : ""
    }
    readonly property real span: (vertical ? height : width) - 2 * 24

    Rectangle {
        id: track
        x: trim.vertical ? 2 : 24
        y: trim.vertical ? 24 : 2
        width: trim.vertical ? 20 : trim.span
        height: trim.vertical ? trim.span : 20
        radius: 3
        color: "#eceff1"
        border.color: "#cfd8dc"
        // The trim's position: a notch along the outer edge, clear of the text.
        Rectangle {
            color: "#fb8c00"
            radius: 1
            width: trim.vertical ? 5 : 4
            height: trim.vertical ? 4 : 5
            x: trim.vertical ? track.width - 6 : (trim.value / Sim.maximum + 1) / 2 * (track.width - 4)
            y: trim.vertical ? (1 - trim.value / Sim.maximum) / 2 * (track.height - 4) : track.height - 6
        }
        Text {
            anchors.centerIn: parent
            anchors.verticalCenterOffset: trim.vertical ? 0 : -2
            anchors.horizontalCenterOffset: trim.vertical ? -2 : 0
            rotation: trim.vertical ? -90 : 0
            text: trim.name + " " + (trim.value > 0 ? "+" : "") + Math.round(trim.value * 100 / Sim.maximum) + " %"
            font.pixelSize: 10
            color: "#37474f"
        }
    }

    Repeater {
        model: [-1, 1]
        Rectangle {
            readonly property int direction: modelData
            // minus at the left or bottom end, plus at the right or top end
            x: trim.vertical ? 2 : (direction < 0 ? 0 : trim.width - 22)
            y: trim.vertical ? (direction < 0 ? trim.height - 22 : 0) : 2
            width: 22
            height: 20
            radius: 3
            color: press.pressed ? "#90caf9" : "#e3f2fd"
            border.color: "#90a4ae"
            Text {
                anchors.centerIn: parent
                text: direction < 0 ? "\u2212" : "+"
                font.pixelSize: 14
                font.bold: true
                color: "#263238"
            }
            MouseArea {
                id: press
                anchors.fill: parent
                onPressed: Sim.clickTrim(trim.controlId, direction)
                Timer {
                    interval: 150
                    repeat: true
                    running: press.pressed
                    onTriggered: Sim.clickTrim(trim.controlId, direction)
                }
            }
        }
    }
}
