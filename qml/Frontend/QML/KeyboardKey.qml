import QtQuick 2.15

// One key of the on-screen keyboard: a touch gives typed(); held() on a
// press-and-hold, or, with a repeat interval, typed() again every interval
// while the key stays pressed.
Rectangle {
    id: key
    property string face: ""
    property string label: face
    property bool active: false
    property bool tip: false
    property int repeatInterval: 0
    signal typed()
    signal held()

    width: 42
    height: 35
    radius: 4
    color: !enabled ? (rootwindow.contrast_sheme === 0 ? "#303030" : "#b8b8b8")
         : touch.pressed || active ? "#2f7fd8" : rootwindow.backColour
    border.width: 1
    border.color: Qt.rgba(0.5, 0.5, 0.5, 0.8)

    Text {
        anchors.centerIn: parent
        text: key.label
        color: !key.enabled ? "grey" : touch.pressed || key.active ? "white" : rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: key.label.length > 1 && key.width < 60 ? 13 : 18
    }
    Rectangle {
        width: 6
        height: 6
        radius: 2
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 3
        visible: key.tip
        color: "#e10000"
    }

    MouseArea {
        id: touch
        anchors.fill: parent
        enabled: key.enabled
        pressAndHoldInterval: 600
        onClicked: key.typed()
        onPressAndHold: {
            if (key.repeatInterval > 0) {
                key.typed()
                repeat.start()
            } else {
                key.held()
            }
        }
        onReleased: repeat.stop()
        onCanceled: repeat.stop()
    }
    Timer {
        id: repeat
        interval: Math.max(1, key.repeatInterval)
        repeat: true
        onTriggered: key.typed()
    }
}
