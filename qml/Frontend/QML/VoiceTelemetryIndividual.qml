import QtQuick 2.15
import DBValues 1.0

// What an individual telemetry voice alarm says with its value: the sensor's
// name, the value's name and the unit, each on or off, and which sensor
// value it speaks (through the sensor-and-value chooser). "OK" returns to
// the alarm's settings.
Item {
    id: screen
    objectName: "voiceTelemetryIndividual"

    // Arguments.
    property int itemNum: 0

    property int bits: 0
    property string sourceShown: ""
    readonly property var parts: [
        { bit: DatabaseValue.VALARM_IndividualMainBit, label: qsTr("Sensor name") + Language.emptyString, name: "individualMain" },
        { bit: DatabaseValue.VALARM_IndividualSlaveBit, label: qsTr("Value name") + Language.emptyString, name: "individualSlave" },
        { bit: DatabaseValue.VALARM_IndividualUnitBit, label: qsTr("Unit") + Language.emptyString, name: "individualUnit" }
    ]

    function get() { return DatabaseValue.AtomicDirGet }
    function set() { return DatabaseValue.AtomicDirSet }
    function read() {
        bits = Database.KLX_DataBaseManagerVAlarmGetSetIndividualBit(itemNum, 0, get())
        var main = Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(itemNum, 0, get())
        var slave = Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(itemNum, 0, get())
        sourceShown = Database.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(main) === DatabaseValue.KLX_True
                ? Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(main) + " : "
                  + Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(main, slave)
                : "---"
    }
    function toggle(bit) {
        var result = (bits & bit) ? Database.KLX_DataBaseManagerVAlarmGetUnsetIndividualBit(itemNum, bit, set())
                                  : Database.KLX_DataBaseManagerVAlarmGetSetIndividualBit(itemNum, bit, set())
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return
        }
        bits = result
    }
    // Sensor and value names as they would be said before the value.
    function preview() {
        var main = Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(itemNum, 0, get())
        var slave = Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(itemNum, 0, get())
        var said = []
        if (bits & DatabaseValue.VALARM_IndividualMainBit)
            said.push(Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(main))
        if (bits & DatabaseValue.VALARM_IndividualSlaveBit)
            said.push(Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(main, slave))
        if (bits & DatabaseValue.VALARM_IndividualUnitBit)
            said.push(Database.KLX_DataBaseManagerTelemetrieGetSlaveUnit(main, slave))
        if (said.length > 0)
            Database.VoiceAlarm_SayText(said.join(" "), itemNum)
    }

    ScreenHeading {
        objectName: "individualHeading"
        y: 2
        text: qsTr("Voice alarm") + Language.emptyString + " " + (screen.itemNum + 1)
    }
    SettingsList {
        x: 5
        y: 32
        width: parent.width - 10
        height: 176
        labelWidth: 130
        SettingRow {
            label: qsTr("Source") + Language.emptyString
            labelWidth: 130
            buttonName: "individualSource"
            valueWidth: 320
            value: screen.sourceShown
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/TelemetryWidgetValueSensorSlaveChooser.qml",
                                             { pageId: -1, elementId: screen.itemNum, sensorId: -1, slaveId: -1 })
        }
        Repeater {
            model: screen.parts
            SettingRow {
                label: modelData.label
                labelWidth: 130
                buttonName: modelData.name
                valueWidth: 120
                active: (screen.bits & modelData.bit) !== 0
                value: ((screen.bits & modelData.bit) !== 0 ? qsTr("On") : qsTr("Off")) + Language.emptyString
                onClicked: screen.toggle(modelData.bit)
            }
        }
    }
    Row {
        x: parent.width - width - 8
        y: 212
        spacing: 8
        GeneralPurposeButton {
            objectName: "individualPlay"
            width: 60
            gp_text: "\u25B6"
            onClicked: screen.preview()
        }
        GeneralPurposeButton {
            objectName: "individualOk"
            width: 100
            gp_text: qsTr("OK") + Language.emptyString
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/VoiceSettings.qml", { itemNum: screen.itemNum })
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(itemNum)
        systemHistory.addEndOfArgs()
        read()
    }
}
