import QtQuick 2.15
import DBValues 1.0

// The menus' grid: cells of 92 x 115 pixels, each a round button over its
// line. Entries are { source, line, icon, value }; a press-and-hold reports
// the entry (held), and held() again after a further 2000 ms (heldLong).
GridView {
    id: grid
    property var entries: []
    signal held(var entry)
    signal heldLong(var entry)

    function inUserMenu(value, menu) {
        for (var i = 0; i < Database.GetMaxUserMenuEntries(); ++i)
            if (Database.KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(i, 0, "", DatabaseValue.AtomicDirGet) === value
                    && Database.GetUserMenuEntryType(i) === menu)
                return true
        return false
    }
    // A held entry goes into the user menu (menu "Main" or "Setup") once;
    // the user is told that it did, or why it did not.
    function addToUserMenu(entry, value, menu) {
        var line = entry.line.replace(/\n/g, " ")
        if (inUserMenu(value, menu)) {
            rootwindow.popupShow(null, "info", qsTr("\"%1\" is already in the user menu.").arg(line) + Language.emptyString, "Ok")
            return
        }
        if (!Database.SetUserMenuEntry(value, menu)) {
            errorHandler.processError("userMenuFull")
            return
        }
        rootwindow.popupShow(null, "info", qsTr("\"%1\" is now in the user menu.").arg(line) + Language.emptyString, "Ok")
    }

    cellWidth: 92
    cellHeight: 115
    leftMargin: Math.floor((width - Math.floor(width / cellWidth) * cellWidth) / 2)
    topMargin: 4
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    // Only the rows on the screen are made when a menu opens; the rest as
    // the grid is moved.
    cacheBuffer: 0
    model: entries

    delegate: Item {
        width: grid.cellWidth
        height: grid.cellHeight
        // The whole entry takes the touch, its line too, as its button does.
        MouseArea {
            id: entryTouch
            anchors.fill: parent
            pressAndHoldInterval: 800
            onClicked: button.open()
            onPressAndHold: button.hold()
            onReleased: button.released()
            onCanceled: button.released()
        }
        RoundButton {
            id: button
            objectName: "menuButton_" + modelData.value
            anchors.horizontalCenter: parent.horizontalCenter
            y: 6
            source: modelData.source
            icon: modelData.icon
            pressedOutside: entryTouch.pressed
            onPressAndHold: {
                grid.held(modelData)
                holdOn.restart()
            }
            onReleased: holdOn.stop()
            Timer {
                id: holdOn
                interval: 2000
                onTriggered: grid.heldLong(modelData)
            }
        }
        Text {
            objectName: "menuLine_" + modelData.value
            anchors.top: button.bottom
            anchors.topMargin: 4
            anchors.horizontalCenter: parent.horizontalCenter
            width: grid.cellWidth - 4
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            maximumLineCount: 2
            elide: Text.ElideRight
            text: modelData.line
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 13
        }
    }

    ScrollBar { flickable: grid }
}
