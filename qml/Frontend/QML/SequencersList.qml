import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "ControlNames.js" as Names
import "SequencerServos.js" as Servos

// The sequencers of the model: name, control, loop or single mode, servos
// and the waypoint editor. Servo and mode changes wait until a sequencer
// has completed its run.
Item {
    id: screen
    objectName: "sequencersList"
    // The row's columns: name, control, mode, servos and set-up; the set-up
    // takes what is left, so that the row ends 5 px inside the screen as it
    // starts (x 5, 4 px between the columns).
    readonly property var widths: [108, 108, 70, 108, width - 2 * 5 - 3 * 108 - 70 - 4 * 4]
    property var rows: []
    property int chooserSeq: -1

    function report(result) {
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        return result <= DatabaseValue.KLX_Error
    }
    function completed(seq) {
        return RuntimeDatabase.KLX_RuntimeDatabaseManagerIsSequencerCompleted(seq) === DatabaseValue.KLX_True
    }
    function build() {
        var list = []
        for (var s = 0; s < Database.KLX_DataBaseManagerGetMaxSequncer(); ++s)
            if (Database.KLX_DataBaseManagerSequencerGetSet_IsUsed(s, 0, DatabaseValue.AtomicDirGet) > 0)
                list.push(s)
        rows = list
    }
    function refreshRow(seq) {
        var row = rows.indexOf(seq)
        if (row >= 0 && list.itemAtIndex(row))
            list.itemAtIndex(row).refresh()
    }

    function openControl(seq) {
        var get = DatabaseValue.AtomicDirGet
        var control = Database.KLX_DataBaseManagerSequencerGetSet_Control(seq, 0, get)
        var hidden = Names.hiddenSwitch(control)
        var args = { sourceOptionNumber: 11, sequencerIdx: seq, switchId: hidden, control: control }
        if (hidden >= 0) {
            args.control = Names.inputA(hidden)
            args.percentageHystUpper = Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(hidden, 0, 0, get)
            args.percentageHystLower = Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(hidden, 0, 0, get)
        } else {
            args.percentageHystUpper = Database.KLX_DataBaseManagerSequencerGetSet_Threshold(seq, true, 0, get)
            args.percentageHystLower = Database.KLX_DataBaseManagerSequencerGetSet_Threshold(seq, false, 0, get)
        }
        rootwindow.openScreen("qrc:/Frontend/QML/ControlConfigLinear.qml", args)
    }
    function toggleMode(seq) {
        if (!completed(seq))
            return
        if (!report(Database.KLX_DataBaseManagerSequencerToggleLoopMode(seq)))
            refreshRow(seq)
    }
    function chooseServos(seq) {
        if (!completed(seq))
            return
        chooserSeq = seq
        chooser.show([{ heading: "", entries: Servos.entries(seq), limit: Database.KLX_DataBaseManagerGetMaxServosPerSequncer() }])
    }
    function openServoList(seq) {
        if (completed(seq))
            rootwindow.openScreen("qrc:/Frontend/QML/SequencerServoList.qml", { sequencerIdx: seq })
    }

    // ---- name ----
    function editName(seq) {
        keyboard.edit(Database.KLX_DataBaseManagerSequencerGetSet_Name(seq, "", DatabaseValue.AtomicDirGet), function(text) {
            return Database.KLX_DataBaseManagerSequencerGetSet_Name(seq, text, DatabaseValue.AtomicDirSet, DatabaseValue.KLX_True)
        })
        namedSeq = seq
    }
    property int namedSeq: -1

    // ---- adding and deleting ----
    function add() {
        task.loadNew(GuiCmdData.KLX_TASK_PARA_MODEL_Sequencer)
    }
    function askDelete(seq) {
        options.close()
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete this sequencer?") + Language.emptyString,
                             "OkAbort", function() {
                                 if (!completed(seq)) {
                                     rootwindow.popupShow(null, "info", qsTr("Sequencer is running. Try again when finished!")
                                                          + Language.emptyString, "Ok")
                                     return
                                 }
                                 task.remove(GuiCmdData.KLX_TASK_PARA_MODEL_Sequencer, seq, 0, seq)
                             })
    }
    ElementTask {
        id: task
        kind: GuiCmdData.KLX_TASK_PARA_MODEL_Sequencer
        rowsOwner: screen
    }

    ListHeading {
        y: 2
        widths: screen.widths
        titles: [qsTr("Name") + Language.emptyString, qsTr("Control") + Language.emptyString,
                 qsTr("Mode") + Language.emptyString, qsTr("Servos") + Language.emptyString,
                 qsTr("Setup") + Language.emptyString]
    }
    ListView {
        id: list
        objectName: "sequencerRows"
        y: 26
        width: parent.width
        height: parent.height - y - 40
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.rows
        delegate: SequencerItem {
            seq: modelData
            widths: screen.widths
            onNameClicked: screen.editName(seq)
            onNameHeld: options.open([{ name: "delete", label: qsTr("Delete") + Language.emptyString }], seq)
            onControlClicked: screen.openControl(seq)
            onModeClicked: screen.toggleMode(seq)
            onServosClicked: screen.chooseServos(seq)
            onServosHeld: screen.openServoList(seq)
            onSetupClicked: rootwindow.openScreen("qrc:/Frontend/QML/SequencerServoEditor.qml", { sequencerIdx: seq })
        }
    }
    ScrollBar { flickable: list }
    EmptyListHint {
        objectName: "sequencerHint"
        view: list
        text: qsTr("No sequencers yet. \"+\" adds one; its row then sets its name, control, mode, servos and waypoints.")
              + Language.emptyString
    }
    GeneralPurposeButton {
        objectName: "seqAdd"
        x: 5
        y: parent.height - 35
        width: 60
        gp_text: "+"
        fontSize: 20
        visible: screen.rows.length < Database.KLX_DataBaseManagerGetMaxSequncer()
        onClicked: screen.add()
    }

    OptionsBar {
        id: options
        objectName: "seqOptions"
        onChosen: if (name === "delete") screen.askDelete(datum)
    }
    ItemChooser {
        id: chooser
        objectName: "servoChooser"
        title: qsTr("Please select available servos:") + Language.emptyString
        allowEmpty: true
        onAccepted: {
            Servos.apply(screen.chooserSeq, selected[0], true)
            screen.refreshRow(screen.chooserSeq)
        }
    }
    NameKeyboard {
        id: keyboard
        objectName: "keyboard"
        onWritten: screen.refreshRow(screen.namedSeq)
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        build()
    }
}
