import QtQuick 2.15
import DBValues 1.0
import "SequencerServos.js" as Servos

// The servos of one sequencer: each channel with a servo, its active time
// and movement range in the shown direction; "+" adds servos, a held servo
// leaves the sequencer.
Item {
    id: screen
    objectName: "sequencerServoList"
    property int sequencerIdx: 0
    readonly property var widths: [110, 130, 150, 60]
    property var rows: []   // { channel, servo }
    property var directions: []

    function build() {
        var servos = Servos.channelServos(sequencerIdx)
        var list = []
        for (var ch = 0; ch < servos.length; ++ch)
            if (servos[ch] >= 0)
                list.push({ channel: ch, servo: servos[ch] })
        rows = list
    }
    function setAll(direction) {
        for (var i = 0; i < rows.length; ++i) {
            var row = list.itemAtIndex(i)
            if (row)
                row.direction = direction === -1 ? (row.direction === 0 ? 1 : 0) : direction
        }
    }
    function askDelete(channel) {
        options.close()
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete this servo from sequencer?") + Language.emptyString,
                             "OkAbort", function() {
                                 var result = Database.KLX_DataBaseManagerSequencerGetSet_Servo(
                                             screen.sequencerIdx, channel, Database.KLX_DataBaseManagerGetMaxServos(),
                                             DatabaseValue.AtomicDirSet)
                                 if (result <= DatabaseValue.KLX_Error)
                                     errorHandler.processError(result)
                                 screen.build()
                             })
    }

    Row {
        x: 5
        y: 2
        spacing: 4
        Repeater {
            model: [qsTr("Servo") + Language.emptyString, qsTr("Active time") + Language.emptyString,
                    qsTr("Movement range") + Language.emptyString]
            Text {
                width: screen.widths[index]
                height: 26
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: modelData
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 13
                font.bold: true
            }
        }
        GeneralPurposeButton {
            objectName: "dirHead"
            width: screen.widths[3]
            height: 24
            fontSize: 13
            gp_text: qsTr("Dir.") + Language.emptyString
            onClicked: screen.setAll(-1)
            onLongclicked: screen.setAll(0)
        }
    }
    ListView {
        id: list
        objectName: "seqServoRows"
        y: 30
        width: parent.width
        height: parent.height - y - 40
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.rows
        delegate: SeqServoItem {
            seq: screen.sequencerIdx
            channel: modelData.channel
            servo: modelData.servo
            widths: screen.widths
            onServoHeld: options.open([{ name: "delete", label: qsTr("Delete") + Language.emptyString }], channel)
        }
    }
    ScrollBar { flickable: list }
    GeneralPurposeButton {
        objectName: "seqServoAdd"
        x: 5
        y: parent.height - 35
        width: 60
        gp_text: "+"
        fontSize: 20
        visible: screen.rows.length < Database.KLX_DataBaseManagerGetMaxServosPerSequncer()
        onClicked: chooser.show([{ heading: "", entries: Servos.entries(screen.sequencerIdx),
                                   limit: Database.KLX_DataBaseManagerGetMaxServosPerSequncer() }])
    }
    OptionsBar {
        id: options
        onChosen: if (name === "delete") screen.askDelete(datum)
    }
    ItemChooser {
        id: chooser
        objectName: "servoChooser"
        title: qsTr("Please select available servos:") + Language.emptyString
        allowEmpty: true
        onAccepted: {
            Servos.apply(screen.sequencerIdx, selected[0], false)
            screen.build()
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(sequencerIdx)
        systemHistory.addEndOfArgs()
        build()
    }
}
