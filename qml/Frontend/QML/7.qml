import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "ServoLists.js" as ServoLists

// The servo monitor: every servo's live output on its bar with its limits,
// its centre and the position of the control of the first function that
// drives it.
Item {
    id: monitor
    objectName: "servoMonitor"
    property var rows: []     // [{ servo, label, control, centre, min, max }]

    function shortName(name) { return name.length > 9 ? name.substring(0, 9) : name }
    function readRows() {
        var db = Database
        var get = DatabaseValue.AtomicDirGet
        // Every used function counts, not only indices below the count of
        // used functions: a gap in the indices would hide later ones.
        var byServo = ServoLists.functionsByServo()
        var list = []
        for (var servo = 0; servo < byServo.length; ++servo) {
            var functions = byServo[servo]
            var control = 0
            var centre = 0
            if (functions.length > 0) {
                control = db.KLX_DataBaseManagerFunctionGetSet_Control(functions[0], 0, get)
                centre = db.KLX_DataBaseManagerServoConfigGetSet_Centre(servo, 0, get)
            }
            var name = db.KLX_DataBaseManagerServoConfigGetSet_Name(servo, "", get)
            list.push({ servo: servo, label: (servo + 1) + " " + shortName(name), control: control > 0 ? control : 0,
                        centre: centre,
                        min: db.KLX_DataBaseManagerServoConfigGetSet_MinValue(servo, 0, get),
                        max: db.KLX_DataBaseManagerServoConfigGetSet_MaxValue(servo, 0, get) })
        }
        rows = list
    }

    ScreenHeading {
        id: heading
        objectName: "monitorHeading"
        text: qsTr("Flight Mode: Normal") + Language.emptyString
        elide: Text.ElideNone
    }

    ListView {
        id: list
        objectName: "servoMonitorList"
        x: 5
        y: heading.height
        width: parent.width - 10
        height: parent.height - y
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: monitor.rows
        delegate: Item {
            width: list.width - 6
            height: 35
            Text {
                objectName: "monitorName_" + modelData.servo
                width: 120
                height: parent.height
                text: modelData.label
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 14
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }
            Servobar {
                objectName: "monitorBar_" + modelData.servo
                x: 125
                y: (parent.height - height) / 2
                width: parent.width - x
                servo: modelData.servo
                control: modelData.control
                centre: modelData.centre
                negLimit: modelData.min
                posLimit: modelData.max
            }
        }
    }
    ScrollBar { flickable: list }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        readRows()
    }
}
