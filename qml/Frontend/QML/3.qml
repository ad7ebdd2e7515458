import QtQuick 2.15

// The main menu: every entry of the menu table in a grid. Its scroll
// position is its history argument, so going back returns to where it was.
Item {
    id: mainMenu
    property real contentCoord: -1

    function entriesOfTable() {
        var list = []
        for (var i = 1; i < MainMenu.length(); ++i) {
            if (MainMenu.qmlSource(i) === "")
                continue
            list.push({ value: i, source: MainMenu.qmlSource(i), line: MainMenu.line(i),
                        icon: MainMenu.icon(i, rootwindow.menuIconScheme) })
        }
        return list
    }

    MenuGrid {
        id: grid
        objectName: "menuGrid"
        anchors.fill: parent
        entries: mainMenu.entriesOfTable()
        onHeld: addToUserMenu(entry, entry.value, "Main")
        onMovementEnded: systemHistory.chgArg(0, Math.round(contentY))
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(contentCoord)
        systemHistory.addEndOfArgs()
        if (contentCoord >= 0) {
            grid.forceLayout()
            grid.contentY = Math.min(contentCoord, Math.max(0, grid.contentHeight - grid.height))
        }
    }
}
