import QtQuick 2.15
import DBValues 1.0

// A trim indicator: from the centre towards the side of the value in
// percent (value x half length / 100); 0 and no value show the centre.
Rectangle {
    id: bar
    property int value: 0
    property bool vertical: false
    readonly property real half: (vertical ? height : width) / 2
    readonly property real shown: value === DatabaseValue.CTRL_VALUE_Invalid ? 0 : Math.max(-100, Math.min(100, value))
    readonly property real fill: Math.abs(shown) * half / 100

    color: "transparent"
    border.width: 1
    border.color: Qt.rgba(0.5, 0.5, 0.5, 0.8)
    radius: 2

    Rectangle {
        // The value's part of the bar.
        color: "#2f7fd8"
        x: bar.vertical ? 1 : (bar.shown < 0 ? bar.half - bar.fill : bar.half)
        y: bar.vertical ? (bar.shown > 0 ? bar.half - bar.fill : bar.half) : 1
        width: bar.vertical ? bar.width - 2 : bar.fill
        height: bar.vertical ? bar.fill : bar.height - 2
    }
    Rectangle {
        // The centre mark.
        color: rootwindow.textColour
        x: bar.vertical ? 0 : bar.half - 1
        y: bar.vertical ? bar.half - 1 : 0
        width: bar.vertical ? bar.width : 2
        height: bar.vertical ? 2 : bar.height
    }
}
