import QtQuick 2.15
import DBValues 1.0

// Which events of its timer a voice alarm announces: none, the warning, the
// expiry or both. The choice goes into bits 6-7 of the alarm's timer field,
// the timer stays.
Item {
    id: screen
    objectName: "voiceTimerAlarmSelector"

    // Arguments.
    property int vAlarmId: 0

    readonly property int perKind: Database.KLX_DataBaseManagerGetMaxTimer(true)
    property int value: 0
    readonly property int timer: value & 63
    readonly property int event: (value >> 6) & 3

    function get() { return DatabaseValue.AtomicDirGet }
    function timerName() {
        if (timer >= 2 * perKind)
            return "---"
        return timer < perKind ? Database.KLX_DataBaseManagerTimerGetSet_Name(timer, "", get())
                               : Database.KLX_DataBaseManagerCmplxTimerGetSet_Name(timer - perKind, "", get())
    }
    function choose(e) {
        var stored = Database.KLX_DataBaseManagerVAlarmGetSetTimer(vAlarmId, (e << 6) | timer, DatabaseValue.AtomicDirSet)
        if (stored <= DatabaseValue.KLX_Error) {
            errorHandler.processError(stored)
            return
        }
        value = stored
        systemHistory.goBack()
    }

    ScreenHeading {
        objectName: "eventHeading"
        y: 2
        text: qsTr("Voice alarm for") + Language.emptyString + " " + screen.timerName()
    }
    Column {
        x: 90
        y: 40
        spacing: 8
        Repeater {
            model: [qsTr("None"), qsTr("Attention"), qsTr("Expired"), qsTr("Attention + Expired")]
            GeneralPurposeButton {
                objectName: "event_" + index
                width: 300
                state: index === screen.event ? "active" : ""
                gp_text: modelData + Language.emptyString
                onClicked: screen.choose(index)
            }
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(vAlarmId)
        systemHistory.addEndOfArgs()
        value = Database.KLX_DataBaseManagerVAlarmGetSetTimer(vAlarmId, 0, get())
    }
}
