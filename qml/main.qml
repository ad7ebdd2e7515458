import QtQuick 2.15
import QtQuick.Window 2.2
import DBValues 1.0

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

    // The lock key held together with the forward key takes a screenshot.
    Connections {
        target: TouchHandler
        function onIconEvent(icon, icon1) {
            if ((icon === DatabaseValue.EventLock && icon1 === DatabaseValue.EventRight) ||
                    (icon === DatabaseValue.EventRight && icon1 === DatabaseValue.EventLock))
                mainWindow.showScreenShotMessage()
        }
    }

    Connections {
        target: Battery
        function onVoltageMinExceeded() { infoBox.show("batteryWeak", "") }
    }

    function showScreenShotMessage() {
        var path = Database.KLX_DatabaseManagerGetScreenShot() ? Database.KLX_DatabaseManagerSaveLastScreenShotAt("") : ""
        infoBox.show(path !== "" ? "screenshotStored" : "noScreenshot", path)
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
            objectName: "goingDownText"
            anchors.centerIn: parent
            color: "white"
            font.pixelSize: 20
            text: qsTr("Switching off...") + Language.emptyString
        }
    }

    // An information box over the screen area.
    Rectangle {
        id: infoBox
        objectName: "infoBox"
        // What the box tells; its text follows the language.
        property string kind: ""
        property string path: ""
        property bool withOk: kind !== "batteryWeak"
        function show(what, where) {
            kind = what
            path = where
            visible = true
        }
        visible: false
        width: 400
        height: 150
        anchors.centerIn: parent
        color: "#202020"
        border.color: "#fafafa"
        Text {
            objectName: "infoText"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: 10
            color: "#fafafa"
            font.pixelSize: 16
            wrapMode: Text.WrapAnywhere
            text: infoBox.kind === "screenshotStored" ? qsTr("Screenshot is stored in file:") + Language.emptyString + "\n" + infoBox.path
                : infoBox.kind === "noScreenshot" ? qsTr("No screenshot is stored!") + Language.emptyString
                : infoBox.kind === "batteryWeak" ? qsTr("Battery is weak!\nGUI is shutting down...") + Language.emptyString
                : ""
        }
        Rectangle {
            visible: infoBox.withOk
            width: 80
            height: 30
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            color: "transparent"
            border.color: "#fafafa"
            Text {
                objectName: "infoOkText"
                anchors.centerIn: parent
                color: "#fafafa"
                font.pixelSize: 16
                text: qsTr("Ok") + Language.emptyString
            }
            MouseArea {
                anchors.fill: parent
                onClicked: infoBox.visible = false
            }
        }
    }
}
