import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The audio screen: the six sound levels (loudspeaker, Bluetooth headset,
// vario, voice, trim clicks, beeps), each set with its slider or following
// a control of the transmitter (then the slider shows where the control
// puts it). A level's button opens the control selector for it.
Item {
    id: screen
    objectName: "audioSettings"

    readonly property bool largeBoard: MainMenu.onLargeBoard()
    // By the selector's volume number (1 to 6): its setting accessor (the
    // master's level and control have accessors of their own) and the audio
    // handler's signal that tells a new level.
    readonly property var rows: [
        { number: 1, label: qsTr("Speaker") + Language.emptyString, setting: "", signal: "speakerVolumeChanged" },
        { number: 2, label: qsTr("Bluetooth") + Language.emptyString, setting: "KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT",
          signal: "bluetoothVolumeChanged" },
        { number: 3, label: qsTr("Vario") + Language.emptyString, setting: "KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlVario",
          signal: "varioVolumeChanged" },
        { number: 4, label: qsTr("Voice") + Language.emptyString, setting: "KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTelemetry",
          signal: "voiceVolumeChanged" },
        { number: 5, label: qsTr("Trim clicks") + Language.emptyString, setting: "KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims",
          signal: "trimVolumeChanged" },
        { number: 6, label: qsTr("Beeps") + Language.emptyString, setting: "KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer",
          signal: "beepVolumeChanged" }
    ]
    property var levels: [0, 0, 0, 0, 0, 0]
    property var controls: [0, 0, 0, 0, 0, 0]

    function get() { return DatabaseValue.AtomicDirGet }
    function set() { return DatabaseValue.AtomicDirSet }
    function shownRow(i) { return rows[i].number !== 2 || largeBoard }
    // The level (bits 0 to 7) and the control (bits 8 to 23) of row i.
    function read() {
        var l = [], c = []
        for (var i = 0; i < rows.length; ++i) {
            if (rows[i].setting === "") {
                l.push(Database.SystemPropertiesGetSet_VolumeMaster(0, get(), false))
                c.push(Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl(0, get(), false))
            } else {
                var packed = Database[rows[i].setting](0, get(), false)
                l.push(packed & 0xFF)
                c.push((packed >> 8) & 0xFFFF)
            }
        }
        levels = l
        controls = c
    }
    function steered(i) {
        var c = controls[i]
        return c !== GuiCmdData.CONTROLID_None_GUI && c !== DatabaseValue.INDEX_Invalid && c !== GuiCmdData.CONTROLID_Invalid_GUI
    }
    function controlName(i) { return steered(i) ? Database.KLX_DataBaseManagerGetNameOfControlByID(controls[i]) : "---" }
    function write(i, value) {
        if (steered(i))
            return
        var wanted = Math.round(value)
        var result = rows[i].setting === ""
                ? Database.SystemPropertiesGetSet_VolumeMaster(wanted, set(), true, GuiCmdData.CONTROLID_Invalid_GUI)
                : Database[rows[i].setting](wanted, set(), true, GuiCmdData.CONTROLID_Invalid_GUI)
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        read()
    }
    function chooseControl(i) {
        rootwindow.openScreen("qrc:/Frontend/QML/36_ControlSelector.qml",
                              { parentId: "volume", funcId: rows[i].number,
                                initialControlId: steered(i) ? controls[i] : GuiCmdData.CONTROLID_None_GUI })
    }
    function levelOf(signalName, level) {
        for (var i = 0; i < rows.length; ++i)
            if (rows[i].signal === signalName) {
                var l = levels.slice()
                l[i] = level
                levels = l
            }
    }

    Connections {
        target: AudioHandler
        function onSpeakerVolumeChanged(volume) { screen.levelOf("speakerVolumeChanged", volume) }
        function onBluetoothVolumeChanged(volume) { screen.levelOf("bluetoothVolumeChanged", volume) }
        function onVarioVolumeChanged(volume) { screen.levelOf("varioVolumeChanged", volume) }
        function onVoiceVolumeChanged(volume) { screen.levelOf("voiceVolumeChanged", volume) }
        function onTrimVolumeChanged(volume) { screen.levelOf("trimVolumeChanged", volume) }
        function onBeepVolumeChanged(volume) { screen.levelOf("beepVolumeChanged", volume) }
    }

    ScreenHeading {
        objectName: "audioHeading"
        y: 2
        text: qsTr("Audio") + Language.emptyString
    }
    Column {
        x: 5
        y: 30
        spacing: 5
        Repeater {
            model: screen.rows.length
            Row {
                visible: screen.shownRow(index)
                spacing: 6
                GeneralPurposeLabel {
                    width: 100
                    text: screen.rows[index].label + Language.emptyString
                }
                ValueSlider {
                    objectName: "volumeSlider_" + screen.rows[index].number
                    width: 190
                    from: 0
                    to: 100
                    value: screen.levels[index]
                    enabled: !screen.steered(index)
                    onMoved: screen.write(index, value)
                }
                Text {
                    objectName: "volumeLevel_" + screen.rows[index].number
                    width: 48
                    height: 30
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    text: screen.levels[index] + " %"
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 14
                }
                GeneralPurposeButton {
                    objectName: "volumeControl_" + screen.rows[index].number
                    width: 112
                    fontSize: 13
                    gp_text: screen.controlName(index)
                    onClicked: screen.chooseControl(index)
                }
            }
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        read()
    }
}
