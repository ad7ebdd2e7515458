import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The user's virtual switches (hidden switches are not listed): name,
// inputs with their states, operator and output, read every 100 ms. "+"
// adds a switch; a held name deletes one that no other switch uses.
Item {
    id: screen
    objectName: "virtualSwitches"
    readonly property var widths: [95, 120, 80, 65, 90]
    property var rows: []

    function report(result) {
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        return result <= DatabaseValue.KLX_Error
    }
    function used(vs) {
        return Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(vs, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
    }
    function build() {
        var list = []
        for (var vs = 0; vs < Database.KLX_DataBaseManagerGetMaxVirualSwitches(); ++vs)
            if (used(vs) && Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(vs, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True)
                list.push(vs)
        rows = list
    }
    function rowItem(vs) {
        var row = rows.indexOf(vs)
        return row >= 0 ? list.itemAtIndex(row) : null
    }

    // ---- name (names may repeat: the setter answers what is stored) ----
    property int namedSwitch: -1
    function editName(vs) {
        namedSwitch = vs
        keyboard.edit(Database.KLX_DataBaseManagerSwitchGetSet_Name(vs, "", DatabaseValue.AtomicDirGet), function(text) {
            return Database.KLX_DataBaseManagerSwitchGetSet_Name(vs, text, DatabaseValue.AtomicDirSet, DatabaseValue.KLX_True)
        })
    }

    function stepOperator(vs) {
        var op = Database.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(vs, 0, DatabaseValue.AtomicDirGet)
        var next = op >= DatabaseValue.VS_LO_max || op < DatabaseValue.VS_LO_min ? DatabaseValue.VS_LO_min : op + 1
        if (!report(Database.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(vs, next, DatabaseValue.AtomicDirSet, DatabaseValue.KLX_True))) {
            var row = rowItem(vs)
            if (row)
                row.refresh()
        }
    }
    function openInput(vs, input) {
        var get = DatabaseValue.AtomicDirGet
        rootwindow.openScreen("qrc:/Frontend/QML/ControlConfigLinear.qml", {
            sourceOptionNumber: input === 0 ? 4 : 5, switchId: vs,
            control: Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(vs, input, 0, get),
            percentageHystUpper: Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(vs, input, 0, get),
            percentageHystLower: Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(vs, input, 0, get) })
    }

    // ---- adding and deleting ----
    function askDelete(vs) {
        options.close()
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete this virtual switch?") + Language.emptyString,
                             "OkAbort", function() { screen.deleteSwitch(vs) })
    }
    // A switch that is an input of other switches stays.
    function deleteSwitch(vs) {
        var control = Database.KLX_DataBaseManagerGetControlForVirtualSwitch(vs)
        var users = []
        var get = DatabaseValue.AtomicDirGet
        for (var other = 0; other < Database.KLX_DataBaseManagerGetMaxVirualSwitches(); ++other) {
            if (other === vs || !used(other))
                continue
            if (Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(other, 0, 0, get) === control
                    || Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(other, 1, 0, get) === control)
                users.push(Database.KLX_DataBaseManagerSwitchGetSet_Name(other, "", get))
        }
        if (users.length > 0) {
            rootwindow.popupShow(null, "attention", qsTr("The selected virtual switch is used as an input of '") + Language.emptyString
                                 + users.join(", ") + qsTr("' and cannot be deleted!") + Language.emptyString, "Ok")
            return
        }
        task.remove(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch, vs, GuiCmdData.KLX_TASK_PARA_DELETE, vs)
    }
    ElementTask {
        id: task
        kind: GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch
        onDone: {
            if (action === actionNew && newIndex >= 0 && screen.rows.indexOf(newIndex) < 0)
                screen.rows = screen.rows.concat([newIndex])
            else if (action === actionDelete)
                screen.build()
        }
    }

    Timer {
        interval: 100
        repeat: true
        running: !rootwindow.shutdown
        onTriggered: {
            for (var i = 0; i < screen.rows.length; ++i) {
                var row = list.itemAtIndex(i)
                if (row)
                    row.readStates()
            }
        }
    }

    ListHeading {
        y: 2
        widths: screen.widths
        titles: [qsTr("Name") + Language.emptyString, qsTr("Control") + Language.emptyString,
                 qsTr("Input state") + Language.emptyString, qsTr("Logic") + Language.emptyString,
                 qsTr("Output state") + Language.emptyString]
    }
    ListView {
        id: list
        objectName: "switchRows"
        y: 26
        width: parent.width
        height: parent.height - y - 40
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.rows
        delegate: VirtualSwitchItem {
            vs: modelData
            widths: screen.widths
            onNameClicked: screen.editName(vs)
            onNameHeld: options.open([{ name: "delete",
                                        label: qsTr("Delete") + Language.emptyString + " " + nameText }], vs)
            onInputClicked: screen.openInput(vs, input)
            onOperatorClicked: screen.stepOperator(vs)
        }
    }
    ScrollBar { flickable: list }
    GeneralPurposeButton {
        objectName: "switchAdd"
        x: 5
        y: parent.height - 35
        width: 60
        gp_text: "+"
        fontSize: 20
        onClicked: task.loadNew(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch)
    }
    OptionsBar {
        id: options
        objectName: "switchOptions"
        onChosen: {
            if (name === "delete") {
                screen.askDelete(datum)
            } else if (name === "deleteHeld") {
                // Holding the button shows the switch's index as well.
                var list = options.buttons.slice()
                list[0] = { name: "delete", label: list[0].label + " (Vs#" + datum + ")" }
                options.buttons = list
            }
        }
    }
    NameKeyboard {
        id: keyboard
        objectName: "keyboard"
        onWritten: {
            var row = screen.rowItem(screen.namedSwitch)
            if (row)
                row.refresh()
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        build()
    }
}
