import QtQuick 2.15
import DBValues 1.0

// Where a control stands, in three fields (below -400, between, above
// 400), read every 100 ms; a virtual switch is read at its output.
Row {
    id: indicator
    property int control: 0
    property int field: 1
    spacing: 2

    function read() {
        if (rootwindow.shutdown)
            return
        var value = control >= 1280 && control <= 1407
                ? RuntimeDatabase.KLX_RuntimeDatabaseManagerGetVSOutputByVSId(control - 1280)
                : Database.KLX_DataBaseManagerGetValueOfControl(control)
        field = value < -400 ? 0 : value > 400 ? 2 : 1
    }
    Timer {
        interval: 100
        repeat: true
        running: !rootwindow.shutdown
        onTriggered: indicator.read()
    }
    Component.onCompleted: read()

    Repeater {
        model: 3
        Rectangle {
            objectName: "positionField_" + index
            width: 12
            height: 12
            radius: 2
            color: indicator.field === index ? "#2fa84f" : "transparent"
            border.width: 1
            border.color: rootwindow.textColour
        }
    }
}
