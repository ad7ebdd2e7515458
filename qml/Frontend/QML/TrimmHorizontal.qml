import QtQuick 2.15
import DBValues 1.0

// A horizontal trim bar: the value in percent fills from the centre to its
// side and places the marker below; 0 and no value show the centre.
TrimBar {
    id: bar
    vertical: false
    width: 120
    height: 12
    Rectangle {
        objectName: "trimMarker"
        width: 3
        height: bar.height + 4
        y: -2
        x: bar.half + (bar.shown < 0 ? -bar.fill : bar.fill) - 1
        color: "#e8731c"
    }
}
