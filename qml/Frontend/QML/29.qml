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

    readonly property var trims: [GuiCmdData.CONTROLID_RE_TRA_GUI, GuiCmdData.CONTROLID_RE_TRB_GUI, GuiCmdData.CONTROLID_RE_TRE_GUI,
                                  GuiCmdData.CONTROLID_RE_TRC_GUI, GuiCmdData.CONTROLID_RE_TRD_GUI, GuiCmdData.CONTROLID_RE_TRF_GUI]
    function isTrim(id) { return trims.indexOf(id) >= 0 }

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

    ScreenHeading {
        id: heading
        text: (qsTr("Trim") + Language.emptyString) + ": "
              + Database.KLX_DataBaseManagerFunctionGetSet_Name(trimChooser.functionId, "", DatabaseValue.AtomicDirGet)
    }

    // The transmitter's outline; the chosen trim lever lit.
    TransmitterOutline {
        id: outline
        objectName: "transmitterOutline"
        x: 20
        y: heading.height + 5
        width: 300
        height: 170
        marked: trimChooser.choice
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
