import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "ServoLists.js" as ServoLists

// One servo cut-off: the servo, input A of its cut-off switch (which opens
// the switch-point editor), the switch's state, the position the servo takes
// while it is on, and the servo's actual output.
Item {
    id: cutoff
    property int servo: 0
    property int vswitch: 0
    property int position: 0
    property int output: 0
    property bool selected: false
    signal held()
    signal positionSelected()

    width: 470
    height: 35

    function failed(code) { return typeof code === "number" && code <= DatabaseValue.KLX_Error }
    function inputA() {
        return Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(vswitch, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, DatabaseValue.AtomicDirGet)
    }
    function controlName(id) {
        if (id >= GuiCmdData.CONTROLID_Virtual_00_GUI && id <= GuiCmdData.CONTROLID_Virtual_Last_GUI) {
            var vs = id - GuiCmdData.CONTROLID_Virtual_00_GUI
            return Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(vs, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
                    ? Database.KLX_DataBaseManagerSwitchGetSet_Name(vs, "", DatabaseValue.AtomicDirGet) : "---"
        }
        if (id >= GuiCmdData.CONTROLID_Telemetry_00_GUI && id <= GuiCmdData.CONTROLID_Telemetry_Last_GUI) {
            var name = Database.KLX_DataBaseManagerShownText(Database.KLX_DataBaseManagerTeleControlGetSet_Name(id - GuiCmdData.CONTROLID_Telemetry_00_GUI, "", DatabaseValue.AtomicDirGet))
            return name === "" ? "---" : name
        }
        return Database.KLX_DataBaseManagerGetNameOfControlByID(id)
    }
    // The position stays within the servo's limits.
    function step(delta) {
        var min = Database.KLX_DataBaseManagerServoConfigGetSet_MinValue(servo, 0, DatabaseValue.AtomicDirGet)
        var max = Database.KLX_DataBaseManagerServoConfigGetSet_MaxValue(servo, 0, DatabaseValue.AtomicDirGet)
        var value = Math.max(min, Math.min(max, position + delta))
        var result = Database.KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffValue(servo, value, DatabaseValue.AtomicDirSet)
        if (failed(result)) {
            errorHandler.processError(result)
            return
        }
        position = result
    }
    function openEditor() {
        var control = inputA()
        rootwindow.openScreen("qrc:/Frontend/QML/ControlConfigLinear.qml",
                              { sourceOptionNumber: 6, switchId: vswitch, control: control,
                                percentageHystUpper: Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(vswitch, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, DatabaseValue.AtomicDirGet),
                                percentageHystLower: Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(vswitch, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, DatabaseValue.AtomicDirGet) })
    }

    Timer {
        interval: 200
        repeat: true
        running: !rootwindow.shutdown
        triggeredOnStart: true
        onTriggered: cutoff.output = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetVSOutputByVSId(cutoff.vswitch)
    }

    Row {
        y: 2
        spacing: 4
        GeneralPurposeButton {
            objectName: "cutoffServo_" + cutoff.servo
            width: 100
            fontSize: 13
            gp_text: ServoLists.servoLabel(cutoff.servo)
            onLongclicked: cutoff.held()
        }
        GeneralPurposeButton {
            objectName: "cutoffControl_" + cutoff.servo
            width: 80
            fontSize: 13
            gp_text: cutoff.controlName(cutoff.inputA())
            onClicked: cutoff.openEditor()
        }
        Text {
            objectName: "cutoffState_" + cutoff.servo
            width: 50
            height: 30
            text: cutoff.output >= 2047 ? qsTr("On") + Language.emptyString
                                        : cutoff.output <= -2047 ? qsTr("Off") + Language.emptyString : ""
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 13
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        GeneralPurposeButton {
            objectName: "cutoffPosition_" + cutoff.servo
            width: 80
            fontSize: 13
            gp_text: cutoff.position + " %"
            state: cutoff.selected ? "active" : ""
            onClicked: cutoff.positionSelected()
        }
        Servobar {
            objectName: "cutoffActual_" + cutoff.servo
            y: 5
            width: cutoff.width - 100 - 80 - 50 - 80 - 4 * 4
            servo: cutoff.servo
            negLimit: Database.KLX_DataBaseManagerServoConfigGetSet_MinValue(cutoff.servo, 0, DatabaseValue.AtomicDirGet)
            posLimit: Database.KLX_DataBaseManagerServoConfigGetSet_MaxValue(cutoff.servo, 0, DatabaseValue.AtomicDirGet)
            centre: Database.KLX_DataBaseManagerServoConfigGetSet_Centre(cutoff.servo, 0, DatabaseValue.AtomicDirGet)
        }
    }
}
