import QtQuick 2.15
import DBValues 1.0
import "TelemetryFormat.js" as Format

// "Sensor Information" of a value widget, over the page: a row for each of
// its values with their lowest and highest readings, and the buttons that
// clear the widget's alerts, reset all readings and close it.
Rectangle {
    id: info
    objectName: "valueInformation"

    property int pageId: -1
    property int elementId: -1
    property var pairs: []

    readonly property QtObject db: Database
    readonly property int get: DatabaseValue.AtomicDirGet

    width: 414
    height: 226
    z: 50
    radius: 6
    color: rootwindow.backColour
    border.width: 2
    border.color: rootwindow.textColour

    function collectPairs() {
        pairs = Format.valuePairs(db, pageId, elementId, get, DatabaseValue.KLX_True)
    }
    function resetAlerts() {
        for (var n = 0; n < pairs.length; ++n) {
            var result = db.KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(pageId, elementId, pairs[n].sensor, pairs[n].value, 0, DatabaseValue.AtomicDirSet)
            if (result <= DatabaseValue.KLX_Error)
                errorHandler.processError(result)
        }
        refreshRows()
    }
    function resetValues() {
        for (var n = 0; n < rows.count; ++n) {
            var row = rows.itemAt(n)
            row.resetMin()
            row.resetMax()
        }
    }
    function refreshRows() {
        for (var n = 0; n < rows.count; ++n)
            rows.itemAt(n).refresh()
    }
    function close() { info.destroy() }

    // Touches stay in the box.
    MouseArea { anchors.fill: parent }

    Text {
        x: 10
        y: 6
        text: qsTr("Sensor Information") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.bold: true
        font.pixelSize: 15
    }
    Flickable {
        x: 9
        y: 28
        width: 396
        height: info.height - y - 42
        clip: true
        contentHeight: column.height
        Column {
            id: column
            spacing: 4
            Repeater {
                id: rows
                model: info.pairs
                TelemetryValueInformationItem {
                    rowIndex: index
                    pageId: info.pageId
                    elementId: info.elementId
                    sensorSlot: modelData.sensor
                    valueSlot: modelData.value
                }
            }
        }
    }
    Row {
        x: 9
        y: info.height - 38
        spacing: 9
        GeneralPurposeButton {
            objectName: "resetAlerts"
            width: 126
            gp_text: qsTr("Reset Alerts") + Language.emptyString
            onClicked: info.resetAlerts()
        }
        GeneralPurposeButton {
            objectName: "resetValues"
            width: 126
            gp_text: qsTr("Reset Values") + Language.emptyString
            onClicked: info.resetValues()
        }
        GeneralPurposeButton {
            objectName: "closeInformation"
            width: 126
            gp_text: qsTr("Close") + Language.emptyString
            onClicked: info.close()
        }
    }

    Component.onCompleted: collectPairs()
}
