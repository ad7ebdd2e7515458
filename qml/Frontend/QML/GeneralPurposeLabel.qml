import QtQuick 2.15

// A one-line text that scrolls back and forth when it is wider than its box.
Item {
    id: label
    property string text: ""
    property color color: rootwindow.textColour
    property int fontSize: 15
    property bool bold: false
    property int horizontalAlignment: Text.AlignLeft
    readonly property bool scrolling: content.implicitWidth > width

    width: 120
    height: 30
    clip: true

    Text {
        id: content
        height: parent.height
        width: label.scrolling ? implicitWidth : label.width
        x: 0
        text: label.text
        color: label.color
        font.family: rootwindow.fontFamily
        font.pixelSize: label.fontSize
        font.bold: label.bold
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: label.scrolling ? Text.AlignLeft : label.horizontalAlignment

        SequentialAnimation on x {
            running: label.scrolling && label.visible
            loops: Animation.Infinite
            PauseAnimation { duration: 1500 }
            NumberAnimation { to: label.width - content.implicitWidth; duration: Math.max(500, (content.implicitWidth - label.width) * 25) }
            PauseAnimation { duration: 1500 }
            NumberAnimation { to: 0; duration: Math.max(500, (content.implicitWidth - label.width) * 25) }
        }
    }
}
