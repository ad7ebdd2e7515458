import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// One element task of a model screen at a time (add or delete an element):
// it sets the key lock while the task runs, shows the failures, and on Done
// hands the pending action, its datum and the new element's index to the
// screen. Every result other than Working clears the locks.
QtObject {
    id: task
    // The element kind whose new index a Done reads.
    property int kind: GuiCmdData.KLX_TASK_PARA_MODEL_Function
    readonly property int actionNone: 0
    readonly property int actionNew: 1
    readonly property int actionDelete: 2
    property int action: actionNone
    property int datum: -1
    property bool busy: false
    signal done(int action, int datum, int newIndex)
    signal failed(int action, int datum)

    function clear() {
        action = actionNone
        datum = -1
        busy = false
        rootwindow.smartKeyLock = false
    }

    // Starts a task; false when one runs already or the request was refused.
    function start(taskId, para1, para2, para3, pendingAction, pendingDatum) {
        if (busy)
            return false
        busy = true
        rootwindow.smartKeyLock = true
        action = pendingAction
        datum = pendingDatum
        var result = Command.KLX_GuiCommandHandlerDoTask(taskId, para1, para2, para3, "", "", "")
        if (result <= DatabaseValue.KLX_Error) {
            // The locks stay until a result arrives.
            errorHandler.processError(result)
            return false
        }
        return true
    }
    function loadNew(model) {
        return start(GuiCmdData.KLX_TASK_LOAD_UNIT, model, 0, GuiCmdData.KLX_TASK_PARA_NEW, actionNew, -1)
    }
    function remove(model, index, para3, pendingDatum) {
        return start(GuiCmdData.KLX_TASK_DELETE_UNIT, model, index, para3, actionDelete, pendingDatum)
    }

    function inform(state) {
        if (!busy)
            return
        if (state === GuiCmdData.GUI_TASK_RESULT_Working)
            return
        var a = action
        var d = datum
        if (state <= DatabaseValue.KLX_Error) {
            clear()
            errorHandler.processTaskError(errorHandler.getErrorMessage(state))
            failed(a, d)
        } else if (state === GuiCmdData.GUI_TASK_RESULT_Done) {
            var fresh = RuntimeDatabase.KLX_RuntimeDatabaseGetUnitNewIndex(kind)
            clear()
            done(a, d, fresh)
        } else if (state === GuiCmdData.GUI_TASK_RESULT_Error) {
            clear()
            errorHandler.processTaskError(ErrorHndlr.KLX_ErrorHandlerGetErrorText())
            failed(a, d)
        } else if (state === GuiCmdData.GUI_TASK_RESULT_Timeout) {
            clear()
            errorHandler.processTaskError(qsTr("Timeout") + Language.emptyString)
            failed(a, d)
        } else if (state === GuiCmdData.GUI_TASK_RESULT_None) {
            clear()
        }
    }

    property Connections informer: Connections {
        target: Command
        function onGuiInformer(state) { task.inform(state) }
    }
}
