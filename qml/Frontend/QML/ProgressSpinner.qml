import QtQuick 2.15

// Progress of a running operation: three bars turn in the middle and an arc
// of value percent runs round them; a negative value shows the full circle.
Item {
    id: spinner
    property real value: -1
    property color color: "#2f7fd8"
    width: 80
    height: 80

    Repeater {
        // The arc: 36 dots, lit up to the value.
        model: 36
        Rectangle {
            readonly property real angle: index * 10 * Math.PI / 180
            width: 6
            height: 6
            radius: 3
            x: spinner.width / 2 - 3 + Math.sin(angle) * (spinner.width / 2 - 4)
            y: spinner.height / 2 - 3 - Math.cos(angle) * (spinner.height / 2 - 4)
            color: spinner.value < 0 || index < Math.round(spinner.value * 36 / 100) ? spinner.color : "#505050"
        }
    }

    Item {
        id: bars
        anchors.centerIn: parent
        width: parent.width * 0.5
        height: width
        Repeater {
            model: 3
            Rectangle {
                anchors.centerIn: parent
                width: bars.width
                height: 5
                radius: 2
                rotation: index * 60
                color: rootwindow.textColour
                opacity: 0.5 + index * 0.2
            }
        }
        RotationAnimation on rotation {
            running: spinner.visible
            loops: Animation.Infinite
            from: 0
            to: 360
            duration: 1500
        }
    }
}
