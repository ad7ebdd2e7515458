import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The vario: which sensor value it sounds, what switches it on, and its
// tone for the flight mode in use (start tone, climb and sink thresholds and
// gains), in the vario's units (metric or imperial, from the system
// settings). The graph shows the tone over the climb rate: continuous low
// tones while sinking, silence in the dead band, beeps rising to 1000 Hz
// while climbing; the cursor follows what the vario plays now.
Item {
    id: screen
    objectName: "varioSettings"

    // ---- the flight mode ----
    property int currentFm: 0
    property string fmName: ""
    property bool single: false
    readonly property int editedFm: single ? currentFm : 0
    // ---- the set-up ----
    property int startTone: 0
    property int climbThreshold: 0
    property int sinkThreshold: 0
    property int climbGain: 0
    property int sinkGain: 0
    property int decimals: 1
    readonly property int divider: decimals >= 1 && decimals <= 3 ? Math.pow(10, decimals) : 1
    property bool imperial: false
    property int activation: 0
    property int address: 0
    property int valueIndex: 0
    property string sensorName: ""
    property string unit: ""
    // ---- the tone graph ----
    property real rateAt50: 0
    property real rateAt1000: 0
    property real posThreshold: 0
    property real negThreshold: 0
    property real speedSpan: 3.5
    readonly property int lowestTone: Database.KLX_DataBaseManagerVarioGetLowestToneHz()
    readonly property int highestTone: Database.KLX_DataBaseManagerVarioGetHighestToneHz()
    // ---- what the vario plays now ----
    property bool cursorShown: false
    property bool cursorLine: false
    property real cursorSpeed: 0
    property int cursorTone: 0
    property string playing: ""

    property string editField: ""
    readonly property int switchCount: Database.KLX_DataBaseManagerGetMaxVirualSwitches()
    readonly property string speedUnit: imperial ? "ft/s" : "m/s"

    function get() { return DatabaseValue.AtomicDirGet }
    function set() { return DatabaseValue.AtomicDirSet }
    function failed(result) { return result <= DatabaseValue.KLX_Error }
    function report(result) {
        if (failed(result))
            errorHandler.processError(result)
        return failed(result)
    }
    function speedText(units) { return (units / divider).toFixed(divider === 1 ? 0 : decimals) + " " + speedUnit }

    // ---- reading ----
    function readFlightMode() {
        currentFm = rootwindow.currentFlightMode()
        fmName = Database.KLX_DataBaseManagerFlightmodeGetSet_Name(currentFm, "", get())
        single = currentFm > 0 && Database.KLX_DataBaseManager_IsVarioFlightModeDependent(currentFm) === 1
        Database.KLX_DataBaseManager_VarioUpdate(editedFm)
        readValues()
    }
    function readValues() {
        var fm = editedFm
        startTone = Database.KLX_DataBaseManagerVarioGetSetStartToneHz(0, fm, get())
        climbGain = Database.KLX_DataBaseManagerVarioGetSetClimbingGain(0, fm, get())
        sinkGain = Database.KLX_DataBaseManagerVarioGetSetDescendGain(0, fm, get())
        climbThreshold = Database.KLX_DataBaseManagerVarioGetSetPositiveSpeedThreshold(0, fm, true)
        sinkThreshold = Database.KLX_DataBaseManagerVarioGetSetNegativeSpeedThreshold(0, fm, true)
        decimals = Database.KLX_DataBaseManagerVarioGetDecimalPosition()
        imperial = Database.KLX_DataBaseManagerVarioGetUnitsSystem() === 1
        speedSpan = imperial ? 3.5 / Database.KLX_DataBaseManagerVarioGetCoefficient() : 3.5
        rateAt50 = Database.KLX_DataBaseManagerVarioGetMaxDescendingSpeed()
        rateAt1000 = Database.KLX_DataBaseManagerVarioGetMaxClimbingSpeed()
        posThreshold = Database.KLX_DataBaseManagerVarioGetPositiveSpeedThreshold()
        negThreshold = Database.KLX_DataBaseManagerVarioGetNegativeSpeedThreshold()
        activation = Database.KLX_DataBaseManagerGetSetVarioActivationControlId(0, get())
        readSensor()
        graph.requestPaint()
    }
    function readSensor() {
        address = Database.KLX_DataBaseManagerGetVarioAddress()
        valueIndex = Database.KLX_DataBaseManagerGetVarioSlaveAddress()
        if (Database.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(address) !== DatabaseValue.KLX_True) {
            sensorName = ""
            unit = ""
            return
        }
        sensorName = Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(address) + ": "
                + Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(address, valueIndex)
        unit = Database.KLX_DataBaseManagerTelemetrieGetSlaveUnit(address, valueIndex)
    }

    // ---- editing ----
    function editValue(field) {
        editField = field
        flyin.extended = true
    }
    function step(delta) {
        var fm = editedFm
        var result
        switch (editField) {
        case "tone": result = Database.KLX_DataBaseManagerVarioGetSetStartToneHz(startTone + delta, fm, set()); break
        case "climb": result = Database.KLX_DataBaseManagerVarioGetSetPositiveSpeedThreshold(climbThreshold + delta, fm, false); break
        case "sink": result = Database.KLX_DataBaseManagerVarioGetSetNegativeSpeedThreshold(sinkThreshold + delta, fm, false); break
        case "climbGain": result = Database.KLX_DataBaseManagerVarioGetSetClimbingGain(climbGain + delta, fm, set()); break
        case "sinkGain": result = Database.KLX_DataBaseManagerVarioGetSetDescendGain(sinkGain + delta, fm, set()); break
        default: return
        }
        report(result)
        readValues()
    }
    function toggleFlightMode() {
        if (currentFm === 0)
            return
        report(Database.KLX_DataBaseManager_SetVarioFlightModeDependent(currentFm, single ? 0 : 1))
        readFlightMode()
    }

    // ---- the sensor ----
    function chooseSensor() {
        var entries = []
        var sensors = Database.KLX_DataBaseManagerGetSensors()
        var values = Database.KLX_DataBaseManagerGetMaxSlavesPerSensor()
        for (var a = 0; a < sensors; ++a) {
            if (Database.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(a) !== DatabaseValue.KLX_True)
                continue
            var gps = Database.KLX_DataBaseManagerTelemetrieGetHasSensorGPS(a) === DatabaseValue.KLX_True
            for (var i = 0; i < values; ++i) {
                if (Database.KLX_DataBaseManagerTelemetrieGetSlave_IsUsed(a, i) !== DatabaseValue.KLX_True)
                    continue
                // A status text or a coordinate is no climb rate.
                var usable = Database.KLX_DataBaseManagerTelemetrieGet_Slave_HasStatus(a, i) !== DatabaseValue.KLX_True
                        && !(gps && (i % 8 === 4 || i % 8 === 6))
                entries.push({ label: Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(a) + ": "
                                      + Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(a, i) + "  (" + a + ")",
                               value: a * 256 + i, selected: a === address && i === valueIndex, enabled: usable })
            }
        }
        if (entries.length === 0) {
            rootwindow.popupShow(null, "attention", qsTr("No sensor is known yet.\nThe sensors are found when the model starts, or by a rescan.")
                                 + Language.emptyString, "Ok")
            return
        }
        sensorChooser.show([{ heading: "", entries: entries, limit: 1 }])
    }
    function sensorChosen(value) {
        report(Database.KLX_DataBaseManagerSetVarioAddress(Math.floor(value / 256), value % 256))
        readValues()
    }

    // ---- the switch ----
    // A virtual switch that is the vario's own (hidden): its index, else -1.
    function ownSwitch() {
        var n = activation - GuiCmdData.CONTROLID_Virtual_00_GUI
        if (n < 0 || n >= switchCount || Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(n, 0, get(), false) !== DatabaseValue.KLX_True)
            return -1
        return n
    }
    function activationName() {
        var n = ownSwitch()
        if (n >= 0) {
            if (Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(n, 0, get(), false) !== DatabaseValue.KLX_False)
                return Database.KLX_DataBaseManagerSwitchGetSet_Name(n, "", get())
            var input = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(n, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, get(), false)
            return input > 0 ? Database.KLX_DataBaseManagerGetNameOfControlByID(input) : "---"
        }
        if (activation === GuiCmdData.CONTROLID_FIXSWITCH_ON_GUI)
            return qsTr("On") + Language.emptyString
        if (activation >= GuiCmdData.CONTROLID_Telemetry_00_GUI && activation <= GuiCmdData.CONTROLID_Telemetry_Last_GUI)
            return Database.KLX_DataBaseManagerShownText(Database.KLX_DataBaseManagerTeleControlGetSet_Name(activation - GuiCmdData.CONTROLID_Telemetry_00_GUI, "", get()))
        return activation === GuiCmdData.CONTROLID_FIXSWITCH_OFF_GUI ? qsTr("Off") + Language.emptyString : "---"
    }
    // The own switch's thresholds in the switch-point editor (its input
    // leads on to the selector); anything else in the selector.
    function chooseActivation() {
        var n = ownSwitch()
        if (n >= 0) {
            rootwindow.openScreen("qrc:/Frontend/QML/ControlConfigLinear.qml", { sourceOptionNumber: 9, switchId: n, control: activation })
            return
        }
        rootwindow.openScreen("qrc:/Frontend/QML/36_ControlSelector.qml",
                              { parentId: "varioControl", funcId: -1, initialControlId: activation })
    }

    // ---- what plays now ----
    Timer {
        objectName: "varioPoll"
        interval: 150
        repeat: true
        running: screen.sensorName !== "" && !rootwindow.shutdown
        triggeredOnStart: true
        onTriggered: {
            var tone = Database.KLX_DataBaseManagerVarioGetCurrentTone()
            var input = Database.KLX_DataBaseManagerVarioGetInputValue()
            // A negative tone: the vario is off. A silent value keeps the
            // last tone heard; no value, no line.
            screen.cursorShown = tone >= 0
            if (tone > 0)
                screen.cursorTone = tone
            screen.cursorLine = !isNaN(input)
            if (screen.cursorLine)
                screen.cursorSpeed = input
            screen.playing = tone < 0 ? qsTr("Vario off") + Language.emptyString
                                      : (isNaN(input) ? "" : input.toFixed(Math.max(0, screen.decimals)) + " " + screen.speedUnit + "   ")
                                        + (tone > 0 ? tone + " Hz" : qsTr("silent") + Language.emptyString)
            graph.requestPaint()
        }
    }
    Connections {
        target: Database
        function onFlightModeChanged(from, to) { screen.readFlightMode() }
    }

    // ---- heading and rows ----
    ScreenHeading {
        objectName: "varioHeading"
        y: 2
        text: qsTr("Vario") + Language.emptyString + (screen.fmName === "" ? "" : "   [" + screen.fmName + "]")
    }
    Grid {
        x: 5
        y: 30
        columns: 2
        rowSpacing: 5
        columnSpacing: 5
        GeneralPurposeLabel { width: 95; text: qsTr("Sensor") + Language.emptyString }
        GeneralPurposeButton {
            objectName: "varioSensor"
            width: 155
            fontSize: 13
            gp_text: screen.sensorName === "" ? "---" : screen.sensorName
            onClicked: screen.chooseSensor()
        }
        GeneralPurposeLabel { width: 95; text: qsTr("On/Off") + Language.emptyString }
        Row {
            spacing: 5
            GeneralPurposeButton {
                objectName: "varioSwitch"
                width: 95
                fontSize: 13
                gp_text: { var dummy = screen.activation; return screen.activationName() }
                onClicked: screen.chooseActivation()
            }
            ControlPositionIndicator {
                y: 9
                scale: 0.8
                control: screen.activation
            }
        }
        GeneralPurposeLabel { width: 95; text: qsTr("Start tone") + Language.emptyString }
        GeneralPurposeButton {
            objectName: "varioTone"
            width: 155
            gp_text: screen.startTone + " Hz"
            state: screen.editField === "tone" && flyin.extended ? "active" : ""
            onClicked: screen.editValue("tone")
        }
        GeneralPurposeLabel { width: 95; text: qsTr("Climb") + Language.emptyString }
        Row {
            spacing: 5
            GeneralPurposeButton {
                objectName: "varioClimb"
                width: 85
                fontSize: 13
                gp_text: "\u2265 " + screen.speedText(screen.climbThreshold)
                state: screen.editField === "climb" && flyin.extended ? "active" : ""
                onClicked: screen.editValue("climb")
            }
            GeneralPurposeButton {
                objectName: "varioClimbGain"
                width: 65
                fontSize: 13
                gp_text: "\u00d7" + screen.climbGain
                state: screen.editField === "climbGain" && flyin.extended ? "active" : ""
                onClicked: screen.editValue("climbGain")
            }
        }
        GeneralPurposeLabel { width: 95; text: qsTr("Sink") + Language.emptyString }
        Row {
            spacing: 5
            GeneralPurposeButton {
                objectName: "varioSink"
                width: 85
                fontSize: 13
                gp_text: "\u2264 -" + screen.speedText(screen.sinkThreshold)
                state: screen.editField === "sink" && flyin.extended ? "active" : ""
                onClicked: screen.editValue("sink")
            }
            GeneralPurposeButton {
                objectName: "varioSinkGain"
                width: 65
                fontSize: 13
                gp_text: "\u00d7" + screen.sinkGain
                state: screen.editField === "sinkGain" && flyin.extended ? "active" : ""
                onClicked: screen.editValue("sinkGain")
            }
        }
        GeneralPurposeLabel { width: 95; text: qsTr("Flight Mode") + Language.emptyString }
        GeneralPurposeButton {
            objectName: "varioFlightMode"
            width: 155
            state: screen.currentFm === 0 ? "disabled" : ""
            gp_text: screen.single ? qsTr("Single") + Language.emptyString : qsTr("Global") + Language.emptyString
            onClicked: screen.toggleFlightMode()
        }
    }

    // ---- the tone over the climb rate ----
    Rectangle {
        x: 262
        y: 30
        width: 210
        height: 170
        color: "transparent"
        border.width: 1
        border.color: rootwindow.textColour
        Canvas {
            id: graph
            objectName: "varioGraph"
            anchors.fill: parent
            anchors.margins: 1
            function xOf(speed) { return (Math.max(-screen.speedSpan, Math.min(screen.speedSpan, speed)) + screen.speedSpan) / (2 * screen.speedSpan) * width }
            function yOf(tone) { return height - 14 - tone / screen.highestTone * (height - 22) }
            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                var ink = String(rootwindow.textColour)
                ctx.font = "10px sans-serif"
                ctx.fillStyle = ink
                ctx.strokeStyle = Qt.rgba(0.5, 0.5, 0.5, 1)
                ctx.lineWidth = 1
                // Axes: no climb in the middle, silence at the bottom.
                ctx.beginPath()
                ctx.moveTo(xOf(0), 2)
                ctx.lineTo(xOf(0), height - 12)
                ctx.moveTo(0, yOf(0))
                ctx.lineTo(width, yOf(0))
                ctx.stroke()
                ctx.fillText("-" + screen.speedSpan.toFixed(1), 2, height - 2)
                ctx.fillText("+" + screen.speedSpan.toFixed(1) + " " + screen.speedUnit, width - 58, height - 2)
                ctx.fillText(screen.highestTone + " Hz", 4, 11)
                // Sinking: continuous tone from 50 Hz up to the start tone;
                // the dead band; climbing: beeps from the start tone to 1000 Hz.
                ctx.strokeStyle = "#2f7fd8"
                ctx.lineWidth = 2
                ctx.beginPath()
                ctx.moveTo(0, yOf(screen.lowestTone))
                ctx.lineTo(xOf(screen.rateAt50), yOf(screen.lowestTone))
                ctx.lineTo(xOf(screen.negThreshold), yOf(screen.startTone))
                ctx.lineTo(xOf(screen.negThreshold), yOf(0))
                ctx.lineTo(xOf(screen.posThreshold), yOf(0))
                ctx.lineTo(xOf(screen.posThreshold), yOf(screen.startTone))
                ctx.lineTo(xOf(screen.rateAt1000), yOf(screen.highestTone))
                ctx.lineTo(width, yOf(screen.highestTone))
                ctx.stroke()
                if (!screen.cursorShown)
                    return
                ctx.strokeStyle = "#d82f2f"
                ctx.fillStyle = "#d82f2f"
                ctx.lineWidth = 1
                if (screen.cursorLine) {
                    ctx.beginPath()
                    ctx.moveTo(xOf(screen.cursorSpeed), 2)
                    ctx.lineTo(xOf(screen.cursorSpeed), height - 12)
                    ctx.stroke()
                }
                ctx.beginPath()
                ctx.arc(xOf(screen.cursorSpeed), yOf(screen.cursorTone), 4, 0, 2 * Math.PI)
                ctx.fill()
            }
        }
    }
    Text {
        objectName: "varioPlaying"
        x: 262
        y: 204
        width: 210
        height: 20
        horizontalAlignment: Text.AlignHCenter
        text: screen.playing
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 13
    }

    ItemChooser {
        id: sensorChooser
        objectName: "varioSensorChooser"
        title: qsTr("Vario sensor") + Language.emptyString
        single: true
        onAccepted: screen.sensorChosen(selected[0][0])
    }
    FlyinIncDec {
        id: flyin
        objectName: "varioFlyin"
        onStep: screen.step(delta)
        onOkClicked: screen.editField = ""
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        readFlightMode()
    }
}
