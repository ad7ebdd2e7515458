import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The function overview: one row per used function in the stored display
// order with its name, input control, trim control, set-up, fail-safe mode
// and servos; functions are added, deleted, renamed and moved here.
Item {
    id: overview
    objectName: "functionOverview"
    // The facade once: a name of the context is looked up through every
    // import each time it is used, a property of the screen is not.
    readonly property QtObject db: Database

    property var rows: []
    property int revision: 0
    property bool rediv: false
    property int heldRow: -1          // the row of the options bar, -1 none
    property int failSafeRow: -1      // the row of the fail-safe bar, -1 none
    property int pendingAction: 0     // 0 none, 1 new element, 2 delete element
    property int pendingDatum: -1
    property bool addLock: false
    readonly property int rowHeight: 35

    function failed(code) { return typeof code === "number" && code <= DatabaseValue.KLX_Error }
    function isUsed(f) {
        return db.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
    }

    // The used functions in the stored order; used ones missing from it follow
    // in index order and are written back.
    function readRows() {
        var max = db.KLX_DataBaseManagerGetMaxFunctions()
        var order = db.KLX_DataBaseManagerFunctionGetDisplayedOrder()
        var list = []
        var f
        if (order.length === 0) {
            for (f = 0; f < max; ++f)
                if (isUsed(f))
                    list.push(f)
            return list
        }
        for (var i = 0; i < order.length; ++i)
            if (order[i] >= 0 && order[i] < max && isUsed(order[i]) && list.indexOf(order[i]) < 0)
                list.push(order[i])
        var added = false
        for (f = 0; f < max; ++f) {
            if (isUsed(f) && list.indexOf(f) < 0) {
                list.push(f)
                added = true
            }
        }
        if (added)
            db.KLX_DataBaseManagerFunctionSetDisplayedOrder(list)
        return list
    }
    function rebuild() {
        var y = listView.contentY
        rows = readRows()
        revision++
        listView.contentY = Math.max(0, Math.min(y, listView.contentHeight - listView.height))
    }

    // ---- what a row shows ----
    function shortName(name) { return name.length > 16 ? name.substring(0, 14) : name }
    function controlName(id) {
        if (id >= GuiCmdData.CONTROLID_Virtual_00_GUI && id <= GuiCmdData.CONTROLID_Virtual_Last_GUI) {
            var vs = id - GuiCmdData.CONTROLID_Virtual_00_GUI
            if (db.KLX_DataBaseManagerSwitchGetSet_IsUsed(vs, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True)
                return db.KLX_DataBaseManagerSwitchGetSet_Name(vs, "", DatabaseValue.AtomicDirGet)
            return "---"
        }
        if (id >= GuiCmdData.CONTROLID_Telemetry_00_GUI && id <= GuiCmdData.CONTROLID_Telemetry_Last_GUI) {
            var name = db.KLX_DataBaseManagerTeleControlGetSet_Name(id - GuiCmdData.CONTROLID_Telemetry_00_GUI, "",
                                                                          DatabaseValue.AtomicDirGet)
            return name === "" ? "---" : name
        }
        return db.KLX_DataBaseManagerGetNameOfControlByID(id)
    }
    function inputControl(f) {
        db.KLX_DataBaseManager_StickdataLock()
        var id = db.KLX_DataBaseManagerFunctionGetSet_Control(f, -1, DatabaseValue.AtomicDirGet)
        db.KLX_DataBaseManager_StickdataUnlock()
        return id
    }
    function trimControl(f) { return db.KLX_DataBaseManagerFunctionGetSet_Trim_Control(f, 0, DatabaseValue.AtomicDirGet) }
    function servoText(f) {
        var parts = []
        var maxServos = db.KLX_DataBaseManagerGetMaxServos()
        for (var slot = 0; slot < db.KLX_DataBaseManagerFunctionGetMaxServoPerFunction(); ++slot) {
            var servo = db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, slot, 0, DatabaseValue.AtomicDirGet)
            if (servo < 0 || servo >= maxServos)
                continue
            var used = db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(servo, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
            parts.push((servo + 1) + (used ? "" : "?"))
        }
        return parts.join(",")
    }
    function failSafeMode(f) { return db.KLX_DataBaseManagerFunctionGetSet_FailSafePosMode(f, 0, DatabaseValue.AtomicDirGet) }
    function failSafeText(mode) {
        switch (mode) {
        case GuiCmdData.FAILSAFEMODE_Hold_Gui: return qsTr("Hold") + Language.emptyString
        case GuiCmdData.FAILSAFEMODE_Value_Gui: return rediv ? qsTr("F/S") + Language.emptyString : qsTr("Failsafe") + Language.emptyString
        }
        return qsTr("Off") + Language.emptyString
    }

    // ---- leaving through a row button keeps the list's place ----
    function leave(url, properties) {
        rootwindow.list_y_position = Math.round(listView.contentY)
        rootwindow.openScreen(url, properties)
    }

    // ---- name ----
    function editName(row) {
        var f = rows[row]
        keyboard.edit(db.KLX_DataBaseManagerFunctionGetSet_Name(f, "", DatabaseValue.AtomicDirGet), function(text) {
            return db.KLX_DataBaseManagerFunctionGetSet_Name(f, text, DatabaseValue.AtomicDirSet)
        })
    }

    // ---- options bar: order and delete ----
    function move(delta) {
        var at = heldRow
        var to = at + delta
        if (at < 0 || to < 0 || to >= rows.length || failSafeRow >= 0)
            return
        var list = rows.slice()
        var f = list[at]
        list[at] = list[to]
        list[to] = f
        db.KLX_DataBaseManagerFunctionSetDisplayedOrder(list)
        rows = list
        heldRow = to
        revision++
        listView.contentY = Math.max(0, Math.min(to <= 1 ? 0 : (to - 2) * rowHeight,
                                                 listView.contentHeight - listView.height))
    }
    function askDelete() {
        var row = heldRow
        if (row < 0)
            return
        var name = db.KLX_DataBaseManagerFunctionGetSet_Name(rows[row], "", DatabaseValue.AtomicDirGet)
        rootwindow.popupShow(null, "question", qsTr("You are about to delete the following function: ") + Language.emptyString
                             + name + qsTr("\nProceed?") + Language.emptyString, "OkAbort", function() {
                                 overview.pendingAction = 2
                                 overview.pendingDatum = row
                                 overview.heldRow = -1
                                 task.deleteUnit(GuiCmdData.KLX_TASK_PARA_MODEL_Function, overview.rows[row], 0)
                             })
    }

    // ---- add ----
    function add() {
        if (addLock)
            return
        addLock = true
        pendingAction = 1
        pendingDatum = -1
        if (!task.loadUnit(GuiCmdData.KLX_TASK_PARA_MODEL_Function, 0, GuiCmdData.KLX_TASK_PARA_NEW))
            finishPending()
    }
    function finishPending() {
        pendingAction = 0
        pendingDatum = -1
        addLock = false
    }

    // ---- fail-safe ----
    function writeFailSafe(mode) {
        var f = rows[failSafeRow]
        var result = db.KLX_DataBaseManagerFunctionGetSet_FailSafePosMode(f, mode, DatabaseValue.AtomicDirSet, true)
        if (failed(result)) {
            errorHandler.processError(result)
            return
        }
        if (mode !== GuiCmdData.FAILSAFEMODE_Off_Gui) {
            if (mode === GuiCmdData.FAILSAFEMODE_Hold_Gui && rediv) {
                rebuild()
                return
            }
            result = configureFailSafe(f)
            if (failed(result)) {
                errorHandler.processError(result)
                return
            }
            rebuild()
            return
        }
        revision++
    }
    function configureFailSafe(f) {
        return rediv ? db.KLX_DataBaseManagerFunctionSetFailSafeConfigurationREdiv()
                     : db.KLX_DataBaseManagerFunctionSetFailSafeConfigurationKLX(f)
    }
    function teach() {
        var result = configureFailSafe(rows[failSafeRow])
        if (failed(result))
            errorHandler.processError(result)
        else
            rootwindow.popupShow(null, "info", qsTr("Failsafe teached!") + Language.emptyString, "Ok")
    }

    ModelTask {
        id: task
        onDone: {
            if (overview.pendingAction === 1 && newIndex >= 0) {
                var list = overview.rows.slice()
                list.push(newIndex)
                overview.rows = list
                db.KLX_DataBaseManagerFunctionSetDisplayedOrder(list)
                overview.revision++
                listView.positionViewAtEnd()
            } else if (overview.pendingAction === 2) {
                overview.rebuild()
            }
        }
        onFinished: overview.finishPending()
    }

    ListView {
        id: listView
        objectName: "functionList"
        x: 5
        y: 3
        width: parent.width - 14
        height: parent.height - 45
        clip: true
        spacing: 0
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: overview.rows
        delegate: Item {
            id: rowItem
            readonly property int f: modelData
            readonly property int rowIndex: index
            width: listView.width
            height: overview.rowHeight
            readonly property int rev: overview.revision
            Rectangle {
                anchors.fill: parent
                color: "#2f7fd8"
                opacity: overview.heldRow === rowItem.rowIndex ? 0.35 : 0
            }
            Row {
                y: 2
                spacing: 4
                GeneralPurposeButton {
                    objectName: "functionName_" + rowItem.rowIndex
                    width: 110
                    fontSize: 13
                    gp_text: rowItem.rev, overview.shortName(db.KLX_DataBaseManagerFunctionGetSet_Name(rowItem.f, "", DatabaseValue.AtomicDirGet))
                    onClicked: overview.editName(rowItem.rowIndex)
                    onLongclicked: overview.heldRow = rowItem.rowIndex
                }
                GeneralPurposeButton {
                    objectName: "functionControl_" + rowItem.rowIndex
                    width: 70
                    fontSize: 13
                    gp_text: rowItem.rev, overview.controlName(overview.inputControl(rowItem.f))
                    onClicked: overview.leave("qrc:/Frontend/QML/36_ControlSelector.qml",
                                              { parentId: "control", funcId: rowItem.f,
                                                initialControlId: overview.inputControl(rowItem.f) })
                }
                GeneralPurposeButton {
                    objectName: "functionTrim_" + rowItem.rowIndex
                    width: 62
                    fontSize: 13
                    gp_text: {
                        var id = (rowItem.rev, overview.trimControl(rowItem.f))
                        return id === GuiCmdData.CONTROLID_None_GUI ? "---" : db.KLX_DataBaseManagerGetNameOfControlByID(id)
                    }
                    onClicked: overview.leave("qrc:/Frontend/QML/22.qml", { functionId: rowItem.f })
                }
                GeneralPurposeButton {
                    objectName: "functionSetup_" + rowItem.rowIndex
                    width: 56
                    fontSize: 13
                    gp_text: qsTr("Setup") + Language.emptyString
                    onClicked: overview.leave("qrc:/Frontend/QML/5.qml", { functionId: rowItem.f })
                }
                GeneralPurposeButton {
                    objectName: "functionFailSafe_" + rowItem.rowIndex
                    width: 62
                    fontSize: 13
                    state: overview.failSafeRow === rowItem.rowIndex ? "active" : ""
                    gp_text: rowItem.rev, overview.failSafeText(overview.failSafeMode(rowItem.f))
                    onClicked: overview.failSafeRow = overview.failSafeRow === rowItem.rowIndex ? -1 : rowItem.rowIndex
                }
                GeneralPurposeButton {
                    objectName: "functionServos_" + rowItem.rowIndex
                    width: listView.width - 110 - 70 - 62 - 56 - 62 - 5 * 4
                    fontSize: 13
                    gp_text: rowItem.rev, overview.servoText(rowItem.f)
                    onClicked: overview.leave("qrc:/Frontend/QML/27_FunctionServos.qml",
                                              { functionId: rowItem.f,
                                                functionLabel: db.KLX_DataBaseManagerFunctionGetSet_Name(rowItem.f, "", DatabaseValue.AtomicDirGet) })
                }
            }
        }
    }
    ScrollBar { flickable: listView }

    GeneralPurposeButton {
        id: addButton
        objectName: "addFunction"
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - 37
        width: 60
        gp_text: "+"
        fontSize: 20
        visible: overview.heldRow < 0 && overview.failSafeRow < 0
        onClicked: overview.add()
    }

    // The options bar of a held row.
    HeldRowBar {
        objectName: "optionsBar"
        visible: overview.heldRow >= 0
        spacing: 8
        closeName: "optionsOk"
        closeWidth: 70
        onClosed: overview.heldRow = -1
        GeneralPurposeButton { objectName: "moveUp"; width: 70; gp_text: "\u25B2"; onClicked: overview.move(-1) }
        GeneralPurposeButton { objectName: "moveDown"; width: 70; gp_text: "\u25BC"; onClicked: overview.move(1) }
        GeneralPurposeButton {
            objectName: "deleteFunction"
            width: 110
            gp_text: qsTr("Delete") + Language.emptyString
            onClicked: overview.askDelete()
        }
    }

    // The fail-safe bar of a row.
    HeldRowBar {
        id: failSafeBar
        objectName: "failSafeBar"
        visible: overview.failSafeRow >= 0
        spacing: 6
        closeName: "failSafeClose"
        closeWidth: 60
        onClosed: overview.failSafeRow = -1
        readonly property int mode: (overview.revision, overview.failSafeRow >= 0 && overview.failSafeRow < overview.rows.length
                                     ? overview.failSafeMode(overview.rows[overview.failSafeRow]) : -1)
        GeneralPurposeButton {
            objectName: "failSafeOff"
            width: 80
            gp_text: qsTr("Off") + Language.emptyString
            state: failSafeBar.mode === GuiCmdData.FAILSAFEMODE_Off_Gui ? "active" : ""
            onClicked: overview.writeFailSafe(GuiCmdData.FAILSAFEMODE_Off_Gui)
        }
        GeneralPurposeButton {
            objectName: "failSafeHold"
            width: 80
            visible: !overview.rediv
            gp_text: qsTr("Hold") + Language.emptyString
            state: failSafeBar.mode === GuiCmdData.FAILSAFEMODE_Hold_Gui ? "active" : ""
            onClicked: overview.writeFailSafe(GuiCmdData.FAILSAFEMODE_Hold_Gui)
        }
        GeneralPurposeButton {
            objectName: "failSafeValue"
            width: 90
            gp_text: overview.rediv ? qsTr("FS all") + Language.emptyString : qsTr("Failsafe") + Language.emptyString
            state: failSafeBar.mode === GuiCmdData.FAILSAFEMODE_Value_Gui ? "active" : ""
            onClicked: overview.writeFailSafe(GuiCmdData.FAILSAFEMODE_Value_Gui)
        }
        GeneralPurposeButton {
            objectName: "failSafeTeach"
            width: 80
            visible: failSafeBar.mode === GuiCmdData.FAILSAFEMODE_Value_Gui
            gp_text: qsTr("Teach") + Language.emptyString
            onClicked: overview.teach()
        }
    }

    NameKeyboard {
        id: keyboard
        objectName: "keyboard"
        onWritten: overview.revision++
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        rediv = db.KLX_DataBaseManagerIsReceiverModeREdiv()
        rows = readRows()
        if (rootwindow.list_y_position !== -1) {
            listView.forceLayout()
            listView.contentY = Math.max(0, Math.min(rootwindow.list_y_position, listView.contentHeight - listView.height))
            rootwindow.list_y_position = -1
        }
    }
}
