import QtQuick 2.15
import DBValues 1.0

// The user menu: the favourites stored in the settings, in their order. An
// entry held for a further 2000 ms after the press-and-hold is removed.
Item {
    id: userMenu

    function storedEntries() {
        var list = []
        for (var slot = 0; slot < Database.GetMaxUserMenuEntries(); ++slot) {
            var value = Database.KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(slot, 0, "", DatabaseValue.AtomicDirGet)
            if (value <= 0)
                continue
            var entry = MainMenu.userEntry(value, Database.GetUserMenuEntryType(slot), rootwindow.menuIconScheme)
            if (entry.source === "")
                continue
            entry.value = value
            entry.slot = slot
            list.push(entry)
        }
        return list
    }

    function reload() { grid.entries = storedEntries() }

    MenuGrid {
        id: grid
        objectName: "menuGrid"
        anchors.fill: parent
        onHeldLong: {
            var result = Database.KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(entry.slot, 0, "", DatabaseValue.AtomicDirSet)
            if (result <= DatabaseValue.KLX_Error)
                errorHandler.processError(result)
            else
                Qt.callLater(userMenu.reload)
        }
    }

    Text {
        objectName: "noFavorites"
        anchors.centerIn: parent
        visible: grid.count === 0
        text: qsTr("No favorites found") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 18
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        reload()
    }
}
