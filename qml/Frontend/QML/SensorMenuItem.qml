import QtQuick 2.15
import DBValues 1.0

// One item of a sensor's menu: its label and the value text the sensor
// formats itself, and what changes it: a toggle button, or arrows that step
// the value (held, they repeat every 200 ms, the step growing tenfold after
// every ten repeats up to the item's largest step). A display item only shows.
Rectangle {
    id: row
    property string label: ""
    property string value: ""
    property bool toggle: false
    property int maxStep: 1
    property bool displayOnly: false
    property bool selected: false
    property bool highlighted: false
    // direction 0 left, 1 right; step as the arrows reached it.
    signal step(int step, int direction)
    signal toggled()
    signal chosen()

    property int currentStep: 1
    property int repeats: 0
    property int heldDirection: -1

    height: 34
    color: highlighted ? "#2f7fd8" : (selected ? (rootwindow.contrast_sheme === 0 ? "#303030" : "#d8d8d8") : "transparent")
    border.width: 1
    border.color: rootwindow.rectBorderColour
    Behavior on color { ColorAnimation { duration: 300 } }

    function press(direction) {
        currentStep = 1
        repeats = 0
        heldDirection = direction
        row.step(currentStep, direction)
        repeat.start()
    }
    function release() {
        repeat.stop()
        heldDirection = -1
        currentStep = 1
        repeats = 0
    }
    // One repeat of a held arrow.
    function repeatOnce() {
        repeats += 1
        row.step(currentStep, heldDirection)
        if (repeats % 10 === 0 && currentStep < maxStep)
            currentStep = currentStep * 10
    }

    Timer {
        id: repeat
        objectName: "menuItemRepeat"
        interval: 200
        repeat: true
        onTriggered: row.repeatOnce()
    }
    MouseArea {
        anchors.fill: parent
        onClicked: row.chosen()
    }
    Text {
        x: 8
        width: 170
        anchors.verticalCenter: parent.verticalCenter
        text: row.label
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
        elide: Text.ElideRight
    }
    Text {
        objectName: "menuItemValue"
        x: 180
        width: row.toggle || row.displayOnly ? row.width - 300 + 110 : 130
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: row.toggle || row.displayOnly ? Text.AlignLeft : Text.AlignHCenter
        text: row.value
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
        elide: Text.ElideRight
    }
    GeneralPurposeButton {
        objectName: "menuItemLeft"
        visible: !row.toggle && !row.displayOnly
        x: 318
        width: 60
        height: 30
        anchors.verticalCenter: parent.verticalCenter
        gp_text: "<"
        onPressedChanged: pressed ? row.press(0) : row.release()
    }
    GeneralPurposeButton {
        objectName: "menuItemRight"
        visible: !row.toggle && !row.displayOnly
        x: row.width - width - 6
        width: 60
        height: 30
        anchors.verticalCenter: parent.verticalCenter
        gp_text: ">"
        onPressedChanged: pressed ? row.press(1) : row.release()
    }
    GeneralPurposeButton {
        objectName: "menuItemToggle"
        visible: row.toggle && !row.displayOnly
        x: row.width - width - 6
        width: 126
        height: 30
        anchors.verticalCenter: parent.verticalCenter
        gp_text: (row.value === "" ? qsTr("Activate") : qsTr("Deactivate")) + Language.emptyString
        onClicked: row.toggled()
    }
}
