import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// Makes and removes virtual switches through the element tasks, for the
// screens that keep hidden switches: created(index) or deleted(index) follow
// a Done; a removed switch is also taken out of the model here.
ModelTask {
    id: task
    property string pending: ""
    property int index: -1
    readonly property bool busy: running
    signal created(int index)
    signal deleted(int index)

    function create() {
        if (running)
            return false
        index = Database.KLX_DataBaseManagerSwitchGetNextFreeIndex()
        if (index < 0) {
            errorHandler.processError(DatabaseValue.Max_Switch_Number_Reached)
            return false
        }
        pending = "new"
        return loadUnit(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch, 0, GuiCmdData.KLX_TASK_PARA_NEW)
    }
    function remove(switchIndex) {
        if (running)
            return false
        index = switchIndex
        pending = "delete"
        return deleteUnit(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch, switchIndex, GuiCmdData.KLX_TASK_PARA_DELETE)
    }

    onFailed: pending = ""
    onDone: {
        var action = pending
        pending = ""
        if (action === "new") {
            if (newIndex >= 0)
                index = newIndex
            created(index)
        } else {
            Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(index, DatabaseValue.KLX_False, DatabaseValue.AtomicDirSet,
                                                            DatabaseValue.KLX_True)
            Database.KLX_DataBaseManagerSwitchDelete(index)
            deleted(index)
        }
    }
}
