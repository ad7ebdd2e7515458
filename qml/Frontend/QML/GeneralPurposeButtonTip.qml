import QtQuick 2.15

// A button with a small mark in its top right corner while tip_visible is set
// (the keyboard's shift key shows caps lock with it).
GeneralPurposeButton {
    id: tipButton
    property bool tip_visible: false

    Rectangle {
        width: 7
        height: 7
        radius: 2
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 3
        visible: tipButton.tip_visible
        color: "#2f7fd8"
        border.color: rootwindow.textColour
        border.width: 1
    }
}
