import QtQuick 2.15
import GuiData 1.0

// An element task that remembers what it was started for: the pending
// action (new or delete) and its datum stay readable in the handlers of
// done(newIndex) and failed() until the next task starts. With `rowsOwner` set
// (a screen listing the elements' indices in its `rows`), a new element is
// appended there and the deleted one (the datum) taken out.
ModelTask {
    readonly property int actionNone: 0
    readonly property int actionNew: 1
    readonly property int actionDelete: 2
    property int action: actionNone
    property int datum: -1
    readonly property bool busy: running
    property var rowsOwner: null

    onDone: {
        if (!rowsOwner)
            return
        if (action === actionNew && newIndex >= 0 && rowsOwner.rows.indexOf(newIndex) < 0)
            rowsOwner.rows = rowsOwner.rows.concat([newIndex])
        else if (action === actionDelete)
            rowsOwner.rows = rowsOwner.rows.filter(function(r) { return r !== datum })
    }

    function startFor(pendingAction, pendingDatum, taskId, model, p2, p3) {
        if (running)
            return false
        action = pendingAction
        datum = pendingDatum
        return start(taskId, model, p2, p3)
    }
    function loadNew(model) {
        return startFor(actionNew, -1, GuiCmdData.KLX_TASK_LOAD_UNIT, model, 0, GuiCmdData.KLX_TASK_PARA_NEW)
    }
    function remove(model, index, para3, pendingDatum) {
        return startFor(actionDelete, pendingDatum, GuiCmdData.KLX_TASK_DELETE_UNIT, model, index, para3)
    }
}
