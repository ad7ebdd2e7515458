import QtQuick 2.15

// The settings menu: system, appearance, audio, WiFi and (larger board)
// Bluetooth. A press-and-hold adds the entry to the user menu.
Item {
    id: settingsMenu

    function entriesOfTable() {
        var list = []
        for (var i = 0; i < MainMenu.settingsLength(); ++i) {
            if (MainMenu.settingsSource(i) === "")
                continue
            list.push({ value: i, source: MainMenu.settingsSource(i), line: MainMenu.settingsLine(i),
                        icon: MainMenu.settingsIcon(i, rootwindow.menuIconScheme) })
        }
        return list
    }

    MenuGrid {
        id: grid
        objectName: "menuGrid"
        anchors.fill: parent
        entries: settingsMenu.entriesOfTable()
        onHeld: addToUserMenu(entry, entry.value + 1, "Setup")
    }

    Component.onCompleted: systemHistory.addHistoryEntry()
}
