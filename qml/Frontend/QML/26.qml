import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "ServoLists.js" as ServoLists

// The servo overview: one servo row per servo and function that drives it
// (a servo of two functions is listed under each, with its own servo-mixer
// slot); "+" gives a servo to a function.
Item {
    id: servoOverview
    objectName: "servoOverview"
    // The facade once: a name of the context is looked up through every
    // import each time it is used, a property of the screen is not.
    readonly property QtObject db: Database
    property var rows: []            // [{ servo, mixer, func, first }]
    property bool addLock: false
    property int pendingServo: -1
    property int pendingFunction: -1
    property var selectedItem: null

    function rebuild() {
        var list = []
        var maxServos = db.KLX_DataBaseManagerGetMaxServos()
        for (var f = 0; f < db.KLX_DataBaseManagerGetMaxFunctions(); ++f) {
            if (!ServoLists.functionUsed(f))
                continue
            var first = true
            for (var s = 0; s < db.KLX_DataBaseManagerGetMaxServosPerFunction(); ++s) {
                var servo = db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, s, 0, DatabaseValue.AtomicDirGet, true)
                if (servo < 0 || servo >= maxServos
                        || db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(servo, 0, DatabaseValue.AtomicDirGet) !== DatabaseValue.KLX_True)
                    continue
                var mixer = db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoMixId(f, s, 0, DatabaseValue.AtomicDirGet, true)
                list.push({ servo: servo, mixer: mixer, func: f, first: first })
                first = false
            }
        }
        rows = list
    }

    function openChooser() {
        if (addLock)
            return
        addLock = true
        rootwindow.smartKeyLock = true
        var servos = []
        for (var s = 0; s < db.KLX_DataBaseManagerGetMaxServos(); ++s)
            servos.push({ label: (qsTr("Servo ") + Language.emptyString) + (s + 1), value: s })
        var functions = []
        for (var f = 0; f < db.KLX_DataBaseManagerGetMaxFunctions(); ++f)
            if (ServoLists.functionUsed(f))
                functions.push({ label: db.KLX_DataBaseManagerFunctionGetSet_Name(f, "", DatabaseValue.AtomicDirGet), value: f })
        chooser.show([{ heading: qsTr("Select servo:") + Language.emptyString, entries: servos, limit: 1 },
                      { heading: qsTr("Select function:") + Language.emptyString, entries: functions, limit: 1 }])
    }
    function release() {
        chooser.visible = false
        addLock = false
        rootwindow.smartKeyLock = false
    }

    function editName(servo) {
        keyboard.edit(db.KLX_DataBaseManagerServoConfigGetSet_Name(servo, "", DatabaseValue.AtomicDirGet), function(text) {
            return db.KLX_DataBaseManagerServoConfigGetSet_Name(servo, text, DatabaseValue.AtomicDirSet, true)
        })
    }
    function select(rowItem) {
        if (selectedItem && selectedItem !== rowItem)
            selectedItem.deselect()
        selectedItem = rowItem
        flyin.extended = true
    }

    ModelTask {
        id: task
        onDone: {
            var result = ServoLists.harmoniseFailSafe(servoOverview.pendingServo, servoOverview.pendingFunction)
            if (ServoLists.failed(result))
                errorHandler.processError(result)
            servoOverview.rebuild()
        }
        onFinished: servoOverview.addLock = false
    }

    ListHeading {
        id: heads
        y: 2
        small: true
        readonly property int cell: (list.width - 6 - 5 * 4) / 6
        widths: [cell, cell, cell, cell, cell, cell]
        titles: [qsTr("Limit") + Language.emptyString, qsTr("Way") + Language.emptyString, qsTr("Center") + Language.emptyString,
                 qsTr("Way") + Language.emptyString, qsTr("Limit") + Language.emptyString, qsTr("Direct.") + Language.emptyString]
    }

    ListView {
        id: list
        objectName: "servoOverviewList"
        x: 5
        y: heads.height + 2
        width: parent.width - 10
        height: parent.height - y - (flyin.extended ? 44 : 40)
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: servoOverview.rows
        delegate: ServoItemV2 {
            id: rowDelegate
            width: list.width - 6
            servo: modelData.servo
            mixer: modelData.mixer
            functionId: modelData.func
            showFunctionName: modelData.first
            onNameClicked: servoOverview.editName(servo)
            onFieldSelected: servoOverview.select(rowDelegate)
        }
    }
    ScrollBar { flickable: list }

    GeneralPurposeButton {
        objectName: "addServoConfig"
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - 37
        width: 60
        fontSize: 20
        gp_text: "+"
        visible: !flyin.extended
        onClicked: servoOverview.openChooser()
    }

    FlyinIncDec {
        id: flyin
        objectName: "servoOverviewFlyin"
        extraStep: 1000
        extraMinusLabel: "-0.1"
        extraPlusLabel: "+0.1"
        onStep: {
            var item = servoOverview.selectedItem
            if (item && item.selectedField !== "")
                item.change(item.selectedField, Math.abs(delta) === 1000 ? -10 : Math.abs(delta), delta < 0)
        }
        onOkClicked: {
            if (servoOverview.selectedItem)
                servoOverview.selectedItem.deselect()
            servoOverview.selectedItem = null
        }
    }

    ItemChooser {
        id: chooser
        objectName: "servoFunctionChooser"
        title: qsTr("Please select servo and function:") + Language.emptyString
        onAccepted: {
            rootwindow.smartKeyLock = false
            servoOverview.pendingServo = selected[0][0]
            servoOverview.pendingFunction = selected[1][0]
            if (!task.loadUnit(GuiCmdData.KLX_TASK_PARA_MODEL_ServoConfig, servoOverview.pendingServo, servoOverview.pendingFunction))
                servoOverview.addLock = false
        }
        onCancelled: servoOverview.release()
    }

    NameKeyboard {
        id: keyboard
        objectName: "keyboard"
        onWritten: servoOverview.rebuild()
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        rebuild()
    }
}
