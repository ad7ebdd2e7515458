import QtQuick 2.15
import DBValues 1.0

// One telemetry control in the list: name, source value, live input (the
// raw reading blinking while the control is in fail-safe), limits and
// output in percent.
Item {
    id: row
    property int tcon: 0
    property var widths: []
    property string name: ""
    property string source: "---"
    property string limitsText: ""
    property string inputText: ""
    property string outputText: ""
    property bool failSafe: false
    property bool blinkOn: true
    property int address: 255
    property int valueIndex: 255
    property int decimals: 0
    property string unit: ""
    width: parent ? parent.width : 0
    height: 34
    signal nameClicked()
    signal nameHeld()
    signal sourceClicked()
    signal outputClicked()

    function get() { return DatabaseValue.AtomicDirGet }
    function validDecimals(d) { return d >= DatabaseValue.DECIMSEPAR_null && d <= DatabaseValue.DECIMSEPAR_max }
    function scaled(value, d) { return (value / Math.pow(10, d)).toFixed(d) }
    function sourceText(a, i) {
        var text = Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(a) + ":" + Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(a, i)
        return text === ":" ? "---" : text
    }
    function read() {
        name = Database.KLX_DataBaseManagerShownText(Database.KLX_DataBaseManagerTeleControlGetSet_Name(tcon, "", get()))
        var full = Database.KLX_DataBaseManagerTeleControlGetSet_FullAddr(tcon, 0, get())
        address = full & 0xFF
        valueIndex = (full >> 8) & 0xFF
        // A control without a source (0xFFFF) asks the sensor table nothing.
        var hasSource = address !== 255 && valueIndex < Database.KLX_DataBaseManagerGetMaxSlavesPerSensor()
        source = hasSource ? sourceText(address, valueIndex) : "---"
        var d = hasSource ? Database.KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(address, valueIndex) : 0
        decimals = d > DatabaseValue.DECIMSEPAR_null && d <= DatabaseValue.DECIMSEPAR_max ? d : 0
        unit = hasSource ? Database.KLX_DataBaseManagerTelemetrieGetSlaveUnit(address, valueIndex) : ""
        limitsText = scaled(Database.KLX_DataBaseManagerTeleControlGetSet_Limit(tcon, false, 0, get()), decimals) + "..."
                + scaled(Database.KLX_DataBaseManagerTeleControlGetSet_Limit(tcon, true, 0, get()), decimals)
        poll()
    }
    function poll() {
        var r = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetTelemetryControlDecPoint(tcon)
        var d = r & 0x7F
        failSafe = (r & 0x80) !== 0
        var input = failSafe && address !== 255 ? Database.KLX_DataBaseManagerTelemetrieGetSlaveValue(address, valueIndex)
                             : RuntimeDatabase.KLX_RuntimeDatabaseManagerGetTelemetryControlInputValue(tcon)
        inputText = (validDecimals(d) ? scaled(input, d) : String(input)) + (unit !== "" ? " " + unit : "")
        var stored = Database.KLX_DataBaseManagerTeleControlGetSet_DecPoint(tcon, 0, get())
        if (stored !== d) {
            outputText = qsTr("Error") + Language.emptyString
            return
        }
        var out = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetTelemetryControlOutput(tcon, true)
        outputText = out === -2048 ? "???" : out + "%"
    }
    function xAt(column) {
        var x = 0
        for (var i = 0; i < column; ++i)
            x += widths[i]
        return x
    }
    Timer {
        interval: 350
        repeat: true
        running: !rootwindow.shutdown
        onTriggered: row.poll()
    }
    Timer {
        interval: 500
        repeat: true
        running: row.failSafe && !rootwindow.shutdown
        onTriggered: row.blinkOn = !row.blinkOn
        onRunningChanged: row.blinkOn = true
    }
    GeneralPurposeButton {
        objectName: "tconName_" + row.tcon
        x: row.xAt(0); width: row.widths[0] - 3
        fontSize: 13
        fitText: true
        gp_text: row.name
        onClicked: row.nameClicked()
        onLongclicked: row.nameHeld()
    }
    GeneralPurposeButton {
        objectName: "tconSource_" + row.tcon
        x: row.xAt(1); width: row.widths[1] - 3
        fontSize: 12
        gp_text: row.source
        onClicked: row.sourceClicked()
    }
    Text {
        objectName: "tconInput_" + row.tcon
        x: row.xAt(2); width: row.widths[2] - 3; height: 30
        verticalAlignment: Text.AlignVCenter; horizontalAlignment: Text.AlignHCenter
        color: rootwindow.textColour; font.pixelSize: 13
        opacity: row.blinkOn ? 1 : 0
        text: row.inputText
    }
    Text {
        objectName: "tconLimits_" + row.tcon
        x: row.xAt(3); width: row.widths[3] - 3; height: 30
        verticalAlignment: Text.AlignVCenter; horizontalAlignment: Text.AlignHCenter
        color: rootwindow.textColour; font.pixelSize: 12
        text: row.limitsText
    }
    GeneralPurposeButton {
        objectName: "tconOutput_" + row.tcon
        x: row.xAt(4); width: row.widths[4] - 3
        fontSize: 13
        gp_text: row.outputText
        onClicked: if (row.address !== 255 && row.valueIndex !== 255) row.outputClicked()
    }
    Component.onCompleted: read()
}
