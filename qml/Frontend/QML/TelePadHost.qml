import QtQuick 2.15

// The numeric pad over a set-up screen: open(field, value, decimals, digits)
// shows it with the value; OK answers entered(field, raw value). The back
// key closes it without storing (the main window treats it as an open
// keyboard).
Item {
    id: host
    objectName: "padHost"
    property bool extended: false
    property string preLoadText: ""
    property string field: ""
    property alias timeFormat: pad.timeFormat
    signal entered(string field, int value)

    anchors.fill: parent
    visible: extended
    function open(name, value, decimals, digits) {
        field = name
        pad.inputLength = digits
        pad.decPoint = decimals
        pad.latchPoint = false
        pad.rawData = value
        extended = true
        rootwindow.kbd_sender = host
    }
    function close() {
        extended = false
        if (rootwindow.kbd_sender === host)
            rootwindow.kbd_sender = null
    }
    MouseArea { anchors.fill: parent; onClicked: host.close() }
    Numpad {
        id: pad
        objectName: "numpad"
        x: parent.width - width - 8
        y: (parent.height - height) / 2
        onOkClicked: {
            var name = host.field
            host.close()
            host.entered(name, pad.rawData)
        }
    }
}
