import QtQuick 2.15

// The column heads above a list of model elements.
Row {
    id: heading
    property var titles: []
    property var widths: []
    x: 5
    height: 22
    spacing: 4
    Repeater {
        model: heading.titles
        Text {
            width: heading.widths[index]
            height: heading.height
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: modelData
            // A long head shrinks to its column before it is cut.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 9
            elide: Text.ElideRight
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 13
            font.bold: true
        }
    }
}
