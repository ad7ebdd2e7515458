import QtQuick 2.15

// A 73 x 73 menu button: a touch opens its screen (the main menu opens at
// its top), a press-and-hold shows the user-menu star and asks for the entry
// to be added to the user menu.
Rectangle {
    id: round
    property string source: ""
    property url icon: ""
    // A touch held elsewhere for this button (its line in a menu).
    property bool pressedOutside: false
    signal addItemToUserMenu()
    signal pressAndHold()
    signal released()

    width: 73
    height: 73
    radius: width / 2
    color: touch.pressed || pressedOutside ? Qt.rgba(0.18, 0.5, 0.85, 0.35) : rootwindow.rectColour
    border.width: 2
    border.color: rootwindow.rectBorderColour

    Image {
        anchors.centerIn: parent
        width: 44
        height: 44
        sourceSize.width: 44
        sourceSize.height: 44
        source: round.icon
    }

    Image {
        id: star
        objectName: "UserMenuSymbol"
        anchors.right: parent.right
        anchors.top: parent.top
        width: 28
        height: 28
        sourceSize.width: 28
        sourceSize.height: 28
        // Drawn only once asked for: a menu of many buttons opens faster.
        source: opacity > 0 ? "qrc:/Frontend/Images/UserMenuSymbol.svg" : ""
        opacity: 0
        NumberAnimation on opacity {
            id: starFade
            running: false
            from: 1
            to: 0
            duration: 1500
        }
    }

    function open() {
        if (round.source === "")
            return
        if (round.source.endsWith("/3.qml"))
            rootwindow.openScreen(round.source, { contentCoord: -1 })
        else if (!rootwindow.noModelFor(round.source))
            rootwindow.openScreen(round.source)
    }
    function hold() {
        starFade.restart()
        round.addItemToUserMenu()
        round.pressAndHold()
    }

    MouseArea {
        id: touch
        anchors.fill: parent
        pressAndHoldInterval: 800
        onClicked: round.open()
        onPressAndHold: round.hold()
        onReleased: round.released()
        onCanceled: round.released()
    }
}
