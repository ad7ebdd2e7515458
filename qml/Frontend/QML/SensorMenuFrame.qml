import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// One frame of the sensor menu carousel: the head line of its menu (with
// arrows where there are menus to either side) and the menu's items. Every
// 500 ms it looks whether the screen's active frame changed and slides to its
// place; the frames beside the active one take the used menus next to it.
// The active frame makes its menu the one whose continuous items are polled.
Item {
    id: frame
    property var screen: null
    property int frameNo: 0
    property int menu: 8
    property int seenActive: -1
    readonly property bool active: seenActive === frameNo
    property int selectedRow: 0
    property var rows: []
    property bool changePending: false
    signal left()
    signal right()

    width: screen ? screen.width : 480
    height: screen ? screen.height - 48 : 200
    x: ((frameNo - (seenActive < 0 ? 1 : seenActive) + 4) % 3 - 1) * width
    Behavior on x { NumberAnimation { duration: 250; easing.type: Easing.OutCubic } }

    function headLine() {
        if (menu >= 8 || !screen)
            return ""
        var label = Database.KLX_DataBaseManagerTelemetrieGuiGetMenueLabel(screen.address, menu, 0)
        if (screen.singleMenu)
            return label
        if (menu === screen.firstMenu)
            return label + "   >>>>>>"
        if (menu === screen.lastMenu)
            return "<<<<<<   " + label
        return "<<<   " + label + "   >>>"
    }
    function read() {
        var list = []
        if (menu < 8 && screen) {
            var n = Database.KLX_DataBaseManagerTelemetrieGetMenueDepth(screen.address, menu)
            if (n <= DatabaseValue.KLX_Error) {
                errorHandler.processError(n)
                n = 0
            }
            for (var item = 1; item < n; ++item) {
                list.push({
                    label: Database.KLX_DataBaseManagerTelemetrieGuiGetMenueLabel(screen.address, menu, item),
                    value: Database.KLX_DataBaseManagerTelemetrieGuiGetMenueValue(screen.address, menu, item),
                    toggle: Database.KLX_DataBaseManagerTelemetrieGetMenueToggle(screen.address, menu, item) === 1,
                    maxStep: Database.KLX_DataBaseManagerTelemetrieGetMenueMaxSteps(screen.address, menu, item),
                    display: Database.KLX_DataBaseManagerTelemetrieGetMenueDisplay(screen.address, menu, item) === 1,
                    continuous: Database.KLX_DataBaseManagerTelemetrieGetMenueContinuous(screen.address, menu, item) === 1,
                    changed: false
                })
            }
        }
        selectedRow = 0
        rows = list
        head.text = headLine()
    }
    // The values anew; a value that changed lights up for a moment.
    function readValues() {
        if (menu >= 8 || !screen)
            return
        var list = rows.slice()
        var any = false
        for (var r = 0; r < list.length; ++r) {
            var v = Database.KLX_DataBaseManagerTelemetrieGuiGetMenueValue(screen.address, menu, r + 1)
            var entry = Object.assign({}, list[r])
            entry.changed = v !== entry.value
            any = any || entry.changed
            entry.value = v
            list[r] = entry
        }
        rows = list
        if (any)
            unlight.restart()
    }
    // The runtime store learns which menu the GUI shows; its continuous items are polled.
    function enter(first) {
        if (!screen || menu >= 8)
            return
        var ok = first || RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetLeaveMenu(DatabaseValue.KLX_True, DatabaseValue.AtomicDirSet) > DatabaseValue.KLX_Error
        ok = ok && screen.check(RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetMenuSensor(screen.address, DatabaseValue.AtomicDirSet))
        ok = ok && screen.check(RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetMenuIndex(menu, DatabaseValue.AtomicDirSet))
        ok = ok && screen.check(RuntimeDatabase.KLX_RuntimeDatabaseManagerEnterMenu())
    }
    function change(item, step, direction, kind) {
        if (changePending || !screen)
            return
        var result = Database.KLX_DataBaseManagerMenuDataSet(screen.address, menu, item, step, direction, kind)
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return
        }
        changePending = true
        changeGuard.restart()
    }
    function endChange() {
        changePending = false
        changeGuard.stop()
    }
    function look() {
        if (!screen || seenActive === screen.activeFrame)
            return
        var first = seenActive < 0
        seenActive = screen.activeFrame
        var activeMenu = screen.menuOfActive
        var next = (seenActive + 1) % 3
        if (frameNo === seenActive) {
            if (menu !== activeMenu) {
                menu = activeMenu
                read()
            }
            enter(first)
        } else {
            var wanted = frameNo === next ? screen.nextUsed(activeMenu) : screen.previousUsed(activeMenu)
            if (wanted !== menu) {
                menu = wanted
                read()
            }
        }
    }

    onMenuChanged: head.text = headLine()
    onLeft: if (screen) screen.turn(1)
    onRight: if (screen) screen.turn(-1)

    Timer {
        interval: 500
        repeat: true
        running: frame.screen !== null && frame.screen.framesReady
        triggeredOnStart: true
        onTriggered: frame.look()
    }
    Timer {
        id: unlight
        interval: 800
        onTriggered: {
            var list = frame.rows.slice()
            for (var r = 0; r < list.length; ++r)
                if (list[r].changed) {
                    list[r] = Object.assign({}, list[r])
                    list[r].changed = false
                }
            frame.rows = list
        }
    }
    // The change's answer may find the GUI command thread idle and never come
    // as a result: the guard ends the wait.
    Timer {
        id: changeGuard
        interval: 5000
        onTriggered: {
            frame.changePending = false
            if (frame.screen)
                frame.screen.message(qsTr("No responce from Backend!") + Language.emptyString)
        }
    }
    Connections {
        target: Database
        function onTaskSetDataDone(mainmenu_idx) {
            if (mainmenu_idx !== frame.menu)
                return
            frame.endChange()
            frame.readValues()
        }
    }
    Connections {
        target: Command
        enabled: frame.changePending && frame.screen !== null && !frame.screen.capturePending
        function onGuiInformer(state) {
            if (state === GuiCmdData.GUI_TASK_RESULT_Working)
                return
            frame.endChange()
            if (state === GuiCmdData.GUI_TASK_RESULT_Error)
                frame.screen.message(qsTr("Stepping value error!") + Language.emptyString + "\n" + ErrorHndlr.KLX_ErrorHandlerGetErrorText())
            else if (state === GuiCmdData.GUI_TASK_RESULT_Timeout)
                errorHandler.processTaskError(qsTr("Timeout") + Language.emptyString)
            else if (state === GuiCmdData.GUI_TASK_RESULT_None)
                frame.screen.message(qsTr("Stepping value none!") + Language.emptyString)
        }
    }

    Text {
        id: head
        objectName: "menuHead_" + frame.frameNo
        x: 8
        y: 2
        width: parent.width - 16
        height: 26
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 16
        font.bold: true
        elide: Text.ElideMiddle
    }
    ListView {
        id: list
        objectName: "menuItems_" + frame.frameNo
        x: 5
        y: 30
        width: parent.width - 10
        height: parent.height - 32
        clip: true
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: frame.rows.length
        delegate: SensorMenuItem {
            objectName: "menuItem_" + frame.frameNo + "_" + (index + 1)
            width: list.width
            label: frame.rows[index].label
            value: frame.rows[index].value
            toggle: frame.rows[index].toggle
            maxStep: frame.rows[index].maxStep
            displayOnly: frame.rows[index].display
            highlighted: frame.rows[index].changed
            selected: index === frame.selectedRow
            onChosen: frame.selectedRow = index
            onStep: frame.change(index + 1, step, direction, GuiCmdData.KLX_TASK_PARA_MENU_DATA_VAL)
            onToggled: frame.change(index + 1, 1, 1, GuiCmdData.KLX_TASK_PARA_MENU_DATA_TOGGLE)
        }
    }
}
