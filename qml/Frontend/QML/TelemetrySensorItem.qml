import QtQuick 2.15

// One value of a value widget in its set-up list: sensor and value by the
// widget's aliases, the sensor's menu mark, its address button, the alarm
// button and the delete mark. The screen acts on the signals.
Item {
    id: row
    property var pair: ({})
    property var widths: []
    width: parent ? parent.width : 0
    height: 34
    signal sensorClicked()
    signal valueClicked()
    signal nameHeld(bool sensor)
    signal menuClicked()
    signal addressClicked(bool held)
    signal alarmClicked()
    signal deleteClicked()

    function xAt(column) {
        var x = 0
        for (var i = 0; i < column; ++i)
            x += widths[i]
        return x
    }
    GeneralPurposeButton {
        objectName: "sensorName_" + row.pair.s + "_" + row.pair.v
        x: row.xAt(0); width: row.widths[0] - 3
        gp_text: row.pair.sensorName
        fontSize: 13
        onClicked: row.sensorClicked()
        onLongclicked: row.nameHeld(true)
    }
    GeneralPurposeButton {
        objectName: "sensorMenu_" + row.pair.s + "_" + row.pair.v
        x: row.xAt(1); width: row.widths[1] - 3
        gp_text: row.pair.hasMenu ? "\u2261" : "-"
        state: row.pair.hasMenu ? "" : "disabled"
        onClicked: row.menuClicked()
    }
    GeneralPurposeButton {
        objectName: "sensorAddr_" + row.pair.s + "_" + row.pair.v
        x: row.xAt(2); width: row.widths[2] - 3
        gp_text: "X->Y"
        fontSize: 12
        state: row.pair.address > 4 ? "" : "disabled"
        onClicked: row.addressClicked(false)
        onLongclicked: row.addressClicked(true)
    }
    GeneralPurposeButton {
        objectName: "valueName_" + row.pair.s + "_" + row.pair.v
        x: row.xAt(3); width: row.widths[3] - 3
        gp_text: row.pair.valueName
        fontSize: 13
        onClicked: row.valueClicked()
        onLongclicked: row.nameHeld(false)
    }
    GeneralPurposeButton {
        objectName: "valueAlarm_" + row.pair.s + "_" + row.pair.v
        x: row.xAt(4); width: row.widths[4] - 3
        gp_text: qsTr("Alarm") + Language.emptyString
        fontSize: 13
        onClicked: row.alarmClicked()
    }
    GeneralPurposeButton {
        objectName: "valueDelete_" + row.pair.s + "_" + row.pair.v
        x: row.xAt(5); width: row.widths[5] - 3
        gp_text: "X"
        onClicked: row.deleteClicked()
    }
}
