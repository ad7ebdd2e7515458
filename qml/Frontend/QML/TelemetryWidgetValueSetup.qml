import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The values a value widget shows, one row per sensor slot and value slot:
// each opens the sensor-and-value chooser, the value chooser, the alias
// editor, the sensor's menus and the value's alarms; the sensor's address
// can be moved (a held button resets it to the factory's); a rescan reads the
// sensors anew.
Item {
    id: screen
    objectName: "valueSetup"
    property int pageId: 0
    property int elementId: 0

    readonly property string folder: "qrc:/Frontend/QML/"
    readonly property var widths: [120, 40, 50, 120, 75, 35]
    property var pairs: []
    property bool addressPending: false
    property bool scanning: false

    function get() { return DatabaseValue.AtomicDirGet }
    function build() {
        var list = []
        var slaves = Database.KLX_DataBaseManagerGetMaxSlavesPerSensor()
        for (var s = 0; s < 32; ++s) {
            if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(pageId, elementId, s, 0, get()) !== DatabaseValue.KLX_True)
                continue
            var address = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(pageId, elementId, s, 0, get())
            for (var v = 0; v < slaves; ++v) {
                if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(pageId, elementId, s, v, 0, get()) !== DatabaseValue.KLX_True)
                    continue
                list.push({ s: s, v: v, address: address,
                            index: Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(pageId, elementId, s, v, 0, get()),
                            sensorName: Database.KLX_DataBaseManagerGUITelemetrieGet_SensorNameOrAlias(pageId, elementId, s),
                            valueName: Database.KLX_DataBaseManagerGUITelemetrieGet_SlaveNameOrAlias(pageId, elementId, s, v),
                            hasMenu: Database.KLX_DataBaseManagerTelemetrieGetHasSensorMenu(address) === DatabaseValue.KLX_True })
            }
        }
        pairs = list
    }

    function openChooser(sensorId, slaveId) {
        rootwindow.openScreen(folder + "TelemetryWidgetValueSensorSlaveChooser.qml",
                              { pageId: pageId, elementId: elementId, sensorId: sensorId, slaveId: slaveId })
    }
    function openValueChooser(p) {
        rootwindow.openScreen(folder + "TelemetryWidgetValueSlaveChooser.qml",
                              { pageId: pageId, elementId: elementId, sensorId: p.s, slaveId: p.v })
    }
    function openAlias(p, sensor) {
        var component = Qt.createComponent(folder + "SensorAddressInfo.qml")
        var editor = component.createObject(screen, { pageId: pageId, elementId: elementId, sensorId: p.s,
                                                      slaveId: sensor ? -1 : p.v })
        if (editor)
            editor.sendNewAlias.connect(screen.build)
    }
    function openMenu(p) {
        if (p.hasMenu)
            rootwindow.openScreen(folder + "TelemetrySensorMainMenu.qml", { pageId: pageId, elementId: elementId, sensorId: p.s })
    }
    function openAlarm(p) {
        rootwindow.openScreen(folder + "TelemetrySensorAlarmConfig.qml",
                              { pageId: pageId, elementId: elementId, sensorId: p.s, slaveId: p.v })
    }
    function deletePair(p) {
        var others = pairs.filter(function(o) { return o.s === p.s && o.v !== p.v }).length
        var result = Database.KLX_DataBaseManagerGUITelemetrieDeleteSlave(pageId, elementId, p.s, p.v)
        if (result > DatabaseValue.KLX_Error && others === 0)
            result = Database.KLX_DataBaseManagerGUITelemetrieDeleteSensor(pageId, elementId, p.s)
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        build()
    }

    // ---- the sensor's address ----
    function moveAddress(p, reset) {
        if (addressPending || p.address <= 4)
            return
        var result = Command.KLX_GuiCommandHandlerDoTask(GuiCmdData.KLX_TASK_SET_MENU_ADR, p.address,
                                                         reset ? GuiCmdData.KLX_TASK_PARA_RESET_KL2_ADRESS : GuiCmdData.KLX_TASK_PARA_NONE,
                                                         0, 0, 0, 0, "", "", "")
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return
        }
        addressPending = true
        addressGuard.restart()
    }
    Timer {
        id: addressGuard
        interval: 5000
        onTriggered: screen.addressPending = false
    }
    Connections {
        target: Command
        enabled: screen.addressPending
        function onGuiInformer(state) {
            if (state === GuiCmdData.GUI_TASK_RESULT_Working)
                return
            addressGuard.stop()
            screen.addressPending = false
            if (state === GuiCmdData.GUI_TASK_RESULT_Done)
                screen.rescan()
            else if (state === GuiCmdData.GUI_TASK_RESULT_Error)
                errorHandler.processTaskError(ErrorHndlr.KLX_ErrorHandlerGetErrorText())
            else if (state === GuiCmdData.GUI_TASK_RESULT_Timeout)
                errorHandler.processTaskError(qsTr("Timeout") + Language.emptyString)
        }
    }

    // ---- rescan ----
    function rescan() {
        if (Database.KLX_DataBaseManagerRescanTelemetry() !== DatabaseValue.KLX_Ok)
            return
        Database.KLX_DataBaseManagerPauseTelemetrie(DatabaseValue.TELELOG_TeleManualRescanTag)
        scanning = true
        scanGuard.restart()
    }
    function scanEnded() {
        scanGuard.stop()
        scanning = false
        build()
    }
    Timer {
        id: scanGuard
        interval: 8000
        onTriggered: screen.scanEnded()
    }
    Connections {
        target: Database
        enabled: screen.scanning
        function onTeleRescanDone(sensorsNum, wasFastStarted) { screen.scanEnded() }
    }

    ListHeading {
        y: 2
        widths: screen.widths
        titles: [qsTr("Sensor") + Language.emptyString, qsTr("Menu") + Language.emptyString,
                 qsTr("Addr.") + Language.emptyString, qsTr("Value") + Language.emptyString,
                 qsTr("Alarm") + Language.emptyString, ""]
    }
    ListView {
        id: list
        objectName: "valueRows"
        x: 5
        y: 26
        width: parent.width - 10
        height: parent.height - y - 78
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.pairs
        delegate: TelemetrySensorItem {
            pair: modelData
            widths: screen.widths
            onSensorClicked: screen.openChooser(pair.s, pair.v)
            onValueClicked: screen.openValueChooser(pair)
            onNameHeld: screen.openAlias(pair, sensor)
            onMenuClicked: screen.openMenu(pair)
            onAddressClicked: screen.moveAddress(pair, held)
            onAlarmClicked: screen.openAlarm(pair)
            onDeleteClicked: screen.deletePair(pair)
        }
    }
    ScrollBar { flickable: list }
    GeneralPurposeButton {
        objectName: "valueAdd"
        x: 5
        y: parent.height - 72
        width: 150
        gp_text: qsTr("Add values") + Language.emptyString
        onClicked: screen.openChooser(-1, -1)
    }
    GeneralPurposeButton {
        objectName: "valueRescan"
        x: 165
        y: parent.height - 72
        width: 150
        gp_text: qsTr("Rescan sensors") + Language.emptyString
        onClicked: screen.rescan()
    }
    TeleWidgetSetupBar {
        pageId: screen.pageId
        elementId: screen.elementId
    }
    Rectangle {
        objectName: "scanOverlay"
        anchors.fill: parent
        visible: screen.scanning
        color: rootwindow.backColour
        MouseArea { anchors.fill: parent }
        Text {
            y: 40
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            color: rootwindow.textColour
            font.pixelSize: 18
            text: qsTr("Scanning for sensors") + Language.emptyString
        }
        ProgressSpinner {
            x: (parent.width - width) / 2
            y: 90
            width: 100
            height: 100
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(pageId)
        systemHistory.addArg(elementId)
        systemHistory.addEndOfArgs()
        build()
    }
}
