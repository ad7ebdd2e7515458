import QtQuick 2.15

// The transmitter seen from the front, with its sticks, rotaries, sliders
// and switches as marks; the control `marked` (a control id) is lit. The
// smaller board has its own, narrower outline.
Item {
    id: outline
    property int marked: 0
    property bool largeBoard: rootwindow.isLargeBoard

    // Where each control sits, as fractions of the outline (x, y).
    readonly property var largePlaces: ({
        256: [0.28, 0.62], 257: [0.28, 0.62], 496: [0.72, 0.62], 497: [0.72, 0.62],
        512: [0.28, 0.88], 513: [0.12, 0.62], 514: [0.72, 0.88], 752: [0.88, 0.62], 753: [0.44, 0.62], 754: [0.56, 0.62],
        768: [0.10, 0.12], 769: [0.20, 0.12], 770: [0.30, 0.12], 774: [0.30, 0.12], 771: [0.10, 0.28], 772: [0.20, 0.28],
        773: [0.30, 0.28], 775: [0.30, 0.28], 776: [0.40, 0.20], 1016: [0.60, 0.20],
        1012: [0.90, 0.12], 1011: [0.80, 0.12], 1010: [0.70, 0.12], 1014: [0.70, 0.12], 1009: [0.90, 0.28],
        1008: [0.80, 0.28], 1013: [0.70, 0.28], 1015: [0.70, 0.28],
        1024: [0.42, 0.36], 1264: [0.58, 0.36], 1025: [0.03, 0.50], 1265: [0.97, 0.50]
    })
    readonly property var smallPlaces: ({
        256: [0.27, 0.64], 257: [0.27, 0.64], 496: [0.73, 0.64], 497: [0.73, 0.64],
        512: [0.27, 0.90], 513: [0.08, 0.64], 514: [0.73, 0.90], 752: [0.92, 0.64], 753: [0.42, 0.64], 754: [0.58, 0.64],
        768: [0.12, 0.14], 769: [0.24, 0.14], 770: [0.36, 0.14], 774: [0.36, 0.14], 771: [0.12, 0.32], 772: [0.24, 0.32],
        773: [0.36, 0.32], 775: [0.36, 0.32], 776: [0.64, 0.14], 1016: [0.76, 0.14],
        1012: [0.88, 0.14], 1011: [0.88, 0.32], 1010: [0.64, 0.32], 1014: [0.64, 0.32], 1009: [0.76, 0.32],
        1008: [0.50, 0.14], 1013: [0.50, 0.32], 1015: [0.50, 0.32],
        1024: [0.42, 0.44], 1264: [0.58, 0.44], 1025: [0.04, 0.44], 1265: [0.96, 0.44]
    })
    readonly property var places: largeBoard ? largePlaces : smallPlaces
    readonly property var markedPlace: places[marked]

    Rectangle {
        id: body
        anchors.centerIn: parent
        width: outline.largeBoard ? parent.width : parent.width * 0.82
        height: parent.height
        radius: outline.largeBoard ? 18 : 12
        color: "transparent"
        border.width: 2
        border.color: rootwindow.textColour

        Repeater {
            // The two stick gimbals.
            model: [0.28, 0.72]
            Rectangle {
                width: body.height * 0.42
                height: width
                radius: width / 2
                x: body.width * (outline.largeBoard ? modelData : (modelData < 0.5 ? 0.27 : 0.73)) - width / 2
                y: body.height * (outline.largeBoard ? 0.62 : 0.64) - height / 2
                color: "transparent"
                border.width: 1
                border.color: rootwindow.textColour
            }
        }
        Repeater {
            model: Object.keys(outline.places)
            Rectangle {
                readonly property var place: outline.places[modelData]
                width: 6
                height: 6
                radius: 3
                x: body.width * place[0] - 3
                y: body.height * place[1] - 3
                color: rootwindow.textColour
                opacity: 0.5
            }
        }
        Rectangle {
            objectName: "outlineMark"
            visible: outline.markedPlace !== undefined
            width: 16
            height: 16
            radius: 8
            x: visible ? body.width * outline.markedPlace[0] - 8 : 0
            y: visible ? body.height * outline.markedPlace[1] - 8 : 0
            color: "#e8731c"
        }
    }
}
