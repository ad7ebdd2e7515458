import QtQuick 2.15
import DBValues 1.0

// The main-menu entry a quick-link widget opens, chosen among the entries
// that have a screen.
Item {
    id: screen
    objectName: "quickLinkSetup"
    property int pageId: 0
    property int elementId: 0
    property string entry: ""
    property var entries: []

    function read() {
        entry = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_QuickLinkWidgetEntry(pageId, elementId, "", DatabaseValue.AtomicDirGet)
        var list = []
        for (var i = 1; i < MainMenu.length(); ++i)
            if (MainMenu.qmlSource(i) !== "")
                list.push({ index: i, label: MainMenu.line(i) })
        entries = list
    }
    function choose(i) {
        Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_QuickLinkWidgetEntry(pageId, elementId, String(i), DatabaseValue.AtomicDirSet)
        read()
    }

    GridView {
        objectName: "quickLinkList"
        x: 5; y: 5
        width: parent.width - 10
        height: parent.height - y - 42
        clip: true
        cellWidth: 156; cellHeight: 34
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.entries
        delegate: GeneralPurposeButton {
            objectName: "chooseLink_" + modelData.index
            width: 152; fontSize: 13
            gp_text: modelData.label
            state: screen.entry === String(modelData.index) ? "active" : ""
            onClicked: screen.choose(modelData.index)
        }
    }
    TeleWidgetSetupBar { pageId: screen.pageId; elementId: screen.elementId }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(pageId)
        systemHistory.addArg(elementId)
        systemHistory.addEndOfArgs()
        read()
    }
}
