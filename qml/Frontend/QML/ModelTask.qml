import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The element task of a model screen (add or delete through the task
// pipeline) and its result. While it runs the touch keys are locked; every
// result but Working releases the lock and ends it. Done reads the new
// element's index of the task's element kind.
LockedTask {
    id: task
    property int kind: -1
    signal done(int newIndex)
    signal failed()
    signal finished()

    // Starts a task; false when the pipeline refused it (shown, nothing runs).
    function start(taskId, kindOrIndex, p2, p3) {
        if (!take())
            return false
        kind = kindOrIndex
        if (refused(Command.KLX_GuiCommandHandlerDoTask(taskId, kindOrIndex, p2, p3, "", "", ""))) {
            failed()
            return false
        }
        return true
    }
    function loadUnit(kind, p2, p3) { return start(GuiCmdData.KLX_TASK_LOAD_UNIT, kind, p2, p3) }
    function deleteUnit(kind, p2, p3) { return start(GuiCmdData.KLX_TASK_DELETE_UNIT, kind, p2, p3) }

    Connections {
        target: Command
        enabled: task.running
        function onGuiInformer(state) {
            if (state === GuiCmdData.GUI_TASK_RESULT_Working)
                return
            task.release()
            if (state <= DatabaseValue.KLX_Error) {
                errorHandler.processTaskError(errorHandler.getErrorMessage(state))
                task.failed()
            } else if (state === GuiCmdData.GUI_TASK_RESULT_Done) {
                task.done(RuntimeDatabase.KLX_RuntimeDatabaseGetUnitNewIndex(task.kind))
            } else if (state === GuiCmdData.GUI_TASK_RESULT_Error) {
                errorHandler.processTaskError(ErrorHndlr.KLX_ErrorHandlerGetErrorText())
                task.failed()
            } else if (state === GuiCmdData.GUI_TASK_RESULT_Timeout) {
                errorHandler.processTaskError(qsTr("Timeout") + Language.emptyString)
                task.failed()
            }
            task.finished()
        }
    }
}
