import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The settings of one telemetry control: simulation, fail-safe value,
// limiter, default output, inversion and the output control, with the live
// input, limited value and output. Opened only while the source's decimal
// position is the one the control was set up with.
Item {
    id: screen
    objectName: "teleControlSettings"
    property int tconIndex: 0
    property int sensAddr: 255
    property int slaveAddr: 255

    property int decimals: 0
    property bool ready: false
    property int attempts: 0
    property string message: ""
    property string name: ""
    property string source: ""
    property string unit: ""
    property int simulOn: 0
    property int simulValue: 0
    property int failSafeValue: 0
    property int lowLimit: 0
    property int highLimit: 0
    property int defaultOut: 0
    property int inverted: 0
    property int outControl: 0
    property string controlText: ""
    // Live values.
    property int inputValue: 0
    property int controlValue: -2047
    property bool failSafe: false
    property string limitedText: ""
    property bool limiting: false
    property string outputText: ""
    property string field: ""

    function get() { return DatabaseValue.AtomicDirGet }
    function set() { return DatabaseValue.AtomicDirSet }
    function call(name, value, dir) { return Database["KLX_DataBaseManagerTeleControlGetSet_" + name](tconIndex, value, dir) }
    function validDecimals(d) { return d >= DatabaseValue.DECIMSEPAR_null && d <= DatabaseValue.DECIMSEPAR_max }
    function shown(raw) { return (raw / Math.pow(10, decimals)).toFixed(decimals) + (unit !== "" ? " " + unit : "") }
    function runtimeDecimals() { return RuntimeDatabase.KLX_RuntimeDatabaseManagerGetTelemetryControlDecPoint(tconIndex) & 0x7F }

    function open() {
        defaultOut = call("DfltOutVal", 0, get())
        outControl = call("OutControl", 0, get())
        decimals = call("DecPoint", 0, get())
        var runtime = runtimeDecimals()
        if (decimals === runtime && validDecimals(decimals)) {
            readAll()
            return
        }
        // The control was set up for another description of its source.
        var current = Database.KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(sensAddr, slaveAddr)
        if (validDecimals(decimals) && validDecimals(current) && decimals !== current) {
            message = qsTr("Decimal point separator of this telemetry control is incorrect! Please rescan sensors and assign a sensor again!") + Language.emptyString
            return
        }
        if (attempts < 10) {
            attempts += 1
            openRetry.restart()
            return
        }
        message = qsTr("Actual parameters of the sensor value doesn't match to the settings of this control! Probably another sensor is used. Please reassign the sensor again!") + Language.emptyString
    }
    function readAll() {
        simulOn = call("SimulOn", 0, get())
        name = Database.KLX_DataBaseManagerShownText(Database.KLX_DataBaseManagerTeleControlGetSet_Name(tconIndex, "", get()))
        source = Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(sensAddr) + "\n"
                + Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(sensAddr, slaveAddr)
        unit = Database.KLX_DataBaseManagerTelemetrieGetSlaveUnit(sensAddr, slaveAddr)
        failSafeValue = call("FSafeValue", 0, get())
        simulValue = call("SimulValue", 0, get())
        lowLimit = Database.KLX_DataBaseManagerTeleControlGetSet_Limit(tconIndex, false, 0, get())
        highLimit = Database.KLX_DataBaseManagerTeleControlGetSet_Limit(tconIndex, true, 0, get())
        inverted = call("InvOutput", 0, get())
        readControl()
        ready = true
        poll()
    }
    // The output's switch: a hidden one is shown by its input A.
    property int outSwitch: -1
    property bool switchVisible: false
    function readControl() {
        outSwitch = -1
        var c = outControl
        if (c >= GuiCmdData.CONTROLID_Virtual_00_GUI && c <= GuiCmdData.CONTROLID_Virtual_Last_GUI) {
            outSwitch = Database.KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(c)
            switchVisible = Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(outSwitch, 0, get()) === DatabaseValue.KLX_True
            if (!switchVisible)
                c = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(outSwitch, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, get())
        }
        controlText = c > 0 ? Database.KLX_DataBaseManagerGetNameOfControlByID(c)
                            : qsTr("Telemetry") + Language.emptyString + "\n" + qsTr("control") + Language.emptyString
    }
    function openControl() {
        var hystUp = 5, hystLow = -5, shownControl = outControl
        if (outSwitch >= 0) {
            hystUp = Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(outSwitch, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, get())
            hystLow = Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(outSwitch, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, get())
            if (!switchVisible)
                shownControl = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(outSwitch, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, get())
        }
        rootwindow.openScreen("qrc:/Frontend/QML/ControlConfigLinear.qml",
                              { telecontrolIdx: tconIndex, switchId: outSwitch, control: shownControl,
                                percentageHystUpper: hystUp, percentageHystLower: hystLow, sourceOptionNumber: 12 })
    }
    function poll() {
        inputValue = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetTelemetryControlInputValue(tconIndex)
        controlValue = outControl > 0 ? Database.KLX_DataBaseManagerGetValueOfControl(outControl) : -2047
        failSafe = simulOn === 0 && (RuntimeDatabase.KLX_RuntimeDatabaseManagerGetTelemetryControlDecPoint(tconIndex) & 0x80) !== 0
        var limited = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetTelemetryControlLimitedValue()
        // The engine hands the limited value in display units already.
        limitedText = isNaN(limited) ? "!" : limited.toFixed(decimals) + (unit !== "" ? " " + unit : "")
        limiting = !(inputValue > lowLimit && inputValue < highLimit)
        var current = Database.KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(sensAddr, slaveAddr)
        if (runtimeDecimals() !== current) {
            outputText = qsTr("Error") + Language.emptyString
        } else {
            var out = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetTelemetryControlOutput(tconIndex, true)
            outputText = out === -2048 ? "???" : out + "%"
        }
    }

    // ---- stepping ----
    function choose(name) {
        if (name === "sim" && simulOn === 0)
            simulOn = call("SimulOn", DatabaseValue.KLX_True, set())
        field = name
        flyin.extended = true
    }
    function step(delta) {
        switch (field) {
        case "sim": simulValue = call("SimulValue", simulValue + delta, set()); break
        case "fs": failSafeValue = call("FSafeValue", failSafeValue + delta, set()); break
        case "high": highLimit = Database.KLX_DataBaseManagerTeleControlGetSet_Limit(tconIndex, true, highLimit + delta, set()); break
        case "low": lowLimit = Database.KLX_DataBaseManagerTeleControlGetSet_Limit(tconIndex, false, lowLimit + delta, set()); break
        case "dflt": defaultOut = call("DfltOutVal", defaultOut + delta, set()); break
        }
    }
    function toggleInverse() { inverted = call("InvOutput", inverted ? DatabaseValue.KLX_False : DatabaseValue.KLX_True, set()) }

    Timer {
        id: openRetry
        interval: 500
        onTriggered: screen.open()
    }
    Timer {
        interval: 250
        repeat: true
        running: screen.ready && !rootwindow.shutdown
        onTriggered: screen.poll()
    }

    Text {
        objectName: "tconSettingsMessage"
        x: 10; y: 40
        width: parent.width - 20
        visible: !screen.ready
        wrapMode: Text.WordWrap
        color: rootwindow.textColour
        font.pixelSize: 16
        text: screen.message
    }
    Item {
        anchors.fill: parent
        visible: screen.ready
        Text {
            objectName: "tconSettingsName"
            x: 5; y: 2
            color: rootwindow.textColour; font.pixelSize: 15; font.bold: true
            text: screen.name
        }
        Text {
            objectName: "tconSettingsSource"
            x: 5; y: 24
            color: rootwindow.textColour; font.pixelSize: 13
            text: screen.source
        }
        Text {
            objectName: "tconSettingsInput"
            x: 5; y: 62
            color: screen.failSafe ? "red" : rootwindow.textColour; font.pixelSize: 15
            text: qsTr("Input") + Language.emptyString + ": " + screen.shown(screen.inputValue) + (screen.failSafe ? "  FS" : "")
        }
        Text {
            objectName: "tconSettingsLimited"
            x: 5; y: 84
            color: screen.limiting ? "orange" : rootwindow.textColour; font.pixelSize: 15
            text: qsTr("Limiter") + Language.emptyString + ": " + screen.limitedText
        }
        Text {
            objectName: "tconSettingsOutput"
            x: 5; y: 106
            color: rootwindow.textColour; font.pixelSize: 15
            text: qsTr("Output") + Language.emptyString + ": " + screen.outputText
        }
        Grid {
            x: 190; y: 2
            columns: 2
            spacing: 4
            GeneralPurposeButton { objectName: "tconSim"; width: 140; fontSize: 13; state: screen.field === "sim" ? "active" : ""
                gp_text: qsTr("Sim:") + Language.emptyString + " " + screen.shown(screen.simulValue); onClicked: screen.choose("sim") }
            GeneralPurposeButton { objectName: "tconFs"; width: 140; fontSize: 13; state: screen.field === "fs" ? "active" : ""
                gp_text: qsTr("FS:") + Language.emptyString + " " + screen.shown(screen.failSafeValue); onClicked: screen.choose("fs") }
            GeneralPurposeButton { objectName: "tconHigh"; width: 140; fontSize: 13; state: screen.field === "high" ? "active" : ""
                gp_text: qsTr("Limiter") + Language.emptyString + " \u2191 " + screen.shown(screen.highLimit); onClicked: screen.choose("high") }
            GeneralPurposeButton { objectName: "tconLow"; width: 140; fontSize: 13; state: screen.field === "low" ? "active" : ""
                gp_text: qsTr("Limiter") + Language.emptyString + " \u2193 " + screen.shown(screen.lowLimit); onClicked: screen.choose("low") }
            GeneralPurposeButton { objectName: "tconDefault"; width: 140; fontSize: 13; state: screen.field === "dflt" ? "active" : ""
                gp_text: qsTr("Default") + Language.emptyString + ": " + screen.defaultOut; onClicked: screen.choose("dflt") }
            GeneralPurposeButton { objectName: "tconInverse"; width: 140; fontSize: 13
                gp_text: qsTr("Inverse") + Language.emptyString + ": " + (screen.inverted ? qsTr("Inv") : qsTr("Norm")) + Language.emptyString
                onClicked: screen.toggleInverse() }
        }
        GeneralPurposeButton {
            objectName: "tconControl"
            x: 190; y: 110
            width: 284; height: 44
            fontSize: 13
            gp_text: screen.controlText + "  " + (screen.controlValue === -2047 ? "---" : Math.round(screen.controlValue * 100 / 2047) + "%")
            onClicked: screen.openControl()
        }
    }
    GeneralPurposeButton {
        objectName: "tconSettingsOk"
        x: parent.width - width - 8
        y: parent.height - 35
        width: 100
        gp_text: qsTr("OK") + Language.emptyString
        onClicked: systemHistory.goBack()
    }
    FlyinIncDec {
        id: flyin
        objectName: "tconFlyin"
        smallStep: 1
        largeStep: 10
        onStep: screen.step(delta)
        onOkClicked: { flyin.extended = false; screen.field = "" }
    }

    Component.onDestruction: {
        if (simulOn)
            Database.KLX_DataBaseManagerTeleControlGetSet_SimulOn(tconIndex, DatabaseValue.KLX_False, DatabaseValue.AtomicDirSet)
    }
    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(tconIndex)
        systemHistory.addArg(sensAddr)
        systemHistory.addArg(slaveAddr)
        systemHistory.addEndOfArgs()
        open()
    }
}
