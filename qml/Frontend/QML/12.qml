import QtQuick 2.15

// The service screen, reached only from the appearance screen while the
// debug flag is set: test hooks of the facade, the file manager, a folder
// browser and the radio test.
Item {
    id: service
    objectName: "serviceScreen"

    readonly property var hooks: [
        function() { return Database.KLX_DataBaseManagerTest01() },
        function() { return Database.KLX_DataBaseManagerTest02() },
        function() { return Database.KLX_DataBaseManagerTest03() },
        function() { return Database.KLX_DataBaseManagerTest04() },
        function() { return Database.KLX_DataBaseManagerTest05() },
        function() { return Database.KLX_DataBaseManagerTest06() },
        function() { return Database.KLX_DataBaseManagerTest07() },
        function() { return Database.KLX_DataBaseManagerTest08() }
    ]

    function touch(n) {
        if (n <= hooks.length)
            hooks[n - 1]()
        else if (n === 9)
            rootwindow.openScreen("qrc:/Frontend/QML/FileManager.qml", { fileman_mode: "Left" })
        else if (n === 10)
            rootwindow.openScreen("qrc:/Frontend/QML/FileBrowser.qml")
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
