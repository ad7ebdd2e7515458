import QtQuick 2.15

// The bold line over a screen, a list or a chooser: its title, cut with "..."
// at the right edge when it is too long.
Text {
    x: 8
    width: parent.width - 2 * x
    height: 24
    color: rootwindow.textColour
    font.family: rootwindow.fontFamily
    font.pixelSize: 15
    font.bold: true
    verticalAlignment: Text.AlignVCenter
    elide: Text.ElideRight
}
