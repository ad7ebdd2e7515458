import QtQuick 2.15

// The column heads above a list of model elements; the small heads of a
// list of values are plain, smaller and set at the top of their line.
Row {
    id: heading
    property var titles: []
    property var widths: []
    property bool small: false
    x: 5
    height: small ? 18 : 22
    spacing: 4
    Repeater {
        model: heading.titles
        Text {
            width: heading.widths[index]
            height: heading.height
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: heading.small ? Text.AlignTop : Text.AlignVCenter
            text: modelData
            // A long head shrinks to its column before it is cut.
            fontSizeMode: heading.small ? Text.FixedSize : Text.HorizontalFit
            minimumPixelSize: 9
            elide: heading.small ? Text.ElideNone : Text.ElideRight
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: heading.small ? 12 : 13
            font.bold: !heading.small
        }
    }
}
