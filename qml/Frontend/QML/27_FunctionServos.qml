import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "ServoLists.js" as ServoLists

// The servos of one function: one servo row each with limits, ways, centre
// and direction; servos are added through the servo chooser and deleted by
// holding their number.
Item {
    id: servosScreen
    objectName: "functionServos"
    // The facade once: a name of the context is looked up through every
    // import each time it is used, a property of the screen is not.
    readonly property QtObject db: Database
    property int functionId: -1
    property string functionLabel: ""
    property var rows: []            // [{ servo, mixer }]
    property int heldServo: -1
    property var toCreate: []        // servos still to be created, in order
    property int creating: -1
    property bool addLock: false
    property var selectedItem: null

    function rebuild() {
        var list = []
        var max = db.KLX_DataBaseManagerGetMaxServos()
        for (var s = 0; s < db.KLX_DataBaseManagerGetMaxServosPerFunction(); ++s) {
            var servo = db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(functionId, s, 0xFFFF, DatabaseValue.AtomicDirGet)
            if (servo === max || servo < 0 || servo > max || list.some(function(r) { return r.servo === servo }))
                continue
            list.push({ servo: servo, mixer: Math.max(0, ServoLists.mixerOf(servo, functionId)) })
        }
        rows = list
    }

    // ---- the servo chooser ----
    function sequencerServos() {
        var list = []
        for (var q = 0; q < db.KLX_DataBaseManagerGetMaxSequncer(); ++q) {
            var text = db.KLX_DataBaseManagerSequencerGet_ServoList(q, true)
            if (text === "")
                continue
            text.split(",").forEach(function(t) { var n = parseInt(t); if (!isNaN(n)) list.push(n) })
        }
        return list
    }
    function openChooser() {
        if (addLock)
            return
        addLock = true
        rootwindow.smartKeyLock = true
        var taken = ServoLists.servosOf(functionId).concat(sequencerServos())
        var entries = []
        for (var s = 0; s < db.KLX_DataBaseManagerGetMaxServos(); ++s)
            if (taken.indexOf(s) < 0)
                entries.push({ label: ServoLists.servoLabel(s), value: s })
        var room = db.KLX_DataBaseManagerGetMaxServosPerFunction() - db.KLX_DataBaseManagerFunctionGetServoNumberForFunction(functionId)
        chooser.show([{ heading: qsTr("Select servo:") + Language.emptyString, entries: entries, limit: Math.max(0, room) }])
    }
    function closeChooser() {
        chooser.visible = false
        addLock = false
        rootwindow.smartKeyLock = false
    }
    function createNext() {
        if (toCreate.length === 0) {
            creating = -1
            addLock = false
            rebuild()
            return
        }
        var list = toCreate.slice()
        creating = list.shift()
        toCreate = list
        if (!task.loadUnit(GuiCmdData.KLX_TASK_PARA_MODEL_ServoConfig, creating, functionId)) {
            toCreate = []
            createNext()
        }
    }

    // ---- name and delete ----
    function editName(servo) {
        keyboard.edit(db.KLX_DataBaseManagerServoConfigGetSet_Name(servo, "", DatabaseValue.AtomicDirGet), function(text) {
            return db.KLX_DataBaseManagerServoConfigGetSet_Name(servo, text, DatabaseValue.AtomicDirSet, true)
        })
    }
    function askDelete() {
        var servo = heldServo
        rootwindow.popupShow(null, "question", qsTr("Are you sure you would like to delete this servo?") + Language.emptyString,
                             "OkAbort", function() {
                                 servosScreen.heldServo = -1
                                 task.deleteUnit(GuiCmdData.KLX_TASK_PARA_MODEL_ServoConfig, servo, servosScreen.functionId)
                             })
    }

    // ---- value bar ----
    function select(rowItem) {
        if (selectedItem && selectedItem !== rowItem)
            selectedItem.deselect()
        selectedItem = rowItem
        flyin.extended = true
    }
    function closeBar() {
        for (var i = 0; i < list.count; ++i) {
            var it = list.itemAtIndex(i)
            if (it)
                it.deselect()
        }
        selectedItem = null
    }

    ModelTask {
        id: task
        onDone: {
            if (servosScreen.creating >= 0) {
                var result = ServoLists.harmoniseFailSafe(servosScreen.creating, servosScreen.functionId)
                if (ServoLists.failed(result))
                    errorHandler.processError(result)
                servosScreen.createNext()
            } else {
                servosScreen.rebuild()
            }
        }
        onFailed: {
            servosScreen.toCreate = []
            servosScreen.creating = -1
            servosScreen.addLock = false
            servosScreen.rebuild()
        }
    }

    ScreenHeading {
        id: heading
        height: 22
        text: servosScreen.functionLabel
    }

    ListView {
        id: list
        objectName: "servoList"
        x: 5
        y: heading.height
        width: parent.width - 10
        height: parent.height - y - (flyin.extended || servosScreen.heldServo >= 0 ? 44 : 40)
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: servosScreen.rows
        delegate: ServoItemV2 {
            id: rowDelegate
            width: list.width - 6
            servo: modelData.servo
            mixer: modelData.mixer
            functionId: servosScreen.functionId
            onNameClicked: servosScreen.editName(servo)
            onNumberHeld: servosScreen.heldServo = servo
            onFieldSelected: servosScreen.select(rowDelegate)
        }
    }
    ScrollBar { flickable: list }

    GeneralPurposeButton {
        objectName: "addServo"
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - 37
        width: 60
        fontSize: 20
        gp_text: "+"
        visible: !flyin.extended && servosScreen.heldServo < 0
        onClicked: servosScreen.openChooser()
    }

    // The bar of a held servo number.
    HeldRowBar {
        objectName: "servoBar"
        visible: servosScreen.heldServo >= 0
        closeName: "servoBarClose"
        onClosed: servosScreen.heldServo = -1
        GeneralPurposeButton {
            objectName: "deleteServo"
            width: 120
            gp_text: qsTr("Delete") + Language.emptyString
            onClicked: servosScreen.askDelete()
        }
    }

    // Steps 1 and 10, and the basis-point pair (a tenth of a percent).
    FlyinIncDec {
        id: flyin
        objectName: "servoFlyin"
        extraStep: 1000
        extraMinusLabel: "-0.1"
        extraPlusLabel: "+0.1"
        onStep: {
            var item = servosScreen.selectedItem
            if (!item || item.selectedField === "")
                return
            var size = Math.abs(delta)
            item.change(item.selectedField, size === 1000 ? -10 : size, delta < 0)
        }
        onOkClicked: servosScreen.closeBar()
    }

    ItemChooser {
        id: chooser
        objectName: "servoChooser"
        title: qsTr("Please select an available servo:") + Language.emptyString
        onAccepted: {
            rootwindow.smartKeyLock = false
            servosScreen.toCreate = selected[0]
            servosScreen.createNext()
        }
        onCancelled: servosScreen.closeChooser()
    }

    NameKeyboard {
        id: keyboard
        objectName: "keyboard"
        onWritten: servosScreen.rebuild()
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(functionId)
        systemHistory.addEndOfArgs()
        if (functionLabel === "")
            functionLabel = db.KLX_DataBaseManagerFunctionGetSet_Name(functionId, "", DatabaseValue.AtomicDirGet)
        rebuild()
        if (db.KLX_DataBaseManagerFunctionGetServoNumberForFunction(functionId) === 0)
            openChooser()
    }
}
