// One half of the transmitter: controls of the left side have ids with a low
// byte from 0x00, those of the right side from 0xF0.
import QtQuick 2.15

Rectangle {
    id: side
    property bool rightSide: false
    property int tick: 0
    width: 304
    height: 308
    radius: 6
    color: "white"
    border.color: "#cfd8dc"

    readonly property var ids: rightSide
        ? { "vertical": Sim.idOf("ST-C"), "horizontal": Sim.idOf("ST-D"), "trimV": Sim.idOf("TR-C"),
            "trimH": Sim.idOf("TR-D"), "trimX": Sim.idOf("TR-F"), "slider": Sim.idOf("SL-B"), "rotary": Sim.idOf("RO-B") }
        : { "vertical": Sim.idOf("ST-A"), "horizontal": Sim.idOf("ST-B"), "trimV": Sim.idOf("TR-A"),
            "trimH": Sim.idOf("TR-B"), "trimX": Sim.idOf("TR-E"), "slider": Sim.idOf("SL-A"), "rotary": Sim.idOf("RO-A") }
    readonly property var levers: Sim.controls.filter(function (c) {
        return c.right === side.rightSide && (c.kind === "switch2" || c.kind === "switch3")
    })
    function toggleOf(id) {
        var t = Sim.controls.filter(function (c) { return c.toggleOf === id })
        return t.length > 0 ? t[0] : null
    }

    Column {
        anchors.fill: parent
        anchors.margins: 8
        spacing: 6

        Text {
            text: side.rightSide ? "Right" : "Left"
            font.pixelSize: 12
            font.bold: true
            color: "#455a64"
        }

        Row {
            spacing: 8
            layoutDirection: side.rightSide ? Qt.RightToLeft : Qt.LeftToRight

            TrimBar { vertical: true; length: 128; controlId: side.ids.trimV; tick: side.tick }
            Column {
                spacing: 6
                StickPad { size: 128; verticalId: side.ids.vertical; horizontalId: side.ids.horizontal; tick: side.tick }
                TrimBar { vertical: false; length: 128; controlId: side.ids.trimH; tick: side.tick }
            }
            Column {
                spacing: 8
                Fader { width: 122; controlId: side.ids.slider; tick: side.tick }
                Fader { width: 122; controlId: side.ids.rotary; tick: side.tick }
                Item { width: 1; height: 6 }
                TrimBar { vertical: false; length: 122; controlId: side.ids.trimX; tick: side.tick }
            }
        }

        Row {
            spacing: 4
            layoutDirection: side.rightSide ? Qt.RightToLeft : Qt.LeftToRight
            Repeater {
                model: side.levers
                Lever {
                    controlId: modelData.id
                    name: modelData.name
                    positions: modelData.kind === "switch2" ? 2 : 3
                    toggle: side.toggleOf(modelData.id)
                    tick: side.tick
                }
            }
        }
    }
}
