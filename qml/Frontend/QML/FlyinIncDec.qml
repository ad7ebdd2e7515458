import QtQuick 2.15

// The increment fly-in: a bar with "--", "-", "OK", "+" and "++" that flies
// in from the bottom while extended. "-" and "+" step by smallStep, "--" and
// "++" by largeStep; a held button repeats its step every 100 ms. With an
// extraStep a further pair of buttons steps by it. "OK" closes the bar.
Rectangle {
    id: flyin
    property bool extended: false
    property int smallStep: 1
    property int largeStep: 10
    property int extraStep: 0
    property string extraMinusLabel: "-" + extraStep
    property string extraPlusLabel: "+" + extraStep
    signal step(int delta)
    signal okClicked()

    width: parent ? parent.width : 480
    height: 44
    color: rootwindow.contrast_sheme === 0 ? "#202020" : "#d8d8d8"
    border.width: 1
    border.color: rootwindow.textColour
    y: parent ? (extended ? parent.height - height : parent.height) : 0
    visible: extended || flying.running
    Behavior on y { NumberAnimation { id: flying; duration: 300; easing.type: Easing.OutCubic } }

    readonly property var buttons: {
        var list = [{ label: "--", delta: -largeStep }, { label: "-", delta: -smallStep }]
        if (extraStep !== 0)
            list.push({ label: extraMinusLabel, delta: -extraStep })
        list.push({ label: qsTr("OK") + Language.emptyString, delta: 0 })
        if (extraStep !== 0)
            list.push({ label: extraPlusLabel, delta: extraStep })
        list.push({ label: "+", delta: smallStep }, { label: "++", delta: largeStep })
        return list
    }

    Row {
        anchors.centerIn: parent
        spacing: 4
        Repeater {
            model: flyin.buttons
            KeyboardKey {
                objectName: "flyin_" + modelData.label
                width: (flyin.width - 8 - (flyin.buttons.length - 1) * 4) / flyin.buttons.length
                height: 36
                label: modelData.label
                repeatInterval: modelData.delta === 0 ? 0 : 100
                onTyped: {
                    if (modelData.delta === 0) {
                        flyin.extended = false
                        flyin.okClicked()
                    } else {
                        flyin.step(modelData.delta)
                    }
                }
            }
        }
    }
}
