import QtQuick 2.15

// The bar across the foot of a screen for what is under way (a held item, a
// detection): a text at the left where there is one, its buttons (the bar's
// children) at the right. While it shows, touches on it reach nothing below.
Rectangle {
    id: bar
    default property alias buttons: row.data
    property alias text: label.text
    property alias textName: label.objectName
    property alias textSize: label.font.pixelSize
    // The assistant's bar lets touches through to the list below.
    property alias blocksTouches: shield.enabled

    width: parent.width
    height: 44
    anchors.bottom: parent.bottom
    color: rootwindow.contrast_sheme === 0 ? "#202020" : "#e4e4e4"
    border.width: 1
    border.color: rootwindow.rectBorderColour

    MouseArea {
        id: shield
        anchors.fill: parent
    }
    Text {
        id: label
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
    }
    Row {
        id: row
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        spacing: 10
    }
}
