import QtQuick 2.15

// The bar across the foot of a screen while one of its rows is held: that
// row's buttons (the bar's children), then "Ok", which lets the row go.
Rectangle {
    id: bar
    default property alias buttons: actions.data
    property alias spacing: row.spacing
    property alias closeName: close.objectName
    property alias closeWidth: close.width
    signal closed()

    width: parent.width
    height: 42
    y: parent.height - height
    color: rootwindow.backColour
    border.width: 1
    border.color: rootwindow.textColour

    Row {
        id: row
        anchors.centerIn: parent
        spacing: 10
        Row {
            id: actions
            spacing: row.spacing
        }
        GeneralPurposeButton {
            id: close
            width: 80
            gp_text: qsTr("Ok") + Language.emptyString
            onClicked: bar.closed()
        }
    }
}
