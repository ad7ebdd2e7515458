import QtQuick 2.15

// A servo's bar on a scale of -200 to +200 percent with its negative limit,
// positive limit and centre marks. Every 40 ms it reads the servo's output
// (full scale 2047 = 200 %) and the live value of its control, and emits
// positionChanged(output) when the output moved.
Item {
    id: bar
    property int servo: 0
    property int control: 0
    property real negLimit: -100
    property real posLimit: 100
    property real centre: 0
    property bool showPercent: true
    property int output: 0
    property int controlValue: 0
    readonly property int percent: Math.round(output * 200 / 2047)
    signal positionChanged(int value)

    width: 240
    height: 20

    function xOf(percentValue) {
        return track.x + (Math.max(-200, Math.min(200, percentValue)) + 200) / 400 * track.width
    }

    // An object whose servoBeat() comes when outputs moved (a page of many
    // bars reads them all in one pass); without one the bar reads every 40 ms.
    property var beat: null
    Connections {
        target: bar.visible ? bar.beat : null
        function onServoBeat() { bar.read() }
    }
    Timer {
        interval: 40
        repeat: true
        running: bar.beat === null && bar.visible && !rootwindow.shutdown
        onTriggered: bar.read()
    }
    // On a beat that comes only with a change, the bar starts from the present output.
    Component.onCompleted: read()
    function read() {
        if (rootwindow.shutdown)
            return
        var value = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetServoData(bar.servo)
        if (bar.control !== 0)
            bar.controlValue = Database.KLX_DataBaseManagerGetValueOfControl(bar.control)
        if (value !== bar.output) {
            bar.output = value
            bar.positionChanged(value)
        }
    }

    Rectangle {
        id: track
        x: 0
        y: 4
        width: bar.showPercent ? bar.width - 46 : bar.width
        height: bar.height - 8
        radius: 2
        color: "transparent"
        border.width: 1
        border.color: Qt.rgba(0.5, 0.5, 0.5, 0.8)
    }
    Rectangle {
        // The output, from 0 % towards its side.
        y: track.y + 2
        height: track.height - 4
        x: Math.min(bar.xOf(0), bar.xOf(bar.percent))
        width: Math.abs(bar.xOf(bar.percent) - bar.xOf(0))
        color: "#2f7fd8"
    }
    Rectangle { x: bar.xOf(bar.negLimit) - 1; y: 0; width: 2; height: bar.height; color: "#E10000" }
    Rectangle { x: bar.xOf(bar.posLimit) - 1; y: 0; width: 2; height: bar.height; color: "#E10000" }
    Rectangle { x: bar.xOf(bar.centre) - 1; y: 2; width: 2; height: bar.height - 4; color: rootwindow.textColour }
    Rectangle {
        // The control's live position (-100 .. +100 %).
        visible: bar.control !== 0
        x: bar.xOf(bar.controlValue * 100 / 2047) - 3
        y: bar.height - 4
        width: 6
        height: 4
        color: "#F58C00"
    }
    Text {
        visible: bar.showPercent
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        text: bar.percent + "%"
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 13
    }
}
