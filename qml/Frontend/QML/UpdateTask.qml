import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "Storages.js" as Storages

// The package update task as a screen starts it: voice packs installed from
// a stick or one voice deleted, a receiver firmware file checked, a
// controller's firmware recovered. While it runs the touch keys are locked;
// its course comes as update statuses (status(state, count): the status and
// the number that travels with it, the installed voices of status 13), and
// its end as done() or failed(text). When several sticks are plugged the
// task waits for the user's choice: the chooser over the screen answers it,
// and "Cancel" ends the task; cancelled then tells the screen that there is
// nothing to show, as after a start the pipeline refused.
LockedTask {
    id: task
    property int target: -1
    // The last update status heard while it runs.
    property int lastStatus: 0
    property bool cancelled: false
    signal status(int state, int count)
    signal done()
    signal failed(string text)
    signal finished()

    // Starts the task for `target` (GuiCmdData.KLX_LOAD_VOICEPACKS, ...) with
    // its third parameter and its text; false when the pipeline refused it
    // (shown, nothing runs).
    function start(target, para3, text) {
        if (!take())
            return false
        cancelled = false
        lastStatus = 0
        task.target = target
        var none = GuiCmdData.KLX_TASK_PARA_NONE
        if (refused(Command.KLX_GuiCommandHandlerDoTask(GuiCmdData.KLX_TASK_UPDATE_CHECK_FIRMWARE,
                                                        GuiCmdData.KLX_TASK_PARA_UPDATE_USB, target, para3, 0,
                                                        none, none, text, "", ""))) {
            // Shown already, so the screen has nothing to add.
            cancelled = true
            failed("")
            finished()
            return false
        }
        return true
    }

    // The plugged sticks ("/media/usbN") as the chooser offers them.
    function sticks() {
        RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetStorageInfo()
        var list = []
        for (var i = 0; i < RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetStoragesCount(); ++i) {
            var path = RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetStoragePathByIdx(i)
            if (Storages.isStick(path))
                list.push({ label: Storages.label(path), value: Storages.stickNumber(path) })
        }
        return list
    }
    // The task takes the stick by the digit that ends the answer; an empty
    // answer ends it.
    function answerStick(n) { Command.KLX_GuiCommandHandlerUserDataInput(String(n)) }
    function cancelStick() {
        cancelled = true
        Command.KLX_GuiCommandHandlerUserDataInput("")
    }

    ItemChooser {
        id: stickChooser
        objectName: "stickChooser"
        parent: task.parent
        title: qsTr("Which USB stick?") + Language.emptyString
        single: true
        onAccepted: task.answerStick(selected[0][0])
        onCancelled: task.cancelStick()
    }

    Connections {
        target: Database
        enabled: task.running
        function onUpdateStatus(state) {
            task.lastStatus = state & 0xFF
            task.status(state & 0xFF, state >> 8)
        }
    }
    Connections {
        target: Command
        enabled: task.running
        function onGuiInformer(state) {
            if (state === GuiCmdData.GUI_TASK_RESULT_Working)
                return
            if (state === GuiCmdData.GUI_TASK_RESULT_Trigger || state === GuiCmdData.GUI_TASK_RESULT_ReTrigger) {
                stickChooser.show([{ heading: "", entries: task.sticks(), limit: 1 }])
                return
            }
            task.release()
            if (state === GuiCmdData.GUI_TASK_RESULT_Done) {
                task.done()
            } else if (task.cancelled) {
                task.failed("")
            } else if (state === GuiCmdData.GUI_TASK_RESULT_Timeout) {
                task.failed(qsTr("Timeout") + Language.emptyString)
            } else {
                task.failed(state === GuiCmdData.GUI_TASK_RESULT_Error || state === DatabaseValue.KLX_Error
                            ? ErrorHndlr.KLX_ErrorHandlerGetErrorText() : errorHandler.getErrorMessage(state))
            }
            task.finished()
        }
    }
}
