import QtQuick 2.15

// A horizontal slider from `from` to `to`; a drag or a touch on the track
// moves it and emits moved() with the new value.
Item {
    id: slider
    property real from: 0
    property real to: 100
    property real value: 0
    readonly property alias pressed: touch.pressed
    signal moved()

    width: 200
    height: 30
    opacity: enabled ? 1.0 : 0.4

    readonly property real ratio: to > from ? Math.max(0, Math.min(1, (value - from) / (to - from))) : 0

    Rectangle {
        id: track
        anchors.verticalCenter: parent.verticalCenter
        x: knob.width / 2
        width: parent.width - knob.width
        height: 6
        radius: 3
        color: "grey"
        Rectangle {
            width: track.width * slider.ratio
            height: parent.height
            radius: 3
            color: "#2f7fd8"
        }
    }
    Rectangle {
        id: knob
        anchors.verticalCenter: parent.verticalCenter
        x: track.width * slider.ratio
        width: 22
        height: 22
        radius: 11
        color: rootwindow.backColour
        border.width: 2
        border.color: "#2f7fd8"
    }
    MouseArea {
        id: touch
        anchors.fill: parent
        enabled: slider.enabled
        preventStealing: true
        function follow(x) {
            var r = Math.max(0, Math.min(1, (x - track.x) / track.width))
            var v = slider.from + r * (slider.to - slider.from)
            if (v !== slider.value) {
                slider.value = v
                slider.moved()
            }
        }
        onPressed: follow(mouse.x)
        onPositionChanged: follow(mouse.x)
    }
}
