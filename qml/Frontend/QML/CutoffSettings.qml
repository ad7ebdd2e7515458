import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "ServoLists.js" as ServoLists

// The servo cut-offs: each servo with a cut-off switch, the position it
// takes while that switch is on, and its actual output. "+" gives a servo a
// new cut-off switch; holding a servo deletes its cut-off.
Item {
    id: cutoffScreen
    objectName: "cutoffSettings"
    property var rows: []            // [{ servo, vswitch, position }]
    property int pendingServo: -1
    property int pendingSwitch: -1
    property int heldRow: -1
    property int selectedRow: -1

    function failed(code) { return typeof code === "number" && code <= DatabaseValue.KLX_Error }
    function switchOf(servo) {
        var vs = Database.KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffVirtSwitch(servo, 0, DatabaseValue.AtomicDirGet)
        return vs >= 0 && vs < Database.KLX_DataBaseManagerGetMaxVirualSwitches() ? vs : -1
    }
    function rebuild() {
        var list = []
        for (var s = 0; s < Database.KLX_DataBaseManagerGetMaxServos(); ++s) {
            var vs = switchOf(s)
            if (vs >= 0)
                list.push({ servo: s, vswitch: vs,
                            position: Database.KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffValue(s, 0, DatabaseValue.AtomicDirGet) })
        }
        rows = list
        heldRow = -1
        selectedRow = -1
    }

    function openChooser() {
        if (task.running)
            return
        rootwindow.smartKeyLock = true
        var entries = []
        for (var s = 0; s < Database.KLX_DataBaseManagerGetMaxServos(); ++s)
            if (switchOf(s) < 0)
                entries.push({ label: ServoLists.servoLabel(s), value: s })
        chooser.show([{ heading: "", entries: entries, limit: 1 }])
    }
    // The new switch becomes the servo's cut-off switch at position 0.
    function adopt(index) {
        var servo = pendingServo
        var steps = [
            function() { return Database.KLX_DataBaseManagerSwitchSwitch_As_CutOffSwitch(index) },
            function() {
                var name = Database.KLX_DataBaseManagerSwitchGetSet_Name(index, "VSi" + index + "Srv." + servo, DatabaseValue.AtomicDirSet, true)
                return name === "" ? DatabaseValue.KLX_Error : DatabaseValue.KLX_Ok
            }
        ]
        for (var i = 0; i < steps.length; ++i) {
            var r = steps[i]()
            if (failed(r)) {
                errorHandler.processError(r)
                break
            }
        }
        var result = Database.KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffVirtSwitch(servo, index, DatabaseValue.AtomicDirSet)
        if (result === index)
            Database.KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffValue(servo, 0, DatabaseValue.AtomicDirSet)
        else
            errorHandler.processError(result)
        rebuild()
    }
    function askDelete() {
        var row = rows[heldRow]
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete this Servo Cut-off?") + Language.emptyString, "OkAbort",
                             function() {
                                 cutoffScreen.pendingServo = row.servo
                                 cutoffScreen.pendingSwitch = row.vswitch
                                 cutoffScreen.heldRow = -1
                                 task.deleteUnit(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch, row.vswitch, GuiCmdData.KLX_TASK_PARA_DELETE)
                             })
    }
    function removed() {
        Database.KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffVirtSwitch(pendingServo, Database.KLX_DataBaseManagerGetMaxVirualSwitches(),
                                                                              DatabaseValue.AtomicDirSet)
        Database.KLX_DataBaseManagerSwitchDelete(pendingSwitch)
        rebuild()
    }

    ModelTask {
        id: task
        onDone: {
            if (cutoffScreen.pendingSwitch >= 0)
                cutoffScreen.removed()
            else
                cutoffScreen.adopt(newIndex)
        }
        onFinished: {
            cutoffScreen.pendingServo = -1
            cutoffScreen.pendingSwitch = -1
        }
    }

    ListHeading {
        id: heads
        y: 2
        small: true
        widths: [100, 80, 50, 80, 150]
        titles: [qsTr("Servo") + Language.emptyString, qsTr("Control") + Language.emptyString,
                 qsTr("State") + Language.emptyString, qsTr("Position") + Language.emptyString,
                 qsTr("Actual") + Language.emptyString]
    }

    ListView {
        id: list
        objectName: "cutoffList"
        x: 5
        y: heads.height + 2
        width: parent.width - 10
        height: parent.height - y - 44
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: cutoffScreen.rows
        delegate: ServoCutOffItem {
            width: list.width - 6
            servo: modelData.servo
            vswitch: modelData.vswitch
            position: modelData.position
            selected: cutoffScreen.selectedRow === index
            onHeld: cutoffScreen.heldRow = index
            onPositionSelected: {
                cutoffScreen.selectedRow = cutoffScreen.selectedRow === index ? -1 : index
                flyin.extended = cutoffScreen.selectedRow >= 0
            }
        }
    }
    ScrollBar { flickable: list }

    GeneralPurposeButton {
        objectName: "addCutoff"
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - 37
        width: 60
        fontSize: 20
        gp_text: "+"
        visible: !flyin.extended && cutoffScreen.heldRow < 0
        onClicked: cutoffScreen.openChooser()
    }

    HeldRowBar {
        objectName: "cutoffBar"
        visible: cutoffScreen.heldRow >= 0
        closeName: "cutoffBarClose"
        onClosed: cutoffScreen.heldRow = -1
        GeneralPurposeButton {
            objectName: "deleteCutoff"
            width: 220
            gp_text: qsTr("Delete Servo Cut-off") + Language.emptyString
            onClicked: cutoffScreen.askDelete()
        }
    }

    FlyinIncDec {
        id: flyin
        objectName: "cutoffFlyin"
        onStep: {
            var item = list.itemAtIndex(cutoffScreen.selectedRow)
            if (item)
                item.step(delta)
        }
        onOkClicked: cutoffScreen.selectedRow = -1
    }

    ItemChooser {
        id: chooser
        objectName: "cutoffServoChooser"
        title: qsTr("Please select an available servo:") + Language.emptyString
        onAccepted: {
            rootwindow.smartKeyLock = false
            cutoffScreen.pendingServo = selected[0][0]
            cutoffScreen.pendingSwitch = -1
            task.loadUnit(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch, 0, GuiCmdData.KLX_TASK_PARA_NEW)
        }
        onCancelled: rootwindow.smartKeyLock = false
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        rebuild()
    }
}
