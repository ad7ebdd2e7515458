import QtQuick 2.15

// A box over a screen while a long operation runs: what it does, on what
// and how far (no bar while the percentage is below 0, a spinner in its place
// while busy), and, where the operation can be stopped, a way out. Touches
// and a mouse wheel over it are held from what lies behind. A title too long
// for one line wraps and the box grows.
Rectangle {
    id: box
    property string title
    property string line
    property int percent: -1
    property bool abortable: true
    property bool busy: false
    // Names of the inner items, for the screen tests.
    property string titleName
    property string lineName
    property string abortName
    signal abort()
    // The height of the title's lines below its first.
    readonly property real extra: titleText.lineCount > 1
                                  ? titleText.contentHeight * (titleText.lineCount - 1) / titleText.lineCount : 0

    anchors.centerIn: parent
    width: 300
    height: (abortable ? 130 : 100) + extra
    radius: 6
    z: 70
    color: rootwindow.backColour
    border.width: 2
    border.color: rootwindow.textColour
    MouseArea {
        anchors.fill: parent
        onWheel: wheel.accepted = true
    }
    Text {
        id: titleText
        objectName: box.titleName
        x: 12
        y: 10
        width: parent.width - 24
        wrapMode: Text.WordWrap
        text: box.title
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 16
        font.bold: true
    }
    Text {
        objectName: box.lineName
        x: 12
        y: 36 + box.extra
        width: parent.width - 24
        elide: Text.ElideMiddle
        text: box.line
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 14
    }
    PercentBar {
        x: 12
        y: 62 + box.extra
        width: parent.width - 24
        visible: box.percent >= 0 && !box.busy
        percent: box.percent
    }
    ProgressSpinner {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 56 + box.extra
        width: 36
        height: 36
        visible: box.busy
    }
    GeneralPurposeButton {
        objectName: box.abortName
        visible: box.abortable
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        width: 110
        gp_text: qsTr("Abort") + Language.emptyString
        onClicked: box.abort()
    }
}
