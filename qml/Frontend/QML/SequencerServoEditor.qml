import QtQuick 2.15
import DBValues 1.0
import "ControlNames.js" as Names

// The waypoint editor of a sequencer: a graph per chosen servo and
// direction on one time scale. While a waypoint is edited the sequencer's
// mode byte holds the manual code of that waypoint, so that the
// transceiver controller holds the servo there; the running mode is
// remembered and written back on leaving.
Item {
    id: screen
    objectName: "sequencerServoEditor"
    property int sequencerIdx: 0

    readonly property int waypoints: Database.KLX_DataBaseManagerGetMaxSequencerWaypoints()
    readonly property int channels: Database.KLX_DataBaseManagerGetMaxServosPerSequncer()
    readonly property int maxDuration: Database.KLX_DataBaseManagerGetMaxSequncerDuration()
    readonly property int noPosition: -2048
    // Codes per direction: six channels of seven waypoints.
    readonly property int codesPerDirection: channels * waypoints
    readonly property int firstManualCode: 7
    // A first waypoint at 0 leaves 0 only after this many steps.
    readonly property int firstPointHold: 600

    property var servos: []            // per channel the servo, -1 for none
    property var shownChannels: []
    property bool showForward: true
    property bool showBackward: true
    property int rememberedMode: -1
    property var activeGraph: null
    property int selectedSlot: -1
    property int firstPointSteps: 0
    property string editField: ""
    property int timeScale: 600
    property bool locked: false
    property bool completed: true

    // ---- what is shown ----
    readonly property var graphs: {
        var list = []
        for (var i = 0; i < shownChannels.length; ++i) {
            if (showForward)
                list.push({ channel: shownChannels[i], direction: 0 })
            if (showBackward)
                list.push({ channel: shownChannels[i], direction: 1 })
        }
        return list
    }
    function graphItems() {
        var items = []
        for (var i = 0; i < graphRepeater.count; ++i)
            if (graphRepeater.itemAt(i))
                items.push(graphRepeater.itemAt(i))
        return items
    }
    function rescale() {
        var longest = 0
        var items = graphItems()
        for (var i = 0; i < items.length; ++i)
            longest = Math.max(longest, items[i].duration())
        timeScale = Math.max(100, longest)
    }
    function toggleServo(ch) {
        var list = []
        for (var c = 0; c < channels; ++c) {
            var shown = shownChannels.indexOf(c) >= 0
            if (c === ch ? !shown : shown)
                list.push(c)
        }
        endEditing()
        shownChannels = list
    }
    function toggleDirection(forward) {
        // At least one direction stays shown.
        if (forward && showForward && !showBackward || !forward && showBackward && !showForward)
            return
        endEditing()
        if (forward)
            showForward = !showForward
        else
            showBackward = !showBackward
    }

    // ---- the mode byte ----
    function modeByte() {
        return Database.KLX_DataBaseManagerSequencerGetSet_IsUsed(sequencerIdx, 0, DatabaseValue.AtomicDirGet)
    }
    function manualCode(channel, direction, slot, loop) {
        var n = channel * waypoints + slot
        var base = 255 - (loop ? 2 * codesPerDirection : 0)
        return base - (direction === 0 ? 0 : codesPerDirection) - n
    }
    function holdWaypoint() {
        if (!activeGraph || selectedSlot < 0)
            return
        var mode = modeByte()
        if (mode > 0 && mode < firstManualCode)
            rememberedMode = mode
        var loop = rememberedMode > 0 && (rememberedMode & 4) !== 0
        var result = Database.KLX_DataBaseManagerSequencerGetSet_IsUsed(
                    sequencerIdx, manualCode(activeGraph.channel, activeGraph.direction, selectedSlot, loop),
                    DatabaseValue.AtomicDirSet)
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
    }
    function restoreMode() {
        if (modeByte() >= firstManualCode && rememberedMode > 0)
            Database.KLX_DataBaseManagerSequencerGetSet_IsUsed(sequencerIdx, rememberedMode, DatabaseValue.AtomicDirSet)
    }
    function endEditing() {
        if (activeGraph)
            activeGraph.editable = false
        activeGraph = null
        selectedSlot = -1
        editField = ""
        flyin.extended = false
    }

    // ---- editing ----
    function canEdit() { return completed && !locked }
    function pressGraph(g) {
        if (!canEdit())
            return
        if (activeGraph && activeGraph !== g)
            activeGraph.editable = false
        activeGraph = g
        g.editable = true
        selectPoint(0)
    }
    function selectPoint(slot) {
        selectedSlot = slot
        firstPointSteps = 0
        activeGraph.selectedSlot = slot
        holdWaypoint()
    }
    function stepPoint(forward) {
        if (!activeGraph || !canEdit())
            return
        var used = activeGraph.usedSlots()
        var at = used.indexOf(selectedSlot) + (forward ? 1 : -1)
        if (at >= 0 && at < used.length)
            selectPoint(used[at])
    }
    function writePoint(g, slot, time, position) {
        var set = DatabaseValue.AtomicDirSet
        var r = Database.KLX_DataBaseManagerSequencerGetSet_TimePoint(sequencerIdx, g.channel, g.direction, slot, time, set)
        if (r > DatabaseValue.KLX_Error)
            r = Database.KLX_DataBaseManagerSequencerGetSet_SrvPosition(sequencerIdx, g.channel, g.direction, slot, position, set)
        if (r <= DatabaseValue.KLX_Error)
            errorHandler.processError(r)
        return r > DatabaseValue.KLX_Error
    }
    function addPoint() {
        if (!activeGraph || !canEdit())
            return
        var g = activeGraph
        var used = g.usedSlots()
        var at = used.indexOf(selectedSlot)
        if (at < 0 || at >= used.length - 1)
            return
        var a = g.slots[used[at]], b = g.slots[used[at + 1]]
        // Points closer than 10 hundredths take no point between them.
        if (b.time - a.time < 10)
            return
        var time = Math.floor((a.time + b.time) / 2 / 5) * 5
        var position = Math.floor((a.position + b.position) / 2)
        var s = selectedSlot
        var free = -1
        for (var p = s + 1; p < waypoints - 1; ++p)
            if (g.slots[p].position === noPosition) { free = p; break }
        var target
        if (free >= 0) {
            for (var k = free; k > s + 1; --k)
                if (!writePoint(g, k, g.slots[k - 1].time, g.slots[k - 1].position))
                    return
            target = s + 1
        } else {
            for (p = s - 1; p > 0; --p)
                if (g.slots[p].position === noPosition) { free = p; break }
            if (free < 0)
                return
            for (k = free; k < s; ++k)
                if (!writePoint(g, k, g.slots[k + 1].time, g.slots[k + 1].position))
                    return
            target = s
        }
        if (!writePoint(g, target, time, position))
            return
        g.reload()
        selectPoint(target)
    }
    function removePoint() {
        if (!activeGraph || !canEdit())
            return
        var used = activeGraph.usedSlots()
        var at = used.indexOf(selectedSlot)
        if (at <= 0 || at >= used.length - 1)
            return
        if (!writePoint(activeGraph, selectedSlot, 0, noPosition))
            return
        activeGraph.reload()
        selectPoint(used[at - 1])
    }
    function stepTime(delta) {
        var g = activeGraph
        if (!g || !canEdit())
            return
        var used = g.usedSlots()
        var at = used.indexOf(selectedSlot)
        var time = g.slots[selectedSlot].time
        var first = at === 0, last = at === used.length - 1
        if (first && time === 0 && delta > 0) {
            // The start stays at 0 until it has been pushed long enough.
            if (++firstPointSteps < firstPointHold)
                return
        }
        var low = first ? 0 : g.slots[used[at - 1]].time + 5
        var high = last ? maxDuration : g.slots[used[at + 1]].time - 5
        var next = Math.max(low, Math.min(high, time + delta))
        next = Math.max(low, Math.min(high, Math.round(next / 5) * 5))
        if (next === time)
            return
        var r = Database.KLX_DataBaseManagerSequencerGetSet_TimePoint(sequencerIdx, g.channel, g.direction, selectedSlot,
                                                                       next, DatabaseValue.AtomicDirSet)
        if (r <= DatabaseValue.KLX_Error) {
            errorHandler.processError(r)
            return
        }
        if (first && r === 0)
            firstPointSteps = 0
        g.reload()
        if (last)
            rescale()
    }
    function stepPosition(delta) {
        var g = activeGraph
        if (!g || !canEdit())
            return
        var used = g.usedSlots()
        var at = used.indexOf(selectedSlot)
        var next = Math.max(-200, Math.min(200, g.slots[selectedSlot].position + delta))
        var set = DatabaseValue.AtomicDirSet
        var r = Database.KLX_DataBaseManagerSequencerGetSet_SrvPosition(sequencerIdx, g.channel, g.direction, selectedSlot, next, set)
        if (r <= DatabaseValue.KLX_Error) {
            errorHandler.processError(r)
            return
        }
        // Forward ends where backward starts, and the reverse.
        var other = g.direction === 0 ? 1 : 0
        var mirrored = at === 0 ? waypoints - 1 : at === used.length - 1 ? 0 : -1
        if (mirrored >= 0) {
            r = Database.KLX_DataBaseManagerSequencerGetSet_SrvPosition(sequencerIdx, g.channel, other, mirrored, next, set)
            if (r <= DatabaseValue.KLX_Error)
                errorHandler.processError(r)
        }
        var items = graphItems()
        for (var i = 0; i < items.length; ++i)
            if (items[i].channel === g.channel)
                items[i].reload()
    }
    function selectedTime() { return activeGraph && selectedSlot >= 0 ? activeGraph.slots[selectedSlot].time : 0 }
    function selectedPosition() { return activeGraph && selectedSlot >= 0 ? activeGraph.slots[selectedSlot].position : 0 }

    // ---- the running sequencer ----
    Timer {
        objectName: "sequencerWatch"
        interval: 200
        repeat: true
        // Known before the first touch: a locked sequencer is not edited.
        triggeredOnStart: true
        running: !rootwindow.shutdown
        onTriggered: {
            var seq = screen.sequencerIdx
            screen.locked = RuntimeDatabase.KLX_RuntimeDatabaseManagerIsSequencerLocked(seq) === DatabaseValue.KLX_True
            screen.completed = RuntimeDatabase.KLX_RuntimeDatabaseManagerIsSequencerCompleted(seq) === DatabaseValue.KLX_True
            var items = screen.graphItems()
            var ratio = 0
            var status = ""
            if (!screen.completed) {
                var active = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSequencerActiveTime(seq)
                var total = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSequencerTotalRunTime(seq)
                // A backward run's total comes negated; no state known counts as none.
                active = active <= DatabaseValue.KLX_Error ? 0 : active
                total = total <= DatabaseValue.KLX_Error ? 0 : Math.abs(total)
                ratio = total > 0 ? Math.max(0, Math.min(1, active / total)) : 0
                status = qsTr("Running") + Language.emptyString + " " + (active / 100).toFixed(2) + " s"
            } else {
                var mode = screen.modeByte()
                if (mode > 0 && mode < screen.firstManualCode) {
                    screen.rememberedMode = mode
                    screen.endEditing()
                }
            }
            for (var i = 0; i < items.length; ++i) {
                items[i].locked = screen.locked
                items[i].running = !screen.completed
                items[i].cursorRatio = ratio
                items[i].statusText = i === 0 ? status : ""
            }
            if (screen.locked && screen.activeGraph)
                screen.endEditing()
        }
    }

    // ---- servos and directions ----
    Row {
        x: 5
        y: 2
        spacing: 4
        Repeater {
            model: screen.servos
            GeneralPurposeButton {
                objectName: "srvButton_" + index
                width: 48
                fontSize: 13
                gp_text: modelData >= 0 ? qsTr("Srv.") + Language.emptyString + (modelData + 1) : "---"
                state: modelData < 0 ? "disabled" : screen.shownChannels.indexOf(index) >= 0 ? "active" : ""
                onClicked: screen.toggleServo(index)
            }
        }
        GeneralPurposeButton {
            objectName: "forwardButton"
            width: 76
            fontSize: 13
            gp_text: qsTr("Forward") + Language.emptyString
            state: screen.showForward ? "active" : ""
            onClicked: screen.toggleDirection(true)
        }
        GeneralPurposeButton {
            objectName: "backwardButton"
            width: 80
            fontSize: 13
            gp_text: qsTr("Backward") + Language.emptyString
            state: screen.showBackward ? "active" : ""
            onClicked: screen.toggleDirection(false)
        }
    }

    Flickable {
        id: graphArea
        objectName: "graphArea"
        x: 5
        y: 36
        width: parent.width - 10
        height: 134
        clip: true
        contentHeight: graphColumn.height
        boundsBehavior: Flickable.StopAtBounds
        Column {
            id: graphColumn
            width: graphArea.width - 6
            spacing: 3
            Repeater {
                id: graphRepeater
                model: screen.graphs
                onItemAdded: Qt.callLater(screen.rescale)
                onItemRemoved: Qt.callLater(screen.rescale)
                CoordSequenserV3 {
                    id: seqGraph
                    objectName: "seqGraph_" + modelData.channel + "_" + modelData.direction
                    width: graphColumn.width
                    seq: screen.sequencerIdx
                    channel: modelData.channel
                    direction: modelData.direction
                    servo: screen.servos[modelData.channel]
                    timeScale: screen.timeScale
                    onPressedGraph: screen.pressGraph(seqGraph)
                }
            }
        }
    }
    ScrollBar { flickable: graphArea }

    // A start locks the sequencer until its control stands where its last
    // run ended, so that it does not start a run by itself; meanwhile it
    // cannot be edited, and the pilot is told what frees it.
    Text {
        objectName: "lockedHint"
        x: 5
        y: 176
        width: parent.width - 10
        height: 66
        visible: screen.locked
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        text: qsTr("Locked since the start, so that it does not run by itself: move %1 to where its last run ended. It then follows its control again and can be edited.")
              .arg(Names.sourceName(Database.KLX_DataBaseManagerSequencerGetSet_Control(screen.sequencerIdx, 0, DatabaseValue.AtomicDirGet)))
              + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 14
    }

    // ---- the selected waypoint (its values stay above the fly-in) ----
    Row {
        x: 5
        y: 212
        visible: !screen.locked
        spacing: 4
        GeneralPurposeLabel {
            width: 100
            fontSize: 14
            text: qsTr("Select point") + Language.emptyString
        }
        GeneralPurposeButton {
            objectName: "pointPrev"
            width: 44
            gp_text: "<"
            onClicked: screen.stepPoint(false)
        }
        GeneralPurposeButton {
            objectName: "pointNext"
            width: 44
            gp_text: ">"
            onClicked: screen.stepPoint(true)
        }
        GeneralPurposeButton {
            objectName: "pointAdd"
            width: 120
            gp_text: qsTr("Add") + Language.emptyString
            state: screen.activeGraph ? "" : "disabled"
            onClicked: screen.addPoint()
        }
        GeneralPurposeButton {
            objectName: "pointRemove"
            width: 140
            gp_text: qsTr("Remove") + Language.emptyString
            state: screen.activeGraph ? "" : "disabled"
            onClicked: screen.removePoint()
        }
    }
    Row {
        x: 5
        y: 176
        visible: !screen.locked
        spacing: 4
        GeneralPurposeLabel {
            width: 70
            fontSize: 14
            text: qsTr("Time") + Language.emptyString
        }
        GeneralPurposeButton {
            objectName: "pointTime"
            width: 150
            gp_text: screen.activeGraph ? (screen.selectedTime() / 100).toFixed(2) + " s" : "---"
            state: !screen.activeGraph ? "disabled" : screen.editField === "time" ? "active" : ""
            onClicked: { screen.editField = "time"; flyin.extended = true }
        }
        GeneralPurposeLabel {
            width: 80
            fontSize: 14
            text: qsTr("Position") + Language.emptyString
        }
        GeneralPurposeButton {
            objectName: "pointPosition"
            width: 150
            gp_text: screen.activeGraph ? screen.selectedPosition() + " %" : "---"
            state: !screen.activeGraph ? "disabled" : screen.editField === "position" ? "active" : ""
            onClicked: { screen.editField = "position"; flyin.extended = true }
        }
    }

    FlyinIncDec {
        id: flyin
        objectName: "flyin"
        smallStep: screen.editField === "time" ? 10 : 1
        largeStep: screen.editField === "time" ? 100 : 10
        onStep: screen.editField === "time" ? screen.stepTime(delta) : screen.stepPosition(delta)
        onOkClicked: screen.editField = ""
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(sequencerIdx)
        systemHistory.addEndOfArgs()
        var list = []
        var count = Database.KLX_DataBaseManagerGetMaxServos()
        var first = -1
        for (var ch = 0; ch < channels; ++ch) {
            var servo = Database.KLX_DataBaseManagerSequencerGetSet_Servo(sequencerIdx, ch, 0, DatabaseValue.AtomicDirGet)
            var valid = servo >= 0 && servo < count
            list.push(valid ? servo : -1)
            if (valid && first < 0)
                first = ch
        }
        servos = list
        var mode = modeByte()
        if (mode > 0 && mode < firstManualCode)
            rememberedMode = mode
        shownChannels = first >= 0 ? [first] : []
    }
    Component.onDestruction: restoreMode()
}
