import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The status strip above every screen. Closed, its lowest 25 pixels show the
// two transmitter packs, the clock, the task indicator, the flight mode, GPS,
// WLAN and the reception of two receivers; pulled down it offers the main
// menu, the model menu, the reset of telemetry minima and maxima, and the
// display brightness and master volume.
Item {
    id: strip
    // The facade once, for the reads: a name of the context is looked up
    // through every import each time it is used, an own property is not.
    readonly property QtObject db: Database
    readonly property int frame_closedY: -175
    readonly property int frame_openY: -10
    property bool isOpen: false

    // Values shown (read by tests as they are).
    property int akku1: -1
    property int akku2: -1
    property int reception1: 100
    property int reception2: 100
    property string clockText: "--:--"
    property string clockMarker: ""
    property bool clockMarkerLow: false
    property int wlanState: DatabaseValue.Wlan_Disabled
    property int wlanLevel: 0
    property int gpsSatellites: 0
    property color gpsColour: "grey"
    property bool taskRunning: false
    property int previousMode: -2
    property int shownMode: -1
    property string modeName: ""
    property bool fixedMode: false
    property int fixedModeNumber: 0
    property bool modeGlow: false
    property bool masterVolumeControlled: false
    readonly property int bars: 5

    x: 0
    y: frame_closedY
    width: 480
    height: 200

    // The strip swings past its place on the way there (read by tests). The
    // swing's own object is not among the strip's children until it first
    // runs: the strip says whether it swings.
    readonly property bool swinging: swing.running
    Behavior on y {
        NumberAnimation {
            id: swing
            objectName: "stripSwing"
            duration: 1000
            easing.type: Easing.OutElastic
            easing.amplitude: 1.0
            easing.period: 0.6
        }
    }
    // The brightness slider follows the setting whenever the strip moves.
    function open() {
        if (!rootwindow.inputAllowed())
            return
        isOpen = true
        y = frame_openY
        readBrightness()
    }
    function close() {
        if (!isOpen && y === frame_closedY)
            return
        isOpen = false
        y = frame_closedY
        readBrightness()
    }

    // ---- scheme ----
    function setContrast() {
        // The strip's picture, clock and symbols follow rootwindow's scheme colours by binding.
        background.color = rootwindow.contrast_sheme === 0 ? "#202020" : "#e4e4e4"
    }

    // ---- values ----
    function receptionLevel(value) {
        if (value > 80 && value <= 100) return 100
        if (value > 60 && value <= 80) return 80
        if (value > 40 && value <= 60) return 60
        if (value > 20 && value <= 40) return 40
        if (value > 10 && value <= 20) return 20
        if (value >= 0 && value <= 10) return 10
        return 0
    }
    function wlanLevelOf(percent) {
        if (percent >= 100) return 5
        if (percent > 63) return 4
        if (percent > 45) return 3
        if (percent > 36) return 2
        if (percent > 27) return 1
        return 0
    }
    function readPacks() {
        if (db.KLX_DataBaseManager_SystemPropertiesLock() === DatabaseValue.KLX_Ok) {
            akku1 = db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Percent(0, DatabaseValue.AtomicDirGet)
            akku2 = db.KLX_DataBaseManagerGetSetSystemProperties_Akku2Percent(0, DatabaseValue.AtomicDirGet)
        }
        db.KLX_DataBaseManager_SystemPropertiesUnlock()
    }
    function readClock() {
        var now = Database.KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime()
        var h24 = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(0, DatabaseValue.AtomicDirGet, false, false)
        if (h24 !== 0) {
            clockText = Qt.formatTime(now, "hh:mm")
            clockMarker = ""
        } else {
            var text = Qt.formatTime(now, "hh:mm A")
            clockText = text.substring(0, 5)
            clockMarker = text.substring(6)
            clockMarkerLow = now.getHours() < 12
        }
    }
    function readReception() {
        reception1 = receptionLevel(db.KLX_DataBaseManagerTelemetrieGetSlaveValue(4, 4))
        reception2 = receptionLevel(db.KLX_DataBaseManagerTelemetrieGetSlaveValue(4, 5))
    }
    onAkku1Changed: if (akku1 >= 0) rootwindow.battlowpointer_2 = akku1 <= 10
    onAkku2Changed: if (akku2 >= 0) rootwindow.battlowpointer_1 = akku2 <= 10

    // The reception follows the facade's word that a live value changed;
    // the packs are read every 10 s and the clock every 60 s.
    readonly property bool reading: strip.visible && !rootwindow.shutdown
    onReadingChanged: reading ? readAll() : showReception(false)
    // The facade tells of the transmitter's own sensor (address 4, the
    // reception) while the strip shows it.
    property bool showsReception: false
    function showReception(on) {
        if (on === showsReception)
            return
        showsReception = on
        db.KLX_DataBaseManagerLiveValuesShowSensor(4, on)
    }
    Component.onDestruction: showReception(false)
    function readAll() {
        showReception(true)
        readReception()
        if (akku1 === -1 || akku2 === -1) {
            akku1 = 100
            akku2 = 100
        }
        readPacks()
    }
    Connections {
        target: strip.reading ? Database : null
        // The reception is the transmitter's own sensor's (address 4).
        function onLiveValuesChanged(kinds, sensors) {
            if ((kinds & DatabaseValue.LIVE_SensorTable) || ((kinds & DatabaseValue.LIVE_Sensors) && sensors.indexOf(4) >= 0))
                strip.readReception()
        }
    }
    Timer {
        id: packTimer
        interval: 10000
        repeat: true
        running: strip.reading
        onTriggered: strip.readPacks()
    }
    Timer {
        id: clockTimer
        interval: 60000
        repeat: true
        running: strip.reading
        onTriggered: strip.readClock()
    }

    // ---- flight mode ----
    function showFlightMode(given) {
        var mode = given
        if (mode === undefined) {
            mode = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetActualFlightMode()
            if (mode <= DatabaseValue.KLX_Error) {
                errorHandler.processError(mode)
                return
            }
        }
        if (fixedMode) {
            mode = fixedModeNumber
            glowTimer.stop()
            modeGlow = true
        } else if (mode !== previousMode) {
            modeGlow = true
            glowTimer.restart()
        }
        previousMode = mode
        shownMode = mode
        // The engine reports no flight mode (one past the last) between a
        // reset of its data (a model load, a voice install) and its next
        // pass: that has no name, and the name shown stays.
        if (mode < 0 || mode >= Database.KLX_DataBaseManagerGetMaxFlightmodes())
            return
        if (Database.KLX_DataBaseManagerGetSetModelLoadState(0, DatabaseValue.AtomicDirGet) === GuiCmdData.KLX_MODELLLOAD_STATUS_READY)
            modeName = Database.KLX_DataBaseManagerFlightmodeGetSet_Name(mode, "", DatabaseValue.AtomicDirGet, DatabaseValue.KLX_True)
    }
    function lockFightMode(fm) {
        fixedMode = true
        fixedModeNumber = fm
        showFlightMode(fm)
    }
    function unlockFightMode() {
        fixedMode = false
        modeGlow = false
        showFlightMode()
    }
    Timer {
        id: glowTimer
        interval: 1500
        onTriggered: if (!strip.fixedMode) strip.modeGlow = false
    }

    // ---- sliders ----
    function readBrightness() {
        Database.KLX_DataBaseManager_SystemPropertiesLock()
        brightnessSlider.value = Database.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, DatabaseValue.AtomicDirGet, false)
        Database.KLX_DataBaseManager_SystemPropertiesUnlock()
    }
    function writeBrightness(value) {
        Database.KLX_DataBaseManager_SystemPropertiesLock()
        var result = Database.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(Math.round(value), DatabaseValue.AtomicDirSet, true)
        Database.KLX_DataBaseManager_SystemPropertiesUnlock()
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
    }
    function volumeIsSteered() {
        var control = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl(0, DatabaseValue.AtomicDirGet, false)
        return !(control === 0 || control === DatabaseValue.INDEX_Invalid)
    }
    function writeVolume(value) {
        if (masterVolumeControlled)
            return
        if (Database.KLX_DataBaseManagerGetSetStartupPhases(0, DatabaseValue.AtomicDirGet) !== GuiCmdData.KLX_PHASE_SYSTEM_UP)
            return
        var wanted = Math.round(value)
        var result = Database.SystemPropertiesGetSet_VolumeMaster(wanted, DatabaseValue.AtomicDirSet, true, 0)
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        else if (result !== wanted)
            volumeSlider.value = Database.SystemPropertiesGetSet_VolumeMaster(0, DatabaseValue.AtomicDirGet, false, 0)
    }

    // ---- reset of the telemetry minima, maxima and alerts ----
    function resetMinMax() {
        var get = DatabaseValue.AtomicDirGet
        for (var p = 0; p < Database.KLX_DataBaseManagerGetMaxTelemetryPages(); ++p) {
            if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(p, 0, get) !== DatabaseValue.KLX_True)
                continue
            for (var w = 0; w < Database.KLX_DataBaseManagerGetMaxElementsPerPage(); ++w) {
                if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_IsUsed(p, w, 0, get) !== DatabaseValue.KLX_True)
                    continue
                for (var s = 0; s < Database.KLX_DataBaseManagerGetMaxSensorPerPageElement(); ++s) {
                    if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(p, w, s, 0, get) !== DatabaseValue.KLX_True)
                        continue
                    var address = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(p, w, s, 0, get)
                    for (var v = 0; v < Database.KLX_DataBaseManagerGetMaxSlavesPerSensor(); ++v) {
                        if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(p, w, s, v, 0, get) !== DatabaseValue.KLX_True)
                            continue
                        Database.KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(p, w, s, v, 0, DatabaseValue.AtomicDirSet)
                        var slave = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(p, w, s, v, 0, get)
                        Database.KLX_DataBaseManagerTelemetrieResetSlaveMaxValue(address, slave)
                        Database.KLX_DataBaseManagerTelemetrieResetSlaveMinValue(address, slave)
                    }
                }
            }
        }
    }

    // ---- what the rest of the program tells ----
    Connections {
        target: Database
        function onFlightModeChanged(fm_from, fm_to) { strip.showFlightMode(fm_to) }
        function onTimeChanged() { strip.readClock() }
        function onGpsState(fix_type, sat_count) {
            strip.gpsSatellites = sat_count
            strip.gpsColour = fix_type === 0 || fix_type === 2 ? "#ffffcc00" : fix_type === 3 ? "#ff009c00"
                            : fix_type === 10 ? "red" : "white"
            gpsSilence.restart()
        }
        function onMasterVolumeControlChanged(control) {
            strip.masterVolumeControlled = strip.volumeIsSteered()
            Database.KLX_DatabaseManagerGetSetSystemProperties_MainMastVolmIsControlled(strip.masterVolumeControlled ? 1 : 0,
                                                                                       DatabaseValue.AtomicDirSet, true)
        }
    }
    Connections {
        target: VornTasks
        function onTaskStatusSent(taskrunning) { strip.taskRunning = taskrunning }
    }
    Connections {
        target: AudioHandler
        function onSpeakerVolumeChanged(volume) { volumeSlider.value = volume }
    }
    Connections {
        target: WlanConnection
        function onStateChanged(state) { strip.wlanState = state }
        function onSignalStrengthChanged(value_percent) { strip.wlanLevel = strip.wlanLevelOf(value_percent) }
    }
    Timer {
        id: gpsSilence
        interval: 1500
        onTriggered: strip.gpsColour = "grey"
    }

    Component.onCompleted: {
        setContrast()
        readClock()
        showFlightMode()
        wlanState = WlanConnection.getState()
        brightnessSlider.from = Database.KLX_DataBaseManagerGet_ScreenBrightnessLimit(false)
        brightnessSlider.to = Database.KLX_DataBaseManagerGet_ScreenBrightnessLimit(true)
        readBrightness()
        masterVolumeControlled = volumeIsSteered()
        volumeSlider.value = Database.SystemPropertiesGetSet_VolumeMaster(0, DatabaseValue.AtomicDirGet, false, 0)
        if (reading)
            readAll()
    }

    // ---- drawing ----
    Rectangle {
        id: background
        anchors.fill: parent
        color: "#e4e4e4"
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: rootwindow.textColour
            opacity: 0.5
        }
        Rectangle {
            // The grip that says the strip can be pulled.
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 2
            anchors.horizontalCenter: parent.horizontalCenter
            width: 40
            height: 3
            radius: 1.5
            color: rootwindow.textColour
            opacity: 0.35
        }
    }

    // Swipes on the strip open and close it; touches outside its controls do nothing.
    SwipeArea {
        anchors.fill: parent
        onSwipe: {
            if (direction === "down")
                strip.open()
            else if (direction === "up" && rootwindow.inputAllowed())
                strip.close()
        }
    }

    // The open strip: menus, reset, brightness and volume.
    Item {
        id: controls
        x: 0
        y: 10
        width: parent.width
        height: 165

        Row {
            x: 10
            y: 8
            spacing: 10
            GeneralPurposeButton {
                objectName: "stripMainMenu"
                width: 146
                height: 40
                gp_text: qsTr("Main menu") + Language.emptyString
                onClicked: {
                    strip.close()
                    rootwindow.openScreen("qrc:/Frontend/QML/3.qml", { contentCoord: -1 })
                }
            }
            GeneralPurposeButton {
                objectName: "stripModelMenu"
                width: 146
                height: 40
                gp_text: qsTr("Model menu") + Language.emptyString
                onClicked: {
                    strip.close()
                    rootwindow.openScreen("qrc:/Frontend/QML/ModelMenu.qml")
                }
            }
            GeneralPurposeButton {
                objectName: "stripMinMaxReset"
                width: 146
                height: 40
                gp_text: qsTr("Min/Max reset") + Language.emptyString
                onClicked: {
                    strip.close()
                    rootwindow.popupShow(null, "question",
                        qsTr("Do you really want to clear Max/Min values and all alerts for all widgets?") + Language.emptyString,
                        "OkAbort", strip.resetMinMax)
                }
            }
        }

        Text {
            x: 14
            y: 66
            width: 110
            height: 30
            verticalAlignment: Text.AlignVCenter
            text: qsTr("Brightness") + Language.emptyString
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 15
        }
        ValueSlider {
            id: brightnessSlider
            objectName: "brightnessSlider"
            x: 130
            y: 66
            width: 330
            onMoved: strip.writeBrightness(value)
        }
        Text {
            x: 14
            y: 110
            width: 110
            height: 30
            verticalAlignment: Text.AlignVCenter
            text: qsTr("Volume") + Language.emptyString
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 15
        }
        ValueSlider {
            id: volumeSlider
            objectName: "volumeSlider"
            x: 130
            y: 110
            width: 330
            from: 0
            to: 100
            enabled: !strip.masterVolumeControlled
            onMoved: strip.writeVolume(value)
        }
    }

    // The closed strip's line.
    Item {
        id: line
        x: 0
        y: 175
        width: parent.width
        height: 25

        BatterySymbol {
            id: pack1
            objectName: "pack1"
            x: 4
            anchors.verticalCenter: parent.verticalCenter
            charge: strip.akku1
            bars: strip.bars
            fromRight: true
        }
        BatterySymbol {
            id: pack2
            objectName: "pack2"
            x: 52
            anchors.verticalCenter: parent.verticalCenter
            charge: strip.akku2
            bars: strip.bars
        }
        Text {
            id: clock
            objectName: "clock"
            x: 104
            anchors.verticalCenter: parent.verticalCenter
            text: strip.clockText
            color: rootwindow.contrast_sheme === 0 ? "#fafafa" : "black"
            font.family: rootwindow.fontFamily
            font.pixelSize: 16
            font.bold: true
        }
        Text {
            anchors.left: clock.right
            anchors.leftMargin: 1
            y: strip.clockMarkerLow ? 11 : 3
            text: strip.clockMarker
            color: clock.color
            font.family: rootwindow.fontFamily
            font.pixelSize: 9
        }
        Image {
            objectName: "taskIndicator"
            x: 172
            anchors.verticalCenter: parent.verticalCenter
            width: 18
            height: 18
            sourceSize.width: 18
            sourceSize.height: 18
            visible: strip.taskRunning
            source: "qrc:/Frontend/Images/task" + rootwindow.iconSuffix + ".svg"
            RotationAnimation on rotation {
                running: strip.taskRunning
                loops: Animation.Infinite
                from: 0
                to: 360
                duration: 1200
            }
        }
        Rectangle {
            id: modeFrame
            objectName: "flightMode"
            x: 196
            anchors.verticalCenter: parent.verticalCenter
            width: 150
            height: 20
            radius: 4
            color: "transparent"
            border.width: strip.modeGlow ? 2 : 1
            border.color: strip.fixedMode ? "darkorange" : strip.modeGlow ? "#2f7fd8" : Qt.rgba(0.5, 0.5, 0.5, 0.6)
            Text {
                anchors.fill: parent
                anchors.leftMargin: 4
                anchors.rightMargin: 4
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: strip.modeName
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 13
            }
        }
        Item {
            id: gps
            objectName: "gps"
            x: 354
            anchors.verticalCenter: parent.verticalCenter
            width: 36
            height: 20
            visible: rootwindow.isLargeBoard
            Rectangle {
                x: 2
                y: 5
                width: 10
                height: 10
                radius: 5
                color: strip.gpsColour
            }
            Rectangle {
                x: 0
                y: 9
                width: 14
                height: 2
                rotation: 45
                color: strip.gpsColour
            }
            Text {
                x: 16
                anchors.verticalCenter: parent.verticalCenter
                visible: strip.gpsSatellites > 0
                text: strip.gpsSatellites
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 12
            }
            MouseArea {
                anchors.fill: parent
                onClicked: {
                    strip.close()
                    rootwindow.openScreen("qrc:/Frontend/QML/GPSFinder.qml")
                }
            }
        }
        WlanSymbol {
            objectName: "wlan"
            x: 394
            anchors.verticalCenter: parent.verticalCenter
            wlanState: strip.wlanState
            level: strip.wlanLevel
        }
        ReceptionSymbol {
            objectName: "reception1"
            x: 424
            anchors.verticalCenter: parent.verticalCenter
            level: strip.reception1
        }
        ReceptionSymbol {
            objectName: "reception2"
            x: 452
            anchors.verticalCenter: parent.verticalCenter
            level: strip.reception2
        }
    }
}
