import QtQuick 2.15

// The reception of a receiver: a level of 0, 10, 20, 40, 60, 80 or 100, each
// with its own look (five rising bars, level 10 one red bar, level 0 crossed).
Item {
    id: reception
    property int level: 100
    readonly property int lit: level >= 100 ? 5 : level >= 80 ? 4 : level >= 60 ? 3 : level >= 40 ? 2 : level >= 10 ? 1 : 0
    width: 24
    height: 20

    Row {
        anchors.bottom: parent.bottom
        spacing: 1
        Repeater {
            model: 5
            Rectangle {
                anchors.bottom: parent.bottom
                width: 4
                height: 4 + index * 4
                color: index < reception.lit ? (reception.level === 10 ? "#E10000" : rootwindow.textColour) : "transparent"
                border.width: 1
                border.color: index < reception.lit ? color : "grey"
            }
        }
    }
    Text {
        visible: reception.level === 0
        anchors.centerIn: parent
        text: "\u00d7"
        color: "#E10000"
        font.family: rootwindow.fontFamily
        font.pixelSize: 18
        font.bold: true
    }
}
