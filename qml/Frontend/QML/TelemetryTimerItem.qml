import QtQuick 2.15

// One timer in the timer widget's set-up: name, start and stop time, the
// settings button and, for a simple timer, the alarm button; the widget's
// timer is marked.
Item {
    id: row
    property var timer: ({})
    property bool chosen: false
    width: parent ? parent.width : 0
    height: 34
    signal nameClicked()
    signal settingsClicked()
    signal alarmClicked()
    signal deleteClicked()

    Row {
        spacing: 3
        GeneralPurposeButton {
            objectName: "timerName_" + row.timer.key
            width: 110; fontSize: 13
            state: row.chosen ? "active" : ""
            gp_text: row.timer.name
            onClicked: row.nameClicked()
        }
        Text {
            width: 90; height: 30
            verticalAlignment: Text.AlignVCenter; horizontalAlignment: Text.AlignHCenter
            color: rootwindow.textColour; font.pixelSize: 13
            text: row.timer.start + " \u2192 " + row.timer.stop
        }
        GeneralPurposeButton {
            objectName: "timerSettings_" + row.timer.key
            width: 70; fontSize: 13
            gp_text: qsTr("Settings") + Language.emptyString
            onClicked: row.settingsClicked()
        }
        GeneralPurposeButton {
            objectName: "timerAlarm_" + row.timer.key
            width: 70; fontSize: 13
            visible: !row.timer.complex
            gp_text: qsTr("Alarm") + Language.emptyString
            onClicked: row.alarmClicked()
        }
        GeneralPurposeButton {
            objectName: "timerDelete_" + row.timer.key
            width: 98; fontSize: 13
            gp_text: qsTr("Delete timer") + Language.emptyString
            onClicked: row.deleteClicked()
        }
    }
}
