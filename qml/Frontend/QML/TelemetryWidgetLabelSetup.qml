import QtQuick 2.15
import DBValues 1.0

// The notes of a notes widget: edited in the multi-line editor, imported
// from a text file, exported to a USB stick; "Save" stores size and text
// and goes home.
Item {
    id: screen
    objectName: "labelSetup"
    property int pageId: 0
    property int elementId: 0
    property string text: ""
    property string stored: ""

    function get() { return DatabaseValue.AtomicDirGet }
    function edit() {
        var component = Qt.createComponent("qrc:/Frontend/QML/MultiLineTextEditor.qml")
        var editor = component.createObject(screen, { startText: screen.text })
        editor.changesMade.connect(function() {
            screen.text = editor.input
            editor.kill()
        })
    }
    function imported(folder, file) {
        text = Database.KLX_DataBaseManagerReadTextFile(folder + "/" + file)
    }
    function randomPart() {
        var chars = "0123456789abcdefghijklmnopqrstuvwxyz"
        var part = ""
        for (var i = 0; i < 8; ++i)
            part += chars.charAt(Math.floor(Math.random() * chars.length))
        return part
    }
    function exportText() {
        var now = new Date()
        var name = Qt.formatDateTime(now, "ddMMyyyy") + "_" + Qt.formatDateTime(now, "hhmmss") + "_" + randomPart() + ".txt"
        if (Database.KLX_DataBaseManagerExportTextFile(name, text))
            rootwindow.popupShow(null, "info", qsTr("Export successful") + Language.emptyString, "Ok")
        else
            rootwindow.popupShow(null, "attention", qsTr("Export failed!") + Language.emptyString + "\n"
                                 + qsTr("Please check if USB is connected and working") + Language.emptyString, "Ok")
    }
    function save() {
        bar.writeSize(bar.size)
        if (text !== stored)
            Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText(pageId, elementId, text, DatabaseValue.AtomicDirSet)
        var lines = text.split("\n").length
        if (lines > 6 || (lines > 3 && bar.size !== DatabaseValue.TELEGUISIZE_Huge)) {
            rootwindow.popupShow(null, "attention", qsTr("Attention!\nThe text will probably not be displayed correctly due to its length")
                                 + Language.emptyString, "Ok", function() { bar.goHome() })
            return
        }
        bar.goHome()
    }

    Text {
        x: 5; y: 2
        color: rootwindow.textColour; font.pixelSize: 15; font.bold: true
        text: qsTr("Notes") + Language.emptyString
    }
    Rectangle {
        x: 5; y: 26
        width: parent.width - 120; height: parent.height - 70
        color: "transparent"
        border.color: rootwindow.textColour
        radius: 3
        clip: true
        Text {
            objectName: "labelText"
            anchors.fill: parent
            anchors.margins: 4
            color: rootwindow.textColour; font.pixelSize: 14
            text: screen.text
        }
        MouseArea { anchors.fill: parent; onClicked: screen.edit() }
    }
    Column {
        x: parent.width - 108; y: 26
        spacing: 5
        GeneralPurposeButton { objectName: "labelEdit"; width: 100; gp_text: qsTr("Edit") + Language.emptyString; onClicked: screen.edit() }
        GeneralPurposeButton { objectName: "labelImport"; width: 100; gp_text: qsTr("Import") + Language.emptyString; onClicked: browser.show() }
        GeneralPurposeButton { objectName: "labelExport"; width: 100; gp_text: qsTr("Export") + Language.emptyString; onClicked: screen.exportText() }
        GeneralPurposeButton { objectName: "labelSave"; width: 100; gp_text: qsTr("Save") + Language.emptyString; onClicked: screen.save() }
    }
    TeleWidgetSetupBar {
        id: bar
        pageId: screen.pageId
        elementId: screen.elementId
        deferSize: true
    }
    FileBrowser {
        id: browser
        objectName: "labelBrowser"
        title: qsTr("Import") + Language.emptyString
        nameFilters: ["txt"]
        onChosen: screen.imported(folder, file)
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(pageId)
        systemHistory.addArg(elementId)
        systemHistory.addEndOfArgs()
        text = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText(pageId, elementId, "", get())
        stored = text
    }
}
