import QtQuick 2.15

// The line in an empty list that says how to fill it: centred on the list,
// wrapped, and gone as soon as the list has a row.
Text {
    property ListView view: null
    anchors.centerIn: view
    width: view ? view.width - 20 : 0
    visible: view !== null && view.count === 0
    horizontalAlignment: Text.AlignHCenter
    wrapMode: Text.WordWrap
    color: rootwindow.textColour
    font.family: rootwindow.fontFamily
    font.pixelSize: 15
}
