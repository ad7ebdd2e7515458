import QtQuick 2.15
import DBValues 1.0

// A sensor and its values, for whoever asks: a value widget (any number of
// values; pageId and elementId the widget, sensorId and slaveId the row that
// is replaced or -1), or one value (singleMode) for a voice alarm (the
// default: elementId the alarm, individualVoice for its own screen), the
// vario (varioMode), a head-up row (headupMode, elementId the row) or a
// telemetry control (teleControlMode, elementId the control). Outside the
// value widget sensorId and slaveId are the current address and value index.
// While the transceiver is still looking for the model's sensors the sensor
// column says so below what it lists, and it lists them once they are found.
Item {
    id: screen
    objectName: "sensorSlaveChooser"
    property int pageId: -1
    property int elementId: -1
    property int sensorId: -1
    property int slaveId: -1
    property bool singleMode: false
    property bool varioMode: false
    property bool headupMode: false
    property bool teleControlMode: false
    property bool individualVoice: false

    readonly property string folder: "qrc:/Frontend/QML/"
    readonly property bool widgetMode: pageId >= 0 && !varioMode && !headupMode && !teleControlMode
    readonly property bool single: singleMode || !widgetMode
    property var sensors: []
    property var values: []
    property int chosenSensor: -1
    property var chosenValues: []
    property bool capturing: false
    property int captureAttempts: 0
    property bool searching: false

    function get() { return DatabaseValue.AtomicDirGet }
    function set() { return DatabaseValue.AtomicDirSet }
    function readSensors() {
        var list = []
        var count = Database.KLX_DataBaseManagerGetSensors()
        for (var a = 0; a < count; ++a)
            if (Database.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(a) === DatabaseValue.KLX_True)
                list.push({ address: a, label: Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(a),
                            enabled: !(teleControlMode && a === DatabaseValue.Z2B_Sensor_VORN) })
        sensors = list
    }
    // The sensor table changed: the chosen sensor stays when it is still there.
    function rereadSensors() {
        readSensors()
        var usable = sensors.filter(function(s) { return s.enabled })
        if (usable.some(function(s) { return s.address === chosenSensor }))
            readValues(chosenSensor)
        else if (usable.length > 0)
            chooseSensor(usable[0].address)
        else {
            chosenSensor = -1
            chosenValues = []
            values = []
        }
    }
    function readSearching() {
        var now = Database.KLX_DataBaseManagerTelemetrieGetIsSearching() === DatabaseValue.KLX_True
        if (searching && !now)
            rereadSensors()
        searching = now
    }
    function readValues(a) {
        var list = []
        var gps = Database.KLX_DataBaseManagerTelemetrieGetHasSensorGPS(a) === DatabaseValue.KLX_True
        for (var i = 0; i < Database.KLX_DataBaseManagerGetMaxSlavesPerSensor(); ++i) {
            if (Database.KLX_DataBaseManagerTelemetrieGetSlave_IsUsed(a, i) !== DatabaseValue.KLX_True)
                continue
            var status = Database.KLX_DataBaseManagerTelemetrieGet_Slave_HasStatus(a, i) === DatabaseValue.KLX_True
            var coordinate = gps && (i % 8 === 4 || i % 8 === 6)
            list.push({ index: i, label: Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(a, i),
                        enabled: !coordinate && !(status && (varioMode || teleControlMode)) })
        }
        values = list
    }
    function chooseSensor(a) {
        if (a !== chosenSensor)
            chosenValues = []
        chosenSensor = a
        readValues(a)
    }
    function toggleValue(i) {
        if (single) {
            chosenValues = [i]
            return
        }
        var at = chosenValues.indexOf(i)
        var list = chosenValues.slice()
        if (at >= 0)
            list.splice(at, 1)
        else
            list.push(i)
        chosenValues = list
    }
    function fail(result) {
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return true
        }
        return false
    }

    // ---- OK by caller ----
    function ok() {
        if (chosenSensor < 0 || chosenValues.length === 0)
            return
        var a = chosenSensor, i = chosenValues[0]
        if (widgetMode)
            toWidget(a)
        else if (varioMode) {
            Database.KLX_DataBaseManagerSetVarioAddress(a, i)
            rootwindow.openScreen(folder + "VarioSettings2.qml")
        } else if (headupMode) {
            Database.KLX_DatabaseMangerHeadupSetTeleMainAddr(elementId, a)
            Database.KLX_DatabaseMangerHeadupSetTeleSlaveAddr(elementId, i)
            rootwindow.openScreen(folder + "HeadupMenu.qml")
        } else if (teleControlMode) {
            if (!fail(Database.KLX_DataBaseManagerTeleControlGetSet_FullAddr(elementId, a | (i << 8), set()))) {
                captureAttempts = 0
                takeDecimalPoint()
            }
        } else {
            toVoice(a, i)
        }
    }
    function toWidget(a) {
        var slot = -1
        if (sensorId >= 0) {
            fail(Database.KLX_DataBaseManagerGUITelemetrieDeleteSlave(pageId, elementId, sensorId, slaveId))
            if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(pageId, elementId, sensorId, 0, get()) === DatabaseValue.KLX_True
                    && Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(pageId, elementId, sensorId, 0, get()) === a)
                slot = sensorId
        }
        for (var s = 0; slot < 0 && s < 32; ++s)
            if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(pageId, elementId, s, 0, get()) === DatabaseValue.KLX_True
                    && Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(pageId, elementId, s, 0, get()) === a)
                slot = s
        if (slot < 0) {
            slot = Database.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(pageId, elementId, a)
            if (fail(slot))
                slot = -1
        }
        for (var n = 0; slot >= 0 && n < chosenValues.length; ++n)
            if (fail(Database.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(pageId, elementId, slot, a, chosenValues[n])))
                break
        rootwindow.openScreen(folder + "TelemetryWidgetValueSetup.qml", { pageId: pageId, elementId: elementId })
    }
    function toVoice(a, i) {
        var e = elementId
        if (Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(e, 0, get()) !== a
                || Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(e, 0, get()) !== i) {
            var r = Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(e, a, set())
            if (!fail(r))
                r = Database.KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(e, i, set())
            if (!fail(r)) {
                Database.KLX_DataBaseManagerVAlarmGetSetTimeStep(e, 0, set())
                Database.KLX_DataBaseManagerVAlarmGetSetValueStep(e, 0, 0, set())
            }
        }
        rootwindow.openScreen(folder + (individualVoice ? "VoiceTelemetryIndividual.qml" : "VoiceSettings.qml"), { itemNum: e })
    }
    // A source whose description is not complete yet has no decimal
    // position: asked again every 500 ms, ten times at most.
    function takeDecimalPoint() {
        var d = Database.KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(chosenSensor, chosenValues[0])
        if (d >= DatabaseValue.DECIMSEPAR_null && d <= DatabaseValue.DECIMSEPAR_max) {
            capturing = false
            fail(Database.KLX_DataBaseManagerTeleControlGetSet_DecPoint(elementId, d, set()))
            rootwindow.openScreen(folder + "TelemetryControls.qml")
            return
        }
        if (captureAttempts >= 10) {
            capturing = false
            rootwindow.openScreen(folder + "TelemetryControls.qml")
            return
        }
        capturing = true
        captureAttempts += 1
        captureRetry.restart()
    }
    Timer {
        id: captureRetry
        objectName: "captureRetry"
        interval: 500
        onTriggered: screen.takeDecimalPoint()
    }

    Timer {
        objectName: "searchWatch"
        interval: 500
        repeat: true
        running: true
        onTriggered: screen.readSearching()
    }
    Connections {
        target: Database
        function onTeleRescanDone(sensorsNum, wasFastStarted) { screen.rereadSensors() }
    }

    ScreenHeading {
        y: 2
        text: screen.capturing ? qsTr("Capturing sensor information...") + Language.emptyString
                               : qsTr("Sensor") + Language.emptyString + " / " + qsTr("Value") + Language.emptyString
    }
    ListView {
        id: sensorList
        objectName: "chooserSensors"
        x: 5
        y: 30
        width: 225
        height: parent.height - y - 40
        clip: true
        spacing: 3
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.sensors
        delegate: GeneralPurposeButton {
            objectName: "chooseSensor_" + modelData.address
            width: sensorList.width - 8
            gp_text: modelData.label
            fitText: true
            state: !modelData.enabled ? "disabled" : screen.chosenSensor === modelData.address ? "active" : ""
            onClicked: screen.chooseSensor(modelData.address)
        }
        footer: Text {
            objectName: "chooserSearching"
            x: 4
            width: sensorList.width - 8
            height: screen.searching ? 34 : 0
            visible: screen.searching
            verticalAlignment: Text.AlignVCenter
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 15
            elide: Text.ElideRight
            text: qsTr("Searching for sensors...") + Language.emptyString
        }
    }
    ScrollBar { flickable: sensorList }
    ListView {
        id: valueList
        objectName: "chooserValues"
        x: 245
        y: 30
        width: 225
        height: parent.height - y - 40
        clip: true
        spacing: 3
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.values
        delegate: GeneralPurposeButton {
            objectName: "chooseValue_" + modelData.index
            width: valueList.width - 8
            gp_text: modelData.label
            fitText: true
            state: !modelData.enabled ? "disabled" : screen.chosenValues.indexOf(modelData.index) >= 0 ? "active" : ""
            onClicked: screen.toggleValue(modelData.index)
        }
    }
    ScrollBar { flickable: valueList }
    GeneralPurposeButton {
        objectName: "chooserCancel"
        x: 5
        y: parent.height - 35
        width: 100
        gp_text: qsTr("Cancel") + Language.emptyString
        onClicked: systemHistory.goBack()
    }
    GeneralPurposeButton {
        objectName: "chooserOk"
        x: parent.width - width - 8
        y: parent.height - 35
        width: 100
        visible: screen.chosenSensor >= 0 && screen.chosenValues.length > 0
        state: screen.capturing ? "disabled" : ""
        gp_text: qsTr("OK") + Language.emptyString
        onClicked: screen.ok()
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        var args = [pageId, elementId, sensorId, slaveId, singleMode, varioMode, headupMode, teleControlMode, individualVoice]
        for (var n = 0; n < args.length; ++n)
            systemHistory.addArg(args[n])
        systemHistory.addEndOfArgs()
        searching = Database.KLX_DataBaseManagerTelemetrieGetIsSearching() === DatabaseValue.KLX_True
        readSensors()
        var a = -1, i = -1
        if (widgetMode && sensorId >= 0) {
            a = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(pageId, elementId, sensorId, 0, get())
            i = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(pageId, elementId, sensorId, slaveId, 0, get())
        } else if (!widgetMode) {
            a = sensorId
            i = slaveId
        }
        var usable = sensors.filter(function(s) { return s.enabled })
        if (usable.some(function(s) { return s.address === a })) {
            chooseSensor(a)
            if (values.some(function(v) { return v.index === i && v.enabled }))
                chosenValues = [i]
        } else if (usable.length > 0) {
            chooseSensor(usable[0].address)
        }
    }
}
