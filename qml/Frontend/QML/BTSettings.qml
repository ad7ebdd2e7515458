import QtQuick 2.15

// The Bluetooth screen: the adapter on and off, the known headsets and
// head-up glasses (the one that carries audio, or connected glasses, marked
// "<<< name >>>"), a 15 s search for new devices, connecting and deleting
// the chosen device, and a spoken sound test.
Item {
    id: btScreen
    objectName: "btScreen"

    property bool powered: false
    property bool scanning: false
    // Rows { name, mac, active }.
    property var devices: []
    property string chosen: ""
    readonly property int scanMs: 15000
    readonly property bool deviceActionsAllowed: powered && !scanning && devices.length > 0 && chosen !== ""

    function rowText(row) { return row.active ? "<<< " + row.name + " >>>" : row.name }
    function indexOf(mac) {
        for (var i = 0; i < devices.length; ++i)
            if (devices[i].mac === mac)
                return i
        return -1
    }
    function fill() {
        var active = Database.getActiveALSADeviceMac()
        var rows = []
        var list = Database.getDevicesList()
        for (var i = 0; i < list.length; ++i) {
            var cut = list[i].lastIndexOf(",")
            var mac = list[i].substring(cut + 1)
            rows.push({ name: list[i].substring(0, cut), mac: mac, active: mac === active })
        }
        devices = rows
        if (indexOf(chosen) < 0)
            chosen = ""
    }
    function mark(mac, on) {
        var rows = devices.slice()
        for (var i = 0; i < rows.length; ++i)
            if (rows[i].mac === mac)
                rows[i] = { name: rows[i].name, mac: mac, active: on }
        devices = rows
    }
    function switchPower() {
        stopScan()
        if (powered)
            Database.KLX_DataBaseManagerBTTurnOFF()
        else
            Database.KLX_DataBaseManagerBTTurnON()
        powered = Database.KLX_DataBaseManagerBTPowerStatus() === 1
        fill()
    }
    function startOrStopScan() {
        if (scanning) {
            stopScan()
            return
        }
        rootwindow.popupShow(null, "info", qsTr("It may take up to 15 seconds to scan bluetooth devices") + Language.emptyString, "Ok")
        scanning = true
        Database.scanStart()
        scanTimer.restart()
    }
    function stopScan() {
        if (!scanning)
            return
        scanTimer.stop()
        scanning = false
        Database.scanStop()
    }
    function choose(mac) {
        stopScan()
        chosen = mac
    }
    function deleteChosen() {
        var mac = chosen
        if (Database.removeDev(mac) !== 1)
            return
        var rows = devices.filter(function(row) { return row.mac !== mac })
        devices = rows
        chosen = ""
    }
    function resultText(result) {
        switch (result) {
        case 1: return qsTr("The device is successfully connected") + Language.emptyString
        case -70051: return qsTr("An unexpected error occurred while searching for devices") + Language.emptyString
        case -70052: return qsTr("An unexpected error occurred when stopping the device search") + Language.emptyString
        case -70053: return qsTr("An unexpected error occurred while deleting the device") + Language.emptyString
        case -70054: return qsTr("An unexpected error occurred when connecting to the device") + Language.emptyString
        case -70055: return qsTr("The maximum number of connected devices has been reached") + Language.emptyString
        }
        return ""
    }

    Timer {
        id: scanTimer
        objectName: "scanTimer"
        interval: btScreen.scanMs
        onTriggered: btScreen.stopScan()
    }

    Connections {
        target: BTConnection
        function onBtNewDevice(nameDev, macAddr) {
            if (btScreen.indexOf(macAddr) >= 0)
                return
            btScreen.devices = btScreen.devices.concat([{ name: nameDev, mac: macAddr,
                                                          active: macAddr === Database.getActiveALSADeviceMac() }])
        }
        function onBtDelDevice(macAddr) {
            btScreen.devices = btScreen.devices.filter(function(row) { return row.mac !== macAddr })
            if (btScreen.chosen === macAddr)
                btScreen.chosen = ""
        }
        function onBtA2DP_DeviceON(macAddr) { btScreen.mark(macAddr, true) }
        function onBtA2DP_DeviceOFF(macAddr) { btScreen.mark(macAddr, false) }
        function onSendResult(result) {
            var text = btScreen.resultText(result)
            if (text !== "")
                rootwindow.popupShow(null, result === 1 ? "info" : "error", text, "Ok")
        }
    }

    // ---- switch and search ----
    Row {
        x: 5
        y: 5
        spacing: 5
        GeneralPurposeLabel { width: 90; text: qsTr("Bluetooth") + Language.emptyString; bold: true }
        GeneralPurposeButton {
            objectName: "btPower"
            width: 100
            // Named by what a touch does; the marked button shows that Bluetooth is on.
            gp_text: btScreen.powered ? qsTr("Switch off") + Language.emptyString : qsTr("Switch on") + Language.emptyString
            state: btScreen.powered ? "active" : ""
            onClicked: btScreen.switchPower()
        }
        GeneralPurposeButton {
            objectName: "btScan"
            width: 110
            gp_text: btScreen.scanning ? qsTr("Stop") + Language.emptyString : qsTr("Scan!") + Language.emptyString
            state: !btScreen.powered ? "disabled" : btScreen.scanning ? "active" : ""
            onClicked: btScreen.startOrStopScan()
        }
        GeneralPurposeButton {
            objectName: "btSoundTest"
            width: 150
            gp_text: qsTr("Sound test") + Language.emptyString
            onClicked: Database.SayText(qsTr("Bluetooth sound test") + Language.emptyString)
        }
    }

    // ---- known devices ----
    Rectangle {
        x: 5
        y: 40
        width: 300
        height: parent.height - y - 5
        color: "transparent"
        radius: 4
        border.width: 1
        border.color: rootwindow.textColour

        ListView {
            id: deviceList
            objectName: "deviceList"
            anchors.fill: parent
            anchors.margins: 4
            clip: true
            spacing: 3
            boundsBehavior: Flickable.StopAtBounds
            // Rows made only as they come into view: none left half made in the
            // background when the screen closes.
            cacheBuffer: 0
            model: btScreen.devices
            delegate: GeneralPurposeButton {
                objectName: "device_" + modelData.mac
                width: deviceList.width
                height: 28
                fontSize: 14
                gp_text: btScreen.rowText(modelData)
                state: modelData.mac === btScreen.chosen ? "active" : ""
                onClicked: btScreen.choose(modelData.mac)
            }
        }
        Text {
            objectName: "deviceHint"
            anchors.fill: parent
            anchors.margins: 8
            visible: btScreen.devices.length === 0
            text: btScreen.scanning ? qsTr("Searching...") + Language.emptyString
                : btScreen.powered ? qsTr("No devices known. Touch Scan! to search.") + Language.emptyString
                                   : qsTr("Switch Bluetooth on to see the devices.") + Language.emptyString
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 14
        }
        ScrollBar { flickable: deviceList }
    }

    // ---- the chosen device ----
    Column {
        x: 315
        y: 40
        width: parent.width - x - 5
        spacing: 8
        GeneralPurposeButton {
            objectName: "btConnect"
            width: parent.width
            gp_text: qsTr("Connect") + Language.emptyString
            state: btScreen.deviceActionsAllowed ? "" : "disabled"
            onClicked: Database.connectDev(btScreen.chosen)
        }
        GeneralPurposeButton {
            objectName: "btDelete"
            width: parent.width
            gp_text: qsTr("Delete") + Language.emptyString
            state: btScreen.deviceActionsAllowed ? "" : "disabled"
            onClicked: btScreen.deleteChosen()
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        powered = Database.KLX_DataBaseManagerBTPowerStatus() === 1
        fill()
    }
    Component.onDestruction: stopScan()
}
