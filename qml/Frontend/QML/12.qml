import QtQuick 2.15

// The service screen, reached only from the appearance screen while the
// debug flag is set: test hooks of the facade, the file manager, a folder
// browser and the radio test.
Item {
    id: service
    objectName: "serviceScreen"

    function touch(n) {
        switch (n) {
        case 1: return Database.KLX_DataBaseManagerTest01()
        case 2: return Database.KLX_DataBaseManagerTest02()
        case 3: return Database.KLX_DataBaseManagerTest03()
        case 4: return Database.KLX_DataBaseManagerTest04()
        case 5: return Database.KLX_DataBaseManagerTest05()
        case 6: return Database.KLX_DataBaseManagerTest06()
        case 7: return Database.KLX_DataBaseManagerTest07()
        case 8: return Database.KLX_DataBaseManagerTest08()
        case 9: return rootwindow.openScreen("qrc:/Frontend/QML/FileManager.qml", { fileman_mode: "Left" })
        case 10: return rootwindow.openScreen("qrc:/Frontend/QML/FileBrowser.qml")
        }
        return false
    }
    function name(n) { return qsTr("Function %1").arg(n < 10 ? "0" + n : n) + Language.emptyString }

    Grid {
        x: 10
        y: 10
        columns: 2
        rowSpacing: 5
        columnSpacing: 20
        flow: Grid.TopToBottom
        rows: 6
        Repeater {
            model: 10
            GeneralPurposeButton {
                objectName: "function_" + (index + 1)
                width: 200
                gp_text: service.name(index + 1)
                onClicked: service.touch(index + 1)
            }
        }
        GeneralPurposeButton {
            objectName: "fccTest"
            width: 200
            gp_text: qsTr("FCC-TEST") + Language.emptyString
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/23.qml")
        }
    }

    Component.onCompleted: systemHistory.addHistoryEntry()
}
