import QtQuick 2.15

// The splash, shown while the program brings itself up: the start-up picture
// over the whole screen and "System starting..." near its bottom edge.
Item {
    id: splash
    width: 480
    height: 272

    Rectangle {
        id: fastWindow
        objectName: "rect_FastWindow"
        anchors.fill: parent
        color: "white"
        property bool fastStarted: false

        // The model was started from the transceiver's copy.
        function getSignal() {
            picture.visible = true
            starting.visible = true
            fastStarted = true
            console.log("FastStart Signal CAUGHT!!!!")
        }

        Image {
            id: picture
            anchors.fill: parent
            sourceSize.width: 480
            sourceSize.height: 272
            source: "qrc:/Frontend/Images/Startup.svg"
        }
        Text {
            id: starting
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 18
            color: "#202020"
            font.pixelSize: 16
            text: qsTr("System starting...")
        }
    }
}
