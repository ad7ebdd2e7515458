import QtQuick 2.15

// Shown while the program brings itself up.
Rectangle {
    id: splash
    width: 480
    height: 272
    color: "black"

    Rectangle {
        id: fastWindow
        objectName: "rect_FastWindow"
        anchors.fill: parent
        color: "transparent"
        property bool fastStarted: false

        // Called when the model was started from the transceiver's copy.
        function getSignal() {
            fastStarted = true
        }

        Text {
            anchors.centerIn: parent
            color: "white"
            font.pixelSize: 32
            font.bold: true
            text: "VORN"
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 24
            color: "#a0a0a0"
            font.pixelSize: 14
            text: fastWindow.fastStarted ? qsTr("Fast start") : qsTr("Starting...")
        }
    }
}
