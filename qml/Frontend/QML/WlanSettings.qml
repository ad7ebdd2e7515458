import QtQuick 2.15
import DBValues 1.0

// The WiFi screen: WLAN on and off, the networks in range, the passphrase of
// the chosen network (typed once, then stored), connecting and
// disconnecting, forgetting a network, and the connection's state, network,
// address and signal strength as the WLAN thread reports them.
Item {
    id: wlanScreen
    objectName: "wlanScreen"

    // What the WLAN thread reports.
    property int wlanState: DatabaseValue.Wlan_Disabled
    property string connectedSsid: ""
    property string address: ""
    property int signalPercent: -1
    // The screen's own.
    property var networks: []
    property string chosen: ""
    property string passphrase: ""
    property bool stored: false
    property bool scanning: false
    // Joining: until an address comes, or the WLAN connection gives the
    // attempt up.
    property bool connecting: false

    readonly property bool connected: wlanState === DatabaseValue.Wlan_Connected
    // What the network tool takes (quoted): 8 to 63 characters.
    readonly property int passphraseMin: 8
    readonly property int passphraseMax: 63
    readonly property bool passphraseValid: passphrase.length >= passphraseMin && passphrase.length <= passphraseMax
    readonly property int labelWidth: 85

    function stateText() {
        if (wlanState === DatabaseValue.Wlan_Disabled)
            return qsTr("Off") + Language.emptyString
        if (connected)
            return qsTr("Connected") + Language.emptyString
        if (connecting)
            return qsTr("Connecting...") + Language.emptyString
        if (connectedSsid !== "")
            return qsTr("Waiting for an address") + Language.emptyString
        return qsTr("On, not connected") + Language.emptyString
    }
    function listHint() {
        if (scanning)
            return qsTr("Searching...") + Language.emptyString
        if (wlanState === DatabaseValue.Wlan_Disabled)
            return qsTr("Switch WiFi on to find the networks in range.") + Language.emptyString
        return qsTr("No networks found. Touch Scan to search again.") + Language.emptyString
    }

    function switchOn() {
        Database.KLX_DataBaseManagerWlanBringUp()
        scan()
    }
    function switchOff() {
        connecting = false
        scanning = false
        Database.KLX_DataBaseManagerWlanDisconnect()
    }
    function scan() {
        networks = []
        scanning = true
        Database.KLX_DataBaseManagerWlanScanBegin()
    }
    function choose(name) {
        chosen = name
        passphrase = Database.KLX_DataBaseManagerWlanFindSSIDGetPassw(name)
        stored = passphrase !== ""
    }
    function editPassphrase() {
        if (chosen === "")
            return
        keyboard.preLoadText = passphrase
        keyboard.extended = true
        rootwindow.kbd_sender = keyboard
    }
    // A typed passphrase is stored for the chosen network; the stored one is
    // read back, so a refusal shows.
    function passphraseTyped(text) {
        if (text === passphrase)
            return
        if (text.length < passphraseMin || text.length > passphraseMax) {
            rootwindow.popupShow(null, "error", qsTr("A passphrase has 8 to 63 characters.") + Language.emptyString, "Ok")
            return
        }
        // The network file would end the passphrase there.
        if (!Database.KLX_DataBaseManagerWlanPassphraseQuotable(text)) {
            rootwindow.popupShow(null, "error", qsTr("A passphrase cannot hold a # after a \".") + Language.emptyString, "Ok")
            return
        }
        Database.KLX_DataBaseManagerWlanSSIDpasswSet(chosen, text)
        if (Database.KLX_DataBaseManagerWlanFindSSIDGetPassw(chosen) !== text) {
            rootwindow.popupShow(null, "error", qsTr("The passphrase could not be stored.") + Language.emptyString, "Ok")
            return
        }
        passphrase = text
        stored = true
    }
    function connectOrDisconnect() {
        if (connected) {
            Database.KLX_DataBaseManagerWlanDisconnect()
            return
        }
        if (Database.KLX_DataBaseManagerWlanConnectBySSIDPassw(chosen, passphrase) === 0) {
            rootwindow.popupShow(null, "error", qsTr("This network cannot be joined with this name and passphrase.")
                                 + Language.emptyString, "Ok")
            return
        }
        connecting = true
    }
    function forget() {
        if (Database.KLX_DataBaseManagerWlanForgetSSID(chosen) === 0) {
            rootwindow.popupShow(null, "error", qsTr("This network is not stored.") + Language.emptyString, "Ok")
            return
        }
        passphrase = ""
        stored = false
    }

    Connections {
        target: WlanConnection
        function onStateChanged(state) { wlanScreen.wlanState = state }
        function onSsidChanged(ssid) { wlanScreen.connectedSsid = ssid }
        function onSignalStrengthChanged(value_percent) { wlanScreen.signalPercent = value_percent }
        function onIpV4AddressChanged(address) {
            wlanScreen.address = address
            if (address !== "")
                wlanScreen.connecting = false
        }
        function onConnectTimedOut() {
            if (!wlanScreen.connecting)
                return
            console.warn("WLAN: no address in time, disconnecting")
            wlanScreen.connecting = false
            Database.KLX_DataBaseManagerWlanDisconnect()
            rootwindow.popupShow(null, "error", qsTr("The connection failed. Check the passphrase and try again.")
                                 + Language.emptyString, "Ok")
        }
        function onSsidFound(ssid) {
            if (wlanScreen.networks.indexOf(ssid) < 0)
                wlanScreen.networks = wlanScreen.networks.concat([ssid])
        }
        function onScanFinished() { wlanScreen.scanning = false }
    }

    // ---- switch and scan ----
    Row {
        x: 5
        y: 5
        spacing: 5
        GeneralPurposeLabel { width: 60; text: qsTr("WiFi") + Language.emptyString; bold: true }
        GeneralPurposeButton {
            objectName: "wlanOn"
            width: 70
            gp_text: qsTr("On") + Language.emptyString
            state: wlanScreen.wlanState !== DatabaseValue.Wlan_Disabled ? "active" : ""
            onClicked: wlanScreen.switchOn()
        }
        GeneralPurposeButton {
            objectName: "wlanOff"
            width: 70
            gp_text: qsTr("Off") + Language.emptyString
            state: wlanScreen.wlanState === DatabaseValue.Wlan_Disabled ? "active" : ""
            onClicked: wlanScreen.switchOff()
        }
        GeneralPurposeButton {
            objectName: "wlanScan"
            width: 90
            gp_text: qsTr("Scan") + Language.emptyString
            state: wlanScreen.connected || wlanScreen.connecting || wlanScreen.scanning ? "disabled" : ""
            onClicked: wlanScreen.scan()
        }
    }

    // ---- networks in range ----
    Rectangle {
        id: listFrame
        x: 5
        y: 40
        width: 190
        height: parent.height - y - 5
        color: "transparent"
        radius: 4
        border.width: 1
        border.color: rootwindow.textColour

        ListView {
            id: networkList
            objectName: "networkList"
            anchors.fill: parent
            anchors.margins: 4
            clip: true
            spacing: 3
            boundsBehavior: Flickable.StopAtBounds
            // Rows made only as they come into view: none left half made in the
            // background when the screen closes.
            cacheBuffer: 0
            model: wlanScreen.networks
            delegate: GeneralPurposeButton {
                objectName: "network_" + modelData
                width: networkList.width
                height: 28
                fontSize: 14
                gp_text: (modelData === wlanScreen.connectedSsid ? "\u2713 " : "") + modelData
                state: modelData === wlanScreen.chosen ? "active" : ""
                onClicked: wlanScreen.choose(modelData)
            }
        }
        Text {
            objectName: "networkHint"
            anchors.fill: parent
            anchors.margins: 8
            visible: wlanScreen.networks.length === 0
            text: wlanScreen.listHint()
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 14
        }
        ScrollBar { flickable: networkList }
    }

    // ---- the connection and the chosen network ----
    Column {
        x: 205
        y: 38
        width: parent.width - x - 5
        spacing: 0
        Repeater {
            model: [
                { name: "wlanStateText", label: qsTr("State") + Language.emptyString, value: wlanScreen.stateText() },
                { name: "wlanSsid", label: qsTr("Network") + Language.emptyString,
                  value: wlanScreen.connectedSsid !== "" ? wlanScreen.connectedSsid : "-" },
                { name: "wlanAddress", label: qsTr("Address") + Language.emptyString,
                  value: wlanScreen.address !== "" ? wlanScreen.address : "-" },
                { name: "wlanSignal", label: qsTr("Signal") + Language.emptyString,
                  value: wlanScreen.connectedSsid !== "" && wlanScreen.signalPercent >= 0 ? wlanScreen.signalPercent + " %" : "-" }
            ]
            Row {
                spacing: 5
                GeneralPurposeLabel { width: wlanScreen.labelWidth; height: 24; fontSize: 14; text: modelData.label }
                GeneralPurposeLabel {
                    objectName: modelData.name
                    width: 180
                    height: 24
                    fontSize: 14
                    bold: true
                    text: modelData.value
                }
            }
        }
        Item { width: 1; height: 6 }
        Row {
            spacing: 5
            GeneralPurposeLabel { width: wlanScreen.labelWidth; height: 26; fontSize: 14; text: qsTr("Chosen") + Language.emptyString }
            GeneralPurposeLabel {
                objectName: "wlanChosen"
                width: 180
                height: 26
                fontSize: 14
                bold: true
                text: wlanScreen.chosen !== "" ? wlanScreen.chosen : qsTr("Touch a network") + Language.emptyString
            }
        }
        Row {
            spacing: 5
            GeneralPurposeLabel { width: wlanScreen.labelWidth; height: 30; fontSize: 14; text: qsTr("Passphrase") + Language.emptyString }
            GeneralPurposeButton {
                objectName: "wlanPassphrase"
                width: 180
                fontSize: 14
                gp_text: wlanScreen.passphrase
                state: wlanScreen.chosen === "" ? "disabled" : ""
                onClicked: wlanScreen.editPassphrase()
            }
        }
        Item { width: 1; height: 8 }
        Row {
            spacing: 5
            GeneralPurposeButton {
                objectName: "wlanConnect"
                width: 130
                gp_text: wlanScreen.connected ? qsTr("Disconnect") + Language.emptyString : qsTr("Connect") + Language.emptyString
                state: wlanScreen.connected ? ""
                     : (wlanScreen.connecting || wlanScreen.chosen === "" || !wlanScreen.passphraseValid ? "disabled" : "")
                onClicked: wlanScreen.connectOrDisconnect()
            }
            GeneralPurposeButton {
                objectName: "wlanForget"
                width: 130
                gp_text: qsTr("Forget") + Language.emptyString
                state: wlanScreen.stored ? "" : "disabled"
                onClicked: wlanScreen.forget()
            }
        }
    }

    Keyboard {
        id: keyboard
        objectName: "wlanKeyboard"
        maxLen: wlanScreen.passphraseMax
        onOkClicked: {
            keyboard.extended = false
            wlanScreen.passphraseTyped(keyboard.preLoadText)
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        wlanState = WlanConnection.getState()
        address = Database.KLX_DataBaseManagerWlanGetIPAddr()
        connectedSsid = Database.KLX_DataBaseManagerWlanGetConnectedSSID()
    }
}
