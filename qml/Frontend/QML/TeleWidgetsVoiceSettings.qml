import QtQuick 2.15
import DBValues 1.0

// The voices of the three kinds of telemetry widget speech: status alarms,
// alarms and warnings. A row shows the language and the voice of its kind
// and opens the voice selector for it; "OK" goes back.
Item {
    id: screen
    objectName: "teleVoiceSettings"

    // The kinds by the voice selector's item number.
    readonly property var kinds: [
        { item: -1, label: qsTr("Telemetry status alarms") + Language.emptyString },
        { item: -2, label: qsTr("Telemetry alarms") + Language.emptyString },
        { item: -3, label: qsTr("Telemetry warnings") + Language.emptyString }
    ]
    property var shown: ["", "", ""]

    function read() {
        var list = []
        for (var i = 0; i < kinds.length; ++i) {
            var parts = Database.KLX_DataBaseManagerGetAlarmVoiceTextParams(kinds[i].item).split("\t")
            var lang = parts[0], voice = parts.length > 1 ? parts[1] : ""
            list.push(lang !== "" && voice !== "" ? lang + " : " + voice : Database.KLX_DataBaseManagerShownText(Database.KLX_DataBaseManagerGetEmptyTelemetryVoice()))
        }
        shown = list
    }
    function choose(i) {
        rootwindow.openScreen("qrc:/Frontend/QML/VoiceSelector.qml",
                              { language: Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language("", DatabaseValue.AtomicDirGet),
                                keepingmsg: "", itemNum: kinds[i].item })
    }

    ScreenHeading {
        objectName: "teleVoiceHeading"
        y: 2
        text: qsTr("Global telemetry widget voice settings") + Language.emptyString
    }
    SettingsList {
        x: 5
        y: 34
        width: parent.width - 10
        height: 170
        labelWidth: 190
        Repeater {
            model: screen.kinds.length
            SettingRow {
                label: screen.kinds[index].label + Language.emptyString
                labelWidth: 190
                buttonName: "teleVoice_" + (index + 1)
                valueWidth: 265
                value: screen.shown[index]
                onClicked: screen.choose(index)
            }
        }
    }
    GeneralPurposeButton {
        objectName: "teleVoiceOk"
        x: parent.width - width - 8
        y: 212
        width: 100
        gp_text: qsTr("OK") + Language.emptyString
        onClicked: systemHistory.goBack()
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        read()
    }
}
