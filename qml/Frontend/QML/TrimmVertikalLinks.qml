import QtQuick 2.15
import DBValues 1.0

// The vertical trim bar of the left stick: the value in percent fills from
// the centre upwards or downwards, the marker stands out to the left (to the
// right with markerX 0, for the right stick).
TrimBar {
    id: bar
    property int markerX: -4
    vertical: true
    width: 12
    height: 120
    Rectangle {
        objectName: "trimMarker"
        width: bar.width + 4
        height: 3
        x: bar.markerX
        y: bar.half - (bar.shown > 0 ? bar.fill : -bar.fill) - 1
        color: "#e8731c"
    }
}
