import QtQuick 2.15
import QtQuick.Window 2.2

// The main window of the transmitter.
Window {
    id: mainWindow
    objectName: "mainWindow"
    width: 480
    height: 272
    minimumWidth: 480
    minimumHeight: 272
    maximumWidth: 480
    maximumHeight: 272
    visible: true
    color: "black"
    title: "Vorn"

    property bool goingDown: false

    Connections {
        target: System
        function onOnGuiReadyToGoDown() { mainWindow.goingDown = true }
        function onOnGuiClearGoDown() { mainWindow.goingDown = false }
        function onOnGuiStop() { Qt.quit() }
    }

    Text {
        anchors.centerIn: parent
        visible: !mainWindow.goingDown
        color: "white"
        font.pixelSize: 28
        text: "VORN"
    }

    Rectangle {
        id: goingDownScreen
        objectName: "goingDownScreen"
        anchors.fill: parent
        visible: mainWindow.goingDown
        color: "#202020"
        Text {
            anchors.centerIn: parent
            color: "white"
            font.pixelSize: 20
            text: "Switching off..." + Language.emptyString
        }
    }
}
