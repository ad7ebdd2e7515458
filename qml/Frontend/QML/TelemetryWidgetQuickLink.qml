import QtQuick 2.15
import DBValues 1.0

// A quick link: a main-menu entry's picture and line; a tap opens its screen.
Item {
    id: view
    objectName: "teleQuickLink_" + elementId

    property int pageId: -1
    property int elementId: -1
    property int frameSize: DatabaseValue.TELEGUISIZE_Small
    property int presetSign: 0
    property var home: null

    // The main-menu entry's index, -1 when the widget names none.
    property int entry: -1
    readonly property string source: entry > 0 ? MainMenu.qmlSource(entry) : ""

    function open() {
        if (source === "")
            return
        if (!rootwindow.noModelFor(source))
            rootwindow.openScreen(source)
    }

    Image {
        id: icon
        visible: view.entry > 0
        x: 3
        y: (view.height - height) / 2
        width: view.frameSize === DatabaseValue.TELEGUISIZE_Huge ? 64 : 40
        height: width
        sourceSize.width: width
        sourceSize.height: height
        source: view.entry > 0 ? MainMenu.icon(view.entry, rootwindow.rectScheme) : ""
    }
    Text {
        objectName: "linkLine"
        x: view.entry > 0 ? icon.x + icon.width + 4 : 3
        width: view.width - x - 3
        height: view.height
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        elide: Text.ElideRight
        maximumLineCount: 3
        text: view.entry > 0 ? MainMenu.line(view.entry) : qsTr("Select entry") + Language.emptyString
        color: rootwindow.rectTextColour
        font.family: rootwindow.fontFamily
        font.pixelSize: view.frameSize === DatabaseValue.TELEGUISIZE_Huge ? 16 : 12
    }

    Component.onCompleted: {
        var text = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_QuickLinkWidgetEntry(pageId, elementId, "", DatabaseValue.AtomicDirGet)
        var index = parseInt(text, 10)
        entry = text !== "" && !isNaN(index) && MainMenu.qmlSource(index) !== "" ? index : -1
    }
}
