import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// Makes and removes virtual switches through the element tasks, for the
// screens that keep hidden switches. The touch keys are locked while a task
// runs; created(index) or deleted(index) follow its Done, and any other end
// is shown and releases the keys (the screen keeps its choice).
Item {
    id: task
    property string pending: ""
    property int index: -1
    readonly property bool busy: pending !== ""
    signal created(int index)
    signal deleted(int index)
    signal failed()

    function start(kind, para1, para2) {
        rootwindow.smartKeyLock = true
        var result = Command.KLX_GuiCommandHandlerDoTask(kind, GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch, para1, para2,
                                                         "", "", "")
        if (result <= DatabaseValue.KLX_Error) {
            // Refused: nothing runs that would release the keys.
            pending = ""
            rootwindow.smartKeyLock = false
            errorHandler.processError(result)
            failed()
            return false
        }
        return true
    }
    function create() {
        if (busy)
            return false
        index = Database.KLX_DataBaseManagerSwitchGetNextFreeIndex()
        if (index < 0) {
            errorHandler.processError(DatabaseValue.Max_Switch_Number_Reached)
            return false
        }
        pending = "new"
        return start(GuiCmdData.KLX_TASK_LOAD_UNIT, 0, GuiCmdData.KLX_TASK_PARA_NEW)
    }
    function remove(switchIndex) {
        if (busy)
            return false
        index = switchIndex
        pending = "delete"
        return start(GuiCmdData.KLX_TASK_DELETE_UNIT, switchIndex, GuiCmdData.KLX_TASK_PARA_DELETE)
    }

    Connections {
        target: Command
        function onGuiInformer(state) {
            if (!task.busy || state === GuiCmdData.GUI_TASK_RESULT_Working || state === GuiCmdData.GUI_TASK_RESULT_Trigger
                    || state === GuiCmdData.GUI_TASK_RESULT_ReTrigger)
                return
            var action = task.pending
            task.pending = ""
            rootwindow.smartKeyLock = false
            if (state <= DatabaseValue.KLX_Error) {
                errorHandler.processTaskError(errorHandler.getErrorMessage(state))
            } else if (state === GuiCmdData.GUI_TASK_RESULT_Error) {
                errorHandler.processTaskError(ErrorHndlr.KLX_ErrorHandlerGetErrorText())
            } else if (state === GuiCmdData.GUI_TASK_RESULT_Timeout) {
                errorHandler.processTaskError(qsTr("Timeout") + Language.emptyString)
            } else if (state === GuiCmdData.GUI_TASK_RESULT_Done) {
                if (action === "new") {
                    if (typeof RuntimeDatabase.KLX_RuntimeDatabaseGetUnitNewIndex === "function")
                        task.index = RuntimeDatabase.KLX_RuntimeDatabaseGetUnitNewIndex(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch)
                    task.created(task.index)
                } else {
                    Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(task.index, DatabaseValue.KLX_False,
                                                                    DatabaseValue.AtomicDirSet, DatabaseValue.KLX_True)
                    Database.KLX_DataBaseManagerSwitchDelete(task.index)
                    task.deleted(task.index)
                }
                return
            }
            task.failed()
        }
    }
}
