import QtQuick 2.15

// A bar that fills to percent (0 to 100) of its width, in an outline.
Rectangle {
    property int percent: 0
    height: 14
    radius: 3
    color: "transparent"
    border.width: 1
    border.color: rootwindow.textColour
    Rectangle {
        x: 2
        y: 2
        height: parent.height - 4
        width: (parent.width - 4) * Math.max(0, Math.min(100, parent.percent)) / 100
        radius: 2
        color: "#2f7fd8"
    }
}
