import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The mixers of the model: name, the function mixed from and the one mixed
// into, and the set-up. "+" adds a mixer; a held name deletes one.
Item {
    id: screen
    objectName: "mixerList"
    // The facade once: a name of the context is looked up through every
    // import each time it is used, a property of the screen is not.
    readonly property QtObject db: Database
    readonly property var widths: [120, 130, 130, 70]
    property var rows: []

    function functionName(f) {
        if (f < 0 || f >= db.KLX_DataBaseManagerGetMaxFunctions())
            return "---"
        var text = db.KLX_DataBaseManagerFunctionGetSet_Name(f, "", DatabaseValue.AtomicDirGet)
        return text === "" ? "---" : text
    }
    function build() {
        var list = []
        for (var m = 0; m < db.KLX_DataBaseManagerGetMaxMixer(); ++m)
            if (db.KLX_DataBaseManagerMixerGetSet_IsUsed(m, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True)
                list.push(m)
        rows = list
    }

    // ---- name ----
    property int nameRevision: 0
    function editName(m) {
        keyboard.edit(db.KLX_DataBaseManagerMixerGetSet_Name(m, "", DatabaseValue.AtomicDirGet), function(text) {
            return db.KLX_DataBaseManagerMixerGetSet_Name(m, text, DatabaseValue.AtomicDirSet, DatabaseValue.KLX_True)
        })
    }

    function askDelete(m) {
        options.close()
        rootwindow.popupShow(null, "question", qsTr("Are you sure you would like to delete this mixer?") + Language.emptyString,
                             "OkAbort", function() { task.remove(GuiCmdData.KLX_TASK_PARA_MODEL_Mixer, m, 0, m) })
    }
    ElementTask {
        id: task
        kind: GuiCmdData.KLX_TASK_PARA_MODEL_Mixer
        rowsOwner: screen
    }

    ListHeading {
        y: 2
        widths: screen.widths
        titles: [qsTr("Name") + Language.emptyString, qsTr("from Function") + Language.emptyString,
                 qsTr("to Function") + Language.emptyString, qsTr("Setup") + Language.emptyString]
    }
    ListView {
        id: list
        objectName: "mixerRows"
        y: 26
        width: parent.width
        height: parent.height - y - 40
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.rows
        delegate: Item {
            width: list.width
            height: 35
            Row {
                x: 5
                y: 2
                spacing: 4
                GeneralPurposeButton {
                    objectName: "mixerName_" + modelData
                    width: screen.widths[0]
                    gp_text: screen.nameRevision >= 0 ? db.KLX_DataBaseManagerMixerGetSet_Name(modelData, "", DatabaseValue.AtomicDirGet) : ""
                    onClicked: screen.editName(modelData)
                    onLongclicked: options.open([{ name: "delete", label: qsTr("Delete") + Language.emptyString },
                                                 { name: "help", label: qsTr("Help") + Language.emptyString }], modelData)
                }
                GeneralPurposeLabel {
                    width: screen.widths[1]
                    horizontalAlignment: Text.AlignHCenter
                    text: screen.functionName(db.KLX_DataBaseManagerMixerGetSet_FromFuncIdx(modelData, 0, DatabaseValue.AtomicDirGet))
                }
                GeneralPurposeLabel {
                    width: screen.widths[2]
                    horizontalAlignment: Text.AlignHCenter
                    text: screen.functionName(db.KLX_DataBaseManagerMixerGetSet_ToFuncIdx(modelData, 0, DatabaseValue.AtomicDirGet))
                }
                GeneralPurposeButton {
                    objectName: "mixerSetup_" + modelData
                    width: screen.widths[3]
                    gp_text: "..."
                    onClicked: rootwindow.openScreen("qrc:/Frontend/QML/20.qml", { mixerIndex: modelData })
                }
            }
        }
    }
    ScrollBar { flickable: list }
    GeneralPurposeButton {
        objectName: "mixerAdd"
        x: 5
        y: parent.height - 35
        width: 60
        gp_text: "+"
        fontSize: 20
        onClicked: task.loadNew(GuiCmdData.KLX_TASK_PARA_MODEL_Mixer)
    }
    OptionsBar {
        id: options
        objectName: "mixerOptions"
        onChosen: {
            if (name === "delete")
                screen.askDelete(datum)
            else if (name === "help")
                options.close()
        }
    }
    NameKeyboard {
        id: keyboard
        objectName: "keyboard"
        onWritten: ++screen.nameRevision
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        build()
    }
}
