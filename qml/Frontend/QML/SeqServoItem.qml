import QtQuick 2.15
import DBValues 1.0

// One channel of a sequencer: its servo, the active time and the movement
// range of its waypoints in the shown direction, and the direction.
Item {
    id: item
    property int seq: 0
    property int channel: 0
    property int servo: 0
    property int direction: 0
    property var widths: [110, 130, 150, 60]
    property string timeText: ""
    property string rangeText: ""
    signal servoHeld()

    width: parent ? parent.width : 480
    height: 35

    function refresh() {
        var get = DatabaseValue.AtomicDirGet
        var first = -1, last = -1, low = 1000, high = -1000
        for (var p = 0; p < Database.KLX_DataBaseManagerGetMaxSequencerWaypoints(); ++p) {
            var pos = Database.KLX_DataBaseManagerSequencerGetSet_SrvPosition(seq, channel, direction, p, 0, get)
            if (pos <= DatabaseValue.KLX_Error || pos === -2048)
                continue
            var t = Database.KLX_DataBaseManagerSequencerGetSet_TimePoint(seq, channel, direction, p, 0, get)
            if (first < 0 || t < first) first = t
            if (t > last) last = t
            low = Math.min(low, pos)
            high = Math.max(high, pos)
        }
        timeText = first < 0 ? "---" : (first / 100).toFixed(2) + " - " + (last / 100).toFixed(2) + " s"
        rangeText = first < 0 ? "---" : low + " % - " + high + " %"
    }
    onDirectionChanged: refresh()
    Component.onCompleted: refresh()

    Row {
        x: 5
        y: 2
        spacing: 4
        GeneralPurposeButton {
            objectName: "seqServo_" + item.channel
            width: item.widths[0]
            gp_text: qsTr("Servo ") + Language.emptyString + (item.servo + 1)
            onLongclicked: item.servoHeld()
        }
        GeneralPurposeLabel {
            width: item.widths[1]
            horizontalAlignment: Text.AlignHCenter
            fontSize: 14
            text: item.timeText
        }
        GeneralPurposeLabel {
            width: item.widths[2]
            horizontalAlignment: Text.AlignHCenter
            fontSize: 14
            text: item.rangeText
        }
        GeneralPurposeButton {
            objectName: "seqDir_" + item.channel
            width: item.widths[3]
            gp_text: item.direction === 0 ? "-->" : "<--"
            onClicked: item.direction = item.direction === 0 ? 1 : 0
        }
    }
}
