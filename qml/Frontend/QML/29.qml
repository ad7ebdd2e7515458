import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The trim chooser: the trim lever moved on the transmitter is shown on its
// outline; OK stores it as the function's trim (or differential trim),
// "Delete trim" stores none.
Item {
    id: trimChooser
    objectName: "trimChooser"
    property string parentId: "trim"
    property int functionId: -1
    property int initialControlId: GuiCmdData.CONTROLID_None_GUI
    property int choice: GuiCmdData.CONTROLID_None_GUI

    readonly property var trims: [
        { id: GuiCmdData.CONTROLID_RE_TRA_GUI, x: 0.10, y: 0.30, vertical: true },
        { id: GuiCmdData.CONTROLID_RE_TRB_GUI, x: 0.22, y: 0.82, vertical: false },
        { id: GuiCmdData.CONTROLID_RE_TRE_GUI, x: 0.46, y: 0.30, vertical: true },
        { id: GuiCmdData.CONTROLID_RE_TRC_GUI, x: 0.90, y: 0.30, vertical: true },
        { id: GuiCmdData.CONTROLID_RE_TRD_GUI, x: 0.78, y: 0.82, vertical: false },
        { id: GuiCmdData.CONTROLID_RE_TRF_GUI, x: 0.54, y: 0.30, vertical: true }
    ]
    function isTrim(id) {
        return trims.some(function(t) { return t.id === id })
    }

    function store(keepEntry) {
        var result = parentId === "diffTrimControl"
                ? Database.KLX_DataBaseManagerFunctionGetSet_TrimControlDifferential(functionId, choice, DatabaseValue.AtomicDirSet)
                : Database.KLX_DataBaseManagerFunctionGetSet_Trim_Control(functionId, choice, DatabaseValue.AtomicDirSet)
        if (result !== choice) {
            errorHandler.processError(result)
            return
        }
        if (!keepEntry)
            systemHistory.deleteLastHistoryEntry()
        rootwindow.openScreen(parentId === "diffTrimControl" ? "qrc:/Frontend/QML/FuncDiffSettings.qml" : "qrc:/Frontend/QML/22.qml",
                              { functionId: functionId })
    }

    Connections {
        target: Database
        function onControlSelected(control) {
            if (control === GuiCmdData.CONTROLID_None_GUI || trimChooser.isTrim(control))
                trimChooser.choice = control
        }
    }

    Text {
        id: heading
        x: 8
        width: parent.width - 16
        height: 24
        text: (qsTr("Trim") + Language.emptyString) + ": "
              + Database.KLX_DataBaseManagerFunctionGetSet_Name(trimChooser.functionId, "", DatabaseValue.AtomicDirGet)
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
        font.bold: true
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    // The transmitter's outline with its trim levers; the chosen one lit.
    Rectangle {
        id: outline
        objectName: "transmitterOutline"
        x: 20
        y: heading.height + 5
        width: 300
        height: 170
        radius: 24
        color: "transparent"
        border.width: 2
        border.color: rootwindow.textColour
        Repeater {
            model: 2
            Rectangle {
                x: (index === 0 ? 0.28 : 0.72) * outline.width - width / 2
                y: 0.45 * outline.height - height / 2
                width: 60
                height: 60
                radius: 30
                color: "transparent"
                border.width: 1
                border.color: rootwindow.textColour
            }
        }
        Repeater {
            model: trimChooser.trims
            Rectangle {
                objectName: "trimLever_" + modelData.id
                x: modelData.x * outline.width - width / 2
                y: modelData.y * outline.height - height / 2 + (modelData.vertical ? 20 : 0)
                width: modelData.vertical ? 10 : 60
                height: modelData.vertical ? 60 : 10
                radius: 3
                color: trimChooser.choice === modelData.id ? "#2f7fd8" : "transparent"
                border.width: 1
                border.color: trimChooser.choice === modelData.id ? "#2f7fd8" : rootwindow.textColour
            }
        }
    }
    Text {
        objectName: "chosenTrim"
        x: outline.x + outline.width + 10
        y: outline.y
        width: parent.width - x - 10
        height: 30
        text: trimChooser.choice === GuiCmdData.CONTROLID_None_GUI ? "---"
                                                                    : Database.KLX_DataBaseManagerGetNameOfControlByID(trimChooser.choice)
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 18
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    Column {
        x: outline.x + outline.width + 10
        y: outline.y + 45
        spacing: 8
        GeneralPurposeButton {
            objectName: "trimOk"
            width: 130
            gp_text: qsTr("OK") + Language.emptyString
            onClicked: trimChooser.store(false)
        }
        GeneralPurposeButton {
            objectName: "deleteTrim"
            width: 130
            gp_text: qsTr("Delete trim") + Language.emptyString
            onClicked: {
                trimChooser.choice = GuiCmdData.CONTROLID_None_GUI
                trimChooser.store(false)
            }
        }
        GeneralPurposeButton {
            objectName: "trimCancel"
            width: 130
            gp_text: qsTr("Cancel") + Language.emptyString
            onClicked: trimChooser.store(true)
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(parentId)
        systemHistory.addArg(functionId)
        systemHistory.addArg(initialControlId)
        systemHistory.addEndOfArgs()
        Database.KLX_DataBaseManager_StickdataStartWatchingMovement(true)
        choice = initialControlId
    }
    Component.onDestruction: {
        if (!rootwindow.shutdown)
            Database.KLX_DataBaseManager_StickdataStopWatchingMovement()
    }
}
