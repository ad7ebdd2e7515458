import QtQuick 2.15

// A page over the whole screen area, above everything on it (a picture
// viewer, a text editor), in the screen's background colour.
Rectangle {
    x: 0
    y: 0
    width: parent ? parent.width : 480
    height: parent ? parent.height : 247
    z: 900
    color: rootwindow.backColour
}
