import QtQuick 2.15

// The model menu: the main menu's entries that set up the current model.
Item {
    id: modelMenu

    function entriesOfTable() {
        var list = []
        for (var i = 1; i < MainMenu.length(); ++i) {
            if (!MainMenu.isModelEntry(i))
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
        entries: modelMenu.entriesOfTable()
        onHeld: {
            if (!Database.SetUserMenuEntry(entry.value, "Main"))
                errorHandler.processError("userMenuFull")
        }
    }

    Component.onCompleted: systemHistory.addHistoryEntry()
}
