import QtQuick 2.15
import DBValues 1.0
import "ControlNames.js" as Names

// The head-up display of the model: the list of items the glasses show,
// three at a time (those shown now are highlighted), each with its kind and
// its value (a telemetry value, a timer, a servo or a placeholder row); "+"
// adds an item, a held row offers its deletion, and "Next" and "Back" choose
// the switches that page through the list.
Item {
    id: screen
    objectName: "headupMenu"

    property var rows: []           // slot indices of the items, in order
    // Counts the rebuilds: the rows' texts are read again after each edit.
    property int revision: 0
    property int shownIndex: 0
    property int pendingSlot: -1    // the item a chooser edits
    property string chooserKind: ""
    readonly property int rowsPerPage: 3

    // ---- the list ----
    function build() {
        var list = []
        for (var i = 0; i < Database.KLX_DatabaseMangerHeadupGetMaxItems(); ++i)
            if (Database.GetHeadupItemTypeAt(i) !== -1)
                list.push(i)
        rows = list
        shownIndex = Database.KLX_GetHeadupIndex()
        ++revision
    }
    function shown(row) {
        var n = rows.length
        if (n === 0)
            return false
        for (var k = 0; k < Math.min(rowsPerPage, n); ++k)
            if ((shownIndex + k) % n === row)
                return true
        return false
    }
    function typeName(type) {
        switch (type) {
        case DatabaseValue.HeadupType_Telemetry: return qsTr("Telemetry") + Language.emptyString
        case DatabaseValue.HeadupType_Timer: return qsTr("Timer") + Language.emptyString
        case DatabaseValue.HeadupType_Servo: return qsTr("Servo") + Language.emptyString
        case DatabaseValue.HeadupType_Placeholder: return qsTr("Placeholder") + Language.emptyString
        }
        return "-"
    }
    function hasTimers() { return typeof Database.KLX_DataBaseManagerTimerGetSet_Name === "function" }
    function simpleTimers() { return Database.KLX_DataBaseManagerGetMaxTimer(false) }
    function timerUsed(selector) {
        if (!hasTimers())
            return false
        var m = simpleTimers()
        return selector < m ? Database.KLX_DataBaseManagerTimerGetSet_IsUsed(selector, 0, DatabaseValue.AtomicDirGet) > 0
                            : Database.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(selector - m, 0, DatabaseValue.AtomicDirGet) > 0
    }
    function timerName(selector) {
        var m = simpleTimers()
        return selector < m ? Database.KLX_DataBaseManagerTimerGetSet_Name(selector, "", DatabaseValue.AtomicDirGet)
                            : Database.KLX_DataBaseManagerCmplxTimerGetSet_Name(selector - m, "", DatabaseValue.AtomicDirGet)
    }
    function valueText(slot) {
        var text = ""
        switch (Database.GetHeadupItemTypeAt(slot)) {
        case DatabaseValue.HeadupType_Telemetry:
            var main = Database.KLX_DatabaseMangerHeadupGetTeleMainAddr(slot)
            var value = Database.KLX_DatabaseMangerHeadupGetTeleSlaveAddr(slot)
            if (!Database.KLX_DataBaseManagerHeadupIsInvalidAddress(main) && !Database.KLX_DataBaseManagerHeadupIsInvalidAddress(value)) {
                text = Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(main)
                if (text !== "")
                    text += " : " + Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(main, value)
            }
            break
        case DatabaseValue.HeadupType_Servo:
            var servo = Database.KLX_DatabaseMangerHeadupGetServoIndex(slot)
            if (!Database.KLX_DataBaseManagerHeadupIsInvalidAddress(servo))
                text = Database.KLX_DataBaseManagerServoConfigGetSet_Name(servo, "", DatabaseValue.AtomicDirGet)
            break
        case DatabaseValue.HeadupType_Timer:
            var selector = Database.KLX_DatabaseMangerHeadupGetTimerIndex(slot)
            if (selector > 2 * simpleTimers() || !timerUsed(selector))
                return "---"
            text = timerName(selector)
            break
        case DatabaseValue.HeadupType_Placeholder:
            return "-"
        }
        return text !== "" ? text : qsTr("No data") + Language.emptyString
    }
    // The name of what drives the bound page switch.
    function switchText(control) {
        if (control === 65535 || !Names.isSwitch(control))
            return "---"
        var hidden = Names.hiddenSwitch(control)
        var source = hidden >= 0 ? Names.inputA(hidden) : control
        if (source < 0)
            return "ERR"
        var text = Names.name(source)
        return text !== "" ? text : "ERR"
    }
    function openSwitch(forward) {
        var bound = forward ? Database.KLX_GetHeadupForwardControl() : Database.KLX_GetHeadupBackwardControl()
        var hidden = bound === 65535 ? -1 : Names.hiddenSwitch(bound)
        rootwindow.openScreen("qrc:/Frontend/QML/36_ControlSelector.qml",
                              { parentId: forward ? "headupforward" : "headupbackward", funcId: hidden,
                                initialControlId: hidden >= 0 ? Names.inputA(hidden) : -1 })
    }

    // ---- edits ----
    function add() {
        if (!Database.CreateHeadupItem(DatabaseValue.HeadupType_Telemetry)) {
            errorHandler.processError(DatabaseValue.Max_HeadupItems_Reached)
            return
        }
        build()
    }
    function remove(slot) {
        options.close()
        Database.DeleteHeadupItemAt(slot)
        build()
    }
    function touch(row) { Database.KLX_SetHeadupIndex(row) }
    function chooseType(slot) {
        pendingSlot = slot
        chooserKind = "type"
        var current = Database.GetHeadupItemTypeAt(slot)
        var entries = []
        for (var t = 0; t <= DatabaseValue.HeadupType_Placeholder; ++t)
            entries.push({ label: typeName(t), value: t, selected: t === current, enabled: true })
        chooser.title = qsTr("Kind of the item") + Language.emptyString
        chooser.single = false
        chooser.show([{ heading: "", entries: entries, limit: 1 }])
    }
    function chooseValue(slot) {
        pendingSlot = slot
        var type = Database.GetHeadupItemTypeAt(slot)
        var entries = []
        var i
        if (type === DatabaseValue.HeadupType_Telemetry) {
            chooserKind = "telemetry"
            var main = Database.KLX_DatabaseMangerHeadupGetTeleMainAddr(slot)
            var slave = Database.KLX_DatabaseMangerHeadupGetTeleSlaveAddr(slot)
            for (var s = 0; s < 255; ++s) {
                if (Database.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(s) <= 0)
                    continue
                var sensor = Database.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(s)
                for (var v = 0; v < Database.KLX_DataBaseManagerTelemetrieGetNumberOfSensorValues(s); ++v) {
                    // Slots a sensor does not use (the second half of a position) are no values.
                    if (Database.KLX_DataBaseManagerTelemetrieGetSlave_IsUsed(s, v) !== DatabaseValue.KLX_True)
                        continue
                    var label = Database.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(s, v)
                    entries.push({ label: label !== "" ? sensor + " : " + label : sensor,
                                   value: s * 1000 + v, selected: s === main && v === slave, enabled: true })
                }
            }
            chooser.title = qsTr("Telemetry value") + Language.emptyString
        } else if (type === DatabaseValue.HeadupType_Timer) {
            chooserKind = "timer"
            var current = Database.KLX_DatabaseMangerHeadupGetTimerIndex(slot)
            for (i = 0; i <= 16; ++i)
                if (timerUsed(i))
                    entries.push({ label: timerName(i), value: i, selected: i === current, enabled: true })
            chooser.title = qsTr("Timer") + Language.emptyString
        } else if (type === DatabaseValue.HeadupType_Servo) {
            chooserKind = "servo"
            var servo = Database.KLX_DatabaseMangerHeadupGetServoIndex(slot)
            for (i = 0; i < Database.KLX_DataBaseManagerGetMaxServos(); ++i)
                entries.push({ label: Database.KLX_DataBaseManagerServoConfigGetSet_Name(i, "", DatabaseValue.AtomicDirGet),
                               value: i, selected: i === servo, enabled: true })
            chooser.title = qsTr("Servo") + Language.emptyString
        } else {
            return
        }
        if (entries.length === 0) {
            rootwindow.popupShow(null, "info", qsTr("There is nothing of this kind to choose.") + Language.emptyString, "Ok")
            return
        }
        chooser.single = true
        chooser.show([{ heading: "", entries: entries, limit: 1 }])
    }
    function chosen(selected) {
        var value = selected[0][0]
        if (value === undefined)
            return
        if (chooserKind === "type") {
            Database.SetHeadupItemTypeAt(pendingSlot, value)
        } else if (chooserKind === "telemetry") {
            Database.KLX_DatabaseMangerHeadupSetTeleMainAddr(pendingSlot, Math.floor(value / 1000))
            Database.KLX_DatabaseMangerHeadupSetTeleSlaveAddr(pendingSlot, value % 1000)
        } else if (chooserKind === "timer") {
            Database.KLX_DatabaseMangerHeadupSetTimerIndex(pendingSlot, value)
        } else if (chooserKind === "servo") {
            Database.KLX_DatabaseMangerHeadupSetServoIndex(pendingSlot, value)
        }
        build()
    }

    Connections {
        target: Headup
        function onIndexChanged(index) {
            screen.shownIndex = index
            if (screen.rows.length > 0)
                list.positionViewAtIndex(index % screen.rows.length, ListView.Contain)
        }
    }

    // ---- heading: the page switches ----
    Row {
        x: 5
        y: 4
        spacing: 5
        GeneralPurposeLabel { width: 60; height: 30; fontSize: 14; text: qsTr("Next") + Language.emptyString }
        GeneralPurposeButton {
            objectName: "headupNext"
            width: 150
            fontSize: 14
            gp_text: screen.revision >= 0 ? screen.switchText(Database.KLX_GetHeadupForwardControl()) : ""
            onClicked: screen.openSwitch(true)
        }
        GeneralPurposeLabel { width: 60; height: 30; fontSize: 14; text: qsTr("Back") + Language.emptyString }
        GeneralPurposeButton {
            objectName: "headupBack"
            width: 150
            fontSize: 14
            gp_text: screen.revision >= 0 ? screen.switchText(Database.KLX_GetHeadupBackwardControl()) : ""
            onClicked: screen.openSwitch(false)
        }
    }

    ListView {
        id: list
        objectName: "headupRows"
        y: 40
        width: parent.width
        height: parent.height - y - 40
        clip: true
        spacing: 3
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.rows
        delegate: Item {
            width: list.width
            height: 30
            readonly property int slot: modelData
            Rectangle {
                objectName: "headupShown_" + index
                anchors.fill: parent
                visible: screen.shown(index)
                color: "transparent"
                radius: 4
                border.width: 2
                border.color: rootwindow.textColour
            }
            Row {
                x: 8
                y: 2
                spacing: 6
                GeneralPurposeLabel { width: 24; height: 26; fontSize: 14; text: (index + 1) + "" }
                GeneralPurposeButton {
                    objectName: "headupType_" + index
                    width: 130
                    height: 26
                    fontSize: 14
                    gp_text: screen.revision >= 0 ? screen.typeName(Database.GetHeadupItemTypeAt(slot)) : ""
                    onClicked: { screen.touch(index); screen.chooseType(slot) }
                    onLongclicked: options.open([{ name: "delete", label: qsTr("Delete") + Language.emptyString }], slot)
                }
                GeneralPurposeButton {
                    objectName: "headupValue_" + index
                    width: 270
                    height: 26
                    fontSize: 14
                    gp_text: screen.revision >= 0 ? screen.valueText(slot) : ""
                    onClicked: { screen.touch(index); screen.chooseValue(slot) }
                    onLongclicked: options.open([{ name: "delete", label: qsTr("Delete") + Language.emptyString }], slot)
                }
            }
        }
    }
    ScrollBar { flickable: list }
    Text {
        objectName: "headupHint"
        anchors.centerIn: list
        visible: screen.rows.length === 0
        text: qsTr("No items. Touch + to add one.") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 14
    }
    GeneralPurposeButton {
        objectName: "headupAdd"
        x: 5
        y: parent.height - 35
        width: 60
        gp_text: "+"
        fontSize: 20
        onClicked: screen.add()
    }

    OptionsBar {
        id: options
        objectName: "headupOptions"
        onChosen: if (name === "delete") screen.remove(datum)
    }
    ItemChooser {
        id: chooser
        objectName: "headupChooser"
        onAccepted: screen.chosen(selected)
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        build()
    }
}
