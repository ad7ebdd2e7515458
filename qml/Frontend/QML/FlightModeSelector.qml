import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "ControlNames.js" as Names

// The flight-mode diagram: the priority switches with the flight mode each
// selects, and the combination switches (high, middle, low) with the flight
// mode of each on/off pattern. Switches open the switch-point editor,
// flight modes their editor; a held button deletes, copies or swaps.
Item {
    id: screen
    objectName: "flightModeSelector"

    readonly property int slots: Database.KLX_DataBaseManagerGetMaxFMControls()
    readonly property int flightModes: Database.KLX_DataBaseManagerGetMaxFlightmodes()
    readonly property bool threeCombination: slots >= 8
    readonly property int prioritySlots: 5
    readonly property int invalidControl: GuiCmdData.CONTROLID_Invalid_GUI
    readonly property int lutEntries: 13

    property string modelName: ""
    property int revision: 0
    property int currentFm: -1
    property var comboStates: [0, 0, 0]
    // Copy and swap: the held button shakes until another of its kind is touched.
    property string moveKind: ""      // "fm" or "slot"
    property string moveAction: ""    // "copy" or "swap"
    property int moveSource: -1
    property int shakeTicks: 0
    property int pendingCopyTarget: -1
    property int pendingCopyFrom: -1

    // ---- the mapping of slots and combinations to table entries ----
    function priorityEntry(slot) { return threeCombination ? 12 - slot : (flightModes - 1) - slot }
    // The combinations shown: all eight with three switches, else the even
    // ones (low switch off), which map to entries 0 to 3.
    readonly property var combinations: threeCombination ? [0, 1, 2, 3, 4, 5, 6, 7] : [0, 2, 4, 6]
    function comboEntry(c) { return threeCombination ? c : c / 2 }

    function report(result) {
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        return result <= DatabaseValue.KLX_Error
    }
    function lut(entry) {
        return Database.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(entry, 0, DatabaseValue.AtomicDirGet)
    }
    function fmUsed(fm) {
        return fm >= 0 && fm < flightModes
                && Database.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(fm, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
    }
    function standardExists() { return fmUsed(lut(0)) }
    function fmText(entry) {
        var fm = lut(entry)
        if (fmUsed(fm)) {
            var text = Database.KLX_DataBaseManagerFlightmodeGetSet_Name(fm, "", DatabaseValue.AtomicDirGet)
            return text === "" ? qsTr("Null string") + Language.emptyString : text
        }
        return entry === 0 ? "FM0" : "FM"
    }
    function slotControl(slot) {
        return Database.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(slot, 0, DatabaseValue.AtomicDirGet)
    }
    function slotText(slot) {
        var control = slotControl(slot)
        return control === invalidControl || control <= DatabaseValue.KLX_Error ? "---" : Names.sourceName(control)
    }
    function rebuild() {
        var at = diagram.contentY
        ++revision
        diagram.contentY = at
    }

    // ---- touches ----
    function pressSlot(slot) {
        if (moveKind !== "") {
            dropOn("slot", slot)
            return
        }
        if (!standardExists()) {
            rootwindow.popupShow(null, "attention", qsTr("\nStandard Flight Mode should be created first!") + Language.emptyString, "Ok")
            return
        }
        var control = slotControl(slot)
        var hidden = Names.hiddenSwitch(control)
        var args = { sourceOptionNumber: 7, fmAssignment: slot, switchId: Names.isSwitch(control) ? control - Names.firstSwitch : -1 }
        var get = DatabaseValue.AtomicDirGet
        if (hidden >= 0) {
            args.control = Names.inputA(hidden)
            args.percentageHystUpper = Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(hidden, 0, 0, get)
            args.percentageHystLower = Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(hidden, 0, 0, get)
        } else {
            args.control = control <= DatabaseValue.KLX_Error ? invalidControl : control
            args.percentageHystUpper = 5
            args.percentageHystLower = -5
        }
        rootwindow.openScreen("qrc:/Frontend/QML/ControlConfigLinear.qml", args)
    }
    function pressFm(entry) {
        if (moveKind !== "") {
            dropOn("fm", entry)
            return
        }
        rootwindow.openScreen("qrc:/Frontend/QML/FlightModeEditor.qml", { lut_index: entry, flightmodesNum: lutEntries })
    }
    function hold(kind, index) {
        options.kind = kind
        options.open([{ name: "delete", label: kind === "fm" ? qsTr("Delete Flight Mode") + Language.emptyString
                                                            : qsTr("Delete FM Control") + Language.emptyString },
                      { name: "copy", label: qsTr("Copy") + Language.emptyString },
                      { name: "swap", label: qsTr("Swap") + Language.emptyString }], index)
    }
    function optionChosen(name, index) {
        var kind = options.kind
        options.close()
        if (name === "delete") {
            if (kind === "fm")
                askDeleteFm(index)
            else
                askDeleteControl(index)
        } else if (name === "copy" || name === "swap") {
            moveKind = kind
            moveAction = name
            moveSource = index
            shakeTicks = 0
        }
    }
    function endMove() {
        moveKind = ""
        moveAction = ""
        moveSource = -1
    }
    function dropOn(kind, target) {
        if (kind !== moveKind || target === moveSource) {
            endMove()
            return
        }
        var source = moveSource
        var action = moveAction
        endMove()
        if (kind === "fm")
            dropFm(source, target, action)
        else
            dropSlot(source, target, action)
        rebuild()
    }
    function dropFm(source, target, action) {
        var set = DatabaseValue.AtomicDirSet
        var from = lut(source), to = lut(target)
        if (action === "swap") {
            if (!report(Database.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(source, to, set)))
                report(Database.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(target, from, set))
        } else if (to === 0) {
            // An entry without its own flight mode gets a new one.
            pendingCopyFrom = from
            pendingCopyTarget = target
            task.loadNew(GuiCmdData.KLX_TASK_PARA_MODEL_Flightmode)
        } else {
            report(Database.KLX_DataBaseManagerFlightmodeCopy(from, to))
        }
    }
    function copySwitchSettings(from, to) {
        var get = DatabaseValue.AtomicDirGet, set = DatabaseValue.AtomicDirSet
        var r = Database.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(
                    to, Database.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(from, 0, get), set)
        for (var input = 0; input < 2 && r > DatabaseValue.KLX_Error; ++input) {
            r = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(
                        to, input, Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(from, input, 0, get), set)
            if (r > DatabaseValue.KLX_Error)
                r = Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(
                            to, input, Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(from, input, 0, get), set)
            if (r > DatabaseValue.KLX_Error)
                r = Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(
                            to, input, Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(from, input, 0, get), set)
        }
        return !report(r)
    }
    function dropSlot(source, target, action) {
        var set = DatabaseValue.AtomicDirSet
        var a = slotControl(source), b = slotControl(target)
        if (action === "swap") {
            if (!report(Database.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(source, b, set)))
                report(Database.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(target, a, set))
            return
        }
        var fromHidden = Names.hiddenSwitch(a)
        var toHidden = Names.hiddenSwitch(b)
        if (fromHidden < 0) {
            // A visible switch or a plain control is assigned as it is.
            report(Database.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(target, a, set))
        } else if (toHidden >= 0) {
            copySwitchSettings(fromHidden, toHidden)
        } else {
            pendingCopyFrom = fromHidden
            pendingCopyTarget = target
            switchTask.loadNew(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch)
        }
    }

    // ---- deleting ----
    function askDeleteControl(slot) {
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete this\nFlight Mode control?") + Language.emptyString,
                             "OkAbort", function() {
                                 var hidden = Names.hiddenSwitch(screen.slotControl(slot))
                                 if (screen.report(Database.KLX_DataBaseManagerFlightmodeAssignDeleteControl(slot)))
                                     return
                                 if (hidden >= 0)
                                     switchTask.remove(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch, hidden,
                                                       GuiCmdData.KLX_TASK_PARA_DELETE, hidden)
                                 screen.rebuild()
                             })
    }
    function askDeleteFm(entry) {
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete\nthis Flight Mode?") + Language.emptyString,
                             "OkAbort", function() {
                                 var fm = screen.lut(entry)
                                 if (fm === screen.lut(0)) {
                                     rootwindow.popupShow(null, "attention", qsTr("\nCannot delete standard Flight Mode!")
                                                          + Language.emptyString, "Ok")
                                     return
                                 }
                                 if (screen.report(Database.KLX_DataBaseManagerFlightmodeDel(fm)))
                                     return
                                 task.remove(GuiCmdData.KLX_TASK_PARA_MODEL_Flightmode, fm, GuiCmdData.KLX_TASK_PARA_DELETE, entry)
                             })
    }

    ElementTask {
        id: task
        kind: GuiCmdData.KLX_TASK_PARA_MODEL_Flightmode
        onDone: {
            if (action === actionNew) {
                if (newIndex >= 1 && newIndex <= 12 && !screen.report(Database.KLX_DataBaseManagerFlightmodeCopy(screen.pendingCopyFrom, newIndex)))
                    screen.report(Database.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(
                                      screen.pendingCopyTarget, newIndex, DatabaseValue.AtomicDirSet))
                screen.pendingCopyTarget = -1
            } else if (action === actionDelete) {
                screen.report(Database.KLX_DataBaseManagerFlightmodeAssignDeleteFlightmode(datum))
            }
            screen.rebuild()
        }
    }
    ElementTask {
        id: switchTask
        kind: GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch
        onDone: {
            if (action === actionNew && newIndex >= 0) {
                var set = DatabaseValue.AtomicDirSet
                if (!screen.report(Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(newIndex, 0, set))
                        && screen.copySwitchSettings(screen.pendingCopyFrom, newIndex))
                    screen.report(Database.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(
                                      screen.pendingCopyTarget, Database.KLX_DataBaseManagerGetControlForVirtualSwitch(newIndex), set))
                screen.pendingCopyTarget = -1
            }
            screen.rebuild()
        }
    }

    // ---- live states ----
    function switchOutput(slot) {
        var control = slotControl(slot)
        if (control === invalidControl || control <= DatabaseValue.KLX_Error)
            return 0
        if (Names.isSwitch(control))
            return RuntimeDatabase.KLX_RuntimeDatabaseManagerGetVSOutputByVSId(control - Names.firstSwitch)
        return Database.KLX_DataBaseManagerGetValueOfControl(control)
    }
    Timer {
        interval: 100
        repeat: true
        running: !rootwindow.shutdown
        onTriggered: {
            var states = []
            for (var s = prioritySlots; s < screen.slots; ++s)
                states.push(screen.switchOutput(s))
            screen.comboStates = states
            screen.currentFm = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetActualFlightMode()
            if (screen.moveKind !== "" && ++screen.shakeTicks >= 150)
                screen.endMove()
        }
    }

    // ---- drawing ----
    ScreenHeading {
        objectName: "modelHeading"
        y: 2
        height: 22
        text: qsTr("Model: ") + Language.emptyString + screen.modelName
    }

    component FmButton: GeneralPurposeButton {
        property int entry: 0
        property bool shaking: screen.moveKind === "fm" && screen.moveSource === entry
        width: 110
        fontSize: 14
        gp_text: screen.revision >= 0 ? screen.fmText(entry) : ""
        state: screen.revision >= 0 && screen.fmUsed(screen.lut(entry)) && screen.lut(entry) === screen.currentFm ? "active" : ""
        rotation: shaking ? (screen.shakeTicks % 2 === 0 ? -4 : 4) : 0
        onClicked: screen.pressFm(entry)
        onLongclicked: screen.hold("fm", entry)
    }
    component SlotButton: GeneralPurposeButton {
        property int slot: 0
        property bool shaking: screen.moveKind === "slot" && screen.moveSource === slot
        width: 110
        fontSize: 14
        gp_text: screen.revision >= 0 ? screen.slotText(slot) : ""
        rotation: shaking ? (screen.shakeTicks % 2 === 0 ? -4 : 4) : 0
        onClicked: screen.pressSlot(slot)
        onLongclicked: screen.hold("slot", slot)
    }

    Flickable {
        id: diagram
        objectName: "diagram"
        y: 26
        width: parent.width
        height: parent.height - y
        clip: true
        contentHeight: Math.max(prioColumn.height, comboColumn.height) + 10
        boundsBehavior: Flickable.StopAtBounds

        // Priority switches: the first that is on selects its flight mode.
        Column {
            id: prioColumn
            x: 5
            spacing: 5
            Repeater {
                model: screen.prioritySlots
                Row {
                    spacing: 4
                    Text {
                        width: 14
                        height: 30
                        verticalAlignment: Text.AlignVCenter
                        text: index + 1
                        color: rootwindow.textColour
                        font.family: rootwindow.fontFamily
                        font.pixelSize: 12
                    }
                    SlotButton { objectName: "fmSlot_" + index; slot: index; width: 105 }
                    Rectangle { y: 14; width: 8; height: 2; color: rootwindow.textColour }
                    FmButton { objectName: "fmPriority_" + index; entry: screen.priorityEntry(index); width: 105 }
                }
            }
        }
        Rectangle {
            x: 252
            width: 1
            height: diagram.contentHeight
            color: rootwindow.textColour
            opacity: 0.4
        }
        // Combination switches: their on/off pattern picks a flight mode.
        Column {
            id: comboColumn
            x: 258
            spacing: 5
            Row {
                spacing: 3
                Repeater {
                    model: screen.slots - screen.prioritySlots
                    Column {
                        spacing: 1
                        SlotButton {
                            objectName: "fmSlot_" + slot
                            slot: screen.prioritySlots + index
                            width: screen.threeCombination ? 70 : 106
                            height: 26
                            fontSize: 12
                        }
                        Rectangle {
                            objectName: "comboState_" + index
                            width: screen.threeCombination ? 70 : 106
                            height: 4
                            color: screen.comboStates[index] > 0 ? "#2fa84f" : screen.comboStates[index] < 0 ? "#e10000" : "grey"
                        }
                    }
                }
            }
            Grid {
                columns: 2
                spacing: 5
                Repeater {
                    model: screen.combinations
                    Row {
                        spacing: 3
                        // The pattern: high, middle (and low) on or off.
                        Column {
                            y: 2
                            spacing: 2
                            Repeater {
                                model: screen.threeCombination ? 3 : 2
                                Rectangle {
                                    width: 8
                                    height: 7
                                    color: ((modelData >> (2 - index)) & 1) ? rootwindow.textColour : "transparent"
                                    border.width: 1
                                    border.color: rootwindow.textColour
                                }
                            }
                        }
                        FmButton {
                            objectName: "fmCombo_" + modelData
                            entry: screen.comboEntry(modelData)
                            width: 92
                        }
                    }
                }
            }
        }
    }
    ScrollBar { flickable: diagram }

    OptionsBar {
        id: options
        objectName: "fmOptions"
        property string kind: ""
        onChosen: screen.optionChosen(name, datum)
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        modelName = Database.KLX_DataBaseManagerVornPropertiesGetModelName()
    }
}
