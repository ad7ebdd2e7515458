import QtQuick 2.15
import DBValues 1.0
import "ServoLists.js" as ServoLists

// The servo chooser of a part page: the servos not yet in the function, as
// many as the function's free slots; OK adds the selected ones.
Rectangle {
    id: chooser
    property int functionIndex: -1
    property var selected: []
    readonly property var f: { AssistantBuffer.revision; return AssistantBuffer.getFunction(functionIndex) }
    readonly property int slots: f ? Database.KLX_DataBaseManagerGetMaxServosPerFunction() - f.servos.length - selected.length : 0
    readonly property var offered: {
        AssistantBuffer.revision
        var list = []
        if (!f)
            return list
        for (var s = 0; s < AssistantBuffer.servoCount; ++s)
            if (f.servos.indexOf(s) < 0)
                list.push(s)
        return list
    }

    visible: functionIndex >= 0
    color: rootwindow.backColour
    MouseArea { anchors.fill: parent }

    function open(i) {
        selected = []
        functionIndex = i
    }
    function toggle(servo) {
        var list = selected.slice()
        var at = list.indexOf(servo)
        if (at >= 0)
            list.splice(at, 1)
        else if (slots > 0)
            list.push(servo)
        selected = list
    }
    function accept() {
        var i = functionIndex
        selected.forEach(function(s) { AssistantBuffer.addServo(i, s) })
        functionIndex = -1
    }

    Text {
        x: 10
        y: 4
        text: qsTr("Please select the servos you would like to add") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
    }
    Text {
        objectName: "availableSlots"
        x: 10
        y: 24
        text: qsTr("Available servo slots: ") + Language.emptyString + chooser.slots
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 13
    }
    Flickable {
        id: flick
        x: 10
        y: 44
        width: parent.width - 20
        height: parent.height - 44 - 42
        contentHeight: grid.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        Grid {
            id: grid
            columns: 6
            spacing: 4
            Repeater {
                model: chooser.offered
                GeneralPurposeButton {
                    objectName: "chooseServo_" + modelData
                    width: 73
                    height: 28
                    fontSize: 13
                    fitText: true
                    // The model's servos have no names yet: shown as the servo screens show them.
                    gp_text: ServoLists.numberLabel(modelData)
                    state: chooser.selected.indexOf(modelData) >= 0 ? "active"
                           : chooser.slots <= 0 ? "disabled" : ""
                    onClicked: chooser.toggle(modelData)
                }
            }
        }
    }
    Row {
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 6
        spacing: 10
        GeneralPurposeButton {
            objectName: "servoChooserOk"
            gp_text: qsTr("OK") + Language.emptyString
            onClicked: chooser.accept()
        }
        GeneralPurposeButton {
            objectName: "servoChooserCancel"
            gp_text: qsTr("Cancel") + Language.emptyString
            onClicked: chooser.functionIndex = -1
        }
    }
}
