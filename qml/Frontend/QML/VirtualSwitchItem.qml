import QtQuick 2.15
import DBValues 1.0
import "ControlNames.js" as Names

// One visible virtual switch: its name, inputs A and B with their states,
// the logic operator and the output state.
Item {
    id: item
    property int vs: 0
    property var widths: [110, 130, 60, 70, 70]
    property string nameText: ""
    property var inputNames: ["", ""]
    property var inputStates: [false, false]
    property int operator: 0
    property bool output: false
    signal nameClicked()
    signal nameHeld()
    signal inputClicked(int input)
    signal operatorClicked()

    width: parent ? parent.width : 480
    height: 75

    readonly property var operatorTexts: ["AND", "OR", "XOR", "LOCK\nRS", "LOCK\nSR"]

    function refresh() {
        var get = DatabaseValue.AtomicDirGet
        nameText = Database.KLX_DataBaseManagerSwitchGetSet_Name(vs, "", get)
        inputNames = [Names.name(Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(vs, 0, 0, get)),
                      Names.name(Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(vs, 1, 0, get))]
        operator = Database.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(vs, 0, get)
        readStates()
    }
    function readStates() {
        inputStates = [Database.KLX_DataBaseManagerSwitchGet_SwitchHystereseOut(vs, 0) > 0,
                       Database.KLX_DataBaseManagerSwitchGet_SwitchHystereseOut(vs, 1) > 0]
        output = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetVSOutputByVSId(vs) > 0
    }
    Component.onCompleted: refresh()

    Rectangle {
        x: 2
        y: item.height - 1
        width: item.width - 4
        height: 1
        color: rootwindow.textColour
        opacity: 0.3
    }
    Row {
        x: 5
        y: 3
        spacing: 4
        GeneralPurposeButton {
            objectName: "vsName_" + item.vs
            width: item.widths[0]
            height: 68
            gp_text: item.nameText
            onClicked: item.nameClicked()
            onLongclicked: item.nameHeld()
        }
        Column {
            spacing: 4
            GeneralPurposeButton {
                objectName: "vsInputA_" + item.vs
                width: item.widths[1]
                height: 32
                fontSize: 14
                gp_text: "A: " + item.inputNames[0]
                onClicked: item.inputClicked(0)
            }
            GeneralPurposeButton {
                objectName: "vsInputB_" + item.vs
                width: item.widths[1]
                height: 32
                fontSize: 14
                gp_text: "B: " + item.inputNames[1]
                onClicked: item.inputClicked(1)
            }
        }
        Column {
            spacing: 4
            Repeater {
                model: 2
                Rectangle {
                    width: item.widths[2]
                    height: 32
                    radius: 4
                    color: item.inputStates[index] ? "#2fa84f" : "transparent"
                    border.width: 1
                    border.color: rootwindow.textColour
                    Text {
                        anchors.centerIn: parent
                        text: item.inputStates[index] ? qsTr("ON") + Language.emptyString : qsTr("OFF") + Language.emptyString
                        color: item.inputStates[index] ? "white" : rootwindow.textColour
                        font.family: rootwindow.fontFamily
                        font.pixelSize: 13
                    }
                }
            }
        }
        GeneralPurposeButton {
            objectName: "vsOperator_" + item.vs
            width: item.widths[3]
            height: 68
            fontSize: 14
            gp_text: item.operator >= 0 && item.operator < item.operatorTexts.length ? item.operatorTexts[item.operator] : "---"
            onClicked: item.operatorClicked()
        }
        Rectangle {
            objectName: "vsOutput_" + item.vs
            width: item.widths[4]
            height: 68
            radius: 4
            color: item.output ? "#2fa84f" : "transparent"
            border.width: 1
            border.color: rootwindow.textColour
            Text {
                anchors.centerIn: parent
                text: item.output ? qsTr("ON") + Language.emptyString : qsTr("OFF") + Language.emptyString
                color: item.output ? "white" : rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 15
                font.bold: true
            }
        }
    }
}
