import QtQuick 2.15
import DBValues 1.0

// Another value of the same sensor for one row of a value widget: the old
// value slot goes, the chosen value takes a slot of the same sensor slot.
Item {
    id: screen
    objectName: "slaveChooser"
    property int pageId: 0
    property int elementId: 0
    property int sensorId: 0
    property int slaveId: 0

    property int address: -1
    property var values: []
    property int chosen: -1

    function get() { return DatabaseValue.AtomicDirGet }
    function backToSetup() {
        rootwindow.openScreen("qrc:/Frontend/QML/TelemetryWidgetValueSetup.qml", { pageId: pageId, elementId: elementId })
    }
    function ok() {
        var result = Database.KLX_DataBaseManagerGUITelemetrieDeleteSlave(pageId, elementId, sensorId, slaveId)
        if (result > DatabaseValue.KLX_Error)
            result = Database.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(pageId, elementId, sensorId, address, chosen)
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        backToSetup()
    }

    ScreenHeading {
        y: 2
        text: Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(screen.address)
    }
    ListView {
        id: list
        objectName: "slaveChooserValues"
        x: 5
        y: 30
        width: parent.width - 10
        height: parent.height - y - 40
        clip: true
        spacing: 3
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.values
        delegate: GeneralPurposeButton {
            objectName: "chooseSlave_" + modelData.index
            width: list.width - 8
            gp_text: modelData.label
            state: screen.chosen === modelData.index ? "active" : ""
            onClicked: screen.chosen = modelData.index
        }
    }
    ScrollBar { flickable: list }
    GeneralPurposeButton {
        objectName: "slaveChooserCancel"
        x: 5
        y: parent.height - 35
        width: 100
        gp_text: qsTr("Cancel") + Language.emptyString
        onClicked: screen.backToSetup()
    }
    GeneralPurposeButton {
        objectName: "slaveChooserOk"
        x: parent.width - width - 8
        y: parent.height - 35
        width: 100
        visible: screen.chosen >= 0
        gp_text: qsTr("OK") + Language.emptyString
        onClicked: screen.ok()
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(pageId)
        systemHistory.addArg(elementId)
        systemHistory.addArg(sensorId)
        systemHistory.addArg(slaveId)
        systemHistory.addEndOfArgs()
        if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(pageId, elementId, sensorId, 0, get()) !== DatabaseValue.KLX_True) {
            Qt.callLater(backToSetup)
            return
        }
        address = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(pageId, elementId, sensorId, 0, get())
        var current = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(pageId, elementId, sensorId, slaveId, 0, get())
        var list = []
        for (var i = 0; i < Database.KLX_DataBaseManagerGetMaxSlavesPerSensor(); ++i)
            if (Database.KLX_DataBaseManagerTelemetrieGetSlave_IsUsed(address, i) === DatabaseValue.KLX_True)
                list.push({ index: i, label: Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(address, i) })
        values = list
        if (list.some(function(v) { return v.index === current }))
            chosen = current
    }
}
