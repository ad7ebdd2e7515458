import QtQuick 2.15
import DBValues 1.0

// One teacher/pupil item of the trainer-cord screen: its own control, the
// external channel it takes over (shown plus one) and whether it is in use.
Row {
    id: item
    property int itemIndex: 0
    property int revision: 0
    signal controlPressed()
    signal controlHeld()
    signal channelPressed()
    signal enabledToggled()

    readonly property int control: { revision; return Database.KLX_DataBaseManagerTutorPupilGetSetVornControl(itemIndex, 0, DatabaseValue.AtomicDirGet) }
    readonly property int channel: { revision; return Database.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(itemIndex, 0, DatabaseValue.AtomicDirGet) }
    readonly property bool enabledFlag: { revision; return Database.KLX_DataBaseManagerTutorPupilGetSetIsEnabled(itemIndex, false, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True }

    spacing: 5
    GeneralPurposeButton {
        objectName: "vornControl_" + item.itemIndex
        width: 150
        gp_text: item.control > 0 ? Database.KLX_DataBaseManagerGetNameOfControlByID(item.control) : "---"
        onClicked: item.controlPressed()
        onLongclicked: item.controlHeld()
    }
    GeneralPurposeButton {
        objectName: "channel_" + item.itemIndex
        width: 150
        gp_text: item.channel === DatabaseValue.TUTORPUPIL_EmptyChannel || item.channel < 0 ? "---"
                 : item.channel === DatabaseValue.TUTORPUPIL_ChResponseAwaiting ? "..." : String(item.channel + 1)
        onClicked: item.channelPressed()
    }
    GeneralPurposeButton {
        objectName: "inUse_" + item.itemIndex
        width: 120
        gp_text: item.enabledFlag ? qsTr("Yes") + Language.emptyString : qsTr("No") + Language.emptyString
        state: item.enabledFlag ? "active" : ""
        onClicked: item.enabledToggled()
    }
}
