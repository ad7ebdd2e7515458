import QtQuick 2.15
import DBValues 1.0

// A servo widget: the servo's name, its output as a bar with limits and
// centre (polled every 40 ms by the bar) and in percent.
Item {
    id: view
    objectName: "teleServo_" + elementId

    property int pageId: -1
    property int elementId: -1
    property int frameSize: DatabaseValue.TELEGUISIZE_Small
    property int presetSign: 0
    property var home: null

    property int servo: -1
    property string name: ""
    readonly property int get: DatabaseValue.AtomicDirGet
    readonly property string percentText: Math.round(bar.output * 200 / 2047) + " %"

    Text {
        objectName: "servoName"
        x: 3
        width: view.width - 6
        elide: Text.ElideRight
        text: view.name !== "" ? view.name : qsTr("Select servo:") + Language.emptyString
        color: rootwindow.rectTextColour
        font.family: rootwindow.fontFamily
        font.pixelSize: view.frameSize === DatabaseValue.TELEGUISIZE_Huge ? 14 : 11
    }
    Text {
        objectName: "servoPercent"
        x: 3
        y: 14
        width: view.width - 6
        height: view.frameSize === DatabaseValue.TELEGUISIZE_Huge ? 70 : 22
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        visible: view.servo >= 0
        text: view.percentText
        color: rootwindow.rectTextColour
        font.family: rootwindow.fontFamily
        font.bold: true
        font.pixelSize: view.frameSize === DatabaseValue.TELEGUISIZE_Huge ? 36 : 18
    }
    Servobar {
        id: bar
        x: 3
        width: view.width - 6
        height: 14
        y: view.height - height - 2
        visible: view.servo >= 0
        servo: Math.max(0, view.servo)
        beat: view.home
        showPercent: false
    }

    Component.onCompleted: {
        var index = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_ServoID(pageId, elementId, 0, get)
        // 26 and above name no servo.
        if (index < 0 || index >= Database.KLX_DataBaseManagerGetMaxServos())
            return
        servo = index
        name = Database.KLX_DataBaseManagerShownText(Database.KLX_DataBaseManagerServoConfigGetSet_Name(index, "", get))
        bar.centre = Database.KLX_DataBaseManagerServoConfigGetSet_Centre(index, 0, get)
        bar.negLimit = Database.KLX_DataBaseManagerServoConfigGetSet_MinValue(index, 0, get)
        bar.posLimit = Database.KLX_DataBaseManagerServoConfigGetSet_MaxValue(index, 0, get)
    }
}
