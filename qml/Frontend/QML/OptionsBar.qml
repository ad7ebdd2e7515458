import QtQuick 2.15

// The bar a held row opens at the bottom of a model screen: the screen's
// buttons ({ name, label }) and "Ok", which closes it.
Rectangle {
    id: bar
    property var buttons: []
    property int datum: -1
    signal chosen(string name, int datum)

    width: parent ? parent.width : 480
    height: 40
    y: parent ? parent.height - height : 0
    z: 40
    visible: false
    color: rootwindow.contrast_sheme === 0 ? "#202020" : "#d8d8d8"
    border.width: 1
    border.color: rootwindow.textColour
    MouseArea { anchors.fill: parent }

    function open(list, value) {
        buttons = list
        datum = value
        visible = true
    }
    function close() { visible = false }

    Row {
        anchors.centerIn: parent
        spacing: 6
        Repeater {
            model: bar.buttons
            GeneralPurposeButton {
                objectName: "option_" + modelData.name
                width: Math.max(90, Math.min(200, (bar.width - 20) / (bar.buttons.length + 1) - 6))
                gp_text: modelData.label
                onClicked: bar.chosen(modelData.name, bar.datum)
                onLongclicked: bar.chosen(modelData.name + "Held", bar.datum)
            }
        }
        GeneralPurposeButton {
            objectName: "option_close"
            width: 70
            gp_text: qsTr("Ok") + Language.emptyString
            onClicked: bar.close()
        }
    }
}
