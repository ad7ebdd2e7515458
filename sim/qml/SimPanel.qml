// The control window of the simulated stick controller: the left and the
// right half of the transmitter, each with its stick, trims, slider, rotary
// and switches. Positions are polled, so console keys show here too.
import QtQuick 2.15

Rectangle {
    id: root
    width: 640
    // Room for the glasses' rows only where the board has Bluetooth.
    height: Sim.bluetooth ? 458 : 378
    color: "#eceff1"

    property int tick: 0
    Timer {
        interval: 100
        running: true
        repeat: true
        onTriggered: root.tick++
    }

    Text {
        id: title
        x: 12
        y: 8
        text: Sim.board + " transmitter: sticks, trims, switches"
        font.pixelSize: 14
        font.bold: true
        color: "#263238"
    }
    Row {
        x: 8
        y: 34
        spacing: 12
        Side { rightSide: false; tick: root.tick }
        Side { rightSide: true; tick: root.tick }
    }

    // What the scripted head-up glasses show, from the frames they received.
    property var glasses: []
    Timer {
        interval: 500
        running: Sim.bluetooth
        repeat: true
        triggeredOnStart: true
        onTriggered: root.glasses = Sim.glassesRows()
    }
    Rectangle {
        visible: Sim.bluetooth
        x: 8
        y: 348
        width: parent.width - 16
        height: 74
        radius: 6
        color: "#263238"
        Column {
            x: 10
            y: 4
            Text {
                text: root.glasses.length === 0 ? "Head-up glasses: no scripted Bluetooth on this run"
                                                : "Head-up glasses (ActiveLook) show:"
                font.pixelSize: 11
                color: "#90a4ae"
            }
            Repeater {
                model: root.glasses
                Text {
                    text: modelData === "" ? "-" : modelData
                    font.pixelSize: 12
                    font.family: "monospace"
                    color: "#a5d6a7"
                }
            }
        }
    }

    Text {
        x: 12
        width: parent.width - 24
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 5
        wrapMode: Text.WordWrap
        text: "Drag a stick or slider (double-click centres it), click a switch position, "
              + "press or hold a trim button. The console keys move the same controls."
        font.pixelSize: 11
        color: "#607d8b"
    }
}
