// A switch with two or three positions, back (bottom) to front (top); touch a
// position to put the switch there. A two-position switch with a toggle form
// shows the toggle's state below it.
import QtQuick 2.15

Item {
    id: lever
    property int controlId
    property string name
    property int positions: 3
    property var toggle: null
    property int tick: 0
    width: 38
    height: 104

    readonly property int value: { tick; return Sim.value(controlId) }
    readonly property int toggleValue: { tick; return toggle ? Sim.value(toggle.id) : 0 }
    readonly property var stops: positions === 3 ? [Sim.maximum, 0, -Sim.maximum] : [Sim.maximum, -Sim.maximum]

    Rectangle {
        id: body
        anchors.horizontalCenter: parent.horizontalCenter
        width: 26
        height: 64
        radius: 4
        color: "#eceff1"
        border.color: "#b0bec5"
        Column {
            anchors.centerIn: parent
            spacing: lever.positions === 3 ? 3 : 14
            Repeater {
                model: lever.stops
                Rectangle {
                    width: 20
                    height: 16
                    radius: 3
                    color: lever.value === modelData ? "#1e88e5" : (hit.pressed ? "#bbdefb" : "white")
                    border.color: "#90a4ae"
                    MouseArea {
                        id: hit
                        anchors.fill: parent
                        onClicked: Sim.setValue(lever.controlId, modelData)
                    }
                }
            }
        }
    }
    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        y: body.height + 3
        text: lever.name.replace("SW-", "")
        font.pixelSize: 12
        font.bold: true
        color: "#37474f"
    }
    Text {
        visible: lever.toggle !== null
        anchors.horizontalCenter: parent.horizontalCenter
        y: body.height + 20
        text: (lever.toggle ? lever.toggle.name.replace("SW-", "") : "") + (lever.toggleValue > 0 ? " on" : " off")
        font.pixelSize: 10
        color: lever.toggleValue > 0 ? "#2e7d32" : "#78909c"
    }
}
