import QtQuick 2.15
import DBValues 1.0
import "TelemetryFormat.js" as Format

// One value of a widget in its information: the sensor's and the value's
// names, the lowest and highest reading since their reset, each with its
// "Reset", and the alert mark from the slot's blink flag. Refreshed every
// 1000 ms.
Rectangle {
    id: row
    objectName: "infoRow_" + rowIndex

    property int rowIndex: 0
    property int pageId: -1
    property int elementId: -1
    property int sensorSlot: 0
    property int valueSlot: 0
    property int address: 0
    property int valueIndex: 0
    property string minText: ""
    property string maxText: ""
    property int blinkFlag: 0

    readonly property QtObject db: Database
    readonly property int get: DatabaseValue.AtomicDirGet

    width: 396
    height: 58
    radius: 4
    color: "transparent"
    border.width: 1
    border.color: rootwindow.rectBorderColour

    // Nothing for an error; the reading with its decimals and unit.
    function shown(result) {
        if (result <= DatabaseValue.KLX_Error)
            return ""
        var d = Format.decimals(db.KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(address, valueIndex), DatabaseValue.DECIMALSEPARATOR_silent)
        var unit = db.KLX_DataBaseManagerTelemetrieGetSlaveUnit(address, valueIndex)
        return Format.scaled(result, d) + (unit !== "" ? " " + unit : "")
    }
    function refresh() {
        if (rootwindow.shutdown)
            return
        address = db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(pageId, elementId, sensorSlot, 0, get)
        valueIndex = db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(pageId, elementId, sensorSlot, valueSlot, 0, get)
        minText = shown(db.KLX_DataBaseManagerTelemetrieGetSetSlaveMinValue(address, valueIndex, 0, get))
        maxText = shown(db.KLX_DataBaseManagerTelemetrieGetSetSlaveMaxValue(address, valueIndex, 0, get))
        var flag = db.KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(pageId, elementId, sensorSlot, valueSlot, 0, get)
        blinkFlag = flag > 0 ? flag : 0
    }
    function resetMin() {
        var result = db.KLX_DataBaseManagerTelemetrieResetSlaveMinValue(address, valueIndex)
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        refresh()
    }
    function resetMax() {
        var result = db.KLX_DataBaseManagerTelemetrieResetSlaveMaxValue(address, valueIndex)
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        refresh()
    }

    Timer {
        interval: 1000
        repeat: true
        running: !rootwindow.shutdown
        onTriggered: row.refresh()
    }

    Rectangle {
        objectName: "alertMark"
        x: 6
        y: 6
        width: 14
        height: 14
        radius: 7
        color: row.blinkFlag > 1 ? "#e03c31" : row.blinkFlag === 1 ? "#f0b400" : "#9a9a9a"
    }
    Text {
        x: 26
        y: 4
        width: 150
        elide: Text.ElideRight
        text: row.db.KLX_DataBaseManagerGUITelemetrieGet_SensorNameOrAlias(row.pageId, row.elementId, row.sensorSlot)
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 13
    }
    Text {
        x: 26
        y: 22
        width: 150
        elide: Text.ElideRight
        text: row.db.KLX_DataBaseManagerGUITelemetrieGet_SlaveNameOrAlias(row.pageId, row.elementId, row.sensorSlot, row.valueSlot)
        color: rootwindow.textColour
        opacity: 0.75
        font.family: rootwindow.fontFamily
        font.pixelSize: 12
    }
    Repeater {
        model: 2
        Item {
            readonly property bool isMax: index === 1
            x: 180 + index * 108
            y: 2
            width: 104
            height: row.height - 4
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: (parent.isMax ? qsTr("Max.") : qsTr("Min.")) + Language.emptyString
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 11
            }
            Text {
                objectName: parent.isMax ? "maxText" : "minText"
                y: 13
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: parent.isMax ? row.maxText : row.minText
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.bold: true
                font.pixelSize: 13
            }
            GeneralPurposeButton {
                objectName: parent.isMax ? "resetMax" : "resetMin"
                x: 12
                y: 30
                width: 80
                height: 22
                fontSize: 12
                gp_text: qsTr("Reset") + Language.emptyString
                onClicked: parent.isMax ? row.resetMax() : row.resetMin()
            }
        }
    }

    Component.onCompleted: refresh()
}
