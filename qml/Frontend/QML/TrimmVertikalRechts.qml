import QtQuick 2.15

// The vertical trim bar of the right stick: the value in percent fills from
// the centre upwards or downwards, the marker stands out to the right.
TrimmVertikalLinks {
    markerX: 0
}
