import QtQuick 2.15
import DBValues 1.0

// The radio-test screen: each button sends a radio test command (a test
// function on antenna A1 or A2, a bandwidth, a gain step) to the transceiver
// controller; the link quality and the gain are read every 50 ms.
Item {
    id: radioTest
    objectName: "radioTestScreen"

    property string lqi1: "--"
    property string lqi2: "--"
    property string gain: "---"

    // Test functions 1 to 7 of each antenna, in the order of the buttons.
    readonly property var antenna1: ["a1_txHigh", "a1_txMid", "a1_txLow", "a1_hopping", "a1_rxHigh", "a1_rxMid", "a1_rxLow"]
    readonly property var antenna2: ["a2_txHigh", "a2_txMid", "a2_txLow", "a2_hopping", "a2_rxHigh", "a2_rxMid", "a2_rxLow"]

    function send(name) {
        switch (name) {
        case "a1_txHigh": return RuntimeDatabase.KLX_DataBaseManagerFCC02()
        case "a1_txMid": return RuntimeDatabase.KLX_DataBaseManagerFCC03()
        case "a1_txLow": return RuntimeDatabase.KLX_DataBaseManagerFCC04()
        case "a1_hopping": return RuntimeDatabase.KLX_DataBaseManagerFCC05()
        case "a1_rxHigh": return RuntimeDatabase.KLX_DataBaseManagerFCC06()
        case "a1_rxMid": return RuntimeDatabase.KLX_DataBaseManagerFCC07()
        case "a1_rxLow": return RuntimeDatabase.KLX_DataBaseManagerFCC08()
        case "a2_txHigh": return RuntimeDatabase.KLX_DataBaseManagerFCC10()
        case "a2_txMid": return RuntimeDatabase.KLX_DataBaseManagerFCC11()
        case "a2_txLow": return RuntimeDatabase.KLX_DataBaseManagerFCC12()
        case "a2_hopping": return RuntimeDatabase.KLX_DataBaseManagerFCC13()
        case "a2_rxHigh": return RuntimeDatabase.KLX_DataBaseManagerFCC14()
        case "a2_rxMid": return RuntimeDatabase.KLX_DataBaseManagerFCC15()
        case "a2_rxLow": return RuntimeDatabase.KLX_DataBaseManagerFCC16()
        }
        return DatabaseValue.KLX_Error
    }

    function label(name) {
        switch (name) {
        case "a1_txHigh": return qsTr("A1 Tx high") + Language.emptyString
        case "a1_txMid": return qsTr("A1 Tx mid") + Language.emptyString
        case "a1_txLow": return qsTr("A1 Tx low") + Language.emptyString
        case "a1_hopping": return qsTr("A1 hopping") + Language.emptyString
        case "a1_rxHigh": return qsTr("A1 Rx high") + Language.emptyString
        case "a1_rxMid": return qsTr("A1 Rx mid") + Language.emptyString
        case "a1_rxLow": return qsTr("A1 Rx low") + Language.emptyString
        case "a2_txHigh": return qsTr("A2 Tx high") + Language.emptyString
        case "a2_txMid": return qsTr("A2 Tx mid") + Language.emptyString
        case "a2_txLow": return qsTr("A2 Tx low") + Language.emptyString
        case "a2_hopping": return qsTr("A2 hopping") + Language.emptyString
        case "a2_rxHigh": return qsTr("A2 Rx high") + Language.emptyString
        case "a2_rxMid": return qsTr("A2 Rx mid") + Language.emptyString
        case "a2_rxLow": return qsTr("A2 Rx low") + Language.emptyString
        }
        return ""
    }

    function refresh() {
        lqi1 = Database.KLX_DataBaseManagerGetSetLQI1(0, DatabaseValue.AtomicDirGet, 0)
        lqi2 = Database.KLX_DataBaseManagerGetSetLQI2(0, DatabaseValue.AtomicDirGet, 0)
        gain = String(Database.KLX_DataBaseManagerGetGainValueFCC())
    }
    Timer {
        interval: 50
        repeat: true
        running: radioTest.visible
        onTriggered: radioTest.refresh()
    }

    Row {
        x: 5
        y: 5
        spacing: 5
        Repeater {
            model: [radioTest.antenna1, radioTest.antenna2]
            Column {
                property var buttons: modelData
                spacing: 3
                Repeater {
                    model: buttons
                    GeneralPurposeButton {
                        objectName: modelData
                        width: 115
                        height: 30
                        fontSize: 14
                        gp_text: radioTest.label(modelData)
                        onClicked: radioTest.send(modelData)
                    }
                }
            }
        }
        Column {
            spacing: 3
            GeneralPurposeButton {
                objectName: "testOff"
                width: 125
                fontSize: 14
                gp_text: qsTr("Test off") + Language.emptyString
                onClicked: RuntimeDatabase.KLX_DataBaseManagerFCC01()
            }
            Item { width: 1; height: 30 }
            GeneralPurposeButton {
                objectName: "bandwidthEU"
                width: 125
                fontSize: 14
                gp_text: qsTr("Bandwidth EU") + Language.emptyString
                onClicked: RuntimeDatabase.KLX_DataBaseManagerFCCBandwith(0)
            }
            GeneralPurposeButton {
                objectName: "highChannel"
                width: 125
                fontSize: 14
                gp_text: qsTr("-- High channel") + Language.emptyString
                onClicked: RuntimeDatabase.KLX_DataBaseManagerFCCBandwith(1)
            }
            GeneralPurposeButton {
                objectName: "lowChannel"
                width: 125
                fontSize: 14
                gp_text: qsTr("++ Low channel") + Language.emptyString
                onClicked: RuntimeDatabase.KLX_DataBaseManagerFCCBandwith(2)
            }
        }
        Column {
            spacing: 3
            GeneralPurposeLabel { objectName: "lqi1"; width: 100; text: qsTr("LQI1: ") + Language.emptyString + radioTest.lqi1 }
            GeneralPurposeLabel { objectName: "lqi2"; width: 100; text: qsTr("LQI2: ") + Language.emptyString + radioTest.lqi2 }
            Item { width: 1; height: 30 }
            Row {
                spacing: 3
                GeneralPurposeButton {
                    objectName: "gainDown"
                    width: 30
                    gp_text: "-"
                    onClicked: Database.KLX_DataBaseManagerSetGainValueFCC(-100)
                }
                GeneralPurposeLabel {
                    objectName: "gain"
                    width: 40
                    horizontalAlignment: Text.AlignHCenter
                    text: radioTest.gain
                }
                GeneralPurposeButton {
                    objectName: "gainUp"
                    width: 30
                    gp_text: "+"
                    onClicked: Database.KLX_DataBaseManagerSetGainValueFCC(100)
                }
            }
        }
    }

    Component.onCompleted: systemHistory.addHistoryEntry()
}
