import QtQuick 2.15
import DBValues 1.0
import "ControlNames.js" as Names

// One row of the sequencer list: name, control, mode, servos and set-up.
Item {
    id: item
    property int seq: 0
    // The list's columns.
    property var widths: []
    property string nameText: ""
    property string controlText: ""
    property bool loop: false
    property string servoText: ""
    signal nameClicked()
    signal nameHeld()
    signal controlClicked()
    signal modeClicked()
    signal servosClicked()
    signal servosHeld()
    signal setupClicked()

    width: parent ? parent.width : 480
    height: 35

    function refresh() {
        var get = DatabaseValue.AtomicDirGet
        nameText = Database.KLX_DataBaseManagerShownText(Database.KLX_DataBaseManagerSequencerGetSet_Name(seq, "", get))
        var control = Database.KLX_DataBaseManagerSequencerGetSet_Control(seq, 0, get)
        controlText = Names.sourceName(control)
        loop = Database.KLX_DataBaseManagerSequencerGetLoopModeFlag(seq) === 1
        servoText = Database.KLX_DataBaseManagerSequencerGet_ServoList(seq)
    }
    Component.onCompleted: refresh()

    Row {
        x: 5
        y: 2
        spacing: 4
        GeneralPurposeButton {
            objectName: "seqName_" + item.seq
            width: item.widths[0]
            gp_text: item.nameText
            onClicked: item.nameClicked()
            onLongclicked: item.nameHeld()
        }
        GeneralPurposeButton {
            objectName: "seqControl_" + item.seq
            width: item.widths[1]
            gp_text: item.controlText
            onClicked: item.controlClicked()
        }
        GeneralPurposeButton {
            objectName: "seqMode_" + item.seq
            width: item.widths[2]
            gp_text: item.loop ? qsTr("Loop") + Language.emptyString : qsTr("Single") + Language.emptyString
            onClicked: item.modeClicked()
        }
        GeneralPurposeButton {
            objectName: "seqServos_" + item.seq
            width: item.widths[3]
            gp_text: item.servoText
            onClicked: item.servosClicked()
            onLongclicked: item.servosHeld()
        }
        GeneralPurposeButton {
            objectName: "seqSetup_" + item.seq
            width: item.widths[4]
            gp_text: "..."
            onClicked: item.setupClicked()
        }
    }
}
