import QtQuick 2.15

// A thin bar at the right edge of a list that shows where the list stands.
Item {
    id: bar
    property Flickable flickable: null
    width: 4
    anchors.right: flickable ? flickable.right : undefined
    anchors.top: flickable ? flickable.top : undefined
    anchors.bottom: flickable ? flickable.bottom : undefined
    visible: flickable !== null && flickable.visibleArea.heightRatio < 1.0

    Rectangle {
        width: parent.width
        radius: 2
        color: rootwindow.textColour
        opacity: 0.6
        y: bar.flickable ? Math.max(0, bar.flickable.visibleArea.yPosition * bar.height) : 0
        height: bar.flickable ? Math.min(bar.height - y, bar.flickable.visibleArea.heightRatio * bar.height) : 0
    }
}
