import QtQuick 2.15

// WLAN: switched off (state 0) crossed; otherwise the signal level 0 to 5 as
// lit arcs, solid when connected (state 2), faint when only enabled.
Item {
    id: wlan
    property int wlanState: 0
    property int level: 0
    width: 24
    height: 20

    Item {
        id: arcs
        anchors.horizontalCenter: parent.horizontalCenter
        y: 1
        width: 22
        height: 18
        clip: true
        opacity: wlan.wlanState === 2 ? 1.0 : 0.55
        Repeater {
            model: 3
            Rectangle {
                readonly property int size: 22 - index * 7
                x: (arcs.width - size) / 2
                y: 2 + index * 3.5
                width: size
                height: size
                radius: size / 2
                color: "transparent"
                border.width: 2
                border.color: wlan.wlanState !== 0 && wlan.level >= 5 - index * 2 ? rootwindow.textColour : "grey"
            }
        }
    }
    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        width: 5
        height: 5
        radius: 2.5
        color: wlan.wlanState === 0 ? "grey" : wlan.wlanState === 2 ? "#2f7fd8" : rootwindow.textColour
    }
    Text {
        visible: wlan.wlanState === 0
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        text: "\u00d7"
        color: "#E10000"
        font.family: rootwindow.fontFamily
        font.pixelSize: 14
        font.bold: true
    }
}
