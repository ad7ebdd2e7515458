import QtQuick 2.15

// Shown while the transmitter switches off. A release of the power button in
// time (onGuiClearGoDown) brings back the screen that was shown before.
Rectangle {
    id: outro
    color: rootwindow.backColour

    Image {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 40
        width: 110
        height: 110
        sourceSize.width: 110
        sourceSize.height: 110
        source: "qrc:/Frontend/Images/poweroff" + rootwindow.iconSuffix + ".svg"
    }
    Text {
        objectName: "outroText"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 170
        text: qsTr("System shutting down") + Language.emptyString + "..."
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 20
    }

    Connections {
        target: System
        function onOnGuiClearGoDown() {
            rootwindow.shutdown = false
            upperFrame.visible = rootwindow.firstScreenShown
            if (systemHistory.index > 1) {
                // Back to the screen before, and no way forward to this one.
                systemHistory.goBack()
                systemHistory.deleteLastHistoryEntry()
            } else {
                systemHistory.deleteLastHistoryEntry()
                mainLoader.source = ""
            }
        }
    }

    Component.onCompleted: systemHistory.addHistoryEntry()
}
