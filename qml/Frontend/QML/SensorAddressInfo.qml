import QtQuick 2.15
import DBValues 1.0

// The alias of a widget's sensor (slaveId -1) or value, over the value
// set-up: what the sensor calls it, the alias, where it lives. A new alias
// goes into the sensor table and onto every widget; sendNewAlias tells the
// owner to read its names again.
Rectangle {
    id: info
    objectName: "aliasEditor"
    property int pageId: 0
    property int elementId: 0
    property int sensorId: 0
    property int slaveId: -1
    signal sendNewAlias()

    readonly property bool forSensor: slaveId < 0
    property int address: -1
    property int index: -1
    property string original: ""
    property string alias: ""

    anchors.fill: parent
    color: rootwindow.backColour
    MouseArea { anchors.fill: parent }

    function get() { return DatabaseValue.AtomicDirGet }
    function read() {
        address = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(pageId, elementId, sensorId, 0, get())
        original = Database.KLX_DataBaseManagerTelemetrieGetSensorName(address)
        if (forSensor) {
            alias = Database.KLX_DataBaseManagerGUITelemetrieGetSet_SensorAlias(pageId, elementId, sensorId, "", get())
        } else {
            index = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(pageId, elementId, sensorId, slaveId, 0, get())
            original += " : " + Database.KLX_DataBaseManagerTelemetrieGetSlaveLabel(address, index)
            alias = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveAlias(pageId, elementId, sensorId, slaveId, "", get())
        }
    }
    function edit() {
        keyboard.maxLen = forSensor ? 16 : 10
        keyboard.preLoadText = alias
        keyboard.extended = true
        rootwindow.kbd_sender = keyboard
    }
    function write(text) {
        var stored = forSensor
                ? Database.KLX_DataBaseManagerTelemetrieGetSetSensorAlias(address, text, DatabaseValue.AtomicDirSet)
                : Database.KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(address, index, text, DatabaseValue.AtomicDirSet)
        if (stored === text) {
            Database.KLX_DataBaseManagerGUITelemetryUpdateWidgetList(true)
            sendNewAlias()
        }
        read()
    }

    Column {
        x: 15
        y: 15
        spacing: 8
        Repeater {
            model: [{ name: "aliasOriginal", label: qsTr("Original:"), value: info.original },
                    { name: "aliasAlias", label: qsTr("Alias:"), value: info.alias === "" ? "---" : info.alias },
                    { name: "aliasAddress", label: qsTr("Address:"), value: info.forSensor ? String(info.address) : info.address + " : " + info.index },
                    { name: "aliasPage", label: qsTr("Page:"), value: String(info.pageId + 1) }]
            Row {
                spacing: 10
                Text { width: 110; text: modelData.label + Language.emptyString; color: rootwindow.textColour; font.pixelSize: 16 }
                Text { objectName: modelData.name; text: modelData.value; color: rootwindow.textColour; font.pixelSize: 16 }
            }
        }
    }
    GeneralPurposeButton {
        objectName: "aliasEdit"
        x: 15
        y: parent.height - 40
        width: 150
        gp_text: qsTr("Edit alias") + Language.emptyString
        onClicked: info.edit()
    }
    GeneralPurposeButton {
        objectName: "aliasClose"
        x: parent.width - width - 10
        y: parent.height - 40
        width: 100
        gp_text: qsTr("Close") + Language.emptyString
        onClicked: info.destroy()
    }
    Keyboard {
        id: keyboard
        objectName: "aliasKeyboard"
        onOkClicked: {
            keyboard.extended = false
            info.write(keyboard.preLoadText)
        }
    }
    Component.onCompleted: read()
}
