import QtQuick 2.15
import GuiData 1.0

// Where a control stands now: every 100 ms one of three fields lights,
// below -400, between -400 and 400, or above 400. A virtual switch is read
// through the engine's switch output.
Row {
    id: indicator
    property int control: 0
    property int value: 0
    readonly property int field: value < -400 ? 0 : value > 400 ? 2 : 1
    spacing: 2

    Timer {
        interval: 100
        repeat: true
        running: indicator.visible && !rootwindow.shutdown
        triggeredOnStart: true
        onTriggered: {
            var c = indicator.control
            indicator.value = c >= GuiCmdData.CONTROLID_Virtual_00_GUI && c <= GuiCmdData.CONTROLID_Virtual_Last_GUI
                    ? RuntimeDatabase.KLX_RuntimeDatabaseManagerGetVSOutputByControl(c)
                    : Database.KLX_DataBaseManagerGetValueOfControl(c)
        }
    }
    Repeater {
        model: 3
        Rectangle {
            objectName: "positionField_" + index
            width: 16
            height: 12
            radius: 2
            border.width: 1
            border.color: rootwindow.textColour
            color: indicator.field === index ? "#3cb043" : "transparent"
        }
    }
}
