import QtQuick 2.15
import DBValues 1.0

// A notes widget: the widget's text, wrapped into the frame.
Item {
    id: view
    objectName: "teleLabel_" + elementId

    property int pageId: -1
    property int elementId: -1
    property int frameSize: DatabaseValue.TELEGUISIZE_Small
    property int presetSign: 0
    property var home: null

    Text {
        objectName: "labelText"
        anchors.fill: parent
        anchors.margins: 3
        wrapMode: Text.Wrap
        elide: Text.ElideRight
        text: Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText(view.pageId, view.elementId, "", DatabaseValue.AtomicDirGet)
        color: rootwindow.rectTextColour
        font.family: rootwindow.fontFamily
        font.pixelSize: view.frameSize === DatabaseValue.TELEGUISIZE_Huge ? 15 : 12
    }
}
